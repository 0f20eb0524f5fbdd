#include "skin/SUIFileTheme.h"

#include "framework/PropertyRegistry.h"
#include "framework/graphics/Bitmap.h"
#include "skin/SUIThemes.h"

const TClassInfo& TsuiFileTheme::StaticClass()
{
    static const TClassInfo Info =
        TClassBuilder<TsuiFileTheme>("TsuiCustomFileTheme", &TComponent::StaticClass())
            .Boolean("Ready", &TsuiFileTheme::Ready, &TsuiFileTheme::SetReady)
            .Stored(false)
            .Build();
    return Info;
}

TColor TsuiFileTheme::GetColor(Tsk2SkinColorElement) const
{
    return 0;
}

int TsuiFileTheme::GetInt(Tsk2IntElement) const
{
    return 0;
}

bool TsuiFileTheme::GetBool(Tsk2BoolElement) const
{
    return false;
}

TBitmap* TsuiFileTheme::GetBitmap(Tsk2SkinBitmapElement) const
{
    return nullptr;
}

void TsuiFileTheme::GetBitmap2(Tsk2SkinBitmapElement Element, TBitmap* Bitmap, int FrameCount,
                               int FrameIndex) const
{
    if (!Bitmap) return;
    const TBitmap* Source = GetBitmap(Element);
    if (!Source)
        Bitmap->SetSize(0, 0);
    else if (FrameCount != 0 && FrameIndex != 0)
        SpitBitmap(Source, Bitmap, FrameCount, FrameIndex);
    else
        Bitmap->Assign(Source);
}

std::optional<TColor> FileThemeColor(const TsuiFileTheme* Theme, Tsk2SkinColorElement Element)
{
    if (!Theme) return std::nullopt;
    const TColor Value = Theme->GetColor(Element);
    if (Value == TColor(-1)) return std::nullopt;
    return Value;
}
