#include "tests/tools/ProcessRunner.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace
{
using Clock = std::chrono::steady_clock;

// argv and envp arrays that live as long as this object.
struct SpawnArguments
{
    std::vector<std::string> Strings;
    std::vector<char*> Argv;
    std::vector<char*> Envp;

    SpawnArguments(const std::string& Program, const std::vector<std::string>& Arguments,
                   const std::vector<std::string>& Extra)
    {
        Argv.push_back(const_cast<char*>(Program.c_str()));
        for (const std::string& A : Arguments)
            Argv.push_back(const_cast<char*>(A.c_str()));
        Argv.push_back(nullptr);
        for (const std::string& E : Extra)
            Envp.push_back(const_cast<char*>(E.c_str()));
        for (char** E = environ; *E; ++E)
        {
            const std::string_view Entry = *E;
            bool Replaced = false;
            for (const std::string& X : Extra)
                Replaced |= Entry.substr(0, Entry.find('=') + 1) == X.substr(0, X.find('=') + 1);
            if (!Replaced) Envp.push_back(*E);
        }
        Envp.push_back(nullptr);
    }
};

int Spawn(const std::string& Program, const std::vector<std::string>& Arguments,
          const std::vector<std::string>& Extra, int OutFd, int ErrFd, int InFd = -1)
{
    SpawnArguments Args(Program, Arguments, Extra);
    posix_spawn_file_actions_t Actions;
    posix_spawn_file_actions_init(&Actions);
    if (InFd >= 0) posix_spawn_file_actions_adddup2(&Actions, InFd, 0);
    posix_spawn_file_actions_adddup2(&Actions, OutFd, 1);
    posix_spawn_file_actions_adddup2(&Actions, ErrFd, 2);
    pid_t Pid = -1;
    if (posix_spawn(&Pid, Program.c_str(), &Actions, nullptr, Args.Argv.data(), Args.Envp.data()) !=
        0)
        Pid = -1;
    posix_spawn_file_actions_destroy(&Actions);
    return Pid;
}

int ExitCodeOf(int Status)
{
    return WIFEXITED(Status) ? WEXITSTATUS(Status) : -1;
}
} // namespace

ProcessResult RunProcess(const std::string& Program, const std::vector<std::string>& Arguments,
                         const std::vector<std::string>& ExtraEnvironment,
                         std::chrono::milliseconds Limit, const std::string& OutputPath)
{
    ProcessResult Result;
    int Out[2], Err[2];
    if (pipe2(Out, O_CLOEXEC) != 0) return Result;
    if (pipe2(Err, O_CLOEXEC) != 0)
    {
        close(Out[0]);
        close(Out[1]);
        return Result;
    }
    if (!OutputPath.empty())
    {
        const int File = open(OutputPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
        close(Out[1]);
        Out[1] = File;
    }
    const int Pid = Spawn(Program, Arguments, ExtraEnvironment, Out[1], Err[1]);
    close(Out[1]);
    close(Err[1]);
    const auto Deadline = Clock::now() + Limit;
    pollfd Watch[2] = {{Out[0], POLLIN, 0}, {Err[0], POLLIN, 0}};
    std::string* Sinks[2] = {&Result.Out, &Result.Err};
    int Open = Pid > 0 ? 2 : 0;
    while (Open > 0)
    {
        const auto Left =
            std::chrono::duration_cast<std::chrono::milliseconds>(Deadline - Clock::now());
        if (Left.count() <= 0 || poll(Watch, 2, static_cast<int>(Left.count())) <= 0) break;
        for (int i = 0; i < 2; ++i)
        {
            if (Watch[i].fd < 0 || !(Watch[i].revents & (POLLIN | POLLHUP))) continue;
            char Buffer[4096];
            const ssize_t N = read(Watch[i].fd, Buffer, sizeof Buffer);
            if (N > 0)
                Sinks[i]->append(Buffer, static_cast<size_t>(N));
            else
            {
                Watch[i].fd = -1;
                --Open;
            }
        }
    }
    close(Out[0]);
    close(Err[0]);
    if (Pid <= 0) return Result;
    if (Open > 0) kill(Pid, SIGKILL);
    int Status = 0;
    waitpid(Pid, &Status, 0);
    Result.ExitCode = Open > 0 ? -1 : ExitCodeOf(Status);
    return Result;
}

RunningProcess::RunningProcess(const std::string& Program,
                               const std::vector<std::string>& Arguments,
                               const std::vector<std::string>& ExtraEnvironment)
{
    int Out[2], In[2];
    if (pipe2(Out, O_CLOEXEC) != 0) return;
    if (pipe2(In, O_CLOEXEC) != 0)
    {
        close(Out[0]);
        close(Out[1]);
        return;
    }
    const int Null = open("/dev/null", O_WRONLY | O_CLOEXEC);
    FPid = Spawn(Program, Arguments, ExtraEnvironment, Out[1], Null, In[0]);
    close(Null);
    close(Out[1]);
    close(In[0]);
    FOut = Out[0];
    FIn = In[1];
}

RunningProcess::~RunningProcess()
{
    if (FPid > 0) Stop(SIGKILL);
    if (FOut >= 0) close(FOut);
    if (FIn >= 0) close(FIn);
}

bool RunningProcess::WriteLine(const std::string& Line)
{
    const std::string Text = Line + "\n";
    return FIn >= 0 && write(FIn, Text.data(), Text.size()) == static_cast<ssize_t>(Text.size());
}

std::string RunningProcess::ReadLine(std::chrono::milliseconds Limit)
{
    const auto Deadline = Clock::now() + Limit;
    for (;;)
    {
        const size_t End = FPending.find('\n');
        if (End != std::string::npos)
        {
            std::string Line = FPending.substr(0, End);
            FPending.erase(0, End + 1);
            return Line;
        }
        const auto Left =
            std::chrono::duration_cast<std::chrono::milliseconds>(Deadline - Clock::now());
        pollfd Watch{FOut, POLLIN, 0};
        if (FOut < 0 || Left.count() <= 0 || poll(&Watch, 1, static_cast<int>(Left.count())) <= 0)
            return {};
        char Buffer[1024];
        const ssize_t N = read(FOut, Buffer, sizeof Buffer);
        if (N <= 0) return {};
        FPending.append(Buffer, static_cast<size_t>(N));
    }
}

int RunningProcess::Stop(int Signal)
{
    if (FPid <= 0) return -1;
    kill(FPid, Signal);
    int Status = 0;
    waitpid(FPid, &Status, 0);
    FPid = -1;
    return ExitCodeOf(Status);
}
