#pragma once

// The modal loop that moves (HTCAPTION) or sizes (HTLEFT .. HTBOTTOMRIGHT)
// a window with the mouse until the left button is released or Escape
// cancels. It holds the capture, sends WM_ENTERSIZEMOVE, WM_MOVING /
// position changes and WM_EXITSIZEMOVE, and answers other messages as the
// outer loop would. A WM_QUIT that arrives ends it and is posted again for
// the outer loop.

#include "platform/win/Focus.h"
#include "platform/win/Input.h"
#include "platform/win/Messaging.h"
#include "platform/win/WinMessages.h"
#include "platform/win/WinTypes.h"
#include "platform/win/WindowLifetime.h"

// Runs Step for every mouse and key message, and for the WM_TIMER of the
// thread timer Timer (0 for none), until it returns false; other messages
// are dispatched. False when the loop was ended from outside (quit, capture
// lost, window gone).
template <typename TStep> bool ModalMouseLoop(HWND Window, TStep Step, UINT_PTR Timer = 0)
{
    MSG Msg{};
    for (;;)
    {
        BOOL Got = GetMessage(&Msg, nullptr, 0, 0);
        if (Got <= 0)
        {
            if (Got == 0) PostQuitMessage(static_cast<int>(Msg.wParam));
            return false;
        }
        if (!IsWindow(Window) || GetCapture() != Window)
        {
            TranslateMessage(&Msg);
            DispatchMessage(&Msg);
            return false;
        }
        const bool Input = (Msg.message >= WM_MOUSEFIRST && Msg.message <= WM_MOUSELAST) ||
                           (Msg.message >= WM_KEYFIRST && Msg.message <= WM_KEYLAST);
        const bool Tick = Timer && Msg.message == WM_TIMER && !Msg.hwnd && Msg.wParam == Timer;
        if (Input || Tick)
        {
            if (!Step(Msg)) return true;
            continue;
        }
        TranslateMessage(&Msg);
        DispatchMessage(&Msg);
    }
}

void RunSizeMoveLoop(HWND Window, LRESULT HitCode, POINT StartScreen);
// The modal loop of a caption button (HTCLOSE, HTMINBUTTON, HTMAXBUTTON):
// true when the button was released over the same button.
bool TrackCaptionButton(HWND Window, LRESULT HitCode);
