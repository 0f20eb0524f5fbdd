// Opens the demo window on real windows (SDL) or, with --headless, renders
// it in memory and writes a screenshot. Prints "click <panel>" for every
// click on a panel and "first-frame-ms <n>" once the first frame is shown.

#include "DemoWindow.h"

#include "platform/win/headless/HeadlessDesktop.h"
#include "platform/win/sdl/StartBackend.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

namespace
{
struct TArguments
{
    TDemoOptions Demo;
    bool Headless = false;
    std::string Screenshot;
    int ExitAfterMs = 0;
};

bool ParseInt(const char* Text, int& Out)
{
    char* End = nullptr;
    long Value = std::strtol(Text, &End, 10);
    if (!*Text || *End || Value < -100000 || Value > 100000) return false;
    Out = static_cast<int>(Value);
    return true;
}

bool Parse(int Argc, char** Argv, TArguments& Out)
{
    for (int I = 1; I < Argc; ++I)
    {
        std::string Arg = Argv[I];
        const char* Value = I + 1 < Argc ? Argv[I + 1] : nullptr;
        auto Number = [&](int& Target)
        {
            if (!Value || !ParseInt(Value, Target)) return false;
            ++I;
            return true;
        };
        if (Arg == "--headless")
            Out.Headless = true;
        else if (Arg == "--screenshot" && Value)
            Out.Screenshot = Argv[++I];
        else if (Arg == "--x"               ? !Number(Out.Demo.X)
                 : Arg == "--y"             ? !Number(Out.Demo.Y)
                 : Arg == "--width"         ? !Number(Out.Demo.Width)
                 : Arg == "--height"        ? !Number(Out.Demo.Height)
                 : Arg == "--panels"        ? !Number(Out.Demo.Panels)
                 : Arg == "--round"         ? !Number(Out.Demo.Round)
                 : Arg == "--exit-after-ms" ? !Number(Out.ExitAfterMs)
                                            : true)
            return false;
    }
    return Out.Demo.Width > 0 && Out.Demo.Height > 0 && Out.Demo.Panels >= 0;
}

void QuitOnTimer(HWND, UINT, UINT_PTR, DWORD)
{
    PostQuitMessage(0);
}
} // namespace

int main(int Argc, char** Argv)
{
    const auto Start = std::chrono::steady_clock::now();
    TArguments Args;
    if (!Parse(Argc, Argv, Args))
    {
        std::fprintf(stderr,
                     "usage: win-demo [--headless] [--screenshot FILE.png|FILE.bmp] [--x N] [--y "
                     "N] [--width N]\n"
                     "                [--height N] [--panels N] [--round N] [--exit-after-ms N]\n");
        return 1;
    }
    Args.Demo.OnClick = [](const std::string& Name)
    {
        std::printf("click %s\n", Name.c_str());
        std::fflush(stdout);
    };

    std::string Error;
    std::unique_ptr<TBackend> Backend = StartBackend(Args.Headless, Error);
    if (!Backend)
    {
        std::fprintf(stderr, "win-demo: %s (try --headless)\n", Error.c_str());
        return 2;
    }
    auto* Headless = dynamic_cast<THeadlessDesktop*>(Backend.get());
    HWND Window = CreateDemoWindow(Args.Demo);
    if (!Window)
    {
        std::fprintf(stderr, "win-demo: the window could not be created\n");
        return 2;
    }
    // Everything that is due gets painted and presented before the queue
    // reports empty.
    MSG Msg;
    while (PeekMessage(&Msg, nullptr, 0, 0, PM_REMOVE))
    {
        TranslateMessage(&Msg);
        DispatchMessage(&Msg);
    }
    auto Elapsed = std::chrono::duration_cast<std::chrono::microseconds>(
        std::chrono::steady_clock::now() - Start);
    std::printf("first-frame-ms %.2f\n", static_cast<double>(Elapsed.count()) / 1000.0);
    std::fflush(stdout);

    if (Headless)
    {
        if (!Args.Screenshot.empty() && !Headless->SaveScreenshot(Args.Screenshot))
        {
            std::fprintf(stderr, "win-demo: cannot write %s\n", Args.Screenshot.c_str());
            return 3;
        }
        DestroyWindow(Window);
        return 0;
    }
    if (Args.ExitAfterMs > 0)
        SetTimer(nullptr, 0, static_cast<UINT>(Args.ExitAfterMs), QuitOnTimer);
    while (GetMessage(&Msg, nullptr, 0, 0) > 0)
    {
        TranslateMessage(&Msg);
        DispatchMessage(&Msg);
    }
    if (IsWindow(Window)) DestroyWindow(Window);
    return 0;
}
