#pragma once

// The window system's public interface: windows, messages, timers, input,
// focus, the non-client frame and system metrics.

#include "platform/win/AtomTable.h"
#include "platform/win/Caret.h"
#include "platform/win/Clipboard.h"
#include "platform/win/DcOrigin.h"
#include "platform/win/FileDrop.h"
#include "platform/win/Focus.h"
#include "platform/win/Input.h"
#include "platform/win/LastError.h"
#include "platform/win/Messaging.h"
#include "platform/win/NonClient.h"
#include "platform/win/ScrollBars.h"
#include "platform/win/SystemMetrics.h"
#include "platform/win/ThreadQueue.h"
#include "platform/win/Timers.h"
#include "platform/win/WinMessages.h"
#include "platform/win/WinPaint.h"
#include "platform/win/WinStyles.h"
#include "platform/win/WinTypes.h"
#include "platform/win/WindowApi.h"
#include "platform/win/WindowClass.h"
#include "platform/win/WindowPos.h"
#include "platform/win/WindowRegion.h"
#include "platform/win/WindowState.h"
#include "platform/win/WindowTree.h"
