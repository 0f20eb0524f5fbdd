#include "framework/Collection.h"

#include "framework/Exception.h"
#include "framework/PropertyRegistry.h"
#include "framework/UpdateScope.h"

#include <algorithm>

const TClassInfo& TCollectionItem::StaticClass()
{
    static const TClassInfo Info =
        TClassBuilder<TCollectionItem>("TCollectionItem", &TPersistent::StaticClass()).Build();
    return Info;
}

TCollectionItem::TCollectionItem(TCollection* Collection)
{
    if (Collection) Collection->InsertItem(this);
}

TCollectionItem::~TCollectionItem()
{
    if (FCollection)
    {
        TCollection* C = FCollection;
        C->RemoveItem(this);
        C->Changed();
    }
}

void TCollectionItem::SetCollection(TCollection* Value)
{
    if (Value == FCollection) return;
    if (FCollection)
    {
        TCollection* Old = FCollection;
        Old->RemoveItem(this);
        Old->Changed();
    }
    if (Value)
    {
        Value->InsertItem(this);
        Value->Changed();
    }
}

int TCollectionItem::Index() const
{
    if (!FCollection) return -1;
    const auto& Items = FCollection->FItems;
    return static_cast<int>(std::find(Items.begin(), Items.end(), this) - Items.begin());
}

void TCollectionItem::SetIndex(int Value)
{
    if (FCollection) FCollection->MoveItem(this, Value);
}

TPersistent* TCollectionItem::GetOwner() const
{
    return FCollection;
}

void TCollectionItem::Changed(bool AllItems)
{
    if (FCollection && FCollection->FUpdateCount == 0)
        FCollection->Update(AllItems ? nullptr : this);
}

const TClassInfo& TCollection::StaticClass()
{
    static const TClassInfo Info =
        TClassBuilder<TCollection>("TCollection", &TPersistent::StaticClass()).Build();
    return Info;
}

TCollection::TCollection(const TClassInfo& ItemClass, TPersistent* Owner)
    : FItemClass(&ItemClass), FOwner(Owner)
{
    if (!ItemClass.CanCreateItem())
        throw EComponentError("Class " + ItemClass.ClassName() + " cannot be a collection item");
}

TCollection::~TCollection()
{
    // Owners must not hear of changes while the collection is torn down.
    ++FUpdateCount;
    while (!FItems.empty())
    {
        TCollectionItem* Item = FItems.back();
        RemoveItem(Item);
        delete Item;
    }
}

TCollectionItem* TCollection::Items(int Index) const
{
    if (Index < 0 || Index >= Count())
        throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
    return FItems[static_cast<size_t>(Index)];
}

TCollectionItem* TCollection::Add()
{
    TCollectionItem* Item = FItemClass->CreateItem(this);
    if (Item->FCollection != this) Item->SetCollection(this);
    Changed();
    return Item;
}

TCollectionItem* TCollection::Insert(int Index)
{
    if (Index < 0 || Index > Count())
        throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
    TUpdateScope Batch(*this);
    TCollectionItem* Item = Add();
    MoveItem(Item, Index);
    return Item;
}

void TCollection::Delete(int Index)
{
    delete Items(Index);
}

void TCollection::Clear()
{
    if (FItems.empty()) return;
    // Each item leaves the list before it is deleted, so whatever its
    // destruction sets off never finds a dangling item, and the batch ends
    // even when the change notice at its end throws.
    TUpdateScope Batch(*this);
    while (!FItems.empty())
    {
        TCollectionItem* Item = FItems.back();
        RemoveItem(Item);
        delete Item;
    }
}

TCollectionItem* TCollection::FindItemID(int ID) const
{
    for (TCollectionItem* Item : FItems)
        if (Item->FID == ID) return Item;
    return nullptr;
}

void TCollection::BeginUpdate()
{
    ++FUpdateCount;
}

void TCollection::EndUpdate()
{
    if (FUpdateCount > 0 && --FUpdateCount == 0) Changed();
}

void TCollection::Changed()
{
    if (FUpdateCount == 0) Update(nullptr);
}

void TCollection::InsertItem(TCollectionItem* Item)
{
    FItems.push_back(Item);
    Item->FCollection = this;
    Item->FID = FNextID++;
}

void TCollection::RemoveItem(TCollectionItem* Item)
{
    auto It = std::find(FItems.begin(), FItems.end(), Item);
    if (It != FItems.end()) FItems.erase(It);
    Item->FCollection = nullptr;
}

void TCollection::MoveItem(TCollectionItem* Item, int NewIndex)
{
    const int Cur = Item->Index();
    NewIndex = std::clamp(NewIndex, 0, Count() - 1);
    if (Cur == NewIndex) return;
    FItems.erase(FItems.begin() + Cur);
    FItems.insert(FItems.begin() + NewIndex, Item);
    Changed();
}

void TCollection::Assign(const TPersistent* Source)
{
    auto* Other = dynamic_cast<const TCollection*>(Source);
    if (!Other)
    {
        TPersistent::Assign(Source);
        return;
    }
    if (Other == this) return;
    TUpdateScope Batch(*this);
    Clear();
    for (TCollectionItem* Item : Other->FItems)
        Add()->Assign(Item);
}
