// The theme manager restyling the components listed by name on its form.

#include "framework/controls/Form.h"
#include "framework/controls/Label.h"
#include "skin/SUIEdit.h"
#include "skin/SUIThemeManager.h"
#include "tests/framework/GuiFixture.h"
#include "tests/skin/TestFileTheme.h"

namespace
{
class ThemeManagerTest : public GuiTest
{
  protected:
    ThemeManagerTest()
    {
        Form = new TForm(nullptr);
        Theme = new TTestFileTheme(Form);
        Theme->SetName("Theme1");
        Theme->SetLoaded(true);
        Theme->SetColor(SKIN2_CONTROLBORDERCOLOR, 0x123456);
        for (const char* Name : {"Edit1", "Edit2", "Edit3"})
        {
            auto* E = new TsuiEdit(Form);
            E->SetName(Name);
            Edits.push_back(E);
        }
        Mgr = new TsuiThemeManager(Form);
        Mgr->SetName("Mgr");
        Mgr->OnUIStyleChanged.Assign([this](TObject* Sender) { Events.push_back(Sender); });
    }
    ~ThemeManagerTest() override { Form->Free(); }

    void List(std::initializer_list<const char*> Names)
    {
        TStringList L;
        for (const char* N : Names)
            L.Add(N);
        Mgr->SetCompList(&L);
    }

    TForm* Form;
    TTestFileTheme* Theme;
    std::vector<TsuiEdit*> Edits;
    TsuiThemeManager* Mgr;
    std::vector<TObject*> Events;
};
} // namespace

TEST_F(ThemeManagerTest, PushesStyleAndThemeIntoListedControlsOnly)
{
    auto* Label = new TLabel(Form);
    Label->SetName("Label1");
    // Unknown names and components without the style properties are skipped.
    List({"Edit1", "Nobody", "Label1", "Edit3"});
    Mgr->SetFileTheme(Theme);
    EXPECT_TRUE(Events.empty());
    Mgr->SetUIStyle(FromThemeFile);
    for (TsuiEdit* E : {Edits[0], Edits[2]})
    {
        EXPECT_EQ(E->UIStyle(), FromThemeFile);
        EXPECT_EQ(E->FileTheme(), Theme);
        EXPECT_EQ(E->BorderColor(), TColor(0x123456));
    }
    EXPECT_EQ(Edits[1]->FileTheme(), nullptr);
    EXPECT_EQ(Edits[1]->UIStyle(), DeepBlue);
    EXPECT_EQ(Events, std::vector<TObject*>{Mgr});
}

TEST_F(ThemeManagerTest, TheSameStyleUpdatesTheControlsWithoutTheEvent)
{
    List({"Edit2"});
    Mgr->SetUIStyle(MacOS);
    Events.clear();
    Edits[1]->SetUIStyle(WinXP);
    Mgr->SetUIStyle(MacOS);
    EXPECT_EQ(Edits[1]->UIStyle(), MacOS);
    EXPECT_TRUE(Events.empty());
}

TEST_F(ThemeManagerTest, ADeletedControlLeavesTheList)
{
    List({"Edit1", "Edit2", "Edit3"});
    Edits[1]->Free();
    ASSERT_EQ(Mgr->CompList()->Count(), 2);
    EXPECT_EQ(Mgr->CompList()->Strings(0), "Edit1");
    EXPECT_EQ(Mgr->CompList()->Strings(1), "Edit3");
    // A component of the same name elsewhere is not ours.
    TForm Other(nullptr);
    (new TsuiEdit(&Other))->SetName("Edit1");
    Other.DestroyComponents();
    EXPECT_EQ(Mgr->CompList()->Count(), 2);
}

TEST_F(ThemeManagerTest, ADeletedThemeResetsTheManagerWithoutTouchingTheControls)
{
    List({"Edit1"});
    Mgr->SetFileTheme(Theme);
    Mgr->SetUIStyle(WinXP);
    Edits[0]->SetFileTheme(nullptr);
    Events.clear();
    Theme->Free();
    EXPECT_EQ(Mgr->FileTheme(), nullptr);
    EXPECT_EQ(Mgr->UIStyle(), DeepBlue);
    EXPECT_EQ(Edits[0]->UIStyle(), WinXP);
    EXPECT_TRUE(Events.empty());
}

TEST_F(ThemeManagerTest, AThemeOwnedElsewhereIsForgottenWhenFreed)
{
    auto* Outside = new TTestFileTheme(nullptr);
    Outside->SetLoaded(true);
    List({"Edit1"});
    Mgr->SetFileTheme(Outside);
    Mgr->SetUIStyle(FromThemeFile);
    Outside->Free();
    EXPECT_EQ(Mgr->FileTheme(), nullptr);
    EXPECT_EQ(Mgr->UIStyle(), DeepBlue);
    // The control heard of it too and fell back to the default style.
    EXPECT_EQ(Edits[0]->FileTheme(), nullptr);
    EXPECT_EQ(Edits[0]->UIStyle(), DeepBlue);
}

TEST_F(ThemeManagerTest, DoesNothingWithoutAFormOwner)
{
    TComponent Holder(nullptr);
    auto* Loose = new TsuiEdit(&Holder);
    Loose->SetName("Edit1");
    TsuiThemeManager M(&Holder);
    TStringList L;
    L.Add("Edit1");
    M.SetCompList(&L);
    M.SetUIStyle(MacOS);
    EXPECT_EQ(Loose->UIStyle(), DeepBlue);
    EXPECT_EQ(M.UIStyle(), MacOS);
}
