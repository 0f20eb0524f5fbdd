#pragma once

#include "platform/win/WinTypes.h"

// Id of the calling thread as the window system numbers threads (from 1).
DWORD GetCurrentThreadId();
