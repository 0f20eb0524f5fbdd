#pragma once

#include "platform/gfx/DeviceContext.h"

#include <vector>

// Lines with the current pen, in logical coordinates.

// Moves the current position; returns the previous one.
TPoint MoveTo(TDeviceContext& Dc, int X, int Y);
// Draws from the current position to (X, Y), leaving out the end point, and
// makes (X, Y) the current position. A pen wider than one pixel draws a round
// stroke that does cover the end point.
void LineTo(TDeviceContext& Dc, int X, int Y);
// Connected lines through Points; like LineTo each segment leaves out its
// end point, so the last point is not drawn. Does not use or move the
// current position. Fewer than two points draw nothing.
void Polyline(TDeviceContext& Dc, const std::vector<TPoint>& Points);
