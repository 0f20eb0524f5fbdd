#pragma once

#include "framework/controls/CustomControl.h"

#include <string>

// The pop-up that shows a control's hint: a top-level window that never
// takes the focus or activation, in the info colours with a one-pixel
// frame, the status-bar font and the text wrapped at a given width.
class THintWindow : public TCustomControl
{
  public:
    // Margin between the frame and the text.
    static constexpr int TextMargin = 2;

    explicit THintWindow(TComponent* AOwner);

    static const TClassInfo& StaticClass();
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
    static const TMessageMap& StaticMessages();
    const TMessageMap& Messages() const override { return StaticMessages(); }

    // The window's size for Hint wrapped at MaxWidth pixels of text, as a
    // rectangle at (0, 0).
    virtual TRect CalcHintRect(int MaxWidth, const std::string& Hint);
    // Shows Hint in Rect (screen coordinates) above every other window,
    // without activating it.
    virtual void ActivateHint(const TRect& Rect, const std::string& Hint);
    // Hides the window; the next ActivateHint shows it again.
    void ReleaseHint();
    bool Active() const { return FActive; }

  protected:
    void CreateParams(TCreateParams& Params) override;
    void Paint() override;
    void WMMouseActivate(TMessage& M);
    void WMNCHitTest(TMessage& M);

  private:
    bool FActive = false;
};
