#pragma once

#include "platform/win/WinApi.h"
#include "protocol/ModuleParameters.h"
#include "protocol/ReplyFramer.h"
#include "serial/CXSerial.h"

#include <mutex>

// Name under which the window registers the reply notification.
inline constexpr const char* ReplyMessageName = "TELVAROSerial_MSG_RECV_1";

// First parameter of the reply notification; the second is always 0.
inline constexpr WPARAM ReplyOk = 0;               // checksum matched, parameters stored
inline constexpr WPARAM ReplyChecksumMismatch = 1; // parameters left as they were
inline constexpr WPARAM ReplyPortLost = 2;         // the device went away; call Close

// The serial port specialised for the radio module: sends the read-all and
// write-all requests, runs every received byte through the reply framer,
// keeps the last block decoded from a good reply, and posts the target
// window the notification message once per completed reply, and once when
// the device goes away.
class TelvaroSerial : public CXSerial
{
  public:
    TelvaroSerial();
    // Closes the port first, so that the receive thread has ended before
    // the framer and the stored block go.
    ~TelvaroSerial() override;

    // Window and message id for the notifications; Window null: none is
    // posted (replies still update the stored block). Any thread.
    void SetNotifyTarget(HWND Window, UINT Message);

    // Writes the 25-byte read-all request. 1 on success; 0 when the port is
    // closed or the write failed.
    int SendReadAll();
    // Writes the write-all request for Block (not owned; may be null). 0
    // without writing when Block is null or the port is closed.
    int SendWriteAll(const ModuleParameters* Block);

    // A copy of the last block decoded from a good reply (zero before the
    // first); always one whole block, never parts of two. Any thread.
    ModuleParameters Parameters() const;

  protected:
    void OnReceiveByte(uint8_t Byte) override;
    void OnPortLost(const CommError& Reason) override;

  private:
    void OnFrame(int Flag, const ModuleParameters* Block);
    void Notify(WPARAM Flag);

    ReplyFramer FFramer;      // receive thread only
    mutable std::mutex FLock; // guards the three fields below
    ModuleParameters FParameters;
    HWND FTarget = nullptr;
    UINT FMessage = 0;
};
