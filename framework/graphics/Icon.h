#pragma once

#include "framework/graphics/Graphic.h"
#include "platform/gfx/Surface.h"

// An icon: the file bytes it was loaded from and the largest image in them,
// with its transparency. Always drawn transparent, at its own size.
class TIcon : public TGraphic
{
  public:
    TIcon();

    static const TClassInfo& StaticClass();
    const TClassInfo& ClassInfo() const override { return StaticClass(); }

    bool Empty() const override { return FSurface.IsEmpty(); }
    int Width() const override { return FSurface.Width(); }
    int Height() const override { return FSurface.Height(); }

    void LoadFromBytes(std::span<const uint8_t> Data) override;
    std::vector<uint8_t> SaveToBytes() const override { return FBytes; }
    const TSurface& Surface() const override { return FSurface; }
    void Draw(TCanvas& Canvas, const TRect& R) const override;
    // The image of the loaded file whose width is closest to Size (every
    // image of the file is kept, not only the one drawn); a copy of the
    // drawn image when the icon was not loaded from a file.
    TSurface Image(int Size) const;

    void Assign(const TPersistent* Source) override;

  private:
    TSurface FSurface;
    std::vector<uint8_t> FBytes;
};
