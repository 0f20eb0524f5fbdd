#pragma once

#include "framework/Event.h"
#include "framework/Persistent.h"
#include "platform/gfx/Geometry.h"

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

class TSurface;

class TCanvas;

// A picture of some format: bitmap, JPEG, icon. Each loads from and saves to
// the bytes of its file format and draws itself onto a canvas.
class TGraphic : public TPersistent
{
  public:
    static const TClassInfo& StaticClass();
    const TClassInfo& ClassInfo() const override { return StaticClass(); }

    virtual bool Empty() const = 0;
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    bool Transparent() const { return FTransparent; }
    virtual void SetTransparent(bool Value);

    // Replaces the picture from file-format bytes; throws EInvalidGraphic
    // when they are not a valid picture of this class (the picture is then
    // unchanged).
    virtual void LoadFromBytes(std::span<const uint8_t> Data) = 0;
    // The picture in its file format; empty for an empty picture.
    virtual std::vector<uint8_t> SaveToBytes() const = 0;
    // Loads the resource Name (ResourceTable.h); throws EResNotFound when
    // there is none.
    void LoadFromResourceName(std::string_view Name);
    void LoadFromFile(const std::string& Path);
    void SaveToFile(const std::string& Path) const;

    // The picture as premultiplied pixels (empty surface when empty).
    virtual const TSurface& Surface() const = 0;

    // Draws the picture scaled into R of Canvas.
    virtual void Draw(TCanvas& Canvas, const TRect& R) const = 0;

    // Form definitions store a picture as its file bytes.
    void ReadBinary(std::span<const uint8_t> Data) override { LoadFromBytes(Data); }
    TBytes WriteBinary() const override { return SaveToBytes(); }

    TNotifyEvent OnChange;

  protected:
    void Changed() { OnChange(this); }

    bool FTransparent = false;
};
