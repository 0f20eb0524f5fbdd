#pragma once

#include "platform/win/WinTypes.h"

struct WNDCLASSEX
{
    UINT cbSize;
    UINT style;
    WNDPROC lpfnWndProc;
    int cbClsExtra;
    int cbWndExtra;
    HINSTANCE hInstance;
    HICON hIcon;
    HCURSOR hCursor;
    HBRUSH hbrBackground;
    LPCSTR lpszMenuName;
    LPCSTR lpszClassName;
    HICON hIconSm;
};

struct WNDCLASS
{
    UINT style;
    WNDPROC lpfnWndProc;
    int cbClsExtra;
    int cbWndExtra;
    HINSTANCE hInstance;
    HICON hIcon;
    HCURSOR hCursor;
    HBRUSH hbrBackground;
    LPCSTR lpszMenuName;
    LPCSTR lpszClassName;
};

// Registers a window class for the whole process. The name is copied and
// compared without regard to case. Returns the class atom, or 0 with the last
// error set: ERROR_INVALID_PARAMETER (no name, no procedure, negative extra
// sizes), ERROR_CLASS_ALREADY_EXISTS.
ATOM RegisterClassEx(const WNDCLASSEX* Class);
ATOM RegisterClass(const WNDCLASS* Class);
// Fails with ERROR_CLASS_DOES_NOT_EXIST, or ERROR_CLASS_HAS_WINDOWS while a
// window of the class exists.
BOOL UnregisterClass(LPCSTR ClassName, HINSTANCE Instance);
// Fills Out (cbSize kept) from a registered class. FALSE with
// ERROR_CLASS_DOES_NOT_EXIST when unknown.
BOOL GetClassInfoEx(HINSTANCE Instance, LPCSTR ClassName, WNDCLASSEX* Out);
