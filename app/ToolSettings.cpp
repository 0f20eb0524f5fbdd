#include "app/ToolSettings.h"

#include "framework/Text.h"
#include "platform/comm/PortMap.h"
#include "serial/BlockFile.h"

#include <array>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
// A settings file is a few lines; anything much larger is not one.
constexpr size_t SettingsFileLimit = 64 * 1024;

std::string Trimmed(const std::string& Text)
{
    const size_t First = Text.find_first_not_of(" \t\r");
    if (First == std::string::npos) return "";
    return Text.substr(First, Text.find_last_not_of(" \t\r") - First + 1);
}

std::string SystemError(const std::string& What, int Code)
{
    return What + ": " + std::strerror(Code);
}

// The whole file into Text; Missing when it does not exist.
bool ReadSmallFile(const std::string& Path, std::string& Text, bool& Missing, std::string& Error)
{
    Missing = false;
    const int Fd = open(Path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (Fd < 0)
    {
        Missing = errno == ENOENT || errno == ENOTDIR;
        Error = SystemError("cannot read " + Path, errno);
        return false;
    }
    struct stat Info
    {
    };
    bool Ok = fstat(Fd, &Info) == 0 && S_ISREG(Info.st_mode);
    if (!Ok) Error = Path + " is not a regular file";
    char Buffer[4096];
    while (Ok)
    {
        const ssize_t Got = read(Fd, Buffer, sizeof Buffer);
        if (Got < 0 && errno == EINTR) continue;
        if (Got < 0) Error = SystemError("cannot read " + Path, errno);
        if (Got <= 0)
        {
            Ok = Got == 0;
            break;
        }
        Text.append(Buffer, static_cast<size_t>(Got));
        if (Text.size() > SettingsFileLimit)
        {
            Error = Path + " is too large for a settings file";
            Ok = false;
        }
    }
    close(Fd);
    return Ok;
}

} // namespace

std::string BaudChoice(const std::string& Text)
{
    static const std::array<const char*, 8> Rates = {"1200",  "2400",  "4800",  "9600",
                                                     "19200", "38400", "57600", "115200"};
    for (const char* Rate : Rates)
        if (Text == Rate) return Rate;
    return "";
}

std::string ParityChoice(const std::string& Text)
{
    for (const char* Parity : {"NO", "ODD", "EVEN"})
        if (SameText(Text, Parity)) return Parity;
    return "";
}

std::string PortChoice(const std::string& Text)
{
    if (Text.size() < 4 || Text.size() > 6 || !SameText(Text.substr(0, 3), "COM") || Text[3] == '0')
        return "";
    int Number = 0;
    for (size_t I = 3; I < Text.size(); ++I)
    {
        if (Text[I] < '0' || Text[I] > '9') return "";
        Number = Number * 10 + (Text[I] - '0');
    }
    return Number >= 1 && Number <= 255 ? "COM" + std::to_string(Number) : "";
}

std::string TSettingsFile::DefaultPath()
{
    // Next to the user's port links, so both follow XDG_CONFIG_HOME alike.
    return (std::filesystem::path(PortFoldersFromEnvironment().User).parent_path() / "settings.ini")
        .string();
}

bool TSettingsFile::Load(TToolSettings& Settings, std::string& Error) const
{
    Settings = {};
    std::string Text;
    bool Missing = false;
    if (!ReadSmallFile(FPath, Text, Missing, Error))
    {
        if (!Missing) return false;
        Error.clear();
        return true;
    }
    TToolSettings Read;
    size_t Start = 0;
    for (int Line = 1; Start < Text.size(); ++Line)
    {
        size_t End = Text.find('\n', Start);
        if (End == std::string::npos) End = Text.size();
        const std::string Raw = Text.substr(Start, End - Start);
        Start = End + 1;
        const std::string Entry = Trimmed(Raw);
        const std::string Where = FPath + ": line " + std::to_string(Line);
        if (Raw.find('\0') != std::string::npos)
        {
            Error = Where + " holds a zero byte";
            return false;
        }
        if (Entry.empty() || Entry[0] == '#' || Entry[0] == ';') continue;
        if (Entry.front() == '[' && Entry.back() == ']') continue;
        const size_t Equals = Entry.find('=');
        if (Equals == std::string::npos || Equals == 0)
        {
            Error = Where + " is not key=value";
            return false;
        }
        const std::string Key = Trimmed(Entry.substr(0, Equals));
        const std::string Value = Trimmed(Entry.substr(Equals + 1));
        std::string* Field = nullptr;
        std::string Checked = Value;
        if (Key == "port")
        {
            Field = &Read.Line.Port;
            Checked = PortChoice(Value);
        }
        else if (Key == "baud")
        {
            Field = &Read.Line.Baud;
            Checked = BaudChoice(Value);
        }
        else if (Key == "parity")
        {
            Field = &Read.Line.Parity;
            Checked = ParityChoice(Value);
        }
        else if (Key == "preset-folder")
            Field = &Read.PresetFolder;
        if (!Field) continue;
        if (Checked.empty())
        {
            Error = Where + ": '" + Value + "' is not a " + Key;
            return false;
        }
        *Field = Checked;
    }
    Settings = Read;
    return true;
}

bool TSettingsFile::Save(const TToolSettings& Settings, std::string& Error) const
{
    std::string Text = "# novla-tool's settings, written when its window closes\n";
    auto Put = [&](const char* Key, const std::string& Value)
    {
        if (!Value.empty()) Text += std::string(Key) + "=" + Value + "\n";
    };
    Put("port", Settings.Line.Port);
    Put("baud", Settings.Line.Baud);
    std::string Parity = Settings.Line.Parity;
    for (char& C : Parity)
        C = static_cast<char>(std::tolower(static_cast<unsigned char>(C)));
    Put("parity", Parity);
    Put("preset-folder", Settings.PresetFolder);

    const std::string Folder = std::filesystem::path(FPath).parent_path().string();
    if (!Folder.empty())
    {
        const CommError Made = EnsurePrivateFolder(Folder);
        if (!Made.Ok() && !std::filesystem::is_directory(Folder))
        {
            Error = "cannot make " + Folder + ": " + Made.Message;
            return false;
        }
    }
    return WriteFileAtomically(FPath, Text, 0600, Error);
}
