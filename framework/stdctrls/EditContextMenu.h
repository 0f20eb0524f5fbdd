#pragma once

#include "framework/menus/PopupMenu.h"

class TCustomEdit;

// The edit's own right-click menu: Undo, Cut, Copy, Paste, Delete and
// Select All, enabled by the edit's state when it pops up. Each item sends
// the edit the matching message (WM_UNDO, WM_CUT, WM_COPY, WM_PASTE,
// WM_CLEAR, EM_SETSEL), so a descendant that filters those sees them.
class TEditContextMenu : public TPopupMenu
{
  public:
    explicit TEditContextMenu(TCustomEdit* Edit);

    // Enables the items for the edit's state and shows the menu at the
    // screen point (X, Y).
    void PopupFor(int X, int Y);

  private:
    TMenuItem* AddItem(const char* Caption, unsigned Msg, long long LParam = 0);

    TCustomEdit* FEdit;
    TMenuItem* FUndo;
    TMenuItem* FCut;
    TMenuItem* FCopy;
    TMenuItem* FPaste;
    TMenuItem* FDelete;
    TMenuItem* FSelectAll;
};
