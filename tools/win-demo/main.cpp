// Opens the demo window on real windows (SDL) or, with --headless, renders
// it in memory and writes a screenshot. Prints "click <panel>" for every
// click on a panel and "first-frame-ms <n>" once the first frame is shown.

#include "DemoWindow.h"

#include "platform/win/WinApi.h"
#include "platform/win/headless/HeadlessDesktop.h"
#include "platform/win/sdl/StartBackend.h"
#include "tools/common/DemoCommandLine.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

namespace
{
// The demo window's options and the real windows' scale; false with Error
// on a bad value.
bool ReadDemoOptions(const OptionParser& Options, TDemoOptions& Demo, int& Scale,
                     std::string& Error)
{
    const std::pair<const char*, int*> Numbers[] = {
        {"--x", &Demo.X},           {"--y", &Demo.Y},           {"--width", &Demo.Width},
        {"--height", &Demo.Height}, {"--panels", &Demo.Panels}, {"--round", &Demo.Round}};
    for (const auto& [Name, Target] : Numbers)
    {
        const auto Text = Options.Value(Name);
        if (!Text) continue;
        long Value = 0;
        if (!ParseIntegerOption(*Text, -100000, 100000, Value))
        {
            Error = std::string(Name) + " '" + *Text + "' is not a number";
            return false;
        }
        *Target = static_cast<int>(Value);
    }
    if (Demo.Width <= 0 || Demo.Height <= 0 || Demo.Panels < 0)
    {
        Error = "the width and height must be positive and the panel count not negative";
        return false;
    }
    if (const auto Text = Options.Value("--scale"))
    {
        long Value = 0;
        if (!ParseIntegerOption(*Text, 1, 3, Value))
        {
            Error = "--scale '" + *Text + "' is not 1, 2 or 3";
            return false;
        }
        Scale = static_cast<int>(Value);
    }
    return true;
}

void QuitOnTimer(HWND, UINT, UINT_PTR, DWORD)
{
    PostQuitMessage(0);
}
} // namespace

int main(int Argc, char** Argv)
{
    const auto Start = std::chrono::steady_clock::now();
    DemoCommandLine Args({{"--x", true},
                          {"--y", true},
                          {"--width", true},
                          {"--height", true},
                          {"--panels", true},
                          {"--round", true},
                          {"--scale", true}});
    TDemoOptions Demo;
    int Scale = 1;
    std::string Problem;
    if (!Args.Parse(Argc, Argv, Problem) || !ReadDemoOptions(Args.Options(), Demo, Scale, Problem))
    {
        std::fprintf(stderr,
                     "win-demo: %s\nusage: win-demo %s [--x N] [--y N] [--width N]\n"
                     "                [--height N] [--panels N] [--round N] [--scale 1|2|3]\n",
                     Problem.c_str(), DemoCommandLine::CommonUsage);
        return 1;
    }
    Demo.OnClick = [](const std::string& Name)
    {
        std::printf("click %s\n", Name.c_str());
        std::fflush(stdout);
    };

    std::string Error;
    std::unique_ptr<TBackend> Backend = StartBackend(Args.Headless(), Error, Scale);
    if (!Backend)
    {
        std::fprintf(stderr, "win-demo: %s (try --headless)\n", Error.c_str());
        return 2;
    }
    auto* Headless = dynamic_cast<THeadlessDesktop*>(Backend.get());
    HWND Window = CreateDemoWindow(Demo);
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
        if (!Args.Screenshot().empty() && !Headless->SaveScreenshot(Args.Screenshot()))
        {
            std::fprintf(stderr, "win-demo: cannot write %s\n", Args.Screenshot().c_str());
            return 3;
        }
        DestroyWindow(Window);
        return 0;
    }
    if (Args.ExitAfterMs() > 0)
        SetTimer(nullptr, 0, static_cast<UINT>(Args.ExitAfterMs()), QuitOnTimer);
    while (GetMessage(&Msg, nullptr, 0, 0) > 0)
    {
        TranslateMessage(&Msg);
        DispatchMessage(&Msg);
    }
    if (IsWindow(Window)) DestroyWindow(Window);
    return 0;
}
