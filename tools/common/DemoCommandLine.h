#pragma once

#include "tools/common/OptionParser.h"

#include <string>
#include <vector>

// The options every demo program shares, read one way by all of them:
// --headless (the in-memory desktop instead of real windows), --screenshot
// FILE (a picture of that desktop, PNG or BMP by the extension; implies
// --headless, since only that desktop can be saved) and --exit-after-ms N
// (a real-window run ends by itself). A program adds its own options.
class DemoCommandLine
{
  public:
    static constexpr const char* CommonUsage =
        "[--headless] [--screenshot FILE.png|FILE.bmp] [--exit-after-ms N]";

    explicit DemoCommandLine(std::vector<OptionParser::Option> Extra = {});

    // False with Error naming the problem.
    bool Parse(int Argc, char** Argv, std::string& Error);

    bool Headless() const { return FHeadless; }
    const std::string& Screenshot() const { return FScreenshot; }
    int ExitAfterMs() const { return FExitAfterMs; }
    // The program's own options.
    const OptionParser& Options() const { return FParser; }

  private:
    OptionParser FParser;
    bool FHeadless = false;
    std::string FScreenshot;
    int FExitAfterMs = 0;
};
