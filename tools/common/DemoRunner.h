#pragma once

#include "tools/common/DemoCommandLine.h"

#include <functional>
#include <string>

class TForm;
class THeadlessDesktop;

// The start-up and screenshot steps the demo windows share: the backend
// chosen by the command line, the application object, the picture of the
// in-memory desktop, and a real-window run until the window closes or
// --exit-after-ms ends it. Messages go to standard error under the
// program's name.
//
// Exit codes: 0 done, 2 no backend or a failure while the window was built
// or run, 3 the screenshot could not be written.
class TDemoRunner
{
  public:
    TDemoRunner(std::string Program, const DemoCommandLine& Args);

    // Starts the backend and the application titled Title, and calls Show,
    // which builds and shows the window. A headless run then writes the
    // screenshot (unless Show already took it) and ends; a real one runs the
    // application.
    int Run(const std::string& Title, const std::function<void(TDemoRunner&)>& Show);

    // Null on real windows.
    THeadlessDesktop* Headless() const { return FHeadless; }
    // Writes the screenshot now, when one was asked for.
    void Shoot();
    // Runs OpenMenu, which opens a menu of Form and returns when the menu
    // closes. Headless, the picture is taken once the open menu waits for
    // input and the menu is then cancelled; on real windows it is left to
    // the user.
    void ShootWithMenuOpen(TForm* Form, const std::function<void()>& OpenMenu);

  private:
    std::string FProgram;
    const DemoCommandLine& FArgs;
    THeadlessDesktop* FHeadless = nullptr;
    bool FShot = false;
    int FResult = 0;
};
