#include "platform/comm/SerialDevice.h"
#include "platform/comm/PseudoTerminal.h"
#include "platform/comm/StopSignal.h"

#include "tests/platform/comm/TempFolder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
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

// A pseudo-terminal clears PARENB and refuses (EINVAL) a request of which
// nothing could be applied: a parity asked twice, or even over none. Each
// step must still configure, with a note exactly when a parity was asked.
TEST_F(DeviceFixture, PseudoTerminalTakesEveryParityInAnyOrderAndSaysSo)
{
    const struct
    {
        LineSettings Asked;
        bool Noted;
    } Steps[] = {
        {{9600, Parity::Even}, true},  {{9600, Parity::Even}, true},   {{9600, Parity::Odd}, true},
        {{9600, Parity::Odd}, true},   {{9600, Parity::None}, false},  {{19200, Parity::Odd}, true},
        {{19200, Parity::Even}, true}, {{19200, Parity::None}, false},
    };
    for (const auto& Step : Steps)
    {
        SCOPED_TRACE(std::to_string(Step.Asked.BaudRate) + " parity " +
                     std::to_string(static_cast<int>(Step.Asked.LineParity)));
        const CommError Error = Device.Configure(Step.Asked);
        ASSERT_TRUE(Error.Ok()) << Error.Message;
        EXPECT_EQ(!Device.LineNote().empty(), Step.Noted) << Device.LineNote();
        if (Step.Noted)
        {
            EXPECT_NE(Device.LineNote().find("no parity bit"), std::string::npos);
        }
        termios Held{};
        ASSERT_EQ(tcgetattr(Device.Fd(), &Held), 0);
        EXPECT_EQ(cfgetospeed(&Held), *SpeedForBaud(Step.Asked.BaudRate));
        // The peer tells odd from the rest by PARODD, which the terminal keeps.
        EXPECT_EQ((Held.c_cflag & PARODD) != 0, Step.Asked.LineParity == Parity::Odd);
    }
}

// What a device that is no pseudo-terminal refused is named, setting by
// setting; what it took is not mentioned.
TEST(RefusedLineSettings, NamesEachSettingTheDeviceDidNotTake)
{
    termios Asked{};
    ApplyLineSettings(Asked, {115200, Parity::Even}, B115200);
    const struct
    {
        const char* Name;
        void (*Change)(termios&);
        std::vector<std::string> Texts;
    } Cases[] = {
        {"all taken", [](termios&) {}, {}},
        {"speed",
         [](termios& T) { cfsetospeed(&T, B9600); },
         {"baud rate 115200 (the device has 9600)"}},
        {"data bits",
         [](termios& T) { T.c_cflag = (T.c_cflag & ~CSIZE) | CS7; },
         {"8 data bits (the device has 7)"}},
        {"stop bits", [](termios& T) { T.c_cflag |= CSTOPB; }, {"1 stop bit (the device has 2)"}},
        {"parity", [](termios& T) { T.c_cflag &= ~PARENB; }, {"parity even (the device has none)"}},
        {"flow control",
         [](termios& T)
         {
             T.c_cflag |= CRTSCTS;
             T.c_iflag |= IXON;
         },
         {"flow control none (the device has hardware and software)"}},
        {"two at once",
         [](termios& T)
         {
             cfsetospeed(&T, B4800);
             T.c_cflag |= PARODD;
         },
         {"baud rate 115200 (the device has 4800)", "parity even (the device has odd)"}},
    };
    for (const auto& Case : Cases)
    {
        SCOPED_TRACE(Case.Name);
        termios Applied = Asked;
        Case.Change(Applied);
        std::vector<std::string> Texts;
        for (const RefusedSetting& Setting : RefusedLineSettings(Asked, Applied))
            Texts.push_back(Setting.Text);
        EXPECT_EQ(Texts, Case.Texts);
    }
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

TEST(SerialDeviceOpen, OnlyTerminalDevicesOfTheirOwnAreOpened)
{
    TempFolder Folder;
    const std::string Fifo = Folder.Path() + "/fifo";
    ASSERT_EQ(mkfifo(Fifo.c_str(), 0600), 0);
    for (const std::string& Path : {Fifo, Folder.Path(), std::string("/dev/ptmx"),
                                    std::string("/dev/tty"), std::string("/dev/null")})
    {
        SerialDevice Device;
        EXPECT_EQ(Device.Open(Path).Status, CommStatus::NotATerminal) << Path;
        EXPECT_FALSE(Device.IsOpen());
    }
}

bool IsExclusive(int Fd)
{
    int Flag = 0;
    return ioctl(Fd, TIOCGEXCL, &Flag) == 0 && Flag != 0;
}

TEST(SerialDeviceOpen, AnotherProgramsExclusiveFlagIsRespectedAndLeftAlone)
{
    PseudoTerminal Peer;
    ASSERT_TRUE(Peer.Create().Ok());
    // Another program: exclusive flag, no advisory lock.
    const int Other = open(Peer.DevicePath().c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    ASSERT_GE(Other, 0);
    ASSERT_EQ(ioctl(Other, TIOCEXCL), 0);
    SerialDevice Device;
    EXPECT_EQ(Device.Open(Peer.DevicePath()).Status, CommStatus::Busy) << "also as root";
    EXPECT_TRUE(IsExclusive(Other)) << "a failed open leaves the other program's flag";
    ASSERT_EQ(ioctl(Other, TIOCNXCL), 0);

    ASSERT_TRUE(Device.Open(Peer.DevicePath()).Ok());
    EXPECT_TRUE(IsExclusive(Other));
    Device.Close();
    EXPECT_FALSE(IsExclusive(Other)) << "the flag this object set is cleared";
    close(Other);
}

TEST(PseudoTerminalOpeners, AFlagWhoseHolderWentAwayIsCleared)
{
    PseudoTerminal Peer;
    ASSERT_TRUE(Peer.Create().Ok());
    ASSERT_GE(Peer.OpenerWatchFd(), 0);
    auto Settle = [&]
    {
        pollfd Watch{Peer.OpenerWatchFd(), POLLIN, 0};
        return poll(&Watch, 1, 2000) > 0 && Peer.OnOpenerEvents();
    };
    // A holder as this tool holds a device: advisory lock and flag. When it
    // is killed, its descriptor closes (the lock goes) and the flag stays.
    const int Holder = open(Peer.DevicePath().c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    ASSERT_GE(Holder, 0);
    ASSERT_EQ(flock(Holder, LOCK_EX | LOCK_NB), 0);
    ASSERT_EQ(ioctl(Holder, TIOCEXCL), 0);
    // Another opener comes and goes while the holder lives: the flag stays.
    close(open(Peer.DevicePath().c_str(), O_RDONLY | O_NOCTTY | O_CLOEXEC));
    EXPECT_FALSE(Settle());
    EXPECT_TRUE(IsExclusive(Holder));
    close(Holder);
    EXPECT_TRUE(Settle());
    SerialDevice Next;
    EXPECT_TRUE(Next.Open(Peer.DevicePath()).Ok());
}

TEST(SerialDeviceOpen, PermissionErrorNamesTheDeviceAndTheGroupToJoin)
{
    TempFolder Folder;
    const std::string Node = Folder.Path() + "/ttyUSB9";
    close(open(Node.c_str(), O_CREAT | O_WRONLY, 0600));
    // Root hands the node to a group of its choice; anyone else to a group
    // of their own, which is as good for the advice.
    const gid_t Group = geteuid() == 0 ? 20 : getegid();
    ASSERT_EQ(chown(Node.c_str(), geteuid(), Group), 0);
    ASSERT_EQ(chmod(Node.c_str(), 0660), 0);
    const CommError Error = ErrorFromErrno(EACCES, Node, "open");
    EXPECT_EQ(Error.Status, CommStatus::PermissionDenied);
    EXPECT_NE(Error.Message.find(Node), std::string::npos) << Error.Message;
    const std::string Hint = PermissionHint(Node);
    EXPECT_NE(Error.Message.find(Hint), std::string::npos) << Error.Message;
    if (Group != 0)
    {
        EXPECT_NE(Hint.find("usermod -aG"), std::string::npos) << Hint;
    }
}

TEST(PermissionAdvice, JoiningAGroupOnlyWhenThatGroupMayReadAndWrite)
{
    const struct
    {
        unsigned Mode;
        unsigned GroupId;
        const char* Group;
        bool Join;
    } Cases[] = {
        {0660, 20, "dialout", true},  {0620, 20, "dialout", false}, {0640, 20, "dialout", false},
        {0600, 20, "dialout", false}, {0666, 20, "dialout", true},  {0660, 0, "root", false},
        {0660, 5, "tty", false},      {0660, 4242, "root", false},  {0606, 20, "dialout", false},
        {020660, 18, "uucp", true},
    };
    for (const auto& Case : Cases)
    {
        const std::string Advice = PermissionAdvice(Case.Mode, "root", Case.GroupId, Case.Group);
        EXPECT_EQ(Advice.find("usermod -aG") != std::string::npos, Case.Join)
            << Case.Group << " " << std::oct << Case.Mode << ": " << Advice;
        for (const char* Never : {"usermod -aG root", "usermod -aG tty"})
            EXPECT_EQ(Advice.find(Never), std::string::npos) << Advice;
        if (!Case.Join)
        {
            EXPECT_NE(Advice.find("ask its owner or an administrator"), std::string::npos)
                << Advice;
        }
    }
}

} // namespace
