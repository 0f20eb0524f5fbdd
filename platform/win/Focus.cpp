#include "platform/win/Focus.h"

#include "detail/Desktop.h"
#include "detail/Focus.h"
#include "detail/WindowGeometry.h"
#include "detail/WindowTable.h"
#include "detail/WindowTree.h"
#include "platform/win/Backend.h"
#include "platform/win/LastError.h"
#include "platform/win/Messaging.h"
#include "platform/win/ThreadQueue.h"
#include "platform/win/WinMessages.h"
#include "platform/win/WinStyles.h"
#include "platform/win/WindowApi.h"
#include "platform/win/WindowPos.h"
#include "platform/win/WindowState.h"

#include <utility>
#include <vector>

namespace
{
void ChangeFocus(HWND New)
{
    TDesktop& Desktop = TDesktop::Instance();
    HWND Old = Desktop.Focus;
    if (Old == New) return;
    // The new focus is in place before WM_KILLFOCUS, so the losing window
    // sees where the focus went.
    Desktop.Focus = New;
    if (Old && IsWindow(Old)) SendMessage(Old, WM_KILLFOCUS, reinterpret_cast<WPARAM>(New), 0);
    if (Desktop.Focus != New) return; // changed again by the losing window
    if (New && IsWindow(New)) SendMessage(New, WM_SETFOCUS, reinterpret_cast<WPARAM>(Old), 0);
}

void SendActivateApp(bool Active)
{
    std::vector<HWND> Windows;
    for (TWindow* W : TDesktop::Instance().TopLevel)
        Windows.push_back(W->Handle);
    for (HWND W : Windows)
        if (IsWindow(W)) SendMessage(W, WM_ACTIVATEAPP, Active, 0);
}

bool CanActivate(const TWindow& Window)
{
    return (Window.Style & WS_VISIBLE) && !(Window.Style & WS_DISABLED) &&
           !(Window.ExStyle & WS_EX_NOACTIVATE) && !(Window.Style & WS_MINIMIZE);
}
} // namespace

HWND SetActiveWindowMode(HWND Handle, WORD Mode)
{
    TDesktop& Desktop = TDesktop::Instance();
    if (Handle)
    {
        TWindow* Window = OwnWindow(Handle);
        if (!Window) return nullptr;
        if (Window->Style & WS_CHILD) return Desktop.Active;
        Handle = RootOf(Window)->Handle;
    }
    HWND Old = Desktop.Active;
    if (Old == Handle && (Desktop.AppActive || !Handle)) return Old;
    Desktop.Active = Handle;
    if (Old && Old != Handle && IsWindow(Old))
    {
        SendMessage(Old, WM_NCACTIVATE, FALSE, 0);
        SendMessage(Old, WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, IsIconic(Old) ? 1 : 0),
                    reinterpret_cast<LPARAM>(Handle));
        if (Desktop.Active != Handle) return Old;
    }
    if (!Handle)
    {
        ChangeFocus(nullptr);
        return Old;
    }
    {
        HWND Outer = std::exchange(Desktop.Raising, Handle);
        SetWindowPos(Handle, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        Desktop.Raising = Outer;
    }
    if (!IsWindow(Handle) || Desktop.Active != Handle) return Old;
    if (!Desktop.AppActive)
    {
        Desktop.AppActive = true;
        SendActivateApp(true);
        if (Desktop.Active != Handle) return Old;
    }
    if (TBackend* Backend = CurrentBackend()) Backend->WindowActivated(Handle);
    SendMessage(Handle, WM_NCACTIVATE, TRUE, 0);
    SendMessage(Handle, WM_ACTIVATE, MAKEWPARAM(Mode, IsIconic(Handle) ? 1 : 0),
                reinterpret_cast<LPARAM>(Old));
    if (!IsWindow(Handle) || Desktop.Active != Handle) return Old;
    // The focus belongs inside the active window.
    TWindow* Focus = TWindowTable::Instance().FindOwn(Desktop.Focus);
    TWindow* Active = TWindowTable::Instance().FindOwn(Handle);
    if (!Focus || RootOf(Focus) != Active) ChangeFocus(Handle);
    return Old;
}

HWND SetFocus(HWND Handle)
{
    TDesktop& Desktop = TDesktop::Instance();
    HWND Old = Desktop.Focus;
    if (!Handle)
    {
        ChangeFocus(nullptr);
        return Old;
    }
    TWindow* Window = OwnWindow(Handle);
    if (!Window) return nullptr;
    // Neither a minimized nor a disabled window (or one inside such) takes the focus.
    for (TWindow* W = Window; W; W = W->Parent)
        if (W->Style & (WS_MINIMIZE | WS_DISABLED)) return nullptr;
    if (Handle == Old) return Old;
    TWindow* Root = RootOf(Window);
    if (Root->Handle != Desktop.Active)
    {
        SetActiveWindowMode(Root->Handle, WA_ACTIVE);
        if (!IsWindow(Handle) || Desktop.Active != Root->Handle) return nullptr;
        Old = Desktop.Focus;
        if (Old == Handle) return Old;
    }
    ChangeFocus(Handle);
    return Old;
}

HWND GetFocus()
{
    return TDesktop::Instance().Focus;
}

HWND SetActiveWindow(HWND Handle)
{
    return SetActiveWindowMode(Handle, WA_ACTIVE);
}

HWND GetActiveWindow()
{
    return TDesktop::Instance().Active;
}

BOOL SetForegroundWindow(HWND Handle)
{
    if (!OwnWindow(Handle)) return FALSE;
    SetActiveWindowMode(Handle, WA_ACTIVE);
    return TRUE;
}

HWND GetForegroundWindow()
{
    const TDesktop& Desktop = TDesktop::Instance();
    return Desktop.AppActive ? Desktop.Active : nullptr;
}

HWND SetCapture(HWND Handle)
{
    TDesktop& Desktop = TDesktop::Instance();
    if (!OwnWindow(Handle)) return nullptr;
    HWND Old = Desktop.Capture;
    Desktop.Capture = Handle;
    if (Old && Old != Handle && IsWindow(Old))
        SendMessage(Old, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(Handle));
    return Old;
}

BOOL ReleaseCapture()
{
    TDesktop& Desktop = TDesktop::Instance();
    HWND Old = Desktop.Capture;
    if (!Old) return TRUE;
    Desktop.Capture = nullptr;
    if (IsWindow(Old)) SendMessage(Old, WM_CAPTURECHANGED, 0, 0);
    return TRUE;
}

HWND GetCapture()
{
    return TDesktop::Instance().Capture;
}

void ActivateOtherWindow(HWND Leaving)
{
    TDesktop& Desktop = TDesktop::Instance();
    TWindow* Window = TWindowTable::Instance().FindOwn(Leaving);
    if (Window && Window->Owner && CanActivate(*Window->Owner))
    {
        SetActiveWindowMode(Window->Owner->Handle, WA_ACTIVE);
        return;
    }
    for (TWindow* Candidate : Desktop.TopLevel)
        if (Candidate != Window && CanActivate(*Candidate) &&
            !(Candidate->ExStyle & WS_EX_TOOLWINDOW))
        {
            SetActiveWindowMode(Candidate->Handle, WA_ACTIVE);
            return;
        }
    SetActiveWindowMode(nullptr, WA_ACTIVE);
}

void AppFocusLost()
{
    TDesktop& Desktop = TDesktop::Instance();
    if (!Desktop.AppActive) return;
    HWND Old = Desktop.Active;
    Desktop.AppActive = false;
    Desktop.Active = nullptr;
    if (Old && IsWindow(Old))
    {
        SendMessage(Old, WM_NCACTIVATE, FALSE, 0);
        SendMessage(Old, WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, IsIconic(Old) ? 1 : 0), 0);
    }
    SendActivateApp(false);
    ChangeFocus(nullptr);
}
