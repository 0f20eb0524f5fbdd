#include "framework/PropertyRegistry.h"
#include "framework/controls/CustomControl.h"
#include "framework/controls/CustomForm.h"
#include "framework/controls/Form.h"
#include "framework/controls/Label.h"
#include "skin/SUIForm.h"
#include "skin/SUIStyleApply.h"
#include "tests/framework/GuiFixture.h"
#include "tests/skin/TestFileTheme.h"

#include <string>
#include <vector>

namespace
{
// A skinned control as the style helpers see it, each assignment logged.
class TStyledControl : public TCustomControl, public TsuiSkinned
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

    TsuiUIStyle UIStyle() const override { return FUIStyle; }
    void SetUIStyle(TsuiUIStyle Value) override
    {
        FUIStyle = Value;
        Log.push_back("UIStyle");
    }
    TsuiFileTheme* FileTheme() const override { return FFileTheme; }
    void SetFileTheme(TsuiFileTheme* Value) override
    {
        FFileTheme = Value;
        Log.push_back("FileTheme");
    }

    std::vector<std::string> Log;

  private:
    TsuiUIStyle FUIStyle = DeepBlue;
    TsuiFileTheme* FFileTheme = nullptr;
};

// Publishes a UIStyle but is no skinned control: not a target of
// ContainerApplyUIStyle.
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

// A class derived from the skinned form.
class TDerivedSkinnedForm : public TsuiForm
{
  public:
    using TsuiForm::TsuiForm;
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

TEST_F(StyleApply, NewControlsTakeTheStyleOfTheSkinnedFormOnTheirForm)
{
    auto* Form = new TForm(&FApp);
    EXPECT_EQ(GetSUIFormStyle(Form), DeepBlue); // no skinned form

    auto* Plain = new TStyledControl(Form);
    Plain->SetParent(Form);
    Plain->SetUIStyle(MacOS);
    EXPECT_EQ(GetSUIFormStyle(Form), DeepBlue); // a skinned control is not a skinned form

    // Found behind the plain control, through a derived class.
    auto* Skinned = new TDerivedSkinnedForm(Form);
    Skinned->SetUIStyle(Protein);
    ASSERT_EQ(Form->ControlCount(), 2);
    EXPECT_EQ(GetSUIFormStyle(Form), Protein);
    Skinned->SetUIStyle(WinXP);
    EXPECT_EQ(GetSUIFormStyle(Form), WinXP);

    // Owned by the form but no longer its child: not looked at.
    Skinned->SetParent(nullptr);
    EXPECT_EQ(GetSUIFormStyle(Form), DeepBlue);

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

} // namespace
