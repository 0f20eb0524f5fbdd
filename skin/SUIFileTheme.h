#pragma once

#include "framework/Component.h"
#include "platform/gfx/Color.h"
#include "skin/SUI2Define.h"

#include <optional>

class TBitmap;

// What a skinned control asks of a file theme: whether a skin is loaded and
// the skin's colours, integers, flags and pictures by element. Controls
// publish a FileTheme property of this type and never see how a skin is
// read.
//
// This class answers as a theme without a loaded skin: CanUse false, colour
// 0, integer 0, false and no bitmap. The component that loads skin files
// derives from it; its class is registered for form definitions under the
// name "TsuiFileTheme" (this base's class info is "TsuiCustomFileTheme" and
// is never registered, so the two names never clash). A theme with a loaded
// skin answers -1 for a colour or integer the skin lacks, false and no
// bitmap.
//
// Ready is published for form definitions: it reads CanUse, and setting it
// changes nothing.
class TsuiFileTheme : public TComponent
{
  public:
    static const TClassInfo& StaticClass();
    const TClassInfo& ClassInfo() const override { return StaticClass(); }

    virtual bool CanUse() const { return false; }
    virtual TColor GetColor(Tsk2SkinColorElement Element) const;
    virtual int GetInt(Tsk2IntElement Element) const;
    virtual bool GetBool(Tsk2BoolElement Element) const;
    // A bitmap owned by the theme, or null. Callers copy it (Assign) and
    // neither free nor keep the pointer.
    virtual TBitmap* GetBitmap(Tsk2SkinBitmapElement Element) const;
    // Copies the element's bitmap into Bitmap (null: nothing happens), or,
    // when FrameCount and FrameIndex are both non-zero, only that frame of
    // the strip (SpitBitmap). Without such a bitmap Bitmap becomes empty.
    virtual void GetBitmap2(Tsk2SkinBitmapElement Element, TBitmap* Bitmap, int FrameCount = 0,
                            int FrameIndex = 0) const;

    bool Ready() const { return CanUse(); }
    void SetReady(bool) {}

  protected:
    explicit TsuiFileTheme(TComponent* AOwner) : TComponent(AOwner) {}
};

// The colour Theme's skin gives Element; nothing without a theme or when the
// skin lacks the colour (a theme answers a missing colour as -1, which names
// no colour), so callers say what stands in for it.
std::optional<TColor> FileThemeColor(const TsuiFileTheme* Theme, Tsk2SkinColorElement Element);
