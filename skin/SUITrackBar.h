#pragma once

#include "framework/comctrls/TrackBar.h"
#include "framework/graphics/Bitmap.h"
#include "skin/SUISkinBinding.h"

// The skinned track bar: the style's groove picture stretched along the
// channel (its thirds as the two ends and the middle), the style's slider
// picture as the thumb (the right-pointing one when vertical), ticks in the
// style's border colour, on Color or, when Transparent, on what the parent
// shows beneath it. The thumb's size is the slider picture's.
class TsuiTrackBar : public TTrackBar, public TsuiSkinBinding
{
  public:
    explicit TsuiTrackBar(TComponent* AOwner);

    static const TClassInfo& StaticClass();
    const TClassInfo& ClassInfo() const override { return StaticClass(); }

    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool Value);
    // Where the groove picture goes: as thick as the picture, centred on
    // the channel.
    TRect GrooveRect() const;

  protected:
    TSize ThumbSize() const override;
    void ApplySkin() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void Paint() override;

  private:
    void PaintGroove(TCanvas* C);

    TBitmap FBar;
    // FBar with rows and columns swapped, for a vertical groove.
    TBitmap FBarTurned;
    TBitmap FSlider;
    TBitmap FSliderV;
    TColor FTickColor = clBlack;
    bool FTransparent = false;
};
