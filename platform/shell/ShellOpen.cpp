#include "platform/shell/ShellOpen.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace
{
bool StartsWithNoCase(std::string_view S, std::string_view Prefix)
{
    if (S.size() < Prefix.size()) return false;
    for (size_t I = 0; I < Prefix.size(); ++I)
    {
        char C = S[I];
        if (C >= 'A' && C <= 'Z') C = static_cast<char>(C - 'A' + 'a');
        if (C != Prefix[I]) return false;
    }
    return true;
}

bool IsExecutableFile(const std::string& Path)
{
    struct stat St
    {
    };
    return stat(Path.c_str(), &St) == 0 && S_ISREG(St.st_mode) && access(Path.c_str(), X_OK) == 0;
}

// Program as given when it holds a "/", else the first match in PATH.
std::string FindProgram(const std::string& Program)
{
    if (Program.empty()) return {};
    if (Program.find('/') != std::string::npos)
        return IsExecutableFile(Program) ? Program : std::string();
    const char* Path = std::getenv("PATH");
    std::string_view Dirs = Path && *Path ? Path : "/usr/local/bin:/usr/bin:/bin";
    while (!Dirs.empty())
    {
        const size_t Colon = Dirs.find(':');
        const std::string_view Dir = Colon == 0 ? std::string_view(".") : Dirs.substr(0, Colon);
        Dirs = Colon == std::string_view::npos ? std::string_view() : Dirs.substr(Colon + 1);
        std::string Candidate;
        Candidate.reserve(Dir.size() + 1 + Program.size());
        Candidate.append(Dir).append("/").append(Program);
        if (IsExecutableFile(Candidate)) return Candidate;
    }
    return {};
}

ShellOpenResult Launch(std::string_view Url, const std::string& Opener);
} // namespace

bool IsWebAddress(std::string_view Url)
{
    if (Url.size() > 4096) return false;
    size_t Rest;
    if (StartsWithNoCase(Url, "http://"))
        Rest = 7;
    else if (StartsWithNoCase(Url, "https://"))
        Rest = 8;
    else
        return false;
    for (char C : Url)
    {
        const auto U = static_cast<unsigned char>(C);
        if (U <= 0x20 || U == 0x7F) return false;
    }
    // A host must follow the scheme.
    return Rest < Url.size() && Url[Rest] != '/' && Url[Rest] != '?' && Url[Rest] != '#';
}

ShellOpenResult ShellOpen(std::string_view Url)
{
    return ShellOpen(Url, "xdg-open");
}

ShellOpenResult ShellOpen(std::string_view Url, const std::string& Opener)
{
    if (!IsWebAddress(Url)) return ShellOpenResult::InvalidAddress;
    return Launch(Url, Opener);
}

std::string FileAddress(std::string_view Path)
{
    static const char Hex[] = "0123456789ABCDEF";
    std::string Address = "file://";
    for (char C : Path)
    {
        const auto U = static_cast<unsigned char>(C);
        const bool Plain = (U >= 'a' && U <= 'z') || (U >= 'A' && U <= 'Z') ||
                           (U >= '0' && U <= '9') || U == '/' || U == '-' || U == '.' || U == '_' ||
                           U == '~';
        if (Plain)
            Address += C;
        else
        {
            Address += '%';
            Address += Hex[U >> 4];
            Address += Hex[U & 0xF];
        }
    }
    return Address;
}

ShellOpenResult ShellOpenDocument(const std::string& Path)
{
    return ShellOpenDocument(Path, "xdg-open");
}

ShellOpenResult ShellOpenDocument(const std::string& Path, const std::string& Opener)
{
    struct stat St
    {
    };
    if (Path.empty() || Path[0] != '/' || stat(Path.c_str(), &St) != 0 || !S_ISREG(St.st_mode))
        return ShellOpenResult::InvalidAddress;
    return Launch(FileAddress(Path), Opener);
}

namespace
{
ShellOpenResult Launch(std::string_view Url, const std::string& Opener)
{
    const std::string OpenerPath = FindProgram(Opener);
    if (OpenerPath.empty()) return ShellOpenResult::OpenerMissing;
    // setsid --fork starts the opener in a new session and exits at once:
    // the opener is then nobody's child of ours, so nothing is left to reap
    // however long it (or a browser it waits for) runs.
    const std::string Detacher = FindProgram("setsid");
    if (Detacher.empty()) return ShellOpenResult::LaunchFailed;

    posix_spawn_file_actions_t Actions;
    if (posix_spawn_file_actions_init(&Actions) != 0) return ShellOpenResult::LaunchFailed;
    bool Ready = posix_spawn_file_actions_addopen(&Actions, 0, "/dev/null", O_RDONLY, 0) == 0 &&
                 posix_spawn_file_actions_addclosefrom_np(&Actions, 3) == 0;
    posix_spawnattr_t Attr;
    const bool AttrReady = posix_spawnattr_init(&Attr) == 0;
    Ready = Ready && AttrReady;
    // The child starts with default signal handling, whatever ours is.
    sigset_t Defaults, Empty;
    sigemptyset(&Empty);
    sigfillset(&Defaults);
    if (Ready)
        Ready =
            posix_spawnattr_setsigdefault(&Attr, &Defaults) == 0 &&
            posix_spawnattr_setsigmask(&Attr, &Empty) == 0 &&
            posix_spawnattr_setflags(&Attr, POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK) == 0;

    pid_t Pid = -1;
    int Error = EINVAL;
    if (Ready)
    {
        const std::string Address(Url);
        char* Argv[] = {const_cast<char*>("setsid"), const_cast<char*>("--fork"),
                        const_cast<char*>(OpenerPath.c_str()), const_cast<char*>(Address.c_str()),
                        nullptr};
        Error = posix_spawn(&Pid, Detacher.c_str(), &Actions, &Attr, Argv, environ);
    }
    if (AttrReady) posix_spawnattr_destroy(&Attr);
    posix_spawn_file_actions_destroy(&Actions);
    if (Error != 0) return ShellOpenResult::LaunchFailed;

    // The detacher only forks and exits.
    int Status = 0;
    pid_t R;
    do
        R = waitpid(Pid, &Status, 0);
    while (R < 0 && errno == EINTR);
    if (R != Pid || !WIFEXITED(Status) || WEXITSTATUS(Status) != 0)
        return ShellOpenResult::LaunchFailed;
    return ShellOpenResult::Started;
}
} // namespace

const char* ShellOpenResultText(ShellOpenResult Result)
{
    switch (Result)
    {
    case ShellOpenResult::Started:
        return "The web page is being opened.";
    case ShellOpenResult::InvalidAddress:
        return "That is not a web address (http or https).";
    case ShellOpenResult::OpenerMissing:
        return "No program to open web pages was found (install xdg-utils).";
    case ShellOpenResult::LaunchFailed:
        return "The program that opens web pages could not be started.";
    }
    return "";
}
