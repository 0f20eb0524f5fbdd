#pragma once

#include "framework/controls/CustomForm.h"

// The form class applications derive from: publishes the form's properties
// and events for its definition.
class TForm : public TCustomForm
{
  public:
    explicit TForm(TComponent* AOwner) : TCustomForm(AOwner) {}

    static const TClassInfo& StaticClass();
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
};
