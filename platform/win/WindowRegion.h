#pragma once

// Window regions: the part of a window that exists for painting, hit
// testing and, for top-level windows, the shape of the OS window.

#include "platform/gfx/Region.h"
#include "platform/win/WinTypes.h"

// Sets the window's region (window coordinates; copied, null removes it)
// and, with Redraw, repaints what changed. Returns FALSE for a bad window.
BOOL SetWindowRgn(HWND Window, const TRegion* Region, BOOL Redraw);
// Copies the region into Out; returns its kind, or RGN_ERROR when the
// window has none.
int GetWindowRgn(HWND Window, TRegion* Out);
