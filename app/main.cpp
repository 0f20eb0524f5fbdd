// novla-tool: the radio module's configuration window.
#include "app/MainForm.h"
#include "app/ToolLook.h"
#include "app/ToolOptions.h"
#include "framework/Exception.h"
#include "framework/controls/Application.h"
#include "platform/comm/StandardDescriptors.h"
#include "platform/gfx/Enlarge.h"
#include "platform/gfx/PictureFile.h"
#include "platform/win/WinApi.h"
#include "platform/win/headless/HeadlessDesktop.h"
#include "platform/win/sdl/StartBackend.h"

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace
{
// The window as a user sees it, frame included, cut from the screen and
// enlarged by Scale as a screen with that many times the pixels shows it.
bool SaveWindowPicture(const THeadlessDesktop& Desktop, HWND Window, int Scale,
                       const std::string& Path)
{
    RECT R{};
    if (!GetWindowRect(Window, &R) || R.right <= R.left || R.bottom <= R.top) return false;
    const TSurface Screen = Desktop.Screen();
    TSurface Picture(R.right - R.left, R.bottom - R.top);
    for (int Y = 0; Y < Picture.Height(); ++Y)
        for (int X = 0; X < Picture.Width(); ++X)
        {
            const int SX = R.left + X, SY = R.top + Y;
            if (SX >= 0 && SY >= 0 && SX < Screen.Width() && SY < Screen.Height())
                Picture.Row(Y)[X] = Screen.Row(SY)[SX];
        }
    if (Scale > 1) Picture = Enlarged(Picture, Scale);
    return !Picture.IsEmpty() && SavePicture(Path, Picture) == TCodecStatus::Ok;
}

// Builds the window and runs it until it closes; on the in-memory desktop
// only until it is shown and pictured.
int RunWindow(const TToolOptions& Options, THeadlessDesktop* Headless)
{
    TApplication App;
    try
    {
        App.Initialize();
        App.SetTitle("NOVLA TOOL");
        App.Icon()->LoadFromResourceName("MAINICON");
        RegisterMainFormClasses();
        App.CreateForm(MainForm);
        if (!Options.NoSettings) MainForm->SettingsFile = TSettingsFile::DefaultPath();
        MainForm->Preselected = Options.Line;
        std::string LookError;
        if (!ApplyToolLook(*MainForm, Options, LookError))
            std::fprintf(stderr, "novla-tool: %s; keeping the built-in look\n", LookError.c_str());
        if (Headless)
        {
            MainForm->Show();
            App.ProcessMessages();
            if (!Options.Screenshot.empty() &&
                !SaveWindowPicture(*Headless, MainForm->Handle(), Options.Scale,
                                   Options.Screenshot))
            {
                std::fprintf(stderr, "novla-tool: cannot write %s\n", Options.Screenshot.c_str());
                return 3;
            }
            return 0;
        }
        App.Run();
    }
    catch (const std::exception& E)
    {
        // Nobody could close a message box on the in-memory desktop.
        if (Headless)
            std::fprintf(stderr, "novla-tool: %s\n", E.what());
        else
            App.ShowException(E);
    }
    catch (...)
    {
        if (Headless)
            std::fprintf(stderr, "novla-tool: unknown failure\n");
        else
            App.ShowException(Exception(""));
    }
    return 0;
}
} // namespace

int main(int Argc, char** Argv)
{
    // Before anything is opened: a port must never become standard output.
    if (!EnsureStandardDescriptors())
    {
        std::fprintf(stderr,
                     "novla-tool: /dev/null cannot be opened for a closed standard descriptor\n");
        return 1;
    }
    TToolOptions Options;
    std::string Error;
    if (!ParseToolOptions(std::vector<std::string>(Argv + 1, Argv + Argc), Options, Error))
    {
        std::fprintf(stderr, "novla-tool: %s\n%s", Error.c_str(), ToolUsage().c_str());
        return 1;
    }
    if (Options.Help)
    {
        std::fputs(ToolUsage().c_str(), stdout);
        return 0;
    }
    if (Options.Version)
    {
        std::printf("%s\n", ToolVersion().c_str());
        return 0;
    }
    std::unique_ptr<TBackend> Backend = StartBackend(Options.Headless, Error, Options.Scale);
    if (!Backend)
    {
        std::fprintf(stderr,
                     "novla-tool: %s\n(without a display, novla-tool --headless --screenshot "
                     "FILE.png writes a picture of the window)\n",
                     Error.c_str());
        return 2;
    }
    return RunWindow(Options, dynamic_cast<THeadlessDesktop*>(Backend.get()));
}
