// Tab and page controls on the headless desktop: tab layout and hit tests,
// keys and clicks with their notifications, pages shown and hidden, and
// both read from and written to form definitions.

#include "../GuiFixture.h"

#include "framework/FormReader.h"
#include "framework/FormWriter.h"
#include "framework/comctrls/CommonControlClasses.h"
#include "framework/comctrls/PageControl.h"
#include "framework/comctrls/TabControl.h"
#include "framework/comctrls/TabSheet.h"
#include "framework/controls/Form.h"
#include "framework/stdctrls/Edit.h"
#include "platform/win/WinApi.h"

#include <string>
#include <vector>

namespace
{
// A form with a tab control of three tabs ("One", "Two", "Three") and an
// edit beside it; the log records the notifications.
class TabForm : public GuiTest
{
  protected:
    TabForm()
    {
        Form = new TForm(&FApp);
        Form->SetBounds(20, 20, 400, 300);
        Tabs = new TTabControl(Form);
        Tabs->SetParent(Form);
        Tabs->SetBounds(8, 8, 300, 200);
        for (const char* T : {"One", "Two", "Three"})
            Tabs->Tabs()->Add(T);
        Tabs->SetTabIndex(0);
        Other = new TEdit(Form);
        Other->SetParent(Form);
        Other->SetBounds(8, 220, 100, 22);
        Tabs->OnChanging = [this](TObject*, bool& Allow)
        {
            Log.push_back("changing from " + std::to_string(Tabs->TabIndex()));
            Allow = !Refuse;
        };
        Tabs->OnChange = [this](TObject*)
        { Log.push_back("change to " + std::to_string(Tabs->TabIndex())); };
        Form->Show();
        FDesktop.Pump();
    }

    void ClickTab(int Index)
    {
        TRect R = Tabs->TabRect(Index);
        POINT P = At(Tabs, R.Left + R.Width() / 2, R.Top + R.Height() / 2);
        FDesktop.Click(P.x, P.y);
        FDesktop.Pump();
    }

    TForm* Form;
    TTabControl* Tabs;
    TEdit* Other;
    std::vector<std::string> Log;
    bool Refuse = false;
};
} // namespace

TEST_F(TabForm, TabsSitSideBySideSizedToTheirCaptionsAndTheSelectedOneStandsOut)
{
    TCanvas Measure;
    Measure.Font()->Assign(Tabs->Font());
    int X = 2;
    for (int K = 0; K < 3; ++K)
    {
        TRect R = Tabs->TabRect(K);
        EXPECT_EQ(R.Left, X);
        EXPECT_EQ(R.Width(), Measure.TextWidth(Tabs->Tabs()->Strings(K)) + 12);
        EXPECT_EQ(R.Bottom, Tabs->TabsBottom());
        EXPECT_EQ(Tabs->IndexOfTabAt(R.Left + 3, R.Top + 3), K);
        X = R.Right;
    }
    EXPECT_EQ(Tabs->IndexOfTabAt(X + 5, 5), -1);
    EXPECT_EQ(Tabs->IndexOfTabAt(20, Tabs->TabsBottom() + 5), -1);
    // The selected tab covers its neighbour's first pixels and the row above.
    EXPECT_EQ(Tabs->IndexOfTabAt(Tabs->TabRect(1).Left, 5), 0);
    EXPECT_EQ(Tabs->IndexOfTabAt(5, 0), 0);
    Tabs->SetTabWidth(50);
    EXPECT_EQ(Tabs->TabRect(2).Left, 102);
    Tabs->SetTabHeight(30);
    EXPECT_EQ(Tabs->TabsBottom(), 32);
    EXPECT_EQ(Tabs->DisplayRect().Top, 36);
}

TEST_F(TabForm, KeysMoveTheSelectionWithNotifications)
{
    struct Case
    {
        int Start;
        UINT Modifier; // 0, VK_CONTROL, or VK_CONTROL then VK_SHIFT below
        bool Shift;
        UINT Key;
        int Expected;
    };
    const Case Cases[] = {
        {0, 0, false, VK_RIGHT, 1},        {1, 0, false, VK_DOWN, 2},
        {2, 0, false, VK_RIGHT, 2},        {2, 0, false, VK_LEFT, 1},
        {0, 0, false, VK_UP, 0},           {1, 0, false, VK_END, 2},
        {2, 0, false, VK_HOME, 0},         {0, VK_CONTROL, false, VK_TAB, 1},
        {2, VK_CONTROL, false, VK_TAB, 0}, {0, VK_CONTROL, true, VK_TAB, 2},
    };
    Tabs->SetFocus();
    for (const Case& C : Cases)
    {
        Tabs->SetTabIndex(C.Start);
        Log.clear();
        if (C.Shift) FDesktop.KeyDown(VK_SHIFT);
        if (C.Modifier)
            PressWith(C.Modifier, C.Key);
        else
        {
            FDesktop.Press(C.Key);
            FDesktop.Pump();
        }
        if (C.Shift) FDesktop.KeyUp(VK_SHIFT);
        FDesktop.Pump();
        EXPECT_EQ(Tabs->TabIndex(), C.Expected) << C.Start << " key " << C.Key;
        std::vector<std::string> Want;
        if (C.Expected != C.Start)
            Want = {"changing from " + std::to_string(C.Start),
                    "change to " + std::to_string(C.Expected)};
        EXPECT_EQ(Log, Want) << C.Start << " key " << C.Key;
        EXPECT_TRUE(Tabs->Focused());
    }
    // Ctrl+Tab belongs to the control holding the focus: elsewhere it does
    // nothing to the tabs.
    Other->SetFocus();
    Tabs->SetTabIndex(0);
    PressWith(VK_CONTROL, VK_TAB);
    EXPECT_EQ(Tabs->TabIndex(), 0);
}

TEST_F(TabForm, AClickSelectsAndFocusesUnlessRefusedAndCodeChangesNotify)
{
    Other->SetFocus();
    ClickTab(2);
    EXPECT_EQ(Tabs->TabIndex(), 2);
    EXPECT_TRUE(Tabs->Focused());
    EXPECT_EQ(Log, (std::vector<std::string>{"changing from 0", "change to 2"}));

    Log.clear();
    Refuse = true;
    ClickTab(1);
    FDesktop.Press(VK_LEFT);
    FDesktop.Pump();
    EXPECT_EQ(Tabs->TabIndex(), 2);
    EXPECT_EQ(Log, (std::vector<std::string>{"changing from 2", "changing from 2"}));

    // The selected tab again, or a change from code: no notifications.
    Log.clear();
    ClickTab(2);
    Tabs->SetTabIndex(1);
    EXPECT_TRUE(Log.empty());
    // A selection out of range is none; one past a removed tab moves back.
    Tabs->SetTabIndex(7);
    EXPECT_EQ(Tabs->TabIndex(), -1);
    Tabs->SetTabIndex(2);
    Tabs->Tabs()->Delete(2);
    EXPECT_EQ(Tabs->TabIndex(), 1);
}

namespace
{
// A page control with three pages ("Radio", "Serial", "About"); an edit on
// the first page.
class PageForm : public GuiTest
{
  protected:
    PageForm()
    {
        Form = new TForm(&FApp);
        Form->SetBounds(20, 20, 400, 300);
        Pages = new TPageControl(Form);
        Pages->SetParent(Form);
        Pages->SetBounds(8, 8, 300, 200);
        for (const char* T : {"Radio", "Serial", "About"})
        {
            auto* Sheet = new TTabSheet(Form);
            Sheet->SetCaption(T);
            Sheet->SetPageControl(Pages);
            Sheets.push_back(Sheet);
        }
        Edit = new TEdit(Form);
        Edit->SetParent(Sheets[0]);
        Form->Show();
        FDesktop.Pump();
    }

    std::vector<std::string> TabTexts() const
    {
        std::vector<std::string> T;
        for (int K = 0; K < Pages->TabCount(); ++K)
        {
            TTabSheet* P = Pages->PageForTab(K);
            T.push_back(P ? P->Caption() : "?");
        }
        return T;
    }

    bool OnlyShown(const TTabSheet* Active) const
    {
        for (const TTabSheet* S : Sheets)
            if (S->Visible() != (S == Active)) return false;
        return true;
    }

    TForm* Form;
    TPageControl* Pages;
    std::vector<TTabSheet*> Sheets;
    TEdit* Edit;
};
} // namespace

TEST_F(PageForm, TheFirstPageIsActiveAndFillsTheDisplayArea)
{
    ASSERT_EQ(Pages->PageCount(), 3);
    EXPECT_EQ(Pages->ActivePage(), Sheets[0]);
    EXPECT_TRUE(OnlyShown(Sheets[0]));
    EXPECT_EQ(Pages->TabIndex(), 0);
    EXPECT_EQ(Sheets[0]->BoundsRect(), Pages->DisplayRect());
    Pages->SetBounds(8, 8, 350, 220);
    EXPECT_EQ(Sheets[0]->BoundsRect(), Pages->DisplayRect());
    EXPECT_EQ(Sheets[0]->Width(), 350 - 8);
}

TEST_F(PageForm, ChoosingATabShowsItsPageAndFocusOnTheOldPageStaysInTheControl)
{
    int Changes = 0;
    Pages->OnChange = [&](TObject*) { ++Changes; };
    Edit->SetFocus();
    // Ctrl+Tab from a control on the page.
    PressWith(VK_CONTROL, VK_TAB);
    EXPECT_EQ(Pages->ActivePage(), Sheets[1]);
    EXPECT_TRUE(OnlyShown(Sheets[1]));
    EXPECT_TRUE(Pages->Focused());
    EXPECT_EQ(Changes, 1);
    FDesktop.Press(VK_RIGHT);
    FDesktop.Pump();
    EXPECT_EQ(Pages->ActivePage(), Sheets[2]);
    EXPECT_EQ(Changes, 2);
    // From code: no notification.
    Pages->SetActivePageIndex(0);
    EXPECT_TRUE(OnlyShown(Sheets[0]));
    EXPECT_EQ(Pages->TabIndex(), 0);
    EXPECT_EQ(Changes, 2);
}

TEST_F(PageForm, TabsFollowCaptionsTabVisibleAndPageOrder)
{
    Sheets[1]->SetCaption("Port");
    EXPECT_EQ(TabTexts(), (std::vector<std::string>{"Radio", "Port", "About"}));
    Sheets[1]->SetTabVisible(false);
    EXPECT_EQ(TabTexts(), (std::vector<std::string>{"Radio", "About"}));
    EXPECT_EQ(Sheets[2]->TabIndex(), 1);
    EXPECT_EQ(Sheets[1]->TabIndex(), -1);
    // Ctrl+Tab skips the page without a tab.
    Pages->SetFocus();
    PressWith(VK_CONTROL, VK_TAB);
    EXPECT_EQ(Pages->ActivePage(), Sheets[2]);
    Sheets[1]->SetTabVisible(true);
    Sheets[2]->SetPageIndex(0);
    EXPECT_EQ(TabTexts(), (std::vector<std::string>{"About", "Radio", "Port"}));
    EXPECT_EQ(Pages->TabIndex(), 0);
    EXPECT_EQ(Sheets[0]->PageIndex(), 1);
}

TEST_F(PageForm, RemovingPagesMovesTheActivePageAndEitherSideMayBeFreedFirst)
{
    Pages->SetActivePage(Sheets[1]);
    delete Sheets[1];
    EXPECT_EQ(Pages->PageCount(), 2);
    EXPECT_EQ(Pages->ActivePage(), Sheets[2]); // the one taking its place
    EXPECT_TRUE(Sheets[2]->Visible());
    Sheets[2]->SetPageControl(nullptr);
    EXPECT_EQ(Pages->ActivePage(), Sheets[0]); // the one before
    EXPECT_EQ(Pages->TabCount(), 1);
    // A page of another control is not activated.
    Pages->SetActivePage(Sheets[2]);
    EXPECT_EQ(Pages->ActivePage(), Sheets[0]);
    // The sheets still on it go with the page control, as children do; a
    // sheet taken off before lives on.
    const TComponent::TLifeGuard OnIt(Sheets[0]);
    delete Pages;
    EXPECT_FALSE(OnIt.Alive());
    EXPECT_EQ(Sheets[2]->PageControl(), nullptr);
    EXPECT_EQ(Sheets[2]->PageIndex(), -1);
}

namespace
{
constexpr const char* TabsDefinition = R"(object Window: TForm
  Caption = 'Window'
  object Steps: TTabControl
    Left = 8
    Top = 8
    Width = 200
    Height = 100
    TabIndex = 1
    Tabs = (
      'First'
      'Second')
  end
  object Book: TPageControl
    Left = 8
    Top = 120
    Width = 300
    Height = 160
    ActivePage = Last
    object Front: TTabSheet
      Caption = 'Front'
    end
    object Hidden: TTabSheet
      Caption = 'Hidden'
      TabVisible = False
    end
    object Last: TTabSheet
      Caption = 'Last'
    end
  end
end
)";

class TabDefinitions : public GuiTest
{
  protected:
    TabDefinitions() { RegisterCommonControlClasses(); }

    static void Check(TComponent* Root)
    {
        auto* Steps = dynamic_cast<TTabControl*>(Root->FindComponent("Steps"));
        ASSERT_NE(Steps, nullptr);
        ASSERT_EQ(Steps->TabCount(), 2);
        EXPECT_EQ(Steps->Tabs()->Strings(1), "Second");
        EXPECT_EQ(Steps->TabIndex(), 1);
        auto* Book = dynamic_cast<TPageControl*>(Root->FindComponent("Book"));
        ASSERT_NE(Book, nullptr);
        ASSERT_EQ(Book->PageCount(), 3);
        EXPECT_EQ(Book->Pages(1)->Name(), "Hidden");
        EXPECT_FALSE(Book->Pages(1)->TabVisible());
        EXPECT_EQ(Book->ActivePage(), Book->Pages(2));
        EXPECT_EQ(Book->TabIndex(), 1);
        EXPECT_TRUE(Book->Pages(2)->Visible());
        EXPECT_FALSE(Book->Pages(0)->Visible());
    }
};
} // namespace

TEST_F(TabDefinitions, ReadAndWrittenBackWithPagesInPageOrder)
{
    TComponent* Window = TFormReader::Create(TabsDefinition, &FApp);
    Check(Window);
    auto* Book = dynamic_cast<TPageControl*>(Window->FindComponent("Book"));
    Book->Pages(2)->SetPageIndex(0);
    std::string Written = WriteFormDefinition(*Window);
    EXPECT_LT(Written.find("object Last"), Written.find("object Front"));
    EXPECT_EQ(Written.find("Visible = "), Written.find("TabVisible = ") + 3);
    EXPECT_EQ(Written.find("Align"), std::string::npos);
    Window->Free();

    TComponent* Again = TFormReader::Create(Written, &FApp);
    auto* Book2 = dynamic_cast<TPageControl*>(Again->FindComponent("Book"));
    ASSERT_NE(Book2, nullptr);
    EXPECT_EQ(Book2->Pages(0)->Name(), "Last");
    EXPECT_EQ(Book2->ActivePage(), Book2->Pages(0));
    Again->Free();
}
