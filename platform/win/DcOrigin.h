#pragma once

// The origins of a device context under their classic names. Each setter
// stores the previous origin in Old when Old is not null; every function
// returns FALSE for a null context.

#include "platform/win/WinPaint.h"
#include "platform/win/WinTypes.h"

BOOL GetViewportOrgEx(HDC Dc, POINT* Origin);
BOOL SetViewportOrgEx(HDC Dc, int X, int Y, POINT* Old);
BOOL OffsetViewportOrgEx(HDC Dc, int Dx, int Dy, POINT* Old);
// The window origin is the logical point that lands on the viewport origin.
BOOL GetWindowOrgEx(HDC Dc, POINT* Origin);
BOOL SetWindowOrgEx(HDC Dc, int X, int Y, POINT* Old);
BOOL OffsetWindowOrgEx(HDC Dc, int Dx, int Dy, POINT* Old);
