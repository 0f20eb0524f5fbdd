// Progress-bar fill, track-bar groove and the track-bar sliders (one
// pointing down, one pointing right).
#include "resources/stylegen/ArtBook.h"
#include "resources/stylegen/Faces.h"

#include <functional>

namespace
{
TColor FillColour(TStyle Style)
{
    switch (Style)
    {
    case TStyle::MacOS:
        return RGB(0x39, 0x73, 0xC4);
    case TStyle::WinXP:
        return RGB(0x31, 0x69, 0xC6);
    case TStyle::DeepBlue:
        return RGB(0x44, 0x4A, 0xA0);
    case TStyle::Protein:
        return RGB(0x2D, 0x30, 0xC4);
    case TStyle::BlueGlass:
        return RGB(0x3C, 0x70, 0xD8);
    }
    return 0;
}

TArt Progress(TStyle Style, int W)
{
    const TColor C = FillColour(Style);
    TArt A(W, 10);
    A.GradientV({0, 0, W, 10}, {Lighter(C, 0.55), Lighter(C, 0.15), C, Darker(C, 0.15)});
    if (Style == TStyle::MacOS)
        // Diagonal stripes that repeat every 13 columns.
        for (int Y = 0; Y < 10; ++Y)
            for (int X = 0; X < W; ++X)
                if ((X + Y) % 13 < 6) A.Set(X, Y, Lighter(A.Get(X, Y), 0.3));
    if (Style == TStyle::WinXP) A.VLine(W - 1, 0, 10, 0xFFFFFF); // the gap between blocks
    return A;
}

TArt Groove(TStyle Style, int H)
{
    TArt A(45, H, PaletteOf(Style).Face);
    const TRect R = A.Bounds();
    A.GradientV({1, 1, 44, H - 1}, RGB(0xC4, 0xC4, 0xC8), RGB(0xF0, 0xF0, 0xF0));
    if (Style == TStyle::WinXP)
        A.GradientV({1, 1, 44, H - 1}, RGB(0xD6, 0xD2, 0xC2), RGB(0xF4, 0xF2, 0xEA));
    if (Style == TStyle::MacOS)
        A.GradientV({1, 1, 44, H - 1}, RGB(0x9C, 0xB4, 0xD8), RGB(0xE4, 0xEC, 0xF8));
    A.HLine(1, 44, 0, RGB(0x80, 0x80, 0x84));
    A.HLine(1, 44, H - 1, 0xFFFFFF);
    A.VLine(0, 1, H - 1, RGB(0x80, 0x80, 0x84));
    A.VLine(44, 1, H - 1, 0xFFFFFF);
    if (Style == TStyle::Protein || Style == TStyle::DeepBlue || Style == TStyle::BlueGlass)
        A.Frame(R, PaletteOf(Style).Border == 0 ? RGB(0x30, 0x30, 0x30) : PaletteOf(Style).Border);
    return A;
}

// A slider of W x H whose last Tip rows (or columns) narrow to a point.
TArt Thumb(TStyle Style, int W, int H, bool PointsRight)
{
    const int Long = PointsRight ? W : H, Short = PointsRight ? H : W;
    const int Tip = (Short + 1) / 2;
    auto Inside = [=](int X, int Y)
    {
        const int Along = PointsRight ? X : Y, Across = PointsRight ? Y : X;
        if (Along < 0 || Along >= Long || Across < 0 || Across >= Short) return false;
        const int Into = Along - (Long - Tip); // rows into the tip
        return Into < 0 || (Across >= Into && Across < Short - Into);
    };
    TArt A(W, H);
    TArt Face(W, H);
    SmallFace(Face, Style, Face.Bounds(), fsNormal);
    const TColor Rim = Face.Get(0, H / 2);
    for (int Y = 0; Y < H; ++Y)
        for (int X = 0; X < W; ++X)
        {
            if (!Inside(X, Y)) continue;
            const bool Edge =
                !Inside(X - 1, Y) || !Inside(X + 1, Y) || !Inside(X, Y - 1) || !Inside(X, Y + 1);
            A.Set(X, Y,
                  Edge ? Rim
                       : Face.Get(PointsRight ? std::min(X, W - 2) : X,
                                  PointsRight ? Y : std::min(Y, H - 2)));
        }
    return A;
}
} // namespace

void AddGaugeArt(TArtBook& Book)
{
    struct TSizes
    {
        TStyle Style;
        int ProgressW, GrooveH, SliderW, SliderH, VSliderW, VSliderH;
    };
    const TSizes All[] = {{TStyle::MacOS, 13, 5, 11, 20, 19, 11},
                          {TStyle::WinXP, 6, 8, 11, 21, 22, 11},
                          {TStyle::DeepBlue, 1, 4, 11, 20, 18, 11},
                          {TStyle::Protein, 1, 4, 11, 20, 18, 11},
                          {TStyle::BlueGlass, 1, 4, 11, 20, 18, 11}};
    for (const TSizes& S : All)
    {
        Book.Add(ArtName(S.Style, "PROGRESSBAR"), [S] { return Progress(S.Style, S.ProgressW); });
        Book.Add(ArtName(S.Style, "TRACKBAR_BAR"), [S] { return Groove(S.Style, S.GrooveH); });
        Book.Add(ArtName(S.Style, "TRACKBAR_SLIDER"),
                 [S] { return Thumb(S.Style, S.SliderW, S.SliderH, false); });
        Book.Add(ArtName(S.Style, "TRACKBAR_SLIDER_V"),
                 [S] { return Thumb(S.Style, S.VSliderW, S.VSliderH, true); });
    }
}
