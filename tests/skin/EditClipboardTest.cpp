// Cut, copy and paste from the keyboard in every kind of edit, plain and
// skinned: both key sets reach the edit's clipboard messages, so an edit
// that governs those messages governs the keys too.

#include "../framework/GuiFixture.h"

#include "framework/FormatSettings.h"
#include "framework/controls/Form.h"
#include "framework/stdctrls/Edit.h"
#include "framework/stdctrls/MaskEdit.h"
#include "platform/win/WinApi.h"
#include "skin/SUIMaskEdit.h"
#include "skin/SUINumberEdit.h"
#include "skin/SUISpinEdit.h"

#include <functional>

namespace
{
struct TClipboardKeys
{
    const char* Name;
    UINT Modifier;
    UINT Cut;
    UINT Copy;
    UINT Paste;
};

const TClipboardKeys KeySets[] = {
    {"Ctrl+X/C/V", VK_CONTROL, 'X', 'C', 'V'},
    {"Shift+Delete, Ctrl+Insert, Shift+Insert", 0, VK_DELETE, VK_INSERT, VK_INSERT},
};

class EditClipboard : public GuiTest
{
  protected:
    EditClipboard()
    {
        SetFormatSettings(TFormatSettings::Invariant());
        FApp.OnException = [this](TObject*, const std::exception& E)
        { Errors.push_back(E.what()); };
        Form = new TForm(&FApp);
        Form->SetBounds(40, 40, 300, 150);
        Form->Show();
        FDesktop.Pump();
    }

    template <class T> T* Make()
    {
        auto* Edit = new T(Form);
        Edit->SetParent(Form);
        Edit->SetBounds(10, 10, 120, 25);
        FDesktop.Pump();
        return Edit;
    }

    void Press(const TClipboardKeys& Keys, UINT Key, UINT ClassicModifier)
    {
        PressWith(Keys.Modifier ? Keys.Modifier : ClassicModifier, Key);
    }

    void SetClipboard(const std::string& Text)
    {
        OpenClipboard(nullptr);
        EmptyClipboard();
        SetClipboardText(Text);
        CloseClipboard();
    }

    TForm* Form;
    std::vector<std::string> Errors;
};
} // namespace

TEST_F(EditClipboard, EveryEditCutsCopiesAndPastesWithBothKeySets)
{
    const std::function<TCustomEdit*()> Kinds[] = {
        [this] { return Make<TEdit>(); },        [this] { return Make<TMaskEdit>(); },
        [this] { return Make<TsuiEdit>(); },     [this] { return Make<TsuiMaskEdit>(); },
        [this] { return Make<TsuiSpinEdit>(); }, [this] { return Make<TsuiNumberEdit>(); },
    };
    for (const auto& MakeEdit : Kinds)
        for (const TClipboardKeys& Keys : KeySets)
        {
            TCustomEdit* Edit = MakeEdit();
            const std::string Kind = Edit->ClassName();
            Edit->SetText("12");
            Edit->SetFocus();
            Edit->SelectAll();
            SetClipboard("7");
            Press(Keys, Keys.Copy, VK_CONTROL);
            EXPECT_EQ(GetClipboardText(), "12") << Kind << " " << Keys.Name;
            Edit->SetSelStart(1);
            Edit->SetSelLength(1);
            Press(Keys, Keys.Cut, VK_SHIFT);
            EXPECT_EQ(GetClipboardText(), "2") << Kind << " " << Keys.Name;
            EXPECT_EQ(Edit->Text(), "1") << Kind << " " << Keys.Name;
            Edit->SetSelStart(0);
            Press(Keys, Keys.Paste, VK_SHIFT);
            EXPECT_EQ(Edit->Text(), "21") << Kind << " " << Keys.Name;
            delete Edit;
        }
    EXPECT_TRUE(Errors.empty());
}

TEST_F(EditClipboard, AnEditThatRefusesPastesRefusesThemFromTheKeysToo)
{
    // A spin edit whose editor is off takes no paste and gives no cut.
    for (const TClipboardKeys& Keys : KeySets)
    {
        auto* Spin = Make<TsuiSpinEdit>();
        Spin->SetText("12");
        Spin->SetEditorEnabled(false);
        Spin->SetFocus();
        Spin->SelectAll();
        SetClipboard("34");
        Press(Keys, Keys.Paste, VK_SHIFT);
        Press(Keys, Keys.Cut, VK_SHIFT);
        EXPECT_EQ(Spin->Text(), "12") << Keys.Name;
        EXPECT_EQ(GetClipboardText(), "34") << Keys.Name;
        delete Spin;
    }
}
