// Shows every skinned control built so far in one window, in the style
// given with --style NAME (Protein when none), on real windows (SDL) or,
// with --headless, in memory, writing a screenshot (PNG or BMP by the
// file's extension).
#include "GallerySection.h"

#include "framework/controls/Application.h"
#include "framework/controls/CustomPanel.h"
#include "framework/controls/Form.h"
#include "platform/win/WinApi.h"
#include "platform/win/headless/HeadlessDesktop.h"
#include "platform/win/sdl/StartBackend.h"
#include "tools/common/DemoCommandLine.h"

#include <cstdio>
#include <string>
#include <strings.h>

namespace
{
void QuitOnTimer(HWND, UINT, UINT_PTR, DWORD)
{
    if (Application) Application->Terminate();
}

bool StyleByName(const std::string& Name, TsuiUIStyle& Style)
{
    const auto& Names = UIStyleNames();
    for (size_t I = 1; I < Names.size(); ++I)
        if (strcasecmp(Names[I].c_str(), Name.c_str()) == 0)
        {
            Style = static_cast<TsuiUIStyle>(I);
            return true;
        }
    return false;
}

constexpr int GalleryWidth = 540;
} // namespace

int main(int Argc, char** Argv)
{
    DemoCommandLine Args({{"--style", true}});
    std::string Problem;
    TsuiUIStyle Style = Protein;
    bool Ok = Args.Parse(Argc, Argv, Problem);
    if (Ok)
        if (auto Name = Args.Options().Value("--style"); Name && !StyleByName(*Name, Style))
        {
            Problem = "unknown style '" + *Name + "' (MacOS, WinXP, DeepBlue, Protein, BlueGlass)";
            Ok = false;
        }
    if (!Ok)
    {
        std::fprintf(stderr, "skin-gallery: %s\nusage: skin-gallery [--style NAME] %s\n",
                     Problem.c_str(), DemoCommandLine::CommonUsage);
        return 1;
    }
    std::string Error;
    std::unique_ptr<TBackend> Backend = StartBackend(Args.Headless(), Error);
    if (!Backend)
    {
        std::fprintf(stderr, "skin-gallery: %s\n", Error.c_str());
        return 2;
    }
    auto* Headless = dynamic_cast<THeadlessDesktop*>(Backend.get());
    int Result = 0;
    try
    {
        TApplication App;
        App.Initialize();
        App.SetTitle("novla skinned controls");
        auto* Form = new TForm(&App);
        Form->SetCaption("Skinned controls - " + UIStyleNames()[Style]);
        Form->SetBorderStyle(bsSizeable);
        Form->SetColor(GetInsideThemeColor(Style, SUI_ITEM_FORM_COLOR));
        Form->SetBounds(20, 20, GalleryWidth + 16, 100);
        int Top = 0;
        for (const TGallerySection& Section : GallerySections())
        {
            auto* Host = new TCustomPanel(Form);
            Host->SetBevelOuter(bvNone);
            Host->SetParentColor(true);
            Host->SetBounds(0, Top, GalleryWidth, 10);
            Host->SetParent(Form);
            const int Height = Section.Build(Form, Host, Style);
            Host->SetHeight(Height);
            Top += Height;
        }
        Form->SetClientHeight(Top);
        Form->Show();
        App.ProcessMessages();
        if (Headless)
        {
            if (!Args.Screenshot().empty() && !Headless->SaveScreenshot(Args.Screenshot()))
            {
                std::fprintf(stderr, "skin-gallery: cannot write %s\n", Args.Screenshot().c_str());
                Result = 3;
            }
            return Result;
        }
        if (Args.ExitAfterMs() > 0)
            SetTimer(nullptr, 0, static_cast<UINT>(Args.ExitAfterMs()), QuitOnTimer);
        App.Run();
    }
    catch (const std::exception& E)
    {
        std::fprintf(stderr, "skin-gallery: %s\n", E.what());
        return 2;
    }
    return Result;
}
