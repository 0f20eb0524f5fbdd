#pragma once

#include "framework/graphics/GraphicsObject.h"
#include "platform/gfx/Color.h"
#include "platform/gfx/Surface.h"

#include <memory>

class TBitmap;

enum TBrushStyle
{
    bsSolid,
    bsClear
};

// The canvas's fill: a solid colour, nothing, or a tiled bitmap (copied when
// set, so the caller keeps its bitmap).
class TBrush : public TGraphicsObject
{
  public:
    TBrush() = default;

    static const TClassInfo& StaticClass();
    const TClassInfo& ClassInfo() const override { return StaticClass(); }

    TColor Color() const { return FColor; }
    // Setting a colour makes a clear brush solid again.
    void SetColor(TColor Value);
    TBrushStyle Style() const { return FStyle; }
    void SetStyle(TBrushStyle Value);
    // Null: no pattern. The pattern wins over colour and style while set.
    void SetBitmap(const TBitmap* Value);
    bool HasBitmap() const { return FPattern != nullptr; }
    const std::shared_ptr<const TSurface>& Pattern() const { return FPattern; }

    void Assign(const TPersistent* Source) override;

  private:
    TColor FColor = clWhite;
    TBrushStyle FStyle = bsSolid;
    std::shared_ptr<const TSurface> FPattern;
};
