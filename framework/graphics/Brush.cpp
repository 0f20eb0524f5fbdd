#include "framework/graphics/Brush.h"

#include "framework/PropertyRegistry.h"
#include "framework/graphics/Bitmap.h"

const TClassInfo& TBrush::StaticClass()
{
    static const TClassInfo Info =
        TClassBuilder<TBrush>("TBrush", &TGraphicsObject::StaticClass())
            .Color("Color", &TBrush::Color, &TBrush::SetColor)
            .Default(clWhite)
            .Enum("Style", &TBrush::Style, &TBrush::SetStyle, {"bsSolid", "bsClear"})
            .Default(bsSolid)
            .Build();
    return Info;
}

void TBrush::SetColor(TColor Value)
{
    if (FColor == Value && FStyle == bsSolid) return;
    FColor = Value;
    FStyle = bsSolid;
    Changed();
}

void TBrush::SetStyle(TBrushStyle Value)
{
    if (FStyle == Value) return;
    FStyle = Value;
    Changed();
}

void TBrush::SetBitmap(const TBitmap* Value)
{
    if (!Value && !FPattern) return;
    FPattern = Value && !Value->Empty() ? std::make_shared<const TSurface>(Value->Surface().Clone())
                                        : nullptr;
    Changed();
}

void TBrush::Assign(const TPersistent* Source)
{
    if (auto* B = dynamic_cast<const TBrush*>(Source))
    {
        FColor = B->FColor;
        FStyle = B->FStyle;
        FPattern = B->FPattern;
        Changed();
        return;
    }
    TGraphicsObject::Assign(Source);
}
