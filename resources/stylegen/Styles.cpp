#include "resources/stylegen/Styles.h"

#include "resources/stylegen/Art.h"

#include <algorithm>

namespace
{
const TPalette Palettes[] = {
    // MacOS
    {0xE7E7E7, 0x7F7F7F, 0xC47339, 0xC9C9C9, 0x000000},
    // WinXP
    {0xDEEBEF, 0x686868, 0xC66931, 0xF9F9F9, 0xCF4602},
    // DeepBlue
    {0xE8E8E8, 0x000000, 0xA04A44, 0xF5F5F5, 0x000000},
    // Protein
    {0xFBFBFB, 0x000000, 0xC4302D, 0xF5F5F5, 0x000000},
    // BlueGlass
    {0xE7E7E7, 0x000000, 0xEC5E5E, 0xF4F4F4, 0x000000},
};

TColor Along(std::initializer_list<TColor> Stops, int Y, int Height)
{
    const double T = std::clamp(static_cast<double>(Y) / (Height - 1), 0.0, 1.0);
    const int N = static_cast<int>(Stops.size());
    const double P = T * (N - 1);
    const int I = std::min(static_cast<int>(P), N - 2);
    return Mix(Stops.begin()[I], Stops.begin()[I + 1], P - I);
}
} // namespace

const TPalette& PaletteOf(TStyle Style)
{
    return Palettes[static_cast<int>(Style)];
}

std::string Prefix(TStyle Style)
{
    switch (Style)
    {
    case TStyle::MacOS:
        return "MACOS";
    case TStyle::WinXP:
        return "WINXP";
    case TStyle::DeepBlue:
        return "DEEPBLUE";
    case TStyle::Protein:
        return "PROTEIN";
    case TStyle::BlueGlass:
        return "BLUEGLASS";
    }
    return {};
}

std::string ArtName(TStyle Style, const char* Element)
{
    return Prefix(Style) + "_" + Element;
}

TColor TitleColour(TStyle Style, int Y)
{
    switch (Style)
    {
    case TStyle::MacOS:
        // Pinstripes between a white top line and a grey bottom line.
        if (Y == 0) return 0xFFFFFF;
        if (Y >= 22) return 0x8C8C8C;
        return Y % 2 ? RGB(0xEE, 0xEE, 0xEE) : RGB(0xE2, 0xE2, 0xE2);
    case TStyle::WinXP:
        // Deep blue, lighter near the top, over the three-pixel frame.
        if (Y == 0) return RGB(0x00, 0x2C, 0xC8);
        return Along({RGB(0x3D, 0x95, 0xFF), RGB(0x0A, 0x5F, 0xE8), RGB(0x00, 0x4E, 0xD8),
                      RGB(0x00, 0x49, 0xD0), RGB(0x00, 0x3C, 0xB8)},
                     Y - 1, 28);
    case TStyle::DeepBlue:
        // A deep blue band for caption and buttons over a light grey strip.
        if (Y == 0) return 0x000000;
        if (Y <= 21)
            return Along({RGB(0x4C, 0x57, 0xB4), RGB(0x2E, 0x38, 0x94), RGB(0x22, 0x2A, 0x7C)},
                         Y - 1, 21);
        if (Y == 22) return RGB(0x14, 0x1A, 0x5C);
        if (Y == 31) return RGB(0x9A, 0x9A, 0xA6);
        return Along({RGB(0xF6, 0xF6, 0xF6), RGB(0xE2, 0xE2, 0xE4)}, Y - 23, 8);
    case TStyle::Protein:
        // Graphite with a soft sheen in the upper half and a black base line.
        if (Y == 0 || Y == 22) return 0x000000;
        if (Y == 1) return RGB(0x5E, 0x5E, 0x62);
        if (Y == 21) return RGB(0x2D, 0x30, 0xC4);
        if (Y <= 10) return Along({RGB(0x48, 0x48, 0x4C), RGB(0x34, 0x34, 0x38)}, Y - 2, 9);
        return Along({RGB(0x26, 0x26, 0x29), RGB(0x1A, 0x1A, 0x1C)}, Y - 11, 10);
    case TStyle::BlueGlass:
        // Glass: a bright upper half, a deeper lower half, a dark rim.
        if (Y == 0) return RGB(0x1E, 0x3C, 0x78);
        if (Y == 1) return RGB(0xD8, 0xE8, 0xFF);
        if (Y == 32) return RGB(0x1E, 0x3C, 0x78);
        if (Y <= 15) return Along({RGB(0x76, 0xA2, 0xEA), RGB(0x4E, 0x80, 0xDA)}, Y - 2, 14);
        return Along({RGB(0x24, 0x54, 0xB8), RGB(0x3C, 0x6E, 0xCE), RGB(0x64, 0x96, 0xE4)}, Y - 16,
                     16);
    }
    return 0;
}

int TitleButtonRow(TStyle Style)
{
    switch (Style)
    {
    case TStyle::MacOS:
        return 4;
    case TStyle::WinXP:
        return 5;
    case TStyle::DeepBlue:
    case TStyle::Protein:
        return 2;
    case TStyle::BlueGlass:
        return 6;
    }
    return 0;
}
