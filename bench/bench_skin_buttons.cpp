// A full repaint, headless, of a form holding twenty skinned buttons and ten
// skinned group boxes (Protein), beside the same layout in the framework's
// plain buttons and group boxes; and one skinned button's paint alone.

#include "framework/controls/Application.h"
#include "framework/controls/Button.h"
#include "framework/controls/Form.h"
#include "framework/controls/GroupBox.h"
#include "platform/win/WinApi.h"
#include "platform/win/headless/HeadlessDesktop.h"
#include "skin/SUIButton.h"
#include "skin/SUIGroupBox.h"

#include <benchmark/benchmark.h>

#include <string>
#include <type_traits>

namespace
{
template <class TBox, class TPush> TForm* BuildForm(TComponent* Owner)
{
    auto* Form = new TForm(Owner);
    Form->SetBorderStyle(bsDialog);
    Form->SetBounds(20, 20, 560, 420);
    for (int G = 0; G < 10; ++G)
    {
        auto* Box = new TBox(Form);
        Box->SetBounds(8 + (G % 5) * 108, 8 + (G / 5) * 190, 100, 180);
        Box->SetCaption("Group " + std::to_string(G));
        Box->SetParent(Form);
        for (int B = 0; B < 2; ++B)
        {
            auto* Push = new TPush(Form);
            Push->SetBounds(10, 24 + B * 40, 80, 27);
            Push->SetCaption("Button " + std::to_string(G * 2 + B));
            Push->SetParent(Box);
            if constexpr (std::is_same_v<TPush, TsuiButton>) Push->SetUIStyle(Protein);
        }
        if constexpr (std::is_same_v<TBox, TsuiGroupBox>) Box->SetUIStyle(Protein);
    }
    return Form;
}

template <class TBox, class TPush> void FullRepaint(benchmark::State& State)
{
    THeadlessDesktop Desktop;
    TApplication App;
    TForm* Form = BuildForm<TBox, TPush>(&App);
    Form->Show();
    App.ProcessMessages();
    for (auto _ : State)
    {
        RedrawWindow(Form->Handle(), nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
        App.ProcessMessages();
    }
}

void SkinnedFormFullRepaint(benchmark::State& State)
{
    FullRepaint<TsuiGroupBox, TsuiButton>(State);
}
BENCHMARK(SkinnedFormFullRepaint)->Unit(benchmark::kMicrosecond);

void PlainFormFullRepaint(benchmark::State& State)
{
    FullRepaint<TGroupBox, TButton>(State);
}
BENCHMARK(PlainFormFullRepaint)->Unit(benchmark::kMicrosecond);

void OneSkinnedButtonRepaint(benchmark::State& State)
{
    THeadlessDesktop Desktop;
    TApplication App;
    auto* Form = new TForm(&App);
    Form->SetBounds(20, 20, 200, 100);
    auto* Push = new TsuiButton(Form);
    Push->SetUIStyle(Protein);
    Push->SetCaption("Read All");
    Push->SetParent(Form);
    Form->Show();
    App.ProcessMessages();
    for (auto _ : State)
    {
        Push->Invalidate();
        App.ProcessMessages();
    }
}
BENCHMARK(OneSkinnedButtonRepaint)->Unit(benchmark::kMicrosecond);
} // namespace

BENCHMARK_MAIN();
