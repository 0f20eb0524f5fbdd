#pragma once

#include "detail/MessageQueue.h"

#include <memory>

// The calling thread's message queue, created on first use. When the thread
// ends, its queue closes and the windows it still owns are removed without
// messages (their procedures cannot run any more).
TMessageQueue& CurrentQueue();
std::shared_ptr<TMessageQueue> CurrentQueueShared();
