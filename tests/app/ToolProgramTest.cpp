// novla-tool as a program: what its command line and a missing display
// tell the user, and the pictures it writes.

#include "platform/gfx/PictureFile.h"
#include "tests/platform/comm/TempFolder.h"
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
TEST(ToolProgram, PicturesTheWindowEnlargedPixelForPixel)
{
    TempFolder Folder;
    ASSERT_FALSE(Folder.Path().empty());
    // A desktop's own factor never changes the picture: only --scale does.
    const std::vector<std::string> Environment = {"GDK_SCALE=2", "ASAN_OPTIONS=detect_leaks=0"};
    TSurface Shots[4];
    for (int Scale = 1; Scale <= 3; ++Scale)
    {
        const std::string Path = Folder.Path() + "/" + std::to_string(Scale) + ".png";
        std::vector<std::string> Arguments = {"--no-settings", "--screenshot", Path};
        if (Scale > 1) Arguments.insert(Arguments.end(), {"--scale", std::to_string(Scale)});
        const ProcessResult Run = RunProcess(NOVLA_TOOL_PATH, Arguments, Environment);
        ASSERT_EQ(Run.ExitCode, 0) << Run.Err;
        ASSERT_EQ(LoadPicture(Path, Shots[Scale]), TCodecStatus::Ok) << Path;
    }
    const TSurface& One = Shots[1];
    ASSERT_GT(One.Width(), 300);
    for (int Scale = 2; Scale <= 3; ++Scale)
    {
        const TSurface& Big = Shots[Scale];
        ASSERT_EQ(Big.Width(), One.Width() * Scale);
        ASSERT_EQ(Big.Height(), One.Height() * Scale);
        int Different = 0;
        for (int Y = 0; Y < Big.Height(); ++Y)
            for (int X = 0; X < Big.Width(); ++X)
                Different += Big.RawPixel(X, Y) != One.RawPixel(X / Scale, Y / Scale);
        EXPECT_EQ(Different, 0) << "at scale " << Scale;
    }
}
} // namespace
