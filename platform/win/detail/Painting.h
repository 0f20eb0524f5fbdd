#pragma once

// Update regions and WM_PAINT, for the window system's own sources.

#include "detail/Window.h"
#include "platform/gfx/Region.h"

#include <functional>

// Adds Region (window coordinates of Window) to its update region with the
// RDW_* flags given, and to the children it reaches.
void InvalidateWindow(TWindow& Window, const TRegion& Region, UINT Flags);
// Finds the first window of the calling thread that needs painting, parents
// before children, top-level windows in z-order.
bool TakePaintMessage(MSG& Out, const std::function<bool(const MSG&)>& Match);
// After a WM_PAINT was dispatched: a window that did not validate itself is
// validated, so that it is not painted again and again.
void FinishPaintMessage(HWND Window);
