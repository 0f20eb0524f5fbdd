#include "platform/comm/SerialDevice.h"
#include "tests/platform/comm/TempFolder.h"
#include "tests/tools/ProcessRunner.h"
#include "tools/cli/ModuleClient.h"
#include "tools/virtual-module/VirtualModule.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

namespace
{
// The client runs as its own process against an in-process virtual module
// registered in a private runtime folder.
struct CliFixture : ::testing::Test
{
    TempFolder Runtime;
    VirtualModule Module;

    void StartModule(ModuleFault Fault = ModuleFault::None)
    {
        VirtualModuleOptions Options;
        Options.RuntimeFolder = Runtime.Path() + "/novla-tool/ports";
        Options.Fault = Fault;
        Options.Delay = std::chrono::milliseconds(5);
        ASSERT_TRUE(Module.Start(Options).Ok());
    }

    std::string Port() const { return "COM" + std::to_string(Module.PortNumber()); }

    ProcessResult Cli(std::vector<std::string> Arguments)
    {
        return RunProcess(
            NOVLA_CLI_PATH, Arguments,
            {"XDG_RUNTIME_DIR=" + Runtime.Path(), "XDG_CONFIG_HOME=" + Runtime.Path() + "/config"});
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

TEST_F(CliFixture, WriteTakesAJsonFileAndStartsFromTheWindowDefaults)
{
    StartModule();
    const std::string File = Runtime.Path() + "/block.json";
    std::ofstream(File) << "{ \"net_id\": 7, \"power\": 5, \"rf_mode\": \"central\" }";
    const ProcessResult Written = Cli({"write", "--port", Port(), "--json-file", File});
    ASSERT_EQ(Written.ExitCode, 0) << Written.Err;
    const ModuleParameters Stored = Module.Block();
    EXPECT_EQ(Stored.NetId, 7);
    EXPECT_EQ(Stored.PowerLevel, 5);
    EXPECT_EQ(Stored.RfMode, 1);
    EXPECT_EQ(Stored.FrequencyMHz, 433.0);
    EXPECT_EQ(Stored.WakeCode, 4);
}

TEST_F(CliFixture, OneClientRunsExchangesBackToBack)
{
    StartModule();
    // The client finds ports as the window will: through the environment.
    const char* Previous = std::getenv("XDG_RUNTIME_DIR");
    const std::string Saved = Previous ? Previous : "";
    setenv("XDG_RUNTIME_DIR", Runtime.Path().c_str(), 1);
    ModuleClient Client;
    if (Previous)
        setenv("XDG_RUNTIME_DIR", Saved.c_str(), 1);
    else
        unsetenv("XDG_RUNTIME_DIR");
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
        {ModuleFault::Silent, "read", 2},       {ModuleFault::BadChecksum, "read", 3},
        {ModuleFault::Split, "read", 0},        {ModuleFault::Garbage, "read", 0},
        {ModuleFault::Duplicate, "read", 0},    {ModuleFault::Duplicate, "write", 0},
        {ModuleFault::IgnoreWrite, "write", 4}, {ModuleFault::BadChecksum, "write", 3},
    };
    for (const auto& Case : Cases)
    {
        StartModule(Case.Fault);
        std::vector<std::string> Arguments = {Case.Command, "--port", Port()};
        if (std::string(Case.Command) == "write")
            Arguments.insert(Arguments.end(), {"--net-id", "9"});
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
} // namespace
