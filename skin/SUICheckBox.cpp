#include "skin/SUICheckBox.h"

#include "framework/PropertyRegistry.h"
#include "skin/DoTrans.h"
#include "skin/SUIFileTheme.h"
#include "skin/SUIStyleApply.h"

const TClassInfo& TsuiCheckBox::StaticClass()
{
    static const TClassInfo Info =
        TClassBuilder<TsuiCheckBox>("TsuiCheckBox", &TCheckBox::StaticClass())
            .Component("FileTheme", &TsuiCheckBox::FileTheme, &TsuiCheckBox::SetFileTheme)
            .Enum("UIStyle", &TsuiCheckBox::UIStyle, &TsuiCheckBox::SetUIStyle, UIStyleNames())
            .Stored(&TsuiCheckBox::IsUIStyleStored)
            .Boolean("Transparent", &TsuiCheckBox::Transparent, &TsuiCheckBox::SetTransparent)
            .Default(false)
            .Build();
    return Info;
}

TsuiCheckBox::TsuiCheckBox(TComponent* AOwner) : TCheckBox(AOwner), TsuiSkinBinding(this)
{
    SetUIStyle(GetSUIFormStyle(AOwner));
}

void TsuiCheckBox::SetTransparent(bool Value)
{
    FTransparent = Value;
    Invalidate();
}

void TsuiCheckBox::ApplySkin()
{
    TsuiUIStyle Style;
    const bool FromFile = UsesFileTheme(Style);
    FArt.Load(Style, FromFile ? FileTheme() : nullptr, SUI_ITEM_CHECKBOX_IMAGE, SKIN2_CHECKBOX);
    if (FromFile)
    {
        FTransparent = FileTheme()->GetBool(SKIN2_CHECKBOXTRANS);
        Font()->SetColor(FileThemeColor(FileTheme(), SKIN2_CONTROLFONTCOLOR).value_or(clBlack));
    }
    else
        Font()->SetColor(GetInsideThemeColor(Style, SUI_ITEM_CONTROL_FONT_COLOR));
    Invalidate();
}

void TsuiCheckBox::Notification(TComponent* AComponent, TOperation Operation)
{
    TCheckBox::Notification(AComponent, Operation);
    SkinNotification(AComponent, Operation);
}

void TsuiCheckBox::PaintBackground(TCanvas* C)
{
    if (FTransparent)
        DoTrans(C, this);
    else
        TCheckBox::PaintBackground(C);
}

TSize TsuiCheckBox::MarkSize() const
{
    const TSize S = FArt.Size();
    return S.Width > 0 ? S : TCheckBox::MarkSize();
}

void TsuiCheckBox::PaintMark(TCanvas* C, const TRect& Box)
{
    if (const TBitmap* Frame = FArt.Frame(State(), Enabled()))
        C->Draw(Box.Left, Box.Top, Frame);
    else
        TCheckBox::PaintMark(C, Box);
}
