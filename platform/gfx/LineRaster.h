#pragma once

#include "platform/gfx/DeviceContext.h"
#include "platform/gfx/Paint.h"
#include "platform/gfx/ShapeSpans.h"

// Draws pen strokes for lines and shape outlines. Internal to platform/gfx.
class TPenStroker
{
  public:
    explicit TPenStroker(const TDeviceContext& Dc);

    bool Visible() const { return FVisible; }
    // Pen width in pixels as drawn (1 for dotted pens).
    int Width() const { return FWidth; }
    // Logical line From -> To without its end point (a wide pen covers it).
    void Line(TPoint From, TPoint To);
    // One logical pixel of an outline; a dotted pen inks even Index values.
    void Plot(int X, int Y, int Index);
    // A run of outline pixels in logical row Y.
    void Run(int Y, int X0, int X1);

  private:
    void Stamp(int Sx, int Sy);
    // Logical pixels whose pen footprint can touch the drawable area.
    TRect Reachable() const;

    const TDeviceContext& FDc;
    bool FVisible = false;
    bool FDotted = false;
    bool FGapPaint = false;
    int FWidth = 1;
    TPaint FInk;
    TPaint FGap;
    TSpanShape FNib; // the pen's footprint around (0, 0)
};
