#include "platform/win/Clock.h"

#include "detail/QueueRegistry.h"

#include <chrono>
#include <utility>

void TClock::SetTimeChangedHandler(std::function<void()> Handler)
{
    std::lock_guard Guard(FHandlerLock);
    FOnTimeChanged = std::move(Handler);
}

void TClock::TimeChanged()
{
    std::function<void()> Handler;
    {
        std::lock_guard Guard(FHandlerLock);
        Handler = FOnTimeChanged;
    }
    if (Handler) Handler();
}

TClock::TimeMs TSystemClock::Now() const
{
    using namespace std::chrono;
    return static_cast<TimeMs>(
        duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

void TSystemClock::WaitUntil(std::condition_variable& Cond, std::unique_lock<std::mutex>& Lock,
                             TimeMs Deadline)
{
    using namespace std::chrono;
    Cond.wait_until(Lock, steady_clock::time_point(milliseconds(Deadline)));
}

namespace
{
struct TClockSlot
{
    std::mutex Lock;
    std::shared_ptr<TClock> Clock = std::make_shared<TSystemClock>();
};

TClockSlot& Slot()
{
    static TClockSlot Instance;
    return Instance;
}
} // namespace

std::shared_ptr<TClock> CurrentClock()
{
    std::lock_guard Guard(Slot().Lock);
    return Slot().Clock;
}

void InstallClock(std::shared_ptr<TClock> Clock)
{
    if (!Clock) Clock = std::make_shared<TSystemClock>();
    Clock->SetTimeChangedHandler([] { TQueueRegistry::Instance().WakeAll(); });
    std::shared_ptr<TClock> Previous;
    {
        std::lock_guard Guard(Slot().Lock);
        Previous = std::exchange(Slot().Clock, std::move(Clock));
    }
    Previous->SetTimeChangedHandler({});
    TQueueRegistry::Instance().WakeAll();
}
