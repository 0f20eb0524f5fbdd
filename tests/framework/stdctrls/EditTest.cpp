// The edit on the headless desktop: real keys and clicks in, text,
// selection, clipboard and pixels out.

#include "../GuiFixture.h"

#include "framework/controls/Form.h"
#include "framework/stdctrls/Edit.h"
#include "framework/stdctrls/StdCtrlMessages.h"
#include "platform/gfx/Shapes.h"
#include "platform/win/WinApi.h"

namespace
{
// An edit that shows where its characters are.
class TProbedEdit : public TEdit
{
  public:
    using TCustomEdit::PosToX;
    using TEdit::TEdit;
};

class EditForm : public GuiTest
{
  protected:
    EditForm()
    {
        Form = new TForm(&FApp);
        Form->SetBounds(40, 40, 300, 150);
        Edit = new TProbedEdit(Form);
        Edit->SetParent(Form);
        Edit->SetBounds(10, 10, 150, 21);
        Edit->OnChange = [this](TObject*) { Changes.push_back(Edit->Text()); };
        Other = new TEdit(Form);
        Other->SetParent(Form);
        Other->SetBounds(10, 50, 150, 21);
        Form->Show();
        FDesktop.Pump();
    }

    void Type(const std::string& Keys)
    {
        for (char C : Keys)
        {
            bool Upper = C >= 'A' && C <= 'Z';
            UINT Vk = C == ' ' ? VK_SPACE
                               : static_cast<UINT>(std::toupper(static_cast<unsigned char>(C)));
            if (Upper) FDesktop.KeyDown(VK_SHIFT);
            FDesktop.Press(Vk);
            if (Upper) FDesktop.KeyUp(VK_SHIFT);
        }
        FDesktop.Pump();
    }
    void Key(UINT Vk, int Times = 1)
    {
        for (int I = 0; I < Times; ++I)
            FDesktop.Press(Vk);
        FDesktop.Pump();
    }
    // Screen point of the boundary before byte Pos of the edit's text.
    POINT AtPos(int Pos) const
    {
        TPoint P = Edit->ClientToScreen({EditX(Pos), Edit->ClientHeight() / 2});
        return {P.X, P.Y};
    }
    int EditX(int Pos) const { return Edit->PosToX(Pos); }

    TForm* Form;
    TProbedEdit* Edit;
    TEdit* Other;
    std::vector<std::string> Changes;
};
} // namespace

TEST_F(EditForm, TypingInsertsAtTheCaretAndReportsEveryChange)
{
    Edit->SetFocus();
    Type("port");
    EXPECT_EQ(Edit->Text(), "port");
    EXPECT_EQ(Changes, (std::vector<std::string>{"p", "po", "por", "port"}));
    Key(VK_HOME);
    Type("A");
    Key(VK_END);
    Key(VK_LEFT);
    Type("x");
    EXPECT_EQ(Edit->Text(), "Aporxt");
    EXPECT_EQ(Edit->SelStart(), 5);
    EXPECT_EQ(Edit->SelLength(), 0);
}

TEST_F(EditForm, KeyboardSelectionAndDeletion)
{
    struct
    {
        const char* Name;
        std::vector<std::pair<UINT, UINT>> Keys; // modifier (0: none), key
        const char* Text;
        int SelStart;
        int SelLength;
    } const Cases[] = {
        {"shift+left selects", {{VK_SHIFT, VK_LEFT}, {VK_SHIFT, VK_LEFT}}, "alpha beta", 8, 2},
        {"shift+home selects to the start", {{VK_SHIFT, VK_HOME}}, "alpha beta", 0, 10},
        {"ctrl+left jumps a word", {{VK_CONTROL, VK_LEFT}}, "alpha beta", 6, 0},
        {"ctrl+shift+left selects a word",
         {{VK_CONTROL, VK_LEFT}, {0, VK_HOME}, {VK_SHIFT, VK_RIGHT}},
         "alpha beta",
         0,
         1},
        {"backspace", {{0, VK_BACK}, {0, VK_BACK}}, "alpha be", 8, 0},
        {"delete after home", {{0, VK_HOME}, {0, VK_DELETE}}, "lpha beta", 0, 0},
        {"delete removes the selection", {{VK_SHIFT, VK_HOME}, {0, VK_DELETE}}, "", 0, 0},
        {"left collapses a selection",
         {{VK_SHIFT, VK_LEFT}, {VK_SHIFT, VK_LEFT}, {0, VK_LEFT}},
         "alpha beta",
         8,
         0},
        {"ctrl+backspace removes a word", {{VK_CONTROL, VK_BACK}}, "alpha ", 6, 0},
        {"ctrl+a selects all", {{VK_CONTROL, 'A'}}, "alpha beta", 0, 10},
    };
    for (const auto& Case : Cases)
    {
        Edit->SetText("alpha beta");
        Edit->SetFocus();
        Edit->SetSelStart(10);
        for (auto [Modifier, Vk] : Case.Keys)
        {
            if (Modifier)
                PressWith(Modifier, Vk);
            else
                Key(Vk);
        }
        EXPECT_EQ(Edit->Text(), Case.Text) << Case.Name;
        EXPECT_EQ(Edit->SelStart(), Case.SelStart) << Case.Name;
        EXPECT_EQ(Edit->SelLength(), Case.SelLength) << Case.Name;
    }
}

TEST_F(EditForm, MouseClickDragAndDoubleClickSelect)
{
    Edit->SetText("alpha beta");
    POINT A = AtPos(2);
    FDesktop.Click(A.x, A.y);
    FDesktop.Pump();
    EXPECT_TRUE(Edit->Focused());
    EXPECT_EQ(Edit->SelStart(), 2); // a click places the caret, no auto-select
    EXPECT_EQ(Edit->SelLength(), 0);

    POINT B = AtPos(8);
    FDesktop.Advance(1000); // no double click
    FDesktop.MouseDown(A.x, A.y);
    FDesktop.MouseMove(B.x, B.y);
    FDesktop.MouseUp(B.x, B.y);
    FDesktop.Pump();
    EXPECT_EQ(Edit->SelText(), "pha be");

    FDesktop.Advance(1000); // apart from the last click
    POINT C = AtPos(8);
    FDesktop.Click(C.x, C.y);
    FDesktop.Click(C.x, C.y);
    FDesktop.Pump();
    EXPECT_EQ(Edit->SelText(), "beta");
}

TEST_F(EditForm, TabbingInSelectsAllWhenAutoSelectIsOn)
{
    Edit->SetText("433.00");
    Other->SetFocus();
    Key(VK_TAB);
    EXPECT_TRUE(Edit->Focused());
    EXPECT_EQ(Edit->SelLength(), 6);
    Edit->SetAutoSelect(false);
    Other->SetFocus();
    Edit->SetSelStart(2);
    Key(VK_TAB);
    EXPECT_EQ(Edit->SelLength(), 0);
}

TEST_F(EditForm, CutAndPasteThroughTheClipboard)
{
    Edit->SetText("COM7 busy");
    Edit->SetFocus();
    Edit->SetSelStart(0);
    Edit->SetSelLength(4);
    Changes.clear();
    PressWith(VK_CONTROL, 'X');
    EXPECT_EQ(Edit->Text(), " busy");
    EXPECT_EQ(GetClipboardText(), "COM7");
    Key(VK_END);
    PressWith(VK_CONTROL, 'V');
    EXPECT_EQ(Edit->Text(), " busyCOM7");
    PressWith(VK_SHIFT, VK_INSERT);
    EXPECT_EQ(Edit->Text(), " busyCOM7COM7");
    EXPECT_EQ(Changes.size(), 3u);

    // Ctrl+C copies without changing; Ctrl+Z undoes the last paste.
    Edit->SelectAll();
    PressWith(VK_CONTROL, 'C');
    EXPECT_EQ(GetClipboardText(), " busyCOM7COM7");
    PressWith(VK_CONTROL, 'Z');
    EXPECT_EQ(Edit->Text(), " busyCOM7");

    // Only the first line of a pasted text goes in.
    OpenClipboard(nullptr);
    EmptyClipboard();
    SetClipboardText("one\r\ntwo");
    CloseClipboard();
    Edit->SelectAll();
    PressWith(VK_CONTROL, 'V');
    EXPECT_EQ(Edit->Text(), "one");
}

TEST_F(EditForm, UndoTakesBackATypedRunAndRedoesWhenRepeated)
{
    Edit->SetFocus();
    Type("abc");
    Key(VK_LEFT);
    Type("d");
    EXPECT_EQ(Edit->Text(), "abdc");
    PressWith(VK_CONTROL, 'Z');
    EXPECT_EQ(Edit->Text(), "abc");
    PressWith(VK_CONTROL, 'Z');
    EXPECT_EQ(Edit->Text(), "abdc");
    Edit->SetText("fresh"); // a program's text clears the undo buffer
    EXPECT_FALSE(Edit->CanUndo());
}

TEST_F(EditForm, ARefusedKeyPressStopsTheShortcutToo)
{
    Edit->SetText("keep");
    Edit->SetFocus();
    Edit->SelectAll();
    Edit->OnKeyPress = [](TObject*, char& C)
    {
        if (C == 0x16 || C == 'x') C = 0; // refuses paste and 'x'
    };
    OpenClipboard(nullptr);
    EmptyClipboard();
    SetClipboardText("pasted");
    CloseClipboard();
    PressWith(VK_CONTROL, 'V');
    Type("xy");
    EXPECT_EQ(Edit->Text(), "y");
}

TEST_F(EditForm, MaxLengthAndReadOnlyLimitTheUser)
{
    Edit->SetMaxLength(4);
    Edit->SetFocus();
    Type("abcdef");
    EXPECT_EQ(Edit->Text(), "abcd");
    EXPECT_GT(FDesktop.Beeps(), 0);
    Edit->SetText("program may go past");
    EXPECT_EQ(Edit->Text(), "program may go past");

    Edit->SetReadOnly(true);
    Edit->SelectAll();
    Type("z");
    Key(VK_DELETE);
    PressWith(VK_CONTROL, 'X');
    EXPECT_EQ(Edit->Text(), "program may go past");
    EXPECT_EQ(GetClipboardText(), ""); // a refused cut copies nothing either
    PressWith(VK_CONTROL, 'C');
    EXPECT_EQ(GetClipboardText(), "program may go past");
}

TEST_F(EditForm, ProgramTextRunsChangeOnceWithOrWithoutAWindow)
{
    Edit->SetText("433.00");
    Edit->SetText("433.00");
    EXPECT_EQ(Changes, (std::vector<std::string>{"433.00"}));
    TEdit Loose(nullptr);
    int Count = 0;
    Loose.OnChange = [&](TObject*) { ++Count; };
    Loose.SetText("1");
    EXPECT_EQ(Count, 1);
    EXPECT_EQ(SendMessage(Edit->Handle(), WM_GETTEXTLENGTH, 0, 0), 6);
}

TEST_F(EditForm, EditMessagesDriveTheSelectionAndText)
{
    HWND H = Edit->Handle();
    SendMessage(H, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("abcdef"));
    SendMessage(H, EM_SETSEL, 1, 3);
    DWORD Start = 0, End = 0;
    SendMessage(H, EM_GETSEL, reinterpret_cast<WPARAM>(&Start), reinterpret_cast<LPARAM>(&End));
    EXPECT_EQ(Start, 1u);
    EXPECT_EQ(End, 3u);
    SendMessage(H, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("XY"));
    EXPECT_EQ(Edit->Text(), "aXYdef");
    EXPECT_TRUE(SendMessage(H, EM_CANUNDO, 0, 0));
    SendMessage(H, EM_SETSEL, 0, -1);
    EXPECT_EQ(Edit->SelLength(), 6);
    SendMessage(H, EM_SETSEL, static_cast<WPARAM>(-1), 0); // drops the selection
    EXPECT_EQ(Edit->SelLength(), 0);
    SendMessage(H, WM_CLEAR, 0, 0);
    EXPECT_EQ(Edit->Text(), "aXYdef");
    SendMessage(H, EM_SETSEL, 0, 2);
    SendMessage(H, WM_CLEAR, 0, 0);
    EXPECT_EQ(Edit->Text(), "Ydef");
}

TEST_F(EditForm, RightAlignedTextEndsAtTheRightEdge)
{
    Edit->SetText("42");
    EXPECT_EQ(EditX(0), 1); // left aligned: after the one-pixel margin
    Edit->SetAlignment(taRightJustify);
    FDesktop.Pump();
    int Right = EditX(2);
    EXPECT_GE(Right, Edit->ClientWidth() - 3);
    EXPECT_LT(Right, Edit->ClientWidth());
    // Ink lies near the right edge, none near the left.
    TPoint Origin = Edit->ClientOrigin();
    auto InkBetween = [&](int From, int To)
    {
        for (int X = From; X < To; ++X)
            for (int Y = 2; Y < Edit->ClientHeight() - 2; ++Y)
                if (FDesktop.ScreenPixel(Origin.X + X, Origin.Y + Y) != ColorToRGB(clWindow))
                    return true;
        return false;
    };
    EXPECT_TRUE(InkBetween(Edit->ClientWidth() - 20, Edit->ClientWidth()));
    EXPECT_FALSE(InkBetween(0, Edit->ClientWidth() - 30));
}

TEST_F(EditForm, ADescendantsRightAlignedStyleAlignsTheText)
{
    struct TNumberEdit : TEdit
    {
        using TCustomEdit::PosToX;
        using TEdit::TEdit;
        void CreateParams(TCreateParams& Params) override
        {
            TEdit::CreateParams(Params);
            Params.Style |= ES_RIGHT;
        }
    };
    auto* Number = new TNumberEdit(Form);
    Number->SetParent(Form);
    Number->SetBounds(10, 90, 100, 21);
    Number->SetText("433.00");
    EXPECT_EQ(Number->Alignment(), taLeftJustify);
    EXPECT_GE(Number->PosToX(6), Number->ClientWidth() - 3);
}

TEST_F(EditForm, AMultiLineEditKeepsItsTextInsideTheFormattingRectangle)
{
    struct TRectEdit : TEdit
    {
        using TCustomEdit::PosToX;
        using TEdit::TEdit;
        bool Multi = true;
        void CreateParams(TCreateParams& Params) override
        {
            TEdit::CreateParams(Params);
            Params.Style |= ES_RIGHT | (Multi ? ES_MULTILINE : 0);
        }
    };
    auto Rect = [](TWinControl* E)
    {
        RECT R{};
        SendMessage(E->Handle(), EM_GETRECT, 0, reinterpret_cast<LPARAM>(&R));
        return R;
    };
    auto* Multi = new TRectEdit(Form);
    Multi->SetParent(Form);
    Multi->SetBounds(10, 90, 100, 21);
    Multi->SetColor(clLime);
    Multi->SetText("12");
    const int W = Multi->ClientWidth();
    const int H = Multi->ClientHeight();
    EXPECT_EQ(Rect(Multi).right, W - 1) << "the default: the client area less the margin";
    RECT Narrow{0, 0, W - 20, H + 1};
    SendMessage(Multi->Handle(), EM_SETRECT, 0, reinterpret_cast<LPARAM>(&Narrow));
    EXPECT_EQ(Rect(Multi).right, W - 20);
    EXPECT_LE(Multi->PosToX(2), W - 20) << "right-aligned at the rectangle's edge";
    Multi->SetText("WWWWWWWWWWWWWWWWWWWWWWWW");
    FDesktop.Pump();
    TPoint Origin = Multi->ClientOrigin();
    for (int X = W - 19; X < W; ++X)
        EXPECT_EQ(FDesktop.ScreenPixel(Origin.X + X, Origin.Y + H / 2), clLime) << X;
    // A resize brings back the default.
    Multi->SetWidth(120);
    EXPECT_EQ(Rect(Multi).right, Multi->ClientWidth() - 1);

    auto* Single = new TRectEdit(Form);
    Single->Multi = false;
    Single->SetParent(Form);
    Single->SetBounds(10, 120, 100, 21);
    SendMessage(Single->Handle(), EM_SETRECT, 0, reinterpret_cast<LPARAM>(&Narrow));
    EXPECT_EQ(Rect(Single).right, Single->ClientWidth() - 1) << "a single-line edit ignores it";
}

TEST_F(EditForm, BorderStyleAndBorderWidthSetTheNonClientMargin)
{
    EXPECT_EQ(Edit->ClientWidth(), 150 - 4); // the sunken edge
    Edit->SetBorderStyle(bsNone);
    EXPECT_EQ(Edit->ClientWidth(), 150);
    Edit->SetBorderWidth(2);
    EXPECT_EQ(Edit->ClientWidth(), 146);
    EXPECT_EQ(Edit->ClientHeight(), 17);
}

namespace
{
// An edit that draws its own red frame into its border margin.
class TFramedEdit : public TEdit
{
  public:
    using TEdit::TEdit;

  protected:
    void PaintBorderMargin(HDC Dc, const TRect& Margin) override
    {
        FillRect(*Dc, Margin, gfx::TBrush::Solid(clRed));
    }
};
} // namespace

TEST_F(EditForm, ANonClientRepaintKeepsTheFrameADescendantDrawsInTheMargin)
{
    auto* Framed = new TFramedEdit(Form);
    Framed->SetParent(Form);
    Framed->SetBorderStyle(bsNone);
    Framed->SetBorderWidth(2);
    Framed->SetBounds(10, 90, 100, 21);
    FDesktop.Pump();
    // A frame change repaints only the non-client area.
    SetWindowPos(Framed->Handle(), nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
    FDesktop.Pump();
    RECT W;
    GetWindowRect(Framed->Handle(), &W);
    EXPECT_EQ(FDesktop.ScreenPixel(W.left, W.top), clRed);
    EXPECT_EQ(FDesktop.ScreenPixel(W.left + 1, W.top + 10), clRed);
    EXPECT_EQ(FDesktop.ScreenPixel(W.right - 2, W.bottom - 2), clRed);
    // The plain edit still fills its margin in its colour.
    Edit->SetBorderStyle(bsNone);
    Edit->SetBorderWidth(2);
    Edit->SetColor(clLime);
    FDesktop.Pump();
    GetWindowRect(Edit->Handle(), &W);
    EXPECT_EQ(FDesktop.ScreenPixel(W.left, W.top), clLime);
}

TEST_F(EditForm, DisabledTextIsGrey)
{
    Edit->SetText("WWWW");
    Edit->SetEnabled(false);
    FDesktop.Pump();
    TPoint Origin = Edit->ClientOrigin();
    bool Grey = false;
    bool Black = false;
    for (int X = 0; X < 40; ++X)
        for (int Y = 0; Y < Edit->ClientHeight(); ++Y)
        {
            TColor P = FDesktop.ScreenPixel(Origin.X + X, Origin.Y + Y);
            Grey |= P == ColorToRGB(clGrayText);
            Black |= P == ColorToRGB(clWindowText);
        }
    EXPECT_TRUE(Grey);
    EXPECT_FALSE(Black);
}

TEST_F(EditForm, TheContextMenuPastesAndKnowsWhatIsPossible)
{
    Edit->SetText("COM");
    OpenClipboard(nullptr);
    EmptyClipboard();
    SetClipboardText("7");
    CloseClipboard();
    Other->SetFocus();
    POINT End = AtPos(3);
    // The menu loop takes the keys queued behind the right click. Entering
    // by a right click selects everything, as any entry but a left click.
    FDesktop.Click(End.x + 20, End.y, TRawInput::TButton::Right);
    FDesktop.Press('P'); // &Paste
    FDesktop.Pump();
    EXPECT_TRUE(Edit->Focused());
    EXPECT_EQ(Edit->Text(), "7");
    Edit->SetText("COM");
    Edit->SetSelStart(3);
    FDesktop.Click(End.x + 20, End.y, TRawInput::TButton::Right);
    FDesktop.Press('P');
    FDesktop.Pump();
    EXPECT_EQ(Edit->Text(), "COM7");
    EXPECT_EQ(Changes.back(), "COM7");

    // Without a selection Cut and Delete are disabled: their letters do
    // nothing; Select All then Delete clears the text.
    FDesktop.Click(End.x, End.y, TRawInput::TButton::Right);
    FDesktop.Press('T');
    FDesktop.Press('D');
    FDesktop.Press(VK_ESCAPE);
    FDesktop.Pump();
    EXPECT_EQ(Edit->Text(), "COM7");
    FDesktop.Click(End.x, End.y, TRawInput::TButton::Right);
    FDesktop.Press('A');
    FDesktop.Pump();
    EXPECT_EQ(Edit->SelLength(), 4);
    FDesktop.Click(End.x, End.y, TRawInput::TButton::Right);
    FDesktop.Press('D');
    FDesktop.Pump();
    EXPECT_EQ(Edit->Text(), "");
    // Undo brings the deleted text back.
    FDesktop.Click(End.x, End.y, TRawInput::TButton::Right);
    FDesktop.Press('U');
    FDesktop.Pump();
    EXPECT_EQ(Edit->Text(), "COM7");
}
