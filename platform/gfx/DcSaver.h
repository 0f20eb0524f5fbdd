#pragma once

#include "platform/gfx/DeviceContext.h"

// Keeps a device context's drawing state (origin, clip, pen, brush, font,
// colours, modes) for a scope: saves it on construction and restores that
// very level when the scope ends, also when an exception leaves it. Levels
// saved meanwhile and not restored are dropped with it.
class TDcSaver
{
  public:
    explicit TDcSaver(TDeviceContext& Dc) : FDc(Dc), FLevel(Dc.SaveDC()) {}
    ~TDcSaver() { FDc.RestoreDC(FLevel); }
    TDcSaver(const TDcSaver&) = delete;
    TDcSaver& operator=(const TDcSaver&) = delete;

  private:
    TDeviceContext& FDc;
    int FLevel;
};
