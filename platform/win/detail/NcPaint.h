#pragma once

// Default handling of the painting messages and the default frame.

#include "detail/Window.h"
#include "platform/gfx/DeviceContext.h"
#include "platform/win/WinPaint.h"

void DefaultNcPaint(HWND Window);
LRESULT DefaultEraseBackground(HWND Window, HDC Dc);
void DefaultPaint(HWND Window);
void DefaultPrint(HWND Window, HDC Dc, UINT Flags);
// The classic frame and caption of a window, drawn into Dc in window
// coordinates.
void PaintDefaultFrame(TDeviceContext& Dc, const TWindow& Window);
// One ring of a 3D edge in system colours: Light on the top and left, Dark
// on the bottom and right.
void PaintEdgeRing(TDeviceContext& Dc, const TRect& R, int Light, int Dark);
