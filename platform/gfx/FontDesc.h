#pragma once

#include <string>

// What a caller asks for when it selects a font.
//
// Height follows the classic rule: negative = character height (the em size)
// in pixels, positive = cell height (ascent + descent), 0 = the default size
// (-11). Face is a family name looked up through fontconfig; unknown names
// fall back to a sans-serif face.
struct TFontDesc
{
    std::string Face = "MS Sans Serif";
    int Height = -11;
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool StrikeOut = false;

    friend bool operator==(const TFontDesc&, const TFontDesc&) = default;
};
