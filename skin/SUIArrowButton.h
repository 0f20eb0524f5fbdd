#pragma once

#include "skin/SUICustomButton.h"

enum TsuiArrowButtonType : uint8_t
{
    suiUp,
    suiDown
};

// A push button with the style's face and a small black triangle pointing
// up or down instead of a caption (the halves of a spin button).
class TsuiArrowButton : public TsuiCustomButton
{
  public:
    explicit TsuiArrowButton(TComponent* AOwner);

    static const TClassInfo& StaticClass();
    const TClassInfo& ClassInfo() const override { return StaticClass(); }

    TsuiArrowButtonType Arrow() const { return FArrow; }
    void SetArrow(TsuiArrowButtonType Value);

  protected:
    void UIStyleChanged() override;
    void PaintPic(TCanvas* ACanvas, TBitmap* Pic) override;
    void PaintText(TCanvas*, const std::string&) override {}

  private:
    TsuiArrowButtonType FArrow = suiUp;
};
