#pragma once

// What a window holds: window words, procedure, text and named values.

#include "platform/win/WinTypes.h"

constexpr int GWLP_WNDPROC = -4;
constexpr int GWLP_HINSTANCE = -6;
constexpr int GWLP_HWNDPARENT = -8;
constexpr int GWLP_ID = -12;
constexpr int GWL_STYLE = -16;
constexpr int GWL_EXSTYLE = -20;
constexpr int GWLP_USERDATA = -21;
constexpr int GWL_WNDPROC = GWLP_WNDPROC;
constexpr int GWL_ID = GWLP_ID;
constexpr int GWL_USERDATA = GWLP_USERDATA;

// Window words. Negative indices are the GWL*_ values; others are byte
// offsets into the class's cbWndExtra bytes. Setting GWLP_WNDPROC replaces
// the window procedure and returns the previous one (call it through
// CallWindowProc); setting GWL_STYLE or GWL_EXSTYLE sends WM_STYLECHANGING and
// WM_STYLECHANGED. Return 0 with the last error set on a bad handle or index
// (an unchanged value of 0 leaves the last error at 0).
LONG_PTR GetWindowLongPtr(HWND Window, int Index);
LONG_PTR SetWindowLongPtr(HWND Window, int Index, LONG_PTR Value);
LONG GetWindowLong(HWND Window, int Index);
LONG SetWindowLong(HWND Window, int Index, LONG Value);

LRESULT CallWindowProc(WNDPROC Proc, HWND Window, UINT Message, WPARAM WParam, LPARAM LParam);

// Through WM_SETTEXT / WM_GETTEXT / WM_GETTEXTLENGTH. GetWindowText copies at
// most MaxCount - 1 bytes and a terminating zero; returns the bytes copied.
BOOL SetWindowText(HWND Window, LPCSTR Text);
int GetWindowText(HWND Window, LPSTR Buffer, int MaxCount);
int GetWindowTextLength(HWND Window);

// Named values per window; the window system never owns or frees them.
BOOL SetProp(HWND Window, LPCSTR Name, void* Data);
void* GetProp(HWND Window, LPCSTR Name);
void* RemoveProp(HWND Window, LPCSTR Name);
