#include "platform/gfx/Blit.h"

#include "platform/gfx/BoxScale.h"
#include "platform/gfx/CodecStatus.h"
#include "platform/gfx/Paint.h"

#include <pixman.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>

namespace
{
bool KnownRop(uint32_t Rop)
{
    switch (Rop)
    {
    case SRCCOPY:
    case SRCPAINT:
    case SRCAND:
    case SRCINVERT:
    case NOTSRCCOPY:
    case DSTINVERT:
    case PATCOPY:
    case BLACKNESS:
    case WHITENESS:
        return true;
    default:
        return false;
    }
}

bool UsesSource(uint32_t Rop)
{
    return Rop != DSTINVERT && Rop != PATCOPY && Rop != BLACKNESS && Rop != WHITENESS;
}

// Holds a clip region on a pixman image for the duration of one operation.
class TClipScope
{
  public:
    TClipScope(pixman_image_t* Image, const TRegion& Clip) : FImage(Image)
    {
        pixman_image_set_clip_region32(FImage, const_cast<pixman_region32_t*>(Clip.Native()));
    }
    ~TClipScope() { pixman_image_set_clip_region32(FImage, nullptr); }
    TClipScope(const TClipScope&) = delete;
    TClipScope& operator=(const TClipScope&) = delete;

  private:
    pixman_image_t* FImage;
};

// Copy of Rect of Src (Rect inside Src) as its own surface.
TSurface Extract(const TSurface& Src, const TRect& Rect)
{
    TSurface Out(Rect.Width(), Rect.Height());
    if (Out.IsEmpty()) return Out;
    pixman_image_composite32(PIXMAN_OP_SRC, Src.Image(), nullptr, Out.Image(), Rect.Left, Rect.Top,
                             0, 0, 0, 0, Rect.Width(), Rect.Height());
    return Out;
}

// Combines source and destination words for the non-copy raster operations.
uint32_t Combine(uint32_t Rop, uint32_t S, uint32_t D)
{
    switch (Rop)
    {
    case SRCPAINT:
        return S | D;
    case SRCAND:
        return S & D;
    case SRCINVERT:
        return S ^ D;
    case NOTSRCCOPY:
        return ~S;
    case DSTINVERT:
        return ~D;
    case BLACKNESS:
        return 0;
    case WHITENESS:
        return 0xFFFFFFFFu;
    default:
        return S;
    }
}

// Blits the whole of Src (already cut to size) to surface position (Dx, Dy).
void BlitPrepared(TDeviceContext& Dst, int Dx, int Dy, const TSurface* Src, int Sx, int Sy, int W,
                  int H, uint32_t Rop)
{
    TRegion Area({Dx, Dy, Dx + W, Dy + H});
    Area.Intersect(Dst.SurfaceClip());
    if (Area.IsEmpty()) return;
    TSurface& Out = Dst.Surface();
    if (Rop == PATCOPY)
    {
        if (const std::optional<TPaint> Fill = BrushPaint(Dst, Dst.Brush()))
            for (const TRect& R : Area.Rects())
                PaintRect(Dst, *Fill, R);
        return;
    }
    if (Rop == SRCCOPY)
    {
        TClipScope Clip(Out.Image(), Area);
        pixman_image_composite32(PIXMAN_OP_SRC, Src->Image(), nullptr, Out.Image(), Sx, Sy, 0, 0,
                                 Dx, Dy, W, H);
        return;
    }
    for (const TRect& R : Area.Rects())
        for (int Y = R.Top; Y < R.Bottom; ++Y)
        {
            uint32_t* D = Out.Row(Y);
            const uint32_t* S = Src ? Src->Row(Y - Dy + Sy) + (Sx - Dx) : nullptr;
            for (int X = R.Left; X < R.Right; ++X)
                D[X] = Combine(Rop, S ? S[X] : 0, D[X]) | 0xFF000000u;
        }
}

TRect SourceRectOf(const TDeviceContext& Src, int X, int Y, int W, int H)
{
    return TRect{X, Y, X + W, Y + H}.Offset(Src.OffsetX(), Src.OffsetY());
}
} // namespace

bool BitBlt(TDeviceContext& Dst, int X, int Y, int Width, int Height, const TSurface& Src, int SrcX,
            int SrcY, uint32_t Rop)
{
    if (!KnownRop(Rop) || Width < 0 || Height < 0 ||
        !WithinCoordLimit({X, Y, Width, Height, SrcX, SrcY}))
        return false;
    TPoint D = Dst.LogicalToSurface(TPoint{X, Y});
    if (!UsesSource(Rop))
    {
        BlitPrepared(Dst, D.X, D.Y, nullptr, 0, 0, Width, Height, Rop);
        return true;
    }
    // Only the part of the source on the surface is copied.
    const TRect Wanted{SrcX, SrcY, SrcX + Width, SrcY + Height};
    const TRect Have = Wanted.Intersect(Src.Bounds());
    if (Have.IsEmpty()) return true;
    D.X += Have.Left - SrcX;
    D.Y += Have.Top - SrcY;
    if (&Src == &Dst.Surface())
    {
        const TSurface Copy = Extract(Src, Have);
        BlitPrepared(Dst, D.X, D.Y, &Copy, 0, 0, Have.Width(), Have.Height(), Rop);
    }
    else
        BlitPrepared(Dst, D.X, D.Y, &Src, Have.Left, Have.Top, Have.Width(), Have.Height(), Rop);
    return true;
}

bool BitBlt(TDeviceContext& Dst, int X, int Y, int Width, int Height, const TDeviceContext& Src,
            int SrcX, int SrcY, uint32_t Rop)
{
    const TRect S = SourceRectOf(Src, SrcX, SrcY, Width, Height);
    return BitBlt(Dst, X, Y, Width, Height, Src.Surface(), S.Left, S.Top, Rop);
}

bool StretchBlt(TDeviceContext& Dst, int X, int Y, int Width, int Height, const TSurface& Src,
                int SrcX, int SrcY, int SrcWidth, int SrcHeight, uint32_t Rop)
{
    if (!KnownRop(Rop) || Width == 0 || Height == 0 || SrcWidth == 0 || SrcHeight == 0 ||
        !WithinCoordLimit({X, Y, Width, Height, SrcX, SrcY, SrcWidth, SrcHeight}))
        return false;
    const bool FlipX = (Width < 0) != (SrcWidth < 0);
    const bool FlipY = (Height < 0) != (SrcHeight < 0);
    const TRect DstRect = TRect{X, Y, X + Width, Y + Height}.Normalized();
    const TRect SrcRect = TRect{SrcX, SrcY, SrcX + SrcWidth, SrcY + SrcHeight}.Normalized();
    if (!FlipX && !FlipY && DstRect.Width() == SrcRect.Width() &&
        DstRect.Height() == SrcRect.Height())
        return BitBlt(Dst, DstRect.Left, DstRect.Top, DstRect.Width(), DstRect.Height(), Src,
                      SrcRect.Left, SrcRect.Top, Rop);
    if (int64_t(SrcRect.Width()) * SrcRect.Height() > MaxPicturePixels ||
        int64_t(DstRect.Width()) * DstRect.Height() > MaxPicturePixels)
        return false;
    const int Dw = DstRect.Width();
    const int Dh = DstRect.Height();
    const double Rx = double(SrcRect.Width()) / Dw;
    const double Ry = double(SrcRect.Height()) / Dh;
    const bool Shrink = Dst.StretchMode() == HALFTONE && Rx >= 1 && Ry >= 1;
    if (Shrink && SrcRect.Intersect(Src.Bounds()) == SrcRect)
    {
        // Averaging reads only inside the rectangle and writes a new surface.
        const TSurface Small = BoxShrink(Src, SrcRect, Dw, Dh, FlipX, FlipY);
        return !Small.IsEmpty() && BitBlt(Dst, DstRect.Left, DstRect.Top, Dw, Dh, Small, 0, 0, Rop);
    }
    // Otherwise work on a private copy of the source rectangle so that
    // neither smoothing nor the same-surface case can read outside it.
    // Pixels of the rectangle off the surface read as black.
    TSurface Piece(SrcRect.Width(), SrcRect.Height());
    if (Piece.IsEmpty()) return false;
    {
        TDeviceContext PieceDc(Piece);
        BitBlt(PieceDc, 0, 0, SrcRect.Width(), SrcRect.Height(), Src, SrcRect.Left, SrcRect.Top);
    }
    if (Shrink)
    {
        const TSurface Small = BoxShrink(Piece, Piece.Bounds(), Dw, Dh, FlipX, FlipY);
        return !Small.IsEmpty() && BitBlt(Dst, DstRect.Left, DstRect.Top, Dw, Dh, Small, 0, 0, Rop);
    }
    pixman_f_transform F;
    pixman_f_transform_init_identity(&F);
    F.m[0][0] = FlipX ? -Rx : Rx;
    F.m[0][2] = FlipX ? SrcRect.Width() : 0;
    F.m[1][1] = FlipY ? -Ry : Ry;
    F.m[1][2] = FlipY ? SrcRect.Height() : 0;
    pixman_transform T;
    pixman_transform_from_pixman_f_transform(&T, &F);
    pixman_image_set_transform(Piece.Image(), &T);
    pixman_image_set_repeat(Piece.Image(), PIXMAN_REPEAT_PAD);
    if (Dst.StretchMode() != HALFTONE)
        pixman_image_set_filter(Piece.Image(), PIXMAN_FILTER_NEAREST, nullptr, 0);
    else if (Rx <= 1 && Ry <= 1)
        pixman_image_set_filter(Piece.Image(), PIXMAN_FILTER_BILINEAR, nullptr, 0);
    else
    {
        int Count = 0;
        pixman_fixed_t* Params = pixman_filter_create_separable_convolution(
            &Count, pixman_double_to_fixed(std::max(Rx, 1.0)),
            pixman_double_to_fixed(std::max(Ry, 1.0)), PIXMAN_KERNEL_BOX, PIXMAN_KERNEL_BOX,
            PIXMAN_KERNEL_BOX, PIXMAN_KERNEL_BOX, 4, 4);
        pixman_image_set_filter(Piece.Image(), PIXMAN_FILTER_SEPARABLE_CONVOLUTION, Params, Count);
        free(Params);
    }
    if (Rop == SRCCOPY)
    {
        const TRect D = Dst.LogicalToSurface(DstRect);
        TRegion Area(D);
        Area.Intersect(Dst.SurfaceClip());
        if (Area.IsEmpty()) return true;
        TClipScope Clip(Dst.Surface().Image(), Area);
        pixman_image_composite32(PIXMAN_OP_SRC, Piece.Image(), nullptr, Dst.Surface().Image(), 0, 0,
                                 0, 0, D.Left, D.Top, Dw, Dh);
        return true;
    }
    TSurface Scaled(Dw, Dh);
    if (Scaled.IsEmpty()) return false;
    pixman_image_composite32(PIXMAN_OP_SRC, Piece.Image(), nullptr, Scaled.Image(), 0, 0, 0, 0, 0,
                             0, Dw, Dh);
    return BitBlt(Dst, DstRect.Left, DstRect.Top, Dw, Dh, Scaled, 0, 0, Rop);
}

bool StretchBlt(TDeviceContext& Dst, int X, int Y, int Width, int Height, const TDeviceContext& Src,
                int SrcX, int SrcY, int SrcWidth, int SrcHeight, uint32_t Rop)
{
    return StretchBlt(Dst, X, Y, Width, Height, Src.Surface(), SrcX + Src.OffsetX(),
                      SrcY + Src.OffsetY(), SrcWidth, SrcHeight, Rop);
}

bool TransparentBlt(TDeviceContext& Dst, int X, int Y, int Width, int Height, const TSurface& Src,
                    int SrcX, int SrcY, int SrcWidth, int SrcHeight, TColor Key)
{
    if (Width <= 0 || Height <= 0 || SrcWidth <= 0 || SrcHeight <= 0 ||
        !WithinCoordLimit({X, Y, Width, Height, SrcX, SrcY, SrcWidth, SrcHeight}))
        return false;
    const uint32_t KeyRgb = PixelFromColor(Key) & 0x00FFFFFFu;
    const TRect D = Dst.LogicalToSurface(TRect{X, Y, X + Width, Y + Height});
    TRegion Area(D);
    Area.Intersect(Dst.SurfaceClip());
    TSurface& Out = Dst.Surface();
    for (const TRect& R : Area.Rects())
        for (int Yd = R.Top; Yd < R.Bottom; ++Yd)
        {
            // Nearest source pixel of the destination pixel's centre.
            const int Ys = SrcY + static_cast<int>((Yd - D.Top + 0.5) * SrcHeight / Height);
            if (Ys < 0 || Ys >= Src.Height()) continue;
            const uint32_t* S = Src.Row(Ys);
            uint32_t* O = Out.Row(Yd);
            for (int Xd = R.Left; Xd < R.Right; ++Xd)
            {
                const int Xs = SrcX + static_cast<int>((Xd - D.Left + 0.5) * SrcWidth / Width);
                if (Xs < 0 || Xs >= Src.Width()) continue;
                if ((S[Xs] & 0x00FFFFFFu) != KeyRgb) O[Xd] = S[Xs] | 0xFF000000u;
            }
        }
    return true;
}

void AlphaBlit(TDeviceContext& Dst, int X, int Y, const TSurface& Src)
{
    if (Src.IsEmpty()) return;
    const TPoint D = Dst.LogicalToSurface(TPoint{X, Y});
    TRegion Area({D.X, D.Y, D.X + Src.Width(), D.Y + Src.Height()});
    Area.Intersect(Dst.SurfaceClip());
    if (Area.IsEmpty()) return;
    TClipScope Clip(Dst.Surface().Image(), Area);
    pixman_image_composite32(PIXMAN_OP_OVER, Src.Image(), nullptr, Dst.Surface().Image(), 0, 0, 0,
                             0, D.X, D.Y, Src.Width(), Src.Height());
}
