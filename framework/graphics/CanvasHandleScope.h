#pragma once

#include "framework/graphics/Canvas.h"

// Lends a device context to a canvas for a scope: the canvas draws on Dc
// until the scope ends, then takes back the handle it had before (usually
// none), also when an exception leaves the scope. Dc stays the caller's.
class TCanvasHandleScope
{
  public:
    TCanvasHandleScope(TCanvas& Canvas, TDeviceContext* Dc)
        : FCanvas(Canvas), FPrevious(Canvas.Handle())
    {
        Canvas.SetHandle(Dc);
    }
    ~TCanvasHandleScope() { FCanvas.SetHandle(FPrevious); }
    TCanvasHandleScope(const TCanvasHandleScope&) = delete;
    TCanvasHandleScope& operator=(const TCanvasHandleScope&) = delete;

  private:
    TCanvas& FCanvas;
    TDeviceContext* FPrevious;
};
