#include "tools/virtual-module/VirtualModule.h"

#include "tools/virtual-module/ModuleCommands.h"

#include "platform/comm/PortLock.h"
#include "platform/comm/PortMap.h"
#include "platform/comm/SerialDevice.h"
#include "protocol/CodeTables.h"
#include "tests/platform/comm/TempFolder.h"
#include "tests/tools/ProcessRunner.h"

#include <gtest/gtest.h>

#include <atomic>
#include <csignal>
#include <mutex>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace
{
using namespace std::chrono_literals;
using Bytes = std::vector<uint8_t>;

bool Exists(const std::string& Path)
{
    struct stat Info
    {
    };
    return lstat(Path.c_str(), &Info) == 0;
}

// Sends Request on an open device and collects what comes back within Limit.
Bytes Exchange(SerialDevice& Device, const Bytes& Request, size_t Expect,
               std::chrono::milliseconds Limit = 2000ms)
{
    EXPECT_TRUE(Device.Write(Request, 1000ms).Error.Ok());
    Bytes Got;
    const auto Deadline = std::chrono::steady_clock::now() + Limit;
    while (Got.size() < Expect && std::chrono::steady_clock::now() < Deadline)
    {
        if (Device.WaitReadable(nullptr, 50ms) != WaitResult::Readable) continue;
        uint8_t Buffer[256];
        const ReadOutcome Read = Device.Read(Buffer);
        Got.insert(Got.end(), Buffer, Buffer + Read.Count);
    }
    return Got;
}

struct ModuleFixture : ::testing::Test
{
    TempFolder Root;
    std::string Folder = Root.Path() + "/novla-tool/ports";
    // Declared before the module, so they outlive its thread, which logs.
    std::mutex LogLock;
    std::vector<std::string> LogLines;
    VirtualModule Module;
    SerialDevice Device;

    // Own: the module talks only at the UART setting of Initial.
    void Start(int Port = 0, bool Own = false, ModuleParameters Initial = DefaultParameters())
    {
        VirtualModuleOptions Options;
        Options.RuntimeFolder = Folder;
        Options.Port = Port;
        Options.Delay = 1ms;
        Options.OwnLineSettings = Own;
        Options.Initial = Initial;
        Options.Log = [this](const std::string& Line)
        {
            std::lock_guard Lock(LogLock);
            LogLines.push_back(Line);
        };
        ASSERT_TRUE(Module.Start(Options).Ok());
        ASSERT_TRUE(Device.Open(Module.DevicePath()).Ok());
        ASSERT_TRUE(Device.Configure({9600, Parity::None}).Ok());
    }
};

TEST_F(ModuleFixture, IgnoresMalformedRequestsAndAnswersTheNextGoodOne)
{
    Start();
    const Frame Read = BuildReadAll();
    Bytes Bad(Read.begin(), Read.end());
    ++Bad[FrameChecksumPosition];
    Bytes UnknownCommand(Read.begin(), Read.end());
    UnknownCommand[6] = 0x07;
    UnknownCommand[FrameChecksumPosition] =
        FrameChecksum(std::span(UnknownCommand.data(), FrameChecksumPosition));
    EXPECT_EQ(Exchange(Device, Bad, 1, 100ms), Bytes{});
    EXPECT_EQ(Exchange(Device, UnknownCommand, 1, 100ms), Bytes{});
    EXPECT_EQ(Module.Requests(), 0u);

    const Bytes Answer = Exchange(Device, Bytes(Read.begin(), Read.end()), FrameSize);
    const Frame Expected = BuildFrame(CommandReadAll, DefaultParameters());
    EXPECT_EQ(Answer, Bytes(Expected.begin(), Expected.end()));
}

ModuleParameters AtLine(int Baud, int Parity)
{
    ModuleParameters Block = DefaultParameters();
    Block.UartBaudCode = *CodeForBaudRate(Baud);
    Block.UartParity = static_cast<uint8_t>(Parity);
    return Block;
}

// The opener's settings as a pseudo-terminal shows them: speed and the odd
// flag. Even and none look the same, so the module takes them as one.
TEST_F(ModuleFixture, AnswersOnlyAtItsOwnLineSetting)
{
    const struct
    {
        int ModuleBaud, ModuleParity;
        LineSettings Client;
        bool Answered;
    } Cases[] = {
        {9600, 0, {9600, Parity::None}, true},      {9600, 0, {9600, Parity::Even}, true},
        {9600, 0, {9600, Parity::Odd}, false},      {9600, 0, {19200, Parity::None}, false},
        {38400, 2, {38400, Parity::Even}, true},    {38400, 2, {38400, Parity::None}, true},
        {38400, 2, {57600, Parity::Even}, false},   {1200, 1, {1200, Parity::Odd}, true},
        {1200, 1, {1200, Parity::None}, false},     {115200, 1, {115200, Parity::Odd}, true},
        {115200, 1, {115200, Parity::Even}, false},
    };
    const Frame Read = BuildReadAll();
    for (const auto& Case : Cases)
    {
        SCOPED_TRACE(std::to_string(Case.ModuleBaud) + "/" + std::to_string(Case.ModuleParity) +
                     " asked at " + std::to_string(Case.Client.BaudRate) + "/" +
                     std::to_string(static_cast<int>(Case.Client.LineParity)));
        Device.Close();
        Start(0, true, AtLine(Case.ModuleBaud, Case.ModuleParity));
        ASSERT_TRUE(Device.Configure(Case.Client).Ok());
        const Bytes Answer = Exchange(Device, Bytes(Read.begin(), Read.end()), FrameSize,
                                      Case.Answered ? 2000ms : 150ms);
        EXPECT_EQ(Answer.size(), Case.Answered ? FrameSize : 0u);
        EXPECT_EQ(Module.Requests(), Case.Answered ? 1u : 0u);
    }
}

// A write of new UART values is answered at the old setting; from then on
// the module hears only the new one, and says so in its log.
TEST_F(ModuleFixture, AWriteMovesTheLineSettingAfterItsAnswer)
{
    Start(0, true, AtLine(9600, 0));
    const Frame Write = BuildWriteAll(AtLine(19200, 1));
    EXPECT_EQ(Exchange(Device, Bytes(Write.begin(), Write.end()), FrameSize).size(), FrameSize);
    const Frame Read = BuildReadAll();
    EXPECT_EQ(Exchange(Device, Bytes(Read.begin(), Read.end()), 1, 150ms), Bytes{});
    ASSERT_TRUE(Device.Configure({19200, Parity::Odd}).Ok());
    EXPECT_EQ(Exchange(Device, Bytes(Read.begin(), Read.end()), FrameSize).size(), FrameSize);
    std::lock_guard Lock(LogLock);
    ASSERT_EQ(LogLines.size(), 3u);
    EXPECT_NE(LogLines[0].find("line setting 9600 NO -> 19200 ODD from the next request on"),
              std::string::npos)
        << LogLines[0];
    EXPECT_EQ(LogLines[1].rfind("no answer: a request at 9600 NO/EVEN", 0), 0u) << LogLines[1];
}

TEST_F(ModuleFixture, WriteIsStoredAsSentAndEchoedWithCommand1)
{
    Start();
    ModuleParameters Block = DefaultParameters();
    Block.FrequencyMHz = 10.01; // below 22.82 MHz the decoded value differs from the one sent
    Block.NetId = 0xAF;
    const Frame Request = BuildWriteAll(Block);
    Frame Expected = Request;
    Expected[6] = CommandWriteAll;
    EXPECT_EQ(Exchange(Device, Bytes(Request.begin(), Request.end()), FrameSize),
              Bytes(Expected.begin(), Expected.end()));
    const Frame ReadRequest = BuildReadAll();
    const Bytes Again = Exchange(Device, Bytes(ReadRequest.begin(), ReadRequest.end()), FrameSize);
    ASSERT_EQ(Again.size(), FrameSize);
    EXPECT_TRUE(std::equal(Again.begin() + 8, Again.begin() + 22, Request.begin() + 8))
        << "data bytes kept exactly";
}

TEST_F(ModuleFixture, RegistersTheFirstFreeNumberFrom200AndRemovesOnlyItsOwnLink)
{
    ASSERT_TRUE(EnsurePrivateFolder(Folder).Ok());
    PortLock Taken; // a running owner of 200
    ASSERT_TRUE(Taken.Acquire(Folder, 200).Ok());
    ASSERT_EQ(symlink("/dev/null", (Folder + "/com200").c_str()), 0);
    // Left behind by a dead module (nobody holds its lock), pointing at a
    // device that exists.
    ASSERT_EQ(symlink("/dev/null", (Folder + "/com201").c_str()), 0);
    Start();
    EXPECT_EQ(Module.PortNumber(), 201);
    EXPECT_EQ(PortMap(PortFolders{"", Folder}).Find(201)->DevicePath, Module.DevicePath());

    VirtualModule Second;
    VirtualModuleOptions Options;
    Options.RuntimeFolder = Folder;
    Options.Port = 201;
    EXPECT_EQ(Second.Start(Options).Status, CommStatus::Busy);
    EXPECT_TRUE(Exists(Folder + "/com201")) << "a failed start leaves the other module's link";

    Module.Stop();
    EXPECT_FALSE(Exists(Folder + "/com201"));
    EXPECT_TRUE(Exists(Folder + "/com200"));
}

TEST_F(ModuleFixture, StopLooksLikeAnUnpluggedAdapter)
{
    Start();
    Module.Stop();
    EXPECT_NE(Device.WaitReadable(nullptr, 2000ms), WaitResult::TimedOut);
    uint8_t Buffer[8];
    EXPECT_EQ(Device.Read(Buffer).Error.Status, CommStatus::HungUp);
}

// Each step switches the running module's fault, then sends one read-all
// and counts the bytes that come back.
TEST_F(ModuleFixture, TheFaultCanBeSwitchedWhileItRuns)
{
    Start();
    const struct
    {
        ModuleFault Fault;
        size_t Received;
    } Steps[] = {
        {ModuleFault::None, FrameSize},
        {ModuleFault::Silent, 0},
        {ModuleFault::Duplicate, 2 * FrameSize},
        {ModuleFault::DropFirst, 0},
        {ModuleFault::DropFirst, 0},
        {ModuleFault::None, FrameSize},
    };
    const Frame Read = BuildReadAll();
    const Bytes Request(Read.begin(), Read.end());
    size_t Step = 0;
    for (const auto& S : Steps)
    {
        Module.SetFault(S.Fault);
        EXPECT_EQ(Module.Fault(), S.Fault);
        const Bytes Got = Exchange(Device, Request, S.Received + 1, 300ms);
        EXPECT_EQ(Got.size(), S.Received) << "step " << Step++;
    }
    // DropFirst drops only the one request after it was set.
    Module.SetFault(ModuleFault::DropFirst);
    EXPECT_EQ(Exchange(Device, Request, 1, 200ms).size(), 0u);
    EXPECT_EQ(Exchange(Device, Request, FrameSize).size(), FrameSize);
}

TEST_F(ModuleFixture, ADelaySetWhileItRunsHoldsTheNextAnswer)
{
    Start();
    const Frame Read = BuildReadAll();
    const Bytes Request(Read.begin(), Read.end());
    Module.SetDelay(400ms);
    const auto Sent = std::chrono::steady_clock::now();
    EXPECT_EQ(Exchange(Device, Request, FrameSize, 2000ms).size(), FrameSize);
    EXPECT_GE(std::chrono::steady_clock::now() - Sent, 400ms);
    Module.SetDelay(0ms);
    EXPECT_EQ(Exchange(Device, Request, FrameSize, 300ms).size(), FrameSize);
}

TEST_F(ModuleFixture, HeldAnswersWaitUntilReleasedThenGoAtOnce)
{
    Start();
    const Frame Read = BuildReadAll();
    const Bytes Request(Read.begin(), Read.end());
    Module.Hold();
    // Twice the request: both answers wait, however long.
    EXPECT_TRUE(Exchange(Device, Request, 1, 200ms).empty());
    EXPECT_TRUE(Exchange(Device, Request, 1, 200ms).empty());
    EXPECT_EQ(Module.Requests(), 2u);
    Module.Release();
    EXPECT_EQ(Exchange(Device, {}, 2 * FrameSize, 1000ms).size(), 2 * FrameSize);
    // Released, later answers go at their time again.
    EXPECT_EQ(Exchange(Device, Request, FrameSize, 1000ms).size(), FrameSize);
}

TEST_F(ModuleFixture, SwitchingFromAnotherThreadWhileAnswering)
{
    Start();
    std::atomic<bool> Done{false};
    std::thread Switcher(
        [&]
        {
            const ModuleFault Cycle[] = {ModuleFault::Duplicate, ModuleFault::Split,
                                         ModuleFault::Garbage, ModuleFault::None};
            for (size_t I = 0; !Done; ++I)
            {
                Module.SetFault(Cycle[I % 4]);
                Module.SetDelay(std::chrono::milliseconds(I % 3));
            }
        });
    const Frame Read = BuildReadAll();
    const Bytes Request(Read.begin(), Read.end());
    for (int Round = 0; Round < 50; ++Round)
        Exchange(Device, Request, FrameSize, 100ms);
    Done = true;
    Switcher.join();
    Module.SetFault(ModuleFault::None);
    Module.SetDelay(0ms);
    // Whatever was still on its way is read off before the clean exchange.
    Exchange(Device, {}, 4 * FrameSize, 200ms);
    EXPECT_EQ(Exchange(Device, Request, FrameSize + 1, 300ms).size(), FrameSize);
    EXPECT_EQ(Module.Requests(), 51u);
}

TEST_F(ModuleFixture, StartsWithTheStoredBytesItIsGivenExactly)
{
    Start();
    ModuleParameters Block = DefaultParameters();
    Block.FrequencyMHz = 0.01; // its decoded value codes back to other bytes
    const Frame Request = BuildWriteAll(Block);
    ASSERT_EQ(Exchange(Device, Bytes(Request.begin(), Request.end()), FrameSize).size(), FrameSize);
    const auto Stored = Module.StoredData();
    EXPECT_TRUE(std::equal(Stored.begin(), Stored.end(), Request.begin() + FrameDataStart));

    VirtualModule Again;
    VirtualModuleOptions Options;
    Options.Register = false;
    Options.Initial = Module.Block();
    ASSERT_TRUE(Again.Start(Options).Ok());
    EXPECT_NE(Again.StoredData(), Stored) << "the decoded block is not what was stored";
    Again.Stop();
    Options.InitialData = Stored;
    ASSERT_TRUE(Again.Start(Options).Ok());
    EXPECT_EQ(Again.StoredData(), Stored);
}

TEST_F(ModuleFixture, CommandsChangeTheFaultAndTheDelayOrSayWhyNot)
{
    Start();
    const struct
    {
        const char* Line;
        const char* Logged; // the start of the line to log
        ModuleFault After;
    } Cases[] = {
        {"fault duplicate", "fault duplicate from the next request on", ModuleFault::Duplicate},
        {"fault silent\r", "fault silent from", ModuleFault::Silent},
        {"fault loud", "refused: unknown fault 'loud' (silent|", ModuleFault::Silent},
        {"fault", "refused: unknown fault ''", ModuleFault::Silent},
        {"delay 250", "delay 250 ms from the next request on", ModuleFault::Silent},
        {"delay 60001", "refused: delay '60001' is not", ModuleFault::Silent},
        {"delay -1", "refused: delay '-1'", ModuleFault::Silent},
        {"fault none", "fault none from", ModuleFault::None},
        {"", "refused: unknown command ''", ModuleFault::None},
        {"stop", "refused: unknown command 'stop' (fault NAME, delay MS)", ModuleFault::None},
    };
    for (const auto& Case : Cases)
    {
        const std::string Logged = RunModuleCommand(Module, Case.Line);
        EXPECT_EQ(Logged.rfind(Case.Logged, 0), 0u) << Case.Line << ": " << Logged;
        EXPECT_EQ(Module.Fault(), Case.After) << Case.Line;
    }
}

TEST_F(ModuleFixture, RemovingTheLinkKeepsTheNumberAndTheOpenerTalking)
{
    Start();
    const int Number = Module.PortNumber();
    const std::string Link = Folder + "/" + LinkFileName(Number);
    ASSERT_TRUE(Exists(Link));
    Module.RemoveLink();
    EXPECT_FALSE(Exists(Link));
    const auto Found = PortMap(PortFolders{"", Folder}).Find(Number);
    EXPECT_TRUE(!Found || Found->DevicePath != Module.DevicePath());
    const Frame Read = BuildReadAll();
    EXPECT_EQ(Exchange(Device, Bytes(Read.begin(), Read.end()), FrameSize).size(), FrameSize);

    VirtualModule Second;
    VirtualModuleOptions Options;
    Options.RuntimeFolder = Folder;
    Options.Port = Number;
    EXPECT_EQ(Second.Start(Options).Status, CommStatus::Busy) << "the number stays taken";
}

TEST(VirtualModuleProgram, PrintsReadyThenExchangesAndRemovesItsLinkOnSigterm)
{
    TempFolder Runtime;
    RunningProcess Program(NOVLA_VIRTUAL_MODULE_PATH, {"--port", "321", "--delay-ms", "1"},
                           {"XDG_RUNTIME_DIR=" + Runtime.Path()});
    const std::string Ready = Program.ReadLine();
    const std::string Link = Runtime.Path() + "/novla-tool/ports/com321";
    ASSERT_EQ(Ready.rfind("ready COM321 /dev/pts/", 0), 0u) << Ready;
    EXPECT_EQ(Ready.substr(13),
              PortMap(PortFolders{"", Runtime.Path() + "/novla-tool/ports"}).Find(321)->DevicePath);

    SerialDevice Device;
    ASSERT_TRUE(Device.Open(Ready.substr(13)).Ok());
    ASSERT_TRUE(Device.Configure({9600, Parity::None}).Ok());
    const Frame Read = BuildReadAll();
    EXPECT_EQ(Exchange(Device, Bytes(Read.begin(), Read.end()), FrameSize).size(), FrameSize);
    EXPECT_EQ(Program.ReadLine().rfind("read-all", 0), 0u);

    EXPECT_EQ(Program.Stop(SIGTERM), 0);
    EXPECT_FALSE(Exists(Link));
}

TEST(VirtualModuleProgram, TakesFaultCommandsWhileItRuns)
{
    TempFolder Runtime;
    RunningProcess Program(NOVLA_VIRTUAL_MODULE_PATH, {"--delay-ms", "1"},
                           {"XDG_RUNTIME_DIR=" + Runtime.Path()});
    const std::string Ready = Program.ReadLine();
    ASSERT_EQ(Ready.rfind("ready COM", 0), 0u) << Ready;
    SerialDevice Device;
    ASSERT_TRUE(Device.Open(Ready.substr(Ready.find(" /dev/") + 1)).Ok());
    ASSERT_TRUE(Device.Configure({9600, Parity::None}).Ok());
    const Frame Read = BuildReadAll();
    const Bytes Request(Read.begin(), Read.end());

    ASSERT_TRUE(Program.WriteLine("fault silent"));
    EXPECT_EQ(Program.ReadLine(), "fault silent from the next request on");
    EXPECT_EQ(Exchange(Device, Request, 1, 200ms), Bytes{});
    EXPECT_NE(Program.ReadLine().find("no answer (silent)"), std::string::npos);
    ASSERT_TRUE(Program.WriteLine("fault none"));
    EXPECT_EQ(Program.ReadLine(), "fault none from the next request on");
    EXPECT_EQ(Exchange(Device, Request, FrameSize).size(), FrameSize);
    EXPECT_EQ(Program.Stop(SIGTERM), 0);
}

TEST(VirtualModuleProgram, TalksAtTheLineSettingItWasGiven)
{
    TempFolder Runtime;
    RunningProcess Program(NOVLA_VIRTUAL_MODULE_PATH,
                           {"--delay-ms", "1", "--uart-baud", "19200", "--uart-parity", "ODD"},
                           {"XDG_RUNTIME_DIR=" + Runtime.Path()});
    const std::string Ready = Program.ReadLine();
    ASSERT_EQ(Ready.rfind("ready COM", 0), 0u) << Ready;
    SerialDevice Device;
    ASSERT_TRUE(Device.Open(Ready.substr(Ready.find(' ', 6) + 1)).Ok());
    const Frame Read = BuildReadAll();
    ASSERT_TRUE(Device.Configure({9600, Parity::None}).Ok());
    EXPECT_EQ(Exchange(Device, Bytes(Read.begin(), Read.end()), 1, 150ms), Bytes{});
    EXPECT_EQ(Program.ReadLine().rfind("no answer: a request at 9600 NO/EVEN", 0), 0u);
    ASSERT_TRUE(Device.Configure({19200, Parity::Odd}).Ok());
    const Bytes Answer = Exchange(Device, Bytes(Read.begin(), Read.end()), FrameSize);
    ASSERT_EQ(Answer.size(), FrameSize);
    EXPECT_EQ(Answer[8], *CodeForBaudRate(19200));
    EXPECT_EQ(Answer[9], 1);
    EXPECT_EQ(Program.Stop(SIGTERM), 0);
}

TEST(VirtualModuleProgram, RejectsBadOptions)
{
    for (const std::vector<std::string>& Arguments :
         std::vector<std::vector<std::string>>{{"--fault", "loud"},
                                               {"--port", "0"},
                                               {"--delay-ms", "x"},
                                               {"--port"},
                                               {"--uart-baud", "300"},
                                               {"--uart-baud", "9600x"},
                                               {"--uart-parity", "mark"}})
    {
        const ProcessResult Result = RunProcess(NOVLA_VIRTUAL_MODULE_PATH, Arguments, {}, 5000ms);
        EXPECT_EQ(Result.ExitCode, 1) << Arguments[0];
    }
}

TEST(VirtualModuleProgram, HelpPrintsTheUsage)
{
    const ProcessResult Result = RunProcess(NOVLA_VIRTUAL_MODULE_PATH, {"--help"}, {}, 5000ms);
    EXPECT_EQ(Result.ExitCode, 0) << Result.Err;
    EXPECT_EQ(Result.Out.rfind("usage: novla-virtual-module [--port N]", 0), 0u) << Result.Out;
    EXPECT_NE(Result.Out.find("stale-first"), std::string::npos) << Result.Out;
    EXPECT_EQ(Result.Err, "");
}

TEST(VirtualModuleProgram, AStaleLinkOfAKilledModuleReachesNoOtherModule)
{
    TempFolder Runtime;
    const std::string Folder = Runtime.Path() + "/novla-tool/ports";
    const std::vector<std::string> Environment = {"XDG_RUNTIME_DIR=" + Runtime.Path(),
                                                  "XDG_CONFIG_HOME=" + Runtime.Path() + "/config"};
    {
        RunningProcess Killed(NOVLA_VIRTUAL_MODULE_PATH, {"--port", "300"}, Environment);
        ASSERT_EQ(Killed.ReadLine().rfind("ready COM300 ", 0), 0u);
        Killed.Stop(SIGKILL);
    }
    ASSERT_TRUE(Exists(Folder + "/com300")) << "a killed module cannot remove its link";
    // Its terminal number goes to another module: the link now leads there.
    VirtualModule Other;
    VirtualModuleOptions Options;
    Options.Register = false;
    ASSERT_TRUE(Other.Start(Options).Ok());
    ASSERT_EQ(unlink((Folder + "/com300").c_str()), 0);
    ASSERT_EQ(symlink(Other.DevicePath().c_str(), (Folder + "/com300").c_str()), 0);

    const ProcessResult Read =
        RunProcess(NOVLA_CLI_PATH, {"read", "--port", "COM300"}, Environment, 10000ms);
    EXPECT_EQ(Read.ExitCode, 5) << Read.Err;
    EXPECT_EQ(Other.Requests(), 0u);
    EXPECT_FALSE(Exists(Folder + "/com300")) << "the stale link is removed";

    // The number is free for the next module.
    RunningProcess Next(NOVLA_VIRTUAL_MODULE_PATH, {"--port", "300"}, Environment);
    EXPECT_EQ(Next.ReadLine().rfind("ready COM300 ", 0), 0u);
}

TEST(VirtualModuleProgram, KeepsAnsweringWhenNobodyReadsItsOutput)
{
    // Far more log lines than a pipe holds; the output is never read.
    TempFolder Runtime;
    RunningProcess Program(NOVLA_VIRTUAL_MODULE_PATH, {"--delay-ms", "0", "--uart-baud", "115200"},
                           {"XDG_RUNTIME_DIR=" + Runtime.Path()});
    const std::string Ready = Program.ReadLine();
    ASSERT_EQ(Ready.rfind("ready COM", 0), 0u) << Ready;
    SerialDevice Device;
    ASSERT_TRUE(Device.Open(Ready.substr(Ready.find(" /dev/") + 1)).Ok());
    ASSERT_TRUE(Device.Configure({115200, Parity::None}).Ok());
    const Frame Read = BuildReadAll();
    const Bytes Request(Read.begin(), Read.end());
    for (int Round = 0; Round < 2000; ++Round)
        ASSERT_EQ(Exchange(Device, Request, FrameSize).size(), FrameSize) << "round " << Round;
    EXPECT_EQ(Program.Stop(SIGTERM), 0) << "and it still stops";
}
} // namespace
