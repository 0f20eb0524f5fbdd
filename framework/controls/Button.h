#pragma once

#include "framework/controls/CustomControl.h"

// A plain push button. A click (mouse, Space, its accelerator, Enter when it
// is the default button, Escape when it is the cancel button) sets the
// form's ModalResult to the button's, then runs OnClick.
class TButton : public TCustomControl
{
  public:
    explicit TButton(TComponent* AOwner);

    static const TClassInfo& StaticClass();
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
    static const TMessageMap& StaticMessages();
    const TMessageMap& Messages() const override { return StaticMessages(); }

    bool Default() const { return FDefault; }
    void SetDefault(bool Value);
    bool Cancel() const { return FCancel; }
    void SetCancel(bool Value) { FCancel = Value; }
    TModalResult ModalResult() const { return FModalResult; }
    void SetModalResult(TModalResult Value) { FModalResult = Value; }

    void Click() override;

  protected:
    void Paint() override;
    void DoEnter() override;
    void DoExit() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

    void WMGetDlgCode(TMessage& M);
    void WMKeyDown(TMessage& M);
    void WMKeyUp(TMessage& M);
    void CMDialogKey(TMessage& M);
    void CMDialogChar(TMessage& M);

  private:
    void SetPressed(bool Value);

    bool FDefault = false;
    bool FCancel = false;
    TModalResult FModalResult = mrNone;
    bool FPressed = false;
    bool FSpaceDown = false;
};
