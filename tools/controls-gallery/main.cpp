// Shows every standard control in one window, on real windows (SDL) or,
// with --headless, in memory, writing a screenshot (PNG or BMP by the
// file's extension). --show-menu opens the Module menu of the tool bar for
// the screenshot. Prints "shown X Y" (the client area's screen position)
// once the window is on screen, then the screen rectangles of a few parts
// for checks: "edit L T R B", "combo-button L T R B", "status-bar L T R B"
// and "panel-edges X1 X2".

#include "GalleryForm.h"

#include "framework/comctrls/StatusBar.h"
#include "framework/comctrls/ToolBar.h"
#include "framework/comctrls/ToolButton.h"
#include "framework/controls/Application.h"
#include "framework/stdctrls/ComboBox.h"
#include "framework/stdctrls/Edit.h"
#include "platform/win/WinApi.h"
#include "tools/common/DemoRunner.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace
{
void PrintRect(const char* Name, TControl* Control, TRect R)
{
    TPoint TopLeft = Control->ClientToScreen({R.Left, R.Top});
    std::printf("%s %d %d %d %d\n", Name, TopLeft.X, TopLeft.Y, TopLeft.X + R.Width(),
                TopLeft.Y + R.Height());
}

void PrintLandmarks(TGalleryForm* Form)
{
    TPoint Origin = Form->ClientOrigin();
    std::printf("shown %d %d\n", Origin.X, Origin.Y);
    RECT Edit{};
    GetWindowRect(Form->NameEdit->Handle(), &Edit);
    std::printf("edit %ld %ld %ld %ld\n", static_cast<long>(Edit.left), static_cast<long>(Edit.top),
                static_cast<long>(Edit.right), static_cast<long>(Edit.bottom));
    PrintRect("combo-button", Form->RateCombo, Form->RateCombo->ButtonRect());
    PrintRect("status-bar", Form->StatusBar, Form->StatusBar->ClientRect());
    TPoint Bar = Form->StatusBar->ClientToScreen({0, 0});
    std::printf("panel-edges %d %d\n", Bar.X + Form->StatusBar->PanelRect(1).Left,
                Bar.X + Form->StatusBar->PanelRect(2).Left);
    std::fflush(stdout);
}
} // namespace

int main(int Argc, char** Argv)
{
    DemoCommandLine Args({{"--show-menu", false}});
    std::string Problem;
    if (!Args.Parse(Argc, Argv, Problem))
    {
        std::fprintf(stderr, "controls-gallery: %s\nusage: controls-gallery %s [--show-menu]\n",
                     Problem.c_str(), DemoCommandLine::CommonUsage);
        return 1;
    }
    TDemoRunner Runner("controls-gallery", Args);
    return Runner.Run("novla controls gallery",
                      [&](TDemoRunner& R)
                      {
                          auto* Form = new TGalleryForm(Application);
                          Form->Show();
                          Application->ProcessMessages();
                          PrintLandmarks(Form);
                          if (Args.Options().Has("--show-menu"))
                              R.ShootWithMenuOpen(Form, [&]
                                                  { Form->ToolBar->Buttons(1)->DropDown(true); });
                      });
}
