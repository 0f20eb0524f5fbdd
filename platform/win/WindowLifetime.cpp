#include "platform/win/WindowLifetime.h"

#include "detail/Caret.h"
#include "detail/DefWindowProc.h"
#include "detail/Desktop.h"
#include "detail/Input.h"
#include "detail/ThreadQueue.h"
#include "detail/Timers.h"
#include "detail/WindowClass.h"
#include "detail/WindowLifetime.h"
#include "detail/WindowPos.h"
#include "detail/WindowTable.h"
#include "detail/WindowTree.h"
#include "platform/win/AtomTable.h"
#include "platform/win/Backend.h"
#include "platform/win/Focus.h"
#include "platform/win/LastError.h"
#include "platform/win/Messaging.h"
#include "platform/win/ThreadQueue.h"
#include "platform/win/Timers.h"
#include "platform/win/WinMessages.h"
#include "platform/win/WinStyles.h"
#include "platform/win/WindowApi.h"
#include "platform/win/WindowPos.h"
#include "platform/win/WindowState.h"

#include <algorithm>
#include <utility>

namespace
{
// Forgets the input state that names a window which is going away.
void ForgetInputState(HWND Handle)
{
    TDesktop& Desktop = TDesktop::Instance();
    if (Desktop.Focus == Handle) Desktop.Focus = nullptr;
    if (Desktop.Active == Handle) Desktop.Active = nullptr;
    if (Desktop.Capture == Handle) Desktop.Capture = nullptr;
}

void SendParentNotify(HWND Handle, UINT Event)
{
    for (TWindow* W = TWindowTable::Instance().FindOwn(Handle); W && W->Parent;)
    {
        if (!(W->Style & WS_CHILD) || (W->ExStyle & WS_EX_NOPARENTNOTIFY)) break;
        HWND Parent = W->Parent->Handle;
        SendMessage(Parent, WM_PARENTNOTIFY,
                    MAKEWPARAM(static_cast<WORD>(Event), static_cast<WORD>(W->Id)),
                    reinterpret_cast<LPARAM>(Handle));
        W = TWindowTable::Instance().FindOwn(Parent);
    }
}

void ForgetOwner(TWindow& Owner)
{
    for (HWND Handle : TWindowTable::Instance().WindowsOfThread(Owner.ThreadId))
        if (TWindow* Window = TWindowTable::Instance().FindOwn(Handle);
            Window && Window->Owner == &Owner)
            Window->Owner = nullptr;
}

// Frees a window whose procedure has seen WM_NCDESTROY.
void Release(TWindow& Window)
{
    HWND Handle = Window.Handle;
    ForgetOwner(Window);
    ForgetInputState(Handle);
    bool TopLevel = Window.TopLevel;
    UnlinkWindow(Window);
    if (TopLevel)
        if (TBackend* Backend = CurrentBackend()) Backend->WindowDestroyed(Handle);
    TimerQueue::RemoveAllOf(Handle);
    Window.Queue->RemovePostedFor(Handle);
    if (Window.ThreadId == TDesktop::Instance().UiThread)
    {
        ForgetInputWindow(Handle);
        CaretWindowDestroyed(Handle);
    }
    auto Removed = TWindowTable::Instance().Remove(Handle);
    if (Removed && Removed->Class) TClassRegistry::Instance().RemoveWindow(*Removed->Class);
}

void MarkDestroying(TWindow& Window)
{
    Window.State = TWindow::TState::Destroying;
    for (TWindow* Child : Window.Children)
        MarkDestroying(*Child);
}

void SendDestroy(HWND Handle)
{
    SendMessage(Handle, WM_DESTROY, 0, 0);
    // The procedure may have destroyed children already; take a fresh list.
    TWindow* Window = TWindowTable::Instance().FindOwn(Handle);
    if (!Window) return;
    std::vector<HWND> Children;
    for (TWindow* Child : Window->Children)
        Children.push_back(Child->Handle);
    for (HWND Child : Children)
        SendDestroy(Child);
}

void SendNcDestroyAndRelease(HWND Handle)
{
    TWindow* Window = TWindowTable::Instance().FindOwn(Handle);
    if (!Window) return;
    std::vector<HWND> Children;
    for (TWindow* Child : Window->Children)
        Children.push_back(Child->Handle);
    for (HWND Child : Children)
        SendNcDestroyAndRelease(Child);
    SendMessage(Handle, WM_NCDESTROY, 0, 0);
    if ((Window = TWindowTable::Instance().FindOwn(Handle))) Release(*Window);
}

void DestroyOwnedWindows(TWindow& Owner)
{
    for (HWND Handle : TWindowTable::Instance().WindowsOfThread(Owner.ThreadId))
    {
        TWindow* Window = TWindowTable::Instance().FindOwn(Handle);
        if (Window && Window->Owner == &Owner && Window->State != TWindow::TState::Destroying)
            DestroyWindow(Handle);
    }
}

// The window a new one is created under (its parent with WS_CHILD, else its
// owner), which must be the calling thread's; a child needs one. False with
// the last error set when Parent cannot be used.
bool FindCreationParent(HWND Parent, DWORD Style, TWindow*& ParentWindow)
{
    auto& Table = TWindowTable::Instance();
    ParentWindow = Parent ? Table.FindOwn(Parent) : nullptr;
    if (Parent && !ParentWindow)
    {
        SetLastError(Table.Find(Parent) ? ERROR_ACCESS_DENIED : ERROR_INVALID_WINDOW_HANDLE);
        return false;
    }
    if ((Style & WS_CHILD) && !ParentWindow)
    {
        SetLastError(ERROR_TLW_WITH_WSCHILD);
        return false;
    }
    return true;
}

// All top-level windows belong to the thread that created the first one.
bool ClaimUiThread()
{
    TDesktop& Desktop = TDesktop::Instance();
    DWORD None = 0;
    Desktop.UiThread.compare_exchange_strong(None, GetCurrentThreadId());
    if (Desktop.UiThread == GetCurrentThreadId()) return true;
    SetLastError(ERROR_ACCESS_DENIED);
    return false;
}

// The window's record, in the table and linked into the tree; null when the
// table is full.
HWND AddWindow(const std::shared_ptr<TWindowClass>& Class, const CREATESTRUCT& Create,
               TWindow* ParentWindow, bool MessageOnly)
{
    auto& Table = TWindowTable::Instance();
    const DWORD Style = static_cast<DWORD>(Create.style);
    auto Window = std::make_unique<TWindow>();
    TWindow& W = *Window;
    W.ThreadId = GetCurrentThreadId();
    W.Queue = CurrentQueueShared();
    W.Class = Class;
    W.WndProc = Class->Info.lpfnWndProc;
    W.MessageOnly = MessageOnly;
    // WS_VISIBLE is set by the ShowWindow at the end of creation.
    W.Style = Style & ~WS_VISIBLE;
    if (MessageOnly) W.Style &= ~WS_CHILD;
    W.ExStyle = Create.dwExStyle;
    W.Instance = Create.hInstance;
    W.Extra.assign(static_cast<size_t>(Class->Info.cbWndExtra), 0);
    W.WindowRect = {Create.x, Create.y, Create.x + std::max(Create.cx, 0),
                    Create.y + std::max(Create.cy, 0)};
    W.NormalRect = W.WindowRect;
    if (ParentWindow && (Style & WS_CHILD))
    {
        W.Parent = ParentWindow;
        W.Id = reinterpret_cast<LONG_PTR>(Create.hMenu);
    }
    else if (ParentWindow)
    {
        W.Owner = RootOf(ParentWindow);
    }

    HWND Handle = Table.Add(std::move(Window));
    if (!Handle) return nullptr;
    TClassRegistry::Instance().AddWindow(*Class);
    // Children go below their siblings (creation order is z-order from the
    // top, which is the tab order); top-level windows go on top.
    TWindow* LinkParent = std::exchange(W.Parent, nullptr);
    LinkWindow(W, LinkParent, LinkParent ? HWND_BOTTOM : HWND_TOP);
    if (W.TopLevel)
        if (TBackend* Backend = CurrentBackend()) Backend->WindowCreated(Handle);

    return Handle;
}

// Holds a new top-level window that can be sized to its track sizes
// (WM_GETMINMAXINFO) before it hears of its creation. False when the window
// is gone.
bool HoldToTrackSizes(HWND Handle, CREATESTRUCT& Create)
{
    int LimitedWidth = std::max(Create.cx, 0);
    int LimitedHeight = std::max(Create.cy, 0);
    LimitSize(Handle, LimitedWidth, LimitedHeight);
    TWindow* Window = TWindowTable::Instance().FindOwn(Handle);
    if (!Window) return false;
    Window->WindowRect.right = Window->WindowRect.left + LimitedWidth;
    Window->WindowRect.bottom = Window->WindowRect.top + LimitedHeight;
    Window->NormalRect = Window->WindowRect;
    Create.cx = LimitedWidth;
    Create.cy = LimitedHeight;
    return true;
}

// WM_GETMINMAXINFO (sizable top-level windows), WM_NCCREATE, WM_NCCALCSIZE,
// WM_CREATE and, but for overlapped windows, WM_SIZE and WM_MOVE. False when
// the window refused or is gone.
bool SendCreationMessages(HWND Handle, CREATESTRUCT& Create, bool TopLevel)
{
    auto& Table = TWindowTable::Instance();
    const DWORD Style = static_cast<DWORD>(Create.style);
    // The procedure may destroy the window from any of these messages.
    auto Live = [&] { return Table.FindOwn(Handle); };
    if (TopLevel && HasSizeLimits(Style) && !(Style & (WS_MINIMIZE | WS_MAXIMIZE)) &&
        !HoldToTrackSizes(Handle, Create))
        return false;
    if (!SendMessage(Handle, WM_NCCREATE, 0, reinterpret_cast<LPARAM>(&Create)))
    {
        SendNcDestroyAndRelease(Handle);
        SetLastError(ERROR_INVALID_PARAMETER);
        return false;
    }
    if (!Live()) return false;
    RECT Client = Live()->WindowRect;
    SendMessage(Handle, WM_NCCALCSIZE, FALSE, reinterpret_cast<LPARAM>(&Client));
    if (TWindow* Now = Live())
    {
        const RECT& R = Now->WindowRect;
        Now->ClientRect = {Client.left - R.left, Client.top - R.top, Client.right - R.left,
                           Client.bottom - R.top};
    }
    if (SendMessage(Handle, WM_CREATE, 0, reinterpret_cast<LPARAM>(&Create)) == -1)
    {
        DestroyWindow(Handle);
        SetLastError(ERROR_INVALID_PARAMETER);
        return false;
    }
    TWindow* Now = Live();
    if (!Now) return false;
    Now->State = TWindow::TState::Live;
    // An overlapped window hears its size and place when first shown.
    if (TopLevel && !(Style & WS_POPUP))
        Now->SizePending = true;
    else
    {
        SendPendingSize(*Now);
        if (!Live()) return false;
    }
    return true;
}

// What follows the creation messages: the minimized or maximized state,
// WM_PARENTNOTIFY and the show for WS_VISIBLE.
HWND FinishCreation(HWND Handle, DWORD Style)
{
    auto& Table = TWindowTable::Instance();
    auto Live = [&] { return Table.FindOwn(Handle); };
    if (Style & (WS_MINIMIZE | WS_MAXIMIZE))
    {
        Live()->Style &= ~(WS_MINIMIZE | WS_MAXIMIZE);
        ShowWindow(Handle, (Style & WS_MINIMIZE) ? SW_MINIMIZE : SW_MAXIMIZE);
        if (!(Style & WS_VISIBLE) && Live()) ShowWindow(Handle, SW_HIDE);
    }
    SendParentNotify(Handle, WM_CREATE);
    if (!Live()) return nullptr;
    if ((Style & WS_VISIBLE) && !(Live()->Style & WS_VISIBLE)) ShowWindow(Handle, SW_SHOW);
    return Live() ? Handle : nullptr;
}
} // namespace

HWND CreateWindowEx(DWORD ExStyle, LPCSTR ClassName, LPCSTR WindowName, DWORD Style, int X, int Y,
                    int Width, int Height, HWND Parent, HMENU Menu, HINSTANCE Instance,
                    LPVOID Param)
{
    auto Class = TClassRegistry::Instance().Find(ClassName);
    if (!Class)
    {
        SetLastError(ERROR_CANNOT_FIND_WND_CLASS);
        return nullptr;
    }
    const bool MessageOnly = Parent == HWND_MESSAGE;
    TWindow* ParentWindow = nullptr;
    if (!MessageOnly && !FindCreationParent(Parent, Style, ParentWindow)) return nullptr;
    const bool TopLevel = !MessageOnly && !(Style & WS_CHILD);
    if (TopLevel)
    {
        if (!ClaimUiThread()) return nullptr;
        // An overlapped window always has a caption.
        if (!(Style & WS_POPUP)) Style |= WS_CAPTION | WS_CLIPSIBLINGS;
    }

    if (X == CW_USEDEFAULT) X = Y = 0;
    if (Width == CW_USEDEFAULT) Width = Height = 0;
    const std::string ClassText = IS_INTRESOURCE(ClassName) ? Class->Name : std::string(ClassName);
    CREATESTRUCT Create{Param,
                        Instance,
                        Menu,
                        Parent,
                        Height,
                        Width,
                        Y,
                        X,
                        static_cast<LONG>(Style),
                        WindowName,
                        ClassText.c_str(),
                        ExStyle};
    HWND Handle = AddWindow(Class, Create, ParentWindow, MessageOnly);
    if (!Handle)
    {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return nullptr;
    }
    if (!SendCreationMessages(Handle, Create, TopLevel)) return nullptr;
    return FinishCreation(Handle, Style);
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
    SendParentNotify(Handle, WM_DESTROY);
    if (!(Window = Table.FindOwn(Handle))) return TRUE;
    if (Window->Style & WS_VISIBLE)
    {
        // A child is hidden as ShowWindow hides it; a top-level window
        // without WM_SHOWWINDOW and without activating anything on the way.
        if (Window->Style & WS_CHILD)
            ShowWindow(Handle, SW_HIDE);
        else
            SetWindowPos(Handle, nullptr, 0, 0, 0, 0,
                         SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        if (!(Window = Table.FindOwn(Handle))) return TRUE;
    }
    DestroyOwnedWindows(*Window);
    if (!(Window = Table.FindOwn(Handle))) return TRUE;
    MarkDestroying(*Window);
    SendDestroy(Handle);
    // The capture is given up between WM_DESTROY and WM_NCDESTROY.
    TDesktop& Desktop = TDesktop::Instance();
    if (TWindow* Capture = Table.FindOwn(Desktop.Capture);
        Capture && (Window = Table.FindOwn(Handle)) &&
        (Capture == Window || IsDescendant(*Window, *Capture)))
        ReleaseCapture();
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

void DiscardThreadWindows(DWORD ThreadId)
{
    // The thread is ending: its procedures cannot run any more, so the
    // windows go without messages. Links are cut first, as parents and
    // children are freed in no particular order.
    auto& Table = TWindowTable::Instance();
    std::vector<HWND> Handles = Table.WindowsOfThread(ThreadId);
    for (HWND Handle : Handles)
        if (TWindow* Window = Table.Find(Handle))
        {
            ForgetInputState(Handle);
            TimerQueue::RemoveAllOf(Handle);
            if (Window->TopLevel)
            {
                std::erase(TDesktop::Instance().TopLevel, Window);
                if (TBackend* Backend = CurrentBackend()) Backend->WindowDestroyed(Handle);
            }
        }
    for (HWND Handle : Handles)
    {
        auto Window = Table.Remove(Handle);
        if (Window && Window->Class) TClassRegistry::Instance().RemoveWindow(*Window->Class);
    }
}
