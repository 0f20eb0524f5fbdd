#include "app/UserGuide.h"

#include "tests/platform/comm/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace
{
void Touch(const std::filesystem::path& Path)
{
    std::filesystem::create_directories(Path.parent_path());
    std::ofstream(Path) << "x\n";
}

TEST(UserGuide, IsFoundInstalledOrInTheSourceTree)
{
    TempFolder Root;
    const std::filesystem::path R = Root.Path();
    // An installed program, a build tree below its sources, and a program
    // with no guide anywhere above it.
    Touch(R / "usr/share/doc/novla-tool/README.md");
    Touch(R / "src/README.md");
    Touch(R / "src/app/MainForm.h");
    Touch(R / "lonely/README.md"); // no sources beside it: not the guide
    const struct
    {
        std::string Program;
        std::string Guide;
    } Cases[] = {
        {(R / "usr/bin/novla-tool").string(), (R / "usr/share/doc/novla-tool/README.md").string()},
        {(R / "src/build/default/app/novla-tool").string(), (R / "src/README.md").string()},
        {(R / "lonely/bin/novla-tool").string(), ""},
        {"", ""},
    };
    for (const auto& C : Cases)
        EXPECT_EQ(FindUserGuide(C.Program), C.Guide) << C.Program;
}
} // namespace
