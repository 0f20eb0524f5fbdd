#include "skin/SUIArrowButton.h"

#include "framework/PropertyRegistry.h"
#include "skin/SUIFileTheme.h"
#include "skin/SUIStyleApply.h"
#include "skin/SpitDraw.h"

const TClassInfo& TsuiArrowButton::StaticClass()
{
    static const TClassInfo Info =
        TClassBuilder<TsuiArrowButton>("TsuiArrowButton", &TsuiCustomButton::StaticClass())
            .Enum("Arrow", &TsuiArrowButton::Arrow, &TsuiArrowButton::SetArrow,
                  {"suiUp", "suiDown"})
            .Default(suiUp)
            .Build();
    return Info;
}

TsuiArrowButton::TsuiArrowButton(TComponent* AOwner) : TsuiCustomButton(AOwner)
{
    UIStyleChanged();
}

void TsuiArrowButton::SetArrow(TsuiArrowButtonType Value)
{
    FArrow = Value;
    Invalidate();
}

void TsuiArrowButton::UIStyleChanged()
{
    TsuiUIStyle Style;
    if (UsesFileTheme(Style))
        SetTransparent(FileTheme()->GetBool(SKIN2_BUTTONTRANS));
    else
        SetTransparent(GetInsideThemeBool(Style, SUI_ITEM_BUTTON_TRANSPARENT));
}

void TsuiArrowButton::PaintPic(TCanvas* ACanvas, TBitmap* Pic)
{
    SpitDraw(Pic, ACanvas, ClientRect(), FPicTransparent);
    ACanvas->Brush()->SetStyle(bsSolid);
    ACanvas->Brush()->SetColor(clBlack);
    ACanvas->Pen()->SetColor(clBlack);
    const int X0 = (FWidth - 6) / 2;
    const int Y0 = (FHeight - 3) / 2;
    if (FArrow == suiUp)
        ACanvas->Polygon({{X0, Y0 + 3}, {X0 + 3, Y0}, {X0 + 6, Y0 + 3}});
    else
        ACanvas->Polygon({{X0, Y0}, {X0 + 3, Y0 + 3}, {X0 + 6, Y0}});
}
