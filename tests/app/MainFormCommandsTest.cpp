// The window menu's commands and their keys, against a virtual module.

#include "MainFormFixture.h"

#include "framework/menus/MenuItem.h"
#include "framework/menus/MenuWindow.h"
#include "framework/menus/ShortCut.h"
#include "skin/SUITitleBar.h"
#include "skin/SUITitleBarPopupMenu.h"
#include "tests/support/MenuSteps.h"

namespace
{
class MainFormCommandsTest : public MainFormTest
{
  protected:
    void CtrlKey(UINT Key)
    {
        FDesktop.KeyDown(VK_CONTROL);
        FDesktop.Press(Key);
        FDesktop.KeyUp(VK_CONTROL);
        FDesktop.Pump();
    }
};

TEST_F(MainFormCommandsTest, TheKeysSendWhatTheButtonsSendAndNothingWhileClosed)
{
    VirtualModule Module;
    StartModule(Module);
    ShowWindow();
    SelectPort(Module);
    Form->suiComboBox_PcPort->SetFocus();

    // Closed: the requests fail as the buttons' would, and nothing is sent.
    for (UINT Key : {'R', 'W'})
    {
        Form->SetStatus("-", 1);
        CtrlKey(Key);
        EXPECT_EQ(Panel(1), "Fail!") << static_cast<char>(Key);
    }
    EXPECT_EQ(Module.Requests(), 0u);

    CtrlKey('P');
    ASSERT_EQ(Panel(0), "Opened");
    CtrlKey('R');
    ASSERT_TRUE(WaitForResult("Successful"));
    EXPECT_EQ(Module.Requests(), 1u);
    EXPECT_EQ(Form->suiNumberEdit_RfFrequency->Text(), "868.50");

    Form->suiNumberEdit_NetID->SetValue(42);
    Form->SetStatus("-", 1);
    CtrlKey('W');
    ASSERT_TRUE(WaitForResult("Successful"));
    EXPECT_EQ(Module.Requests(), 2u);
    EXPECT_EQ(Module.Block().NetId, 42);
    EXPECT_EQ(Module.Block().FrequencyMHz, 868.5);

    CtrlKey('P');
    EXPECT_EQ(Panel(0), "Closed");
    CtrlKey('R');
    EXPECT_EQ(Panel(1), "Fail!");
    EXPECT_EQ(Module.Requests(), 2u);

    std::vector<std::string> Opened;
    Form->OpenDocument = [&](const std::string& Path) { Opened.push_back(Path); };
    Form->UserGuide = "/usr/share/doc/novla-tool/README.md";
    FDesktop.Press(VK_F1);
    FDesktop.Pump();
    EXPECT_EQ(Opened, std::vector<std::string>{Form->UserGuide});
}

TEST_F(MainFormCommandsTest, TheWindowMenuShowsTheCommandsWithTheirKeys)
{
    VirtualModule Module;
    StartModule(Module);
    ShowWindow();
    std::vector<std::string> Shown;
    auto ReadMenu = [&]
    {
        TMenuItem* Items = TMenuLoop::Current()->Level(0)->ParentItem();
        for (int I = 0; I < Items->Count(); ++I)
        {
            const TMenuItem* Item = Items->Items(I);
            const std::string Keys = ShortCutToText(Item->ShortCut());
            Shown.push_back(Item->Caption() + (Keys.empty() ? "" : "\t" + Keys) +
                            (Item->Enabled() ? "" : " (disabled)"));
        }
    };
    const size_t Steps = RunMenuSteps(Form,
                                      [&]
                                      {
                                          FDesktop.KeyDown(VK_MENU);
                                          FDesktop.Press(VK_SPACE);
                                          FDesktop.KeyUp(VK_MENU);
                                          FApp.ProcessMessages();
                                      },
                                      {ReadMenu, [&] { FDesktop.Press('R'); }});
    EXPECT_EQ(Steps, 2u);
    const std::vector<std::string> Expected = {"Mi&nimize (disabled)",
                                               "Ma&ximize/Restore (disabled)",
                                               "-",
                                               "&Open/Close port\tCtrl+P",
                                               "&Read All\tCtrl+R",
                                               "&Write All\tCtrl+W",
                                               "&Find module\tCtrl+F",
                                               "&Save preset\u2026\tCtrl+S",
                                               "&Load preset\u2026\tCtrl+L",
                                               "User &guide\tF1",
                                               "-",
                                               "&Close"};
    EXPECT_EQ(Shown, Expected);
    // Chosen from the menu while the port is closed: as the button would.
    EXPECT_EQ(Panel(1), "Fail!");
    EXPECT_EQ(Module.Requests(), 0u);
}
} // namespace
