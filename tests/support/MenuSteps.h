#pragma once

// Driving a menu loop from a test. A menu loop sends its owner window
// WM_ENTERIDLE (MSGF_MENU) whenever it waits for input; each time, the next
// step runs (queue input, look at the screen), and with no step left the
// menu is cancelled, so a test never hangs in the loop.

#include "framework/controls/WinControl.h"
#include "framework/menus/MenuLoop.h"
#include "platform/win/WinApi.h"

#include <cstddef>
#include <functional>
#include <vector>

// Runs Action with Owner's procedure hooked as above and gives it back
// afterwards, also when Action throws. Returns how many steps ran.
inline size_t RunMenuSteps(TWinControl* Owner, const std::function<void()>& Action,
                           const std::vector<std::function<void()>>& Steps)
{
    size_t Next = 0;
    auto Old = Owner->WindowProc;
    struct TRestore
    {
        TWinControl* Owner;
        std::function<void(TMessage&)>& Old;
        ~TRestore() { Owner->WindowProc = Old; }
    } Restore{Owner, Old};
    Owner->WindowProc = [&](TMessage& M)
    {
        if (M.Msg != WM_ENTERIDLE || M.WParam != MSGF_MENU) return Old(M);
        if (Next < Steps.size())
        {
            Steps[Next++]();
            // Wakes the loop even when the step queued no input.
            PostMessage(Owner->Handle(), WM_NULL, 0, 0);
        }
        else if (TMenuLoop* Loop = TMenuLoop::Current())
            Loop->Cancel();
    };
    Action();
    return Next;
}
