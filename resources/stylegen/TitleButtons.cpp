// Title-bar buttons: six glyphs (control box, help, maximize, restore,
// minimize, close) in three states each (normal, under the pointer,
// pressed): 18 frames. Opaque styles paint the title rows behind the
// button; the others leave the key colour around it.
#include "resources/stylegen/TitleButtons.h"

#include "resources/stylegen/ArtBook.h"
#include "resources/stylegen/Glyphs.h"
#include "resources/stylegen/Styles.h"

namespace
{
enum TKind
{
    ControlBox,
    Help,
    Maximize,
    Restore,
    Minimize,
    Close
};

enum TState
{
    Normal,
    Hot,
    Pressed
};

void CentredGlyph(TArt& A, const TPixelGlyph& G, TColor C, int Shift)
{
    const TSize S = TArt::GlyphSize(G);
    A.Glyph((A.Width() - S.Width) / 2 + Shift, (A.Height() - S.Height) / 2 + Shift, G, C);
}

// The title rows a button of Size pixels covers in Style.
TArt OnTitle(TStyle Style, int Size)
{
    TArt A(Size, Size);
    for (int Y = 0; Y < Size; ++Y)
        A.HLine(0, Size, Y, TitleColour(Style, Y + TitleButtonRow(Style)));
    return A;
}

TArt MacOSButton(TKind Kind, TState State)
{
    TColor Base;
    switch (Kind)
    {
    case Close:
        Base = RGB(0xE2, 0x46, 0x3C);
        break;
    case Minimize:
        Base = RGB(0xE8, 0xB0, 0x20);
        break;
    case Maximize:
    case Restore:
        Base = RGB(0x4E, 0xB0, 0x3A);
        break;
    case ControlBox:
        Base = RGB(0x39, 0x73, 0xC4);
        break;
    default:
        Base = RGB(0x8A, 0x92, 0x9E);
        break;
    }
    if (State == Hot) Base = Lighter(Base, 0.2);
    if (State == Pressed) Base = Darker(Base, 0.25);
    TArt A = OnTitle(TStyle::MacOS, 17);
    A.Disc(8.5, 8.5, 7.5, Darker(Base, 0.45));
    A.DiscGradientV(8.5, 8.5, 6.5, Darker(Base, 0.1), Lighter(Base, 0.35));
    // Specular highlight on the upper part of the glass.
    A.DiscGradientV(8.5, 5.2, 3.2, Lighter(Base, 0.75), Lighter(Base, 0.25));
    const TColor Ink = State == Normal ? Darker(Base, 0.62) : Darker(Base, 0.8);
    CentredGlyph(A, TitleGlyphs7[Kind], Ink, 0);
    return A;
}

TArt WinXPButton(TKind Kind, TState State)
{
    TArt A = OnTitle(TStyle::WinXP, 21);
    const bool Red = Kind == Close;
    TColor Top = Red ? RGB(0xF0, 0x8C, 0x6E) : RGB(0x7E, 0xAE, 0xFF);
    TColor Mid = Red ? RGB(0xE0, 0x50, 0x2C) : RGB(0x2A, 0x70, 0xF0);
    TColor Bottom = Red ? RGB(0xC8, 0x38, 0x14) : RGB(0x16, 0x5C, 0xE0);
    if (State == Hot)
        Top = Lighter(Top, 0.3), Mid = Lighter(Mid, 0.2), Bottom = Lighter(Bottom, 0.15);
    if (State == Pressed) Top = Darker(Bottom, 0.2), Mid = Darker(Mid, 0.15), Bottom = Mid;
    const TRect R = A.Bounds();
    A.RoundGradientV(R, 3, {Top, Mid, Bottom});
    A.RoundFrame(R, 3, 0xFFFFFF);
    if (State != Pressed) A.RoundFrame({1, 1, 20, 20}, 2, Lighter(Mid, 0.25));
    CentredGlyph(A, TitleGlyphs9[Kind], 0xFFFFFF, State == Pressed ? 1 : 0);
    return A;
}

TArt DeepBlueButton(TKind Kind, TState State)
{
    TArt A = OnTitle(TStyle::DeepBlue, 19);
    const TColor Blue = RGB(0x22, 0x2A, 0x7C);
    const TRect R = {1, 1, 18, 18};
    if (State == Pressed)
        A.RoundGradientV(R, 2, {RGB(0xB8, 0xBC, 0xD0), RGB(0xD8, 0xDA, 0xE4)});
    else if (State == Hot)
        A.RoundGradientV(R, 2, {0xFFFFFF, RGB(0xDC, 0xE0, 0xF4)});
    else
        A.RoundGradientV(R, 2, {RGB(0xF6, 0xF6, 0xF6), RGB(0xD6, 0xD6, 0xDA)});
    A.RoundFrame(R, 2, State == Normal ? RGB(0x10, 0x14, 0x48) : RGB(0x08, 0x0A, 0x30));
    const TColor Ink = Kind == Close && State != Normal ? RGB(0xB0, 0x18, 0x18) : Blue;
    const int Shift = State == Pressed ? 1 : 0;
    A.Glyph(6 + Shift, 6 + Shift, TitleGlyphs7[Kind], Ink);
    return A;
}

} // namespace

TArt ProteinTitleButton(int Kind, int State, const std::function<TColor(int Y)>& Title)
{
    const TRect R{1, 1, 18, 18};
    return KeyedPicture(
        19, 19, [&](int, int Y) { return Title(Y + 2); },
        [&](TArt& A)
        {
            TColor Ink = RGB(0xE8, 0xE8, 0xE8);
            if (State == Hot)
            {
                const TColor Fill = Kind == Close ? RGB(0x2D, 0x30, 0xC4) : RGB(0x5C, 0x5C, 0x62);
                A.RoundGradientV(R, 2, {Lighter(Fill, 0.15), Fill});
                A.RoundFrame(R, 2, Lighter(Fill, 0.35));
                Ink = 0xFFFFFF;
            }
            else if (State == Pressed)
            {
                const TColor Fill = Kind == Close ? RGB(0x1E, 0x20, 0x8A) : RGB(0x14, 0x14, 0x16);
                A.RoundFill(R, 2, Fill);
                A.RoundFrame(R, 2, RGB(0x70, 0x70, 0x76));
                Ink = 0xFFFFFF;
            }
            CentredGlyph(A, TitleGlyphs9[Kind], Ink, State == Pressed ? 1 : 0);
        });
}

namespace
{
TArt ProteinButton(TKind Kind, TState State)
{
    return ProteinTitleButton(Kind, State, [](int Y) { return TitleColour(TStyle::Protein, Y); });
}

TArt BlueGlassButton(TKind Kind, TState State)
{
    return KeyedPicture(
        19, 19, [](int, int Y) { return TitleColour(TStyle::BlueGlass, Y + 6); },
        [&](TArt& A)
        {
            TColor Base = Kind == Close ? RGB(0xD8, 0x4A, 0x50) : RGB(0x3C, 0x70, 0xD8);
            if (State == Hot) Base = Lighter(Base, 0.25);
            if (State == Pressed) Base = Darker(Base, 0.3);
            A.Disc(9.5, 9.5, 9.0, RGB(0x14, 0x2C, 0x60));
            A.DiscGradientV(9.5, 9.5, 8.0, Darker(Base, 0.15), Lighter(Base, 0.45));
            A.DiscGradientV(9.5, 6.0, 4.6, Lighter(Base, 0.6), Lighter(Base, 0.2));
            // A dark shadow keeps the white glyph clear of the highlight.
            const int Shift = State == Pressed ? 1 : 0;
            CentredGlyph(A, TitleGlyphs9[Kind], Darker(Base, 0.55), Shift + 1);
            CentredGlyph(A, TitleGlyphs9[Kind], 0xFFFFFF, Shift);
        });
}

void AddStrip(TArtBook& Book, TStyle Style, int Size, TArt (*Button)(TKind, TState))
{
    Book.Add(ArtName(Style, "TITLEBTN"),
             [=]
             {
                 return Strip(
                     18, Size, Size,
                     [=](int K)
                     { return Button(static_cast<TKind>(K / 3), static_cast<TState>(K % 3)); });
             });
}
} // namespace

void AddTitleButtonArt(TArtBook& Book)
{
    AddStrip(Book, TStyle::MacOS, 17, MacOSButton);
    AddStrip(Book, TStyle::WinXP, 21, WinXPButton);
    AddStrip(Book, TStyle::DeepBlue, 19, DeepBlueButton);
    AddStrip(Book, TStyle::Protein, 19, ProteinButton);
    AddStrip(Book, TStyle::BlueGlass, 19, BlueGlassButton);
}
