#pragma once

#include "platform/win/Backend.h"
#include "platform/win/sdl/X11Connection.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

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
//
// The end of the session reaches the program as a quit request (WM_QUIT
// posted to the UI thread), as a loop ends when the program asks it to: on
// SIGTERM or SIGINT (handled while the backend exists) and when the X
// display goes away. After losing the display the backend touches it no
// more; the program ends as usual and releases what it holds.
class TSdlBackend final : public TBackend
{
  public:
    TSdlBackend();
    ~TSdlBackend() override;
    TSdlBackend(const TSdlBackend&) = delete;
    TSdlBackend& operator=(const TSdlBackend&) = delete;

    bool Succeeded() const { return FStarted; }
    // True once the connection to the display was lost.
    bool DisplayLost() const { return FX11 && FX11->Lost(); }

    void WindowCreated(HWND Window) override;
    void WindowDestroyed(HWND Window) override;
    void WindowChanged(HWND Window, const RECT& ScreenRect, bool Shown) override;
    void WindowShapeChanged(HWND Window, const TRegion* Region) override;
    void WindowOpacityChanged(HWND Window, BYTE Alpha) override;
    void WindowRaised(HWND Window) override;
    void WindowActivated(HWND Window) override;
    void Present(HWND Window, const TSurface& Picture) override;
    void PumpEvents() override;
    bool OwnsWaiting() const override { return FStarted; }
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
    // Collects the files of one drag and drop and delivers them when it
    // completes.
    void HandleDrop(const SDL_Event& Event);
    // Hands the keyboard focus back to the active window's OS window.
    void GiveFocusBack();
    // True while the display can be used.
    bool Usable() const { return FStarted && !DisplayLost(); }
    void EndSession();
    // Posts the quit request for a lost display, once.
    void ReportLostDisplay();

    bool FStarted = false;
    bool FLossReported = false;
    // Woken by Wake and by the signals; read by WaitEvents.
    int FWakeFd = -1;
    // SDL's X11 connection, when it runs on X11: WaitEvents polls it beside
    // the wake descriptor. Otherwise WaitEvents waits in SDL.
    std::unique_ptr<TX11Connection> FX11;
    unsigned FWakeEvent = 0;
    // Never shown: it names the display connection, and waiting in SDL
    // needs a window (without one it polls).
    SDL_Window* FKeepAlive = nullptr;
    std::map<HWND, TOsWindow> FWindows;
    std::map<WORD, SDL_Cursor*> FCursors;
    bool FFocusMaybeLost = false;
    std::vector<std::string> FDropped; // the files of the drop under way
};
