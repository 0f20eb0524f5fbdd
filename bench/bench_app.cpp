// The configuration window on the headless desktop: building it from its
// definition to its first presented frame (the port probing of COM1-255
// included), and one full repaint, each beside a bare form of the same size.
// The process-level figures (start to first frame, peak memory, idle CPU
// with an open port) come from scripts/bench-tool.sh.

#include "app/MainForm.h"
#include "framework/controls/Application.h"
#include "framework/controls/Form.h"
#include "platform/win/WinApi.h"
#include "platform/win/headless/HeadlessDesktop.h"

#include <benchmark/benchmark.h>

namespace
{
struct TBenchApp
{
    TBenchApp()
    {
        App.Initialize();
        RegisterMainFormClasses();
    }
    THeadlessDesktop Desktop;
    TApplication App;
};

void BM_MainFormStartToFirstFrame(benchmark::State& State)
{
    TBenchApp B;
    for (auto _ : State)
    {
        auto* Form = TCustomForm::Create<TMainForm>(&B.App);
        Form->Show();
        B.App.ProcessMessages();
        if (B.Desktop.PresentCount(Form->Handle()) < 1) State.SkipWithError("no frame");
        State.PauseTiming();
        Form->Free();
        B.App.ProcessMessages();
        State.ResumeTiming();
    }
}
BENCHMARK(BM_MainFormStartToFirstFrame)->Unit(benchmark::kMillisecond);

void BM_BareFormStartToFirstFrame(benchmark::State& State)
{
    TBenchApp B;
    for (auto _ : State)
    {
        auto* Form = new TForm(&B.App);
        Form->SetBorderStyle(bsDialog);
        Form->SetPosition(poScreenCenter);
        Form->SetClientWidth(393);
        Form->SetClientHeight(322);
        Form->Show();
        B.App.ProcessMessages();
        if (B.Desktop.PresentCount(Form->Handle()) < 1) State.SkipWithError("no frame");
        State.PauseTiming();
        Form->Free();
        B.App.ProcessMessages();
        State.ResumeTiming();
    }
}
BENCHMARK(BM_BareFormStartToFirstFrame)->Unit(benchmark::kMillisecond);

// Frame, background and every control invalidated and painted again.
void BM_MainFormFullRepaint(benchmark::State& State)
{
    TBenchApp B;
    auto* Form = TCustomForm::Create<TMainForm>(&B.App);
    Form->Show();
    B.App.ProcessMessages();
    const HWND Window = Form->Handle();
    const int Before = B.Desktop.PresentCount(Window);
    for (auto _ : State)
    {
        RedrawWindow(Window, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
        B.App.ProcessMessages();
    }
    if (B.Desktop.PresentCount(Window) - Before != static_cast<int>(State.iterations()))
        State.SkipWithError("not one present per repaint");
    Form->Free();
}
BENCHMARK(BM_MainFormFullRepaint)->Unit(benchmark::kMicrosecond);

// The same for the bare form of the start figures: the price of the window
// system's own frame and one plain fill, beside which the window's repaint
// is read.
void BM_BareFormFullRepaint(benchmark::State& State)
{
    TBenchApp B;
    auto* Form = new TForm(&B.App);
    Form->SetBorderStyle(bsDialog);
    Form->SetClientWidth(393);
    Form->SetClientHeight(322);
    Form->Show();
    B.App.ProcessMessages();
    const HWND Window = Form->Handle();
    for (auto _ : State)
    {
        RedrawWindow(Window, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
        B.App.ProcessMessages();
    }
    Form->Free();
}
BENCHMARK(BM_BareFormFullRepaint)->Unit(benchmark::kMicrosecond);
} // namespace

BENCHMARK_MAIN();
