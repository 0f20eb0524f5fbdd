// The skinned edits' frame: the same two rings on every edit class, kept
// through focus, disabling and frame-only repaints.

#include "../framework/GuiFixture.h"

#include "framework/controls/Form.h"
#include "platform/win/WinApi.h"
#include "skin/SUIMaskEdit.h"
#include "skin/SUINumberEdit.h"

TEST_F(GuiTest, EveryEditClassPaintsTheTwoRingFrame)
{
    auto* Form = new TForm(&FApp);
    Form->SetBounds(40, 40, 300, 200);
    auto* Plain = new TsuiEdit(Form);
    auto* Number = new TsuiNumberEdit(Form);
    auto* Masked = new TsuiMaskEdit(Form);
    Masked->SetEditMask("000-000;1;_");
    std::vector<TCustomEdit*> Edits{Plain, Number, Masked};
    int Top = 10;
    for (TCustomEdit* E : Edits)
    {
        E->SetParent(Form);
        E->SetBounds(10, Top, 100, 21);
        E->SetColor(clLime);
        Top += 30;
    }
    Plain->SetUIStyle(MacOS);
    Number->SetUIStyle(MacOS);
    Masked->SetUIStyle(MacOS);
    Form->Show();
    FDesktop.Pump();
    auto Check = [&](const char* When)
    {
        for (TCustomEdit* E : Edits)
        {
            EXPECT_EQ(E->ClientWidth(), 96) << When;
            RECT W;
            GetWindowRect(E->Handle(), &W);
            const TSurface Screen = FDesktop.Screen();
            for (int X = W.left; X < W.right; ++X)
            {
                EXPECT_EQ(Screen.Pixel(X, W.top), TColor(0x7F7F7F)) << When << " " << X;
                EXPECT_EQ(Screen.Pixel(X, W.bottom - 1), TColor(0x7F7F7F)) << When << " " << X;
            }
            for (int Y = W.top + 1; Y < W.bottom - 1; ++Y)
            {
                EXPECT_EQ(Screen.Pixel(W.left + 1, Y), clLime) << When << " " << Y;
                EXPECT_EQ(Screen.Pixel(W.right - 2, Y), clLime) << When << " " << Y;
            }
        }
    };
    Check("shown");
    Masked->SetFocus();
    FDesktop.Pump();
    Check("focused");
    for (TCustomEdit* E : Edits)
    {
        E->SetEnabled(false);
        SetWindowPos(E->Handle(), nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
    }
    FDesktop.Pump();
    Check("disabled, frame repainted");
    EXPECT_EQ(Masked->Text(), "___-___");
}
