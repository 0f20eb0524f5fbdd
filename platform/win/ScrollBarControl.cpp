#include "detail/ScrollBarPaint.h"
#include "detail/ScrollTrack.h"
#include "detail/WindowTable.h"
#include "platform/win/DefWindowProc.h"
#include "platform/win/Input.h"
#include "platform/win/Messaging.h"
#include "platform/win/Painting.h"
#include "platform/win/ScrollBars.h"
#include "platform/win/WinMessages.h"
#include "platform/win/WinPaint.h"
#include "platform/win/WindowDc.h"
#include "platform/win/WindowLifetime.h"
#include "platform/win/WindowPos.h"
#include "platform/win/WindowTree.h"

namespace
{
void PaintControl(HWND Handle, HDC Dc)
{
    TWindow* Window = OwnWindow(Handle);
    if (!Window || !Dc) return;
    TScrollGeometry G = ScrollGeometryOf(*Window, SB_CTL);
    // Laid out in window coordinates; the context is the client's.
    const RECT& C = Window->ClientRect;
    G.Bar = {G.Bar.left - C.left, G.Bar.top - C.top, G.Bar.right - C.left, G.Bar.bottom - C.top};
    PaintScrollBar(*Dc, G, Window->Scroll[SB_CTL], ScrollBarDisabled(*Window, SB_CTL));
}

// The keys of a focused control, as the codes its thumb would report.
bool KeyCode(WPARAM Key, bool Vertical, WORD& Code)
{
    switch (Key)
    {
    case VK_UP:
        Code = SB_LINEUP;
        return Vertical;
    case VK_DOWN:
        Code = SB_LINEDOWN;
        return Vertical;
    case VK_LEFT:
        Code = SB_LINELEFT;
        return !Vertical;
    case VK_RIGHT:
        Code = SB_LINERIGHT;
        return !Vertical;
    case VK_PRIOR:
        Code = SB_PAGEUP;
        return true;
    case VK_NEXT:
        Code = SB_PAGEDOWN;
        return true;
    case VK_HOME:
        Code = SB_TOP;
        return true;
    case VK_END:
        Code = SB_BOTTOM;
        return true;
    default:
        return false;
    }
}
} // namespace

LRESULT ScrollBarControlProc(HWND Handle, UINT Message, WPARAM WParam, LPARAM LParam)
{
    switch (Message)
    {
    case WM_PAINT:
    case WM_PRINTCLIENT:
        if (WParam)
        {
            PaintControl(Handle, reinterpret_cast<HDC>(WParam));
        }
        else
        {
            PAINTSTRUCT Paint;
            HDC Dc = BeginPaint(Handle, &Paint);
            PaintControl(Handle, Dc);
            EndPaint(Handle, &Paint);
        }
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    {
        POINT P{GET_X_LPARAM(LParam), GET_Y_LPARAM(LParam)};
        ClientToScreen(Handle, &P);
        TrackScrollBar(Handle, SB_CTL, P);
        return 0;
    }
    case WM_KEYDOWN:
    {
        TWindow* Window = OwnWindow(Handle);
        WORD Code = 0;
        if (!Window || !Window->Parent ||
            !KeyCode(WParam, ScrollBarVertical(*Window, SB_CTL), Code))
            return 0;
        HWND Parent = Window->Parent->Handle;
        UINT Report = ScrollBarVertical(*Window, SB_CTL) ? WM_VSCROLL : WM_HSCROLL;
        SendMessage(Parent, Report, MAKEWPARAM(Code, 0), reinterpret_cast<LPARAM>(Handle));
        if (IsWindow(Handle))
            SendMessage(Parent, Report, MAKEWPARAM(SB_ENDSCROLL, 0),
                        reinterpret_cast<LPARAM>(Handle));
        return 0;
    }
    case WM_ENABLE:
        InvalidateRect(Handle, nullptr, FALSE);
        return 0;
    default:
        return DefWindowProc(Handle, Message, WParam, LParam);
    }
}
