#include "platform/win/Timers.h"

#include "detail/Timers.h"
#include "detail/WindowTable.h"
#include "platform/win/LastError.h"
#include "platform/win/WinMessages.h"

#include <algorithm>
#include <vector>

namespace
{
struct TTimer
{
    HWND Window;
    UINT_PTR Id;
    UINT Period;
    TIMERPROC Proc;
    TClock::TimeMs Due;
};

struct TTimerList
{
    std::vector<TTimer> Timers;
    UINT_PTR NextThreadTimerId = 1;
};

thread_local TTimerList List;

TTimer* FindTimer(HWND Window, UINT_PTR Id)
{
    auto It = std::find_if(List.Timers.begin(), List.Timers.end(),
                           [&](const TTimer& T) { return T.Window == Window && T.Id == Id; });
    return It == List.Timers.end() ? nullptr : &*It;
}
} // namespace

UINT_PTR SetTimer(HWND Window, UINT_PTR Id, UINT Elapse, TIMERPROC Proc)
{
    if (Window && !TWindowTable::Instance().FindOwn(Window))
    {
        SetLastError(TWindowTable::Instance().Find(Window) ? ERROR_ACCESS_DENIED
                                                           : ERROR_INVALID_WINDOW_HANDLE);
        return 0;
    }
    UINT Period = std::clamp(Elapse, USER_TIMER_MINIMUM, USER_TIMER_MAXIMUM);
    TClock::TimeMs Due = CurrentClock()->Now() + Period;
    if (!Window && (!Id || !FindTimer(nullptr, Id)))
    {
        // Thread timers get ids of their own; 0 is never one.
        do
        {
            Id = List.NextThreadTimerId++;
        } while (!Id || FindTimer(nullptr, Id));
    }
    if (TTimer* Existing = FindTimer(Window, Id))
    {
        *Existing = {Window, Id, Period, Proc, Due};
    }
    else
    {
        List.Timers.push_back({Window, Id, Period, Proc, Due});
    }
    return Id;
}

BOOL KillTimer(HWND Window, UINT_PTR Id)
{
    auto Count = std::erase_if(List.Timers,
                               [&](const TTimer& T) { return T.Window == Window && T.Id == Id; });
    if (!Count)
    {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    return TRUE;
}

namespace TimerQueue
{
bool TakeDue(MSG& Out, TClock::TimeMs Now, const std::function<bool(HWND)>& Match, bool Remove)
{
    // Earliest due first, so that a short timer cannot starve a long one.
    TTimer* Best = nullptr;
    for (TTimer& T : List.Timers)
        if (T.Due <= Now && Match(T.Window) && (!Best || T.Due < Best->Due)) Best = &T;
    if (!Best) return false;
    Out = MSG{Best->Window,
              WM_TIMER,
              Best->Id,
              reinterpret_cast<LPARAM>(Best->Proc),
              static_cast<DWORD>(Now),
              {}};
    if (Remove)
    {
        // Keep the phase; skip whole periods that were missed.
        TClock::TimeMs Late = Now - Best->Due;
        Best->Due += (Late / Best->Period + 1) * Best->Period;
    }
    return true;
}

std::optional<TClock::TimeMs> NextDue(const std::function<bool(HWND)>& Match)
{
    std::optional<TClock::TimeMs> Result;
    for (const TTimer& T : List.Timers)
        if (Match(T.Window) && (!Result || T.Due < *Result)) Result = T.Due;
    return Result;
}

bool HasProc(HWND Window, UINT_PTR Id, TIMERPROC Proc)
{
    TTimer* T = FindTimer(Window, Id);
    return T && T->Proc == Proc;
}

void RemoveAllOf(HWND Window)
{
    std::erase_if(List.Timers, [&](const TTimer& T) { return T.Window == Window; });
}
} // namespace TimerQueue
