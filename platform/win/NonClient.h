#pragma once

// The non-client frame: its size from the style words, and hit testing.

#include "platform/win/WinTypes.h"

// Hit codes (WM_NCHITTEST results).
constexpr LRESULT HTERROR = -2;
constexpr LRESULT HTTRANSPARENT = -1;
constexpr LRESULT HTNOWHERE = 0;
constexpr LRESULT HTCLIENT = 1;
constexpr LRESULT HTCAPTION = 2;
constexpr LRESULT HTSYSMENU = 3;
constexpr LRESULT HTGROWBOX = 4;
constexpr LRESULT HTMENU = 5;
constexpr LRESULT HTHSCROLL = 6;
constexpr LRESULT HTVSCROLL = 7;
constexpr LRESULT HTMINBUTTON = 8;
constexpr LRESULT HTMAXBUTTON = 9;
constexpr LRESULT HTLEFT = 10;
constexpr LRESULT HTRIGHT = 11;
constexpr LRESULT HTTOP = 12;
constexpr LRESULT HTTOPLEFT = 13;
constexpr LRESULT HTTOPRIGHT = 14;
constexpr LRESULT HTBOTTOM = 15;
constexpr LRESULT HTBOTTOMLEFT = 16;
constexpr LRESULT HTBOTTOMRIGHT = 17;
constexpr LRESULT HTBORDER = 18;
constexpr LRESULT HTCLOSE = 20;
constexpr LRESULT HTHELP = 21;

// WM_NCCALCSIZE result flag: the valid-rectangles answer.
constexpr LRESULT WVR_VALIDRECTS = 0x0400;

// Grows a client rectangle to the window rectangle the style implies.
BOOL AdjustWindowRectEx(RECT* Rect, DWORD Style, BOOL Menu, DWORD ExStyle);

// Frame parts implied by the style words, in pixels.
struct TFrameLayout
{
    int Frame = 0;   // each side: border, dialog or sizing frame
    int Edge = 0;    // client or static edge inside the frame
    int Caption = 0; // caption height below the top frame, 0 without caption
    bool Sizing = false;

    int Left() const { return Frame + Edge; }
    int Top() const { return Frame + Caption + Edge; }
    int Right() const { return Frame + Edge; }
    int Bottom() const { return Frame + Edge; }
};
TFrameLayout FrameLayoutOf(DWORD Style, DWORD ExStyle);

// The caption buttons and icon of a window with a caption, relative to the
// window's top-left corner; empty rectangles where the style has none.
struct TCaptionLayout
{
    RECT Caption{};
    RECT SysMenu{};
    RECT Close{};
    RECT Maximize{};
    RECT Minimize{};
};
TCaptionLayout CaptionLayoutOf(DWORD Style, DWORD ExStyle, int Width);

// The default procedure's answers.
LRESULT DefaultNcCalcSize(HWND Window, BOOL ValidRects, LPARAM LParam);
LRESULT DefaultNcHitTest(HWND Window, POINT Screen);
