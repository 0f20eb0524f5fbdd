#include "tools/common/DemoRunner.h"

#include "framework/controls/Application.h"
#include "framework/controls/Form.h"
#include "framework/menus/MenuLoop.h"
#include "platform/win/WinApi.h"
#include "platform/win/headless/HeadlessDesktop.h"
#include "platform/win/sdl/StartBackend.h"

#include <cstdio>
#include <exception>
#include <memory>
#include <utility>

namespace
{
void QuitOnTimer(HWND, UINT, UINT_PTR, DWORD)
{
    if (Application) Application->Terminate();
}
} // namespace

TDemoRunner::TDemoRunner(std::string Program, const DemoCommandLine& Args)
    : FProgram(std::move(Program)), FArgs(Args)
{
}

int TDemoRunner::Run(const std::string& Title, const std::function<void(TDemoRunner&)>& Show)
{
    std::string Error;
    std::unique_ptr<TBackend> Backend = StartBackend(FArgs.Headless(), Error);
    if (!Backend)
    {
        std::fprintf(stderr, "%s: %s\n", FProgram.c_str(), Error.c_str());
        return 2;
    }
    FHeadless = dynamic_cast<THeadlessDesktop*>(Backend.get());
    try
    {
        TApplication App;
        App.Initialize();
        App.SetTitle(Title);
        Show(*this);
        if (FHeadless)
        {
            if (!FShot) Shoot();
            return FResult;
        }
        if (FArgs.ExitAfterMs() > 0)
            SetTimer(nullptr, 0, static_cast<UINT>(FArgs.ExitAfterMs()), QuitOnTimer);
        App.Run();
    }
    catch (const std::exception& E)
    {
        std::fprintf(stderr, "%s: %s\n", FProgram.c_str(), E.what());
        return 2;
    }
    return FResult;
}

void TDemoRunner::Shoot()
{
    FShot = true;
    if (!FHeadless || FArgs.Screenshot().empty()) return;
    if (!FHeadless->SaveScreenshot(FArgs.Screenshot()))
    {
        std::fprintf(stderr, "%s: cannot write %s\n", FProgram.c_str(), FArgs.Screenshot().c_str());
        FResult = 3;
    }
}

void TDemoRunner::ShootWithMenuOpen(TForm* Form, const std::function<void()>& OpenMenu)
{
    auto Old = Form->WindowProc;
    Form->WindowProc = [&, Old](TMessage& M)
    {
        if (M.Msg != WM_ENTERIDLE || M.WParam != MSGF_MENU || !FHeadless) return Old(M);
        Shoot();
        if (TMenuLoop* Loop = TMenuLoop::Current()) Loop->Cancel();
    };
    OpenMenu();
    Form->WindowProc = Old;
}
