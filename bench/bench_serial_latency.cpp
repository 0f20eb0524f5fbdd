// Request-to-posted-reply latency over a pseudo-terminal.
//
// Reference: a minimal raw loop. The client writes a 25-byte request to the
// device end, a responder thread on the master end reads 25 bytes and writes
// 25 bytes back, and the client polls and reads them.
//
// Module link: the read-all request goes out through TelvaroSerial, the
// virtual module (no answer delay) answers, the receive thread frames the
// reply and posts the registered message, and a GetMessage loop on the
// calling thread receives it, as the window will.
//
// Between the two, the raw client runs against the virtual module, so that
// the cost of the link itself (receive thread, framer, posted message) shows
// apart from the module's.
//
// Prints the median and 90th percentile of each and the ratios of medians.
#include "platform/comm/PseudoTerminal.h"
#include "platform/comm/SerialDevice.h"
#include "platform/win/WinApi.h"
#include "protocol/Frames.h"
#include "serial/TelvaroSerial.h"
#include "tools/virtual-module/VirtualModule.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <poll.h>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

namespace
{
using Clock = std::chrono::steady_clock;
constexpr int Warmup = 200;
constexpr int Rounds = 3000;

double Percentile(std::vector<double> Values, double Fraction)
{
    std::sort(Values.begin(), Values.end());
    return Values[static_cast<size_t>(Fraction * static_cast<double>(Values.size() - 1))];
}

bool ReadExactly(int Fd, uint8_t* Into, size_t Count)
{
    size_t Got = 0;
    while (Got < Count)
    {
        pollfd Watch{Fd, POLLIN, 0};
        if (poll(&Watch, 1, 2000) <= 0) return false;
        const ssize_t N = read(Fd, Into + Got, Count - Got);
        if (N > 0)
            Got += static_cast<size_t>(N);
        else if (N == 0 || (errno != EAGAIN && errno != EINTR))
            return false;
    }
    return true;
}

// Microseconds per exchange of the raw reference loop.
std::vector<double> RawLoop()
{
    PseudoTerminal Pty;
    SerialDevice Device;
    if (!Pty.Create().Ok() || !Device.Open(Pty.DevicePath()).Ok() ||
        !Device.Configure({115200, Parity::None}).Ok())
        return {};
    std::atomic<bool> Done{false};
    std::thread Responder(
        [&]
        {
            uint8_t Request[FrameSize];
            const Frame Reply = BuildFrame(CommandReadAll, ModuleParameters{});
            while (ReadExactly(Pty.MasterFd(), Request, FrameSize) && !Done.load())
                (void)!write(Pty.MasterFd(), Reply.data(), Reply.size());
        });
    const Frame Request = BuildReadAll();
    std::vector<double> Micros;
    for (int i = 0; i < Warmup + Rounds; ++i)
    {
        const auto Start = Clock::now();
        uint8_t Reply[FrameSize];
        if (!Device.Write(Request, std::chrono::milliseconds(1000)).Error.Ok() ||
            !ReadExactly(Device.Fd(), Reply, FrameSize))
            break;
        if (i >= Warmup)
            Micros.push_back(
                std::chrono::duration<double, std::micro>(Clock::now() - Start).count());
    }
    // One more request, unanswered, lets the responder see Done.
    Done.store(true);
    (void)Device.Write(Request, std::chrono::milliseconds(1000));
    Responder.join();
    return Micros;
}

// Microseconds per exchange of the raw client loop against the virtual
// module: the same responder as the module link's, without the link.
std::vector<double> RawAgainstModule(const std::string& Folder)
{
    VirtualModuleOptions Options;
    Options.RuntimeFolder = Folder;
    Options.Delay = std::chrono::milliseconds(0);
    VirtualModule Module;
    SerialDevice Device;
    if (!Module.Start(Options).Ok() || !Device.Open(Module.DevicePath()).Ok() ||
        !Device.Configure({115200, Parity::None}).Ok())
        return {};
    const Frame Request = BuildReadAll();
    std::vector<double> Micros;
    for (int i = 0; i < Warmup + Rounds; ++i)
    {
        const auto Start = Clock::now();
        uint8_t Reply[FrameSize];
        if (!Device.Write(Request, std::chrono::milliseconds(1000)).Error.Ok() ||
            !ReadExactly(Device.Fd(), Reply, FrameSize))
            break;
        if (i >= Warmup)
            Micros.push_back(
                std::chrono::duration<double, std::micro>(Clock::now() - Start).count());
    }
    return Micros;
}

LRESULT Procedure(HWND Window, UINT Message, WPARAM WParam, LPARAM LParam)
{
    return DefWindowProc(Window, Message, WParam, LParam);
}

// Microseconds per exchange through the module link and a posted message.
std::vector<double> LinkLoop(const std::string& Folder)
{
    VirtualModuleOptions Options;
    Options.RuntimeFolder = Folder;
    Options.Delay = std::chrono::milliseconds(0);
    VirtualModule Module;
    if (!Module.Start(Options).Ok()) return {};

    WNDCLASSEX Class{};
    Class.cbSize = sizeof Class;
    Class.lpfnWndProc = &Procedure;
    Class.lpszClassName = "BenchLinkTarget";
    RegisterClassEx(&Class);
    HWND Window = CreateWindowEx(0, "BenchLinkTarget", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                 nullptr, nullptr);
    const UINT Message = RegisterWindowMessage(ReplyMessageName);

    TelvaroSerial Link;
    Link.SetPortMap(PortMap(PortFolders{"", Folder}));
    Link.SetNotifyTarget(Window, Message);
    std::vector<double> Micros;
    if (!Link.Open(Module.PortNumber(), 115200, 0)) return Micros;
    for (int i = 0; i < Warmup + Rounds; ++i)
    {
        const auto Start = Clock::now();
        if (!Link.SendReadAll()) break;
        MSG Msg{};
        bool Replied = false;
        while (!Replied && GetMessage(&Msg, nullptr, 0, 0) > 0)
        {
            Replied = Msg.message == Message && Msg.wParam == ReplyOk;
            DispatchMessage(&Msg);
        }
        if (i >= Warmup)
            Micros.push_back(
                std::chrono::duration<double, std::micro>(Clock::now() - Start).count());
    }
    Link.Close();
    DestroyWindow(Window);
    return Micros;
}
} // namespace

int main()
{
    char Pattern[] = "/tmp/novla-bench-XXXXXX";
    const char* Root = mkdtemp(Pattern);
    if (!Root) return 1;
    const std::string Folder = std::string(Root) + "/novla-tool/ports";

    const std::vector<double> Raw = RawLoop();
    const std::vector<double> RawModule = RawAgainstModule(Folder);
    const std::vector<double> Linked = LinkLoop(Folder);
    std::string Cleanup = "rm -rf '" + std::string(Root) + "'";
    (void)!std::system(Cleanup.c_str());
    if (Raw.size() != Rounds || RawModule.size() != Rounds || Linked.size() != Rounds)
    {
        std::fprintf(
            stderr,
            "bench_serial_latency: an exchange failed (%zu raw, %zu raw/module, %zu link)\n",
            Raw.size(), RawModule.size(), Linked.size());
        return 1;
    }
    const double RawMedian = Percentile(Raw, 0.5), RawModuleMedian = Percentile(RawModule, 0.5),
                 LinkMedian = Percentile(Linked, 0.5);
    std::printf("exchanges per loop:                        %d (after %d warm-up)\n", Rounds,
                Warmup);
    std::printf("raw pty reference (echo thread):           median %8.1f us   p90 %8.1f us\n",
                RawMedian, Percentile(Raw, 0.9));
    std::printf("raw client against the virtual module:     median %8.1f us   p90 %8.1f us\n",
                RawModuleMedian, Percentile(RawModule, 0.9));
    std::printf("request to posted reply (module link):     median %8.1f us   p90 %8.1f us\n",
                LinkMedian, Percentile(Linked, 0.9));
    std::printf("ratio of medians, link / raw reference:    %.2f\n", LinkMedian / RawMedian);
    std::printf("ratio of medians, link / raw on the module: %.2f\n", LinkMedian / RawModuleMedian);
    return 0;
}
