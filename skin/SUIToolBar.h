#pragma once

#include "framework/comctrls/ToolBar.h"
#include "framework/graphics/Bitmap.h"
#include "skin/SUISkinBinding.h"

// The tool bar in the style's colours: the bar in the form colour (a skin
// file's tool-bar picture stretched over it, or its start-to-end gradient),
// a button under the pointer filled with ButtonColor and one pressed or
// down with ButtonDownColor, both inside a one-pixel ButtonBorderColor
// frame; other buttons lie flat on the bar. Each paint is composed
// off-screen.
class TsuiToolBar : public TToolBar, public TsuiSkinBinding
{
  public:
    explicit TsuiToolBar(TComponent* AOwner);

    static const TClassInfo& StaticClass();
    const TClassInfo& ClassInfo() const override { return StaticClass(); }

    TColor ButtonColor() const { return FButtonColor; }
    void SetButtonColor(TColor Value);
    TColor ButtonBorderColor() const { return FButtonBorderColor; }
    void SetButtonBorderColor(TColor Value);
    TColor ButtonDownColor() const { return FButtonDownColor; }
    void SetButtonDownColor(TColor Value);

  protected:
    void ApplySkin() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void Paint() override;
    void DrawBackground(const TRect& R) override;
    void DrawButtonFrame(TToolButton* Button, TCustomDrawState State, TRect& Face) override;

  private:
    // Kept between paints: a new one would be filled first.
    TBitmap FBuffer;
    TBitmap FPicture;
    // The bar's gradient from a skin file; clNone: the bar is flat.
    TColor FStartColor = clNone;
    TColor FEndColor = clNone;
    TColor FButtonColor = clBtnFace;
    TColor FButtonBorderColor = clBtnShadow;
    TColor FButtonDownColor = clBtnShadow;
};
