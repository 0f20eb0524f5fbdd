#include "platform/comm/StopSignal.h"

#include <cerrno>
#include <cstdint>
#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

StopSignal::~StopSignal()
{
    Destroy();
}

CommError StopSignal::Create()
{
    Destroy();
    FFd = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (FFd < 0) return ErrorFromErrno(errno, "stop signal", "create");
    return {};
}

void StopSignal::Destroy()
{
    if (FFd >= 0) close(FFd);
    FFd = -1;
}

void StopSignal::Raise() const
{
    if (FFd < 0) return;
    const uint64_t One = 1;
    // Fails only when the counter is saturated, which still means raised.
    [[maybe_unused]] const ssize_t Written = write(FFd, &One, sizeof One);
}

void StopSignal::Reset() const
{
    if (FFd < 0) return;
    uint64_t Value = 0;
    [[maybe_unused]] const ssize_t Read = read(FFd, &Value, sizeof Value);
}

bool StopSignal::IsRaised() const
{
    if (FFd < 0) return false;
    pollfd Watch{FFd, POLLIN, 0};
    return poll(&Watch, 1, 0) > 0 && (Watch.revents & POLLIN);
}
