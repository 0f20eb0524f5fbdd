#pragma once

// Device contexts of windows: painting, window and screen contexts, and the
// brushes window classes name.

#include "platform/gfx/Brush.h"
#include "platform/gfx/DeviceContext.h"
#include "platform/win/WinTypes.h"

// A device context handle is the drawing context itself.
using HDC = TDeviceContext*;

struct PAINTSTRUCT
{
    HDC hdc;
    BOOL fErase; // the background still needs erasing (WM_ERASEBKGND answered 0)
    RECT rcPaint;
    BOOL fRestore;
    BOOL fIncUpdate;
    BYTE rgbReserved[32];
};

// Begins painting the update region: WM_NCPAINT when the frame needs it,
// WM_ERASEBKGND when erasing was asked for, then a context clipped to the
// update region (and to children with WS_CLIPCHILDREN, and to siblings
// above with WS_CLIPSIBLINGS). The update region is empty afterwards.
HDC BeginPaint(HWND Window, PAINTSTRUCT* Paint);
BOOL EndPaint(HWND Window, const PAINTSTRUCT* Paint);
// A context for the client area (GetDC) or the whole window, frame included
// (GetWindowDC), clipped like a paint context but not to an update region.
// Release with ReleaseDC. Null for an invalid window. Window null gives a
// context on the whole screen: it shows what the windows show, and what is
// drawn into it lands, on ReleaseDC, in the top-level windows under it
// (outside every window it is lost, as on a desktop nobody repaints).
HDC GetDC(HWND Window);
HDC GetWindowDC(HWND Window);
int ReleaseDC(HWND Window, HDC Dc);
// The window an open context (BeginPaint, GetDC, GetWindowDC) draws into;
// null for a screen context, a released one or one that no window handed
// out (a bitmap's).
HWND WindowFromDC(HDC Dc);

// WM_PRINT flags. The default procedure draws the default frame
// (PRF_NONCLIENT), sends WM_ERASEBKGND and WM_PRINTCLIENT with the context
// moved to the client area, and prints the children into it (PRF_CHILDREN).
// The context's origin must be the window's top-left corner.
constexpr LPARAM PRF_CHECKVISIBLE = 0x0001;
constexpr LPARAM PRF_NONCLIENT = 0x0002;
constexpr LPARAM PRF_CLIENT = 0x0004;
constexpr LPARAM PRF_ERASEBKGND = 0x0008;
constexpr LPARAM PRF_CHILDREN = 0x0010;
constexpr LPARAM PRF_OWNED = 0x0020;

// Brushes: a brush handle is a gfx::TBrush owned by the caller, or, as in a
// window class, a system colour index + 1.
HBRUSH GetSysColorBrush(int Index);
// The brush a handle stands for (solid system colour or the gfx::TBrush itself).
gfx::TBrush BrushFromHandle(HBRUSH Brush);
