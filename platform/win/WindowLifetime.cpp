#include "platform/win/AtomTable.h"
#include "platform/win/LastError.h"
#include "platform/win/Messaging.h"
#include "platform/win/ThreadQueue.h"
#include "platform/win/Timers.h"
#include "platform/win/WinMessages.h"
#include "platform/win/WinStyles.h"
#include "platform/win/WindowApi.h"
#include "platform/win/WindowTable.h"

#include <algorithm>

namespace
{
TWindow* RootOf(TWindow* Window)
{
    while (Window && Window->Parent) Window = Window->Parent;
    return Window;
}

void Unlink(TWindow& Window)
{
    if (Window.Parent) std::erase(Window.Parent->Children, &Window);
    Window.Parent = nullptr;
    Window.TopLevel = false;
}

void ForgetOwner(TWindow& Owner)
{
    for (HWND Handle : TWindowTable::Instance().WindowsOfThread(Owner.ThreadId))
        if (TWindow* Window = TWindowTable::Instance().FindOwn(Handle); Window && Window->Owner == &Owner)
            Window->Owner = nullptr;
}

// Frees a window whose procedure has seen WM_NCDESTROY.
void Release(TWindow& Window)
{
    HWND Handle = Window.Handle;
    ForgetOwner(Window);
    Unlink(Window);
    TimerQueue::RemoveAllOf(Handle);
    Window.Queue->RemovePostedFor(Handle);
    auto Removed = TWindowTable::Instance().Remove(Handle);
    if (Removed && Removed->Class) TClassRegistry::Instance().RemoveWindow(*Removed->Class);
}

void MarkDestroying(TWindow& Window)
{
    Window.State = TWindow::TState::Destroying;
    for (TWindow* Child : Window.Children) MarkDestroying(*Child);
}

void SendDestroy(HWND Handle)
{
    SendMessage(Handle, WM_DESTROY, 0, 0);
    // The procedure may have destroyed children already; take a fresh list.
    TWindow* Window = TWindowTable::Instance().FindOwn(Handle);
    if (!Window) return;
    std::vector<HWND> Children;
    for (TWindow* Child : Window->Children) Children.push_back(Child->Handle);
    for (HWND Child : Children) SendDestroy(Child);
}

void SendNcDestroyAndRelease(HWND Handle)
{
    TWindow* Window = TWindowTable::Instance().FindOwn(Handle);
    if (!Window) return;
    std::vector<HWND> Children;
    for (TWindow* Child : Window->Children) Children.push_back(Child->Handle);
    for (HWND Child : Children) SendNcDestroyAndRelease(Child);
    SendMessage(Handle, WM_NCDESTROY, 0, 0);
    if ((Window = TWindowTable::Instance().FindOwn(Handle))) Release(*Window);
}

void DestroyOwnedWindows(TWindow& Owner)
{
    for (HWND Handle : TWindowTable::Instance().WindowsOfThread(Owner.ThreadId))
    {
        TWindow* Window = TWindowTable::Instance().FindOwn(Handle);
        if (Window && Window->Owner == &Owner && Window->State != TWindow::TState::Destroying) DestroyWindow(Handle);
    }
}

}

HWND CreateWindowEx(DWORD ExStyle, LPCSTR ClassName, LPCSTR WindowName, DWORD Style, int X, int Y, int Width,
                    int Height, HWND Parent, HMENU Menu, HINSTANCE Instance, LPVOID Param)
{
    auto Class = TClassRegistry::Instance().Find(ClassName);
    if (!Class)
    {
        SetLastError(ERROR_CANNOT_FIND_WND_CLASS);
        return nullptr;
    }
    auto& Table = TWindowTable::Instance();
    bool MessageOnly = Parent == HWND_MESSAGE;
    TWindow* ParentWindow = nullptr;
    if (Parent && !MessageOnly)
    {
        ParentWindow = Table.FindOwn(Parent);
        if (!ParentWindow)
        {
            SetLastError(Table.Find(Parent) ? ERROR_ACCESS_DENIED : ERROR_INVALID_WINDOW_HANDLE);
            return nullptr;
        }
    }
    if ((Style & WS_CHILD) && !ParentWindow && !MessageOnly)
    {
        SetLastError(ERROR_TLW_WITH_WSCHILD);
        return nullptr;
    }

    auto Window = std::make_unique<TWindow>();
    TWindow& W = *Window;
    W.ThreadId = GetCurrentThreadId();
    W.Queue = CurrentQueueShared();
    W.Class = Class;
    W.WndProc = Class->Info.lpfnWndProc;
    W.MessageOnly = MessageOnly;
    W.Style = MessageOnly ? (Style & ~(WS_VISIBLE | WS_CHILD)) : Style;
    W.ExStyle = ExStyle;
    W.Instance = Instance;
    W.Extra.assign(static_cast<size_t>(Class->Info.cbWndExtra), 0);
    if (X == CW_USEDEFAULT) X = Y = 0;
    if (Width == CW_USEDEFAULT) Width = Height = 0;
    W.WindowRect = {X, Y, X + std::max(Width, 0), Y + std::max(Height, 0)};
    if (ParentWindow && (Style & WS_CHILD))
    {
        W.Parent = ParentWindow;
        W.Id = reinterpret_cast<LONG_PTR>(Menu);
    }
    else if (ParentWindow)
    {
        W.Owner = RootOf(ParentWindow);
    }
    W.TopLevel = !W.Parent && !MessageOnly;

    HWND Handle = Table.Add(std::move(Window));
    if (!Handle)
    {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return nullptr;
    }
    TClassRegistry::Instance().AddWindow(*Class);
    // Children go below their siblings (creation order is z-order from the
    // top, which is the tab order); top-level windows go on top.
    if (W.Parent) W.Parent->Children.push_back(&W);

    std::string ClassText = IS_INTRESOURCE(ClassName) ? Class->Name : std::string(ClassName);
    CREATESTRUCT Create{Param, Instance, Menu, Parent, Height, Width, Y, X, static_cast<LONG>(Style),
                        WindowName, ClassText.c_str(), ExStyle};
    // The procedure may destroy the window from any of these messages.
    auto Live = [&] { return Table.FindOwn(Handle); };
    if (!SendMessage(Handle, WM_NCCREATE, 0, reinterpret_cast<LPARAM>(&Create)))
    {
        SendNcDestroyAndRelease(Handle);
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    if (!Live()) return nullptr;
    RECT Client = Live()->WindowRect;
    SendMessage(Handle, WM_NCCALCSIZE, FALSE, reinterpret_cast<LPARAM>(&Client));
    if (TWindow* Now = Live())
    {
        const RECT& R = Now->WindowRect;
        Now->ClientRect = {Client.left - R.left, Client.top - R.top, Client.right - R.left, Client.bottom - R.top};
    }
    if (SendMessage(Handle, WM_CREATE, 0, reinterpret_cast<LPARAM>(&Create)) == -1)
    {
        DestroyWindow(Handle);
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    TWindow* Now = Live();
    if (!Now) return nullptr;
    Now->State = TWindow::TState::Live;
    const RECT R = Now->WindowRect;
    const RECT C = Now->ClientRect;
    SendMessage(Handle, WM_SIZE, 0, MAKELPARAM(static_cast<WORD>(C.right - C.left), static_cast<WORD>(C.bottom - C.top)));
    if (!Live()) return nullptr;
    SendMessage(Handle, WM_MOVE, 0, MAKELPARAM(static_cast<WORD>(R.left + C.left), static_cast<WORD>(R.top + C.top)));
    return Live() ? Handle : nullptr;
}

BOOL DestroyWindow(HWND Handle)
{
    auto& Table = TWindowTable::Instance();
    TWindow* Window = Table.FindOwn(Handle);
    if (!Window)
    {
        SetLastError(Table.Find(Handle) ? ERROR_ACCESS_DENIED : ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    if (Window->State == TWindow::TState::Destroying) return FALSE;
    DestroyOwnedWindows(*Window);
    MarkDestroying(*Window);
    SendDestroy(Handle);
    SendNcDestroyAndRelease(Handle);
    return TRUE;
}

BOOL IsWindow(HWND Window)
{
    return TWindowTable::Instance().Find(Window) != nullptr;
}

DWORD GetWindowThreadProcessId(HWND Window, DWORD* ProcessId)
{
    DWORD ThreadId = 0;
    if (!TWindowTable::Instance().QueueOf(Window, &ThreadId))
    {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return 0;
    }
    if (ProcessId) *ProcessId = 1;
    return ThreadId;
}
