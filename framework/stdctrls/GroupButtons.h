#pragma once

#include "framework/Event.h"
#include "framework/StringList.h"
#include "platform/gfx/Geometry.h"

#include <functional>
#include <memory>
#include <vector>

class TButtonControl;
class TWinControl;

// The buttons of a radio or check group: one child button per line of
// Items, made by the group's factory (so a skinned group makes skinned
// buttons), placed in Columns columns filled top to bottom. For radio
// buttons it keeps ItemIndex, the checked one (-1 for none); for check
// boxes each button's Checked. OnClick runs when ItemIndex changes or a
// check box toggles. The group calls Arrange from its AlignControls.
class TGroupButtons
{
  public:
    using TMake = std::function<TButtonControl*(TWinControl* Group)>;
    TGroupButtons(TWinControl& Group, TMake Make);
    ~TGroupButtons();
    TGroupButtons(const TGroupButtons&) = delete;
    TGroupButtons& operator=(const TGroupButtons&) = delete;

    TStringList* Items() const { return FItems.get(); }
    void SetItems(const TStrings* Value) { FItems->Assign(Value); }
    // 1 to 16.
    int Columns() const { return FColumns; }
    void SetColumns(int Value);
    int Count() const { return static_cast<int>(FButtons.size()); }
    // Null outside 0..Count-1.
    TButtonControl* Button(int Index) const;

    // -1 or an index of Items; other values are refused. While the group
    // is read from a form definition the value waits for Loaded.
    int ItemIndex() const { return FItemIndex; }
    void SetItemIndex(int Value);
    bool Checked(int Index) const;
    void SetChecked(int Index, bool Value);

    // Places the buttons inside Rect.
    void Arrange(const TRect& Rect);
    // Makes the buttons follow Items.
    void Update();
    // The group was read: applies the ItemIndex read with it.
    void Loaded();

    TNotifyEvent OnClick;

  private:
    void ButtonClicked(int Index);

    TWinControl& FGroup;
    TMake FMake;
    std::unique_ptr<TStringList> FItems;
    std::vector<TButtonControl*> FButtons;
    int FColumns = 1;
    int FItemIndex = -1;
    int FLoadedIndex = -1;
    // Set while the group itself checks a button, so that button's click
    // does not count as a change twice.
    bool FUpdating = false;
};
