#include "framework/controls/Button.h"

#include "framework/PropertyRegistry.h"
#include "framework/controls/CustomForm.h"
#include "framework/controls/Frame3D.h"
#include "platform/gfx/DrawText.h"
#include "platform/win/WinApi.h"

const TClassInfo& TButton::StaticClass()
{
    static const TClassInfo Info =
        TClassBuilder<TButton>("TButton", &TCustomControl::StaticClass())
            .Boolean("Cancel", &TButton::Cancel, &TButton::SetCancel)
            .Default(false)
            .Boolean("Default", &TButton::Default, &TButton::SetDefault)
            .Default(false)
            .Integer("ModalResult", &TButton::ModalResult, &TButton::SetModalResult)
            .Default(mrNone)
            .Boolean("TabStop", &TButton::TabStop, &TButton::SetTabStop)
            .Default(true)
            .Build();
    return Info;
}

const TMessageMap& TButton::StaticMessages()
{
    static const TMessageMap Map = TMessageMap(&TCustomControl::StaticMessages())
                                       .On(WM_GETDLGCODE, &TButton::WMGetDlgCode)
                                       .On(WM_KEYDOWN, &TButton::WMKeyDown)
                                       .On(WM_KEYUP, &TButton::WMKeyUp)
                                       .On(CM_DIALOGKEY, &TButton::CMDialogKey)
                                       .On(CM_DIALOGCHAR, &TButton::CMDialogChar);
    return Map;
}

TButton::TButton(TComponent* AOwner) : TCustomControl(AOwner)
{
    FControlStyle = {csCaptureMouse, csClickEvents, csSetCaption, csOpaque, csDoubleClicks};
    FColor = clBtnFace;
    FTabStop = true;
    FWidth = 75;
    FHeight = 25;
}

void TButton::SetDefault(bool Value)
{
    if (FDefault == Value) return;
    FDefault = Value;
    Invalidate();
}

void TButton::Click()
{
    if (FModalResult != mrNone)
        if (auto* Form = dynamic_cast<TCustomForm*>(TopParent()))
            Form->SetModalResult(FModalResult);
    TCustomControl::Click();
}

void TButton::SetPressed(bool Value)
{
    if (FPressed == Value) return;
    FPressed = Value;
    Invalidate();
}

void TButton::DoEnter()
{
    Invalidate();
    TCustomControl::DoEnter();
}

void TButton::DoExit()
{
    FSpaceDown = false;
    FPressed = false;
    Invalidate();
    TCustomControl::DoExit();
}

void TButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (Button == mbLeft)
    {
        if (CanFocus() && !Focused()) SetFocus();
        SetPressed(true);
    }
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TButton::MouseMove(TShiftState Shift, int X, int Y)
{
    if (CaptureControl() == this) SetPressed(ClientRect().Contains(X, Y));
    TCustomControl::MouseMove(Shift, X, Y);
}

void TButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (Button == mbLeft) SetPressed(false);
    TCustomControl::MouseUp(Button, Shift, X, Y);
}

void TButton::WMGetDlgCode(TMessage& M)
{
    M.Result = DLGC_BUTTON;
}

void TButton::WMKeyDown(TMessage& M)
{
    if (M.WParam == VK_SPACE && !DoKeyDown(M))
    {
        FSpaceDown = true;
        SetPressed(true);
        return;
    }
    TCustomControl::WMKeyDown(M);
}

void TButton::WMKeyUp(TMessage& M)
{
    if (M.WParam == VK_SPACE && FSpaceDown)
    {
        FSpaceDown = false;
        SetPressed(false);
        if (!DoKeyUp(M)) Click();
        return;
    }
    TCustomControl::WMKeyUp(M);
}

void TButton::CMDialogKey(TMessage& M)
{
    if (!CanFocus()) return;
    bool Take = false;
    if (M.WParam == VK_RETURN)
    {
        // Enter presses the focused button, or the default one while the
        // focus is on something that is not a button.
        HWND Focus = GetFocus();
        Take = Focused() || (FDefault && !dynamic_cast<TButton*>(TWinControl::FindControl(Focus)));
    }
    else if (M.WParam == VK_ESCAPE)
        Take = FCancel;
    if (!Take) return;
    Click();
    M.Result = 1;
}

void TButton::CMDialogChar(TMessage& M)
{
    if (!CanFocus() || !IsAccel(static_cast<unsigned>(M.WParam), FText)) return;
    Click();
    M.Result = 1;
}

void TButton::Paint()
{
    TCanvas* C = Canvas();
    TRect R = ClientRect();
    // Visual state first, then the drawing.
    bool Pressed = FPressed;
    bool Focus = Focused();
    bool Emphasised = FDefault || Focus;
    if (Emphasised)
    {
        Frame3D(C, R, clWindowFrame, clWindowFrame, 1);
    }
    if (Pressed)
    {
        Frame3D(C, R, clBtnShadow, clBtnShadow, 1);
    }
    else
    {
        Frame3D(C, R, clBtnHighlight, cl3DDkShadow, 1);
        Frame3D(C, R, cl3DLight, clBtnShadow, 1);
    }
    C->Brush()->SetColor(FColor);
    C->FillRect(R);
    TRect Text = R;
    if (Pressed) Text = Text.Offset(1, 1);
    C->Brush()->SetStyle(bsClear);
    if (!FEnabled)
    {
        C->Font()->SetColor(clBtnHighlight);
        TRect Shade = Text.Offset(1, 1);
        C->DrawText(FText, Shade, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        C->Font()->SetColor(clBtnShadow);
    }
    C->DrawText(FText, Text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    if (Focus) C->DrawFocusRect(R.Inflate(-2, -2));
}
