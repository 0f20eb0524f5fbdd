#include "platform/comm/PseudoTerminal.h"

#include "platform/comm/TerminalHolders.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/inotify.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

PseudoTerminal::~PseudoTerminal()
{
    Close();
}

CommError PseudoTerminal::Create()
{
    Close();
    FMaster = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC | O_NONBLOCK);
    if (FMaster < 0) return ErrorFromErrno(errno, "/dev/ptmx", "open");
    char Name[128];
    if (grantpt(FMaster) != 0 || unlockpt(FMaster) != 0 ||
        ptsname_r(FMaster, Name, sizeof Name) != 0)
    {
        const CommError Error = ErrorFromErrno(errno, "/dev/ptmx", "set up");
        Close();
        return Error;
    }
    FDevicePath = Name;
    FKeeper = open(Name, O_RDWR | O_NOCTTY | O_CLOEXEC | O_NONBLOCK);
    if (FKeeper < 0)
    {
        const CommError Error = ErrorFromErrno(errno, FDevicePath, "open");
        Close();
        return Error;
    }
    // Raw from the start: a cooked line would echo the opener's requests back.
    termios Attributes{};
    if (tcgetattr(FKeeper, &Attributes) == 0)
    {
        cfmakeraw(&Attributes);
        tcsetattr(FKeeper, TCSANOW, &Attributes);
    }
    FWatch = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (FWatch >= 0 && inotify_add_watch(FWatch, Name, IN_OPEN | IN_CLOSE) < 0)
    {
        close(FWatch);
        FWatch = -1;
    }
    return {};
}

void PseudoTerminal::Close()
{
    if (FWatch >= 0) close(FWatch);
    if (FKeeper >= 0) close(FKeeper);
    if (FMaster >= 0) close(FMaster);
    FWatch = FKeeper = FMaster = -1;
}

bool PseudoTerminal::OnOpenerEvents()
{
    if (FWatch < 0) return false;
    alignas(inotify_event) char Buffer[4096];
    while (read(FWatch, Buffer, sizeof Buffer) > 0)
    {
    }
    int Exclusive = 0;
    if (ioctl(FKeeper, TIOCGEXCL, &Exclusive) != 0 || !Exclusive) return false;
    // While the lock is held, the holder is alive and the flag is its own.
    if (flock(FKeeper, LOCK_EX | LOCK_NB) != 0) return false;
    flock(FKeeper, LOCK_UN);
    // A program that set the flag without the lock still counts while it
    // holds the device open.
    if (OthersHoldDevice(FDevicePath, FKeeper)) return false;
    return ioctl(FKeeper, TIOCNXCL) == 0;
}
