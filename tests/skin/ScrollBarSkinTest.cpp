// The skinned scroll bar's pictures, from a built-in style, on the look and
// on the control the window system runs.

#include "../framework/GuiFixture.h"

#include "framework/controls/Form.h"
#include "platform/win/WinApi.h"
#include "skin/RoundPicture.h"
#include "skin/SUIComboBox.h"
#include "skin/SUIListBox.h"
#include "skin/SUIScrollBar.h"
#include "skin/SUIThemeManager.h"
#include "skin/SkinScrollClasses.h"

#include <memory>

namespace
{
// DeepBlue's arrow frames are 16 x 16, so a 16-pixel bar copies them 1:1.
std::unique_ptr<TBitmap> ArrowFrame(int Frame)
{
    TBitmap Strip;
    GetInsideThemeBitmap(DeepBlue, SUI_ITEM_SCROLLBAR_BUTTON_IMAGE, &Strip);
    auto B = std::make_unique<TBitmap>();
    SpitBitmap(&Strip, B.get(), 6, Frame + 1);
    return B;
}

// Whether the Size x Size square at (X, Y) of Picture is Frame.
bool Shows(const TBitmap& Picture, int X, int Y, const TBitmap& Frame)
{
    for (int FY = 0; FY < Frame.Height(); ++FY)
        for (int FX = 0; FX < Frame.Width(); ++FX)
            if (Picture.Surface().Pixel(X + FX, Y + FY) != Frame.Surface().Pixel(FX, FY))
                return false;
    return true;
}

std::unique_ptr<TBitmap> Painted(const TsuiScrollBarLook& Look, const TsuiScrollBarLayout& L)
{
    auto B = std::make_unique<TBitmap>();
    B->SetSize(L.Bar.Right, L.Bar.Bottom);
    Look.Paint(B->Canvas(), L);
    return B;
}

TEST(ScrollBarLook, EachStateShowsItsFrameOfTheStylesPictures)
{
    TsuiScrollBarLook Look;
    Look.Load(DeepBlue, nullptr);
    const TColor Track = GetInsideThemeColor(DeepBlue, SUI_ITEM_SCROLLBAR_COLOR);
    TBitmap Slider;
    GetInsideThemeBitmap(DeepBlue, SUI_ITEM_SCROLLBAR_TRACK_IMAGE, &Slider);
    // Standing (turned clockwise), the slider's middle pixel is what the
    // nine-piece stretch puts in the thumb's middle.
    RoundPicture3(&Slider);
    const TColor SliderBody = Slider.Surface().Pixel(8, 10);
    struct
    {
        const char* Name;
        int Hot, Pressed;
        bool Disabled;
        int Up, Down; // frames: 0..2 up normal, hot, pressed; 3..5 down
        TColor Thumb, Below;
    } const Cases[] = {
        {"normal", ssbNone, ssbNone, false, 0, 3, SliderBody, Track},
        {"hot up arrow", ssbLineUp, ssbNone, false, 1, 3, SliderBody, Track},
        {"pressed down arrow", ssbLineUp, ssbLineDown, false, 1, 5, SliderBody, Track},
        {"pressed page", ssbNone, ssbPageDown, false, 0, 3, SliderBody,
         RGB(GetRValue(Track) * 3 / 4, GetGValue(Track) * 3 / 4, GetBValue(Track) * 3 / 4)},
        {"disabled: normal arrows, no thumb", ssbLineUp, ssbLineDown, true, 0, 3, Track, Track},
    };
    for (const auto& Case : Cases)
    {
        SCOPED_TRACE(Case.Name);
        TsuiScrollBarLayout L;
        L.Bar = {0, 0, 16, 100};
        L.Arrow = 16;
        L.ThumbStart = 40;
        L.ThumbEnd = 60;
        L.Hot = Case.Hot;
        L.Pressed = Case.Pressed;
        L.Disabled = Case.Disabled;
        auto B = Painted(Look, L);
        EXPECT_TRUE(Shows(*B, 0, 0, *ArrowFrame(Case.Up)));
        EXPECT_TRUE(Shows(*B, 0, 84, *ArrowFrame(Case.Down)));
        EXPECT_EQ(B->Surface().Pixel(8, 30), Track);
        EXPECT_EQ(B->Surface().Pixel(8, 50), Case.Thumb);
        EXPECT_EQ(B->Surface().Pixel(8, 70), Case.Below);
    }

    // Lying, the arrows are the frames turned a quarter counter-clockwise.
    TsuiScrollBarLayout L;
    L.Bar = {0, 0, 100, 16};
    L.Vertical = false;
    L.Arrow = 16;
    auto B = Painted(Look, L);
    for (int Frame : {0, 3})
    {
        auto Turned = ArrowFrame(Frame);
        RoundPicture(Turned.get());
        EXPECT_TRUE(Shows(*B, Frame == 0 ? 0 : 84, 0, *Turned)) << Frame;
    }
}

class ScrollBarSkinForm : public GuiTest
{
  protected:
    ScrollBarSkinForm()
    {
        Form = new TForm(&FApp);
        Form->SetBounds(40, 40, 300, 250);
        Bar = new TsuiScrollBar(Form);
        Bar->SetParent(Form);
        Bar->SetUIStyle(DeepBlue);
        Bar->SetKind(sbVertical);
        Bar->SetBounds(10, 10, 16, 120);
        Form->Show();
        FDesktop.Pump();
    }
    // The bar as the screen shows it.
    bool ScreenShows(int X, int Y, const TBitmap& Frame)
    {
        POINT P = At(Bar, X, Y);
        for (int FY = 0; FY < Frame.Height(); ++FY)
            for (int FX = 0; FX < Frame.Width(); ++FX)
                if (FDesktop.ScreenPixel(P.x + FX, P.y + FY) != Frame.Surface().Pixel(FX, FY))
                    return false;
        return true;
    }

    TForm* Form;
    TsuiScrollBar* Bar;
};

TEST_F(ScrollBarSkinForm, TheControlShowsHotAndDisabledArrowsAndStillScrolls)
{
    EXPECT_TRUE(ScreenShows(0, 0, *ArrowFrame(0)));
    EXPECT_TRUE(ScreenShows(0, 104, *ArrowFrame(3)));
    POINT Down = At(Bar, 8, 110);
    FDesktop.MouseMove(Down.x, Down.y);
    FDesktop.Pump();
    EXPECT_EQ(Bar->HotPart(), ssbLineDown);
    EXPECT_TRUE(ScreenShows(0, 104, *ArrowFrame(4)));
    FDesktop.Click(Down.x, Down.y);
    FDesktop.Pump();
    EXPECT_EQ(Bar->Position(), 1);

    Bar->SetEnabled(false);
    FDesktop.Pump();
    EXPECT_TRUE(ScreenShows(0, 104, *ArrowFrame(3)));
    EXPECT_EQ(FDesktop.ScreenPixel(At(Bar, 8, 60).x, At(Bar, 8, 60).y),
              GetInsideThemeColor(DeepBlue, SUI_ITEM_SCROLLBAR_COLOR))
        << "no thumb";
}

TEST_F(ScrollBarSkinForm, TheDroppedListOfASkinnedComboBoxShowsTheStylesBar)
{
    auto* Combo = new TsuiComboBox(Form);
    Combo->SetParent(Form);
    Combo->SetUIStyle(DeepBlue);
    Combo->SetBounds(60, 10, 120, 21);
    Combo->SetDropDownCount(4);
    for (int I = 0; I < 12; ++I)
        Combo->Items()->Add("Item " + std::to_string(I));
    FDesktop.Pump();
    for (int Round = 0; Round < 2; ++Round)
    {
        SCOPED_TRACE(Round);
        Combo->SetFocus();
        FDesktop.Press(VK_F4);
        FDesktop.Pump();
        ASSERT_TRUE(Combo->DroppedDown());
        HWND List = Combo->ListControl()->Handle();
        SCROLLBARINFO Info;
        ASSERT_TRUE(GetScrollBarInfo(List, OBJID_VSCROLL, &Info));
        auto Up = ArrowFrame(0);
        bool Same = true;
        for (int Y = 0; Y < 16; ++Y)
            for (int X = 0; X < 16; ++X)
                Same = Same &&
                       FDesktop.ScreenPixel(Info.rcScrollBar.left + X, Info.rcScrollBar.top + Y) ==
                           Up->Surface().Pixel(X, Y);
        EXPECT_TRUE(Same);
        // A click on an item closes the list from inside the list's own
        // handler, which ends the skin on the list too.
        POINT Item = At(Combo->ListControl(), 10, 5);
        FDesktop.Click(Item.x, Item.y);
        FDesktop.Pump();
        EXPECT_FALSE(Combo->DroppedDown());
        EXPECT_EQ(Combo->ItemIndex(), 0);
        FDesktop.Advance(1000);
    }
}

TEST_F(ScrollBarSkinForm, TheListBoxsWindowBarShowsItsHotArrow)
{
    auto* List = new TsuiListBox(Form);
    List->SetParent(Form);
    List->SetUIStyle(DeepBlue);
    List->SetBounds(60, 10, 120, 80);
    for (int I = 0; I < 12; ++I)
        List->Items()->Add("Item " + std::to_string(I));
    FDesktop.Pump();
    SCROLLBARINFO Info;
    ASSERT_TRUE(GetScrollBarInfo(List->Handle(), OBJID_VSCROLL, &Info));
    const int X = Info.rcScrollBar.left, Down = Info.rcScrollBar.bottom - 16;
    auto ShowsDown = [&](int Frame)
    {
        auto Expected = ArrowFrame(Frame);
        for (int Y = 0; Y < 16; ++Y)
            for (int FX = 0; FX < 16; ++FX)
                if (FDesktop.ScreenPixel(X + FX, Down + Y) != Expected->Surface().Pixel(FX, Y))
                    return false;
        return true;
    };
    EXPECT_TRUE(ShowsDown(3));
    FDesktop.MouseMove(X + 8, Down + 8);
    FDesktop.Pump();
    EXPECT_TRUE(ShowsDown(4)) << "hot under the pointer";
    POINT Inside = At(List, 20, 20);
    FDesktop.MouseMove(Inside.x, Inside.y);
    FDesktop.Pump();
    EXPECT_TRUE(ShowsDown(3)) << "normal again once the pointer left it";
}

TEST_F(ScrollBarSkinForm, TheCheckListBoxShowsTheFrameOfEachItemsState)
{
    auto* List = new TsuiCheckListBox(Form);
    List->SetParent(Form);
    List->SetUIStyle(DeepBlue);
    List->SetAllowGrayed(true);
    List->SetBounds(60, 10, 120, 5 * 16 + 4);
    List->SetItemHeight(16);
    for (const char* S : {"Checked", "Unchecked", "Grayed", "Off, checked", "Off"})
        List->Items()->Add(S);
    List->SetState(0, cbChecked);
    List->SetState(2, cbGrayed);
    List->SetState(3, cbChecked);
    List->SetItemEnabled(3, false);
    List->SetItemEnabled(4, false);
    FDesktop.Pump();
    TBitmap Strip;
    GetInsideThemeBitmap(DeepBlue, SUI_ITEM_CHECKLIST_IMAGE, &Strip);
    const int Frames[] = {1, 2, 3, 3,
                          4}; // checked, unchecked, checked disabled, unchecked disabled
    for (int I = 0; I < 5; ++I)
    {
        TBitmap Frame;
        SpitBitmap(&Strip, &Frame, 4, Frames[I]);
        // The box is 13 pixels from x 2, centred on its row; the frame
        // centred in it.
        const int Left = 2 + (13 - Frame.Width()) / 2;
        const int Top = I * 16 + (16 - 13) / 2 + (13 - Frame.Height()) / 2;
        bool Same = true;
        for (int Y = 0; Y < Frame.Height(); ++Y)
            for (int X = 0; X < Frame.Width(); ++X)
            {
                POINT P = At(List, Left + X, Top + Y);
                Same = Same && FDesktop.ScreenPixel(P.x, P.y) == Frame.Surface().Pixel(X, Y);
            }
        EXPECT_TRUE(Same) << List->Items()->Strings(I);
    }
}

TEST_F(ScrollBarSkinForm, TheThemeManagerRestylesTheBarAndTheListBox)
{
    RegisterSkinScrollClasses();
    auto* List = new TsuiListBox(Form);
    List->SetParent(Form);
    List->SetName("List");
    List->SetBounds(60, 10, 120, 60);
    for (int I = 0; I < 12; ++I)
        List->Items()->Add("Item " + std::to_string(I));
    Bar->SetName("Bar");
    auto* Manager = new TsuiThemeManager(Form);
    TStringList Names;
    Names.Add("Bar");
    Names.Add("List");
    Manager->SetCompList(&Names);
    Manager->SetUIStyle(WinXP);
    FDesktop.Pump();
    EXPECT_EQ(Bar->UIStyle(), WinXP);
    EXPECT_EQ(List->UIStyle(), WinXP);
    // The list's window bar: its up arrow shows WinXP's first frame,
    // stretched from 16 x 17 to the 16 x 16 arrow.
    SCROLLBARINFO Info;
    ASSERT_TRUE(GetScrollBarInfo(List->Handle(), OBJID_VSCROLL, &Info));
    TBitmap Strip, Frame;
    GetInsideThemeBitmap(WinXP, SUI_ITEM_SCROLLBAR_BUTTON_IMAGE, &Strip);
    SpitBitmap(&Strip, &Frame, 6, 1);
    const int X = Info.rcScrollBar.left, Y = Info.rcScrollBar.top;
    EXPECT_EQ(FDesktop.ScreenPixel(X + 8, Y + 8), Frame.Surface().Pixel(8, 8));
    EXPECT_EQ(FDesktop.ScreenPixel(X, Y), Frame.Surface().Pixel(0, 0));
    const int Below = Info.xyThumbBottom + 1;
    ASSERT_LT(Below, Info.rcScrollBar.bottom - Y - Info.dxyLineButton);
    EXPECT_EQ(FDesktop.ScreenPixel(X + 8, Y + Below),
              GetInsideThemeColor(WinXP, SUI_ITEM_SCROLLBAR_COLOR));
}
} // namespace
