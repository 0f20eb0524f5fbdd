#include "framework/stdctrls/ItemStrings.h"

#include "framework/PropertyRegistry.h"

#include <algorithm>

const TClassInfo& TItemStrings::StaticClass()
{
    static const TClassInfo Info =
        TClassBuilder<TItemStrings>("TItemStrings", &TStrings::StaticClass()).Build();
    return Info;
}

void TItemStrings::CheckIndex(int Index) const
{
    if (Index < 0 || Index >= Count()) IndexError(Index);
}

std::string TItemStrings::Strings(int Index) const
{
    CheckIndex(Index);
    return FItems[static_cast<size_t>(Index)].S;
}

void TItemStrings::SetStrings(int Index, const std::string& S)
{
    CheckIndex(Index);
    FItems[static_cast<size_t>(Index)].S = S;
    Changed();
}

TObject* TItemStrings::Objects(int Index) const
{
    CheckIndex(Index);
    return FItems[static_cast<size_t>(Index)].Object;
}

void TItemStrings::SetObjects(int Index, TObject* Object)
{
    CheckIndex(Index);
    FItems[static_cast<size_t>(Index)].Object = Object;
}

void TItemStrings::Insert(int Index, const std::string& S)
{
    if (Index < 0 || Index > Count()) IndexError(Index);
    FItems.insert(FItems.begin() + Index, TItem{S});
    Changed();
}

void TItemStrings::Delete(int Index)
{
    CheckIndex(Index);
    FItems.erase(FItems.begin() + Index);
    Changed();
}

void TItemStrings::Clear()
{
    if (FItems.empty()) return;
    FItems.clear();
    Changed();
}

int TItemStrings::Add(const std::string& S)
{
    if (!FSorted) return TStrings::Add(S);
    auto It = std::upper_bound(FItems.begin(), FItems.end(), S,
                               [this](const std::string& A, const TItem& B)
                               { return CompareStrings(A, B.S) < 0; });
    int Index = static_cast<int>(It - FItems.begin());
    Insert(Index, S);
    return Index;
}

int TItemStrings::State(int Index) const
{
    CheckIndex(Index);
    return FItems[static_cast<size_t>(Index)].State;
}

void TItemStrings::SetState(int Index, int Value)
{
    CheckIndex(Index);
    if (FItems[static_cast<size_t>(Index)].State == Value) return;
    FItems[static_cast<size_t>(Index)].State = Value;
    Changed();
}

void TItemStrings::SetSorted(bool Value)
{
    if (FSorted == Value) return;
    FSorted = Value;
    if (!Value) return;
    std::stable_sort(FItems.begin(), FItems.end(),
                     [this](const TItem& A, const TItem& B)
                     { return CompareStrings(A.S, B.S) < 0; });
    Changed();
}

void TItemStrings::Changed()
{
    if (UpdateCount() > 0)
    {
        FPending = true;
        return;
    }
    if (OnChanged) OnChanged();
}

void TItemStrings::SetUpdateState(bool Updating)
{
    if (Updating || !FPending) return;
    FPending = false;
    if (OnChanged) OnChanged();
}
