#include "framework/controls/Label.h"

#include "framework/PropertyRegistry.h"
#include "framework/controls/WinControl.h"
#include "platform/gfx/DrawText.h"

const TClassInfo& TLabel::StaticClass()
{
    static const TClassInfo Info =
        TClassBuilder<TLabel>("TLabel", &TGraphicControl::StaticClass())
            .Enum("Alignment", &TLabel::Alignment, &TLabel::SetAlignment, AlignmentNames())
            .Default(taLeftJustify)
            .Boolean("AutoSize", &TLabel::AutoSize, &TLabel::SetAutoSize)
            .Default(true)
            .Component("FocusControl", &TLabel::FocusControl, &TLabel::SetFocusControl)
            .Enum("Layout", &TLabel::Layout, &TLabel::SetLayout, {"tlTop", "tlCenter", "tlBottom"})
            .Default(tlTop)
            .Boolean("ParentColor", &TLabel::ParentColor, &TLabel::SetParentColor)
            .Default(true)
            .Boolean("ShowAccelChar", &TLabel::ShowAccelChar, &TLabel::SetShowAccelChar)
            .Default(true)
            .Boolean("Transparent", &TLabel::Transparent, &TLabel::SetTransparent)
            .Default(false)
            .Boolean("WordWrap", &TLabel::WordWrap, &TLabel::SetWordWrap)
            .Default(false)
            .Build();
    return Info;
}

const TMessageMap& TLabel::StaticMessages()
{
    static const TMessageMap Map = TMessageMap(&TGraphicControl::StaticMessages())
                                       .On(CM_TEXTCHANGED, &TLabel::CMTextChanged)
                                       .On(CM_DIALOGCHAR, &TLabel::CMDialogChar);
    return Map;
}

TLabel::TLabel(TComponent* AOwner) : TGraphicControl(AOwner)
{
    FParentColor = true;
    FWidth = 65;
    FHeight = 17;
}

void TLabel::SetAlignment(TAlignment Value)
{
    if (FAlignment == Value) return;
    FAlignment = Value;
    Invalidate();
}

void TLabel::SetAutoSize(bool Value)
{
    if (FAutoSize == Value) return;
    FAutoSize = Value;
    AdjustBounds();
}

void TLabel::SetFocusControl(TWinControl* Value)
{
    if (FFocusControl == Value) return;
    if (FFocusControl) FFocusControl->RemoveFreeNotification(this);
    FFocusControl = Value;
    if (Value) Value->FreeNotification(this);
}

void TLabel::SetLayout(TTextLayout Value)
{
    if (FLayout == Value) return;
    FLayout = Value;
    Invalidate();
}

void TLabel::SetShowAccelChar(bool Value)
{
    if (FShowAccelChar == Value) return;
    FShowAccelChar = Value;
    AdjustBounds();
    Invalidate();
}

void TLabel::SetTransparent(bool Value)
{
    if (FTransparent == Value) return;
    FTransparent = Value;
    Invalidate();
}

void TLabel::SetWordWrap(bool Value)
{
    if (FWordWrap == Value) return;
    FWordWrap = Value;
    AdjustBounds();
    Invalidate();
}

unsigned TLabel::TextFormat() const
{
    unsigned Format = FWordWrap ? unsigned{DT_WORDBREAK} : 0u;
    if (!FShowAccelChar) Format |= DT_NOPREFIX;
    if (FAlignment == taCenter)
        Format |= DT_CENTER;
    else if (FAlignment == taRightJustify)
        Format |= DT_RIGHT;
    return Format;
}

void TLabel::AdjustBounds()
{
    if (!FAutoSize || ComponentState().Contains(csLoading)) return;
    TCanvas* C = Canvas();
    C->Font()->Assign(Font());
    TRect R{0, 0, FWordWrap ? FWidth : 0, 0};
    std::string Text = FText.empty() ? std::string(" ") : FText;
    C->DrawText(Text, R, TextFormat() | DT_CALCRECT);
    int Left = FLeft;
    if (FAlignment == taRightJustify && !FWordWrap) Left += FWidth - R.Width();
    SetBounds(Left, FTop, R.Width(), R.Height());
}

void TLabel::Loaded()
{
    TGraphicControl::Loaded();
    AdjustBounds();
}

void TLabel::FontChanged()
{
    TGraphicControl::FontChanged();
    AdjustBounds();
}

void TLabel::Notification(TComponent* AComponent, TOperation Operation)
{
    TGraphicControl::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FFocusControl) FFocusControl = nullptr;
}

void TLabel::CMTextChanged(TMessage&)
{
    Invalidate();
    AdjustBounds();
}

void TLabel::CMDialogChar(TMessage& M)
{
    if (!FEnabled || !FShowAccelChar || !FFocusControl || !FFocusControl->CanFocus()) return;
    if (!IsAccel(static_cast<unsigned>(M.WParam), FText)) return;
    FFocusControl->SetFocus();
    M.Result = 1;
}

void TLabel::Paint()
{
    TCanvas* C = Canvas();
    TRect R = ClientRect();
    if (!FTransparent)
    {
        C->Brush()->SetColor(FColor);
        C->FillRect(R);
    }
    C->Brush()->SetStyle(bsClear);
    unsigned Format = TextFormat();
    if (FLayout != tlTop)
    {
        TRect Calc = R;
        C->DrawText(FText, Calc, Format | DT_CALCRECT);
        int Offset = R.Height() - Calc.Height();
        R.Top += FLayout == tlCenter ? Offset / 2 : Offset;
    }
    if (!FEnabled) C->Font()->SetColor(clGrayText);
    C->DrawText(FText, R, Format);
}
