#pragma once

#include "platform/win/Backend.h"

#include <map>
#include <memory>

struct SDL_Window;
struct SDL_Cursor;
union SDL_Event;

// Real windows through SDL2 (video and events only): every top-level window
// becomes a borderless OS window that shows the window system's composed
// picture; OS input, focus and exposure come back as window-system events.
//
// Construct on the UI thread before the first top-level window; it installs
// itself and uninstalls on destruction. Succeeded() is false when SDL's video
// could not start (no display); the backend is then not installed.
class TSdlBackend final : public TBackend
{
  public:
    TSdlBackend();
    ~TSdlBackend() override;
    TSdlBackend(const TSdlBackend&) = delete;
    TSdlBackend& operator=(const TSdlBackend&) = delete;

    bool Succeeded() const { return FStarted; }

    void WindowCreated(HWND Window) override;
    void WindowDestroyed(HWND Window) override;
    void WindowChanged(HWND Window, const RECT& ScreenRect, bool Shown) override;
    void WindowShapeChanged(HWND Window, const TRegion* Region) override;
    void WindowRaised(HWND Window) override;
    void WindowActivated(HWND Window) override;
    void Present(HWND Window, const TSurface& Picture) override;
    void PumpEvents() override;
    bool OwnsWaiting() const override { return true; }
    void WaitEvents(std::optional<TClock::TimeMs> Timeout) override;
    void Wake() override;
    void SetCursorShape(WORD CursorId) override;
    void Beep() override {}
    POINT CursorPos() override;
    std::string ClipboardText() override;
    void SetClipboardText(const std::string& Text) override;

  private:
    struct TOsWindow
    {
        SDL_Window* Window = nullptr;
        RECT Rect{};
        bool Shown = false;
    };

    TOsWindow* Find(HWND Window);
    HWND FindById(unsigned WindowId);
    void Create(HWND Window, TOsWindow& Os);
    void Handle(const SDL_Event& Event);
    void HandleWindowEvent(const SDL_Event& Event);
    // Hands the keyboard focus back to the active window's OS window.
    void GiveFocusBack();

    bool FStarted = false;
    unsigned FWakeEvent = 0;
    // Blocking for events needs a window; this one is never shown.
    SDL_Window* FKeepAlive = nullptr;
    std::map<HWND, TOsWindow> FWindows;
    std::map<WORD, SDL_Cursor*> FCursors;
    bool FFocusMaybeLost = false;
};
