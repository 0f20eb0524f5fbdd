#include "platform/gfx/Lines.h"

#include "platform/gfx/LineRaster.h"

TPoint MoveTo(TDeviceContext& Dc, int X, int Y)
{
    const TPoint Old = Dc.CurrentPosition();
    Dc.SetCurrentPosition({X, Y});
    return Old;
}

void LineTo(TDeviceContext& Dc, int X, int Y)
{
    const TPoint From = Dc.CurrentPosition();
    TPenStroker Stroker(Dc);
    Stroker.Line(From, {X, Y});
    Dc.SetCurrentPosition({X, Y});
}

void Polyline(TDeviceContext& Dc, const std::vector<TPoint>& Points)
{
    if (Points.size() < 2) return;
    TPenStroker Stroker(Dc);
    int Index = 0;
    for (size_t I = 1; I < Points.size(); ++I)
        Index = Stroker.Line(Points[I - 1], Points[I], Index);
}
