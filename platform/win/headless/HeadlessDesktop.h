#pragma once

#include "platform/gfx/Region.h"
#include "platform/gfx/Surface.h"
#include "platform/win/Backend.h"
#include "platform/win/FakeClock.h"
#include "platform/win/Input.h"
#include "platform/win/Monitor.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

// An in-memory desktop: the window system runs unchanged, top-level windows
// are kept as their last presented pictures, and tests drive it with
// synthetic input and a fake clock, then read pixels back.
//
// Construct on the UI thread before the first top-level window; it installs
// itself (backend and clock) and uninstalls on destruction.
class THeadlessDesktop final : public TBackend
{
  public:
    explicit THeadlessDesktop(int Width = 1024, int Height = 768);
    ~THeadlessDesktop() override;
    THeadlessDesktop(const THeadlessDesktop&) = delete;
    THeadlessDesktop& operator=(const THeadlessDesktop&) = delete;

    // Input at screen coordinates, queued like a backend's events. Pump
    // retrieves and dispatches (with translation) until nothing is ready.
    void MouseMove(int X, int Y);
    void MouseDown(int X, int Y, TRawInput::TButton Button = TRawInput::TButton::Left);
    void MouseUp(int X, int Y, TRawInput::TButton Button = TRawInput::TButton::Left);
    void Click(int X, int Y, TRawInput::TButton Button = TRawInput::TButton::Left);
    void Wheel(int X, int Y, int Delta);
    void KeyDown(UINT VirtualKey);
    void KeyUp(UINT VirtualKey);
    void Press(UINT VirtualKey);
    // Files dropped at screen coordinates, as a file manager drops them:
    // delivered at once (DropFiles). True when a window took them.
    bool DropFiles(int X, int Y, const std::vector<std::string>& Files);
    int Pump();
    // Moves the fake clock on and pumps.
    void Advance(TClock::TimeMs Milliseconds);
    TFakeClock& Clock() { return *FClock; }
    // Another program takes the keyboard focus / gives it back to Window.
    void FocusOtherProgram();
    // Lays the desktop out over several displays, primary first (the work
    // area follows the primary's); the screen picture keeps its size.
    void SetMonitors(std::vector<TMonitorArea> Monitors);
    void FocusWindow(HWND Window);

    // The screen as composed from the presented pictures of the visible
    // top-level windows (bottom first, shaped by window regions, blended by
    // their opacity) over the desktop colour.
    TSurface Screen() const;
    TColor ScreenPixel(int X, int Y) const;
    // A pixel of a top-level window's last presented picture, in window
    // coordinates; CLR_INVALID outside it or before the first present.
    TColor WindowPixel(HWND Window, int X, int Y) const;
    int PresentCount(HWND Window) const;
    // The opacity the window system last gave Window (255 unless fading).
    BYTE Opacity(HWND Window) const;
    WORD CursorShape() const { return FCursorShape; }
    int Beeps() const { return FBeeps; }
    // Writes Screen() to a PNG or BMP file (by extension).
    bool SaveScreenshot(const std::string& Path) const;

    // TBackend
    void WindowCreated(HWND Window) override;
    void WindowDestroyed(HWND Window) override;
    void WindowChanged(HWND Window, const RECT& ScreenRect, bool Shown) override;
    void WindowShapeChanged(HWND Window, const TRegion* Region) override;
    void WindowOpacityChanged(HWND Window, BYTE Alpha) override;
    // The screen is stacked from the window system's own z-order.
    void WindowRaised(HWND) override {}
    void WindowActivated(HWND) override {}
    void Present(HWND Window, const TSurface& Picture) override;
    void PumpEvents() override {}
    bool OwnsWaiting() const override { return false; }
    void WaitEvents(std::optional<TClock::TimeMs>) override {}
    void Wake() override {}
    void SetCursorShape(WORD CursorId) override { FCursorShape = CursorId; }
    void Beep() override { ++FBeeps; }
    POINT CursorPos() override;
    std::string ClipboardText() override { return FClipboard; }
    void SetClipboardText(const std::string& Text) override { FClipboard = Text; }

  private:
    struct TTopLevel
    {
        RECT Rect{};
        bool Shown = false;
        std::unique_ptr<TRegion> Shape;
        BYTE Opacity = 255;
        TSurface Picture;
        int Presents = 0;
    };

    void Queue(const TRawInput& Input);

    std::shared_ptr<TFakeClock> FClock;
    RECT FOldScreen{};
    RECT FOldWorkArea{};
    std::vector<TMonitorArea> FOldMonitors;
    std::map<HWND, TTopLevel> FWindows;
    std::string FClipboard;
    WORD FCursorShape = 0;
    int FBeeps = 0;
};
