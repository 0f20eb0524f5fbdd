#include "framework/graphics/Pen.h"

#include "framework/PropertyRegistry.h"

const TClassInfo& TPen::StaticClass()
{
    static const TClassInfo Info = TClassBuilder<TPen>("TPen", &TGraphicsObject::StaticClass())
                                       .Color("Color", &TPen::Color, &TPen::SetColor)
                                       .Default(clBlack)
                                       .Enum("Style", &TPen::Style, &TPen::SetStyle,
                                             {"psSolid", "psDash", "psDot", "psDashDot",
                                              "psDashDotDot", "psClear", "psInsideFrame"})
                                       .Default(psSolid)
                                       .Integer("Width", &TPen::Width, &TPen::SetWidth)
                                       .Default(1)
                                       .Build();
    return Info;
}

void TPen::SetColor(TColor Value)
{
    if (FColor == Value) return;
    FColor = Value;
    Changed();
}

void TPen::SetWidth(int Value)
{
    if (Value < 0 || FWidth == Value) return;
    FWidth = Value;
    Changed();
}

void TPen::SetStyle(TPenStyle Value)
{
    if (FStyle == Value) return;
    FStyle = Value;
    Changed();
}

void TPen::Assign(const TPersistent* Source)
{
    if (auto* P = dynamic_cast<const TPen*>(Source))
    {
        if (FColor == P->FColor && FWidth == P->FWidth && FStyle == P->FStyle) return;
        FColor = P->FColor;
        FWidth = P->FWidth;
        FStyle = P->FStyle;
        Changed();
        return;
    }
    TGraphicsObject::Assign(Source);
}
