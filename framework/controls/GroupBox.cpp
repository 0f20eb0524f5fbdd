#include "framework/controls/GroupBox.h"

#include "framework/PropertyRegistry.h"
#include "framework/controls/Frame3D.h"
#include "platform/gfx/DrawText.h"

const TClassInfo& TGroupBox::StaticClass()
{
    static const TClassInfo Info =
        TClassBuilder<TGroupBox>("TGroupBox", &TCustomControl::StaticClass())
            .Boolean("TabStop", &TGroupBox::TabStop, &TGroupBox::SetTabStop)
            .Default(false)
            .Build();
    return Info;
}

TGroupBox::TGroupBox(TComponent* AOwner) : TCustomControl(AOwner)
{
    FControlStyle = {csAcceptsControls, csCaptureMouse, csClickEvents,
                     csSetCaption,      csOpaque,       csDoubleClicks};
    FColor = clBtnFace;
    FWidth = 185;
    FHeight = 105;
}

int TGroupBox::TitleHeight()
{
    Canvas()->Font()->Assign(Font());
    return Canvas()->TextHeight("0");
}

void TGroupBox::AlignControls(TRect& Rect)
{
    Rect.Top += TitleHeight();
    Rect = Rect.Inflate(-2, -2);
    TCustomControl::AlignControls(Rect);
}

void TGroupBox::Paint()
{
    TCanvas* C = Canvas();
    TRect R = ClientRect();
    C->Brush()->SetColor(FColor);
    C->FillRect(R);
    int H = C->TextHeight("0");
    // The etched frame: a shadow ring with a highlight ring one pixel in.
    TRect Outer{R.Left, R.Top + H / 2, R.Right, R.Bottom};
    TRect Shadow{Outer.Left, Outer.Top, Outer.Right - 1, Outer.Bottom - 1};
    Frame3D(C, Shadow, clBtnShadow, clBtnShadow, 1);
    TRect Light{Outer.Left + 1, Outer.Top + 1, Outer.Right, Outer.Bottom};
    Frame3D(C, Light, clBtnHighlight, clBtnHighlight, 1);
    if (FText.empty()) return;
    TRect Title{8, 0, 0, 0};
    C->DrawText(FText, Title, DT_SINGLELINE | DT_CALCRECT);
    Title = Title.Inflate(2, 0);
    C->Brush()->SetColor(FColor);
    C->FillRect(Title);
    C->Brush()->SetStyle(bsClear);
    if (!FEnabled) C->Font()->SetColor(clGrayText);
    C->DrawText(FText, Title, DT_SINGLELINE | DT_CENTER);
}
