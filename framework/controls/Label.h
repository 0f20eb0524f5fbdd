#pragma once

#include "framework/controls/GraphicControl.h"

class TWinControl;

enum TTextLayout
{
    tlTop,
    tlCenter,
    tlBottom
};

// Text on the parent's background. With AutoSize the label takes the size
// of its text (keeping its width when it wraps words). Its accelerator
// ("&Name") moves the focus to FocusControl.
class TLabel : public TGraphicControl
{
  public:
    explicit TLabel(TComponent* AOwner);

    static const TClassInfo& StaticClass();
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
    static const TMessageMap& StaticMessages();
    const TMessageMap& Messages() const override { return StaticMessages(); }

    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value);
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool Value);
    TWinControl* FocusControl() const { return FFocusControl; }
    void SetFocusControl(TWinControl* Value);
    TTextLayout Layout() const { return FLayout; }
    void SetLayout(TTextLayout Value);
    bool ShowAccelChar() const { return FShowAccelChar; }
    void SetShowAccelChar(bool Value);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool Value);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool Value);

  protected:
    void Paint() override;
    void Loaded() override;
    void FontChanged() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void CMTextChanged(TMessage& M);
    void CMDialogChar(TMessage& M);

  private:
    unsigned TextFormat() const;
    void AdjustBounds();

    TAlignment FAlignment = taLeftJustify;
    bool FAutoSize = true;
    TWinControl* FFocusControl = nullptr;
    TTextLayout FLayout = tlTop;
    bool FShowAccelChar = true;
    bool FTransparent = false;
    bool FWordWrap = false;
};
