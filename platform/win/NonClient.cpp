#include "platform/win/NonClient.h"

#include "detail/WindowGeometry.h"
#include "detail/WindowTable.h"
#include "platform/win/ScrollBars.h"
#include "platform/win/SystemMetrics.h"
#include "platform/win/WinStyles.h"
#include "platform/win/WindowPos.h"

#include <algorithm>

TFrameLayout FrameLayoutOf(DWORD Style, DWORD ExStyle)
{
    TFrameLayout Layout;
    bool DialogFrame =
        (ExStyle & WS_EX_DLGMODALFRAME) || ((Style & WS_DLGFRAME) && !(Style & WS_THICKFRAME));
    bool ThickFrame = (Style & WS_THICKFRAME) && (Style & (WS_DLGFRAME | WS_BORDER)) != WS_DLGFRAME;
    if (ThickFrame)
    {
        Layout.Frame = GetSystemMetrics(SM_CXFRAME);
        Layout.Sizing = true;
    }
    else if (DialogFrame)
    {
        Layout.Frame = GetSystemMetrics(SM_CXDLGFRAME);
    }
    else if (Style & WS_BORDER)
    {
        Layout.Frame = GetSystemMetrics(SM_CXBORDER);
    }
    if (ExStyle & WS_EX_CLIENTEDGE) Layout.Edge += GetSystemMetrics(SM_CXEDGE);
    if (ExStyle & WS_EX_STATICEDGE) Layout.Edge += GetSystemMetrics(SM_CXBORDER);
    if ((Style & WS_CAPTION) == WS_CAPTION)
        Layout.Caption =
            GetSystemMetrics((ExStyle & WS_EX_TOOLWINDOW) ? SM_CYSMCAPTION : SM_CYCAPTION);
    return Layout;
}

TCaptionLayout CaptionLayoutOf(DWORD Style, DWORD ExStyle, int Width)
{
    TCaptionLayout Layout;
    TFrameLayout Frame = FrameLayoutOf(Style, ExStyle);
    if (!Frame.Caption) return Layout;
    int F = Frame.Frame;
    // The caption's last row is a separating line.
    Layout.Caption = {F, F, Width - F, F + Frame.Caption - 1};
    bool Tool = ExStyle & WS_EX_TOOLWINDOW;
    int ButtonWidth = (Tool ? GetSystemMetrics(SM_CXSMSIZE) : GetSystemMetrics(SM_CXSIZE)) - 2;
    int ButtonHeight = Frame.Caption - 5;
    int Top = F + 2;
    int Right = Width - F - 2;
    if (Style & WS_SYSMENU)
    {
        Layout.Close = {Right - ButtonWidth, Top, Right, Top + ButtonHeight};
        Right = Layout.Close.left - 2;
        if (!Tool && !(ExStyle & WS_EX_DLGMODALFRAME))
            Layout.SysMenu = {F + 1, F + 1, F + 1 + GetSystemMetrics(SM_CXSMICON),
                              F + Frame.Caption - 2};
        if (!Tool && (Style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX)))
        {
            Layout.Maximize = {Right - ButtonWidth, Top, Right, Top + ButtonHeight};
            Layout.Minimize = {Layout.Maximize.left - ButtonWidth, Top, Layout.Maximize.left,
                               Top + ButtonHeight};
        }
    }
    return Layout;
}

BOOL AdjustWindowRectEx(RECT* Rect, DWORD Style, BOOL Menu, DWORD ExStyle)
{
    if (!Rect) return FALSE;
    TFrameLayout Frame = FrameLayoutOf(Style, ExStyle);
    Rect->left -= Frame.Left();
    Rect->top -= Frame.Top() + (Menu ? GetSystemMetrics(SM_CYMENU) : 0);
    Rect->right += Frame.Right();
    Rect->bottom += Frame.Bottom();
    return TRUE;
}

LRESULT DefaultNcCalcSize(HWND Handle, BOOL ValidRects, LPARAM LParam)
{
    TWindow* Window = TWindowTable::Instance().FindOwn(Handle);
    if (!Window || !LParam) return 0;
    RECT* Rect = ValidRects ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(LParam)->rgrc[0]
                            : reinterpret_cast<RECT*>(LParam);
    if (Window->MessageOnly) return 0;
    TFrameLayout Frame = FrameLayoutOf(Window->Style, Window->ExStyle);
    Rect->left += Frame.Left();
    Rect->top += Frame.Top();
    Rect->right -= Frame.Right();
    Rect->bottom -= Frame.Bottom();
    // The scroll bars lie inside the frame, where there is room for them.
    if ((Window->Style & WS_VSCROLL) && Rect->right - Rect->left >= GetSystemMetrics(SM_CXVSCROLL))
        Rect->right -= GetSystemMetrics(SM_CXVSCROLL);
    if ((Window->Style & WS_HSCROLL) && Rect->bottom - Rect->top >= GetSystemMetrics(SM_CYHSCROLL))
        Rect->bottom -= GetSystemMetrics(SM_CYHSCROLL);
    // A frame larger than the window leaves an empty client area at its top-left.
    Rect->right = std::max(Rect->right, Rect->left);
    Rect->bottom = std::max(Rect->bottom, Rect->top);
    return 0;
}

LRESULT DefaultNcHitTest(HWND Handle, POINT Screen)
{
    TWindow* Window = TWindowTable::Instance().FindOwn(Handle);
    if (!Window) return HTERROR;
    RECT Outer = ScreenWindowRect(*Window);
    if (!PointInRect(Outer, Screen)) return HTNOWHERE;
    if (PointInRect(ScreenClientRect(*Window), Screen)) return HTCLIENT;
    if (Window->Style & WS_MINIMIZE) return HTCAPTION;

    int Width = Outer.right - Outer.left;
    int Height = Outer.bottom - Outer.top;
    POINT P{Screen.x - Outer.left, Screen.y - Outer.top};
    if (PointInRect(ScrollBarRectInWindow(*Window, SB_VERT), P)) return HTVSCROLL;
    if (PointInRect(ScrollBarRectInWindow(*Window, SB_HORZ), P)) return HTHSCROLL;
    TFrameLayout Frame = FrameLayoutOf(Window->Style, Window->ExStyle);
    bool InFrame = P.x < Frame.Frame || P.y < Frame.Frame || P.x >= Width - Frame.Frame ||
                   P.y >= Height - Frame.Frame;
    if (InFrame)
    {
        if (!Frame.Sizing) return HTBORDER;
        // Corners reach along the edges as far as a caption button is wide.
        int Corner = GetSystemMetrics(SM_CXSIZE) + Frame.Frame;
        bool Left = P.x < Corner, Right = P.x >= Width - Corner;
        bool Top = P.y < Corner, Bottom = P.y >= Height - Corner;
        if (P.y < Frame.Frame) return Left ? HTTOPLEFT : Right ? HTTOPRIGHT : HTTOP;
        if (P.y >= Height - Frame.Frame)
            return Left ? HTBOTTOMLEFT : Right ? HTBOTTOMRIGHT : HTBOTTOM;
        if (P.x < Frame.Frame) return Top ? HTTOPLEFT : Bottom ? HTBOTTOMLEFT : HTLEFT;
        return Top ? HTTOPRIGHT : Bottom ? HTBOTTOMRIGHT : HTRIGHT;
    }
    TCaptionLayout Caption = CaptionLayoutOf(Window->Style, Window->ExStyle, Width);
    if (Frame.Caption && P.y < Frame.Frame + Frame.Caption)
    {
        if (PointInRect(Caption.SysMenu, P)) return HTSYSMENU;
        if (PointInRect(Caption.Close, P)) return HTCLOSE;
        if (PointInRect(Caption.Maximize, P)) return HTMAXBUTTON;
        if (PointInRect(Caption.Minimize, P)) return HTMINBUTTON;
        return HTCAPTION;
    }
    return HTBORDER;
}
