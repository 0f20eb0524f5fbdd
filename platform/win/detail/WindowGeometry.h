#pragma once

// Coordinates of windows, for the window system's own sources.

#include "detail/Window.h"

inline TRect ToTRect(const RECT& R)
{
    return {R.left, R.top, R.right, R.bottom};
}

// Screen position of the window's client area's top-left corner.
POINT ClientOrigin(const TWindow& Window);
// Window rectangle in screen coordinates.
RECT ScreenWindowRect(const TWindow& Window);
// Client rectangle in screen coordinates.
RECT ScreenClientRect(const TWindow& Window);
// Visible itself and every ancestor.
bool IsShown(const TWindow& Window);
bool PointInRect(const RECT& Rect, POINT Point);
