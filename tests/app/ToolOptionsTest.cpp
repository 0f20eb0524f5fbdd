#include "app/ToolOptions.h"

#include <gtest/gtest.h>

namespace
{
TEST(ToolOptions, AreReadOrRefusedWithAReason)
{
    const struct
    {
        std::vector<std::string> Arguments;
        bool Ok;
        bool Headless;
        std::string Screenshot;
    } Cases[] = {
        {{}, true, false, ""},
        {{"--headless"}, true, true, ""},
        {{"--headless", "--screenshot", "w.png"}, true, true, "w.png"},
        {{"--screenshot", "w.png", "--headless"}, true, true, "w.png"},
        {{"--screenshot", "w.png"}, true, true, "w.png"},
        {{"--headless", "--headless"}, false, false, ""},
        {{"--headless", "--screenshot"}, false, false, ""},
        {{"--headless", "--screenshot", ""}, false, false, ""},
        {{"--port"}, false, false, ""},
        {{"COM1"}, false, false, ""},
    };
    for (const auto& C : Cases)
    {
        TToolOptions Options;
        std::string Error;
        const bool Ok = ParseToolOptions(C.Arguments, Options, Error);
        const std::string What = C.Arguments.empty() ? "(none)" : C.Arguments[0];
        EXPECT_EQ(Ok, C.Ok) << What;
        EXPECT_EQ(Error.empty(), C.Ok) << What;
        if (!Ok) continue;
        EXPECT_EQ(Options.Headless, C.Headless) << What;
        EXPECT_EQ(Options.Screenshot, C.Screenshot) << What;
    }
}

TEST(ToolOptions, TakeAScaleOfOneToThree)
{
    const struct
    {
        std::vector<std::string> Arguments;
        int Scale; // 0: the desktop's own; -1: refused
    } Cases[] = {
        {{}, 0},
        {{"--scale", "1"}, 1},
        {{"--scale", "2", "--screenshot", "w.png"}, 2},
        {{"--scale", "3"}, 3},
        {{"--scale", "0"}, -1},
        {{"--scale", "4"}, -1},
        {{"--scale", "02"}, -1},
        {{"--scale", "2x"}, -1},
        {{"--scale", ""}, -1},
        {{"--scale"}, -1},
        {{"--scale", "2", "--scale", "2"}, -1},
    };
    for (const auto& C : Cases)
    {
        TToolOptions Options;
        std::string Error;
        const std::string What = C.Arguments.empty() ? "(none)" : C.Arguments.back();
        ASSERT_EQ(ParseToolOptions(C.Arguments, Options, Error), C.Scale >= 0) << What;
        if (C.Scale >= 0)
            EXPECT_EQ(Options.Scale, C.Scale) << What;
        else
            EXPECT_NE(Error.find("--scale"), std::string::npos) << Error;
    }
}

TEST(ToolOptions, TakeAStyleOrASkinWithItsPassword)
{
    const struct
    {
        std::vector<std::string> Arguments;
        bool Ok;
        std::string Style, Skin, Password;
    } Cases[] = {
        {{"--style", "MacOS"}, true, "MacOS", "", ""},
        {{"--style", "blueglass"}, true, "blueglass", "", ""},
        {{"--skin", "a.skin"}, true, "", "a.skin", ""},
        {{"--password", "p", "--skin", "a.skin"}, true, "", "a.skin", "p"},
        {{"--style", "FromThemeFile"}, false, "", "", ""},
        {{"--style", "Neon"}, false, "", "", ""},
        {{"--style"}, false, "", "", ""},
        {{"--skin", ""}, false, "", "", ""},
        {{"--password", "p"}, false, "", "", ""},
        {{"--style", "MacOS", "--skin", "a.skin"}, false, "", "", ""},
        {{"--skin", "a.skin", "--skin", "b.skin"}, false, "", "", ""},
    };
    for (const auto& C : Cases)
    {
        TToolOptions Options;
        std::string Error;
        const bool Ok = ParseToolOptions(C.Arguments, Options, Error);
        const std::string What =
            C.Arguments[0] + (C.Arguments.size() > 1 ? " " + C.Arguments[1] : "");
        EXPECT_EQ(Ok, C.Ok) << What;
        EXPECT_EQ(Error.empty(), C.Ok) << What << ": " << Error;
        if (!Ok) continue;
        EXPECT_EQ(Options.Style, C.Style) << What;
        EXPECT_EQ(Options.Skin, C.Skin) << What;
        EXPECT_EQ(Options.Password, C.Password) << What;
    }
}

TEST(ToolOptions, PreselectAPortABaudRateAndAParity)
{
    const struct
    {
        std::vector<std::string> Arguments;
        bool Ok;
        std::string Port, Baud, Parity;
        bool NoSettings;
    } Cases[] = {
        {{"--port", "COM7", "--baud", "115200", "--parity", "even"},
         true,
         "COM7",
         "115200",
         "EVEN",
         false},
        {{"--port", "com255", "--no-settings"}, true, "COM255", "", "", true},
        {{"--parity", "No"}, true, "", "", "NO", false},
        {{"--port", "COM0"}, false, "", "", "", false},
        {{"--port", "COM256"}, false, "", "", "", false},
        {{"--port", "/dev/ttyS0"}, false, "", "", "", false},
        {{"--baud", "9601"}, false, "", "", "", false},
        {{"--baud"}, false, "", "", "", false},
        {{"--parity", "mark"}, false, "", "", "", false},
        {{"--no-settings", "--no-settings"}, false, "", "", "", false},
    };
    for (const auto& C : Cases)
    {
        TToolOptions Options;
        std::string Error;
        const bool Ok = ParseToolOptions(C.Arguments, Options, Error);
        const std::string What =
            C.Arguments[0] + (C.Arguments.size() > 1 ? " " + C.Arguments[1] : "");
        EXPECT_EQ(Ok, C.Ok) << What;
        EXPECT_EQ(Error.empty(), C.Ok) << What << ": " << Error;
        if (!Ok) continue;
        EXPECT_EQ(Options.Line.Port, C.Port) << What;
        EXPECT_EQ(Options.Line.Baud, C.Baud) << What;
        EXPECT_EQ(Options.Line.Parity, C.Parity) << What;
        EXPECT_EQ(Options.NoSettings, C.NoSettings) << What;
    }
}
} // namespace

namespace
{
TEST(ToolOptions, AScreenshotNeedsTheExtensionOfAFormatItCanBeWrittenIn)
{
    const struct
    {
        const char* Name;
        bool Ok;
    } Cases[] = {
        {"x", false},    {"shot.", false}, {"shot.gif", false}, {"pictures.png/x", false},
        {"W.PNG", true}, {"w.jpeg", true}, {"./w.bmp", true},   {"w.Jpg", true},
    };
    for (const auto& C : Cases)
    {
        TToolOptions Options;
        std::string Error;
        EXPECT_EQ(ParseToolOptions({"--screenshot", C.Name}, Options, Error), C.Ok) << C.Name;
        if (C.Ok) continue;
        EXPECT_NE(Error.find(C.Name), std::string::npos) << Error;
        EXPECT_NE(Error.find(".png, .bmp, .jpg or .jpeg"), std::string::npos) << Error;
    }
}
} // namespace
