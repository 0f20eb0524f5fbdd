// The "scroll" page: skinned scroll bars in their states, lying and
// standing, and a skinned list box and check list box that scroll.

#include "GallerySection.h"

#include "framework/controls/Form.h"
#include "framework/controls/Label.h"
#include "platform/win/WinApi.h"
#include "skin/SUIListBox.h"
#include "skin/SUIScrollBar.h"

#include <string>

namespace
{
template <class T> T* PlaceScrollPart(TForm* Form, TWinControl* Parent, int X, int Y, int W, int H)
{
    auto* C = new T(Form);
    C->SetBounds(X, Y, W, H);
    C->SetParent(Parent);
    return C;
}

void ScrollCaption(TForm* Form, TWinControl* Parent, int X, int Y, const std::string& Text)
{
    PlaceScrollPart<TLabel>(Form, Parent, X, Y, 110, 13)->SetCaption(Text);
}

// One bar in each state: normal, hot first arrow, pressed second arrow,
// disabled.
int BuildScrollBars(TForm* Form, TWinControl* Parent, TsuiUIStyle Style)
{
    const char* States[] = {"Normal", "Hot", "Pressed", "Disabled"};
    int Y = 8;
    for (int I = 0; I < 4; ++I)
        ScrollCaption(Form, Parent, 8 + I * 130, Y, States[I]);
    Y += 16;
    auto Make = [&](int X, int Top, TScrollBarKind Kind, int State)
    {
        auto* Bar = new TsuiScrollBar(Form);
        Bar->SetKind(Kind);
        if (Kind == sbHorizontal)
            Bar->SetBounds(X, Top, 120, 16);
        else
            Bar->SetBounds(X, Top, 16, 100);
        Bar->SetParent(Parent);
        Bar->SetUIStyle(Style);
        Bar->SetName(std::string(Kind == sbHorizontal ? "Lying" : "Standing") + States[State]);
        Bar->SetPageSize(20);
        Bar->SetPosition(30);
        if (State == 1) Bar->Perform(WM_MOUSEMOVE, 0, MAKELPARAM(4, 4));
        if (State == 2) Bar->ShowPressed(ssbLineDown);
        if (State == 3) Bar->SetEnabled(false);
    };
    for (int I = 0; I < 4; ++I)
        Make(8 + I * 130, Y, sbHorizontal, I);
    Y += 24;
    for (int I = 0; I < 4; ++I)
        Make(8 + I * 130, Y, sbVertical, I);
    return Y + 100 + 8;
}

int BuildScrollingList(TForm* Form, TWinControl* Parent, TsuiUIStyle Style)
{
    ScrollCaption(Form, Parent, 8, 8, "List box");
    auto* List = PlaceScrollPart<TsuiListBox>(Form, Parent, 8, 24, 160, 100);
    List->SetUIStyle(Style);
    List->SetName("ScrollingList");
    const char* Channels[] = {"Channel 1 - 433.05",  "Channel 2 - 433.30",  "Channel 3 - 433.55",
                              "Channel 4 - 433.80",  "Channel 5 - 434.05",  "Channel 6 - 434.30",
                              "Channel 7 - 434.55",  "Channel 8 - 434.79",  "Channel 9 - 868.10",
                              "Channel 10 - 868.30", "Channel 11 - 868.50", "Channel 12 - 868.85"};
    for (const char* C : Channels)
        List->Items()->Add(C);
    List->SetItemIndex(4);
    List->SetTopIndex(3);

    ScrollCaption(Form, Parent, 184, 8, "Check list box");
    auto* Checks = PlaceScrollPart<TsuiCheckListBox>(Form, Parent, 184, 24, 160, 100);
    Checks->SetUIStyle(Style);
    Checks->SetName("ScrollingCheckList");
    Checks->SetAllowGrayed(true);
    const char* Options[] = {"Read on open", "Verify writes", "Beep on error",
                             "Keep log",     "Retry twice",   "Wake module",
                             "Sleep module", "Encrypt",       "Show hex"};
    for (const char* O : Options)
        Checks->Items()->Add(O);
    Checks->SetState(0, cbChecked);
    Checks->SetState(1, cbChecked);
    Checks->SetState(2, cbGrayed);
    Checks->SetState(4, cbChecked);
    Checks->SetItemEnabled(4, false);
    Checks->SetItemEnabled(5, false);
    Checks->SetItemIndex(1);
    return 24 + 100 + 8;
}

const bool ScrollBarsRegistered = RegisterGallerySection(
    {"Scroll bars", 10,
     [](TForm* F, TWinControl* P, TsuiUIStyle S) { return BuildScrollBars(F, P, S); }, "scroll"});
const bool ScrollingListRegistered = RegisterGallerySection(
    {"Scrolling list", 20,
     [](TForm* F, TWinControl* P, TsuiUIStyle S) { return BuildScrollingList(F, P, S); },
     "scroll"});
} // namespace
