#include "skin/SUIEdit.h"

#include "framework/PropertyRegistry.h"
#include "platform/gfx/Shapes.h"
#include "platform/win/WinApi.h"
#include "skin/ControlBorder.h"
#include "skin/SUIFileTheme.h"
#include "skin/SUIStyleApply.h"

void DrawEditFrame(HDC Dc, const TRect& Margin, TColor Border, TColor Inner)
{
    FrameRect(*Dc, Margin, gfx::TBrush::Solid(ColorToRGB(Border)));
    FrameRect(*Dc, Margin.Inflate(-1, -1), gfx::TBrush::Solid(ColorToRGB(Inner)));
}

const TClassInfo& TsuiEdit::StaticClass()
{
    static const TClassInfo Info =
        TClassBuilder<TsuiEdit>("TsuiEdit", &TCustomEdit::StaticClass())
            .Component("FileTheme", &TsuiEdit::FileTheme, &TsuiEdit::SetFileTheme)
            .Enum("UIStyle", &TsuiEdit::UIStyle, &TsuiEdit::SetUIStyle, UIStyleNames())
            .NoDefault()
            .Color("BorderColor", &TsuiEdit::BorderColor, &TsuiEdit::SetBorderColor)
            .NoDefault()
            .Enum("Alignment", &TsuiEdit::Alignment, &TsuiEdit::SetAlignment,
                  {"taLeftJustify", "taRightJustify", "taCenter"})
            .Default(taLeftJustify)
            .Boolean("AutoSelect", &TsuiEdit::AutoSelect, &TsuiEdit::SetAutoSelect)
            .Default(true)
            .Integer("MaxLength", &TsuiEdit::MaxLength, &TsuiEdit::SetMaxLength)
            .Default(0)
            .Boolean("ReadOnly", &TsuiEdit::ReadOnly, &TsuiEdit::SetReadOnly)
            .Default(false)
            .Boolean("TabStop", &TsuiEdit::TabStop, &TsuiEdit::SetTabStop)
            .Default(true)
            .String("Text", &TsuiEdit::Text, &TsuiEdit::SetText)
            .Event("OnChange", &TsuiEdit::OnChange)
            .Enum("BorderStyle", &TsuiEdit::BorderStyle, &TsuiEdit::SetBorderStyle,
                  {"bsNone", "bsSingle"})
            .Default(bsSingle)
            .Build();
    return Info;
}

const TMessageMap& TsuiEdit::StaticMessages()
{
    static const TMessageMap Map = TMessageMap(&TCustomEdit::StaticMessages())
                                       .On(WM_PAINT, &TsuiEdit::WMPaint)
                                       .On(WM_ERASEBKGND, &TsuiEdit::WMEraseBkgnd);
    return Map;
}

TsuiEdit::TsuiEdit(TComponent* AOwner) : TCustomEdit(AOwner)
{
    FControlStyle.Include(csOpaque);
    SetBorderStyle(bsNone);
    SetBorderWidth(2);
    SetUIStyle(GetSUIFormStyle(AOwner));
}

TsuiEdit::~TsuiEdit()
{
    if (FFileTheme) FFileTheme->RemoveFreeNotification(this);
}

void TsuiEdit::SetUIStyle(TsuiUIStyle Value)
{
    FUIStyle = Value;
    TsuiUIStyle Style;
    if (UsingFileTheme(FFileTheme, FUIStyle, Style))
        FBorderColor = FFileTheme->GetColor(SKIN2_CONTROLBORDERCOLOR);
    else
        FBorderColor = GetInsideThemeColor(Style, SUI_ITEM_CONTROL_BORDER_COLOR);
    UIStyleChanged();
    Invalidate();
}

void TsuiEdit::SetFileTheme(TsuiFileTheme* Value)
{
    if (FFileTheme != Value)
    {
        if (FFileTheme) FFileTheme->RemoveFreeNotification(this);
        FFileTheme = Value;
        if (Value) Value->FreeNotification(this);
    }
    SetUIStyle(FUIStyle);
}

void TsuiEdit::SetBorderColor(TColor Value)
{
    FBorderColor = Value;
    Invalidate();
}

void TsuiEdit::Notification(TComponent* AComponent, TOperation Operation)
{
    TCustomEdit::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FFileTheme)
    {
        FFileTheme = nullptr;
        SetUIStyle(DeepBlue);
    }
}

void TsuiEdit::PaintBorderMargin(HDC Dc, const TRect& Margin)
{
    DrawEditFrame(Dc, Margin, FBorderColor, Color());
}

void TsuiEdit::WMPaint(TMessage& M)
{
    TCustomEdit::WMPaint(M);
    DrawControlBorder(this, FBorderColor, Color(), true);
}

void TsuiEdit::WMEraseBkgnd(TMessage& M)
{
    TCustomEdit::WMEraseBkgnd(M);
    DrawControlBorder(this, FBorderColor, Color(), true);
}
