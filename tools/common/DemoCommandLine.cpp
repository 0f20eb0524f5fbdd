#include "tools/common/DemoCommandLine.h"

#include <span>

namespace
{
std::vector<OptionParser::Option> WithCommon(std::vector<OptionParser::Option> Extra)
{
    Extra.insert(Extra.begin(),
                 {{"--headless", false}, {"--screenshot", true}, {"--exit-after-ms", true}});
    return Extra;
}
} // namespace

DemoCommandLine::DemoCommandLine(std::vector<OptionParser::Option> Extra)
    : FParser(WithCommon(std::move(Extra)))
{
}

bool DemoCommandLine::Parse(int Argc, char** Argv, std::string& Error)
{
    if (!FParser.Parse(std::span<char* const>(Argv + 1, static_cast<size_t>(Argc - 1)), Error))
        return false;
    FScreenshot = FParser.Value("--screenshot").value_or("");
    if (FParser.Has("--screenshot") && FScreenshot.empty())
    {
        Error = "--screenshot needs a file name";
        return false;
    }
    FHeadless = FParser.Has("--headless") || !FScreenshot.empty();
    if (const auto Limit = FParser.Value("--exit-after-ms"))
    {
        long Value = 0;
        if (!ParseIntegerOption(*Limit, 0, 3600000, Value))
        {
            Error = "--exit-after-ms '" + *Limit + "' is not a number from 0 to 3600000";
            return false;
        }
        FExitAfterMs = static_cast<int>(Value);
    }
    return true;
}
