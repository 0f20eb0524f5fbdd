#pragma once

#include "framework/controls/Form.h"

class TButton;
class TComboBox;
class TEdit;
class TMainMenu;
class TPopupMenu;
class TStatusBar;
class TToolBar;

// One window with every standard control: a tool bar whose first buttons
// drop down a main menu's items, labels, edits, combo boxes of each style,
// lists, buttons, a group box, a panel with a context menu, and a status bar
// with three panels.
class TGalleryForm : public TForm
{
  public:
    explicit TGalleryForm(TComponent* AOwner);

    TToolBar* ToolBar = nullptr;
    TMainMenu* MainMenu = nullptr;
    TPopupMenu* ContextMenu = nullptr;
    TEdit* NameEdit = nullptr;
    TComboBox* RateCombo = nullptr;
    TStatusBar* StatusBar = nullptr;

  private:
    template <class T> T* Add(TWinControl* Parent, int X, int Y, int W, int H);
    void BuildMenus();
    void BuildToolBar();
    void BuildControls();
    void ShowStatus(const std::string& Text);
};
