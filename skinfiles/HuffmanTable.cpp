#include "skinfiles/HuffmanTable.h"

#include "skinfiles/DeflateTables.h"

#include <algorithm>

namespace
{

using namespace deflate;

uint32_t SymbolEntry(THuffmanAlphabet Alphabet, unsigned Symbol)
{
    using namespace huffman;
    switch (Alphabet)
    {
    case THuffmanAlphabet::LiteralLength:
        if (Symbol < 256) return Literal | Symbol << ValueShift;
        if (Symbol == 256) return EndOfBlock;
        if (Symbol <= 285)
            return uint32_t(LengthBase[Symbol - 257]) << ValueShift |
                   uint32_t(LengthExtra[Symbol - 257]) << ExtraShift;
        return Invalid;
    case THuffmanAlphabet::Distance:
        if (Symbol < 30)
            return uint32_t(DistanceBase[Symbol]) << ValueShift | uint32_t(DistanceExtra[Symbol])
                                                                      << ExtraShift;
        return Invalid;
    case THuffmanAlphabet::CodeLength:
        return Symbol << ValueShift;
    }
    return Invalid;
}

uint32_t ReverseBits(uint32_t Code, int Length)
{
    uint32_t R = 0;
    for (int I = 0; I < Length; ++I, Code >>= 1)
        R = (R << 1) | (Code & 1);
    return R;
}

} // namespace

TInflateStatus THuffmanTable::Build(THuffmanAlphabet Alphabet, std::span<const uint8_t> Lengths)
{
    using namespace huffman;
    constexpr int MaxLength = 15;
    int Count[MaxLength + 1] = {};
    for (uint8_t L : Lengths)
    {
        if (L > MaxLength) return TInflateStatus::BadCodeSet;
        ++Count[L];
    }
    Count[0] = 0;
    int Total = 0;
    int Longest = 0;
    int Left = 1;
    for (int L = 1; L <= MaxLength; ++L)
    {
        Left = (Left << 1) - Count[L];
        if (Left < 0) return TInflateStatus::BadCodeSet;
        Total += Count[L];
        if (Count[L]) Longest = L;
    }
    // DEFLATE allows only two incomplete sets: one code of one bit, and a
    // distance code without any code (a block of literals only).
    if (Left > 0 && !(Total == 1 && Count[1] == 1) &&
        !(Total == 0 && Alphabet == THuffmanAlphabet::Distance))
        return TInflateStatus::BadCodeSet;

    const int Root = Alphabet == THuffmanAlphabet::LiteralLength ? LiteralRootBits
                     : Alphabet == THuffmanAlphabet::Distance    ? DistanceRootBits
                                                                 : CodeLengthRootBits;
    FRootBits = std::clamp(Longest, 1, Root);
    const uint32_t RootSize = 1u << FRootBits;
    std::fill_n(FEntries, RootSize, Invalid);

    // Symbols in canonical order: by code length, then by symbol.
    int Offset[MaxLength + 2] = {};
    for (int L = 1; L <= MaxLength; ++L)
        Offset[L + 1] = Offset[L] + Count[L];
    uint16_t Sorted[288];
    if (Lengths.size() > std::size(Sorted)) return TInflateStatus::BadCodeSet;
    for (size_t S = 0; S < Lengths.size(); ++S)
        if (Lengths[S]) Sorted[Offset[Lengths[S]]++] = static_cast<uint16_t>(S);

    int Remaining[MaxLength + 1];
    std::copy(std::begin(Count), std::end(Count), Remaining);
    uint32_t Code = 0;
    int CodeLength = 0;
    uint32_t Next = RootSize;
    int64_t Prefix = -1;
    uint32_t SubStart = 0;
    int SubBits = 0;
    for (int I = 0; I < Total; ++I)
    {
        const unsigned Symbol = Sorted[I];
        const int L = Lengths[Symbol];
        if (L > CodeLength)
        {
            Code <<= (L - CodeLength);
            CodeLength = L;
        }
        const uint32_t Reversed = ReverseBits(Code, L);
        const uint32_t Entry = SymbolEntry(Alphabet, Symbol);
        if (L <= FRootBits)
        {
            for (uint32_t At = Reversed; At < RootSize; At += 1u << L)
                FEntries[At] = Entry | uint32_t(L);
        }
        else
        {
            const uint32_t Head = Reversed & (RootSize - 1);
            if (Head != Prefix)
            {
                // A new second-level table, as large as the codes sharing
                // this prefix need: they come next in canonical order.
                SubBits = L - FRootBits;
                int Free = 1 << SubBits;
                while (SubBits + FRootBits < Longest)
                {
                    Free -= Remaining[SubBits + FRootBits];
                    if (Free <= 0) break;
                    ++SubBits;
                    Free <<= 1;
                }
                if (Next + (1u << SubBits) > MaxEntries) return TInflateStatus::BadCodeSet;
                std::fill_n(FEntries + Next, 1u << SubBits, Invalid);
                FEntries[Head] = Link | uint32_t(FRootBits) | uint32_t(SubBits) << ExtraShift |
                                 Next << ValueShift;
                SubStart = Next;
                Next += 1u << SubBits;
                Prefix = Head;
            }
            for (uint32_t At = Reversed >> FRootBits; At < (1u << SubBits);
                 At += 1u << (L - FRootBits))
                FEntries[SubStart + At] = Entry | uint32_t(L - FRootBits);
        }
        --Remaining[L];
        ++Code;
    }
    return TInflateStatus::Ok;
}

uint32_t THuffmanTable::Decode(uint64_t Bits, unsigned& Length) const
{
    using namespace huffman;
    uint32_t E = FEntries[Bits & ((1u << FRootBits) - 1)];
    Length = 0;
    if (E & Link)
    {
        Length = unsigned(FRootBits);
        E = FEntries[Value(E) + ((Bits >> FRootBits) & ((1u << ExtraBits(E)) - 1))];
    }
    Length += CodeBits(E);
    return E;
}
