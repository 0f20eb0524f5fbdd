#include "platform/win/AtomTable.h"

#include <cctype>

TAtomTable& TAtomTable::Instance()
{
    static TAtomTable Table;
    return Table;
}

std::string TAtomTable::Key(LPCSTR Name)
{
    std::string Result(Name);
    for (char& C : Result)
        C = static_cast<char>(std::tolower(static_cast<unsigned char>(C)));
    return Result;
}

ATOM TAtomTable::Add(LPCSTR Name)
{
    if (!Name || IS_INTRESOURCE(Name) || !*Name) return 0;
    std::string K = Key(Name);
    std::lock_guard Guard(FLock);
    if (auto It = FByName.find(K); It != FByName.end()) return It->second;
    if (FNames.size() > static_cast<size_t>(Last - First)) return 0;
    ATOM Atom = static_cast<ATOM>(First + FNames.size());
    FNames.emplace_back(Name);
    FByName.emplace(std::move(K), Atom);
    return Atom;
}

ATOM TAtomTable::Find(LPCSTR Name)
{
    if (!Name) return 0;
    if (IS_INTRESOURCE(Name))
    {
        ATOM Atom = static_cast<ATOM>(reinterpret_cast<ULONG_PTR>(Name));
        std::lock_guard Guard(FLock);
        return Atom >= First && static_cast<size_t>(Atom - First) < FNames.size() ? Atom : 0;
    }
    std::string K = Key(Name);
    std::lock_guard Guard(FLock);
    auto It = FByName.find(K);
    return It == FByName.end() ? 0 : It->second;
}

std::string TAtomTable::NameOf(ATOM Atom)
{
    std::lock_guard Guard(FLock);
    if (Atom < First || static_cast<size_t>(Atom - First) >= FNames.size()) return {};
    return FNames[Atom - First];
}
