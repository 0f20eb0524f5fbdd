#pragma once

// What follows a change of a window, for the window system's own sources.

#include "platform/win/Window.h"

// After SetWindowPos applied a change: repaints what it uncovered and
// mirrors top-level windows to the backend. OldScreen is the window
// rectangle before, on the screen; WasShown whether it was visible.
void WindowPosChanged(TWindow& Window, const RECT& OldScreen, bool WasShown, UINT Flags);
// After the window region changed: repaints (with Redraw) and reshapes a
// top-level OS window.
void WindowRegionChanged(TWindow& Window, const RECT& Screen, bool Shown, bool Redraw);
// Activates the owner of a window that is going away or being hidden, or
// else the topmost other visible and enabled top-level window, or none.
void ActivateOtherWindow(HWND Leaving);
// Activation with a WA_* mode (WA_CLICKACTIVE for a mouse press).
HWND SetActiveWindowMode(HWND Window, WORD Mode);
// Another program took the keyboard focus: the active window is
// deactivated, the program gets WM_ACTIVATEAPP(FALSE) and the focus goes.
void AppFocusLost();
// Sends the WM_SIZE and WM_MOVE an overlapped window did not get at
// creation; at its first show.
void SendPendingSize(TWindow& Window);
// Whether a window's size is held to WM_GETMINMAXINFO's track sizes: sizing
// frames and overlapped windows.
bool HasSizeLimits(DWORD Style);
// Asks the window (WM_GETMINMAXINFO) and holds Width and Height to its
// track sizes.
void LimitSize(HWND Window, int& Width, int& Height);
