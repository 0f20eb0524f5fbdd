// Window system: start-up of the demo window to its first presented frame,
// and one full repaint of a 393 x 322 window with 40 painted child windows,
// both on the headless desktop.

#include "DemoWindow.h"

#include "platform/win/WinApi.h"
#include "platform/win/headless/HeadlessDesktop.h"

#include <benchmark/benchmark.h>

namespace
{
void DrainQueue()
{
    MSG Msg;
    while (PeekMessage(&Msg, nullptr, 0, 0, PM_REMOVE))
        DispatchMessage(&Msg);
}

// Create, show, paint and present the four-panel demo window.
void BM_DemoStartToFirstFrame(benchmark::State& State)
{
    THeadlessDesktop Desktop;
    for (auto _ : State)
    {
        TDemoOptions Options;
        HWND Window = CreateDemoWindow(Options);
        DrainQueue();
        if (Desktop.PresentCount(Window) != 1) State.SkipWithError("no frame presented");
        State.PauseTiming();
        DestroyWindow(Window);
        DrainQueue();
        State.ResumeTiming();
    }
}
BENCHMARK(BM_DemoStartToFirstFrame)->Unit(benchmark::kMicrosecond);

// Invalidate everything (frame, background, 40 children) and paint it all.
void BM_FullRepaint40Children(benchmark::State& State)
{
    THeadlessDesktop Desktop;
    TDemoOptions Options;
    Options.Panels = 40;
    HWND Window = CreateDemoWindow(Options);
    DrainQueue();
    int Before = Desktop.PresentCount(Window);
    for (auto _ : State)
    {
        RedrawWindow(Window, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
        DrainQueue();
    }
    if (Desktop.PresentCount(Window) - Before != static_cast<int>(State.iterations()))
        State.SkipWithError("not one present per repaint");
    DestroyWindow(Window);
    DrainQueue();
}
BENCHMARK(BM_FullRepaint40Children)->Unit(benchmark::kMicrosecond);
} // namespace

BENCHMARK_MAIN();
