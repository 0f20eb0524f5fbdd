// Shows the skinned controls of one gallery page (--page NAME, "basic"
// when none is given) in one skinned window with a
// menu bar, in the style given with --style NAME (Protein when none) or in
// the look of the skin file given with --skin FILE [--password P], on real
// windows (SDL) or, with --headless, in memory, writing a screenshot (PNG
// or BMP by the file's extension). --show-menu opens a skinned popup menu
// over the window for the picture; --drop-combo drops the first enabled
// combo box.
// --list-pages prints the page names, one per line, and exits.
// --landmarks prints the screen rectangle of the window ("window L T R B"),
// its title bar ("titlebar ..."), its menu bar ("menubar ..."), the point
// the menu opens at ("menu X Y") and every named control ("NAME L T R B")
// once the window is shown, for checks.
#include "GallerySection.h"

#include "framework/controls/Application.h"
#include "framework/controls/CustomPanel.h"
#include "framework/controls/Form.h"
#include "framework/menus/MenuItem.h"
#include "platform/win/WinApi.h"
#include "skin/SUIComboBox.h"
#include "skin/SUIForm.h"
#include "skin/SUIMainMenu.h"
#include "skin/SUIMenuBar.h"
#include "skin/SUIPopupMenu.h"
#include "skin/SUIThemeManager.h"
#include "skinfiles/SUISkinFileTheme.h"
#include "tools/common/DemoRunner.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace
{
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

// The window's main menu, shown by the skinned form's menu bar.
TsuiMainMenu* BuildMainMenu(TForm* Form, TsuiUIStyle Style)
{
    auto* Menu = new TsuiMainMenu(Form);
    Menu->SetName("MainMenu");
    Menu->SetUIStyle(Style);
    auto Add = [&](TMenuItem* Parent, const std::string& Caption)
    {
        auto* Item = new TMenuItem(Form);
        Item->SetCaption(Caption);
        Parent->Add(Item);
        return Item;
    };
    TMenuItem* Module = Add(Menu->Items(), "&Module");
    Add(Module, "&Read all");
    Add(Module, "&Write all");
    Add(Module, "-");
    Add(Module, "E&xit");
    Add(Add(Menu->Items(), "&View"), "&Status bar")->SetChecked(true);
    Add(Add(Menu->Items(), "&Help"), "&About");
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

void PrintRect(const std::string& Name, const RECT& R)
{
    std::printf("%s %ld %ld %ld %ld\n", Name.c_str(), static_cast<long>(R.left),
                static_cast<long>(R.top), static_cast<long>(R.right), static_cast<long>(R.bottom));
}

// The outer rectangle of Control on the screen.
RECT ScreenRect(const TControl* Control)
{
    RECT R{};
    if (auto* Windowed = dynamic_cast<const TWinControl*>(Control))
        GetWindowRect(Windowed->Handle(), &R);
    else
    {
        const TPoint P = Control->ClientToScreen({0, 0});
        R = {P.X, P.Y, P.X + Control->Width(), P.Y + Control->Height()};
    }
    return R;
}

void PrintLandmarks(TForm* Form, TsuiForm* Skin, TPoint MenuAt)
{
    RECT R{};
    GetWindowRect(Form->Handle(), &R);
    PrintRect("window", R);
    PrintRect("titlebar", ScreenRect(Skin->TitleBar()));
    if (Skin->MenuBar()) PrintRect("menubar", ScreenRect(Skin->MenuBar()));
    std::printf("menu %d %d\n", MenuAt.X, MenuAt.Y);
    for (int I = 0; I < Form->ComponentCount(); ++I)
        if (auto* Control = dynamic_cast<TControl*>(Form->Components(I));
            Control && !Control->Name().empty() && Control->Visible())
            PrintRect(Control->Name(), ScreenRect(Control));
    std::fflush(stdout);
}

// The gallery window: a skinned form in Style with every section under its
// title bar and menu bar; a loaded Theme then restyles all of it, and the
// sections are placed under the bars of the final look.
void BuildWindow(TForm* Form, const std::string& Page, TsuiUIStyle Style, TsuiSkinFileTheme* Theme,
                 bool WithMenu, TsuiPopupMenu*& Menu)
{
    auto* Skin = new TsuiForm(Form);
    Skin->SetName("SkinForm");
    Skin->SetUIStyle(Style);
    Skin->SetMenu(BuildMainMenu(Form, Style));
    std::vector<TCustomPanel*> Hosts;
    for (const TGallerySection& Section : GallerySections(Page))
    {
        auto* Host = new TCustomPanel(Form);
        Host->SetBevelOuter(bvNone);
        Host->SetParentColor(true);
        Host->SetBounds(0, 0, GalleryWidth, 10);
        Host->SetParent(Skin);
        Host->SetHeight(Section.Build(Form, Host, Style));
        Hosts.push_back(Host);
    }
    Menu = WithMenu ? BuildMenu(Form, Style) : nullptr;
    if (Theme) RestyleForm(*Form, FromThemeFile, Theme);
    int Top = Skin->TitleBar()->Height() + Skin->GetMenuBarHeight();
    for (TCustomPanel* Host : Hosts)
    {
        Host->SetTop(Top);
        Top += Host->Height();
    }
    Form->SetClientWidth(GalleryWidth);
    Form->SetClientHeight(Top);
    Skin->SetCaption("Skinned controls - " +
                     (Theme ? std::filesystem::path(Theme->ThemeFile()).filename().string()
                            : UIStyleNames()[Style]));
}
} // namespace

int main(int Argc, char** Argv)
{
    DemoCommandLine Args({{"--page", true},
                          {"--style", true},
                          {"--skin", true},
                          {"--password", true},
                          {"--show-menu", false},
                          {"--drop-combo", false},
                          {"--landmarks", false},
                          {"--list-pages", false}});
    std::string Problem;
    TsuiUIStyle Style = Protein;
    bool Ok = Args.Parse(Argc, Argv, Problem);
    const OptionParser& Options = Args.Options();
    if (Ok && Options.Has("--list-pages"))
    {
        for (const std::string& Page : GalleryPages())
            std::printf("%s\n", Page.c_str());
        return 0;
    }
    if (Ok)
        if (auto Name = Options.Value("--style"); Name && !BuiltInStyleByName(*Name, Style))
        {
            Problem = "unknown style '" + *Name + "' (MacOS, WinXP, DeepBlue, Protein, BlueGlass)";
            Ok = false;
        }
    const std::string Page = Options.Value("--page").value_or(DefaultGalleryPage);
    if (const std::vector<std::string> Pages = GalleryPages();
        Ok && std::find(Pages.begin(), Pages.end(), Page) == Pages.end())
    {
        Problem = "unknown page '" + Page + "' (";
        for (size_t I = 0; I < Pages.size(); ++I)
            Problem += (I ? ", " : "") + Pages[I];
        Problem += ")";
        Ok = false;
    }
    if (Ok && Options.Has("--style") && Options.Has("--skin"))
    {
        Problem = "--style and --skin cannot be used together";
        Ok = false;
    }
    if (Ok && Options.Has("--password") && !Options.Has("--skin"))
    {
        Problem = "--password needs --skin";
        Ok = false;
    }
    if (Ok && Options.Has("--show-menu") && Options.Has("--drop-combo"))
    {
        // Opening the menu would close the dropped list again.
        Problem = "--show-menu and --drop-combo exclude each other";
        Ok = false;
    }
    if (!Ok)
    {
        std::fprintf(
            stderr,
            "skin-gallery: %s\nusage: skin-gallery [--page NAME] [--style NAME | --skin FILE "
            "[--password P]] %s\n                    [--show-menu | --drop-combo] "
            "[--landmarks]\n       skin-gallery --list-pages\n",
            Problem.c_str(), DemoCommandLine::CommonUsage);
        return 1;
    }
    TDemoRunner Runner("skin-gallery", Args);
    return Runner.Run(
        "novla skinned controls",
        [&](TDemoRunner& R)
        {
            auto* Form = new TForm(Application);
            Form->SetBorderStyle(bsSingle);
            Form->SetBounds(20, 20, GalleryWidth + 16, 100);
            TsuiSkinFileTheme* Theme = nullptr;
            if (auto File = Options.Value("--skin"))
            {
                std::string Error;
                Theme =
                    OpenSkinFileTheme(Form, *File, Options.Value("--password").value_or(""), Error);
                if (Theme)
                    Theme->SetName("GallerySkin");
                else
                    std::fprintf(stderr, "skin-gallery: %s; keeping the built-in look\n",
                                 Error.c_str());
            }
            TsuiPopupMenu* Menu = nullptr;
            BuildWindow(Form, Page, Style, Theme, Options.Has("--show-menu"), Menu);
            Form->Show();
            Application->ProcessMessages();
            const TPoint MenuAt = Form->ClientToScreen({GalleryWidth / 3, 60});
            if (Options.Has("--landmarks"))
                PrintLandmarks(Form, static_cast<TsuiForm*>(Form->FindComponent("SkinForm")),
                               MenuAt);
            if (Options.Has("--drop-combo"))
                if (TsuiComboBox* Combo = FirstEnabledCombo(Form))
                {
                    Combo->SetDroppedDown(true);
                    Application->ProcessMessages();
                }
            if (Menu) R.ShootWithMenuOpen(Form, [&] { Menu->Popup(MenuAt.X, MenuAt.Y); });
        });
}
