#pragma once

// Painting state shared by the window system's own sources.

#include "platform/gfx/Region.h"
#include "platform/win/WinPaint.h"
#include "platform/win/Window.h"

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

// Default handling of the painting messages.
void DefaultNcPaint(HWND Window);
LRESULT DefaultEraseBackground(HWND Window, HDC Dc);
void DefaultPaint(HWND Window);
void DefaultPrint(HWND Window, HDC Dc, UINT Flags);
// The classic frame and caption of a window, drawn into Dc in window
// coordinates.
void PaintDefaultFrame(TDeviceContext& Dc, const TWindow& Window);
