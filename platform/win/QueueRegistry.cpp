#include "detail/QueueRegistry.h"

TQueueRegistry& TQueueRegistry::Instance()
{
    static TQueueRegistry Registry;
    return Registry;
}

void TQueueRegistry::Add(std::shared_ptr<TMessageQueue> Queue)
{
    std::lock_guard Guard(FLock);
    FQueues[Queue->ThreadId()] = std::move(Queue);
}

void TQueueRegistry::Remove(DWORD ThreadId)
{
    std::lock_guard Guard(FLock);
    FQueues.erase(ThreadId);
}

std::shared_ptr<TMessageQueue> TQueueRegistry::Find(DWORD ThreadId)
{
    std::lock_guard Guard(FLock);
    auto It = FQueues.find(ThreadId);
    return It == FQueues.end() ? nullptr : It->second;
}

void TQueueRegistry::WakeAll()
{
    // Lock order: registry, then a queue. Queues never take the registry lock.
    std::lock_guard Guard(FLock);
    for (auto& [Id, Queue] : FQueues)
        Queue->Wake();
}
