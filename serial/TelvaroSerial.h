#pragma once

#include "platform/win/WinTypes.h"
#include "protocol/Frames.h"
#include "protocol/ModuleParameters.h"
#include "protocol/ReplyFramer.h"
#include "serial/CXSerial.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <mutex>
#include <vector>

// Name under which the window registers the reply notification.
inline constexpr const char* ReplyMessageName = "TELVAROSerial_MSG_RECV_1";

// First parameter of the reply notification; the second is always 0.
inline constexpr WPARAM ReplyOk = 0;               // checksum matched, parameters stored
inline constexpr WPARAM ReplyChecksumMismatch = 1; // parameters left as they were
inline constexpr WPARAM ReplyPortLost = 2;         // the device went away; call Close

// One completed reply as the framer delivered it: its flag and, for a good
// checksum, its block; the frame's bytes as assembled (from the sync pair to
// the line feed) and when it completed, for tracing. Sequence counts replies
// from 1 on, per link. Answers is the number of the request this reply
// answers, 0 when it answers none (see TelvaroSerial); only such an answer
// may be shown as the outcome of a request.
struct ModuleReply
{
    uint64_t Sequence = 0;
    uint64_t Answers = 0;
    WPARAM Flag = ReplyOk;  // ReplyOk or ReplyChecksumMismatch
    ModuleParameters Block; // zero unless Flag is ReplyOk
    std::vector<uint8_t> Frame;
    std::chrono::steady_clock::time_point Completed;
};

// The serial port specialised for the radio module: sends the read-all and
// write-all requests, runs every received byte through the reply framer,
// keeps the last block decoded from a good reply, and posts the target
// window the notification message once per completed reply, and once when
// the device goes away.
//
// Which reply answers which request is decided here, for every user of the
// link: each request sent is numbered, and a reply answers the request that
// is pending when it completes if it carries that request's command byte.
// A request stays pending until it is answered, another request is sent or
// the port is opened again; so a late reply still answers while nothing
// else happened, and a reply to an earlier request or an earlier opening
// answers nothing. Replies that answer nothing stay queued for tracing but
// are marked so and counted.
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
    // The number of the last request these two sent (from 1 on, per link);
    // 0 before the first.
    uint64_t LastRequest() const;
    // Replies that answered no pending request: strays, repeats, and answers
    // to a request superseded before they were taken.
    uint64_t UnansweredReplies() const;

    // A copy of the last block decoded from a good reply (zero before the
    // first); always one whole block, never parts of two. Any thread.
    ModuleParameters Parameters() const;

    // Every completed reply is also queued, so that a reader can take the
    // flag and the block of the same frame even when further frames follow
    // at once (Parameters then already holds a later block). One
    // notification is posted per queued reply. At most ReplyQueueLimit wait;
    // replies arriving while the queue is full are dropped and counted, the
    // oldest being the answers to the requests. Any thread.
    static constexpr size_t ReplyQueueLimit = 64;
    // The oldest reply not taken yet; false when none waits.
    bool TakeReply(ModuleReply& Reply);
    // Drops every waiting reply, e.g. before a new request.
    void ForgetReplies();
    uint64_t DroppedReplies() const;
    size_t WaitingReplies() const;

    // A new opening: nothing sent before it is pending any more, and
    // nothing received before it answers anything.
    int StartReader() override;

  protected:
    void OnReceiveByte(uint8_t Byte) override;
    void OnPortLost(const CommError& Reason) override;

  private:
    int SendRequest(const Frame& Request);
    // Marks every queued answer as answering nothing (under FLock).
    void SupersedeQueued();
    void OnFrame(int Flag, const ModuleParameters* Block);
    void Notify(WPARAM Flag);

    ReplyFramer FFramer;      // receive thread only
    mutable std::mutex FLock; // guards the fields below
    ModuleParameters FParameters;
    std::deque<ModuleReply> FReplies;
    uint64_t FSequence = 0;
    uint64_t FDropped = 0;
    uint64_t FRequests = 0;      // requests sent
    uint64_t FPending = 0;       // number of the request awaiting its answer; 0 none
    uint8_t FPendingCommand = 0; // its command byte
    uint64_t FUnanswered = 0;
    HWND FTarget = nullptr;
    UINT FMessage = 0;
};
