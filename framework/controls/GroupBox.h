#pragma once

#include "framework/controls/CustomControl.h"

// A titled, etched frame around a group of controls; aligned children go
// below the title.
class TGroupBox : public TCustomControl
{
  public:
    explicit TGroupBox(TComponent* AOwner);

    static const TClassInfo& StaticClass();
    const TClassInfo& ClassInfo() const override { return StaticClass(); }

    void AlignControls(TRect& Rect) override;

  protected:
    void Paint() override;

  private:
    int TitleHeight();
};
