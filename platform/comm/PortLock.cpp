#include "platform/comm/PortLock.h"

#include "platform/comm/PortMap.h"

#include <cerrno>
#include <fcntl.h>
#include <string_view>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
// A lock file can be removed by its previous owner between our open and our
// flock; the path is then tried afresh, a few times at most.
constexpr int AcquireAttempts = 8;

bool IsSameFile(int Fd, const std::string& Path)
{
    struct stat Held
    {
    }, Named{};
    return fstat(Fd, &Held) == 0 && stat(Path.c_str(), &Named) == 0 &&
           Held.st_dev == Named.st_dev && Held.st_ino == Named.st_ino;
}
} // namespace

std::string PortLockPath(const std::string& Folder, int Number)
{
    return Folder + "/" + LinkFileName(Number) + ".lock";
}

PortLock::~PortLock()
{
    Release();
}

CommError PortLock::Acquire(const std::string& Folder, int Number)
{
    Release();
    const std::string Path = PortLockPath(Folder, Number);
    for (int Attempt = 0; Attempt < AcquireAttempts; ++Attempt)
    {
        const int Fd = open(Path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
        if (Fd < 0) return ErrorFromErrno(errno, Path, "lock");
        if (flock(Fd, LOCK_EX | LOCK_NB) != 0)
        {
            const int Errno = errno;
            close(Fd);
            if (Errno == EWOULDBLOCK)
                return MakeError(CommStatus::Busy, PortName(Number) +
                                                       " is registered by a running process (" +
                                                       Path + ")");
            return ErrorFromErrno(Errno, Path, "lock");
        }
        if (!IsSameFile(Fd, Path))
        {
            close(Fd);
            continue;
        }
        const std::string Pid = std::to_string(getpid()) + "\n";
        if (ftruncate(Fd, 0) == 0) (void)!write(Fd, Pid.data(), Pid.size());
        FFd = Fd;
        FPath = Path;
        return {};
    }
    return MakeError(CommStatus::Busy, Path + ": the lock file keeps changing");
}

void PortLock::Release()
{
    if (FFd < 0) return;
    // Removed while still locked, so that nobody takes over a file that is
    // about to vanish (a late taker finds it gone and tries afresh).
    unlink(FPath.c_str());
    close(FFd);
    FFd = -1;
    FPath.clear();
}

bool IsPortLockHeld(const std::string& Folder, int Number)
{
    const int Fd = open(PortLockPath(Folder, Number).c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (Fd < 0) return false;
    const bool Held = flock(Fd, LOCK_SH | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    close(Fd);
    return Held;
}
