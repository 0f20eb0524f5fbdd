#include "tools/virtual-module/LogWriter.h"

#include <cerrno>
#include <poll.h>
#include <system_error>
#include <unistd.h>

LogWriter::~LogWriter()
{
    Stop();
}

bool LogWriter::Start(int Fd)
{
    Stop();
    if (!FStop.Create().Ok()) return false;
    FFd = Fd;
    {
        std::lock_guard Lock(FLock);
        FStopping = false;
    }
    try
    {
        FThread = std::thread(&LogWriter::Run, this);
    }
    catch (const std::system_error&)
    {
        FStop.Destroy();
        return false;
    }
    return true;
}

void LogWriter::Post(std::string Line)
{
    if (Line.size() > MaxLineSize) Line.resize(MaxLineSize);
    {
        std::lock_guard Lock(FLock);
        if (FLines.size() >= QueueLimit)
        {
            ++FDropped;
            ++FDroppedUnreported;
            return;
        }
        FLines.push_back(std::move(Line));
    }
    FChanged.notify_one();
}

void LogWriter::Stop()
{
    if (!FThread.joinable()) return;
    {
        std::lock_guard Lock(FLock);
        FStopping = true;
    }
    FStop.Raise();
    FChanged.notify_one();
    FThread.join();
    FStop.Destroy();
}

uint64_t LogWriter::Dropped() const
{
    std::lock_guard Lock(FLock);
    return FDropped;
}

bool LogWriter::WriteLine(const std::string& Line, bool Wait)
{
    const std::string Text = Line + "\n";
    // Waiting for room together with the stop signal: a reader that never
    // reads cannot keep Stop from returning. A descriptor that reports room
    // takes a line of this size in one write.
    pollfd Watch[2] = {{FFd, POLLOUT, 0}, {FStop.Fd(), POLLIN, 0}};
    for (;;)
    {
        const int Ready = poll(Watch, Wait ? 2 : 1, Wait ? -1 : 0);
        if (Ready < 0 && errno == EINTR) continue;
        if (Ready <= 0 || (Wait && (Watch[1].revents & POLLIN))) return false;
        if (Watch[0].revents & (POLLERR | POLLHUP | POLLNVAL)) return false;
        break;
    }
    size_t Done = 0;
    while (Done < Text.size())
    {
        const ssize_t Written = write(FFd, Text.data() + Done, Text.size() - Done);
        if (Written < 0 && errno == EINTR) continue;
        if (Written <= 0) return false;
        Done += static_cast<size_t>(Written);
    }
    return true;
}

void LogWriter::Run()
{
    for (;;)
    {
        std::string Line;
        bool Stopping = false;
        {
            std::unique_lock Lock(FLock);
            FChanged.wait(Lock, [&] { return FStopping || !FLines.empty() || FDroppedUnreported; });
            Stopping = FStopping;
            if (FDroppedUnreported && FLines.size() < QueueLimit)
            {
                Line = "(" + std::to_string(FDroppedUnreported) +
                       " log lines dropped: nobody read the output)";
                FDroppedUnreported = 0;
            }
            else if (!FLines.empty())
            {
                Line = std::move(FLines.front());
                FLines.pop_front();
            }
        }
        if (Stopping)
        {
            // What the descriptor takes at once still goes out; nothing waits.
            if (!Line.empty() && !WriteLine(Line, false)) return;
            std::lock_guard Lock(FLock);
            while (!FLines.empty() && WriteLine(FLines.front(), false))
                FLines.pop_front();
            return;
        }
        if (!Line.empty() && !WriteLine(Line, true))
        {
            std::lock_guard Lock(FLock);
            if (FStopping) return;
        }
    }
}
