#pragma once

#include "framework/controls/CustomControl.h"
#include "platform/win/WinMessages.h"
#include "skin/SUISkinBinding.h"

#include <memory>
#include <string>

class TBitmap;
class TTimer;

// Answered with 1 by every skinned push button: lets an accelerator letter
// typed without Alt click a button while a skinned button has the focus.
constexpr UINT SUIM_GETBUTTONKEYS = WM_APP + 3000;

// The common base of the skinned push buttons: the interaction states
// (pointer over, pressed, disabled, focused), a paint that composes the whole
// button off-screen from one state picture the subclass provides, a focus
// cue and the caption, and the push-button keyboard: Space and Enter press
// and click on release, accelerators, the default and cancel buttons. A
// click hands ModalResult to the form. While the left button holds it down,
// OnMouseContinuouslyDown repeats every MouseContinuouslyDownInterval ms.
class TsuiCustomButton : public TCustomControl, public TsuiSkinBinding
{
  public:
    explicit TsuiCustomButton(TComponent* AOwner);
    ~TsuiCustomButton() override;

    static const TClassInfo& StaticClass();
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
    static const TMessageMap& StaticMessages();
    const TMessageMap& Messages() const override { return StaticMessages(); }

    // Kept in its own field and mirrored into the window text.
    const std::string& Caption() const { return FCaption; }
    void SetCaption(const std::string& Value);
    // Takes the size of one frame of the style's button picture.
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool Value);
    bool Cancel() const { return FCancel; }
    void SetCancel(bool Value) { FCancel = Value; }
    bool Default() const { return FDefault; }
    void SetDefault(bool Value);
    // Paint the parent's background instead of filling with Color; sets
    // PicTransparent with it.
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool Value);
    bool PicTransparent() const { return FPicTransparent; }
    void SetPicTransparent(bool Value);
    TModalResult ModalResult() const { return FModalResult; }
    void SetModalResult(TModalResult Value) { FModalResult = Value; }
    int MouseContinuouslyDownInterval() const { return FMouseContinuouslyDownInterval; }
    void SetMouseContinuouslyDownInterval(int Value) { FMouseContinuouslyDownInterval = Value; }
    int FocusedRectMargin() const { return FFocusedRectMargin; }
    void SetFocusedRectMargin(int Value);
    bool TabStop() const { return FTabStop; }
    void SetTabStop(bool Value) { TWinControl::SetTabStop(Value); }
    void SetEnabled(bool Value) override;

    // The states the next paint shows.
    bool MouseOver() const { return FMouseOver; }
    bool Pressed() const { return FPressed; }
    // Whether Enter clicks this button now.
    bool ActiveDefault() const { return FActiveDefault; }

    // Ends a press (and the repeat), hands ModalResult to the form, then
    // runs OnClick.
    void Click() override;

    TNotifyEvent OnMouseExit;
    TNotifyEvent OnMouseContinuouslyDown;

  protected:
    virtual void AutoSizeChanged();
    virtual void CaptionChanged() {}
    void FontChanged() override;
    virtual void TransparentChanged();
    virtual void EnableChanged() {}
    virtual void UIStyleChanged() {}
    // Draws the state picture Pic (already fetched) onto the buffer.
    virtual void PaintPic(TCanvas* ACanvas, TBitmap* Pic);
    virtual void PaintText(TCanvas* ACanvas, const std::string& Text);
    virtual void PaintFocus(TCanvas* ACanvas);
    virtual void PaintButtonNormal(TBitmap* Pic);
    virtual void PaintButtonMouseOn(TBitmap* Pic);
    virtual void PaintButtonMouseDown(TBitmap* Pic);
    virtual void PaintButtonDisabled(TBitmap* Pic);
    // Frame FrameIndex of FrameCount of theme item ThemeItem (or of the file
    // theme's button picture) into Pic.
    void PaintButton(int ThemeItem, int FrameCount, int FrameIndex, TBitmap* Pic);

    void Paint() override;
    void CreateWnd() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void ApplySkin() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

    void CMMouseEnter(TMessage& M);
    void CMMouseLeave(TMessage& M);
    void CMCancelMode(TMessage& M);
    void CMTextChanged(TMessage& M);
    void CMDialogKey(TMessage& M);
    void CMDialogChar(TMessage& M);
    void CMFocusChanged(TMessage& M);
    void WMKeyDown(TMessage& M);
    void WMKeyUp(TMessage& M);
    void WMSetFocus(TMessage& M);
    void WMKillFocus(TMessage& M);
    void WMEraseBkgnd(TMessage& M);
    void SUIMGetButtonKeys(TMessage& M);

    std::string FCaption;
    bool FAutoSize = false;
    bool FCancel = false;
    bool FDefault = false;
    bool FTransparent = false;
    TModalResult FModalResult = mrNone;
    // Bold caption for the current paint only (a focus cue of some styles).
    bool FBoldCaption = false;
    bool FPicTransparent = false;
    std::unique_ptr<TTimer> FRepeatTimer;
    int FMouseContinuouslyDownInterval = 100;
    int FFocusedRectMargin = 2;
    bool FActiveDefault = false;
    bool FMouseOver = false;
    bool FPressed = false;

  private:
    void StopRepeat();
    bool IsShiftFree() const;

    // Set when a dialog key clicked this button, so the key-down handler
    // does not press it again.
    bool FDialogKeyClicked = false;
};
