#pragma once

#include "platform/win/WinTypes.h"

// Whether a window's size is held to WM_GETMINMAXINFO's track sizes: sizing
// frames and overlapped windows.
bool HasSizeLimits(DWORD Style);
// Asks the window (WM_GETMINMAXINFO) and holds Width and Height to its
// track sizes.
void LimitSize(HWND Window, int& Width, int& Height);
