#pragma once

#include "platform/win/WinTypes.h"

// Default handling of every message a window procedure does not handle.
LRESULT DefWindowProc(HWND Window, UINT Message, WPARAM WParam, LPARAM LParam);
