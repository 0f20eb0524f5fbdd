#pragma once

#include "platform/gfx/Color.h"

class TWinControl;

// Frames Control's whole window (frame included) with a one-pixel line in
// BorderColor and, with DrawInner, a second one inside it in InnerColor.
// Does nothing for a control without a window.
void DrawControlBorder(TWinControl* Control, TColor BorderColor, TColor InnerColor, bool DrawInner);
