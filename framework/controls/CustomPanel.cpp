#include "framework/controls/CustomPanel.h"

#include "framework/PropertyRegistry.h"
#include "framework/controls/Frame3D.h"
#include "framework/controls/Panel.h"
#include "platform/gfx/DrawText.h"
#include "platform/win/WinApi.h"

#include <algorithm>

const TClassInfo& TCustomPanel::StaticClass()
{
    static const TClassInfo Info =
        TClassBuilder<TCustomPanel>("TCustomPanel", &TCustomControl::StaticClass()).Build();
    return Info;
}

const TClassInfo& TPanel::StaticClass()
{
    static const std::vector<std::string> Bevels{"bvNone", "bvLowered", "bvRaised", "bvSpace"};
    static const TClassInfo Info =
        TClassBuilder<TPanel>("TPanel", &TCustomPanel::StaticClass())
            .Enum("Alignment", &TPanel::Alignment, &TPanel::SetAlignment, AlignmentNames())
            .Default(taCenter)
            .Enum("BevelInner", &TPanel::BevelInner, &TPanel::SetBevelInner, Bevels)
            .Default(bvNone)
            .Enum("BevelOuter", &TPanel::BevelOuter, &TPanel::SetBevelOuter, Bevels)
            .Default(bvRaised)
            .Integer("BevelWidth", &TPanel::BevelWidth, &TPanel::SetBevelWidth)
            .Default(1)
            .Enum("BorderStyle", &TPanel::BorderStyle, &TPanel::SetBorderStyle,
                  ControlBorderStyleNames())
            .Default(bsNone)
            .Boolean("TabStop", &TPanel::TabStop, &TPanel::SetTabStop)
            .Default(false)
            .Build();
    return Info;
}

TCustomPanel::TCustomPanel(TComponent* AOwner) : TCustomControl(AOwner)
{
    FControlStyle = {csAcceptsControls, csCaptureMouse, csClickEvents,
                     csSetCaption,      csOpaque,       csDoubleClicks};
    FColor = clBtnFace;
    FWidth = 185;
    FHeight = 41;
}

void TCustomPanel::SetBevelInner(TBevelCut Value)
{
    if (FBevelInner == Value) return;
    FBevelInner = Value;
    Realign();
    Invalidate();
}

void TCustomPanel::SetBevelOuter(TBevelCut Value)
{
    if (FBevelOuter == Value) return;
    FBevelOuter = Value;
    Realign();
    Invalidate();
}

void TCustomPanel::SetBevelWidth(int Value)
{
    Value = std::max(Value, 1);
    if (FBevelWidth == Value) return;
    FBevelWidth = Value;
    Realign();
    Invalidate();
}

void TCustomPanel::SetBorderStyle(TBorderStyle Value)
{
    if (FBorderStyle == Value) return;
    FBorderStyle = Value;
    if (HandleAllocated())
    {
        LONG Style = GetWindowLong(FHandle, GWL_STYLE);
        SetWindowLong(
            FHandle, GWL_STYLE,
            static_cast<LONG>(Value == bsSingle ? (Style | WS_BORDER) : (Style & ~WS_BORDER)));
        SetWindowPos(FHandle, nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    }
    Realign();
    Invalidate();
}

void TCustomPanel::SetAlignment(TAlignment Value)
{
    if (FAlignment == Value) return;
    FAlignment = Value;
    Invalidate();
}

void TCustomPanel::CreateParams(TCreateParams& Params)
{
    TCustomControl::CreateParams(Params);
    if (FBorderStyle == bsSingle) Params.Style |= WS_BORDER;
}

int TCustomPanel::BevelSize() const
{
    int Size = 0;
    if (FBevelOuter != bvNone) Size += FBevelWidth;
    if (FBevelInner != bvNone) Size += FBevelWidth;
    return Size;
}

void TCustomPanel::AlignControls(TRect& Rect)
{
    int B = BevelSize();
    Rect = Rect.Inflate(-B, -B);
    TCustomControl::AlignControls(Rect);
}

void TCustomPanel::Paint()
{
    TCanvas* C = Canvas();
    TRect R = ClientRect();
    auto Bevel = [&](TBevelCut Cut)
    {
        if (Cut == bvNone) return;
        TColor TopColor = Cut == bvLowered ? clBtnShadow : clBtnHighlight;
        TColor BottomColor = Cut == bvLowered ? clBtnHighlight : clBtnShadow;
        if (Cut == bvSpace) TopColor = BottomColor = FColor;
        Frame3D(C, R, TopColor, BottomColor, FBevelWidth);
    };
    Bevel(FBevelOuter);
    Bevel(FBevelInner);
    C->Brush()->SetColor(FColor);
    C->FillRect(R);
    if (FText.empty()) return;
    C->Brush()->SetStyle(bsClear);
    unsigned Format = DT_SINGLELINE | DT_VCENTER;
    if (FAlignment == taCenter)
        Format |= DT_CENTER;
    else if (FAlignment == taRightJustify)
        Format |= DT_RIGHT;
    C->DrawText(FText, R, Format);
}
