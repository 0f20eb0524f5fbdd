// CPU time of a process that holds an open, idle port for 5 s: the receive
// thread waits on the device, the calling thread waits in its message loop
// for a 5 s window timer, as the window would between requests.
#include "platform/comm/PseudoTerminal.h"
#include "platform/win/WinApi.h"
#include "serial/TelvaroSerial.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/resource.h>
#include <unistd.h>

namespace
{
double CpuMilliseconds()
{
    rusage Usage{};
    getrusage(RUSAGE_SELF, &Usage);
    auto Ms = [](const timeval& T)
    { return static_cast<double>(T.tv_sec) * 1000.0 + T.tv_usec / 1000.0; };
    return Ms(Usage.ru_utime) + Ms(Usage.ru_stime);
}

LRESULT Procedure(HWND Window, UINT Message, WPARAM WParam, LPARAM LParam)
{
    if (Message == WM_TIMER) PostQuitMessage(0);
    return DefWindowProc(Window, Message, WParam, LParam);
}
} // namespace

int main()
{
    char Pattern[] = "/tmp/novla-bench-XXXXXX";
    const char* Root = mkdtemp(Pattern);
    if (!Root) return 1;
    const std::string Folder = std::string(Root) + "/ports";
    PseudoTerminal Peer;
    if (!EnsurePrivateFolder(Folder).Ok() || !Peer.Create().Ok() ||
        symlink(Peer.DevicePath().c_str(), (Folder + "/com250").c_str()) != 0)
        return 1;

    WNDCLASSEX Class{};
    Class.cbSize = sizeof Class;
    Class.lpfnWndProc = &Procedure;
    Class.lpszClassName = "BenchIdle";
    RegisterClassEx(&Class);
    HWND Window =
        CreateWindowEx(0, "BenchIdle", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);

    TelvaroSerial Link;
    Link.SetPortMap(PortMap(PortFolders{"", Folder}));
    Link.SetNotifyTarget(Window, RegisterWindowMessage(ReplyMessageName));
    if (!Link.Open(250, 9600, 0)) return 1;

    const double CpuBefore = CpuMilliseconds();
    const auto WallBefore = std::chrono::steady_clock::now();
    SetTimer(Window, 1, 5000, nullptr);
    MSG Msg{};
    while (GetMessage(&Msg, nullptr, 0, 0) > 0)
        DispatchMessage(&Msg);
    const double Cpu = CpuMilliseconds() - CpuBefore;
    const double Wall =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - WallBefore)
            .count();

    const auto CloseStart = std::chrono::steady_clock::now();
    Link.Close();
    const double CloseMs =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - CloseStart)
            .count();
    DestroyWindow(Window);
    std::string Cleanup = "rm -rf '" + std::string(Root) + "'";
    (void)!std::system(Cleanup.c_str());

    std::printf("open idle port held for:  %.0f ms wall\n", Wall);
    std::printf("CPU time (user + system): %.2f ms (%.4f %% of one core)\n", Cpu,
                100.0 * Cpu / Wall);
    std::printf("close of the idle port:   %.3f ms\n", CloseMs);
    return 0;
}
