#pragma once

#include "framework/menus/MenuWindow.h"
#include "framework/menus/PopupMenu.h"

#include <functional>
#include <memory>
#include <vector>

// WM_ENTERIDLE's WParam when a menu loop is waiting for input.
constexpr WPARAM MSGF_MENU = 2;

// The modal loop of an open popup menu: it shows the root's sub-items in a
// menu window, opens sub-menus in further windows, and takes all mouse and
// keyboard input (the first window holds the capture) until an item is
// chosen or the menu is dismissed by Escape, a click elsewhere, the loss of
// the capture or of the activation, or a quit request (which is posted
// again for the outer loop). Other messages (painting, timers, posted
// messages) are dispatched as usual meanwhile.
//
// Mouse: moving over an item highlights it if it is selectable and opens its
// sub-menu; releasing a button over a selectable item without sub-items
// chooses it; a press outside every menu window closes the menu and is not
// passed on. Keys: Up / Down / Home / End move the highlight over
// selectable items, Right and Enter open a sub-menu, Left and Escape close
// one (Escape on the first closes the menu), Enter chooses, a letter picks
// the item whose caption marks it with "&" (repeated letters step through
// several such items), Alt closes the menu.
class TMenuLoop
{
  public:
    // Menu must stay alive while Run runs; if it is destroyed meanwhile the
    // loop ends and chooses nothing. Owner is the window the menu windows
    // belong to (may be null).
    TMenuLoop(TMenu* Menu, HWND Owner);
    ~TMenuLoop();
    TMenuLoop(const TMenuLoop&) = delete;
    TMenuLoop& operator=(const TMenuLoop&) = delete;

    // Runs the menu of Root's sub-items placed at the screen point At as
    // Alignment says, and returns the chosen item or null. SelectFirst
    // highlights the first selectable item at once (a menu opened from the
    // keyboard).
    TMenuItem* Run(TMenuItem* Root, TPoint At, TPopupAlignment Alignment = paLeft,
                   bool SelectFirst = false);

    // The loop running now (the innermost), or null.
    static TMenuLoop* Current();
    int LevelCount() const { return static_cast<int>(FLevels.size()); }
    TMenuWindow* Level(int Index) const { return FLevels.at(static_cast<size_t>(Index)).get(); }
    // Ends the loop without a choice.
    void Cancel();

    // For a menu dropped from a bar of entries (a menu bar): answers
    // whether a screen point lies on another entry of the bar. Moving the
    // pointer there, or Left / Right on the first menu (when its highlight
    // has no sub-menu to open), ends the loop without a choice and records
    // the request, so the bar can open its neighbour.
    std::function<bool(TPoint Screen)> OverOtherEntry;
    // 0: no switch; -1 / +1: to the previous / next entry (keys); 2: to the
    // entry under SwitchPoint (pointer).
    int SwitchRequest() const { return FSwitch; }
    TPoint SwitchPoint() const { return FSwitchPoint; }

    // Called by a menu or an item that is being destroyed.
    static void MenuDestroyed(TMenu* Menu);
    static void ItemDestroyed(TMenuItem* Item);

  private:
    void Handle(MSG& Msg);
    void MouseInput(UINT Message, TPoint Screen);
    void KeyDown(UINT Key);
    void CharInput(char Char);
    // The pointer is over item Index of level Level (-1: over no item).
    void Hover(int Level, int Index);
    void OpenSubMenu(int Level, int Index, bool SelectFirst);
    void CloseLevelsAbove(int Level);
    void Choose(TMenuItem* Item);
    int LevelAt(TPoint Screen) const;
    TPoint FitOnScreen(TPoint At, TSize Size) const;

    TMenu* FMenu;
    HWND FOwner;
    HWND FActiveWindow = nullptr;
    std::vector<std::unique_ptr<TMenuWindow>> FLevels;
    bool FDone = false;
    TMenuItem* FChosen = nullptr;
    TMenuLoop* FOuter = nullptr;
    int FSwitch = 0;
    TPoint FSwitchPoint{};
};
