#pragma once

#include "platform/comm/StopSignal.h"

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <mutex>
#include <string>
#include <thread>

// Writes log lines to a descriptor on a thread of its own, so that whoever
// posts a line never waits for the reader of that descriptor. At most
// QueueLimit lines wait; lines posted while the queue is full are dropped
// and counted, and the count is written once the queue has room again.
class LogWriter
{
  public:
    static constexpr size_t QueueLimit = 256;
    // Longer lines are cut, so that one write fits a pipe's atomic size.
    static constexpr size_t MaxLineSize = 1024;

    LogWriter() = default;
    ~LogWriter();
    LogWriter(const LogWriter&) = delete;
    LogWriter& operator=(const LogWriter&) = delete;

    // Starts writing to Fd (not owned). False when the thread cannot start.
    bool Start(int Fd);
    // Queues Line (a newline is added); never blocks on the descriptor.
    void Post(std::string Line);
    // Writes what the descriptor takes without waiting, then ends the thread.
    void Stop();

    uint64_t Dropped() const;

  private:
    void Run();
    bool WriteLine(const std::string& Line, bool Wait);

    int FFd = -1;
    StopSignal FStop;
    std::thread FThread;
    mutable std::mutex FLock; // guards the fields below
    std::condition_variable FChanged;
    std::deque<std::string> FLines;
    uint64_t FDropped = 0;
    uint64_t FDroppedUnreported = 0;
    bool FStopping = false;
};
