#include "skin/SUIControlButton.h"

#include "framework/PropertyRegistry.h"
#include "framework/graphics/Bitmap.h"
#include "skin/SUIStyleApply.h"

const TClassInfo& TsuiControlButton::StaticClass()
{
    static const TClassInfo Info =
        TClassBuilder<TsuiControlButton>("TsuiControlButton", &TsuiCustomButton::StaticClass())
            .Integer("PicIndex", &TsuiControlButton::PicIndex, &TsuiControlButton::SetPicIndex)
            .Default(0)
            .Integer("PicCount", &TsuiControlButton::PicCount, &TsuiControlButton::SetPicCount)
            .Default(0)
            .Integer("ThemeID", &TsuiControlButton::ThemeID, &TsuiControlButton::SetThemeID)
            .Default(0)
            .Boolean("PicTransparent", &TsuiControlButton::PicTransparent,
                     &TsuiControlButton::SetPicTransparent)
            .Default(false)
            .Build();
    return Info;
}

TsuiControlButton::TsuiControlButton(TComponent* AOwner) : TsuiCustomButton(AOwner)
{
    FTabStop = false;
    StoreUIStyle(DeepBlue);
}

void TsuiControlButton::SetPicIndex(int Value)
{
    FPicIndex = Value;
    FitToPicture();
    Invalidate();
}

void TsuiControlButton::SetPicCount(int Value)
{
    FPicCount = Value;
    FitToPicture();
    Invalidate();
}

void TsuiControlButton::SetThemeID(int Value)
{
    FThemeID = Value;
    FitToPicture();
    Invalidate();
}

void TsuiControlButton::FitToPicture()
{
    TBitmap Pic;
    try
    {
        Fetch(FPicIndex, &Pic);
    }
    catch (const std::exception&)
    {
        return;
    }
    if (Pic.Width() > 0 && Pic.Height() > 0) SetBounds(FLeft, FTop, Pic.Width(), Pic.Height());
}

void TsuiControlButton::Fetch(int FrameIndex, TBitmap* Pic)
{
    TsuiUIStyle Style;
    if (UsesFileTheme(Style)) return;
    GetInsideThemeBitmap(Style, FThemeID, Pic, FPicCount, FrameIndex);
}

void TsuiControlButton::PaintButtonNormal(TBitmap* Pic)
{
    Fetch(FPicIndex, Pic);
}

void TsuiControlButton::PaintButtonMouseOn(TBitmap* Pic)
{
    Fetch(FPicIndex + 1, Pic);
}

void TsuiControlButton::PaintButtonMouseDown(TBitmap* Pic)
{
    Fetch(FPicIndex, Pic);
}

void TsuiControlButton::PaintButtonDisabled(TBitmap* Pic)
{
    Fetch(FPicIndex, Pic);
}

void TsuiControlButton::PaintPic(TCanvas* ACanvas, TBitmap* Pic)
{
    if (Pic->Width() <= 0 || Pic->Height() <= 0) return;
    Pic->SetTransparentColor(Pic->Canvas()->Pixel(0, 0));
    ACanvas->Draw(0, 0, Pic);
}
