#include "platform/comm/StandardDescriptors.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

bool EnsureStandardDescriptors()
{
    for (int Fd = 0; Fd <= 2; ++Fd)
    {
        if (fcntl(Fd, F_GETFD) != -1 || errno != EBADF) continue;
        // The lower ones are open by now, so the lowest free one is Fd.
        const int Null = open("/dev/null", O_RDWR);
        if (Null < 0) return false;
        if (Null != Fd)
        {
            const bool Moved = dup2(Null, Fd) == Fd;
            close(Null);
            if (!Moved) return false;
        }
    }
    return true;
}
