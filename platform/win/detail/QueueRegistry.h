#pragma once

#include "detail/MessageQueue.h"

#include <map>
#include <memory>
#include <mutex>

// Every live thread queue by thread id: used to post to a thread and to wake
// every loop when the clock is changed.
class TQueueRegistry
{
  public:
    static TQueueRegistry& Instance();

    void Add(std::shared_ptr<TMessageQueue> Queue);
    void Remove(DWORD ThreadId);
    std::shared_ptr<TMessageQueue> Find(DWORD ThreadId);
    void WakeAll();

  private:
    std::mutex FLock;
    std::map<DWORD, std::shared_ptr<TMessageQueue>> FQueues;
};
