// The skinned spin edit: its buttons, keys, limits and text area.

#include "../framework/GuiFixture.h"

#include "framework/controls/Form.h"
#include "framework/stdctrls/StdCtrlMessages.h"
#include "platform/win/WinApi.h"
#include "skin/SUIArrowButton.h"
#include "skin/SUISpinEdit.h"

namespace
{
class SpinForm : public GuiTest
{
  protected:
    SpinForm()
    {
        Form = new TForm(&FApp);
        Form->SetBounds(40, 40, 300, 150);
        Spin = new TsuiSpinEdit(Form);
        Spin->SetParent(Form);
        Spin->SetBounds(10, 10, 100, 25);
        Other = new TsuiEdit(Form);
        Other->SetParent(Form);
        Other->SetBounds(10, 60, 100, 21);
        Form->Show();
        FDesktop.Pump();
    }
    void Type(char C)
    {
        SendMessage(Spin->Handle(), WM_CHAR, static_cast<unsigned char>(C), 1);
        FDesktop.Pump();
    }

    TForm* Form;
    TsuiSpinEdit* Spin;
    TsuiEdit* Other;
};
} // namespace

TEST_F(SpinForm, ButtonsSitAtTheRightAndTheTextStaysLeftOfThem)
{
    EXPECT_EQ(Spin->Text(), "0");
    EXPECT_EQ(Spin->Increment(), 1);
    TsuiSpinButtons* B = Spin->Button();
    EXPECT_EQ(B->Width(), 15);
    EXPECT_EQ(B->Left(), 100 - 15 - 4);
    EXPECT_EQ(B->Top(), 0);
    EXPECT_EQ(B->Height(), 25 - 4);
    EXPECT_EQ(B->UpButton()->Height(), 21 / 2 + 1);
    EXPECT_EQ(B->DownButton()->Top(), 21 / 2);
    EXPECT_EQ(B->DownButton()->Top() + B->DownButton()->Height(), 21);
    RECT R{};
    SendMessage(Spin->Handle(), EM_GETRECT, 0, reinterpret_cast<LPARAM>(&R));
    EXPECT_EQ(R.right, Spin->ClientWidth() - 15 - 2);
    Spin->SetWidth(150);
    FDesktop.Pump();
    EXPECT_EQ(B->Left(), 150 - 15 - 4);
    SendMessage(Spin->Handle(), EM_GETRECT, 0, reinterpret_cast<LPARAM>(&R));
    EXPECT_EQ(R.right, Spin->ClientWidth() - 15 - 2);
    B->SetWidth(5);
    EXPECT_EQ(B->Width(), 15) << "never narrower";
}

TEST_F(SpinForm, ValueLimitsButtonsAndKeys)
{
    Spin->SetMinValue(1);
    Spin->SetMaxValue(7);
    Spin->SetValue(9);
    EXPECT_EQ(Spin->Text(), "7");
    Spin->SetText("abc");
    EXPECT_EQ(Spin->Value(), 1) << "no number reads as MinValue";
    Spin->SetValue(3);
    Spin->SetFocus();
    FDesktop.Press(VK_UP);
    FDesktop.Pump();
    EXPECT_EQ(Spin->Value(), 4);
    FDesktop.Press(VK_DOWN);
    FDesktop.Press(VK_DOWN);
    FDesktop.Pump();
    EXPECT_EQ(Spin->Value(), 2);
    ClickOn(Spin->Button()->UpButton());
    FDesktop.Pump();
    EXPECT_EQ(Spin->Value(), 3);
    Spin->SetReadOnly(true);
    int Beeps = FDesktop.Beeps();
    FDesktop.Press(VK_UP);
    FDesktop.Pump();
    EXPECT_EQ(Spin->Value(), 3);
    EXPECT_GT(FDesktop.Beeps(), Beeps);
    Spin->SetReadOnly(false);
    // Leaving clamps what was typed.
    Spin->SelectAll();
    Type('2');
    Type('0');
    EXPECT_EQ(Spin->Text(), "20");
    Other->SetFocus();
    FDesktop.Pump();
    EXPECT_EQ(Spin->Text(), "7");
    Spin->SetMinValue(0);
    Spin->SetMaxValue(0);
    Spin->SetValue(1000);
    EXPECT_EQ(Spin->Value(), 1000) << "equal limits: no limit";
}

TEST_F(SpinForm, TheKeyFilter)
{
    struct
    {
        bool EditorEnabled;
        char Key;
        bool Taken;
    } const Cases[] = {{true, '5', true},   {true, '-', true},   {true, 'a', false},
                       {true, '\r', false}, {true, '\b', true},  {true, '.', false},
                       {false, '5', false}, {false, '\b', false}};
    for (const auto& C : Cases)
    {
        Spin->SetEditorEnabled(C.EditorEnabled);
        Spin->SetText("12");
        Spin->SetFocus();
        Spin->SetSelStart(2);
        int Beeps = FDesktop.Beeps();
        Type(C.Key);
        EXPECT_EQ(Spin->Text() != "12", C.Taken) << int(C.Key) << " " << C.EditorEnabled;
        EXPECT_EQ(FDesktop.Beeps() > Beeps, !C.Taken) << int(C.Key) << " " << C.EditorEnabled;
    }
}
