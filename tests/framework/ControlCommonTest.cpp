// What every control shares: focus and cancel-mode notifications, anchors,
// the right-click menu, hint and reading-order inheritance, resize vetoes.

#include "GuiFixture.h"

#include "framework/SysLocale.h"
#include "framework/controls/Form.h"
#include "framework/controls/Panel.h"
#include "framework/menus/PopupMenu.h"
#include "platform/win/WinApi.h"

namespace
{
// A focusable control that counts the framework notifications it hears.
class TListener : public TCustomControl
{
  public:
    explicit TListener(TComponent* AOwner) : TCustomControl(AOwner)
    {
        FTabStop = true;
        FInherited = WindowProc;
        WindowProc = [this](TMessage& M)
        {
            if (M.Msg == CM_FOCUSCHANGED)
                FocusReports.push_back(reinterpret_cast<TControl*>(M.LParam));
            if (M.Msg == CM_CANCELMODE) ++CancelModes;
            FInherited(M);
        };
    }
    // The window's last messages come after the counters are gone.
    ~TListener() override { WindowProc = FInherited; }

    std::function<void(TMessage&)> FInherited;
    std::vector<TControl*> FocusReports;
    int CancelModes = 0;
};

class CommonForm : public GuiTest
{
  protected:
    CommonForm()
    {
        Form = new TForm(&FApp);
        Form->SetBounds(50, 40, 400, 300);
        Host = Make<TPanel>(Form, 10, 10, 200, 100);
        Inner = Make<TListener>(Host, 10, 10, 60, 30);
        Other = Make<TListener>(Form, 250, 10, 60, 30);
        Form->Show();
        FDesktop.Pump();
    }

    template <class T> T* Make(TWinControl* Parent, int X, int Y, int W, int H)
    {
        auto* C = new T(Form);
        C->SetBounds(X, Y, W, H);
        C->SetParent(Parent);
        return C;
    }

    TForm* Form;
    TPanel* Host;
    TListener* Inner;
    TListener* Other;
};
} // namespace

TEST_F(CommonForm, EveryControlOfTheFormHearsWhichControlGotTheFocus)
{
    Inner->FocusReports.clear();
    Other->SetFocus();
    FDesktop.Pump();
    // The nested control hears of a focus change elsewhere on the form.
    ASSERT_FALSE(Inner->FocusReports.empty());
    EXPECT_EQ(Inner->FocusReports.back(), Other);
    ASSERT_FALSE(Other->FocusReports.empty());
    EXPECT_EQ(Other->FocusReports.back(), Other);
}

TEST_F(CommonForm, DisablingAHeldControlCancelsItsPressSoTheReleaseIsNoClick)
{
    int Clicks = 0;
    Inner->OnClick = [&](TObject*) { ++Clicks; };
    POINT P = At(Inner, 5, 5);
    FDesktop.MouseDown(P.x, P.y);
    FDesktop.Pump();
    ASSERT_EQ(TControl::CaptureControl(), Inner);
    Inner->SetEnabled(false);
    EXPECT_EQ(Inner->CancelModes, 1);
    EXPECT_EQ(TControl::CaptureControl(), nullptr);
    EXPECT_EQ(GetCapture(), nullptr);
    Inner->SetEnabled(true);
    FDesktop.MouseUp(P.x, P.y);
    FDesktop.Pump();
    EXPECT_EQ(Clicks, 0);
}

TEST_F(CommonForm, AnchoredChildrenFollowTheEdgesTheyAreAnchoredTo)
{
    struct TCase
    {
        TAnchors Anchors;
        TRect Expected;
    };
    // Host grows from 200 x 100 to 300 x 160; the child starts at
    // (120, 40, 160, 60).
    const TCase Cases[] = {
        {{akLeft, akTop}, {120, 40, 160, 60}},
        {{akRight, akTop}, {220, 40, 260, 60}},
        {{akLeft, akRight, akTop}, {120, 40, 260, 60}},
        {{akLeft, akTop, akBottom}, {120, 40, 160, 120}},
        {{akRight, akBottom}, {220, 100, 260, 120}},
        {{}, {170, 70, 210, 90}},
    };
    for (const TCase& C : Cases)
    {
        Host->SetBounds(10, 10, 200, 100);
        Host->SetBevelOuter(bvNone);
        auto* Child = Make<TPanel>(Host, 120, 40, 40, 20);
        Child->SetAnchors(C.Anchors);
        Host->SetBounds(10, 10, 300, 160);
        EXPECT_EQ(Child->BoundsRect(), C.Expected) << "anchors " << C.Anchors.Mask();
        Child->Free();
    }
}

TEST_F(CommonForm, ShowHintAndBiDiModeFollowTheParentUntilSetOnTheChild)
{
    Host->SetShowHint(true);
    Host->SetBiDiMode(bdRightToLeft);
    EXPECT_TRUE(Inner->ShowHint());
    EXPECT_EQ(Inner->BiDiMode(), bdRightToLeft);

    Inner->SetShowHint(false);
    Inner->SetBiDiMode(bdLeftToRight);
    EXPECT_FALSE(Inner->ParentShowHint());
    EXPECT_FALSE(Inner->ParentBiDiMode());
    Host->SetShowHint(false);
    Host->SetShowHint(true);
    Host->SetBiDiMode(bdRightToLeftReadingOnly);
    EXPECT_FALSE(Inner->ShowHint());
    EXPECT_EQ(Inner->BiDiMode(), bdLeftToRight);

    Inner->SetParentShowHint(true);
    Inner->SetParentBiDiMode(true);
    EXPECT_TRUE(Inner->ShowHint());
    EXPECT_EQ(Inner->BiDiMode(), bdRightToLeftReadingOnly);

    // A control put into a parent takes the parent's values.
    auto* Late = Make<TPanel>(Host, 0, 0, 10, 10);
    EXPECT_TRUE(Late->ShowHint());
    EXPECT_EQ(Late->BiDiMode(), bdRightToLeftReadingOnly);
}

TEST(SysLocaleTest, RightToLeftLanguagesAreRecognisedByTheirLanguagePart)
{
    const std::pair<const char*, bool> Cases[] = {
        {"ar_EG.UTF-8", true},  {"he_IL", true}, {"fa", true},          {"ur_PK@latin", true},
        {"en_US.UTF-8", false}, {"C", false},    {"", false},           {"arn_CL", false},
        {"de_DE", false},       {"yi_US", true}, {"hr_HR.UTF-8", false}};
    for (const auto& [Name, Expected] : Cases)
        EXPECT_EQ(IsRightToLeftLocale(Name), Expected) << Name;
}

TEST_F(CommonForm, RightToLeftDrawingNeedsBothTheModeAndARightToLeftLocale)
{
    struct TCase
    {
        bool MiddleEast;
        TBiDiMode Mode;
        bool Reading;
        bool Alignment;
    };
    const TCase Cases[] = {
        {false, bdRightToLeft, false, false},
        {true, bdLeftToRight, false, false},
        {true, bdRightToLeft, true, true},
        {true, bdRightToLeftNoAlign, true, false},
        {true, bdRightToLeftReadingOnly, true, false},
    };
    const TSysLocale Saved = SysLocale();
    for (const TCase& C : Cases)
    {
        SetSysLocale({C.MiddleEast});
        Inner->SetBiDiMode(C.Mode);
        EXPECT_EQ(Inner->UseRightToLeftReading(), C.Reading) << C.Mode << C.MiddleEast;
        EXPECT_EQ(Inner->UseRightToLeftAlignment(), C.Alignment) << C.Mode << C.MiddleEast;
    }
    SetSysLocale(Saved);
}

TEST_F(CommonForm, ResizeEventsCanRefuseOrNarrowANewSize)
{
    bool Allow = false;
    Inner->OnCanResize = [&](TObject*, int&, int&, bool& Resize) { Resize = Allow; };
    Inner->SetBounds(20, 20, 90, 50);
    EXPECT_EQ(Inner->BoundsRect(), (TRect{20, 20, 80, 50}));

    Allow = true;
    Inner->Constraints()->SetMaxWidth(200);
    Inner->OnConstrainedResize = [](TObject*, int& MinW, int&, int& MaxW, int&)
    {
        MinW = 40;
        MaxW = 70;
    };
    Inner->SetWidth(150);
    EXPECT_EQ(Inner->Width(), 70);
    Inner->SetWidth(10);
    EXPECT_EQ(Inner->Width(), 40);
    Inner->OnCanResize = {};
    Inner->OnConstrainedResize = {};
}

TEST_F(CommonForm, ARightClickOffersTheContextPopupThenTheNearestPopupMenu)
{
    auto* Menu = new TPopupMenu(Form);
    int Popups = 0;
    Menu->OnPopup = [&](TObject*) { ++Popups; };
    Host->SetPopupMenu(Menu);
    std::vector<TPoint> Asked;
    bool Handle = true;
    Inner->OnContextPopup = [&](TObject*, TPoint P, bool& Handled)
    {
        Asked.push_back(P);
        Handled = Handle;
    };
    POINT P = At(Inner, 7, 9);
    FDesktop.Click(P.x, P.y, TRawInput::TButton::Right);
    FDesktop.Pump();
    ASSERT_EQ(Asked.size(), 1u);
    EXPECT_EQ(Asked[0], (TPoint{7, 9}));
    EXPECT_EQ(Popups, 0);

    // Not handled: the child has no menu, so its parent's opens.
    Handle = false;
    FDesktop.Click(P.x, P.y, TRawInput::TButton::Right);
    FDesktop.Pump();
    EXPECT_EQ(Popups, 1);
    EXPECT_EQ(Menu->PopupComponent(), Host);

    // The reference goes when the menu does.
    Menu->Free();
    EXPECT_EQ(Host->PopupMenu(), nullptr);
    Inner->OnContextPopup = {};
}
