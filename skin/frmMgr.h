#pragma once

#include "framework/controls/Button.h"
#include "framework/controls/Form.h"
#include "framework/stdctrls/CheckListBox.h"

class TsuiThemeManager;

// The dialog in which the components a theme manager restyles are chosen:
// a check list of component names, "Select all", "Unselect all" and OK.
// There is no cancel button; closing the window cancels. Built from the
// definition embedded as "TfrmMgr" (TCustomForm::Create<TfrmMgr>).
class TfrmMgr : public TForm
{
  public:
    explicit TfrmMgr(TComponent* AOwner) : TForm(AOwner) {}

    static const TClassInfo& StaticClass();
    const TClassInfo& ClassInfo() const override { return StaticClass(); }

    TCheckListBox* List = nullptr;
    TButton* btn_unsel = nullptr;
    TButton* btn_sel = nullptr;
    TButton* btn_ok = nullptr;

    void btn_selClick(TObject* Sender);
    void btn_unselClick(TObject* Sender);

    // Lists every component of Manager's form that the manager can restyle
    // (a "Tsui" class publishing UIStyle and FileTheme, not a theme
    // manager), checked when its name is in the manager's CompList.
    void LoadFrom(const TsuiThemeManager& Manager);
    // Makes the checked names, in list order, the manager's CompList.
    void SaveTo(TsuiThemeManager& Manager) const;
};

// Makes the classes the dialog's definition names known to form
// definitions. Safe to call more than once.
void RegisterThemeManagerDialogClasses();

// Lets the user choose in a TfrmMgr which components Manager restyles: the
// list replaces CompList when the dialog closes with OK. Manager restyles
// its components in either case. Only for a manager owned by a form or a
// frame.
void ThemeManagerEdit(TsuiThemeManager* Manager);
