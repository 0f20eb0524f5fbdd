// The window's look chosen on the command line: a built-in style or a skin
// file pushed into every skinned control at once.

#include "app/ToolLook.h"

#include "framework/controls/Form.h"
#include "skin/SUIEdit.h"
#include "skin/SUIFileTheme.h"
#include "skin/SUIThemeManager.h"
#include "tests/framework/GuiFixture.h"
#include "tests/platform/comm/TempFolder.h"

#include <sys/stat.h>

namespace
{
const std::string Sealed = std::string(NOVLA_SAMPLE_SKIN_DIR) + "/novla-sample-encrypted.skin";

class ToolLookTest : public GuiTest
{
  protected:
    ToolLookTest() : Form(new TForm(nullptr))
    {
        for (const char* Name : {"Edit1", "Edit2"})
        {
            auto* E = new TsuiEdit(Form);
            E->SetName(Name);
            E->SetUIStyle(Protein);
            Edits.push_back(E);
        }
    }
    ~ToolLookTest() override { Form->Free(); }

    TForm* Form;
    std::vector<TsuiEdit*> Edits;
};
} // namespace

TEST_F(ToolLookTest, AStyleReachesEverySkinnedControl)
{
    TToolOptions O;
    O.Style = "macos";
    std::string Error;
    ASSERT_TRUE(ApplyToolLook(*Form, O, Error));
    for (TsuiEdit* E : Edits)
        EXPECT_EQ(E->UIStyle(), MacOS);
}

TEST_F(ToolLookTest, ASkinFileReachesEverySkinnedControl)
{
    TToolOptions O;
    O.Skin = Sealed;
    O.Password = "novla-sample";
    std::string Error;
    ASSERT_TRUE(ApplyToolLook(*Form, O, Error)) << Error;
    for (TsuiEdit* E : Edits)
    {
        EXPECT_EQ(E->UIStyle(), FromThemeFile);
        ASSERT_NE(E->FileTheme(), nullptr);
        EXPECT_TRUE(E->FileTheme()->CanUse());
        EXPECT_EQ(E->BorderColor(), E->FileTheme()->GetColor(SKIN2_CONTROLBORDERCOLOR));
    }
}

TEST_F(ToolLookTest, ASkinThatCannotBeUsedKeepsTheLookAndSaysWhy)
{
    const TempFolder Folder;
    const std::string Fifo = Folder.Path() + "/pipe.skin";
    ASSERT_EQ(mkfifo(Fifo.c_str(), 0600), 0);
    const struct
    {
        std::string Skin, Password, Reason;
    } Cases[] = {
        {"/nonexistent/none.skin", "", "no such file"},
        {Folder.Path(), "", ": it is a folder, not a skin file"},
        {"/dev/zero", "", ": it is a device, not a skin file"},
        {Fifo, "", ": it is a FIFO (named pipe), not a skin file"},
        {Sealed, "", "password"},
        {Sealed, "wrong", "password"},
    };
    for (const auto& C : Cases)
    {
        TToolOptions O;
        O.Skin = C.Skin;
        O.Password = C.Password;
        std::string Error;
        EXPECT_FALSE(ApplyToolLook(*Form, O, Error)) << C.Skin;
        EXPECT_NE(Error.find(C.Reason), std::string::npos) << Error;
        for (TsuiEdit* E : Edits)
        {
            EXPECT_EQ(E->UIStyle(), Protein);
            EXPECT_EQ(E->FileTheme(), nullptr);
        }
    }
    // Nothing was left behind on the form.
    EXPECT_EQ(Form->ComponentCount(), 2);
}
