#pragma once

#include "platform/gfx/DeviceContext.h"
#include "platform/gfx/Font.h"

#include <string_view>

// Text in the context's font. Strings are UTF-8; positions are logical.

// Metrics of the selected font.
TTextMetric GetTextMetrics(const TDeviceContext& Dc);
// Width (sum of advances) and height (the font's cell height) of one line.
TSize GetTextExtent(const TDeviceContext& Dc, std::string_view Text);
// Draws one line with its cell's top-left corner at (X, Y) in the text
// colour; in opaque background mode the cell box is first filled with the
// background colour. The font's underline and strike-out are drawn.
void TextOut(TDeviceContext& Dc, int X, int Y, std::string_view Text);
