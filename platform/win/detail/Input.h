#pragma once

// The UI thread's translated input, as the message loop takes it.

#include "platform/win/WinTypes.h"

#include <functional>

// Translates queued raw input into its message (hit testing, WM_SETCURSOR
// and mouse activation happen here) and hands out the oldest one if Match
// accepts it.
bool TakeInputMessage(MSG& Out, const std::function<bool(const MSG&)>& Match, bool Remove);
// Drops pending input and tracking state of a window that is going away.
void ForgetInputWindow(HWND Window);
// Drops queued input and releases every key and button (a fresh desktop).
void ResetInput();
