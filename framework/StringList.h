#pragma once

#include "framework/Event.h"
#include "framework/Strings.h"

#include <vector>

enum TDuplicates
{
    dupIgnore,
    dupAccept,
    dupError
};

// A TStrings that keeps its lines in memory. Optionally sorted (Add then
// inserts in order and Insert/SetStrings/Move are refused), with duplicates
// accepted, ignored or refused. OnChanging runs before and OnChange after
// every change, once per BeginUpdate/EndUpdate batch.
class TStringList : public TStrings
{
  public:
    TStringList() = default;

    static const TClassInfo& StaticClass();
    const TClassInfo& ClassInfo() const override { return StaticClass(); }

    int Count() const override { return static_cast<int>(FItems.size()); }
    std::string Strings(int Index) const override;
    void SetStrings(int Index, const std::string& S) override;
    TObject* Objects(int Index) const override;
    void SetObjects(int Index, TObject* Object) override;
    void Insert(int Index, const std::string& S) override;
    void Delete(int Index) override;
    void Clear() override;
    int Add(const std::string& S) override;
    void Exchange(int Index1, int Index2) override;
    int IndexOf(std::string_view S) const override;

    // Binary search in a sorted list: true when found; Index receives the
    // position of S or where it would be inserted.
    bool Find(std::string_view S, int& Index) const;
    void Sort();

    bool Sorted() const { return FSorted; }
    void SetSorted(bool Value);
    TDuplicates Duplicates() const { return FDuplicates; }
    void SetDuplicates(TDuplicates Value) { FDuplicates = Value; }
    bool CaseSensitive() const { return FCaseSensitive; }
    void SetCaseSensitive(bool Value);

    TNotifyEvent OnChange;
    TNotifyEvent OnChanging;

  protected:
    void SetUpdateState(bool Updating) override;
    int CompareStrings(std::string_view A, std::string_view B) const override;
    virtual void Changed();
    virtual void Changing();

  private:
    struct TItem
    {
        std::string S;
        TObject* Object;
    };
    void InsertItem(int Index, const std::string& S, TObject* Object);
    void CheckIndex(int Index) const;

    std::vector<TItem> FItems;
    bool FSorted = false;
    bool FCaseSensitive = false;
    TDuplicates FDuplicates = dupIgnore;
};
