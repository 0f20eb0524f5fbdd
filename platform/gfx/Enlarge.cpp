#include "platform/gfx/Enlarge.h"

#include <algorithm>
#include <cstring>

void EnlargeInto(const TSurface& Source, int Factor, TSurface& Target)
{
    if (Factor < 1 || Source.IsEmpty() || Target.IsEmpty()) return;
    const int Width = std::min(Target.Width(), Source.Width() * Factor);
    const int Height = std::min(Target.Height(), Source.Height() * Factor);
    const size_t RowBytes = static_cast<size_t>(Width) * sizeof(uint32_t);
    for (int Y = 0; Y < Height; Y += Factor)
    {
        // One target row is built, the rest of the block are copies of it.
        const uint32_t* From = Source.Row(Y / Factor);
        uint32_t* First = Target.Row(Y);
        if (Factor == 1)
            std::memcpy(First, From, RowBytes);
        else
        {
            const int Whole = Width / Factor;
            uint32_t* To = First;
            for (int X = 0; X < Whole; ++X, To += Factor)
                std::fill_n(To, Factor, From[X]);
            // A block the target cuts through.
            if (To < First + Width) std::fill(To, First + Width, From[Whole]);
        }
        for (int Copy = Y + 1; Copy < std::min(Height, Y + Factor); ++Copy)
            std::memcpy(Target.Row(Copy), First, RowBytes);
    }
}

TSurface Enlarged(const TSurface& Source, int Factor)
{
    if (Factor < 1 || Source.Width() > TSurface::MaxDimension / Factor ||
        Source.Height() > TSurface::MaxDimension / Factor)
        return {};
    TSurface Result(Source.Width() * Factor, Source.Height() * Factor);
    EnlargeInto(Source, Factor, Result);
    return Result;
}
