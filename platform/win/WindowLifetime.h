#pragma once

// Creating and destroying windows.

#include "platform/win/WinTypes.h"

struct CREATESTRUCT
{
    LPVOID lpCreateParams;
    HINSTANCE hInstance;
    HMENU hMenu;
    HWND hwndParent;
    int cy;
    int cx;
    int y;
    int x;
    LONG style;
    LPCSTR lpszName;
    LPCSTR lpszClass;
    DWORD dwExStyle;
};

constexpr int CW_USEDEFAULT = static_cast<int>(0x80000000);

// Parent that makes a message-only window: never shown, no surface, only
// receives sent and posted messages and timers.
inline const HWND HWND_MESSAGE = reinterpret_cast<HWND>(static_cast<LONG_PTR>(-3));

// Creates a window of a registered class on the calling thread. Parent may
// be HWND_MESSAGE, a window of the calling thread (with WS_CHILD: the parent;
// without: the owner), or null for a top-level window. For child windows
// Menu is the child id. Param reaches WM_NCCREATE and WM_CREATE through
// CREATESTRUCT::lpCreateParams. Returns null with the last error set when the
// class is unknown, the parent invalid, or the procedure refuses creation
// (WM_NCCREATE answers FALSE or WM_CREATE answers -1).
HWND CreateWindowEx(DWORD ExStyle, LPCSTR ClassName, LPCSTR WindowName, DWORD Style, int X, int Y,
                    int Width, int Height, HWND Parent, HMENU Menu, HINSTANCE Instance,
                    LPVOID Param);
// Destroys a window of the calling thread with its children and owned
// windows: WM_DESTROY from the window down, then WM_NCDESTROY from the
// leaves up. Its timers and posted messages go with it.
BOOL DestroyWindow(HWND Window);
// Any thread.
BOOL IsWindow(HWND Window);
// Any thread. The owning thread's id; ProcessId (may be null) gets 1.
DWORD GetWindowThreadProcessId(HWND Window, DWORD* ProcessId);
