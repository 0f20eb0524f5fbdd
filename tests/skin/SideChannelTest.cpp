// The side channel on the headless desktop and its fake clock: the slide
// out and back, pinning, closing once the pointer leaves, its layout on
// either side, and its pictures in a built-in style and from a skin file.

#include "CodedPicture.h"
#include "SkinButtonFixture.h"
#include "TestFileTheme.h"

#include "framework/controls/Panel.h"
#include "skin/SUISideChannel.h"

#include <vector>

namespace
{
class SideChannelTest : public SkinForm
{
  protected:
    SideChannelTest()
    {
        Channel = new TsuiSideChannel(Form);
        Channel->SetUIStyle(DeepBlue);
        Channel->SetCaption("Tools");
        Channel->SetParent(Form);
        Child = new TPanel(Form);
        Child->SetAlign(alClient);
        Child->SetParent(Channel);
        Channel->OnPin = [this](TObject*) { Log.push_back("pin"); };
        Channel->OnUnPin = [this](TObject*) { Log.push_back("unpin"); };
        FDesktop.Pump();
    }

    void ClickAt(int X, int Y)
    {
        POINT P = At(Channel, X, Y);
        FDesktop.Click(P.x, P.y);
        FDesktop.Pump();
    }
    void ClickHandle() { ClickAt(Channel->HandleRect().Left + 2, Channel->Height() / 2); }
    // Widths seen at each slide step until the slide ends.
    std::vector<int> Slide()
    {
        std::vector<int> Widths;
        for (int K = 0; K < 2 * TsuiSideChannel::SlideSteps; ++K)
        {
            FDesktop.Advance(TsuiSideChannel::SlidePeriod);
            if (Widths.empty() || Widths.back() != Channel->Width())
                Widths.push_back(Channel->Width());
        }
        return Widths;
    }

    TsuiSideChannel* Channel;
    TPanel* Child;
    std::vector<std::string> Log;
};
} // namespace

TEST_F(SideChannelTest, TheHandleSlidesItOutAndBackOnTheClockAlongTheFormsEdge)
{
    const int HW = Channel->HandleWidth();
    TBitmap Handle;
    GetInsideThemeBitmap(DeepBlue, SUI_ITEM_SIDECHANNEL_HANDLE_IMAGE, &Handle);
    EXPECT_EQ(HW, Handle.Width());
    EXPECT_EQ(Channel->Width(), HW);
    EXPECT_EQ(Channel->Left() + Channel->Width(), Form->ClientWidth());
    EXPECT_FALSE(Channel->Opened());

    ClickHandle();
    const std::vector<int> Out = Slide();
    ASSERT_EQ(Out.size(), static_cast<size_t>(TsuiSideChannel::SlideSteps));
    for (size_t K = 1; K < Out.size(); ++K)
        EXPECT_GT(Out[K], Out[K - 1]);
    EXPECT_EQ(Out.back(), Channel->OpenWidth());
    EXPECT_EQ(Channel->Left() + Channel->Width(), Form->ClientWidth());
    // The children fill the content under the caption bar at the open width.
    const TRect C = Channel->ContentRect();
    EXPECT_EQ(Child->BoundsRect(),
              (TRect{C.Left + 1, 1 + Channel->BarHeight(), C.Right - 1, C.Bottom - 1}));
    EXPECT_EQ(C.Right, Channel->OpenWidth());

    // Pinned, it stays open with the pointer away.
    POINT Inside = At(Channel, 40, 40);
    FDesktop.MouseMove(Inside.x, Inside.y);
    const TRect Pin = Channel->PinRect();
    ClickAt(Pin.Left + 3, Pin.Top + 3);
    EXPECT_TRUE(Channel->Pinned());
    FDesktop.MouseMove(5, 5);
    FDesktop.Advance(500);
    EXPECT_EQ(Channel->Width(), Channel->OpenWidth());
    // Unpinned, it closes once the pointer is found outside.
    FDesktop.MouseMove(Inside.x, Inside.y);
    ClickAt(Pin.Left + 3, Pin.Top + 3);
    EXPECT_FALSE(Channel->Pinned());
    FDesktop.Advance(300);
    EXPECT_EQ(Channel->Width(), Channel->OpenWidth());
    FDesktop.MouseMove(5, 5);
    FDesktop.Advance(TsuiSideChannel::WatchPeriod);
    EXPECT_FALSE(Channel->Opened());
    const std::vector<int> Back = Slide();
    EXPECT_EQ(Back.back(), HW);
    EXPECT_EQ(Log, (std::vector<std::string>{"pin", "unpin"}));
}

TEST_F(SideChannelTest, ClosingAPinnedChannelUnpinsItAndTheLeftSideMirrors)
{
    Channel->SetPinned(true);
    Slide();
    EXPECT_EQ(Channel->Width(), Channel->OpenWidth());
    ClickHandle();
    EXPECT_FALSE(Channel->Pinned());
    Slide();
    EXPECT_EQ(Channel->Width(), Channel->HandleWidth());

    Channel->SetAlign(alLeft);
    FDesktop.Pump();
    EXPECT_EQ(Channel->Left(), 0);
    EXPECT_EQ(Channel->HandleRect().Right, Channel->Width());
    ClickHandle();
    Slide();
    EXPECT_EQ(Channel->Left(), 0);
    EXPECT_EQ(Channel->ContentRect(),
              (TRect{0, 0, Channel->OpenWidth() - Channel->HandleWidth(), Channel->Height()}));
    EXPECT_EQ(Child->Left(), 1);
    EXPECT_EQ(Log, (std::vector<std::string>{"pin", "unpin"}));
}

TEST_F(SideChannelTest, PicturesAndColoursInAStyleAndFromASkin)
{
    Child->SetVisible(false);
    const int HW = Channel->HandleWidth();
    const int H = Channel->Height();
    TBitmap Handle, Bar;
    GetInsideThemeBitmap(DeepBlue, SUI_ITEM_SIDECHANNEL_HANDLE_IMAGE, &Handle);
    GetInsideThemeBitmap(DeepBlue, SUI_ITEM_SIDECHANNEL_BAR_IMAGE, &Bar);
    const int Top = (H - Handle.Height()) / 2;
    // Closed on the right: the arrow points left, the picture turned round.
    for (TPoint P : {TPoint{0, 0}, TPoint{HW / 2 - 1, Handle.Height() / 2}, TPoint{HW - 1, 10}})
        EXPECT_EQ(PixelOf(Channel, HW - 1 - P.X, Top + Handle.Height() - 1 - P.Y),
                  Handle.Surface().Pixel(P.X, P.Y))
            << P.X << "," << P.Y;
    Channel->SetPinned(true);
    Slide();
    for (TPoint P : {TPoint{HW / 2 - 1, Handle.Height() / 2}, TPoint{1, 3}})
        EXPECT_EQ(PixelOf(Channel, P.X, Top + P.Y), Handle.Surface().Pixel(P.X, P.Y));
    const TRect C = Channel->ContentRect();
    for (int Y = 0; Y < Bar.Height(); ++Y)
        EXPECT_EQ(PixelOf(Channel, C.Left + 30 + 60, 1 + Y), Bar.Surface().Pixel(0, Y)) << Y;
    EXPECT_EQ(PixelOf(Channel, C.Left + 20, H / 2),
              GetInsideThemeColor(DeepBlue, SUI_ITEM_CONTROL_COLOR));
    EXPECT_EQ(PixelOf(Channel, C.Right - 1, H / 2),
              GetInsideThemeColor(DeepBlue, SUI_ITEM_CONTROL_BORDER_COLOR));
    // The pin shows pinned: filled in the caption's colour.
    const TRect Pin = Channel->PinRect();
    EXPECT_EQ(PixelOf(Channel, Pin.Left + 4, Pin.Top + 4), Channel->TitleFontColor());

    auto* Theme = new TTestFileTheme(Form);
    Theme->SetLoaded(true);
    TBitmap Coded;
    Coded.SetSize(1, 22);
    for (int Y = 0; Y < 22; ++Y)
        Coded.Canvas()->SetPixel(0, Y, Code(0, Y));
    Theme->SetBitmap(SKIN2_SIDECHANNELTITLE, Coded);
    Theme->SetColor(SKIN2_SIDECHANNELCOLOR, TColor(0xD0E0F0));
    Theme->SetColor(SKIN2_SIDECHANNELBORDERCOLOR, TColor(0x304050));
    Channel->SetFileTheme(Theme);
    Channel->SetUIStyle(FromThemeFile);
    FDesktop.Pump();
    const TRect F = Channel->ContentRect();
    EXPECT_EQ(Channel->HandleWidth(), 8);
    EXPECT_EQ(Channel->Width(), Channel->OpenWidth());
    for (int Y : {0, 11, 21})
        EXPECT_EQ(Decode(PixelOf(Channel, F.Left + 90, 1 + Y)), (TPoint{0, Y}));
    EXPECT_EQ(PixelOf(Channel, F.Left + 20, H / 2), TColor(0xD0E0F0));
    for (TPoint P : {TPoint{0, 0}, TPoint{7, H - 1}, TPoint{F.Right - 1, H / 2}})
        EXPECT_EQ(PixelOf(Channel, P.X, P.Y), TColor(0x304050)) << P.X << "," << P.Y;
}
