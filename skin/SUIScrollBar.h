#pragma once

#include "framework/stdctrls/ScrollBar.h"
#include "skin/SUIScrollBarLook.h"
#include "skin/SUISkinBinding.h"

// A scroll bar drawn with the style's or the file theme's scroll-bar
// pictures (TsuiScrollBarLook); the window system lays it out and runs it,
// so it behaves as TScrollBar does. The arrow under the pointer shows its
// hot frame, the pressed part its pressed one.
class TsuiScrollBar : public TScrollBar, public TsuiSkinBinding
{
  public:
    explicit TsuiScrollBar(TComponent* AOwner);

    static const TClassInfo& StaticClass();
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
    static const TMessageMap& StaticMessages();
    const TMessageMap& Messages() const override { return StaticMessages(); }

    // The part drawn hot (TsuiScrollPart).
    int HotPart() const { return FHot; }
    // Draws Part pressed while no press runs (pictures of the states);
    // ssbNone ends it.
    void ShowPressed(int Part);

  protected:
    void ApplySkin() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void PaintTo(TDeviceContext* Dc);

    void WMPaintSkinned(TMessage& M);
    void WMMouseMoveHot(TMessage& M);
    void CMMouseLeaveHot(TMessage& M);

  private:
    void SetHot(int Part);

    TsuiScrollBarLook FLook;
    int FHot = ssbNone;
    int FShownPressed = ssbNone;
};
