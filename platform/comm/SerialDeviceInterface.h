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

// What a serial port needs of its device. SerialDevice is the terminal
// device; tests put a scripted device in its place to drive the port
// through paths a real device rarely takes (stalls, failing purges).
// The operations are those of SerialDevice, which documents them.
class SerialDeviceInterface
{
  public:
    virtual ~SerialDeviceInterface() = default;

    virtual CommError Open(const std::string& Path) = 0;
    virtual void Close() = 0;
    virtual bool IsOpen() const = 0;
    virtual const std::string& Path() const = 0;
    virtual CommError Configure(const LineSettings& Settings) = 0;
    // What the last successful Configure had to accept short of the request
    // (a parity the device cannot carry); empty when it took everything.
    virtual std::string LineNote() const { return {}; }
    virtual bool IsPseudoTerminal() const = 0;
    virtual CommError Purge(PurgeDirection Direction) = 0;
    virtual CommError OutputQueued(size_t& Count) const = 0;
    virtual WriteOutcome Write(std::span<const uint8_t> Bytes,
                               std::chrono::milliseconds Timeout) = 0;
    virtual ReadOutcome Read(std::span<uint8_t> Into) = 0;
    virtual WaitResult WaitReadable(const StopSignal* Stop,
                                    std::chrono::milliseconds Timeout) const = 0;
};
