#pragma once

#include "platform/gfx/Region.h"
#include "platform/gfx/Surface.h"
#include "platform/win/Clock.h"
#include "platform/win/WinTypes.h"

#include <optional>
#include <string>

// What the window system needs of the machine: top-level OS windows that
// show what the window system composed, raw input, the pointer, the work
// area and the clipboard. All window logic stays above this interface; a
// backend only mirrors top-level windows and reports events.
//
// Called on the UI thread, except Wake.
class TBackend
{
  public:
    virtual ~TBackend() = default;

    // A top-level window was created or destroyed.
    virtual void WindowCreated(HWND Window) = 0;
    virtual void WindowDestroyed(HWND Window) = 0;
    // Screen rectangle or visibility of a top-level window changed.
    virtual void WindowChanged(HWND Window, const RECT& ScreenRect, bool Shown) = 0;
    // Window now lies above every top-level window raised before it: the
    // window system calls this for a window whose z-order changed and then
    // for each window above it, bottom-up.
    virtual void WindowRaised(HWND Window) = 0;
    // Window became the active window: it should have the keyboard focus.
    virtual void WindowActivated(HWND Window) = 0;
    // The window region of a top-level window changed (null: none).
    virtual void WindowShapeChanged(HWND Window, const TRegion* Region) = 0;

    // How opaque a top-level window shows, 0 (not at all) to 255 (fully),
    // while it fades in or out; a backend that cannot blend shows it whole.
    virtual void WindowOpacityChanged(HWND, BYTE) {}

    // Shows a top-level window's composed picture (window-sized).
    virtual void Present(HWND Window, const TSurface& Picture) = 0;

    // Delivers pending OS events into the window system (input, focus,
    // exposure) without blocking.
    virtual void PumpEvents() = 0;
    // True when the UI thread's message loop must block in WaitEvents (OS
    // events wake it); false when the loop's own wait suffices.
    virtual bool OwnsWaiting() const = 0;
    // Blocks until an OS event arrives, Wake is called, or the timeout (in
    // milliseconds; none: no limit) passes.
    virtual void WaitEvents(std::optional<TClock::TimeMs> Timeout) = 0;
    // Any thread: ends a WaitEvents in progress or the next one.
    virtual void Wake() = 0;

    // The pointer's shape, as a standard cursor id (IDC_*).
    virtual void SetCursorShape(WORD CursorId) = 0;
    virtual void Beep() = 0;
    virtual POINT CursorPos() = 0;
    virtual std::string ClipboardText() = 0;
    virtual void SetClipboardText(const std::string& Text) = 0;
};

// The backend the UI thread uses, or null (no desktop: windows live in
// memory only). Installed at start-up, before the first top-level window.
TBackend* CurrentBackend();
void InstallBackend(TBackend* Backend);
