// The "gauges" page: skinned progress bars (tiled, stretched, vertical,
// with the percentage) and track bars (horizontal, vertical, ticks on
// either side or both, focused, disabled).

#include "GallerySection.h"

#include "framework/controls/Form.h"
#include "framework/controls/Label.h"
#include "skin/SUIProgressBar.h"
#include "skin/SUITrackBar.h"

#include <string>

namespace
{
template <class T>
T* GaugeAt(TForm* Form, TWinControl* Parent, int X, int Y, int W, int H, TsuiUIStyle Style)
{
    auto* C = new T(Form);
    C->SetBounds(X, Y, W, H);
    C->SetParent(Parent);
    if constexpr (!std::is_same_v<T, TLabel>) C->SetUIStyle(Style);
    return C;
}

void GaugeHeading(TForm* Form, TWinControl* Parent, int X, int Y, const std::string& Text)
{
    GaugeAt<TLabel>(Form, Parent, X, Y, 240, 13, DeepBlue)->SetCaption(Text);
}

int BuildProgressBars(TForm* Form, TWinControl* Parent, TsuiUIStyle Style)
{
    GaugeHeading(Form, Parent, 8, 4, "Progress bars: empty, tiled, smooth, full, caption");
    const struct
    {
        int Position;
        bool Smooth;
        bool Caption;
    } Bars[] = {{0, false, false},
                {40, false, false},
                {65, true, false},
                {100, false, false},
                {35, false, true}};
    int Y = 22;
    for (const auto& B : Bars)
    {
        auto* P = GaugeAt<TsuiProgressBar>(Form, Parent, 8, Y, 420, 16, Style);
        P->SetPosition(B.Position);
        P->SetSmooth(B.Smooth);
        P->SetShowCaption(B.Caption);
        if (B.Position == 40) P->SetName("HalfProgress");
        Y += 22;
    }
    const int Vertical[] = {0, 50, 100};
    for (int I = 0; I < 3; ++I)
    {
        auto* P = GaugeAt<TsuiProgressBar>(Form, Parent, 446 + I * 28, 22, 16, 104, Style);
        P->SetOrientation(pbVertical);
        P->SetBounds(446 + I * 28, 22, 16, 104);
        P->SetPosition(Vertical[I]);
    }
    return 134;
}

int BuildTrackBars(TForm* Form, TWinControl* Parent, TsuiUIStyle Style)
{
    GaugeHeading(Form, Parent, 8, 4, "Track bars: ticks below, above, both; focused; disabled");
    const TTickMark Marks[] = {tmBottomRight, tmTopLeft, tmBoth};
    for (int I = 0; I < 3; ++I)
    {
        auto* T = GaugeAt<TsuiTrackBar>(Form, Parent, 8, 22 + I * 40, 200, 40, Style);
        T->SetTickMarks(Marks[I]);
        T->SetPosition(2 + 3 * I);
    }
    auto* Focused = GaugeAt<TsuiTrackBar>(Form, Parent, 216, 22, 200, 40, Style);
    Focused->SetName("FocusedTrack");
    Focused->SetMax(20);
    Focused->SetFrequency(5);
    Focused->SetPosition(15);
    Form->SetActiveControl(Focused);
    auto* Off = GaugeAt<TsuiTrackBar>(Form, Parent, 216, 62, 200, 40, Style);
    Off->SetPosition(5);
    Off->SetTickStyle(tsNone);
    Off->SetEnabled(false);
    const TTickMark Sides[] = {tmBottomRight, tmBoth};
    for (int I = 0; I < 2; ++I)
    {
        auto* V = GaugeAt<TsuiTrackBar>(Form, Parent, 430 + I * 50, 22, 40, 130, Style);
        V->SetOrientation(trVertical);
        V->SetBounds(430 + I * 50, 22, 40 + 8 * I, 130);
        V->SetTickMarks(Sides[I]);
        V->SetPosition(3 + 4 * I);
    }
    return 160;
}

const bool GaugesRegistered =
    RegisterGallerySection({"Progress bars", 10, BuildProgressBars, "gauges"}) &&
    RegisterGallerySection({"Track bars", 20, BuildTrackBars, "gauges"});
} // namespace
