// Costs of painting skinned faces: the nine-piece stretch of a 74 x 21
// button frame into a 97 x 25 button and over the configuration window's
// client area (393 x 322), a push button's whole face paint (loading its
// frame by name, as it does on every paint, then stretching it), and the
// thirty faces of the configuration window in one go. The frames are the
// style pictures when the program carries them, coded stand-ins otherwise.

#include "framework/ResourceTable.h"
#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Canvas.h"
#include "skin/SUIThemes.h"
#include "skin/SpitDraw.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace
{
std::unique_ptr<TBitmap> ButtonFrame()
{
    auto Frame = std::make_unique<TBitmap>();
    if (FindResource("PROTEIN_BUTTON"))
        GetInsideThemeBitmap(Protein, SUI_ITEM_BUTTON_IMAGE, Frame.get(), 3, 1);
    else
    {
        Frame->SetSize(74, 21);
        for (int Y = 0; Y < 21; ++Y)
            for (int X = 0; X < 74; ++X)
                Frame->Canvas()->SetPixel(X, Y, RGB(X * 3, Y * 12, 128));
    }
    return Frame;
}

void SpitDrawInto(benchmark::State& State, int W, int H)
{
    auto Frame = ButtonFrame();
    TBitmap Out;
    Out.SetSize(W, H);
    for (auto _ : State)
    {
        SpitDraw(Frame.get(), Out.Canvas(), {0, 0, W, H}, false);
        benchmark::DoNotOptimize(Out.Surface().Row(0));
    }
}

void BM_SpitDrawButton97x25(benchmark::State& State)
{
    SpitDrawInto(State, 97, 25);
}
BENCHMARK(BM_SpitDrawButton97x25);

void BM_SpitDrawArea393x322(benchmark::State& State)
{
    SpitDrawInto(State, 393, 322);
}
BENCHMARK(BM_SpitDrawArea393x322);

// What a push button does on each paint: load its frame by name, stretch it.
void BM_ButtonFacePaintWithLoad(benchmark::State& State)
{
    if (!FindResource("PROTEIN_BUTTON"))
    {
        State.SkipWithError("no style pictures linked");
        return;
    }
    TBitmap Out;
    Out.SetSize(97, 25);
    TBitmap Frame;
    for (auto _ : State)
    {
        GetInsideThemeBitmap(Protein, SUI_ITEM_BUTTON_IMAGE, &Frame, 3, 1);
        SpitDraw(&Frame, Out.Canvas(), {0, 0, 97, 25}, false);
        benchmark::DoNotOptimize(Out.Surface().Row(0));
    }
}
BENCHMARK(BM_ButtonFacePaintWithLoad);

// Thirty button faces, each composed off-screen and copied, as the
// configuration window paints them.
void BM_ThirtyFaces(benchmark::State& State)
{
    auto Frame = ButtonFrame();
    TBitmap Face, Window;
    Face.SetSize(97, 25);
    Window.SetSize(393, 322);
    for (auto _ : State)
    {
        for (int I = 0; I < 30; ++I)
        {
            SpitDraw(Frame.get(), Face.Canvas(), {0, 0, 97, 25}, false);
            Window.Canvas()->Draw((I % 4) * 98, (I / 4) * 26, &Face);
        }
        benchmark::DoNotOptimize(Window.Surface().Row(0));
    }
}
BENCHMARK(BM_ThirtyFaces);
} // namespace

BENCHMARK_MAIN();
