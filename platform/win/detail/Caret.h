#pragma once

#include "platform/win/WinTypes.h"

// Painting hides the caret of the window being painted and shows it again
// afterwards, so that its inverted pixels never mix with new paint.
void CaretBeforePaint(HWND Window);
void CaretAfterPaint(HWND Window);
// The caret goes with its window.
void CaretWindowDestroyed(HWND Window);
