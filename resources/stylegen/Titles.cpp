// Title-bar pictures: left, client (stretched) and right sections. Each
// style's rows come from TitleColour, so the three sections and the
// title-bar buttons meet without seams; the left and right sections add the
// style's ends. Their outer columns and top rows also make the window frame
// beside and above the bar.
#include "resources/stylegen/ArtBook.h"
#include "resources/stylegen/Styles.h"

#include <algorithm>
#include <cmath>

namespace
{
TArt Rows(TStyle Style, int W, int H)
{
    TArt A(W, H);
    for (int Y = 0; Y < H; ++Y)
        A.HLine(0, W, Y, TitleColour(Style, Y));
    return A;
}

// Lightens the rows Y0..Y1 (excluded) by Amount at column X, fading with
// Fade(X) (0..1).
template <typename F> void Glow(TArt& A, int Y0, int Y1, double Amount, F Fade)
{
    for (int X = 0; X < A.Width(); ++X)
    {
        const double T = Amount * Fade(X);
        if (T <= 0) continue;
        for (int Y = Y0; Y < Y1; ++Y)
            A.Set(X, Y, Lighter(A.Get(X, Y), T));
    }
}

TArt MacOSLeft()
{
    TArt A = Rows(TStyle::MacOS, 48, 23);
    A.VLine(0, 1, 22, 0xFFFFFF);
    return A;
}

TArt MacOSRight()
{
    TArt A = Rows(TStyle::MacOS, 48, 23);
    A.VLine(47, 1, 22, RGB(0xB8, 0xB8, 0xB8));
    return A;
}

// Side: -1 left, 0 client, 1 right.
TArt WinXPSection(int W, int Side)
{
    TArt A = Rows(TStyle::WinXP, W, 29);
    // A brighter rim along the top and at the outer end.
    A.HLine(0, W, 1, RGB(0x7C, 0xB6, 0xFF));
    if (Side < 0)
    {
        Glow(A, 2, 14, 0.12, [](int X) { return std::max(0.0, 1.0 - X / 30.0); });
    }
    return A;
}

TArt DeepBlueSection(int W, int Side)
{
    TArt A = Rows(TStyle::DeepBlue, W, 32);
    const TColor Accent = RGB(0x44, 0x4A, 0xA0);
    if (Side < 0)
    {
        // A lighter gloss at the start of the band and an accent under it.
        Glow(A, 2, 11, 0.18, [](int X) { return std::max(0.0, 1.0 - X / 90.0); });
        A.HLine(0, 64, 29, Accent);
        for (int X = 64; X < 80; ++X)
            A.Set(X, 29, Mix(Accent, TitleColour(TStyle::DeepBlue, 29), (X - 63) / 17.0));
    }
    else if (Side > 0)
    {
        for (int X = 16; X < 33; ++X)
            A.Set(X, 29, Mix(TitleColour(TStyle::DeepBlue, 29), Accent, (X - 16) / 17.0));
        A.HLine(33, W, 29, Accent);
    }
    return A;
}

TArt ProteinLeft()
{
    TArt A = Rows(TStyle::Protein, 441, 23);
    // A soft light behind the icon and caption, gone well before the end.
    Glow(A, 2, 21, 0.10, [](int X) { return std::max(0.0, 1.0 - X / 260.0); });
    // The accent line is brightest under the caption.
    for (int X = 0; X < 441; ++X)
        A.Set(X, 21,
              Lighter(TitleColour(TStyle::Protein, 21), 0.3 * std::max(0.0, 1.0 - X / 300.0)));
    return A;
}

TArt BlueGlassSection(int W, int Side)
{
    TArt A = Rows(TStyle::BlueGlass, W, 33);
    if (Side < 0)
    {
        A.VLine(0, 1, 32, RGB(0xD8, 0xE8, 0xFF));
        // A sweep of light over the upper glass, lower towards the right.
        for (int X = 1; X < W; ++X)
        {
            const double Edge = 16 - 6.0 * X / W;
            for (int Y = 2; Y < 16; ++Y)
                if (Y < Edge) A.Set(X, Y, Lighter(A.Get(X, Y), 0.22 * (1 - Y / Edge)));
        }
    }
    else if (Side > 0)
    {
        // The glass darkens towards the buttons at the end.
        for (int X = 0; X < W; ++X)
            for (int Y = 2; Y < 32; ++Y)
                A.Set(X, Y, Darker(A.Get(X, Y), 0.10 * X / W));
        A.VLine(W - 1, 1, 32, RGB(0x1E, 0x3C, 0x78));
    }
    return A;
}
} // namespace

void AddTitleArt(TArtBook& Book)
{
    Book.Add("MACOS_TITLE_LEFT", MacOSLeft);
    Book.Add("MACOS_TITLE_CLIENT", [] { return Rows(TStyle::MacOS, 49, 23); });
    Book.Add("MACOS_TITLE_RIGHT", MacOSRight);
    Book.Add("WINXP_TITLE_LEFT", [] { return WinXPSection(35, -1); });
    Book.Add("WINXP_TITLE_CLIENT", [] { return WinXPSection(37, 0); });
    Book.Add("WINXP_TITLE_RIGHT", [] { return WinXPSection(35, 1); });
    Book.Add("DEEPBLUE_TITLE_LEFT", [] { return DeepBlueSection(97, -1); });
    Book.Add("DEEPBLUE_TITLE_CLIENT", [] { return DeepBlueSection(98, 0); });
    Book.Add("DEEPBLUE_TITLE_RIGHT", [] { return DeepBlueSection(97, 1); });
    Book.Add("PROTEIN_TITLE_LEFT", ProteinLeft);
    Book.Add("PROTEIN_TITLE_CLIENT", [] { return Rows(TStyle::Protein, 1, 23); });
    Book.Add("PROTEIN_TITLE_RIGHT", [] { return Rows(TStyle::Protein, 1, 23); });
    Book.Add("BLUEGLASS_TITLE_LEFT", [] { return BlueGlassSection(162, -1); });
    Book.Add("BLUEGLASS_TITLE_CLIENT", [] { return BlueGlassSection(179, 0); });
    Book.Add("BLUEGLASS_TITLE_RIGHT", [] { return BlueGlassSection(101, 1); });
}
