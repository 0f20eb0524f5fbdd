#pragma once

#include "platform/win/Clock.h"
#include "platform/win/WinTypes.h"

#include <functional>
#include <optional>

// The calling thread's timers, as its message loop uses them.
namespace TimerQueue
{
// Produces WM_TIMER for the first due timer accepted by Match; Remove
// re-arms it one or more whole periods later.
bool TakeDue(MSG& Out, TClock::TimeMs Now, const std::function<bool(HWND)>& Match, bool Remove);
std::optional<TClock::TimeMs> NextDue(const std::function<bool(HWND)>& Match);
bool HasProc(HWND Window, UINT_PTR Id, TIMERPROC Proc);
void RemoveAllOf(HWND Window);
} // namespace TimerQueue
