#pragma once

// Back buffers, visible areas and erasing, for the window system's own
// sources.

#include "detail/Window.h"
#include "platform/gfx/Region.h"

// Sends WM_ERASEBKGND with a context clipped to the window's update region,
// which stays as it is.
void EraseUpdate(TWindow& Window);
// Hands every changed top-level back buffer to the backend, once each.
void PresentDirtyWindows();
// Keeps a top-level window's back buffer the size of the window.
void SizeBackBuffer(TWindow& Window);
// The area of Window (client or whole) in its top-level window's
// coordinates, clipped by ancestors, siblings, children and regions as the
// styles ask.
TRegion VisibleRegion(const TWindow& Window, bool Client);
// Window and client rectangle in top-level coordinates.
TRect WindowAreaInRoot(const TWindow& Window);
TRect ClientAreaInRoot(const TWindow& Window);
