// novla-virtual-module: a radio module on a pseudo-terminal, registered as
// a port. Prints "ready COM<N> <device>" first, then one line per exchange;
// takes "fault NAME" and "delay MS" on standard input while it runs;
// removes its port link on SIGINT or SIGTERM.
#include "tools/virtual-module/VirtualModule.h"

#include "platform/comm/PortMap.h"
#include "platform/comm/StandardDescriptors.h"
#include "protocol/CodeTables.h"
#include "tools/common/OptionParser.h"
#include "tools/common/Version.h"
#include "tools/virtual-module/LogWriter.h"
#include "tools/virtual-module/ModuleCommands.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <poll.h>
#include <pthread.h>
#include <span>
#include <sys/signalfd.h>
#include <unistd.h>

namespace
{
void PrintUsage(std::FILE* To)
{
    std::fprintf(
        To,
        "usage: novla-virtual-module [--port N] [--delay-ms D] [--fault %s]\n"
        "                            [--uart-baud 1200..115200] [--uart-parity no|odd|even]\n"
        "       novla-virtual-module --version | --help\n"
        "The module answers only at its own line setting (--uart-baud and\n"
        "--uart-parity, default 9600 no; a write of new UART values moves it there\n"
        "after its answer). A pseudo-terminal carries no parity bit: even and no\n"
        "are one setting here. While it runs, a line \"fault NAME\" or \"delay MS\"\n"
        "on standard input changes how it answers from the next request on.\n",
        ModuleFaultNames().c_str());
}

// Runs the commands of standard input until a stopping signal arrives on
// Signals; an input that ends or fails is no longer watched.
void RunCommands(VirtualModule& Module, LogWriter& Log, int Signals)
{
    constexpr size_t LongestLine = 4096;
    std::string Pending;
    bool Reading = true;
    for (;;)
    {
        pollfd Watch[2] = {{Signals, POLLIN, 0}, {Reading ? STDIN_FILENO : -1, POLLIN, 0}};
        if (poll(Watch, 2, -1) < 0)
        {
            if (errno == EINTR) continue;
            return;
        }
        if (Watch[0].revents & POLLIN) return;
        if (!(Watch[1].revents & (POLLIN | POLLHUP | POLLERR | POLLNVAL))) continue;
        char Buffer[512];
        const ssize_t Got = read(STDIN_FILENO, Buffer, sizeof Buffer);
        if (Got < 0 && errno == EINTR) continue;
        if (Got <= 0)
        {
            Reading = false;
            continue;
        }
        Pending.append(Buffer, static_cast<size_t>(Got));
        for (size_t End; (End = Pending.find('\n')) != std::string::npos;)
        {
            Log.Post(RunModuleCommand(Module, std::string_view(Pending).substr(0, End)));
            Pending.erase(0, End + 1);
        }
        if (Pending.size() > LongestLine)
        {
            Log.Post("refused: a line longer than " + std::to_string(LongestLine) + " bytes");
            Pending.clear();
        }
    }
}

int Usage(const std::string& Problem)
{
    std::fprintf(stderr, "novla-virtual-module: %s\n", Problem.c_str());
    PrintUsage(stderr);
    return 1;
}
} // namespace

int main(int Argc, char** Argv)
{
    // Before anything is opened: the terminal must never become the log.
    if (!EnsureStandardDescriptors())
    {
        std::fprintf(stderr, "novla-virtual-module: /dev/null cannot be opened for a closed "
                             "standard descriptor\n");
        return 1;
    }
    OptionParser Parser({{"--port", true},
                         {"--delay-ms", true},
                         {"--fault", true},
                         {"--uart-baud", true},
                         {"--uart-parity", true},
                         {"--version", false},
                         {"--help", false}});
    std::string Error;
    if (!Parser.Parse(std::span<char* const>(Argv + 1, static_cast<size_t>(Argc - 1)), Error))
        return Usage(Error);
    if (Parser.Has("--help"))
    {
        PrintUsage(stdout);
        return std::fflush(stdout) == 0 ? 0 : 1;
    }
    if (Parser.Has("--version"))
    {
        std::printf("novla-virtual-module %s\n", ProductVersion());
        return std::fflush(stdout) == 0 ? 0 : 1;
    }
    VirtualModuleOptions Options;
    long Number = 0;
    if (const auto Port = Parser.Value("--port"))
    {
        if (!ParseIntegerOption(*Port, 1, 9999, Number))
            return Usage("port '" + *Port + "' is not a number from 1 to 9999");
        Options.Port = static_cast<int>(Number);
    }
    if (const auto Delay = Parser.Value("--delay-ms"))
    {
        if (!ParseIntegerOption(*Delay, 0, 60000, Number))
            return Usage("delay '" + *Delay + "' is not a number of milliseconds from 0 to 60000");
        Options.Delay = std::chrono::milliseconds(Number);
    }
    if (const auto Fault = Parser.Value("--fault"))
    {
        const auto Parsed = ParseModuleFault(*Fault);
        if (!Parsed) return Usage("unknown fault '" + *Fault + "'");
        Options.Fault = *Parsed;
    }
    Options.OwnLineSettings = true;
    if (const auto Baud = Parser.Value("--uart-baud"))
    {
        const auto Index = FindListEntry(ParameterList::UartBaud, *Baud);
        if (!Index) return Usage("UART baud rate '" + *Baud + "' is not one of 1200 .. 115200");
        Options.Initial.UartBaudCode = CodeForIndex(ParameterList::UartBaud, *Index);
    }
    if (const auto Parity = Parser.Value("--uart-parity"))
    {
        const auto Index =
            FindListEntry(ParameterList::UartParity, *Parity == "none" ? "no" : *Parity);
        if (!Index) return Usage("UART parity '" + *Parity + "' is not no, odd or even");
        Options.Initial.UartParity = CodeForIndex(ParameterList::UartParity, *Index);
    }

    // Signals are taken through a signal descriptor below; every thread started from here
    // on inherits the blocked mask.
    sigset_t Stopping;
    sigemptyset(&Stopping);
    sigaddset(&Stopping, SIGINT);
    sigaddset(&Stopping, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &Stopping, nullptr);
    std::signal(SIGPIPE, SIG_IGN);
    // Started in the background of a terminal ("novla-virtual-module &"),
    // reading the commands would stop the module; ignored, the read fails
    // instead and the input is no longer watched.
    std::signal(SIGTTIN, SIG_IGN);
    const int Signals = signalfd(-1, &Stopping, SFD_CLOEXEC);
    if (Signals < 0)
    {
        std::fprintf(stderr, "novla-virtual-module: no signal descriptor\n");
        return 1;
    }

    // The module answers on its own thread; an output nobody reads must
    // never hold it up, so its lines go through the writer's queue.
    LogWriter Log;
    if (!Log.Start(STDOUT_FILENO))
    {
        std::fprintf(stderr, "novla-virtual-module: the log thread did not start\n");
        return 1;
    }
    Options.Log = [&Log](const std::string& Line) { Log.Post(Line); };
    VirtualModule Module;
    if (const CommError Failure = Module.Start(Options); !Failure.Ok())
    {
        std::fprintf(stderr, "novla-virtual-module: %s\n", Failure.Message.c_str());
        return 1;
    }
    Log.Post("ready " + PortName(Module.PortNumber()) + " " + Module.DevicePath());

    RunCommands(Module, Log, Signals);
    close(Signals);
    Module.Stop();
    Log.Stop();
    return 0;
}
