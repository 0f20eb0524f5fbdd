#include "detail/MoveLoop.h"

#include "detail/WindowTable.h"
#include "platform/win/Focus.h"
#include "platform/win/Input.h"
#include "platform/win/Messaging.h"
#include "platform/win/NonClient.h"
#include "platform/win/SystemMetrics.h"
#include "platform/win/WinMessages.h"
#include "platform/win/WindowApi.h"
#include "platform/win/WindowPos.h"

#include <algorithm>

namespace
{
constexpr UINT WM_SIZING = 0x0214;
} // namespace

void RunSizeMoveLoop(HWND Window, LRESULT HitCode, POINT StartScreen)
{
    RECT Start{};
    if (!GetWindowRect(Window, &Start)) return;
    // Work in the parent's client coordinates, as SetWindowPos does.
    TWindow* Own = TWindowTable::Instance().FindOwn(Window);
    HWND Parent = Own && Own->Parent ? Own->Parent->Handle : nullptr;
    if (Parent) MapWindowPoints(nullptr, Parent, reinterpret_cast<POINT*>(&Start), 2);
    SetCapture(Window);
    SendMessage(Window, WM_ENTERSIZEMOVE, 0, 0);
    RECT Current = Start;
    auto Apply = [&](const RECT& Proposed)
    {
        RECT R = Proposed;
        SendMessage(Window, HitCode == HTCAPTION ? WM_MOVING : WM_SIZING,
                    static_cast<WPARAM>(HitCode), reinterpret_cast<LPARAM>(&R));
        if (!IsWindow(Window)) return;
        UINT Flags = SWP_NOZORDER | SWP_NOACTIVATE | (HitCode == HTCAPTION ? SWP_NOSIZE : 0);
        SetWindowPos(Window, nullptr, R.left, R.top, R.right - R.left, R.bottom - R.top, Flags);
        Current = R;
    };
    ModalMouseLoop(
        Window,
        [&](const MSG& Msg) -> bool
        {
            if (Msg.message == WM_KEYDOWN && Msg.wParam == VK_ESCAPE)
            {
                Apply(Start);
                return false;
            }
            // The release counts as a last move: a backend may leave out a
            // motion that did not change the pointer's place in the window,
            // which is what a window following the pointer looks like.
            const bool Released = Msg.message == WM_LBUTTONUP;
            if (Msg.message != WM_MOUSEMOVE && !Released) return true;
            LONG Dx = Msg.pt.x - StartScreen.x, Dy = Msg.pt.y - StartScreen.y;
            RECT R = Start;
            int MinW = GetSystemMetrics(SM_CXMINTRACK), MinH = GetSystemMetrics(SM_CYMINTRACK);
            switch (HitCode)
            {
            case HTCAPTION:
                R = {Start.left + Dx, Start.top + Dy, Start.right + Dx, Start.bottom + Dy};
                break;
            case HTLEFT:
                R.left = std::min(Start.left + Dx, Start.right - MinW);
                break;
            case HTRIGHT:
                R.right = std::max(Start.right + Dx, Start.left + MinW);
                break;
            case HTTOP:
                R.top = std::min(Start.top + Dy, Start.bottom - MinH);
                break;
            case HTBOTTOM:
                R.bottom = std::max(Start.bottom + Dy, Start.top + MinH);
                break;
            case HTTOPLEFT:
                R.left = std::min(Start.left + Dx, Start.right - MinW);
                R.top = std::min(Start.top + Dy, Start.bottom - MinH);
                break;
            case HTTOPRIGHT:
                R.right = std::max(Start.right + Dx, Start.left + MinW);
                R.top = std::min(Start.top + Dy, Start.bottom - MinH);
                break;
            case HTBOTTOMLEFT:
                R.left = std::min(Start.left + Dx, Start.right - MinW);
                R.bottom = std::max(Start.bottom + Dy, Start.top + MinH);
                break;
            case HTBOTTOMRIGHT:
                R.right = std::max(Start.right + Dx, Start.left + MinW);
                R.bottom = std::max(Start.bottom + Dy, Start.top + MinH);
                break;
            default:
                break;
            }
            if (R.left != Current.left || R.top != Current.top || R.right != Current.right ||
                R.bottom != Current.bottom)
                Apply(R);
            return !Released && IsWindow(Window);
        });
    if (GetCapture() == Window) ReleaseCapture();
    if (IsWindow(Window)) SendMessage(Window, WM_EXITSIZEMOVE, 0, 0);
}

bool TrackCaptionButton(HWND Window, LRESULT HitCode)
{
    SetCapture(Window);
    bool Released = false;
    bool Over = true;
    ModalMouseLoop(Window,
                   [&](const MSG& Msg) -> bool
                   {
                       if (Msg.message == WM_MOUSEMOVE || Msg.message == WM_LBUTTONUP)
                       {
                           Over = SendMessage(Window, WM_NCHITTEST, 0,
                                              MAKELPARAM(static_cast<WORD>(Msg.pt.x),
                                                         static_cast<WORD>(Msg.pt.y))) == HitCode;
                           if (Msg.message == WM_LBUTTONUP)
                           {
                               Released = true;
                               return false;
                           }
                       }
                       return true;
                   });
    if (GetCapture() == Window) ReleaseCapture();
    return Released && Over;
}
