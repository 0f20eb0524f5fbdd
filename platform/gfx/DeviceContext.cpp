#include "platform/gfx/DeviceContext.h"

#include "platform/gfx/Font.h"
#include "platform/gfx/Paint.h"

#include <algorithm>

TDeviceContext::TDeviceContext(TSurface& Surface) : TDeviceContext(Surface, Surface.Bounds()) {}

TDeviceContext::TDeviceContext(TSurface& Surface, const TRect& Area)
    : TDeviceContext(Surface, Area, TRegion({0, 0, Area.Width(), Area.Height()}))
{
}

TDeviceContext::TDeviceContext(TSurface& Surface, const TRect& Area, const TRegion& VisibleRegion)
    : FSurface(&Surface), FArea(Area), FVisible(VisibleRegion)
{
    // Keep the area's origin even when part of it lies off the surface, so
    // coordinates stay those of the caller's window.
    const TRect OnSurface = Area.Intersect(Surface.Bounds()).Offset(-Area.Left, -Area.Top);
    FVisible.IntersectRect(OnSurface);
    FVisible.IntersectRect({0, 0, Area.Width(), Area.Height()});
    UpdateSurfaceClip();
}

TDeviceContext::~TDeviceContext() = default;

namespace
{
// Keeps origins and clip rectangles where sums with other coordinates
// cannot overflow.
int Limit(long long V)
{
    return static_cast<int>(std::clamp<long long>(V, -CoordLimit, CoordLimit));
}

TRect Limit(const TRect& R)
{
    return {Limit(R.Left), Limit(R.Top), Limit(R.Right), Limit(R.Bottom)};
}
} // namespace

TPoint TDeviceContext::SetViewportOrg(int X, int Y)
{
    const TPoint Old = FState.ViewportOrg;
    FState.ViewportOrg = {Limit(X), Limit(Y)};
    return Old;
}

TPoint TDeviceContext::OffsetViewportOrg(int Dx, int Dy)
{
    const TPoint Old = FState.ViewportOrg;
    FState.ViewportOrg = {Limit(0LL + Old.X + Dx), Limit(0LL + Old.Y + Dy)};
    return Old;
}

TPoint TDeviceContext::SetWindowOrg(int X, int Y)
{
    const TPoint Old = FState.WindowOrg;
    FState.WindowOrg = {Limit(X), Limit(Y)};
    return Old;
}

TPoint TDeviceContext::OffsetWindowOrg(int Dx, int Dy)
{
    const TPoint Old = FState.WindowOrg;
    FState.WindowOrg = {Limit(0LL + Old.X + Dx), Limit(0LL + Old.Y + Dy)};
    return Old;
}

TRegion TDeviceContext::CurrentClipDevice() const
{
    if (FState.HasClip) return FState.Clip;
    return TRegion({0, 0, FArea.Width(), FArea.Height()});
}

void TDeviceContext::UpdateSurfaceClip()
{
    FSurfaceClip = FVisible;
    if (FState.HasClip) FSurfaceClip.Intersect(FState.Clip);
    FSurfaceClip.Offset(FArea.Left, FArea.Top);
}

int TDeviceContext::SelectClipRgn(const TRegion* Region)
{
    FState.HasClip = Region != nullptr;
    FState.Clip = Region ? *Region : TRegion();
    UpdateSurfaceClip();
    return FSurfaceClip.Kind();
}

int TDeviceContext::IntersectClipRect(const TRect& Logical)
{
    TRegion Clip = CurrentClipDevice();
    Clip.IntersectRect(Limit(Logical).Offset(LogicalToDevice().X, LogicalToDevice().Y));
    FState.Clip = std::move(Clip);
    FState.HasClip = true;
    UpdateSurfaceClip();
    return FSurfaceClip.Kind();
}

int TDeviceContext::ExcludeClipRect(const TRect& Logical)
{
    TRegion Clip = CurrentClipDevice();
    Clip.Subtract(TRegion(Limit(Logical).Offset(LogicalToDevice().X, LogicalToDevice().Y)));
    FState.Clip = std::move(Clip);
    FState.HasClip = true;
    UpdateSurfaceClip();
    return FSurfaceClip.Kind();
}

TRect TDeviceContext::GetClipBox() const
{
    if (FSurfaceClip.IsEmpty()) return {};
    return FSurfaceClip.Box().Offset(-OffsetX(), -OffsetY());
}

bool TDeviceContext::PtVisible(int X, int Y) const
{
    return FSurfaceClip.Contains(X + OffsetX(), Y + OffsetY());
}

int TDeviceContext::SaveDC()
{
    FSaved.push_back(FState);
    return static_cast<int>(FSaved.size());
}

bool TDeviceContext::RestoreDC(int Level)
{
    const int Depth = static_cast<int>(FSaved.size());
    const int Target = Level < 0 ? Depth + Level + 1 : Level;
    if (Level == 0 || Target < 1 || Target > Depth) return false;
    const bool SameFont = FSaved[static_cast<size_t>(Target - 1)].Font == FState.Font;
    FState = std::move(FSaved[static_cast<size_t>(Target - 1)]);
    FSaved.resize(static_cast<size_t>(Target - 1));
    if (!SameFont) FFont.reset();
    UpdateSurfaceClip();
    return true;
}

void TDeviceContext::SetFont(const TFontDesc& Desc)
{
    if (FState.Font == Desc) return;
    FState.Font = Desc;
    FFont.reset();
}

const gfx::TFont& TDeviceContext::Font() const
{
    if (!FFont) FFont = gfx::TFont::Get(FState.Font);
    return *FFont;
}

TColor TDeviceContext::SetTextColor(TColor Color)
{
    const TColor Old = FState.TextColor;
    FState.TextColor = Color;
    return Old;
}

TColor TDeviceContext::SetBkColor(TColor Color)
{
    const TColor Old = FState.BkColor;
    FState.BkColor = Color;
    return Old;
}

int TDeviceContext::SetBkMode(int Mode)
{
    if (Mode != TRANSPARENT && Mode != OPAQUE) return 0;
    const int Old = FState.BkMode;
    FState.BkMode = Mode;
    return Old;
}

int TDeviceContext::SetStretchMode(int Mode)
{
    if (Mode < BLACKONWHITE || Mode > HALFTONE) return 0;
    const int Old = FState.StretchMode;
    FState.StretchMode = Mode;
    return Old;
}
