// The masked edit with real keys on the headless desktop.

#include "../GuiFixture.h"

#include "framework/controls/Form.h"
#include "framework/stdctrls/MaskEdit.h"
#include "platform/win/WinApi.h"

namespace
{
class MaskForm : public GuiTest
{
  protected:
    MaskForm()
    {
        Form = new TForm(&FApp);
        Form->SetBounds(40, 40, 300, 150);
        Edit = new TMaskEdit(Form);
        Edit->SetParent(Form);
        Edit->SetBounds(10, 10, 150, 21);
        Form->Show();
        FDesktop.Pump();
    }
    void Keys(std::initializer_list<UINT> List)
    {
        for (UINT Vk : List)
            FDesktop.Press(Vk);
        FDesktop.Pump();
    }

    TForm* Form;
    TMaskEdit* Edit;
};
} // namespace

TEST_F(MaskForm, TypingFillsSlotsSkipsLiteralsAndRefusesWrongCharacters)
{
    Edit->SetEditMask("(999) 000-0000;1;_");
    EXPECT_EQ(Edit->Text(), "(___) ___-____");
    Edit->SetFocus();
    Edit->SetSelStart(0);
    int Beeps = FDesktop.Beeps();
    Keys({'1', '2', 'X', '3', '4', '5', '6', '7'});
    EXPECT_EQ(Edit->Text(), "(123) 456-7___");
    EXPECT_EQ(FDesktop.Beeps(), Beeps + 1); // the letter
    EXPECT_EQ(Edit->SelStart(), 11);
    EXPECT_FALSE(Edit->IsComplete());
    EXPECT_THROW(Edit->ValidateEdit(), EMaskError);

    Keys({VK_BACK, VK_BACK}); // blanks, and jumps back over the '-'
    EXPECT_EQ(Edit->Text(), "(123) 45_-____");
    Keys({VK_HOME, VK_DELETE});
    EXPECT_EQ(Edit->Text(), "(_23) 45_-____");
    EXPECT_EQ(Edit->UnmaskedText(), "( 23) 45 -    ");
}

TEST_F(MaskForm, CaseLiteralsAndSavedLiteralsFollowTheMask)
{
    struct
    {
        const char* Mask;
        const char* Assigned;
        const char* Shown;
        const char* Unmasked;
    } const Cases[] = {
        {">LL-00;0;*", "ab12", "AB-12", "AB12"},
        {"\\C\\O\\M099;1;_", "COM7", "COM7__", "COM7  "},
        {"00:00;1;_", "12:3x", "12:3_", "12:3 "},
        {"aa", "x", "x_", "x "},
    };
    for (const auto& Case : Cases)
    {
        Edit->SetEditMask(Case.Mask);
        Edit->SetText(Case.Assigned);
        EXPECT_EQ(Edit->Text(), Case.Shown) << Case.Mask;
        EXPECT_EQ(Edit->UnmaskedText(), Case.Unmasked) << Case.Mask;
        Edit->SetEditMask("");
        Edit->SetText("");
    }
}

TEST_F(MaskForm, CutBlanksAndPasteTypesThroughTheMask)
{
    Edit->SetEditMask("000.000;1;_");
    Edit->SetText("123456");
    EXPECT_EQ(Edit->Text(), "123.456");
    Edit->SetFocus();
    Edit->SetSelStart(1);
    Edit->SetSelLength(4);
    PressWith(VK_CONTROL, 'X');
    EXPECT_EQ(GetClipboardText(), "23.4");
    EXPECT_EQ(Edit->Text(), "1__._56");
    PressWith(VK_CONTROL, 'V'); // the '.' of the clipboard matches the literal
    EXPECT_EQ(Edit->Text(), "123.456");
    OpenClipboard(nullptr);
    EmptyClipboard();
    SetClipboardText("9z9");
    CloseClipboard();
    Edit->SetSelStart(0);
    PressWith(VK_CONTROL, 'V');
    EXPECT_EQ(Edit->Text(), "923.456"); // stops at the refused letter
}
