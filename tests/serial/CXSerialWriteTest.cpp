#include "serial/CXSerial.h"

#include "platform/comm/StopSignal.h"

#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <poll.h>
#include <string>
#include <vector>

namespace
{
using namespace std::chrono_literals;

// A device that answers the port's write path from a script and logs every
// call the write path makes. Reads never deliver anything: the receive
// thread only waits for its stop signal.
class ScriptedDevice : public SerialDeviceInterface
{
  public:
    struct Script
    {
        std::deque<WriteOutcome> Writes; // one per Write call, in order
        std::deque<size_t> Queued;       // OutputQueued counts; empty: the query fails
        std::deque<CommError> Purges;    // Purge(Output) results; empty: Ok
        bool PseudoTerminal = false;
    };

    ScriptedDevice(Script Plan, std::vector<std::string>& Log) : FPlan(std::move(Plan)), FLog(Log)
    {
    }

    CommError Open(const std::string& Path) override
    {
        FPath = Path;
        FOpen = true;
        return {};
    }
    void Close() override { FOpen = false; }
    bool IsOpen() const override { return FOpen; }
    const std::string& Path() const override { return FPath; }
    CommError Configure(const LineSettings&) override { return {}; }
    bool IsPseudoTerminal() const override { return FPlan.PseudoTerminal; }
    CommError Purge(PurgeDirection Direction) override
    {
        if (Direction != PurgeDirection::Output) return {};
        FLog.push_back("purge");
        if (FPlan.Purges.empty()) return {};
        CommError Result = FPlan.Purges.front();
        FPlan.Purges.pop_front();
        return Result;
    }
    CommError OutputQueued(size_t& Count) const override
    {
        FLog.push_back("queued");
        if (FPlan.Queued.empty())
            return MakeError(CommStatus::IoError, "output queue: not supported");
        Count = FPlan.Queued.front();
        FPlan.Queued.pop_front();
        return {};
    }
    WriteOutcome Write(std::span<const uint8_t> Bytes, std::chrono::milliseconds) override
    {
        // Logged as "write <first byte>+<count>": the test data's byte i is i.
        FLog.push_back("write " + std::to_string(Bytes.front()) + "+" +
                       std::to_string(Bytes.size()));
        if (FPlan.Writes.empty()) return {Bytes.size(), {}};
        WriteOutcome Result = FPlan.Writes.front();
        FPlan.Writes.pop_front();
        return Result;
    }
    ReadOutcome Read(std::span<uint8_t>) override { return {}; }
    WaitResult WaitReadable(const StopSignal* Stop, std::chrono::milliseconds) const override
    {
        pollfd Watch{Stop->Fd(), POLLIN, 0};
        while (poll(&Watch, 1, -1) < 0)
        {
        }
        return WaitResult::Stopped;
    }

  private:
    mutable Script FPlan;
    std::vector<std::string>& FLog;
    std::string FPath;
    bool FOpen = false;
};

class ScriptedSerial : public CXSerial
{
  public:
    explicit ScriptedSerial(std::unique_ptr<SerialDeviceInterface> Device)
        : CXSerial(std::move(Device))
    {
    }
    ~ScriptedSerial() override { Close(); }

  protected:
    void OnReceiveByte(uint8_t) override {}
};

CommError Error(CommStatus Status)
{
    return MakeError(Status, std::string("scripted ") + StatusText(Status));
}

WriteOutcome Stall()
{
    return {0, Error(CommStatus::TimedOut)};
}

TEST(CXSerialWrite, StallsArePurgedAndResentAndFailuresEndTheWriteHonestly)
{
    const struct
    {
        const char* Name;
        size_t Length;
        ScriptedDevice::Script Plan;
        int Result;
        CommStatus Status;
        bool StaysOpen;
        std::vector<std::string> Calls;
    } Cases[] = {
        {"a stall is purged and the chunk sent again",
         25,
         {{Stall()}, {0}, {}},
         1,
         CommStatus::Ok,
         true,
         {"write 0+25", "queued", "purge", "write 0+25"}},
        {"only the bytes the device had not sent go again",
         30,
         {{{20, Error(CommStatus::TimedOut)}, Stall()}, {5}, {}},
         1,
         CommStatus::Ok,
         true,
         {"write 0+30", "write 20+10", "queued", "purge", "write 15+15"}},
        {"after three stalls the rest is discarded and the write gives up",
         25,
         {{Stall(), Stall(), Stall(), Stall()}, {0, 0, 0}, {}},
         0,
         CommStatus::TimedOut,
         true,
         {"write 0+25", "queued", "purge", "write 0+25", "queued", "purge", "write 0+25", "queued",
          "purge", "write 0+25", "purge"}},
        {"without the queue count nothing is purged or resent",
         25,
         {{Stall()}, {}, {}},
         0,
         CommStatus::IoError,
         true,
         {"write 0+25", "queued"}},
        {"a purge that finds the device gone closes the port",
         25,
         {{Stall()}, {0}, {Error(CommStatus::HungUp)}},
         0,
         CommStatus::HungUp,
         false,
         {"write 0+25", "queued", "purge"}},
        {"a failed wait is no lost device",
         25,
         {{{3, Error(CommStatus::WaitFailed)}}, {}, {}},
         0,
         CommStatus::WaitFailed,
         true,
         {"write 0+25"}},
        {"a hard error closes the port",
         25,
         {{{0, Error(CommStatus::HungUp)}}, {}, {}},
         0,
         CommStatus::HungUp,
         false,
         {"write 0+25"}},
        {"a pseudo-terminal's stalls are waited out, never purged",
         25,
         {{Stall(), Stall()}, {}, {}, true},
         1,
         CommStatus::Ok,
         true,
         {"write 0+25", "write 0+25", "write 0+25"}},
    };
    for (const auto& Case : Cases)
    {
        std::vector<std::string> Calls;
        ScriptedSerial Port(std::make_unique<ScriptedDevice>(Case.Plan, Calls));
        ASSERT_EQ(Port.Open(1, 9600, 0), 1) << Case.Name;
        std::vector<uint8_t> Data(Case.Length);
        for (size_t I = 0; I < Data.size(); ++I)
            Data[I] = static_cast<uint8_t>(I);
        EXPECT_EQ(Port.Write(Data.data(), Data.size()), Case.Result) << Case.Name;
        EXPECT_EQ(Port.LastError().Status, Case.Status) << Case.Name;
        EXPECT_EQ(Port.IsOpen() == 1, Case.StaysOpen) << Case.Name;
        EXPECT_EQ(Calls, Case.Calls) << Case.Name;
    }
}

TEST(CXSerialWrite, AFailedDiscardIsReportedWithTheGiveUp)
{
    std::vector<std::string> Calls;
    ScriptedDevice::Script Plan{
        {Stall(), Stall(), Stall(), Stall()}, {0, 0, 0}, {{}, {}, {}, Error(CommStatus::IoError)}};
    ScriptedSerial Port(std::make_unique<ScriptedDevice>(Plan, Calls));
    ASSERT_EQ(Port.Open(1, 9600, 0), 1);
    const uint8_t Byte = 0;
    EXPECT_EQ(Port.Write(&Byte, 1), 0);
    EXPECT_EQ(Port.LastError().Status, CommStatus::TimedOut);
    EXPECT_NE(Port.LastError().Message.find("discarding the rest failed too"), std::string::npos)
        << Port.LastError().Message;
}
} // namespace
