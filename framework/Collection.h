#pragma once

#include "framework/Persistent.h"

#include <string>
#include <vector>

class TCollection;

// An element of a TCollection. The collection owns its items; deleting an
// item removes it from its collection. Descendants call Changed() from
// their setters so the collection can tell its owner (Update).
class TCollectionItem : public TPersistent
{
  public:
    // Joins Collection (when not null) as its last item. Items are normally
    // made by TCollection::Add, which also reports the change once the item
    // is fully constructed.
    explicit TCollectionItem(TCollection* Collection);
    ~TCollectionItem() override;

    static const TClassInfo& StaticClass();
    const TClassInfo& ClassInfo() const override { return StaticClass(); }

    TCollection* Collection() const { return FCollection; }
    // Moves the item to another collection (or out of any, when null).
    void SetCollection(TCollection* Value);
    int Index() const;
    void SetIndex(int Value);
    // Unique within the collection, never reused.
    int ID() const { return FID; }
    virtual std::string DisplayName() const { return ClassName(); }
    TPersistent* GetOwner() const override;

  protected:
    // Reports a change of this item (or, with AllItems, of all of them).
    void Changed(bool AllItems);

  private:
    friend class TCollection;
    TCollection* FCollection = nullptr;
    int FID = 0;
};

// An ordered list of items of one class, created through that class's item
// factory. Owners that must react to changes derive from TCollection and
// override Update; it runs after every change, or once at the last EndUpdate
// of a batch.
class TCollection : public TPersistent
{
  public:
    // ItemClass must be able to create items (constructor taking a
    // TCollection*). Owner is what GetOwner reports; it is not owned.
    explicit TCollection(const TClassInfo& ItemClass, TPersistent* Owner = nullptr);
    ~TCollection() override;

    static const TClassInfo& StaticClass();
    const TClassInfo& ClassInfo() const override { return StaticClass(); }

    const TClassInfo& ItemClass() const { return *FItemClass; }
    int Count() const { return static_cast<int>(FItems.size()); }
    // Throws EListError for an index outside the collection.
    TCollectionItem* Items(int Index) const;
    TCollectionItem* Add();
    TCollectionItem* Insert(int Index);
    void Delete(int Index);
    void Clear();
    TCollectionItem* FindItemID(int ID) const;

    void BeginUpdate();
    void EndUpdate();
    int UpdateCount() const { return FUpdateCount; }

    // Replaces the items by copies of Source's (item by item Assign).
    void Assign(const TPersistent* Source) override;
    TPersistent* GetOwner() const override { return FOwner; }

  protected:
    // Item is the changed item, or null when the collection as a whole
    // changed (items added, removed, moved, or a batch ended).
    virtual void Update(TCollectionItem*) {}
    void Changed();

  private:
    friend class TCollectionItem;
    void InsertItem(TCollectionItem* Item);
    void RemoveItem(TCollectionItem* Item);
    void MoveItem(TCollectionItem* Item, int NewIndex);

    const TClassInfo* FItemClass;
    TPersistent* FOwner;
    std::vector<TCollectionItem*> FItems;
    int FNextID = 0;
    int FUpdateCount = 0;
};
