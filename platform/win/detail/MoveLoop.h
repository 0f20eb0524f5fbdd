#pragma once

// The modal loop that moves (HTCAPTION) or sizes (HTLEFT .. HTBOTTOMRIGHT)
// a window with the mouse until the left button is released or Escape
// cancels. It holds the capture, sends WM_ENTERSIZEMOVE, WM_MOVING /
// position changes and WM_EXITSIZEMOVE, and answers other messages as the
// outer loop would. A WM_QUIT that arrives ends it and is posted again for
// the outer loop.

#include "platform/win/WinTypes.h"

void RunSizeMoveLoop(HWND Window, LRESULT HitCode, POINT StartScreen);
// The modal loop of a caption button (HTCLOSE, HTMINBUTTON, HTMAXBUTTON):
// true when the button was released over the same button.
bool TrackCaptionButton(HWND Window, LRESULT HitCode);
