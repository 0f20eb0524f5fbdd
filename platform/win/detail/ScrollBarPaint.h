#pragma once

// Classic painting of standard scroll bars.

#include "detail/ScrollBars.h"
#include "platform/gfx/DeviceContext.h"

// Paints one bar laid out as Geometry (in Dc's coordinates).
void PaintScrollBar(TDeviceContext& Dc, const TScrollGeometry& Geometry, const TScrollBarData& Data,
                    bool Disabled);
// Paints the window bars of Window and the size box between them, in window
// coordinates.
void PaintWindowScrollBars(TDeviceContext& Dc, const TWindow& Window);
