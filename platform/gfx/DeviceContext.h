#pragma once

#include "platform/gfx/Brush.h"
#include "platform/gfx/FontDesc.h"
#include "platform/gfx/Geometry.h"
#include "platform/gfx/Pen.h"
#include "platform/gfx/Region.h"
#include "platform/gfx/Surface.h"

#include <memory>
#include <vector>

namespace gfx
{
class TFont;
}

// Background modes (classic values).
enum : int
{
    TRANSPARENT = 1,
    OPAQUE = 2
};

// Stretch modes (classic values). HALFTONE smooths; every other mode picks
// the nearest source pixel.
enum : int
{
    BLACKONWHITE = 1,
    WHITEONBLACK = 2,
    COLORONCOLOR = 3,
    HALFTONE = 4
};

// A device context: drawing state over a surface, or over one rectangular
// area of it (a window's part of a composed frame).
//
// Coordinates. Primitives take logical coordinates; device coordinates are
// logical + viewport origin and are relative to the area's top-left corner.
// Clip regions are kept in device coordinates (SelectClipRgn takes device
// coordinates, IntersectClipRect / ExcludeClipRect logical ones, as in the
// classic model). Drawing never leaves the area, nor the visible region
// given at construction.
//
// Defaults: origin (0, 0), no clip region, black 1-pixel solid pen, white
// solid brush, font "MS Sans Serif" -11, black text on an opaque white
// background, stretch mode BLACKONWHITE, current position (0, 0).
//
// The surface is borrowed and must outlive the context. Not thread-safe.
class TDeviceContext
{
  public:
    // The whole surface.
    explicit TDeviceContext(TSurface& Surface);
    // Area of Surface (clipped to the surface), device origin at its corner.
    TDeviceContext(TSurface& Surface, const TRect& Area);
    // As above, drawing further limited to VisibleRegion (device coordinates),
    // e.g. a window minus its children.
    TDeviceContext(TSurface& Surface, const TRect& Area, const TRegion& VisibleRegion);
    ~TDeviceContext();
    TDeviceContext(const TDeviceContext&) = delete;
    TDeviceContext& operator=(const TDeviceContext&) = delete;

    TSurface& Surface() const { return *FSurface; }
    // The area in surface coordinates.
    const TRect& Area() const { return FArea; }
    int Width() const { return FArea.Width(); }
    int Height() const { return FArea.Height(); }

    // Viewport and window origins: device = logical - window origin +
    // viewport origin, each coordinate kept within +-2^24. The setters
    // return the old origin.
    TPoint GetViewportOrg() const { return FState.ViewportOrg; }
    TPoint SetViewportOrg(int X, int Y);
    TPoint OffsetViewportOrg(int Dx, int Dy);
    TPoint GetWindowOrg() const { return FState.WindowOrg; }
    TPoint SetWindowOrg(int X, int Y);
    TPoint OffsetWindowOrg(int Dx, int Dy);

    // Clipping. Each returns the kind of the resulting clip (NULLREGION,
    // SIMPLEREGION, COMPLEXREGION). A null Region removes the clip region.
    int SelectClipRgn(const TRegion* Region);
    int IntersectClipRect(const TRect& Logical);
    int ExcludeClipRect(const TRect& Logical);
    // Bounding box of what can be drawn, in logical coordinates.
    TRect GetClipBox() const;
    // True when the logical point is drawable.
    bool PtVisible(int X, int Y) const;

    // Pushes the whole drawing state; returns the new depth (1 for the first
    // save). RestoreDC(-1) pops one level; RestoreDC(n) with n > 0 returns to
    // the state saved as level n, dropping the ones above it. Returns false
    // (state unchanged) for a level that does not exist.
    int SaveDC();
    bool RestoreDC(int Level);

    const gfx::TPen& Pen() const { return FState.Pen; }
    void SetPen(const gfx::TPen& Pen) { FState.Pen = Pen; }
    const gfx::TBrush& Brush() const { return FState.Brush; }
    void SetBrush(const gfx::TBrush& Brush) { FState.Brush = Brush; }
    // Brush origin in device coordinates: where pattern tiles start.
    TPoint GetBrushOrg() const { return FState.BrushOrg; }
    void SetBrushOrg(int X, int Y) { FState.BrushOrg = {X, Y}; }

    const TFontDesc& FontDesc() const { return FState.Font; }
    void SetFont(const TFontDesc& Desc);
    // The selected font, looked up on first use (never null).
    const gfx::TFont& Font() const;

    TColor TextColor() const { return FState.TextColor; }
    TColor SetTextColor(TColor Color);
    TColor BkColor() const { return FState.BkColor; }
    TColor SetBkColor(TColor Color);
    int BkMode() const { return FState.BkMode; }
    // TRANSPARENT or OPAQUE; returns the old mode, 0 for other values.
    int SetBkMode(int Mode);
    int StretchMode() const { return FState.StretchMode; }
    // Returns the old mode, 0 for values outside 1..4.
    int SetStretchMode(int Mode);

    TPoint CurrentPosition() const { return FState.CurrentPos; }
    void SetCurrentPosition(TPoint P) { FState.CurrentPos = P; }

    // For this layer's primitives: the drawable pixels in surface coordinates
    // and the logical-to-surface offset.
    const TRegion& SurfaceClip() const { return FSurfaceClip; }
    TPoint LogicalToSurface(TPoint P) const { return {P.X + OffsetX(), P.Y + OffsetY()}; }
    TRect LogicalToSurface(const TRect& R) const { return R.Offset(OffsetX(), OffsetY()); }
    int OffsetX() const { return FArea.Left + LogicalToDevice().X; }
    int OffsetY() const { return FArea.Top + LogicalToDevice().Y; }

  private:
    // What a logical point adds to become a device point.
    TPoint LogicalToDevice() const
    {
        return {FState.ViewportOrg.X - FState.WindowOrg.X,
                FState.ViewportOrg.Y - FState.WindowOrg.Y};
    }

    struct TState
    {
        TPoint ViewportOrg;
        TPoint WindowOrg;
        bool HasClip = false;
        TRegion Clip; // device coordinates, when HasClip
        gfx::TPen Pen;
        gfx::TBrush Brush;
        TPoint BrushOrg;
        TFontDesc Font;
        TColor TextColor = clBlack;
        TColor BkColor = clWhite;
        int BkMode = OPAQUE;
        int StretchMode = BLACKONWHITE;
        TPoint CurrentPos;
    };

    void UpdateSurfaceClip();
    TRegion CurrentClipDevice() const;

    TSurface* FSurface;
    TRect FArea;
    TRegion FVisible; // device coordinates
    TState FState;
    std::vector<TState> FSaved;
    TRegion FSurfaceClip;
    mutable std::shared_ptr<const gfx::TFont> FFont;
};
