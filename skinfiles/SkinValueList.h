#pragma once

#include "framework/Text.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Named values of one kind of skin item, in the order the skin lists them.
// Names are matched without regard to letter case, and the first of several
// equal names answers, as the text lines name=value answered.
template <class T> class TSkinValueList
{
  public:
    struct TEntry
    {
        std::string Name;
        T Value;
    };

    void Add(std::string Name, T Value) { FEntries.push_back({std::move(Name), std::move(Value)}); }
    // The value of the first entry named Name; null if there is none.
    const T* Find(std::string_view Name) const
    {
        for (const TEntry& E : FEntries)
            if (SameText(E.Name, Name)) return &E.Value;
        return nullptr;
    }
    // Replaces the first entry named Name, or adds one.
    void Set(std::string_view Name, T Value)
    {
        for (TEntry& E : FEntries)
            if (SameText(E.Name, Name))
            {
                E.Value = std::move(Value);
                return;
            }
        Add(std::string(Name), std::move(Value));
    }
    void Clear() { FEntries.clear(); }
    const std::vector<TEntry>& Entries() const { return FEntries; }

  private:
    std::vector<TEntry> FEntries;
};
