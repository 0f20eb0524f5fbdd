#include "platform/gfx/PngCodec.h"
#include "tests/tools/ProcessRunner.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>

namespace
{
std::vector<uint8_t> ReadAll(const std::filesystem::path& Path)
{
    std::ifstream In(Path, std::ios::binary);
    return {std::istreambuf_iterator<char>(In), std::istreambuf_iterator<char>()};
}

TEST(SkinSheet, WritesTheSheetOfOneStyleMagnified)
{
    const auto Path = std::filesystem::temp_directory_path() /
                      ("skin-sheet-" + std::to_string(getpid()) + ".png");
    TSurface One, Twice;
    for (auto [Zoom, Out] : {std::pair{"1", &One}, {"2", &Twice}})
    {
        const ProcessResult R = RunProcess(
            NOVLA_SKIN_SHEET_PATH, {Path.string(), "--style", "protein", "--zoom", Zoom}, {});
        ASSERT_EQ(R.ExitCode, 0) << R.Err;
        ASSERT_EQ(ReadPng(ReadAll(Path), *Out), TCodecStatus::Ok);
    }
    std::filesystem::remove(Path);
    // The 441-pixel title picture is on the sheet, twice as wide at zoom 2.
    EXPECT_GE(One.Width(), 441);
    EXPECT_GE(Twice.Width(), 2 * 441);
    EXPECT_GT(Twice.Height(), One.Height());
}

TEST(SkinSheet, RefusesUnknownStylesAndBadArguments)
{
    const std::string Path = "/nonexistent-folder/sheet.png";
    const struct
    {
        std::vector<std::string> Arguments;
        int ExitCode;
    } Cases[] = {
        {{}, 2},
        {{Path, "--style", "Plaid"}, 2},
        {{Path, "--zoom", "0"}, 2},
        {{Path, "--zoom"}, 2},
        {{Path, "--colour", "red"}, 2},
        {{Path, "--style", "Shared"}, 1}, // the file cannot be written
    };
    for (const auto& C : Cases)
    {
        const ProcessResult R = RunProcess(NOVLA_SKIN_SHEET_PATH, C.Arguments, {});
        EXPECT_EQ(R.ExitCode, C.ExitCode) << (C.Arguments.empty() ? "" : C.Arguments.back());
        EXPECT_FALSE(R.Err.empty());
    }
}
} // namespace
