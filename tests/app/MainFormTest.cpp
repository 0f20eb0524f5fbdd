// The configuration window end to end on the headless desktop, against a
// virtual module on a pseudo-terminal registered in a private port folder.

#include "MainFormFixture.h"

#include "protocol/CodeTables.h"

namespace
{
TEST_F(MainFormTest, ShowingListsTheModulesPortAndStartsClosed)
{
    VirtualModule Module;
    StartModule(Module);
    // The clock panel shows the time of showing; a minute may turn while
    // the window is shown, so either side of it is right.
    const std::string Before = FormatDateTime("t", Now());
    ShowWindow();
    ASSERT_EQ(Form->suiComboBox_PcPort->Items()->Count(), 1);
    EXPECT_EQ(Form->suiComboBox_PcPort->Text(), "COM" + std::to_string(Module.PortNumber()));
    EXPECT_EQ(Panel(0), "Closed");
    EXPECT_EQ(Form->suiButton_OpenPort->Caption(), "Open");
    EXPECT_TRUE(Form->suiComboBox_PcPort->Enabled());
    EXPECT_TRUE(Form->suiComboBox_PcBaudRate->Enabled());
    EXPECT_TRUE(Form->suiComboBox_PcParity->Enabled());
    EXPECT_FALSE(Form->btn_ReadAll->Enabled());
    EXPECT_FALSE(Form->btn_WriteAll->Enabled());
    EXPECT_EQ(Form->suiNumberEdit_RfFrequency->Text(), "433.00");
    EXPECT_EQ(Form->suiNumberEdit_RfFrequency->Value(), 433.0);
    EXPECT_TRUE(Form->tmr1->Enabled());
    const std::string Clock = Panel(2);
    const std::string After = FormatDateTime("t", Now());
    EXPECT_TRUE(Clock == Before || Clock == After)
        << Clock << " is neither " << Before << " nor " << After;
    EXPECT_EQ(Form->TimeoutTicks(), -1);
}

TEST_F(MainFormTest, OpenReadAndWriteAgainstTheModule)
{
    VirtualModule Module;
    StartModule(Module);
    ShowWindow();
    OpenPort(Module);
    EXPECT_EQ(Form->suiButton_OpenPort->Caption(), "Close");
    EXPECT_FALSE(Form->suiComboBox_PcPort->Enabled());
    EXPECT_FALSE(Form->suiComboBox_PcBaudRate->Enabled());
    EXPECT_FALSE(Form->suiComboBox_PcParity->Enabled());
    EXPECT_TRUE(Form->btn_ReadAll->Enabled());
    EXPECT_TRUE(Form->btn_WriteAll->Enabled());

    // What the click leaves on the status bar, taken before any reply can
    // be handled (the module may answer within the click).
    std::string WhileWaiting;
    const TNotifyEvent ReadAll = Form->btn_ReadAll->OnClick;
    Form->btn_ReadAll->OnClick.Assign(
        [&](TObject* Sender)
        {
            ReadAll(Sender);
            WhileWaiting = Panel(1);
        });
    Press(Form->btn_ReadAll);
    EXPECT_EQ(WhileWaiting, "......");
    ASSERT_TRUE(WaitForResult("Successful"));
    EXPECT_EQ(Form->TimeoutTicks(), -1);
    EXPECT_EQ(Form->suiNumberEdit_RfFrequency->Text(), "868.50");
    EXPECT_EQ(Form->suiComboBox_RfFactor->Text(), "128");
    EXPECT_EQ(Form->suiComboBox1->Text(), "Node");
    EXPECT_EQ(Form->suiComboBox_RFBW->Text(), "500K");
    EXPECT_EQ(Form->suiNumberEdit_CustID_H->Text(), "258");
    EXPECT_EQ(Form->suiNumberEdit_NetID->Text(), "7");
    EXPECT_EQ(Form->suiComboBox_Power->Text(), "3");
    EXPECT_EQ(Form->suiComboBox_McuBaudRate->Text(), "115200");
    EXPECT_EQ(Form->suiComboBox_McuParity->Text(), "EVEN");
    EXPECT_EQ(Form->suiComboBox2->Text(), "10s");
    EXPECT_EQ(Form->suiComboBox3->Text(), "4ms");

    // Change every field, then write: the module stores the window's block.
    Form->suiNumberEdit_RfFrequency->SetValue(915.25);
    Form->suiComboBox_RfFactor->SetItemIndex(5);
    Form->suiComboBox1->SetItemIndex(1);
    Form->suiComboBox_RFBW->SetItemIndex(0);
    Form->suiNumberEdit_CustID_H->SetValue(65535);
    Form->suiNumberEdit_NetID->SetValue(255);
    Form->suiComboBox_Power->SetItemIndex(0);
    Form->suiComboBox_McuBaudRate->SetItemIndex(0);
    Form->suiComboBox_McuParity->SetItemIndex(1);
    Form->suiComboBox2->SetItemIndex(2);
    Form->suiComboBox3->SetItemIndex(5);
    Form->SetStatus("-", 1);
    Press(Form->btn_WriteAll);
    ASSERT_TRUE(WaitForResult("Successful"));
    ModuleParameters Stored = Module.Block();
    Stored.Command = 0;
    ModuleParameters Expected;
    Expected.UartBaudCode = 1;
    Expected.UartParity = 1;
    Expected.FrequencyMHz = 915.25;
    Expected.SpreadingCode = 12;
    Expected.RfMode = 1;
    Expected.BandwidthCode = 6;
    Expected.NodeIdHigh = 0xFF;
    Expected.NodeIdLow = 0xFF;
    Expected.NetId = 0xFF;
    Expected.PowerLevel = 1;
    Expected.BreathCode = 2;
    Expected.WakeCode = 5;
    EXPECT_EQ(Stored, Expected);

    Press(Form->suiButton_OpenPort);
    EXPECT_EQ(Panel(0), "Closed");
    EXPECT_EQ(Panel(1), " ");
    EXPECT_EQ(Form->suiButton_OpenPort->Caption(), "Open");
    EXPECT_TRUE(Form->suiComboBox_PcPort->Enabled());
    EXPECT_FALSE(Form->btn_ReadAll->Enabled());
}

TEST_F(MainFormTest, ASilentModuleTimesOutOnTheThirdTickAndALateReplyStillCounts)
{
    VirtualModule Silent;
    StartModule(Silent, ModuleFault::Silent);
    ShowWindow();
    OpenPort(Silent);
    Press(Form->btn_ReadAll);
    FDesktop.Advance(1000);
    FDesktop.Advance(1000);
    EXPECT_EQ(Panel(1), "......");
    EXPECT_EQ(Form->TimeoutTicks(), 2);
    // Pressing again restarts the count.
    Press(Form->btn_ReadAll);
    EXPECT_EQ(Form->TimeoutTicks(), 0);
    FDesktop.Advance(1000);
    FDesktop.Advance(1000);
    EXPECT_EQ(Panel(1), "......");
    FDesktop.Advance(1000);
    EXPECT_EQ(Panel(1), "Error:TimeOut!");
    EXPECT_EQ(Form->TimeoutTicks(), -1);
    FDesktop.Advance(1000);
    EXPECT_EQ(Panel(1), "Error:TimeOut!");

    // A slow module answers after the window gave up; the reply still shows.
    Press(Form->suiButton_OpenPort);
    Silent.Stop();
    VirtualModule Slow;
    StartModule(Slow);
    ClickOn(Form->suiComboBox_PcPort); // dropping the list down probes again
    ClickOn(Form->suiComboBox_PcPort);
    OpenPort(Slow);
    // Its answer comes only after the window gave up.
    Slow.Hold();
    Press(Form->btn_ReadAll);
    FDesktop.Advance(3000);
    FDesktop.Advance(1000);
    FDesktop.Advance(1000);
    EXPECT_EQ(Panel(1), "Error:TimeOut!");
    Slow.Release();
    ASSERT_TRUE(WaitForResult("Successful"));
    EXPECT_EQ(Form->suiComboBox1->Text(), "Node");
}

TEST_F(MainFormTest, ClampsShowInTheFrameTheModuleReceives)
{
    VirtualModule Module;
    StartModule(Module);
    ShowWindow();
    OpenPort(Module);
    const struct
    {
        TsuiNumberEdit* TMainForm::*Edit;
        const char* Typed;
        double Frequency;
        int NodeId;
        int NetId;
    } Cases[] = {
        {&TMainForm::suiNumberEdit_RfFrequency, "995", 433.0, 0, 0},
        {&TMainForm::suiNumberEdit_RfFrequency, "120", 433.0, 0, 0},
        {&TMainForm::suiNumberEdit_RfFrequency, "99", 99.0, 0, 0},
        {&TMainForm::suiNumberEdit_RfFrequency, "140", 140.0, 0, 0},
        {&TMainForm::suiNumberEdit_RfFrequency, "990", 990.0, 0, 0},
        {&TMainForm::suiNumberEdit_CustID_H, "70000", 433.0, 65535, 0},
        {&TMainForm::suiNumberEdit_NetID, "300", 433.0, 0, 255},
    };
    for (const auto& C : Cases)
    {
        Form->suiNumberEdit_RfFrequency->SetValue(433);
        Form->suiNumberEdit_CustID_H->SetValue(0);
        Form->suiNumberEdit_NetID->SetValue(0);
        (Form->*C.Edit)->SetText(C.Typed);
        Form->SetStatus("-", 1);
        Press(Form->btn_WriteAll);
        ASSERT_TRUE(WaitForResult("Successful")) << C.Typed;
        const ModuleParameters Stored = Module.Block();
        EXPECT_EQ(Stored.FrequencyMHz, C.Frequency) << C.Typed;
        EXPECT_EQ(NodeId(Stored), C.NodeId) << C.Typed;
        EXPECT_EQ(Stored.NetId, C.NetId) << C.Typed;
    }
}

TEST_F(MainFormTest, FailuresAreShownInTheResultPanel)
{
    VirtualModule Module;
    StartModule(Module, ModuleFault::BadChecksum);
    ShowWindow();
    Press(Form->btn_ReadAll); // disabled while closed: nothing happens
    Form->btn_ReadAllClick(nullptr);
    EXPECT_EQ(Panel(1), "Fail!");
    Form->btn_WriteAllClick(nullptr);
    EXPECT_EQ(Panel(1), "Fail!");

    OpenPort(Module);
    const std::string FrequencyBefore = Form->suiNumberEdit_RfFrequency->Text();
    Press(Form->btn_ReadAll);
    ASSERT_TRUE(WaitForResult("Error:Checksum!"));
    EXPECT_EQ(Form->suiNumberEdit_RfFrequency->Text(), FrequencyBefore);
    EXPECT_EQ(Form->suiComboBox1->Text(), "Standard");
    EXPECT_EQ(Form->TimeoutTicks(), -1);

    // A block whose reply could not be read is not sent.
    const uint64_t Requests = Module.Requests();
    Form->suiNumberEdit_CustID_H->SetValue(0xAFAF);
    Press(Form->btn_WriteAll);
    EXPECT_EQ(Panel(1), "Error:Value!");
    EXPECT_NE(Form->suiStatusBar1->Hint().find("AF AF"), std::string::npos);
    EXPECT_EQ(Form->TimeoutTicks(), -1);
    FDesktop.Advance(100);
    EXPECT_EQ(Module.Requests(), Requests);

    // The module is unplugged while the port is open.
    Module.Stop();
    ASSERT_TRUE(WaitForResult("Error:PortLost!"));
    EXPECT_EQ(Panel(0), "Closed");
    EXPECT_EQ(Form->suiButton_OpenPort->Caption(), "Open");
    EXPECT_TRUE(Form->suiComboBox_PcPort->Enabled());
    EXPECT_FALSE(Form->btn_ReadAll->Enabled());
}

TEST_F(MainFormTest, ABusyPortSaysSoAndAnEmptyListOpensPortZero)
{
    VirtualModule Module;
    StartModule(Module);
    ShowWindow();
    TelvaroSerial Other;
    PressOpenWhileHeld(Module, Other);
    EXPECT_EQ(Panel(0), "Closed");
    EXPECT_EQ(Panel(1), "Error:Busy!");
    EXPECT_FALSE(Form->suiStatusBar1->Hint().empty());
    Other.Close();

    Module.Stop();
    Form->suiComboBox_PcPortDropDown(nullptr);
    EXPECT_EQ(Form->suiComboBox_PcPort->Items()->Count(), 0);
    EXPECT_EQ(Form->suiComboBox_PcPort->ItemIndex(), -1);
    Press(Form->suiButton_OpenPort);
    EXPECT_EQ(Panel(0), "Closed");
    EXPECT_EQ(Panel(1), " ");
    EXPECT_EQ(Form->Serial()->PortNumber(), 0);
}

TEST_F(MainFormTest, ThePortListFollowsAdaptersKeepingTheSelection)
{
    VirtualModule First;
    StartModule(First);
    ShowWindow();
    VirtualModule Second;
    StartModule(Second);
    const std::string Selected = Form->suiComboBox_PcPort->Text();
    Form->suiComboBox_PcPortDropDown(nullptr);
    EXPECT_EQ(Form->suiComboBox_PcPort->Items()->Count(), 2);
    EXPECT_EQ(Form->suiComboBox_PcPort->Text(), Selected);

    // While the port is open the list stays as it is.
    OpenPort(First);
    Second.Stop();
    Form->suiComboBox_PcPortDropDown(nullptr);
    EXPECT_EQ(Form->suiComboBox_PcPort->Items()->Count(), 2);
}

TEST_F(MainFormTest, DestroyingTheWindowReleasesTheOpenPortFirst)
{
    VirtualModule Module;
    StartModule(Module);
    ShowWindow();
    OpenPort(Module);
    EXPECT_EQ(CXSerial::ProbePort(Module.PortNumber()), 0);
    Form->Free();
    Form = nullptr;
    EXPECT_EQ(CXSerial::ProbePort(Module.PortNumber()), 1);
}

TEST_F(MainFormTest, TheLogoOpensTheUserGuide)
{
    ShowWindow();
    std::vector<std::string> Opened;
    Form->UserGuide = "/somewhere/README.md";
    Form->OpenDocument = [&](const std::string& Path) { Opened.push_back(Path); };
    Press(Form->img2);
    EXPECT_EQ(Opened, std::vector<std::string>{"/somewhere/README.md"});
}

TEST_F(MainFormTest, TheWindowIsAFixedCentredDialogWithTheTabOrderOfItsControls)
{
    ShowWindow();
    const LONG Style = GetWindowLong(Form->Handle(), GWL_STYLE);
    EXPECT_TRUE(Style & WS_SYSMENU);
    EXPECT_FALSE(Style & WS_MINIMIZEBOX);
    EXPECT_FALSE(Style & WS_MAXIMIZEBOX);
    EXPECT_FALSE(Style & WS_THICKFRAME);
    // The skinned frame keeps the dialog's outer size (393 x 322 of client
    // under a caption) and takes the caption into the client area: 3 pixels
    // of frame at the left, top and right, 2 at the bottom.
    RECT R{};
    GetWindowRect(Form->Handle(), &R);
    EXPECT_EQ(R.right - R.left, 399);
    EXPECT_EQ(R.bottom - R.top, 347);
    EXPECT_EQ(Form->ClientWidth(), 393);
    EXPECT_EQ(Form->ClientHeight(), 342);
    EXPECT_LE(std::abs((R.left + R.right) / 2 - 512), 1);
    EXPECT_LE(std::abs((R.top + R.bottom) / 2 - 384), 1);
    EXPECT_EQ(SendMessage(Form->Handle(), WM_NCHITTEST, 0, MAKELPARAM(R.right - 1, R.bottom - 1)),
              HTBORDER);

    std::vector<TWinControl*> Order;
    Form->suiForm1->GetTabOrderList(Order);
    std::vector<std::string> Names;
    for (TWinControl* C : Order)
        if (C->Parent() == Form->suiForm1 && C != Form->suiForm1->TitleBar())
            Names.push_back(C->Name());
    const std::vector<std::string> Expected = {
        "suiGroupBox1", "suiGroupBox2", "suiGroupBox3", "suiGroupBox10", "suiGroupBox5",
        "suiGroupBox6", "suiGroupBox7", "suiGroupBox8", "suiGroupBox9",  "btn_WriteAll",
        "btn_ReadAll",  "img1",         "img2",         "suiGroupBox11", "suiGroupBox12"};
    // The status bar has no tab order of its own in the definition.
    Names.erase(std::remove(Names.begin(), Names.end(), "suiStatusBar1"), Names.end());
    EXPECT_EQ(Names, Expected);
    std::vector<std::string> InUsart;
    Order.clear();
    Form->suiGroupBox1->GetTabOrderList(Order);
    for (TWinControl* C : Order)
        InUsart.push_back(C->Name());
    EXPECT_EQ(InUsart,
              (std::vector<std::string>{"suiButton_OpenPort", "suiComboBox_PcPort",
                                        "suiComboBox_PcBaudRate", "suiComboBox_PcParity"}));
}
} // namespace
