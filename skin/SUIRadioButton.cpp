#include "skin/SUIRadioButton.h"

#include "framework/PropertyRegistry.h"
#include "skin/DoTrans.h"
#include "skin/SUIFileTheme.h"
#include "skin/SUIStyleApply.h"

const TClassInfo& TsuiRadioButton::StaticClass()
{
    static const TClassInfo Info =
        TClassBuilder<TsuiRadioButton>("TsuiRadioButton", &TRadioButton::StaticClass())
            .Component("FileTheme", &TsuiRadioButton::FileTheme, &TsuiRadioButton::SetFileTheme)
            .Enum("UIStyle", &TsuiRadioButton::UIStyle, &TsuiRadioButton::SetUIStyle,
                  UIStyleNames())
            .Stored(&TsuiRadioButton::IsUIStyleStored)
            .Boolean("Transparent", &TsuiRadioButton::Transparent, &TsuiRadioButton::SetTransparent)
            .Default(false)
            .Build();
    return Info;
}

TsuiRadioButton::TsuiRadioButton(TComponent* AOwner) : TRadioButton(AOwner), TsuiSkinBinding(this)
{
    SetUIStyle(GetSUIFormStyle(AOwner));
}

void TsuiRadioButton::SetTransparent(bool Value)
{
    FTransparent = Value;
    Invalidate();
}

void TsuiRadioButton::ApplySkin()
{
    TsuiUIStyle Style;
    const bool FromFile = UsesFileTheme(Style);
    FArt.Load(Style, FromFile ? FileTheme() : nullptr, SUI_ITEM_RADIOBUTTON_IMAGE,
              SKIN2_RADIOBUTTON);
    if (FromFile)
    {
        FTransparent = FileTheme()->GetBool(SKIN2_RADIOBUTTONTRANS);
        Font()->SetColor(FileThemeColor(FileTheme(), SKIN2_CONTROLFONTCOLOR).value_or(clBlack));
    }
    else
        Font()->SetColor(GetInsideThemeColor(Style, SUI_ITEM_CONTROL_FONT_COLOR));
    Invalidate();
}

void TsuiRadioButton::Notification(TComponent* AComponent, TOperation Operation)
{
    TRadioButton::Notification(AComponent, Operation);
    SkinNotification(AComponent, Operation);
}

void TsuiRadioButton::PaintBackground(TCanvas* C)
{
    if (FTransparent)
        DoTrans(C, this);
    else
        TRadioButton::PaintBackground(C);
}

TSize TsuiRadioButton::MarkSize() const
{
    const TSize S = FArt.Size();
    return S.Width > 0 ? S : TRadioButton::MarkSize();
}

void TsuiRadioButton::PaintMark(TCanvas* C, const TRect& Box)
{
    if (const TBitmap* Frame = FArt.Frame(Checked() ? cbChecked : cbUnchecked, Enabled()))
        C->Draw(Box.Left, Box.Top, Frame);
    else
        TRadioButton::PaintMark(C, Box);
}
