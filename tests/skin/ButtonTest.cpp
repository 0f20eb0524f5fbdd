// The skinned push buttons on the headless desktop: faces per state, the
// focus cue, captions, glyphs, sizes, mouse and keyboard clicks, the repeat
// event and the default and cancel buttons.

#include "../framework/ButtonFreedByClick.h"
#include "SkinButtonFixture.h"
#include "TestFileTheme.h"

#include "framework/FormReader.h"
#include "framework/FormWriter.h"
#include "framework/stdctrls/Edit.h"
#include "platform/win/WinApi.h"
#include "skin/SUIArrowButton.h"
#include "skin/SUIButton.h"
#include "skin/SUIImageButton.h"
#include "skin/SkinButtonClasses.h"

#include <functional>

namespace
{
class ButtonForm : public ButtonFreedByClick<SkinForm>
{
  protected:
    ButtonForm()
    {
        Button = Make<TsuiButton>(Form, 20, 20, 74, 21);
        Button->SetUIStyle(Protein);
        Button->SetCaption("Read");
        Button->OnClick = [this](TObject*) { ++Clicks; };
        FDesktop.Pump();
    }
    ~ButtonForm() override { Button->OnClick = {}; }

    POINT Centre() const { return At(Button, 37, 10); }

    TsuiButton* Button;
    int Clicks = 0;
};
} // namespace

TEST_F(ButtonForm, EachStateShowsItsFrameOfTheStylePicture)
{
    struct TCase
    {
        const char* State;
        int Frame;
    };
    const TCase Cases[] = {{"normal", 1}, {"hot", 2}, {"pressed", 3}, {"disabled", 1}};
    POINT Away = At(Button, 37, 60);
    for (const TCase& C : Cases)
    {
        const std::string State = C.State;
        FDesktop.MouseMove(Away.x, Away.y);
        if (State == "hot" || State == "pressed") FDesktop.MouseMove(Centre().x, Centre().y);
        if (State == "pressed") FDesktop.MouseDown(Centre().x, Centre().y);
        Button->SetEnabled(State != "disabled");
        FDesktop.Pump();
        // The corners of a frame drawn at its own size land 1:1.
        for (TPoint P : {TPoint{1, 1}, TPoint{72, 19}, TPoint{3, 17}})
            EXPECT_EQ(PixelOf(Button, P.X, P.Y),
                      FramePixel(Protein, SUI_ITEM_BUTTON_IMAGE, 3, C.Frame, P.X, P.Y))
                << State << " at " << P.X << "," << P.Y;
        if (State == "pressed") FDesktop.MouseUp(Away.x, Away.y);
    }
}

TEST_F(ButtonForm, CaptionMovesWhenPressedAndIsEngravedWhenDisabled)
{
    auto CaptionBox = [&](int* Count = nullptr)
    {
        auto With = Snapshot(Button);
        Button->SetCaption("");
        auto Without = Snapshot(Button);
        Button->SetCaption("Read");
        return Difference(With, Without, Count);
    };
    const TRect Normal = CaptionBox();
    ASSERT_FALSE(Normal.IsEmpty());
    // Centred (to the pixel the halving allows).
    EXPECT_LE(std::abs(Normal.Left - (74 - Normal.Right)), 3);

    FDesktop.MouseDown(Centre().x, Centre().y);
    FDesktop.Pump();
    EXPECT_EQ(CaptionBox(), Normal.Offset(1, 1));
    FDesktop.MouseUp(Centre().x, Centre().y);

    Button->SetEnabled(false);
    const TRect Disabled = CaptionBox();
    // Grey text over a white copy one pixel lower right.
    EXPECT_EQ(Disabled, (TRect{Normal.Left, Normal.Top, Normal.Right + 1, Normal.Bottom + 1}));
    const auto Rows = Snapshot(Button);
    bool Grey = false, White = false;
    for (int Y = Disabled.Top; Y < Disabled.Bottom; ++Y)
        for (int X = Disabled.Left; X < Disabled.Right; ++X)
        {
            const TColor C = Rows[static_cast<size_t>(Y)][static_cast<size_t>(X)];
            Grey |= C == static_cast<TColor>(0x808080);
            White |= C == clWhite;
        }
    EXPECT_TRUE(Grey);
    EXPECT_TRUE(White);
}

TEST_F(ButtonForm, BlankCaptionDrawsNothing)
{
    Button->SetCaption("");
    auto Empty = Snapshot(Button);
    Button->SetCaption("   ");
    EXPECT_TRUE(Difference(Empty, Snapshot(Button)).IsEmpty());
}

TEST_F(ButtonForm, FocusIsARectangleOrABoldCaptionByStyle)
{
    struct TCase
    {
        TsuiUIStyle Style;
        bool Rectangle;
    };
    const TCase Cases[] = {
        {Protein, true}, {WinXP, true}, {DeepBlue, true}, {MacOS, false}, {BlueGlass, false}};
    auto* Other = Make<TsuiButton>(Form, 200, 20, 74, 21);
    // A face with a bold weight of its own.
    Button->Font()->SetName("DejaVu Sans");
    Button->SetCaption("WWW");
    for (const TCase& C : Cases)
    {
        Button->SetUIStyle(C.Style);
        Button->SetBounds(20, 20, 90, 27);
        Other->SetFocus();
        auto Plain = Snapshot(Button);
        Button->SetFocus();
        auto Focused = Snapshot(Button);
        // The rectangle's left edge at the margin, 2 pixels in.
        bool EdgeChanged = false;
        for (int Y = 4; Y < 23; ++Y)
            EdgeChanged |= Plain[static_cast<size_t>(Y)][2] != Focused[static_cast<size_t>(Y)][2];
        EXPECT_EQ(EdgeChanged, C.Rectangle) << UIStyleNames()[C.Style];
        // A bold caption covers more pixels than the plain one.
        Button->SetCaption("");
        auto NoCaption = Snapshot(Button);
        Button->SetCaption("WWW");
        int PlainInk = 0, FocusedInk = 0;
        Other->SetFocus();
        Difference(Snapshot(Button), NoCaption, &PlainInk);
        Button->SetFocus();
        Button->SetCaption("");
        NoCaption = Snapshot(Button);
        Button->SetCaption("WWW");
        Difference(Snapshot(Button), NoCaption, &FocusedInk);
        EXPECT_EQ(FocusedInk > PlainInk, !C.Rectangle) << UIStyleNames()[C.Style];
    }
}

TEST_F(ButtonForm, GlyphAndCaptionArePlacedByLayout)
{
    TBitmap Glyph;
    Glyph.SetSize(16, 16);
    Glyph.Canvas()->Brush()->SetColor(clRed);
    Glyph.Canvas()->FillRect({0, 0, 16, 16});
    Glyph.Canvas()->SetPixel(0, 0, clFuchsia); // the mask colour
    // Tall enough that the glyph stays inside with the caption above or
    // below it.
    Button->SetBounds(20, 20, 80, 50);
    Button->SetGlyph(&Glyph);
    Button->SetSpacing(4);
    TCanvas Measure;
    Measure.Font()->Assign(Button->Font());
    const int TW = Measure.TextWidth("Read");
    const int TH = Measure.TextHeight("Read");
    struct TCase
    {
        TButtonLayout Layout;
        TPoint Glyph;
        TPoint Text;
    };
    const int GL = (80 - (TW + 16 + 4)) / 2;
    const int GR = (80 + TW + 4 - 16) / 2;
    const int GT = (50 - (TH + 16 + 4)) / 2;
    const int GB = (50 + TH + 4 - 16) / 2;
    const TCase Cases[] = {
        {blGlyphLeft, {GL, 17}, {GL + 20, (50 - TH) / 2}},
        {blGlyphRight, {GR, 17}, {GR - TW - 4, (50 - TH) / 2}},
        {blGlyphTop, {32, GT}, {(80 - TW) / 2, GT + 20}},
        {blGlyphBottom, {32, GB}, {(80 - TW) / 2, GB - TH - 4}},
    };
    for (const TCase& C : Cases)
    {
        Button->SetLayout(C.Layout);
        FDesktop.Pump();
        EXPECT_EQ(Button->TextPos(), C.Text) << C.Layout;
        EXPECT_EQ(PixelOf(Button, C.Glyph.X + 1, C.Glyph.Y + 1), clRed) << C.Layout;
        EXPECT_EQ(PixelOf(Button, C.Glyph.X + 15, C.Glyph.Y + 15), clRed) << C.Layout;
        EXPECT_NE(PixelOf(Button, C.Glyph.X + 16, C.Glyph.Y + 8), clRed) << C.Layout;
    }
    // The worked example: a caption 30 x 13 puts the glyph at (15, 5) and
    // the caption at (35, 7).
    if (TW == 30 && TH == 13)
    {
        Button->SetBounds(20, 20, 80, 27);
        Button->SetLayout(blGlyphLeft);
        FDesktop.Pump();
        EXPECT_EQ(Button->TextPos(), (TPoint{35, 7}));
    }
}

TEST_F(ButtonForm, ATwoImageGlyphShowsItsSecondImageWhileDisabled)
{
    TBitmap Glyph;
    Glyph.SetSize(32, 16);
    Glyph.Canvas()->Brush()->SetColor(clRed);
    Glyph.Canvas()->FillRect({0, 0, 16, 16});
    Glyph.Canvas()->Brush()->SetColor(clBlue);
    Glyph.Canvas()->FillRect({16, 0, 32, 16});
    Glyph.Canvas()->SetPixel(0, 0, clFuchsia);
    Button->SetCaption("");
    Button->SetBounds(20, 20, 80, 27);
    Button->SetGlyph(&Glyph);
    // No caption: the glyph is centred.
    EXPECT_EQ(PixelOf(Button, 40 - 2 + 4, 13), clRed);
    Button->SetEnabled(false);
    EXPECT_EQ(PixelOf(Button, 40 - 2 + 4, 13), clBlue);
}

TEST_F(ButtonForm, AMissingOrEmptyPictureDrawsNothingInItsPlace)
{
    auto* Empty = Make<TsuiImageButton>(Form, 200, 20, 40, 20);
    Empty->SetColor(clLime);
    EXPECT_EQ(PixelOf(Empty, 20, 10), clLime);
    TBitmap Nothing;
    Button->SetGlyph(&Nothing);
    Button->SetCaption("");
    auto Before = Snapshot(Button);
    Button->SetLayout(blGlyphTop);
    EXPECT_TRUE(Difference(Before, Snapshot(Button)).IsEmpty());
}

TEST_F(ButtonForm, AutoSizeTakesOneFrameOfTheStylePicture)
{
    struct TCase
    {
        TsuiUIStyle Style;
        int Width;
        int Height;
    };
    const TCase Cases[] = {{Protein, 74, 21}, {MacOS, 84, 23}, {FromThemeFile, 24, 21}};
    for (const TCase& C : Cases)
    {
        Button->SetBounds(20, 20, 100, 40);
        Button->SetUIStyle(C.Style);
        Button->SetAutoSize(true);
        EXPECT_EQ(Button->Width(), C.Width) << UIStyleNames()[C.Style];
        EXPECT_EQ(Button->Height(), C.Height) << UIStyleNames()[C.Style];
        Button->SetAutoSize(false);
    }
}

TEST_F(ButtonForm, StyleSetsTransparencyAndFontColourAndAFileThemeOverrides)
{
    Button->SetUIStyle(MacOS);
    EXPECT_TRUE(Button->Transparent());
    Button->SetUIStyle(Protein);
    EXPECT_FALSE(Button->Transparent());
    EXPECT_EQ(Button->Font()->Color(), clBlack);

    auto* Theme = new TTestFileTheme(Form);
    Theme->SetLoaded(true);
    Theme->SetBool(SKIN2_BUTTONTRANS, true);
    Theme->SetColor(SKIN2_BUTTONFONTCOLOR, clNavy);
    Button->SetFileTheme(Theme);
    Button->SetUIStyle(FromThemeFile);
    EXPECT_TRUE(Button->Transparent());
    EXPECT_EQ(Button->Font()->Color(), clNavy);
    // The theme going away leaves DeepBlue.
    Theme->Free();
    EXPECT_EQ(Button->FileTheme(), nullptr);
    EXPECT_EQ(Button->UIStyle(), DeepBlue);
    EXPECT_FALSE(Button->Transparent());
}

TEST_F(ButtonForm, OnlyAPressAndReleaseOnTheButtonClicks)
{
    POINT Outside = At(Button, 37, 60);
    FDesktop.MouseDown(Centre().x, Centre().y);
    FDesktop.MouseMove(Outside.x, Outside.y);
    FDesktop.MouseUp(Outside.x, Outside.y);
    FDesktop.Pump();
    EXPECT_EQ(Clicks, 0);
    EXPECT_FALSE(Button->Pressed());

    std::vector<std::string> Order;
    Button->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int)
    { Order.push_back("down"); };
    Button->OnMouseUp = [&](TObject*, TMouseButton, TShiftState, int, int)
    { Order.push_back("up"); };
    Button->OnClick = [&](TObject*)
    {
        ++Clicks;
        Order.push_back("click");
    };
    FDesktop.MouseDown(Centre().x, Centre().y);
    FDesktop.Pump();
    EXPECT_EQ(Clicks, 0);
    FDesktop.MouseUp(Centre().x, Centre().y);
    FDesktop.Pump();
    EXPECT_EQ(Clicks, 1);
    EXPECT_EQ(Order, (std::vector<std::string>{"down", "click", "up"}));
    Button->OnMouseDown = {};
    Button->OnMouseUp = {};
}

TEST_F(ButtonForm, HoldingTheButtonRepeatsEveryIntervalUntilReleased)
{
    std::vector<TClock::TimeMs> Ticks;
    TClock::TimeMs Elapsed = 0;
    Button->OnMouseContinuouslyDown = [&](TObject*) { Ticks.push_back(Elapsed); };
    auto Wait = [&](TClock::TimeMs Ms)
    {
        for (TClock::TimeMs I = 0; I < Ms; I += 10)
        {
            Elapsed += 10;
            FDesktop.Advance(10);
            FDesktop.Pump();
        }
    };
    FDesktop.MouseDown(Centre().x, Centre().y);
    FDesktop.Pump();
    Wait(350);
    EXPECT_EQ(Ticks, (std::vector<TClock::TimeMs>{100, 200, 300}));
    FDesktop.MouseUp(Centre().x, Centre().y);
    FDesktop.Pump();
    EXPECT_EQ(Clicks, 1);
    Wait(300);
    EXPECT_EQ(Ticks.size(), 3u);

    // A release away from the button ends the repeat as well.
    POINT Outside = At(Button, 37, 60);
    FDesktop.MouseDown(Centre().x, Centre().y);
    FDesktop.MouseUp(Outside.x, Outside.y);
    FDesktop.Pump();
    Wait(300);
    EXPECT_EQ(Ticks.size(), 3u);

    // Space gives one click on release and no repeat.
    Button->SetFocus();
    FDesktop.KeyDown(VK_SPACE);
    FDesktop.Pump();
    EXPECT_TRUE(Button->Pressed());
    Wait(300);
    FDesktop.KeyUp(VK_SPACE);
    FDesktop.Pump();
    EXPECT_EQ(Ticks.size(), 3u);
    EXPECT_EQ(Clicks, 2);
    Button->OnMouseContinuouslyDown = {};
}

TEST_F(ButtonForm, DisablingAHeldButtonEndsThePressAndTheRepeat)
{
    int Ticks = 0;
    Button->OnMouseContinuouslyDown = [&](TObject*) { ++Ticks; };
    FDesktop.MouseDown(Centre().x, Centre().y);
    FDesktop.Pump();
    Button->SetEnabled(false);
    EXPECT_FALSE(Button->Pressed());
    FDesktop.Advance(500);
    FDesktop.Pump();
    EXPECT_EQ(Ticks, 0);
    Button->SetEnabled(true);
    FDesktop.MouseUp(Centre().x, Centre().y);
    FDesktop.Pump();
    EXPECT_EQ(Clicks, 0);
    Button->OnMouseContinuouslyDown = {};
}

TEST_F(ButtonForm, EnterAndEscapeGoToTheDefaultAndCancelButtons)
{
    auto* Edit = Make<TEdit>(Form, 20, 100, 100, 21);
    auto* Other = Make<TsuiButton>(Form, 200, 20, 74, 21);
    auto* Cancel = Make<TsuiButton>(Form, 200, 60, 74, 21);
    int OtherClicks = 0, CancelClicks = 0;
    Other->OnClick = [&](TObject*) { ++OtherClicks; };
    Cancel->OnClick = [&](TObject*) { ++CancelClicks; };
    Button->SetDefault(true);
    Cancel->SetCancel(true);
    struct TCase
    {
        TWinControl* Focus;
        UINT Modifier;
        UINT Key;
        int Default, Other, Cancel;
    };
    const TCase Cases[] = {
        {Edit, 0, VK_RETURN, 1, 0, 0},
        {Other, 0, VK_RETURN, 0, 1, 0},
        {Edit, 0, VK_ESCAPE, 0, 0, 1},
        {Edit, VK_SHIFT, VK_RETURN, 0, 0, 0},
        {Edit, VK_CONTROL, VK_ESCAPE, 0, 0, 0},
        // The focused button's own Enter press and release is no dialog
        // key: it clicks whatever modifier is held.
        {Other, VK_SHIFT, VK_RETURN, 0, 1, 0},
    };
    for (const TCase& C : Cases)
    {
        Clicks = OtherClicks = CancelClicks = 0;
        C.Focus->SetFocus();
        FDesktop.Pump();
        if (C.Modifier)
            PressWith(C.Modifier, C.Key);
        else
        {
            FDesktop.Press(C.Key);
            FDesktop.Pump();
        }
        EXPECT_EQ(Clicks, C.Default) << C.Focus->Name() << " " << C.Modifier << " " << C.Key;
        EXPECT_EQ(OtherClicks, C.Other) << C.Modifier << " " << C.Key;
        EXPECT_EQ(CancelClicks, C.Cancel) << C.Modifier << " " << C.Key;
    }
    Other->OnClick = {};
    Cancel->OnClick = {};
}

TEST_F(ButtonForm, AcceleratorsClickWithAltOrWhileASkinnedButtonHasTheFocus)
{
    auto* Edit = Make<TEdit>(Form, 20, 100, 100, 21);
    auto* Other = Make<TsuiButton>(Form, 200, 20, 74, 21);
    Button->SetCaption("&Read");
    Edit->SetFocus();
    FDesktop.Press('R');
    FDesktop.Pump();
    EXPECT_EQ(Clicks, 0);
    EXPECT_EQ(Edit->Text(), "r");
    PressWith(VK_MENU, 'R');
    EXPECT_EQ(Clicks, 1);
    Other->SetFocus();
    FDesktop.Press('R');
    FDesktop.Pump();
    EXPECT_EQ(Clicks, 2);
}

TEST_F(ButtonForm, AButtonFreedByItsOwnClickIsGoneWhicheverWayItWasPressed)
{
    auto* Edit = Make<TEdit>(Form, 20, 100, 100, 21);
    ExpectEachWayClicksOnceAndFrees<TsuiButton>(
        [this] { return Make<TsuiButton>(Form, 200, 20, 74, 21); }, Edit);
}

TEST_F(ButtonForm, AClickHandsTheModalResultToTheForm)
{
    for (TModalResult Result : {mrOk, mrNone, mrCancel})
    {
        Form->SetModalResult(mrRetry);
        Button->SetModalResult(Result);
        FDesktop.Click(Centre().x, Centre().y);
        FDesktop.Pump();
        EXPECT_EQ(Form->ModalResult(), Result);
    }
}

TEST_F(ButtonForm, ArrowButtonsDrawATriangleAndNoCaption)
{
    auto* Up = Make<TsuiArrowButton>(Form, 200, 20, 16, 11);
    Up->SetUIStyle(Protein);
    Up->SetCaption("X");
    auto* Down = Make<TsuiArrowButton>(Form, 200, 40, 16, 11);
    Down->SetUIStyle(Protein);
    Down->SetArrow(suiDown);
    // x0 = 5, y0 = 4: the up triangle's tip at (8, 4), the down one's at (8, 7).
    EXPECT_EQ(PixelOf(Up, 8, 4), clBlack);
    EXPECT_EQ(PixelOf(Up, 8, 6), clBlack);
    EXPECT_EQ(PixelOf(Down, 8, 6), clBlack);
    EXPECT_EQ(PixelOf(Down, 6, 4), clBlack);
}

TEST_F(ButtonForm, AButtonDefinitionReadsAndWritesItsProperties)
{
    RegisterSkinButtonClasses();
    Button->SetDefault(true);
    Button->SetModalResult(mrOk);
    Button->SetMouseContinuouslyDownInterval(250);
    Button->SetLayout(blGlyphTop);
    const std::string Text = WriteFormDefinition(*Form);
    for (const char* Line : {"Caption = 'Read'", "Default = True", "ModalResult = 1",
                             "MouseContinuouslyDownInterval = 250", "Layout = blGlyphTop",
                             "Transparent = False", "Spacing = 4", "FocusedRectMargin = 2",
                             "AutoSize = False", "ResHandle = 0", "UIStyle = Protein"})
        EXPECT_NE(Text.find(Line), std::string::npos) << Line;
    EXPECT_EQ(Text.find("Cancel ="), std::string::npos);
    EXPECT_EQ(Text.find("TabStop ="), std::string::npos);
}
