#pragma once

#include "platform/win/WinTypes.h"

// Shortest and longest timer periods; shorter and longer requests are clamped.
constexpr UINT USER_TIMER_MINIMUM = 0x0000000A;
constexpr UINT USER_TIMER_MAXIMUM = 0x7FFFFFFF;

// Starts or restarts a timer of the calling thread. With a window (which must
// belong to the calling thread) the timer is (Window, Id) and the result is
// Id; without one a new id is chosen and returned, unless Id names an
// existing thread timer, which is restarted. Every Elapse milliseconds (on
// the window system's clock) the thread's message loop delivers WM_TIMER
// with wParam = id and lParam = Proc; DispatchMessage calls Proc when given,
// else the window procedure. A timer that is late by several periods is
// delivered once. Returns 0 with the last error set on failure.
UINT_PTR SetTimer(HWND Window, UINT_PTR Id, UINT Elapse, TIMERPROC Proc);
// Stops a timer of the calling thread; FALSE when there is no such timer.
BOOL KillTimer(HWND Window, UINT_PTR Id);
