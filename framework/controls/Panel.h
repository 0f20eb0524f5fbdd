#pragma once

#include "framework/controls/CustomPanel.h"

// The panel forms place: publishes the panel's properties.
class TPanel : public TCustomPanel
{
  public:
    explicit TPanel(TComponent* AOwner) : TCustomPanel(AOwner) {}

    static const TClassInfo& StaticClass();
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
};
