#include "platform/comm/PortMap.h"

#include "platform/comm/PortLock.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdlib>
#include <dirent.h>
#include <pwd.h>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
constexpr int TableSize = 96;
constexpr int MaxPortNumber = 9999;

std::string Environment(const char* Name)
{
    const char* Value = std::getenv(Name);
    return Value && Value[0] == '/' ? std::string(Value) : std::string();
}

std::string HomeFolder()
{
    std::string Home = Environment("HOME");
    if (!Home.empty()) return Home;
    passwd Entry{};
    passwd* Found = nullptr;
    char Scratch[4096];
    if (getpwuid_r(getuid(), &Entry, Scratch, sizeof Scratch, &Found) == 0 && Found)
        return Found->pw_dir;
    return "/";
}

std::string ParentOf(const std::string& Path)
{
    const size_t Slash = Path.find_last_of('/');
    if (Slash == std::string::npos || Slash == 0) return "/";
    return Path.substr(0, Slash);
}

bool IsOwnedPrivateDirectory(const std::string& Path)
{
    struct stat Info
    {
    };
    if (lstat(Path.c_str(), &Info) != 0) return false;
    // Group write is harmless when the group is the user's own (the usual
    // private group with umask 002).
    const bool GroupSafe = (Info.st_mode & S_IWGRP) == 0 || Info.st_gid == getegid();
    return S_ISDIR(Info.st_mode) && Info.st_uid == geteuid() && (Info.st_mode & S_IWOTH) == 0 &&
           GroupSafe;
}

// Numbers of the "com<N>" entries in Folder.
std::set<int> LinkedNumbers(const std::string& Folder)
{
    std::set<int> Numbers;
    if (Folder.empty() || !IsPrivateFolder(Folder)) return Numbers;
    DIR* Listing = opendir(Folder.c_str());
    if (!Listing) return Numbers;
    while (const dirent* Entry = readdir(Listing))
    {
        const std::string_view Name = Entry->d_name;
        if (Name.size() < 4 || Name.substr(0, 3) != "com") continue;
        // Only the exact name counts ("com05" is not "com5"): open looks a
        // number up by that name, so the list shows what open will use.
        const auto Number = ParsePortName(Name);
        if (Number && Name == LinkFileName(*Number)) Numbers.insert(*Number);
    }
    closedir(Listing);
    return Numbers;
}

bool Exists(const std::string& Path)
{
    struct stat Info
    {
    };
    return stat(Path.c_str(), &Info) == 0;
}
} // namespace

PortFolders PortFoldersFromEnvironment()
{
    PortFolders Folders;
    const std::string Config = Environment("XDG_CONFIG_HOME");
    Folders.User = (Config.empty() ? HomeFolder() + "/.config" : Config) + "/novla-tool/ports";
    const std::string Runtime = Environment("XDG_RUNTIME_DIR");
    Folders.Runtime = Runtime.empty() ? "/tmp/novla-tool-" + std::to_string(getuid()) + "/ports"
                                      : Runtime + "/novla-tool/ports";
    return Folders;
}

PortMap::PortMap() : FFolders(PortFoldersFromEnvironment()) {}

PortMap::PortMap(PortFolders Folders) : FFolders(std::move(Folders)) {}

std::optional<PortLocation> PortMap::FindLink(const std::string& Folder, int Number,
                                              PortSource Source) const
{
    if (Folder.empty() || !IsPrivateFolder(Folder)) return std::nullopt;
    const std::string Link = Folder + "/" + LinkFileName(Number);
    char Target[4096];
    const ssize_t Length = readlink(Link.c_str(), Target, sizeof Target - 1);
    if (Length <= 0) return std::nullopt;
    // A runtime link is only as good as its owner: once that process is
    // gone, its pseudo-terminal may belong to another module.
    if (Source == PortSource::RuntimeLink && !IsPortLockHeld(Folder, Number))
    {
        unlink(Link.c_str());
        return std::nullopt;
    }
    std::string Path(Target, static_cast<size_t>(Length));
    if (Path[0] != '/') Path = Folder + "/" + Path;
    return PortLocation{Number, Path, Source};
}

std::optional<PortLocation> PortMap::Find(int Number) const
{
    if (Number < 1 || Number > MaxPortNumber) return std::nullopt;
    if (auto Found = FindLink(FFolders.User, Number, PortSource::UserLink)) return Found;
    if (auto Found = FindLink(FFolders.Runtime, Number, PortSource::RuntimeLink)) return Found;
    const std::string Device = DefaultDevicePath(Number);
    if (Device.empty()) return std::nullopt;
    return PortLocation{Number, Device, PortSource::DefaultTable};
}

std::vector<PortLocation> PortMap::Candidates(bool IncludeMissing) const
{
    std::set<int> Numbers = LinkedNumbers(FFolders.User);
    Numbers.merge(LinkedNumbers(FFolders.Runtime));
    for (int Number = 1; Number <= TableSize; ++Number)
        if (IncludeMissing || Exists(DefaultDevicePath(Number))) Numbers.insert(Number);
    std::vector<PortLocation> Result;
    for (int Number : Numbers)
        if (auto Found = Find(Number)) Result.push_back(std::move(*Found));
    return Result;
}

std::vector<std::string> PortMap::IgnoredFolders() const
{
    std::vector<std::string> Ignored;
    for (const std::string& Folder : {FFolders.User, FFolders.Runtime})
    {
        struct stat Info
        {
        };
        if (!Folder.empty() && lstat(Folder.c_str(), &Info) == 0 && !IsPrivateFolder(Folder))
            Ignored.push_back(Folder);
    }
    return Ignored;
}

std::string PortName(int Number)
{
    return "COM" + std::to_string(Number);
}

std::string LinkFileName(int Number)
{
    return "com" + std::to_string(Number);
}

std::optional<int> ParsePortName(std::string_view Text)
{
    if (Text.size() > 3)
    {
        const std::string_view Prefix = Text.substr(0, 3);
        const bool IsCom = (Prefix[0] == 'c' || Prefix[0] == 'C') &&
                           (Prefix[1] == 'o' || Prefix[1] == 'O') &&
                           (Prefix[2] == 'm' || Prefix[2] == 'M');
        if (IsCom) Text.remove_prefix(3);
    }
    if (Text.empty() || Text[0] < '0' || Text[0] > '9') return std::nullopt;
    int Number = 0;
    const auto [End, Error] = std::from_chars(Text.data(), Text.data() + Text.size(), Number);
    if (Error != std::errc() || End != Text.data() + Text.size()) return std::nullopt;
    if (Number < 1 || Number > MaxPortNumber) return std::nullopt;
    return Number;
}

std::string DefaultDevicePath(int Number)
{
    if (Number < 1 || Number > TableSize) return {};
    static constexpr const char* Families[] = {"/dev/ttyS", "/dev/ttyUSB", "/dev/ttyACM"};
    const int Index = Number - 1;
    return Families[Index / 32] + std::to_string(Index % 32);
}

bool IsPrivateFolder(const std::string& Path)
{
    return IsOwnedPrivateDirectory(Path) && IsOwnedPrivateDirectory(ParentOf(Path));
}

CommError EnsurePrivateFolder(const std::string& Path)
{
    if (Path.empty() || Path[0] != '/')
        return MakeError(CommStatus::InvalidArgument, "folder '" + Path + "' is not absolute");
    for (size_t Slash = Path.find('/', 1);; Slash = Path.find('/', Slash + 1))
    {
        const std::string Part = Path.substr(0, Slash);
        if (mkdir(Part.c_str(), 0700) != 0 && errno != EEXIST)
            return ErrorFromErrno(errno, Part, "create folder");
        if (Slash == std::string::npos) break;
    }
    if (!IsPrivateFolder(Path))
        return MakeError(CommStatus::PermissionDenied,
                         "folder " + Path +
                             " (or its parent) is not a private folder of this user; its links "
                             "would be ignored");
    return {};
}
