#pragma once

#include "platform/win/WinTypes.h"

// The modal loop of a left press on a bar at a screen point: window bars
// (SB_HORZ, SB_VERT) from WM_SYSCOMMAND, a control (SB_CTL) from its own
// button press. Returns when the button is released, the capture is lost or
// the window is gone; a capture the window held before is kept.
void TrackScrollBar(HWND Window, int Bar, POINT Screen);
