#include "platform/comm/SerialDevice.h"
#include "platform/comm/PseudoTerminal.h"
#include "platform/comm/StopSignal.h"

#include "tests/platform/comm/TempFolder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fcntl.h>
#include <poll.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace
{
using namespace std::chrono_literals;
using Bytes = std::vector<uint8_t>;

struct DeviceFixture : ::testing::Test
{
    PseudoTerminal Peer;
    SerialDevice Device;

    void SetUp() override
    {
        ASSERT_TRUE(Peer.Create().Ok());
        ASSERT_TRUE(Device.Open(Peer.DevicePath()).Ok());
        ASSERT_TRUE(Device.Configure({9600, Parity::None}).Ok());
    }

    void PeerWrite(const Bytes& Data)
    {
        ASSERT_EQ(write(Peer.MasterFd(), Data.data(), Data.size()),
                  static_cast<ssize_t>(Data.size()));
    }

    // Reads from the peer until Count bytes arrived or 2 s passed.
    Bytes PeerRead(size_t Count)
    {
        Bytes Got;
        const auto Deadline = std::chrono::steady_clock::now() + 2s;
        while (Got.size() < Count && std::chrono::steady_clock::now() < Deadline)
        {
            pollfd Watch{Peer.MasterFd(), POLLIN, 0};
            if (poll(&Watch, 1, 100) <= 0) continue;
            uint8_t Chunk[4096];
            const ssize_t N = read(Peer.MasterFd(), Chunk, sizeof Chunk);
            if (N > 0) Got.insert(Got.end(), Chunk, Chunk + N);
        }
        return Got;
    }
};

TEST_F(DeviceFixture, BytesTravelBothWaysUntranslated)
{
    // CR, LF, XON/XOFF and DEL would be altered or swallowed by a cooked line.
    const Bytes Raw = {0xAF, 0x0D, 0x0A, 0x11, 0x13, 0x7F, 0x00, 0x03, 0xFF};
    const WriteOutcome Sent = Device.Write(Raw, 1000ms);
    EXPECT_TRUE(Sent.Error.Ok());
    EXPECT_EQ(Sent.Accepted, Raw.size());
    EXPECT_EQ(PeerRead(Raw.size()), Raw);

    PeerWrite(Raw);
    ASSERT_EQ(Device.WaitReadable(nullptr, 2000ms), WaitResult::Readable);
    Bytes Got;
    while (Got.size() < Raw.size())
    {
        uint8_t Buffer[64];
        ASSERT_EQ(Device.WaitReadable(nullptr, 2000ms), WaitResult::Readable);
        const ReadOutcome Read = Device.Read(Buffer);
        ASSERT_TRUE(Read.Error.Ok());
        Got.insert(Got.end(), Buffer, Buffer + Read.Count);
    }
    EXPECT_EQ(Got, Raw);
}

TEST_F(DeviceFixture, CountsAndPurgesWaitingInput)
{
    PeerWrite(Bytes(300, 0x55));
    ASSERT_EQ(Device.WaitReadable(nullptr, 2000ms), WaitResult::Readable);
    size_t Waiting = 0;
    // The pty hands bytes over asynchronously; wait for all to be counted.
    for (int Turn = 0; Turn < 200 && Waiting < 300; ++Turn)
    {
        ASSERT_TRUE(Device.BytesWaiting(Waiting).Ok());
        if (Waiting < 300) Device.WaitReadable(nullptr, 10ms);
    }
    EXPECT_EQ(Waiting, 300u);
    ASSERT_TRUE(Device.Purge(PurgeDirection::Input).Ok());
    ASSERT_TRUE(Device.BytesWaiting(Waiting).Ok());
    EXPECT_EQ(Waiting, 0u);
    uint8_t Buffer[16];
    EXPECT_EQ(Device.Read(Buffer).Count, 0u);
}

TEST_F(DeviceFixture, SecondOpenerIsTurnedAwayAsBusy)
{
    SerialDevice Second;
    const CommError Error = Second.Open(Peer.DevicePath());
    EXPECT_EQ(Error.Status, CommStatus::Busy);
    EXPECT_NE(Error.Message.find(Peer.DevicePath()), std::string::npos) << Error.Message;
    EXPECT_FALSE(Second.IsOpen());

    Device.Close();
    EXPECT_TRUE(Second.Open(Peer.DevicePath()).Ok());
}

TEST_F(DeviceFixture, StopSignalEndsAWaitFromAnotherThread)
{
    StopSignal Stop;
    ASSERT_TRUE(Stop.Create().Ok());
    WaitResult Result = WaitResult::Failed;
    std::thread Waiter([&] { Result = Device.WaitReadable(&Stop, -1ms); });
    Stop.Raise();
    Waiter.join();
    EXPECT_EQ(Result, WaitResult::Stopped);
    // Raised stays raised until reset; then the wait times out on an idle line.
    EXPECT_EQ(Device.WaitReadable(&Stop, 10ms), WaitResult::Stopped);
    Stop.Reset();
    EXPECT_EQ(Device.WaitReadable(&Stop, 10ms), WaitResult::TimedOut);
}

TEST_F(DeviceFixture, PeerGoneEndsTheWaitAndFailsReadAndWriteAsHungUp)
{
    StopSignal Stop;
    ASSERT_TRUE(Stop.Create().Ok());
    WaitResult Result = WaitResult::Failed;
    std::thread Waiter([&] { Result = Device.WaitReadable(&Stop, 5000ms); });
    Peer.Close();
    Waiter.join();
    // A hang-up may show as readable; the read that follows reports it.
    ASSERT_TRUE(Result == WaitResult::Readable || Result == WaitResult::HungUp);
    uint8_t Buffer[16];
    EXPECT_EQ(Device.Read(Buffer).Error.Status, CommStatus::HungUp);
    EXPECT_EQ(Device.Write(Bytes{1}, 100ms).Error.Status, CommStatus::HungUp);
}

TEST_F(DeviceFixture, WriteToAPeerThatNeverReadsTimesOutWithWhatWasAccepted)
{
    const Bytes Big(256 * 1024, 0x42);
    const auto Start = std::chrono::steady_clock::now();
    const WriteOutcome Sent = Device.Write(Big, 100ms);
    EXPECT_GE(std::chrono::steady_clock::now() - Start, 100ms);
    EXPECT_EQ(Sent.Error.Status, CommStatus::TimedOut);
    EXPECT_GT(Sent.Accepted, 0u);
    EXPECT_LT(Sent.Accepted, Big.size());
}

TEST_F(DeviceFixture, ConfigureRejectsRatesWithoutATermiosSpeed)
{
    EXPECT_EQ(Device.Configure({12345, Parity::None}).Status, CommStatus::Unsupported);
    // Parity is dropped silently by a pty; it is accepted, not verified.
    EXPECT_FALSE(Device.HasModemLines());
    EXPECT_TRUE(Device.IsPseudoTerminal());
    EXPECT_TRUE(Device.Configure({115200, Parity::Even}).Ok());
}

TEST(SerialDeviceOpen, ReportsWhyAPathCannotBeOpened)
{
    TempFolder Folder;
    const std::string Plain = Folder.Path() + "/plain-file";
    close(open(Plain.c_str(), O_CREAT | O_WRONLY, 0600));

    SerialDevice Device;
    EXPECT_EQ(Device.Open(Folder.Path() + "/missing").Status, CommStatus::NotFound);
    EXPECT_EQ(Device.Open(Plain).Status, CommStatus::NotATerminal);
    EXPECT_FALSE(Device.IsOpen());
    EXPECT_EQ(Device.Write(Bytes{1}, 10ms).Error.Status, CommStatus::NotOpen);
}

TEST(SerialDeviceOpen, PermissionErrorNamesTheDeviceAndTheGroupToJoin)
{
    TempFolder Folder;
    const std::string Node = Folder.Path() + "/ttyUSB9";
    close(open(Node.c_str(), O_CREAT | O_WRONLY, 0660));
    if (geteuid() != 0) GTEST_SKIP() << "needs root to give the node to another group";
    ASSERT_EQ(chown(Node.c_str(), 0, 20), 0);
    const CommError Error = ErrorFromErrno(EACCES, Node, "open");
    EXPECT_EQ(Error.Status, CommStatus::PermissionDenied);
    EXPECT_NE(Error.Message.find(Node), std::string::npos) << Error.Message;
    const std::string Group = PermissionHint(Node);
    EXPECT_NE(Group.find("usermod -aG"), std::string::npos) << Group;
    EXPECT_NE(Error.Message.find(Group), std::string::npos) << Error.Message;
}
} // namespace
