// novla-cli: the command-line module client.
//   novla-cli ports
//   novla-cli read  --port COM<N> [--baud 9600] [--parity none|odd|even] [--json]
//   novla-cli write --port COM<N> [--baud ..] [--parity ..]
//                   (--json-file FILE | --frequency .. --spreading .. --rf-mode ..
//                    --bandwidth .. --uart-baud .. --uart-parity .. --power ..
//                    --node-id .. --net-id .. --breath .. --wake ..)
// Exit codes: 0 success, 1 usage or invalid value, 2 no reply within 3 s,
// 3 checksum mismatch, 4 the answer differs from what was written, 5 the
// port cannot be opened (or went away).
#include "platform/comm/LineSettings.h"
#include "platform/comm/PortMap.h"
#include "platform/comm/SerialDevice.h"
#include "protocol/Frames.h"
#include "serial/DefaultParameters.h"
#include "tools/cli/BlockInput.h"
#include "tools/cli/BlockText.h"
#include "tools/cli/ModuleClient.h"

#include <charconv>
#include <cstdio>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace
{
enum ExitCode
{
    ExitOk = 0,
    ExitUsage = 1,
    ExitNoReply = 2,
    ExitChecksum = 3,
    ExitDiffers = 4,
    ExitPort = 5,
};

constexpr std::chrono::milliseconds ReplyLimit{3000};

constexpr const char* UsageText =
    "usage: novla-cli ports [--all]\n"
    "       novla-cli read --port COM<N> [--baud 9600] [--parity none|odd|even] [--json]\n"
    "       novla-cli write --port COM<N> [--baud 9600] [--parity none|odd|even]\n"
    "                       (--json-file FILE | [--frequency MHZ] [--spreading 128..4096]\n"
    "                        [--rf-mode standard|central|node] [--bandwidth 62.5K..500K]\n"
    "                        [--uart-baud 1200..115200] [--uart-parity no|odd|even] [--power "
    "1..7]\n"
    "                        [--node-id 0..65535] [--net-id 0..255] [--breath 2s..10s]\n"
    "                        [--wake 2ms..64ms])\n";

int Usage(const std::string& Problem = {})
{
    if (!Problem.empty()) std::fprintf(stderr, "novla-cli: %s\n", Problem.c_str());
    std::fputs(UsageText, stderr);
    return ExitUsage;
}

int Invalid(const std::string& Problem)
{
    std::fprintf(stderr, "novla-cli: %s\n", Problem.c_str());
    return ExitUsage;
}

// Options of read and write after the command word.
struct Request
{
    int Port = 0;
    int Baud = 9600;
    int Parity = 0;
    bool Json = false;
    std::string JsonFile;
    NamedValues Values; // write: parameters given as options, JSON keys
};

// "--rf-mode" -> "rf_mode"; "--frequency" -> "frequency_mhz".
std::optional<std::string> ParameterKey(std::string_view Option)
{
    static constexpr std::string_view Parameters[] = {
        "frequency", "spreading", "rf-mode", "bandwidth", "uart-baud", "uart-parity",
        "power",     "node-id",   "net-id",  "breath",    "wake"};
    if (Option.substr(0, 2) != "--") return std::nullopt;
    Option.remove_prefix(2);
    for (std::string_view Name : Parameters)
    {
        if (Option != Name) continue;
        if (Name == "frequency") return std::string("frequency_mhz");
        std::string Key(Name);
        for (char& C : Key)
            if (C == '-') C = '_';
        return Key;
    }
    return std::nullopt;
}

// Parses the options of read (Write false) or write. 0 or an exit code.
int ParseRequest(int Argc, char** Argv, bool Write, Request& Out)
{
    bool HavePort = false;
    for (int i = 2; i < Argc; ++i)
    {
        const std::string_view Option = Argv[i];
        if (!Write && Option == "--json")
        {
            Out.Json = true;
            continue;
        }
        if (i + 1 >= Argc) return Usage("option " + std::string(Option) + " needs a value");
        const std::string_view Value = Argv[++i];
        if (Option == "--port")
        {
            const auto Number = ParsePortName(Value);
            if (!Number)
                return Invalid("port '" + std::string(Value) +
                               "' is not COM<N> with N from 1 to 9999");
            Out.Port = *Number;
            HavePort = true;
        }
        else if (Option == "--baud")
        {
            int Baud = 0;
            const auto [End, Failure] =
                std::from_chars(Value.data(), Value.data() + Value.size(), Baud);
            if (Failure != std::errc() || End != Value.data() + Value.size() || !SpeedForBaud(Baud))
                return Invalid("baud rate '" + std::string(Value) + "' is not a standard rate");
            Out.Baud = Baud;
        }
        else if (Option == "--parity")
        {
            if (Value == "none")
                Out.Parity = 0;
            else if (Value == "odd")
                Out.Parity = 1;
            else if (Value == "even")
                Out.Parity = 2;
            else
                return Invalid("parity '" + std::string(Value) + "' is not none, odd or even");
        }
        else if (Write && Option == "--json-file")
        {
            Out.JsonFile = Value;
        }
        else if (const auto Key = Write ? ParameterKey(Option) : std::nullopt)
        {
            Out.Values.emplace_back(*Key, std::string(Value));
        }
        else
        {
            return Usage("unknown option " + std::string(Option));
        }
    }
    if (!HavePort) return Usage("--port is required");
    if (!Out.JsonFile.empty() && !Out.Values.empty())
        return Usage("give either --json-file or parameter options, not both");
    return ExitOk;
}

int OpenPort(ModuleClient& Client, const Request& Options)
{
    std::string Error;
    if (Client.Open(Options.Port, Options.Baud, Options.Parity, Error)) return ExitOk;
    std::fprintf(stderr, "novla-cli: cannot open %s: %s\n", PortName(Options.Port).c_str(),
                 Error.c_str());
    return ExitPort;
}

// Exit code for an exchange that produced no good reply.
int Failed(const ExchangeResult& Result)
{
    switch (Result.Outcome)
    {
    case ExchangeOutcome::NoReply:
        std::fprintf(stderr, "novla-cli: no reply within 3 s\n");
        return ExitNoReply;
    case ExchangeOutcome::ChecksumMismatch:
        std::fprintf(stderr, "novla-cli: the reply's checksum does not match\n");
        return ExitChecksum;
    default:
        std::fprintf(stderr, "novla-cli: %s\n", Result.Error.c_str());
        return ExitPort;
    }
}

int Ports(int Argc, char** Argv)
{
    bool All = false;
    for (int i = 2; i < Argc; ++i)
    {
        if (std::string_view(Argv[i]) == "--all")
            All = true;
        else
            return Usage("unknown option " + std::string(Argv[i]));
    }
    const PortMap Map;
    for (const PortLocation& Port : Map.Candidates(All))
    {
        SerialDevice Device;
        const CommError Error = Device.Open(Port.DevicePath);
        std::string State;
        switch (Error.Status)
        {
        case CommStatus::Ok:
            State = "free";
            break;
        case CommStatus::Busy:
            State = "busy";
            break;
        case CommStatus::NotFound:
            State = "missing";
            break;
        case CommStatus::PermissionDenied:
            State = "no permission: " + PermissionHint(Port.DevicePath);
            break;
        case CommStatus::NotATerminal:
            State = "not a serial device";
            break;
        default:
            State = "error: " + Error.Message;
            break;
        }
        const char* Source = Port.Source == PortSource::UserLink      ? "user link"
                             : Port.Source == PortSource::RuntimeLink ? "runtime link"
                                                                      : "default";
        std::printf("%-8s %-32s %-12s %s\n", PortName(Port.Number).c_str(), Port.DevicePath.c_str(),
                    Source, State.c_str());
    }
    return ExitOk;
}

int Read(int Argc, char** Argv)
{
    Request Options;
    if (const int Code = ParseRequest(Argc, Argv, false, Options)) return Code;
    ModuleClient Client;
    if (const int Code = OpenPort(Client, Options)) return Code;
    const ExchangeResult Result = Client.ReadAll(ReplyLimit);
    if (Result.Outcome != ExchangeOutcome::Reply) return Failed(Result);
    if (Options.Json)
        std::printf("%s\n", BlockToJson(Result.Block).c_str());
    else
        std::fputs(BlockToLines(Result.Block).c_str(), stdout);
    return ExitOk;
}

bool ReadFile(const std::string& Path, std::string& Text, std::string& Error)
{
    std::ifstream File(Path, std::ios::binary);
    if (!File)
    {
        Error = "cannot read " + Path;
        return false;
    }
    std::ostringstream Content;
    Content << File.rdbuf();
    Text = Content.str();
    return true;
}

// The keys whose values differ between two blocks, as the client shows them.
std::string Differences(const ModuleParameters& Wanted, const ModuleParameters& Got)
{
    std::string Text;
    auto Check = [&](std::string_view Key, const std::string& A, const std::string& B)
    {
        if (A != B) Text += "  " + std::string(Key) + ": wrote " + A + ", module has " + B + "\n";
    };
    char A[32], B[32];
    std::snprintf(A, sizeof A, "%.2f", Wanted.FrequencyMHz);
    std::snprintf(B, sizeof B, "%.2f", Got.FrequencyMHz);
    Check("frequency_mhz", A, B);
    for (ParameterList List : AllParameterLists)
        Check(ListKey(List), ListText(List, CodeField(Wanted, List)),
              ListText(List, CodeField(Got, List)));
    Check("node_id", std::to_string(NodeId(Wanted)), std::to_string(NodeId(Got)));
    Check("net_id", std::to_string(Wanted.NetId), std::to_string(Got.NetId));
    return Text;
}

int Write(int Argc, char** Argv)
{
    Request Options;
    if (const int Code = ParseRequest(Argc, Argv, true, Options)) return Code;
    if (!Options.JsonFile.empty())
    {
        std::string Text, Error;
        if (!ReadFile(Options.JsonFile, Text, Error) ||
            !ParseFlatJsonObject(Text, Options.Values, Error))
            return Invalid(Error);
    }
    ModuleParameters Block = DefaultParameters();
    for (const auto& [Key, Value] : Options.Values)
    {
        std::string Error;
        if (!SetParameter(Block, Key, Value, Error)) return Invalid(Error);
    }

    ModuleClient Client;
    if (const int Code = OpenPort(Client, Options)) return Code;
    const ExchangeResult Result = Client.WriteAll(Block, ReplyLimit);
    if (Result.Outcome != ExchangeOutcome::Reply) return Failed(Result);

    // What a module that stored the request reports back: the frame's own
    // decoding, since the frequency goes through the wire code.
    const Frame Sent = BuildWriteAll(Block);
    ModuleParameters Expected = DecodeFrameData(Sent);
    ModuleParameters Answer = Result.Block;
    Expected.Command = Answer.Command = 0;
    if (!(Answer == Expected))
    {
        std::fprintf(stderr, "novla-cli: the module's answer differs from what was written:\n%s",
                     Differences(Expected, Answer).c_str());
        return ExitDiffers;
    }
    std::printf("written and confirmed:\n%s", BlockToLines(Answer).c_str());
    return ExitOk;
}
} // namespace

int main(int Argc, char** Argv)
{
    if (Argc < 2) return Usage();
    const std::string_view Command = Argv[1];
    if (Command == "ports") return Ports(Argc, Argv);
    if (Command == "read") return Read(Argc, Argv);
    if (Command == "write") return Write(Argc, Argv);
    if (Command == "--help" || Command == "-h")
    {
        std::fputs(UsageText, stdout);
        return ExitOk;
    }
    return Usage("unknown command " + std::string(Command));
}
