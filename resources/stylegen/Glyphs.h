#pragma once

#include <initializer_list>
#include <string_view>

// Pixel glyphs shared by the element families ('X' marks a pixel).
using TPixelGlyph = std::initializer_list<std::string_view>;

// A check mark of 7 x 7 pixels.
extern const TPixelGlyph CheckMark7;

// Title-bar glyphs in a 9 x 9 cell (19- and 21-pixel buttons) and a 7 x 7
// cell (17-pixel buttons), in the order of the title-button strip: control
// box, help, maximize, restore, minimize, close.
extern const TPixelGlyph TitleGlyphs9[6];
extern const TPixelGlyph TitleGlyphs7[6];
