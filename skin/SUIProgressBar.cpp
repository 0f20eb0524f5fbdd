#include "skin/SUIProgressBar.h"

#include "framework/PropertyRegistry.h"
#include "platform/gfx/DrawText.h"
#include "skin/RoundPicture.h"
#include "skin/SUIFileTheme.h"
#include "skin/SUIStyleApply.h"

#include <algorithm>
#include <exception>

const TClassInfo& TsuiProgressBar::StaticClass()
{
    static const TClassInfo Info =
        TClassBuilder<TsuiProgressBar>("TsuiProgressBar", &TProgressBar::StaticClass())
            .Component("FileTheme", &TsuiProgressBar::FileTheme, &TsuiProgressBar::SetFileTheme)
            .Enum("UIStyle", &TsuiProgressBar::UIStyle, &TsuiProgressBar::SetUIStyle,
                  UIStyleNames())
            .Stored(&TsuiProgressBar::IsUIStyleStored)
            .Color("BorderColor", &TsuiProgressBar::BorderColor, &TsuiProgressBar::SetBorderColor)
            .NoDefault()
            .Color("Color", &TsuiProgressBar::Color, &TsuiProgressBar::SetColor)
            .NoDefault()
            .Boolean("ShowCaption", &TsuiProgressBar::ShowCaption, &TsuiProgressBar::SetShowCaption)
            .Default(false)
            .Build();
    return Info;
}

TsuiProgressBar::TsuiProgressBar(TComponent* AOwner) : TProgressBar(AOwner), TsuiSkinBinding(this)
{
    SetUIStyle(GetSUIFormStyle(AOwner));
}

void TsuiProgressBar::SetBorderColor(TColor Value)
{
    FBorderColor = Value;
    Invalidate();
}

void TsuiProgressBar::SetShowCaption(bool Value)
{
    FShowCaption = Value;
    Invalidate();
}

std::string TsuiProgressBar::PercentText() const
{
    const long long Range = static_cast<long long>(Max()) - Min();
    const long long Done = static_cast<long long>(Position()) - Min();
    return std::to_string(Range > 0 ? Done * 100 / Range : 0) + "%";
}

void TsuiProgressBar::ApplySkin()
{
    TsuiUIStyle Style;
    FBackground.SetSize(0, 0);
    try
    {
        if (UsesFileTheme(Style))
        {
            FileTheme()->GetBitmap2(SKIN2_PROGRESSBAR2, &FFill);
            FileTheme()->GetBitmap2(SKIN2_PROGRESSBAR4, &FBackground);
            FBorderColor = FileThemeColor(FileTheme(), SKIN2_CONTROLBORDERCOLOR).value_or(clBlack);
            SetColor(FileThemeColor(FileTheme(), SKIN2_CONTROLCOLOR).value_or(clWhite));
            Font()->SetColor(FileThemeColor(FileTheme(), SKIN2_CONTROLFONTCOLOR).value_or(clBlack));
        }
        else
        {
            GetInsideThemeBitmap(Style, SUI_ITEM_PROGRESSBAR_IMAGE, &FFill);
            FBorderColor = GetInsideThemeColor(Style, SUI_ITEM_CONTROL_BORDER_COLOR);
            SetColor(GetInsideThemeColor(Style, SUI_ITEM_CONTROL_COLOR));
            Font()->SetColor(GetInsideThemeColor(Style, SUI_ITEM_CONTROL_FONT_COLOR));
        }
    }
    catch (const std::exception&)
    {
        // Without a picture the filled part keeps the control colour.
        FFill.SetSize(0, 0);
    }
    FFillTurned.Assign(&FFill);
    RoundPicture(&FFillTurned);
    Invalidate();
}

void TsuiProgressBar::Notification(TComponent* AComponent, TOperation Operation)
{
    TProgressBar::Notification(AComponent, Operation);
    SkinNotification(AComponent, Operation);
}

void TsuiProgressBar::PaintFill(TCanvas* C, const TRect& Fill)
{
    const bool Across = Orientation() == pbHorizontal;
    TBitmap& Pic = Across ? FFill : FFillTurned;
    if (Pic.Empty() || Fill.IsEmpty()) return;
    if (Smooth())
    {
        // The picture's leading slice stretched over the fill: its shading
        // across the bar without the pattern along it.
        const TRect Slice = Across ? TRect{0, 0, 1, Pic.Height()}
                                   : TRect{0, Pic.Height() - 1, Pic.Width(), Pic.Height()};
        C->CopyRect(Fill, *Pic.Canvas(), Slice);
        return;
    }
    // One tile as thick as the bar, then copies of it along the fill; the
    // last one is cut where the fill ends.
    const int Step = Across ? Pic.Width() : Pic.Height();
    TBitmap Tile;
    Tile.SetSize(Across ? Step : Fill.Width(), Across ? Fill.Height() : Step);
    Tile.Canvas()->StretchDraw({0, 0, Tile.Width(), Tile.Height()}, &Pic);
    if (Across)
        for (int X = Fill.Left; X < Fill.Right; X += Step)
        {
            const int W = std::min(Step, Fill.Right - X);
            C->CopyRect({X, Fill.Top, X + W, Fill.Bottom}, *Tile.Canvas(),
                        {0, 0, W, Fill.Height()});
        }
    else
        for (int Y = Fill.Bottom; Y > Fill.Top; Y -= Step)
        {
            const int H = std::min(Step, Y - Fill.Top);
            C->CopyRect({Fill.Left, Y - H, Fill.Right, Y}, *Tile.Canvas(),
                        {0, Step - H, Fill.Width(), Step});
        }
}

void TsuiProgressBar::Paint()
{
    const TRect R = ClientRect();
    TBitmap Buffer;
    Buffer.SetSize(R.Width(), R.Height());
    if (Buffer.Empty()) return;
    TCanvas* C = Buffer.Canvas();
    const TRect Inside = R.Inflate(-1, -1);
    C->Brush()->SetStyle(bsSolid);
    C->Brush()->SetColor(FColor);
    C->FillRect(R);
    if (!FBackground.Empty()) C->StretchDraw(Inside, &FBackground);
    C->Brush()->SetColor(FBorderColor);
    C->FrameRect(R);
    PaintFill(C, FilledRect(Inside));
    if (FShowCaption)
    {
        C->Font()->Assign(Font());
        C->Brush()->SetStyle(bsClear);
        TRect Text = R;
        C->DrawText(PercentText(), Text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
    Canvas()->Draw(0, 0, &Buffer);
}
