#pragma once

#include "framework/graphics/Bitmap.h"
#include "framework/stdctrls/CheckMark.h"
#include "skin/SUI2Define.h"
#include "skin/SUIThemes.h"

#include <array>

class TsuiFileTheme;

// The four frames of a skinned check box's or radio button's strip
// (checked, unchecked, checked and disabled, unchecked and disabled), cut
// once per restyle so a paint only copies one. The grayed state shows the
// checked and disabled frame: a dimmed mark.
class TsuiToggleArt
{
  public:
    // Reads the strip of built-in item Item in Style, or of Element from
    // Theme when Theme is not null. A missing picture leaves no frames.
    void Load(TsuiUIStyle Style, const TsuiFileTheme* Theme, int Item,
              Tsk2SkinBitmapElement Element);
    // The frame for a state; null when there is no picture.
    const TBitmap* Frame(TCheckBoxState State, bool Enabled) const;
    // The size of one frame; empty without a picture.
    TSize Size() const;
    // The 1-based frame of the strip a state shows.
    static int FrameIndex(TCheckBoxState State, bool Enabled);

  private:
    std::array<TBitmap, 4> FFrames;
};
