// The program's own pictures: its icon (an icon file and larger PNG
// pictures for the desktop), the product picture and the logo of the
// configuration window, and the window's title pictures in the Protein look.
#include "platform/gfx/DeviceContext.h"
#include "platform/gfx/Text.h"
#include "resources/stylegen/ArtBook.h"
#include "resources/stylegen/Styles.h"
#include "resources/stylegen/TitleButtons.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

namespace
{
constexpr TColor Brand = RGB(0x2D, 0x30, 0xC4); // Protein's selection blue

// Coverage of a pixel by Inside, sampled 4 x 4 (pixel units).
template <typename F> double Cover(int X, int Y, F Inside)
{
    int N = 0;
    for (int Sy = 0; Sy < 4; ++Sy)
        for (int Sx = 0; Sx < 4; ++Sx)
            N += Inside(X + (Sx + 0.5) / 4, Y + (Sy + 0.5) / 4);
    return N / 16.0;
}

template <typename F> void Shape(TArt& A, const TRect& R, TColor C, F Inside)
{
    for (int Y = R.Top; Y < R.Bottom; ++Y)
        for (int X = R.Left; X < R.Right; ++X)
            A.Blend(X, Y, C, Cover(X, Y, Inside));
}

// The mark: a mast with waves on both sides, in a box of S x S at (X0, Y0).
void Mark(TArt& A, double X0, double Y0, double S, TColor C)
{
    const double Cx = X0 + S / 2, Cy = Y0 + S * 0.42;
    const TRect Box{static_cast<int>(X0), static_cast<int>(Y0), static_cast<int>(X0 + S + 1),
                    static_cast<int>(Y0 + S + 1)};
    Shape(A, Box, C,
          [=](double X, double Y)
          {
              const double Dx = X - Cx, Dy = Y - Cy;
              const double R = std::hypot(Dx, Dy);
              if (R <= S * 0.085) return true; // the head
              // The mast, widening a little at its foot.
              const double Half = S * (0.045 + 0.03 * std::max(0.0, (Y - Cy) / (S * 0.5)));
              if (Y >= Cy && Y <= Y0 + S * 0.92 && std::abs(Dx) <= Half) return true;
              // Two waves each side, within 40 degrees of the horizontal.
              const double Angle = std::abs(std::atan2(Dy, std::abs(Dx)));
              if (Angle > 40 * std::numbers::pi / 180) return false;
              for (double Radius : {S * 0.22, S * 0.36})
                  if (std::abs(R - Radius) <= S * 0.04) return true;
              return false;
          });
}

// The icon: the mark in white on a rounded blue tile.
TSurface Icon(int Size)
{
    return AlphaPicture(
        Size, Size,
        [Size](TArt& A)
        {
            const double S = Size;
            if (Size <= 16)
            {
                // Drawn pixel by pixel so the small icon stays sharp.
                const TRect R{0, 0, 16, 16};
                A.RoundGradientV(R, 3, {Lighter(Brand, 0.3), Brand, Darker(Brand, 0.25)});
                A.RoundFrame(R, 3, Darker(Brand, 0.45));
                A.Glyph(2, 3,
                        {
                            ".X........X.", //
                            "X..X....X..X", //
                            "X.X..XX..X.X", //
                            "X.X..XX..X.X", //
                            "X..X....X..X", //
                            ".X...XX...X.", //
                            ".....XX.....", //
                            ".....XX.....", //
                            "....XXXX....", //
                        },
                        0xFFFFFF);
                return;
            }
            const double Inset = S * 0.04, Radius = S * 0.2;
            const double L = Inset, T = Inset, Rr = S - Inset, B = S - Inset;
            auto InTile = [=](double X, double Y, double Grow)
            {
                const double Cx = std::clamp(X, L + Radius, Rr - Radius);
                const double Cy = std::clamp(Y, T + Radius, B - Radius);
                return std::hypot(X - Cx, Y - Cy) <= Radius + Grow && X >= L - Grow &&
                       X <= Rr + Grow && Y >= T - Grow && Y <= B + Grow;
            };
            const TRect All{0, 0, Size, Size};
            Shape(A, All, Darker(Brand, 0.45), [&](double X, double Y) { return InTile(X, Y, 0); });
            // The face, lighter at the top, inside a rim of about 1/32.
            const double Rim = std::max(1.0, S / 32);
            for (int Y = 0; Y < Size; ++Y)
            {
                const TColor C = Mix(Lighter(Brand, 0.35), Darker(Brand, 0.2), (Y + 0.5) / S);
                for (int X = 0; X < Size; ++X)
                    A.Blend(
                        X, Y, C,
                        Cover(X, Y, [&](double Px, double Py) { return InTile(Px, Py, -Rim); }));
            }
            // A soft gloss over the upper half.
            for (int Y = 0; Y < Size / 2; ++Y)
                for (int X = 0; X < Size; ++X)
                    A.Blend(X, Y, 0xFFFFFF,
                            0.16 * (1 - Y / (S / 2)) *
                                Cover(X, Y,
                                      [&](double Px, double Py) { return InTile(Px, Py, -Rim); }));
            Mark(A, S * 0.16, S * 0.16, S * 0.68, 0xFFFFFF);
        });
}

void Text(TArt& A, int X, int Y, const char* Face, int Height, bool Bold, TColor C,
          std::string_view S)
{
    TDeviceContext Dc(A.Pixels());
    TFontDesc F;
    F.Face = Face;
    F.Height = Height;
    F.Bold = Bold;
    Dc.SetFont(F);
    Dc.SetBkMode(TRANSPARENT);
    Dc.SetTextColor(C);
    TextOut(Dc, X, Y, S);
}

int TextWidth(TArt& A, const char* Face, int Height, bool Bold, std::string_view S)
{
    TDeviceContext Dc(A.Pixels());
    TFontDesc F;
    F.Face = Face;
    F.Height = Height;
    F.Bold = Bold;
    Dc.SetFont(F);
    return GetTextExtent(Dc, S).Width;
}

// The radio module on a light background: a blue board with gold edge pads,
// a shielding can with the type, a coil antenna and a status light.
TArt ProductPicture()
{
    TArt A(120, 120);
    A.GradientV(A.Bounds(), {0xFFFFFF, RGB(0xF2, 0xF3, 0xF6), RGB(0xE2, 0xE4, 0xEA)});
    // Shadow under the board.
    for (int I = 0; I < 6; ++I)
        A.RoundFrame({14 + I, 36 + I, 112 - I, 112 - I}, 6,
                     Mix(RGB(0xE2, 0xE4, 0xEA), RGB(0x9A, 0x9E, 0xAA), (6 - I) / 12.0));
    const TRect Board{10, 30, 106, 106};
    const TColor Pcb = RGB(0x1C, 0x3E, 0x8E);
    A.RoundGradientV(Board, 4, {Lighter(Pcb, 0.15), Pcb, Darker(Pcb, 0.2)});
    A.RoundFrame(Board, 4, Darker(Pcb, 0.5));
    // Castellated pads along both long edges.
    const TColor Gold = RGB(0xE0, 0xB4, 0x4C);
    for (int Y = 40; Y < 100; Y += 8)
    {
        A.Fill({10, Y, 15, Y + 4}, Gold);
        A.Fill({101, Y, 106, Y + 4}, Gold);
        A.Set(10, Y + 1, Darker(Gold, 0.4));
        A.Set(10, Y + 2, Darker(Gold, 0.4));
        A.Set(105, Y + 1, Darker(Gold, 0.4));
        A.Set(105, Y + 2, Darker(Gold, 0.4));
    }
    // The shielding can.
    const TRect Can{22, 48, 94, 98};
    A.RoundGradientV(Can, 2,
                     {RGB(0xF4, 0xF5, 0xF8), RGB(0xC8, 0xCC, 0xD4), RGB(0xDC, 0xDE, 0xE4),
                      RGB(0xA8, 0xAC, 0xB6)});
    A.RoundFrame(Can, 2, RGB(0x6C, 0x70, 0x7A));
    A.HLine(24, 92, 49, 0xFFFFFF);
    const int W1 = TextWidth(A, "Tahoma", -11, true, "NOVLA-A");
    Text(A, 58 - W1 / 2, 58, "Tahoma", -11, true, RGB(0x2A, 0x2E, 0x3A), "NOVLA-A");
    const int W2 = TextWidth(A, "Tahoma", -9, false, "433 MHz  SS");
    Text(A, 58 - W2 / 2, 74, "Tahoma", -9, false, RGB(0x50, 0x54, 0x60), "433 MHz  SS");
    Mark(A, 52, 85, 12, Brand);
    // The coil antenna rising from the top-left corner.
    const TColor Copper = RGB(0xC8, 0x7A, 0x3C);
    A.Fill({24, 36, 30, 40}, Gold);
    for (int Turn = 0; Turn < 7; ++Turn)
    {
        const int Y = 33 - Turn * 4;
        A.Disc(27, Y, 3.2, Darker(Copper, 0.3));
        A.Disc(27, Y - 0.6, 2.4, Copper);
        A.Disc(26.2, Y - 1.2, 0.9, Lighter(Copper, 0.5));
    }
    // Status light and two small parts.
    A.Disc(84, 40, 2.6, RGB(0x20, 0xC0, 0x50));
    A.Disc(83.4, 39.4, 1.0, RGB(0xC0, 0xFF, 0xD0));
    A.Fill({40, 36, 48, 41}, RGB(0x2A, 0x2A, 0x30));
    A.Fill({54, 36, 66, 42}, RGB(0x2A, 0x2A, 0x30));
    A.HLine(54, 66, 36, RGB(0x50, 0x50, 0x58));
    return A;
}

// The logo: the mark and the name in white on graphite, as the title bar.
TArt Logo()
{
    TArt A(97, 50);
    A.GradientV(A.Bounds(), {RGB(0x4A, 0x4A, 0x50), RGB(0x30, 0x30, 0x34), RGB(0x1C, 0x1C, 0x1E)});
    A.HLine(0, 97, 45, Brand);
    A.HLine(0, 97, 46, Lighter(Brand, 0.3));
    A.Fill({0, 47, 97, 50}, RGB(0x10, 0x10, 0x12));
    Mark(A, 4, 9, 24, 0xFFFFFF);
    const int Name = TextWidth(A, "Tahoma", -15, true, "NOVLA");
    const int Line = TextWidth(A, "Tahoma", -9, false, "RF MODULES");
    const int X = 31 + (62 - std::max(Name, Line)) / 2;
    Text(A, X, 8, "Tahoma", -15, true, 0xFFFFFF, "NOVLA");
    Text(A, X + (Name - Line) / 2, 27, "Tahoma", -9, false, RGB(0xC8, 0xCA, 0xF4), "RF MODULES");
    return A;
}

// The configuration window's title: the Protein rows in few enough colours
// for 8- and 4-bit bitmaps.
TColor ProgramTitle(int Y)
{
    if (Y == 0 || Y >= 22) return 0x000000;
    if (Y == 1) return RGB(0x60, 0x60, 0x64);
    if (Y == 21) return Brand;
    // Five levels over the upper half, five over the lower one.
    if (Y <= 10) return Mix(RGB(0x4A, 0x4A, 0x4E), RGB(0x36, 0x36, 0x3A), (Y - 2) / 2 / 4.0);
    return Mix(RGB(0x28, 0x28, 0x2B), RGB(0x1A, 0x1A, 0x1C), std::min(4, (Y - 11) / 2) / 4.0);
}

TArt ProgramTitleColumn()
{
    TArt A(1, 23);
    for (int Y = 0; Y < 23; ++Y)
        A.Set(0, Y, ProgramTitle(Y));
    return A;
}

// The left title picture: a soft light behind icon and caption and a thin
// signal trace past the caption, both gone before the plain end.
TArt ProgramTitleLeft()
{
    TArt A(441, 23);
    for (int Y = 0; Y < 23; ++Y)
        A.HLine(0, 441, Y, ProgramTitle(Y));
    for (int X = 0; X < 441; ++X)
    {
        const double Light = 0.09 * std::max(0.0, 1.0 - X / 240.0);
        for (int Y = 2; Y < 21; ++Y)
            A.Set(X, Y, Lighter(A.Get(X, Y), std::round(Light * 200) / 200));
        A.Set(X, 21, Lighter(Brand, std::round(64 * 0.35 * std::max(0.0, 1.0 - X / 300.0)) / 64));
    }
    // The trace: a damped wave, brightest at its start.
    for (int X = 250; X < 350; ++X)
    {
        const double T = (X - 250) / 100.0;
        const int Y =
            11 + static_cast<int>(std::lround(5 * (1 - T) * std::sin(T * 6 * std::numbers::pi)));
        A.Set(X, Y, Mix(RGB(0x7A, 0x7C, 0xD8), ProgramTitle(Y), std::round(T * 8) / 8));
    }
    LimitColours(A, 256);
    return A;
}

TArt ProgramTitleButton(int Kind, int State)
{
    return ProteinTitleButton(Kind, State, ProgramTitle);
}
} // namespace

void AddProgramArt(TArtBook& Book)
{
    Book.AddSized("MAINICON", Icon);
    for (int Size : {48, 64, 128, 256})
        Book.AddSized("NOVLA_ICON_" + std::to_string(Size), Icon);
    Book.Add("NOVLA_PRODUCT_PICTURE", ProductPicture);
    Book.Add("NOVLA_LOGO", Logo);
    Book.Add("NOVLA_TITLE_LEFT", ProgramTitleLeft);
    Book.Add("NOVLA_TITLE_RIGHT", ProgramTitleColumn);
    Book.Add("NOVLA_TITLE_CLIENT", ProgramTitleColumn);
    const char* States[] = {"NORMAL", "HOT", "DOWN"};
    for (int State = 0; State < 3; ++State)
    {
        Book.Add(std::string("NOVLA_TITLE_CONTROLBOX_") + States[State],
                 [State] { return ProgramTitleButton(0, State); });
        Book.Add(std::string("NOVLA_TITLE_CLOSE_") + States[State],
                 [State] { return ProgramTitleButton(5, State); });
    }
}
