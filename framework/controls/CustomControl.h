#pragma once

#include "framework/controls/WinControl.h"
#include "framework/graphics/Canvas.h"

#include <memory>

// A windowed control that paints itself: Paint draws on Canvas, which is set
// up with the control's font and colour over the paint context.
class TCustomControl : public TWinControl
{
  public:
    explicit TCustomControl(TComponent* AOwner);
    ~TCustomControl() override;

    static const TClassInfo& StaticClass();
    const TClassInfo& ClassInfo() const override { return StaticClass(); }

    // Valid for drawing while Paint runs.
    TCanvas* Canvas() const { return FCanvas.get(); }

  protected:
    virtual void Paint() {}
    void PaintWindow(HDC Dc) override;

  private:
    std::unique_ptr<TCanvas> FCanvas;
};
