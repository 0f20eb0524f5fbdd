// The "tabs" page (tab and page controls in their states) and the "bars"
// page (tool bar buttons in their states, side channels open and closed, a
// shown notification pop-up).

#include "GallerySection.h"

#include "framework/comctrls/TabSheet.h"
#include "framework/comctrls/ToolButton.h"
#include "framework/controls/Form.h"
#include "framework/controls/Label.h"
#include "framework/controls/Panel.h"
#include "platform/win/WinApi.h"
#include "skin/SUIButton.h"
#include "skin/SUIPopupForm.h"
#include "skin/SUISideChannel.h"
#include "skin/SUITabControl.h"
#include "skin/SUIToolBar.h"

#include <string>

namespace
{
template <class T> T* Put(TForm* Form, TWinControl* Parent, int X, int Y, int W, int H)
{
    auto* C = new T(Form);
    C->SetBounds(X, Y, W, H);
    C->SetParent(Parent);
    return C;
}

void Heading(TForm* Form, TWinControl* Parent, int X, int Y, const std::string& Text)
{
    auto* L = Put<TLabel>(Form, Parent, X, Y, 160, 13);
    L->SetCaption(Text);
}

TsuiTabControl* Tabs(TForm* Form, TWinControl* Parent, int X, TsuiUIStyle Style)
{
    auto* T = Put<TsuiTabControl>(Form, Parent, X, 22, 168, 76);
    T->SetUIStyle(Style);
    for (const char* Caption : {"Radio", "Port", "Log"})
        T->Tabs()->Add(Caption);
    T->SetTabIndex(1);
    return T;
}

TsuiPageControl* Pages(TForm* Form, TWinControl* Parent, int X, int W, TsuiUIStyle Style)
{
    auto* P = Put<TsuiPageControl>(Form, Parent, X, 126, W, 110);
    P->SetUIStyle(Style);
    for (const char* Caption : {"General", "Serial", "Hidden", "About"})
    {
        auto* Sheet = new TTabSheet(Form);
        Sheet->SetCaption(Caption);
        Sheet->SetPageControl(P);
        auto* B = Put<TsuiButton>(Form, Sheet, 10, 12, 80, 27);
        B->SetUIStyle(Style);
        B->SetCaption(std::string(Caption) + " page");
        if (std::string(Caption) == "Hidden") Sheet->SetTabVisible(false);
    }
    return P;
}

int BuildTabs(TForm* Form, TWinControl* Parent, TsuiUIStyle Style)
{
    Heading(Form, Parent, 8, 4, "Tab controls: normal, focused, disabled");
    Tabs(Form, Parent, 8, Style)->SetName("TabControl");
    Form->SetActiveControl(Tabs(Form, Parent, 186, Style));
    Tabs(Form, Parent, 364, Style)->SetEnabled(false);

    Heading(Form, Parent, 8, 108, "Page controls: a page without a tab, disabled");
    auto* P = Pages(Form, Parent, 8, 262, Style);
    P->SetName("PageControl");
    P->SetActivePageIndex(1);
    Pages(Form, Parent, 278, 254, Style)->SetEnabled(false);
    return 244;
}

int BuildBars(TForm* Form, TWinControl* Parent, TsuiUIStyle Style)
{
    Heading(Form, Parent, 8, 4, "Tool bar: normal, hot, pressed, down, disabled");
    auto* Bar = new TsuiToolBar(Form);
    Bar->SetName("ToolBar");
    Bar->SetAlign(alNone);
    Bar->SetBounds(8, 22, 360, 26);
    Bar->SetShowCaptions(true);
    Bar->SetParent(Parent);
    Bar->SetUIStyle(Style);
    // Each new button at Left 0 goes first: added last to first.
    TToolButton* Buttons[5];
    const char* Captions[] = {"Disabled", "Down", "Pressed", "Hot", "Normal"};
    for (int I = 0; I < 5; ++I)
    {
        auto* B = new TToolButton(Form);
        B->SetCaption(Captions[I]);
        B->SetAutoSize(true);
        B->SetParent(Bar);
        Buttons[4 - I] = B;
    }
    Buttons[1]->SetName("HotButton");
    Buttons[2]->SetName("PressedButton");
    Buttons[3]->SetName("DownButton");
    Buttons[1]->Perform(CM_MOUSEENTER);
    Buttons[2]->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    Buttons[3]->SetStyle(tbsCheck);
    Buttons[3]->SetDown(true);
    Buttons[4]->SetEnabled(false);

    Heading(Form, Parent, 8, 58, "Side channels: pinned open on the left, closed on the right");
    auto* Host = Put<TPanel>(Form, Parent, 8, 76, 524, 130);
    Host->SetBevelOuter(bvLowered);
    Host->SetParentColor(true);
    auto* Open = new TsuiSideChannel(Form);
    Open->SetName("SideChannel");
    Open->SetAlign(alLeft);
    Open->SetCaption("Channel");
    Open->SetParent(Host);
    Open->SetUIStyle(Style);
    Open->SetPinned(true);
    auto* Inside = Put<TsuiButton>(Form, Open, 0, 0, 80, 27);
    Inside->SetUIStyle(Style);
    Inside->SetCaption("Inside");
    Inside->SetBounds(Open->ContentRect().Left + 12, Open->BarHeight() + 12, 80, 27);
    auto* Closed = new TsuiSideChannel(Form);
    Closed->SetCaption("Closed");
    Closed->SetParent(Host);
    Closed->SetUIStyle(Style);

    Heading(Form, Parent, 8, 214, "Notification pop-up: at the work area's corner");
    auto* Popup = new TsuiPopupForm(Form);
    Popup->SetName("Popup");
    Popup->SetUIStyle(Style);
    Popup->SetTitle("NOVLA-A");
    Popup->SetText("Parameters written to the module.");
    Popup->SetAnimationTime(0);
    Popup->SetDisplayTime(0);
    Popup->Popup();
    return 236;
}

const bool Registered = RegisterGallerySection({"Tabs", 10, BuildTabs, "tabs"}) &&
                        RegisterGallerySection({"Bars", 10, BuildBars, "bars"});
} // namespace
