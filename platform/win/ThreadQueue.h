#pragma once

#include "platform/win/MessageQueue.h"

#include <memory>

// Id of the calling thread as the window system numbers threads (from 1).
DWORD GetCurrentThreadId();

// The calling thread's message queue, created on first use. When the thread
// ends, its queue closes and the windows it still owns are removed without
// messages (their procedures cannot run any more).
TMessageQueue& CurrentQueue();
std::shared_ptr<TMessageQueue> CurrentQueueShared();
