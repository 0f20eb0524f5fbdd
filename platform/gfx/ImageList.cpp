#include "platform/gfx/ImageList.h"

#include "platform/gfx/Blit.h"

#include <algorithm>

gfx::TImageList::TImageList(int Width, int Height)
    : FWidth(std::max(1, Width)), FHeight(std::max(1, Height))
{
}

int gfx::TImageList::Add(const TSurface& Strip)
{
    return Append(Strip, false, clNone);
}

int gfx::TImageList::AddMasked(const TSurface& Strip, TColor MaskColor)
{
    return Append(Strip, true, MaskColor);
}

int gfx::TImageList::Append(const TSurface& Strip, bool Masked, TColor MaskColor)
{
    const int Pieces = Strip.Width() / FWidth;
    if (Strip.IsEmpty() || Pieces == 0) return -1;
    const int First = Count();
    const uint32_t Key = PixelFromColor(MaskColor) & 0x00FFFFFFu;
    const int Rows = std::min(FHeight, Strip.Height());
    for (int P = 0; P < Pieces; ++P)
    {
        TSurface Image(FWidth, FHeight, clBlack);
        for (int Y = 0; Y < FHeight; ++Y)
        {
            uint32_t* Out = Image.Row(Y);
            if (Y >= Rows)
            {
                if (Masked) std::fill(Out, Out + FWidth, 0u);
                continue;
            }
            const uint32_t* In = Strip.Row(Y) + P * FWidth;
            for (int X = 0; X < FWidth; ++X)
                Out[X] = Masked && (In[X] & 0x00FFFFFFu) == Key ? 0u : In[X] | 0xFF000000u;
        }
        FImages.push_back(std::move(Image));
    }
    return First;
}

void gfx::TImageList::Draw(TDeviceContext& Dc, int X, int Y, int Index, bool Enabled) const
{
    if (Index < 0 || Index >= Count()) return;
    const TSurface& Image = FImages[static_cast<size_t>(Index)];
    if (Enabled)
    {
        AlphaBlit(Dc, X, Y, Image);
        return;
    }
    // Ink mask shifted by one pixel for the highlight, then in place for the
    // shadow, both composed into one picture so clipping happens once.
    const uint32_t Highlight = PixelFromColor(clBtnHighlight);
    const uint32_t Shadow = PixelFromColor(clBtnShadow);
    TSurface Embossed(FWidth + 1, FHeight + 1);
    for (int Row = 0; Row <= FHeight; ++Row)
        std::fill(Embossed.Row(Row), Embossed.Row(Row) + FWidth + 1, 0u);
    auto Ink = [&](int Px, int Py)
    {
        const uint32_t P = Image.Row(Py)[Px];
        if ((P >> 24) == 0) return false;
        const int R = P >> 16 & 0xFF, G = P >> 8 & 0xFF, B = P & 0xFF;
        return (R * 299 + G * 587 + B * 114) / 1000 < 192;
    };
    for (int Py = 0; Py < FHeight; ++Py)
        for (int Px = 0; Px < FWidth; ++Px)
            if (Ink(Px, Py)) Embossed.Row(Py + 1)[Px + 1] = Highlight;
    for (int Py = 0; Py < FHeight; ++Py)
        for (int Px = 0; Px < FWidth; ++Px)
            if (Ink(Px, Py)) Embossed.Row(Py)[Px] = Shadow;
    AlphaBlit(Dc, X, Y, Embossed);
}

TSurface gfx::TImageList::Image(int Index) const
{
    if (Index < 0 || Index >= Count()) return {};
    TSurface Copy(FWidth, FHeight);
    const TSurface& Image = FImages[static_cast<size_t>(Index)];
    for (int Y = 0; Y < FHeight; ++Y)
        std::copy(Image.Row(Y), Image.Row(Y) + FWidth, Copy.Row(Y));
    return Copy;
}
