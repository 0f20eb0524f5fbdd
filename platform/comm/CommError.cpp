#include "platform/comm/CommError.h"

#include <cerrno>
#include <cstring>
#include <grp.h>
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
} // namespace

std::string PermissionHint(const std::string& Path)
{
    struct stat Info
    {
    };
    if (stat(Path.c_str(), &Info) != 0) return {};
    const std::string Group = GroupName(Info.st_gid);
    return "the device belongs to group '" + Group + "': add your user to it (sudo usermod -aG " +
           Group + " $USER) and log in again";
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
    case CommStatus::HungUp:
        return "hung up";
    case CommStatus::IoError:
        return "i/o error";
    }
    return "unknown";
}
