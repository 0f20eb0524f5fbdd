// Tab pictures (two frames: the selected tab, another tab), the line under
// the tabs, the side-channel handle and the caption bar of panels and side
// channels.
#include "resources/stylegen/ArtBook.h"
#include "resources/stylegen/Faces.h"

namespace
{
TColor TabRim(TStyle Style)
{
    switch (Style)
    {
    case TStyle::MacOS:
        return RGB(0x7F, 0x7F, 0x7F);
    case TStyle::WinXP:
        return RGB(0x91, 0x9B, 0x9C);
    default:
        return 0x000000;
    }
}

TArt Tab(TStyle Style, int K, int W, int H)
{
    const TPalette& P = PaletteOf(Style);
    const bool Selected = K == 0;
    TArt A(W, H);
    const TRect R{0, Selected ? 0 : 2, W, H + 3}; // open at the bottom
    const TColor Face = Selected ? (Style == TStyle::Protein ? 0xFFFFFF : Lighter(P.Face, 0.4))
                                 : Darker(P.Face, 0.07);
    A.RoundFill(R, 2, Face);
    A.RoundFrame(R, 2, TabRim(Style));
    if (Selected)
    {
        // The selected tab wears the style's accent along its top.
        const TColor Accent =
            Style == TStyle::MacOS ? RGB(0x39, 0x73, 0xC4) : Lighter(TitleColour(Style, 12), 0.0);
        A.HLine(2, W - 2, 1, Style == TStyle::Protein ? RGB(0x2D, 0x30, 0xC4) : Accent);
    }
    return A;
}

TArt TabLine(TStyle Style, int W, int H)
{
    TArt A(W, H, Style == TStyle::Protein ? 0xFFFFFF : Lighter(PaletteOf(Style).Face, 0.4));
    A.HLine(0, W, 0, TabRim(Style));
    return A;
}

TArt Handle(TStyle Style, int W, int H)
{
    TArt A(W, H, PaletteOf(Style).Face);
    SmallFace(A, Style, A.Bounds(), fsNormal);
    const TColor Ink = FaceInk(Style, fsNormal);
    A.Arrow(W / 2 - 1, H / 2, TArt::Right, 3, Ink);
    // Grip lines above and below the arrow.
    for (int Y : {H / 2 - 14, H / 2 - 11, H / 2 + 10, H / 2 + 13})
        A.HLine(2, W - 2, Y, Mix(Ink, PaletteOf(Style).Face, 0.5));
    return A;
}

TArt CaptionBar(TStyle Style, int H)
{
    TArt A(1, H);
    switch (Style)
    {
    case TStyle::MacOS:
        A.GradientV({0, 0, 1, H - 1}, {0xFFFFFF, RGB(0xEC, 0xEC, 0xEC), RGB(0xD6, 0xD6, 0xD6)});
        A.Set(0, H - 1, RGB(0x8C, 0x8C, 0x8C));
        break;
    case TStyle::Protein:
        // The title's graphite between black lines.
        for (int Y = 1; Y < H - 1; ++Y)
            A.Set(0, Y, TitleColour(Style, 1 + (Y - 1) * 20 / (H - 2)));
        A.Set(0, 0, 0x000000);
        A.Set(0, H - 1, 0x000000);
        break;
    case TStyle::DeepBlue:
        for (int Y = 0; Y < H; ++Y)
            A.Set(0, Y, TitleColour(Style, 1 + Y * 21 / H));
        break;
    case TStyle::WinXP:
        for (int Y = 0; Y < H; ++Y)
            A.Set(0, Y, TitleColour(Style, 1 + Y * 27 / H));
        break;
    case TStyle::BlueGlass:
        for (int Y = 0; Y < H; ++Y)
            A.Set(0, Y, TitleColour(Style, Y * 32 / (H - 1)));
        break;
    }
    return A;
}
} // namespace

void AddPanelArt(TArtBook& Book)
{
    struct TSizes
    {
        TStyle Style;
        int TabW, TabH, LineW, LineH, HandleW, HandleH, BarH;
    };
    const TSizes All[] = {{TStyle::MacOS, 18, 27, 17, 7, 7, 84, 21},
                          {TStyle::WinXP, 9, 18, 8, 1, 8, 86, 21},
                          {TStyle::DeepBlue, 6, 17, 5, 5, 8, 83, 20},
                          {TStyle::Protein, 9, 17, 10, 5, 8, 83, 21},
                          {TStyle::BlueGlass, 9, 17, 10, 5, 8, 86, 21}};
    for (const TSizes& S : All)
    {
        Book.Add(ArtName(S.Style, "TAB"),
                 [S] {
                     return Strip(2, S.TabW, S.TabH,
                                  [S](int K) { return Tab(S.Style, K, S.TabW, S.TabH); });
                 });
        Book.Add(ArtName(S.Style, "TAB_LINE"), [S] { return TabLine(S.Style, S.LineW, S.LineH); });
        Book.Add(ArtName(S.Style, "SIDECHENNEL_HANDLE"),
                 [S] { return Handle(S.Style, S.HandleW, S.HandleH); });
        Book.Add(ArtName(S.Style, "SIDECHENNEL_BAR"), [S] { return CaptionBar(S.Style, S.BarH); });
    }
}
