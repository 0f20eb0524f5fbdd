#pragma once

#include "platform/win/WinTypes.h"

// AnimateWindow flags. Without AW_BLEND or AW_CENTER the direction flags say
// where the window unrolls (or with AW_SLIDE slides in) from; a horizontal
// and a vertical one may be combined. Hiding plays the frames of showing
// with the same flags backwards.
constexpr DWORD AW_HOR_POSITIVE = 0x00000001; // left to right
constexpr DWORD AW_HOR_NEGATIVE = 0x00000002; // right to left
constexpr DWORD AW_VER_POSITIVE = 0x00000004; // top to bottom
constexpr DWORD AW_VER_NEGATIVE = 0x00000008; // bottom to top
constexpr DWORD AW_CENTER = 0x00000010;       // grows from (shrinks to) the centre
constexpr DWORD AW_HIDE = 0x00010000;
constexpr DWORD AW_ACTIVATE = 0x00020000;
constexpr DWORD AW_SLIDE = 0x00040000;
constexpr DWORD AW_BLEND = 0x00080000; // fades

// The default length of an animation given a Time of 0, in milliseconds.
constexpr DWORD AnimateWindowDefaultTime = 200;

// Shows (or with AW_HIDE hides) a visible-to-be top-level window over Time
// milliseconds of the window system's clock. The call returns at once: the
// window is shown (activated only with AW_ACTIVATE) before it returns, the
// frames follow on the thread's message loop from a window timer, and a
// hidden window is hidden at the last frame. Frames only change what the
// desktop shows (the window's shape, position of its picture and opacity):
// the window's own geometry, region and hit testing stay as they are. A new
// call, or one for a window being animated, first ends the running
// animation at its last frame.
//
// FALSE with the last error ERROR_INVALID_WINDOW_HANDLE for a window that is
// not one of the calling thread's; ERROR_INVALID_PARAMETER for a child or
// message-only window, for both directions of one axis, or for a roll or
// slide without a direction; FALSE (no error) for showing a visible window
// or hiding a hidden one.
BOOL AnimateWindow(HWND Window, DWORD Time, DWORD Flags);
