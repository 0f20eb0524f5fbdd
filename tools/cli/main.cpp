// novla-cli: the command-line module client. Usage and exit codes: UsageText.
#include "platform/comm/CommError.h"
#include "platform/comm/ExclusiveRelease.h"
#include "platform/comm/LineSettings.h"
#include "platform/comm/PortMap.h"
#include "platform/comm/SerialDevice.h"
#include "platform/comm/StandardDescriptors.h"
#include "protocol/DefaultParameters.h"
#include "protocol/Frames.h"
#include "serial/BlockFile.h"
#include "serial/ModuleDiscovery.h"
#include "tools/cli/BlockText.h"
#include "tools/cli/ModuleClient.h"
#include "tools/cli/Trace.h"
#include "tools/common/OptionParser.h"
#include "tools/common/Version.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <unistd.h>
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
    ExitSendFailed = 6,
    ExitOutput = 7,
};

constexpr long DefaultTimeoutMs = 3000;

constexpr const char* UsageText =
    "usage: novla-cli ports [--all] [--json]\n"
    "       novla-cli discover [--port COM<N> ...] [--baud 9600 [--parity no|odd|even]]\n"
    "                          [--timeout-per-setting MS] [--json]\n"
    "       novla-cli read --port COM<N> [--baud 9600|auto] [--parity no|odd|even] [--json]\n"
    "                      [--timeout MS] [--retries N] [--trace]\n"
    "       novla-cli write (--port COM<N> ... | --ports COM<N>,COM<M>...)\n"
    "                       [--baud 9600|auto] [--parity no|odd|even]\n"
    "                       [--timeout MS] [--retries N] [--trace]\n"
    "                       [--from-defaults] [--force]\n"
    "                       (--json-file FILE | [--frequency MHZ] [--spreading 128..4096]\n"
    "                        [--rf-mode standard|central|node] [--bandwidth 62.5K..500K]\n"
    "                        [--uart-baud 1200..115200] [--uart-parity no|odd|even]\n"
    "                        [--power 1..7] [--node-id 0..65535] [--net-id 0..255]\n"
    "                        [--breath 2s..10s] [--wake 2ms..64ms])\n"
    "       novla-cli clone --from COM<N> --to COM<M> [--to ...] [--keep node-id,net-id,...]\n"
    "                       [--baud 9600|auto] [--parity no|odd|even]\n"
    "                       [--timeout MS] [--retries N] [--trace] [--force]\n"
    "       novla-cli --version\n"
    "\n"
    "discover tries the 24 line settings of the window's lists on each port given\n"
    "(every port there is, without --port) and prints one line per module found:\n"
    "port, device, baud rate, parity and its main values. --timeout-per-setting is\n"
    "the time a module gets to answer, on top of the line time (default 100 ms).\n"
    "--baud auto finds the port's setting first and says which one it used.\n"
    "write to several ports changes each module in turn, one result line each;\n"
    "clone writes the block of one module to others, keeping the fields named by\n"
    "--keep of each target. Their exit code is the worst of the ports'.\n"
    "\n"
    "write reads the module's block first and changes only the values given;\n"
    "--from-defaults starts from the window's defaults instead. A block whose\n"
    "reply the module could not send back readably is refused unless --force.\n"
    "The output of read --json is a block file for write --json-file.\n"
    "--timeout: how long to wait for each reply (default 3000 ms); --retries: how\n"
    "often to send a request again after no reply or a bad checksum (default 0);\n"
    "--trace: every frame sent and received on standard error, in hexadecimal.\n"
    "\n"
    "exit codes: 0 success, 1 usage or invalid value, 2 no reply within the time-out\n"
    "(discover: no module answered),\n"
    "3 checksum mismatch, 4 the answer differs from what was written, 5 the port\n"
    "cannot be opened or went away (discover: no port could be opened), 6 the request could not be "
    "sent, 7 the\n"
    "output could not be written.\n";

// Hint for a failed exchange that a block with unreadable bytes explains.
constexpr const char* UnreadableHint =
    "novla-cli: note: a module whose stored block holds the bytes AF AF or 0D 0A (for example "
    "node_id 44975 or 3338) answers with a reply that can never be read\n";

int Usage(const std::string& Problem)
{
    std::fprintf(stderr, "novla-cli: %s\n", Problem.c_str());
    std::fputs(UsageText, stderr);
    return ExitUsage;
}

int Invalid(const std::string& Problem)
{
    std::fprintf(stderr, "novla-cli: %s\n", Problem.c_str());
    return ExitUsage;
}

// Standard output must have reached its file: a full disk or a closed pipe
// is a failure, not a success with the block lost.
int FinishOutput(int Code)
{
    if (std::fflush(stdout) == 0 && !std::ferror(stdout)) return Code;
    std::fprintf(stderr, "novla-cli: the output could not be written: %s\n", std::strerror(errno));
    return ExitOutput;
}

// Options of read and write after the command word.
struct Request
{
    std::vector<int> Ports; // read: exactly one
    bool AutoBaud = false;  // --baud auto: find the setting first
    int Baud = 9600;
    int Parity = 0;
    bool Json = false;
    bool FromDefaults = false;
    bool Force = false;
    bool Trace = false;
    std::chrono::milliseconds Timeout{DefaultTimeoutMs};
    int Retries = 0;
    std::optional<std::string> JsonFile;
    NamedValues Values; // write: parameters given as options, JSON keys
};

std::vector<OptionParser::Option> RequestOptions(bool Write)
{
    std::vector<OptionParser::Option> Options = {{"--port", true, Write}, {"--baud", true},
                                                 {"--parity", true},      {"--timeout", true},
                                                 {"--retries", true},     {"--trace", false}};
    if (!Write)
    {
        Options.push_back({"--json", false});
        return Options;
    }
    Options.insert(
        Options.end(),
        {{"--ports", true}, {"--json-file", true}, {"--from-defaults", false}, {"--force", false}});
    for (const ShownParameter& P : ShownParameters)
        Options.push_back({P.Option, true});
    return Options;
}

// Port numbers from COM<N> names, each once. 0 or an exit code.
int ParsePorts(const std::vector<std::string>& Names, std::vector<int>& Ports)
{
    for (const std::string& Name : Names)
    {
        const auto Number = ParsePortName(Name);
        if (!Number) return Invalid("port '" + Name + "' is not COM<N> with N from 1 to 9999");
        if (std::find(Ports.begin(), Ports.end(), *Number) != Ports.end())
            return Invalid("port " + PortName(*Number) + " is given twice");
        Ports.push_back(*Number);
    }
    return ExitOk;
}

// Parses the options of read (Write false) or write. 0 or an exit code.
int ParseRequest(std::span<char* const> Arguments, bool Write, Request& Out)
{
    OptionParser Parser(RequestOptions(Write));
    std::string Error;
    if (!Parser.Parse(Arguments, Error)) return Usage(Error);

    std::vector<std::string> Names = Parser.Values("--port");
    if (const auto List = Parser.Value("--ports"))
        for (size_t Start = 0; Start <= List->size();)
        {
            const size_t Comma = std::min(List->find(',', Start), List->size());
            Names.push_back(List->substr(Start, Comma - Start));
            Start = Comma + 1;
        }
    if (Names.empty()) return Usage("--port is required");
    if (const int Code = ParsePorts(Names, Out.Ports)) return Code;
    if (Parser.Value("--baud") == "auto")
    {
        Out.AutoBaud = true;
    }
    else if (const auto Baud = Parser.Value("--baud"))
    {
        long Value = 0;
        if (!ParseIntegerOption(*Baud, 1, 4000000, Value) || !SpeedForBaud(static_cast<int>(Value)))
            return Invalid("baud rate '" + *Baud + "' is not a standard rate");
        Out.Baud = static_cast<int>(Value);
    }
    if (const auto Parity = Parser.Value("--parity"))
    {
        const auto Index = ParseParityWord(*Parity);
        if (!Index) return Invalid("parity '" + *Parity + "' is not no (none), odd or even");
        Out.Parity = *Index;
    }
    long Value = 0;
    if (const auto Timeout = Parser.Value("--timeout"))
    {
        if (!ParseIntegerOption(*Timeout, 1, 600000, Value))
            return Invalid("time-out '" + *Timeout +
                           "' is not a number of milliseconds from 1 to 600000");
        Out.Timeout = std::chrono::milliseconds(Value);
    }
    if (const auto Retries = Parser.Value("--retries"))
    {
        if (!ParseIntegerOption(*Retries, 0, 100, Value))
            return Invalid("retries '" + *Retries + "' is not a number from 0 to 100");
        Out.Retries = static_cast<int>(Value);
    }
    Out.Trace = Parser.Has("--trace");
    Out.Json = Parser.Has("--json");
    Out.FromDefaults = Parser.Has("--from-defaults");
    Out.Force = Parser.Has("--force");
    Out.JsonFile = Parser.Value("--json-file");
    for (const auto& [Option, Value] : Parser.Given())
        for (const ShownParameter& P : ShownParameters)
            if (Option == P.Option) Out.Values.emplace_back(std::string(P.Key), Value);

    if (Out.JsonFile && Out.JsonFile->empty()) return Usage("--json-file needs a file name");
    if (Out.JsonFile && !Out.Values.empty())
        return Usage("give either --json-file or parameter options, not both");
    return ExitOk;
}

// Exit code for a port a search could not use, with its reason printed.
int NotSearched(const PortFinding& Finding)
{
    const std::string Name = PortName(Finding.Port);
    if (Finding.Verdict == PortVerdict::Silent)
    {
        std::fprintf(stderr, "novla-cli: %s: no module answered at any of the %d line settings\n",
                     Name.c_str(), Finding.Attempts);
        return ExitNoReply;
    }
    std::string Why = Finding.Message;
    if (Why.rfind(Name + ": ", 0) == 0) Why.erase(0, Name.size() + 2);
    std::fprintf(stderr, "novla-cli: %s %s: %s\n", Name.c_str(), PortVerdictText(Finding.Verdict),
                 Why.c_str());
    return ExitPort;
}

int OpenPort(ModuleClient& Client, const Request& Options, int Port)
{
    int Baud = Options.Baud, Parity = Options.Parity;
    if (Options.AutoBaud)
    {
        DiscoveryRequest Search;
        Search.Ports = {Port};
        const PortFinding Finding = DiscoverModules(Search, nullptr).front();
        if (Finding.Verdict != PortVerdict::Found) return NotSearched(Finding);
        Baud = Finding.Setting.Baud;
        Parity = Finding.Setting.Parity;
        std::fprintf(stderr, "novla-cli: %s: the module answers at %s; using it\n",
                     PortName(Port).c_str(), LineSettingText(Finding.Setting).c_str());
    }
    std::string Error;
    if (Client.Open(Port, Baud, Parity, Error))
    {
        if (const std::string Note = Client.LineNote(); Options.Trace && !Note.empty())
            std::fprintf(stderr, "trace: note: %s\n", Note.c_str());
        return ExitOk;
    }
    const std::string Name = PortName(Port);
    if (Error.rfind(Name + ": ", 0) == 0) Error.erase(0, Name.size() + 2);
    std::fprintf(stderr, "novla-cli: cannot open %s: %s\n", Name.c_str(), Error.c_str());
    return ExitPort;
}

// Exit code for an exchange that produced no good reply. Hazards: what is
// wrong with the block just written (empty when it is readable or when
// nothing was written).
int Failed(const ExchangeResult& Result, std::chrono::milliseconds Limit,
           const std::string& Hazards = {})
{
    // Frames that arrived but answer nothing were readable: the block is not
    // what kept the answer away.
    const bool Strays = Result.Outcome == ExchangeOutcome::NoReply && !Result.Replies.empty();
    const bool Unreadable = !Strays && (Result.Outcome == ExchangeOutcome::NoReply ||
                                        Result.Outcome == ExchangeOutcome::ChecksumMismatch);
    switch (Result.Outcome)
    {
    case ExchangeOutcome::NoReply:
        std::fprintf(stderr, "novla-cli: no reply within %lld ms\n",
                     static_cast<long long>(Limit.count()));
        if (Strays)
            std::fprintf(stderr,
                         "novla-cli: %zu frame(s) arrived that answer no pending request (another "
                         "command byte, or a repeat); they were dropped (--trace shows them)\n",
                         Result.Replies.size());
        break;
    case ExchangeOutcome::ChecksumMismatch:
        std::fprintf(stderr, "novla-cli: the reply's checksum does not match\n");
        break;
    default:
        std::fprintf(stderr, "novla-cli: %s\n", Result.Error.c_str());
        break;
    }
    if (Unreadable && !Hazards.empty())
        std::fprintf(stderr,
                     "novla-cli: expected: the block written cannot come back readably:\n%s",
                     Hazards.c_str());
    else if (Unreadable)
        std::fputs(UnreadableHint, stderr);
    switch (Result.Outcome)
    {
    case ExchangeOutcome::NoReply:
        return ExitNoReply;
    case ExchangeOutcome::ChecksumMismatch:
        return ExitChecksum;
    case ExchangeOutcome::SendFailed:
        return ExitSendFailed;
    default:
        return ExitPort;
    }
}

// Runs Attempt (one read-all or write-all exchange) until it brings a good
// reply, or no more tries are left; only a missing reply or a bad checksum
// is tried again. Traces each try when asked.
template <typename Exchange> ExchangeResult WithRetries(const Request& Options, Exchange Attempt)
{
    for (int Try = 0;; ++Try)
    {
        ExchangeResult Result = Attempt();
        if (Options.Trace) std::fputs(TraceExchange(Result, Options.Timeout).c_str(), stderr);
        const bool Again = Result.Outcome == ExchangeOutcome::NoReply ||
                           Result.Outcome == ExchangeOutcome::ChecksumMismatch;
        if (!Again || Try >= Options.Retries) return Result;
        std::fprintf(stderr, "novla-cli: %s; sending the request again (try %d of %d)\n",
                     Result.Outcome == ExchangeOutcome::NoReply ? "no reply" : "bad checksum",
                     Try + 2, Options.Retries + 1);
    }
}

ExchangeResult ReadBlock(ModuleClient& Client, const Request& Options)
{
    return WithRetries(Options, [&] { return Client.ReadAll(Options.Timeout); });
}

ExchangeResult WriteBlock(ModuleClient& Client, const Request& Options,
                          const ModuleParameters& Block)
{
    return WithRetries(Options, [&] { return Client.WriteAll(Block, Options.Timeout); });
}

// "\"" + Text + "\"" with the JSON escapes Text may need.
std::string JsonString(const std::string& Text)
{
    std::string Out = "\"";
    for (const char C : Text)
    {
        if (C == '"' || C == '\\')
            Out += std::string("\\") + C;
        else if (static_cast<unsigned char>(C) < 0x20)
        {
            char Escaped[8];
            std::snprintf(Escaped, sizeof Escaped, "\\u%04x",
                          static_cast<unsigned>(static_cast<unsigned char>(C)));
            Out += Escaped;
        }
        else
            Out += C;
    }
    return Out + "\"";
}

std::string PortState(const PortLocation& Port)
{
    SerialDevice Device;
    const CommError Error = Device.Open(Port.DevicePath);
    switch (Error.Status)
    {
    case CommStatus::Ok:
        return "free";
    case CommStatus::Busy:
        return "busy";
    case CommStatus::NotFound:
        return "missing";
    case CommStatus::PermissionDenied:
        return "no permission: " + PermissionHint(Port.DevicePath);
    case CommStatus::NotATerminal:
        return "unusable: not a serial device";
    default:
        return "error: " + Error.Message;
    }
}

int Ports(std::span<char* const> Arguments)
{
    OptionParser Parser({{"--all", false}, {"--json", false}});
    std::string Error;
    if (!Parser.Parse(Arguments, Error)) return Usage(Error);
    const bool Json = Parser.Has("--json");
    const PortMap Map;
    for (const std::string& Folder : Map.IgnoredFolders())
        std::fprintf(stderr,
                     "novla-cli: note: links in %s are ignored: the folder (or its parent) is "
                     "not private to this user\n",
                     Folder.c_str());
    std::string Listed;
    for (const PortLocation& Port : Map.Candidates(Parser.Has("--all")))
    {
        const char* Source = Port.Source == PortSource::UserLink      ? "user link"
                             : Port.Source == PortSource::RuntimeLink ? "runtime link"
                                                                      : "default";
        const std::string State = PortState(Port);
        if (!Json)
        {
            std::printf("%-8s %-32s %-12s %s\n", PortName(Port.Number).c_str(),
                        Port.DevicePath.c_str(), Source, State.c_str());
            continue;
        }
        // The state's first word ("free", "busy", "missing", "no permission",
        // "unusable", "error") and the rest as the detail.
        const size_t Colon = State.find(':');
        const std::string Word = State.substr(0, Colon);
        const std::string Detail =
            Colon == std::string::npos ? "" : State.substr(State.find_first_not_of(' ', Colon + 1));
        Listed += std::string(Listed.empty() ? "" : ",\n ") +
                  "{\"port\": " + JsonString(PortName(Port.Number)) +
                  ", \"device\": " + JsonString(Port.DevicePath) +
                  ", \"source\": " + JsonString(Source) + ", \"state\": " + JsonString(Word) +
                  ", \"detail\": " + JsonString(Detail) + "}";
    }
    if (Json) std::printf("[%s]\n", Listed.c_str());
    return FinishOutput(ExitOk);
}

int Read(std::span<char* const> Arguments)
{
    Request Options;
    if (const int Code = ParseRequest(Arguments, false, Options)) return Code;
    if (Options.Ports.size() != 1) return Usage("read takes one --port");
    ModuleClient Client;
    if (const int Code = OpenPort(Client, Options, Options.Ports.front())) return Code;
    const ExchangeResult Result = ReadBlock(Client, Options);
    if (Result.Outcome != ExchangeOutcome::Reply) return Failed(Result, Options.Timeout);
    if (Options.Json)
        std::printf("%s\n", BlockToJson(Result.Block).c_str());
    else
        std::fputs(BlockToLines(Result.Block).c_str(), stdout);
    return FinishOutput(ExitOk);
}

// The keys whose values differ between two blocks, as the client shows them.
std::string Differences(const ModuleParameters& Wanted, const ModuleParameters& Got)
{
    std::string Text;
    for (const ShownParameter& Shown : ShownParameters)
    {
        const std::string A = ValueText(Wanted, Shown.Key), B = ValueText(Got, Shown.Key);
        if (A != B)
            Text += "  " + std::string(Shown.Key) + ": wrote " + A + ", module has " + B + "\n";
    }
    return Text;
}

// Applies Values to Block; false with the message printed on a bad value.
bool ApplyValues(ModuleParameters& Block, const NamedValues& Values)
{
    for (const auto& [Key, Value] : Values)
    {
        std::string Error;
        if (!SetParameter(Block, Key, Value, Error))
        {
            Invalid(Error);
            return false;
        }
    }
    return true;
}

// How the block written to a port is made from what the port's module holds
// (its block as read, or the window's defaults when nothing was read).
using BlockChange = std::function<void(ModuleParameters& Block)>;

// Read-modify-write on one port, verified. Alone: the only port of the
// command, which shows the confirmed block; otherwise one result line.
int WriteTo(int Port, const Request& Options, bool ReadFirst, const BlockChange& Change, bool Alone)
{
    const std::string Name = PortName(Port);
    const auto Result = [&](int Code)
    {
        if (!Alone)
        {
            if (Code == ExitOk)
                std::printf("%s: written and confirmed\n", Name.c_str());
            else
                std::printf("%s: failed (exit code %d)\n", Name.c_str(), Code);
        }
        return Code;
    };
    ModuleClient Client;
    if (const int Code = OpenPort(Client, Options, Port)) return Result(Code);
    ModuleParameters Block = DefaultParameters();
    if (ReadFirst)
    {
        // Only the values given change; everything else stays as the
        // module has it.
        const ExchangeResult Current = ReadBlock(Client, Options);
        if (Current.Outcome != ExchangeOutcome::Reply)
        {
            std::fprintf(stderr,
                         "novla-cli: %s: reading the module's block before the write failed; "
                         "nothing was written (--from-defaults writes without reading)\n",
                         Name.c_str());
            return Result(Failed(Current, Options.Timeout));
        }
        Block = Current.Block;
        Block.Command = 0;
    }
    Change(Block);
    const std::string Hazards = DescribeHazards(Block);
    if (!Hazards.empty() && !Options.Force)
    {
        std::fprintf(stderr,
                     "novla-cli: refused: the module would store this block, but its reply could "
                     "never be read back:\n%s(--force writes it anyway)\n",
                     Hazards.c_str());
        return Result(ExitUsage);
    }

    const ExchangeResult Written = WriteBlock(Client, Options, Block);
    if (Written.Outcome != ExchangeOutcome::Reply)
        return Result(Failed(Written, Options.Timeout, Hazards));

    // What a module that stored the request reports back: the frame's own
    // decoding, since the frequency goes through the wire code.
    ModuleParameters Expected = DecodeFrameData(BuildWriteAll(Block));
    ModuleParameters Answer = Written.Block;
    Expected.Command = Answer.Command = 0;
    if (!(Answer == Expected))
    {
        std::fprintf(stderr,
                     "novla-cli: %s: the module's answer differs from what was written:\n%s",
                     Name.c_str(), Differences(Expected, Answer).c_str());
        return Result(ExitDiffers);
    }
    if (Alone) std::printf("written and confirmed:\n%s", BlockToLines(Answer).c_str());
    return Result(ExitOk);
}

// The worst of two exit codes: the higher one.
int Worst(int A, int B)
{
    return std::max(A, B);
}

int Write(std::span<char* const> Arguments)
{
    Request Options;
    if (const int Code = ParseRequest(Arguments, true, Options)) return Code;
    if (Options.JsonFile)
    {
        std::string Text, Error;
        if (!ReadBoundedFile(*Options.JsonFile, MaxJsonFileSize, Text, Error) ||
            !ParseFlatJsonObject(Text, Options.Values, Error))
            return Invalid(Error);
    }
    if (Options.Values.empty() && !Options.FromDefaults)
        return Usage("nothing to write: give at least one value (or --from-defaults)");
    // Every value is checked before a port is touched.
    ModuleParameters Checked = DefaultParameters();
    if (!ApplyValues(Checked, Options.Values)) return ExitUsage;

    const BlockChange Change = [&](ModuleParameters& Block) { ApplyValues(Block, Options.Values); };
    int Code = ExitOk;
    for (const int Port : Options.Ports)
        Code = Worst(
            Code, WriteTo(Port, Options, !Options.FromDefaults, Change, Options.Ports.size() == 1));
    return FinishOutput(Code);
}

int Clone(std::span<char* const> Arguments)
{
    OptionParser Parser({{"--from", true},
                         {"--to", true, true},
                         {"--keep", true},
                         {"--baud", true},
                         {"--parity", true},
                         {"--timeout", true},
                         {"--retries", true},
                         {"--trace", false},
                         {"--force", false}});
    std::string Error;
    if (!Parser.Parse(Arguments, Error)) return Usage(Error);
    const auto From = Parser.Value("--from");
    if (!From || Parser.Values("--to").empty()) return Usage("clone needs --from and --to");
    // The common options are read as read's are, on the source port.
    std::vector<std::string> Words = {"--port", *From};
    for (const char* Option : {"--baud", "--parity", "--timeout", "--retries"})
        if (const auto Value = Parser.Value(Option)) Words.insert(Words.end(), {Option, *Value});
    if (Parser.Has("--trace")) Words.push_back("--trace");
    std::vector<char*> Pointers;
    for (std::string& Word : Words)
        Pointers.push_back(Word.data());
    Request Options;
    if (const int Code = ParseRequest(Pointers, false, Options)) return Code;
    Options.Force = Parser.Has("--force");
    std::vector<int> Targets;
    if (const int Code = ParsePorts(Parser.Values("--to"), Targets)) return Code;
    if (std::find(Targets.begin(), Targets.end(), Options.Ports.front()) != Targets.end())
        return Invalid("port " + *From + " is both the source and a target");
    std::vector<std::string> Kept;
    if (const auto Keep = Parser.Value("--keep"))
        for (size_t Start = 0; Start <= Keep->size();)
        {
            const size_t Comma = std::min(Keep->find(',', Start), Keep->size());
            std::string Key = Keep->substr(Start, Comma - Start);
            std::replace(Key.begin(), Key.end(), '-', '_');
            if (std::none_of(std::begin(ShownParameters), std::end(ShownParameters),
                             [&](const ShownParameter& P) { return P.Key == Key; }))
                return Invalid("--keep: '" + Keep->substr(Start, Comma - Start) +
                               "' is not a parameter (node-id, net-id, frequency ...)");
            Kept.push_back(Key);
            Start = Comma + 1;
        }

    ModuleParameters Source;
    {
        ModuleClient Client;
        if (const int Code = OpenPort(Client, Options, Options.Ports.front())) return Code;
        const ExchangeResult Read = ReadBlock(Client, Options);
        if (Read.Outcome != ExchangeOutcome::Reply)
        {
            std::fprintf(stderr, "novla-cli: reading the source %s failed; nothing was written\n",
                         From->c_str());
            return Failed(Read, Options.Timeout);
        }
        Source = Read.Block;
        Source.Command = 0;
    }
    const BlockChange Change = [&](ModuleParameters& Block)
    {
        const ModuleParameters Target = Block;
        Block = Source;
        for (const std::string& Key : Kept)
        {
            std::string Ignored;
            SetParameter(Block, Key, ValueText(Target, Key), Ignored);
        }
    };
    int Code = ExitOk;
    for (const int Port : Targets)
        Code = Worst(Code, WriteTo(Port, Options, true, Change, false));
    return FinishOutput(Code);
}

// One line (or JSON object) for a module found.
void PrintFound(const PortFinding& Finding, bool Json)
{
    const char* Parity = Finding.Setting.Parity == 1   ? "ODD"
                         : Finding.Setting.Parity == 2 ? "EVEN"
                                                       : "NO";
    if (Json)
    {
        std::printf("{\"port\": %s, \"device\": %s, \"baud\": %d, \"parity\": \"%s\", "
                    "\"block\": %s}\n",
                    JsonString(PortName(Finding.Port)).c_str(), JsonString(Finding.Device).c_str(),
                    Finding.Setting.Baud, Parity, BlockToJson(Finding.Block).c_str());
        return;
    }
    std::string Values;
    for (const char* Key : {"frequency_mhz", "rf_mode", "node_id", "net_id", "power"})
        Values += std::string(" ") + Key + " " + ValueText(Finding.Block, Key);
    std::printf("%s %s %d %s%s\n", PortName(Finding.Port).c_str(), Finding.Device.c_str(),
                Finding.Setting.Baud, Parity, Values.c_str());
}

int Discover(std::span<char* const> Arguments)
{
    OptionParser Parser({{"--port", true, true},
                         {"--baud", true},
                         {"--parity", true},
                         {"--timeout-per-setting", true},
                         {"--json", false}});
    std::string Error;
    if (!Parser.Parse(Arguments, Error)) return Usage(Error);
    DiscoveryRequest Search;
    if (const int Code = ParsePorts(Parser.Values("--port"), Search.Ports)) return Code;
    if (const auto Baud = Parser.Value("--baud"))
    {
        long Value = 0;
        if (!ParseIntegerOption(*Baud, 1, 4000000, Value) ||
            !CodeForBaudRate(static_cast<int>(Value)))
            return Invalid("baud rate '" + *Baud + "' is not one of 1200 .. 115200");
        Search.Asked = PcLineSetting{static_cast<int>(Value), 0};
    }
    if (const auto Parity = Parser.Value("--parity"))
    {
        const auto Index = ParseParityWord(*Parity);
        if (!Index) return Invalid("parity '" + *Parity + "' is not no (none), odd or even");
        if (!Search.Asked) Search.Asked = FactoryLineSetting;
        Search.Asked->Parity = *Index;
    }
    if (const auto Wait = Parser.Value("--timeout-per-setting"))
    {
        long Value = 0;
        if (!ParseIntegerOption(*Wait, 1, 60000, Value))
            return Invalid("time-out per setting '" + *Wait +
                           "' is not a number of milliseconds from 1 to 60000");
        Search.Turnaround = std::chrono::milliseconds(Value);
    }
    const bool Json = Parser.Has("--json");
    const bool ShowProgress = isatty(STDERR_FILENO) == 1;
    Search.OnProgress = [&](const DiscoveryProgress& Progress)
    {
        if (ShowProgress)
            std::fprintf(stderr, "\r\033[Ksearching %s %s %d/%d", PortName(Progress.Port).c_str(),
                         LineSettingText(Progress.Setting).c_str(), Progress.Attempt,
                         Progress.Attempts);
    };
    int Found = 0, Opened = 0;
    Search.OnPort = [&](const PortFinding& Finding)
    {
        if (ShowProgress) std::fputs("\r\033[K", stderr);
        Opened += Finding.Attempts > 0;
        if (Finding.Verdict != PortVerdict::Found)
        {
            NotSearched(Finding);
            return;
        }
        ++Found;
        PrintFound(Finding, Json);
        std::fflush(stdout);
    };
    DiscoverModules(Search, nullptr);
    if (Found > 0) return FinishOutput(ExitOk);
    if (Opened == 0)
    {
        std::fprintf(stderr, "novla-cli: no port could be opened\n");
        return FinishOutput(ExitPort);
    }
    std::fprintf(stderr, "novla-cli: no module answered\n");
    return FinishOutput(ExitNoReply);
}
} // namespace

int main(int Argc, char** Argv)
{
    // Before anything is opened: the port must never become standard output.
    if (!EnsureStandardDescriptors())
    {
        std::fprintf(stderr, "novla-cli: /dev/null cannot be opened for a closed standard "
                             "descriptor\n");
        return ExitOutput;
    }
    // An interrupted client must not leave its port held exclusively. A
    // reader that went away is an output error (exit code 7), not a signal
    // that ends the client with its port still marked.
    ReleaseExclusiveOnSignals();
    std::signal(SIGPIPE, SIG_IGN);
    if (Argc < 2) return Usage("no command given");
    const std::string_view Command = Argv[1];
    const std::span<char* const> Rest(Argv + 2, static_cast<size_t>(Argc - 2));
    if (Command == "ports") return Ports(Rest);
    if (Command == "read") return Read(Rest);
    if (Command == "write") return Write(Rest);
    if (Command == "clone") return Clone(Rest);
    if (Command == "discover") return Discover(Rest);
    if (Command == "--version")
    {
        std::printf("novla-cli %s\n", ProductVersion());
        return FinishOutput(ExitOk);
    }
    if (Command == "--help" || Command == "-h")
    {
        std::fputs(UsageText, stdout);
        return FinishOutput(ExitOk);
    }
    return Usage("unknown command " + std::string(Command));
}
