// Push-button faces: three frames (normal, under the pointer, pressed),
// stretched by the nine-piece fit, so corners and edges carry the look and
// the middle stays plain.
#include "resources/stylegen/ArtBook.h"
#include "resources/stylegen/Styles.h"

namespace
{
enum TState
{
    Normal,
    Hot,
    Pressed
};

TArt ProteinFace(TState S, int W, int H)
{
    const TPalette& P = PaletteOf(TStyle::Protein);
    TArt A(W, H, P.Face);
    const TRect Inside{1, 1, W - 1, H - 1};
    if (S == Pressed)
        A.GradientV(Inside, {RGB(0xD6, 0xD6, 0xD6), RGB(0xE6, 0xE6, 0xE6), RGB(0xF2, 0xF2, 0xF2)});
    else
        A.GradientV(Inside, {0xFFFFFF, RGB(0xF4, 0xF4, 0xF4), RGB(0xE4, 0xE4, 0xE4)});
    if (S == Hot)
    {
        // A blue inner ring from the style's selection colour.
        A.Frame(Inside, Lighter(P.Accent, 0.35));
        A.Frame({2, 2, W - 2, H - 2}, Lighter(P.Accent, 0.8));
    }
    else if (S == Pressed)
        A.HLine(1, W - 1, 1, RGB(0xBE, 0xBE, 0xBE));
    else
        A.HLine(1, W - 1, 1, 0xFFFFFF);
    A.Frame(A.Bounds(), 0x000000);
    // Softened corners.
    for (auto [X, Y] : {TPoint{0, 0}, {W - 1, 0}, {0, H - 1}, {W - 1, H - 1}})
        A.Set(X, Y, Mix(P.Face, 0x000000, 0.35));
    return A;
}

TArt DeepBlueFace(TState S, int W, int H)
{
    const TPalette& P = PaletteOf(TStyle::DeepBlue);
    TArt A(W, H, P.Face);
    const TRect Inside{1, 1, W - 1, H - 1};
    const TColor Blue = RGB(0x44, 0x4A, 0xA0);
    if (S == Pressed)
        A.GradientV(Inside, RGB(0xC8, 0xCA, 0xD6), RGB(0xE4, 0xE5, 0xEC));
    else if (S == Hot)
        A.GradientV(Inside, {0xFFFFFF, RGB(0xEC, 0xEE, 0xF8), RGB(0xD2, 0xD6, 0xEE)});
    else
        A.GradientV(Inside, {0xFFFFFF, RGB(0xEE, 0xEE, 0xEE), RGB(0xD4, 0xD4, 0xD4)});
    A.HLine(1, W - 1, 1, S == Pressed ? RGB(0xAE, 0xB0, 0xC0) : 0xFFFFFF);
    if (S != Pressed) A.HLine(1, W - 1, H - 2, S == Hot ? Blue : RGB(0xB4, 0xB4, 0xB4));
    const TColor Edge = S == Normal ? RGB(0x3C, 0x3C, 0x44) : Blue;
    A.RoundFrame(A.Bounds(), 2, Edge);
    return A;
}

TArt WinXPFace(TState S, int W, int H)
{
    const TPalette& P = PaletteOf(TStyle::WinXP);
    TArt A(W, H, P.Face);
    const TRect R = A.Bounds();
    if (S == Pressed)
        A.RoundGradientV(R, 3,
                         {RGB(0xE0, 0xDC, 0xCE), RGB(0xE6, 0xE3, 0xD8), RGB(0xF0, 0xEE, 0xE6)});
    else
        A.RoundGradientV(
            R, 3, {0xFFFFFF, RGB(0xF6, 0xF5, 0xF0), RGB(0xEC, 0xEA, 0xE0), RGB(0xD8, 0xD3, 0xC4)});
    if (S == Hot)
    {
        // Accent rim just inside the frame, brighter along the top.
        A.RoundFrame({1, 1, W - 1, H - 1}, 2, RGB(0x8C, 0xB4, 0xF2));
        A.HLine(2, W - 2, 1, RGB(0xCA, 0xDE, 0xFC));
        A.HLine(2, W - 2, H - 2, RGB(0x5A, 0x8E, 0xE6));
    }
    A.RoundFrame(R, 3, RGB(0x00, 0x3C, 0x74));
    return A;
}

TArt MacOSFace(TState S, int W, int H)
{
    const TPalette& P = PaletteOf(TStyle::MacOS);
    const TColor Aqua = RGB(0x39, 0x73, 0xC4);
    return KeyedPicture(
        W, H, [&](int, int) { return P.Face; },
        [&](TArt& A)
        {
            const double R = H / 2.0;
            // The pill: two discs joined by a band, drawn as rows of discs.
            TColor Top, Bottom, Rim;
            if (S == Normal)
                Top = RGB(0xFC, 0xFC, 0xFC), Bottom = RGB(0xD4, 0xD4, 0xD4),
                Rim = RGB(0x8A, 0x8A, 0x8A);
            else if (S == Hot)
                Top = Lighter(Aqua, 0.45), Bottom = Lighter(Aqua, 0.05), Rim = Darker(Aqua, 0.35);
            else
                Top = Darker(Aqua, 0.1), Bottom = Darker(Aqua, 0.4), Rim = Darker(Aqua, 0.6);
            for (double Cx = R; Cx <= W - R + 0.01; Cx += 0.5)
                A.Disc(Cx, R, R, Rim);
            for (double Cx = R; Cx <= W - R + 0.01; Cx += 0.5)
                A.DiscGradientV(Cx, R, R - 1, Top, Bottom);
            // Gloss over the upper half.
            const TColor Gloss = S == Pressed ? Lighter(Aqua, 0.2) : 0xFFFFFF;
            for (int X = static_cast<int>(R) - 2; X < W - static_cast<int>(R) + 2; ++X)
                for (int Y = 2; Y < H / 2; ++Y)
                    A.Blend(X, Y, Gloss, 0.55 - 0.08 * (Y - 2));
        });
}

TArt BlueGlassFace(TState S, int W, int H)
{
    const TPalette& P = PaletteOf(TStyle::BlueGlass);
    return KeyedPicture(
        W, H, [&](int, int) { return P.Face; },
        [&](TArt& A)
        {
            const TRect R = A.Bounds();
            TColor Hi, Mid, Deep, Low;
            if (S == Normal)
                Hi = RGB(0xE4, 0xEE, 0xFC), Mid = RGB(0xB6, 0xCE, 0xF4),
                Deep = RGB(0x8E, 0xB2, 0xEC), Low = RGB(0xBC, 0xD6, 0xFA);
            else if (S == Hot)
                Hi = RGB(0xF0, 0xF8, 0xFF), Mid = RGB(0xA8, 0xD4, 0xFF),
                Deep = RGB(0x6E, 0xB0, 0xF8), Low = RGB(0xB4, 0xE2, 0xFF);
            else
                Hi = RGB(0x9C, 0xBA, 0xEA), Mid = RGB(0x76, 0x9C, 0xE0),
                Deep = RGB(0x4E, 0x7E, 0xD4), Low = RGB(0x7C, 0xA6, 0xE8);
            A.RoundGradientV(R, 5, {Hi, Mid, Deep, Low});
            // The glass edge: a bright line below the rim, a dark rim.
            A.RoundFrame({1, 1, W - 1, H - 1}, 4, Lighter(Mid, 0.55));
            A.RoundFrame(R, 5, RGB(0x1E, 0x3C, 0x78));
        });
}

void AddFace(TArtBook& Book, TStyle Style, int W, int H, TArt (*Face)(TState, int, int))
{
    Book.Add(ArtName(Style, "BUTTON"), [=]
             { return Strip(3, W, H, [=](int K) { return Face(static_cast<TState>(K), W, H); }); });
}
} // namespace

void AddButtonArt(TArtBook& Book)
{
    AddFace(Book, TStyle::MacOS, 84, 23, MacOSFace);
    AddFace(Book, TStyle::WinXP, 18, 21, WinXPFace);
    AddFace(Book, TStyle::DeepBlue, 74, 21, DeepBlueFace);
    AddFace(Book, TStyle::Protein, 74, 21, ProteinFace);
    AddFace(Book, TStyle::BlueGlass, 77, 27, BlueGlassFace);
}
