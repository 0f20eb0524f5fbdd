#pragma once

#include "framework/controls/Control.h"
#include "framework/graphics/Canvas.h"

#include <memory>

// A control without a window of its own: it paints on its parent's client
// area (the parent hands it its paint context, moved and clipped to the
// control) and gets its mouse messages through the parent.
class TGraphicControl : public TControl
{
  public:
    explicit TGraphicControl(TComponent* AOwner);
    ~TGraphicControl() override;

    static const TClassInfo& StaticClass();
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
    static const TMessageMap& StaticMessages();
    const TMessageMap& Messages() const override { return StaticMessages(); }

    // Valid for drawing while Paint runs.
    TCanvas* Canvas() const { return FCanvas.get(); }

  protected:
    virtual void Paint() {}
    void WMPaint(TMessage& M);

  private:
    std::unique_ptr<TCanvas> FCanvas;
};
