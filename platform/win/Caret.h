#pragma once

// The caret: one blinking, inverted rectangle per UI thread, drawn in the
// client area of the window that owns it.

#include "platform/win/WinTypes.h"

// Creates the caret for Window (hidden: show it with ShowCaret), replacing
// any caret there was. Shape is ignored (a solid caret); Width and Height in
// pixels, 0 meaning the system border width / height.
BOOL CreateCaret(HWND Window, void* Shape, int Width, int Height);
BOOL DestroyCaret();
// Hide calls nest: ShowCaret undoes one HideCaret. Window null: the caret's
// window. FALSE when the caret does not belong to Window.
BOOL ShowCaret(HWND Window);
BOOL HideCaret(HWND Window);
// Position in the caret window's client coordinates.
BOOL SetCaretPos(int X, int Y);
BOOL GetCaretPos(POINT* Point);
UINT GetCaretBlinkTime();
BOOL SetCaretBlinkTime(UINT Milliseconds);
