#pragma once

// Basic types of the window system, with the classic names and widths so that
// window code and message numbers read the same everywhere.

#include <cstdint>

using BOOL = int;
using BYTE = uint8_t;
using WORD = uint16_t;
using SHORT = int16_t;
using DWORD = uint32_t;
using LONG = int32_t;
using UINT = unsigned int;
using INT_PTR = intptr_t;
using UINT_PTR = uintptr_t;
using LONG_PTR = intptr_t;
using ULONG_PTR = uintptr_t;
using WPARAM = UINT_PTR;
using LPARAM = LONG_PTR;
using LRESULT = LONG_PTR;
using ATOM = WORD;
using LPCSTR = const char*;
using LPSTR = char*;
using LPVOID = void*;

#ifndef TRUE
#define TRUE 1
#endif
#ifndef FALSE
#define FALSE 0
#endif

// Window handles are opaque: a slot index and a generation, so that a handle
// of a destroyed window never names a later window that reuses the slot.
struct HWND__;
using HWND = HWND__*;
struct HINSTANCE__;
using HINSTANCE = HINSTANCE__*;
struct HMENU__;
using HMENU = HMENU__*;
struct HICON__;
using HICON = HICON__*;
using HCURSOR = HICON;
struct HBRUSH__;
using HBRUSH = HBRUSH__*;

struct POINT
{
    LONG x;
    LONG y;
};

struct SIZE
{
    LONG cx;
    LONG cy;
};

struct RECT
{
    LONG left;
    LONG top;
    LONG right;
    LONG bottom;
};

struct MSG
{
    HWND hwnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    DWORD time;
    POINT pt;
};

using WNDPROC = LRESULT (*)(HWND, UINT, WPARAM, LPARAM);
using TIMERPROC = void (*)(HWND, UINT, UINT_PTR, DWORD);

constexpr WORD LOWORD(ULONG_PTR Value)
{
    return static_cast<WORD>(Value & 0xFFFF);
}
constexpr WORD HIWORD(ULONG_PTR Value)
{
    return static_cast<WORD>((Value >> 16) & 0xFFFF);
}
constexpr BYTE LOBYTE(ULONG_PTR Value)
{
    return static_cast<BYTE>(Value & 0xFF);
}
constexpr LONG MAKELONG(WORD Low, WORD High)
{
    return static_cast<LONG>(static_cast<DWORD>(Low) | (static_cast<DWORD>(High) << 16));
}
constexpr WPARAM MAKEWPARAM(WORD Low, WORD High)
{
    return static_cast<WPARAM>(static_cast<DWORD>(MAKELONG(Low, High)));
}
constexpr LPARAM MAKELPARAM(WORD Low, WORD High)
{
    return static_cast<LPARAM>(MAKELONG(Low, High));
}
// Signed coordinates packed into a message parameter (mouse messages).
constexpr int GET_X_LPARAM(LPARAM Value)
{
    return static_cast<short>(LOWORD(static_cast<ULONG_PTR>(Value)));
}
constexpr int GET_Y_LPARAM(LPARAM Value)
{
    return static_cast<short>(HIWORD(static_cast<ULONG_PTR>(Value)));
}
