// Find module in the window, and what the window says after a write that
// moves the module to another line setting; against virtual modules.

#include "MainFormFixture.h"

#include "serial/LineSearchOrder.h"

namespace
{
class MainFormFindTest : public MainFormTest
{
  protected:
    // A module that talks only at its own line setting, Baud and Parity.
    void StartAt(VirtualModule& Module, int Baud, int Parity, ModuleFault Fault = ModuleFault::None)
    {
        VirtualModuleOptions Options;
        Options.RuntimeFolder = PortFoldersFromEnvironment().Runtime;
        Options.Fault = Fault;
        Options.Delay = 5ms;
        Options.Initial = ModuleBlock();
        Options.Initial.UartBaudCode = CodeForBaudRate(Baud).value();
        Options.Initial.UartParity = static_cast<uint8_t>(Parity);
        Options.OwnLineSettings = true;
        ASSERT_TRUE(Module.Start(Options).Ok());
    }

    void CtrlKey(UINT Key)
    {
        FDesktop.KeyDown(VK_CONTROL);
        FDesktop.Press(Key);
        FDesktop.KeyUp(VK_CONTROL);
        FDesktop.Pump();
    }

    bool WaitForProgress()
    {
        return PumpUntil([&] { return Panel(1).rfind("Searching ", 0) == 0; });
    }

    bool WaitForSearchEnd()
    {
        return PumpUntil([&] { return !Form->Searching(); }, 20000ms);
    }
};

TEST_F(MainFormFindTest, FindsTheModuleOnTheNextPortSelectsItOpensAndReads)
{
    VirtualModule Held, Module;
    StartModule(Held);
    StartAt(Module, 38400, 2);
    ShowWindow();
    TelvaroSerial Other;
    ASSERT_EQ(Other.Open(Held.PortNumber(), 9600, 0), 1);
    Form->SearchTurnaround = 20ms;
    ASSERT_EQ(Form->suiComboBox_PcPort->Text(), "COM" + std::to_string(Held.PortNumber()));

    CtrlKey('F');
    // The key returned at once; the search goes on beside the window.
    ASSERT_TRUE(Form->Searching());
    std::vector<std::string> Progress;
    bool RequestsHeldBack = true;
    ASSERT_TRUE(PumpUntil(
        [&]
        {
            if (Panel(1).rfind("Searching ", 0) == 0)
            {
                if (Progress.empty() || Progress.back() != Panel(1)) Progress.push_back(Panel(1));
                RequestsHeldBack = RequestsHeldBack && !Form->suiButton_OpenPort->Enabled() &&
                                   !Form->btn_ReadAll->Enabled() && !Form->btn_WriteAll->Enabled();
            }
            return !Form->Searching();
        },
        20000ms));
    const std::string Port = "COM" + std::to_string(Module.PortNumber());
    ASSERT_FALSE(Progress.empty());
    EXPECT_EQ(Progress.front().rfind("Searching " + Port + " ", 0), 0u) << Progress.front();
    EXPECT_NE(Progress.front().find("/24"), std::string::npos) << Progress.front();
    EXPECT_TRUE(RequestsHeldBack);

    EXPECT_EQ(Panel(1), "Found: " + Port + " 38400 EVEN");
    EXPECT_EQ(Panel(0), "Opened");
    EXPECT_EQ(Form->LineChoice().Port, Port);
    EXPECT_EQ(Form->LineChoice().Baud, "38400");
    EXPECT_EQ(Form->LineChoice().Parity, "EVEN");
    EXPECT_EQ(Form->suiNumberEdit_RfFrequency->Text(), "868.50");
    EXPECT_EQ(Form->suiComboBox_McuBaudRate->Text(), "38400");
    EXPECT_TRUE(Form->btn_ReadAll->Enabled());
    // Only read requests reached the module, and the window talks to it now.
    const ModuleParameters Before = Module.Block();
    Press(Form->btn_ReadAll);
    ASSERT_TRUE(WaitForResult("Successful"));
    EXPECT_EQ(BuildWriteAll(Module.Block()), BuildWriteAll(Before));
}

TEST_F(MainFormFindTest, EscapeOrTheCommandAgainCancelsAndLeavesThePortFree)
{
    const struct
    {
        const char* Name;
        bool Escape; // else the command again
    } Ways[] = {{"Escape", true}, {"Ctrl+F", false}};
    VirtualModule Module;
    StartAt(Module, 9600, 0, ModuleFault::Silent);
    ShowWindow();
    // Long waits: the search is surely inside one when cancelled.
    Form->SearchTurnaround = 3000ms;
    for (const auto& Way : Ways)
    {
        SCOPED_TRACE(Way.Name);
        CtrlKey('F');
        ASSERT_TRUE(WaitForProgress());
        const auto Start = std::chrono::steady_clock::now();
        if (Way.Escape)
        {
            FDesktop.Press(VK_ESCAPE);
            FDesktop.Pump();
        }
        else
            CtrlKey('F');
        ASSERT_TRUE(WaitForSearchEnd());
        EXPECT_LT(std::chrono::steady_clock::now() - Start, 1000ms);
        EXPECT_EQ(Panel(1), "Cancelled");
        EXPECT_TRUE(Form->suiButton_OpenPort->Enabled());
        EXPECT_EQ(Panel(0), "Closed");
    }
    // Nothing is left open or flagged: the window opens the port itself.
    Press(Form->suiButton_OpenPort);
    EXPECT_EQ(Panel(0), "Opened") << Form->Serial()->LastError().Message;
}

TEST_F(MainFormFindTest, NoneFoundNamesThePortsTried)
{
    VirtualModule Silent, Busy;
    StartAt(Silent, 9600, 0, ModuleFault::Silent);
    StartModule(Busy);
    ShowWindow();
    TelvaroSerial Other;
    ASSERT_EQ(Other.Open(Busy.PortNumber(), 9600, 0), 1);
    Form->SearchTurnaround = 5ms;
    CtrlKey('F');
    ASSERT_TRUE(WaitForSearchEnd());
    EXPECT_EQ(Panel(1), "Error:NotFound!");
    EXPECT_EQ(Form->suiStatusBar1->Hint(), "No module answered at any line setting on COM" +
                                               std::to_string(Silent.PortNumber()) + ", COM" +
                                               std::to_string(Busy.PortNumber()) + " (busy).");
    EXPECT_EQ(Panel(0), "Closed");
    EXPECT_TRUE(Form->suiButton_OpenPort->Enabled());
    EXPECT_EQ(Busy.Requests(), 0u);
}

TEST_F(MainFormFindTest, ClosingTheWindowDuringASearchCancelsAndJoinsIt)
{
    VirtualModule Module;
    StartAt(Module, 9600, 0, ModuleFault::Silent);
    ShowWindow();
    Form->SearchTurnaround = 5000ms;
    CtrlKey('F');
    ASSERT_TRUE(WaitForProgress());
    const auto Start = std::chrono::steady_clock::now();
    Form->Free();
    Form = nullptr;
    EXPECT_LT(std::chrono::steady_clock::now() - Start, 1000ms);
}

// After a verified write, the hint says where the module talks now when the
// write moved it; the window itself stays at its setting.
TEST_F(MainFormFindTest, AWriteThatMovesTheModulesLineSaysWhereItTalksNow)
{
    VirtualModule Module;
    StartModule(Module); // answers at any setting; holds 115200 EVEN
    ShowWindow();
    OpenPort(Module);
    Press(Form->btn_ReadAll);
    ASSERT_TRUE(WaitForResult("Successful"));
    const struct
    {
        const char* Baud;
        const char* Parity;
        std::string Hint; // empty: none
    } Writes[] = {
        {"115200", "EVEN", ""},
        {"19200", "EVEN",
         "The module now talks at 19200 EVEN. To reach it, choose 19200 and EVEN under Usart "
         "(close the port first), or use Find module (Ctrl+F)."},
        {"19200", "ODD",
         "The module now talks at 19200 ODD. To reach it, choose 19200 and ODD under Usart "
         "(close the port first), or use Find module (Ctrl+F)."},
        {"19200", "ODD", ""},
    };
    const TLineChoice Line = Form->LineChoice();
    for (const auto& Write : Writes)
    {
        SCOPED_TRACE(std::string(Write.Baud) + " " + Write.Parity);
        Form->suiComboBox_McuBaudRate->SetItemIndex(
            Form->suiComboBox_McuBaudRate->Items()->IndexOf(Write.Baud));
        Form->suiComboBox_McuParity->SetItemIndex(
            Form->suiComboBox_McuParity->Items()->IndexOf(Write.Parity));
        Form->SetStatus("-", 1);
        Press(Form->btn_WriteAll);
        ASSERT_TRUE(WaitForResult("Successful"));
        EXPECT_EQ(Form->suiStatusBar1->Hint(), Write.Hint);
        EXPECT_EQ(Form->LineChoice().Baud, Line.Baud);
        EXPECT_EQ(Form->LineChoice().Parity, Line.Parity);
    }
}
} // namespace
