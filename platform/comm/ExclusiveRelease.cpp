#include "platform/comm/ExclusiveRelease.h"

#include <atomic>
#include <csignal>
#include <sys/ioctl.h>

namespace
{
constexpr int SlotCount = 16;
// Lock-free slots, so that the signal handler never waits for a lock the
// interrupted thread might hold.
std::atomic<int> Slots[SlotCount] = {-1, -1, -1, -1, -1, -1, -1, -1,
                                     -1, -1, -1, -1, -1, -1, -1, -1};

void OnTerminatingSignal(int Signal)
{
    ReleaseAllExclusive();
    // The handler was installed for one delivery only: the signal now takes
    // its default action.
    raise(Signal);
}
} // namespace

void RememberExclusive(int Fd)
{
    for (std::atomic<int>& Slot : Slots)
    {
        int Free = -1;
        if (Slot.compare_exchange_strong(Free, Fd)) return;
    }
}

void ForgetExclusive(int Fd)
{
    for (std::atomic<int>& Slot : Slots)
    {
        int Held = Fd;
        if (Slot.compare_exchange_strong(Held, -1)) return;
    }
}

void ReleaseAllExclusive()
{
    for (std::atomic<int>& Slot : Slots)
    {
        const int Fd = Slot.load();
        if (Fd >= 0) ioctl(Fd, TIOCNXCL);
    }
}

void ReleaseExclusiveOnSignals()
{
    struct sigaction Action
    {
    };
    Action.sa_handler = &OnTerminatingSignal;
    Action.sa_flags = SA_RESETHAND;
    sigemptyset(&Action.sa_mask);
    for (int Signal : {SIGINT, SIGTERM, SIGHUP, SIGQUIT})
        sigaction(Signal, &Action, nullptr);
}
