#include "platform/comm/SerialDevice.h"

#include "platform/comm/ExclusiveRelease.h"
#include "platform/comm/StopSignal.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace
{
using Clock = std::chrono::steady_clock;

// Device numbers of the device ends of Unix 98 pseudo-terminals.
constexpr unsigned PtySlaveFirstMajor = 136;
constexpr unsigned PtySlaveLastMajor = 143;
// /dev/tty, /dev/console and /dev/ptmx: opening the last one makes a new
// pseudo-terminal, the others are whatever terminal the process has.
constexpr unsigned TerminalAliasMajor = 5;

// Milliseconds left until Deadline, rounded up so a wait never ends early.
int MillisecondsLeft(Clock::time_point Deadline)
{
    const auto Left = Deadline - Clock::now();
    if (Left <= Clock::duration::zero()) return 0;
    return static_cast<int>(std::chrono::ceil<std::chrono::milliseconds>(Left).count());
}
} // namespace

SerialDevice::~SerialDevice()
{
    Close();
}

SerialDevice::SerialDevice(SerialDevice&& Other) noexcept
    : FFd(std::exchange(Other.FFd, -1)), FPath(std::move(Other.FPath)),
      FHasModemLines(Other.FHasModemLines), FIsPseudoTerminal(Other.FIsPseudoTerminal),
      FSetExclusive(std::exchange(Other.FSetExclusive, false)),
      FLineNote(std::move(Other.FLineNote))
{
}

SerialDevice& SerialDevice::operator=(SerialDevice&& Other) noexcept
{
    if (this != &Other)
    {
        Close();
        FFd = std::exchange(Other.FFd, -1);
        FPath = std::move(Other.FPath);
        FHasModemLines = Other.FHasModemLines;
        FIsPseudoTerminal = Other.FIsPseudoTerminal;
        FSetExclusive = std::exchange(Other.FSetExclusive, false);
        FLineNote = std::move(Other.FLineNote);
    }
    return *this;
}

CommError SerialDevice::Fail(int Errno, const char* Call) const
{
    return ErrorFromErrno(Errno, FPath, Call);
}

CommError SerialDevice::Open(const std::string& Path)
{
    Close();
    FPath = Path;
    // Only a terminal device is opened at all: opening anything else may
    // have effects of its own (a FIFO, /dev/ptmx making a new terminal).
    struct stat Node
    {
    };
    if (stat(Path.c_str(), &Node) != 0) return Fail(errno, "open");
    if (!S_ISCHR(Node.st_mode) || major(Node.st_rdev) == TerminalAliasMajor)
        return Fail(ENOTTY, "open");
    // Non-blocking so that a device waiting for carrier cannot stall the
    // open; no controlling terminal, ever.
    const int Fd = open(Path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (Fd < 0) return Fail(errno, "open");

    termios Attributes{};
    if (tcgetattr(Fd, &Attributes) != 0)
    {
        const CommError Error = Fail(errno, "open");
        close(Fd);
        return Error;
    }
    if (flock(Fd, LOCK_EX | LOCK_NB) != 0)
    {
        const CommError Error = Fail(errno == EWOULDBLOCK ? EBUSY : errno, "open");
        close(Fd);
        return Error;
    }
    // Root opens a terminal that another program holds exclusively; that
    // program's flag is respected all the same, and left as it is.
    int Exclusive = 0;
    if (ioctl(Fd, TIOCGEXCL, &Exclusive) == 0 && Exclusive)
    {
        close(Fd);
        return Fail(EBUSY, "open");
    }
    if (ioctl(Fd, TIOCEXCL) != 0)
    {
        const CommError Error = Fail(errno, "open");
        close(Fd);
        return Error;
    }
    FSetExclusive = true;
    RememberExclusive(Fd);
    int Lines = 0;
    FHasModemLines = ioctl(Fd, TIOCMGET, &Lines) == 0;
    struct stat Info
    {
    };
    FIsPseudoTerminal = fstat(Fd, &Info) == 0 && major(Info.st_rdev) >= PtySlaveFirstMajor &&
                        major(Info.st_rdev) <= PtySlaveLastMajor;
    FFd = Fd;
    return {};
}

void SerialDevice::Close()
{
    if (FFd < 0) return;
    // The exclusive flag lives on the terminal, not on this descriptor: it
    // would outlast us while anyone else keeps the terminal open. Only a
    // flag this object set is cleared.
    if (FSetExclusive)
    {
        ForgetExclusive(FFd);
        ioctl(FFd, TIOCNXCL);
        FSetExclusive = false;
    }
    close(FFd);
    FFd = -1;
    FLineNote.clear();
}

CommError SerialDevice::Configure(const LineSettings& Settings)
{
    if (FFd < 0) return MakeError(CommStatus::NotOpen, "configure: the port is not open");
    const auto Speed = SpeedForBaud(Settings.BaudRate);
    if (!Speed)
        return MakeError(CommStatus::Unsupported, "configure " + FPath + ": baud rate " +
                                                      std::to_string(Settings.BaudRate) +
                                                      " is not supported");
    if (Settings.LineParity != Parity::None && Settings.LineParity != Parity::Odd &&
        Settings.LineParity != Parity::Even)
        return MakeError(CommStatus::InvalidArgument, "configure " + FPath + ": unknown parity");

    FLineNote.clear();
    termios Attributes{};
    if (tcgetattr(FFd, &Attributes) != 0) return Fail(errno, "configure");
    ApplyLineSettings(Attributes, Settings, *Speed);
    // EINVAL can mean that nothing of the request could be applied (a
    // pseudo-terminal asked for a parity it cannot show); success that some
    // part took. Either way the read-back says what the device holds.
    if (tcsetattr(FFd, TCSANOW, &Attributes) != 0 && errno != EINVAL)
        return Fail(errno, "configure");
    termios Applied{};
    if (tcgetattr(FFd, &Applied) != 0) return Fail(errno, "configure");
    std::vector<RefusedSetting> Refused = RefusedLineSettings(Attributes, Applied);
    // A pseudo-terminal carries no parity bit: its peer sees the same bytes
    // whatever parity is asked, so only its other settings must hold.
    if (FIsPseudoTerminal)
    {
        for (const RefusedSetting& Setting : Refused)
            if (Setting.IsParity)
                FLineNote = FPath + " is a pseudo-terminal, which carries no parity bit: " +
                            "going on with " + Setting.Text;
        std::erase_if(Refused, [](const RefusedSetting& Setting) { return Setting.IsParity; });
    }
    if (!Refused.empty())
    {
        std::string Text;
        for (const RefusedSetting& Setting : Refused)
            Text += (Text.empty() ? "" : ", ") + Setting.Text;
        FLineNote.clear();
        return MakeError(CommStatus::Unsupported,
                         "configure " + FPath + ": the device refused " + Text);
    }

    if (FHasModemLines)
    {
        int Lines = TIOCM_DTR | TIOCM_RTS;
        if (ioctl(FFd, TIOCMBIC, &Lines) != 0 && errno != ENOTTY && errno != EINVAL)
            return Fail(errno, "configure");
    }
    return {};
}

CommError SerialDevice::Purge(PurgeDirection Direction)
{
    if (FFd < 0) return MakeError(CommStatus::NotOpen, "purge: the port is not open");
    const int Queue = Direction == PurgeDirection::Input    ? TCIFLUSH
                      : Direction == PurgeDirection::Output ? TCOFLUSH
                                                            : TCIOFLUSH;
    if (tcflush(FFd, Queue) != 0) return Fail(errno, "purge");
    return {};
}

CommError SerialDevice::BytesWaiting(size_t& Count) const
{
    Count = 0;
    if (FFd < 0) return MakeError(CommStatus::NotOpen, "bytes waiting: the port is not open");
    int Waiting = 0;
    if (ioctl(FFd, FIONREAD, &Waiting) != 0) return Fail(errno, "bytes waiting");
    Count = static_cast<size_t>(Waiting);
    return {};
}

CommError SerialDevice::OutputQueued(size_t& Count) const
{
    Count = 0;
    if (FFd < 0) return MakeError(CommStatus::NotOpen, "output queue: the port is not open");
    int Queued = 0;
    if (ioctl(FFd, TIOCOUTQ, &Queued) != 0) return Fail(errno, "output queue");
    Count = static_cast<size_t>(Queued);
    return {};
}

WriteOutcome SerialDevice::Write(std::span<const uint8_t> Bytes, std::chrono::milliseconds Timeout)
{
    WriteOutcome Outcome;
    if (FFd < 0)
    {
        Outcome.Error = MakeError(CommStatus::NotOpen, "write: the port is not open");
        return Outcome;
    }
    const auto Deadline = Clock::now() + Timeout;
    while (Outcome.Accepted < Bytes.size())
    {
        const ssize_t Written =
            write(FFd, Bytes.data() + Outcome.Accepted, Bytes.size() - Outcome.Accepted);
        if (Written > 0)
        {
            Outcome.Accepted += static_cast<size_t>(Written);
            continue;
        }
        if (Written < 0 && errno == EINTR) continue;
        if (Written < 0 && errno != EAGAIN)
        {
            Outcome.Error = Fail(errno, "write");
            return Outcome;
        }
        // The device's queue is full: wait for room, at most until the deadline.
        const int Left = MillisecondsLeft(Deadline);
        if (Left == 0)
        {
            Outcome.Error = MakeError(CommStatus::TimedOut, "write " + FPath + ": timed out");
            return Outcome;
        }
        pollfd Watch{FFd, POLLOUT, 0};
        const int Ready = poll(&Watch, 1, Left);
        if (Ready < 0 && errno != EINTR)
        {
            // The wait failed, not the device.
            const int Errno = errno;
            Outcome.Error = MakeError(
                CommStatus::WaitFailed,
                "write " + FPath + ": waiting for the device failed: " + std::strerror(Errno));
            Outcome.Error.Errno = Errno;
            return Outcome;
        }
        if (Ready > 0 && (Watch.revents & (POLLHUP | POLLERR | POLLNVAL)))
        {
            Outcome.Error = Fail(EIO, "write");
            return Outcome;
        }
    }
    return Outcome;
}

ReadOutcome SerialDevice::Read(std::span<uint8_t> Into)
{
    ReadOutcome Outcome;
    if (FFd < 0)
    {
        Outcome.Error = MakeError(CommStatus::NotOpen, "read: the port is not open");
        return Outcome;
    }
    if (Into.empty()) return Outcome;
    for (;;)
    {
        const ssize_t Got = read(FFd, Into.data(), Into.size());
        if (Got > 0)
        {
            Outcome.Count = static_cast<size_t>(Got);
            return Outcome;
        }
        if (Got < 0 && errno == EINTR) continue;
        if (Got < 0 && errno == EAGAIN) return Outcome;
        // A non-blocking terminal read returns 0 only after a hang-up.
        Outcome.Error = Fail(Got == 0 ? EIO : errno, "read");
        return Outcome;
    }
}

WaitResult SerialDevice::WaitReadable(const StopSignal* Stop,
                                      std::chrono::milliseconds Timeout) const
{
    if (FFd < 0) return WaitResult::Failed;
    pollfd Watch[2] = {{FFd, POLLIN, 0}, {Stop ? Stop->Fd() : -1, POLLIN, 0}};
    const bool Infinite = Timeout.count() < 0;
    const auto Deadline = Clock::now() + (Infinite ? std::chrono::milliseconds(0) : Timeout);
    for (;;)
    {
        const int Ready = poll(Watch, 2, Infinite ? -1 : MillisecondsLeft(Deadline));
        if (Ready < 0)
        {
            if (errno == EINTR) continue;
            return WaitResult::Failed;
        }
        if (Ready == 0) return WaitResult::TimedOut;
        if (Watch[1].revents & POLLIN) return WaitResult::Stopped;
        const short Events = Watch[0].revents;
        if (Events & POLLNVAL) return WaitResult::Failed;
        // Data still queued is delivered before the hang-up is reported.
        if (Events & POLLIN) return WaitResult::Readable;
        if (Events & (POLLHUP | POLLERR)) return WaitResult::HungUp;
    }
}
