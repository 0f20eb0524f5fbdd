#include "skinfiles/Inflater.h"

#include "skinfiles/HuffmanTable.h"

#include <algorithm>
#include <cstring>

namespace
{

using namespace huffman;

// Working room kept past the output: one longest match plus the bytes a
// match copy may write beyond its end.
constexpr size_t OutputSlack = 258 + 16;

const THuffmanTable& FixedLiteralTable()
{
    static const THuffmanTable Table = []
    {
        uint8_t Lengths[288];
        std::fill(Lengths, Lengths + 144, 8);
        std::fill(Lengths + 144, Lengths + 256, 9);
        std::fill(Lengths + 256, Lengths + 280, 7);
        std::fill(Lengths + 280, Lengths + 288, 8);
        THuffmanTable T;
        T.Build(THuffmanAlphabet::LiteralLength, Lengths);
        return T;
    }();
    return Table;
}

const THuffmanTable& FixedDistanceTable()
{
    static const THuffmanTable Table = []
    {
        uint8_t Lengths[32];
        std::fill(Lengths, Lengths + 32, 5);
        THuffmanTable T;
        T.Build(THuffmanAlphabet::Distance, Lengths);
        return T;
    }();
    return Table;
}

inline uint64_t Load64(const uint8_t* P)
{
    uint64_t V;
    std::memcpy(&V, P, 8);
    return V; // the build targets little-endian machines only
}

// Copies a match of Length bytes from Distance bytes back. May write up to
// 15 bytes past the end (covered by OutputSlack).
inline void CopyMatch(uint8_t* Out, size_t Distance, size_t Length)
{
    const uint8_t* From = Out - Distance;
    uint8_t* const End = Out + Length;
    if (Distance >= 16)
    {
        do
        {
            std::memcpy(Out, From, 16);
            Out += 16;
            From += 16;
        } while (Out < End);
    }
    else if (Distance >= 8)
    {
        do
        {
            std::memcpy(Out, From, 8);
            Out += 8;
            From += 8;
        } while (Out < End);
    }
    else if (Distance == 1)
    {
        std::memset(Out, *From, Length);
    }
    else
    {
        // Short distances repeat a pattern; widen it to eight bytes first.
        for (int I = 0; I < 8; ++I)
            Out[I] = From[I % Distance];
        // Each step copies whole periods from the eight bytes written last;
        // a step may be shorter than eight, so it goes through a register.
        const size_t Step = 8 - 8 % Distance;
        for (uint8_t* P = Out + Step; P < End; P += Step)
        {
            uint64_t Chunk;
            std::memcpy(&Chunk, P - Step, 8);
            std::memcpy(P, &Chunk, 8);
        }
    }
}

class TDecoder
{
  public:
    TDecoder(std::span<const uint8_t> In, TByteBuffer& Out, size_t MaxOutput)
        : FIn(In.data()), FInEnd(In.data() + In.size()), FBuffer(Out), FMaxOutput(MaxOutput)
    {
    }

    TInflateStatus Run(size_t SizeHint)
    {
        FBuffer.SetSize(0);
        FBuffer.Reserve(std::min(SizeHint, FMaxOutput) + OutputSlack);
        FBase = FBuffer.Data();
        FOut = FBase;
        FCapEnd = FBase + FBuffer.Capacity();
        TInflateStatus Status = Blocks();
        FBuffer.SetSize(FOut - FBase);
        if (Status == TInflateStatus::Ok && FBuffer.Size() > FMaxOutput)
            Status = TInflateStatus::OutputTooLarge;
        return Status;
    }

  private:
    // Fills the bit buffer to at least 56 bits. Past the end of the input it
    // adds zero bytes; false once any of those has been consumed.
    bool Refill()
    {
        if (FInEnd - FIn >= 8)
        {
            FBits |= Load64(FIn) << FCount;
            FIn += (63 - FCount) >> 3;
            FCount |= 56;
            return true;
        }
        while (FCount <= 56)
        {
            if (FIn < FInEnd)
                FBits |= uint64_t(*FIn++) << FCount;
            else if (FOverrun * 8 > FCount)
                return false;
            else
                ++FOverrun;
            FCount += 8;
        }
        return true;
    }

    bool Overran() const { return FOverrun * 8 > FCount; }

    uint32_t Take(unsigned N)
    {
        const uint32_t V = static_cast<uint32_t>(FBits & ((uint64_t(1) << N) - 1));
        FBits >>= N;
        FCount -= N;
        return V;
    }

    // Ensures room for Need more bytes of output plus the slack; false when
    // Need more bytes would take the output past the limit. A match needs
    // only the slack, so the output may reach the limit exactly whatever
    // the next symbols are.
    bool Room(size_t Need)
    {
        if (size_t(FCapEnd - FOut) >= Need + OutputSlack) return true;
        const size_t Size = FOut - FBase;
        const size_t Limit = FMaxOutput + OutputSlack;
        if (Size > FMaxOutput || FMaxOutput - Size < Need) return false;
        const size_t Capacity = FBuffer.Capacity();
        FBuffer.SetSize(Size);
        FBuffer.Reserve(std::min(Limit, std::max(Capacity * 2, Size + Need + OutputSlack)));
        FBase = FBuffer.Data();
        FOut = FBase + Size;
        FCapEnd = FBase + FBuffer.Capacity();
        return true;
    }

    TInflateStatus Blocks()
    {
        for (;;)
        {
            if (!Refill()) return TInflateStatus::Truncated;
            const uint32_t Final = Take(1);
            const uint32_t Type = Take(2);
            TInflateStatus Status;
            if (Type == 0)
                Status = Stored();
            else if (Type == 1)
                Status = Codes(FixedLiteralTable(), FixedDistanceTable());
            else if (Type == 2)
                Status = Dynamic();
            else
                Status = TInflateStatus::BadBlockType;
            if (Status != TInflateStatus::Ok) return Status;
            if (Overran()) return TInflateStatus::Truncated;
            if (Final) return TInflateStatus::Ok;
        }
    }

    TInflateStatus Stored()
    {
        // Give the whole bytes still in the bit buffer back to the input.
        Take(FCount & 7);
        const size_t Held = FCount >> 3;
        if (Held < FOverrun) return TInflateStatus::Truncated;
        FIn -= Held - FOverrun;
        FOverrun = 0;
        FBits = 0;
        FCount = 0;
        if (FInEnd - FIn < 4) return TInflateStatus::Truncated;
        const size_t Length = FIn[0] | FIn[1] << 8;
        const size_t Complement = FIn[2] | FIn[3] << 8;
        FIn += 4;
        if (Length != (~Complement & 0xFFFF)) return TInflateStatus::BadStoredLength;
        if (size_t(FInEnd - FIn) < Length) return TInflateStatus::Truncated;
        if (!Room(Length)) return TInflateStatus::OutputTooLarge;
        std::memcpy(FOut, FIn, Length);
        FOut += Length;
        FIn += Length;
        return TInflateStatus::Ok;
    }

    TInflateStatus Dynamic()
    {
        static constexpr uint8_t Order[19] = {16, 17, 18, 0, 8,  7, 9,  6, 10, 5,
                                              11, 4,  12, 3, 13, 2, 14, 1, 15};
        if (!Refill()) return TInflateStatus::Truncated;
        const unsigned LiteralCount = Take(5) + 257;
        const unsigned DistanceCount = Take(5) + 1;
        const unsigned LengthCount = Take(4) + 4;
        if (LiteralCount > 286 || DistanceCount > 30) return TInflateStatus::TooManyCodes;
        uint8_t CodeLengths[19] = {};
        for (unsigned I = 0; I < LengthCount; ++I)
        {
            if (FCount < 3 && !Refill()) return TInflateStatus::Truncated;
            CodeLengths[Order[I]] = static_cast<uint8_t>(Take(3));
        }
        THuffmanTable LengthTable;
        TInflateStatus Status = LengthTable.Build(THuffmanAlphabet::CodeLength, CodeLengths);
        if (Status != TInflateStatus::Ok) return Status;

        uint8_t Lengths[286 + 30];
        const unsigned Total = LiteralCount + DistanceCount;
        for (unsigned I = 0; I < Total;)
        {
            if (!Refill()) return TInflateStatus::Truncated;
            unsigned CodeLength;
            const uint32_t E = LengthTable.Decode(FBits, CodeLength);
            if (E & Invalid) return TInflateStatus::BadSymbol;
            Take(CodeLength);
            const unsigned Symbol = Value(E);
            if (Symbol < 16)
            {
                Lengths[I++] = static_cast<uint8_t>(Symbol);
                continue;
            }
            uint8_t Repeated = 0;
            unsigned Times;
            if (Symbol == 16)
            {
                if (I == 0) return TInflateStatus::BadCodeLengths;
                Repeated = Lengths[I - 1];
                Times = 3 + Take(2);
            }
            else if (Symbol == 17)
                Times = 3 + Take(3);
            else
                Times = 11 + Take(7);
            if (Times > Total - I) return TInflateStatus::BadCodeLengths;
            std::memset(Lengths + I, Repeated, Times);
            I += Times;
        }
        if (Lengths[256] == 0) return TInflateStatus::BadCodeSet;
        THuffmanTable LiteralTable;
        Status = LiteralTable.Build(THuffmanAlphabet::LiteralLength, {Lengths, LiteralCount});
        if (Status != TInflateStatus::Ok) return Status;
        THuffmanTable DistanceTable;
        Status = DistanceTable.Build(THuffmanAlphabet::Distance,
                                     {Lengths + LiteralCount, DistanceCount});
        if (Status != TInflateStatus::Ok) return Status;
        return Codes(LiteralTable, DistanceTable);
    }

    TInflateStatus Codes(const THuffmanTable& LiteralTable, const THuffmanTable& DistanceTable)
    {
        const uint32_t* const Lit = LiteralTable.Entries();
        const uint32_t* const Dist = DistanceTable.Entries();
        const uint64_t LitMask = (uint64_t(1) << LiteralTable.RootBits()) - 1;
        const uint64_t DistMask = (uint64_t(1) << DistanceTable.RootBits()) - 1;
        // The hot loop works on locals; they go back to the members on exit.
        uint64_t Bits = FBits;
        unsigned Count = FCount;
        uint8_t* Out = FOut;
        auto Save = [&]
        {
            FBits = Bits;
            FCount = Count;
            FOut = Out;
        };
        auto Load = [&]
        {
            Bits = FBits;
            Count = FCount;
            Out = FOut;
        };
        for (;;)
        {
            // Input that ran out is reported as such before the size: the
            // zero bits read past the end may have decoded as output.
            if (FInEnd - FIn >= 8)
            {
                Bits |= Load64(FIn) << Count;
                FIn += (63 - Count) >> 3;
                Count |= 56;
            }
            else
            {
                Save();
                if (!Refill()) return TInflateStatus::Truncated;
                Load();
            }
            if (size_t(FCapEnd - Out) < OutputSlack)
            {
                Save();
                if (!Room(0)) return TInflateStatus::OutputTooLarge;
                Load();
            }
            uint32_t E = Lit[Bits & LitMask];
            if (E & Link)
            {
                Bits >>= LiteralTable.RootBits();
                Count -= LiteralTable.RootBits();
                E = Lit[Value(E) + (Bits & ((1u << ExtraBits(E)) - 1))];
            }
            Bits >>= CodeBits(E);
            Count -= CodeBits(E);
            if (E & Literal)
            {
                *Out++ = static_cast<uint8_t>(Value(E));
                // A second literal often fits in the bits already held.
                E = Lit[Bits & LitMask];
                if (E & Literal)
                {
                    Bits >>= CodeBits(E);
                    Count -= CodeBits(E);
                    *Out++ = static_cast<uint8_t>(Value(E));
                }
                continue;
            }
            if (E & (EndOfBlock | Invalid))
            {
                Save();
                return (E & EndOfBlock) ? TInflateStatus::Ok : TInflateStatus::BadSymbol;
            }
            unsigned Extra = ExtraBits(E);
            const size_t Length = Value(E) + (Bits & ((1u << Extra) - 1));
            Bits >>= Extra;
            Count -= Extra;

            uint32_t D = Dist[Bits & DistMask];
            if (D & Link)
            {
                Bits >>= DistanceTable.RootBits();
                Count -= DistanceTable.RootBits();
                D = Dist[Value(D) + (Bits & ((1u << ExtraBits(D)) - 1))];
            }
            if (D & Invalid)
            {
                Save();
                return TInflateStatus::BadSymbol;
            }
            Bits >>= CodeBits(D);
            Count -= CodeBits(D);
            Extra = ExtraBits(D);
            const size_t Distance = Value(D) + (Bits & ((1u << Extra) - 1));
            Bits >>= Extra;
            Count -= Extra;
            if (Distance > size_t(Out - FBase))
            {
                Save();
                return TInflateStatus::DistanceTooFar;
            }
            CopyMatch(Out, Distance, Length);
            Out += Length;
        }
    }

    const uint8_t* FIn;
    const uint8_t* const FInEnd;
    uint64_t FBits = 0;
    unsigned FCount = 0;
    size_t FOverrun = 0;
    TByteBuffer& FBuffer;
    const size_t FMaxOutput;
    uint8_t* FBase = nullptr;
    uint8_t* FOut = nullptr;
    uint8_t* FCapEnd = nullptr;
};

} // namespace

TInflateStatus Inflate(std::span<const uint8_t> In, TByteBuffer& Out, size_t MaxOutput,
                       size_t SizeHint)
{
    return TDecoder(In, Out, MaxOutput).Run(SizeHint);
}
