#include "tests/app/chaos/ChaosWaker.h"

#include "platform/win/Messaging.h"
#include "platform/win/WinMessages.h"

TChaosWaker::TChaosWaker(DWORD UiThread) : FUiThread(UiThread), FThread(&TChaosWaker::Run, this) {}

TChaosWaker::~TChaosWaker()
{
    {
        std::lock_guard Hold(FLock);
        FQuit = true;
    }
    FChanged.notify_all();
    FThread.join();
}

void TChaosWaker::Ping(HWND Window)
{
    std::lock_guard Hold(FLock);
    FWindow = Window;
    FDelay = std::chrono::milliseconds(0);
    FRequested = true;
    FDone = false;
    FChanged.notify_all();
}

void TChaosWaker::WakeAfter(std::chrono::milliseconds Delay)
{
    std::lock_guard Hold(FLock);
    FWindow = nullptr;
    FDelay = Delay;
    FRequested = true;
    FDone = false;
    FChanged.notify_all();
}

bool TChaosWaker::Done()
{
    std::lock_guard Hold(FLock);
    return FDone;
}

void TChaosWaker::Run()
{
    std::unique_lock Hold(FLock);
    for (;;)
    {
        FChanged.wait(Hold, [&] { return FRequested || FQuit; });
        if (FQuit) return;
        FRequested = false;
        const HWND Window = FWindow;
        if (Window)
        {
            Hold.unlock();
            SendMessage(Window, WM_NULL, 0, 0);
            Hold.lock();
        }
        else
            FChanged.wait_for(Hold, FDelay, [&] { return FQuit; });
        FDone = true;
        PostThreadMessage(FUiThread, WM_NULL, 0, 0);
    }
}
