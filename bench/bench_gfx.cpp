// Graphics layer costs at the size of the configuration window's client area
// (393 x 322). Each pixel benchmark reports "x_memcpy": its time per
// operation divided by the time memcpy takes to copy the same number of
// bytes, measured in the same run. Both are thread CPU times, so the ratio
// holds on a busy machine.

#include "platform/gfx/Blit.h"
#include "platform/gfx/DrawText.h"
#include "platform/gfx/Enlarge.h"
#include "platform/gfx/Shapes.h"
#include "platform/gfx/Text.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <ctime>
#include <vector>

namespace
{
constexpr int W = 393;
constexpr int H = 322;
constexpr size_t Bytes = size_t(W) * H * 4;

double ThreadNanoseconds()
{
    timespec Now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &Now);
    return Now.tv_sec * 1e9 + Now.tv_nsec;
}

// CPU nanoseconds memcpy needs for one client area, averaged over many.
double MemcpyNanoseconds()
{
    static const double Value = []
    {
        std::vector<uint8_t> A(Bytes, 1), B(Bytes, 2);
        constexpr int Reps = 2000;
        const double Start = ThreadNanoseconds();
        for (int I = 0; I < Reps; ++I)
        {
            std::memcpy(B.data(), A.data(), Bytes);
            benchmark::ClobberMemory();
            A[static_cast<size_t>(I)] ^= 1;
        }
        return (ThreadNanoseconds() - Start) / Reps;
    }();
    return Value;
}

// Runs Body once per iteration and reports its cost against memcpy.
template <typename TBody> void MeasureAgainstMemcpy(benchmark::State& State, TBody&& Body)
{
    const double Memcpy = MemcpyNanoseconds();
    const double Start = ThreadNanoseconds();
    for (auto _ : State)
    {
        Body();
        benchmark::ClobberMemory();
    }
    const double Took = ThreadNanoseconds() - Start;
    State.counters["x_memcpy"] = Took / static_cast<double>(State.iterations()) / Memcpy;
    State.SetBytesProcessed(static_cast<int64_t>(State.iterations()) * static_cast<int64_t>(Bytes));
}

TSurface Picture(int Width, int Height)
{
    TSurface S(Width, Height);
    for (int Y = 0; Y < Height; ++Y)
        for (int X = 0; X < Width; ++X)
            S.SetPixel(X, Y, RGB(X, Y, X ^ Y));
    return S;
}

void BM_Memcpy(benchmark::State& State)
{
    std::vector<uint8_t> A(Bytes, 1), B(Bytes, 2);
    MeasureAgainstMemcpy(State, [&] { std::memcpy(B.data(), A.data(), Bytes); });
}
BENCHMARK(BM_Memcpy);

void BM_FillRect(benchmark::State& State)
{
    TSurface S(W, H);
    TDeviceContext Dc(S);
    int K = 0;
    MeasureAgainstMemcpy(State,
                         [&] {
                             FillRect(Dc, {0, 0, W, H}, gfx::TBrush::Solid(RGB(K++, 2, 3)));
                         });
}
BENCHMARK(BM_FillRect);

void BM_BitBlt(benchmark::State& State)
{
    const TSurface Src = Picture(W, H);
    TSurface S(W, H);
    TDeviceContext Dc(S);
    MeasureAgainstMemcpy(State, [&] { BitBlt(Dc, 0, 0, W, H, Src, 0, 0); });
}
BENCHMARK(BM_BitBlt);

// A window's picture presented on a screen at scale 1 to 3: wrapped over the
// screen's pixels and enlarged into them, as each presented frame is.
void BM_PresentEnlarged(benchmark::State& State)
{
    const int Factor = static_cast<int>(State.range(0));
    const TSurface Src = Picture(W, H);
    std::vector<uint32_t> Screen(size_t(W) * H * Factor * Factor);
    MeasureAgainstMemcpy(State,
                         [&]
                         {
                             TSurface Target = TSurface::Wrap(Screen.data(), W * Factor, H * Factor,
                                                              W * Factor * 4);
                             EnlargeInto(Src, Factor, Target);
                         });
}
BENCHMARK(BM_PresentEnlarged)->Arg(1)->Arg(2)->Arg(3);

// The image panels stretch a small picture over the panel.
void BM_StretchNearest(benchmark::State& State)
{
    const TSurface Src = Picture(120, 120);
    TSurface S(W, H);
    TDeviceContext Dc(S);
    MeasureAgainstMemcpy(State, [&] { StretchBlt(Dc, 0, 0, W, H, Src, 0, 0, 120, 120); });
}
BENCHMARK(BM_StretchNearest);

void BM_StretchHalftoneGrow(benchmark::State& State)
{
    const TSurface Src = Picture(120, 120);
    TSurface S(W, H);
    TDeviceContext Dc(S);
    Dc.SetStretchMode(HALFTONE);
    MeasureAgainstMemcpy(State, [&] { StretchBlt(Dc, 0, 0, W, H, Src, 0, 0, 120, 120); });
}
BENCHMARK(BM_StretchHalftoneGrow);

void BM_StretchHalftoneShrink(benchmark::State& State)
{
    const TSurface Src = Picture(W * 2, H * 2);
    TSurface S(W, H);
    TDeviceContext Dc(S);
    Dc.SetStretchMode(HALFTONE);
    MeasureAgainstMemcpy(State, [&] { StretchBlt(Dc, 0, 0, W, H, Src, 0, 0, W * 2, H * 2); });
}
BENCHMARK(BM_StretchHalftoneShrink);

void BM_StretchMirrored(benchmark::State& State)
{
    const TSurface Src = Picture(W, H);
    TSurface S(W, H);
    TDeviceContext Dc(S);
    MeasureAgainstMemcpy(State, [&] { StretchBlt(Dc, W, 0, -W, H, Src, 0, 0, W, H); });
}
BENCHMARK(BM_StretchMirrored);

// A 20-character caption measured and wrapped the way a push button does it.
void BM_TextLayoutCaption(benchmark::State& State)
{
    TSurface S(1, 1);
    TDeviceContext Dc(S);
    const char* Caption = "Theme Manager - Open";
    for (auto _ : State)
    {
        TRect R{0, 0, 60, 0};
        benchmark::DoNotOptimize(
            DrawText(Dc, Caption, R, DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS));
    }
}
BENCHMARK(BM_TextLayoutCaption);

void BM_TextDrawCaption(benchmark::State& State)
{
    TSurface S(200, 30, clBtnFace);
    TDeviceContext Dc(S);
    Dc.SetBkMode(TRANSPARENT);
    const char* Caption = "Theme Manager - Open";
    for (auto _ : State)
    {
        TRect R{0, 0, 200, 30};
        benchmark::DoNotOptimize(DrawText(Dc, Caption, R, DT_SINGLELINE | DT_CENTER | DT_VCENTER));
    }
}
BENCHMARK(BM_TextDrawCaption);
} // namespace

BENCHMARK_MAIN();
