#include "tests/app/chaos/ChaosHangGuard.h"

TChaosHangGuard::TChaosHangGuard(std::chrono::milliseconds Limit,
                                 std::function<void(size_t Event)> OnHang)
    : FLimit(Limit), FOnHang(std::move(OnHang)), FThread(&TChaosHangGuard::Run, this)
{
}

TChaosHangGuard::~TChaosHangGuard()
{
    {
        std::lock_guard Hold(FLock);
        FQuit = true;
    }
    FChanged.notify_all();
    FThread.join();
}

void TChaosHangGuard::Beat(size_t Event)
{
    std::lock_guard Hold(FLock);
    FEvent = Event;
    ++FBeats;
    FChanged.notify_all();
}

void TChaosHangGuard::Run()
{
    std::unique_lock Hold(FLock);
    while (!FQuit)
    {
        const uint64_t Seen = FBeats;
        if (FChanged.wait_for(Hold, FLimit, [&] { return FQuit || FBeats != Seen; })) continue;
        FOnHang(FEvent);
    }
}
