#pragma once

#include <cstdint>
#include <initializer_list>

// A set of enumeration values (at most 64 members), as the framework's
// state flags and set-typed properties use it.
template <class E> class TSet
{
  public:
    constexpr TSet() = default;
    constexpr TSet(std::initializer_list<E> Values)
    {
        for (E V : Values)
            Include(V);
    }

    static constexpr TSet FromMask(uint64_t Mask)
    {
        TSet S;
        S.FMask = Mask;
        return S;
    }

    constexpr bool Contains(E Value) const { return (FMask & Bit(Value)) != 0; }
    constexpr void Include(E Value) { FMask |= Bit(Value); }
    constexpr void Exclude(E Value) { FMask &= ~Bit(Value); }
    constexpr bool Empty() const { return FMask == 0; }
    constexpr uint64_t Mask() const { return FMask; }

    constexpr TSet operator+(TSet Other) const { return FromMask(FMask | Other.FMask); }
    constexpr TSet operator-(TSet Other) const { return FromMask(FMask & ~Other.FMask); }
    constexpr TSet operator*(TSet Other) const { return FromMask(FMask & Other.FMask); }
    constexpr bool operator==(const TSet&) const = default;

  private:
    static constexpr uint64_t Bit(E Value) { return uint64_t{1} << static_cast<unsigned>(Value); }

    uint64_t FMask = 0;
};
