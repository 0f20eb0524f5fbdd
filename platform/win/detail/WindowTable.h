#pragma once

#include "detail/Window.h"

#include <memory>
#include <mutex>
#include <vector>

// Every window of the process by handle. Lookups are thread-safe; a window
// object found by Find stays valid while its owner thread does not destroy
// it, so only the owner thread uses the object itself.
class TWindowTable
{
  public:
    static TWindowTable& Instance();

    // Takes ownership and assigns Window->Handle. Null when the table is full.
    HWND Add(std::unique_ptr<TWindow> Window);
    // The window, or null when the handle is not a live window.
    TWindow* Find(HWND Handle);
    // The window, or null when it is not a live window of the calling thread.
    TWindow* FindOwn(HWND Handle);
    std::shared_ptr<TMessageQueue> QueueOf(HWND Handle, DWORD* ThreadId = nullptr);
    std::unique_ptr<TWindow> Remove(HWND Handle);
    std::vector<HWND> WindowsOfThread(DWORD ThreadId);
    // Top-level windows (not message-only), any thread.
    std::vector<HWND> TopLevelWindows();

  private:
    struct TSlot
    {
        std::unique_ptr<TWindow> Window;
        uint32_t Generation = 1;
    };

    static constexpr uint32_t MaxGeneration = 0x7FFF;
    static constexpr size_t FirstIndexValue = 2; // keeps handles clear of the special values

    TSlot* SlotLocked(HWND Handle);

    std::mutex FLock;
    std::vector<TSlot> FSlots;
    std::vector<size_t> FFree;
};

// The calling thread's window Handle; null with the last error set to
// ERROR_ACCESS_DENIED (another thread's window) or ERROR_INVALID_WINDOW_HANDLE.
TWindow* OwnWindow(HWND Handle);
