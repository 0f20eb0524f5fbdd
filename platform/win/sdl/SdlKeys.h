#pragma once

#include "platform/win/WinTypes.h"

// The virtual-key code of an SDL key (SDL_Keycode), 0 when it has none.
UINT VirtualKeyFromSdl(int Keycode);
