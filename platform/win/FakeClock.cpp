#include "platform/win/FakeClock.h"

void TFakeClock::WaitUntil(std::condition_variable& Cond, std::unique_lock<std::mutex>& Lock,
                           TimeMs)
{
    // Time passes only in Advance, which wakes the waiter.
    Cond.wait(Lock);
}

void TFakeClock::Advance(TimeMs Milliseconds)
{
    FNow += Milliseconds;
    TimeChanged();
}
