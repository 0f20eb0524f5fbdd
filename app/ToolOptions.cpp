#include "app/ToolOptions.h"

#include "framework/Text.h"

#include <algorithm>
#include <array>

namespace
{
// The formats SavePicture writes, chosen by the extension.
bool IsPictureFileName(const std::string& Name)
{
    const size_t Dot = Name.find_last_of("./");
    if (Dot == std::string::npos || Name[Dot] != '.') return false;
    static const std::array<const char*, 4> Known = {".png", ".bmp", ".jpg", ".jpeg"};
    const std::string Extension = Name.substr(Dot);
    return std::any_of(Known.begin(), Known.end(),
                       [&](const char* K) { return SameText(K, Extension); });
}
} // namespace

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
        else if (Arg == "--no-settings")
            Options.NoSettings = true;
        else if (Arg == "--port" || Arg == "--baud" || Arg == "--parity")
        {
            const std::string Value = I + 1 < Arguments.size() ? Arguments[++I] : "";
            std::string& Field = Arg == "--port"   ? Options.Line.Port
                                 : Arg == "--baud" ? Options.Line.Baud
                                                   : Options.Line.Parity;
            Field = Arg == "--port"   ? PortChoice(Value)
                    : Arg == "--baud" ? BaudChoice(Value)
                                      : ParityChoice(Value);
            if (Field.empty())
            {
                Error = Arg + (Arg == "--port"   ? " needs a port COM1 to COM255"
                               : Arg == "--baud" ? " needs one of 1200, 2400, 4800, 9600, 19200, "
                                                   "38400, 57600, 115200"
                                                 : " needs no, odd or even");
                return false;
            }
        }
        else if (Arg == "--scale")
        {
            const std::string Value = I + 1 < Arguments.size() ? Arguments[++I] : "";
            if (Value != "1" && Value != "2" && Value != "3")
            {
                Error = "--scale needs 1, 2 or 3" + (Value.empty() ? "" : ", not '" + Value + "'");
                return false;
            }
            Options.Scale = Value[0] - '0';
        }
        else if (Arg == "--screenshot" || Arg == "--style" || Arg == "--skin" ||
                 Arg == "--password")
        {
            if (I + 1 >= Arguments.size() || Arguments[I + 1].empty())
            {
                Error = Arg + (Arg == "--screenshot" ? " needs a file name"
                               : Arg == "--skin"     ? " needs a skin file"
                               : Arg == "--style"    ? " needs a style name"
                                                     : " needs a password");
                return false;
            }
            const std::string& Value = Arguments[++I];
            if (Arg == "--screenshot")
            {
                if (!IsPictureFileName(Value))
                {
                    Error = "--screenshot " + Value +
                            ": the file name must end in .png, .bmp, .jpg or .jpeg";
                    return false;
                }
                Options.Screenshot = Value;
                Options.Headless = true;
            }
            else if (Arg == "--style")
                Options.Style = Value;
            else if (Arg == "--skin")
                Options.Skin = Value;
            else
                Options.Password = Value;
        }
        else
        {
            Error = "unknown option '" + Arg + "'";
            return false;
        }
    }
    static const std::array<const char*, 5> Styles = {"MacOS", "WinXP", "DeepBlue", "Protein",
                                                      "BlueGlass"};
    if (!Options.Style.empty() &&
        std::none_of(Styles.begin(), Styles.end(),
                     [&](const char* S) { return SameText(S, Options.Style); }))
    {
        Error =
            "unknown style '" + Options.Style + "' (MacOS, WinXP, DeepBlue, Protein or BlueGlass)";
        return false;
    }
    if (!Options.Style.empty() && !Options.Skin.empty())
    {
        Error = "--style and --skin cannot be used together";
        return false;
    }
    if (!Options.Password.empty() && Options.Skin.empty())
    {
        Error = "--password needs --skin";
        return false;
    }
    return true;
}

std::string ToolUsage()
{
    return "usage: novla-tool [--headless] [--screenshot FILE.png]\n"
           "                  [--style NAME | --skin FILE [--password P]]\n"
           "                  [--port COM<N>] [--baud N] [--parity no|odd|even]\n"
           "                  [--scale 1|2|3] [--no-settings] [--help] [--version]\n"
           "\n"
           "Opens the configuration window of the radio module: pick the module's\n"
           "serial port, press Open, then Read All or Write All.\n"
           "\n"
           "  --headless             build the window in memory instead of on the display;\n"
           "                         alone, it only checks that the window can be built\n"
           "  --screenshot FILE.png  write a picture of the shown window (frame included)\n"
           "                         to FILE (.png, .bmp or .jpg) and exit; implies\n"
           "                         --headless\n"
           "  --style NAME           draw the window in the built-in style NAME: MacOS,\n"
           "                         WinXP, DeepBlue, Protein (the default) or BlueGlass\n"
           "  --skin FILE            draw the window from the skin file FILE; a file that\n"
           "                         cannot be read leaves the default look and says why\n"
           "  --password P           the password of an encrypted skin file\n"
           "  --port COM<N>          select port COM<N> (1-255) for this run\n"
           "  --baud N               select the PC baud rate N (1200 to 115200) for this run\n"
           "  --parity no|odd|even   select the PC parity for this run\n"
           "  --no-settings          neither read nor write the settings file\n"
           "  --scale 1|2|3          show the window 1, 2 or 3 times as large, pixels\n"
           "                         enlarged as they are; by default the desktop's own\n"
           "                         factor: GDK_SCALE, else 2 when Xft.dpi is 144 or\n"
           "                         more, else 1 (with --screenshot: 1)\n"
           "  --version              print the version and exit\n"
           "  --help                 print this text and exit\n"
           "\n"
           "The last port, PC baud rate and parity, and the folder of the last preset,\n"
           "are kept in $XDG_CONFIG_HOME/novla-tool/settings.ini (~/.config by\n"
           "default), written when the window closes; --port, --baud and --parity win\n"
           "over it.\n"
           "\n"
           "Keys in the window: Ctrl+P opens or closes the port, Ctrl+R reads all,\n"
           "Ctrl+W writes all, Ctrl+F finds the module (at any port and line setting),\n"
           "Ctrl+S saves the values as a preset, Ctrl+L loads one, F1 opens the user\n"
           "guide; Alt+Space opens the window menu. A preset is the block file of\n"
           "novla-cli (read --json, write --json-file); dropping a .json preset on the\n"
           "window loads it too. Loading sends nothing until Write All.\n"
           "\n"
           "Serial ports need no root: a user in the group that owns the device\n"
           "(usually 'dialout': sudo usermod -aG dialout $USER, then log in again)\n"
           "may open it.\n";
}

std::string ToolVersion()
{
    return std::string("novla-tool ") + NOVLA_VERSION;
}
