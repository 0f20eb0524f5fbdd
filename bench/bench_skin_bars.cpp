// A full repaint, headless, of a page of forty tab controls, page controls,
// tool bars and side channels (Protein), beside the same layout in the
// framework's plain tab controls, page controls, tool bars and panels.

#include "framework/comctrls/PageControl.h"
#include "framework/comctrls/TabControl.h"
#include "framework/comctrls/TabSheet.h"
#include "framework/comctrls/ToolBar.h"
#include "framework/comctrls/ToolButton.h"
#include "framework/controls/Application.h"
#include "framework/controls/Form.h"
#include "framework/controls/Panel.h"
#include "platform/win/WinApi.h"
#include "platform/win/headless/HeadlessDesktop.h"
#include "skin/SUISideChannel.h"
#include "skin/SUITabControl.h"
#include "skin/SUIToolBar.h"

#include <benchmark/benchmark.h>

#include <string>

namespace
{
template <class T> T* Add(TForm* Form, TWinControl* Parent, int X, int Y, int W, int H)
{
    auto* C = new T(Form);
    C->SetBounds(X, Y, W, H);
    C->SetParent(Parent);
    if constexpr (std::is_base_of_v<TsuiSkinned, T>) C->SetUIStyle(Protein);
    return C;
}

// Twelve each of tab controls, page controls and tool bars, and four side
// channels (or plain panels) along the form's edges.
template <class TTabs, class TPages, class TBar, class TSide> TForm* BuildPage(TComponent* Owner)
{
    auto* Form = new TForm(Owner);
    Form->SetBorderStyle(bsDialog);
    Form->SetBounds(10, 10, 960, 640);
    for (int K = 0; K < 4; ++K)
    {
        auto* Side = new TSide(Form);
        Side->SetAlign(K % 2 ? alRight : alLeft);
        Side->SetWidth(60);
        Side->SetCaption("Side " + std::to_string(K));
        Side->SetParent(Form);
        if constexpr (std::is_same_v<TSide, TsuiSideChannel>)
        {
            Side->SetUIStyle(Protein);
            Side->SetOpenWidth(60);
            Side->SetPinned(K < 2);
        }
    }
    for (int K = 0; K < 12; ++K)
    {
        const int X = 130 + (K % 4) * 170, Y = 8 + (K / 4) * 200;
        auto* Tabs = Add<TTabs>(Form, Form, X, Y, 160, 70);
        for (const char* T : {"Radio", "Port", "Log"})
            Tabs->Tabs()->Add(T);
        Tabs->SetTabIndex(1);
        auto* Pages = Add<TPages>(Form, Form, X, Y + 76, 160, 80);
        for (const char* T : {"General", "Serial"})
        {
            auto* Sheet = new TTabSheet(Form);
            Sheet->SetCaption(T);
            Sheet->SetPageControl(Pages);
        }
        auto* Bar = Add<TBar>(Form, Form, X, Y + 162, 160, 26);
        Bar->SetAlign(alNone);
        Bar->SetShowCaptions(true);
        for (const char* T : {"Save", "Read", "Open"})
        {
            auto* B = new TToolButton(Form);
            B->SetCaption(T);
            B->SetAutoSize(true);
            B->SetParent(Bar);
        }
    }
    return Form;
}

template <class TTabs, class TPages, class TBar, class TSide>
void FullRepaint(benchmark::State& State)
{
    THeadlessDesktop Desktop;
    TApplication App;
    TForm* Form = BuildPage<TTabs, TPages, TBar, TSide>(&App);
    Form->Show();
    App.ProcessMessages();
    for (auto _ : State)
    {
        RedrawWindow(Form->Handle(), nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
        App.ProcessMessages();
    }
}

void SkinnedBarsFullRepaint(benchmark::State& State)
{
    FullRepaint<TsuiTabControl, TsuiPageControl, TsuiToolBar, TsuiSideChannel>(State);
}
BENCHMARK(SkinnedBarsFullRepaint)->Unit(benchmark::kMicrosecond);

void PlainBarsFullRepaint(benchmark::State& State)
{
    FullRepaint<TTabControl, TPageControl, TToolBar, TPanel>(State);
}
BENCHMARK(PlainBarsFullRepaint)->Unit(benchmark::kMicrosecond);
} // namespace

BENCHMARK_MAIN();
