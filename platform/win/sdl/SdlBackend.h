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
struct SDL_Rect;

// Real windows through SDL2 (video and events only): every top-level window
// becomes a borderless OS window that shows the window system's composed
// picture; OS input, focus and exposure come back as window-system events.
//
// Construct on the UI thread before the first top-level window; it installs
// itself and uninstalls on destruction. Succeeded() is false when SDL's video
// could not start (no display); the backend is then not installed.
//
// On a screen with more pixels per inch the backend alone enlarges: each
// window's picture is shown Scale times as large (nearest neighbour), and
// everything the window system sees (monitors, work areas, window places,
// shapes, pointer and drop positions) is at the 96 dpi the pictures are
// drawn for, the screen's pixels divided by Scale.
//
// The end of the session reaches the program as a quit request (WM_QUIT
// posted to the UI thread), as a loop ends when the program asks it to: on
// SIGTERM or SIGINT (handled while the backend exists) and when the X
// display goes away. After losing the display the backend touches it no
// more; the program ends as usual and releases what it holds.
class TSdlBackend final : public TBackend
{
  public:
    // Scale: 1 to 3, or 0 for the desktop's own factor (DesktopScale).
    explicit TSdlBackend(int Scale = 0);
    ~TSdlBackend() override;
    TSdlBackend(const TSdlBackend&) = delete;
    TSdlBackend& operator=(const TSdlBackend&) = delete;

    bool Succeeded() const { return FStarted; }
    // The factor the screen's pixels are to the window system's.
    int Scale() const { return FScale; }
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

    // On the screen, from the window system's places and sizes and back.
    int ToScreen(int Value) const { return Value * FScale; }
    int FromScreen(int Value) const;
    RECT FromScreen(const SDL_Rect& Rect) const;

    bool FStarted = false;
    int FScale = 1;
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
