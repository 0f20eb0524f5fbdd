#include "tools/skin-writer/DeflateEncoder.h"

#include "skinfiles/DeflateTables.h"

#include <algorithm>
#include <bit>

namespace
{

using namespace deflate;

class TBitWriter
{
  public:
    // Value's low Count bits, least significant first.
    void Put(uint32_t Value, int Count)
    {
        FBits |= uint64_t(Value) << FCount;
        FCount += Count;
        while (FCount >= 8)
        {
            FOut.push_back(uint8_t(FBits));
            FBits >>= 8;
            FCount -= 8;
        }
    }
    // A Huffman code, which goes out most significant bit first.
    void PutCode(uint32_t Code, int Length)
    {
        uint32_t Reversed = 0;
        for (int I = 0; I < Length; ++I)
            Reversed |= ((Code >> I) & 1) << (Length - 1 - I);
        Put(Reversed, Length);
    }
    std::vector<uint8_t> Finish()
    {
        if (FCount) FOut.push_back(uint8_t(FBits));
        FBits = 0;
        FCount = 0;
        return std::move(FOut);
    }

  private:
    std::vector<uint8_t> FOut;
    uint64_t FBits = 0;
    int FCount = 0;
};

void PutLiteralLength(TBitWriter& W, unsigned Symbol)
{
    if (Symbol < 144)
        W.PutCode(0x30 + Symbol, 8);
    else if (Symbol < 256)
        W.PutCode(0x190 + Symbol - 144, 9);
    else if (Symbol < 280)
        W.PutCode(Symbol - 256, 7);
    else
        W.PutCode(0xC0 + Symbol - 280, 8);
}

void PutMatch(TBitWriter& W, unsigned Length, unsigned Distance)
{
    int L = 28;
    while (LengthBase[L] > Length)
        --L;
    PutLiteralLength(W, 257 + L);
    W.Put(Length - LengthBase[L], LengthExtra[L]);
    int D = 29;
    while (DistanceBase[D] > Distance)
        --D;
    W.PutCode(D, 5);
    W.Put(Distance - DistanceBase[D], DistanceExtra[D]);
}

std::vector<uint8_t> Stored(std::span<const uint8_t> Data)
{
    std::vector<uint8_t> Out;
    size_t At = 0;
    do
    {
        const size_t N = std::min<size_t>(65535, Data.size() - At);
        Out.push_back(At + N == Data.size() ? 1 : 0);
        Out.push_back(uint8_t(N));
        Out.push_back(uint8_t(N >> 8));
        Out.push_back(uint8_t(~N));
        Out.push_back(uint8_t(~N >> 8));
        Out.insert(Out.end(), Data.begin() + At, Data.begin() + At + N);
        At += N;
    } while (At < Data.size());
    return Out;
}

std::vector<uint8_t> Fixed(std::span<const uint8_t> Data)
{
    constexpr size_t Window = 32768;
    // A hash table no larger than the input needs keeps small inputs cheap.
    const int HashBits = std::clamp(int(std::bit_width(Data.size())), 8, 15);
    constexpr int MaxChain = 64;
    std::vector<int32_t> Head(size_t(1) << HashBits, -1);
    std::vector<int32_t> Prev(Data.size(), -1);
    auto Hash = [&](size_t I)
    { return ((Data[I] << 10) ^ (Data[I + 1] << 5) ^ Data[I + 2]) & ((1u << HashBits) - 1); };
    auto Insert = [&](size_t I)
    {
        if (I + 3 > Data.size()) return;
        const uint32_t H = Hash(I);
        Prev[I] = Head[H];
        Head[H] = int32_t(I);
    };

    TBitWriter W;
    W.Put(1, 1); // final
    W.Put(1, 2); // fixed codes
    size_t I = 0;
    while (I < Data.size())
    {
        size_t BestLength = 0;
        size_t BestDistance = 0;
        if (I + 3 <= Data.size())
        {
            int Chain = MaxChain;
            for (int32_t J = Head[Hash(I)]; J >= 0 && I - J <= Window && Chain--; J = Prev[J])
            {
                const size_t Limit = std::min<size_t>(258, Data.size() - I);
                size_t L = 0;
                while (L < Limit && Data[J + L] == Data[I + L])
                    ++L;
                if (L > BestLength)
                {
                    BestLength = L;
                    BestDistance = I - J;
                    if (L == Limit) break;
                }
            }
        }
        if (BestLength >= 3)
        {
            PutMatch(W, unsigned(BestLength), unsigned(BestDistance));
            for (size_t K = 0; K < BestLength; ++K)
                Insert(I + K);
            I += BestLength;
        }
        else
        {
            PutLiteralLength(W, Data[I]);
            Insert(I);
            ++I;
        }
    }
    PutLiteralLength(W, 256);
    return W.Finish();
}

} // namespace

std::vector<uint8_t> DeflateBytes(std::span<const uint8_t> Data, TDeflateMode Mode)
{
    return Mode == TDeflateMode::Stored ? Stored(Data) : Fixed(Data);
}
