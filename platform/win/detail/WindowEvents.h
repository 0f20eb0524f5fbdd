#pragma once

// What follows a change of a window, for the window system's own sources.

#include "detail/Window.h"

// After SetWindowPos applied a change: repaints what it uncovered and
// mirrors top-level windows to the backend. OldScreen is the window
// rectangle before, on the screen; WasShown whether it was visible.
void WindowPosChanged(TWindow& Window, const RECT& OldScreen, bool WasShown, UINT Flags);
// After the window region changed: repaints (with Redraw) and reshapes a
// top-level OS window.
void WindowRegionChanged(TWindow& Window, const RECT& Screen, bool Shown, bool Redraw);
