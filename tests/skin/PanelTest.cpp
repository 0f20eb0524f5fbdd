// The picture panel and the group box on the headless desktop.

#include "SkinButtonFixture.h"
#include "TestFileTheme.h"

#include "framework/Exception.h"
#include "framework/PropertyRegistry.h"
#include "framework/graphics/JPEGImage.h"
#include "framework/graphics/Picture.h"
#include "platform/gfx/JpegCodec.h"
#include "platform/win/WinApi.h"
#include "skin/SUIButton.h"
#include "skin/SUIGroupBox.h"
#include "skin/SUIImagePanel.h"
#include "skin/SUIPanel.h"

#include <cstdlib>

namespace
{
// Within a JPEG's loss of each channel.
bool Near(TColor A, TColor B)
{
    for (int Shift : {0, 8, 16})
        if (std::abs(static_cast<int>((A >> Shift) & 0xFF) -
                     static_cast<int>((B >> Shift) & 0xFF)) > 24)
            return false;
    return true;
}

// A picture of W x H pixels: Left in the left half, Right in the right.
void FillHalves(TBitmap& B, int W, int H, TColor Left, TColor Right)
{
    B.SetSize(W, H);
    B.Canvas()->Brush()->SetColor(Left);
    B.Canvas()->FillRect({0, 0, W / 2, H});
    B.Canvas()->Brush()->SetColor(Right);
    B.Canvas()->FillRect({W / 2, 0, W, H});
}

class PanelForm : public SkinForm
{
  protected:
    TsuiImagePanel* MakePanel(int W, int H)
    {
        auto* P = Make<TsuiImagePanel>(Form, 10, 10, W, H);
        P->SetColor(clRed);
        return P;
    }
};

// A skinned child that notes the box's border colour at the moment its
// style is set.
class TStyleProbe : public TsuiButton
{
  public:
    using TsuiButton::TsuiButton;
    void SetUIStyle(TsuiUIStyle Value) override
    {
        if (auto* Box = dynamic_cast<TsuiCustomGroupBox*>(Parent()))
            BoxBorderSeen = Box->BorderColor();
        TsuiButton::SetUIStyle(Value);
    }
    TColor BoxBorderSeen = clNone;
};
} // namespace

TEST_F(PanelForm, AStretchedJpegFillsThePanelExactly)
{
    TBitmap Source;
    FillHalves(Source, 120, 120, clBlue, clYellow);
    std::vector<uint8_t> Bytes;
    ASSERT_EQ(WriteJpeg(Source.Surface(), 95, Bytes), TCodecStatus::Ok);
    TPicture Picture;
    Picture.LoadFromBytes(Bytes);
    ASSERT_NE(dynamic_cast<TJPEGImage*>(Picture.Graphic()), nullptr);

    auto* Panel = MakePanel(131, 121);
    Panel->SetDrawStyle(suiStretch);
    Panel->SetPicture(&Picture);
    for (TPoint P : {TPoint{0, 0}, TPoint{60, 60}, TPoint{0, 120}})
        EXPECT_TRUE(Near(PixelOf(Panel, P.X, P.Y), clBlue)) << P.X << "," << P.Y;
    // The right half reaches the panel's last column and row: scaled, not
    // drawn at the picture's own size.
    for (TPoint P : {TPoint{71, 0}, TPoint{130, 120}, TPoint{125, 60}})
        EXPECT_TRUE(Near(PixelOf(Panel, P.X, P.Y), clYellow)) << P.X << "," << P.Y;

    Panel->SetPicture(nullptr);
    for (TPoint P : {TPoint{0, 0}, TPoint{130, 120}})
        EXPECT_EQ(PixelOf(Panel, P.X, P.Y), clRed);
}

TEST_F(PanelForm, DrawStylesPlaceASmallPicture)
{
    TBitmap Small;
    FillHalves(Small, 20, 10, clBlue, clNavy);
    TPicture Picture;
    Picture.SetGraphic(&Small);
    struct TCase
    {
        TsuiDrawStyle Style;
        TPoint Probe;
        TColor Expected;
    };
    const TCase Cases[] = {
        // Unscaled at the corner; the rest white, not Color.
        {suiNormal, {5, 5}, clBlue},
        {suiNormal, {25, 5}, clWhite},
        {suiNormal, {5, 15}, clWhite},
        // Repeated from the origin.
        {suiTile, {25, 15}, clBlue},
        {suiTile, {35, 15}, clNavy},
        // Scaled: the left half covers the panel's left half.
        {suiStretch, {25, 35}, clBlue},
        {suiStretch, {50, 35}, clNavy},
    };
    auto* Panel = MakePanel(60, 40);
    Panel->SetPicture(&Picture);
    for (const TCase& C : Cases)
    {
        Panel->SetDrawStyle(C.Style);
        EXPECT_EQ(PixelOf(Panel, C.Probe.X, C.Probe.Y), C.Expected)
            << C.Style << " at " << C.Probe.X << "," << C.Probe.Y;
    }
}

TEST_F(PanelForm, AutoSizeFollowsThePictureExceptAlongAlignedEdges)
{
    TBitmap Small;
    FillHalves(Small, 30, 20, clBlue, clNavy);
    TPicture Picture;
    Picture.SetGraphic(&Small);
    struct TCase
    {
        TAlign Align;
        bool Width;
        bool Height;
    };
    const TCase Cases[] = {{alNone, true, true},
                           {alTop, false, true},
                           {alLeft, true, false},
                           {alClient, false, false}};
    for (const TCase& C : Cases)
    {
        auto* Panel = MakePanel(100, 80);
        Panel->SetAlign(C.Align);
        const int W = Panel->Width(), H = Panel->Height();
        Panel->SetAutoSize(true);
        Panel->SetPicture(&Picture);
        EXPECT_EQ(Panel->Width(), C.Width ? 30 : W) << C.Align;
        EXPECT_EQ(Panel->Height(), C.Height ? 20 : H) << C.Align;
        Panel->Free();
    }
}

TEST_F(PanelForm, AClickAnywhereOnAnImagePanelFiresOnce)
{
    auto* Panel = MakePanel(50, 40);
    int Clicks = 0;
    Panel->OnClick = [&](TObject*) { ++Clicks; };
    POINT P = At(Panel, 45, 35);
    FDesktop.Click(P.x, P.y);
    FDesktop.Pump();
    EXPECT_EQ(Clicks, 1);
    Panel->OnClick = {};
}

TEST_F(PanelForm, ACaptionIsPlacedByAlignmentOrAtAFixedPoint)
{
    auto* Panel = MakePanel(100, 30);
    auto Plain = Snapshot(Panel);
    Panel->SetCaption("Hi");
    Panel->SetAlignment(taLeftJustify);
    const TRect Left = Difference(Plain, Snapshot(Panel));
    Panel->SetAlignment(taRightJustify);
    const TRect Right = Difference(Plain, Snapshot(Panel));
    Panel->SetCaptionPosX(40);
    Panel->SetCaptionPosY(2);
    const TRect Fixed = Difference(Plain, Snapshot(Panel));
    EXPECT_LT(Left.Left, 3);
    EXPECT_GT(Right.Right, 97);
    EXPECT_EQ(Right.Width(), Left.Width());
    EXPECT_GE(Fixed.Left, 40);
    EXPECT_LT(Fixed.Left, 43);
    EXPECT_GE(Fixed.Top, 2);
}

namespace
{
class GroupForm : public SkinForm
{
  protected:
    GroupForm()
    {
        Form->SetColor(clSilver);
        Box = Make<TsuiGroupBox>(Form, 10, 10, 185, 105);
        Box->Font()->SetName("MS Sans Serif");
        Box->Font()->SetHeight(-11);
        Box->SetUIStyle(Protein);
        Box->SetCaption("Usart");
        FDesktop.Pump();
    }
    TsuiGroupBox* Box;
};
} // namespace

TEST_F(GroupForm, TheFrameIsBrokenByTheCaption)
{
    TCanvas Measure;
    Measure.Font()->Assign(Box->Font());
    const int TW = Measure.TextWidth("Usart");
    EXPECT_EQ(Box->Color(), clSilver);
    // The top line at y = 6, with a gap from x = 3 to x = TW + 6.
    EXPECT_EQ(PixelOf(Box, 0, 6), clBlack);
    EXPECT_EQ(PixelOf(Box, 2, 6), clBlack);
    EXPECT_EQ(PixelOf(Box, TW + 7, 6), clBlack);
    EXPECT_EQ(PixelOf(Box, 184, 6), clBlack);
    EXPECT_EQ(PixelOf(Box, TW + 6, 6), clSilver);
    EXPECT_EQ(PixelOf(Box, 3, 6), clSilver);
    // Left, right and bottom lines; the rest in the parent's colour.
    EXPECT_EQ(PixelOf(Box, 0, 104), clBlack);
    EXPECT_EQ(PixelOf(Box, 184, 50), clBlack);
    EXPECT_EQ(PixelOf(Box, 90, 104), clBlack);
    EXPECT_EQ(PixelOf(Box, 0, 5), clSilver);
    EXPECT_EQ(PixelOf(Box, 90, 50), clSilver);
    // The caption starts at (5, 0) in black: its ink, away from the frame
    // line that closes without it, lies in the gap.
    Box->SetCaption("");
    auto Without = Snapshot(Box);
    Box->SetCaption("Usart");
    auto With = Snapshot(Box);
    Without[6] = With[6];
    const TRect Ink = Difference(Without, With);
    EXPECT_GE(Ink.Left, 5);
    EXPECT_LE(Ink.Left, 6);
    EXPECT_GE(Ink.Top, 0);
    EXPECT_LE(Ink.Right, TW + 6);
    bool Black = false;
    for (int X = Ink.Left; X < Ink.Right; ++X)
        for (int Y = Ink.Top; Y < Ink.Bottom; ++Y)
            Black |= With[static_cast<size_t>(Y)][static_cast<size_t>(X)] == clBlack;
    EXPECT_TRUE(Black);
}

TEST_F(GroupForm, AnEmptyCaptionClosesTheFrame)
{
    Box->SetCaption("");
    for (int X = 0; X < 185; X += 4)
        EXPECT_EQ(PixelOf(Box, X, 6), clBlack) << X;
}

TEST_F(GroupForm, ADisabledBoxGreysItsCaptionButNotItsFrame)
{
    Box->SetEnabled(false);
    TCanvas Measure;
    Measure.Font()->Assign(Box->Font());
    const int TW = Measure.TextWidth("Usart");
    const auto Rows = Snapshot(Box);
    bool Grey = false, Black = false;
    for (int X = 5; X < TW + 6; ++X)
        for (int Y = 0; Y < 13; ++Y)
        {
            const TColor C = Rows[static_cast<size_t>(Y)][static_cast<size_t>(X)];
            Grey |= C == static_cast<TColor>(0x808080);
            Black |= C == clBlack;
        }
    EXPECT_TRUE(Grey);
    EXPECT_FALSE(Black);
    EXPECT_EQ(PixelOf(Box, 0, 50), clBlack);
}

TEST_F(GroupForm, AlignedChildrenSitInsideTheFrameBelowTheCaption)
{
    auto* Child = Make<TsuiImagePanel>(Box, 0, 0, 10, 10);
    Child->SetAlign(alClient);
    EXPECT_EQ(Child->BoundsRect(), (TRect{3, 16, 185 - 3, 105 - 3}));
    auto* Placed = Make<TsuiImagePanel>(Box, 50, 60, 10, 10);
    EXPECT_EQ(Placed->BoundsRect(), (TRect{50, 60, 60, 70}));
    EXPECT_EQ(Box->GetClient(), (TRect{3, 11, 183, 103}));
}

TEST_F(GroupForm, TheStyleReachesTheChildrenBeforeTheBoxReadsItsColours)
{
    Box->SetUIStyle(WinXP);
    EXPECT_EQ(Box->BorderColor(), static_cast<TColor>(0x686868));
    EXPECT_EQ(Box->Font()->Color(), static_cast<TColor>(0xCF4602));
    auto* Probe = Make<TStyleProbe>(Box, 10, 30, 74, 21);
    Box->SetUIStyle(Protein);
    EXPECT_EQ(Probe->UIStyle(), Protein);
    EXPECT_EQ(Probe->BoxBorderSeen, static_cast<TColor>(0x686868));
    EXPECT_EQ(Box->BorderColor(), clBlack);

    auto* Theme = new TTestFileTheme(Form);
    Theme->SetLoaded(true);
    Theme->SetColor(SKIN2_CONTROLBORDERCOLOR, clGreen);
    Theme->SetColor(SKIN2_CONTROLFONTCOLOR, clMaroon);
    Box->SetFileTheme(Theme);
    Box->SetUIStyle(FromThemeFile);
    EXPECT_EQ(Box->BorderColor(), clGreen);
    EXPECT_EQ(Probe->FileTheme(), Theme);
    Theme->Free();
    EXPECT_EQ(Box->UIStyle(), DeepBlue);
    EXPECT_EQ(Probe->UIStyle(), DeepBlue);
    EXPECT_EQ(Probe->FileTheme(), nullptr);
    EXPECT_EQ(Box->BorderColor(), clBlack);
}

namespace
{
class CollapsibleForm : public SkinForm
{
  protected:
    CollapsibleForm()
    {
        Panel = Make<TsuiPanel>(Form, 10, 10, 150, 100);
        Panel->SetUIStyle(Protein);
        Panel->OnResize = [this](TObject*) { Heights.push_back(Panel->Height()); };
        Panel->OnPush = [this](TObject*) { ++Pushes; };
        Panel->OnPop = [this](TObject*) { ++Pops; };
        FDesktop.Pump();
    }
    ~CollapsibleForm() override
    {
        if (Panel) Panel->OnResize = {};
    }
    TsuiPanel* Panel;
    std::vector<int> Heights;
    int Pushes = 0;
    int Pops = 0;
};
} // namespace

TEST_F(CollapsibleForm, CollapsingAndExpandingStepBy15Pixels)
{
    ASSERT_EQ(Panel->BarHeight(), 21);
    Panel->Push();
    EXPECT_EQ(Heights, (std::vector<int>{85, 70, 55, 40, 25, 21}));
    EXPECT_TRUE(Panel->GetPushed());
    EXPECT_EQ(Panel->FullHeight(), 100);
    Heights.clear();
    Panel->Pop();
    EXPECT_EQ(Heights, (std::vector<int>{36, 51, 66, 81, 96, 100}));
    EXPECT_FALSE(Panel->GetPushed());
    EXPECT_EQ(Pushes, 1);
    EXPECT_EQ(Pops, 1);
}

TEST_F(CollapsibleForm, ASecondPushOrPopDuringTheAnimationIsIgnored)
{
    Panel->OnResize = [this](TObject*)
    {
        Heights.push_back(Panel->Height());
        Panel->Push();
        Panel->Pop();
    };
    Panel->Push();
    EXPECT_EQ(Heights, (std::vector<int>{85, 70, 55, 40, 25, 21}));
    EXPECT_EQ(Pushes, 1);
    EXPECT_EQ(Pops, 0);
}

TEST_F(CollapsibleForm, FreeingThePanelDuringTheAnimationEndsIt)
{
    Panel->OnResize = [this](TObject*)
    {
        if (Panel->Height() == 55) PostMessage(Form->Handle(), WM_APP + 1, 0, 0);
    };
    auto OldProc = Form->WindowProc;
    Form->WindowProc = [&](TMessage& M)
    {
        if (M.Msg == WM_APP + 1 && Panel)
        {
            Panel->Free();
            Panel = nullptr;
            return;
        }
        OldProc(M);
    };
    TsuiPanel* Going = Panel;
    Going->Push();
    EXPECT_EQ(Panel, nullptr);
    EXPECT_EQ(Pushes, 0);
    Form->WindowProc = OldProc;
}

TEST_F(CollapsibleForm, ClientAlignedPanelsRefuseToCollapse)
{
    Panel->SetAlign(alClient);
    EXPECT_THROW(Panel->Push(), Exception);
    EXPECT_FALSE(Panel->GetPushed());
}
