#include "resources/stylegen/Art.h"

#include <algorithm>
#include <cmath>
#include <set>
#include <vector>

namespace
{
int Channel(double A, double B, double T)
{
    return std::clamp(static_cast<int>(std::lround(A + (B - A) * T)), 0, 255);
}

double Interpolate(int I, int Count)
{
    return Count <= 1 ? 0.0 : static_cast<double>(I) / (Count - 1);
}

TColor StopAt(std::initializer_list<TColor> Stops, double T)
{
    const int N = static_cast<int>(Stops.size());
    if (N == 1) return *Stops.begin();
    const double P = T * (N - 1);
    const int I = std::min(static_cast<int>(P), N - 2);
    return Mix(Stops.begin()[I], Stops.begin()[I + 1], P - I);
}

// Coverage of the pixel (X, Y) by a disc, sampled 4 x 4.
double DiscCoverage(double Cx, double Cy, double Radius, int X, int Y)
{
    int Inside = 0;
    for (int Sy = 0; Sy < 4; ++Sy)
        for (int Sx = 0; Sx < 4; ++Sx)
        {
            const double Dx = X + (Sx + 0.5) / 4 - Cx;
            const double Dy = Y + (Sy + 0.5) / 4 - Cy;
            if (Dx * Dx + Dy * Dy <= Radius * Radius) ++Inside;
        }
    return Inside / 16.0;
}
} // namespace

TColor Mix(TColor A, TColor B, double T)
{
    return RGB(Channel(GetRValue(A), GetRValue(B), T), Channel(GetGValue(A), GetGValue(B), T),
               Channel(GetBValue(A), GetBValue(B), T));
}

TColor Lighter(TColor C, double T)
{
    return Mix(C, clWhite, T);
}
TColor Darker(TColor C, double T)
{
    return Mix(C, clBlack, T);
}

TArt::TArt(int Width, int Height, TColor Fill) : FSurface(Width, Height, Fill) {}

TArt TArt::Clone() const
{
    TArt Copy(0, 0);
    Copy.FSurface = FSurface.Clone();
    return Copy;
}

void TArt::Blend(int X, int Y, TColor C, double Coverage)
{
    if (!Bounds().Contains(X, Y) || Coverage <= 0) return;
    Set(X, Y, Coverage >= 1 ? C : Mix(Get(X, Y), C, Coverage));
}

void TArt::Fill(const TRect& R, TColor C)
{
    const TRect Clip = R.Intersect(Bounds());
    for (int Y = Clip.Top; Y < Clip.Bottom; ++Y)
        for (int X = Clip.Left; X < Clip.Right; ++X)
            Set(X, Y, C);
}

void TArt::Frame(const TRect& R, TColor C)
{
    if (R.IsEmpty()) return;
    HLine(R.Left, R.Right, R.Top, C);
    HLine(R.Left, R.Right, R.Bottom - 1, C);
    VLine(R.Left, R.Top, R.Bottom, C);
    VLine(R.Right - 1, R.Top, R.Bottom, C);
}

void TArt::HLine(int X0, int X1, int Y, TColor C)
{
    Fill({X0, Y, X1, Y + 1}, C);
}
void TArt::VLine(int X, int Y0, int Y1, TColor C)
{
    Fill({X, Y0, X + 1, Y1}, C);
}

void TArt::GradientV(const TRect& R, TColor Top, TColor Bottom)
{
    GradientV(R, {Top, Bottom});
}

void TArt::GradientV(const TRect& R, std::initializer_list<TColor> Stops)
{
    for (int Y = R.Top; Y < R.Bottom; ++Y)
        HLine(R.Left, R.Right, Y, StopAt(Stops, Interpolate(Y - R.Top, R.Height())));
}

void TArt::GradientH(const TRect& R, TColor Left, TColor Right)
{
    for (int X = R.Left; X < R.Right; ++X)
        VLine(X, R.Top, R.Bottom, Mix(Left, Right, Interpolate(X - R.Left, R.Width())));
}

bool TArt::InRound(const TRect& R, int Radius, int X, int Y)
{
    if (!R.Contains(X, Y)) return false;
    // Distance of the pixel centre from the corner circle's centre.
    const double Cx = X < R.Left + Radius     ? R.Left + Radius
                      : X >= R.Right - Radius ? R.Right - Radius
                                              : X + 0.5;
    const double Cy = Y < R.Top + Radius       ? R.Top + Radius
                      : Y >= R.Bottom - Radius ? R.Bottom - Radius
                                               : Y + 0.5;
    const double Dx = X + 0.5 - Cx;
    const double Dy = Y + 0.5 - Cy;
    return Dx * Dx + Dy * Dy <= (Radius + 0.1) * (Radius + 0.1);
}

void TArt::RoundFill(const TRect& R, int Radius, TColor C)
{
    RoundGradientV(R, Radius, {C});
}

void TArt::RoundGradientV(const TRect& R, int Radius, std::initializer_list<TColor> Stops)
{
    for (int Y = R.Top; Y < R.Bottom; ++Y)
    {
        const TColor C = StopAt(Stops, Interpolate(Y - R.Top, R.Height()));
        for (int X = R.Left; X < R.Right; ++X)
            if (InRound(R, Radius, X, Y)) Set(X, Y, C);
    }
}

void TArt::RoundFrame(const TRect& R, int Radius, TColor C)
{
    // A pixel of the shape with a 4-neighbour outside it lies on the outline.
    for (int Y = R.Top; Y < R.Bottom; ++Y)
        for (int X = R.Left; X < R.Right; ++X)
            if (InRound(R, Radius, X, Y) &&
                (!InRound(R, Radius, X - 1, Y) || !InRound(R, Radius, X + 1, Y) ||
                 !InRound(R, Radius, X, Y - 1) || !InRound(R, Radius, X, Y + 1)))
                Set(X, Y, C);
}

void TArt::Disc(double Cx, double Cy, double Radius, TColor C)
{
    DiscGradientV(Cx, Cy, Radius, C, C);
}

void TArt::DiscGradientV(double Cx, double Cy, double Radius, TColor Top, TColor Bottom)
{
    const int Y0 = static_cast<int>(std::floor(Cy - Radius));
    const int Y1 = static_cast<int>(std::ceil(Cy + Radius));
    const int X0 = static_cast<int>(std::floor(Cx - Radius));
    const int X1 = static_cast<int>(std::ceil(Cx + Radius));
    for (int Y = Y0; Y <= Y1; ++Y)
    {
        const TColor C =
            Mix(Top, Bottom, std::clamp((Y + 0.5 - (Cy - Radius)) / (2 * Radius), 0.0, 1.0));
        for (int X = X0; X <= X1; ++X)
            Blend(X, Y, C, DiscCoverage(Cx, Cy, Radius, X, Y));
    }
}

void TArt::Ring(double Cx, double Cy, double Radius, double Thickness, TColor C)
{
    const int Y0 = static_cast<int>(std::floor(Cy - Radius));
    const int Y1 = static_cast<int>(std::ceil(Cy + Radius));
    const int X0 = static_cast<int>(std::floor(Cx - Radius));
    const int X1 = static_cast<int>(std::ceil(Cx + Radius));
    for (int Y = Y0; Y <= Y1; ++Y)
        for (int X = X0; X <= X1; ++X)
            Blend(X, Y, C,
                  DiscCoverage(Cx, Cy, Radius, X, Y) -
                      DiscCoverage(Cx, Cy, Radius - Thickness, X, Y));
}

TSize TArt::GlyphSize(std::initializer_list<std::string_view> Rows)
{
    int W = 0;
    for (std::string_view Row : Rows)
        W = std::max(W, static_cast<int>(Row.size()));
    return {W, static_cast<int>(Rows.size())};
}

void TArt::Glyph(int X, int Y, std::initializer_list<std::string_view> Rows, TColor C)
{
    int Dy = 0;
    for (std::string_view Row : Rows)
    {
        for (int Dx = 0; Dx < static_cast<int>(Row.size()); ++Dx)
            if (Row[Dx] == 'X') Set(X + Dx, Y + Dy, C);
        ++Dy;
    }
}

void TArt::Arrow(int Cx, int Cy, TDirection Direction, int Rows, TColor C)
{
    for (int I = 0; I < Rows; ++I) // I: distance from the widest row
        for (int J = -(Rows - 1 - I); J <= Rows - 1 - I; ++J)
            switch (Direction)
            {
            case Up:
                Set(Cx + J, Cy - I, C);
                break;
            case Down:
                Set(Cx + J, Cy + I, C);
                break;
            case Left:
                Set(Cx - I, Cy + J, C);
                break;
            case Right:
                Set(Cx + I, Cy + J, C);
                break;
            }
}

void TArt::Paste(const TArt& Source, int X, int Y)
{
    for (int Sy = 0; Sy < Source.Height(); ++Sy)
        for (int Sx = 0; Sx < Source.Width(); ++Sx)
            Set(X + Sx, Y + Sy, Source.Get(Sx, Sy));
}

void TArt::KeyOutside(const std::function<bool(int X, int Y)>& Keep)
{
    for (int Y = 0; Y < Height(); ++Y)
        for (int X = 0; X < Width(); ++X)
            if (!Keep(X, Y)) Set(X, Y, KeyColor);
}

TArt KeyedPicture(int Width, int Height, const std::function<TColor(int X, int Y)>& Behind,
                  const std::function<void(TArt&)>& Paint)
{
    TArt Real(Width, Height);
    TArt Probe(Width, Height, 0x123456);
    for (int Y = 0; Y < Height; ++Y)
        for (int X = 0; X < Width; ++X)
            Real.Set(X, Y, Behind(X, Y));
    const TArt Base = Real.Clone();
    Paint(Real);
    Paint(Probe);
    for (int Y = 0; Y < Height; ++Y)
        for (int X = 0; X < Width; ++X)
            if (Probe.Get(X, Y) == 0x123456 && Real.Get(X, Y) == Base.Get(X, Y))
                Real.Set(X, Y, KeyColor);
    return Real;
}

TArt Strip(int Count, int FrameWidth, int Height, const std::function<TArt(int K)>& Paint)
{
    TArt Result(Count * FrameWidth, Height);
    for (int K = 0; K < Count; ++K)
        Result.Paste(Paint(K), K * FrameWidth, 0);
    return Result;
}

TSurface AlphaPicture(int Width, int Height, const std::function<void(TArt&)>& Paint)
{
    TArt OnBlack(Width, Height, clBlack), OnWhite(Width, Height, clWhite);
    Paint(OnBlack);
    Paint(OnWhite);
    TSurface Out(Width, Height);
    for (int Y = 0; Y < Height; ++Y)
    {
        uint32_t* Row = Out.Row(Y);
        for (int X = 0; X < Width; ++X)
        {
            // Over black a pixel is its premultiplied colour; over white the
            // colour plus (1 - alpha) white.
            const TColor B = OnBlack.Get(X, Y), W = OnWhite.Get(X, Y);
            const int Clear = ((GetRValue(W) - GetRValue(B)) + (GetGValue(W) - GetGValue(B)) +
                               (GetBValue(W) - GetBValue(B)) + 1) /
                              3;
            const uint32_t A = static_cast<uint32_t>(std::clamp(255 - Clear, 0, 255));
            auto Pre = [A](int C) { return std::min<uint32_t>(static_cast<uint32_t>(C), A); };
            Row[X] = A << 24 | Pre(GetRValue(B)) << 16 | Pre(GetGValue(B)) << 8 | Pre(GetBValue(B));
        }
    }
    return Out;
}

void LimitColours(TArt& A, int MaxColours)
{
    for (int Drop = 0; Drop < 8; ++Drop)
    {
        const int Mask = 0xFF & ~((1 << Drop) - 1);
        std::set<TColor> Seen;
        for (int Y = 0; Y < A.Height(); ++Y)
            for (int X = 0; X < A.Width(); ++X)
            {
                const TColor C = A.Get(X, Y);
                Seen.insert(RGB(GetRValue(C) & Mask, GetGValue(C) & Mask, GetBValue(C) & Mask));
            }
        if (static_cast<int>(Seen.size()) > MaxColours) continue;
        for (int Y = 0; Y < A.Height(); ++Y)
            for (int X = 0; X < A.Width(); ++X)
            {
                const TColor C = A.Get(X, Y);
                A.Set(X, Y, RGB(GetRValue(C) & Mask, GetGValue(C) & Mask, GetBValue(C) & Mask));
            }
        return;
    }
}
