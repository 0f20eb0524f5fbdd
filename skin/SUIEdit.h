#pragma once

#include "skin/SUIEditSkin.h"

// A single-line edit with the skinned edit frame (see TsuiEditSkin).
class TsuiEdit : public TsuiEditSkin<TCustomEdit>
{
  public:
    using TsuiEditSkin::TsuiEditSkin;

    static const TClassInfo& StaticClass();
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
    static const TMessageMap& StaticMessages();
    const TMessageMap& Messages() const override { return StaticMessages(); }
};
