#include "detail/NcPaint.h"

#include "detail/ScrollBarPaint.h"
#include "detail/WindowTable.h"
#include "platform/win/Messaging.h"
#include "platform/win/NonClient.h"
#include "platform/win/WinMessages.h"
#include "platform/win/WinPaint.h"
#include "platform/win/WinStyles.h"
#include "platform/win/WindowApi.h"
#include "platform/win/WindowPos.h"

#include "platform/gfx/Color.h"
#include "platform/gfx/DrawText.h"
#include "platform/gfx/Lines.h"
#include "platform/gfx/Shapes.h"
#include "platform/win/WindowState.h"

#include <utility>
#include <vector>

namespace
{
gfx::TBrush Sys(int Index)
{
    return gfx::TBrush::Solid(ColorToRGB(GetSysColor(Index)));
}

void CaptionButton(TDeviceContext& Dc, const RECT& Rc, LRESULT Kind)
{
    TRect R{Rc.left, Rc.top, Rc.right, Rc.bottom};
    if (R.IsEmpty()) return;
    FillRect(Dc, R, Sys(COLOR_BTNFACE));
    PaintEdgeRing(Dc, R, COLOR_BTNHIGHLIGHT, COLOR_3DDKSHADOW);
    PaintEdgeRing(Dc, R.Inflate(-1, -1), COLOR_BTNFACE, COLOR_BTNSHADOW);
    gfx::TPen Pen;
    Pen.Color = ColorToRGB(GetSysColor(COLOR_BTNTEXT));
    Dc.SetPen(Pen);
    int Cx = (R.Left + R.Right) / 2 - 1, Cy = (R.Top + R.Bottom) / 2 - 1;
    switch (Kind)
    {
    case HTCLOSE:
        // Two strokes, each two pixels wide.
        for (int D = 0; D < 2; ++D)
        {
            MoveTo(Dc, Cx - 3 + D, Cy - 3);
            LineTo(Dc, Cx + 4 + D, Cy + 4);
            MoveTo(Dc, Cx + 3 + D, Cy - 3);
            LineTo(Dc, Cx - 4 + D, Cy + 4);
        }
        break;
    case HTMAXBUTTON:
        FrameRect(Dc, {Cx - 4, Cy - 4, Cx + 5, Cy + 4}, Sys(COLOR_BTNTEXT));
        FillRect(Dc, {Cx - 4, Cy - 3, Cx + 5, Cy - 2}, Sys(COLOR_BTNTEXT));
        break;
    case HTMINBUTTON:
        FillRect(Dc, {Cx - 3, Cy + 2, Cx + 3, Cy + 4}, Sys(COLOR_BTNTEXT));
        break;
    default:
        break;
    }
}
} // namespace

void PaintEdgeRing(TDeviceContext& Dc, const TRect& R, int Light, int Dark)
{
    if (R.IsEmpty()) return;
    FillRect(Dc, {R.Left, R.Top, R.Right - 1, R.Top + 1}, Sys(Light));
    FillRect(Dc, {R.Left, R.Top, R.Left + 1, R.Bottom - 1}, Sys(Light));
    FillRect(Dc, {R.Left, R.Bottom - 1, R.Right, R.Bottom}, Sys(Dark));
    FillRect(Dc, {R.Right - 1, R.Top, R.Right, R.Bottom}, Sys(Dark));
}

void PaintDefaultFrame(TDeviceContext& Dc, const TWindow& Window)
{
    const int W = Window.WindowRect.right - Window.WindowRect.left;
    const int H = Window.WindowRect.bottom - Window.WindowRect.top;
    const DWORD Style = Window.Style, ExStyle = Window.ExStyle;
    const RECT C = Window.ClientRect;
    // Only the frame: the client area is the window procedure's.
    Dc.SaveDC();
    Dc.ExcludeClipRect({C.left, C.top, C.right, C.bottom});

    TFrameLayout Frame = FrameLayoutOf(Style, ExStyle);
    TRect R{0, 0, W, H};
    if (Frame.Frame == 1)
    {
        FrameRect(Dc, R, Sys(COLOR_WINDOWFRAME));
    }
    else if (Frame.Frame >= 3)
    {
        PaintEdgeRing(Dc, R, COLOR_3DLIGHT, COLOR_3DDKSHADOW);
        PaintEdgeRing(Dc, R.Inflate(-1, -1), COLOR_BTNHIGHLIGHT, COLOR_BTNSHADOW);
        for (int I = 2; I < Frame.Frame; ++I)
            FrameRect(Dc, R.Inflate(-I, -I), Sys(COLOR_BTNFACE));
    }
    if (Frame.Caption)
    {
        const bool Active = Window.NcActive;
        TCaptionLayout Caption = CaptionLayoutOf(Style, ExStyle, W);
        const RECT& Cr = Caption.Caption;
        FillRect(Dc, {Cr.left, Cr.top, Cr.right, Cr.bottom},
                 Sys(Active ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION));
        FillRect(Dc, {Cr.left, Cr.bottom, Cr.right, Cr.bottom + 1}, Sys(COLOR_BTNFACE));
        int TextLeft = Caption.SysMenu.right > 0 ? Caption.SysMenu.right + 2 : Cr.left + 2;
        int TextRight = Caption.Minimize.left > 0 ? Caption.Minimize.left
                        : Caption.Close.left > 0  ? Caption.Close.left
                                                  : Cr.right;
        TFontDesc Font;
        Font.Face = "Tahoma";
        Font.Height = -11;
        Font.Bold = true;
        Dc.SetFont(Font);
        Dc.SetBkMode(TRANSPARENT);
        Dc.SetTextColor(
            ColorToRGB(GetSysColor(Active ? COLOR_CAPTIONTEXT : COLOR_INACTIVECAPTIONTEXT)));
        TRect TextRect{TextLeft, Cr.top, TextRight - 2, Cr.bottom};
        DrawText(Dc, Window.Text, TextRect, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
        CaptionButton(Dc, Caption.Close, HTCLOSE);
        CaptionButton(Dc, Caption.Maximize, HTMAXBUTTON);
        CaptionButton(Dc, Caption.Minimize, HTMINBUTTON);
    }
    if (Frame.Edge >= 2)
    {
        TRect Edge{C.left - Frame.Edge, C.top - Frame.Edge, C.right + Frame.Edge,
                   C.bottom + Frame.Edge};
        PaintEdgeRing(Dc, Edge, COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT);
        PaintEdgeRing(Dc, Edge.Inflate(-1, -1), COLOR_3DDKSHADOW, COLOR_3DLIGHT);
    }
    else if (Frame.Edge == 1)
    {
        TRect Edge{C.left - 1, C.top - 1, C.right + 1, C.bottom + 1};
        PaintEdgeRing(Dc, Edge, COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT);
    }
    PaintWindowScrollBars(Dc, Window);
    Dc.RestoreDC(-1);
}

void DefaultNcPaint(HWND Handle)
{
    TWindow* Window = TWindowTable::Instance().FindOwn(Handle);
    if (!Window) return;
    HDC Dc = GetWindowDC(Handle);
    if (!Dc) return;
    PaintDefaultFrame(*Dc, *Window);
    ReleaseDC(Handle, Dc);
}

void DefaultPrint(HWND Handle, HDC Dc, UINT Flags)
{
    TWindow* Window = TWindowTable::Instance().FindOwn(Handle);
    if (!Window || !Dc) return;
    if ((Flags & PRF_CHECKVISIBLE) && !IsWindowVisible(Handle)) return;
    int Level = Dc->SaveDC();
    if (Flags & PRF_NONCLIENT) PaintDefaultFrame(*Dc, *Window);
    const RECT C = Window->ClientRect;
    Dc->OffsetViewportOrg(C.left, C.top);
    Dc->IntersectClipRect({0, 0, C.right - C.left, C.bottom - C.top});
    if (Flags & PRF_ERASEBKGND) SendMessage(Handle, WM_ERASEBKGND, reinterpret_cast<WPARAM>(Dc), 0);
    if (Flags & PRF_CLIENT)
        SendMessage(Handle, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(Dc),
                    static_cast<LPARAM>(Flags));
    if ((Flags & PRF_CHILDREN) && (Window = TWindowTable::Instance().FindOwn(Handle)))
    {
        // Bottom-most first, so that higher children cover lower ones.
        std::vector<std::pair<HWND, RECT>> Children;
        for (TWindow* Child : Window->Children)
            if (Child->Style & WS_VISIBLE) Children.emplace_back(Child->Handle, Child->WindowRect);
        for (auto It = Children.rbegin(); It != Children.rend(); ++It)
        {
            Dc->SaveDC();
            Dc->OffsetViewportOrg(It->second.left, It->second.top);
            Dc->IntersectClipRect(
                {0, 0, It->second.right - It->second.left, It->second.bottom - It->second.top});
            SendMessage(It->first, WM_PRINT, reinterpret_cast<WPARAM>(Dc),
                        static_cast<LPARAM>(Flags & ~PRF_CHECKVISIBLE));
            Dc->RestoreDC(-1);
        }
    }
    Dc->RestoreDC(Level);
}

LRESULT DefaultEraseBackground(HWND Handle, HDC Dc)
{
    TWindow* Window = TWindowTable::Instance().FindOwn(Handle);
    if (!Window || !Dc) return 0;
    HBRUSH Background = Window->Class->Info.hbrBackground;
    if (!Background) return 0;
    const RECT& C = Window->ClientRect;
    FillRect(*Dc, {0, 0, C.right - C.left, C.bottom - C.top}, BrushFromHandle(Background));
    return 1;
}

void DefaultPaint(HWND Handle)
{
    PAINTSTRUCT Paint;
    if (BeginPaint(Handle, &Paint)) EndPaint(Handle, &Paint);
}
