#pragma once

#include "platform/win/Monitor.h"
#include "platform/win/WinTypes.h"

#include <atomic>
#include <vector>

struct TWindow;

// The screen and its top-level windows. All top-level windows belong to one
// thread, the UI thread (the first thread that creates one); the desktop is
// read and changed on that thread only. Message-only windows may live on
// any thread and are not part of the desktop.
struct TDesktop
{
    static TDesktop& Instance();

    // Set once, by the first top-level window; read by every message loop.
    std::atomic<DWORD> UiThread = 0;
    std::vector<TWindow*> TopLevel; // z-order, topmost first
    RECT Screen{0, 0, 1024, 768};
    RECT WorkArea{0, 0, 1024, 768};
    // Every display, primary first (Screen and WorkArea are the primary's);
    // empty for a desktop of one display.
    std::vector<TMonitorArea> Monitors;
    POINT Cursor{0, 0};

    // Input state of the UI thread.
    HWND Active = nullptr;
    HWND Focus = nullptr;
    HWND Capture = nullptr;
    // False while another program has the keyboard focus; the first
    // activation makes the program active (WM_ACTIVATEAPP).
    bool AppActive = false;
    // The window activation is bringing to the top: its SetWindowPos does
    // not activate it again.
    HWND Raising = nullptr;
};
