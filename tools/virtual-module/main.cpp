// novla-virtual-module: a radio module on a pseudo-terminal, registered as
// a port. Prints "ready COM<N> <device>" first, then one line per exchange;
// removes its port link on SIGINT or SIGTERM.
#include "tools/virtual-module/VirtualModule.h"

#include "platform/comm/PortMap.h"

#include <charconv>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <pthread.h>
#include <string_view>

namespace
{
int Usage()
{
    std::fprintf(stderr, "usage: novla-virtual-module [--port N] [--delay-ms D] "
                         "[--fault silent|bad-checksum|split|garbage|duplicate|ignore-write]\n");
    return 1;
}

bool ParseInt(std::string_view Text, int Low, int High, int& Value)
{
    const auto [End, Error] = std::from_chars(Text.data(), Text.data() + Text.size(), Value);
    return Error == std::errc() && End == Text.data() + Text.size() && Value >= Low &&
           Value <= High;
}
} // namespace

int main(int Argc, char** Argv)
{
    VirtualModuleOptions Options;
    for (int i = 1; i < Argc; ++i)
    {
        const std::string_view Arg = Argv[i];
        if (i + 1 >= Argc) return Usage();
        const std::string_view Value = Argv[++i];
        int Number = 0;
        if (Arg == "--port" && ParseInt(Value, 1, 9999, Number))
            Options.Port = Number;
        else if (Arg == "--delay-ms" && ParseInt(Value, 0, 60000, Number))
            Options.Delay = std::chrono::milliseconds(Number);
        else if (Arg == "--fault" && ParseModuleFault(Value))
            Options.Fault = *ParseModuleFault(Value);
        else
            return Usage();
    }

    // Signals are taken by sigwait below; every thread started from here
    // on inherits the blocked mask.
    sigset_t Stopping;
    sigemptyset(&Stopping);
    sigaddset(&Stopping, SIGINT);
    sigaddset(&Stopping, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &Stopping, nullptr);
    std::signal(SIGPIPE, SIG_IGN);

    Options.Log = [](const std::string& Line)
    {
        std::printf("%s\n", Line.c_str());
        std::fflush(stdout);
    };
    VirtualModule Module;
    if (const CommError Error = Module.Start(Options); !Error.Ok())
    {
        std::fprintf(stderr, "novla-virtual-module: %s\n", Error.Message.c_str());
        return 1;
    }
    std::printf("ready %s %s\n", PortName(Module.PortNumber()).c_str(),
                Module.DevicePath().c_str());
    std::fflush(stdout);

    int Signal = 0;
    sigwait(&Stopping, &Signal);
    Module.Stop();
    return 0;
}
