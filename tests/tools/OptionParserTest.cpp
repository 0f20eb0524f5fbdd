#include "tools/common/OptionParser.h"
#include "tools/common/DemoCommandLine.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
// argv-style words that live as long as the object.
struct Words
{
    std::vector<std::string> Text;
    std::vector<char*> Pointers;
    explicit Words(std::vector<std::string> T) : Text(std::move(T))
    {
        for (std::string& W : Text)
            Pointers.push_back(W.data());
    }
};

TEST(OptionParser, ReadsFlagsAndValuesAndNamesEveryProblem)
{
    const struct
    {
        std::vector<std::string> Arguments;
        const char* Error; // empty: accepted
    } Cases[] = {
        {{"--port", "COM5", "--json"}, ""},
        {{"--port=COM5", "--json"}, ""},
        {{"--port="}, ""},
        {{"--net-id", "-1"}, ""},
        {{"--port"}, "option --port needs a value"},
        {{"--json=yes"}, "option --json takes no value"},
        {{"--json", "yes"}, "unexpected word 'yes' (--json takes no value)"},
        {{"stray"}, "unexpected word 'stray'"},
        {{"-j"}, "unexpected word '-j'"},
        {{"--"}, "unexpected word '--'"},
        {{"--jsn"}, "unknown option --jsn"},
        {{"--port", "1", "--port=2"}, "option --port given twice"},
        {{"--json", "--json"}, "option --json given twice"},
    };
    for (const auto& Case : Cases)
    {
        OptionParser Parser({{"--port", true}, {"--net-id", true}, {"--json", false}});
        Words Arguments(Case.Arguments);
        std::string Error;
        const bool Accepted = Parser.Parse(Arguments.Pointers, Error);
        EXPECT_EQ(Accepted, std::string(Case.Error).empty()) << Case.Error;
        EXPECT_EQ(Error, Case.Error);
    }
    OptionParser Parser({{"--port", true}, {"--json", false}});
    Words Arguments({"--json", "--port=COM7"});
    std::string Error;
    ASSERT_TRUE(Parser.Parse(Arguments.Pointers, Error));
    EXPECT_TRUE(Parser.Has("--json"));
    EXPECT_EQ(Parser.Value("--port"), "COM7");
    EXPECT_EQ(Parser.Value("--json"), "");
    EXPECT_FALSE(Parser.Value("--baud"));
}

TEST(OptionParser, ARepeatableOptionKeepsEveryValueInOrder)
{
    OptionParser Parser({{"--to", true, true}, {"--from", true}});
    Words Arguments({"--to", "COM2", "--from", "COM1", "--to=COM3"});
    std::string Error;
    ASSERT_TRUE(Parser.Parse(Arguments.Pointers, Error)) << Error;
    EXPECT_EQ(Parser.Values("--to"), (std::vector<std::string>{"COM2", "COM3"}));
    EXPECT_EQ(Parser.Values("--from"), (std::vector<std::string>{"COM1"}));
    EXPECT_TRUE(Parser.Values("--keep").empty());
    OptionParser Once({{"--to", true, true}, {"--from", true}});
    Words Twice({"--from", "COM1", "--from", "COM2"});
    EXPECT_FALSE(Once.Parse(Twice.Pointers, Error));
    EXPECT_EQ(Error, "option --from given twice");
}

TEST(DemoCommandLine, AScreenshotImpliesTheHeadlessDesktop)
{
    const struct
    {
        std::vector<std::string> Arguments;
        bool Accepted, Headless;
        const char* Screenshot;
    } Cases[] = {
        {{"demo"}, true, false, ""},
        {{"demo", "--headless"}, true, true, ""},
        {{"demo", "--screenshot", "a.png"}, true, true, "a.png"},
        {{"demo", "--headless", "--screenshot=b.bmp"}, true, true, "b.bmp"},
        {{"demo", "--screenshot", ""}, false, false, ""},
        {{"demo", "--exit-after-ms", "-5"}, false, false, ""},
        {{"demo", "--show-menu"}, true, false, ""},
        {{"demo", "--x", "1"}, false, false, ""},
    };
    for (const auto& Case : Cases)
    {
        DemoCommandLine Line({{"--show-menu", false}});
        Words Arguments(Case.Arguments);
        std::string Error;
        EXPECT_EQ(Line.Parse(static_cast<int>(Arguments.Pointers.size()), Arguments.Pointers.data(),
                             Error),
                  Case.Accepted)
            << Case.Arguments.back() << ": " << Error;
        if (!Case.Accepted) continue;
        EXPECT_EQ(Line.Headless(), Case.Headless) << Case.Arguments.back();
        EXPECT_EQ(Line.Screenshot(), Case.Screenshot);
    }
}
} // namespace
