#pragma once

// Update regions: invalidating, validating and WM_PAINT.

#include "platform/gfx/Region.h"
#include "platform/win/WinTypes.h"

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
