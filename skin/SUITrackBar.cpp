#include "skin/SUITrackBar.h"

#include "framework/PropertyRegistry.h"
#include "framework/graphics/ImageList.h"
#include "skin/DoTrans.h"
#include "skin/SUIFileTheme.h"
#include "skin/SUIStyleApply.h"
#include "skin/SpitDraw.h"

#include <exception>

namespace
{
// The slider pictures are drawn on this colour outside their outline.
constexpr TColor SliderKey = 0xFF00FF;

void TransposeInto(TBitmap& Source, TBitmap& Dest)
{
    Dest.SetSize(Source.Height(), Source.Width());
    for (int Y = 0; Y < Source.Height(); ++Y)
        for (int X = 0; X < Source.Width(); ++X)
            Dest.Canvas()->SetPixel(Y, X, Source.Canvas()->Pixel(X, Y));
}

void LoadPicture(TsuiUIStyle Style, const TsuiFileTheme* Theme, int Item,
                 Tsk2SkinBitmapElement Element, TBitmap& Pic)
{
    try
    {
        if (Theme)
            Theme->GetBitmap2(Element, &Pic);
        else
            GetInsideThemeBitmap(Style, Item, &Pic);
    }
    catch (const std::exception&)
    {
        Pic.SetSize(0, 0);
    }
}
} // namespace

const TClassInfo& TsuiTrackBar::StaticClass()
{
    static const TClassInfo Info =
        TClassBuilder<TsuiTrackBar>("TsuiTrackBar", &TTrackBar::StaticClass())
            .Component("FileTheme", &TsuiTrackBar::FileTheme, &TsuiTrackBar::SetFileTheme)
            .Enum("UIStyle", &TsuiTrackBar::UIStyle, &TsuiTrackBar::SetUIStyle, UIStyleNames())
            .Stored(&TsuiTrackBar::IsUIStyleStored)
            .Boolean("Transparent", &TsuiTrackBar::Transparent, &TsuiTrackBar::SetTransparent)
            .Default(false)
            .Build();
    return Info;
}

TsuiTrackBar::TsuiTrackBar(TComponent* AOwner) : TTrackBar(AOwner), TsuiSkinBinding(this)
{
    SetUIStyle(GetSUIFormStyle(AOwner));
}

void TsuiTrackBar::SetTransparent(bool Value)
{
    FTransparent = Value;
    Invalidate();
}

TSize TsuiTrackBar::ThumbSize() const
{
    if (Orientation() == trHorizontal)
        return FSlider.Empty() ? TTrackBar::ThumbSize() : TSize{FSlider.Width(), FSlider.Height()};
    return FSliderV.Empty() ? TTrackBar::ThumbSize() : TSize{FSliderV.Height(), FSliderV.Width()};
}

void TsuiTrackBar::ApplySkin()
{
    TsuiUIStyle Style;
    const bool FromFile = UsesFileTheme(Style);
    const TsuiFileTheme* Theme = FromFile ? FileTheme() : nullptr;
    LoadPicture(Style, Theme, SUI_ITEM_TRACKBAR_BAR_IMAGE, SKIN2_TRACKBAR, FBar);
    LoadPicture(Style, Theme, SUI_ITEM_TRACKBAR_SLIDER_IMAGE, SKIN2_TRACKBARSLIDER, FSlider);
    LoadPicture(Style, Theme, SUI_ITEM_TRACKBAR_VSLIDER_IMAGE, SKIN2_TRACKBARVSLIDER, FSliderV);
    TransposeInto(FBar, FBarTurned);
    for (TBitmap* Pic : {&FSlider, &FSliderV})
    {
        Pic->SetTransparentMode(tmFixed);
        Pic->SetTransparentColor(SliderKey);
        Pic->SetTransparent(true);
    }
    FTickColor = FromFile ? FileThemeColor(Theme, SKIN2_CONTROLBORDERCOLOR).value_or(clBlack)
                          : GetInsideThemeColor(Style, SUI_ITEM_CONTROL_BORDER_COLOR);
    Changed();
}

void TsuiTrackBar::Notification(TComponent* AComponent, TOperation Operation)
{
    TTrackBar::Notification(AComponent, Operation);
    SkinNotification(AComponent, Operation);
}

TRect TsuiTrackBar::GrooveRect() const
{
    const TRect Channel = ChannelRect();
    if (Orientation() == trHorizontal)
    {
        const int Mid = (Channel.Top + Channel.Bottom) / 2;
        const int H = FBar.Empty() ? Channel.Height() : FBar.Height();
        return {Channel.Left, Mid - H / 2, Channel.Right, Mid - H / 2 + H};
    }
    const int Mid = (Channel.Left + Channel.Right) / 2;
    const int W = FBar.Empty() ? Channel.Width() : FBar.Height();
    return {Mid - W / 2, Channel.Top, Mid - W / 2 + W, Channel.Bottom};
}

void TsuiTrackBar::PaintGroove(TCanvas* C)
{
    if (FBar.Empty()) return;
    const TRect G = GrooveRect();
    if (Orientation() == trHorizontal)
    {
        SpitDrawHorizontal2(&FBar, C, G, false, SliderKey);
        return;
    }
    // The same three pieces down the turned picture: the ends 1:1, the
    // middle stretched between them.
    const int Cap = FBarTurned.Height() / 3;
    const int W = FBarTurned.Width();
    const TCanvas& Src = *FBarTurned.Canvas();
    if (G.Height() < 2 * Cap)
    {
        C->CopyRect(G, Src, {0, 0, W, G.Height()});
        return;
    }
    C->CopyRect({G.Left, G.Top, G.Right, G.Top + Cap}, Src, {0, 0, W, Cap});
    C->CopyRect({G.Left, G.Top + Cap, G.Right, G.Bottom - Cap}, Src, {0, Cap, W, 2 * Cap});
    C->CopyRect({G.Left, G.Bottom - Cap, G.Right, G.Bottom}, Src,
                {0, FBarTurned.Height() - Cap, W, FBarTurned.Height()});
}

void TsuiTrackBar::Paint()
{
    const TRect R = ClientRect();
    TBitmap Buffer;
    Buffer.SetSize(R.Width(), R.Height());
    if (Buffer.Empty()) return;
    TCanvas* C = Buffer.Canvas();
    if (FTransparent)
        DoTrans(C, this);
    else
    {
        C->Brush()->SetStyle(bsSolid);
        C->Brush()->SetColor(FColor);
        C->FillRect(R);
    }
    PaintGroove(C);
    PaintTicks(C, FEnabled ? FTickColor : clGrayText);
    const TRect Thumb = ThumbRect();
    TBitmap& Slider = Orientation() == trHorizontal ? FSlider : FSliderV;
    if (FEnabled && !Slider.Empty())
        C->Draw(Thumb.Left, Thumb.Top, &Slider);
    else if (!Slider.Empty())
    {
        // The image list's disabled look: the outline in grey.
        TImageList List(nullptr);
        List.SetWidth(Slider.Width());
        List.SetHeight(Slider.Height());
        List.AddMasked(&Slider, SliderKey);
        List.Draw(C, Thumb.Left, Thumb.Top, 0, false);
    }
    if (Focused())
    {
        C->Brush()->SetStyle(bsSolid);
        C->DrawFocusRect(R);
    }
    Canvas()->Draw(0, 0, &Buffer);
}
