#include "app/ToolOptions.h"

#include <algorithm>

bool ParseToolOptions(const std::vector<std::string>& Arguments, TToolOptions& Options,
                      std::string& Error)
{
    Options = {};
    std::vector<std::string> Seen;
    for (size_t I = 0; I < Arguments.size(); ++I)
    {
        const std::string& Arg = Arguments[I];
        if (std::find(Seen.begin(), Seen.end(), Arg) != Seen.end())
        {
            Error = "option '" + Arg + "' given twice";
            return false;
        }
        Seen.push_back(Arg);
        if (Arg == "--help" || Arg == "-h")
            Options.Help = true;
        else if (Arg == "--version")
            Options.Version = true;
        else if (Arg == "--headless")
            Options.Headless = true;
        else if (Arg == "--screenshot")
        {
            if (I + 1 >= Arguments.size() || Arguments[I + 1].empty())
            {
                Error = "--screenshot needs a file name";
                return false;
            }
            Options.Screenshot = Arguments[++I];
            Options.Headless = true;
        }
        else
        {
            Error = "unknown option '" + Arg + "'";
            return false;
        }
    }
    return true;
}

std::string ToolUsage()
{
    return "usage: novla-tool [--headless] [--screenshot FILE.png] [--help] [--version]\n"
           "\n"
           "Opens the configuration window of the radio module: pick the module's\n"
           "serial port, press Open, then Read All or Write All.\n"
           "\n"
           "  --headless             build the window in memory instead of on the display\n"
           "  --screenshot FILE.png  write a picture of the shown window (frame included)\n"
           "                         to FILE (.png or .bmp) and exit; implies --headless\n"
           "  --version              print the version and exit\n"
           "  --help                 print this text and exit\n"
           "\n"
           "Serial ports need no root: a user in the group that owns the device\n"
           "(usually 'dialout': sudo usermod -aG dialout $USER, then log in again)\n"
           "may open it.\n";
}

std::string ToolVersion()
{
    return std::string("novla-tool ") + NOVLA_VERSION;
}
