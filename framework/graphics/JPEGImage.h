#pragma once

#include "framework/graphics/Graphic.h"
#include "platform/gfx/Surface.h"

// A JPEG picture: keeps the file bytes it was loaded from (saved unchanged,
// so nothing is lost to re-encoding) and the decoded pixels it draws.
class TJPEGImage : public TGraphic
{
  public:
    TJPEGImage() = default;

    static const TClassInfo& StaticClass();
    const TClassInfo& ClassInfo() const override { return StaticClass(); }

    bool Empty() const override { return FSurface.IsEmpty(); }
    int Width() const override { return FSurface.Width(); }
    int Height() const override { return FSurface.Height(); }

    // Quality (1..100) used when a JPEG is made from another graphic.
    int CompressionQuality() const { return FQuality; }
    void SetCompressionQuality(int Value);

    void LoadFromBytes(std::span<const uint8_t> Data) override;
    std::vector<uint8_t> SaveToBytes() const override { return FBytes; }
    const TSurface& Surface() const override { return FSurface; }
    void Draw(TCanvas& Canvas, const TRect& R) const override;

    // JPEG images, and other graphics (encoded at CompressionQuality).
    void Assign(const TPersistent* Source) override;

  private:
    TSurface FSurface;
    std::vector<uint8_t> FBytes;
    int FQuality = 90;
};
