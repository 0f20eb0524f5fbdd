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
#include "tools/common/DemoCommandLine.h"

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

namespace
{
void QuitOnTimer(HWND, UINT, UINT_PTR, DWORD)
{
    if (Application) Application->Terminate();
}
} // namespace

int main(int Argc, char** Argv)
{
    DemoCommandLine Args;
    std::string Problem;
    if (!Args.Parse(Argc, Argv, Problem))
    {
        std::fprintf(stderr, "form-demo: %s\nusage: form-demo %s\n", Problem.c_str(),
                     DemoCommandLine::CommonUsage);
        return 1;
    }
    std::string Error;
    std::unique_ptr<TBackend> Backend = StartBackend(Args.Headless(), Error);
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
            if (!Args.Screenshot().empty() && !Headless->SaveScreenshot(Args.Screenshot()))
            {
                std::fprintf(stderr, "form-demo: cannot write %s\n", Args.Screenshot().c_str());
                return 3;
            }
            return 0;
        }
        if (Args.ExitAfterMs() > 0)
            SetTimer(nullptr, 0, static_cast<UINT>(Args.ExitAfterMs()), QuitOnTimer);
        App.Run();
    }
    catch (const std::exception& E)
    {
        std::fprintf(stderr, "form-demo: %s\n", E.what());
        return 2;
    }
    return 0;
}
