#pragma once

#include "framework/graphics/Graphic.h"
#include "platform/gfx/Color.h"
#include "platform/gfx/Surface.h"

#include <memory>

class TDeviceContext;

enum TPixelFormat
{
    pfDevice,
    pf1bit,
    pf4bit,
    pf8bit,
    pf15bit,
    pf16bit,
    pf24bit,
    pf32bit,
};

enum TTransparentMode
{
    tmAuto,
    tmFixed
};

// A picture held as pixels, with a canvas to draw on it. Reads BMP (and PNG)
// bytes and writes BMP at its pixel format's depth (pfDevice as 24 bits; a
// palette depth whose palette cannot hold the picture's colours falls back to
// 24 bits rather than losing colours). A transparent bitmap is drawn without the pixels of its
// transparent colour: the bottom-left pixel's (tmAuto) or TransparentColor
// (tmFixed).
class TBitmap : public TGraphic
{
  public:
    TBitmap();
    ~TBitmap() override;

    static const TClassInfo& StaticClass();
    const TClassInfo& ClassInfo() const override { return StaticClass(); }

    bool Empty() const override { return FSurface.IsEmpty(); }
    int Width() const override { return FSurface.Width(); }
    int Height() const override { return FSurface.Height(); }
    void SetWidth(int Value) { SetSize(Value, Height()); }
    void SetHeight(int Value) { SetSize(Width(), Value); }
    // Resizes keeping the top-left pixels; new pixels are white. A size of 0
    // in either direction empties the bitmap.
    void SetSize(int AWidth, int AHeight);

    TPixelFormat PixelFormat() const { return FPixelFormat; }
    void SetPixelFormat(TPixelFormat Value);

    TTransparentMode TransparentMode() const { return FTransparentMode; }
    void SetTransparentMode(TTransparentMode Value);
    TColor TransparentColor() const;
    // Also switches the mode to tmFixed.
    void SetTransparentColor(TColor Value);

    // A canvas over the bitmap's pixels; valid until the size changes or the
    // bitmap is reloaded (the canvas object itself stays).
    TCanvas* Canvas();

    void LoadFromBytes(std::span<const uint8_t> Data) override;
    std::vector<uint8_t> SaveToBytes() const override;
    // Row Y of the pixels for whole-row work: Width() words of 0xAARRGGBB,
    // top row first; a bitmap's pixels are opaque, and what is written must
    // keep alpha 0xFF. Valid until the size changes or the bitmap is
    // reloaded; writing through it sends no OnChange. Throws
    // EInvalidGraphicOperation for a row outside 0..Height()-1.
    uint32_t* ScanLine(int Y);
    const uint32_t* ScanLine(int Y) const;

    // Takes over Pixels (premultiplied; opaque for bitmaps).
    void LoadFromSurface(TSurface Pixels);

    const TSurface& Surface() const override { return FSurface; }
    void Draw(TCanvas& Canvas, const TRect& R) const override;

    // Bitmaps, and any other graphic (drawn onto a bitmap of its size).
    void Assign(const TPersistent* Source) override;

  private:
    void ResetCanvas();

    TSurface FSurface;
    TPixelFormat FPixelFormat = pfDevice;
    TTransparentMode FTransparentMode = tmAuto;
    TColor FTransparentColor = clDefault;
    std::unique_ptr<TDeviceContext> FDc;
    std::unique_ptr<TCanvas> FCanvas;
};
