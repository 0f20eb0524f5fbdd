// Controls and forms on the headless desktop: real input in, control state
// and pixels out.

#include "ButtonFreedByClick.h"

#include "framework/controls/ApplicationEvents.h"
#include "framework/controls/Button.h"
#include "framework/controls/ControlCanvas.h"
#include "framework/controls/Form.h"
#include "framework/controls/Label.h"
#include "framework/controls/Panel.h"
#include "framework/controls/Screen.h"
#include "framework/controls/Timer.h"
#include "platform/gfx/DeviceContext.h"
#include "platform/gfx/Shapes.h"
#include "platform/win/WinApi.h"

#include <functional>
#include <string>
#include <vector>

namespace
{
int GDestroyed = 0;

class TCountedLabel : public TLabel
{
  public:
    using TLabel::TLabel;
    ~TCountedLabel() override { ++GDestroyed; }
};

// A form placed at a known spot with a panel and three buttons in a tab
// order unlike their creation order.
class DialogForm : public ButtonFreedByClick<GuiTest>
{
  protected:
    DialogForm()
    {
        Form = new TForm(&FApp);
        Form->SetBounds(50, 40, 320, 200);
        Panel = MakeChild<TPanel>(8, 8, 100, 40);
        Panel->SetTabStop(true);
        Apply = MakeButton("&Apply", 8, 120);
        Ok = MakeButton("OK", 100, 120);
        Cancel = MakeButton("Cancel", 192, 120);
        Ok->SetDefault(true);
        Cancel->SetCancel(true);
        Panel->SetTabOrder(0);
        Ok->SetTabOrder(1);
        Cancel->SetTabOrder(2);
        Apply->SetTabOrder(3);
        Form->Show();
        FDesktop.Pump();
    }

    template <class T> T* MakeChild(int X, int Y, int W, int H)
    {
        auto* C = new T(Form);
        C->SetBounds(X, Y, W, H);
        C->SetParent(Form);
        return C;
    }

    TButton* MakeButton(const std::string& Caption, int X, int Y)
    {
        auto* B = MakeChild<TButton>(X, Y, 80, 25);
        B->SetCaption(Caption);
        B->OnClick = [this, B](TObject*) { Clicked.push_back(B); };
        return B;
    }

    TWinControl* Focus() const { return TWinControl::FindControl(GetFocus()); }

    TForm* Form;
    TPanel* Panel;
    TButton* Apply;
    TButton* Ok;
    TButton* Cancel;
    std::vector<TButton*> Clicked;
};
} // namespace

TEST_F(DialogForm, TabAndShiftTabFollowTheTabOrder)
{
    EXPECT_EQ(Focus(), Panel); // the first control in tab order
    std::vector<TWinControl*> Seen;
    for (int I = 0; I < 4; ++I)
    {
        FDesktop.Press(VK_TAB);
        FDesktop.Pump();
        Seen.push_back(Focus());
    }
    EXPECT_EQ(Seen, (std::vector<TWinControl*>{Ok, Cancel, Apply, Panel}));
    PressWith(VK_SHIFT, VK_TAB);
    EXPECT_EQ(Focus(), Apply);
    EXPECT_EQ(Form->ActiveControl(), Apply);

    Ok->SetTabStop(false);
    Cancel->SetEnabled(false);
    FDesktop.Press(VK_TAB);
    FDesktop.Pump();
    EXPECT_EQ(Focus(), Panel);
    FDesktop.Press(VK_TAB);
    FDesktop.Pump();
    EXPECT_EQ(Focus(), Apply); // skips the one without tab stop and the disabled one
}

TEST_F(DialogForm, AFreedControlLeavesTheTabOrder)
{
    Ok->Free();
    EXPECT_EQ(Form->ControlCount(), 3);
    std::vector<TWinControl*> Seen;
    for (int I = 0; I < 3; ++I)
    {
        FDesktop.Press(VK_TAB);
        FDesktop.Pump();
        Seen.push_back(Focus());
    }
    EXPECT_EQ(Seen, (std::vector<TWinControl*>{Cancel, Apply, Panel}));
}

TEST_F(DialogForm, EnterAndEscapeGoToTheDefaultAndCancelButtons)
{
    FDesktop.Press(VK_RETURN);
    FDesktop.Press(VK_ESCAPE);
    FDesktop.Pump();
    EXPECT_EQ(Clicked, (std::vector<TButton*>{Ok, Cancel}));

    // Enter on a focused button presses that one, not the default.
    Apply->SetFocus();
    FDesktop.Press(VK_RETURN);
    FDesktop.Pump();
    EXPECT_EQ(Clicked.back(), Apply);
}

TEST_F(DialogForm, AcceleratorsPressButtonsAndLabelsMoveTheFocus)
{
    auto* Name = MakeChild<TLabel>(120, 8, 60, 15);
    Name->SetCaption("&Name");
    Name->SetFocusControl(Cancel);
    PressWith(VK_MENU, 'A');
    EXPECT_EQ(Clicked, (std::vector<TButton*>{Apply}));
    FDesktop.Press('N'); // a plain key on a control that takes no characters
    FDesktop.Pump();
    EXPECT_EQ(Focus(), Cancel);
    EXPECT_EQ(Clicked.size(), 1u);
}

TEST_F(DialogForm, ClickingAButtonFocusesAndClicksIt)
{
    ClickOn(Apply);
    FDesktop.Pump();
    EXPECT_EQ(Clicked, (std::vector<TButton*>{Apply}));
    EXPECT_EQ(Focus(), Apply);
    // A press that leaves the button before the release is no click.
    POINT Inside = At(Cancel, 5, 5);
    POINT Outside = At(Cancel, 5, 60);
    FDesktop.MouseDown(Inside.x, Inside.y);
    FDesktop.MouseMove(Outside.x, Outside.y);
    FDesktop.MouseUp(Outside.x, Outside.y);
    FDesktop.Pump();
    EXPECT_EQ(Clicked.size(), 1u);
}

TEST_F(DialogForm, AButtonFreedByItsOwnClickIsGoneWhicheverWayItWasPressed)
{
    Ok->SetDefault(false);
    Cancel->SetCancel(false);
    ExpectEachWayClicksOnceAndFrees<TButton>([this] { return MakeButton("Zap", 8, 60); }, Panel,
                                             [this](const char* Way)
                                             { EXPECT_EQ(Form->ControlCount(), 4) << Way; });
}

TEST_F(DialogForm, ModalFormReturnsItsModalResultAndReenablesTheOthers)
{
    struct
    {
        const char* Action;
        TModalResult Expected;
    } const Cases[] = {{"click ok", mrOk}, {"escape", mrCancel}, {"close", mrCancel}};
    for (const auto& Case : Cases)
    {
        auto* Dialog = new TForm(&FApp);
        Dialog->SetBounds(300, 300, 200, 100);
        auto* DlgOk = new TButton(Dialog);
        DlgOk->SetParent(Dialog);
        DlgOk->SetBounds(10, 10, 80, 25);
        DlgOk->SetModalResult(mrOk);
        auto* DlgCancel = new TButton(Dialog);
        DlgCancel->SetParent(Dialog);
        DlgCancel->SetBounds(100, 10, 80, 25);
        DlgCancel->SetCancel(true);
        DlgCancel->SetModalResult(mrCancel);
        bool MainDisabledMeanwhile = false;
        DlgOk->OnClick = [&](TObject*)
        { MainDisabledMeanwhile = !IsWindowEnabled(Form->Handle()); };
        Dialog->HandleNeeded();
        std::string Action = Case.Action;
        if (Action == "click ok")
            ClickOn(DlgOk);
        else if (Action == "escape")
            FDesktop.Press(VK_ESCAPE);
        else
            PostMessage(Dialog->Handle(), WM_CLOSE, 0, 0);
        EXPECT_EQ(Dialog->ShowModal(), Case.Expected) << Action;
        EXPECT_FALSE(Dialog->Visible());
        EXPECT_TRUE(IsWindowEnabled(Form->Handle()));
        if (Action == "click ok")
        {
            EXPECT_TRUE(MainDisabledMeanwhile);
        }
        Dialog->Free();
    }
    EXPECT_FALSE(FApp.Terminated());
}

TEST_F(DialogForm, CloseQueryCanRefuseAndOnCloseDecidesWhatHappens)
{
    bool Allow = false;
    Form->OnCloseQuery = [&](TObject*, bool& CanClose) { CanClose = Allow; };
    Form->Close();
    EXPECT_TRUE(Form->Visible());
    Allow = true;
    Form->OnClose = [](TObject*, TCloseAction& Action) { Action = caHide; };
    Form->Close();
    EXPECT_FALSE(Form->Visible());
    EXPECT_FALSE(FApp.Terminated());
}

TEST_F(DialogForm, CloseWithCaFreeFreesTheFormOnceQueuedMessagesAreHandled)
{
    auto* Other = new TForm(&FApp);
    Other->SetBounds(400, 300, 100, 80);
    Other->Show();
    FDesktop.Pump();
    int Before = FApp.ComponentCount();
    Other->OnClose = [](TObject*, TCloseAction& Action) { Action = caFree; };
    Other->Close();
    EXPECT_EQ(FApp.ComponentCount(), Before); // still there until the loop runs
    FDesktop.Pump();
    EXPECT_EQ(FApp.ComponentCount(), Before - 1);
}

TEST_F(DialogForm, WindowStateFollowsTheWindowAndBack)
{
    Form->SetWindowState(wsMaximized);
    FDesktop.Pump();
    EXPECT_TRUE(IsZoomed(Form->Handle()));
    EXPECT_GE(Form->Width(), 800); // the work area, frame outside
    ShowWindow(Form->Handle(), SW_RESTORE);
    FDesktop.Pump();
    EXPECT_EQ(Form->WindowState(), wsNormal);
    EXPECT_EQ(Form->BoundsRect(), (TRect{50, 40, 370, 240}));
    ShowWindow(Form->Handle(), SW_MINIMIZE);
    FDesktop.Pump();
    EXPECT_EQ(Form->WindowState(), wsMinimized);
}

TEST_F(DialogForm, MouseEnterAndLeaveReachGraphicControls)
{
    auto* Hot = MakeChild<TLabel>(150, 60, 80, 20);
    Hot->SetAutoSize(false);
    std::vector<std::string> Events;
    Hot->OnMouseEnter = [&](TObject*) { Events.push_back("enter"); };
    Hot->OnMouseLeave = [&](TObject*) { Events.push_back("leave"); };
    POINT Over = At(Hot, 10, 10);
    POINT Beside = At(Hot, 10, -15);
    FDesktop.MouseMove(Over.x, Over.y);
    FDesktop.MouseMove(Over.x + 1, Over.y);
    FDesktop.MouseMove(Beside.x, Beside.y);
    FDesktop.Pump();
    EXPECT_EQ(Events, (std::vector<std::string>{"enter", "leave"}));
}

TEST_F(DialogForm, AQuickSecondClickIsAPressForControlsWithoutDoubleClicks)
{
    auto* Plain = MakeChild<TLabel>(150, 60, 80, 20);
    Plain->SetAutoSize(false);
    Plain->SetControlStyle(Plain->ControlStyle() - TControlStyle{csDoubleClicks});
    int Downs = 0, Doubles = 0;
    Plain->OnMouseDown = [&](TObject*, TMouseButton, TShiftState Shift, int, int)
    { ++(Shift.Contains(ssDouble) ? Doubles : Downs); };
    POINT Over = At(Plain, 10, 10);
    FDesktop.Click(Over.x, Over.y);
    FDesktop.Click(Over.x, Over.y);
    FDesktop.Pump();
    EXPECT_EQ(Downs, 2);
    EXPECT_EQ(Doubles, 0);
    Plain->OnMouseDown = {};
}

TEST_F(DialogForm, BorderWidthIsANonClientMarginInTheControlsColour)
{
    Panel->SetColor(clRed);
    Panel->SetBevelOuter(bvNone);
    Panel->SetBorderWidth(4);
    FDesktop.Pump();
    EXPECT_EQ(Panel->ClientWidth(), 100 - 8);
    TPoint Origin = Panel->ClientOrigin();
    EXPECT_EQ(FDesktop.ScreenPixel(Origin.X - 2, Origin.Y - 2), ColorToRGB(clRed));
    EXPECT_EQ(FDesktop.ScreenPixel(Origin.X + 2, Origin.Y + 2), ColorToRGB(clRed));
}

TEST_F(DialogForm, AlignedChildrenShareTheClientArea)
{
    auto* Host = MakeChild<TPanel>(0, 0, 10, 10);
    Host->SetBevelOuter(bvNone);
    Host->SetAlign(alClient);
    auto* Top = new TPanel(Form);
    Top->SetHeight(30);
    Top->SetAlign(alTop);
    Top->SetParent(Host);
    auto* Rest = new TPanel(Form);
    Rest->SetAlign(alClient);
    Rest->SetParent(Host);
    TRect Client = Form->ClientRect();
    EXPECT_EQ(Host->BoundsRect(), Client);
    EXPECT_EQ(Top->BoundsRect(), (TRect{0, 0, Client.Width(), 30}));
    EXPECT_EQ(Rest->BoundsRect(), (TRect{0, 30, Client.Width(), Client.Height()}));
    Form->Constraints()->SetMaxWidth(250);
    EXPECT_EQ(Form->Width(), 250);
    EXPECT_EQ(Host->Width(), Form->ClientWidth());
}

TEST_F(DialogForm, AReplacedWindowProcSeesMessagesAndCanPassThemOn)
{
    auto Old = Panel->WindowProc;
    int Paints = 0;
    bool SawDialogKey = false;
    Panel->WindowProc = [&](TMessage& M)
    {
        if (M.Msg == WM_PAINT) ++Paints;
        if (M.Msg == CM_DIALOGKEY) SawDialogKey = true;
        Old(M);
    };
    Panel->SetColor(clLime);
    Panel->Repaint();
    FDesktop.Pump();
    EXPECT_GT(Paints, 0);
    TPoint Center = Panel->ClientToScreen({50, 20});
    EXPECT_EQ(FDesktop.ScreenPixel(Center.X, Center.Y), ColorToRGB(clLime));
    FDesktop.Press(VK_RETURN); // broadcast to every control
    FDesktop.Pump();
    EXPECT_TRUE(SawDialogKey);
    Panel->WindowProc = Old;
}

TEST_F(DialogForm, TimerTicksOnTheFakeClockWhileEnabled)
{
    TTimer Timer(nullptr);
    int Ticks = 0;
    Timer.SetInterval(100);
    Timer.SetOnTimer([&](TObject*) { ++Ticks; });
    for (int I = 0; I < 3; ++I)
        FDesktop.Advance(100);
    EXPECT_EQ(Ticks, 3);
    FDesktop.Advance(350); // late by several periods: once
    EXPECT_EQ(Ticks, 4);
    Timer.SetEnabled(false);
    FDesktop.Advance(500);
    EXPECT_EQ(Ticks, 4);
    Timer.SetEnabled(true);
    Timer.SetInterval(0);
    FDesktop.Advance(500);
    EXPECT_EQ(Ticks, 4);
}

TEST_F(DialogForm, AnEscapedExceptionIsShownAndTheLoopGoesOn)
{
    Apply->OnClick = [](TObject*) { throw Exception("Port is busy"); };
    std::string Caption;
    std::string Text;
    TApplicationEvents Events(nullptr);
    Events.OnMessage = [&](MSG& Msg, bool&)
    {
        TCustomForm* Shown = Screen->ActiveForm();
        if (Msg.message != WM_KEYDOWN || !Shown || Shown == Form) return;
        Caption = Shown->Caption();
        for (int I = 0; I < Shown->ControlCount(); ++I)
            if (auto* L = dynamic_cast<TLabel*>(Shown->Controls(I))) Text = L->Caption();
    };
    ClickOn(Apply);
    FDesktop.Press(VK_RETURN); // answers the message box
    FDesktop.Pump();
    EXPECT_EQ(Caption, "Error");
    EXPECT_EQ(Text, "Port is busy.");
    EXPECT_EQ(Screen->ActiveForm(), Form);

    ClickOn(Ok);
    FDesktop.Pump();
    EXPECT_EQ(Clicked, (std::vector<TButton*>{Ok}));
}

TEST_F(DialogForm, MainWindowHooksSeeTheMainFormsMessagesFirst)
{
    TForm* Main = nullptr;
    FApp.CreateForm(Main);
    Main->Show();
    int Texts = 0;
    int Id = FApp.HookMainWindow(
        [&](TMessage& M)
        {
            if (M.Msg == WM_SETTEXT) ++Texts;
            return M.Msg == WM_CLOSE; // keeps the main form open
        });
    Main->SetCaption("hooked");
    PostMessage(Main->Handle(), WM_CLOSE, 0, 0);
    FDesktop.Pump();
    EXPECT_EQ(Texts, 1);
    EXPECT_TRUE(Main->Visible());
    FApp.UnhookMainWindow(Id);
    PostMessage(Main->Handle(), WM_CLOSE, 0, 0);
    FDesktop.Pump();
    FApp.ProcessMessages();
    EXPECT_TRUE(FApp.Terminated()); // closing the main form ends the application
}

TEST_F(GuiTest, OwnerDestructionFreesOwnedComponentsWhateverTheirParents)
{
    GDestroyed = 0;
    auto* Form = new TForm(&FApp);
    auto* Early = new TCountedLabel(Form); // created before its parent
    auto* Panel = new TPanel(Form);
    Panel->SetParent(Form);
    Early->SetParent(Panel);
    auto* Late = new TCountedLabel(Form);
    Late->SetParent(Panel);
    Form->Show();
    FDesktop.Pump();
    int Before = FApp.ComponentCount();
    Form->Free();
    EXPECT_EQ(GDestroyed, 2);
    EXPECT_EQ(FApp.ComponentCount(), Before - 1);
    EXPECT_EQ(Screen->FormCount(), 0);
}

TEST(Application, AQuitFromOutsideClosesTheMainFormAndEndsTheLoopWhateverItAnswers)
{
    struct TCase
    {
        const char* Name;
        bool FromOutside; // a quit request nobody in the program made
        bool AllowClose;
        int Closes; // OnClose calls
    };
    const TCase Cases[] = {
        {"signal, close allowed", true, true, 1},
        {"signal, close refused", true, false, 0},
        {"the program's own Terminate", false, true, 0},
    };
    THeadlessDesktop Desktop(800, 600);
    for (const TCase& Case : Cases)
    {
        SCOPED_TRACE(Case.Name);
        TApplication App;
        App.Initialize();
        TForm* Main = nullptr;
        App.CreateForm(Main);
        int Queries = 0, Closes = 0;
        Main->OnCloseQuery = [&](TObject*, bool& CanClose)
        {
            ++Queries;
            CanClose = Case.AllowClose;
        };
        Main->OnClose = [&](TObject*, TCloseAction&) { ++Closes; };
        if (Case.FromOutside)
            PostQuitMessage(0);
        else
            App.Terminate();
        App.Run();
        EXPECT_TRUE(App.Terminated());
        EXPECT_EQ(Queries, Case.FromOutside ? 1 : 0);
        EXPECT_EQ(Closes, Case.Closes);
        MSG Msg;
        EXPECT_FALSE(PeekMessage(&Msg, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE))
            << "no second quit request is left behind";
    }
}

namespace
{
// A form whose handlers use what the derived class owns; its destructor
// marks the point after which they must not run.
class TWholeForm : public TForm
{
  public:
    explicit TWholeForm(TComponent* AOwner, std::vector<std::string>& Log)
        : TForm(AOwner), FLog(Log)
    {
        OnDestroy = [this](TObject*) { FLog.push_back("destroy " + FState); };
    }
    ~TWholeForm() override { FLog.push_back("destructor"); }

    void Ready() { DoCreate(); }

  protected:
    void DoCreate() override
    {
        FState = "whole";
        FLog.push_back("create");
        TForm::DoCreate();
    }

  private:
    std::vector<std::string>& FLog;
    std::string FState = "unset";
};
} // namespace

TEST_F(GuiTest, OnDestroyRunsWhileTheDerivedFormIsWhole)
{
    using Log = std::vector<std::string>;
    for (bool ByOwner : {false, true})
    {
        Log Seen;
        auto* Owner = new TComponent(nullptr);
        auto* Form = new TWholeForm(Owner, Seen);
        Form->Ready();
        if (!ByOwner) Form->Free();
        delete Owner;
        EXPECT_EQ(Seen, (Log{"create", "destroy whole", "destructor"})) << ByOwner;
    }
}

TEST_F(DialogForm, GetParentFormIsTheTopmostParentWhenItIsAForm)
{
    auto* Inner = new TLabel(Form);
    Inner->SetParent(Panel);
    EXPECT_EQ(GetParentForm(Inner), Form);
    EXPECT_EQ(GetParentForm(Panel), Form);
    EXPECT_EQ(GetParentForm(Form), Form);
    EXPECT_EQ(GetParentForm(nullptr), nullptr);

    TPanel Outer(nullptr);
    auto* Loose = new TLabel(&Outer);
    Loose->SetParent(&Outer);
    EXPECT_EQ(GetParentForm(Loose), nullptr);
    EXPECT_EQ(GetParentForm(&Outer), nullptr);
}

TEST_F(DialogForm, ControlCanvasDrawsOutsidePaint)
{
    auto PixelOf = [](HWND Window, bool WholeWindow, int X, int Y)
    {
        HDC Dc = WholeWindow ? GetWindowDC(Window) : GetDC(Window);
        TColor C = GetPixel(*Dc, X, Y);
        ReleaseDC(Window, Dc);
        return C;
    };

    Panel->SetBorderWidth(3);
    {
        TControlCanvas Client(Panel);
        EXPECT_TRUE(*Client.Font() == *Panel->Font());
        Client.Brush()->SetColor(clRed);
        Client.FillRect({0, 0, 2, 2});
    }
    EXPECT_EQ(PixelOf(Panel->Handle(), false, 0, 0), RGB(255, 0, 0));
    EXPECT_NE(PixelOf(Panel->Handle(), true, 0, 0), RGB(255, 0, 0));
    {
        TControlCanvas Whole(Panel, true);
        Whole.Brush()->SetColor(clBlue);
        Whole.FillRect({0, 0, 1, 1});
    }
    EXPECT_EQ(PixelOf(Panel->Handle(), true, 0, 0), RGB(0, 0, 255));

    // A graphic control draws in its own rectangle of the parent.
    auto* Label = MakeChild<TLabel>(20, 60, 30, 15);
    Label->SetAutoSize(false);
    Label->SetBounds(20, 60, 30, 15);
    {
        TControlCanvas OnLabel(Label);
        OnLabel.Brush()->SetColor(clLime);
        OnLabel.FillRect({0, 0, 100, 100});
    }
    EXPECT_EQ(PixelOf(Form->Handle(), false, 20, 60), RGB(0, 255, 0));
    EXPECT_EQ(PixelOf(Form->Handle(), false, 49, 74), RGB(0, 255, 0));
    EXPECT_NE(PixelOf(Form->Handle(), false, 50, 60), RGB(0, 255, 0));
    EXPECT_NE(PixelOf(Form->Handle(), false, 20, 75), RGB(0, 255, 0));

    TPanel NoWindow(nullptr);
    TControlCanvas Nothing(&NoWindow);
    EXPECT_EQ(Nothing.Handle(), nullptr);
    Nothing.FillRect({0, 0, 5, 5});
}

TEST_F(DialogForm, CaptureGivenUpThroughTheWindowSystemIsForgotten)
{
    // A handler that hands the mouse to the window system (as a window drag
    // does) must not leave the panel recorded as holding it, or the form's
    // later mouse messages would all be routed to the panel.
    Panel->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int)
    {
        EXPECT_EQ(TControl::CaptureControl(), Panel);
        ReleaseCapture();
    };
    POINT P = At(Panel, 10, 10);
    FDesktop.MouseDown(P.x, P.y);
    FDesktop.Pump();
    EXPECT_EQ(TControl::CaptureControl(), nullptr);
    FDesktop.MouseUp(P.x, P.y);
    FDesktop.Pump();

    // Capture taken by another window of the same control keeps the record.
    Panel->OnMouseDown.Clear();
    FDesktop.MouseDown(P.x, P.y);
    FDesktop.Pump();
    EXPECT_EQ(TControl::CaptureControl(), Panel);
    FDesktop.MouseUp(P.x, P.y);
    FDesktop.Pump();
    EXPECT_EQ(TControl::CaptureControl(), nullptr);
}

TEST_F(GuiTest, CentringKeepsTheFormInsideTheWorkAreaOfItsMonitor)
{
    const auto Place = [this](TComponent* Owner, TPosition Position, int Width, int Height)
    {
        auto* F = new TForm(Owner);
        F->SetPosition(Position);
        F->SetBounds(0, 0, Width, Height);
        F->Show();
        FDesktop.Pump();
        RECT R{};
        GetWindowRect(F->Handle(), &R);
        return R;
    };
    // A screen smaller than the form: the top-left corner, below a panel.
    FDesktop.SetMonitors({{{0, 0, 320, 240}, {0, 0, 320, 240}}});
    RECT R = Place(&FApp, poScreenCenter, 399, 347);
    EXPECT_EQ(R.left, 0);
    EXPECT_EQ(R.top, 0);
    FDesktop.SetMonitors({{{0, 0, 320, 240}, {0, 24, 320, 240}}});
    R = Place(&FApp, poDesktopCenter, 399, 347);
    EXPECT_EQ(R.left, 0);
    EXPECT_EQ(R.top, 24);

    // A form that fits is centred exactly.
    FDesktop.SetMonitors({{{0, 0, 800, 600}, {0, 0, 800, 600}}});
    R = Place(&FApp, poScreenCenter, 300, 200);
    EXPECT_EQ(R.left, 250);
    EXPECT_EQ(R.top, 200);

    // Centred on an owner near the edge: moved back inside.
    auto* Owner = new TForm(&FApp);
    Owner->SetBounds(600, 450, 200, 150);
    Owner->Show();
    R = Place(Owner, poOwnerFormCenter, 400, 300);
    EXPECT_EQ(R.left, 400);
    EXPECT_EQ(R.top, 300);

    // On a small second display: inside that display's work area.
    FDesktop.SetMonitors(
        {{{0, 0, 800, 600}, {0, 0, 800, 600}}, {{800, 0, 1120, 240}, {800, 0, 1120, 240}}});
    Owner->SetBounds(820, 20, 280, 200);
    R = Place(Owner, poOwnerFormCenter, 399, 347);
    EXPECT_EQ(R.left, 800);
    EXPECT_EQ(R.top, 0);
}
