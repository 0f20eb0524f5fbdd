#pragma once

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>

// Time source of the window system: message times, tick counts and timers.
// The system clock is used unless a test installs its own (FakeClock.h).
class TClock
{
  public:
    using TimeMs = uint64_t;

    virtual ~TClock() = default;

    // Milliseconds since an arbitrary start; never goes backwards.
    virtual TimeMs Now() const = 0;

    // Blocks on Cond (Lock held, as for condition_variable::wait) until it is
    // notified or until Now() reaches Deadline. May return early; callers
    // re-check their condition.
    virtual void WaitUntil(std::condition_variable& Cond, std::unique_lock<std::mutex>& Lock,
                           TimeMs Deadline) = 0;

    // Called after the time moved by other means than passing (a fake clock
    // being advanced), so that waiters re-check their deadlines.
    void SetTimeChangedHandler(std::function<void()> Handler);

  protected:
    void TimeChanged();

  private:
    std::mutex FHandlerLock;
    std::function<void()> FOnTimeChanged;
};

// The monotonic clock of the machine.
class TSystemClock final : public TClock
{
  public:
    TimeMs Now() const override;
    void WaitUntil(std::condition_variable& Cond, std::unique_lock<std::mutex>& Lock,
                   TimeMs Deadline) override;
};

// The clock the window system reads. Installing a clock (null restores the
// system clock) wakes every blocked message loop so it re-reads its timers.
std::shared_ptr<TClock> CurrentClock();
void InstallClock(std::shared_ptr<TClock> Clock);
