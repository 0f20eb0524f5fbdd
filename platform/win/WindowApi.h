#pragma once

// Creating, destroying and describing windows.

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
// Default handling of every message a window procedure does not handle.
LRESULT DefWindowProc(HWND Window, UINT Message, WPARAM WParam, LPARAM LParam);

// Through WM_SETTEXT / WM_GETTEXT / WM_GETTEXTLENGTH. GetWindowText copies at
// most MaxCount - 1 bytes and a terminating zero; returns the bytes copied.
BOOL SetWindowText(HWND Window, LPCSTR Text);
int GetWindowText(HWND Window, LPSTR Buffer, int MaxCount);
int GetWindowTextLength(HWND Window);

// Named values per window; the window system never owns or frees them.
BOOL SetProp(HWND Window, LPCSTR Name, void* Data);
void* GetProp(HWND Window, LPCSTR Name);
void* RemoveProp(HWND Window, LPCSTR Name);
