#pragma once

#include "platform/comm/CommError.h"
#include "platform/comm/LineSettings.h"
#include "platform/comm/SerialDeviceInterface.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

// One open terminal device, held exclusively: TIOCEXCL keeps other
// unprivileged openers out and an advisory lock (flock) keeps out every
// cooperating opener, root included, which TIOCEXCL does not stop.
// Move-only; the destructor closes. The descriptor is non-blocking; waits
// are explicit (Write's time-out, WaitReadable).
//
// Threads: one thread may Read and WaitReadable while another Writes;
// Open, Configure and Close belong to the owner while no other thread uses
// the device.
class SerialDevice : public SerialDeviceInterface
{
  public:
    SerialDevice() = default;
    ~SerialDevice() override;
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
    CommError Open(const std::string& Path) override;
    // Clears the exclusive flag only when this object set it.
    void Close() override;
    bool IsOpen() const override { return FFd >= 0; }
    const std::string& Path() const override { return FPath; }

    // Applies the line settings and lowers DTR and RTS. Unsupported for a
    // baud rate termios has no constant for, and for settings the device
    // did not take (the message names each). A device without modem lines
    // (a pseudo-terminal) is not asked for DTR/RTS. A pseudo-terminal drops
    // the parity bit: a parity it does not show is accepted and LineNote
    // says so.
    CommError Configure(const LineSettings& Settings) override;
    std::string LineNote() const override { return FLineNote; }
    bool HasModemLines() const { return FHasModemLines; }
    // True for the device end of a pseudo-terminal. Its "transmit queue" is
    // the peer's unread input: OutputQueued reads 0 there, and purging the
    // output throws away bytes the peer has not read yet.
    bool IsPseudoTerminal() const override { return FIsPseudoTerminal; }

    CommError Purge(PurgeDirection Direction) override;

    // Bytes received and not read yet.
    CommError BytesWaiting(size_t& Count) const;
    // Bytes written and not yet sent by the device.
    CommError OutputQueued(size_t& Count) const override;

    // Writes Bytes, waiting up to Timeout in total for the device to accept
    // them. Stops short with TimedOut (Accepted tells how far it got),
    // WaitFailed (waiting for room failed; the device may be fine), HungUp
    // or IoError.
    WriteOutcome Write(std::span<const uint8_t> Bytes, std::chrono::milliseconds Timeout) override;

    // Reads what is waiting, at most Into.size() bytes; never blocks.
    // HungUp once the device is gone and its queue is empty.
    ReadOutcome Read(std::span<uint8_t> Into) override;

    // Waits until bytes are waiting, Stop is raised (Stop may be null), the
    // device hangs up, or Timeout passes (negative: no time-out).
    WaitResult WaitReadable(const StopSignal* Stop,
                            std::chrono::milliseconds Timeout) const override;

    int Fd() const { return FFd; }

  private:
    CommError Fail(int Errno, const char* Call) const;

    int FFd = -1;
    std::string FPath;
    bool FHasModemLines = false;
    bool FIsPseudoTerminal = false;
    bool FSetExclusive = false;
    std::string FLineNote;
};
