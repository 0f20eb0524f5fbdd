#include "detail/MessageQueue.h"

#include <algorithm>

void TMessageQueue::ChangedLocked()
{
    ++FChanges;
    FWake.notify_all();
    if (FWaker) FWaker();
}

void TMessageQueue::SetWaker(std::function<void()> Waker)
{
    std::lock_guard Guard(FLock);
    FWaker = std::move(Waker);
}

bool TMessageQueue::Post(const MSG& Message)
{
    std::lock_guard Guard(FLock);
    if (FClosed || FPosted.size() >= MaxPosted) return false;
    FPosted.push_back(Message);
    ChangedLocked();
    return true;
}

bool TMessageQueue::PushSent(std::shared_ptr<TSentMessage> Message)
{
    std::lock_guard Guard(FLock);
    if (FClosed) return false;
    FSent.push_back(std::move(Message));
    ChangedLocked();
    return true;
}

void TMessageQueue::Wake()
{
    std::lock_guard Guard(FLock);
    ChangedLocked();
}

void TMessageQueue::Complete(TSentMessage& Message, LRESULT Result)
{
    // Message.Sender is this queue: the sender waits on its own queue.
    std::lock_guard Guard(FLock);
    Message.Result = Result;
    Message.Done = true;
    ChangedLocked();
}

bool TMessageQueue::Answered(const TSentMessage& Message, LRESULT& Result)
{
    std::lock_guard Guard(FLock);
    if (!Message.Done) return false;
    Result = Message.Result;
    return true;
}

uint64_t TMessageQueue::ChangeCount()
{
    std::lock_guard Guard(FLock);
    return FChanges;
}

std::shared_ptr<TSentMessage> TMessageQueue::TakeSent()
{
    std::lock_guard Guard(FLock);
    if (FSent.empty()) return nullptr;
    auto Message = std::move(FSent.front());
    FSent.pop_front();
    return Message;
}

bool TMessageQueue::TakePosted(MSG& Out, const std::function<bool(const MSG&)>& Match, bool Remove)
{
    std::lock_guard Guard(FLock);
    auto It = std::find_if(FPosted.begin(), FPosted.end(), Match);
    if (It == FPosted.end()) return false;
    Out = *It;
    if (Remove) FPosted.erase(It);
    return true;
}

void TMessageQueue::SetQuit(int ExitCode)
{
    std::lock_guard Guard(FLock);
    FQuit = true;
    FQuitCode = ExitCode;
    ChangedLocked();
}

bool TMessageQueue::TakeQuit(int& ExitCode, bool Remove)
{
    std::lock_guard Guard(FLock);
    if (!FQuit) return false;
    ExitCode = FQuitCode;
    if (Remove) FQuit = false;
    return true;
}

void TMessageQueue::RemovePostedFor(HWND Window)
{
    std::lock_guard Guard(FLock);
    std::erase_if(FPosted, [Window](const MSG& M) { return M.hwnd == Window; });
}

void TMessageQueue::Wait(uint64_t Seen, TClock& Clock, bool HasDeadline, TClock::TimeMs Deadline)
{
    std::unique_lock Guard(FLock);
    if (FChanges != Seen) return;
    if (HasDeadline)
    {
        if (Clock.Now() >= Deadline) return;
        Clock.WaitUntil(FWake, Guard, Deadline);
    }
    else
    {
        FWake.wait(Guard);
    }
}

void TMessageQueue::Close()
{
    std::deque<std::shared_ptr<TSentMessage>> Pending;
    {
        std::lock_guard Guard(FLock);
        FClosed = true;
        FPosted.clear();
        Pending.swap(FSent);
        ChangedLocked();
    }
    for (auto& Message : Pending)
        Message->Sender->Complete(*Message, 0);
}
