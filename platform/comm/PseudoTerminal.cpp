#include "platform/comm/PseudoTerminal.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
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
    return {};
}

void PseudoTerminal::Close()
{
    if (FKeeper >= 0) close(FKeeper);
    if (FMaster >= 0) close(FMaster);
    FKeeper = FMaster = -1;
}
