#include "app/MainForm.h"

#include "app/BlockDifferences.h"
#include "app/ControlHints.h"
#include "app/UserGuide.h"
#include "framework/ClassRegistry.h"
#include "framework/DateTime.h"
#include "framework/PropertyRegistry.h"
#include "framework/Text.h"
#include "framework/UpdateScope.h"
#include "framework/controls/HintTracker.h"
#include "framework/controls/Messages.h"
#include "framework/dialogs/FileDialogs.h"
#include "framework/menus/MenuItem.h"
#include "platform/comm/PortMap.h"
#include "platform/shell/ShellOpen.h"
#include "platform/win/FileDrop.h"
#include "platform/win/Input.h"
#include "protocol/CodeTables.h"
#include "protocol/Frames.h"
#include "protocol/Frequency.h"
#include "protocol/ReplyHazards.h"
#include "serial/BlockFile.h"
#include "skin/SUIEditClasses.h"
#include "skin/SUIForm.h"
#include "skin/SUITitleBar.h"
#include "skin/SUITitleBarPopupMenu.h"
#include "skin/SkinButtonClasses.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <vector>

TMainForm* MainForm = nullptr;

namespace
{
constexpr int PortPanel = 0;
constexpr int ResultPanel = 1;
constexpr int ClockPanel = 2;
constexpr int LastPort = 255;
constexpr int TimeoutTickLimit = 3;
constexpr const char* SearchMessageName = "NovlaFindModuleEvent";

// The integer of the leading decimal digits of Text; 0 without any. Stops
// growing at a bound no caller can mean, so a long run of digits cannot
// overflow.
int LeadingNumber(std::string_view Text)
{
    int Value = 0;
    for (char C : Text)
    {
        if (!std::isdigit(static_cast<unsigned char>(C))) break;
        if (Value < 100000000) Value = Value * 10 + (C - '0');
    }
    return Value;
}

void ApplyList(TCustomComboBox* List, ParameterList Kind, uint8_t Code)
{
    const ListUpdate Update = IndexForCode(Kind, Code);
    if (Update.What == ListUpdate::Action::Select)
        List->SetItemIndex(Update.Index);
    else if (Update.What == ListUpdate::Action::Clear)
        List->SetItemIndex(-1);
}

// What frame position Position carries, as the window names it.
const char* FieldAt(size_t Position)
{
    static const char* const Names[] = {
        "module baud rate", "module parity", "frequency", "frequency", "frequency",
        "spreading factor", "RF mode",       "bandwidth", "node ID",   "node ID",
        "net ID",           "power",         "breath",    "wake timer"};
    if (Position >= FrameDataStart && Position < FrameChecksumPosition)
        return Names[Position - FrameDataStart];
    return "checksum";
}

// "COM33 19200 EVEN".
std::string PlaceText(int Port, const PcLineSetting& Setting)
{
    return PortName(Port) + " " + LineSettingText(Setting);
}

// Why Hazard keeps the module's reply from being read, for the hint.
std::string HazardText(const ReplyHazard& Hazard)
{
    const bool Sync = Hazard.What == ReplyHazard::Kind::SyncPair;
    std::string Fields = FieldAt(Hazard.Position);
    if (Fields != FieldAt(Hazard.Position + 1))
        Fields += std::string(" and ") + FieldAt(Hazard.Position + 1);
    return "Not sent: the " + Fields + " would put the bytes " + (Sync ? "AF AF" : "0D 0A") +
           " into the module's reply, which then could not be read. Change a value and write "
           "again.";
}
} // namespace

void RegisterMainFormClasses()
{
    RegisterSkinEditClasses();
    RegisterSkinButtonClasses();
    RegisterClass(TsuiForm::StaticClass());
    RegisterClass(TMainForm::StaticClass());
}

const TClassInfo& TMainForm::StaticClass()
{
    static const TClassInfo Info =
        TClassBuilder<TMainForm>("TMainForm", &TForm::StaticClass())
            .Field("suiForm1", &TMainForm::suiForm1)
            .Field("suiStatusBar1", &TMainForm::suiStatusBar1)
            .Field("suiGroupBox1", &TMainForm::suiGroupBox1)
            .Field("suiGroupBox2", &TMainForm::suiGroupBox2)
            .Field("suiGroupBox3", &TMainForm::suiGroupBox3)
            .Field("suiGroupBox5", &TMainForm::suiGroupBox5)
            .Field("suiGroupBox6", &TMainForm::suiGroupBox6)
            .Field("suiGroupBox7", &TMainForm::suiGroupBox7)
            .Field("suiGroupBox8", &TMainForm::suiGroupBox8)
            .Field("suiGroupBox9", &TMainForm::suiGroupBox9)
            .Field("suiGroupBox10", &TMainForm::suiGroupBox10)
            .Field("suiGroupBox11", &TMainForm::suiGroupBox11)
            .Field("suiGroupBox12", &TMainForm::suiGroupBox12)
            .Field("suiButton_OpenPort", &TMainForm::suiButton_OpenPort)
            .Field("btn_WriteAll", &TMainForm::btn_WriteAll)
            .Field("btn_ReadAll", &TMainForm::btn_ReadAll)
            .Field("suiComboBox_PcPort", &TMainForm::suiComboBox_PcPort)
            .Field("suiComboBox_PcBaudRate", &TMainForm::suiComboBox_PcBaudRate)
            .Field("suiComboBox_PcParity", &TMainForm::suiComboBox_PcParity)
            .Field("suiComboBox_RfFactor", &TMainForm::suiComboBox_RfFactor)
            .Field("suiComboBox1", &TMainForm::suiComboBox1)
            .Field("suiComboBox_RFBW", &TMainForm::suiComboBox_RFBW)
            .Field("suiComboBox_McuBaudRate", &TMainForm::suiComboBox_McuBaudRate)
            .Field("suiComboBox_McuParity", &TMainForm::suiComboBox_McuParity)
            .Field("suiComboBox_Power", &TMainForm::suiComboBox_Power)
            .Field("suiComboBox2", &TMainForm::suiComboBox2)
            .Field("suiComboBox3", &TMainForm::suiComboBox3)
            .Field("suiNumberEdit_RfFrequency", &TMainForm::suiNumberEdit_RfFrequency)
            .Field("suiNumberEdit_CustID_H", &TMainForm::suiNumberEdit_CustID_H)
            .Field("suiNumberEdit_NetID", &TMainForm::suiNumberEdit_NetID)
            .Field("img1", &TMainForm::img1)
            .Field("img2", &TMainForm::img2)
            .Field("Label1", &TMainForm::Label1)
            .Field("Label2", &TMainForm::Label2)
            .Field("Label3", &TMainForm::Label3)
            .Field("Label4", &TMainForm::Label4)
            .Field("Label6", &TMainForm::Label6)
            .Field("Label7", &TMainForm::Label7)
            .Field("Label8", &TMainForm::Label8)
            .Field("Label9", &TMainForm::Label9)
            .Field("tmr1", &TMainForm::tmr1)
            .Method("FormShow", &TMainForm::FormShow)
            .Method("FormDestroy", &TMainForm::FormDestroy)
            .Method("suiButton_OpenPortClick", &TMainForm::suiButton_OpenPortClick)
            .Method("suiComboBox_PcPortDropDown", &TMainForm::suiComboBox_PcPortDropDown)
            .Method("btn_WriteAllClick", &TMainForm::btn_WriteAllClick)
            .Method("btn_ReadAllClick", &TMainForm::btn_ReadAllClick)
            .Method("tmr1Timer", &TMainForm::tmr1Timer)
            .Method("suiNumberEdit_RfFrequencyChange", &TMainForm::suiNumberEdit_RfFrequencyChange)
            .Method("suiNumberEdit_CustID_HChange", &TMainForm::suiNumberEdit_CustID_HChange)
            .Method("suiNumberEdit_NetIDChange", &TMainForm::suiNumberEdit_NetIDChange)
            .Method("img2Click", &TMainForm::img2Click)
            .Method("FindModuleClick", &TMainForm::FindModuleClick)
            .Method("SavePresetClick", &TMainForm::SavePresetClick)
            .Method("LoadPresetClick", &TMainForm::LoadPresetClick)
            .Build();
    return Info;
}

TMainForm::TMainForm(TComponent* AOwner)
    : TForm(AOwner), OpenDocument([](const std::string& Path) { ShellOpenDocument(Path); }),
      UserGuide(FindUserGuide(RunningExecutable())),
      ProbePort([](int Port) { return CXSerial::ProbePortDevice(Port); }),
      ChoosePresetFile(
          [](bool Save, const std::string& Folder)
          {
              std::unique_ptr<TOpenDialog> Dialog = Save ? std::make_unique<TSaveDialog>(nullptr)
                                                         : std::make_unique<TOpenDialog>(nullptr);
              Dialog->SetTitle(Save ? "Save preset" : "Load preset");
              Dialog->SetInitialDir(Folder);
              Dialog->SetFilter("Presets (*.json)|*.json|All files (*)|*");
              Dialog->SetDefaultExt("json");
              return Dialog->Execute() ? Dialog->FileName() : std::string();
          })
{
}

// The module link goes first, so its receive thread has stopped before any
// control it reports to is destroyed.
TMainForm::~TMainForm() = default;

void TMainForm::DoCreate()
{
    FRecvMessage = RegisterWindowMessage(ReplyMessageName);
    FSerial = std::make_unique<TelvaroSerial>();
    FSerial->SetNotifyTarget(Handle(), FRecvMessage);
    FSearchMessage = RegisterWindowMessage(SearchMessageName);
    DragAcceptFiles(Handle(), TRUE);
    FTimeoutTicks = -1;
    AddMenuCommands();
    ApplyControlHints(this);
    ShowPortDeviceInHint();
    TForm::DoCreate();
}

TPopupMenu* TMainForm::WindowMenu() const
{
    return suiForm1 && suiForm1->TitleBar() ? suiForm1->TitleBar()->TitleMenu() : nullptr;
}

void TMainForm::AddMenuCommands()
{
    auto* Menu = dynamic_cast<TsuiTitleBarPopupMenu*>(WindowMenu());
    if (!Menu) return;
    // Above "&Close", each the same as its button or the logo: a command
    // while the port is closed shows "Fail!" as the button would.
    const struct
    {
        const char* Caption;
        TShortCut Keys;
        void (TMainForm::*Run)(TObject*);
        bool Request; // held back while Find module runs
    } Commands[] = {
        {"&Open/Close port", static_cast<TShortCut>(scCtrl | 'P'),
         &TMainForm::suiButton_OpenPortClick, true},
        {"&Read All", static_cast<TShortCut>(scCtrl | 'R'), &TMainForm::btn_ReadAllClick, true},
        {"&Write All", static_cast<TShortCut>(scCtrl | 'W'), &TMainForm::btn_WriteAllClick, true},
        {"&Find module", static_cast<TShortCut>(scCtrl | 'F'), &TMainForm::FindModuleClick, false},
        {"&Save preset\u2026", static_cast<TShortCut>(scCtrl | 'S'), &TMainForm::SavePresetClick,
         false},
        {"&Load preset\u2026", static_cast<TShortCut>(scCtrl | 'L'), &TMainForm::LoadPresetClick,
         false},
        {"User &guide", static_cast<TShortCut>(VK_F1), &TMainForm::img2Click, false},
        {"-", scNone, nullptr, false},
    };
    int At = Menu->Items()->IndexOf(Menu->CloseItem());
    for (const auto& Command : Commands)
    {
        auto* Item = new TMenuItem(Menu);
        Item->SetCaption(Command.Caption);
        Item->SetShortCut(Command.Keys);
        if (Command.Run) Item->OnClick.Bind(this, Command.Run);
        if (Command.Request) FRequestItems.push_back(Item);
        Menu->Items()->Insert(At++, Item);
    }
}

bool TMainForm::IsShortCut(const TMessage& Message)
{
    if (FSearch && Message.Msg == WM_KEYDOWN && Message.WParam == VK_ESCAPE)
    {
        FSearch->Cancel();
        return true;
    }
    if (TForm::IsShortCut(Message)) return true;
    TPopupMenu* Menu = WindowMenu();
    return Menu && Enabled() && Menu->IsShortCut(Message);
}

void TMainForm::WndProc(TMessage& Message)
{
    if (FRecvMessage != 0 && Message.Msg == FRecvMessage)
    {
        OnSerialReceive(Message.WParam);
        return;
    }
    if (FSearchMessage != 0 && Message.Msg == FSearchMessage)
    {
        OnSearchEvent();
        return;
    }
    if (Message.Msg == WM_DROPFILES)
    {
        // The first preset among the files; other files are not ours.
        const auto* Drop = reinterpret_cast<const TDroppedFiles*>(Message.LParam);
        for (const std::string& File : Drop->Files)
            if (File.size() > 5 && SameText(File.substr(File.size() - 5), ".json"))
            {
                LoadPreset(File);
                break;
            }
        return;
    }
    TForm::WndProc(Message);
}

void TMainForm::SetStatus(const std::string& Text, int Panel)
{
    if (Panel < 0 || Panel >= 3 || !suiStatusBar1) return;
    TStatusPanels* Panels = suiStatusBar1->Panels();
    if (Panel < Panels->Count()) Panels->Items(Panel)->SetText(Text);
}

void TMainForm::FormShow(TObject*)
{
    ShowPortState();
    // After the port state, which clears panel 1: listing may report
    // devices the user may not open there.
    ListPorts();
    ShowTime();
    tmr1->SetEnabled(true);
    suiNumberEdit_RfFrequency->SetValue(DefaultFrequencyMHz);
    if (!FLineChosen) ChooseLine();
}

void TMainForm::ChooseLine()
{
    FLineChosen = true;
    std::string Error;
    if (!SettingsFile.empty() && !TSettingsFile(SettingsFile).Load(FSettings, Error))
        std::fprintf(stderr, "novla-tool: %s; settings ignored\n", Error.c_str());
    // The command line's choice, else the kept one, else the list's own.
    // False when the command line's is not in the list.
    auto Pick = [](TCustomComboBox* List, const std::string& Kept, const std::string& Given)
    {
        const int Chosen = Given.empty() ? -1 : List->Items()->IndexOf(Given);
        const int Index = Chosen >= 0 || Kept.empty() ? Chosen : List->Items()->IndexOf(Kept);
        if (Index >= 0) List->SetItemIndex(Index);
        return Chosen >= 0 || Given.empty();
    };
    if (!Pick(suiComboBox_PcPort, FSettings.Line.Port, Preselected.Port))
    {
        SetStatus(Preselected.Port + " not listed", ResultPanel);
        suiStatusBar1->SetHint(Preselected.Port +
                               " is not among the ports that can be opened now.");
    }
    Pick(suiComboBox_PcBaudRate, FSettings.Line.Baud, Preselected.Baud);
    Pick(suiComboBox_PcParity, FSettings.Line.Parity, Preselected.Parity);
}

TLineChoice TMainForm::LineChoice() const
{
    auto Shown = [](const TCustomComboBox* List)
    { return List->ItemIndex() >= 0 ? List->Items()->Strings(List->ItemIndex()) : std::string(); };
    return {Shown(suiComboBox_PcPort), Shown(suiComboBox_PcBaudRate), Shown(suiComboBox_PcParity)};
}

void TMainForm::DoClose(TCloseAction& Action)
{
    if (!SettingsFile.empty() && FLineChosen)
    {
        // An empty list (the adapter unplugged) keeps the port of before.
        const TLineChoice Now = LineChoice();
        for (auto [Kept, Shown] : {std::pair{&FSettings.Line.Port, &Now.Port},
                                   std::pair{&FSettings.Line.Baud, &Now.Baud},
                                   std::pair{&FSettings.Line.Parity, &Now.Parity}})
            if (!Shown->empty()) *Kept = *Shown;
        std::string Error;
        if (!TSettingsFile(SettingsFile).Save(FSettings, Error))
            std::fprintf(stderr, "novla-tool: %s; settings not kept\n", Error.c_str());
    }
    TForm::DoClose(Action);
}

void TMainForm::FormDestroy(TObject*)
{
    if (tmr1) tmr1->SetEnabled(false);
    // Cancelled and joined before the link and the controls go.
    FSearch.reset();
    FSerial.reset();
}

void TMainForm::ListPorts()
{
    const int Old = suiComboBox_PcPort->ItemIndex();
    const std::string Selected = Old >= 0 ? suiComboBox_PcPort->Items()->Strings(Old) : "";
    TStrings* Items = suiComboBox_PcPort->Items();
    // Devices that exist but refuse this user stay out of the list (it
    // holds what can be opened), but are named: otherwise a user outside
    // the devices' group sees an empty list and no reason.
    std::vector<std::string> Refused, Advice;
    {
        TUpdateScope<TStrings> Batch(*Items);
        Items->Clear();
        FListedDevices.clear();
        for (int Port = 1; Port <= LastPort; ++Port)
        {
            const CXSerial::Probe Probe = ProbePort(Port);
            if (Probe.Error.Ok())
            {
                Items->Add(PortName(Port));
                FListedDevices.push_back(Probe.DevicePath);
            }
            else if (Probe.Error.Status == CommStatus::PermissionDenied)
            {
                Refused.push_back(PortName(Port) + " (" + Probe.DevicePath + ")");
                const std::string Fix = PermissionHint(Probe.DevicePath);
                if (!Fix.empty() && std::find(Advice.begin(), Advice.end(), Fix) == Advice.end())
                    Advice.push_back(Fix);
            }
        }
    }
    int Index = Selected.empty() ? -1 : Items->IndexOf(Selected);
    if (Index < 0 && Items->Count() > 0) Index = 0;
    suiComboBox_PcPort->SetItemIndex(Index);
    if (!Refused.empty()) ShowRefusedPorts(Refused, Advice);
}

// The port box's tool tip starts with the chosen port's whole name and its
// device: the closed box may be too narrow for a long name, and the device
// is what the user knows the adapter by.
void TMainForm::ShowPortDeviceInHint()
{
    auto Old = suiComboBox_PcPort->WindowProc;
    suiComboBox_PcPort->WindowProc = [this, Old](TMessage& M)
    {
        Old(M);
        if (M.Msg != CM_HINTSHOW || M.Result != 0) return;
        const int Index = suiComboBox_PcPort->ItemIndex();
        if (Index < 0 || Index >= static_cast<int>(FListedDevices.size())) return;
        auto* Info = reinterpret_cast<THintInfo*>(M.LParam);
        Info->HintStr = suiComboBox_PcPort->Items()->Strings(Index) + ": " +
                        FListedDevices[static_cast<size_t>(Index)] + "\n" + Info->HintStr;
    };
}

void TMainForm::ShowRefusedPorts(const std::vector<std::string>& Ports,
                                 const std::vector<std::string>& Advice)
{
    std::string Text = "No permission to open ";
    for (size_t I = 0; I < Ports.size(); ++I)
        Text += (I == 0 ? "" : ", ") + Ports[I];
    for (const std::string& Fix : Advice)
        Text += "; " + Fix;
    SetStatus("Error:NoPermission!", ResultPanel);
    suiStatusBar1->SetHint(Text);
    if (FRefusalReported) return;
    FRefusalReported = true;
    std::fprintf(stderr, "novla-tool: %s\n", Text.c_str());
}

void TMainForm::suiComboBox_PcPortDropDown(TObject*)
{
    // An adapter plugged in after start-up shows up without a restart.
    if (FSerial && !FSerial->IsOpen()) ListPorts();
}

void TMainForm::suiButton_OpenPortClick(TObject*)
{
    if (!FSerial || FSearch) return;
    bool Tried = false;
    if (FSerial->IsOpen())
        FSerial->Close();
    else
    {
        const std::string PortText = suiComboBox_PcPort->Text();
        // An empty list opens port 0, which no device answers to.
        const int Port = ParsePortName(PortText).value_or(0);
        const int Baud = LeadingNumber(suiComboBox_PcBaudRate->Text());
        const int Parity = suiComboBox_PcParity->ItemIndex();
        FSerial->Configure(Port, Baud, Parity);
        Tried = true;
    }
    ShowPortState();
    if (Tried && !FSerial->IsOpen()) ShowOpenFailure();
}

void TMainForm::ShowPortState()
{
    const bool Open = FSerial && FSerial->IsOpen();
    SetStatus(Open ? "Opened" : "Closed", PortPanel);
    suiComboBox_PcPort->SetEnabled(!Open);
    suiComboBox_PcBaudRate->SetEnabled(!Open);
    suiComboBox_PcParity->SetEnabled(!Open);
    FModuleLine.reset();
    EnableRequests();
    // A result of before this open or close (a busy port, a lost one) no
    // longer describes the port.
    SetStatus(" ", ResultPanel);
    suiButton_OpenPort->SetCaption(Open ? "Close" : "Open");
    suiStatusBar1->SetHint("");
}

void TMainForm::ShowOpenFailure()
{
    const CommError& Error = FSerial->LastError();
    if (Error.Status == CommStatus::PermissionDenied)
        SetStatus("Error:NoPermission!", ResultPanel);
    else if (Error.Status == CommStatus::Busy)
        SetStatus("Error:Busy!", ResultPanel);
    else
        return;
    suiStatusBar1->SetHint(Error.Message);
}

ModuleParameters TMainForm::BlockFromControls() const
{
    ModuleParameters Block;
    Block.UartBaudCode =
        CodeForIndex(ParameterList::UartBaud, suiComboBox_McuBaudRate->ItemIndex());
    Block.UartParity = CodeForIndex(ParameterList::UartParity, suiComboBox_McuParity->ItemIndex());
    Block.FrequencyMHz = suiNumberEdit_RfFrequency->Value();
    Block.SpreadingCode = CodeForIndex(ParameterList::Spreading, suiComboBox_RfFactor->ItemIndex());
    Block.RfMode = CodeForIndex(ParameterList::RfMode, suiComboBox1->ItemIndex());
    Block.BandwidthCode = CodeForIndex(ParameterList::Bandwidth, suiComboBox_RFBW->ItemIndex());
    SetNodeId(Block, suiNumberEdit_CustID_H->Value());
    Block.NetId = NetIdCode(suiNumberEdit_NetID->Value());
    Block.PowerLevel = CodeForIndex(ParameterList::Power, suiComboBox_Power->ItemIndex());
    Block.BreathCode = CodeForIndex(ParameterList::Breath, suiComboBox2->ItemIndex());
    Block.WakeCode = CodeForIndex(ParameterList::Wake, suiComboBox3->ItemIndex());
    return Block;
}

void TMainForm::btn_WriteAllClick(TObject*)
{
    if (FSearch) return;
    if (!FSerial || !FSerial->IsOpen())
    {
        SetStatus("Fail!", ResultPanel);
        return;
    }
    const ModuleParameters Block = BlockFromControls();
    // The module would store such a block, but its reply (and every later
    // one) could not be read: the window would report a failure for a write
    // that worked, and could never read the module again.
    const std::vector<ReplyHazard> Hazards = FindBlockHazards(Block);
    if (!Hazards.empty())
    {
        SetStatus("Error:Value!", ResultPanel);
        suiStatusBar1->SetHint(HazardText(Hazards.front()));
        return;
    }
    FWritten = Block;
    FSerial->SendWriteAll(&Block);
    StartRequest();
}

void TMainForm::btn_ReadAllClick(TObject*)
{
    if (FSearch) return;
    if (!FSerial || !FSerial->IsOpen())
    {
        SetStatus("Fail!", ResultPanel);
        return;
    }
    FSerial->SendReadAll();
    StartRequest();
}

void TMainForm::StartRequest()
{
    FTimeoutTicks = 0;
    SetStatus("......", ResultPanel);
    suiStatusBar1->SetHint("");
}

void TMainForm::ShowTime()
{
    SetStatus(FormatDateTime("t", Now()), ClockPanel);
}

void TMainForm::tmr1Timer(TObject*)
{
    ShowTime();
    if (FTimeoutTicks < 0) return;
    if (++FTimeoutTicks >= TimeoutTickLimit)
    {
        FTimeoutTicks = -1;
        SetStatus("Error:TimeOut!", ResultPanel);
    }
}

void TMainForm::OnSerialReceive(WPARAM Flag)
{
    if (!FSerial) return;
    if (Flag == ReplyPortLost)
    {
        FTimeoutTicks = -1;
        // IsOpen is 0 from the loss on; a port opened again since then has
        // nothing to do with this notice.
        if (FSerial->IsOpen()) return;
        FSerial->Close();
        ShowPortState();
        SetStatus("Error:PortLost!", ResultPanel);
        return;
    }
    // Every notification has its frame in the link's queue. Only the frame
    // the link marks as the answer to the request is shown: a repeat, a
    // late answer to an earlier request or to an earlier opening of the
    // port, or a frame of the other command must not pass for it.
    for (ModuleReply Reply; FSerial->TakeReply(Reply);)
        if (Reply.Answers != 0) ShowAnswer(Reply);
}

void TMainForm::ShowAnswer(const ModuleReply& Reply)
{
    FTimeoutTicks = -1;
    if (Reply.Flag != ReplyOk)
    {
        SetStatus("Error:Checksum!", ResultPanel);
        return;
    }
    // A write is answered with the block the module holds afterwards; one
    // that differs from what was sent was not stored.
    const std::string Differences = Reply.Block.Command == CommandWriteAll
                                        ? DescribeBlockDifferences(FWritten, Reply.Block)
                                        : std::string();
    if (Differences.empty())
    {
        SetStatus("Successful", ResultPanel);
        if (Reply.Block.Command == CommandWriteAll) ShowLineHint(Reply.Block);
    }
    else
    {
        SetStatus("Error:Verify!", ResultPanel);
        suiStatusBar1->SetHint("The module did not store the block sent: " + Differences);
    }
    FModuleLine = std::pair{Reply.Block.UartBaudCode, Reply.Block.UartParity};
    ApplyParameters(Reply.Block);
}

void TMainForm::ShowLineHint(const ModuleParameters& Block)
{
    // The line the module talked at before: its last answer's, else the one
    // this window reached it at.
    const TLineChoice Line = LineChoice();
    const auto Before = FModuleLine.value_or(std::pair{
        CodeForIndex(ParameterList::UartBaud, suiComboBox_McuBaudRate->Items()->IndexOf(Line.Baud)),
        CodeForIndex(ParameterList::UartParity,
                     suiComboBox_McuParity->Items()->IndexOf(Line.Parity))});
    if (Before == std::pair{Block.UartBaudCode, Block.UartParity}) return;
    const ListUpdate Baud = IndexForCode(ParameterList::UartBaud, Block.UartBaudCode);
    const ListUpdate Parity = IndexForCode(ParameterList::UartParity, Block.UartParity);
    if (Baud.What != ListUpdate::Action::Select || Parity.What != ListUpdate::Action::Select)
        return;
    const std::string BaudText = suiComboBox_McuBaudRate->Items()->Strings(Baud.Index);
    const std::string ParityText = suiComboBox_McuParity->Items()->Strings(Parity.Index);
    // The window keeps its own setting: whether the module switches at once
    // is the module's affair.
    suiStatusBar1->SetHint("The module now talks at " + BaudText + " " + ParityText +
                           ". To reach it, choose " + BaudText + " and " + ParityText +
                           " under Usart (close the port first), or use Find module (Ctrl+F).");
}

void TMainForm::ApplyParameters(const ModuleParameters& Block)
{
    suiNumberEdit_RfFrequency->SetValue(Block.FrequencyMHz);
    ApplyList(suiComboBox_RfFactor, ParameterList::Spreading, Block.SpreadingCode);
    ApplyList(suiComboBox1, ParameterList::RfMode, Block.RfMode);
    ApplyList(suiComboBox_RFBW, ParameterList::Bandwidth, Block.BandwidthCode);
    suiNumberEdit_CustID_H->SetValue(NodeId(Block));
    suiNumberEdit_NetID->SetValue(Block.NetId);
    ApplyList(suiComboBox_Power, ParameterList::Power, Block.PowerLevel);
    ApplyList(suiComboBox_McuBaudRate, ParameterList::UartBaud, Block.UartBaudCode);
    ApplyList(suiComboBox_McuParity, ParameterList::UartParity, Block.UartParity);
    ApplyList(suiComboBox2, ParameterList::Breath, Block.BreathCode);
    ApplyList(suiComboBox3, ParameterList::Wake, Block.WakeCode);
}

void TMainForm::suiNumberEdit_RfFrequencyChange(TObject*)
{
    if (IsRefusedFrequency(suiNumberEdit_RfFrequency->Value()))
        suiNumberEdit_RfFrequency->SetValue(DefaultFrequencyMHz);
}

void TMainForm::suiNumberEdit_CustID_HChange(TObject*)
{
    const double V = suiNumberEdit_CustID_H->Value();
    if (V > 65535) suiNumberEdit_CustID_H->SetValue(65535);
}

void TMainForm::suiNumberEdit_NetIDChange(TObject*)
{
    const double V = suiNumberEdit_NetID->Value();
    if (V > 255) suiNumberEdit_NetID->SetValue(255);
}

void TMainForm::img2Click(TObject*)
{
    if (!UserGuide.empty() && OpenDocument) OpenDocument(UserGuide);
}

void TMainForm::EnableRequests()
{
    const bool Open = FSerial && FSerial->IsOpen();
    // A disabled button keeps no focus, and the keys (Escape above all)
    // must still reach the window.
    if (FSearch)
        for (TWinControl* Held :
             {static_cast<TWinControl*>(suiButton_OpenPort),
              static_cast<TWinControl*>(btn_WriteAll), static_cast<TWinControl*>(btn_ReadAll)})
            if (Held->Focused() && suiComboBox_PcPort->CanFocus()) suiComboBox_PcPort->SetFocus();
    suiButton_OpenPort->SetEnabled(!FSearch);
    btn_WriteAll->SetEnabled(Open && !FSearch);
    btn_ReadAll->SetEnabled(Open && !FSearch);
    for (TMenuItem* Item : FRequestItems)
        Item->SetEnabled(!FSearch);
}

void TMainForm::FindModuleClick(TObject*)
{
    if (!FSerial) return;
    if (FSearch)
    {
        FSearch->Cancel();
        return;
    }
    // The search opens every port itself, the window's own included.
    if (FSerial->IsOpen())
    {
        FSerial->Close();
        ShowPortState();
    }
    FTimeoutTicks = -1;
    DiscoveryRequest Request;
    const TStrings* Listed = suiComboBox_PcPort->Items();
    const int Selected = suiComboBox_PcPort->ItemIndex();
    for (int I = -1; I < Listed->Count(); ++I)
    {
        const int Index = I < 0 ? Selected : I;
        if (Index < 0 || (I >= 0 && Index == Selected)) continue;
        if (const auto Port = ParsePortName(Listed->Strings(Index))) Request.Ports.push_back(*Port);
    }
    if (Request.Ports.empty())
    {
        // An empty list would make the search take every port it knows.
        SetStatus("Error:NotFound!", ResultPanel);
        suiStatusBar1->SetHint("No module found: no port can be opened now.");
        return;
    }
    Request.Asked = PcLineSetting{LeadingNumber(suiComboBox_PcBaudRate->Text()),
                                  std::max(suiComboBox_PcParity->ItemIndex(), 0)};
    Request.Turnaround = SearchTurnaround;
    Request.StopAtFirstModule = true;
    auto Search = std::make_unique<TModuleSearch>(Handle(), FSearchMessage);
    std::string Error;
    if (!Search->Start(std::move(Request), Error))
    {
        SetStatus("Error:NotFound!", ResultPanel);
        suiStatusBar1->SetHint("The search could not start: " + Error);
        return;
    }
    FSearch = std::move(Search);
    suiStatusBar1->SetHint("");
    EnableRequests();
}

void TMainForm::OnSearchEvent()
{
    if (!FSearch) return;
    for (TSearchEvent Event; FSearch && FSearch->Take(Event);)
    {
        if (Event.What == TSearchEvent::Kind::Finished)
        {
            // Its thread has ended, or is about to: the join is short.
            FSearch.reset();
            EnableRequests();
            ShowSearchFinished(Event);
            return;
        }
        const DiscoveryProgress& P = Event.Progress;
        SetStatus("Searching " + PlaceText(P.Port, P.Setting) + " " + std::to_string(P.Attempt) +
                      "/" + std::to_string(P.Attempts),
                  ResultPanel);
    }
}

void TMainForm::ShowSearchFinished(const TSearchEvent& Event)
{
    for (const PortFinding& Finding : Event.Findings)
        if (Finding.Verdict == PortVerdict::Found)
        {
            ShowFound(Finding);
            return;
        }
    if (Event.Cancelled)
    {
        SetStatus("Cancelled", ResultPanel);
        suiStatusBar1->SetHint("");
        return;
    }
    std::string Tried;
    for (const PortFinding& Finding : Event.Findings)
    {
        Tried += (Tried.empty() ? "" : ", ") + PortName(Finding.Port);
        if (Finding.Verdict != PortVerdict::Silent)
            Tried += std::string(" (") + PortVerdictText(Finding.Verdict) + ")";
    }
    SetStatus("Error:NotFound!", ResultPanel);
    suiStatusBar1->SetHint("No module answered at any line setting on " + Tried + ".");
}

void TMainForm::ShowFound(const PortFinding& Finding)
{
    const std::string Port = PortName(Finding.Port);
    const int PortIndex = suiComboBox_PcPort->Items()->IndexOf(Port);
    if (PortIndex < 0) suiComboBox_PcPort->Items()->Add(Port);
    suiComboBox_PcPort->SetItemIndex(suiComboBox_PcPort->Items()->IndexOf(Port));
    suiComboBox_PcBaudRate->SetItemIndex(
        suiComboBox_PcBaudRate->Items()->IndexOf(std::to_string(Finding.Setting.Baud)));
    suiComboBox_PcParity->SetItemIndex(Finding.Setting.Parity);
    FSerial->Configure(Finding.Port, Finding.Setting.Baud, Finding.Setting.Parity);
    ShowPortState();
    if (!FSerial->IsOpen())
    {
        // Taken by another program since the search let it go, or gone.
        SetStatus("Found: " + PlaceText(Finding.Port, Finding.Setting), ResultPanel);
        suiStatusBar1->SetHint("The module was found, but its port could not be opened: " +
                               FSerial->LastError().Message);
        ShowOpenFailure();
        return;
    }
    // The search's answer is a read-all reply whose checksum matched: the
    // module's block as a Read All would bring it.
    ApplyParameters(Finding.Block);
    FModuleLine = std::pair{Finding.Block.UartBaudCode, Finding.Block.UartParity};
    SetStatus("Found: " + PlaceText(Finding.Port, Finding.Setting), ResultPanel);
}

void TMainForm::SavePresetClick(TObject*)
{
    if (!ChoosePresetFile) return;
    const ModuleParameters Block = BlockFromControls();
    // A preset that no window could load or send is not written.
    if (const std::vector<ReplyHazard> Hazards = FindBlockHazards(Block); !Hazards.empty())
    {
        SetStatus("Error:Value!", ResultPanel);
        suiStatusBar1->SetHint(HazardText(Hazards.front()));
        return;
    }
    const std::string Path = ChoosePresetFile(true, PresetFolder());
    if (Path.empty()) return;
    std::string Error;
    if (!SaveBlockFile(Path, Block, Error))
    {
        ShowPresetError(Error);
        return;
    }
    KeepPresetFolder(Path);
    SetStatus("Successful", ResultPanel);
    suiStatusBar1->SetHint("Preset saved to " + Path + ".");
}

void TMainForm::LoadPresetClick(TObject*)
{
    if (!ChoosePresetFile) return;
    const std::string Path = ChoosePresetFile(false, PresetFolder());
    if (!Path.empty()) LoadPreset(Path);
}

void TMainForm::LoadPreset(const std::string& Path)
{
    // Values the file leaves out keep what the controls show.
    ModuleParameters Block = BlockFromControls();
    std::string Error;
    if (!LoadBlockFile(Path, Block, Error))
    {
        ShowPresetError(Error);
        return;
    }
    if (const std::vector<ReplyHazard> Hazards = FindBlockHazards(Block); !Hazards.empty())
    {
        ShowPresetError(Path + ": " + HazardText(Hazards.front()));
        return;
    }
    ApplyParameters(Block);
    KeepPresetFolder(Path);
    SetStatus("Successful", ResultPanel);
    suiStatusBar1->SetHint("Preset loaded from " + Path + "; Write All sends it to the module.");
}

void TMainForm::ShowPresetError(const std::string& Why)
{
    SetStatus("Error:Preset!", ResultPanel);
    suiStatusBar1->SetHint(Why);
}

std::string TMainForm::PresetFolder() const
{
    if (!FSettings.PresetFolder.empty()) return FSettings.PresetFolder;
    const char* Home = std::getenv("HOME");
    return Home && *Home ? Home : "";
}

void TMainForm::KeepPresetFolder(const std::string& Path)
{
    FSettings.PresetFolder = std::filesystem::absolute(Path).parent_path().string();
}
