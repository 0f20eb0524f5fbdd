#pragma once

#include "framework/Event.h"
#include "framework/Persistent.h"

// The framework's graphics objects (canvas, pen, brush, font, pictures) live
// in this namespace because the graphics layer below already uses the plain
// names TPen, TBrush, TFont and TImageList for its device-context state.
// A pen, brush or font: a value a canvas selects, telling its users of every
// change through OnChange.
class TGraphicsObject : public TPersistent
{
  public:
    static const TClassInfo& StaticClass();
    const TClassInfo& ClassInfo() const override { return StaticClass(); }

    TNotifyEvent OnChange;

  protected:
    // Setters call this after a real change.
    void Changed() { OnChange(this); }
};
