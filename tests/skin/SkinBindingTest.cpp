#include "framework/controls/CustomControl.h"
#include "framework/controls/Form.h"
#include "skin/SUISkinBinding.h"
#include "tests/framework/GuiFixture.h"
#include "tests/skin/TestFileTheme.h"

#include <string>
#include <vector>

namespace
{
// One look a control applied: the stored pair and what it drew from.
struct TLook
{
    std::string Control;
    TsuiUIStyle UIStyle;
    const TsuiFileTheme* Theme;
    bool FromFile;
    TsuiUIStyle Drawn;
};

// A control wired through the binding; every look it applies goes into a
// journal shared with the other controls of the test.
class TBoundControl : public TCustomControl, public TsuiSkinBinding
{
  public:
    TBoundControl(TComponent* AOwner, std::vector<TLook>& Journal, const char* Name,
                  TsuiSkinReach Reach = TsuiSkinReach::Self)
        : TCustomControl(AOwner), TsuiSkinBinding(this, MacOS, Reach), FJournal(Journal),
          FName(Name)
    {
    }

  protected:
    void ApplySkin() override
    {
        TsuiUIStyle Drawn;
        const bool FromFile = UsesFileTheme(Drawn);
        FJournal.push_back({FName, UIStyle(), FileTheme(), FromFile, Drawn});
    }
    void Notification(TComponent* AComponent, TOperation Operation) override
    {
        TCustomControl::Notification(AComponent, Operation);
        SkinNotification(AComponent, Operation);
    }

  private:
    std::vector<TLook>& FJournal;
    std::string FName;
};

::testing::AssertionResult IsLook(const TLook& Look, const std::string& Control,
                                  TsuiUIStyle UIStyle, const TsuiFileTheme* Theme, bool FromFile,
                                  TsuiUIStyle Drawn)
{
    if (Look.Control == Control && Look.UIStyle == UIStyle && Look.Theme == Theme &&
        Look.FromFile == FromFile && Look.Drawn == Drawn)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << Look.Control << " applied style " << int(Look.UIStyle) << " theme " << Look.Theme
           << " from file " << Look.FromFile << " drawn " << int(Look.Drawn);
}

class SkinBinding : public GuiTest
{
  protected:
    SkinBinding() : Form(new TForm(&FApp)) { Loaded->SetLoaded(true); }

    TForm* Form;
    std::vector<TLook> Journal;
    // Owned by the form, unless a test frees them first.
    TTestFileTheme* Loaded = new TTestFileTheme(Form);
    TTestFileTheme* Unloaded = new TTestFileTheme(Form);
};

TEST_F(SkinBinding, EachSetterStoresThenApplies)
{
    auto* C = new TBoundControl(Form, Journal, "C");
    EXPECT_EQ(C->UIStyle(), MacOS);
    EXPECT_TRUE(Journal.empty()); // the initial style is only stored

    C->SetUIStyle(Protein);
    C->SetFileTheme(Loaded);
    C->SetUIStyle(FromThemeFile);
    C->SetFileTheme(Loaded); // the same theme applies again
    C->SetFileTheme(Unloaded);
    ASSERT_EQ(Journal.size(), 5u);
    EXPECT_TRUE(IsLook(Journal[0], "C", Protein, nullptr, false, Protein));
    EXPECT_TRUE(IsLook(Journal[1], "C", Protein, Loaded, false, Protein));
    EXPECT_TRUE(IsLook(Journal[2], "C", FromThemeFile, Loaded, true, FromThemeFile));
    EXPECT_TRUE(IsLook(Journal[3], "C", FromThemeFile, Loaded, true, FromThemeFile));
    EXPECT_TRUE(IsLook(Journal[4], "C", FromThemeFile, Unloaded, false, DeepBlue));
}

TEST_F(SkinBinding, AFreedThemeIsForgottenAndTheControlFallsBackToDeepBlue)
{
    auto* C = new TBoundControl(Form, Journal, "C");
    C->SetFileTheme(Unloaded);
    C->SetFileTheme(Loaded);
    C->SetUIStyle(FromThemeFile);
    Journal.clear();

    Unloaded->Free(); // replaced before: nothing happens
    EXPECT_TRUE(Journal.empty());
    EXPECT_EQ(C->FileTheme(), Loaded);

    Loaded->Free();
    EXPECT_EQ(C->FileTheme(), nullptr);
    EXPECT_EQ(C->UIStyle(), DeepBlue);
    ASSERT_EQ(Journal.size(), 1u);
    EXPECT_TRUE(IsLook(Journal[0], "C", DeepBlue, nullptr, false, DeepBlue));
}

TEST_F(SkinBinding, AContainerHandsDeepBlueToItsChildrenBeforeTakingIt)
{
    // The child uses a theme of its own, which stays alive: only the
    // container's reach takes it away.
    for (TsuiSkinReach Reach : {TsuiSkinReach::Self, TsuiSkinReach::Children})
    {
        SCOPED_TRACE(Reach == TsuiSkinReach::Children ? "children" : "self");
        Journal.clear();
        auto* Theme = new TTestFileTheme(Form);
        Theme->SetLoaded(true);
        auto* Box = new TBoundControl(Form, Journal, "Box", Reach);
        Box->SetParent(Form);
        auto* Child = new TBoundControl(Form, Journal, "Child");
        Child->SetParent(Box);
        Child->SetFileTheme(Loaded);
        Child->SetUIStyle(FromThemeFile);
        Box->SetFileTheme(Theme);
        Journal.clear();

        Theme->Free();
        EXPECT_EQ(Box->FileTheme(), nullptr);
        EXPECT_EQ(Box->UIStyle(), DeepBlue);
        if (Reach == TsuiSkinReach::Self)
        {
            EXPECT_EQ(Child->FileTheme(), Loaded);
            ASSERT_EQ(Journal.size(), 1u);
            EXPECT_TRUE(IsLook(Journal[0], "Box", DeepBlue, nullptr, false, DeepBlue));
        }
        else
        {
            EXPECT_EQ(Child->FileTheme(), nullptr);
            EXPECT_EQ(Child->UIStyle(), DeepBlue);
            ASSERT_EQ(Journal.size(), 3u);
            EXPECT_TRUE(IsLook(Journal[0], "Child", FromThemeFile, nullptr, false, DeepBlue));
            EXPECT_TRUE(IsLook(Journal[1], "Child", DeepBlue, nullptr, false, DeepBlue));
            EXPECT_TRUE(IsLook(Journal[2], "Box", DeepBlue, nullptr, false, DeepBlue));
        }
    }
}

TEST_F(SkinBinding, AFreedControlNoLongerFollowsItsTheme)
{
    auto* C = new TBoundControl(Form, Journal, "C");
    C->SetFileTheme(Loaded);
    C->Free();
    Loaded->Free(); // would reach the freed control if it still followed the theme
    EXPECT_EQ(Journal.size(), 1u);
}
} // namespace
