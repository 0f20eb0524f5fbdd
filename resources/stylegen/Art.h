#pragma once

#include "platform/gfx/Color.h"
#include "platform/gfx/Geometry.h"
#include "platform/gfx/Surface.h"

#include <functional>
#include <initializer_list>
#include <string_view>

// Drawing helpers of the style-art generator: exact pixel work on one
// picture. Every shape lands on whole pixels so lines stay one pixel wide;
// only discs blend their rim with what is below.

// The colour that shows what lies behind a picture.
constexpr TColor KeyColor = 0xFF00FF;

// A colour T of the way from A to B (T in 0..1).
TColor Mix(TColor A, TColor B, double T);
TColor Lighter(TColor C, double T);
TColor Darker(TColor C, double T);

class TArt
{
  public:
    TArt(int Width, int Height, TColor Fill = KeyColor);
    TArt Clone() const;

    int Width() const { return FSurface.Width(); }
    int Height() const { return FSurface.Height(); }
    TRect Bounds() const { return FSurface.Bounds(); }
    const TSurface& Surface() const { return FSurface; }
    // For drawing with the graphics layer's own primitives and text.
    TSurface& Pixels() { return FSurface; }
    TSurface TakeSurface() { return std::move(FSurface); }

    TColor Get(int X, int Y) const { return FSurface.Pixel(X, Y); }
    void Set(int X, int Y, TColor C) { FSurface.SetPixel(X, Y, C); }
    // Coverage 0..1 of C over the pixel.
    void Blend(int X, int Y, TColor C, double Coverage);

    void Fill(const TRect& R, TColor C);
    void Frame(const TRect& R, TColor C);
    void HLine(int X0, int X1, int Y, TColor C); // X1 excluded
    void VLine(int X, int Y0, int Y1, TColor C); // Y1 excluded
    // Top row Top, bottom row Bottom (rows between interpolated).
    void GradientV(const TRect& R, TColor Top, TColor Bottom);
    void GradientH(const TRect& R, TColor Left, TColor Right);
    // A vertical gradient through several stops spread evenly.
    void GradientV(const TRect& R, std::initializer_list<TColor> Stops);

    // Rectangles with corners cut to a quarter circle of Radius pixels.
    void RoundFill(const TRect& R, int Radius, TColor C);
    void RoundGradientV(const TRect& R, int Radius, std::initializer_list<TColor> Stops);
    void RoundFrame(const TRect& R, int Radius, TColor C);
    // True when (X, Y) lies inside the rounded rectangle.
    static bool InRound(const TRect& R, int Radius, int X, int Y);

    // Discs and rings centred at (Cx, Cy) in pixel units (pixel centres at
    // .5), with a blended rim.
    void Disc(double Cx, double Cy, double Radius, TColor C);
    void DiscGradientV(double Cx, double Cy, double Radius, TColor Top, TColor Bottom);
    void Ring(double Cx, double Cy, double Radius, double Thickness, TColor C);

    // A glyph drawn from rows of text: 'X' pixels in C, anything else left.
    void Glyph(int X, int Y, std::initializer_list<std::string_view> Rows, TColor C);
    // Pattern glyph size.
    static TSize GlyphSize(std::initializer_list<std::string_view> Rows);

    // A solid triangle of Rows rows (the widest 2 x Rows - 1 pixels) pointing
    // Up, Down, Left or Right, its widest row's middle pixel at (Cx, Cy) and
    // its tip Rows - 1 pixels away from it.
    enum TDirection
    {
        Up,
        Down,
        Left,
        Right
    };
    void Arrow(int Cx, int Cy, TDirection Direction, int Rows, TColor C);

    // Copies Source with its top-left corner at (X, Y).
    void Paste(const TArt& Source, int X, int Y);
    // Every pixel not inside Keep becomes KeyColor.
    void KeyOutside(const std::function<bool(int X, int Y)>& Keep);

  private:
    TSurface FSurface;
};

// Draws a picture that shows what lies behind it: Paint runs once over
// Behind (the colours the picture will most likely be seen on, so blended
// rims match) and once over a contrasting fill; pixels Paint left alone
// become KeyColor.
TArt KeyedPicture(int Width, int Height, const std::function<TColor(int X, int Y)>& Behind,
                  const std::function<void(TArt&)>& Paint);

// Paints a picture with alpha: Paint runs over black and over white, and
// the difference gives each pixel's coverage. Returns premultiplied pixels.
TSurface AlphaPicture(int Width, int Height, const std::function<void(TArt&)>& Paint);

// Reduces the picture to at most MaxColours colours by dropping low bits of
// every channel alike until it fits (for palette bitmaps).
void LimitColours(TArt& A, int MaxColours);

// A strip of Count frames of FrameWidth x Height, frame K (0-based) painted
// by Paint into its own picture.
TArt Strip(int Count, int FrameWidth, int Height, const std::function<TArt(int K)>& Paint);
