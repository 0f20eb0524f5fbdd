#pragma once

#include "framework/controls/CustomControl.h"
#include "framework/graphics/Bitmap.h"
#include "skin/SUISkinBinding.h"

#include <string>

enum TsuiPopupAnimation
{
    suiPopupSlide, // slides in from the work area's edge
    suiPopupBlend  // fades in
};

enum TsuiPopupCorner
{
    suiBottomRight,
    suiBottomLeft,
    suiTopRight,
    suiTopLeft
};

// A notification window: Popup places it in a corner of the work area and
// slides or fades it in over AnimationTime milliseconds; DisplayTime
// milliseconds after it has come in it goes out the way it came, and
// OnClose runs once it is hidden. A click on it runs OnClick and sends it
// away at once. An AnimationTime of 0 shows and hides it without animation;
// a DisplayTime of 0 keeps it until it is clicked or closed. It never takes
// activation or the focus. It wears the
// style's caption bar (the panels' bar picture) with Title, and Text
// word-wrapped on the form colour inside a one-pixel border; each paint is
// composed off-screen.
class TsuiPopupForm : public TCustomControl, public TsuiSkinBinding
{
  public:
    explicit TsuiPopupForm(TComponent* AOwner);

    static const TClassInfo& StaticClass();
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
    static const TMessageMap& StaticMessages();
    const TMessageMap& Messages() const override { return StaticMessages(); }

    const std::string& Title() const { return FTitle; }
    void SetTitle(const std::string& Value);
    const std::string& Text() const { return FText; }
    void SetText(const std::string& Value);
    int AnimationTime() const { return FAnimationTime; }
    void SetAnimationTime(int Value);
    int DisplayTime() const { return FDisplayTime; }
    void SetDisplayTime(int Value);
    TsuiPopupAnimation Animation() const { return FAnimation; }
    void SetAnimation(TsuiPopupAnimation Value) { FAnimation = Value; }
    TsuiPopupCorner Corner() const { return FCorner; }
    void SetCorner(TsuiPopupCorner Value) { FCorner = Value; }
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor Value);
    TColor TitleFontColor() const { return FTitleFontColor; }
    void SetTitleFontColor(TColor Value);

    // Shows the window (again); one already shown stays and counts its
    // display time from now.
    void Popup();
    // Sends a shown window away now.
    void Close();
    // From the start of the animation in to the end of the one out.
    bool Shown() const;
    // Height of the caption bar.
    int BarHeight() const;

    // A top-level window of its own: a definition that nests it in a form
    // does not make it the form's child.
    void SetParentComponent(TComponent*) override {}

    TNotifyEvent OnClose;

  protected:
    void CreateParams(TCreateParams& Params) override;
    void ApplySkin() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void Paint() override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

    void WMMouseActivate(TMessage& M);
    void WMTimer(TMessage& M);
    void WMShowWindow(TMessage& M);

  private:
    DWORD AnimationFlags() const;

    std::string FTitle;
    std::string FText;
    int FAnimationTime = 250;
    int FDisplayTime = 4000;
    TsuiPopupAnimation FAnimation = suiPopupSlide;
    TsuiPopupCorner FCorner = suiBottomRight;
    TBitmap FBar;
    // Kept between paints: a new one would be filled first.
    TBitmap FBuffer;
    TColor FBorderColor = clBlack;
    TColor FTitleFontColor = clWhite;
    bool FClosing = false;
};
