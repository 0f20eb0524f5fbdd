#include "skin/SUIButton.h"

#include "framework/PropertyRegistry.h"
#include "framework/graphics/Bitmap.h"
#include "framework/graphics/ImageList.h"
#include "platform/gfx/DrawText.h"
#include "skin/SUIFileTheme.h"
#include "skin/SUIStyleApply.h"
#include "skin/SpitDraw.h"

const TClassInfo& TsuiButton::StaticClass()
{
    static const TClassInfo Info =
        TClassBuilder<TsuiButton>("TsuiButton", &TsuiCustomButton::StaticClass())
            .Binary("Glyph", &TsuiButton::Glyph, &TsuiButton::SetGlyph)
            .Enum("Layout", &TsuiButton::Layout, &TsuiButton::SetLayout,
                  {"blGlyphLeft", "blGlyphRight", "blGlyphTop", "blGlyphBottom"})
            .NoDefault()
            .Integer("Spacing", &TsuiButton::Spacing, &TsuiButton::SetSpacing)
            .NoDefault()
            .Integer("ResHandle", &TsuiButton::ResHandle, &TsuiButton::SetResHandle)
            .NoDefault()
            .Build();
    return Info;
}

TsuiButton::TsuiButton(TComponent* AOwner)
    : TsuiCustomButton(AOwner), FGlyph(std::make_unique<TBitmap>())
{
    FHeight = 27;
    FWidth = 80;
    UIStyleChanged();
}

TsuiButton::~TsuiButton() = default;

void TsuiButton::SetGlyph(const TBitmap* Value)
{
    if (Value)
        FGlyph->Assign(Value);
    else
        FGlyph->SetSize(0, 0);
    Invalidate();
}

void TsuiButton::SetLayout(TButtonLayout Value)
{
    FLayout = Value;
    Invalidate();
}

void TsuiButton::SetSpacing(int Value)
{
    FSpacing = Value;
    Invalidate();
}

void TsuiButton::UIStyleChanged()
{
    TsuiUIStyle Style;
    if (UsesFileTheme(Style))
    {
        SetTransparent(FileTheme()->GetBool(SKIN2_BUTTONTRANS));
        Font()->SetColor(FileTheme()->GetColor(SKIN2_BUTTONFONTCOLOR));
    }
    else
    {
        SetTransparent(GetInsideThemeBool(Style, SUI_ITEM_BUTTON_TRANSPARENT));
        Font()->SetColor(clBlack);
    }
}

void TsuiButton::PaintPic(TCanvas* ACanvas, TBitmap* Pic)
{
    ACanvas->Font()->Assign(Font());
    SpitDraw(Pic, ACanvas, ClientRect(), FPicTransparent);
    if (FGlyph->Empty()) return;

    const int TW = ACanvas->TextWidth(FCaption);
    const int TH = ACanvas->TextHeight(FCaption);
    int GW = FGlyph->Width();
    const int GH = FGlyph->Height();
    const bool TwoImages = GH * 2 == GW;
    if (TwoImages) GW = GH;
    const int W = FWidth;
    const int H = FHeight;
    const int S = FSpacing;
    int GX = 0;
    int GY = 0;
    switch (FLayout)
    {
    case blGlyphLeft:
        GX = (W - (TW + GW + S)) / 2;
        GY = (H - GH) / 2;
        FTextPos = {GX + GW + S, (H - TH) / 2};
        break;
    case blGlyphRight:
        GX = (W + TW + S - GW) / 2;
        GY = (H - GH) / 2;
        FTextPos = {GX - TW - S, (H - TH) / 2};
        break;
    case blGlyphTop:
        GX = (W - GW) / 2;
        GY = (H - (TH + GH + S)) / 2;
        FTextPos = {(W - TW) / 2, GY + GH + S};
        break;
    case blGlyphBottom:
        GX = (W - GW) / 2;
        GY = (H + TH + S - GH) / 2;
        FTextPos = {(W - TW) / 2, GY - TH - S};
        break;
    }
    if (FPressed)
    {
        ++GX;
        ++GY;
    }
    TImageList List(nullptr);
    List.SetWidth(GW);
    List.SetHeight(GH);
    List.AddMasked(FGlyph.get(), FGlyph->Canvas()->Pixel(0, 0));
    if (TwoImages)
        List.Draw(ACanvas, GX, GY, FEnabled ? 0 : 1, true);
    else
        List.Draw(ACanvas, GX, GY, 0, FEnabled);
}

void TsuiButton::PaintText(TCanvas* ACanvas, const std::string& Text)
{
    if (FGlyph->Empty())
    {
        TsuiCustomButton::PaintText(ACanvas, Text);
        return;
    }
    ACanvas->Brush()->SetStyle(bsClear);
    ACanvas->Font()->Assign(Font());
    if (!FEnabled)
    {
        ACanvas->Font()->SetColor(clWhite);
        TRect Shadow{FTextPos.X + 1, FTextPos.Y + 1, FWidth, FHeight};
        ACanvas->DrawText(Text, Shadow, DT_SINGLELINE);
        ACanvas->Font()->SetColor(static_cast<TColor>(0x808080));
    }
    else if (FPressed)
        FTextPos = {FTextPos.X + 1, FTextPos.Y + 1};
    TRect R{FTextPos.X, FTextPos.Y, FWidth, FHeight};
    ACanvas->DrawText(Text, R, DT_SINGLELINE);
    FBoldCaption = false;
}

void TsuiButton::PaintFocus(TCanvas* ACanvas)
{
    if (StoredUIStyle() == MacOS || StoredUIStyle() == BlueGlass)
    {
        FBoldCaption = true;
        return;
    }
    TsuiCustomButton::PaintFocus(ACanvas);
}
