#pragma once

// Mouse and keyboard: raw input from a backend (or a test), its translation
// into window messages, key state, cursors, leave tracking and beeps.

#include "platform/win/WinTypes.h"

// Virtual-key codes.
constexpr UINT VK_LBUTTON = 0x01;
constexpr UINT VK_RBUTTON = 0x02;
constexpr UINT VK_MBUTTON = 0x04;
constexpr UINT VK_BACK = 0x08;
constexpr UINT VK_TAB = 0x09;
constexpr UINT VK_RETURN = 0x0D;
constexpr UINT VK_SHIFT = 0x10;
constexpr UINT VK_CONTROL = 0x11;
constexpr UINT VK_MENU = 0x12;
constexpr UINT VK_PAUSE = 0x13;
constexpr UINT VK_CAPITAL = 0x14;
constexpr UINT VK_ESCAPE = 0x1B;
constexpr UINT VK_SPACE = 0x20;
constexpr UINT VK_PRIOR = 0x21;
constexpr UINT VK_NEXT = 0x22;
constexpr UINT VK_END = 0x23;
constexpr UINT VK_HOME = 0x24;
constexpr UINT VK_LEFT = 0x25;
constexpr UINT VK_UP = 0x26;
constexpr UINT VK_RIGHT = 0x27;
constexpr UINT VK_DOWN = 0x28;
constexpr UINT VK_INSERT = 0x2D;
constexpr UINT VK_DELETE = 0x2E;
constexpr UINT VK_NUMPAD0 = 0x60;
constexpr UINT VK_MULTIPLY = 0x6A;
constexpr UINT VK_ADD = 0x6B;
constexpr UINT VK_SUBTRACT = 0x6D;
constexpr UINT VK_DECIMAL = 0x6E;
constexpr UINT VK_DIVIDE = 0x6F;
constexpr UINT VK_F1 = 0x70;
constexpr UINT VK_F4 = 0x73;
constexpr UINT VK_F10 = 0x79;
constexpr UINT VK_F12 = 0x7B;
constexpr UINT VK_NUMLOCK = 0x90;
constexpr UINT VK_LSHIFT = 0xA0;
constexpr UINT VK_RSHIFT = 0xA1;
constexpr UINT VK_LCONTROL = 0xA2;
constexpr UINT VK_RCONTROL = 0xA3;
constexpr UINT VK_LMENU = 0xA4;
constexpr UINT VK_RMENU = 0xA5;
constexpr UINT VK_OEM_1 = 0xBA;      // ;:
constexpr UINT VK_OEM_PLUS = 0xBB;   // =+
constexpr UINT VK_OEM_COMMA = 0xBC;  // ,<
constexpr UINT VK_OEM_MINUS = 0xBD;  // -_
constexpr UINT VK_OEM_PERIOD = 0xBE; // .>
constexpr UINT VK_OEM_2 = 0xBF;      // /?
constexpr UINT VK_OEM_3 = 0xC0;      // `~
constexpr UINT VK_OEM_4 = 0xDB;      // [{
constexpr UINT VK_OEM_5 = 0xDC;      // \|
constexpr UINT VK_OEM_6 = 0xDD;      // ]}
constexpr UINT VK_OEM_7 = 0xDE;      // '"

// Key message lParam flag bits (in the high word).
constexpr WORD KF_EXTENDED = 0x0100;
constexpr WORD KF_ALTDOWN = 0x2000;
constexpr WORD KF_REPEAT = 0x4000;
constexpr WORD KF_UP = 0x8000;

// One event as a backend (or a test) reports it, in screen coordinates.
struct TRawInput
{
    enum class TKind
    {
        MouseMove,
        ButtonDown,
        ButtonUp,
        Wheel,
        KeyDown,
        KeyUp,
    };
    enum class TButton
    {
        Left,
        Right,
        Middle,
    };

    TKind Kind = TKind::MouseMove;
    POINT Screen{}; // mouse events
    TButton Button = TButton::Left;
    int WheelDelta = 0;  // multiples of WHEEL_DELTA, positive away from the user
    UINT VirtualKey = 0; // key events
    UINT ScanCode = 0;
    bool Extended = false;
};

// Queues raw input for the UI thread's message loop (call on the UI thread).
// The loop turns it into messages in order, after posted messages: hit test,
// WM_SETCURSOR, mouse activation, then the mouse or key message itself.
void QueueRawInput(const TRawInput& Input);

// Posts WM_CHAR / WM_SYSCHAR for a key-down message that produces a
// character (US layout, with Shift, Caps Lock and Ctrl). TRUE when it did.
BOOL TranslateMessage(const MSG* Message);
// High bit: down; low bit: toggled (Caps Lock). As of the last retrieved
// input; GetAsyncKeyState as of the last raw input.
SHORT GetKeyState(int VirtualKey);
SHORT GetAsyncKeyState(int VirtualKey);
// All 256 key states as GetKeyState sees them (high bit down, low bit toggled).
BOOL GetKeyboardState(BYTE* States);
// The deepest visible, enabled window under a screen point whose hit test
// is not transparent.
HWND WindowFromPoint(POINT Point);
BOOL GetCursorPos(POINT* Point);
BOOL SetCursorPos(int X, int Y);

constexpr DWORD TME_HOVER = 0x00000001;
constexpr DWORD TME_LEAVE = 0x00000002;
constexpr DWORD TME_NONCLIENT = 0x00000010;
constexpr DWORD TME_CANCEL = 0x80000000;
struct TRACKMOUSEEVENT
{
    DWORD cbSize;
    DWORD dwFlags;
    HWND hwndTrack;
    DWORD dwHoverTime;
};
constexpr DWORD HOVER_DEFAULT = 0xFFFFFFFF;
// TME_LEAVE: posts WM_MOUSELEAVE (WM_NCMOUSELEAVE with TME_NONCLIENT) once
// the pointer leaves the window's client (non-client) area. TME_HOVER: posts
// WM_MOUSEHOVER (WM_NCMOUSEHOVER) once the pointer rested within a small box
// for the hover time (HOVER_DEFAULT: 400 ms). Each ends after its message.
BOOL TrackMouseEvent(TRACKMOUSEEVENT* Track);

// Cursors. LoadCursor takes the IDC_* ids with a null instance.
inline LPCSTR MAKEINTRESOURCE(WORD Id)
{
    return reinterpret_cast<LPCSTR>(static_cast<ULONG_PTR>(Id));
}
inline const LPCSTR IDC_ARROW = MAKEINTRESOURCE(32512);
inline const LPCSTR IDC_IBEAM = MAKEINTRESOURCE(32513);
inline const LPCSTR IDC_WAIT = MAKEINTRESOURCE(32514);
inline const LPCSTR IDC_CROSS = MAKEINTRESOURCE(32515);
inline const LPCSTR IDC_SIZENWSE = MAKEINTRESOURCE(32642);
inline const LPCSTR IDC_SIZENESW = MAKEINTRESOURCE(32643);
inline const LPCSTR IDC_SIZEWE = MAKEINTRESOURCE(32644);
inline const LPCSTR IDC_SIZENS = MAKEINTRESOURCE(32645);
inline const LPCSTR IDC_SIZEALL = MAKEINTRESOURCE(32646);
inline const LPCSTR IDC_NO = MAKEINTRESOURCE(32648);
inline const LPCSTR IDC_HAND = MAKEINTRESOURCE(32649);
// The shared cursor of a standard id; null for other ids.
HCURSOR LoadCursor(HINSTANCE Instance, LPCSTR Name);
// Sets the pointer's shape; returns the previous cursor.
HCURSOR SetCursor(HCURSOR Cursor);
HCURSOR GetCursor();
// The standard id a cursor was loaded from (0 for none).
WORD CursorId(HCURSOR Cursor);

constexpr UINT MB_OK = 0x00000000;
constexpr UINT MB_ICONERROR = 0x00000010;
// Asks the backend for a beep; counted for tests.
BOOL MessageBeep(UINT Type);
int BeepCount();
