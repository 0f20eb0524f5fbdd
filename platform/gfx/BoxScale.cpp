#include "platform/gfx/BoxScale.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace
{
struct TTap
{
    int Index;
    uint32_t Weight; // 1/256 units; the taps of one output sum to 256
};

// For each output position, the source positions it covers and how much.
std::vector<std::vector<TTap>> Taps(int SrcLength, int DstLength, bool Flip)
{
    std::vector<std::vector<TTap>> Result(static_cast<size_t>(DstLength));
    const double Scale = double(SrcLength) / DstLength;
    for (int D = 0; D < DstLength; ++D)
    {
        const double A = D * Scale;
        const double B = (D + 1) * Scale;
        std::vector<TTap>& Out = Result[static_cast<size_t>(Flip ? DstLength - 1 - D : D)];
        uint32_t Sum = 0;
        for (int S = static_cast<int>(A); S < SrcLength && S < B; ++S)
        {
            const double Overlap = std::min(B, S + 1.0) - std::max(A, double(S));
            const uint32_t W = static_cast<uint32_t>(std::lround(Overlap / Scale * 256.0));
            if (W == 0)
                continue;
            Out.push_back({S, W});
            Sum += W;
        }
        // Rounding must not change the total brightness.
        if (!Out.empty())
            Out.back().Weight += 256u - Sum;
    }
    return Result;
}
} // namespace

TSurface BoxShrink(const TSurface& Src, int Width, int Height, bool FlipX, bool FlipY)
{
    if (Src.IsEmpty() || Width <= 0 || Height <= 0)
        return {};
    const auto Columns = Taps(Src.Width(), Width, FlipX);
    const auto Rows = Taps(Src.Height(), Height, FlipY);
    // Horizontal pass into 4 channels of 8.8 fixed point per pixel; the
    // vertical pass then fits 32-bit sums.
    const size_t RowWords = static_cast<size_t>(Width) * 4;
    std::vector<uint16_t> Narrow(RowWords * static_cast<size_t>(Src.Height()));
    for (int Y = 0; Y < Src.Height(); ++Y)
    {
        const uint32_t* In = Src.Row(Y);
        uint16_t* Out = Narrow.data() + RowWords * static_cast<size_t>(Y);
        for (int X = 0; X < Width; ++X)
        {
            uint32_t Acc[4] = {0, 0, 0, 0};
            for (const TTap& T : Columns[static_cast<size_t>(X)])
            {
                const uint32_t P = In[T.Index];
                Acc[0] += (P >> 24) * T.Weight;
                Acc[1] += (P >> 16 & 0xFF) * T.Weight;
                Acc[2] += (P >> 8 & 0xFF) * T.Weight;
                Acc[3] += (P & 0xFF) * T.Weight;
            }
            for (int C = 0; C < 4; ++C)
                Out[4 * X + C] = static_cast<uint16_t>(Acc[C]);
        }
    }
    TSurface Result(Width, Height);
    if (Result.IsEmpty())
        return Result;
    std::vector<uint32_t> Acc(RowWords);
    for (int Y = 0; Y < Height; ++Y)
    {
        std::fill(Acc.begin(), Acc.end(), 0);
        for (const TTap& T : Rows[static_cast<size_t>(Y)])
        {
            const uint16_t* In = Narrow.data() + RowWords * static_cast<size_t>(T.Index);
            for (size_t I = 0; I < RowWords; ++I)
                Acc[I] += uint32_t(In[I]) * T.Weight;
        }
        uint32_t* Out = Result.Row(Y);
        for (int X = 0; X < Width; ++X)
        {
            uint32_t C[4];
            for (int K = 0; K < 4; ++K)
                C[K] = std::min<uint32_t>(255, (Acc[4 * static_cast<size_t>(X) + static_cast<size_t>(K)] + (1u << 15)) >> 16);
            Out[X] = C[0] << 24 | C[1] << 16 | C[2] << 8 | C[3];
        }
    }
    return Result;
}
