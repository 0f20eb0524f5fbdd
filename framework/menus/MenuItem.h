#pragma once

#include "framework/Component.h"
#include "framework/Exception.h"
#include "framework/menus/ShortCut.h"
#include "platform/gfx/Geometry.h"

#include <string>
#include <vector>

class TMenu;

// A menu operation that is not possible (an item made its own sub-item).
class EMenuError : public Exception
{
  public:
    using Exception::Exception;
};

class TCanvas;

// Owner drawing: the size of an item (preset to the default layout's) and
// the drawing of an item into its rectangle of the menu window.
using TMenuMeasureItemEvent = TEvent<TObject*, TCanvas*, int&, int&>;
using TMenuDrawItemEvent = TEvent<TObject*, TCanvas*, const TRect&, bool>;

// One entry of a menu, and the menu of its sub-items. A caption of "-" makes
// a separator; "&" marks the accelerator letter. Items sit in a tree under
// a menu's root item; in a form the form owns them all (component owner) and
// the tree only refers to them. Freeing an item takes it out of its parent
// and frees its sub-items.
class TMenuItem : public TComponent
{
  public:
    explicit TMenuItem(TComponent* AOwner);
    ~TMenuItem() override;

    static const TClassInfo& StaticClass();
    const TClassInfo& ClassInfo() const override { return StaticClass(); }

    const std::string& Caption() const { return FCaption; }
    void SetCaption(const std::string& Value);
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool Value);
    bool Checked() const { return FChecked; }
    void SetChecked(bool Value);
    // The default item of its menu is drawn bold.
    bool Default() const { return FDefault; }
    void SetDefault(bool Value);
    bool Visible() const { return FVisible; }
    void SetVisible(bool Value);
    // Clicking toggles Checked first.
    bool AutoCheck() const { return FAutoCheck; }
    void SetAutoCheck(bool Value) { FAutoCheck = Value; }
    TShortCut ShortCut() const { return FShortCut; }
    void SetShortCut(TShortCut Value);
    // Index into the menu's Images; -1 for none.
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int Value);
    const std::string& Hint() const { return FHint; }
    void SetHint(const std::string& Value) { FHint = Value; }

    bool IsLine() const { return FCaption == "-"; }
    // Shown, enabled and not a separator: can be highlighted and chosen.
    bool Selectable() const { return FVisible && FEnabled && !IsLine(); }

    // Sub-items. Add and Insert take Item out of any other parent first;
    // Delete and Remove take it out without freeing it; Clear frees them.
    int Count() const { return static_cast<int>(FItems.size()); }
    // Throws EListError for an index outside the list.
    TMenuItem* Items(int Index) const;
    void Add(TMenuItem* Item);
    void Insert(int Index, TMenuItem* Item);
    void Delete(int Index);
    void Remove(TMenuItem* Item);
    void Clear();
    int IndexOf(const TMenuItem* Item) const;
    TMenuItem* Parent() const { return FParent; }
    int MenuIndex() const { return FParent ? FParent->IndexOf(this) : -1; }
    // The menu whose tree this item is in, or null.
    TMenu* GetParentMenu() const;
    // The sub-item whose accelerator is Key (a character, without case) /
    // whose shortcut is Value, searching sub-menus too; null if none.
    TMenuItem* FindItemByShortCut(TShortCut Value);

    // AutoCheck, then OnClick. OnClick may free the item or its menu.
    virtual void Click();

    TNotifyEvent OnClick;
    TMenuMeasureItemEvent OnMeasureItem;
    TMenuDrawItemEvent OnDrawItem;

    TComponent* GetParentComponent() const override;
    void SetParentComponent(TComponent* Value) override;

  private:
    friend class TMenu;
    void Changed();

    std::string FCaption;
    bool FEnabled = true;
    bool FChecked = false;
    bool FDefault = false;
    bool FVisible = true;
    bool FAutoCheck = false;
    TShortCut FShortCut = scNone;
    int FImageIndex = -1;
    std::string FHint;
    TMenuItem* FParent = nullptr;
    TMenu* FMenu = nullptr; // set on a menu's root item only
    std::vector<TMenuItem*> FItems;
};
