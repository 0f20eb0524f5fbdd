#pragma once

#include "platform/win/Backend.h"

#include <memory>
#include <string>

// Starts and installs the backend a program runs on, before its first
// top-level window: the in-memory desktop when Headless is set, else real
// windows through SDL. Returns null and says why in Error when real windows
// cannot start (no display). The backend uninstalls itself when destroyed.
// Real windows are enlarged by Scale (1 to 3; 0: the desktop's own factor);
// the in-memory desktop is always at 96 dpi.
std::unique_ptr<TBackend> StartBackend(bool Headless, std::string& Error, int Scale = 1);
