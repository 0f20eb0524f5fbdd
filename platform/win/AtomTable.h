#pragma once

#include "platform/win/WinTypes.h"

#include <map>
#include <mutex>
#include <string>
#include <vector>

// Process-wide table of names mapped to ids from 0xC000 up, shared by
// registered messages and window class names. Names compare without regard
// to ASCII case; an id is never reused.
class TAtomTable
{
  public:
    static constexpr ATOM First = 0xC000;
    static constexpr ATOM Last = 0xFFFF;

    static TAtomTable& Instance();

    // The id of Name, added when new. 0 for an empty or null name, or when
    // the table is full.
    ATOM Add(LPCSTR Name);
    // The id of Name, or 0 when it was never added.
    ATOM Find(LPCSTR Name);
    // The name of an id, empty when unknown.
    std::string NameOf(ATOM Atom);

  private:
    static std::string Key(LPCSTR Name);

    std::mutex FLock;
    std::map<std::string, ATOM> FByName;
    std::vector<std::string> FNames;
};

// Classic way to pass an atom where a name is expected.
inline LPCSTR MAKEINTATOM(ATOM Atom)
{
    return reinterpret_cast<LPCSTR>(static_cast<ULONG_PTR>(Atom));
}
inline bool IS_INTRESOURCE(LPCSTR Name)
{
    return (reinterpret_cast<ULONG_PTR>(Name) >> 16) == 0;
}
