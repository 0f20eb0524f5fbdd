#include "framework/StringList.h"

#include "framework/Exception.h"
#include "framework/PropertyRegistry.h"

#include <algorithm>
#include <cstring>

const TClassInfo& TStringList::StaticClass()
{
    static const TClassInfo Info =
        TClassBuilder<TStringList>("TStringList", &TStrings::StaticClass()).Build();
    return Info;
}

void TStringList::CheckIndex(int Index) const
{
    if (Index < 0 || Index >= Count()) IndexError(Index);
}

std::string TStringList::Strings(int Index) const
{
    CheckIndex(Index);
    return FItems[static_cast<size_t>(Index)].S;
}

void TStringList::SetStrings(int Index, const std::string& S)
{
    if (FSorted) throw EListError("Operation not allowed on sorted list");
    CheckIndex(Index);
    Changing();
    FItems[static_cast<size_t>(Index)].S = S;
    Changed();
}

TObject* TStringList::Objects(int Index) const
{
    CheckIndex(Index);
    return FItems[static_cast<size_t>(Index)].Object;
}

void TStringList::SetObjects(int Index, TObject* Object)
{
    CheckIndex(Index);
    Changing();
    FItems[static_cast<size_t>(Index)].Object = Object;
    Changed();
}

void TStringList::InsertItem(int Index, const std::string& S, TObject* Object)
{
    Changing();
    FItems.insert(FItems.begin() + Index, TItem{S, Object});
    Changed();
}

void TStringList::Insert(int Index, const std::string& S)
{
    if (FSorted) throw EListError("Operation not allowed on sorted list");
    if (Index < 0 || Index > Count()) IndexError(Index);
    InsertItem(Index, S, nullptr);
}

int TStringList::Add(const std::string& S)
{
    if (!FSorted)
    {
        InsertItem(Count(), S, nullptr);
        return Count() - 1;
    }
    int Index;
    if (Find(S, Index))
    {
        if (FDuplicates == dupIgnore) return Index;
        if (FDuplicates == dupError) throw EListError("String list does not allow duplicates");
        // Accepted duplicates go after the equal ones already present.
        while (Index < Count() && CompareStrings(FItems[static_cast<size_t>(Index)].S, S) == 0)
            ++Index;
    }
    InsertItem(Index, S, nullptr);
    return Index;
}

void TStringList::Delete(int Index)
{
    CheckIndex(Index);
    Changing();
    FItems.erase(FItems.begin() + Index);
    Changed();
}

void TStringList::Clear()
{
    if (FItems.empty()) return;
    Changing();
    FItems.clear();
    Changed();
}

void TStringList::Exchange(int Index1, int Index2)
{
    CheckIndex(Index1);
    CheckIndex(Index2);
    Changing();
    std::swap(FItems[static_cast<size_t>(Index1)], FItems[static_cast<size_t>(Index2)]);
    Changed();
}

int TStringList::IndexOf(std::string_view S) const
{
    if (!FSorted) return TStrings::IndexOf(S);
    int Index;
    return Find(S, Index) ? Index : -1;
}

bool TStringList::Find(std::string_view S, int& Index) const
{
    // Lower bound, so that with duplicates Index is the first equal line.
    int Lo = 0, Hi = Count();
    while (Lo < Hi)
    {
        const int Mid = Lo + (Hi - Lo) / 2;
        if (CompareStrings(FItems[static_cast<size_t>(Mid)].S, S) < 0)
            Lo = Mid + 1;
        else
            Hi = Mid;
    }
    Index = Lo;
    return Lo < Count() && CompareStrings(FItems[static_cast<size_t>(Lo)].S, S) == 0;
}

void TStringList::Sort()
{
    Changing();
    std::stable_sort(FItems.begin(), FItems.end(),
                     [this](const TItem& A, const TItem& B)
                     { return CompareStrings(A.S, B.S) < 0; });
    Changed();
}

void TStringList::SetSorted(bool Value)
{
    if (FSorted == Value) return;
    if (Value) Sort();
    FSorted = Value;
}

void TStringList::SetCaseSensitive(bool Value)
{
    if (FCaseSensitive == Value) return;
    FCaseSensitive = Value;
    if (FSorted) Sort();
}

int TStringList::CompareStrings(std::string_view A, std::string_view B) const
{
    if (!FCaseSensitive) return TStrings::CompareStrings(A, B);
    const int R = A.compare(B);
    return R < 0 ? -1 : (R > 0 ? 1 : 0);
}

void TStringList::SetUpdateState(bool Updating)
{
    // The count is already 1 when the batch starts and 0 when it ends.
    if (Updating)
        OnChanging(this);
    else
        OnChange(this);
}

void TStringList::Changing()
{
    if (UpdateCount() == 0) OnChanging(this);
}

void TStringList::Changed()
{
    if (UpdateCount() == 0) OnChange(this);
}
