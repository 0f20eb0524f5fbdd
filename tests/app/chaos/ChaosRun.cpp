#include "tests/app/chaos/ChaosRun.h"

#include "framework/Exception.h"
#include "framework/menus/MenuItem.h"
#include "framework/menus/MenuLoop.h"
#include "platform/comm/PortMap.h"
#include "platform/win/WinApi.h"
#include "protocol/CodeTables.h"
#include "protocol/Frames.h"
#include "skin/SUITitleBar.h"
#include "skin/SUITitleBarPopupMenu.h"
#include "tests/serial/PortHolders.h"

#include <algorithm>
#include <cstdlib>
#include <set>
#include <unistd.h>

namespace
{
using namespace std::chrono_literals;

// The texts the result panel can show: empty at start, a blank after an
// open or close, the dots of a request under way, the outcomes, and the
// search's progress and finding, which go on with the place they name.
bool IsResultText(const std::string& Text)
{
    static const std::set<std::string> Whole = {"",
                                                " ",
                                                "......",
                                                "Successful",
                                                "Fail!",
                                                "Error:TimeOut!",
                                                "Error:Checksum!",
                                                "Error:Verify!",
                                                "Error:Value!",
                                                "Error:Busy!",
                                                "Error:NoPermission!",
                                                "Error:PortLost!",
                                                "Error:NotFound!",
                                                "Error:Preset!",
                                                "Cancelled"};
    static const char* const Starts[] = {"Searching COM", "Found: COM"};
    if (Whole.count(Text)) return true;
    for (const char* Start : Starts)
        if (Text.rfind(Start, 0) == 0) return true;
    return false;
}

// How long the window may take to answer a message sent from outside.
constexpr auto AnswerLimit = 1000ms;
// Write All presses kept beyond the block the module is known to hold; a
// press that far back has long reached the module.
constexpr size_t WritesKept = 1024;

std::string Quote(const std::string& Text)
{
    return "\"" + Text + "\"";
}
} // namespace

TChaosRun::TChaosRun() : FWaker(GetCurrentThreadId())
{
    setenv("XDG_RUNTIME_DIR", FRoot.Path().c_str(), 1);
    setenv("XDG_CONFIG_HOME", (FRoot.Path() + "/config").c_str(), 1);
    const PortFolders Folders = PortFoldersFromEnvironment();
    if (!EnsurePrivateFolder(Folders.User).Ok() || !EnsurePrivateFolder(Folders.Runtime).Ok())
    {
        FSetupFailure = TChaosFailure{0, "setup", "cannot make the port folders"};
        return;
    }
    // The machine's own ports stay out of the window's list.
    for (int Port = 1; Port <= 96; ++Port)
        if (symlink((FRoot.Path() + "/unplugged").c_str(),
                    (Folders.User + "/" + LinkFileName(Port)).c_str()) != 0)
        {
            FSetupFailure = TChaosFailure{0, "setup", "cannot hide the machine's ports"};
            return;
        }
    FApp.Initialize();
    RegisterMainFormClasses();
    FModuleOptions.RuntimeFolder = Folders.Runtime;
    FModuleOptions.Delay = 1ms;
    if (!StartModule())
    {
        FSetupFailure = TChaosFailure{0, "setup", "the virtual module does not start"};
        return;
    }
    FModuleOptions.Port = FModule.PortNumber();
    FWrites.push_back(FModule.StoredData());
    FApp.CreateForm(FForm);
    FForm->Show();
    Handle();
    FWindow = FForm->Handle();
    HookWindow();
}

TChaosRun::~TChaosRun()
{
    if (FForm)
    {
        FKeepOpen = false;
        FForm->Free();
    }
    StopModule();
    unsetenv("XDG_RUNTIME_DIR");
    unsetenv("XDG_CONFIG_HOME");
}

void TChaosRun::HookWindow()
{
    // The window is kept open: every way to close it is refused.
    FForm->OnCloseQuery.Assign(
        [this](TObject*, bool& CanClose)
        {
            if (!FKeepOpen) return;
            CanClose = false;
            ++FStats.CloseVetoes;
        });
    // The user guide never reaches the desktop.
    // Presets go to files of the run's own folder, and the file dialogs
    // never open: the choices cycle through two files, a cancel and a
    // folder that does not exist.
    FForm->ChoosePresetFile = [this](bool, const std::string&)
    {
        static const char* const Choices[] = {"/a.preset", "/b.preset", "", "/missing/c.preset"};
        const char* Choice = Choices[FPresetChoice++ % 4];
        return *Choice ? FRoot.Path() + Choice : std::string();
    };
    // The search tries every port and line setting; a short turnaround
    // keeps it to the time of the run's other events.
    FForm->SearchTurnaround = std::chrono::milliseconds(5);
    FForm->UserGuide = "/usr/share/doc/novla-tool/README.md";
    FForm->OpenDocument = [this](const std::string&) { ++FStats.DocumentsOpened; };
    // A refused conversion is the window's way of saying no (it shows a
    // message box in the program); anything else escaping a handler is a
    // fault.
    FApp.OnException.Assign(
        [this](TObject*, const std::exception& E)
        {
            if (dynamic_cast<const EConvertError*>(&E))
                ++FStats.Refusals[E.what()];
            else if (!FUnexpected)
                FUnexpected = E.what();
        });
    // Every way to Write All: its button, and its menu command (also its
    // keys), recording what the controls show at the press.
    FForm->btn_WriteAll->OnClick.Assign(
        [this](TObject* Sender)
        {
            RecordWrite();
            FForm->btn_WriteAllClick(Sender);
        });
    if (TsuiTitleBarPopupMenu* Menu = FForm->suiForm1->TitleBar()->TitleMenu())
        for (int I = 0; I < Menu->Items()->Count(); ++I)
            if (TMenuItem* Item = Menu->Items()->Items(I); Item->Caption() == "&Write All")
                Item->OnClick.Assign(
                    [this](TObject* Sender)
                    {
                        RecordWrite();
                        FForm->btn_WriteAllClick(Sender);
                    });
    // A menu loop waits for input by telling its owner it is idle: the
    // next key of the event is pressed then, and with none left the menu
    // is cancelled, so no menu stays open (whatever opened it).
    auto Old = FForm->WindowProc;
    FForm->WindowProc = [this, Old](TMessage& M)
    {
        if (M.Msg != WM_ENTERIDLE || M.WParam != MSGF_MENU) return Old(M);
        if (!FMenuKeys.empty())
        {
            const char Key = FMenuKeys.front();
            FMenuKeys.erase(FMenuKeys.begin());
            ++FStats.MenuKeys;
            const unsigned VirtualKey = Key == 'u'   ? VK_UP
                                        : Key == 'd' ? VK_DOWN
                                        : Key == 'l' ? VK_LEFT
                                        : Key == 'r' ? VK_RIGHT
                                        : Key == 'E' ? VK_RETURN
                                        : Key == 'X' ? VK_ESCAPE
                                                     : static_cast<unsigned>(Key);
            FDesktop.Press(VirtualKey);
            PostMessage(FWindow, WM_NULL, 0, 0);
        }
        else if (TMenuLoop* Loop = TMenuLoop::Current())
            Loop->Cancel();
    };
}

void TChaosRun::RecordWrite()
{
    ++FStats.WritePresses;
    FWrites.push_back(DataOf(FForm->BlockFromControls()));
    if (FWrites.size() > WritesKept + 1) FWrites.erase(FWrites.begin() + 1);
}

TChaosRun::DataBytes TChaosRun::DataOf(const ModuleParameters& Block)
{
    const Frame Bytes = BuildWriteAll(Block);
    DataBytes Data;
    std::copy_n(Bytes.begin() + FrameDataStart, FrameDataLength, Data.begin());
    return Data;
}

bool TChaosRun::StartModule()
{
    if (!FModule.Start(FModuleOptions).Ok()) return false;
    FModuleUp = true;
    FLinkRemoved = false;
    FDevice = FModule.DevicePath();
    FDevices[FDevice] = DescriptorsOn(FDevice);
    return true;
}

void TChaosRun::StopModule()
{
    if (!FModuleUp) return;
    FStats.ModuleRequests += FModule.Requests();
    // A module pulled out and put back keeps what it stored.
    FModuleOptions.InitialData = FModule.StoredData();
    FModule.Stop();
    FModuleUp = false;
    FDevices[FDevice] = 0;
    FDevice.clear();
}

void TChaosRun::ChangePort(TChaosPortChange Change)
{
    ++FStats.PortChanges;
    switch (Change)
    {
    case TChaosPortChange::Restart:
        StopModule();
        StartModule();
        break;
    case TChaosPortChange::Unplug:
        StopModule();
        break;
    case TChaosPortChange::RemoveLink:
        if (FModuleUp)
        {
            FModule.RemoveLink();
            FLinkRemoved = true;
        }
        break;
    case TChaosPortChange::Plug:
        if (FModuleUp && !FLinkRemoved) break;
        StopModule();
        StartModule();
        break;
    }
}

void TChaosRun::Handle()
{
    FApp.ProcessMessages();
}

void TChaosRun::Keys(unsigned VirtualKey, int Modifiers)
{
    if (Modifiers & ChaosCtrl) FDesktop.KeyDown(VK_CONTROL);
    if (Modifiers & ChaosAlt) FDesktop.KeyDown(VK_MENU);
    if (Modifiers & ChaosShift) FDesktop.KeyDown(VK_SHIFT);
    FDesktop.Press(VirtualKey);
    if (Modifiers & ChaosShift) FDesktop.KeyUp(VK_SHIFT);
    if (Modifiers & ChaosAlt) FDesktop.KeyUp(VK_MENU);
    if (Modifiers & ChaosCtrl) FDesktop.KeyUp(VK_CONTROL);
}

TControl* TChaosRun::TargetControl(int Target) const
{
    const std::string Name = ChaosTargets()[static_cast<size_t>(Target)];
    if (Name.empty()) return FForm;
    if (Name == "TitleBar") return FForm->suiForm1->TitleBar();
    return dynamic_cast<TControl*>(FForm->FindComponent(Name));
}

POINT TChaosRun::PointOf(int Target, int X, int Y) const
{
    const TControl* Control = TargetControl(Target);
    if (!Control) Control = FForm;
    const TPoint Origin =
        Control == FForm ? TPoint{FForm->Left(), FForm->Top()} : Control->ClientToScreen({0, 0});
    return {Origin.X + Control->Width() * X / 1000, Origin.Y + Control->Height() * Y / 1000};
}

void TChaosRun::Apply(const TChaosEvent& Event)
{
    switch (Event.Kind)
    {
    case TChaosKind::Move:
    {
        const POINT P = PointOf(Event.A, Event.B, Event.C);
        FDesktop.MouseMove(P.x, P.y);
        break;
    }
    case TChaosKind::Click:
    {
        const POINT P = PointOf(Event.A, Event.B, Event.C);
        const TRawInput::TButton Button = Event.D == 1   ? TRawInput::TButton::Right
                                          : Event.D == 2 ? TRawInput::TButton::Middle
                                                         : TRawInput::TButton::Left;
        FDesktop.Click(P.x, P.y, Button);
        break;
    }
    case TChaosKind::DoubleClick:
    {
        const POINT P = PointOf(Event.A, Event.B, Event.C);
        FDesktop.Click(P.x, P.y);
        FDesktop.Click(P.x, P.y);
        break;
    }
    case TChaosKind::Drag:
    {
        const POINT From = PointOf(Event.A, Event.B, Event.C);
        const POINT To = PointOf(Event.D, Event.E, Event.F);
        FDesktop.MouseDown(From.x, From.y);
        for (int Step = 1; Step <= 4; ++Step)
            FDesktop.MouseMove(From.x + (To.x - From.x) * Step / 4,
                               From.y + (To.y - From.y) * Step / 4);
        FDesktop.MouseUp(To.x, To.y);
        break;
    }
    case TChaosKind::Wheel:
    {
        const POINT P = PointOf(Event.A, 500, 500);
        FDesktop.MouseMove(P.x, P.y);
        FDesktop.Wheel(P.x, P.y, Event.B);
        break;
    }
    case TChaosKind::Key:
        Keys(ChaosKeys()[static_cast<size_t>(Event.A)].VirtualKey, Event.B);
        break;
    case TChaosKind::Command:
    {
        const TChaosCommand& Command = ChaosCommands()[static_cast<size_t>(Event.A)];
        Keys(Command.VirtualKey, Command.Modifiers);
        break;
    }
    case TChaosKind::Type:
        for (char C : Event.Text)
        {
            const auto [Key, Shift] = ChaosKeyForCharacter(C);
            Keys(Key, Shift ? ChaosShift : 0);
        }
        break;
    case TChaosKind::Paste:
    {
        FDesktop.SetClipboardText(Event.Text);
        const TChaosCommand& Paste = ChaosPasteKeys()[static_cast<size_t>(Event.A)];
        Keys(Paste.VirtualKey, Paste.Modifiers);
        break;
    }
    case TChaosKind::DropDown:
    {
        const auto* Combo =
            dynamic_cast<const TControl*>(FForm->FindComponent(ChaosCombos()[Event.A]));
        if (!Combo) break;
        const TPoint P = Combo->ClientToScreen({Combo->Width() - 6, Combo->Height() / 2});
        FDesktop.Click(P.X, P.Y);
        break;
    }
    case TChaosKind::Menu:
        FMenuKeys = Event.Text;
        Keys(VK_SPACE, ChaosAlt);
        break;
    case TChaosKind::CloseAttempt:
        switch (Event.A)
        {
        case 0:
            Keys(VK_F4, ChaosAlt);
            break;
        case 1:
            PostMessage(FWindow, WM_CLOSE, 0, 0);
            break;
        case 2:
            SendMessage(FWindow, WM_SYSCOMMAND, SC_CLOSE, 0);
            break;
        default:
            FForm->Close();
            break;
        }
        break;
    case TChaosKind::Tick:
        FDesktop.Clock().Advance(static_cast<TClock::TimeMs>(Event.A));
        break;
    case TChaosKind::Wait:
        Handle();
        FWaker.WakeAfter(std::chrono::milliseconds(Event.A));
        while (!FWaker.Done())
            FApp.HandleMessage();
        break;
    case TChaosKind::Fault:
    {
        const auto Fault = static_cast<ModuleFault>(Event.A);
        ++FStats.Faults[ModuleFaultName(Fault)];
        FModuleOptions.Fault = Fault;
        FModuleOptions.Delay = std::chrono::milliseconds(Event.B);
        if (FModuleUp)
        {
            FModule.SetFault(Fault);
            FModule.SetDelay(FModuleOptions.Delay);
        }
        break;
    }
    case TChaosKind::Port:
        ChangePort(static_cast<TChaosPortChange>(Event.A));
        break;
    case TChaosKind::FocusAway:
        FDesktop.FocusOtherProgram();
        if (Event.A) FDesktop.FocusWindow(FWindow);
        break;
    }
    Handle();
    FMenuKeys.clear();
}

std::optional<TChaosFailure> TChaosRun::Step(const TChaosEvent& Event, size_t Index)
{
    Apply(Event);
    return Check(Index);
}

std::optional<TChaosFailure> TChaosRun::Check(size_t Index)
{
    if (!IsWindow(FWindow) || FApp.Terminated())
    {
        // The window is gone despite the veto: nothing of it may be touched.
        FForm = nullptr;
        return TChaosFailure{Index, "closed", "the window closed although closing was refused"};
    }
    if (FUnexpected) return TChaosFailure{Index, "exception", "a handler raised: " + *FUnexpected};

    const auto Asked = std::chrono::steady_clock::now();
    FWaker.Ping(FWindow);
    while (!FWaker.Done())
        FApp.HandleMessage();
    const auto Took = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now() - Asked);
    FStats.SlowestAnswer = std::max(FStats.SlowestAnswer, Took);
    if (Took > AnswerLimit)
        return TChaosFailure{Index, "slow",
                             "the window answered a message after " + std::to_string(Took.count()) +
                                 " ms"};

    const std::string Port = FForm->suiStatusBar1->Panels()->Items(0)->Text();
    if (Port != "Opened" && Port != "Closed")
        return TChaosFailure{Index, "port-text", "the port panel shows " + Quote(Port)};
    const std::string Result = FForm->suiStatusBar1->Panels()->Items(1)->Text();
    // The search's texts are counted by kind, not by the place they name.
    const size_t Place = Result.find(" COM");
    ++FStats.Statuses[Place != std::string::npos && Result.rfind("Error", 0) != 0
                          ? Result.substr(0, Place) + " ..."
                          : Result];
    if (!IsResultText(Result))
        return TChaosFailure{Index, "result-text", "the result panel shows " + Quote(Result)};
    return CheckBlock(Index);
}

std::optional<TChaosFailure> TChaosRun::CheckBlock(size_t Index)
{
    if (!FModuleUp) return std::nullopt;
    const DataBytes Held = FModule.StoredData();
    // The module moves from the block it held only to one pressed later.
    const auto Found = std::find(FWrites.begin(), FWrites.end(), Held);
    if (Found == FWrites.end())
    {
        const ModuleParameters Block = FModule.Block();
        char Text[200];
        std::snprintf(Text, sizeof Text,
                      "the module holds a block no Write All press showed (%.2f MHz, node %d, "
                      "net %d)",
                      Block.FrequencyMHz, NodeId(Block), Block.NetId);
        return TChaosFailure{Index, "block", Text};
    }
    FWrites.erase(FWrites.begin(), Found);
    return std::nullopt;
}

std::optional<TChaosFailure> TChaosRun::Finish(size_t Index)
{
    if (!FForm) return std::nullopt;
    FKeepOpen = false;
    FForm->Free();
    FForm = nullptr;
    Handle();
    for (const auto& [Device, Own] : FDevices)
    {
        const int Expected = Device == FDevice ? Own : 0;
        const int Held = DescriptorsOn(Device);
        if (Held > Expected)
            return TChaosFailure{Index, "port-held",
                                 std::to_string(Held - Expected) + " descriptor(s) still open on " +
                                     Device + " after the window was destroyed"};
    }
    return std::nullopt;
}

TChaosStats TChaosRun::Stats() const
{
    TChaosStats Stats = FStats;
    Stats.Beeps = FDesktop.Beeps();
    if (FModuleUp) Stats.ModuleRequests += FModule.Requests();
    return Stats;
}
