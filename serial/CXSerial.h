#pragma once

#include "platform/comm/CommError.h"
#include "platform/comm/PortMap.h"
#include "platform/comm/SerialDevice.h"
#include "platform/comm/SerialDeviceInterface.h"
#include "platform/comm/StopSignal.h"

#include <atomic>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

// What the receive thread has read so far; for diagnostics and tests.
struct ReceiveStatistics
{
    uint64_t Reads = 0;     // reads that returned bytes
    uint64_t Bytes = 0;     // bytes delivered to OnReceiveByte
    size_t LargestRead = 0; // never above CXSerial::ReadChunkSize
};

// One serial port, opened by number ("COM<N>", through the port map) with a
// baud rate and parity. While it is open, a receive thread hands every
// received byte, in arrival order and once, to OnReceiveByte.
//
// Threads: Open, SetState, Configure, Close, Write, StartReader and
// StopReader are called from one thread (the UI thread); OnReceiveByte and
// OnPortLost run on the receive thread. Results are 1 for success and 0 for
// failure; LastError tells why the last call failed.
//
// A subclass that implements OnReceiveByte must call Close in its own
// destructor: the receive thread has to be stopped while the subclass still
// exists.
class CXSerial
{
  public:
    static constexpr size_t WriteChunkSize = 1024; // bytes per device write
    static constexpr size_t ReadChunkSize = 1024;  // bytes per device read, at most
    static constexpr std::chrono::milliseconds DefaultChunkTimeout{1000};
    // Stalls (a chunk time-out with no byte accepted) that are purged and
    // retried before Write gives up.
    static constexpr int MaxChunkTimeouts = 3;

    CXSerial();
    // A port over another device than the terminal device (tests script one).
    explicit CXSerial(std::unique_ptr<SerialDeviceInterface> Device);
    virtual ~CXSerial();
    CXSerial(const CXSerial&) = delete;
    CXSerial& operator=(const CXSerial&) = delete;

    // 1 while the device is open and has not been lost.
    int IsOpen() const;

    // Closes what is open, then opens port Port (1..9999) with Baud bits per
    // second and Parity (0 none, 1 odd, 2 even): 8 data bits, 1 stop bit, no
    // flow control, DTR and RTS low, both directions purged, receive thread
    // started. On any failure the device is closed again and 0 returned.
    int Open(int Port, int Baud, int Parity);
    // Applies Baud and Parity to the open port without reopening it.
    int SetState(int Baud, int Parity);
    // Same port and open: SetState. Otherwise: Open.
    int Configure(int Port, int Baud, int Parity);
    // Stops and joins the receive thread, then closes the device. Always 1;
    // safe to call when closed.
    int Close();

    // Writes Length bytes in chunks of WriteChunkSize, each given the chunk
    // time-out. When the device accepts nothing of a chunk within the
    // time-out, its transmit queue is purged and the bytes it had not sent
    // are written again (a pseudo-terminal is only waited for again); after
    // MaxChunkTimeouts such stalls in one call the rest is purged and Write
    // returns 0 (TimedOut). 0 at once when the port is closed (no device
    // call) or Bytes is null with a non-zero Length. 0 with the port left
    // open when waiting for the device failed (WaitFailed) or the device
    // cannot tell what it has not sent or cannot purge it (nothing is then
    // sent twice or dropped unnoticed); 0 and the port closed when the device
    // reports a hard error (hang-up, I/O error).
    int Write(const uint8_t* Bytes, size_t Length);

    // Starts the receive thread for the open device (a running one is stopped
    // first). 0 when the port is not open or the thread cannot be started.
    // Virtual so that a subclass can wrap it; Open relies only on the result.
    virtual int StartReader();
    // Signals the receive thread and joins it; no-op when none runs.
    void StopReader();

    // 1 when port Port can be opened now: it exists, this user may open it
    // and nobody else holds it. Opens and closes it at once.
    static int ProbePort(int Port);
    static int ProbePort(int Port, const PortMap& Map);
    // The same probe, telling why a port cannot be opened: the device the
    // port maps to (empty when none) and the open's outcome.
    struct Probe
    {
        std::string DevicePath;
        CommError Error;
    };
    static Probe ProbePortDevice(int Port);
    static Probe ProbePortDevice(int Port, const PortMap& Map);

    int PortNumber() const { return FPort; }
    int BaudRate() const { return FBaud; }
    int ParityIndex() const { return FParity; }
    // Device path of the open port; of the last one tried when closed.
    const std::string& DevicePath() const { return FDevice->Path(); }
    const CommError& LastError() const { return FLastError; }
    // What the last Open or SetState had to accept short of the request
    // (a pseudo-terminal's missing parity bit); empty when nothing.
    std::string LineNote() const { return FDevice->LineNote(); }
    ReceiveStatistics Statistics() const;

    // Port map used by Open; by default the one from the environment.
    void SetPortMap(PortMap Map) { FPortMap = std::move(Map); }
    void SetChunkTimeout(std::chrono::milliseconds Timeout) { FChunkTimeout = Timeout; }

  protected:
    // Called on the receive thread for each received byte, in order.
    virtual void OnReceiveByte(uint8_t Byte) = 0;
    // Called once on the receive thread when the device went away (read
    // error or hang-up); the thread ends right after. IsOpen is 0 from then
    // on; the owner still calls Close.
    virtual void OnPortLost(const CommError& Reason);

  private:
    void ReceiveLoop();
    int Fail(CommError Error);
    // Fails with Error, closing the port when Error says the device is gone
    // (HungUp).
    int FailDevice(CommError Error);

    std::unique_ptr<SerialDeviceInterface> FDevice;
    StopSignal FStop;
    std::thread FReader;
    std::atomic<bool> FLost{false};
    std::mutex FWriteLock;
    int FPort = 1;
    int FBaud = 9600;
    int FParity = 0;
    std::chrono::milliseconds FChunkTimeout = DefaultChunkTimeout;
    PortMap FPortMap;
    CommError FLastError;
    std::atomic<uint64_t> FReads{0};
    std::atomic<uint64_t> FBytesRead{0};
    std::atomic<size_t> FLargestRead{0};
};
