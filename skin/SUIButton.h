#pragma once

#include "skin/SUICustomButton.h"

// The skinned push button: the style's button picture stretched over the
// whole button, an optional glyph placed by Layout and Spacing, and the
// caption. A glyph twice as wide as high holds two images: enabled, then
// disabled.
class TsuiButton : public TsuiCustomButton
{
  public:
    explicit TsuiButton(TComponent* AOwner);
    ~TsuiButton() override;

    static const TClassInfo& StaticClass();
    const TClassInfo& ClassInfo() const override { return StaticClass(); }

    // Owned; empty for no glyph. SetGlyph copies.
    TBitmap* Glyph() const { return FGlyph.get(); }
    void SetGlyph(const TBitmap* Value);
    TButtonLayout Layout() const { return FLayout; }
    void SetLayout(TButtonLayout Value);
    int Spacing() const { return FSpacing; }
    void SetSpacing(int Value);
    // Kept for form definitions only: reads 0, ignores writes.
    unsigned ResHandle() const { return 0; }
    void SetResHandle(unsigned) {}

    // Where the last paint put the caption (with a glyph).
    TPoint TextPos() const { return FTextPos; }

  protected:
    void UIStyleChanged() override;
    void PaintPic(TCanvas* ACanvas, TBitmap* Pic) override;
    void PaintText(TCanvas* ACanvas, const std::string& Text) override;
    void PaintFocus(TCanvas* ACanvas) override;

  private:
    std::unique_ptr<TBitmap> FGlyph;
    TButtonLayout FLayout = blGlyphLeft;
    TPoint FTextPos{};
    int FSpacing = 4;
};
