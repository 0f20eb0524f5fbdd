#pragma once

#include "platform/win/Clock.h"
#include "platform/win/WinTypes.h"

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>

class TMessageQueue;

// A message sent to a window of another thread: the sender waits until the
// owner's message loop has called the window procedure (or the owner's queue
// closed, which answers 0).
struct TSentMessage
{
    HWND Window = nullptr;
    UINT Message = 0;
    WPARAM WParam = 0;
    LPARAM LParam = 0;
    LRESULT Result = 0;
    bool Done = false; // guarded by the sender's queue lock
    std::shared_ptr<TMessageQueue> Sender;
};

// The message queue of one thread. Posting and sending into it are
// thread-safe and never wait for the owner; everything else is called on the
// owning thread by the message loop.
//
// Waiting is race-free through a change count: a loop notes the count before
// it scans, and Wait returns at once if anything arrived since.
class TMessageQueue
{
  public:
    static constexpr size_t MaxPosted = 10000;

    explicit TMessageQueue(DWORD ThreadId) : FThreadId(ThreadId) {}

    DWORD ThreadId() const { return FThreadId; }

    // Any thread. False when the queue is closed or full.
    bool Post(const MSG& Message);
    // Any thread. False when the queue is closed; the message then stays
    // unanswered and its sender must not wait for it.
    bool PushSent(std::shared_ptr<TSentMessage> Message);
    // Any thread: makes a waiting loop re-scan (timers, clock changes).
    void Wake();
    // Any thread: also called (under the queue's lock) whenever something
    // arrives, for a loop that blocks outside the queue (in a backend).
    void SetWaker(std::function<void()> Waker);
    // Called on the sender's queue by the thread that answered Message.
    void Complete(TSentMessage& Message, LRESULT Result);
    // Sender side: true and the result once Message was answered.
    bool Answered(const TSentMessage& Message, LRESULT& Result);

    // Owning thread.
    uint64_t ChangeCount();
    std::shared_ptr<TSentMessage> TakeSent();
    // Finds the first posted message accepted by Match, copies it to Out and,
    // when Remove is set, takes it out of the queue.
    bool TakePosted(MSG& Out, const std::function<bool(const MSG&)>& Match, bool Remove);
    void SetQuit(int ExitCode);
    // True and the exit code when a quit request is pending; Remove clears it.
    bool TakeQuit(int& ExitCode, bool Remove);
    void RemovePostedFor(HWND Window);
    // Blocks until something arrives after Seen was read or, when HasDeadline,
    // until the clock reaches Deadline.
    void Wait(uint64_t Seen, TClock& Clock, bool HasDeadline, TClock::TimeMs Deadline);
    // Refuses further posts and answers every pending sent message with 0.
    void Close();

  private:
    void ChangedLocked();

    const DWORD FThreadId;
    std::mutex FLock;
    std::condition_variable FWake;
    uint64_t FChanges = 0;
    bool FClosed = false;
    bool FQuit = false;
    int FQuitCode = 0;
    std::deque<MSG> FPosted;
    std::deque<std::shared_ptr<TSentMessage>> FSent;
    std::function<void()> FWaker;
};
