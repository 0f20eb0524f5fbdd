#pragma once

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <mutex>
#include <thread>

// Watches the chaos driver's progress from a thread of its own: when no
// event completes for Limit, the driver is stuck inside the window (a
// modal loop nobody ends, a dead lock), where it can check nothing; OnHang
// then reports and ends the process.
class TChaosHangGuard
{
  public:
    TChaosHangGuard(std::chrono::milliseconds Limit, std::function<void(size_t Event)> OnHang);
    ~TChaosHangGuard();
    TChaosHangGuard(const TChaosHangGuard&) = delete;
    TChaosHangGuard& operator=(const TChaosHangGuard&) = delete;

    // Event is about to run.
    void Beat(size_t Event);

  private:
    void Run();

    std::chrono::milliseconds FLimit;
    std::function<void(size_t)> FOnHang;
    std::mutex FLock;
    std::condition_variable FChanged;
    size_t FEvent = 0;
    uint64_t FBeats = 0;
    bool FQuit = false;
    std::thread FThread;
};
