#include "skin/SUIToggleArt.h"

#include "skin/SUIFileTheme.h"

#include <exception>

namespace
{
// The strips are drawn on this colour where the control's background shows.
constexpr TColor ToggleKey = 0xFF00FF;
} // namespace

void TsuiToggleArt::Load(TsuiUIStyle Style, const TsuiFileTheme* Theme, int Item,
                         Tsk2SkinBitmapElement Element)
{
    TBitmap Strip;
    try
    {
        if (Theme)
            Theme->GetBitmap2(Element, &Strip);
        else
            GetInsideThemeBitmap(Style, Item, &Strip);
    }
    catch (const std::exception&)
    {
        Strip.SetSize(0, 0);
    }
    for (int I = 0; I < 4; ++I)
    {
        TBitmap& F = FFrames[static_cast<size_t>(I)];
        SpitBitmap(&Strip, &F, 4, I + 1);
        F.SetTransparentMode(tmFixed);
        F.SetTransparentColor(ToggleKey);
        F.SetTransparent(true);
    }
}

int TsuiToggleArt::FrameIndex(TCheckBoxState State, bool Enabled)
{
    const bool Marked = State != cbUnchecked;
    if (State == cbGrayed) return 3;
    return Enabled ? (Marked ? 1 : 2) : (Marked ? 3 : 4);
}

const TBitmap* TsuiToggleArt::Frame(TCheckBoxState State, bool Enabled) const
{
    const TBitmap& F = FFrames[static_cast<size_t>(FrameIndex(State, Enabled) - 1)];
    return F.Empty() ? nullptr : &F;
}

TSize TsuiToggleArt::Size() const
{
    return {FFrames[0].Width(), FFrames[0].Height()};
}
