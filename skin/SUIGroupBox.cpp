#include "skin/SUIGroupBox.h"

#include "framework/PropertyRegistry.h"
#include "platform/win/WinApi.h"
#include "skin/SUIFileTheme.h"
#include "skin/SUIStyleApply.h"

#include <cstdlib>

const TClassInfo& TsuiCustomGroupBox::StaticClass()
{
    static const TClassInfo Info =
        TClassBuilder<TsuiCustomGroupBox>("TsuiCustomGroupBox", &TsuiCustomPanel::StaticClass())
            .Build();
    return Info;
}

const TClassInfo& TsuiGroupBox::StaticClass()
{
    static const TClassInfo Info =
        TClassBuilder<TsuiGroupBox>("TsuiGroupBox", &TsuiCustomGroupBox::StaticClass())
            .Component("FileTheme", &TsuiGroupBox::FileTheme, &TsuiGroupBox::SetFileTheme)
            .Enum("UIStyle", &TsuiGroupBox::UIStyle, &TsuiGroupBox::SetUIStyle, UIStyleNames())
            .Stored(&TsuiGroupBox::IsUIStyleStored)
            .String("Caption", &TsuiGroupBox::Caption, &TsuiGroupBox::SetCaption)
            .Color("Color", &TsuiGroupBox::Color, &TsuiGroupBox::SetColor)
            .Default(clBtnFace)
            .Stored(&TsuiGroupBox::IsColorStored)
            .Boolean("Transparent", &TsuiGroupBox::Transparent, &TsuiGroupBox::SetTransparent)
            .Default(false)
            .Boolean("ParentColor", &TsuiGroupBox::ParentColor, &TsuiGroupBox::SetParentColor)
            .Default(false)
            .Color("BorderColor", &TsuiGroupBox::BorderColor, &TsuiGroupBox::SetBorderColor)
            .NoDefault()
            .Build();
    return Info;
}

const TMessageMap& TsuiCustomGroupBox::StaticMessages()
{
    static const TMessageMap Map = TMessageMap(&TsuiCustomPanel::StaticMessages())
                                       .On(CM_FONTCHANGED, &TsuiCustomGroupBox::CMFontChanged)
                                       .On(CM_TEXTCHANGED, &TsuiCustomGroupBox::CMTextChanged);
    return Map;
}

TsuiCustomGroupBox::TsuiCustomGroupBox(TComponent* AOwner)
    : TsuiCustomPanel(AOwner), TsuiSkinBinding(this, DeepBlue, TsuiSkinReach::Children)
{
    // A blank window text keeps the panel from drawing a caption of its own.
    FText.assign(1, ' ');
    FWidth = 185;
    FHeight = 105;
    SetParentColor(true);
    SetTransparent(false);
    SetUIStyle(GetSUIFormStyle(AOwner));
}

void TsuiCustomGroupBox::SetBorderColor(TColor Value)
{
    FBorderColor = Value;
    Invalidate();
}

void TsuiCustomGroupBox::SetCaption(const std::string& Value)
{
    FCaption = Value;
    Invalidate();
}

void TsuiCustomGroupBox::ApplySkin()
{
    UpdateUIStyle(UIStyle(), FileTheme());
}

void TsuiCustomGroupBox::UpdateUIStyle(TsuiUIStyle UIStyle, TsuiFileTheme* FileTheme)
{
    ContainerApplyUIStyle(this, UIStyle, FileTheme);
    TsuiUIStyle Style = UIStyle;
    if (UsingFileTheme(FileTheme, UIStyle, Style))
    {
        SetBorderColor(FileTheme->GetColor(SKIN2_CONTROLBORDERCOLOR));
        Font()->SetColor(FileTheme->GetColor(SKIN2_CONTROLFONTCOLOR));
    }
    else
    {
        SetBorderColor(GetInsideThemeColor(Style, SUI_ITEM_CONTROL_BORDER_COLOR));
        Font()->SetColor(GetInsideThemeColor(Style, SUI_ITEM_CONTROL_FONT_COLOR));
    }
}

void TsuiCustomGroupBox::Notification(TComponent* AComponent, TOperation Operation)
{
    TsuiCustomPanel::Notification(AComponent, Operation);
    SkinNotification(AComponent, Operation);
}

TRect TsuiCustomGroupBox::GetClient() const
{
    const TRect R = ClientRect();
    return {R.Left + 3, R.Top + std::abs(Font()->Height()), R.Right - 2, R.Bottom - 2};
}

void TsuiCustomGroupBox::AlignControls(TRect& Rect)
{
    Rect.Left += 3;
    Rect.Right -= 3;
    Rect.Bottom -= 3;
    Rect.Top += std::abs(Font()->Height()) + 5;
    TWinControl::AlignControls(Rect);
}

void TsuiCustomGroupBox::Paint()
{
    TCanvas* C = Canvas();
    const int FH = std::abs(Font()->Height());
    TRect R = ClientRect();
    if (FTransparent)
        TsuiCustomPanel::Paint();
    else
    {
        C->Brush()->SetStyle(bsSolid);
        C->Brush()->SetColor(FColor);
        C->FillRect(R);
    }
    C->Font()->Assign(Font());
    R.Top += FH / 2 + 1;
    C->Pen()->SetColor(FBorderColor);
    C->Pen()->SetWidth(1);
    const int TW = FCaption.empty() ? 0 : C->TextWidth(FCaption);
    if (UseRightToLeftAlignment())
    {
        C->MoveTo(R.Right - 3, R.Top);
        C->LineTo(R.Right - 1, R.Top);
        C->LineTo(R.Right - 1, R.Bottom - 1);
        C->LineTo(R.Left + 1, R.Bottom - 1);
        C->LineTo(R.Left + 1, R.Top);
        C->LineTo(FCaption.empty() ? R.Right - 1 : R.Right - TW - 7, R.Top);
    }
    else
    {
        C->MoveTo(R.Left + 2, R.Top);
        C->LineTo(R.Left, R.Top);
        C->LineTo(R.Left, R.Bottom - 1);
        C->LineTo(R.Right - 1, R.Bottom - 1);
        C->LineTo(R.Right - 1, R.Top);
        C->LineTo(FCaption.empty() ? R.Left : R.Left + TW + 6, R.Top);
    }
    if (!FEnabled) C->Font()->SetColor(static_cast<TColor>(0x808080));
    C->Brush()->SetStyle(bsClear);
    if (UseRightToLeftAlignment())
        C->TextOut(FWidth - TW - 6, 0, FCaption);
    else
        C->TextOut(5, 0, FCaption);
}

void TsuiCustomGroupBox::CMFontChanged(TMessage& M)
{
    TsuiCustomPanel::CMFontChanged(M);
    Realign();
    Invalidate();
}

void TsuiCustomGroupBox::CMTextChanged(TMessage& M)
{
    TsuiCustomPanel::CMTextChanged(M);
    Invalidate();
}
