#pragma once

#include "framework/stdctrls/MaskEdit.h"
#include "skin/SUIEditSkin.h"

// A masked edit with the skinned edit frame (see TsuiEditSkin).
class TsuiMaskEdit : public TsuiEditSkin<TCustomMaskEdit>
{
  public:
    using TsuiEditSkin::TsuiEditSkin;

    static const TClassInfo& StaticClass();
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
    static const TMessageMap& StaticMessages();
    const TMessageMap& Messages() const override { return StaticMessages(); }
};
