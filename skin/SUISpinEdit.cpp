#include "skin/SUISpinEdit.h"

#include "framework/Conversions.h"
#include "framework/PropertyRegistry.h"
#include "framework/stdctrls/StdCtrlMessages.h"
#include "platform/win/WinApi.h"
#include "skin/SUIArrowButton.h"
#include "skin/SUIFileTheme.h"

#include <algorithm>

// Spin buttons ------------------------------------------------------------

const TClassInfo& TsuiSpinButtons::StaticClass()
{
    using T = TsuiSpinButtons;
    static const TClassInfo Info = TClassBuilder<T>("TsuiSpinButtons", &TWinControl::StaticClass())
                                       .Component("FileTheme", &T::FileTheme, &T::SetFileTheme)
                                       .Enum("UIStyle", &T::UIStyle, &T::SetUIStyle, UIStyleNames())
                                       .NoDefault()
                                       .Event("OnUpClick", &T::OnUpClick)
                                       .Event("OnDownClick", &T::OnDownClick)
                                       .Build();
    return Info;
}

TsuiSpinButtons::TsuiSpinButtons(TComponent* AOwner) : TWinControl(AOwner)
{
    auto Make = [this](TsuiArrowButtonType Arrow, TNotifyEvent TsuiSpinButtons::*Event)
    {
        auto* B = new TsuiArrowButton(this);
        B->SetArrow(Arrow);
        B->SetTabStop(false);
        B->SetMouseContinuouslyDownInterval(400);
        B->OnClick = [this, Event](TObject*) { (this->*Event)(this); };
        B->OnMouseContinuouslyDown = [this, Event](TObject*) { (this->*Event)(this); };
        B->SetParent(this);
        return B;
    };
    FUpButton = Make(suiUp, &TsuiSpinButtons::OnUpClick);
    FDownButton = Make(suiDown, &TsuiSpinButtons::OnDownClick);
    SetBounds(0, 0, 20, 25);
}

TsuiUIStyle TsuiSpinButtons::UIStyle() const
{
    return FUpButton ? FUpButton->UIStyle() : DeepBlue;
}

void TsuiSpinButtons::SetUIStyle(TsuiUIStyle Value)
{
    FUpButton->SetUIStyle(Value);
    FDownButton->SetUIStyle(Value);
}

TsuiFileTheme* TsuiSpinButtons::FileTheme() const
{
    return FUpButton ? FUpButton->FileTheme() : nullptr;
}

void TsuiSpinButtons::SetFileTheme(TsuiFileTheme* Value)
{
    FUpButton->SetFileTheme(Value);
    FDownButton->SetFileTheme(Value);
}

void TsuiSpinButtons::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    TWinControl::SetBounds(ALeft, ATop, std::max(AWidth, 15), AHeight);
    PlaceButtons();
}

void TsuiSpinButtons::PlaceButtons()
{
    if (!FUpButton || !FDownButton) return;
    const int UpHeight = Height() / 2 + 1;
    FUpButton->SetBounds(0, 0, Width(), UpHeight);
    FDownButton->SetBounds(0, UpHeight - 1, Width(), Height() - UpHeight + 1);
}

bool TsuiSpinButtons::DoKeyDown(TMessage& M)
{
    if (TWinControl::DoKeyDown(M)) return true;
    if (M.WParam == VK_UP)
        FUpButton->Click();
    else if (M.WParam == VK_DOWN)
        FDownButton->Click();
    else
        return false;
    return true;
}

// Spin edit ---------------------------------------------------------------

const TClassInfo& TsuiSpinEdit::StaticClass()
{
    using T = TsuiSpinEdit;
    static const TClassInfo Info =
        TClassBuilder<T>("TsuiSpinEdit", &TsuiEdit::StaticClass())
            .Integer("Value", &T::Value, &T::SetValue)
            .Default(0)
            .Integer("MinValue", &T::MinValue, &T::SetMinValue)
            .Default(0)
            .Integer("MaxValue", &T::MaxValue, &T::SetMaxValue)
            .Default(0)
            .Integer("Increment", &T::Increment, &T::SetIncrement)
            .Default(1)
            .Boolean("EditorEnabled", &T::EditorEnabled, &T::SetEditorEnabled)
            .Default(true)
            .Build();
    return Info;
}

const TMessageMap& TsuiSpinEdit::StaticMessages()
{
    static const TMessageMap Map = TMessageMap(&TsuiEdit::StaticMessages())
                                       .On(WM_CUT, &TsuiSpinEdit::WMCut)
                                       .On(WM_PASTE, &TsuiSpinEdit::WMPaste);
    return Map;
}

TsuiSpinEdit::TsuiSpinEdit(TComponent* AOwner) : TsuiEdit(AOwner)
{
    FButton = new TsuiSpinButtons(this);
    FButton->SetBounds(0, 0, 15, 20);
    FButton->SetParent(this);
    FButton->OnUpClick = [this](TObject* Sender) { UpClick(Sender); };
    FButton->OnDownClick = [this](TObject* Sender) { DownClick(Sender); };
    UIStyleChanged();
    SetText("0");
}

void TsuiSpinEdit::CreateParams(TCreateParams& Params)
{
    TsuiEdit::CreateParams(Params);
    Params.Style |= ES_MULTILINE | WS_CLIPCHILDREN;
}

void TsuiSpinEdit::CreateWnd()
{
    TsuiEdit::CreateWnd();
    PlaceButton();
}

void TsuiSpinEdit::UIStyleChanged()
{
    if (!FButton) return;
    FButton->SetFileTheme(FileTheme());
    FButton->SetUIStyle(UIStyle());
}

void TsuiSpinEdit::PlaceButton()
{
    if (!FButton) return;
    FButton->SetBounds(Width() - FButton->Width() - 4, 0, FButton->Width(),
                       std::max(0, Height() - 4));
    if (!HandleAllocated()) return;
    RECT R{0, 0, ClientWidth() - FButton->Width() - 2, ClientHeight() + 1};
    SendMessage(FHandle, EM_SETRECTNP, 0, reinterpret_cast<LPARAM>(&R));
}

void TsuiSpinEdit::BoundsChanged()
{
    // After the edit's own resize, which brings back the default rectangle.
    TsuiEdit::BoundsChanged();
    PlaceButton();
}

int TsuiSpinEdit::CheckValue(int Value) const
{
    if (FMaxValue == FMinValue) return Value;
    return std::clamp(Value, std::min(FMinValue, FMaxValue), std::max(FMinValue, FMaxValue));
}

int TsuiSpinEdit::Value() const
{
    int V = 0;
    return TryStrToInt(Text(), V) ? V : FMinValue;
}

void TsuiSpinEdit::SetValue(int Value)
{
    SetText(IntToStr(CheckValue(Value)));
}

bool TsuiSpinEdit::IsValidChar(char Key) const
{
    const bool Control = static_cast<unsigned char>(Key) < 0x20 && Key != '\r';
    if (!FEditorEnabled) return Control && Key != '\b';
    return Key == '-' || (Key >= '0' && Key <= '9') || Control;
}

void TsuiSpinEdit::UpClick(TObject*)
{
    if (ReadOnly())
        MessageBeep(MB_OK);
    else
        SetValue(Value() + FIncrement);
}

void TsuiSpinEdit::DownClick(TObject*)
{
    if (ReadOnly())
        MessageBeep(MB_OK);
    else
        SetValue(Value() - FIncrement);
}

bool TsuiSpinEdit::DoKeyDown(TMessage& M)
{
    if (TsuiEdit::DoKeyDown(M)) return true;
    if (M.WParam == VK_UP)
        UpClick(this);
    else if (M.WParam == VK_DOWN)
        DownClick(this);
    else
        return false;
    return true;
}

bool TsuiSpinEdit::DoKeyPress(TMessage& M)
{
    if (TsuiEdit::DoKeyPress(M)) return true;
    if (IsValidChar(static_cast<char>(M.WParam))) return false;
    MessageBeep(MB_OK);
    return true;
}

void TsuiSpinEdit::DoExit()
{
    TsuiEdit::DoExit();
    const int V = Value();
    if (CheckValue(V) != V) SetValue(V);
}

void TsuiSpinEdit::WMCut(TMessage& M)
{
    if (FEditorEnabled && !ReadOnly()) TsuiEdit::WMCut(M);
}

void TsuiSpinEdit::WMPaste(TMessage& M)
{
    if (FEditorEnabled && !ReadOnly()) TsuiEdit::WMPaste(M);
}
