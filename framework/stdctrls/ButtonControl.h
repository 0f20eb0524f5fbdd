#pragma once

#include "framework/controls/CustomControl.h"

// The side of the plain sunken check box and radio circle.
constexpr int CheckMarkSize = 13;

// The common base of check boxes and radio buttons: a mark beside a
// word-wrapped caption. A left press takes the focus and holds the mouse;
// releasing it over the control clicks, as does releasing Space or typing
// the caption's accelerator. Pressed and MouseOver tell a paint what to show.
class TButtonControl : public TCustomControl
{
  public:
    explicit TButtonControl(TComponent* AOwner);

    static const TClassInfo& StaticClass();
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
    static const TMessageMap& StaticMessages();
    const TMessageMap& Messages() const override { return StaticMessages(); }

    bool Pressed() const { return FPressed; }
    bool MouseOver() const { return FMouseOver; }

    // Where the mark (MarkSize square, vertically centred at the left) and
    // the caption go in a client area of Width x Height.
    static TRect MarkRect(int Height, TSize MarkSize);
    static TRect CaptionRect(int Width, int Height, TSize MarkSize);

  protected:
    // Draws the caption word-wrapped and vertically centred in Area, greyed
    // when disabled, and the focus rectangle around it when focused.
    void PaintCaption(TCanvas* C, const TRect& Area, TColor TextColor);

    // Composes background, mark and caption off-screen and copies them in
    // one block.
    void Paint() override;
    virtual void PaintBackground(TCanvas* C);
    // The mark's width and height.
    virtual TSize MarkSize() const { return {CheckMarkSize, CheckMarkSize}; }
    // The look of the mark in Box (MarkSize at the left, centred).
    virtual void PaintMark(TCanvas* C, const TRect& Box) = 0;

    void DoEnter() override;
    void DoExit() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

    void WMGetDlgCode(TMessage& M);
    void WMKeyDown(TMessage& M);
    void WMKeyUp(TMessage& M);
    void CMDialogChar(TMessage& M);
    void CMMouseEnter(TMessage& M);
    void CMMouseLeave(TMessage& M);
    void CMTextChanged(TMessage& M);
    void CMEnabledChanged(TMessage& M);

  private:
    void SetPressed(bool Value);

    bool FPressed = false;
    bool FMouseOver = false;
    bool FSpaceDown = false;
};
