#include "skin/SUIImageButton.h"

#include "framework/PropertyRegistry.h"
#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Picture.h"

const TClassInfo& TsuiImageButton::StaticClass()
{
    static const TClassInfo Info =
        TClassBuilder<TsuiImageButton>("TsuiImageButton", &TsuiCustomButton::StaticClass())
            .Binary("PicNormal", &TsuiImageButton::PicNormal, &TsuiImageButton::SetPicNormal)
            .Binary("PicMouseOn", &TsuiImageButton::PicMouseOn, &TsuiImageButton::SetPicMouseOn)
            .Binary("PicMouseDown", &TsuiImageButton::PicMouseDown,
                    &TsuiImageButton::SetPicMouseDown)
            .Binary("PicDisabled", &TsuiImageButton::PicDisabled, &TsuiImageButton::SetPicDisabled)
            .Boolean("Stretch", &TsuiImageButton::Stretch, &TsuiImageButton::SetStretch)
            .Default(false)
            .Boolean("DrawFocused", &TsuiImageButton::DrawFocused, &TsuiImageButton::SetDrawFocused)
            .Default(false)
            .Build();
    return Info;
}

TsuiImageButton::TsuiImageButton(TComponent* AOwner)
    : TsuiCustomButton(AOwner), FPicNormal(std::make_unique<TPicture>()),
      FPicMouseOn(std::make_unique<TPicture>()), FPicMouseDown(std::make_unique<TPicture>()),
      FPicDisabled(std::make_unique<TPicture>())
{
    StoreUIStyle(FromThemeFile);
}

TsuiImageButton::~TsuiImageButton() = default;

void TsuiImageButton::SetPicture(TPicture& Target, const TPicture* Value)
{
    if (Value)
        Target.Assign(Value);
    else
        Target.SetGraphic(nullptr);
    AutoSizeChanged();
    Invalidate();
}

void TsuiImageButton::SetPicNormal(const TPicture* Value)
{
    SetPicture(*FPicNormal, Value);
}

void TsuiImageButton::SetPicMouseOn(const TPicture* Value)
{
    SetPicture(*FPicMouseOn, Value);
}

void TsuiImageButton::SetPicMouseDown(const TPicture* Value)
{
    SetPicture(*FPicMouseDown, Value);
}

void TsuiImageButton::SetPicDisabled(const TPicture* Value)
{
    SetPicture(*FPicDisabled, Value);
}

void TsuiImageButton::SetStretch(bool Value)
{
    FStretch = Value;
    Invalidate();
}

void TsuiImageButton::SetDrawFocused(bool Value)
{
    FDrawFocused = Value;
    Invalidate();
}

void TsuiImageButton::AutoSizeChanged()
{
    if (!FParent || !FAutoSize || !FPicNormal->Graphic()) return;
    SetHeight(FPicNormal->Height());
    SetWidth(FPicNormal->Width());
}

void TsuiImageButton::TakePicture(const TPicture& Source, TBitmap* Pic) const
{
    const TPicture& From = Source.Graphic() ? Source : *FPicNormal;
    if (From.Graphic()) Pic->Assign(From.Graphic());
}

void TsuiImageButton::PaintButtonNormal(TBitmap* Pic)
{
    TakePicture(*FPicNormal, Pic);
}

void TsuiImageButton::PaintButtonMouseOn(TBitmap* Pic)
{
    TakePicture(*FPicMouseOn, Pic);
}

void TsuiImageButton::PaintButtonMouseDown(TBitmap* Pic)
{
    TakePicture(*FPicMouseDown, Pic);
}

void TsuiImageButton::PaintButtonDisabled(TBitmap* Pic)
{
    TakePicture(*FPicDisabled, Pic);
}

void TsuiImageButton::PaintPic(TCanvas* ACanvas, TBitmap* Pic)
{
    if (Pic->Width() <= 0 || Pic->Height() <= 0) return;
    Pic->SetTransparentColor(Pic->Canvas()->Pixel(0, 0));
    if (FStretch)
        ACanvas->StretchDraw({0, 0, FWidth, FHeight}, Pic);
    else
        ACanvas->Draw(0, 0, Pic);
}

void TsuiImageButton::PaintFocus(TCanvas* ACanvas)
{
    if (FDrawFocused) TsuiCustomButton::PaintFocus(ACanvas);
}
