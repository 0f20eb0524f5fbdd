// A full repaint, headless, of a gallery-like form holding forty toggles and
// gauges (twelve check boxes, twelve radio buttons, eight progress bars and
// eight track bars), skinned (Protein) beside the same layout in the
// framework's plain controls.

#include "framework/comctrls/ProgressBar.h"
#include "framework/comctrls/TrackBar.h"
#include "framework/controls/Application.h"
#include "framework/controls/Form.h"
#include "framework/stdctrls/CheckBox.h"
#include "framework/stdctrls/RadioButton.h"
#include "platform/win/WinApi.h"
#include "platform/win/headless/HeadlessDesktop.h"
#include "skin/SUICheckBox.h"
#include "skin/SUIProgressBar.h"
#include "skin/SUIRadioButton.h"
#include "skin/SUITrackBar.h"

#include <benchmark/benchmark.h>

#include <string>
#include <type_traits>

namespace
{
template <class T> T* Add(TForm* Form, int X, int Y, int W, int H)
{
    auto* C = new T(Form);
    C->SetBounds(X, Y, W, H);
    C->SetParent(Form);
    if constexpr (std::is_base_of_v<TsuiSkinBinding, T>) C->SetUIStyle(Protein);
    return C;
}

template <class TCheck, class TRadio, class TProgress, class TTrack>
TForm* BuildPage(TComponent* Owner)
{
    auto* Form = new TForm(Owner);
    Form->SetBorderStyle(bsDialog);
    Form->SetBounds(20, 20, 560, 520);
    for (int I = 0; I < 12; ++I)
    {
        auto* Box = Add<TCheck>(Form, 8 + (I % 4) * 136, 8 + (I / 4) * 22, 128, 17);
        Box->SetCaption("Option " + std::to_string(I));
        Box->SetChecked(I % 2 == 0);
        auto* Radio = Add<TRadio>(Form, 8 + (I % 4) * 136, 80 + (I / 4) * 22, 128, 17);
        Radio->SetCaption("Choice " + std::to_string(I));
        if (I == 5) Radio->SetChecked(true);
    }
    for (int I = 0; I < 8; ++I)
    {
        Add<TProgress>(Form, 8 + (I % 2) * 272, 152 + (I / 2) * 24, 264, 16)
            ->SetPosition(10 + I * 11);
        Add<TTrack>(Form, 8 + (I % 2) * 272, 252 + (I / 2) * 48, 264, 45)->SetPosition(I + 1);
    }
    return Form;
}

template <class TCheck, class TRadio, class TProgress, class TTrack>
void FullRepaint(benchmark::State& State)
{
    THeadlessDesktop Desktop;
    TApplication App;
    TForm* Form = BuildPage<TCheck, TRadio, TProgress, TTrack>(&App);
    Form->Show();
    App.ProcessMessages();
    for (auto _ : State)
    {
        RedrawWindow(Form->Handle(), nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
        App.ProcessMessages();
    }
}

void SkinnedTogglesFullRepaint(benchmark::State& State)
{
    FullRepaint<TsuiCheckBox, TsuiRadioButton, TsuiProgressBar, TsuiTrackBar>(State);
}
BENCHMARK(SkinnedTogglesFullRepaint)->Unit(benchmark::kMicrosecond);

void PlainTogglesFullRepaint(benchmark::State& State)
{
    FullRepaint<TCheckBox, TRadioButton, TProgressBar, TTrackBar>(State);
}
BENCHMARK(PlainTogglesFullRepaint)->Unit(benchmark::kMicrosecond);
} // namespace

BENCHMARK_MAIN();
