#pragma once

#include "platform/gfx/Color.h"

#include <optional>
#include <string>

// Form definitions write named colours by name ("clLime", "clBtnFace");
// reading uses the graphics layer's ColorFromName. Nothing for a colour
// without a name.
std::optional<std::string> ColorToIdent(TColor Color);
