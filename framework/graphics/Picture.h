#pragma once

#include "framework/Event.h"
#include "framework/Persistent.h"

#include <memory>
#include <span>
#include <string_view>

class TGraphic;
class TBitmap;
class TIcon;

// Holds one graphic of any class (or none) and tells its owner of every
// change through OnChange. In a form definition it is stored as the
// graphic's class name (one length byte, then the name) followed by the
// graphic's file bytes.
class TPicture : public TPersistent
{
  public:
    TPicture();
    ~TPicture() override;

    static const TClassInfo& StaticClass();
    const TClassInfo& ClassInfo() const override { return StaticClass(); }

    // The held graphic, or null.
    TGraphic* Graphic() const { return FGraphic.get(); }
    // Copies Value (null empties the picture).
    void SetGraphic(const TGraphic* Value);
    // The graphic as a bitmap: replaces a graphic of another class by an
    // empty bitmap first.
    TBitmap* Bitmap();
    TIcon* Icon();

    int Width() const;
    int Height() const;

    // Recognises the format by its first bytes (BMP, JPEG, icon, PNG as
    // bitmap); throws EInvalidGraphic for anything else.
    void LoadFromBytes(std::span<const uint8_t> Data);
    void LoadFromResourceName(std::string_view Name);
    void LoadFromFile(const std::string& Path);

    void Assign(const TPersistent* Source) override;
    void ReadBinary(std::span<const uint8_t> Data) override;
    TBytes WriteBinary() const override;

    TNotifyEvent OnChange;

  private:
    void Take(std::unique_ptr<TGraphic> Value);
    void GraphicChanged(TObject*) { OnChange(this); }

    std::unique_ptr<TGraphic> FGraphic;
};
