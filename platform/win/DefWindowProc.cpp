#include "platform/win/DefWindowProc.h"

#include "detail/DefWindowProc.h"
#include "detail/Desktop.h"
#include "detail/MoveLoop.h"
#include "detail/NcPaint.h"
#include "detail/ScrollTrack.h"
#include "detail/WindowTable.h"
#include "detail/WindowTree.h"
#include "platform/win/AtomTable.h"
#include "platform/win/Focus.h"
#include "platform/win/Input.h"
#include "platform/win/Messaging.h"
#include "platform/win/NonClient.h"
#include "platform/win/ScrollBars.h"
#include "platform/win/SystemMetrics.h"
#include "platform/win/WinMessages.h"
#include "platform/win/WinPaint.h"
#include "platform/win/WinStyles.h"
#include "platform/win/WindowApi.h"
#include "platform/win/WindowPos.h"
#include "platform/win/WindowState.h"

#include <algorithm>
#include <cstring>

bool HasSizeLimits(DWORD Style)
{
    return (Style & WS_THICKFRAME) || !(Style & (WS_POPUP | WS_CHILD));
}

void LimitSize(HWND Handle, int& Width, int& Height)
{
    MINMAXINFO Info{};
    Info.ptMinTrackSize = {GetSystemMetrics(SM_CXMINTRACK), GetSystemMetrics(SM_CYMINTRACK)};
    Info.ptMaxTrackSize = {GetSystemMetrics(SM_CXMAXTRACK), GetSystemMetrics(SM_CYMAXTRACK)};
    const RECT& Work = TDesktop::Instance().WorkArea;
    Info.ptMaxSize = {Work.right - Work.left, Work.bottom - Work.top};
    SendMessage(Handle, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&Info));
    Width = std::clamp<int>(Width, Info.ptMinTrackSize.x,
                            std::max(Info.ptMinTrackSize.x, Info.ptMaxTrackSize.x));
    Height = std::clamp<int>(Height, Info.ptMinTrackSize.y,
                             std::max(Info.ptMinTrackSize.y, Info.ptMaxTrackSize.y));
}

namespace
{
LRESULT WindowPosChanging(TWindow& Window, WINDOWPOS& Pos)
{
    if ((Pos.flags & SWP_NOSIZE) || !HasSizeLimits(Window.Style) ||
        (Window.Style & (WS_MINIMIZE | WS_MAXIMIZE)))
        return 0;
    LimitSize(Window.Handle, Pos.cx, Pos.cy);
    return 0;
}

void WindowPosChangedDefault(TWindow& Window, const WINDOWPOS& Pos)
{
    HWND Handle = Window.Handle;
    const RECT R = Window.WindowRect;
    const RECT C = Window.ClientRect;
    if (!(Pos.flags & SWP_NOCLIENTMOVE))
        SendMessage(
            Handle, WM_MOVE, 0,
            MAKELPARAM(static_cast<WORD>(R.left + C.left), static_cast<WORD>(R.top + C.top)));
    if (!(Pos.flags & SWP_NOCLIENTSIZE) && IsWindow(Handle))
    {
        Window.SizePending = false;
        WPARAM Kind = (Window.Style & WS_MINIMIZE)   ? SIZE_MINIMIZED
                      : (Window.Style & WS_MAXIMIZE) ? SIZE_MAXIMIZED
                                                     : SIZE_RESTORED;
        SendMessage(
            Handle, WM_SIZE, Kind,
            MAKELPARAM(static_cast<WORD>(C.right - C.left), static_cast<WORD>(C.bottom - C.top)));
    }
}

LRESULT SetCursorDefault(TWindow& Window, WPARAM WParam, LPARAM LParam)
{
    if (Window.Parent && (Window.Style & WS_CHILD))
        if (SendMessage(Window.Parent->Handle, WM_SETCURSOR, WParam, LParam)) return TRUE;
    LRESULT Hit = static_cast<SHORT>(LOWORD(static_cast<ULONG_PTR>(LParam)));
    LPCSTR Id = IDC_ARROW;
    switch (Hit)
    {
    case HTCLIENT:
        if (!Window.Class->Info.hCursor) return FALSE;
        SetCursor(Window.Class->Info.hCursor);
        return TRUE;
    case HTERROR:
        if (HIWORD(static_cast<ULONG_PTR>(LParam)) == WM_LBUTTONDOWN) MessageBeep(MB_OK);
        break;
    case HTLEFT:
    case HTRIGHT:
        Id = IDC_SIZEWE;
        break;
    case HTTOP:
    case HTBOTTOM:
        Id = IDC_SIZENS;
        break;
    case HTTOPLEFT:
    case HTBOTTOMRIGHT:
        Id = IDC_SIZENWSE;
        break;
    case HTTOPRIGHT:
    case HTBOTTOMLEFT:
        Id = IDC_SIZENESW;
        break;
    default:
        break;
    }
    SetCursor(LoadCursor(nullptr, Id));
    return TRUE;
}

LRESULT SysCommand(HWND Handle, TWindow& Window, WPARAM Command, LPARAM LParam)
{
    switch (Command & 0xFFF0)
    {
    case SC_CLOSE:
        return SendMessage(Handle, WM_CLOSE, 0, 0);
    case SC_MINIMIZE:
        ShowWindow(Handle, SW_MINIMIZE);
        return 0;
    case SC_MAXIMIZE:
        ShowWindow(Handle, SW_MAXIMIZE);
        return 0;
    case SC_RESTORE:
        ShowWindow(Handle, SW_RESTORE);
        return 0;
    case SC_MOVE:
    case SC_SIZE:
    {
        if (Window.Style & (WS_MAXIMIZE | WS_MINIMIZE)) return 0;
        LRESULT Hit = (Command & 0xFFF0) == SC_MOVE
                          ? HTCAPTION
                          : static_cast<LRESULT>(Command & 0x000F) + (HTLEFT - 1);
        POINT Start{GET_X_LPARAM(LParam), GET_Y_LPARAM(LParam)};
        // A move started without a position (from the keyboard or from code
        // that sends only the hit code) starts at the pointer.
        if (!LParam) GetCursorPos(&Start);
        RunSizeMoveLoop(Handle, Hit, Start);
        return 0;
    }
    case SC_VSCROLL:
    case SC_HSCROLL:
        TrackScrollBar(Handle, (Command & 0xFFF0) == SC_VSCROLL ? SB_VERT : SB_HORZ,
                       {GET_X_LPARAM(LParam), GET_Y_LPARAM(LParam)});
        return 0;
    case SC_KEYMENU:
        // No system or menu bar of its own: the key does nothing.
        if (LParam && LParam != ' ') MessageBeep(MB_OK);
        return 0;
    default:
        return 0;
    }
}

LRESULT NcButtonDown(HWND Handle, TWindow& Window, WPARAM Hit, LPARAM LParam)
{
    switch (static_cast<LRESULT>(Hit))
    {
    case HTCAPTION:
        if (TWindow* Root = RootOf(&Window); Root->Handle != GetActiveWindow())
            SetActiveWindow(Root->Handle);
        return SendMessage(Handle, WM_SYSCOMMAND, SC_MOVE + HTCAPTION, LParam);
    case HTLEFT:
    case HTRIGHT:
    case HTTOP:
    case HTTOPLEFT:
    case HTTOPRIGHT:
    case HTBOTTOM:
    case HTBOTTOMLEFT:
    case HTBOTTOMRIGHT:
        return SendMessage(Handle, WM_SYSCOMMAND, SC_SIZE + (Hit - (HTLEFT - 1)), LParam);
    case HTVSCROLL:
        return SendMessage(Handle, WM_SYSCOMMAND, SC_VSCROLL + HTVSCROLL, LParam);
    case HTHSCROLL:
        return SendMessage(Handle, WM_SYSCOMMAND, SC_HSCROLL + HTHSCROLL, LParam);
    case HTCLOSE:
        if (TrackCaptionButton(Handle, HTCLOSE))
            SendMessage(Handle, WM_SYSCOMMAND, SC_CLOSE, LParam);
        return 0;
    case HTMINBUTTON:
        if (TrackCaptionButton(Handle, HTMINBUTTON))
            SendMessage(Handle, WM_SYSCOMMAND, SC_MINIMIZE, LParam);
        return 0;
    case HTMAXBUTTON:
        if (TrackCaptionButton(Handle, HTMAXBUTTON))
            SendMessage(Handle, WM_SYSCOMMAND, IsZoomed(Handle) ? SC_RESTORE : SC_MAXIMIZE, LParam);
        return 0;
    default:
        return 0;
    }
}
} // namespace

LRESULT DefWindowProc(HWND Handle, UINT Message, WPARAM WParam, LPARAM LParam)
{
    TWindow* Window = TWindowTable::Instance().FindOwn(Handle);
    if (!Window) return 0;
    switch (Message)
    {
    case WM_NCCREATE:
    {
        auto* Create = reinterpret_cast<const CREATESTRUCT*>(LParam);
        if (Create && Create->lpszName && !IS_INTRESOURCE(Create->lpszName))
            Window->Text = Create->lpszName;
        return TRUE;
    }
    case WM_SETTEXT:
        Window->Text = LParam ? reinterpret_cast<LPCSTR>(LParam) : "";
        if ((Window->Style & WS_CAPTION) == WS_CAPTION)
            RedrawWindow(Handle, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_NOCHILDREN);
        return TRUE;
    case WM_GETTEXT:
    {
        if (!WParam || !LParam) return 0;
        auto* Buffer = reinterpret_cast<char*>(LParam);
        size_t Count = std::min(Window->Text.size(), static_cast<size_t>(WParam) - 1);
        std::memcpy(Buffer, Window->Text.data(), Count);
        Buffer[Count] = '\0';
        return static_cast<LRESULT>(Count);
    }
    case WM_GETTEXTLENGTH:
        return static_cast<LRESULT>(Window->Text.size());
    case WM_CLOSE:
        DestroyWindow(Handle);
        return 0;
    case WM_NCCALCSIZE:
        return DefaultNcCalcSize(Handle, static_cast<BOOL>(WParam), LParam);
    case WM_NCHITTEST:
        return DefaultNcHitTest(Handle, {GET_X_LPARAM(LParam), GET_Y_LPARAM(LParam)});
    case WM_WINDOWPOSCHANGING:
        return WindowPosChanging(*Window, *reinterpret_cast<WINDOWPOS*>(LParam));
    case WM_WINDOWPOSCHANGED:
        WindowPosChangedDefault(*Window, *reinterpret_cast<const WINDOWPOS*>(LParam));
        return 0;
    case WM_ACTIVATE:
        if (LOWORD(WParam) != WA_INACTIVE && (Window->Style & WS_VISIBLE) &&
            !(Window->Style & WS_MINIMIZE))
            SetFocus(Handle);
        return 0;
    case WM_NCACTIVATE:
        Window->NcActive = WParam != FALSE;
        RedrawWindow(Handle, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_NOCHILDREN);
        return TRUE;
    case WM_NCPAINT:
        DefaultNcPaint(Handle);
        return 0;
    case WM_ERASEBKGND:
        return DefaultEraseBackground(Handle, reinterpret_cast<HDC>(WParam));
    case WM_PAINT:
        DefaultPaint(Handle);
        return 0;
    case WM_PRINT:
        DefaultPrint(Handle, reinterpret_cast<HDC>(WParam), static_cast<UINT>(LParam));
        return 0;
    case WM_MOUSEACTIVATE:
        if (Window->Parent && (Window->Style & WS_CHILD))
            if (LRESULT Answer =
                    SendMessage(Window->Parent->Handle, WM_MOUSEACTIVATE, WParam, LParam))
                return Answer;
        return static_cast<SHORT>(LOWORD(static_cast<ULONG_PTR>(LParam))) >= HTCLIENT
                   ? MA_ACTIVATE
                   : MA_NOACTIVATE;
    case WM_SETCURSOR:
        return SetCursorDefault(*Window, WParam, LParam);
    case WM_MOUSEWHEEL:
        if (Window->Parent && (Window->Style & WS_CHILD))
            return SendMessage(Window->Parent->Handle, Message, WParam, LParam);
        return 0;
    case WM_NCLBUTTONDOWN:
        return NcButtonDown(Handle, *Window, WParam, LParam);
    case WM_NCLBUTTONDBLCLK:
        // A quick second press on a scroll bar is another press.
        if (WParam == HTVSCROLL || WParam == HTHSCROLL)
            return NcButtonDown(Handle, *Window, WParam, LParam);
        if (WParam == HTCAPTION && (Window->Style & WS_MAXIMIZEBOX))
            return SendMessage(Handle, WM_SYSCOMMAND, IsZoomed(Handle) ? SC_RESTORE : SC_MAXIMIZE,
                               LParam);
        if (WParam == HTSYSMENU) return SendMessage(Handle, WM_SYSCOMMAND, SC_CLOSE, LParam);
        return 0;
    case WM_SYSCOMMAND:
        return SysCommand(Handle, *Window, WParam, LParam);
    case WM_SYSKEYDOWN:
        if (WParam == VK_F4 && (HIWORD(static_cast<ULONG_PTR>(LParam)) & KF_ALTDOWN))
            PostMessage(RootOf(Window)->Handle, WM_SYSCOMMAND, SC_CLOSE, 0);
        return 0;
    case WM_SYSCHAR:
        if (!(HIWORD(static_cast<ULONG_PTR>(LParam)) & KF_ALTDOWN))
        {
            MessageBeep(MB_OK);
            return 0;
        }
        if (WParam == VK_TAB || WParam == VK_ESCAPE) return 0;
        if (WParam == ' ' && Window->Parent && (Window->Style & WS_CHILD))
            return SendMessage(Window->Parent->Handle, Message, WParam, LParam);
        return SendMessage(Handle, WM_SYSCOMMAND, SC_KEYMENU, static_cast<LPARAM>(WParam));
    case WM_SETREDRAW:
        // Turns drawing off and on without hiding: the visible bit alone.
        if (WParam)
            Window->Style |= WS_VISIBLE;
        else
            Window->Style &= ~WS_VISIBLE;
        return 0;
    case WM_CANCELMODE:
        if (GetCapture() == Handle) ReleaseCapture();
        return 0;
    default:
        return 0;
    }
}
