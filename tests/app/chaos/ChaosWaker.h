#pragma once

#include "platform/win/WinTypes.h"

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

// A helper thread for the chaos driver's UI thread: it sends a window a
// message from outside (the window answers only while the UI thread
// handles messages), or lets real time pass, and wakes the UI thread's
// message loop when done. One request at a time.
class TChaosWaker
{
  public:
    explicit TChaosWaker(DWORD UiThread);
    ~TChaosWaker();
    TChaosWaker(const TChaosWaker&) = delete;
    TChaosWaker& operator=(const TChaosWaker&) = delete;

    void Ping(HWND Window);
    void WakeAfter(std::chrono::milliseconds Delay);
    // The last request is done (the UI thread was woken after it).
    bool Done();

  private:
    void Run();

    DWORD FUiThread;
    std::mutex FLock;
    std::condition_variable FChanged;
    HWND FWindow = nullptr;
    std::chrono::milliseconds FDelay{0};
    bool FRequested = false;
    bool FDone = true;
    bool FQuit = false;
    std::thread FThread;
};
