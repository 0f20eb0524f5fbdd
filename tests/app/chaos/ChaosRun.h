#pragma once

// One chaos run: the configuration window on the headless desktop, talking
// to a virtual module on a port of its own, fed events and checked after
// each.

#include "app/MainForm.h"
#include "framework/controls/Application.h"
#include "platform/win/headless/HeadlessDesktop.h"
#include "tests/app/chaos/ChaosEvents.h"
#include "tests/app/chaos/ChaosWaker.h"
#include "tests/platform/comm/TempFolder.h"
#include "tools/virtual-module/VirtualModule.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

struct TChaosFailure
{
    size_t Event = 0; // index of the event after which it was seen
    std::string Kind; // what was violated: a replay fails "the same" with the same kind
    std::string Message;
};

// What a run saw, for its report.
struct TChaosStats
{
    std::map<std::string, uint64_t> Faults;   // the module's faults switched on, by name
    std::map<std::string, uint64_t> Statuses; // result texts seen after an event
    std::map<std::string, uint64_t> Refusals; // conversion errors the window raised, by text
    uint64_t WritePresses = 0;
    uint64_t CloseVetoes = 0;
    uint64_t DocumentsOpened = 0;
    uint64_t PortChanges = 0;
    uint64_t ModuleRequests = 0; // before the module's last start
    uint64_t MenuKeys = 0;
    int Beeps = 0; // refused input and the like
    std::chrono::milliseconds SlowestAnswer{0};
};

class TChaosRun
{
  public:
    TChaosRun();
    ~TChaosRun();
    TChaosRun(const TChaosRun&) = delete;
    TChaosRun& operator=(const TChaosRun&) = delete;

    // A failure to set up (no module, no window); the run cannot start.
    const std::optional<TChaosFailure>& SetupFailure() const { return FSetupFailure; }
    // Runs Event (number Index) and checks the window after it.
    std::optional<TChaosFailure> Step(const TChaosEvent& Event, size_t Index);
    // Lets the window close, destroys it and checks that no port is held.
    std::optional<TChaosFailure> Finish(size_t Index);

    TChaosStats Stats() const;

  private:
    using DataBytes = std::array<uint8_t, FrameDataLength>;

    void Apply(const TChaosEvent& Event);
    std::optional<TChaosFailure> Check(size_t Index);
    std::optional<TChaosFailure> CheckBlock(size_t Index);
    void Handle();
    void Keys(unsigned VirtualKey, int Modifiers);
    POINT PointOf(int Target, int X, int Y) const;
    TControl* TargetControl(int Target) const;
    void ChangePort(TChaosPortChange Change);
    bool StartModule();
    void StopModule();
    void RecordWrite();
    void HookWindow();
    static DataBytes DataOf(const ModuleParameters& Block);

    TempFolder FRoot;
    THeadlessDesktop FDesktop{640, 480};
    TApplication FApp;
    TMainForm* FForm = nullptr;
    HWND FWindow = nullptr;
    VirtualModule FModule;
    VirtualModuleOptions FModuleOptions;
    bool FModuleUp = false;
    bool FLinkRemoved = false;
    // Every device the module had, with the descriptors the module itself
    // holds on it while it runs.
    std::map<std::string, int> FDevices;
    std::string FDevice; // the running module's
    TChaosWaker FWaker;
    // The blocks the controls showed at each Write All press, oldest first;
    // the first is the block the module is known to hold (or to have
    // reached), since it only ever moves on to a later one.
    std::deque<DataBytes> FWrites;
    std::string FMenuKeys;      // keys still to press in an open menu
    unsigned FPresetChoice = 0; // the next preset file offered
    bool FKeepOpen = true;
    std::optional<TChaosFailure> FSetupFailure;
    std::optional<std::string> FUnexpected; // an exception of a kind the window must not raise
    TChaosStats FStats;
};
