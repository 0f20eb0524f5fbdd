#include "platform/comm/PortLock.h"
#include "platform/comm/PseudoTerminal.h"
#include "platform/comm/SerialDevice.h"
#include "protocol/CodeTables.h"
#include "protocol/DefaultParameters.h"
#include "protocol/Frames.h"
#include "tests/platform/comm/TempFolder.h"
#include "tests/serial/SerialTestSupport.h"
#include "tests/tools/ProcessRunner.h"
#include "tools/cli/ModuleClient.h"
#include "tools/cli/Trace.h"
#include "tools/virtual-module/VirtualModule.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <condition_variable>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <memory>
#include <mutex>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace
{
// The client runs as its own process against an in-process virtual module
// registered in a private runtime folder.
struct CliFixture : ::testing::Test
{
    TempFolder Runtime;
    // The module's log, declared first: the module's thread writes to it
    // until the module is gone.
    std::mutex LogLock;
    std::condition_variable LogChanged;
    std::vector<std::string> LogLines;
    VirtualModule Module;

    void StartModule(ModuleFault Fault = ModuleFault::None,
                     const ModuleParameters& Initial = DefaultParameters())
    {
        VirtualModuleOptions Options;
        Options.RuntimeFolder = Runtime.Path() + "/novla-tool/ports";
        Options.Fault = Fault;
        Options.Initial = Initial;
        Options.Delay = std::chrono::milliseconds(5);
        Options.Log = [this](const std::string& Line)
        {
            std::lock_guard Lock(LogLock);
            LogLines.push_back(Line);
            LogChanged.notify_all();
        };
        ASSERT_TRUE(Module.Start(Options).Ok());
    }

    // Waits until the module logged a line starting with Prefix.
    bool WaitForLog(const std::string& Prefix)
    {
        std::unique_lock Lock(LogLock);
        return LogChanged.wait_for(Lock, std::chrono::seconds(5),
                                   [&]
                                   {
                                       for (const std::string& Line : LogLines)
                                           if (Line.rfind(Prefix, 0) == 0) return true;
                                       return false;
                                   });
    }

    std::string Port() const { return "COM" + std::to_string(Module.PortNumber()); }

    std::vector<std::string> Environment() const
    {
        return {"XDG_RUNTIME_DIR=" + Runtime.Path(),
                "XDG_CONFIG_HOME=" + Runtime.Path() + "/config"};
    }

    ProcessResult Cli(std::vector<std::string> Arguments, const std::string& OutputPath = {})
    {
        return RunProcess(NOVLA_CLI_PATH, Arguments, Environment(),
                          std::chrono::milliseconds(15000), OutputPath);
    }

    // A client in this process that finds ports as the window will: through
    // the environment.
    std::unique_ptr<ModuleClient> InProcessClient() const
    {
        const char* Previous = std::getenv("XDG_RUNTIME_DIR");
        const std::string Saved = Previous ? Previous : "";
        setenv("XDG_RUNTIME_DIR", Runtime.Path().c_str(), 1);
        auto Client = std::make_unique<ModuleClient>();
        if (Previous)
            setenv("XDG_RUNTIME_DIR", Saved.c_str(), 1);
        else
            unsetenv("XDG_RUNTIME_DIR");
        return Client;
    }
};

TEST_F(CliFixture, ReadPrintsTheBlockAsJson)
{
    StartModule();
    const ProcessResult Result = Cli({"read", "--port", Port(), "--json"});
    EXPECT_EQ(Result.ExitCode, 0) << Result.Err;
    EXPECT_EQ(Result.Out,
              "{\"frequency_mhz\": 433.00, \"spreading\": \"2048\", \"rf_mode\": \"Standard\", "
              "\"bandwidth\": \"125K\", \"uart_baud\": \"9600\", \"uart_parity\": \"NO\", "
              "\"power\": \"7\", "
              "\"node_id\": 0, \"net_id\": 0, \"breath\": \"2s\", \"wake\": \"32ms\"}\n");
}

TEST_F(CliFixture, WrittenBlockIsReadBack)
{
    StartModule();
    const ProcessResult Written =
        Cli({"write", "--port",      Port(),   "--baud",      "115200", "--parity",
             "even",  "--frequency", "868.35", "--spreading", "4096",   "--rf-mode",
             "NODE",  "--bandwidth", "62.5k",  "--uart-baud", "115200", "--uart-parity",
             "odd",   "--power",     "3",      "--node-id",   "65535",  "--net-id",
             "255",   "--breath",    "10S",    "--wake",      "2ms"});
    ASSERT_EQ(Written.ExitCode, 0) << Written.Err;
    const ProcessResult Read = Cli({"read", "--port", Port(), "--json"});
    EXPECT_EQ(Read.ExitCode, 0) << Read.Err;
    EXPECT_EQ(Read.Out,
              "{\"frequency_mhz\": 868.35, \"spreading\": \"4096\", \"rf_mode\": \"Node\", "
              "\"bandwidth\": \"62.5K\", \"uart_baud\": \"115200\", \"uart_parity\": \"ODD\", "
              "\"power\": \"3\", "
              "\"node_id\": 65535, \"net_id\": 255, \"breath\": \"10s\", \"wake\": \"2ms\"}\n");
}

TEST_F(CliFixture, WriteTakesAJsonFile)
{
    StartModule();
    const std::string File = Runtime.Path() + "/block.json";
    // A byte-order mark at the start is allowed.
    std::ofstream(File) << "\xEF\xBB\xBF{ \"net_id\": 7, \"power\": 5, \"rf_mode\": \"central\" }";
    const ProcessResult Written = Cli({"write", "--port", Port(), "--json-file", File});
    ASSERT_EQ(Written.ExitCode, 0) << Written.Err;
    const ModuleParameters Stored = Module.Block();
    EXPECT_EQ(Stored.NetId, 7);
    EXPECT_EQ(Stored.PowerLevel, 5);
    EXPECT_EQ(Stored.RfMode, 1);
    EXPECT_EQ(Stored.FrequencyMHz, 433.0);
    EXPECT_EQ(Stored.WakeCode, 4);
}

// A block unlike the window's defaults in every field.
ModuleParameters CustomBlock()
{
    ModuleParameters Block;
    Block.UartBaudCode = 0; // 115200
    Block.UartParity = 2;
    Block.FrequencyMHz = 868.5;
    Block.SpreadingCode = 12;
    Block.RfMode = 2;
    Block.BandwidthCode = 9;
    SetNodeId(Block, 258);
    Block.NetId = 7;
    Block.PowerLevel = 3;
    Block.BreathCode = 4;
    Block.WakeCode = 0;
    return Block;
}

TEST_F(CliFixture, WriteChangesOnlyTheValuesGiven)
{
    StartModule(ModuleFault::None, CustomBlock());
    const ProcessResult Written = Cli({"write", "--port", Port(), "--net-id", "9"});
    ASSERT_EQ(Written.ExitCode, 0) << Written.Err;
    ModuleParameters Expected = CustomBlock();
    Expected.NetId = 9;
    EXPECT_EQ(Module.Block(), Expected);

    // Starting from the window's defaults is asked for by name.
    const ProcessResult Reset = Cli({"write", "--port", Port(), "--from-defaults", "--power", "5"});
    ASSERT_EQ(Reset.ExitCode, 0) << Reset.Err;
    Expected = DefaultParameters();
    Expected.PowerLevel = 5;
    EXPECT_EQ(Module.Block(), Expected);
}

TEST_F(CliFixture, WriteWithoutAValueOrWithAnEmptyFileNameTouchesNothing)
{
    StartModule(ModuleFault::None, CustomBlock());
    const std::string Empty = Runtime.Path() + "/empty.json";
    std::ofstream(Empty) << "{ }";
    const std::vector<std::vector<std::string>> Cases = {
        {}, {"--json-file", Empty}, {"--json-file", ""}, {"--json-file="}};
    for (const auto& Extra : Cases)
    {
        std::vector<std::string> Arguments = {"write", "--port", Port()};
        Arguments.insert(Arguments.end(), Extra.begin(), Extra.end());
        const ProcessResult Result = Cli(Arguments);
        EXPECT_EQ(Result.ExitCode, 1) << (Extra.empty() ? "bare write" : Extra.back());
        EXPECT_NE(Result.Err.find("usage:"), std::string::npos) << Result.Err;
    }
    EXPECT_EQ(Module.Requests(), 0u);
    EXPECT_EQ(Module.Block(), CustomBlock());
}

TEST_F(CliFixture, InputFilesAreBoundedWhileTheyAreRead)
{
    StartModule();
    const std::string Large = Runtime.Path() + "/large.json";
    std::ofstream(Large) << "{\"net_id\": 1" << std::string(70000, ' ') << "}";
    for (const std::string& File : {std::string("/dev/zero"), Large, Runtime.Path()})
    {
        const ProcessResult Result = Cli({"write", "--port", Port(), "--json-file", File});
        EXPECT_EQ(Result.ExitCode, 1) << File << "\n" << Result.Err;
        EXPECT_NE(Result.Err.find(File), std::string::npos) << Result.Err;
    }
    EXPECT_EQ(Module.Requests(), 0u);
}

TEST_F(CliFixture, ABlockWhoseReplyCannotBeReadIsRefusedUnlessForced)
{
    StartModule();
    // Node 175 alone is fine; with the module's net 175 the pair AF AF forms.
    ModuleParameters Net175 = DefaultParameters();
    Net175.NetId = 175;
    Module.Stop();
    StartModule(ModuleFault::None, Net175);
    const ProcessResult Refused = Cli({"write", "--port", Port(), "--node-id", "175"});
    EXPECT_EQ(Refused.ExitCode, 1);
    EXPECT_NE(Refused.Err.find("node_id 175 with net_id 175"), std::string::npos) << Refused.Err;
    EXPECT_NE(Refused.Err.find("--force"), std::string::npos) << Refused.Err;
    EXPECT_EQ(Module.Requests(), 1u) << "only the read before the write";
    EXPECT_EQ(Module.Block(), Net175);

    // The reply can never be read: a short time-out only saves waiting.
    const ProcessResult Forced =
        Cli({"write", "--port", Port(), "--node-id", "44975", "--force", "--timeout", "1000"});
    EXPECT_EQ(Forced.ExitCode, 2) << Forced.Err;
    EXPECT_NE(Forced.Err.find("node_id 44975"), std::string::npos) << Forced.Err;
    EXPECT_NE(Forced.Err.find("cannot come back readably"), std::string::npos) << Forced.Err;
    EXPECT_EQ(NodeId(Module.Block()), 44975) << "the module stored it";

    // Reading it back fails the same way, and the client says why that may be.
    const ProcessResult Read = Cli({"read", "--port", Port(), "--timeout", "1000"});
    EXPECT_EQ(Read.ExitCode, 2);
    EXPECT_NE(Read.Err.find("AF AF or 0D 0A"), std::string::npos) << Read.Err;
}

TEST_F(CliFixture, OneClientRunsExchangesBackToBack)
{
    StartModule();
    const std::unique_ptr<ModuleClient> Owned = InProcessClient();
    ModuleClient& Client = *Owned;
    std::string Error;
    ASSERT_TRUE(Client.Open(Module.PortNumber(), 9600, 0, Error)) << Error;
    ModuleParameters Changed = DefaultParameters();
    Changed.NetId = 42;
    const ExchangeResult First = Client.ReadAll(std::chrono::milliseconds(3000));
    const ExchangeResult Written = Client.WriteAll(Changed, std::chrono::milliseconds(3000));
    const ExchangeResult Again = Client.ReadAll(std::chrono::milliseconds(3000));
    ASSERT_EQ(First.Outcome, ExchangeOutcome::Reply);
    ASSERT_EQ(Written.Outcome, ExchangeOutcome::Reply);
    ASSERT_EQ(Again.Outcome, ExchangeOutcome::Reply);
    EXPECT_EQ(First.Block.NetId, 0);
    EXPECT_EQ(Written.Block.NetId, 42);
    EXPECT_EQ(Again.Block.NetId, 42);
    EXPECT_EQ(Again.Block.Command, CommandReadAll);

    Module.Stop();
    EXPECT_EQ(Client.ReadAll(std::chrono::milliseconds(3000)).Outcome, ExchangeOutcome::SendFailed);
}

TEST_F(CliFixture, FaultsGiveTheDocumentedExitCodes)
{
    const struct
    {
        ModuleFault Fault;
        const char* Command;
        int Exit;
    } Cases[] = {
        {ModuleFault::Silent, "read", 2},
        {ModuleFault::BadChecksum, "read", 3},
        {ModuleFault::Split, "read", 0},
        {ModuleFault::Garbage, "read", 0},
        {ModuleFault::Duplicate, "read", 0},
        {ModuleFault::Duplicate, "write", 0},
        {ModuleFault::IgnoreWrite, "write", 4},
        {ModuleFault::BadChecksum, "write", 3},
        // The answer is the first frame, flag and block alike.
        {ModuleFault::TrailingFrame, "write", 0},
        {ModuleFault::StaleFirst, "write", 4},
        {ModuleFault::TrailingFrame, "read", 0},
    };
    for (const auto& Case : Cases)
    {
        StartModule(Case.Fault);
        std::vector<std::string> Arguments = {Case.Command, "--port", Port()};
        if (std::string(Case.Command) == "write")
            Arguments.insert(Arguments.end(), {"--net-id", "9"});
        // Only the silent module is meant to run out of time; the others get
        // room for a loaded machine or a sanitizer build.
        if (Case.Fault != ModuleFault::Silent)
            Arguments.insert(Arguments.end(), {"--timeout", "15000"});
        // A module that sends two frames per answer would have its read's
        // second frame race the write that follows; the write alone shows
        // the fault.
        const bool TwoFrames = Case.Fault == ModuleFault::Duplicate ||
                               Case.Fault == ModuleFault::TrailingFrame ||
                               Case.Fault == ModuleFault::StaleFirst;
        if (TwoFrames && std::string(Case.Command) == "write")
            Arguments.push_back("--from-defaults");
        const ProcessResult Result = Cli(Arguments);
        EXPECT_EQ(Result.ExitCode, Case.Exit)
            << ModuleFaultName(Case.Fault) << " " << Case.Command << "\n"
            << Result.Err;
        Module.Stop();
    }
}

TEST_F(CliFixture, InvalidValuesAreRefusedBeforeAnythingIsSent)
{
    StartModule();
    const std::vector<std::vector<std::string>> Cases = {
        {"--power", "0"},        {"--power", "8"},       {"--spreading", "100"},
        {"--frequency", "120"},  {"--frequency", "991"}, {"--frequency", "-1"},
        {"--frequency", "4e2x"}, {"--node-id", "65536"}, {"--net-id", "256"},
        {"--net-id", "1.5"},     {"--breath", "3s"},     {"--uart-parity", "mark"},
        {"--bandwidth", "62.5"}, {"--colour", "red"},    {"--baud", "1234"},
    };
    for (const auto& Option : Cases)
    {
        std::vector<std::string> Arguments = {"write", "--port", Port()};
        Arguments.insert(Arguments.end(), Option.begin(), Option.end());
        const ProcessResult Result = Cli(Arguments);
        EXPECT_EQ(Result.ExitCode, 1) << Option[0] << " " << Option[1];
        EXPECT_FALSE(Result.Err.empty());
    }
    const std::string File = Runtime.Path() + "/bad.json";
    std::ofstream(File) << "{\"power\": \"7\", \"power\": \"6\"}";
    EXPECT_EQ(Cli({"write", "--port", Port(), "--json-file", File}).ExitCode, 1);
    EXPECT_EQ(Cli({"read"}).ExitCode, 1);
    EXPECT_EQ(Cli({"read", "--port", "LPT1"}).ExitCode, 1);
    EXPECT_EQ(Module.Requests(), 0u);
}

TEST_F(CliFixture, PortThatCannotBeOpenedExitsWith5NamingDeviceAndReason)
{
    StartModule();
    SerialDevice Holder;
    ASSERT_TRUE(Holder.Open(Module.DevicePath()).Ok());
    const ProcessResult Busy = Cli({"read", "--port", Port()});
    EXPECT_EQ(Busy.ExitCode, 5);
    EXPECT_NE(Busy.Err.find(Module.DevicePath()), std::string::npos) << Busy.Err;
    EXPECT_NE(Busy.Err.find("in use"), std::string::npos) << Busy.Err;

    const ProcessResult Missing = Cli({"read", "--port", "COM9999"});
    EXPECT_EQ(Missing.ExitCode, 5);
    EXPECT_NE(Missing.Err.find("COM9999"), std::string::npos) << Missing.Err;
}

TEST_F(CliFixture, PortsListsTheRegisteredModuleWithItsState)
{
    StartModule();
    const ProcessResult Free = Cli({"ports"});
    ASSERT_EQ(Free.ExitCode, 0) << Free.Err;
    const std::string Line = Port() + " ";
    const size_t At = Free.Out.find(Line);
    ASSERT_NE(At, std::string::npos) << Free.Out;
    const std::string Row = Free.Out.substr(At, Free.Out.find('\n', At) - At);
    EXPECT_NE(Row.find(Module.DevicePath()), std::string::npos) << Row;
    EXPECT_NE(Row.find("free"), std::string::npos) << Row;

    SerialDevice Holder;
    ASSERT_TRUE(Holder.Open(Module.DevicePath()).Ok());
    const ProcessResult Held = Cli({"ports"});
    EXPECT_NE(Held.Out.find("busy"), std::string::npos) << Held.Out;
}

TEST_F(CliFixture, AnInterruptedClientLeavesThePortUsable)
{
    // A silent module keeps the client waiting with the port held; it is
    // then ended by a signal it can handle, and by one it cannot.
    for (int Signal : {SIGTERM, SIGINT, SIGKILL})
    {
        StartModule(ModuleFault::Silent);
        {
            RunningProcess Client(NOVLA_CLI_PATH, {"read", "--port", Port()}, Environment());
            ASSERT_TRUE(WaitForLog("read-all")) << Signal;
            Client.Stop(Signal);
        }
        if (Signal == SIGKILL)
        {
            ASSERT_TRUE(WaitForLog("cleared the exclusive flag"))
                << "the module clears what a killed client left";
        }
        SerialDevice Next;
        EXPECT_TRUE(Next.Open(Module.DevicePath()).Ok()) << Signal;
        EXPECT_EQ(Module.StaleFlagsCleared(), Signal == SIGKILL ? 1u : 0u) << Signal;
        Module.Stop();
        std::lock_guard Lock(LogLock);
        LogLines.clear();
    }
}

TEST_F(CliFixture, ReadFailsWhenItsOutputCannotBeWritten)
{
    StartModule();
    const ProcessResult Full = Cli({"read", "--port", Port(), "--json"}, "/dev/full");
    EXPECT_EQ(Full.ExitCode, 7);
    EXPECT_NE(Full.Err.find("output could not be written"), std::string::npos) << Full.Err;
    EXPECT_EQ(Cli({"ports"}, "/dev/full").ExitCode, 7);
}

TEST_F(CliFixture, UsageErrorsNameTheRealProblem)
{
    StartModule();
    const struct
    {
        std::vector<std::string> Arguments;
        const char* Problem;
    } Cases[] = {
        {{"read", "--port", Port(), "--jsn"}, "unknown option --jsn"},
        {{"read", "--port", Port(), "extra"}, "unexpected word 'extra'"},
        {{"read", "--port", Port(), "--json", "yes"}, "--json takes no value"},
        {{"read", "--port", Port(), "--json=yes"}, "--json takes no value"},
        {{"read", "--port", Port(), "--port", Port()}, "--port given twice"},
        {{"write", "--port", Port(), "--power", "3", "--power", "4"}, "--power given twice"},
        {{"read", "--port"}, "--port needs a value"},
        {{"ports", "--all", "--all"}, "--all given twice"},
        {{"read", "--port", Port(), "--parity", "mark"}, "parity 'mark'"},
        {{"frobnicate"}, "unknown command frobnicate"},
    };
    for (const auto& Case : Cases)
    {
        const ProcessResult Result = Cli(Case.Arguments);
        EXPECT_EQ(Result.ExitCode, 1) << Case.Problem;
        EXPECT_NE(Result.Err.find(Case.Problem), std::string::npos) << Result.Err;
    }
    EXPECT_EQ(Module.Requests(), 0u);
    // The port's parity takes the words of the module's parity, in any case.
    for (const char* Word : {"NO", "odd", "Even", "none"})
        EXPECT_EQ(Cli({"read", "--port", Port(), "--parity", Word}).ExitCode, 0) << Word;
}

TEST_F(CliFixture, PortsShowsUnusableLinksAndNamesIgnoredFolders)
{
    const std::string User = Runtime.Path() + "/config/novla-tool/ports";
    ASSERT_TRUE(EnsurePrivateFolder(User).Ok());
    ASSERT_EQ(symlink("/dev/ptmx", (User + "/com77").c_str()), 0);
    ASSERT_EQ(symlink("/dev/null", (User + "/com78").c_str()), 0);
    const ProcessResult Listed = Cli({"ports"});
    ASSERT_EQ(Listed.ExitCode, 0) << Listed.Err;
    for (const char* Port : {"COM77 ", "COM78 "})
    {
        const size_t At = Listed.Out.find(Port);
        ASSERT_NE(At, std::string::npos) << Listed.Out;
        EXPECT_NE(Listed.Out.substr(At, Listed.Out.find('\n', At) - At).find("unusable"),
                  std::string::npos)
            << Listed.Out;
    }
    EXPECT_EQ(Listed.Err, "");
    EXPECT_EQ(Cli({"read", "--port", "COM77"}).ExitCode, 5);

    ASSERT_EQ(chmod(User.c_str(), 0777), 0);
    const ProcessResult Ignored = Cli({"ports"});
    EXPECT_EQ(Ignored.ExitCode, 0);
    EXPECT_NE(Ignored.Err.find(User + " are ignored"), std::string::npos) << Ignored.Err;
    EXPECT_EQ(std::count(Ignored.Err.begin(), Ignored.Err.end(), '\n'), 1) << Ignored.Err;
    EXPECT_EQ(Ignored.Out.find("COM77 "), std::string::npos);
}

TEST_F(CliFixture, TraceShowsEachFrameWithItsTimeAndMarksTheFailedCheck)
{
    StartModule();
    const ProcessResult Good = Cli({"read", "--port", Port(), "--trace"});
    ASSERT_EQ(Good.ExitCode, 0) << Good.Err;
    EXPECT_NE(Good.Err.find("trace: +0 ms sent: AF AF 00 00 AF 80 02 0E 00 00 00 00 00 00 00 00 00 "
                            "00 00 00 00 00 9D 0D 0A\n"),
              std::string::npos)
        << Good.Err;
    const Frame Answer = BuildFrame(CommandReadAll, DefaultParameters());
    std::string Hex;
    for (uint8_t Byte : Answer)
    {
        char Text[4];
        std::snprintf(Text, sizeof Text, "%02X", Byte);
        Hex += (Hex.empty() ? "" : " ") + std::string(Text);
    }
    EXPECT_NE(Good.Err.find(" ms received: " + Hex + "\n"), std::string::npos) << Good.Err;
    EXPECT_EQ(Good.Err.find('['), std::string::npos) << "nothing marked";
    Module.Stop();

    StartModule(ModuleFault::BadChecksum);
    const ProcessResult Bad = Cli({"read", "--port", Port(), "--trace"});
    EXPECT_EQ(Bad.ExitCode, 3);
    char Expected[64];
    std::snprintf(Expected, sizeof Expected, "[%02X] 0D 0A (checksum %02X received, %02X computed)",
                  (Answer[22] + 1) & 0xFF, (Answer[22] + 1) & 0xFF, Answer[22]);
    EXPECT_NE(Bad.Err.find(Expected), std::string::npos) << Bad.Err;
}

TEST_F(CliFixture, AReadTakesOnlyAReplyWithItsOwnCommandByte)
{
    // A peer on a pseudo-terminal registered as a port answers each request
    // with a frame of the command byte under test.
    const std::string Folder = Runtime.Path() + "/novla-tool/ports";
    ASSERT_TRUE(EnsurePrivateFolder(Folder).Ok());
    PseudoTerminal Peer;
    ASSERT_TRUE(Peer.Create().Ok());
    PortLock Registered;
    ASSERT_TRUE(Registered.Acquire(Folder, 321).Ok());
    ASSERT_EQ(symlink(Peer.DevicePath().c_str(), (Folder + "/" + LinkFileName(321)).c_str()), 0);
    const std::unique_ptr<ModuleClient> Client = InProcessClient();
    std::string Error;
    ASSERT_TRUE(Client->Open(321, 9600, 0, Error)) << Error;
    const struct
    {
        uint8_t Command;
        ExchangeOutcome Outcome;
    } Cases[] = {{CommandWriteAll, ExchangeOutcome::NoReply},
                 {0x55, ExchangeOutcome::NoReply},
                 {CommandReadAll, ExchangeOutcome::Reply}};
    for (const auto& Case : Cases)
    {
        std::thread Answering(
            [&]
            {
                if (PortFixture::PeerRead(Peer, FrameSize).size() != FrameSize) return;
                const Frame Reply = BuildFrame(Case.Command, DefaultParameters());
                PortFixture::PeerWrite(Peer, Bytes(Reply.begin(), Reply.end()));
            });
        const ExchangeResult Result = Client->ReadAll(std::chrono::milliseconds(500));
        Answering.join();
        EXPECT_EQ(Result.Outcome, Case.Outcome) << int(Case.Command);
        ASSERT_EQ(Result.Replies.size(), 1u) << int(Case.Command);
        EXPECT_EQ(Result.Replies[0].Frame[FrameCommandPosition], Case.Command);
        const std::string Trace = TraceExchange(Result, std::chrono::milliseconds(500));
        EXPECT_EQ(Trace.find("answers no pending request, dropped") != std::string::npos,
                  Case.Outcome == ExchangeOutcome::NoReply)
            << Trace;
    }
}

TEST_F(CliFixture, FramesThatAnswerNoRequestAreDroppedShownAndLogged)
{
    StartModule(ModuleFault::WrongCommand);
    const ProcessResult Read = Cli({"read", "--port", Port(), "--timeout", "1000", "--trace"});
    EXPECT_EQ(Read.ExitCode, 2) << Read.Err;
    EXPECT_NE(Read.Err.find(" 01 0E "), std::string::npos) << Read.Err;
    EXPECT_NE(Read.Err.find("(answers no pending request, dropped)\n"), std::string::npos)
        << Read.Err;
    EXPECT_NE(Read.Err.find("1 frame(s) arrived that answer no pending request"), std::string::npos)
        << Read.Err;
    const ProcessResult Written =
        Cli({"write", "--port", Port(), "--from-defaults", "--timeout", "1000"});
    EXPECT_EQ(Written.ExitCode, 2) << Written.Err;
    EXPECT_TRUE(WaitForLog("write-all"));
    std::lock_guard Lock(LogLock);
    ASSERT_EQ(LogLines.size(), 2u);
    EXPECT_NE(LogLines[0].find("answered with command byte 01 (a frame that answers no request)"),
              std::string::npos)
        << LogLines[0];
    EXPECT_NE(LogLines[1].find("answered with command byte 02 (a frame that answers no request)"),
              std::string::npos)
        << LogLines[1];
}

// The terminal keeps its settings between clients: the second client of a
// pair asks for what the first left, which a pseudo-terminal refuses as a
// whole (it cannot show a parity bit). The client goes on and says so.
TEST_F(CliFixture, EveryParityWorksOnAPseudoTerminalAndTheTraceSaysWhy)
{
    StartModule();
    for (const char* Parity : {"even", "even", "odd", "odd", "no"})
    {
        SCOPED_TRACE(Parity);
        const ProcessResult Read = Cli({"read", "--port", Port(), "--parity", Parity, "--trace"});
        EXPECT_EQ(Read.ExitCode, 0) << Read.Err;
        const bool Noted = Read.Err.find("trace: note: ") != std::string::npos &&
                           Read.Err.find("carries no parity bit") != std::string::npos;
        EXPECT_EQ(Noted, std::string(Parity) != "no") << Read.Err;
    }
    const ProcessResult Quiet = Cli({"read", "--port", Port(), "--parity", "odd"});
    EXPECT_EQ(Quiet.ExitCode, 0) << Quiet.Err;
    EXPECT_EQ(Quiet.Err, "");
}

TEST_F(CliFixture, RetriesRecoverFromOneExchangeWithoutAnswer)
{
    StartModule(ModuleFault::DropFirst);
    EXPECT_EQ(Cli({"read", "--port", Port(), "--timeout", "1000"}).ExitCode, 2);
    Module.Stop();
    StartModule(ModuleFault::DropFirst);
    const ProcessResult Retried =
        Cli({"read", "--port", Port(), "--timeout", "1000", "--retries", "1", "--trace"});
    EXPECT_EQ(Retried.ExitCode, 0) << Retried.Err;
    EXPECT_NE(Retried.Err.find("no complete reply: nothing more within 1000 ms"), std::string::npos)
        << Retried.Err;
    EXPECT_NE(Retried.Err.find("sending the request again (try 2 of 2)"), std::string::npos)
        << Retried.Err;
    for (const char* Bad : {"0", "x", "600001"})
        EXPECT_EQ(Cli({"read", "--port", Port(), "--timeout", Bad}).ExitCode, 1) << Bad;
    EXPECT_EQ(Cli({"read", "--port", Port(), "--retries", "-1"}).ExitCode, 1);
}

TEST_F(CliFixture, ReadJsonIsABlockFileForWrite)
{
    StartModule(ModuleFault::None, CustomBlock());
    VirtualModule Copy;
    VirtualModuleOptions Options;
    Options.RuntimeFolder = Runtime.Path() + "/novla-tool/ports";
    Options.Delay = std::chrono::milliseconds(5);
    ASSERT_TRUE(Copy.Start(Options).Ok());
    const std::string Preset = Runtime.Path() + "/preset.json";
    ASSERT_EQ(Cli({"read", "--port", Port(), "--json"}, Preset).ExitCode, 0);
    const ProcessResult Written =
        Cli({"write", "--port", "COM" + std::to_string(Copy.PortNumber()), "--json-file", Preset});
    EXPECT_EQ(Written.ExitCode, 0) << Written.Err;
    EXPECT_EQ(Copy.Block(), Module.Block());
    EXPECT_EQ(Copy.Block(), CustomBlock());
}

TEST_F(CliFixture, PortsAsJsonAndTheVersion)
{
    StartModule();
    const ProcessResult Listed = Cli({"ports", "--json"});
    ASSERT_EQ(Listed.ExitCode, 0) << Listed.Err;
    EXPECT_EQ(Listed.Out.front(), '[');
    EXPECT_NE(Listed.Out.find("{\"port\": \"" + Port() + "\", \"device\": \"" +
                              Module.DevicePath() +
                              "\", \"source\": \"runtime link\", \"state\": \"free\", "
                              "\"detail\": \"\"}"),
              std::string::npos)
        << Listed.Out;
    for (const std::string& Program :
         {std::string(NOVLA_CLI_PATH), std::string(NOVLA_VIRTUAL_MODULE_PATH)})
    {
        const ProcessResult Version = RunProcess(Program, {"--version"}, Environment());
        EXPECT_EQ(Version.ExitCode, 0) << Program;
        EXPECT_NE(Version.Out.find(" 0."), std::string::npos) << Version.Out;
    }
}
} // namespace

namespace
{
// Several modules, each at its own line setting, in one private runtime
// folder; the client runs as its own process.
struct ManyModulesFixture : ::testing::Test
{
    TempFolder Runtime;
    std::string Folder = Runtime.Path() + "/novla-tool/ports";
    std::vector<std::unique_ptr<VirtualModule>> Modules;

    VirtualModule& StartModule(int Port, int Baud, int Parity, uint16_t Node = 0,
                               ModuleFault Fault = ModuleFault::None)
    {
        ModuleParameters Block = DefaultParameters();
        Block.UartBaudCode = *CodeForBaudRate(Baud);
        Block.UartParity = static_cast<uint8_t>(Parity);
        SetNodeId(Block, Node);
        Block.NetId = static_cast<uint8_t>(Port % 256);
        VirtualModuleOptions Options;
        Options.RuntimeFolder = Folder;
        Options.Port = Port;
        Options.Delay = std::chrono::milliseconds(1);
        Options.Fault = Fault;
        Options.OwnLineSettings = true;
        Options.Initial = Block;
        Modules.push_back(std::make_unique<VirtualModule>());
        EXPECT_TRUE(Modules.back()->Start(Options).Ok());
        return *Modules.back();
    }

    ProcessResult Cli(std::vector<std::string> Arguments)
    {
        return RunProcess(
            NOVLA_CLI_PATH, Arguments,
            {"XDG_RUNTIME_DIR=" + Runtime.Path(), "XDG_CONFIG_HOME=" + Runtime.Path() + "/config"},
            std::chrono::milliseconds(30000));
    }
};

bool Contains(const std::string& Text, const std::string& Part)
{
    return Text.find(Part) != std::string::npos;
}

TEST_F(ManyModulesFixture, DiscoverFindsEachModuleAtItsSettingAndNamesTheRest)
{
    const VirtualModule& A = StartModule(601, 9600, 0);
    const VirtualModule& B = StartModule(602, 38400, 2);
    const VirtualModule& C = StartModule(603, 2400, 1);
    PseudoTerminal Held;
    ASSERT_TRUE(Held.Create().Ok());
    PortLock HeldLock;
    ASSERT_TRUE(HeldLock.Acquire(Folder, 604).Ok());
    ASSERT_EQ(symlink(Held.DevicePath().c_str(), (Folder + "/com604").c_str()), 0);
    const int Holder = open(Held.DevicePath().c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    ASSERT_GE(Holder, 0);
    ASSERT_EQ(ioctl(Holder, TIOCEXCL), 0);

    const ProcessResult All =
        Cli({"discover", "--port", "COM601", "--port", "COM602", "--port", "COM603", "--port",
             "COM604", "--port", "COM605", "--timeout-per-setting", "30"});
    EXPECT_EQ(All.ExitCode, 0) << All.Err;
    EXPECT_EQ(All.Out, "COM601 " + A.DevicePath() +
                           " 9600 NO frequency_mhz 433.00 rf_mode Standard node_id 0 net_id 89 "
                           "power 7\n"
                           "COM602 " +
                           B.DevicePath() +
                           " 38400 EVEN frequency_mhz 433.00 rf_mode Standard node_id 0 net_id 90 "
                           "power 7\n"
                           "COM603 " +
                           C.DevicePath() +
                           " 2400 ODD frequency_mhz 433.00 rf_mode Standard node_id 0 net_id 91 "
                           "power 7\n");
    EXPECT_TRUE(Contains(All.Err, "novla-cli: COM604 busy: ")) << All.Err;
    EXPECT_TRUE(Contains(All.Err, "novla-cli: COM605 missing: ")) << All.Err;
    EXPECT_FALSE(Contains(All.Err, "searching")) << "no progress line when not on a terminal";

    const ProcessResult Json = Cli({"discover", "--port", "COM602", "--json"});
    EXPECT_EQ(Json.ExitCode, 0) << Json.Err;
    EXPECT_EQ(Json.Out.rfind("{\"port\": \"COM602\", \"device\": \"" + B.DevicePath() +
                                 "\", \"baud\": 38400, \"parity\": \"EVEN\", \"block\": "
                                 "{\"frequency_mhz\": 433.00,",
                             0),
              0u)
        << Json.Out;

    EXPECT_EQ(Cli({"discover", "--port", "COM604", "--port", "COM605"}).ExitCode, 5);
    ioctl(Holder, TIOCNXCL);
    close(Holder);
    PseudoTerminal Quiet;
    ASSERT_TRUE(Quiet.Create().Ok());
    PortLock QuietLock;
    ASSERT_TRUE(QuietLock.Acquire(Folder, 606).Ok());
    ASSERT_EQ(symlink(Quiet.DevicePath().c_str(), (Folder + "/com606").c_str()), 0);
    const ProcessResult None =
        Cli({"discover", "--port", "COM606", "--port", "COM605", "--timeout-per-setting", "5"});
    EXPECT_EQ(None.ExitCode, 2) << None.Err;
    EXPECT_TRUE(Contains(None.Err, "COM606: no module answered at any of the 24 line settings"))
        << None.Err;
    for (const char* Bad : {"300", "auto"})
        EXPECT_EQ(Cli({"discover", "--baud", Bad}).ExitCode, 1) << Bad;
    EXPECT_EQ(Cli({"discover", "--timeout-per-setting", "0"}).ExitCode, 1);
}

TEST_F(ManyModulesFixture, AutoBaudFindsThePortsSettingAndSaysWhichItUsed)
{
    StartModule(611, 57600, 1);
    const ProcessResult Read = Cli({"read", "--port", "COM611", "--baud", "auto", "--json"});
    EXPECT_EQ(Read.ExitCode, 0) << Read.Err;
    EXPECT_TRUE(Contains(Read.Out, "\"uart_baud\": \"57600\", \"uart_parity\": \"ODD\""));
    EXPECT_EQ(Read.Err, "novla-cli: COM611: the module answers at 57600 ODD; using it\n");
    EXPECT_EQ(Cli({"read", "--port", "COM611", "--timeout", "300"}).ExitCode, 2)
        << "9600 NO gets no answer";
    const ProcessResult Write =
        Cli({"write", "--port", "COM611", "--baud", "auto", "--power", "3"});
    EXPECT_EQ(Write.ExitCode, 0) << Write.Err;
    EXPECT_EQ(Modules[0]->Block().PowerLevel, 3);
    EXPECT_EQ(Cli({"read", "--port", "COM612", "--baud", "auto"}).ExitCode, 5);
}

// The same change on each module in turn, one result line each; a port
// that fails does not stop the others, and the exit code is the worst.
TEST_F(ManyModulesFixture, WriteToSeveralPortsReportsEachAndExitsWithTheWorst)
{
    StartModule(621, 9600, 0);
    StartModule(622, 9600, 0);
    StartModule(623, 9600, 0, 0, ModuleFault::IgnoreWrite);
    const ProcessResult Good =
        Cli({"write", "--port", "COM621", "--ports", "COM622", "--net-id", "42"});
    EXPECT_EQ(Good.ExitCode, 0) << Good.Err;
    EXPECT_EQ(Good.Out, "COM621: written and confirmed\nCOM622: written and confirmed\n");
    const ProcessResult Mixed = Cli({"write", "--ports", "COM624,COM623,COM621", "--power", "2"});
    EXPECT_EQ(Mixed.ExitCode, 5) << Mixed.Err;
    EXPECT_EQ(Mixed.Out, "COM624: failed (exit code 5)\nCOM623: failed (exit code 4)\n"
                         "COM621: written and confirmed\n");
    EXPECT_EQ(Modules[0]->Block().NetId, 42);
    EXPECT_EQ(Modules[1]->Block().NetId, 42);
    EXPECT_EQ(Modules[0]->Block().PowerLevel, 2);
    EXPECT_EQ(Modules[2]->Block().PowerLevel, 7);
    EXPECT_EQ(Cli({"write", "--ports", "COM621,COM621", "--power", "2"}).ExitCode, 1);
    EXPECT_EQ(Cli({"write", "--ports", "COM621,", "--power", "2"}).ExitCode, 1);
}

TEST_F(ManyModulesFixture, CloneCopiesTheBlockAndKeepsTheNamedFieldsOfEachTarget)
{
    StartModule(631, 19200, 2, 1111);
    StartModule(632, 9600, 0, 2222);
    StartModule(633, 4800, 1, 3333);
    const ProcessResult Clone = Cli({"clone", "--from", "COM631", "--to", "COM632", "--to",
                                     "COM633", "--keep", "node-id,net_id", "--baud", "auto"});
    EXPECT_EQ(Clone.ExitCode, 0) << Clone.Err;
    EXPECT_EQ(Clone.Out, "COM632: written and confirmed\nCOM633: written and confirmed\n");
    const ModuleParameters Source = Modules[0]->Block();
    for (size_t i = 1; i < 3; ++i)
    {
        ModuleParameters Target = Modules[i]->Block();
        EXPECT_EQ(NodeId(Target), i == 1 ? 2222 : 3333);
        EXPECT_EQ(Target.NetId, i == 1 ? 632 % 256 : 633 % 256);
        // Everything else, the line setting included, is the source's.
        SetNodeId(Target, NodeId(Source));
        Target.NetId = Source.NetId;
        EXPECT_EQ(Target, Source);
    }
    EXPECT_EQ(Cli({"clone", "--from", "COM631", "--to", "COM631"}).ExitCode, 1);
    EXPECT_EQ(Cli({"clone", "--from", "COM631", "--to", "COM632", "--keep", "colour"}).ExitCode, 1);
    EXPECT_EQ(Cli({"clone", "--from", "COM631"}).ExitCode, 1);
    const ProcessResult Missing =
        Cli({"clone", "--from", "COM632", "--to", "COM639", "--baud", "19200", "--parity", "even"});
    EXPECT_EQ(Missing.ExitCode, 5) << Missing.Err;
}
} // namespace
