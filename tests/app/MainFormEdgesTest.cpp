// The configuration window at its edges: pastes into the number edits and
// what Write All then sends, a small screen, and port names longer than
// their box.

#include "MainFormFixture.h"

#include "framework/FormatSettings.h"
#include "framework/graphics/Canvas.h"
#include "framework/stdctrls/ListBox.h"
#include "platform/comm/PseudoTerminal.h"
#include "protocol/CodeTables.h"

#include <memory>

namespace
{
class MainFormEdges : public MainFormTest
{
  protected:
    MainFormEdges()
    {
        SetFormatSettings(TFormatSettings::Invariant());
        FApp.OnException = [this](TObject*, const std::exception& E)
        { Errors.push_back(E.what()); };
    }
    ~MainFormEdges() override { SetFormatSettings(TFormatSettings::Invariant()); }

    void SetClipboard(const std::string& Text)
    {
        OpenClipboard(nullptr);
        EmptyClipboard();
        SetClipboardText(Text);
        CloseClipboard();
    }
    void PressWith(UINT Modifier, UINT Key)
    {
        FDesktop.KeyDown(Modifier);
        FDesktop.Press(Key);
        FDesktop.KeyUp(Modifier);
        FDesktop.Pump();
    }
    ModuleParameters WriteAll(const VirtualModule& Module)
    {
        Form->SetStatus("-", 1);
        Press(Form->btn_WriteAll);
        EXPECT_TRUE(WaitForResult("Successful"));
        return Module.Block();
    }

    std::vector<std::string> Errors;
};

TEST_F(MainFormEdges, APasteIsTypedAndWriteAllSendsWhatTheFieldShows)
{
    VirtualModule Module;
    StartModule(Module);
    ShowWindow();
    OpenPort(Module);

    // A frequency cleared with BackSpace, then "-12.5" from Shift+Insert:
    // the minus is refused like a typed one, and nothing of the cleared
    // digits is left over.
    TsuiNumberEdit* Frequency = Form->suiNumberEdit_RfFrequency;
    Frequency->SetValue(433.5);
    ClickOn(Frequency);
    ASSERT_TRUE(Frequency->Focused());
    FDesktop.Press(VK_END);
    for (int I = 0; I < 6; ++I)
        FDesktop.Press(VK_BACK);
    FDesktop.Pump();
    ASSERT_EQ(Frequency->Text(), "");
    SetClipboard("-12.5");
    int Beeps = FDesktop.Beeps();
    PressWith(VK_SHIFT, VK_INSERT);
    EXPECT_EQ(Frequency->Text(), "12.5");
    EXPECT_EQ(FDesktop.Beeps(), Beeps + 1);
    EXPECT_EQ(WriteAll(Module).FrequencyMHz, 12.5);
    EXPECT_EQ(Frequency->Text(), "12.50");

    const struct
    {
        TsuiNumberEdit* TMainForm::*Edit;
        const char* Pasted;
        UINT Modifier; // with V, or Shift with Insert
        const char* Shown;
        double Frequency;
        int NodeId;
        int NetId;
    } Cases[] = {
        {&TMainForm::suiNumberEdit_RfFrequency, "868.5", VK_CONTROL, "868.5", 868.5, 258, 7},
        {&TMainForm::suiNumberEdit_RfFrequency, "868,50", VK_SHIFT, "868.50", 868.5, 258, 7},
        {&TMainForm::suiNumberEdit_RfFrequency, "12345678901234567890123456", VK_CONTROL, "433.00",
         433, 258, 7},
        {&TMainForm::suiNumberEdit_RfFrequency, "abc", VK_CONTROL, "433.00", 433, 258, 7},
        {&TMainForm::suiNumberEdit_CustID_H, "-7", VK_CONTROL, "7", 433, 7, 7},
        {&TMainForm::suiNumberEdit_CustID_H, "abc123", VK_SHIFT, "123", 433, 123, 7},
        {&TMainForm::suiNumberEdit_CustID_H, "\xEF\xBC\x91\xEF\xBC\x92", VK_CONTROL, "258", 433,
         258, 7}, // full-width digits: nothing usable
        {&TMainForm::suiNumberEdit_CustID_H, "12345678901234567890123456", VK_SHIFT, "65535", 433,
         65535, 7},
        {&TMainForm::suiNumberEdit_NetID, "-7", VK_SHIFT, "7", 433, 258, 7},
        {&TMainForm::suiNumberEdit_NetID, "12345678901234567890123456", VK_CONTROL, "255", 433, 258,
         255},
        {&TMainForm::suiNumberEdit_NetID, "1.5", VK_CONTROL, "15", 433, 258, 15},
    };
    for (const auto& C : Cases)
    {
        Frequency->SetValue(433);
        Form->suiNumberEdit_CustID_H->SetValue(258);
        Form->suiNumberEdit_NetID->SetValue(7);
        TsuiNumberEdit* Edit = Form->*C.Edit;
        Edit->SetFocus();
        Edit->SelectAll();
        FDesktop.Pump();
        SetClipboard(C.Pasted);
        PressWith(C.Modifier, C.Modifier == VK_CONTROL ? 'V' : VK_INSERT);
        EXPECT_EQ(Edit->Text(), C.Shown) << C.Pasted;
        const ModuleParameters Stored = WriteAll(Module);
        EXPECT_EQ(Stored.FrequencyMHz, C.Frequency) << C.Pasted;
        EXPECT_EQ(NodeId(Stored), C.NodeId) << C.Pasted;
        EXPECT_EQ(Stored.NetId, C.NetId) << C.Pasted;
    }
    EXPECT_TRUE(Errors.empty()) << Errors.front();
}

TEST_F(MainFormEdges, TheCommaLocaleTypesEitherSeparatorAndShowsItsOwn)
{
    SetFormatSettings(TFormatSettings::FromSeparators(",", "."));
    VirtualModule Module;
    StartModule(Module);
    ShowWindow();
    OpenPort(Module);
    TsuiNumberEdit* Frequency = Form->suiNumberEdit_RfFrequency;
    Frequency->SetValue(433);
    EXPECT_EQ(Frequency->Text(), "433,00");
    Frequency->SetFocus();
    Frequency->SelectAll();
    for (UINT Key : {UINT{'8'}, UINT{'6'}, UINT{'8'}, VK_OEM_PERIOD, UINT{'5'}})
        FDesktop.Press(Key);
    FDesktop.Pump();
    EXPECT_EQ(Frequency->Text(), "868,5");
    EXPECT_EQ(WriteAll(Module).FrequencyMHz, 868.5);
    EXPECT_EQ(Frequency->Text(), "868,50");
    EXPECT_TRUE(Errors.empty()) << Errors.front();
}

TEST_F(MainFormEdges, OnAScreenSmallerThanTheWindowTheTitleBarStaysOnIt)
{
    FDesktop.SetMonitors({{{0, 0, 320, 240}, {0, 0, 320, 240}}});
    ShowWindow();
    RECT R{};
    GetWindowRect(Form->Handle(), &R);
    EXPECT_EQ(R.left, 0);
    EXPECT_EQ(R.top, 0);
    EXPECT_EQ(R.right - R.left, 399);
    EXPECT_EQ(R.bottom - R.top, 347);
}

TEST_F(MainFormEdges, ThePortListShowsWholePortNames)
{
    // Ten adapters at the last port numbers: more names than the list
    // shows at once, each wider than the box.
    std::vector<std::unique_ptr<PseudoTerminal>> Adapters;
    const std::string Links = PortFoldersFromEnvironment().User;
    for (int Port = 246; Port <= 255; ++Port)
    {
        Adapters.push_back(std::make_unique<PseudoTerminal>());
        ASSERT_TRUE(Adapters.back()->Create().Ok());
        ASSERT_EQ(symlink(Adapters.back()->DevicePath().c_str(),
                          (Links + "/" + LinkFileName(Port)).c_str()),
                  0);
    }
    ShowWindow();
    TsuiComboBox* Ports = Form->suiComboBox_PcPort;
    Ports->SetDroppedDown(true);
    FDesktop.Pump();
    ASSERT_TRUE(Ports->DroppedDown());
    TCustomListBox* List = Ports->ListControl();
    ASSERT_EQ(List->Count(), 10);
    TCanvas Measure;
    Measure.SetFont(List->Font());
    for (int I = 0; I < List->Count(); ++I)
        EXPECT_GE(List->ItemRect(I).Width(), Measure.TextWidth(List->Items()->Strings(I)) + 2)
            << List->Items()->Strings(I);
    RECT Box{}, Dropped{};
    GetWindowRect(Ports->Handle(), &Box);
    GetWindowRect(List->Handle(), &Dropped);
    EXPECT_EQ(Dropped.left, Box.left);
    // The box itself keeps its size.
    EXPECT_EQ(Box.right - Box.left, 57);
    Ports->SetDroppedDown(false);
}
} // namespace
