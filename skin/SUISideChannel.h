#pragma once

#include "framework/controls/CustomControl.h"
#include "framework/graphics/Bitmap.h"
#include "skin/SUISkinBinding.h"

#include <string>

// A panel along the form's left or right side (its Align) that shows only a
// narrow handle until it slides out to OpenWidth: a click on the handle
// opens or closes it. Open and unpinned, it closes once the pointer is
// outside it; pinned, it stays open. The pin button at the right end of its
// caption bar toggles Pinned. Each slide step runs on a window timer, so
// the window system's clock drives it. Children lie in the content area
// below the caption bar at the open width, and come into view as the
// channel opens. The handle is the style's handle picture (its arrow
// pointing the way the channel will move), the caption bar the style's bar
// picture, the content the channel colour inside a one-pixel border.
class TsuiSideChannel : public TCustomControl, public TsuiSkinBinding
{
  public:
    static constexpr int SlideSteps = 8;
    static constexpr UINT SlidePeriod = 15;
    // How often an open, unpinned channel looks where the pointer is.
    static constexpr UINT WatchPeriod = 100;

    explicit TsuiSideChannel(TComponent* AOwner);

    static const TClassInfo& StaticClass();
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
    static const TMessageMap& StaticMessages();
    const TMessageMap& Messages() const override { return StaticMessages(); }

    int OpenWidth() const { return FOpenWidth; }
    void SetOpenWidth(int Value);
    bool Pinned() const { return FPinned; }
    // Pinning opens the channel.
    void SetPinned(bool Value);
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor Value);
    TColor TitleFontColor() const { return FTitleFontColor; }
    void SetTitleFontColor(TColor Value);

    // Where the channel is going: open, or closed to its handle.
    bool Opened() const { return FOpening; }
    void Open();
    void Close();

    int HandleWidth() const;
    int BarHeight() const;
    // In client coordinates.
    TRect HandleRect() const;
    TRect PinRect() const;
    TRect ContentRect() const;

    TNotifyEvent OnPin;
    TNotifyEvent OnUnPin;

  protected:
    void ApplySkin() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void Paint() override;
    void AlignControls(TRect& Rect) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void Loaded() override;

    void WMTimer(TMessage& M);
    void CMTextChanged(TMessage& M);

  private:
    bool OnRightSide() const { return FAlign != alLeft; }
    void SlideTo(bool Opening);
    void Step();
    void Watch();

    int FOpenWidth = 180;
    bool FPinned = false;
    bool FOpening = false;
    // The handle picture (arrow pointing right), or a picture stretched
    // over the handle strip under an arrow drawn in BorderColor.
    TBitmap FHandle;
    TBitmap FHandleLeft; // turned round
    TBitmap FHandleFill;
    // Kept between paints: a new one would be filled first.
    TBitmap FBuffer;
    TBitmap FBar;
    TColor FBorderColor = clBlack;
    TColor FTitleFontColor = clWhite;
};
