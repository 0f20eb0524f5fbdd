#pragma once

// Position, size and z-order of windows, and coordinate mapping. Every call
// takes windows of the calling thread.

#include "platform/win/WinTypes.h"

constexpr UINT SWP_NOSIZE = 0x0001;
constexpr UINT SWP_NOMOVE = 0x0002;
constexpr UINT SWP_NOZORDER = 0x0004;
constexpr UINT SWP_NOREDRAW = 0x0008;
constexpr UINT SWP_NOACTIVATE = 0x0010;
constexpr UINT SWP_FRAMECHANGED = 0x0020;
constexpr UINT SWP_SHOWWINDOW = 0x0040;
constexpr UINT SWP_HIDEWINDOW = 0x0080;
constexpr UINT SWP_NOCOPYBITS = 0x0100;
constexpr UINT SWP_NOOWNERZORDER = 0x0200;
constexpr UINT SWP_NOSENDCHANGING = 0x0400;
// Set in WM_WINDOWPOSCHANGED when the client area kept its size / position,
// so that the default procedure knows not to send WM_SIZE / WM_MOVE.
constexpr UINT SWP_NOCLIENTSIZE = 0x0800;
constexpr UINT SWP_NOCLIENTMOVE = 0x1000;
constexpr UINT SWP_DEFERERASE = 0x2000;
constexpr UINT SWP_ASYNCWINDOWPOS = 0x4000;
constexpr UINT SWP_DRAWFRAME = SWP_FRAMECHANGED;
constexpr UINT SWP_NOREPOSITION = SWP_NOOWNERZORDER;

inline const HWND HWND_TOP = nullptr;
inline const HWND HWND_BOTTOM = reinterpret_cast<HWND>(static_cast<LONG_PTR>(1));
inline const HWND HWND_TOPMOST = reinterpret_cast<HWND>(static_cast<LONG_PTR>(-1));
inline const HWND HWND_NOTOPMOST = reinterpret_cast<HWND>(static_cast<LONG_PTR>(-2));

// WM_SIZE wParam.
constexpr WPARAM SIZE_RESTORED = 0;
constexpr WPARAM SIZE_MINIMIZED = 1;
constexpr WPARAM SIZE_MAXIMIZED = 2;

constexpr UINT CWP_ALL = 0x0000;
constexpr UINT CWP_SKIPINVISIBLE = 0x0001;
constexpr UINT CWP_SKIPDISABLED = 0x0002;
constexpr UINT CWP_SKIPTRANSPARENT = 0x0004;

struct WINDOWPOS
{
    HWND hwnd;
    HWND hwndInsertAfter;
    int x;
    int y;
    int cx;
    int cy;
    UINT flags;
};

struct NCCALCSIZE_PARAMS
{
    RECT rgrc[3];
    WINDOWPOS* lppos;
};

struct MINMAXINFO
{
    POINT ptReserved;
    POINT ptMaxSize;
    POINT ptMaxPosition;
    POINT ptMinTrackSize;
    POINT ptMaxTrackSize;
};

// Moves, sizes, reorders, shows or hides a window in one step (SWP_* flags):
// WM_WINDOWPOSCHANGING (which may change the request), WM_NCCALCSIZE when
// the size or frame changes, the change itself with repainting of what it
// uncovered, then WM_WINDOWPOSCHANGED, whose default sends WM_MOVE and
// WM_SIZE. A top-level window is also activated unless SWP_NOACTIVATE.
// Coordinates are relative to the parent's client area (screen for
// top-level windows).
BOOL SetWindowPos(HWND Window, HWND InsertAfter, int X, int Y, int Width, int Height, UINT Flags);
BOOL MoveWindow(HWND Window, int X, int Y, int Width, int Height, BOOL Repaint);
BOOL BringWindowToTop(HWND Window);

// Window rectangle in screen coordinates.
BOOL GetWindowRect(HWND Window, RECT* Out);
// Client rectangle: (0, 0, width, height).
BOOL GetClientRect(HWND Window, RECT* Out);
BOOL ClientToScreen(HWND Window, POINT* Point);
BOOL ScreenToClient(HWND Window, POINT* Point);
// Maps points from From's client coordinates to To's (null: the screen).
// Returns the offset as MAKELONG(dx, dy).
int MapWindowPoints(HWND From, HWND To, POINT* Points, UINT Count);
// The child of Parent under a point of Parent's client area, Parent itself
// when no child is there, null when the point is outside Parent.
HWND ChildWindowFromPointEx(HWND Parent, POINT Point, UINT Flags);
HWND ChildWindowFromPoint(HWND Parent, POINT Point);
