#include "skin/SUIForm.h"

#include "framework/controls/ControlCanvas.h"
#include "framework/graphics/Bitmap.h"
#include "platform/win/WinApi.h"
#include "skin/Gradients.h"
#include "skin/SUIFileTheme.h"
#include "skin/SpitDraw.h"

#include <algorithm>

// Painting the frame around the owner's client area: from the title
// pictures and the style's colours, or from the skin's border pictures.

namespace
{
// R clipped to the window (W x H); empty when nothing of it is left.
TRect ClampTo(TRect R, int W, int H)
{
    R.Left = std::max(R.Left, 0);
    R.Top = std::max(R.Top, 0);
    R.Right = std::min(R.Right, W);
    R.Bottom = std::min(R.Bottom, H);
    if (R.Right < R.Left) R.Right = R.Left;
    if (R.Bottom < R.Top) R.Bottom = R.Top;
    return R;
}

// Fills the part of R inside the window (W x H) with Color.
void FillInWindow(TCanvas& C, TRect R, int W, int H, TColor Color)
{
    R = ClampTo(R, W, H);
    if (R.Width() <= 0 || R.Height() <= 0) return;
    C.Brush()->SetColor(Color);
    C.FillRect(R);
}
} // namespace

void TsuiForm::PaintFormBorder()
{
    if (FDestroying || !FOwnerForm || !FOwnerForm->HandleAllocated()) return;
    if (IsIconic(FOwnerForm->Handle())) return;
    TControlCanvas C(FOwnerForm, true);
    if (!C.Handle()) return;
    // A sizeable owner keeps a frame one pixel thicker than a dialog's; the
    // pieces below are laid out on the frame the window really has, so no
    // column or row of it is left unpainted.
    const TsuiFrameGeometry& G = Geometry();
    if (G.In.Skinned)
        PaintSkinBorder(C, G);
    else
        PaintBuiltInBorder(C, G);
}

void TsuiForm::PaintMenuBarPiece(TCanvas& C, TRect R, int W, int H) const
{
    // Beside a menu bar the frame continues the bar's background.
    if (FMenuBarColor == FMenuBarToColor)
    {
        FillInWindow(C, R, W, H, FMenuBarColor);
        return;
    }
    R = ClampTo(R, W, H);
    if (R.Width() > 0 && R.Height() > 0)
        DrawHorizontalGradient(&C, R, FMenuBarColor, FMenuBarToColor);
}

void TsuiForm::PaintBuiltInBorder(TCanvas& C, const TsuiFrameGeometry& G)
{
    const int W = G.In.Window.Width, H = G.In.Window.Height;
    const int BW = G.In.BorderWidth, MH = G.In.MenuHeight;
    const int FL = G.Left, FT = G.Top, FR = G.Right, FB = G.Bottom;
    const int TH = G.TitleBottom;
    auto Fill = [&](TRect R, TColor Color) { FillInWindow(C, R, W, H, Color); };

    if (G.In.BarVisible && FTitleBar->CanPaint())
    {
        const TBitmap* P0 = FTitleBar->SectionPicture(0);
        const TBitmap* P1 = FTitleBar->SectionPicture(1);
        const TBitmap* P2 = FTitleBar->SectionPicture(2);
        // Below the pictures, beside a bar taller than they are.
        if (P0) Fill({BW, P0->Height(), FL, TH}, Color());
        if (P1) Fill({W - FR, P1->Height(), W - BW, TH}, Color());
        // Pieces of a window smaller than the frame are left out rather
        // than drawn with negative sizes.
        if (P0 && P1 && P2 && W >= FL + FR - 1 && FL - BW > 0 && FR - BW > 0)
        {
            TBitmap T;
            T.SetSize(FL - BW, P0->Height());
            T.Canvas()->Draw(0, 0, P0);
            C.Draw(BW, 0, &T);
            T.SetSize(FR - BW, P0->Height());
            if (P1->Width() < 3)
                T.Canvas()->StretchDraw({0, 0, T.Width(), T.Height()}, P1);
            else
                T.Canvas()->Draw(FR - 1 - P1->Width(), 0, P1);
            C.Draw(W - FR, 0, &T);
        }
        if (P0 && P1 && P2 && W > 5 && FT > 0)
        {
            TBitmap T;
            T.SetSize(W - 5, FT);
            T.Canvas()->Draw(-2, 0, P0);
            const int A = P0->Width() - 2;
            const int B = T.Width() - P1->Width() + 3;
            T.Canvas()->Draw(B, 0, P1);
            T.Canvas()->StretchDraw({A, 0, B, P2->Height()}, P2);
            C.Draw(2, 0, &T);
        }
        const int Corner = RoundCorner();
        if (BW == 1 && Corner == 11)
        {
            C.Pen()->SetColor(FBorderColor);
            C.Arc(W - 2 * Corner + 1, -1, W + 1, 2 * Corner - 1, W + 1, Corner - 1, W - Corner + 1,
                  -1);
            C.Arc(-1, -1, 2 * Corner - 1, 2 * Corner - 1, Corner - 1, -1, -1, Corner - 1);
        }
    }
    else if (!G.In.BarVisible)
    {
        Fill({0, 0, W, 1}, FBorderColor);
        Fill({BW, 1, W - BW, FT}, Color());
    }
    Fill({0, 0, BW, H}, FBorderColor);
    Fill({0, H - BW, W, H}, FBorderColor);
    Fill({W - BW, 0, W, H}, FBorderColor);
    Fill({BW, H - FB, W - BW, H - BW}, Color());
    Fill({BW, G.MenuBottom, FL, H - BW}, Color());
    Fill({W - FR, G.MenuBottom, W - BW, H - BW}, Color());
    if (MH > 0)
    {
        for (TRect R : {TRect{BW, G.MenuTop, FL, G.MenuBottom},
                        TRect{W - FR, G.MenuTop, W - BW, G.MenuBottom}})
            PaintMenuBarPiece(C, R, W, H);
    }
}

void TsuiForm::ComposeBottomImage(int W)
{
    const TsuiFileTheme& Theme = *FileTheme();
    const TBitmap* B1 = Theme.GetBitmap(SKIN2_FORMBOTTOMBORDER1);
    if (!B1 || W <= 0)
    {
        FBottomImage->SetSize(0, 0);
        return;
    }
    FBottomImage->SetSize(W, B1->Height());
    TCanvas& C = *FBottomImage->Canvas();
    C.Brush()->SetColor(FileThemeColor(FileTheme(), SKIN2_FORMCOLOR).value_or(Color()));
    C.FillRect({0, 0, W, B1->Height()});
    if (Theme.GetBool(SKIN2_BOTTOMBORDERTHREESECT))
    {
        const TBitmap* B2 = Theme.GetBitmap(SKIN2_FORMBOTTOMBORDER2);
        const TBitmap* B3 = Theme.GetBitmap(SKIN2_FORMBOTTOMBORDER3);
        const int Right = B3 ? W - B3->Width() : W;
        if (B2 && Right > B1->Width()) C.StretchDraw({B1->Width(), 0, Right, B1->Height()}, B2);
        C.Draw(0, 0, B1);
        if (B3) C.Draw(Right, 0, B3);
    }
    else
        SpitDrawHorizontal2(B1, &C, {0, 0, W, B1->Height()}, false, FRegionTransColor);
}

void TsuiForm::PaintSkinBorder(TCanvas& C, const TsuiFrameGeometry& G)
{
    const int W = G.In.Window.Width, H = G.In.Window.Height;
    const TsuiFileTheme& Theme = *FileTheme();
    const TColor FormColor = FileThemeColor(FileTheme(), SKIN2_FORMCOLOR).value_or(Color());
    const int SkinLeft = G.In.SkinLeft, SkinRight = G.In.SkinRight;
    const int FrameL = std::max(SkinLeft, 4), FrameR = std::max(SkinRight, 4);
    const int FL = G.Left, FR = G.Right, FB = G.Bottom;
    const int T = G.TitleBottom;
    auto Fill = [&](TRect R, TColor Color) { FillInWindow(C, R, W, H, Color); };

    if (G.In.BarVisible && FTitleBar->CanPaint())
    {
        TBitmap* I = FTitleBar->TitleImageOverFill();
        if (!I->Empty())
        {
            const TCanvas& Src = *I->Canvas();
            const int Ih = I->Height(), Iw = I->Width();
            C.CopyRect({0, 0, FrameL, Ih}, Src, {0, 0, FrameL, Ih});
            const int Top = std::clamp(G.Top, 3, Ih);
            C.CopyRect({0, 0, Iw, Top}, Src, {0, 0, Iw, Top});
            C.CopyRect({W - FrameR, 0, W, Ih}, Src, {Iw - FrameR, 0, Iw, Ih});
        }
    }

    const int Bottom = H - G.In.SkinBottom;
    const bool Menu = G.In.MenuHeight > 0;
    if (const TBitmap* Left = Theme.GetBitmap(SKIN2_FORMLEFTBORDER))
        C.StretchDraw({0, T, SkinLeft, Bottom}, Left);
    if (SkinLeft < FL)
    {
        Fill({SkinLeft, T, FL, Bottom}, FormColor);
        if (Menu) PaintMenuBarPiece(C, {SkinLeft, G.MenuTop, FL, G.MenuBottom}, W, H);
    }
    if (const TBitmap* Right = Theme.GetBitmap(SKIN2_FORMRIGHTBORDER))
        C.StretchDraw({W - SkinRight, T, W, Bottom}, Right);
    if (SkinRight < FR)
    {
        Fill({W - FR, T, W - SkinRight, Bottom}, FormColor);
        if (Menu) PaintMenuBarPiece(C, {W - FR, G.MenuTop, W - SkinRight, G.MenuBottom}, W, H);
    }

    ComposeBottomImage(W);
    if (!FBottomImage->Empty())
    {
        if (FBottomRegion)
        {
            // What the region leaves out is never seen; the rest of the
            // transparent pixels show the form's colour.
            TBitmap Laid;
            Laid.SetSize(W, FBottomImage->Height());
            Laid.Canvas()->Brush()->SetColor(FormColor);
            Laid.Canvas()->FillRect({0, 0, W, FBottomImage->Height()});
            TBitmap Keyed;
            Keyed.Assign(FBottomImage.get());
            Keyed.SetTransparentColor(FRegionTransColor);
            Keyed.SetTransparent(true);
            Laid.Canvas()->Draw(0, 0, &Keyed);
            C.Draw(0, Bottom, &Laid);
        }
        else
            C.Draw(0, Bottom, FBottomImage.get());
    }
    if (G.In.SkinBottom < FB) Fill({SkinLeft, H - FB, W - SkinRight, Bottom}, FormColor);
}
