#pragma once

#include "framework/graphics/GraphicsObject.h"
#include "platform/gfx/Color.h"

enum TPenStyle
{
    psSolid,
    psDash,
    psDot,
    psDashDot,
    psDashDotDot,
    psClear,
    psInsideFrame
};

// The canvas's line colour, width and style. Each dotted and dashed style
// draws with the graphics layer's pen of the same pattern (one pixel wide);
// psInsideFrame draws solid.
class TPen : public TGraphicsObject
{
  public:
    TPen() = default;

    static const TClassInfo& StaticClass();
    const TClassInfo& ClassInfo() const override { return StaticClass(); }

    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    int Width() const { return FWidth; }
    void SetWidth(int Value);
    TPenStyle Style() const { return FStyle; }
    void SetStyle(TPenStyle Value);

    void Assign(const TPersistent* Source) override;

  private:
    TColor FColor = clBlack;
    int FWidth = 1;
    TPenStyle FStyle = psSolid;
};
