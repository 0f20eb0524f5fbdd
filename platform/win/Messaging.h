#pragma once

// Posting, sending and retrieving messages.

#include "platform/win/WinTypes.h"

// PostMessage / SendMessage to every top-level window.
inline const HWND HWND_BROADCAST = reinterpret_cast<HWND>(static_cast<LONG_PTR>(0xFFFF));

constexpr UINT PM_NOREMOVE = 0x0000;
constexpr UINT PM_REMOVE = 0x0001;
constexpr UINT PM_NOYIELD = 0x0002;

// The id registered for Name (any thread; the same name, compared without
// regard to case, always gives the same id, from 0xC000 up). 0 for an empty
// name or when the table is full.
UINT RegisterWindowMessage(LPCSTR Name);

// Any thread; never waits for the receiving thread. Queues the message for
// the window's thread (Window null: the calling thread). FALSE with the last
// error set when the window is invalid (ERROR_INVALID_WINDOW_HANDLE) or the
// receiving queue is gone or holds 10000 messages (ERROR_NOT_ENOUGH_QUOTA).
BOOL PostMessage(HWND Window, UINT Message, WPARAM WParam, LPARAM LParam);
// Any thread. Queues a message without window for the given thread.
BOOL PostThreadMessage(DWORD ThreadId, UINT Message, WPARAM WParam, LPARAM LParam);
// Calls the window procedure and returns its result. From the window's own
// thread this is a direct call; from another thread the message waits in the
// receiving thread's queue until its message loop answers it, and the
// caller keeps answering messages sent to itself meanwhile. 0 with the last
// error set for an invalid window.
LRESULT SendMessage(HWND Window, UINT Message, WPARAM WParam, LPARAM LParam);
// Queues a quit request: once no posted message is left, GetMessage returns
// WM_QUIT with wParam = ExitCode.
void PostQuitMessage(int ExitCode);

// Retrieves the next message for the calling thread: messages sent from other
// threads are answered first, then posted messages in order, then the quit
// request, then due timers (WM_TIMER). Window null: any window of the thread
// and thread messages; (HWND)-1: thread messages only; else that window and
// its descendants. MinMessage = MaxMessage = 0 accepts every message.
// GetMessage blocks until a message is available (no polling: it wakes on a
// post or at the next timer) and returns 0 for WM_QUIT, -1 for an invalid
// window filter, else nonzero. PeekMessage never blocks; PM_REMOVE takes the
// message out.
BOOL GetMessage(MSG* Out, HWND Window, UINT MinMessage, UINT MaxMessage);
BOOL PeekMessage(MSG* Out, HWND Window, UINT MinMessage, UINT MaxMessage, UINT RemoveFlags);
// Blocks until the calling thread's queue gets something new.
BOOL WaitMessage();
// Calls the window procedure of Message->hwnd (a window of the calling
// thread), or for WM_TIMER with a timer procedure that procedure. Returns the
// procedure's result.
LRESULT DispatchMessage(const MSG* Message);

// Time of the last retrieved message, on the window system's clock.
LONG GetMessageTime();
// Screen position of the pointer for the last retrieved message, packed as
// MAKELONG(x, y).
DWORD GetMessagePos();
// Milliseconds on the window system's clock; wraps after 49.7 days.
DWORD GetTickCount();
