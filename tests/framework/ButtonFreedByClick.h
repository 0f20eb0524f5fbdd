#pragma once

// One check for every push-button class: a button whose OnClick frees it
// is clicked once and is gone afterwards, whichever way the user pressed it.
// The framework's button and the skinned one share it; each test program
// makes its own buttons.

#include "GuiFixture.h"

#include "framework/Component.h"
#include "framework/controls/WinControl.h"
#include "platform/win/WinApi.h"

#include <functional>

// Adds the check to a fixture derived from GuiTest.
template <class TFixture> class ButtonFreedByClick : public TFixture
{
  protected:
    // Make gives a new button on the form; Elsewhere takes the focus for the
    // default and cancel ways; Also checks more after each way.
    template <class TButtonClass>
    void ExpectEachWayClicksOnceAndFrees(const std::function<TButtonClass*()>& Make,
                                         TWinControl* Elsewhere,
                                         const std::function<void(const char*)>& Also = {})
    {
        THeadlessDesktop& Desktop = this->FDesktop;
        auto Key = [&Desktop](UINT K)
        {
            Desktop.Press(K);
            Desktop.Pump();
        };
        struct TWay
        {
            const char* Name;
            std::function<void(TButtonClass*)> Press;
        } const Ways[] = {
            {"mouse", [this](TButtonClass* B) { this->ClickOn(B); }},
            {"space", [&](TButtonClass* B) { B->SetFocus(), Key(VK_SPACE); }},
            {"enter", [&](TButtonClass* B) { B->SetFocus(), Key(VK_RETURN); }},
            {"default",
             [&](TButtonClass* B) { B->SetDefault(true), Elsewhere->SetFocus(), Key(VK_RETURN); }},
            {"cancel",
             [&](TButtonClass* B) { B->SetCancel(true), Elsewhere->SetFocus(), Key(VK_ESCAPE); }},
            {"accelerator",
             [this](TButtonClass* B) { B->SetCaption("&Zap"), this->PressWith(VK_MENU, 'Z'); }},
        };
        for (const TWay& W : Ways)
        {
            TButtonClass* B = Make();
            int Clicks = 0;
            B->OnClick = [&Clicks, B](TObject*)
            {
                ++Clicks;
                B->Free();
            };
            const TComponent::TLifeGuard Guard(B);
            W.Press(B);
            Desktop.Pump();
            EXPECT_EQ(Clicks, 1) << W.Name;
            EXPECT_FALSE(Guard.Alive()) << W.Name;
            if (Also) Also(W.Name);
        }
    }
};
