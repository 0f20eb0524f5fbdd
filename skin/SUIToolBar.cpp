#include "skin/SUIToolBar.h"

#include "framework/PropertyRegistry.h"
#include "framework/graphics/CanvasHandleScope.h"
#include "skin/Gradients.h"
#include "skin/SUIFileTheme.h"
#include "skin/SUIStyleApply.h"

const TClassInfo& TsuiToolBar::StaticClass()
{
    static const TClassInfo Info =
        TClassBuilder<TsuiToolBar>("TsuiToolBar", &TToolBar::StaticClass())
            .Component("FileTheme", &TsuiToolBar::FileTheme, &TsuiToolBar::SetFileTheme)
            .Enum("UIStyle", &TsuiToolBar::UIStyle, &TsuiToolBar::SetUIStyle, UIStyleNames())
            .Stored(&TsuiToolBar::IsUIStyleStored)
            .Color("ButtonColor", &TsuiToolBar::ButtonColor, &TsuiToolBar::SetButtonColor)
            .NoDefault()
            .Color("ButtonBorderColor", &TsuiToolBar::ButtonBorderColor,
                   &TsuiToolBar::SetButtonBorderColor)
            .NoDefault()
            .Color("ButtonDownColor", &TsuiToolBar::ButtonDownColor,
                   &TsuiToolBar::SetButtonDownColor)
            .NoDefault()
            .Build();
    return Info;
}

TsuiToolBar::TsuiToolBar(TComponent* AOwner) : TToolBar(AOwner), TsuiSkinBinding(this)
{
    SetFlat(true);
    SetUIStyle(GetSUIFormStyle(AOwner));
}

void TsuiToolBar::SetButtonColor(TColor Value)
{
    FButtonColor = Value;
    Invalidate();
}

void TsuiToolBar::SetButtonBorderColor(TColor Value)
{
    FButtonBorderColor = Value;
    Invalidate();
}

void TsuiToolBar::SetButtonDownColor(TColor Value)
{
    FButtonDownColor = Value;
    Invalidate();
}

void TsuiToolBar::ApplySkin()
{
    TsuiUIStyle Style;
    FPicture.SetSize(0, 0);
    FStartColor = FEndColor = clNone;
    if (UsesFileTheme(Style))
    {
        TsuiFileTheme* Theme = FileTheme();
        Theme->GetBitmap2(SKIN2_TOOLBAR, &FPicture);
        FStartColor = FileThemeColor(Theme, SKIN2_TOOLBARSTARTCOLOR).value_or(clNone);
        FEndColor = FileThemeColor(Theme, SKIN2_TOOLBARENDCOLOR).value_or(FStartColor);
        SetColor(FileThemeColor(Theme, SKIN2_FORMCOLOR).value_or(clBtnFace));
        FButtonColor = FileThemeColor(Theme, SKIN2_TOOLBARONCOLOR).value_or(clBtnFace);
        FButtonBorderColor = FileThemeColor(Theme, SKIN2_TOOLBARBORDERCOLOR).value_or(clBtnShadow);
        FButtonDownColor = FileThemeColor(Theme, SKIN2_TOOLBARDOWNCOLOR).value_or(FButtonColor);
        Font()->SetColor(FileThemeColor(Theme, SKIN2_CONTROLFONTCOLOR).value_or(clBtnText));
    }
    else
    {
        SetColor(GetInsideThemeColor(Style, SUI_ITEM_FORM_COLOR));
        FButtonColor = GetInsideThemeColor(Style, SUI_ITEM_TOOLBAR_BUTTON_COLOR);
        FButtonBorderColor = GetInsideThemeColor(Style, SUI_ITEM_TOOLBAR_BUTTON_BORDER_COLOR);
        FButtonDownColor = GetInsideThemeColor(Style, SUI_ITEM_TOOLBAR_BUTTON_DOWN_COLOR);
        Font()->SetColor(GetInsideThemeColor(Style, SUI_ITEM_CONTROL_FONT_COLOR));
    }
    Invalidate();
}

void TsuiToolBar::Notification(TComponent* AComponent, TOperation Operation)
{
    TToolBar::Notification(AComponent, Operation);
    SkinNotification(AComponent, Operation);
}

void TsuiToolBar::Paint()
{
    FBuffer.SetSize(ClientWidth(), ClientHeight());
    if (FBuffer.Empty()) return;
    {
        TCanvasHandleScope Scope(*Canvas(), FBuffer.Canvas()->Handle());
        TToolBar::Paint();
    }
    Canvas()->Draw(0, 0, &FBuffer);
}

void TsuiToolBar::DrawBackground(const TRect& R)
{
    TCanvas* C = Canvas();
    if (!FPicture.Empty())
        C->StretchDraw(R, &FPicture);
    else if (FStartColor != clNone)
        DrawHorizontalGradient(C, R, FStartColor, FEndColor);
    else
        TToolBar::DrawBackground(R);
}

void TsuiToolBar::DrawButtonFrame(TToolButton*, TCustomDrawState State, TRect& Face)
{
    if (State.Contains(cdsDisabled)) return;
    const bool Down = State.Contains(cdsSelected) || State.Contains(cdsChecked);
    if (!Down && !State.Contains(cdsHot)) return;
    TCanvas* C = Canvas();
    C->Brush()->SetStyle(bsSolid);
    C->Brush()->SetColor(FButtonBorderColor);
    C->FillRect(Face);
    C->Brush()->SetColor(Down ? FButtonDownColor : FButtonColor);
    C->FillRect({Face.Left + 1, Face.Top + 1, Face.Right - 1, Face.Bottom - 1});
    Face = {Face.Left + 1, Face.Top + 1, Face.Right - 1, Face.Bottom - 1};
}
