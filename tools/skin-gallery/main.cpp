// Shows every skinned control built so far in one window, in the style
// given with --style NAME (Protein when none), on real windows (SDL) or,
// with --headless, in memory, writing a screenshot (PNG or BMP by the
// file's extension). --show-menu opens a skinned popup menu over the
// window for the picture; --drop-combo drops the first enabled combo box.
#include "GallerySection.h"

#include "framework/controls/Application.h"
#include "framework/controls/CustomPanel.h"
#include "framework/controls/Form.h"
#include "framework/menus/MenuItem.h"
#include "framework/menus/MenuLoop.h"
#include "platform/win/WinApi.h"
#include "platform/win/headless/HeadlessDesktop.h"
#include "platform/win/sdl/StartBackend.h"
#include "skin/SUIComboBox.h"
#include "skin/SUIPopupMenu.h"
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

// A menu with one item in each state the skin draws differently.
TsuiPopupMenu* BuildMenu(TForm* Form, TsuiUIStyle Style)
{
    auto* Menu = new TsuiPopupMenu(Form);
    Menu->SetUIStyle(Style);
    auto Add = [&](const std::string& Caption)
    {
        auto* Item = new TMenuItem(Form);
        Item->SetCaption(Caption);
        Menu->Items()->Add(Item);
        return Item;
    };
    Add("&Connect");
    Add("&Disconnect")->SetEnabled(false);
    Add("-");
    Add("&Auto reconnect")->SetChecked(true);
    Add("E&xit");
    Menu->MenuAdded();
    return Menu;
}

TsuiComboBox* FirstEnabledCombo(TComponent* Owner)
{
    for (int I = 0; I < Owner->ComponentCount(); ++I)
        if (auto* Combo = dynamic_cast<TsuiComboBox*>(Owner->Components(I));
            Combo && Combo->Enabled())
            return Combo;
    return nullptr;
}
} // namespace

int main(int Argc, char** Argv)
{
    DemoCommandLine Args({{"--style", true}, {"--show-menu", false}, {"--drop-combo", false}});
    std::string Problem;
    TsuiUIStyle Style = Protein;
    bool Ok = Args.Parse(Argc, Argv, Problem);
    if (Ok)
        if (auto Name = Args.Options().Value("--style"); Name && !StyleByName(*Name, Style))
        {
            Problem = "unknown style '" + *Name + "' (MacOS, WinXP, DeepBlue, Protein, BlueGlass)";
            Ok = false;
        }
    if (Ok && Args.Options().Has("--show-menu") && Args.Options().Has("--drop-combo"))
    {
        // Opening the menu would close the dropped list again.
        Problem = "--show-menu and --drop-combo exclude each other";
        Ok = false;
    }
    if (!Ok)
    {
        std::fprintf(stderr,
                     "skin-gallery: %s\nusage: skin-gallery [--style NAME] %s [--show-menu | "
                     "--drop-combo]\n",
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
        auto Shoot = [&]
        {
            if (!Headless || Args.Screenshot().empty()) return;
            if (!Headless->SaveScreenshot(Args.Screenshot()))
            {
                std::fprintf(stderr, "skin-gallery: cannot write %s\n", Args.Screenshot().c_str());
                Result = 3;
            }
        };
        if (Args.Options().Has("--drop-combo"))
            if (TsuiComboBox* Combo = FirstEnabledCombo(Form))
            {
                Combo->SetDroppedDown(true);
                App.ProcessMessages();
            }
        if (Args.Options().Has("--show-menu"))
        {
            // The picture is taken once the open menu waits for input; the
            // headless run then closes it, a real one leaves it to the user.
            TsuiPopupMenu* Menu = BuildMenu(Form, Style);
            auto Old = Form->WindowProc;
            Form->WindowProc = [&, Old](TMessage& M)
            {
                if (M.Msg != WM_ENTERIDLE || M.WParam != MSGF_MENU || !Headless) return Old(M);
                Shoot();
                TMenuLoop::Current()->Cancel();
            };
            TPoint At = Form->ClientToScreen({GalleryWidth / 3, 40});
            Menu->Popup(At.X, At.Y);
            Form->WindowProc = Old;
        }
        else if (Headless)
            Shoot();
        if (Headless) return Result;
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
