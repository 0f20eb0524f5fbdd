#include "framework/graphics/ImageList.h"

#include "framework/PropertyRegistry.h"
#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Canvas.h"
#include "platform/gfx/DeviceContext.h"
#include "platform/gfx/ImageList.h"

const TClassInfo& TImageList::StaticClass()
{
    static const TClassInfo Info =
        TClassBuilder<TImageList>("TImageList", &TComponent::StaticClass())
            .Integer("Height", &TImageList::Height, &TImageList::SetHeight)
            .Default(16)
            .Integer("Width", &TImageList::Width, &TImageList::SetWidth)
            .Default(16)
            .Build();
    return Info;
}

TImageList::TImageList(TComponent* AOwner)
    : TComponent(AOwner), FList(std::make_unique<gfx::TImageList>(16, 16))
{
}

TImageList::~TImageList() = default;

int TImageList::Width() const
{
    return FList->Width();
}

int TImageList::Height() const
{
    return FList->Height();
}

int TImageList::Count() const
{
    return FList->Count();
}

void TImageList::SetWidth(int Value)
{
    Resize(Value, Height());
}

void TImageList::SetHeight(int Value)
{
    Resize(Width(), Value);
}

void TImageList::Resize(int AWidth, int AHeight)
{
    if (AWidth < 1 || AHeight < 1 || (AWidth == Width() && AHeight == Height())) return;
    FList = std::make_unique<gfx::TImageList>(AWidth, AHeight);
    OnChange(this);
}

int TImageList::Add(const TBitmap* Image, const TBitmap* Mask)
{
    if (!Image || Image->Empty()) return -1;
    int First;
    if (Mask && !Mask->Empty())
    {
        // White mask pixels are transparent: make them a key colour the
        // image cannot contain after the copy.
        TSurface Keyed = Image->Surface().Clone();
        constexpr TColor Key = RGB(255, 0, 254);
        for (int Y = 0; Y < Keyed.Height() && Y < Mask->Height(); ++Y)
            for (int X = 0; X < Keyed.Width() && X < Mask->Width(); ++X)
                if (ColorToRGB(Mask->Surface().Pixel(X, Y)) == clWhite)
                    Keyed.SetPixel(X, Y, Key);
                else if (Keyed.Pixel(X, Y) == Key)
                    Keyed.SetPixel(X, Y, RGB(255, 0, 255));
        First = FList->AddMasked(Keyed, Key);
    }
    else
        First = FList->Add(Image->Surface());
    if (First >= 0) OnChange(this);
    return First;
}

int TImageList::AddMasked(const TBitmap* Image, TColor MaskColor)
{
    if (!Image || Image->Empty()) return -1;
    int First = FList->AddMasked(Image->Surface(), ColorToRGB(MaskColor));
    if (First >= 0) OnChange(this);
    return First;
}

bool TImageList::GetBitmap(int Index, TBitmap* Image) const
{
    if (!Image || Index < 0 || Index >= Count()) return false;
    TSurface Pixels(Width(), Height(), clWhite);
    TDeviceContext Dc(Pixels);
    FList->Draw(Dc, 0, 0, Index);
    Image->LoadFromSurface(std::move(Pixels));
    return true;
}

void TImageList::Draw(TCanvas* Canvas, int X, int Y, int Index, bool Enabled) const
{
    if (!Canvas || !Canvas->Handle()) return;
    FList->Draw(*Canvas->Handle(), X, Y, Index, Enabled);
}

void TImageList::Clear()
{
    if (Count() == 0) return;
    FList->Clear();
    OnChange(this);
}
