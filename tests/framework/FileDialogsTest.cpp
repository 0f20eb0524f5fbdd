// The file dialogs on the headless desktop, driven by keys queued before
// they show (input is routed when it is read, so it reaches the dialog).

#include "GuiFixture.h"

#include "framework/controls/Form.h"
#include "framework/controls/Label.h"
#include "framework/dialogs/FileDialogs.h"
#include "framework/stdctrls/ListBox.h"
#include "tests/platform/comm/TempFolder.h"

#include <fstream>

namespace
{
namespace fs = std::filesystem;
using TNames = std::vector<std::string>;

class FileDialogTest : public GuiTest
{
  protected:
    FileDialogTest()
    {
        for (const char* File : {"a.json", "b.txt", "c.json", ".h.json", "sub/d.json"})
        {
            fs::create_directories(fs::path(Root.Path() + "/" + File).parent_path());
            std::ofstream(Root.Path() + "/" + File) << "{}";
        }
        fs::create_directory(Root.Path() + "/.hid");
    }

    // Queues keys: "{Tab}", "{S-Tab}", "{Down}", "{Enter}", "{Esc}",
    // "{Back}"; anything else is typed (lower-case letters, digits, ".", "/").
    void Keys(const TNames& Steps)
    {
        for (const std::string& Step : Steps)
        {
            if (Step == "{Tab}")
                FDesktop.Press(VK_TAB);
            else if (Step == "{S-Tab}")
            {
                FDesktop.KeyDown(VK_SHIFT);
                FDesktop.Press(VK_TAB);
                FDesktop.KeyUp(VK_SHIFT);
            }
            else if (Step == "{Down}")
                FDesktop.Press(VK_DOWN);
            else if (Step == "{Enter}")
                FDesktop.Press(VK_RETURN);
            else if (Step == "{Esc}")
                FDesktop.Press(VK_ESCAPE);
            else if (Step == "{Back}")
                FDesktop.Press(VK_BACK);
            else
                for (char C : Step)
                    FDesktop.Press(C == '.'   ? VK_OEM_PERIOD
                                   : C == '/' ? VK_OEM_2
                                              : static_cast<UINT>(std::toupper(C)));
        }
    }

    static TNames Items(TForm* Dialog, const char* List)
    {
        TNames Names;
        auto* Box = dynamic_cast<TListBox*>(Dialog->FindComponent(List));
        for (int I = 0; Box && I < Box->Items()->Count(); ++I)
            Names.push_back(Box->Items()->Strings(I));
        return Names;
    }

    void Prepare(TOpenDialog& Dialog)
    {
        Dialog.SetInitialDir(Root.Path());
        Dialog.SetFilter("Presets (*.json)|*.json|All files (*)|*");
        Dialog.SetDefaultExt("json");
    }

    TempFolder Root;
};

TEST(ListFolder, ShowsMatchingFilesAndFoldersSortedWithoutHiddenOnes)
{
    TempFolder Root;
    for (const char* File : {"z.json", "a.JSON", "m.ini", "b.json", ".x.json", "c.txt"})
        std::ofstream(Root.Path() + "/" + File) << "";
    for (const char* Folder : {"k", "b", ".git"})
        fs::create_directory(Root.Path() + "/" + Folder);
    TNames Files, Folders;
    std::string Error;
    ASSERT_TRUE(ListFolder(Root.Path(), "*.json;*.ini", Files, Folders, Error)) << Error;
    EXPECT_EQ(Files, (TNames{"b.json", "m.ini", "z.json"}));
    EXPECT_EQ(Folders, (TNames{"b", "k"}));
    EXPECT_FALSE(ListFolder(Root.Path() + "/none", "*", Files, Folders, Error));
    EXPECT_NE(Error.find("Cannot read " + Root.Path() + "/none"), std::string::npos) << Error;
    EXPECT_TRUE(Files.empty() && Folders.empty());
}

TEST_F(FileDialogTest, OpenShowsTheFolderAndTakesAFileChosenByKeys)
{
    const struct
    {
        TNames Keys;
        const char* Chosen; // relative to the folder; null: cancelled
    } Sessions[] = {
        {{"{Tab}", "{Down}", "{Down}", "{Enter}"}, "c.json"},
        // The type list: all files.
        {{"{Tab}", "{Tab}", "{Down}", "{S-Tab}", "{Down}", "{Down}", "{Enter}"}, "b.txt"},
        // A folder's name opens it; a name without a dot gets the extension.
        {{"sub", "{Enter}", "d", "{Enter}"}, "sub/d.json"},
        // Into a folder from the folder list, and back up with Backspace.
        {{"{Tab}", "{Tab}", "{Tab}", "{Down}", "{Enter}", "{S-Tab}", "{S-Tab}", "{Down}",
          "{Enter}"},
         "sub/d.json"},
        {{"{Tab}", "{Tab}", "{Tab}", "{Down}", "{Enter}", "{Back}", "{S-Tab}", "{S-Tab}", "{Down}",
          "{Enter}"},
         "a.json"},
        {{"{Esc}"}, nullptr},
    };
    for (const auto& Session : Sessions)
    {
        SCOPED_TRACE(Session.Chosen ? Session.Chosen : "cancelled");
        TOpenDialog Dialog(nullptr);
        Prepare(Dialog);
        TNames Files, Folders;
        std::string Path;
        Dialog.OnShow = [&](TForm* Form)
        {
            Files = Items(Form, "FileList");
            Folders = Items(Form, "FolderList");
            Path = dynamic_cast<TLabel*>(Form->FindComponent("PathLabel"))->Caption();
        };
        Keys(Session.Keys);
        EXPECT_EQ(Dialog.Execute(), Session.Chosen != nullptr);
        EXPECT_EQ(Files, (TNames{"a.json", "c.json"}));
        EXPECT_EQ(Folders, (TNames{"..", "sub"}));
        EXPECT_EQ(Path, Root.Path());
        if (Session.Chosen)
        {
            EXPECT_EQ(Dialog.FileName(), Root.Path() + "/" + Session.Chosen);
        }
        EXPECT_EQ(Dialog.ShownError(), "");
    }
}

TEST_F(FileDialogTest, ErrorsAreShownInTheDialogWhichStaysOpen)
{
    const struct
    {
        bool Save;
        std::string Folder; // where it starts; empty: the test folder
        TNames Keys;
        std::string Error;
    } Cases[] = {
        {false, "", {"zz", "{Enter}", "{Esc}"}, "zz.json: no such file"},
        {true, "", {"nope/x", "{Enter}", "{Esc}"}, "/nope: no such folder"},
        {false, "/missing", {"{Esc}"}, "Cannot read "},
    };
    for (const auto& Case : Cases)
    {
        SCOPED_TRACE(Case.Error);
        TSaveDialog Saving(nullptr);
        TOpenDialog Opening(nullptr);
        TOpenDialog& Dialog = Case.Save ? Saving : Opening;
        Prepare(Dialog);
        Dialog.SetInitialDir(Root.Path() + Case.Folder);
        std::string Shown;
        Dialog.OnShow = [&](TForm* Form)
        { Shown = dynamic_cast<TLabel*>(Form->FindComponent("ErrorLabel"))->Caption(); };
        Keys(Case.Keys);
        EXPECT_FALSE(Dialog.Execute());
        EXPECT_NE(Dialog.ShownError().find(Case.Error), std::string::npos) << Dialog.ShownError();
        if (!Case.Folder.empty())
        {
            EXPECT_EQ(Shown, Dialog.ShownError());
        }
    }
}

TEST_F(FileDialogTest, SaveAddsTheExtensionAndAsksBeforeReplacing)
{
    const struct
    {
        TNames Keys;
        const char* Chosen; // null: cancelled
    } Sessions[] = {
        {{"new", "{Enter}"}, "new.json"},
        // Replace a.json? Yes (the default button).
        {{"a", "{Enter}", "{Enter}"}, "a.json"},
        // No (Escape), then the dialog is cancelled.
        {{"a", "{Enter}", "{Esc}", "{Esc}"}, nullptr},
    };
    for (const auto& Session : Sessions)
    {
        SCOPED_TRACE(Session.Chosen ? Session.Chosen : "cancelled");
        TSaveDialog Dialog(nullptr);
        Prepare(Dialog);
        Keys(Session.Keys);
        EXPECT_EQ(Dialog.Execute(), Session.Chosen != nullptr);
        if (Session.Chosen)
        {
            EXPECT_EQ(Dialog.FileName(), Root.Path() + "/" + Session.Chosen);
        }
    }
}
} // namespace
