#pragma once

#include "platform/comm/CommError.h"
#include "platform/comm/PortLock.h"
#include "platform/comm/PseudoTerminal.h"
#include "platform/comm/StopSignal.h"
#include "protocol/DefaultParameters.h"
#include "protocol/Frames.h"
#include "protocol/ModuleParameters.h"

#include <array>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

// Misbehaviours the virtual module can show, for tests and demonstrations.
enum class ModuleFault
{
    None,
    Silent,        // never answers
    BadChecksum,   // answers with a wrong checksum byte
    Split,         // sends each answer in two parts with a pause between
    Garbage,       // sends line noise (stray sync bytes, CR LF) before each answer
    Duplicate,     // sends each answer twice
    IgnoreWrite,   // answers a write with its stored block, unchanged
    TrailingFrame, // sends its answer, then at once a frame of the block it held before
    StaleFirst,    // sends a frame of the block it held before, then at once its answer
    DropFirst,     // does not answer the first request; answers every later one
    WrongCommand,  // answers a read with the write's command byte, and a write with the read's
};

// "silent", "bad-checksum", "split", "garbage", "duplicate", "ignore-write",
// "trailing-frame", "stale-first", "drop-first", "wrong-command", "none";
// nullopt for anything else.
std::optional<ModuleFault> ParseModuleFault(std::string_view Text);
const char* ModuleFaultName(ModuleFault Fault);
// The names of every fault but "none", separated by '|'.
std::string ModuleFaultNames();

struct VirtualModuleOptions
{
    int Port = 0;              // port number to register; 0: the first free from 200 up
    bool Register = true;      // false: no link, only the device path
    std::string RuntimeFolder; // link folder; empty: the runtime folder of the environment
    std::chrono::milliseconds Delay{30};            // from a complete request to its answer
    ModuleFault Fault = ModuleFault::None;          // the fault at start; SetFault changes it
    ModuleParameters Initial = DefaultParameters(); // the window's defaults
    // The data bytes to hold at start, exactly as stored (a module put back
    // keeps what it stored: the block's decoded values need not code back to
    // the same bytes); overrides Initial when set.
    std::optional<std::array<uint8_t, FrameDataLength>> InitialData;
    // True: the module talks only at its own line setting, the UART baud and
    // parity of its stored block, as a real module does; a request sent at
    // another setting reaches it as garbage and goes unanswered. A
    // pseudo-terminal keeps the speed and the odd flag of its opener's
    // settings but no parity bit, so even and none are one setting here.
    // False: it answers at any setting.
    bool OwnLineSettings = false;
    // One line per exchange, called on the module's thread; may be empty.
    std::function<void(const std::string& Line)> Log;
};

// A radio module played on a pseudo-terminal. It reads requests as 25-byte
// frames and answers a read-all request with its stored block (command
// 0x02) and a write-all request with a valid checksum by storing the block
// and answering with it (command 0x01); malformed requests are ignored. The block is kept as the
// wire bytes it was written with, so an answer repeats a write exactly. The
// log line of an exchange names the frames sent that answer no request. A
// write that changes the block's UART fields is answered at the old line
// setting; the new one holds from the next request on (and is logged).
//
// Start registers the device as a port: it takes the number's PortLock for
// its lifetime (reclaiming a number whose owner is gone) and makes the link
// "com<N>" in the runtime folder; Stop, or the destructor, removes the link
// if it still points at this module's device, and lets the number go.
//
// Log is called on the module's thread while it answers; it must not block
// for long (see LogWriter).
class VirtualModule
{
  public:
    VirtualModule() = default;
    ~VirtualModule();
    VirtualModule(const VirtualModule&) = delete;
    VirtualModule& operator=(const VirtualModule&) = delete;

    CommError Start(VirtualModuleOptions Options);
    // Stops answering, removes the link and closes the device: an opener
    // sees a hang-up, as when an adapter is pulled out.
    void Stop();

    // Any thread, while the module runs: the fault and the delay of the
    // answers to requests completed from now on (answers already waiting
    // keep theirs). Setting DropFirst drops the next request.
    void SetFault(ModuleFault Fault);
    ModuleFault Fault() const { return FFault.load(); }
    void SetDelay(std::chrono::milliseconds Delay);
    // Any thread, while the module runs: Hold keeps every answer that comes
    // due from being sent; Release sends the held ones at once and lets the
    // later ones go at their time. A test that must see a reply arrive
    // after some event holds the module, makes the event, then releases it,
    // instead of racing a delay against real time.
    void Hold();
    void Release();
    // Removes the port's link while the module keeps running and keeps its
    // number: the port can no longer be opened, as when its device node
    // went away, and an opener that has it open keeps talking. Call from
    // the thread that starts and stops the module.
    void RemoveLink();

    int PortNumber() const { return FPort; } // 0 when not registered
    const std::string& DevicePath() const { return FPty.DevicePath(); }
    const std::string& LinkPath() const { return FLinkPath; }
    ModuleParameters Block() const;                          // decoded from the stored bytes
    std::array<uint8_t, FrameDataLength> StoredData() const; // the stored bytes as they are
    uint64_t Requests() const;                               // well-formed requests seen
    // Exclusive flags cleared after their holder went away without clearing.
    uint64_t StaleFlagsCleared() const;

  private:
    using DataBytes = std::array<uint8_t, FrameDataLength>;

    CommError Register();
    void Unregister();
    void Run();
    void Answer(const uint8_t* Request);
    // False, with the reason logged, when the opener's terminal settings
    // are not the module's own line setting (OwnLineSettings only).
    bool HearsLine(const ModuleParameters& Held);
    void TakeRequestByte(std::vector<uint8_t>& Request, uint8_t Byte);

    VirtualModuleOptions FOptions;
    PseudoTerminal FPty;
    StopSignal FStop;
    std::thread FThread;
    int FPort = 0;
    std::string FLinkPath;
    PortLock FPortLock;
    mutable std::mutex FLock; // guards FData, FRequests and FFlagsCleared
    DataBytes FData{};
    uint64_t FRequests = 0;
    uint64_t FFlagsCleared = 0;
    std::atomic<ModuleFault> FFault{ModuleFault::None};
    std::atomic<std::chrono::milliseconds::rep> FDelayMs{0};
    std::atomic<bool> FDropNext{false}; // DropFirst has not dropped a request yet
    std::atomic<bool> FHeld{false};
    StopSignal FWake; // raised when the hold changes, so the thread looks again
    // Answers waiting for their time, in order (module thread only).
    struct Pending
    {
        std::chrono::steady_clock::time_point Due;
        std::vector<uint8_t> Bytes;
    };
    std::vector<Pending> FPending;
};
