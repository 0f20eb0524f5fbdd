#include "platform/win/ThreadQueue.h"

#include "detail/QueueRegistry.h"
#include "detail/ThreadQueue.h"
#include "detail/WindowLifetime.h"

#include <atomic>

namespace
{
std::atomic<DWORD> NextThreadId{1};

struct TThreadQueueHolder
{
    std::shared_ptr<TMessageQueue> Queue;

    ~TThreadQueueHolder()
    {
        if (!Queue) return;
        Queue->Close();
        TQueueRegistry::Instance().Remove(Queue->ThreadId());
        DiscardThreadWindows(Queue->ThreadId());
    }
};

thread_local DWORD ThreadId = 0;
thread_local TThreadQueueHolder Holder;
} // namespace

DWORD GetCurrentThreadId()
{
    if (!ThreadId) ThreadId = NextThreadId++;
    return ThreadId;
}

std::shared_ptr<TMessageQueue> CurrentQueueShared()
{
    if (!Holder.Queue)
    {
        Holder.Queue = std::make_shared<TMessageQueue>(GetCurrentThreadId());
        TQueueRegistry::Instance().Add(Holder.Queue);
    }
    return Holder.Queue;
}

TMessageQueue& CurrentQueue()
{
    return *CurrentQueueShared();
}
