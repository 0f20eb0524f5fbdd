// The skinned check boxes, radio buttons, groups, progress bar and track
// bar on the headless desktop: each state's frame of the strip, pictures
// placed by the drawing rules, transparency, restyling and definitions.

#include "CodedPicture.h"
#include "SkinButtonFixture.h"
#include "TestFileTheme.h"

#include "framework/FormReader.h"
#include "framework/FormWriter.h"
#include "framework/graphics/Picture.h"
#include "skin/SUICheckBox.h"
#include "skin/SUICheckGroup.h"
#include "skin/SUIImagePanel.h"
#include "skin/SUIProgressBar.h"
#include "skin/SUIRadioButton.h"
#include "skin/SUIRadioGroup.h"
#include "skin/SUIThemeManager.h"
#include "skin/SUITrackBar.h"
#include "skin/SkinToggleClasses.h"
#include "skin/frmMgr.h"

#include <memory>
#include <string>

namespace
{
constexpr TColor Key = 0xFF00FF;

class ToggleSkin : public SkinForm
{
  protected:
    // Every pixel of Control's mark (at the left, centred) against frame
    // Frame of Strip: the frame's pixel, or Behind where the frame has the
    // key colour.
    void ExpectMark(const TControl* Control, const TBitmap& Strip, int Frame, TColor Behind,
                    const std::string& What)
    {
        TBitmap F;
        SpitBitmap(&Strip, &F, 4, Frame);
        const int Top = (Control->ClientHeight() - F.Height()) / 2;
        const auto Shot = Snapshot(Control);
        int Wrong = 0;
        for (int Y = 0; Y < F.Height(); ++Y)
            for (int X = 0; X < F.Width(); ++X)
            {
                const TColor Want = F.Canvas()->Pixel(X, Y);
                const TColor Got = Shot[static_cast<size_t>(Top + Y)][static_cast<size_t>(X)];
                const bool Bad = Got != (Want == Key ? Behind : Want);
                if (Bad && !Wrong)
                    ADD_FAILURE() << What << ": first wrong pixel at " << X << "," << Y << " is "
                                  << std::hex << Got << ", frame " << Want;
                Wrong += Bad;
            }
        EXPECT_EQ(Wrong, 0) << What << ": pixels unlike frame " << Frame;
    }

    static std::unique_ptr<TBitmap> StyleStrip(TsuiUIStyle Style, int Item)
    {
        auto B = std::make_unique<TBitmap>();
        GetInsideThemeBitmap(Style, Item, B.get());
        return B;
    }
};
} // namespace

TEST_F(ToggleSkin, EachStateShowsItsFrameInAStyleAndInASkin)
{
    struct TCase
    {
        const char* What;
        TCheckBoxState State;
        bool Enabled;
        int Frame;
    };
    const TCase Cases[] = {{"checked", cbChecked, true, 1},
                           {"unchecked", cbUnchecked, true, 2},
                           {"grayed", cbGrayed, true, 3},
                           {"checked, disabled", cbChecked, false, 3},
                           {"unchecked, disabled", cbUnchecked, false, 4}};
    auto* Box = Make<TsuiCheckBox>(Form, 10, 10, 150, 21);
    Box->SetCaption("Log");
    Box->SetUIStyle(MacOS);
    Box->SetColor(TColor(0x123456));
    auto* Radio = Make<TsuiRadioButton>(Form, 10, 40, 150, 21);
    Radio->SetCaption("Fast");
    Radio->SetColor(TColor(0x123456));
    auto* Theme = new TTestFileTheme(Form);
    Theme->SetLoaded(true);
    const auto Coded = CodedBitmap(4 * 13, 13);
    Theme->SetBitmap(SKIN2_RADIOBUTTON, *Coded);
    Radio->SetFileTheme(Theme);
    Radio->SetUIStyle(FromThemeFile);
    const auto MacBoxes = StyleStrip(MacOS, SUI_ITEM_CHECKBOX_IMAGE);
    for (const TCase& C : Cases)
    {
        Box->SetAllowGrayed(true);
        Box->SetState(C.State);
        Box->SetEnabled(C.Enabled);
        ExpectMark(Box, *MacBoxes, C.Frame, TColor(0x123456), C.What);
        if (C.State == cbGrayed) continue; // a radio button has no such state
        Radio->SetChecked(C.State == cbChecked);
        Radio->SetEnabled(C.Enabled);
        ExpectMark(Radio, *Coded, C.Frame, TColor(0x123456), std::string("skin, ") + C.What);
    }
}

TEST_F(ToggleSkin, TransparentShowsTheParentsPictureAroundTheMark)
{
    auto* Backdrop = Make<TsuiImagePanel>(Form, 10, 10, 200, 40);
    const auto Coded = CodedBitmap(200, 40);
    TPicture Picture;
    Picture.SetGraphic(Coded.get());
    Backdrop->SetPicture(&Picture);
    auto* Radio = Make<TsuiRadioButton>(Backdrop, 20, 10, 150, 21);
    Radio->SetUIStyle(WinXP);
    Radio->SetCaption("Fast");
    Radio->SetTransparent(true);
    const auto Strip = StyleStrip(WinXP, SUI_ITEM_RADIOBUTTON_IMAGE);
    // The key pixels of the round frame show the picture beneath; the
    // caption's background does too.
    TBitmap F;
    SpitBitmap(Strip.get(), &F, 4, 2);
    const int Top = (21 - F.Height()) / 2;
    ASSERT_EQ(F.Canvas()->Pixel(0, 0), Key);
    EXPECT_EQ(Decode(PixelOf(Radio, 0, Top)), (TPoint{20, 10 + Top}));
    EXPECT_EQ(Decode(PixelOf(Radio, 140, 2)), (TPoint{160, 12}));
    EXPECT_EQ(PixelOf(Radio, 6, Top + 6), F.Canvas()->Pixel(6, 6));
}

TEST_F(ToggleSkin, ALongCaptionWrapsAndTheFocusFramesIt)
{
    auto* Box = Make<TsuiCheckBox>(Form, 10, 10, 120, 40);
    Box->SetColor(clWhite);
    Box->SetCaption("");
    const auto Empty = Snapshot(Box);
    Box->SetCaption("A caption long enough to need two lines");
    const TRect Text = Difference(Empty, Snapshot(Box));
    Box->SetCaption("A caption");
    const TRect Line = Difference(Empty, Snapshot(Box));
    EXPECT_GT(Text.Height(), Line.Height() * 3 / 2) << "two lines";
    EXPECT_LE(Text.Right, 120);
    Box->SetFocus();
    const TRect Focused = Difference(Empty, Snapshot(Box));
    // The dotted frame lies just around the caption, not around the mark.
    EXPECT_LT(Focused.Left, Line.Left);
    EXPECT_GT(Focused.Left, 13);
    EXPECT_LT(Focused.Top, Line.Top);
}

TEST_F(ToggleSkin, GroupsHandTheirStyleToTheirButtons)
{
    auto* Radio = Make<TsuiRadioGroup>(Form, 10, 10, 200, 100);
    Radio->SetUIStyle(WinXP);
    Radio->Items()->Add("None");
    Radio->Items()->Add("Odd");
    Radio->SetItemIndex(1);
    auto* Check = Make<TsuiCheckGroup>(Form, 210, 10, 200, 100);
    Check->Items()->Add("Read");
    Check->SetUIStyle(BlueGlass);
    Check->SetChecked(0, true);
    auto* Later = dynamic_cast<TsuiRadioButton*>(Radio->Buttons(1));
    ASSERT_NE(Later, nullptr);
    EXPECT_EQ(Later->UIStyle(), WinXP) << "a button made after the style was set";
    EXPECT_EQ(dynamic_cast<TsuiCheckBox*>(Check->Buttons(0))->UIStyle(), BlueGlass);
    ExpectMark(Later, *StyleStrip(WinXP, SUI_ITEM_RADIOBUTTON_IMAGE), 1, ColorToRGB(Radio->Color()),
               "item");
}

TEST_F(ToggleSkin, ProgressFillIsTiledAlongAndStretchedAcross)
{
    auto* Bar = Make<TsuiProgressBar>(Form, 10, 10, 102, 14);
    auto* Theme = new TTestFileTheme(Form);
    Theme->SetLoaded(true);
    const auto Fill = CodedBitmap(4, 6);
    Theme->SetBitmap(SKIN2_PROGRESSBAR2, *Fill);
    Theme->SetColor(SKIN2_CONTROLBORDERCOLOR, TColor(0x010203));
    Theme->SetColor(SKIN2_CONTROLCOLOR, TColor(0x0A0B0C));
    Bar->SetFileTheme(Theme);
    Bar->SetUIStyle(FromThemeFile);
    Bar->SetPosition(45); // 45 of the 100 inner columns
    EXPECT_EQ(PixelOf(Bar, 0, 5), TColor(0x010203));
    EXPECT_EQ(PixelOf(Bar, 50, 13), TColor(0x010203));
    EXPECT_EQ(PixelOf(Bar, 46, 5), TColor(0x0A0B0C)) << "past the fill";
    for (int X : {1, 4, 5, 44, 45})
        for (int Y : {1, 6, 12})
            EXPECT_EQ(Decode(PixelOf(Bar, X, Y)), (TPoint{(X - 1) % 4, (Y - 1) / 2}))
                << X << "," << Y;
    // Smooth: the first column of the picture, stretched along.
    Bar->SetSmooth(true);
    EXPECT_EQ(Decode(PixelOf(Bar, 30, 7)), (TPoint{0, 3}));
    // Vertical: from the bottom, the picture turned a quarter so its first
    // column lies at the start of the fill and its top row at the left.
    Bar->SetSmooth(false);
    Bar->SetOrientation(pbVertical);
    Bar->SetBounds(10, 10, 14, 102);
    Bar->SetPosition(10);
    EXPECT_EQ(PixelOf(Bar, 6, 90), TColor(0x0A0B0C));
    EXPECT_EQ(Decode(PixelOf(Bar, 1, 100)), (TPoint{0, 0}));
    EXPECT_EQ(Decode(PixelOf(Bar, 1, 97)), (TPoint{3, 0}));
    EXPECT_EQ(Decode(PixelOf(Bar, 12, 100)), (TPoint{0, 5}));
}

TEST_F(ToggleSkin, ProgressCaptionIsTheCentredPercentage)
{
    auto* Bar = Make<TsuiProgressBar>(Form, 10, 10, 200, 18);
    Bar->SetUIStyle(Protein);
    Bar->SetMin(10);
    Bar->SetMax(30);
    Bar->SetPosition(17);
    EXPECT_EQ(Bar->PercentText(), "35%");
    const auto Without = Snapshot(Bar);
    Bar->SetShowCaption(true);
    const TRect Text = Difference(Without, Snapshot(Bar));
    ASSERT_FALSE(Text.IsEmpty());
    EXPECT_LE(std::abs(Text.Left - (200 - Text.Right)), 2);
}

TEST_F(ToggleSkin, TrackBarDrawsItsSliderAndGroovePictures)
{
    auto* Track = Make<TsuiTrackBar>(Form, 10, 10, 200, 45);
    auto* Theme = new TTestFileTheme(Form);
    Theme->SetLoaded(true);
    const auto Groove = CodedBitmap(45, 4);
    const auto Slider = CodedBitmap(11, 20);
    const auto SliderV = CodedBitmap(20, 11);
    Theme->SetBitmap(SKIN2_TRACKBAR, *Groove);
    Theme->SetBitmap(SKIN2_TRACKBARSLIDER, *Slider);
    Theme->SetBitmap(SKIN2_TRACKBARVSLIDER, *SliderV);
    Track->SetFileTheme(Theme);
    Track->SetUIStyle(FromThemeFile);
    Track->SetPosition(3);
    const TRect Thumb = Track->ThumbRect();
    EXPECT_EQ(Thumb.Width(), 11);
    EXPECT_EQ(Thumb.Height(), 20);
    for (TPoint P : {TPoint{0, 0}, TPoint{10, 19}, TPoint{5, 7}})
        EXPECT_EQ(Decode(PixelOf(Track, Thumb.Left + P.X, Thumb.Top + P.Y)), P);
    // The groove's left third lands 1:1 at the channel's start.
    const TRect G = Track->GrooveRect();
    EXPECT_EQ(G.Height(), 4);
    EXPECT_EQ(Decode(PixelOf(Track, G.Left + 3, G.Top + 1)), (TPoint{3, 1}));
    EXPECT_EQ(Decode(PixelOf(Track, G.Right - 1, G.Top + 2)), (TPoint{44, 2}));

    Track->SetOrientation(trVertical);
    const TRect V = Track->ThumbRect();
    EXPECT_EQ(V.Width(), 20);
    EXPECT_EQ(V.Height(), 11);
    EXPECT_EQ(Decode(PixelOf(Track, V.Left + 19, V.Top + 10)), (TPoint{19, 10}));
    // The groove turned: its rows become columns.
    const TRect GV = Track->GrooveRect();
    EXPECT_EQ(Decode(PixelOf(Track, GV.Left + 1, GV.Top + 3)), (TPoint{3, 1}));
}

TEST_F(ToggleSkin, TheThemeManagerRestylesThemAllAndARemovedThemeFallsBack)
{
    auto* Box = Make<TsuiCheckBox>(Form, 10, 10, 120, 20);
    auto* Radio = Make<TsuiRadioButton>(Form, 10, 40, 120, 20);
    auto* Group = Make<TsuiRadioGroup>(Form, 10, 70, 200, 60);
    auto* Checks = Make<TsuiCheckGroup>(Form, 210, 70, 200, 60);
    auto* Bar = Make<TsuiProgressBar>(Form, 10, 140, 200, 16);
    auto* Track = Make<TsuiTrackBar>(Form, 10, 160, 200, 45);
    Group->Items()->Add("One");
    TsuiThemeManager* Manager = RestyleForm(*Form, WinXP, nullptr);
    // The manager's dialog offers each control once; a group's own buttons
    // follow the group.
    RegisterThemeManagerDialogClasses();
    TfrmMgr* Dialog = TCustomForm::Create<TfrmMgr>(nullptr);
    Dialog->LoadFrom(*Manager);
    EXPECT_EQ(Dialog->List->Items()->Count(), 6);
    Dialog->Free();
    for (TComponent* C : std::initializer_list<TComponent*>{Box, Radio, Group, Checks, Bar, Track})
        EXPECT_EQ(SkinnedOf(C)->UIStyle(), WinXP) << C->ClassName();
    EXPECT_EQ(dynamic_cast<TsuiRadioButton*>(Group->Buttons(0))->UIStyle(), WinXP);
    ExpectMark(Box, *StyleStrip(WinXP, SUI_ITEM_CHECKBOX_IMAGE), 2, ColorToRGB(Box->Color()),
               "restyled");

    auto* Theme = new TTestFileTheme(Form);
    Theme->SetLoaded(true);
    Bar->SetFileTheme(Theme);
    Bar->SetUIStyle(FromThemeFile);
    delete Theme;
    EXPECT_EQ(Bar->FileTheme(), nullptr);
    EXPECT_EQ(Bar->UIStyle(), DeepBlue);
    EXPECT_EQ(Bar->BorderColor(), GetInsideThemeColor(DeepBlue, SUI_ITEM_CONTROL_BORDER_COLOR));
}

namespace
{
constexpr const char* SkinnedDefinition = R"(object Window: TForm
  Caption = 'Window'
  object Log: TsuiCheckBox
    Caption = 'Log'
    UIStyle = WinXP
    Transparent = True
    State = cbChecked
  end
  object Parity: TsuiRadioGroup
    UIStyle = MacOS
    Caption = 'Parity'
    Items = (
      'NO'
      'ODD')
    ItemIndex = 1
  end
  object Load: TsuiProgressBar
    UIStyle = Protein
    ShowCaption = True
    Position = 30
  end
  object Level: TsuiTrackBar
    UIStyle = BlueGlass
    Position = 4
  end
end
)";
} // namespace

TEST_F(GuiTest, SkinnedTogglesAndGaugesAreReadAndWrittenBack)
{
    RegisterSkinToggleClasses();
    auto Check = [](TComponent* Root)
    {
        auto* Log = dynamic_cast<TsuiCheckBox*>(Root->FindComponent("Log"));
        ASSERT_NE(Log, nullptr);
        EXPECT_EQ(Log->UIStyle(), WinXP);
        EXPECT_TRUE(Log->Transparent());
        EXPECT_TRUE(Log->Checked());
        auto* Parity = dynamic_cast<TsuiRadioGroup*>(Root->FindComponent("Parity"));
        ASSERT_NE(Parity, nullptr);
        EXPECT_EQ(Parity->ItemIndex(), 1);
        EXPECT_EQ(dynamic_cast<TsuiRadioButton*>(Parity->Buttons(1))->UIStyle(), MacOS);
        auto* Load = dynamic_cast<TsuiProgressBar*>(Root->FindComponent("Load"));
        ASSERT_NE(Load, nullptr);
        EXPECT_TRUE(Load->ShowCaption());
        EXPECT_EQ(Load->Position(), 30);
        auto* Level = dynamic_cast<TsuiTrackBar*>(Root->FindComponent("Level"));
        ASSERT_NE(Level, nullptr);
        EXPECT_EQ(Level->UIStyle(), BlueGlass);
        EXPECT_EQ(Level->Position(), 4);
    };
    TComponent* Window = TFormReader::Create(SkinnedDefinition, &FApp);
    Check(Window);
    const std::string Written = WriteFormDefinition(*Window);
    Window->Free();
    TComponent* Again = TFormReader::Create(Written, &FApp);
    Check(Again);
    Again->Free();
}
