#pragma once

// Activation of top-level windows, keyboard focus and mouse capture. Every
// call takes windows of the UI thread.

#include "platform/win/WinTypes.h"

// WM_ACTIVATE wParam low word.
constexpr WORD WA_INACTIVE = 0;
constexpr WORD WA_ACTIVE = 1;
constexpr WORD WA_CLICKACTIVE = 2;

// WM_MOUSEACTIVATE results.
constexpr LRESULT MA_ACTIVATE = 1;
constexpr LRESULT MA_ACTIVATEANDEAT = 2;
constexpr LRESULT MA_NOACTIVATE = 3;
constexpr LRESULT MA_NOACTIVATEANDEAT = 4;

// Gives the keyboard focus to a window (null: to none), activating its
// top-level window first: WM_KILLFOCUS to the old focus (wParam = new), then
// WM_SETFOCUS to the new one (wParam = old). Returns the previous focus;
// null without change when Window is invalid.
HWND SetFocus(HWND Window);
HWND GetFocus();
// Makes a top-level window the active one: WM_NCACTIVATE(FALSE) and
// WM_ACTIVATE(WA_INACTIVE) to the old one, WM_ACTIVATEAPP when the program
// becomes active, WM_NCACTIVATE(TRUE) and WM_ACTIVATE(WA_ACTIVE) to the new
// one, whose default handling takes the focus. Returns the previous one.
HWND SetActiveWindow(HWND Window);
HWND GetActiveWindow();
BOOL SetForegroundWindow(HWND Window);
// The active window while the program has the keyboard focus, else null.
HWND GetForegroundWindow();
// Routes every mouse message to Window until released; the window losing
// capture gets WM_CAPTURECHANGED (lParam = new capture). Returns the previous
// capture.
HWND SetCapture(HWND Window);
BOOL ReleaseCapture();
HWND GetCapture();
