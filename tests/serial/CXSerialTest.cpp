#include "serial/CXSerial.h"

#include "tests/serial/SerialTestSupport.h"

#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace
{
using namespace std::chrono_literals;

// Records what the receive thread delivers; tests wait on conditions.
class RecordingSerial : public CXSerial
{
  public:
    ~RecordingSerial() override { Close(); }

    // Waits until Count bytes were received (true) or Limit passed.
    bool WaitForBytes(size_t Count, std::chrono::milliseconds Limit = 3000ms)
    {
        std::unique_lock Lock(FLock);
        return FChanged.wait_for(Lock, Limit, [&] { return FReceived.size() >= Count; });
    }
    bool WaitForLoss(std::chrono::milliseconds Limit = 3000ms)
    {
        std::unique_lock Lock(FLock);
        return FChanged.wait_for(Lock, Limit, [&] { return FLosses > 0; });
    }
    Bytes Received()
    {
        std::lock_guard Lock(FLock);
        return FReceived;
    }
    std::vector<std::thread::id> Threads()
    {
        std::lock_guard Lock(FLock);
        return FThreads;
    }
    int Losses()
    {
        std::lock_guard Lock(FLock);
        return FLosses;
    }

  protected:
    void OnReceiveByte(uint8_t Byte) override
    {
        std::lock_guard Lock(FLock);
        FReceived.push_back(Byte);
        if (FThreads.empty() || FThreads.back() != std::this_thread::get_id())
            FThreads.push_back(std::this_thread::get_id());
        FChanged.notify_all();
    }
    void OnPortLost(const CommError&) override
    {
        std::lock_guard Lock(FLock);
        ++FLosses;
        FChanged.notify_all();
    }

  private:
    std::mutex FLock;
    std::condition_variable FChanged;
    Bytes FReceived;
    std::vector<std::thread::id> FThreads;
    int FLosses = 0;
};

// A port whose receive thread cannot be started.
class NoReaderSerial : public RecordingSerial
{
  public:
    int StartReader() override { return 0; }
};

Bytes Pattern(size_t Size, uint8_t Seed)
{
    Bytes Data(Size);
    for (size_t i = 0; i < Size; ++i)
        Data[i] = static_cast<uint8_t>(Seed + i * 7);
    return Data;
}

struct SerialFixture : PortFixture
{
    PseudoTerminal Peer;
    RecordingSerial Port;

    void SetUp() override
    {
        PortFixture::SetUp();
        ASSERT_TRUE(Peer.Create().Ok());
        Link(201, Peer.DevicePath());
        Port.SetPortMap(Map());
    }
};

TEST_F(SerialFixture, BurstsAreDeliveredInArrivalOrderEachOnce)
{
    ASSERT_EQ(Port.Open(201, 9600, 0), 1);
    Bytes Expected;
    for (const Bytes& Burst : {Pattern(7, 1), Pattern(300, 2), Pattern(25, 3), Pattern(1, 4)})
    {
        PeerWrite(Peer, Burst);
        Expected.insert(Expected.end(), Burst.begin(), Burst.end());
        ASSERT_TRUE(Port.WaitForBytes(Expected.size()));
    }
    EXPECT_EQ(Port.Received(), Expected);
    EXPECT_EQ(Port.Statistics().Bytes, Expected.size());
}

TEST_F(SerialFixture, BurstOver1024BytesIsReadInPassesOfAtMost1024)
{
    ASSERT_EQ(Port.Open(201, 115200, 0), 1);
    const Bytes Burst = Pattern(5000, 9);
    PeerWrite(Peer, Burst);
    ASSERT_TRUE(Port.WaitForBytes(Burst.size()));
    EXPECT_EQ(Port.Received(), Burst);
    const ReceiveStatistics Stats = Port.Statistics();
    EXPECT_LE(Stats.LargestRead, CXSerial::ReadChunkSize);
    EXPECT_GE(Stats.Reads, 5u);
}

TEST_F(SerialFixture, BytesArrivingRightAfterOpenAreKept)
{
    // Neither a late purge by the receive thread nor a lost wake-up may eat
    // an answer that follows the open at once.
    for (int Round = 0; Round < 20; ++Round)
    {
        ASSERT_EQ(Port.Open(201, 9600, 0), 1);
        PeerWrite(Peer, {static_cast<uint8_t>(Round)});
        ASSERT_TRUE(Port.WaitForBytes(static_cast<size_t>(Round) + 1)) << Round;
    }
    Bytes Expected(20);
    for (int i = 0; i < 20; ++i)
        Expected[i] = static_cast<uint8_t>(i);
    EXPECT_EQ(Port.Received(), Expected);
}

TEST_F(SerialFixture, ClosingAnIdlePortEndsTheThreadPromptlyAndTwiceIsHarmless)
{
    ASSERT_EQ(Port.Open(201, 9600, 0), 1);
    ASSERT_EQ(Port.IsOpen(), 1);
    // The receive thread waits without a time-out, so Close returning at all
    // shows the stop signal ended it; the bound only catches a hang and
    // leaves room for a slow, busy machine.
    const auto Start = std::chrono::steady_clock::now();
    EXPECT_EQ(Port.Close(), 1);
    EXPECT_LT(std::chrono::steady_clock::now() - Start, 5s);
    EXPECT_EQ(Port.IsOpen(), 0);
    EXPECT_EQ(Port.Close(), 1);
    EXPECT_EQ(CXSerial::ProbePort(201, Map()), 1) << "the device is released";
}

TEST_F(SerialFixture, ConfigureWithTheSamePortKeepsDeviceAndThread)
{
    ASSERT_EQ(Port.Configure(201, 9600, 0), 1);
    PeerWrite(Peer, {1});
    ASSERT_TRUE(Port.WaitForBytes(1));
    ASSERT_EQ(Port.Configure(201, 19200, 2), 1);
    EXPECT_EQ(Port.BaudRate(), 19200);
    EXPECT_EQ(Port.ParityIndex(), 2);
    PeerWrite(Peer, {2});
    ASSERT_TRUE(Port.WaitForBytes(2));
    EXPECT_EQ(Port.Threads().size(), 1u) << "one receive thread throughout";
    EXPECT_EQ(CXSerial::ProbePort(201, Map()), 0) << "still held";

    // A rate the device cannot take leaves the port open as it was.
    EXPECT_EQ(Port.Configure(201, 12345, 0), 0);
    EXPECT_EQ(Port.LastError().Status, CommStatus::Unsupported);
    EXPECT_EQ(Port.IsOpen(), 1);
    EXPECT_EQ(Port.BaudRate(), 19200);
}

TEST_F(SerialFixture, ConfigureWithAnotherPortClosesTheOldOneFirst)
{
    PseudoTerminal Other;
    ASSERT_TRUE(Other.Create().Ok());
    Link(202, Other.DevicePath());
    ASSERT_EQ(Port.Configure(201, 9600, 0), 1);
    ASSERT_EQ(Port.Configure(202, 9600, 0), 1);
    EXPECT_EQ(Port.PortNumber(), 202);
    EXPECT_EQ(Port.DevicePath(), Other.DevicePath());
    EXPECT_EQ(CXSerial::ProbePort(201, Map()), 1) << "old port released";
    PeerWrite(Other, {0x42});
    ASSERT_TRUE(Port.WaitForBytes(1));
    EXPECT_EQ(Port.Received(), Bytes{0x42});
}

TEST_F(SerialFixture, SingleAndDoubleDigitPortNumbersGoThroughTheMap)
{
    PseudoTerminal Nine, Ten;
    ASSERT_TRUE(Nine.Create().Ok());
    ASSERT_TRUE(Ten.Create().Ok());
    Link(9, Nine.DevicePath());
    Link(10, Ten.DevicePath());
    ASSERT_EQ(Port.Open(9, 9600, 0), 1);
    EXPECT_EQ(Port.DevicePath(), Nine.DevicePath());
    ASSERT_EQ(Port.Open(10, 9600, 0), 1);
    EXPECT_EQ(Port.DevicePath(), Ten.DevicePath());
    const uint8_t Byte = 0x5A;
    ASSERT_EQ(Port.Write(&Byte, 1), 1);
    EXPECT_EQ(PeerRead(Ten, 1), Bytes{0x5A});
}

TEST_F(SerialFixture, WriteOnAClosedPortFailsWithoutADevice)
{
    const uint8_t Frame[25] = {0xAF, 0xAF};
    EXPECT_EQ(Port.Write(Frame, sizeof Frame), 0);
    EXPECT_EQ(Port.LastError().Status, CommStatus::NotOpen);
    ASSERT_EQ(Port.Open(201, 9600, 0), 1);
    EXPECT_EQ(Port.Write(nullptr, 3), 0);
    EXPECT_EQ(Port.IsOpen(), 1);
}

TEST_F(SerialFixture, LargeWriteArrivesWholeInOrderOnce)
{
    ASSERT_EQ(Port.Open(201, 115200, 0), 1);
    const Bytes Data = Pattern(200 * 1024, 5);
    Bytes Got;
    std::thread Reader([&] { Got = PeerRead(Peer, Data.size(), 10000ms); });
    EXPECT_EQ(Port.Write(Data.data(), Data.size()), 1);
    Reader.join();
    EXPECT_EQ(Got, Data);
}

TEST_F(SerialFixture, WriteToAPeerThatNeverReadsGivesUpAfterBoundedRetries)
{
    ASSERT_EQ(Port.Open(201, 115200, 0), 1);
    Port.SetChunkTimeout(30ms);
    const Bytes Data = Pattern(512 * 1024, 1);
    const auto Start = std::chrono::steady_clock::now();
    EXPECT_EQ(Port.Write(Data.data(), Data.size()), 0);
    EXPECT_LT(std::chrono::steady_clock::now() - Start, 5s);
    EXPECT_EQ(Port.LastError().Status, CommStatus::TimedOut);
    EXPECT_EQ(Port.IsOpen(), 1) << "a stalled line is not a lost device";
    // What a pseudo-terminal holds for a peer that does not read, measured
    // on a fresh one: none of it may have been purged away.
    PseudoTerminal Fresh;
    SerialDevice Filler;
    ASSERT_TRUE(Fresh.Create().Ok());
    ASSERT_TRUE(Filler.Open(Fresh.DevicePath()).Ok());
    const size_t Capacity = Filler.Write(Data, 30ms).Accepted;
    // Whatever got through is the start of the data, all that was accepted:
    // nothing dropped, nothing sent twice.
    const Bytes Got = PeerRead(Peer, Data.size(), 500ms);
    EXPECT_GE(Got.size(), Capacity);
    EXPECT_TRUE(std::equal(Got.begin(), Got.end(), Data.begin())) << Got.size() << " bytes arrived";
}

TEST_F(SerialFixture, HardWriteErrorClosesThePort)
{
    ASSERT_EQ(Port.Open(201, 9600, 0), 1);
    Port.StopReader(); // so that the write, not the receive thread, meets the hang-up
    Peer.Close();
    const uint8_t Byte = 1;
    EXPECT_EQ(Port.Write(&Byte, 1), 0);
    EXPECT_EQ(Port.LastError().Status, CommStatus::HungUp);
    EXPECT_EQ(Port.IsOpen(), 0);
    EXPECT_TRUE(Port.DevicePath().size() > 0);
}

TEST_F(SerialFixture, PeerPulledAwayEndsTheThreadAndReportsTheLoss)
{
    ASSERT_EQ(Port.Open(201, 9600, 0), 1);
    Peer.Close();
    ASSERT_TRUE(Port.WaitForLoss());
    EXPECT_EQ(Port.IsOpen(), 0);
    const uint8_t Byte = 1;
    EXPECT_EQ(Port.Write(&Byte, 1), 0);
    EXPECT_EQ(Port.Close(), 1);
    EXPECT_EQ(Port.Losses(), 1);
}

TEST_F(SerialFixture, OpenThatCannotStartTheReaderReleasesTheDevice)
{
    NoReaderSerial Broken;
    Broken.SetPortMap(Map());
    EXPECT_EQ(Broken.Open(201, 9600, 0), 0);
    EXPECT_EQ(Broken.IsOpen(), 0);
    EXPECT_FALSE(Broken.LastError().Ok());
    EXPECT_EQ(CXSerial::ProbePort(201, Map()), 1);
}

TEST_F(SerialFixture, OpenRejectsBadArgumentsAndMissingPorts)
{
    const struct
    {
        int Port, Baud, Parity;
        CommStatus Expected;
    } Cases[] = {
        {201, 12345, 0, CommStatus::Unsupported},     {201, 9600, 3, CommStatus::InvalidArgument},
        {201, 9600, -1, CommStatus::InvalidArgument}, {0, 9600, 0, CommStatus::NotFound},
        {4000, 9600, 0, CommStatus::NotFound},
    };
    for (const auto& Case : Cases)
    {
        EXPECT_EQ(Port.Open(Case.Port, Case.Baud, Case.Parity), 0) << Case.Port;
        EXPECT_EQ(Port.LastError().Status, Case.Expected)
            << Case.Port << " " << Port.LastError().Message;
        EXPECT_EQ(Port.IsOpen(), 0);
    }
    EXPECT_EQ(CXSerial::ProbePort(201, Map()), 1);
}

TEST_F(SerialFixture, ProbeTellsFreeHeldAndMissingPortsApart)
{
    EXPECT_EQ(CXSerial::ProbePort(201, Map()), 1);
    SerialDevice Holder;
    ASSERT_TRUE(Holder.Open(Peer.DevicePath()).Ok());
    EXPECT_EQ(CXSerial::ProbePort(201, Map()), 0);
    Link(203, Root.Path() + "/no-such-device");
    EXPECT_EQ(CXSerial::ProbePort(203, Map()), 0);
    EXPECT_EQ(CXSerial::ProbePort(0, Map()), 0);
}
} // namespace
