#pragma once

#include "detail/Window.h"

// Sends the WM_SIZE and WM_MOVE an overlapped window did not get at
// creation; at its first show.
void SendPendingSize(TWindow& Window);
