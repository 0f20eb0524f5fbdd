#include "platform/win/Messaging.h"

#include "detail/Desktop.h"
#include "detail/Input.h"
#include "detail/Painting.h"
#include "detail/QueueRegistry.h"
#include "detail/ThreadQueue.h"
#include "detail/Timers.h"
#include "detail/WindowDc.h"
#include "detail/WindowTable.h"
#include "platform/win/AtomTable.h"
#include "platform/win/Backend.h"
#include "platform/win/LastError.h"
#include "platform/win/ThreadQueue.h"
#include "platform/win/Timers.h"
#include "platform/win/WinMessages.h"
#include "platform/win/WindowApi.h"

#include <algorithm>
#include <vector>

namespace
{
thread_local LONG LastMessageTime = 0;
thread_local POINT LastMessagePos{};

const HWND ThreadMessagesOnly = reinterpret_cast<HWND>(static_cast<LONG_PTR>(-1));

void CollectTree(TWindow& Window, std::vector<HWND>& Out)
{
    Out.push_back(Window.Handle);
    for (TWindow* Child : Window.Children)
        CollectTree(*Child, Out);
}

// Which windows a message filter accepts; taken once per scan so that no
// window lookup happens under a queue lock.
struct TFilter
{
    bool AnyWindow = false;
    bool ThreadOnly = false;
    std::vector<HWND> Windows;
    UINT Min = 0;
    UINT Max = 0;

    bool AcceptsWindow(HWND Window) const
    {
        if (AnyWindow) return true;
        if (ThreadOnly) return Window == nullptr;
        return std::find(Windows.begin(), Windows.end(), Window) != Windows.end();
    }
    bool AcceptsMessage(UINT Message) const
    {
        return (Min == 0 && Max == 0) || (Message >= Min && Message <= Max);
    }
};

bool MakeFilter(HWND Window, UINT Min, UINT Max, TFilter& Out)
{
    Out.Min = Min;
    Out.Max = Max;
    if (!Window)
    {
        Out.AnyWindow = true;
        return true;
    }
    if (Window == ThreadMessagesOnly)
    {
        Out.ThreadOnly = true;
        return true;
    }
    TWindow* Own = TWindowTable::Instance().FindOwn(Window);
    if (!Own) return false;
    CollectTree(*Own, Out.Windows);
    return true;
}

void AnswerSentMessages(TMessageQueue& Queue)
{
    while (auto Sent = Queue.TakeSent())
    {
        LRESULT Result = 0;
        if (TWindow* Window = TWindowTable::Instance().FindOwn(Sent->Window))
            Result = CallWindowProc(Window->WndProc, Sent->Window, Sent->Message, Sent->WParam,
                                    Sent->LParam);
        Sent->Sender->Complete(*Sent, Result);
    }
}

// One scan of the queue in retrieval order; false when nothing matched.
bool ScanOnce(TMessageQueue& Queue, const TFilter& Filter, TClock& Clock, MSG& Out, bool Remove,
              bool UiThread)
{
    AnswerSentMessages(Queue);
    auto Match = [&](const MSG& M)
    { return Filter.AcceptsWindow(M.hwnd) && Filter.AcceptsMessage(M.message); };
    if (Queue.TakePosted(Out, Match, Remove)) return true;
    int ExitCode = 0;
    if (Filter.AcceptsMessage(WM_QUIT) && Queue.TakeQuit(ExitCode, Remove))
    {
        Out =
            MSG{nullptr, WM_QUIT, static_cast<WPARAM>(ExitCode), 0, static_cast<DWORD>(Clock.Now()),
                {}};
        return true;
    }
    // Input and painting belong to the UI thread's windows only.
    if (UiThread && TakeInputMessage(Out, Match, Remove)) return true;
    if (UiThread && Filter.AcceptsMessage(WM_PAINT) && TakePaintMessage(Out, Match)) return true;
    if (Filter.AcceptsMessage(WM_TIMER) &&
        TimerQueue::TakeDue(
            Out, Clock.Now(), [&](HWND W) { return Filter.AcceptsWindow(W); }, Remove))
        return true;
    return false;
}

bool Retrieve(MSG& Out, HWND Window, UINT Min, UINT Max, bool Remove, bool Block)
{
    TFilter Filter;
    if (!MakeFilter(Window, Min, Max, Filter))
    {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return false;
    }
    TMessageQueue& Queue = CurrentQueue();
    const bool UiThread = TDesktop::Instance().UiThread == Queue.ThreadId();
    for (;;)
    {
        TBackend* Backend = UiThread ? CurrentBackend() : nullptr;
        if (Backend) Backend->PumpEvents();
        auto Clock = CurrentClock();
        uint64_t Seen = Queue.ChangeCount();
        if (ScanOnce(Queue, Filter, *Clock, Out, Remove, UiThread))
        {
            LastMessageTime = static_cast<LONG>(Out.time);
            LastMessagePos = Out.pt;
            return true;
        }
        // Everything that was due is painted: show it, once per window.
        if (UiThread) PresentDirtyWindows();
        if (!Block) return false;
        bool HasDue = false;
        TClock::TimeMs Due = 0;
        if (Filter.AcceptsMessage(WM_TIMER))
            if (auto Next = TimerQueue::NextDue([&](HWND W) { return Filter.AcceptsWindow(W); }))
            {
                HasDue = true;
                Due = *Next;
            }
        if (Backend && Backend->OwnsWaiting())
        {
            // OS events and posts both end the backend's wait: a post
            // after the count was read has already woken it.
            Queue.SetWaker(
                []
                {
                    if (TBackend* Current = CurrentBackend()) Current->Wake();
                });
            if (Queue.ChangeCount() != Seen) continue;
            const TClock::TimeMs Now = Clock->Now();
            Backend->WaitEvents(HasDue ? std::optional<TClock::TimeMs>(Due > Now ? Due - Now : 0)
                                       : std::nullopt);
            continue;
        }
        Queue.Wait(Seen, *Clock, HasDue, Due);
    }
}

MSG MakePosted(HWND Window, UINT Message, WPARAM WParam, LPARAM LParam)
{
    return MSG{Window, Message, WParam, LParam, static_cast<DWORD>(CurrentClock()->Now()), {}};
}
} // namespace

UINT RegisterWindowMessage(LPCSTR Name)
{
    return TAtomTable::Instance().Add(Name);
}

BOOL PostMessage(HWND Window, UINT Message, WPARAM WParam, LPARAM LParam)
{
    if (Window == HWND_BROADCAST)
    {
        for (HWND Target : TWindowTable::Instance().TopLevelWindows())
            PostMessage(Target, Message, WParam, LParam);
        return TRUE;
    }
    std::shared_ptr<TMessageQueue> Queue =
        Window ? TWindowTable::Instance().QueueOf(Window) : CurrentQueueShared();
    if (!Queue)
    {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    if (!Queue->Post(MakePosted(Window, Message, WParam, LParam)))
    {
        SetLastError(ERROR_NOT_ENOUGH_QUOTA);
        return FALSE;
    }
    return TRUE;
}

BOOL PostThreadMessage(DWORD ThreadId, UINT Message, WPARAM WParam, LPARAM LParam)
{
    auto Queue = ThreadId == GetCurrentThreadId() ? CurrentQueueShared()
                                                  : TQueueRegistry::Instance().Find(ThreadId);
    if (!Queue)
    {
        SetLastError(ERROR_INVALID_THREAD_ID);
        return FALSE;
    }
    if (!Queue->Post(MakePosted(nullptr, Message, WParam, LParam)))
    {
        SetLastError(ERROR_NOT_ENOUGH_QUOTA);
        return FALSE;
    }
    return TRUE;
}

LRESULT SendMessage(HWND Window, UINT Message, WPARAM WParam, LPARAM LParam)
{
    if (Window == HWND_BROADCAST)
    {
        for (HWND Target : TWindowTable::Instance().TopLevelWindows())
            SendMessage(Target, Message, WParam, LParam);
        return 0;
    }
    DWORD Owner = 0;
    auto Target = TWindowTable::Instance().QueueOf(Window, &Owner);
    if (!Target)
    {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return 0;
    }
    if (Owner == GetCurrentThreadId())
    {
        TWindow* W = TWindowTable::Instance().FindOwn(Window);
        return W ? CallWindowProc(W->WndProc, Window, Message, WParam, LParam) : 0;
    }
    auto Own = CurrentQueueShared();
    auto Sent = std::make_shared<TSentMessage>();
    *Sent = TSentMessage{Window, Message, WParam, LParam, 0, false, Own};
    if (!Target->PushSent(Sent))
    {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return 0;
    }
    for (;;)
    {
        uint64_t Seen = Own->ChangeCount();
        AnswerSentMessages(*Own);
        LRESULT Result = 0;
        if (Own->Answered(*Sent, Result)) return Result;
        Own->Wait(Seen, *CurrentClock(), false, 0);
    }
}

void PostQuitMessage(int ExitCode)
{
    CurrentQueue().SetQuit(ExitCode);
}

BOOL GetMessage(MSG* Out, HWND Window, UINT MinMessage, UINT MaxMessage)
{
    if (!Out)
    {
        SetLastError(ERROR_INVALID_PARAMETER);
        return -1;
    }
    if (!Retrieve(*Out, Window, MinMessage, MaxMessage, true, true)) return -1;
    return Out->message == WM_QUIT ? FALSE : TRUE;
}

BOOL PeekMessage(MSG* Out, HWND Window, UINT MinMessage, UINT MaxMessage, UINT RemoveFlags)
{
    if (!Out)
    {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    return Retrieve(*Out, Window, MinMessage, MaxMessage, (RemoveFlags & PM_REMOVE) != 0, false)
               ? TRUE
               : FALSE;
}

BOOL WaitMessage()
{
    TMessageQueue& Queue = CurrentQueue();
    uint64_t Seen = Queue.ChangeCount();
    auto Clock = CurrentClock();
    auto Next = TimerQueue::NextDue([](HWND) { return true; });
    if (Next && *Next <= Clock->Now()) return TRUE;
    Queue.Wait(Seen, *Clock, Next.has_value(), Next.value_or(0));
    return TRUE;
}

LRESULT DispatchMessage(const MSG* Message)
{
    if (!Message) return 0;
    if (Message->message == WM_TIMER && Message->lParam)
    {
        auto Proc = reinterpret_cast<TIMERPROC>(Message->lParam);
        // Only a procedure that belongs to a live timer is called.
        if (TimerQueue::HasProc(Message->hwnd, Message->wParam, Proc))
            Proc(Message->hwnd, WM_TIMER, Message->wParam, GetTickCount());
        return 0;
    }
    if (!Message->hwnd) return 0;
    TWindow* Window = TWindowTable::Instance().FindOwn(Message->hwnd);
    if (!Window)
    {
        SetLastError(IsWindow(Message->hwnd) ? ERROR_ACCESS_DENIED : ERROR_INVALID_WINDOW_HANDLE);
        return 0;
    }
    LRESULT Result = CallWindowProc(Window->WndProc, Message->hwnd, Message->message,
                                    Message->wParam, Message->lParam);
    if (Message->message == WM_PAINT) FinishPaintMessage(Message->hwnd);
    return Result;
}

LONG GetMessageTime()
{
    return LastMessageTime;
}

DWORD GetMessagePos()
{
    return static_cast<DWORD>(
        MAKELONG(static_cast<WORD>(LastMessagePos.x), static_cast<WORD>(LastMessagePos.y)));
}

DWORD GetTickCount()
{
    return static_cast<DWORD>(CurrentClock()->Now());
}
