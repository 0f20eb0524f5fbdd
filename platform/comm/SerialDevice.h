#pragma once

#include "platform/comm/CommError.h"
#include "platform/comm/LineSettings.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

class StopSignal;

enum class PurgeDirection
{
    Input,  // drop received bytes not read yet
    Output, // drop written bytes not sent yet
    Both,
};

// Bytes accepted by a write, and why it stopped short (Ok when all were).
struct WriteOutcome
{
    size_t Accepted = 0;
    CommError Error;
};

// Bytes read into the caller's buffer; Count 0 with Ok means nothing waited.
struct ReadOutcome
{
    size_t Count = 0;
    CommError Error;
};

enum class WaitResult
{
    Readable, // bytes are waiting (or a hang-up the next read will report)
    Stopped,  // the stop signal was raised; it wins over readable data
    TimedOut,
    HungUp, // the device went away and nothing is left to read
    Failed, // the wait itself failed
};

// One open terminal device, held exclusively: TIOCEXCL keeps other
// unprivileged openers out and an advisory lock (flock) keeps out every
// cooperating opener, root included, which TIOCEXCL does not stop.
// Move-only; the destructor closes. The descriptor is non-blocking; waits
// are explicit (Write's time-out, WaitReadable).
//
// Threads: one thread may Read and WaitReadable while another Writes;
// Open, Configure and Close belong to the owner while no other thread uses
// the device.
class SerialDevice
{
  public:
    SerialDevice() = default;
    ~SerialDevice();
    SerialDevice(SerialDevice&& Other) noexcept;
    SerialDevice& operator=(SerialDevice&& Other) noexcept;
    SerialDevice(const SerialDevice&) = delete;
    SerialDevice& operator=(const SerialDevice&) = delete;

    // Opens the existing device at Path (links are followed). Fails with
    // NotFound, PermissionDenied (the message says how to get access),
    // Busy (another opener holds it, or another program set the terminal's
    // exclusive flag: also refused to root) or NotATerminal (anything but a
    // terminal device, and /dev/tty, /dev/console and /dev/ptmx, which are
    // not serial devices of their own). Closes what this object held first.
    CommError Open(const std::string& Path);
    // Clears the exclusive flag only when this object set it.
    void Close();
    bool IsOpen() const { return FFd >= 0; }
    const std::string& Path() const { return FPath; }

    // Applies the line settings and lowers DTR and RTS. Unsupported for a
    // baud rate termios has no constant for. A device without modem lines
    // (a pseudo-terminal) is not asked for DTR/RTS; a pseudo-terminal's
    // parity is not verified, since it silently drops it.
    CommError Configure(const LineSettings& Settings);
    bool HasModemLines() const { return FHasModemLines; }
    // True for the device end of a pseudo-terminal. Its "transmit queue" is
    // the peer's unread input: OutputQueued reads 0 there, and purging the
    // output throws away bytes the peer has not read yet.
    bool IsPseudoTerminal() const { return FIsPseudoTerminal; }

    CommError Purge(PurgeDirection Direction);

    // Bytes received and not read yet.
    CommError BytesWaiting(size_t& Count) const;
    // Bytes written and not yet sent by the device.
    CommError OutputQueued(size_t& Count) const;

    // Writes Bytes, waiting up to Timeout in total for the device to accept
    // them. Stops short with TimedOut (Accepted tells how far it got),
    // WaitFailed (waiting for room failed; the device may be fine), HungUp
    // or IoError.
    WriteOutcome Write(std::span<const uint8_t> Bytes, std::chrono::milliseconds Timeout);

    // Reads what is waiting, at most Into.size() bytes; never blocks.
    // HungUp once the device is gone and its queue is empty.
    ReadOutcome Read(std::span<uint8_t> Into);

    // Waits until bytes are waiting, Stop is raised (Stop may be null), the
    // device hangs up, or Timeout passes (negative: no time-out).
    WaitResult WaitReadable(const StopSignal* Stop, std::chrono::milliseconds Timeout) const;

    int Fd() const { return FFd; }

  private:
    CommError Fail(int Errno, const char* Call) const;

    int FFd = -1;
    std::string FPath;
    bool FHasModemLines = false;
    bool FIsPseudoTerminal = false;
    bool FSetExclusive = false;
};
