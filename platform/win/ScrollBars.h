#pragma once

// Standard scroll bars: the two window scroll bars of a window with
// WS_HSCROLL / WS_VSCROLL (in its non-client area, right of and below the
// client area) and the scroll-bar control class, with the classic names and
// numbers.
//
// A press on a bar runs a modal tracking loop that holds the capture and
// reports WM_HSCROLL / WM_VSCROLL (to the window itself for window bars,
// lParam 0; to the parent for a control, lParam its handle): an arrow or the
// track repeats its code while held (first after ScrollRepeatDelay, then
// every ScrollRepeatPeriod, on the window system's clock) and a page repeat
// stops once the thumb reaches the pointer; the thumb reports SB_THUMBTRACK
// for every new position and SB_THUMBPOSITION on release. Every press ends
// with SB_ENDSCROLL. The bar never moves its thumb by itself: the owner
// answers with SetScrollInfo / SetScrollPos.

#include "platform/win/WinTypes.h"

// Which bar (the Bar argument).
constexpr int SB_HORZ = 0;
constexpr int SB_VERT = 1;
constexpr int SB_CTL = 2;
constexpr int SB_BOTH = 3;

// WM_HSCROLL / WM_VSCROLL codes (LOWORD of wParam; HIWORD holds the
// position for the two thumb codes).
constexpr WORD SB_LINEUP = 0;
constexpr WORD SB_LINELEFT = 0;
constexpr WORD SB_LINEDOWN = 1;
constexpr WORD SB_LINERIGHT = 1;
constexpr WORD SB_PAGEUP = 2;
constexpr WORD SB_PAGELEFT = 2;
constexpr WORD SB_PAGEDOWN = 3;
constexpr WORD SB_PAGERIGHT = 3;
constexpr WORD SB_THUMBPOSITION = 4;
constexpr WORD SB_THUMBTRACK = 5;
constexpr WORD SB_TOP = 6;
constexpr WORD SB_LEFT = 6;
constexpr WORD SB_BOTTOM = 7;
constexpr WORD SB_RIGHT = 7;
constexpr WORD SB_ENDSCROLL = 8;

constexpr UINT WM_HSCROLL = 0x0114;
constexpr UINT WM_VSCROLL = 0x0115;
constexpr WPARAM SC_VSCROLL = 0xF070;
constexpr WPARAM SC_HSCROLL = 0xF080;

// Scroll-bar control styles.
constexpr DWORD SBS_HORZ = 0x0000;
constexpr DWORD SBS_VERT = 0x0001;

// SCROLLINFO::fMask.
constexpr UINT SIF_RANGE = 0x0001;
constexpr UINT SIF_PAGE = 0x0002;
constexpr UINT SIF_POS = 0x0004;
constexpr UINT SIF_DISABLENOSCROLL = 0x0008;
constexpr UINT SIF_TRACKPOS = 0x0010;
constexpr UINT SIF_ALL = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS;

// EnableScrollBar arrows.
constexpr UINT ESB_ENABLE_BOTH = 0x0000;
constexpr UINT ESB_DISABLE_LTUP = 0x0001;
constexpr UINT ESB_DISABLE_RTDN = 0x0002;
constexpr UINT ESB_DISABLE_BOTH = 0x0003;

// GetScrollBarInfo objects.
constexpr LONG OBJID_HSCROLL = -6;
constexpr LONG OBJID_VSCROLL = -5;
constexpr LONG OBJID_CLIENT = -4;

// Part states (SCROLLBARINFO::rgstate, COMBOBOXINFO::stateButton).
constexpr DWORD STATE_SYSTEM_UNAVAILABLE = 0x00000001;
constexpr DWORD STATE_SYSTEM_PRESSED = 0x00000008;
constexpr DWORD STATE_SYSTEM_INVISIBLE = 0x00008000;
constexpr DWORD STATE_SYSTEM_OFFSCREEN = 0x00010000;

// Arrow repeat timing, in milliseconds.
constexpr UINT ScrollRepeatDelay = 250;
constexpr UINT ScrollRepeatPeriod = 50;

struct SCROLLINFO
{
    UINT cbSize = sizeof(SCROLLINFO);
    UINT fMask = 0;
    int nMin = 0;
    int nMax = 0;
    UINT nPage = 0;
    int nPos = 0;
    int nTrackPos = 0;
};

// A bar's layout: its rectangle in screen coordinates, the arrow length, the
// thumb's ends relative to the bar's start (top or left); rgstate holds the
// state of the bar, the first arrow, the page area before the thumb, the
// thumb, the page area after it and the second arrow.
struct SCROLLBARINFO
{
    DWORD cbSize = sizeof(SCROLLBARINFO);
    RECT rcScrollBar{};
    int dxyLineButton = 0;
    int xyThumbTop = 0;
    int xyThumbBottom = 0;
    int reserved = 0;
    DWORD rgstate[6]{};
};

// Sets what fMask names, held to classic rules (nMax >= nMin, the page at
// most the range, the position within [nMin, nMax - nPage + 1]); a window bar
// shows itself when its range is needed and hides itself when not, or turns
// disabled instead with SIF_DISABLENOSCROLL. Returns the new position.
int SetScrollInfo(HWND Window, int Bar, const SCROLLINFO* Info, BOOL Redraw);
BOOL GetScrollInfo(HWND Window, int Bar, SCROLLINFO* Info);
// ObjectId: OBJID_HSCROLL, OBJID_VSCROLL, or OBJID_CLIENT for a control.
BOOL GetScrollBarInfo(HWND Window, LONG ObjectId, SCROLLBARINFO* Info);
// Returns the previous position.
int SetScrollPos(HWND Window, int Bar, int Pos, BOOL Redraw);
int GetScrollPos(HWND Window, int Bar);
BOOL SetScrollRange(HWND Window, int Bar, int Min, int Max, BOOL Redraw);
BOOL GetScrollRange(HWND Window, int Bar, int* Min, int* Max);
// Shows or hides window bars (SB_HORZ, SB_VERT, SB_BOTH) or a control.
BOOL ShowScrollBar(HWND Window, int Bar, BOOL Show);
// Disables a bar's arrows (ESB_*); FALSE when nothing changed.
BOOL EnableScrollBar(HWND Window, UINT Bar, UINT Arrows);

// The default procedure of a scroll-bar control (SBS_HORZ / SBS_VERT): the
// whole client area is one bar, its values those of SB_CTL, its reports go
// to the parent with lParam the control's handle. A window class uses it in
// place of DefWindowProc.
LRESULT ScrollBarControlProc(HWND Window, UINT Message, WPARAM WParam, LPARAM LParam);
