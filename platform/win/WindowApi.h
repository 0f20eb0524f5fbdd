#pragma once

// Creating, destroying and describing windows.

#include "platform/win/DefWindowProc.h"
#include "platform/win/WindowData.h"
#include "platform/win/WindowLifetime.h"
