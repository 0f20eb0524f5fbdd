#pragma once

#include "platform/gfx/DeviceContext.h"
#include "platform/gfx/Font.h"

#include <string_view>

// Draws decoded text runs for TextOut and DrawText. Internal to platform/gfx.
// Top is the logical top of the text cell; X the logical pen start. Each
// character whose Marks entry is true (Marks may be empty) gets an underline
// as wide as its advance. Returns the pen position after the run.
int PaintGlyphRun(TDeviceContext& Dc, const gfx::TFont& Font, int X, int Top,
                  std::u32string_view Text, std::u32string_view Marks = {});

// A horizontal bar of the text colour, logical coordinates.
void PaintTextBar(TDeviceContext& Dc, int X0, int X1, int Y, int Thickness);
