#pragma once

#include "detail/MessageQueue.h"
#include "detail/ScrollBars.h"
#include "detail/WindowClass.h"
#include "platform/gfx/Region.h"
#include "platform/gfx/Surface.h"
#include "platform/win/WinTypes.h"

#include <array>
#include <atomic>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// A running AnimateWindow: what it does and when it started.
struct TWindowAnimation
{
    DWORD Flags = 0;
    uint64_t Start = 0;
    uint64_t Duration = 0;
    // How far it has come, 0 to 1.
    double Progress = 0;
};

// The state of one window. Owned by the window table; read and changed only
// on the thread that created the window (the owner thread), except for the
// handle and queue, which the table hands to other threads for posting.
struct TWindow
{
    enum class TState
    {
        Creating,
        Live,
        Destroying,
    };

    HWND Handle = nullptr;
    DWORD ThreadId = 0;
    std::shared_ptr<TMessageQueue> Queue;
    std::shared_ptr<TWindowClass> Class;
    WNDPROC WndProc = nullptr;
    TState State = TState::Creating;

    DWORD Style = 0;
    DWORD ExStyle = 0;
    std::string Text;
    HINSTANCE Instance = nullptr;
    LONG_PTR Id = 0;
    LONG_PTR UserData = 0;
    std::vector<BYTE> Extra;
    std::map<std::string, void*> Props;

    // Message-only windows have no parent, are never shown and are not part
    // of the desktop's z-order.
    bool MessageOnly = false;
    TWindow* Parent = nullptr;
    TWindow* Owner = nullptr;
    std::vector<TWindow*> Children; // z-order, topmost first
    // Neither a child nor message-only; read by other threads for broadcasts.
    std::atomic<bool> TopLevel = false;

    // Window rectangle relative to the parent's client area (to the screen
    // for top-level windows); client rectangle relative to the window's
    // top-left corner.
    RECT WindowRect{};
    RECT ClientRect{};
    // Where a minimized or maximized window returns to.
    RECT NormalRect{};
    bool RestoreMaximized = false;
    // An overlapped window gets its first WM_SIZE and WM_MOVE when it is
    // first shown, not at creation.
    bool SizePending = false;
    // Window region in window coordinates; without one the whole rectangle.
    std::unique_ptr<TRegion> Region;

    // Painting: what needs repainting, in window coordinates.
    TRegion Update;
    bool EraseNeeded = false;
    bool FrameNeeded = false;
    bool InternalPaint = false;
    bool NcActive = false; // caption drawn as active
    // The standard scroll bars' values: SB_HORZ, SB_VERT, SB_CTL.
    std::array<TScrollBarData, 3> Scroll{};
    // Top-level windows compose themselves and their children here; shared
    // with the device contexts that draw into it.
    std::shared_ptr<TSurface> BackBuffer;
    bool Dirty = false;
    std::optional<TWindowAnimation> Animation;
};
