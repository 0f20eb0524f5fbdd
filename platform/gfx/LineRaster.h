#pragma once

#include "platform/gfx/DeviceContext.h"
#include "platform/gfx/Paint.h"
#include "platform/gfx/ShapeSpans.h"

#include <vector>

// Draws pen strokes for lines and shape outlines. Internal to platform/gfx.
class TPenStroker
{
  public:
    explicit TPenStroker(const TDeviceContext& Dc);

    bool Visible() const { return FVisible; }
    // Pen width in pixels as drawn (1 for dotted and dashed pens).
    int Width() const { return FWidth; }
    // Logical line From -> To without its end point (a wide pen covers it).
    // The pattern of a styled pen starts at Index; returns the index after
    // the line, where a following segment continues.
    int Line(TPoint From, TPoint To, int Index = 0);
    // A run of pixels of a shape's outline band in logical row Y: already as
    // wide as the pen, so each pixel is painted once; a styled pen follows
    // its pattern by X + Y.
    void Run(int Y, int X0, int X1);

  private:
    // One logical point of a line: the pen's footprint around it.
    void Plot(int X, int Y, int Index);
    // One pixel at device coordinates, inked or a gap of the pattern.
    void Dot(int Sx, int Sy, int Index);
    void Stamp(int Sx, int Sy);
    // Logical pixels whose pen footprint can touch the drawable area.
    TRect Reachable() const;

    const TDeviceContext& FDc;
    bool FVisible = false;
    // On and off lengths of a styled pen, alternating from on; empty: solid.
    std::vector<int> FPattern;
    int FPeriod = 0;
    bool FGapPaint = false;
    int FWidth = 1;
    TPaint FInk;
    TPaint FGap;
    TSpanShape FNib; // the pen's footprint around (0, 0)
};
