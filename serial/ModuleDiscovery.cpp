#include "serial/ModuleDiscovery.h"

#include "platform/comm/SerialDevice.h"
#include "platform/comm/StopSignal.h"
#include "protocol/CodeTables.h"
#include "protocol/Frames.h"
#include "protocol/ReplyFramer.h"

namespace
{
using Clock = std::chrono::steady_clock;

enum class AttemptResult
{
    Answered,
    NoAnswer, // nothing, or nothing usable: try the next setting
    Vanished,
    Cancelled,
};

bool IsCancelled(const StopSignal* Cancel)
{
    return Cancel && Cancel->IsRaised();
}

PortVerdict VerdictForOpen(CommStatus Status)
{
    switch (Status)
    {
    case CommStatus::Busy:
        return PortVerdict::Busy;
    case CommStatus::NotFound:
        return PortVerdict::Missing;
    case CommStatus::PermissionDenied:
        return PortVerdict::NoPermission;
    default:
        return PortVerdict::Unusable;
    }
}

bool DeviceGone(CommStatus Status)
{
    return Status == CommStatus::HungUp || Status == CommStatus::IoError ||
           Status == CommStatus::NotFound;
}

// The module's own setting as its block names it, when that agrees with
// the setting that reached it on this device: a pseudo-terminal carries no
// parity bit, so there an answer at no parity may come from a module set to
// even, and the other way round.
PcLineSetting SettingOfModule(const PcLineSetting& Tried, const ModuleParameters& Block,
                              bool PseudoTerminal)
{
    const auto Odd = [](int Parity) { return Parity == 1; };
    if (PseudoTerminal && BaudRateForCode(Block.UartBaudCode) == Tried.Baud &&
        Block.UartParity <= 2 && Odd(Block.UartParity) == Odd(Tried.Parity))
        return {Tried.Baud, Block.UartParity};
    return Tried;
}

class PortSearch
{
  public:
    PortSearch(SerialDevice& Device, const StopSignal* Cancel) : FDevice(Device), FCancel(Cancel) {}

    AttemptResult Try(const PcLineSetting& Setting, std::chrono::milliseconds Wait,
                      std::string& Why)
    {
        const CommError Configured = FDevice.Configure({Setting.Baud, Parity(Setting.Parity)});
        if (!Configured.Ok())
        {
            Why = Configured.Message;
            return DeviceGone(Configured.Status) ? AttemptResult::Vanished
                                                 : AttemptResult::NoAnswer;
        }
        // Whatever an earlier setting's request brought in is not this
        // setting's answer.
        if (const CommError Drained = FDevice.Purge(PurgeDirection::Input); !Drained.Ok())
        {
            Why = Drained.Message;
            return AttemptResult::Vanished;
        }
        // A fresh framer: a part frame of the last attempt ends there.
        FFramer =
            ReplyFramer([this](int Flag, const ModuleParameters* Block) { OnFrame(Flag, Block); });
        FCompleted = FGood = false;
        const Frame Request = BuildReadAll();
        const auto Deadline = Clock::now() + Wait;
        const WriteOutcome Sent = FDevice.Write(Request, Wait);
        if (!Sent.Error.Ok())
        {
            Why = Sent.Error.Message;
            return DeviceGone(Sent.Error.Status) ? AttemptResult::Vanished
                                                 : AttemptResult::NoAnswer;
        }
        for (;;)
        {
            const auto Left = std::chrono::ceil<std::chrono::milliseconds>(Deadline - Clock::now());
            if (Left.count() <= 0) return AttemptResult::NoAnswer;
            switch (FDevice.WaitReadable(FCancel, Left))
            {
            case WaitResult::Stopped:
                return AttemptResult::Cancelled;
            case WaitResult::TimedOut:
                return AttemptResult::NoAnswer;
            case WaitResult::HungUp:
            case WaitResult::Failed:
                Why = FDevice.Path() + ": the device went away";
                return AttemptResult::Vanished;
            case WaitResult::Readable:
                break;
            }
            uint8_t Buffer[256];
            const ReadOutcome Read = FDevice.Read(Buffer);
            if (!Read.Error.Ok())
            {
                Why = Read.Error.Message;
                return AttemptResult::Vanished;
            }
            for (size_t i = 0; i < Read.Count; ++i)
            {
                FFramer.Feed(Buffer[i]);
                // A damaged reply means a wrong setting; waiting longer
                // would only bring more of the same.
                if (FCompleted) return FGood ? AttemptResult::Answered : AttemptResult::NoAnswer;
            }
        }
    }

    const ModuleParameters& Block() const { return FBlock; }

  private:
    void OnFrame(int Flag, const ModuleParameters* Block)
    {
        FCompleted = true;
        FGood = Flag == 0 && Block;
        if (FGood) FBlock = *Block;
    }

    static ::Parity Parity(int Index) { return ParityFromIndex(Index).value_or(::Parity::None); }

    SerialDevice& FDevice;
    const StopSignal* FCancel;
    ReplyFramer FFramer;
    bool FCompleted = false;
    bool FGood = false;
    ModuleParameters FBlock;
};

PortFinding SearchPort(int Port, const DiscoveryRequest& Request, const StopSignal* Cancel)
{
    PortFinding Finding;
    Finding.Port = Port;
    const auto Location = Request.Map.Find(Port);
    if (!Location)
    {
        Finding.Verdict = PortVerdict::Missing;
        Finding.Message = PortName(Port) + ": no such port";
        return Finding;
    }
    Finding.Device = Location->DevicePath;
    SerialDevice Device;
    if (const CommError Opened = Device.Open(Location->DevicePath); !Opened.Ok())
    {
        Finding.Verdict = VerdictForOpen(Opened.Status);
        Finding.Message = Opened.Message;
        return Finding;
    }
    const std::vector<PcLineSetting> Order = LineSearchOrder(Request.Asked);
    PortSearch Search(Device, Cancel);
    for (const PcLineSetting& Setting : Order)
    {
        if (IsCancelled(Cancel)) break;
        ++Finding.Attempts;
        if (Request.OnProgress)
            Request.OnProgress({Port, Setting, Finding.Attempts, static_cast<int>(Order.size())});
        if (IsCancelled(Cancel)) break;
        std::string Why;
        switch (Search.Try(Setting, AttemptWait(Setting, Request.Turnaround), Why))
        {
        case AttemptResult::Answered:
            Finding.Verdict = PortVerdict::Found;
            Finding.Block = Search.Block();
            Finding.Setting = SettingOfModule(Setting, Finding.Block, Device.IsPseudoTerminal());
            return Finding;
        case AttemptResult::Vanished:
            Finding.Verdict = PortVerdict::Vanished;
            Finding.Message = Why;
            return Finding;
        case AttemptResult::Cancelled:
            Finding.Verdict = PortVerdict::Cancelled;
            return Finding;
        case AttemptResult::NoAnswer:
            break;
        }
    }
    Finding.Verdict = IsCancelled(Cancel) ? PortVerdict::Cancelled : PortVerdict::Silent;
    return Finding;
}
} // namespace

const char* PortVerdictText(PortVerdict Verdict)
{
    switch (Verdict)
    {
    case PortVerdict::Found:
        return "found";
    case PortVerdict::Silent:
        return "no module";
    case PortVerdict::Busy:
        return "busy";
    case PortVerdict::Missing:
        return "missing";
    case PortVerdict::Vanished:
        return "vanished";
    case PortVerdict::NoPermission:
        return "no permission";
    case PortVerdict::Unusable:
        return "unusable";
    case PortVerdict::Cancelled:
        return "cancelled";
    }
    return "unusable";
}

std::vector<PortFinding> DiscoverModules(const DiscoveryRequest& Request, const StopSignal* Cancel)
{
    std::vector<int> Ports = Request.Ports;
    if (Ports.empty())
        for (const PortLocation& Location : Request.Map.Candidates())
            Ports.push_back(Location.Number);
    std::vector<PortFinding> Findings;
    for (const int Port : Ports)
    {
        if (IsCancelled(Cancel)) break;
        Findings.push_back(SearchPort(Port, Request, Cancel));
        if (Request.OnPort) Request.OnPort(Findings.back());
        if (Findings.back().Verdict == PortVerdict::Cancelled) break;
        if (Request.StopAtFirstModule && Findings.back().Verdict == PortVerdict::Found) break;
    }
    return Findings;
}
