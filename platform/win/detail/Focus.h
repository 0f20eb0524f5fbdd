#pragma once

// Activation as the window system's own sources drive it.

#include "platform/win/WinTypes.h"

// Activates the owner of a window that is going away or being hidden, or
// else the topmost other visible and enabled top-level window, or none.
void ActivateOtherWindow(HWND Leaving);
// Activation with a WA_* mode (WA_CLICKACTIVE for a mouse press).
HWND SetActiveWindowMode(HWND Window, WORD Mode);
// Another program took the keyboard focus: the active window is
// deactivated, the program gets WM_ACTIVATEAPP(FALSE) and the focus goes.
void AppFocusLost();
