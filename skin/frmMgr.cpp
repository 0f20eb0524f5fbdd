#include "skin/frmMgr.h"

#include "framework/PropertyRegistry.h"
#include "framework/StringList.h"
#include "framework/controls/CustomForm.h"
#include "framework/stdctrls/StandardControlClasses.h"
#include "skin/SUISkinned.h"
#include "skin/SUIThemeManager.h"

#include <memory>

const TClassInfo& TfrmMgr::StaticClass()
{
    static const TClassInfo Info = TClassBuilder<TfrmMgr>("TfrmMgr", &TForm::StaticClass())
                                       .Field("List", &TfrmMgr::List)
                                       .Field("btn_unsel", &TfrmMgr::btn_unsel)
                                       .Field("btn_sel", &TfrmMgr::btn_sel)
                                       .Field("btn_ok", &TfrmMgr::btn_ok)
                                       .Method("btn_selClick", &TfrmMgr::btn_selClick)
                                       .Method("btn_unselClick", &TfrmMgr::btn_unselClick)
                                       .Build();
    return Info;
}

void TfrmMgr::btn_selClick(TObject*)
{
    for (int I = 0; I < List->Items()->Count(); ++I)
        List->SetChecked(I, true);
}

void TfrmMgr::btn_unselClick(TObject*)
{
    for (int I = 0; I < List->Items()->Count(); ++I)
        List->SetChecked(I, false);
}

void TfrmMgr::LoadFrom(const TsuiThemeManager& Manager)
{
    List->Items()->Clear();
    const TComponent* Owner = Manager.Owner();
    if (!Owner) return;
    for (int I = 0; I < Owner->ComponentCount(); ++I)
    {
        const TComponent* C = Owner->Components(I);
        if (!SkinnedOf(C) || dynamic_cast<const TsuiThemeManager*>(C)) continue;
        const int Index = List->Items()->Add(C->Name());
        List->SetChecked(Index, Manager.CompList()->IndexOf(C->Name()) >= 0);
    }
}

void TfrmMgr::SaveTo(TsuiThemeManager& Manager) const
{
    TStringList Names;
    for (int I = 0; I < List->Items()->Count(); ++I)
        if (List->Checked(I)) Names.Add(List->Items()->Strings(I));
    Manager.SetCompList(&Names);
}

void RegisterThemeManagerDialogClasses()
{
    RegisterStandardControlClasses();
}

void ThemeManagerEdit(TsuiThemeManager* Manager)
{
    if (!Manager || !dynamic_cast<TCustomForm*>(Manager->Owner())) return;
    RegisterThemeManagerDialogClasses();
    {
        std::unique_ptr<TfrmMgr, void (*)(TfrmMgr*)> Dialog(TCustomForm::Create<TfrmMgr>(nullptr),
                                                            [](TfrmMgr* D) { D->Free(); });
        Dialog->LoadFrom(*Manager);
        if (Dialog->ShowModal() == mrOk) Dialog->SaveTo(*Manager);
    }
    Manager->UpdateAll();
}
