// The tool bar on the headless desktop: layout, custom drawing with hot and
// pressed states, drop-down menus, accelerators.

#include "../GuiFixture.h"

#include "framework/comctrls/ToolBar.h"
#include "framework/comctrls/ToolButton.h"
#include "framework/controls/Form.h"
#include "framework/graphics/Canvas.h"
#include "framework/menus/MainMenu.h"
#include "framework/menus/MenuLoop.h"
#include "platform/win/WinApi.h"

#include <functional>

namespace
{
// A form with a flat tool bar showing captions: "&File" (drops down the File
// menu: &New, &Open), "Bold" and "Italic" (grouped check buttons), "Go".
class ToolBarForm : public GuiTest
{
  protected:
    ToolBarForm()
    {
        Form = new TForm(&FApp);
        Form->SetBorderStyle(bsDialog);
        Form->SetBounds(30, 30, 320, 200);
        Menu = new TMainMenu(Form);
        FileItem = AddItem(Menu->Items(), "&File");
        AddItem(FileItem, "&New");
        AddItem(FileItem, "&Open");
        Bar = new TToolBar(Form);
        Bar->SetParent(Form);
        Bar->SetFlat(true);
        Bar->SetShowCaptions(true);
        // Each new button at Left 0 goes first: add them last to first.
        Go = AddButton("Go", tbsButton);
        Italic = AddButton("Italic", tbsCheck);
        Bold = AddButton("Bold", tbsCheck);
        File = AddButton("", tbsButton);
        File->SetMenuItem(FileItem);
        Form->Show();
        FDesktop.Pump();
        Hook();
    }

    TMenuItem* AddItem(TMenuItem* Parent, const std::string& Caption)
    {
        auto* Item = new TMenuItem(Form);
        Item->SetCaption(Caption);
        Item->OnClick = [this, Item](TObject*) { Clicked.push_back(Item->Caption()); };
        Parent->Add(Item);
        return Item;
    }

    TToolButton* AddButton(const std::string& Caption, TToolButtonStyle Style)
    {
        auto* B = new TToolButton(Form);
        B->SetCaption(Caption);
        B->SetStyle(Style);
        B->SetAutoSize(true);
        B->SetGrouped(Style == tbsCheck);
        B->SetParent(Bar);
        B->OnClick = [this, B](TObject*) { Clicked.push_back("button " + B->Caption()); };
        return B;
    }

    // Runs the next step each time a menu loop waits for input; with no
    // steps left the menu is cancelled.
    void Hook()
    {
        auto Old = Form->WindowProc;
        Form->WindowProc = [this, Old](TMessage& M)
        {
            if (M.Msg == WM_ENTERMENULOOP) ++MenuLoops;
            if (M.Msg != WM_ENTERIDLE || M.WParam != MSGF_MENU) return Old(M);
            if (NextStep < Steps.size())
            {
                Steps[NextStep++]();
                PostMessage(Form->Handle(), WM_NULL, 0, 0);
            }
            else if (TMenuLoop* Loop = TMenuLoop::Current())
                Loop->Cancel();
        };
    }

    TForm* Form;
    TMainMenu* Menu;
    TMenuItem* FileItem;
    TToolBar* Bar;
    TToolButton *File, *Bold, *Italic, *Go;
    std::vector<std::string> Clicked;
    std::vector<std::function<void()>> Steps;
    size_t NextStep = 0;
    int MenuLoops = 0;
};
} // namespace

TEST_F(ToolBarForm, AutoSizedButtonsSitSideBySideInTheirOrderAndWrap)
{
    ASSERT_EQ(Bar->ButtonCount(), 4);
    EXPECT_EQ(Bar->Buttons(0), File);
    EXPECT_EQ(Bar->Buttons(3), Go);
    EXPECT_EQ(File->Caption(), "&File"); // from its menu item
    TCanvas Measure;
    Measure.Font()->Assign(Bar->Font());
    int X = 0;
    for (TToolButton* B : {File, Bold, Italic, Go})
    {
        EXPECT_EQ(B->Left(), X) << B->Caption();
        EXPECT_EQ(B->Top(), 0);
        EXPECT_EQ(B->Width(), Measure.TextWidth(B->Caption()) + 14) << B->Caption();
        EXPECT_EQ(B->Height(), Bar->ButtonHeight());
        X += B->Width();
    }
    Go->SetAutoSize(false);
    EXPECT_EQ(Go->Width(), Bar->ButtonWidth());

    // Too narrow for all: the rest wraps into a second row, which an
    // auto-sized bar makes room for.
    Bar->SetAutoSize(true);
    EXPECT_EQ(Bar->Height(), Bar->ButtonHeight());
    Bar->SetAlign(alNone);
    Bar->SetWidth(Bold->Left() + Bold->Width() + 5);
    EXPECT_EQ(Italic->Left(), 0);
    EXPECT_EQ(Italic->Top(), Bar->ButtonHeight());
    EXPECT_EQ(Bar->Height(), 2 * Bar->ButtonHeight());
}

TEST_F(ToolBarForm, CustomDrawSeesHotAndPressedStatesAndCanReplaceTheDrawing)
{
    std::vector<TCustomDrawState> GoStates;
    int Backgrounds = 0;
    Bar->OnCustomDraw = [&](TToolBar* Sender, const TRect& R, bool& DefaultDraw)
    {
        EXPECT_EQ(Sender, Bar);
        EXPECT_EQ(R, Bar->ClientRect());
        EXPECT_TRUE(DefaultDraw);
        ++Backgrounds;
    };
    Bar->OnCustomDrawButton =
        [&](TToolBar* Sender, TToolButton* B, TCustomDrawState State, bool& DefaultDraw)
    {
        if (B != Go) return;
        GoStates.push_back(State);
        DefaultDraw = false;
        Sender->Canvas()->Brush()->SetColor(State.Contains(cdsSelected) ? clRed : clLime);
        Sender->Canvas()->FillRect(B->BoundsRect());
    };
    Bar->Invalidate();
    FDesktop.Pump();
    EXPECT_GT(Backgrounds, 0);
    ASSERT_FALSE(GoStates.empty());
    EXPECT_TRUE(GoStates.back().Empty());
    POINT P = At(Go, 5, 5);
    EXPECT_EQ(FDesktop.ScreenPixel(P.x, P.y), ColorToRGB(clLime));

    FDesktop.MouseMove(P.x, P.y);
    FDesktop.Pump();
    EXPECT_EQ(GoStates.back(), TCustomDrawState{cdsHot});
    FDesktop.MouseDown(P.x, P.y);
    FDesktop.Pump();
    EXPECT_EQ(GoStates.back(), (TCustomDrawState{cdsHot, cdsSelected}));
    EXPECT_EQ(FDesktop.ScreenPixel(P.x, P.y), ColorToRGB(clRed));
    FDesktop.MouseUp(P.x, P.y);
    FDesktop.Pump();
    EXPECT_EQ(GoStates.back(), TCustomDrawState{cdsHot});
    EXPECT_EQ(Clicked, std::vector<std::string>{"button Go"});
    POINT Away = At(Bar, Bar->Width() - 2, 5);
    FDesktop.MouseMove(Away.x, Away.y);
    FDesktop.Pump();
    EXPECT_TRUE(GoStates.back().Empty());

    Go->SetEnabled(false);
    FDesktop.Click(P.x, P.y);
    FDesktop.Pump();
    EXPECT_EQ(GoStates.back(), TCustomDrawState{cdsDisabled});
    EXPECT_EQ(Clicked.size(), 1u);
}

TEST_F(ToolBarForm, ButtonDropsDownItsMenuItemsSubMenuBelowIt)
{
    TPoint Below = File->ClientToScreen({0, File->Height()});
    POINT P = At(File, 5, 5);
    Steps = {
        [&]
        {
            TMenuLoop* Loop = TMenuLoop::Current();
            ASSERT_NE(Loop, nullptr);
            EXPECT_EQ(Loop->Level(0)->ParentItem(), FileItem);
            EXPECT_EQ(Loop->Level(0)->ScreenRect().Left, Below.X);
            EXPECT_EQ(Loop->Level(0)->ScreenRect().Top, Below.Y);
            EXPECT_TRUE(File->Down());
            FDesktop.Press(VK_DOWN);
            FDesktop.Press(VK_DOWN);
            FDesktop.Press(VK_RETURN);
        },
    };
    FDesktop.Click(P.x, P.y);
    FDesktop.Pump();
    EXPECT_EQ(NextStep, 1u);
    EXPECT_EQ(Clicked, std::vector<std::string>{"&Open"});
    EXPECT_FALSE(File->Down());
    EXPECT_EQ(GetCapture(), nullptr);

    // A press on the button while its menu is open closes it for good.
    Clicked.clear();
    NextStep = 0;
    MenuLoops = 0;
    Steps = {[&] { FDesktop.Click(P.x, P.y); }};
    FDesktop.Click(P.x, P.y);
    FDesktop.Pump();
    EXPECT_EQ(MenuLoops, 1);
    EXPECT_TRUE(Clicked.empty());
    EXPECT_FALSE(File->Down());
}

TEST_F(ToolBarForm, AcceleratorOpensTheMenuWithItsFirstItemHighlighted)
{
    Steps = {[&]
             {
                 EXPECT_EQ(TMenuLoop::Current()->Level(0)->Selected(), 0);
                 FDesktop.Press(VK_RETURN);
             }};
    PressWith(VK_MENU, 'F');
    EXPECT_EQ(NextStep, 1u);
    EXPECT_EQ(Clicked, std::vector<std::string>{"&New"});
}

TEST_F(ToolBarForm, GroupedCheckButtonsKeepOneDown)
{
    struct TCase
    {
        TToolButton* Click;
        bool BoldDown, ItalicDown;
    };
    for (TCase C : {TCase{Bold, true, false},
                    {Italic, false, true},
                    {Italic, false, true},
                    {Bold, true, false}})
    {
        FDesktop.Advance(1000); // separate clicks, not a double click
        ClickOn(C.Click);
        FDesktop.Pump();
        EXPECT_EQ(Bold->Down(), C.BoldDown);
        EXPECT_EQ(Italic->Down(), C.ItalicDown);
    }
    Bold->SetGrouped(false);
    FDesktop.Advance(1000);
    ClickOn(Bold);
    FDesktop.Pump();
    EXPECT_FALSE(Bold->Down()); // an ungrouped check button toggles
}

TEST_F(ToolBarForm, OpenMenuMovesToTheNeighbouringDropDownByPointerAndKeys)
{
    TMenuItem* Help = AddItem(Menu->Items(), "&Help");
    AddItem(Help, "&About");
    auto* HelpButton = new TToolButton(Form);
    HelpButton->SetLeft(Bar->Width()); // after the others
    HelpButton->SetParent(Bar);
    HelpButton->SetMenuItem(Help);
    FDesktop.Pump();
    ASSERT_EQ(Bar->Buttons(4), HelpButton);
    auto Shown = [] { return TMenuLoop::Current()->Level(0)->ParentItem(); };
    POINT FilePt = At(File, 5, 5);
    POINT HelpPt = At(HelpButton, 5, 5);
    Steps = {
        [&]
        {
            EXPECT_EQ(Shown(), FileItem);
            FDesktop.MouseMove(HelpPt.x, HelpPt.y);
        },
        [&]
        {
            EXPECT_EQ(Shown(), Help);
            EXPECT_TRUE(HelpButton->Down());
            EXPECT_FALSE(File->Down());
            FDesktop.Press(VK_RIGHT); // wraps round to File
        },
        [&]
        {
            EXPECT_EQ(Shown(), FileItem);
            EXPECT_EQ(TMenuLoop::Current()->Level(0)->Selected(), 0);
            FDesktop.Press(VK_LEFT);
        },
        [&]
        {
            EXPECT_EQ(Shown(), Help);
            FDesktop.Press(VK_RETURN);
        },
    };
    FDesktop.Click(FilePt.x, FilePt.y);
    FDesktop.Pump();
    EXPECT_EQ(NextStep, Steps.size());
    EXPECT_EQ(Clicked, std::vector<std::string>{"&About"});
    EXPECT_FALSE(HelpButton->Down());
    EXPECT_EQ(TMenuLoop::Current(), nullptr);
}

TEST_F(ToolBarForm, EdgeBordersTakeTwoPixelsOutsideTheClientArea)
{
    const int W = Bar->Width(), H = Bar->Height();
    const struct
    {
        TEdgeBorders Edges;
        TRect Client; // in the bar's window
    } Cases[] = {
        {{}, {0, 0, W, H}},
        {{ebTop}, {0, 2, W, H}},
        {{ebLeft, ebTop, ebRight, ebBottom}, {2, 2, W - 2, H - 2}},
    };
    for (const auto& C : Cases)
    {
        Bar->SetEdgeBorders(C.Edges);
        FDesktop.Pump();
        POINT Origin = At(Bar, 0, 0);
        RECT Window{};
        GetWindowRect(Bar->Handle(), &Window);
        EXPECT_EQ(Origin.x - Window.left, C.Client.Left);
        EXPECT_EQ(Origin.y - Window.top, C.Client.Top);
        EXPECT_EQ(Bar->ClientWidth(), C.Client.Width());
        EXPECT_EQ(Bar->ClientHeight(), C.Client.Height());
        if (C.Edges.Contains(ebTop))
        {
            // An etched line: shadow above highlight.
            EXPECT_EQ(FDesktop.ScreenPixel(Window.left + W / 2, Window.top),
                      ColorToRGB(clBtnShadow));
            EXPECT_EQ(FDesktop.ScreenPixel(Window.left + W / 2, Window.top + 1),
                      ColorToRGB(clBtnHighlight));
        }
    }
}

TEST_F(ToolBarForm, DropDownsAndAcceleratorsFollowTheMenusAutomaticHotkeys)
{
    auto* Edit = AddItem(Menu->Items(), "Edit");
    AddItem(Edit, "Print");
    AddItem(Edit, "Properties");
    auto* EditButton = new TToolButton(Form);
    EditButton->SetLeft(Bar->Width());
    EditButton->SetAutoSize(true);
    EditButton->SetParent(Bar);
    EditButton->SetMenuItem(Edit);
    FDesktop.Pump();

    // Without automatic hot keys, neither the bar nor the menu takes the
    // letters.
    PressWith(VK_MENU, 'E');
    EXPECT_EQ(MenuLoops, 0);

    Menu->SetAutoHotkeys(maAutomatic);
    Steps = {[&] { FDesktop.Press('R'); }};
    PressWith(VK_MENU, 'E');
    EXPECT_EQ(NextStep, 1u);
    EXPECT_EQ(Clicked, std::vector<std::string>{"Properties"});
}
