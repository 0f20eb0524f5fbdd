// novla-tool as a program: what its command line and a missing display
// tell the user.

#include "tests/tools/ProcessRunner.h"

#include <gtest/gtest.h>

namespace
{
TEST(ToolProgram, SaysWhatToDoWithoutADisplayAndRefusesAPictureItCannotWrite)
{
    // A display that cannot be reached, whatever the machine has. The
    // display library leaves its bus connection to the end of the process
    // when it cannot start; the leak checker of a sanitizer build would
    // count that against the exit code.
    const std::vector<std::string> NoDisplay = {"DISPLAY=:987654",
                                                "WAYLAND_DISPLAY=", "SDL_VIDEODRIVER=x11",
                                                "ASAN_OPTIONS=detect_leaks=0"};
    const ProcessResult Shown = RunProcess(NOVLA_TOOL_PATH, {}, NoDisplay);
    EXPECT_EQ(Shown.ExitCode, 2) << Shown.Err;
    EXPECT_NE(Shown.Err.find("novla-tool --headless --screenshot FILE.png"), std::string::npos)
        << Shown.Err;

    // Alone, --headless builds the window in memory and ends: a start-up check.
    const ProcessResult Headless = RunProcess(NOVLA_TOOL_PATH, {"--headless"}, NoDisplay);
    EXPECT_EQ(Headless.ExitCode, 0) << Headless.Err;

    const ProcessResult NoExtension = RunProcess(NOVLA_TOOL_PATH, {"--screenshot", "x"}, NoDisplay);
    EXPECT_EQ(NoExtension.ExitCode, 1);
    EXPECT_NE(NoExtension.Err.find("--screenshot x: the file name must end in .png, .bmp, .jpg or "
                                   ".jpeg"),
              std::string::npos)
        << NoExtension.Err;
}
} // namespace
