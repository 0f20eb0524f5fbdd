#pragma once

// Painting: update regions, paint and erase messages, device contexts.

#include "platform/gfx/Brush.h"
#include "platform/gfx/DeviceContext.h"
#include "platform/gfx/Region.h"
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

constexpr UINT RDW_INVALIDATE = 0x0001;
constexpr UINT RDW_INTERNALPAINT = 0x0002;
constexpr UINT RDW_ERASE = 0x0004;
constexpr UINT RDW_VALIDATE = 0x0008;
constexpr UINT RDW_NOINTERNALPAINT = 0x0010;
constexpr UINT RDW_NOERASE = 0x0020;
constexpr UINT RDW_NOCHILDREN = 0x0040;
constexpr UINT RDW_ALLCHILDREN = 0x0080;
constexpr UINT RDW_UPDATENOW = 0x0100;
constexpr UINT RDW_ERASENOW = 0x0200;
constexpr UINT RDW_FRAME = 0x0400;
constexpr UINT RDW_NOFRAME = 0x0800;

// Adds a rectangle of the client area (null: all of it) to the update
// region; Erase asks for WM_ERASEBKGND before the next WM_PAINT. Children
// are included unless the window has WS_CLIPCHILDREN. Window null: every
// top-level window. Hidden windows have nothing to update.
BOOL InvalidateRect(HWND Window, const RECT* Rect, BOOL Erase);
// The same for a region in client coordinates (null: the whole client).
BOOL InvalidateRgn(HWND Window, const TRegion* Region, BOOL Erase);
BOOL ValidateRect(HWND Window, const RECT* Rect);
BOOL ValidateRgn(HWND Window, const TRegion* Region);
// Bounding box of the update region in client coordinates; FALSE when empty.
// Erase: send WM_ERASEBKGND now if it is pending.
BOOL GetUpdateRect(HWND Window, RECT* Rect, BOOL Erase);
// The update region in client coordinates; returns its kind.
int GetUpdateRgn(HWND Window, TRegion* Region, BOOL Erase);
// Invalidates or validates (RDW_* flags) a rectangle or region of the client
// area (both null: the whole window) and, with RDW_UPDATENOW, paints at once.
BOOL RedrawWindow(HWND Window, const RECT* Rect, const TRegion* Region, UINT Flags);
// Sends WM_PAINT now to the window and its children that need it.
BOOL UpdateWindow(HWND Window);

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
