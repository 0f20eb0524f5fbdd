#pragma once

#include "platform/win/WinTypes.h"
#include "protocol/ModuleParameters.h"
#include "serial/TelvaroSerial.h"

#include <chrono>
#include <string>
#include <vector>

enum class ExchangeOutcome
{
    Reply,            // a reply with a good checksum; Block holds it
    ChecksumMismatch, // a reply arrived with a bad checksum
    NoReply,          // nothing complete arrived within the time limit
    PortLost,         // the device went away
    SendFailed,       // the request could not be written
};

struct ExchangeResult
{
    ExchangeOutcome Outcome = ExchangeOutcome::NoReply;
    ModuleParameters Block; // the block of the very reply whose flag is Outcome
    std::string Error;      // for SendFailed and PortLost
    // For tracing: the request as sent and when, and every reply taken while
    // waiting (at most one answers the request).
    std::vector<uint8_t> Sent;
    std::chrono::steady_clock::time_point SentAt;
    std::vector<ModuleReply> Replies;
};

// The module link driven the way the window drives it: a window (message
// only, on the calling thread) receives the posted reply message, and a
// window timer bounds the wait. The answer to a request is the reply the
// link marks as answering it, flag and block taken from that same frame;
// replies that answer nothing are kept for the trace only. One object per
// thread that runs it.
class ModuleClient
{
  public:
    ModuleClient();
    ~ModuleClient();
    ModuleClient(const ModuleClient&) = delete;
    ModuleClient& operator=(const ModuleClient&) = delete;

    // Opens port Port with Baud and Parity (0 none, 1 odd, 2 even). False
    // with Error naming the device and the reason.
    bool Open(int Port, int Baud, int Parity, std::string& Error);
    // See CXSerial::LineNote.
    std::string LineNote() const { return FLink.LineNote(); }

    ExchangeResult ReadAll(std::chrono::milliseconds Limit);
    ExchangeResult WriteAll(const ModuleParameters& Block, std::chrono::milliseconds Limit);

  private:
    void Forget();
    ExchangeResult Await(std::chrono::milliseconds Limit);
    bool Answered() const;
    ExchangeResult Exchange(const std::vector<uint8_t>& Request, bool Sent,
                            std::chrono::steady_clock::time_point SentAt, const char* What,
                            std::chrono::milliseconds Limit);
    static LRESULT Procedure(HWND Window, UINT Message, WPARAM WParam, LPARAM LParam);

    TelvaroSerial FLink;
    HWND FWindow = nullptr;
    UINT FMessage = 0;
    std::vector<ModuleReply> FTaken; // replies taken while waiting
    bool FLost = false;
    bool FExpired = false;
};
