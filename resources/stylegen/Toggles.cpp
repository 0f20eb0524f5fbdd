// Check boxes, radio buttons and check-list marks: four frames each
// (checked, unchecked, checked and disabled, unchecked and disabled), drawn
// on the key colour so the control's background shows around them.
#include "resources/stylegen/ArtBook.h"
#include "resources/stylegen/Glyphs.h"
#include "resources/stylegen/Styles.h"

#include <algorithm>

namespace
{
struct TToggleLook
{
    TColor Rim;
    TColor FaceTop;
    TColor FaceBottom;
    TColor Mark;
    // A checked box filled with the mark's colour and a white mark.
    bool FilledWhenChecked;
};

TToggleLook LookOf(TStyle Style)
{
    switch (Style)
    {
    case TStyle::MacOS:
        return {RGB(0x80, 0x80, 0x80), 0xFFFFFF, RGB(0xD8, 0xD8, 0xD8), RGB(0x39, 0x73, 0xC4),
                true};
    case TStyle::WinXP:
        return {RGB(0x1C, 0x51, 0x80), RGB(0xDC, 0xDA, 0xD2), 0xFFFFFF, RGB(0x21, 0x52, 0xC8),
                false};
    case TStyle::DeepBlue:
        return {RGB(0x30, 0x34, 0x60), 0xFFFFFF, RGB(0xE4, 0xE4, 0xEA), RGB(0x44, 0x4A, 0xA0),
                false};
    case TStyle::Protein:
        return {0x000000, 0xFFFFFF, RGB(0xEC, 0xEC, 0xEC), 0x000000, false};
    case TStyle::BlueGlass:
        return {RGB(0x1E, 0x3C, 0x78), RGB(0xEC, 0xF4, 0xFF), RGB(0xA6, 0xC6, 0xF2),
                RGB(0x1A, 0x3A, 0x9A), false};
    }
    return {};
}

TToggleLook Disabled(TToggleLook L)
{
    return {Mix(L.Rim, 0xFFFFFF, 0.55), Mix(L.FaceTop, RGB(0xF0, 0xF0, 0xF0), 0.7),
            Mix(L.FaceBottom, RGB(0xF0, 0xF0, 0xF0), 0.7), Mix(L.Mark, 0xFFFFFF, 0.55),
            L.FilledWhenChecked};
}

// A square box of Size pixels at the top of a W x H frame, centred.
TArt CheckBoxFrame(TStyle Style, int K, int W, int H, int Size)
{
    const bool Checked = K == 0 || K == 2;
    const TToggleLook L = K >= 2 ? Disabled(LookOf(Style)) : LookOf(Style);
    TArt A(W, H);
    const int X = (W - Size) / 2, Y = (H - Size) / 2;
    const TRect Box{X, Y, X + Size, Y + Size};
    const int Radius = Style == TStyle::MacOS || Style == TStyle::BlueGlass ? 2 : 0;
    TColor MarkColour = L.Mark;
    if (Checked && L.FilledWhenChecked)
    {
        A.RoundGradientV(Box, Radius, {Lighter(L.Mark, 0.35), L.Mark});
        MarkColour = 0xFFFFFF;
    }
    else
        A.RoundGradientV(Box, Radius, {L.FaceTop, L.FaceBottom});
    A.RoundFrame(Box, Radius, Checked && L.FilledWhenChecked ? Darker(L.Mark, 0.3) : L.Rim);
    if (Checked)
    {
        const TSize G = TArt::GlyphSize(CheckMark7);
        A.Glyph(X + (Size - G.Width) / 2, Y + (Size - G.Height) / 2, CheckMark7, MarkColour);
    }
    return A;
}

TArt RadioFrame(TStyle Style, int K, int W, int H, int Size)
{
    const bool Checked = K == 0 || K == 2;
    const TToggleLook L = K >= 2 ? Disabled(LookOf(Style)) : LookOf(Style);
    const double Cx = W / 2.0, Cy = H / 2.0, R = Size / 2.0;
    return KeyedPicture(
        W, H, [&](int, int) { return PaletteOf(Style).Face; },
        [&](TArt& A)
        {
            if (Checked && L.FilledWhenChecked)
            {
                A.Disc(Cx, Cy, R, Darker(L.Mark, 0.3));
                A.DiscGradientV(Cx, Cy, R - 1, Lighter(L.Mark, 0.35), L.Mark);
                A.Disc(Cx, Cy, R * 0.32, 0xFFFFFF);
            }
            else
            {
                A.Disc(Cx, Cy, R, L.Rim);
                A.DiscGradientV(Cx, Cy, R - 1, L.FaceTop, L.FaceBottom);
                if (Checked) A.Disc(Cx, Cy, R * 0.38, L.Mark);
            }
        });
}

// A check-list mark: a flat square with the small mark.
TArt CheckListFrame(TStyle Style, int K, int W, int H)
{
    return CheckBoxFrame(Style, K, W, H, std::min(W, H));
}
} // namespace

void AddToggleArt(TArtBook& Book)
{
    struct TSizes
    {
        TStyle Style;
        int BoxW, RadioW, H, Box, ListW;
    };
    const TSizes All[] = {
        {TStyle::MacOS, 15, 16, 17, 13, 10},     {TStyle::WinXP, 13, 13, 13, 13, 11},
        {TStyle::DeepBlue, 13, 13, 13, 13, 11},  {TStyle::Protein, 13, 13, 13, 13, 11},
        {TStyle::BlueGlass, 13, 13, 13, 13, 11},
    };
    for (const TSizes& S : All)
    {
        Book.Add(ArtName(S.Style, "CHECKBOX"),
                 [S]
                 {
                     return Strip(4, S.BoxW, S.H,
                                  [S](int K)
                                  { return CheckBoxFrame(S.Style, K, S.BoxW, S.H, S.Box); });
                 });
        Book.Add(ArtName(S.Style, "RADIOBUTTON"),
                 [S]
                 {
                     return Strip(4, S.RadioW, S.H,
                                  [S](int K)
                                  { return RadioFrame(S.Style, K, S.RadioW, S.H, S.Box); });
                 });
        Book.Add(ArtName(S.Style, "CHECKLIST"),
                 [S] {
                     return Strip(4, S.ListW, 11,
                                  [S](int K) { return CheckListFrame(S.Style, K, S.ListW, 11); });
                 });
    }
}
