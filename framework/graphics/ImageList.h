#pragma once

#include "framework/Component.h"
#include "framework/Event.h"
#include "platform/gfx/Color.h"

#include <memory>

namespace gfx
{
class TImageList;
}

class TBitmap;
class TCanvas;

// A component holding equally sized images (Width x Height), drawn plain,
// masked or in the disabled rendering. Changing the size clears the list.
class TImageList : public TComponent
{
  public:
    explicit TImageList(TComponent* AOwner);
    ~TImageList() override;

    static const TClassInfo& StaticClass();
    const TClassInfo& ClassInfo() const override { return StaticClass(); }

    int Width() const;
    void SetWidth(int Value);
    int Height() const;
    void SetHeight(int Value);
    int Count() const;

    // Appends the images cut from Image (a strip Width wide per image).
    // Mask, when given, marks transparent pixels in white. Returns the index
    // of the first new image, -1 when none fits.
    int Add(const TBitmap* Image, const TBitmap* Mask);
    int AddMasked(const TBitmap* Image, TColor MaskColor);
    // Copies image Index into Image (sized to the list's images); false for
    // an index out of range.
    bool GetBitmap(int Index, TBitmap* Image) const;
    void Draw(TCanvas* Canvas, int X, int Y, int Index, bool Enabled = true) const;
    void Clear();

    TNotifyEvent OnChange;

  private:
    void Resize(int AWidth, int AHeight);

    std::unique_ptr<gfx::TImageList> FList;
};
