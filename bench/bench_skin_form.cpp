// The skinned window: a dialog form of the configuration window's size
// (399 x 344) under a Protein skinned form with the program's title
// pictures, a control box and a close button, on the headless desktop.
// Start to first frame (create, dress, show, paint, present) and one full
// repaint (frame, title bar, tiled background), each beside the same dialog
// in the window system's own frame.

#include "framework/controls/Application.h"
#include "framework/controls/Form.h"
#include "framework/graphics/Picture.h"
#include "platform/win/WinApi.h"
#include "platform/win/headless/HeadlessDesktop.h"
#include "skin/SUIForm.h"

#include <benchmark/benchmark.h>

#include <string>

namespace
{
void DrainQueue()
{
    MSG Msg;
    while (PeekMessage(&Msg, nullptr, 0, 0, PM_REMOVE))
        DispatchMessage(&Msg);
}

void AddButton(TsuiTitleBar* Bar, TsuiTitleBarBtnType Type, const std::string& Art)
{
    TsuiTitleBarButton* B = Bar->Buttons()->Add();
    B->SetButtonType(Type);
    B->SetTransparent(true);
    TPicture P;
    P.LoadFromResourceName(Art + "_NORMAL");
    B->SetPicNormal(&P);
    P.LoadFromResourceName(Art + "_HOT");
    B->SetPicMouseOn(&P);
    P.LoadFromResourceName(Art + "_DOWN");
    B->SetPicMouseDown(&P);
}

void AddSection(TsuiTitleBar* Bar, const std::string& Art, TsuiTitleBarAlign Align)
{
    TsuiTitleBarSection* S = Bar->Sections()->Add();
    S->SetAutoSize(Align != suiClient);
    S->SetAlign(Align);
    TPicture P;
    P.LoadFromResourceName(Art);
    S->SetPicture(&P);
}

TForm* MakeWindow(TApplication& App, bool Skinned = true)
{
    auto* Form = new TForm(&App);
    Form->SetBorderStyle(bsDialog);
    Form->SetBounds(40, 40, 399, 344);
    Form->SetCaption("NOVLA TOOL---NOVLA-A/NOVLA-B");
    if (!Skinned)
    {
        Form->Show();
        return Form;
    }
    auto* Skin = new TsuiForm(Form);
    Skin->SetUIStyle(Protein);
    Skin->SetColor(TColor(0xFBFBFB));
    TsuiTitleBar* Bar = Skin->TitleBar();
    Bar->Buttons()->Clear();
    AddButton(Bar, suiControlBox, "NOVLA_TITLE_CONTROLBOX");
    AddButton(Bar, suiClose, "NOVLA_TITLE_CLOSE");
    Bar->Sections()->Clear();
    AddSection(Bar, "NOVLA_TITLE_LEFT", suiLeft);
    AddSection(Bar, "NOVLA_TITLE_RIGHT", suiRight);
    AddSection(Bar, "NOVLA_TITLE_CLIENT", suiClient);
    Form->Show();
    return Form;
}

// State.range(0): 1 skinned, 0 the same dialog in the window system's own
// frame.
void BM_StartToFirstFrame(benchmark::State& State)
{
    THeadlessDesktop Desktop;
    TApplication App;
    App.Initialize();
    for (auto _ : State)
    {
        TForm* Form = MakeWindow(App, State.range(0) != 0);
        DrainQueue();
        if (Desktop.PresentCount(Form->Handle()) < 1) State.SkipWithError("no frame presented");
        State.PauseTiming();
        Form->Free();
        DrainQueue();
        State.ResumeTiming();
    }
}
BENCHMARK(BM_StartToFirstFrame)->ArgName("skinned")->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);

void BM_FullRepaint(benchmark::State& State)
{
    THeadlessDesktop Desktop;
    TApplication App;
    App.Initialize();
    TForm* Form = MakeWindow(App, State.range(0) != 0);
    DrainQueue();
    HWND Window = Form->Handle();
    for (auto _ : State)
    {
        RedrawWindow(Window, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
        DrainQueue();
    }
    Form->Free();
    DrainQueue();
}
BENCHMARK(BM_FullRepaint)->ArgName("skinned")->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);
} // namespace
BENCHMARK_MAIN();
