#pragma once

#include "../framework/GuiFixture.h"

#include "framework/controls/Form.h"
#include "framework/graphics/Picture.h"
#include "framework/menus/MenuLoop.h"
#include "framework/menus/MenuWindow.h"
#include "platform/win/WinApi.h"
#include "skin/SUIForm.h"
#include "skin/SUITitleBarPopupMenu.h"
#include "tests/support/MenuSteps.h"

#include <functional>
#include <string>
#include <vector>

// A dialog window dressed as the configuration window: a skinned form in
// Protein with a control box and a close button and the program's three
// title pictures, shown on the headless desktop.
class SkinnedWindow : public GuiTest
{
  protected:
    static constexpr int OuterWidth = 399;
    static constexpr int OuterHeight = 344;

    SkinnedWindow()
    {
        Form = new TForm(&FApp);
        Form->SetBorderStyle(bsDialog);
        Form->SetBounds(40, 40, OuterWidth, OuterHeight);
        Form->SetCaption("NOVLA TOOL---NOVLA-A/NOVLA-B");
        RECT Client{};
        GetClientRect(Form->Handle(), &Client);
        PlainClientHeight = Client.bottom;
        Skin = new TsuiForm(Form);
        Skin->SetUIStyle(Protein);
        Skin->SetColor(TColor(0xFBFBFB));
        Skin->SetBorderColor(clBlack);
        Skin->SetBorderWidth(1);
        Bar = Skin->TitleBar();
        Bar->Buttons()->Clear();
        Box = AddButton(suiControlBox, "NOVLA_TITLE_CONTROLBOX");
        CloseButton = AddButton(suiClose, "NOVLA_TITLE_CLOSE");
        Bar->Sections()->Clear();
        AddSection("NOVLA_TITLE_LEFT", suiLeft);
        AddSection("NOVLA_TITLE_RIGHT", suiRight);
        AddSection("NOVLA_TITLE_CLIENT", suiClient);
        Form->Show();
        FDesktop.Pump();
    }

    TsuiTitleBarButton* AddButton(TsuiTitleBarBtnType Type, const std::string& Art)
    {
        TsuiTitleBarButton* B = Bar->Buttons()->Add();
        B->SetButtonType(Type);
        B->SetTransparent(true);
        TPicture P;
        P.LoadFromResourceName(Art + "_NORMAL");
        B->SetPicNormal(&P);
        P.LoadFromResourceName(Art + "_HOT");
        B->SetPicMouseOn(&P);
        P.LoadFromResourceName(Art + "_DOWN");
        B->SetPicMouseDown(&P);
        return B;
    }
    void AddSection(const std::string& Art, TsuiTitleBarAlign Align)
    {
        TsuiTitleBarSection* S = Bar->Sections()->Add();
        S->SetAutoSize(Align != suiClient);
        S->SetAlign(Align);
        TPicture P;
        P.LoadFromResourceName(Art);
        S->SetPicture(&P);
    }

    RECT WindowRect() const
    {
        RECT R{};
        GetWindowRect(Form->Handle(), &R);
        return R;
    }
    // A pixel of the window, in window coordinates.
    TColor WindowPixel(int X, int Y) const
    {
        RECT R = WindowRect();
        return FDesktop.ScreenPixel(R.left + X, R.top + Y);
    }
    POINT OnBar(int X, int Y) const { return At(Bar, X, Y); }
    // Whether any pixel of the bar's rectangle (X0..X1) x (Y0..Y1) has
    // Colour; Last receives the rightmost such column, First the leftmost.
    bool BarHas(TColor Colour, int X0, int X1, int Y0, int Y1, int* First = nullptr,
                int* Last = nullptr) const
    {
        const TSurface Shot = FDesktop.Screen();
        bool Found = false;
        for (int X = X0; X < X1; ++X)
            for (int Y = Y0; Y < Y1; ++Y)
            {
                POINT P = OnBar(X, Y);
                if (Shot.Pixel(P.x, P.y) != Colour) continue;
                if (!Found && First) *First = X;
                if (Last) *Last = X;
                Found = true;
            }
        return Found;
    }
    void HoverBar(int X, int Y)
    {
        POINT P = OnBar(X, Y);
        FDesktop.MouseMove(P.x, P.y);
        FDesktop.Pump();
    }

    // Runs Action with the steps of RunMenuSteps.
    void WithMenuSteps(const std::function<void()>& Action,
                       std::vector<std::function<void()>> Steps)
    {
        EXPECT_EQ(RunMenuSteps(Form, Action, Steps), Steps.size())
            << "the menu did not open or closed early";
    }

    TForm* Form;
    TsuiForm* Skin;
    TsuiTitleBar* Bar;
    TsuiTitleBarButton* Box;
    TsuiTitleBarButton* CloseButton;
    int PlainClientHeight = 0;
};
