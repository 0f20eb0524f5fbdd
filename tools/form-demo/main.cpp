// Opens a small form built from an embedded form definition, on real
// windows (SDL) or, with --headless, in memory, writing a screenshot.
// Prints "shown X Y" (the screen position of the form's client area) once
// the form is on screen and "click OK" for the OK button.

#include "DemoForm.h"

#include "framework/ClassRegistry.h"
#include "framework/controls/Application.h"
#include "platform/win/WinApi.h"
#include "platform/win/headless/HeadlessDesktop.h"
#include "platform/win/sdl/StartBackend.h"

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

namespace
{
struct TArguments
{
    bool Headless = false;
    std::string Screenshot;
    int ExitAfterMs = 0;
};

bool Parse(int Argc, char** Argv, TArguments& Out)
{
    for (int I = 1; I < Argc; ++I)
    {
        std::string Arg = Argv[I];
        if (Arg == "--headless")
            Out.Headless = true;
        else if (Arg == "--screenshot" && I + 1 < Argc)
            Out.Screenshot = Argv[++I];
        else if (Arg == "--exit-after-ms" && I + 1 < Argc)
        {
            char* End = nullptr;
            long Value = std::strtol(Argv[++I], &End, 10);
            if (*End || Value < 0 || Value > 3600000) return false;
            Out.ExitAfterMs = static_cast<int>(Value);
        }
        else
            return false;
    }
    return true;
}

void QuitOnTimer(HWND, UINT, UINT_PTR, DWORD)
{
    if (Application) Application->Terminate();
}
} // namespace

int main(int Argc, char** Argv)
{
    TArguments Args;
    if (!Parse(Argc, Argv, Args))
    {
        std::fprintf(stderr, "usage: form-demo [--headless] [--screenshot FILE.png|FILE.bmp] "
                             "[--exit-after-ms N]\n");
        return 1;
    }
    std::string Error;
    std::unique_ptr<TBackend> Backend = StartBackend(Args.Headless, Error);
    if (!Backend)
    {
        std::fprintf(stderr, "form-demo: %s (try --headless)\n", Error.c_str());
        return 2;
    }
    auto* Headless = dynamic_cast<THeadlessDesktop*>(Backend.get());

    try
    {
        TApplication App;
        App.Initialize();
        App.SetTitle("novla form-demo");
        RegisterClass(TDemoForm::StaticClass());
        TDemoForm* DemoForm = nullptr;
        App.CreateForm(DemoForm);
        DemoForm->Show();
        App.ProcessMessages();
        TPoint Origin = DemoForm->ClientOrigin();
        std::printf("shown %d %d\n", Origin.X, Origin.Y);
        std::fflush(stdout);
        if (Headless)
        {
            if (!Args.Screenshot.empty() && !Headless->SaveScreenshot(Args.Screenshot))
            {
                std::fprintf(stderr, "form-demo: cannot write %s\n", Args.Screenshot.c_str());
                return 3;
            }
            return 0;
        }
        if (Args.ExitAfterMs > 0)
            SetTimer(nullptr, 0, static_cast<UINT>(Args.ExitAfterMs), QuitOnTimer);
        App.Run();
    }
    catch (const std::exception& E)
    {
        std::fprintf(stderr, "form-demo: %s\n", E.what());
        return 2;
    }
    return 0;
}
