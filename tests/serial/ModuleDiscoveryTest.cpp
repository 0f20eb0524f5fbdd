#include "serial/ModuleDiscovery.h"

#include "platform/comm/StopSignal.h"
#include "protocol/CodeTables.h"
#include "protocol/DefaultParameters.h"
#include "tests/serial/PortHolders.h"
#include "tests/serial/SerialTestSupport.h"
#include "tools/virtual-module/VirtualModule.h"

#include <fcntl.h>
#include <sys/ioctl.h>
#include <thread>

namespace
{
using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

ModuleParameters AtLine(const PcLineSetting& Setting)
{
    ModuleParameters Block = DefaultParameters();
    Block.UartBaudCode = *CodeForBaudRate(Setting.Baud);
    Block.UartParity = static_cast<uint8_t>(Setting.Parity);
    Block.NetId = 77;
    return Block;
}

// Modules on pseudo-terminals registered in the fixture's private runtime
// folder, each talking only at its own line setting.
struct DiscoveryFixture : PortFixture
{
    std::vector<std::unique_ptr<VirtualModule>> Modules;

    VirtualModule& StartModule(int Port, const PcLineSetting& Setting,
                               ModuleFault Fault = ModuleFault::None)
    {
        Modules.push_back(std::make_unique<VirtualModule>());
        VirtualModuleOptions Options;
        Options.RuntimeFolder = Folders.Runtime;
        Options.Port = Port;
        Options.Delay = 1ms;
        Options.Fault = Fault;
        Options.OwnLineSettings = true;
        Options.Initial = AtLine(Setting);
        EXPECT_TRUE(Modules.back()->Start(Options).Ok());
        return *Modules.back();
    }

    DiscoveryRequest Search(std::vector<int> Ports, std::chrono::milliseconds Turnaround = 40ms)
    {
        DiscoveryRequest Request;
        Request.Ports = std::move(Ports);
        Request.Turnaround = Turnaround;
        Request.Map = Map();
        return Request;
    }

    // Every module's device is held by the module alone again, and no
    // exclusive flag is left on it.
    void ExpectNothingHeld()
    {
        for (const auto& Module : Modules)
        {
            if (Module->PortNumber() == 0) continue; // stopped
            EXPECT_EQ(DescriptorsOn(Module->DevicePath()), 1) << Module->DevicePath();
            EXPECT_FALSE(ExclusiveFlagSet(Module->DevicePath())) << Module->DevicePath();
        }
    }
};

TEST(LineSearchOrder, AskedFirstThenFactoryThenTheRestOnce)
{
    const std::vector<PcLineSetting> Plain = LineSearchOrder(std::nullopt);
    ASSERT_EQ(Plain.size(), 24u);
    EXPECT_EQ(Plain[0], FactoryLineSetting);
    const std::vector<PcLineSetting> Asked = LineSearchOrder(PcLineSetting{38400, 2});
    ASSERT_EQ(Asked.size(), 24u);
    EXPECT_EQ(Asked[0], (PcLineSetting{38400, 2}));
    EXPECT_EQ(Asked[1], FactoryLineSetting);
    for (const PcLineSetting& Setting : Plain)
        EXPECT_EQ(std::count(Asked.begin(), Asked.end(), Setting), 1) << LineSettingText(Setting);
    // A setting outside the lists is not tried.
    EXPECT_EQ(LineSearchOrder(PcLineSetting{300, 0}), Plain);
    EXPECT_EQ(LineSearchOrder(FactoryLineSetting), Plain);
}

TEST(LineSearchOrder, EachAttemptWaitsForTwoFramesAtItsRatePlusTheTurnaround)
{
    EXPECT_EQ(AttemptWait({9600, 0}, 100ms), 153ms);   // 500 bits: 52.08 ms
    EXPECT_EQ(AttemptWait({9600, 2}, 100ms), 158ms);   // 550 bits: 57.29 ms
    EXPECT_EQ(AttemptWait({1200, 1}, 0ms), 459ms);     // 458.33 ms
    EXPECT_EQ(AttemptWait({115200, 0}, 100ms), 105ms); // 4.34 ms
}

// Each of the 24 settings, searched from scratch on a port of its own (all
// at once, so the table takes as long as its slowest row). On a
// pseudo-terminal even parity answers at the no-parity attempt of its rate;
// the module's block then names the parity.
TEST_F(DiscoveryFixture, EverySettingIsFoundWithItsAttemptCount)
{
    const struct
    {
        PcLineSetting Module;
        int Attempts;
    } Cases[] = {
        {{9600, 0}, 1},   {{115200, 0}, 2}, {{19200, 0}, 3},   {{38400, 0}, 4},  {{57600, 0}, 5},
        {{4800, 0}, 6},   {{2400, 0}, 7},   {{1200, 0}, 8},    {{9600, 2}, 1},   {{115200, 2}, 2},
        {{19200, 2}, 3},  {{38400, 2}, 4},  {{57600, 2}, 5},   {{4800, 2}, 6},   {{2400, 2}, 7},
        {{1200, 2}, 8},   {{9600, 1}, 17},  {{115200, 1}, 18}, {{19200, 1}, 19}, {{38400, 1}, 20},
        {{57600, 1}, 21}, {{4800, 1}, 22},  {{2400, 1}, 23},   {{1200, 1}, 24},
    };
    constexpr size_t Count = std::size(Cases);
    for (size_t i = 0; i < Count; ++i)
        StartModule(static_cast<int>(300 + i), Cases[i].Module);
    std::vector<std::vector<PortFinding>> Found(Count);
    std::vector<std::thread> Searches;
    for (size_t i = 0; i < Count; ++i)
        Searches.emplace_back([&, i]
                              { Found[i] = DiscoverModules(Search({int(300 + i)}), nullptr); });
    for (std::thread& Running : Searches)
        Running.join();
    for (size_t i = 0; i < Count; ++i)
    {
        SCOPED_TRACE(LineSettingText(Cases[i].Module));
        ASSERT_EQ(Found[i].size(), 1u);
        const PortFinding& Finding = Found[i][0];
        EXPECT_EQ(Finding.Verdict, PortVerdict::Found) << Finding.Message;
        EXPECT_EQ(Finding.Port, int(300 + i));
        EXPECT_EQ(Finding.Device, Modules[i]->DevicePath());
        EXPECT_EQ(Finding.Setting, Cases[i].Module);
        EXPECT_EQ(Finding.Attempts, Cases[i].Attempts);
        EXPECT_EQ(Finding.Block.NetId, 77);
        EXPECT_EQ(Modules[i]->Requests(), 1u) << "one answered request, nothing written";
        EXPECT_EQ(Modules[i]->Block(), AtLine(Cases[i].Module));
    }
    ExpectNothingHeld();
}

TEST_F(DiscoveryFixture, TheAskedSettingIsTriedFirstThenTheFactorySetting)
{
    StartModule(301, {57600, 1});
    StartModule(302, {9600, 0});
    DiscoveryRequest Request = Search({301, 302});
    Request.Asked = PcLineSetting{57600, 1};
    std::vector<DiscoveryProgress> Seen;
    Request.OnProgress = [&](const DiscoveryProgress& Progress) { Seen.push_back(Progress); };
    const std::vector<PortFinding> Found = DiscoverModules(Request, nullptr);
    ASSERT_EQ(Found.size(), 2u);
    EXPECT_EQ(Found[0].Attempts, 1);
    EXPECT_EQ(Found[1].Attempts, 2);
    EXPECT_EQ(Found[1].Setting, FactoryLineSetting);
    ASSERT_EQ(Seen.size(), 3u);
    EXPECT_EQ(Seen[1].Port, 302);
    EXPECT_EQ(Seen[1].Setting, (PcLineSetting{57600, 1}));
    EXPECT_EQ(Seen[2].Setting, FactoryLineSetting);
    EXPECT_EQ(Seen[2].Attempt, 2);
    EXPECT_EQ(Seen[2].Attempts, 24);
}

// A silent port, a port another program holds with its exclusive flag, a
// number with no device, and a module behind them: each is reported, the
// held one is left as its holder set it.
TEST_F(DiscoveryFixture, SilentBusyAndMissingPortsAreReportedAndTheModuleBehindFound)
{
    StartModule(301, {19200, 2}, ModuleFault::Silent);
    PseudoTerminal Held;
    ASSERT_TRUE(Held.Create().Ok());
    Link(302, Held.DevicePath());
    StartModule(304, {4800, 0});
    const int Holder = open(Held.DevicePath().c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    ASSERT_GE(Holder, 0);
    ASSERT_EQ(ioctl(Holder, TIOCEXCL), 0);

    const std::vector<PortFinding> Found =
        DiscoverModules(Search({301, 302, 303, 304}, 10ms), nullptr);
    ASSERT_EQ(Found.size(), 4u);
    EXPECT_EQ(Found[0].Verdict, PortVerdict::Silent);
    EXPECT_EQ(Found[0].Attempts, 24);
    EXPECT_EQ(Found[1].Verdict, PortVerdict::Busy);
    EXPECT_EQ(Found[1].Attempts, 0);
    EXPECT_NE(Found[1].Message.find(Held.DevicePath()), std::string::npos) << Found[1].Message;
    EXPECT_EQ(Found[2].Verdict, PortVerdict::Missing);
    EXPECT_EQ(Found[3].Verdict, PortVerdict::Found);
    EXPECT_EQ(Found[3].Setting, (PcLineSetting{4800, 0}));
    EXPECT_EQ(PeerRead(Held, 1, 100ms), Bytes{}) << "nothing was sent to the held port";

    int Exclusive = 0;
    ASSERT_EQ(ioctl(Holder, TIOCGEXCL, &Exclusive), 0);
    EXPECT_EQ(Exclusive, 1) << "the holder's flag is left alone";
    ioctl(Holder, TIOCNXCL);
    close(Holder);
    ExpectNothingHeld();
}

TEST_F(DiscoveryFixture, APortRemovedMidScanIsReportedAndTheNextSearched)
{
    VirtualModule& Going = StartModule(301, {1200, 1});
    StartModule(302, {38400, 2});
    DiscoveryRequest Request = Search({301, 302});
    Request.OnProgress = [&](const DiscoveryProgress& Progress)
    {
        if (Progress.Port == 301 && Progress.Attempt == 3) Going.Stop();
    };
    const std::vector<PortFinding> Found = DiscoverModules(Request, nullptr);
    ASSERT_EQ(Found.size(), 2u);
    EXPECT_EQ(Found[0].Verdict, PortVerdict::Vanished);
    EXPECT_EQ(Found[0].Attempts, 3);
    EXPECT_FALSE(Found[0].Message.empty());
    EXPECT_EQ(Found[1].Verdict, PortVerdict::Found);
    EXPECT_EQ(Found[1].Setting, (PcLineSetting{38400, 2}));
    ExpectNothingHeld();
}

// Cancelled before the start, before an attempt, between two ports and
// from another thread in the middle of a wait: the search ends at once,
// reports the port it was on as cancelled, and holds nothing afterwards.
TEST_F(DiscoveryFixture, CancellingAtEachStageEndsAtOnceAndHoldsNothing)
{
    StartModule(301, {1200, 1});
    StartModule(302, {9600, 0});
    StopSignal Cancel;
    ASSERT_TRUE(Cancel.Create().Ok());

    Cancel.Raise();
    EXPECT_TRUE(DiscoverModules(Search({301, 302}), &Cancel).empty());
    Cancel.Reset();

    for (const int Stage : {1, 2, 10})
    {
        SCOPED_TRACE("before attempt " + std::to_string(Stage));
        DiscoveryRequest Request = Search({301, 302});
        Request.OnProgress = [&](const DiscoveryProgress& Progress)
        {
            if (Progress.Attempt == Stage) Cancel.Raise();
        };
        const std::vector<PortFinding> Found = DiscoverModules(Request, &Cancel);
        ASSERT_EQ(Found.size(), 1u);
        EXPECT_EQ(Found[0].Verdict, PortVerdict::Cancelled);
        EXPECT_EQ(Found[0].Attempts, Stage);
        Cancel.Reset();
        ExpectNothingHeld();
    }

    DiscoveryRequest AfterFirst = Search({302, 301});
    AfterFirst.OnPort = [&](const PortFinding&) { Cancel.Raise(); };
    const std::vector<PortFinding> One = DiscoverModules(AfterFirst, &Cancel);
    ASSERT_EQ(One.size(), 1u);
    EXPECT_EQ(One[0].Verdict, PortVerdict::Found);
    Cancel.Reset();

    // A long wait (1200 baud, a turnaround of 10 s) cut short from outside.
    DiscoveryRequest Waiting = Search({301}, 10s);
    Waiting.Asked = PcLineSetting{1200, 0};
    std::atomic<bool> Started{false};
    Waiting.OnProgress = [&](const DiscoveryProgress&) { Started = true; };
    Clock::time_point CancelledAt;
    std::thread Canceller(
        [&]
        {
            while (!Started)
                std::this_thread::yield();
            std::this_thread::sleep_for(100ms); // well into the attempt's wait
            CancelledAt = Clock::now();
            Cancel.Raise();
        });
    const std::vector<PortFinding> Cut = DiscoverModules(Waiting, &Cancel);
    const auto Ended = Clock::now();
    Canceller.join();
    ASSERT_EQ(Cut.size(), 1u);
    EXPECT_EQ(Cut[0].Verdict, PortVerdict::Cancelled);
    EXPECT_EQ(Cut[0].Attempts, 1);
    EXPECT_LT(Ended - CancelledAt, 500ms);
    ExpectNothingHeld();
}

} // namespace
