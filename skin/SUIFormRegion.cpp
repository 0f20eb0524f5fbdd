#include "skin/SUIForm.h"

#include "framework/graphics/Bitmap.h"
#include "platform/gfx/Region.h"
#include "platform/win/WinApi.h"

#include <algorithm>
#include <vector>

// The owner's window region: rounded corners in the built-in styles, the
// skin's transparent pixels left out of its title and bottom pictures.

void TsuiForm::RegionWindow()
{
    if (!FOwnerForm || !FOwnerForm->HandleAllocated()) return;
    HWND Owner = FOwnerForm->Handle();
    const TsuiFrameGeometry& G = Geometry();
    const int W = G.In.Window.Width, H = G.In.Window.Height;
    if (G.In.Skinned)
    {
        RegionFromSkin(W, H);
        return;
    }
    const int M = H / 2;
    // Corners larger than the halves they round are clamped to them.
    const int C = std::clamp(RoundCorner(), 0, std::min(W, M) / 2);
    const int D = std::clamp(std::max(RoundCornerBottom(), 0), 0, std::min(W, H - M) / 2);
    TRegion Upper = TRegion::RoundRect(0, 0, W + 1, M + 1, C, C);
    TRegion Squares = TRegion::FromRects({{0, M - 2 * C, 2 * C, M}, {W - 2 * C, M - 2 * C, W, M}});
    CombineRgn(Upper, Upper, Squares, RGN_OR);
    TRegion Lower = TRegion::RoundRect(0, M, W + 1, H + 1, D, D);
    TRegion Top = TRegion::FromRects({{0, M, 2 * D, M + 2 * D}, {W - 2 * D, M, W, M + 2 * D}});
    CombineRgn(Lower, Lower, Top, RGN_OR);
    CombineRgn(Upper, Upper, Lower, RGN_OR);
    SetWindowRgn(Owner, &Upper, TRUE);
}

namespace
{
// Adds to Region every run of pixels of Image's rows First..Last - 1 whose
// colour is not Key, moved down by Dy and cut at Width.
void AddOpaqueRuns(TRegion& Region, const TBitmap& Image, TColor Key, int First, int Last, int Dy,
                   int Width)
{
    const uint32_t KeyPixel = PixelFromColor(Key) | 0xFF000000u;
    const int W = std::min(Image.Width(), Width);
    std::vector<TRect> Runs;
    for (int Y = First; Y < Last; ++Y)
    {
        const uint32_t* Row = Image.ScanLine(Y);
        int X = 0;
        while (X < W)
        {
            while (X < W && (Row[X] | 0xFF000000u) == KeyPixel)
                ++X;
            const int Start = X;
            while (X < W && (Row[X] | 0xFF000000u) != KeyPixel)
                ++X;
            if (X > Start) Runs.push_back({Start, Y + Dy, X, Y + Dy + 1});
        }
    }
    Region.Union(TRegion::FromRects(Runs));
}

// The part of a window W wide that a picture's rows give, the picture lying
// at Dy: whole rows above MinY, the opaque pixels of rows MinY..MaxY, whole
// rows below. The rows come from a skin: they are held to the picture.
void AddPictureRegion(TRegion& Region, const TBitmap& Image, TColor Key, int MinY, int MaxY, int Dy,
                      int W)
{
    const int H = Image.Height();
    const int First = std::clamp(MinY, 0, H);
    const int End = MinY >= MaxY ? H : std::clamp(MaxY + 1, First, H);
    if (First >= 1) Region.Union(TRegion(TRect{0, Dy, W, Dy + First}));
    AddOpaqueRuns(Region, Image, Key, First, End, Dy, W);
    if (End < H) Region.Union(TRegion(TRect{0, Dy + End, W, Dy + H}));
}
} // namespace

void TsuiForm::RegionFromSkin(int W, int H)
{
    HWND Owner = FOwnerForm->Handle();
    TRegion Region(TRect{0, 0, W, H});
    const TBitmap* Title = FTitleRegion && TitleBarVisible() ? FTitleBar->TitleImage() : nullptr;
    if (FBottomRegion) ComposeBottomImage(W);
    const bool ShapeTitle = Title && !Title->Empty();
    const bool ShapeBottom = FBottomRegion && !FBottomImage->Empty();
    if (ShapeTitle || ShapeBottom)
    {
        const int Top = ShapeTitle ? Title->Height() : 0;
        const int Low = ShapeBottom ? FBottomImage->Height() : 0;
        Region = TRegion(TRect{0, Top, W, std::max(H - Low, Top)});
        if (ShapeTitle)
            AddPictureRegion(Region, *Title, FRegionTransColor, FTitleRegionMinY, FTitleRegionMaxY,
                             0, W);
        if (ShapeBottom)
            AddPictureRegion(Region, *FBottomImage, FRegionTransColor, FBottomRegionMinY,
                             FBottomRegionMaxY, H - Low, W);
    }
    SetWindowRgn(Owner, &Region, TRUE);
}
