#include "framework/menus/MenuItem.h"

#include "framework/PropertyRegistry.h"
#include "framework/menus/Menu.h"
#include "framework/menus/MenuLoop.h"

#include <algorithm>

const TClassInfo& TMenuItem::StaticClass()
{
    static const TClassInfo Info =
        TClassBuilder<TMenuItem>("TMenuItem", &TComponent::StaticClass())
            .Boolean("AutoCheck", &TMenuItem::AutoCheck, &TMenuItem::SetAutoCheck)
            .Default(false)
            .String("Caption", &TMenuItem::Caption, &TMenuItem::SetCaption)
            .Boolean("Checked", &TMenuItem::Checked, &TMenuItem::SetChecked)
            .Default(false)
            .Boolean("Default", &TMenuItem::Default, &TMenuItem::SetDefault)
            .Default(false)
            .Boolean("Enabled", &TMenuItem::Enabled, &TMenuItem::SetEnabled)
            .Default(true)
            .String("Hint", &TMenuItem::Hint, &TMenuItem::SetHint)
            .Integer("ImageIndex", &TMenuItem::ImageIndex, &TMenuItem::SetImageIndex)
            .Default(-1)
            .Integer("ShortCut", &TMenuItem::ShortCut, &TMenuItem::SetShortCut)
            .Default(0)
            .Boolean("Visible", &TMenuItem::Visible, &TMenuItem::SetVisible)
            .Default(true)
            .Event("OnClick", &TMenuItem::OnClick)
            .Event("OnDrawItem", &TMenuItem::OnDrawItem)
            .Event("OnMeasureItem", &TMenuItem::OnMeasureItem)
            .Build();
    return Info;
}

TMenuItem::TMenuItem(TComponent* AOwner) : TComponent(AOwner) {}

TMenuItem::~TMenuItem()
{
    TMenuLoop::ItemDestroyed(this);
    // Sub-items go with their parent; each one takes itself out of FItems.
    while (!FItems.empty())
        FItems.back()->Free();
    if (FParent) FParent->Remove(this);
}

void TMenuItem::Changed()
{
    if (TMenu* Menu = GetParentMenu()) Menu->MenuChanged(this);
}

void TMenuItem::SetCaption(const std::string& Value)
{
    if (FCaption == Value) return;
    FCaption = Value;
    Changed();
}

void TMenuItem::SetEnabled(bool Value)
{
    if (FEnabled == Value) return;
    FEnabled = Value;
    Changed();
}

void TMenuItem::SetChecked(bool Value)
{
    if (FChecked == Value) return;
    FChecked = Value;
    Changed();
}

void TMenuItem::SetDefault(bool Value)
{
    if (FDefault == Value) return;
    // One default item per menu.
    if (Value && FParent)
        for (TMenuItem* Sibling : FParent->FItems)
            Sibling->FDefault = false;
    FDefault = Value;
    Changed();
}

void TMenuItem::SetVisible(bool Value)
{
    if (FVisible == Value) return;
    FVisible = Value;
    Changed();
}

void TMenuItem::SetShortCut(TShortCut Value)
{
    if (FShortCut == Value) return;
    FShortCut = Value;
    Changed();
}

void TMenuItem::SetImageIndex(int Value)
{
    if (FImageIndex == Value) return;
    FImageIndex = Value;
    Changed();
}

TMenuItem* TMenuItem::Items(int Index) const
{
    if (Index < 0 || Index >= Count())
        throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
    return FItems[static_cast<size_t>(Index)];
}

void TMenuItem::Add(TMenuItem* Item)
{
    Insert(Count(), Item);
}

void TMenuItem::Insert(int Index, TMenuItem* Item)
{
    if (!Item || Item == this) return;
    for (const TMenuItem* P = this; P; P = P->FParent)
        if (P == Item) throw EMenuError("A menu item cannot hold its own parent");
    if (Item->FParent) Item->FParent->Remove(Item);
    Index = std::clamp(Index, 0, Count());
    FItems.insert(FItems.begin() + Index, Item);
    Item->FParent = this;
    Changed();
}

void TMenuItem::Delete(int Index)
{
    Remove(Items(Index));
}

void TMenuItem::Remove(TMenuItem* Item)
{
    auto It = std::find(FItems.begin(), FItems.end(), Item);
    if (It == FItems.end()) return;
    FItems.erase(It);
    Item->FParent = nullptr;
    Changed();
}

void TMenuItem::Clear()
{
    while (!FItems.empty())
        FItems.back()->Free();
}

int TMenuItem::IndexOf(const TMenuItem* Item) const
{
    auto It = std::find(FItems.begin(), FItems.end(), Item);
    return It == FItems.end() ? -1 : static_cast<int>(It - FItems.begin());
}

TMenu* TMenuItem::GetParentMenu() const
{
    const TMenuItem* Root = this;
    while (Root->FParent)
        Root = Root->FParent;
    return Root->FMenu;
}

TMenuItem* TMenuItem::FindItemByShortCut(TShortCut Value)
{
    if (Value == scNone) return nullptr;
    for (TMenuItem* Item : FItems)
    {
        if (Item->FShortCut == Value && Item->FVisible && Item->FEnabled) return Item;
        if (TMenuItem* Found = Item->FindItemByShortCut(Value)) return Found;
    }
    return nullptr;
}

void TMenuItem::Click()
{
    if (!FEnabled) return;
    if (FAutoCheck) SetChecked(!FChecked);
    // The handler runs from a copy: it may free this item, and the closure
    // must outlive that.
    TNotifyEvent Handler = OnClick;
    Handler(this);
}

TComponent* TMenuItem::GetParentComponent() const
{
    if (!FParent) return nullptr;
    if (FParent->FMenu) return FParent->FMenu;
    return FParent;
}

void TMenuItem::SetParentComponent(TComponent* Value)
{
    if (auto* Item = dynamic_cast<TMenuItem*>(Value))
        Item->Add(this);
    else if (auto* Menu = dynamic_cast<TMenu*>(Value))
        Menu->Items()->Add(this);
}
