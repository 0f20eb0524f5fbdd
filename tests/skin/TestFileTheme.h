#pragma once

#include "framework/PropertyRegistry.h"
#include "framework/graphics/Bitmap.h"
#include "skin/SUIFileTheme.h"

#include <map>
#include <memory>

// A file theme whose answers a test sets directly: loaded or not, and the
// elements "its skin" holds. Elements it lacks answer as a loaded skin does
// (-1, false, no bitmap). Copy it into another test folder as needed.
class TTestFileTheme : public TsuiFileTheme
{
  public:
    explicit TTestFileTheme(TComponent* AOwner) : TsuiFileTheme(AOwner) {}

    static const TClassInfo& StaticClass()
    {
        static const TClassInfo Info =
            TClassBuilder<TTestFileTheme>("TTestFileTheme", &TsuiFileTheme::StaticClass()).Build();
        return Info;
    }
    const TClassInfo& ClassInfo() const override { return StaticClass(); }

    bool CanUse() const override { return FLoaded; }
    TColor GetColor(Tsk2SkinColorElement Element) const override
    {
        if (!FLoaded) return TsuiFileTheme::GetColor(Element);
        auto It = FColors.find(Element);
        return It == FColors.end() ? TColor(-1) : It->second;
    }
    int GetInt(Tsk2IntElement Element) const override
    {
        if (!FLoaded) return TsuiFileTheme::GetInt(Element);
        auto It = FInts.find(Element);
        return It == FInts.end() ? -1 : It->second;
    }
    bool GetBool(Tsk2BoolElement Element) const override
    {
        if (!FLoaded) return TsuiFileTheme::GetBool(Element);
        auto It = FBools.find(Element);
        return It != FBools.end() && It->second;
    }
    TBitmap* GetBitmap(Tsk2SkinBitmapElement Element) const override
    {
        if (!FLoaded) return nullptr;
        auto It = FBitmaps.find(Element);
        return It == FBitmaps.end() ? nullptr : It->second.get();
    }

    // Marks the theme loaded; the setters below fill its skin.
    void SetLoaded(bool Value) { FLoaded = Value; }
    void SetColor(Tsk2SkinColorElement Element, TColor Value) { FColors[Element] = Value; }
    void SetInt(Tsk2IntElement Element, int Value) { FInts[Element] = Value; }
    void SetBool(Tsk2BoolElement Element, bool Value) { FBools[Element] = Value; }
    // The theme keeps a copy of Value.
    void SetBitmap(Tsk2SkinBitmapElement Element, const TBitmap& Value)
    {
        auto Copy = std::make_unique<TBitmap>();
        Copy->Assign(&Value);
        FBitmaps[Element] = std::move(Copy);
    }

  private:
    bool FLoaded = false;
    std::map<Tsk2SkinColorElement, TColor> FColors;
    std::map<Tsk2IntElement, int> FInts;
    std::map<Tsk2BoolElement, bool> FBools;
    std::map<Tsk2SkinBitmapElement, std::unique_ptr<TBitmap>> FBitmaps;
};
