// The theme manager switching the tab and page controls, tool bar, side
// channel and pop-up at once, and its component-list dialog offering them.

#include "TestFileTheme.h"

#include "framework/controls/Form.h"
#include "skin/SUIPopupForm.h"
#include "skin/SUISideChannel.h"
#include "skin/SUITabControl.h"
#include "skin/SUIThemeManager.h"
#include "skin/SUIToolBar.h"
#include "skin/frmMgr.h"
#include "tests/framework/GuiFixture.h"

#include <string>
#include <vector>

namespace
{
class BarRestyle : public GuiTest
{
  protected:
    BarRestyle()
    {
        RegisterThemeManagerDialogClasses();
        Form = new TForm(&FApp);
        Tabs = Named(new TsuiTabControl(Form), "Tabs");
        Pages = Named(new TsuiPageControl(Form), "Pages");
        Bar = Named(new TsuiToolBar(Form), "Bar");
        Channel = Named(new TsuiSideChannel(Form), "Channel");
        Popup = Named(new TsuiPopupForm(Form), "Popup");
        Theme = Named(new TTestFileTheme(Form), "Theme");
        Theme->SetLoaded(true);
        Theme->SetColor(SKIN2_TABCONTROLBORDERCOLOR, TColor(0x010203));
        Theme->SetColor(SKIN2_TOOLBARONCOLOR, TColor(0x040506));
        Theme->SetColor(SKIN2_SIDECHANNELCOLOR, TColor(0x070809));
        Theme->SetColor(SKIN2_CONTROLBORDERCOLOR, TColor(0x0A0B0C));
        Mgr = Named(new TsuiThemeManager(Form), "Mgr");
        TStringList L;
        for (const char* N : {"Tabs", "Pages", "Bar", "Channel", "Popup"})
            L.Add(N);
        Mgr->SetCompList(&L);
    }
    ~BarRestyle() override { Form->Free(); }

    template <class T> T* Named(T* C, const char* Name)
    {
        C->SetName(Name);
        return C;
    }

    std::vector<TsuiSkinned*> All() const { return {Tabs, Pages, Bar, Channel, Popup}; }

    TForm* Form;
    TsuiTabControl* Tabs;
    TsuiPageControl* Pages;
    TsuiToolBar* Bar;
    TsuiSideChannel* Channel;
    TsuiPopupForm* Popup;
    TTestFileTheme* Theme;
    TsuiThemeManager* Mgr;
};
} // namespace

TEST_F(BarRestyle, TheManagerSwitchesThemAllToAStyleAndToASkin)
{
    Mgr->SetUIStyle(WinXP);
    for (TsuiSkinned* C : All())
        EXPECT_EQ(C->UIStyle(), WinXP);
    TBitmap Line;
    GetInsideThemeBitmap(WinXP, SUI_ITEM_TAB_LINE_IMAGE, &Line);
    EXPECT_EQ(Tabs->BorderColor(), Line.Surface().Pixel(0, 0));
    EXPECT_EQ(Pages->BorderColor(), Line.Surface().Pixel(0, 0));
    EXPECT_EQ(Bar->ButtonColor(), GetInsideThemeColor(WinXP, SUI_ITEM_TOOLBAR_BUTTON_COLOR));
    EXPECT_EQ(Channel->Color(), GetInsideThemeColor(WinXP, SUI_ITEM_CONTROL_COLOR));
    EXPECT_EQ(Popup->BorderColor(), GetInsideThemeColor(WinXP, SUI_ITEM_CONTROL_BORDER_COLOR));

    Mgr->SetFileTheme(Theme);
    Mgr->SetUIStyle(FromThemeFile);
    for (TsuiSkinned* C : All())
    {
        EXPECT_EQ(C->UIStyle(), FromThemeFile);
        EXPECT_EQ(C->FileTheme(), Theme);
    }
    EXPECT_EQ(Tabs->BorderColor(), TColor(0x010203));
    EXPECT_EQ(Pages->BorderColor(), TColor(0x010203));
    EXPECT_EQ(Bar->ButtonColor(), TColor(0x040506));
    EXPECT_EQ(Channel->Color(), TColor(0x070809));
    EXPECT_EQ(Popup->BorderColor(), TColor(0x0A0B0C));
}

TEST_F(BarRestyle, TheComponentListDialogOffersThem)
{
    TfrmMgr* D = TCustomForm::Create<TfrmMgr>(nullptr);
    D->LoadFrom(*Mgr);
    std::vector<std::string> Listed;
    for (int I = 0; I < D->List->Items()->Count(); ++I)
        Listed.push_back(D->List->Items()->Strings(I) + (D->List->Checked(I) ? "+" : "-"));
    EXPECT_EQ(Listed, (std::vector<std::string>{"Tabs+", "Pages+", "Bar+", "Channel+", "Popup+"}));
    D->Free();
}
