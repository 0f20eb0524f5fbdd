#pragma once

#include "framework/controls/ControlTypes.h"

#include <cstdint>
#include <string>

// A key combination as menus store it: the virtual key in the low byte and
// the modifiers as flags above it (classic values), 0 for none.
using TShortCut = uint16_t;
constexpr TShortCut scShift = 0x2000;
constexpr TShortCut scCtrl = 0x4000;
constexpr TShortCut scAlt = 0x8000;
constexpr TShortCut scNone = 0;

TShortCut ShortCut(unsigned short Key, TShiftState Shift);
// "Ctrl+Shift+S", "F4", "Del", "Alt+Enter"; empty for 0 or a key without a
// name.
std::string ShortCutToText(TShortCut Value);
// The reverse of ShortCutToText, without regard to case; 0 when Text does
// not name a key.
TShortCut TextToShortCut(const std::string& Text);
