// File themes loading the sample skins: the search for a bare name, the
// password, the skinned controls picking a new skin up, the skin bytes kept
// in form definitions, and the theme going away under its users.

#include "framework/ClassRegistry.h"
#include "framework/FormReader.h"
#include "framework/FormWriter.h"
#include "framework/ProgramPath.h"
#include "framework/PropertyRegistry.h"
#include "framework/controls/Form.h"
#include "framework/graphics/Bitmap.h"
#include "skin/SUIEdit.h"
#include "skin/SUIThemeManager.h"
#include "skinfiles/SUIBuiltInFileTheme.h"
#include "tests/framework/GuiFixture.h"
#include "tools/skin-writer/SampleSkin.h"

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace
{
const std::string PlainSkin = std::string(NOVLA_SAMPLE_SKIN_DIR) + "/novla-sample.skin";
const std::string SealedSkin = std::string(NOVLA_SAMPLE_SKIN_DIR) + "/novla-sample-encrypted.skin";

class FileThemeComponentTest : public GuiTest
{
  protected:
    FileThemeComponentTest()
    {
        RegisterFileThemeClasses();
        Form = new TForm(nullptr);
        Form->SetName("Form1");
    }
    ~FileThemeComponentTest() override
    {
        Form->Free();
        for (const auto& F : Made)
            std::filesystem::remove(F);
    }

    // A file that is removed after the test.
    std::string MakeFile(const std::string& Path, const std::string& Content)
    {
        std::ofstream(Path, std::ios::binary) << Content;
        Made.push_back(Path);
        return Path;
    }

    TForm* Form;
    std::vector<std::string> Made;
};

std::string Unique(const std::string& Stem)
{
    return Stem + "-" + std::to_string(getpid()) + ".skin";
}
} // namespace

TEST_F(FileThemeComponentTest, IsKnownToFormDefinitionsUnderItsShortName)
{
    EXPECT_EQ(FindClass("TsuiFileTheme"), &TsuiSkinFileTheme::StaticClass());
    EXPECT_EQ(FindClass("TsuiBuiltInFileTheme"), &TsuiBuiltInFileTheme::StaticClass());
    EXPECT_EQ(FindClass("TsuiThemeManager"), &TsuiThemeManager::StaticClass());
}

TEST_F(FileThemeComponentTest, AnswersFromTheLoadedSkin)
{
    TsuiSkinFileTheme T(nullptr);
    EXPECT_FALSE(T.Ready());
    EXPECT_EQ(T.GetColor(SKIN2_TRANSCOLOR), TColor(0));
    EXPECT_EQ(T.GetInt(SKIN2_TITLEBARCAPTIONTOP), 0);
    EXPECT_EQ(T.GetBitmap(SKIN2_BUTTON), nullptr);

    T.SetThemeFile(PlainSkin);
    ASSERT_TRUE(T.Ready());
    EXPECT_EQ(T.ThemeFile(), PlainSkin);
    EXPECT_EQ(T.GetColor(SKIN2_TRANSCOLOR), TColor(0xFF00FF));
    EXPECT_TRUE(T.GetBool(SKIN2_TITLEFIVESECT));
    ASSERT_NE(T.GetBitmap(SKIN2_BUTTON), nullptr);
    TBitmap Frame;
    T.GetBitmap2(SKIN2_BUTTON, &Frame, 3, 2);
    EXPECT_EQ(Frame.Width() * 3, T.GetBitmap(SKIN2_BUTTON)->Width());
    // Ready is published but cannot be set.
    SetPropValue(T, "Ready", TValue(false));
    EXPECT_TRUE(T.Ready());
}

TEST_F(FileThemeComponentTest, FindsABareNameInTheProgramsFolder)
{
    const std::string Name = Unique("theme-search");
    std::filesystem::copy_file(PlainSkin, ProgramFolder() + Name);
    Made.push_back(ProgramFolder() + Name);
    // Away from the program's folder, so that the bare name is not found
    // as given.
    const auto Here = std::filesystem::current_path();
    std::filesystem::current_path(std::filesystem::temp_directory_path());
    TsuiSkinFileTheme T(nullptr);
    for (const std::string& Given : {Name, "no-such-folder/" + Name, "C:\\Skins\\" + Name})
    {
        T.SetThemeFile(Given);
        EXPECT_TRUE(T.Ready()) << Given;
        EXPECT_EQ(T.ThemeFile(), ProgramFolder() + Name) << Given;
    }
    std::filesystem::current_path(Here);
}

TEST_F(FileThemeComponentTest, ANameFoundNowhereChangesNothing)
{
    TsuiSkinFileTheme T(nullptr);
    T.SetThemeFile(PlainSkin);
    for (const std::string& Given : {std::string(), Unique("nowhere"), std::string("/")})
    {
        T.SetThemeFile(Given);
        EXPECT_TRUE(T.Ready());
        EXPECT_EQ(T.ThemeFile(), PlainSkin);
    }
}

TEST_F(FileThemeComponentTest, AFileThatCannotBeReadLeavesTheThemeNotReady)
{
    const std::string Bad = MakeFile(std::filesystem::temp_directory_path() / Unique("bad"),
                                     "PK not really an archive");
    TsuiSkinFileTheme T(nullptr);
    T.SetThemeFile(PlainSkin);
    EXPECT_NO_THROW(T.SetThemeFile(Bad));
    EXPECT_FALSE(T.Ready());
    EXPECT_EQ(T.ThemeFile(), Bad);
    EXPECT_EQ(T.GetBitmap(SKIN2_BUTTON), nullptr);
    EXPECT_FALSE(T.LastError().empty());
}

TEST_F(FileThemeComponentTest, APasswordReloadsOnlyWhenNotEmpty)
{
    TsuiSkinFileTheme T(nullptr);
    T.SetThemeFile(SealedSkin);
    EXPECT_FALSE(T.Ready());
    EXPECT_EQ(T.ThemeFile(), SealedSkin);
    T.SetPassword("wrong");
    EXPECT_FALSE(T.Ready());
    T.SetPassword(SampleSkinPassword);
    EXPECT_TRUE(T.Ready());
    // An empty password is stored but the skin stays as loaded.
    T.SetPassword("");
    EXPECT_TRUE(T.Ready());
    EXPECT_EQ(T.Password(), "");
}

TEST_F(FileThemeComponentTest, ControlsUsingTheThemePickUpANewSkin)
{
    auto* Theme = new TsuiSkinFileTheme(Form);
    auto* Edit = new TsuiEdit(Form);
    Edit->SetFileTheme(Theme);
    Edit->SetUIStyle(FromThemeFile);
    const TColor Fallback = Edit->BorderColor();
    Theme->SetThemeFile(PlainSkin);
    EXPECT_EQ(Edit->BorderColor(), Theme->GetColor(SKIN2_CONTROLBORDERCOLOR));
    EXPECT_NE(Edit->BorderColor(), Fallback);
    EXPECT_EQ(Edit->FileTheme(), Theme);
}

TEST_F(FileThemeComponentTest, ReadsAnEncryptedSkinFromAFormDefinition)
{
    TFormReader::Read(*Form, "object Form1: TForm\n"
                             "  object Theme1: TsuiFileTheme\n"
                             "    ThemeFile = '" +
                                 SealedSkin + "'\n    Password = '" + SampleSkinPassword +
                                 "'\n  end\nend");
    auto* T = dynamic_cast<TsuiSkinFileTheme*>(Form->FindComponent("Theme1"));
    ASSERT_NE(T, nullptr);
    EXPECT_TRUE(T->Ready());
}

TEST_F(FileThemeComponentTest, ABuiltInThemeKeepsItsSkinInTheFormDefinition)
{
    const std::string Source =
        MakeFile(std::filesystem::temp_directory_path() / Unique("source"), "");
    std::filesystem::copy_file(SealedSkin, Source,
                               std::filesystem::copy_options::overwrite_existing);
    auto* T = new TsuiBuiltInFileTheme(Form);
    T->SetName("Builtin");
    T->SetPassword(SampleSkinPassword);
    T->SetThemeFile(Source);
    ASSERT_TRUE(T->Ready());
    const std::string Written = WriteFormDefinition(*Form);
    EXPECT_NE(Written.find("SkinData = {"), std::string::npos);

    // Read where the source file is gone: the skin comes from the bytes.
    std::filesystem::remove(Source);
    TForm Copy(nullptr);
    TFormReader::Read(Copy, Written);
    auto* C = dynamic_cast<TsuiBuiltInFileTheme*>(Copy.FindComponent("Builtin"));
    ASSERT_NE(C, nullptr);
    EXPECT_TRUE(C->Ready());
    EXPECT_EQ(C->SourceFile(), Source);
    EXPECT_EQ(*GetPropValue(*C, "ThemeFile").TryGet<std::string>(), Source);
    EXPECT_EQ(C->GetColor(SKIN2_TRANSCOLOR), TColor(0xFF00FF));
    // Writing again without the source keeps the skin rather than losing it.
    EXPECT_NE(WriteFormDefinition(Copy).find("SkinData = {"), std::string::npos);
}

TEST_F(FileThemeComponentTest, ABuiltInThemeWithoutASkinWritesNoData)
{
    auto* T = new TsuiBuiltInFileTheme(Form);
    T->SetName("Empty");
    T->SetThemeFile(Unique("nowhere"));
    EXPECT_FALSE(T->Ready());
    EXPECT_EQ(WriteFormDefinition(*Form).find("SkinData"), std::string::npos);
}

TEST_F(FileThemeComponentTest, RemovingAThemeReturnsItsUsersToDeepBlue)
{
    auto* Theme = new TsuiSkinFileTheme(Form);
    Theme->SetName("Theme1");
    Theme->SetThemeFile(PlainSkin);
    auto* Edit = new TsuiEdit(Form);
    Edit->SetName("Edit1");
    auto* Mgr = new TsuiThemeManager(Form);
    TStringList Names;
    Names.Add("Edit1");
    Mgr->SetCompList(&Names);
    Mgr->SetFileTheme(Theme);
    Mgr->SetUIStyle(FromThemeFile);
    ASSERT_EQ(Edit->FileTheme(), Theme);
    Theme->Free();
    EXPECT_EQ(Edit->FileTheme(), nullptr);
    EXPECT_EQ(Edit->UIStyle(), DeepBlue);
    EXPECT_EQ(Mgr->FileTheme(), nullptr);
    EXPECT_EQ(Mgr->UIStyle(), DeepBlue);
    // Drawing after the theme is gone uses the built-in style only.
    Edit->SetUIStyle(FromThemeFile);
    EXPECT_EQ(Edit->BorderColor(), GetInsideThemeColor(DeepBlue, SUI_ITEM_CONTROL_BORDER_COLOR));
}
