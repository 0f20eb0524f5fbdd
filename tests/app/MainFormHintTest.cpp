// The window's tool tips: the full message of a refused open over the
// result panel, and what each control sets.

#include "MainFormFixture.h"

#include "framework/controls/HintTracker.h"
#include "framework/controls/HintWindow.h"

namespace
{
class MainFormHintTest : public MainFormTest
{
  protected:
    void RestAt(TPoint Screen)
    {
        FDesktop.MouseMove(Screen.X, Screen.Y);
        FDesktop.Pump();
        FDesktop.Advance(THintTracker::DefaultPause);
    }
    void RestOn(const TControl* Control)
    {
        RestAt(Control->ClientToScreen({Control->Width() / 2, Control->Height() / 2}));
    }
    void RestOnPanel(int Index)
    {
        const TRect R = Form->suiStatusBar1->PanelRect(Index);
        RestAt(
            Form->suiStatusBar1->ClientToScreen({(R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2}));
    }
    // The text of the tool tip on screen, read from its window.
    std::string Tip()
    {
        THintWindow* W = FApp.Hints().Window();
        if (!FApp.Hints().Showing() || !W || !IsWindowVisible(W->Handle())) return "";
        EXPECT_EQ(GetParent(W->Handle()), nullptr);
        char Text[1024] = {};
        GetWindowText(W->Handle(), Text, sizeof(Text));
        return Text;
    }
};

TEST_F(MainFormHintTest, TheResultPanelShowsTheWholeMessageOfARefusedOpen)
{
    VirtualModule Module;
    StartModule(Module);
    ShowWindow();
    TelvaroSerial Other;
    PressOpenWhileHeld(Module, Other);
    ASSERT_EQ(Panel(1), "Error:Busy!");
    const std::string Message = Form->suiStatusBar1->Hint();
    ASSERT_FALSE(Message.empty());

    // The other panels say what they say without a tip.
    RestOnPanel(0);
    EXPECT_EQ(Tip(), "");
    RestOnPanel(1);
    EXPECT_EQ(Tip(), Message);
    RestOnPanel(2);
    EXPECT_EQ(Tip(), "");
    Other.Close();
}

TEST_F(MainFormHintTest, ControlsSayWhatTheySetAndKeepTheirTexts)
{
    ShowWindow();
    struct Case
    {
        TControl* Control;
        const char* Hint;
    };
    const Case Cases[] = {
        {Form->suiNumberEdit_RfFrequency, "RF frequency in MHz, 140-990 (two decimals)"},
        {Form->suiNumberEdit_CustID_H, "Node ID, 0-65535"},
        {Form->suiNumberEdit_NetID, "Net ID, 0-255"},
        {Form->suiComboBox_Power, "Transmit power, 1-7"},
        {Form->suiButton_OpenPort, "Opens or closes the PC's serial port"},
    };
    for (const Case& C : Cases)
    {
        SCOPED_TRACE(C.Hint);
        FDesktop.MouseMove(0, 0);
        FDesktop.Pump();
        FDesktop.Advance(THintTracker::ShortPauseWindow);
        RestOn(C.Control);
        EXPECT_EQ(Tip(), C.Hint);
    }
    EXPECT_EQ(Form->suiButton_OpenPort->Caption(), "Open");
    EXPECT_EQ(Form->btn_ReadAll->Caption(), "Read All");
}
TEST_F(MainFormHintTest, ThePortBoxNamesTheChosenPortAndItsDevice)
{
    VirtualModule Module;
    StartModule(Module);
    ShowWindow();
    SelectPort(Module);
    RestOn(Form->suiComboBox_PcPort);
    EXPECT_EQ(Tip(), "COM" + std::to_string(Module.PortNumber()) + ": " + Module.DevicePath() +
                         "\nPC serial port, COM1-COM255 (those that can be opened now)");
}
} // namespace
