#include "platform/gfx/BoxScale.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>
#include <vector>

namespace
{
// For each output position, the source positions it covers and how much:
// taps First[d] .. First[d + 1] - 1 of Index and Weight. Weights are in
// 1/256 units and sum to 256 per output.
struct TTaps
{
    std::vector<int> First;
    std::vector<int> Index;
    std::vector<uint32_t> Weight;
};

TTaps Taps(int SrcLength, int DstLength, bool Flip)
{
    std::vector<std::vector<std::pair<int, uint32_t>>> Lists(static_cast<size_t>(DstLength));
    const double Scale = double(SrcLength) / DstLength;
    for (int D = 0; D < DstLength; ++D)
    {
        const double A = D * Scale;
        const double B = (D + 1) * Scale;
        auto& Out = Lists[static_cast<size_t>(Flip ? DstLength - 1 - D : D)];
        uint32_t Sum = 0;
        for (int S = static_cast<int>(A); S < SrcLength && S < B; ++S)
        {
            const double Overlap = std::min(B, S + 1.0) - std::max(A, double(S));
            const uint32_t W = static_cast<uint32_t>(std::lround(Overlap / Scale * 256.0));
            if (W == 0) continue;
            Out.push_back({S, W});
            Sum += W;
        }
        // Rounding must not change the total brightness.
        if (!Out.empty()) Out.back().second += 256u - Sum;
    }
    TTaps Taps;
    Taps.First.reserve(static_cast<size_t>(DstLength) + 1);
    for (const auto& List : Lists)
    {
        Taps.First.push_back(static_cast<int>(Taps.Index.size()));
        for (const auto& [Index, Weight] : List)
        {
            Taps.Index.push_back(Index);
            Taps.Weight.push_back(Weight);
        }
    }
    Taps.First.push_back(static_cast<int>(Taps.Index.size()));
    return Taps;
}
} // namespace

TSurface BoxShrink(const TSurface& Src, const TRect& Source, int Width, int Height, bool FlipX,
                   bool FlipY)
{
    if (Src.IsEmpty() || Source.IsEmpty() || Width <= 0 || Height <= 0) return {};
    const TTaps Columns = Taps(Source.Width(), Width, FlipX);
    const TTaps Rows = Taps(Source.Height(), Height, FlipY);
    // Horizontal pass into 4 channels of 8.8 fixed point per pixel; the
    // vertical pass then fits 32-bit sums.
    const size_t RowWords = static_cast<size_t>(Width) * 4;
    std::vector<uint16_t> Narrow(RowWords * static_cast<size_t>(Source.Height()));
    for (int Y = 0; Y < Source.Height(); ++Y)
    {
        const uint32_t* In = Src.Row(Source.Top + Y) + Source.Left;
        uint16_t* Out = Narrow.data() + RowWords * static_cast<size_t>(Y);
        for (int X = 0; X < Width; ++X)
        {
            uint32_t A = 0, R = 0, G = 0, B = 0;
            for (int T = Columns.First[static_cast<size_t>(X)];
                 T < Columns.First[static_cast<size_t>(X) + 1]; ++T)
            {
                const uint32_t P = In[Columns.Index[static_cast<size_t>(T)]];
                const uint32_t W = Columns.Weight[static_cast<size_t>(T)];
                A += (P >> 24) * W;
                R += (P >> 16 & 0xFF) * W;
                G += (P >> 8 & 0xFF) * W;
                B += (P & 0xFF) * W;
            }
            Out[4 * X] = static_cast<uint16_t>(A);
            Out[4 * X + 1] = static_cast<uint16_t>(R);
            Out[4 * X + 2] = static_cast<uint16_t>(G);
            Out[4 * X + 3] = static_cast<uint16_t>(B);
        }
    }
    TSurface Result(Width, Height);
    if (Result.IsEmpty()) return Result;
    std::vector<uint32_t> Acc(RowWords);
    for (int Y = 0; Y < Height; ++Y)
    {
        std::fill(Acc.begin(), Acc.end(), 0);
        for (int T = Rows.First[static_cast<size_t>(Y)]; T < Rows.First[static_cast<size_t>(Y) + 1];
             ++T)
        {
            const uint16_t* In =
                Narrow.data() + RowWords * static_cast<size_t>(Rows.Index[static_cast<size_t>(T)]);
            const uint32_t W = Rows.Weight[static_cast<size_t>(T)];
            for (size_t I = 0; I < RowWords; ++I)
                Acc[I] += uint32_t(In[I]) * W;
        }
        uint32_t* Out = Result.Row(Y);
        for (int X = 0; X < Width; ++X)
        {
            const uint32_t* C = Acc.data() + 4 * static_cast<size_t>(X);
            auto Channel = [](uint32_t V)
            { return std::min<uint32_t>(255, (V + (1u << 15)) >> 16); };
            Out[X] = Channel(C[0]) << 24 | Channel(C[1]) << 16 | Channel(C[2]) << 8 | Channel(C[3]);
        }
    }
    return Result;
}
