#pragma once

#include "platform/gfx/DeviceContext.h"
#include "platform/gfx/Surface.h"

#include <vector>

namespace gfx
{
// A list of equally sized images, drawn plain, masked by a key colour, or in
// the disabled rendering.
//
// The disabled rendering is the classic embossed look: every opaque pixel
// darker than light grey (luminance below 192) counts as ink; ink is drawn
// in the button-highlight colour one pixel down and right, then in the
// button-shadow colour at its place; other pixels are left out.
class TImageList
{
  public:
    // Images of Width x Height pixels (each at least 1).
    TImageList(int Width, int Height);

    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    int Count() const { return static_cast<int>(FImages.size()); }

    // Cuts Strip into Width-wide images from the left (a narrower remainder
    // is dropped; a strip shorter than Height is padded with transparent
    // rows for masked adds, black ones for plain adds) and appends them.
    // Returns the index of the first new image, or -1 when the strip holds
    // no whole image.
    int Add(const TSurface& Strip);
    // As Add; pixels of MaskColor become transparent.
    int AddMasked(const TSurface& Strip, TColor MaskColor);

    // Draws image Index with its top-left corner at logical (X, Y) of Dc;
    // masked pixels are left out. Draws nothing for an index out of range.
    void Draw(TDeviceContext& Dc, int X, int Y, int Index, bool Enabled = true) const;
    // A copy of image Index (masked pixels transparent black); empty for an
    // index out of range.
    TSurface Image(int Index) const;

    void Clear() { FImages.clear(); }

  private:
    int Append(const TSurface& Strip, bool Masked, TColor MaskColor);

    int FWidth;
    int FHeight;
    // Premultiplied: masked pixels are 0, others opaque.
    std::vector<TSurface> FImages;
};
} // namespace gfx
