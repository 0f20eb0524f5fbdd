// Costs of the framework's windows on the headless desktop: building a form
// of the configuration window's size with about forty controls and showing
// it (windows created, first paint presented), and repainting all of it.

#include "framework/controls/Application.h"
#include "framework/controls/Button.h"
#include "framework/controls/Form.h"
#include "framework/controls/GroupBox.h"
#include "framework/controls/Label.h"
#include "framework/controls/Panel.h"
#include "platform/win/WinApi.h"
#include "platform/win/headless/HeadlessDesktop.h"

#include <benchmark/benchmark.h>

#include <string>

namespace
{
TForm* BuildForm(TComponent* Owner)
{
    auto* Form = new TForm(Owner);
    Form->SetBorderStyle(bsDialog);
    Form->SetBounds(40, 40, 393, 322);
    for (int G = 0; G < 4; ++G)
    {
        auto* Group = new TGroupBox(Form);
        Group->SetBounds(8 + (G % 2) * 188, 8 + (G / 2) * 130, 180, 122);
        Group->SetCaption("Group " + std::to_string(G));
        Group->SetParent(Form);
        for (int I = 0; I < 4; ++I)
        {
            auto* L = new TLabel(Form);
            L->SetCaption("Setting " + std::to_string(I));
            L->SetBounds(8, 20 + I * 24, 60, 13);
            L->SetParent(Group);
            auto* P = new TPanel(Form);
            P->SetBounds(80, 18 + I * 24, 90, 20);
            P->SetBevelOuter(bvLowered);
            P->SetCaption(std::to_string(868 + I));
            P->SetParent(Group);
        }
    }
    for (int B = 0; B < 3; ++B)
    {
        auto* Button = new TButton(Form);
        Button->SetBounds(8 + B * 90, 270, 80, 25);
        Button->SetCaption("Button " + std::to_string(B));
        Button->SetParent(Form);
    }
    return Form;
}

void FormBuildAndShow(benchmark::State& State)
{
    THeadlessDesktop Desktop;
    TApplication App;
    for (auto _ : State)
    {
        TForm* Form = BuildForm(&App);
        Form->Show();
        App.ProcessMessages();
        benchmark::DoNotOptimize(Desktop.PresentCount(Form->Handle()));
        Form->Free();
    }
}
BENCHMARK(FormBuildAndShow)->Unit(benchmark::kMillisecond);

void FormFullRepaint(benchmark::State& State)
{
    THeadlessDesktop Desktop;
    TApplication App;
    TForm* Form = BuildForm(&App);
    Form->Show();
    App.ProcessMessages();
    for (auto _ : State)
    {
        RedrawWindow(Form->Handle(), nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
        App.ProcessMessages();
    }
}
BENCHMARK(FormFullRepaint)->Unit(benchmark::kMicrosecond);
} // namespace

BENCHMARK_MAIN();
