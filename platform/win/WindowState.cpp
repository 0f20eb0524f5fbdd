#include "platform/win/WindowState.h"

#include "detail/Desktop.h"
#include "detail/WindowGeometry.h"
#include "detail/WindowPos.h"
#include "detail/WindowTable.h"
#include "detail/WindowTree.h"
#include "platform/win/Focus.h"
#include "platform/win/LastError.h"
#include "platform/win/Messaging.h"
#include "platform/win/NonClient.h"
#include "platform/win/SystemMetrics.h"
#include "platform/win/WinMessages.h"
#include "platform/win/WinStyles.h"
#include "platform/win/WindowApi.h"
#include "platform/win/WindowPos.h"

namespace
{
// The rectangle a maximized window takes: the work area with the frame
// beyond its edges, as WM_GETMINMAXINFO may change it.
RECT MaximizedRect(HWND Handle, TWindow& Window)
{
    TFrameLayout Frame = FrameLayoutOf(Window.Style, Window.ExStyle);
    RECT Area = Window.Parent
                    ? RECT{0, 0, Window.Parent->ClientRect.right - Window.Parent->ClientRect.left,
                           Window.Parent->ClientRect.bottom - Window.Parent->ClientRect.top}
                    : TDesktop::Instance().WorkArea;
    MINMAXINFO Info{};
    Info.ptMaxPosition = {Area.left - Frame.Frame, Area.top - Frame.Frame};
    Info.ptMaxSize = {Area.right - Area.left + 2 * Frame.Frame,
                      Area.bottom - Area.top + 2 * Frame.Frame};
    Info.ptMinTrackSize = {GetSystemMetrics(SM_CXMINTRACK), GetSystemMetrics(SM_CYMINTRACK)};
    Info.ptMaxTrackSize = {GetSystemMetrics(SM_CXMAXTRACK), GetSystemMetrics(SM_CYMAXTRACK)};
    SendMessage(Handle, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&Info));
    return {Info.ptMaxPosition.x, Info.ptMaxPosition.y, Info.ptMaxPosition.x + Info.ptMaxSize.x,
            Info.ptMaxPosition.y + Info.ptMaxSize.y};
}

enum class TPlacement
{
    Keep,
    Minimize,
    Maximize,
    Restore,
};

// Changes the minimized / maximized state bits and returns the rectangle to
// move to; false when nothing changes.
bool Place(HWND Handle, TWindow& Window, TPlacement Placement, RECT& Out)
{
    bool Minimized = Window.Style & WS_MINIMIZE;
    bool Maximized = Window.Style & WS_MAXIMIZE;
    switch (Placement)
    {
    case TPlacement::Keep:
        return false;
    case TPlacement::Minimize:
        if (Minimized) return false;
        if (!Maximized) Window.NormalRect = Window.WindowRect;
        Window.RestoreMaximized = Maximized;
        Window.Style = (Window.Style & ~WS_MAXIMIZE) | WS_MINIMIZE;
        Out = {-32000, -32000, -32000 + GetSystemMetrics(SM_CXMINIMIZED),
               -32000 + GetSystemMetrics(SM_CYMINIMIZED)};
        return true;
    case TPlacement::Maximize:
        if (Maximized) return false;
        if (!Minimized) Window.NormalRect = Window.WindowRect;
        Window.Style = (Window.Style & ~WS_MINIMIZE) | WS_MAXIMIZE;
        Out = MaximizedRect(Handle, Window);
        return true;
    case TPlacement::Restore:
        if (Minimized && Window.RestoreMaximized)
        {
            Window.Style = (Window.Style & ~WS_MINIMIZE) | WS_MAXIMIZE;
            Out = MaximizedRect(Handle, Window);
            return true;
        }
        if (!Minimized && !Maximized) return false;
        Window.Style &= ~(WS_MINIMIZE | WS_MAXIMIZE);
        Out = Window.NormalRect;
        return true;
    }
    return false;
}
} // namespace

BOOL ShowWindow(HWND Handle, int Command)
{
    TWindow* Window = OwnWindow(Handle);
    if (!Window) return FALSE;
    const bool WasVisible = Window->Style & WS_VISIBLE;
    const bool Child = Window->Style & WS_CHILD;
    UINT Flags = SWP_NOSIZE | SWP_NOMOVE;
    TPlacement Placement = TPlacement::Keep;
    bool Show = true;
    switch (Command)
    {
    case SW_HIDE:
        if (!WasVisible) return FALSE;
        Show = false;
        Flags |= SWP_HIDEWINDOW;
        if (Child) Flags |= SWP_NOACTIVATE | SWP_NOZORDER;
        break;
    case SW_SHOWMINNOACTIVE:
    case SW_SHOWMINIMIZED:
    case SW_MINIMIZE:
        Flags |= SWP_SHOWWINDOW | SWP_NOACTIVATE;
        Placement = TPlacement::Minimize;
        break;
    case SW_SHOWMAXIMIZED:
        Flags |= SWP_SHOWWINDOW;
        Placement = TPlacement::Maximize;
        break;
    case SW_SHOWNA:
        Flags |= SWP_SHOWWINDOW | SWP_NOACTIVATE;
        if (Child) Flags |= SWP_NOZORDER;
        break;
    case SW_SHOW:
        if (WasVisible)
        {
            // Shown by SetWindowPos before: this is still its first show.
            if (Window->SizePending) SendPendingSize(*Window);
            return TRUE;
        }
        Flags |= SWP_SHOWWINDOW;
        if (Child) Flags |= SWP_NOACTIVATE | SWP_NOZORDER;
        break;
    case SW_SHOWNOACTIVATE:
        Flags |= SWP_SHOWWINDOW | SWP_NOACTIVATE;
        Placement = TPlacement::Restore;
        break;
    case SW_SHOWNORMAL:
    case SW_SHOWDEFAULT:
    case SW_RESTORE:
        Flags |= SWP_SHOWWINDOW;
        Placement = TPlacement::Restore;
        break;
    default:
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    if (Show != WasVisible)
    {
        SendMessage(Handle, WM_SHOWWINDOW, Show, 0);
        if (!(Window = OwnWindow(Handle))) return FALSE;
    }
    RECT Target{};
    if (Place(Handle, *Window, Placement, Target))
    {
        Flags &= ~(SWP_NOSIZE | SWP_NOMOVE);
        Flags |= SWP_FRAMECHANGED;
    }
    if (!(Window = OwnWindow(Handle))) return FALSE;
    if (Flags & SWP_NOSIZE) Target = Window->WindowRect;
    SetWindowPos(Handle, HWND_TOP, Target.left, Target.top, Target.right - Target.left,
                 Target.bottom - Target.top, Flags);
    // An overlapped window hears its size and place at its first show, from
    // ShowWindow only: SetWindowPos with SWP_SHOWWINDOW leaves them pending.
    if (Show && (Window = OwnWindow(Handle)) && Window->SizePending) SendPendingSize(*Window);
    return WasVisible;
}

BOOL IsWindowVisible(HWND Handle)
{
    TWindow* Window = TWindowTable::Instance().FindOwn(Handle);
    return Window && IsShown(*Window);
}

BOOL EnableWindow(HWND Handle, BOOL Enable)
{
    TWindow* Window = OwnWindow(Handle);
    if (!Window) return FALSE;
    const bool WasDisabled = Window->Style & WS_DISABLED;
    if (Enable && WasDisabled)
    {
        Window->Style &= ~WS_DISABLED;
        SendMessage(Handle, WM_ENABLE, TRUE, 0);
    }
    else if (!Enable && !WasDisabled)
    {
        SendMessage(Handle, WM_CANCELMODE, 0, 0);
        if (!(Window = OwnWindow(Handle))) return TRUE;
        Window->Style |= WS_DISABLED;
        TDesktop& Desktop = TDesktop::Instance();
        TWindow* Focus = TWindowTable::Instance().FindOwn(Desktop.Focus);
        if (Focus && (Focus == Window || IsDescendant(*Window, *Focus))) SetFocus(nullptr);
        if (Desktop.Capture == Handle) ReleaseCapture();
        SendMessage(Handle, WM_ENABLE, FALSE, 0);
    }
    return WasDisabled;
}

BOOL IsWindowEnabled(HWND Handle)
{
    TWindow* Window = TWindowTable::Instance().FindOwn(Handle);
    return Window && !(Window->Style & WS_DISABLED);
}

BOOL IsIconic(HWND Handle)
{
    TWindow* Window = TWindowTable::Instance().FindOwn(Handle);
    return Window && (Window->Style & WS_MINIMIZE);
}

BOOL IsZoomed(HWND Handle)
{
    TWindow* Window = TWindowTable::Instance().FindOwn(Handle);
    return Window && (Window->Style & WS_MAXIMIZE);
}
