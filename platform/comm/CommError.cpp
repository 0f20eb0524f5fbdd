#include "platform/comm/CommError.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace
{
CommStatus StatusForErrno(int Errno)
{
    switch (Errno)
    {
    case ENOENT:
    case ENODEV:
    case ENXIO:
    case ENOTDIR:
        return CommStatus::NotFound;
    case EBUSY:
    case EWOULDBLOCK:
        return CommStatus::Busy;
    case EACCES:
    case EPERM:
        return CommStatus::PermissionDenied;
    case ENOTTY:
        return CommStatus::NotATerminal;
    case EINVAL:
        return CommStatus::InvalidArgument;
    case EIO:
    case EPIPE:
        return CommStatus::HungUp;
    case ETIMEDOUT:
        return CommStatus::TimedOut;
    default:
        return CommStatus::IoError;
    }
}

std::string GroupName(gid_t Gid)
{
    std::vector<char> Scratch(4096);
    group Entry{};
    group* Found = nullptr;
    if (getgrgid_r(Gid, &Entry, Scratch.data(), Scratch.size(), &Found) != 0 || !Found)
        return "gid " + std::to_string(Gid);
    return Found->gr_name;
}

std::string UserName(uid_t Uid)
{
    std::vector<char> Scratch(4096);
    passwd Entry{};
    passwd* Found = nullptr;
    if (getpwuid_r(Uid, &Entry, Scratch.data(), Scratch.size(), &Found) != 0 || !Found)
        return "uid " + std::to_string(Uid);
    return Found->pw_name;
}
} // namespace

std::string PermissionHint(const std::string& Path)
{
    struct stat Info
    {
    };
    if (stat(Path.c_str(), &Info) != 0) return {};
    return PermissionAdvice(Info.st_mode, UserName(Info.st_uid), Info.st_gid,
                            GroupName(Info.st_gid));
}

std::string PermissionAdvice(unsigned Mode, const std::string& Owner, unsigned GroupId,
                             const std::string& Group)
{
    const bool GroupReadsAndWrites = (Mode & S_IRGRP) && (Mode & S_IWGRP);
    const bool SafeToJoin = GroupId != 0 && Group != "root" && Group != "tty";
    if (GroupReadsAndWrites && SafeToJoin)
        return "the device belongs to group '" + Group +
               "': add your user to it (sudo usermod -aG " + Group + " $USER) and log in again";
    char Bits[8];
    std::snprintf(Bits, sizeof Bits, "%04o", Mode & 07777);
    return "the device (owner '" + Owner + "', group '" + Group + "', mode " + Bits +
           ") gives no group you could join read and write access; ask its owner or an "
           "administrator to grant you access";
}

CommError ErrorFromErrno(int Errno, const std::string& Path, const std::string& Call)
{
    CommError Error;
    Error.Status = StatusForErrno(Errno);
    Error.Errno = Errno;
    Error.Message = Call + " " + Path + ": ";
    switch (Error.Status)
    {
    case CommStatus::NotFound:
        Error.Message += "no such device";
        break;
    case CommStatus::Busy:
        Error.Message += "in use by another program";
        break;
    case CommStatus::PermissionDenied:
    {
        Error.Message += "permission denied";
        const std::string Hint = PermissionHint(Path);
        if (!Hint.empty()) Error.Message += "; " + Hint;
        break;
    }
    case CommStatus::NotATerminal:
        Error.Message += "not a serial device";
        break;
    case CommStatus::HungUp:
        Error.Message += "the device went away";
        break;
    default:
        Error.Message += std::strerror(Errno);
        break;
    }
    return Error;
}

CommError MakeError(CommStatus Status, std::string Message)
{
    return CommError{Status, 0, std::move(Message)};
}

const char* StatusText(CommStatus Status)
{
    switch (Status)
    {
    case CommStatus::Ok:
        return "ok";
    case CommStatus::NotFound:
        return "not found";
    case CommStatus::Busy:
        return "busy";
    case CommStatus::PermissionDenied:
        return "permission denied";
    case CommStatus::NotATerminal:
        return "not a terminal";
    case CommStatus::Unsupported:
        return "unsupported";
    case CommStatus::InvalidArgument:
        return "invalid argument";
    case CommStatus::NotOpen:
        return "not open";
    case CommStatus::TimedOut:
        return "timed out";
    case CommStatus::WaitFailed:
        return "wait failed";
    case CommStatus::HungUp:
        return "hung up";
    case CommStatus::IoError:
        return "i/o error";
    }
    return "unknown";
}
