#include "skin/SUIMaskEdit.h"

#include "framework/PropertyRegistry.h"
#include "platform/win/WinApi.h"
#include "skin/ControlBorder.h"
#include "skin/SUIEdit.h"
#include "skin/SUIFileTheme.h"
#include "skin/SUIStyleApply.h"

const TClassInfo& TsuiMaskEdit::StaticClass()
{
    using T = TsuiMaskEdit;
    static const TClassInfo Info =
        TClassBuilder<T>("TsuiMaskEdit", &TCustomMaskEdit::StaticClass())
            .Component("FileTheme", &T::FileTheme, &T::SetFileTheme)
            .Enum("UIStyle", &T::UIStyle, &T::SetUIStyle, UIStyleNames())
            .NoDefault()
            .Color("BorderColor", &T::BorderColor, &T::SetBorderColor)
            .NoDefault()
            .Enum("Alignment", &T::Alignment, &T::SetAlignment,
                  {"taLeftJustify", "taRightJustify", "taCenter"})
            .Default(taLeftJustify)
            .Boolean("AutoSelect", &T::AutoSelect, &T::SetAutoSelect)
            .Default(true)
            .Enum("BorderStyle", &T::BorderStyle, &T::SetBorderStyle, {"bsNone", "bsSingle"})
            .Default(bsSingle)
            .String("EditMask", &T::EditMask, &T::SetEditMask)
            .Integer("MaxLength", &T::MaxLength, &T::SetMaxLength)
            .Default(0)
            .Boolean("ReadOnly", &T::ReadOnly, &T::SetReadOnly)
            .Default(false)
            .Boolean("TabStop", &T::TabStop, &T::SetTabStop)
            .Default(true)
            .String("Text", &T::Text, &T::SetText)
            .Event("OnChange", &T::OnChange)
            .Build();
    return Info;
}

const TMessageMap& TsuiMaskEdit::StaticMessages()
{
    static const TMessageMap Map = TMessageMap(&TCustomMaskEdit::StaticMessages())
                                       .On(WM_PAINT, &TsuiMaskEdit::WMPaint)
                                       .On(WM_ERASEBKGND, &TsuiMaskEdit::WMEraseBkgnd);
    return Map;
}

TsuiMaskEdit::TsuiMaskEdit(TComponent* AOwner) : TCustomMaskEdit(AOwner)
{
    FControlStyle.Include(csOpaque);
    SetBorderStyle(bsNone);
    SetBorderWidth(2);
    SetUIStyle(GetSUIFormStyle(AOwner));
}

TsuiMaskEdit::~TsuiMaskEdit()
{
    if (FFileTheme) FFileTheme->RemoveFreeNotification(this);
}

void TsuiMaskEdit::SetUIStyle(TsuiUIStyle Value)
{
    FUIStyle = Value;
    TsuiUIStyle Style;
    if (UsingFileTheme(FFileTheme, FUIStyle, Style))
        FBorderColor = FFileTheme->GetColor(SKIN2_CONTROLBORDERCOLOR);
    else
        FBorderColor = GetInsideThemeColor(Style, SUI_ITEM_CONTROL_BORDER_COLOR);
    Invalidate();
}

void TsuiMaskEdit::SetFileTheme(TsuiFileTheme* Value)
{
    if (FFileTheme != Value)
    {
        if (FFileTheme) FFileTheme->RemoveFreeNotification(this);
        FFileTheme = Value;
        if (Value) Value->FreeNotification(this);
    }
    SetUIStyle(FUIStyle);
}

void TsuiMaskEdit::SetBorderColor(TColor Value)
{
    FBorderColor = Value;
    Invalidate();
}

void TsuiMaskEdit::Notification(TComponent* AComponent, TOperation Operation)
{
    TCustomMaskEdit::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FFileTheme)
    {
        FFileTheme = nullptr;
        SetUIStyle(DeepBlue);
    }
}

void TsuiMaskEdit::PaintBorderMargin(HDC Dc, const TRect& Margin)
{
    DrawEditFrame(Dc, Margin, FBorderColor, Color());
}

void TsuiMaskEdit::WMPaint(TMessage& M)
{
    TCustomMaskEdit::WMPaint(M);
    DrawControlBorder(this, FBorderColor, Color(), true);
}

void TsuiMaskEdit::WMEraseBkgnd(TMessage& M)
{
    TCustomMaskEdit::WMEraseBkgnd(M);
    DrawControlBorder(this, FBorderColor, Color(), true);
}
