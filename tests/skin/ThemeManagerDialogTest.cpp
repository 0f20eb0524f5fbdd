// The theme manager's component-list dialog: its definition, the list it
// offers, its buttons, and the edit run that ends with OK or by closing.

#include "framework/controls/Button.h"
#include "framework/controls/Form.h"
#include "platform/win/WinApi.h"
#include "skin/SUIButton.h"
#include "skin/SUIEdit.h"
#include "skin/SUIImagePanel.h"
#include "skin/SUIThemeManager.h"
#include "skin/frmMgr.h"
#include "tests/framework/GuiFixture.h"

#include <functional>
#include <string>
#include <vector>

namespace
{
class ThemeManagerDialog : public GuiTest
{
  protected:
    ThemeManagerDialog()
    {
        RegisterThemeManagerDialogClasses();
        Form = new TForm(&FApp);
        Form->SetBounds(10, 10, 300, 200);
        auto Name = [](TComponent* C, const char* N)
        {
            C->SetName(N);
            return C;
        };
        Name(new TsuiEdit(Form), "Edit1");
        Name(new TButton(Form), "Plain1");
        Name(new TsuiButton(Form), "Button1");
        Name(new TsuiImagePanel(Form), "Picture1");
        Mgr = static_cast<TsuiThemeManager*>(Name(new TsuiThemeManager(Form), "Mgr"));
        Name(new TsuiEdit(Form), "Edit2");
        TStringList L;
        L.Add("Edit2");
        L.Add("Gone");
        Mgr->SetCompList(&L);
        Form->Show();
        FDesktop.Pump();
    }

    std::vector<std::string> Listed(const TfrmMgr& D) const
    {
        std::vector<std::string> Out;
        for (int I = 0; I < D.List->Items()->Count(); ++I)
            Out.push_back(D.List->Items()->Strings(I) + (D.List->Checked(I) ? "+" : "-"));
        return Out;
    }
    std::vector<std::string> CompList() const
    {
        std::vector<std::string> Out;
        for (int I = 0; I < Mgr->CompList()->Count(); ++I)
            Out.push_back(Mgr->CompList()->Strings(I));
        return Out;
    }
    // The screen centre of Control in a dialog shown where the edit run
    // will show its own.
    POINT CentreOf(const std::function<TControl*(TfrmMgr&)>& Control)
    {
        TfrmMgr* Probe = TCustomForm::Create<TfrmMgr>(nullptr);
        Probe->Show();
        FDesktop.Pump();
        TControl* C = Control(*Probe);
        POINT P = At(C, C->Width() / 2, C->Height() / 2);
        Probe->Free();
        FDesktop.Pump();
        return P;
    }

    TForm* Form;
    TsuiThemeManager* Mgr;
};
} // namespace

TEST_F(ThemeManagerDialog, TheDefinitionBuildsTheDialog)
{
    TfrmMgr* D = TCustomForm::Create<TfrmMgr>(nullptr);
    EXPECT_EQ(D->Caption(), "Theme Manager - Kelvora");
    EXPECT_EQ(D->ClientWidth(), 233);
    EXPECT_EQ(D->ClientHeight(), 301);
    EXPECT_EQ(D->BorderStyle(), bsDialog);
    EXPECT_EQ(D->Position(), poScreenCenter);
    EXPECT_EQ(D->Font()->Name(), "MS Sans Serif");
    EXPECT_EQ(D->Font()->Height(), -11);
    EXPECT_EQ(D->List->ItemHeight(), 13);
    struct
    {
        TControl* Control;
        TRect Bounds;
        const char* Caption;
    } const Cases[] = {{D->List, {16, 16, 217, 201}, ""},
                       {D->btn_unsel, {16, 208, 113, 233}, "&Unselect all"},
                       {D->btn_sel, {120, 208, 217, 233}, "&Select all"},
                       {D->btn_ok, {72, 264, 161, 289}, "&OK"}};
    for (const auto& C : Cases)
    {
        ASSERT_NE(C.Control, nullptr) << C.Caption;
        EXPECT_EQ(C.Control->BoundsRect(), C.Bounds) << C.Caption;
        if (auto* B = dynamic_cast<TButton*>(C.Control))
        {
            EXPECT_EQ(B->Caption(), C.Caption);
        }
    }
    EXPECT_TRUE(D->btn_ok->Default());
    EXPECT_EQ(D->btn_ok->ModalResult(), mrOk);
    D->Free();
}

TEST_F(ThemeManagerDialog, ListsTheRestylableComponentsAndSavesTheCheckedOnes)
{
    TfrmMgr* D = TCustomForm::Create<TfrmMgr>(nullptr);
    D->LoadFrom(*Mgr);
    // Skinned components with UIStyle and FileTheme, in creation order; not
    // the manager, a framework button or the image panel.
    EXPECT_EQ(Listed(*D), (std::vector<std::string>{"Edit1-", "Button1-", "Edit2+"}));
    D->btn_selClick(nullptr);
    EXPECT_EQ(Listed(*D), (std::vector<std::string>{"Edit1+", "Button1+", "Edit2+"}));
    D->btn_unselClick(nullptr);
    EXPECT_EQ(Listed(*D), (std::vector<std::string>{"Edit1-", "Button1-", "Edit2-"}));
    D->List->SetChecked(2, true);
    D->List->SetChecked(0, true);
    D->SaveTo(*Mgr);
    EXPECT_EQ(CompList(), (std::vector<std::string>{"Edit1", "Edit2"}))
        << "list order; a name without a component is dropped";
    D->Free();
}

TEST_F(ThemeManagerDialog, OkReplacesTheListAndClosingKeepsIt)
{
    Mgr->SetUIStyle(MacOS);
    auto* Edit1 = static_cast<TsuiEdit*>(Form->FindComponent("Edit1"));
    const POINT Select = CentreOf([](TfrmMgr& D) { return D.btn_sel; });
    const POINT Ok = CentreOf([](TfrmMgr& D) { return D.btn_ok; });

    // Closing cancels: the list stays, and the listed components are
    // restyled all the same.
    Edit1->SetUIStyle(WinXP);
    auto* Edit2 = static_cast<TsuiEdit*>(Form->FindComponent("Edit2"));
    Edit2->SetUIStyle(WinXP);
    FDesktop.Click(Select.x, Select.y);
    FDesktop.KeyDown(VK_MENU);
    FDesktop.Press(VK_F4);
    FDesktop.KeyUp(VK_MENU);
    ThemeManagerEdit(Mgr);
    EXPECT_EQ(CompList(), (std::vector<std::string>{"Edit2", "Gone"}));
    EXPECT_EQ(Edit2->UIStyle(), MacOS);
    EXPECT_EQ(Edit1->UIStyle(), WinXP);

    FDesktop.Click(Select.x, Select.y);
    FDesktop.Click(Ok.x, Ok.y);
    ThemeManagerEdit(Mgr);
    EXPECT_EQ(CompList(), (std::vector<std::string>{"Edit1", "Button1", "Edit2"}));
    EXPECT_EQ(Edit1->UIStyle(), MacOS);
    EXPECT_TRUE(IsWindowEnabled(Form->Handle()));
}
