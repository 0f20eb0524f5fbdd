#include "framework/PropertyRegistry.h"
#include "framework/controls/CustomControl.h"
#include "framework/controls/CustomForm.h"
#include "framework/controls/Label.h"
#include "skin/SUIStyleApply.h"
#include "tests/framework/GuiFixture.h"
#include "tests/skin/TestFileTheme.h"

#include <string>
#include <vector>

namespace
{
// A skinned control as the style helpers see it: UIStyle and FileTheme
// published, each assignment logged.
class TStyledControl : public TCustomControl
{
  public:
    explicit TStyledControl(TComponent* AOwner) : TCustomControl(AOwner) {}
    static const TClassInfo& StaticClass()
    {
        static const TClassInfo Info =
            TClassBuilder<TStyledControl>("TStyledControl", &TCustomControl::StaticClass())
                .Enum("UIStyle", &TStyledControl::UIStyle, &TStyledControl::SetUIStyle,
                      UIStyleNames())
                .Component("FileTheme", &TStyledControl::FileTheme, &TStyledControl::SetFileTheme)
                .Build();
        return Info;
    }
    const TClassInfo& ClassInfo() const override { return StaticClass(); }

    TsuiUIStyle UIStyle() const { return FUIStyle; }
    void SetUIStyle(TsuiUIStyle Value)
    {
        FUIStyle = Value;
        Log.push_back("UIStyle");
    }
    TsuiFileTheme* FileTheme() const { return FFileTheme; }
    void SetFileTheme(TsuiFileTheme* Value)
    {
        FFileTheme = Value;
        Log.push_back("FileTheme");
    }

    std::vector<std::string> Log;

  private:
    TsuiUIStyle FUIStyle = DeepBlue;
    TsuiFileTheme* FFileTheme = nullptr;
};

// Publishes only UIStyle: not a target of ContainerApplyUIStyle.
class TStyleOnlyControl : public TCustomControl
{
  public:
    explicit TStyleOnlyControl(TComponent* AOwner) : TCustomControl(AOwner) {}
    static const TClassInfo& StaticClass()
    {
        static const TClassInfo Info =
            TClassBuilder<TStyleOnlyControl>("TStyleOnlyControl", &TCustomControl::StaticClass())
                .Enum("UIStyle", &TStyleOnlyControl::UIStyle, &TStyleOnlyControl::SetUIStyle,
                      UIStyleNames())
                .Build();
        return Info;
    }
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
    TsuiUIStyle UIStyle() const { return FUIStyle; }
    void SetUIStyle(TsuiUIStyle Value) { FUIStyle = Value; }

  private:
    TsuiUIStyle FUIStyle = MacOS;
};

// Stand-ins for the skinned form, recognised by its class name, and for a
// class derived from it.
class TSkinnedFormStandIn : public TStyledControl
{
  public:
    explicit TSkinnedFormStandIn(TComponent* AOwner) : TStyledControl(AOwner) {}
    static const TClassInfo& StaticClass()
    {
        static const TClassInfo Info =
            TClassBuilder<TSkinnedFormStandIn>("TsuiForm", &TStyledControl::StaticClass()).Build();
        return Info;
    }
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
};

class TDerivedSkinnedForm : public TSkinnedFormStandIn
{
  public:
    explicit TDerivedSkinnedForm(TComponent* AOwner) : TSkinnedFormStandIn(AOwner) {}
    static const TClassInfo& StaticClass()
    {
        static const TClassInfo Info = TClassBuilder<TDerivedSkinnedForm>(
                                           "TMySkinnedForm", &TSkinnedFormStandIn::StaticClass())
                                           .Build();
        return Info;
    }
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
};

class StyleApply : public GuiTest
{
};

TEST(UsingFileTheme, ChoosesTheFileThemeOnlyWhenItIsUsable)
{
    TTestFileTheme Unloaded(nullptr);
    TTestFileTheme Loaded(nullptr);
    Loaded.SetLoaded(true);
    struct TCase
    {
        const TsuiFileTheme* Theme;
        TsuiUIStyle UIStyle;
        bool Using;
        TsuiUIStyle Style;
    };
    const TCase Cases[] = {
        {nullptr, FromThemeFile, false, DeepBlue},
        {&Unloaded, FromThemeFile, false, DeepBlue},
        {&Loaded, FromThemeFile, true, FromThemeFile},
        {nullptr, Protein, false, Protein},
        {&Loaded, Protein, false, Protein},
        {&Unloaded, MacOS, false, MacOS},
    };
    for (const TCase& C : Cases)
    {
        TsuiUIStyle Style = BlueGlass;
        EXPECT_EQ(UsingFileTheme(C.Theme, C.UIStyle, Style), C.Using);
        EXPECT_EQ(Style, C.Style);
    }
}

TEST_F(StyleApply, NewControlsTakeTheStyleOfTheFirstSkinnedFormOnTheirForm)
{
    TCustomForm Form(nullptr);
    EXPECT_EQ(GetSUIFormStyle(&Form), DeepBlue); // no skinned form

    auto* Plain = new TStyledControl(&Form);
    Plain->SetParent(&Form);
    Plain->SetUIStyle(MacOS);
    EXPECT_EQ(GetSUIFormStyle(&Form), DeepBlue); // a styled control is not a skinned form

    auto* Skinned = new TDerivedSkinnedForm(&Form);
    Skinned->SetParent(&Form);
    Skinned->SetUIStyle(Protein);
    auto* Second = new TSkinnedFormStandIn(&Form);
    Second->SetParent(&Form);
    Second->SetUIStyle(WinXP);
    EXPECT_EQ(GetSUIFormStyle(&Form), Protein);

    // Owned by a form but not its child: not looked at.
    TCustomForm Other(nullptr);
    auto* Unparented = new TSkinnedFormStandIn(&Other);
    Unparented->SetUIStyle(BlueGlass);
    EXPECT_EQ(GetSUIFormStyle(&Other), DeepBlue);

    TComponent DataModule(nullptr);
    EXPECT_EQ(GetSUIFormStyle(&DataModule), DeepBlue);
    EXPECT_EQ(GetSUIFormStyle(nullptr), DeepBlue);
    EXPECT_EQ(GetSUIFormStyle(Skinned), DeepBlue); // not a form
}

TEST_F(StyleApply, ContainerPushesThemeThenStyleIntoDirectChildrenWithBoth)
{
    TCustomForm Form(nullptr);
    auto* Outer = new TStyledControl(&Form);
    Outer->SetParent(&Form);
    auto* Inner = new TStyledControl(&Form);
    Inner->SetParent(Outer);
    auto* StyleOnly = new TStyleOnlyControl(&Form);
    StyleOnly->SetParent(&Form);
    auto* Label = new TLabel(&Form);
    Label->SetParent(&Form);
    TTestFileTheme Theme(nullptr);

    ContainerApplyUIStyle(&Form, FromThemeFile, &Theme);
    EXPECT_EQ(Outer->Log, (std::vector<std::string>{"FileTheme", "UIStyle"}));
    EXPECT_EQ(Outer->UIStyle(), FromThemeFile);
    EXPECT_EQ(Outer->FileTheme(), &Theme);
    EXPECT_TRUE(Inner->Log.empty()); // one level only
    EXPECT_EQ(StyleOnly->UIStyle(), MacOS);

    ContainerApplyUIStyle(&Form, DeepBlue, nullptr);
    EXPECT_EQ(Outer->FileTheme(), nullptr);
    EXPECT_EQ(Outer->UIStyle(), DeepBlue);
    ContainerApplyUIStyle(nullptr, Protein, nullptr);
}

TEST_F(StyleApply, IsHasPropertyLooksAtPublishedPropertiesIncludingInherited)
{
    TStyledControl Control(nullptr);
    EXPECT_TRUE(IsHasProperty(&Control, "UIStyle"));
    EXPECT_TRUE(IsHasProperty(&Control, "filetheme"));
    EXPECT_TRUE(IsHasProperty(&Control, "Name"));    // from TComponent
    EXPECT_TRUE(IsHasProperty(&Control, "Visible")); // from TControl
    EXPECT_FALSE(IsHasProperty(&Control, "Font.Name"));
    EXPECT_FALSE(IsHasProperty(&Control, "Skin"));
    EXPECT_FALSE(IsHasProperty(nullptr, "Name"));
}
} // namespace
