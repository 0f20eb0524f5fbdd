#pragma once

// The window system's public interface: windows, messages, timers.

#include "platform/win/AtomTable.h"
#include "platform/win/LastError.h"
#include "platform/win/Messaging.h"
#include "platform/win/ThreadQueue.h"
#include "platform/win/Timers.h"
#include "platform/win/WinMessages.h"
#include "platform/win/WinStyles.h"
#include "platform/win/WinTypes.h"
#include "platform/win/WindowApi.h"
#include "platform/win/WindowClass.h"
