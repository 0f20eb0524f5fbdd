#pragma once

#include "platform/win/WinTypes.h"

// Removes every window of an ending thread without sending messages.
void DiscardThreadWindows(DWORD ThreadId);
