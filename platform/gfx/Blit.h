#pragma once

#include "platform/gfx/DeviceContext.h"

#include <cstdint>

// Raster operations of the blit functions (classic values).
enum : uint32_t
{
    SRCCOPY = 0x00CC0020,
    SRCPAINT = 0x00EE0086,
    SRCAND = 0x008800C6,
    SRCINVERT = 0x00660046,
    NOTSRCCOPY = 0x00330008,
    DSTINVERT = 0x00550009,
    PATCOPY = 0x00F00021,
    BLACKNESS = 0x00000042,
    WHITENESS = 0x00FF0062
};

// Copies. Destination coordinates are logical coordinates of Dst; a source
// surface is addressed in its own pixels, a source context in its logical
// coordinates. Only the part of the source rectangle that lies on the source
// surface is used (the destination shrinks with it), and drawing is clipped
// to Dst. Source and destination may be the same surface. PATCOPY uses Dst's
// brush. Each returns false (nothing drawn) for an unknown raster operation,
// negative sizes, or a coordinate or size beyond +-2^24.
bool BitBlt(TDeviceContext& Dst, int X, int Y, int Width, int Height, const TSurface& Src, int SrcX,
            int SrcY, uint32_t Rop = SRCCOPY);
bool BitBlt(TDeviceContext& Dst, int X, int Y, int Width, int Height, const TDeviceContext& Src,
            int SrcX, int SrcY, uint32_t Rop = SRCCOPY);

// Scales the source rectangle onto the destination rectangle. A negative
// width or height on one side (not both) mirrors the picture along that
// axis, so a destination with Right < Left shows it flipped. Dst's stretch
// mode picks the filter: HALFTONE smooths (area average when shrinking,
// bilinear when growing), the other modes take the nearest source pixel.
// Source pixels outside the source rectangle never contribute. Returns
// false for an empty source or destination, an unknown raster operation, or
// a source or destination rectangle of more than MaxPicturePixels pixels.
bool StretchBlt(TDeviceContext& Dst, int X, int Y, int Width, int Height, const TSurface& Src,
                int SrcX, int SrcY, int SrcWidth, int SrcHeight, uint32_t Rop = SRCCOPY);
bool StretchBlt(TDeviceContext& Dst, int X, int Y, int Width, int Height, const TDeviceContext& Src,
                int SrcX, int SrcY, int SrcWidth, int SrcHeight, uint32_t Rop = SRCCOPY);

// Like a nearest-pixel StretchBlt, leaving out source pixels whose colour is
// Key. Negative sizes are refused (false).
bool TransparentBlt(TDeviceContext& Dst, int X, int Y, int Width, int Height, const TSurface& Src,
                    int SrcX, int SrcY, int SrcWidth, int SrcHeight, TColor Key);

// Composites Src (premultiplied alpha, e.g. a decoded icon) over Dst with its
// top-left corner at (X, Y).
void AlphaBlit(TDeviceContext& Dst, int X, int Y, const TSurface& Src);
