#pragma once

#include "platform/gfx/Color.h"

#include <array>
#include <string>

// The five built-in styles and the colours their pictures are drawn in.
// The face, border, accent and scroll-bar colours are the ones the styles'
// theme tables give the controls, so pictures and plain fills agree.
enum class TStyle
{
    MacOS,
    WinXP,
    DeepBlue,
    Protein,
    BlueGlass,
};

constexpr std::array<TStyle, 5> AllStyles = {TStyle::MacOS, TStyle::WinXP, TStyle::DeepBlue,
                                             TStyle::Protein, TStyle::BlueGlass};

struct TPalette
{
    TColor Face;       // form and control face
    TColor Border;     // control border
    TColor Accent;     // selected menu item
    TColor ScrollBack; // scroll-bar background
    TColor Text;       // control text
};

const TPalette& PaletteOf(TStyle Style);

// "MACOS", "WINXP", ...: the first word of the style's resource names.
std::string Prefix(TStyle Style);
// Prefix + "_" + Element.
std::string ArtName(TStyle Style, const char* Element);

// The colour of the style's title picture at row Y, away from any
// decoration: what title-bar buttons stand on.
TColor TitleColour(TStyle Style, int Y);
// The row of the title picture at which the style's title-bar buttons start.
int TitleButtonRow(TStyle Style);
