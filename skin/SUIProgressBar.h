#pragma once

#include "framework/comctrls/ProgressBar.h"
#include "framework/graphics/Bitmap.h"
#include "skin/SUISkinBinding.h"

// The skinned progress bar: a one-pixel frame in the style's border colour
// around the control colour (or the skin's bar background), and the style's
// fill picture over the filled part, stretched across the bar and tiled
// along it (stretched along it too when Smooth); a vertical bar shows the
// picture turned a quarter. ShowCaption centres the percentage done.
class TsuiProgressBar : public TProgressBar, public TsuiSkinBinding
{
  public:
    explicit TsuiProgressBar(TComponent* AOwner);

    static const TClassInfo& StaticClass();
    const TClassInfo& ClassInfo() const override { return StaticClass(); }

    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor Value);
    bool ShowCaption() const { return FShowCaption; }
    void SetShowCaption(bool Value);
    // The caption ShowCaption shows: the whole percentage done and "%".
    std::string PercentText() const;
    // The fill picture as a horizontal bar shows it (empty when the style
    // has none).
    const TBitmap& FillPicture() const { return FFill; }

  protected:
    void ApplySkin() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void Paint() override;

  private:
    void PaintFill(TCanvas* C, const TRect& Fill);

    TBitmap FFill;
    // FFill turned for a vertical bar.
    TBitmap FFillTurned;
    TBitmap FBackground;
    TColor FBorderColor = clBlack;
    bool FShowCaption = false;
};
