#pragma once

#include "platform/win/Clock.h"

#include <atomic>

// A clock that only moves when told to; for tests. Advancing it wakes every
// blocked message loop, which then delivers the timers that became due.
class TFakeClock final : public TClock
{
  public:
    explicit TFakeClock(TimeMs Start = 1000) : FNow(Start) {}

    TimeMs Now() const override { return FNow.load(); }
    void WaitUntil(std::condition_variable& Cond, std::unique_lock<std::mutex>& Lock,
                   TimeMs Deadline) override;

    void Advance(TimeMs Milliseconds);

  private:
    std::atomic<TimeMs> FNow;
};
