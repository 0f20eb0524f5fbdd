#include "detail/ScrollTrack.h"

#include "detail/MoveLoop.h"
#include "detail/ScrollBars.h"
#include "detail/WindowGeometry.h"
#include "detail/WindowTable.h"
#include "platform/win/Messaging.h"
#include "platform/win/ScrollBars.h"
#include "platform/win/Timers.h"

namespace
{
WORD CodeOf(TScrollPart Part)
{
    switch (Part)
    {
    case spLineUp:
        return SB_LINEUP;
    case spPageUp:
        return SB_PAGEUP;
    case spPageDown:
        return SB_PAGEDOWN;
    default:
        return SB_LINEDOWN;
    }
}

// One press on one bar. The window is looked up again after every call
// out, since a report's handler may destroy it.
class TScrollTracker
{
  public:
    TScrollTracker(HWND Window, int Bar) : FHandle(Window), FBar(Bar) {}

    void Run(POINT Screen);

  private:
    TWindow* Window() const { return OwnWindow(FHandle); }
    TScrollBarData* Data() const
    {
        TWindow* W = Window();
        return W ? ScrollDataOf(*W, FBar) : nullptr;
    }
    POINT InWindow(const TWindow& W, POINT Screen) const
    {
        RECT Outer = ScreenWindowRect(W);
        return {Screen.x - Outer.left, Screen.y - Outer.top};
    }
    TScrollPart PartAt(POINT Screen) const
    {
        TWindow* W = Window();
        return W ? ScrollGeometryOf(*W, FBar).PartAt(InWindow(*W, Screen)) : spNone;
    }
    void SetPressed(int Part);
    void Notify(WORD Code, int Pos);
    void TrackThumb(POINT Screen);
    void RepeatPart(TScrollPart Part, POINT Screen);

    HWND FHandle;
    int FBar;
    bool FVertical = true;
    HWND FTarget = nullptr;
    LPARAM FFrom = 0;
};

void TScrollTracker::SetPressed(int Part)
{
    TWindow* W = Window();
    if (!W || W->Scroll[static_cast<size_t>(FBar)].Pressed == Part) return;
    W->Scroll[static_cast<size_t>(FBar)].Pressed = Part;
    InvalidateScrollBar(*W, FBar);
}

void TScrollTracker::Notify(WORD Code, int Pos)
{
    if (FTarget && Window())
        SendMessage(FTarget, FVertical ? WM_VSCROLL : WM_HSCROLL,
                    MAKEWPARAM(Code, static_cast<WORD>(Pos)), FFrom);
}

void TScrollTracker::Run(POINT Screen)
{
    TWindow* W = Window();
    if (!W || !ScrollDataOf(*W, FBar) || !ScrollBarShown(*W, FBar) || ScrollBarDisabled(*W, FBar))
        return;
    const TScrollPart Part = PartAt(Screen);
    const UINT Arrows = W->Scroll[static_cast<size_t>(FBar)].DisabledArrows;
    if (Part == spNone || (Part == spLineUp && (Arrows & ESB_DISABLE_LTUP)) ||
        (Part == spLineDown && (Arrows & ESB_DISABLE_RTDN)))
        return;
    FVertical = ScrollBarVertical(*W, FBar);
    if (FBar == SB_CTL)
    {
        FTarget = W->Parent ? W->Parent->Handle : nullptr;
        FFrom = reinterpret_cast<LPARAM>(FHandle);
    }
    else
    {
        FTarget = FHandle;
    }
    const bool HadCapture = GetCapture() == FHandle;
    SetCapture(FHandle);
    if (Part == spThumb)
        TrackThumb(Screen);
    else
        RepeatPart(Part, Screen);
    if (!HadCapture && GetCapture() == FHandle) ReleaseCapture();
}

void TScrollTracker::TrackThumb(POINT Screen)
{
    TWindow* W = Window();
    TScrollGeometry Start = ScrollGeometryOf(*W, FBar);
    POINT P = InWindow(*W, Screen);
    // Where on the thumb it was taken, so that it keeps that place under
    // the pointer.
    const int Grab = FVertical ? P.y - Start.Bar.top - Start.ThumbStart
                               : P.x - Start.Bar.left - Start.ThumbStart;
    TScrollBarData* D = Data();
    D->Tracking = true;
    D->TrackPos = D->Pos;
    SetPressed(spThumb);
    ModalMouseLoop(FHandle,
                   [&](const MSG& Msg) -> bool
                   {
                       if (Msg.message != WM_MOUSEMOVE && Msg.message != WM_LBUTTONUP) return true;
                       TWindow* Now = Window();
                       if (!Now) return false;
                       TScrollGeometry G = ScrollGeometryOf(*Now, FBar);
                       POINT At = InWindow(*Now, Msg.pt);
                       int ThumbStart = (FVertical ? At.y - G.Bar.top : At.x - G.Bar.left) - Grab;
                       TScrollBarData* Bar = Data();
                       int Pos = ScrollPosAt(G, *Bar, ThumbStart);
                       if (Pos != Bar->TrackPos)
                       {
                           Bar->TrackPos = Pos;
                           InvalidateScrollBar(*Now, FBar);
                           Notify(SB_THUMBTRACK, Pos);
                       }
                       return Msg.message != WM_LBUTTONUP;
                   });
    if (!(D = Data())) return;
    const int Pos = D->TrackPos;
    D->Tracking = false;
    SetPressed(0);
    Notify(SB_THUMBPOSITION, Pos);
    Notify(SB_ENDSCROLL, 0);
}

void TScrollTracker::RepeatPart(TScrollPart Part, POINT Screen)
{
    const WORD Code = CodeOf(Part);
    POINT Pointer = Screen;
    SetPressed(Part);
    Notify(Code, 0);
    UINT_PTR Timer = SetTimer(nullptr, 0, ScrollRepeatDelay, nullptr);
    bool Repeating = false;
    ModalMouseLoop(
        FHandle,
        [&](const MSG& Msg) -> bool
        {
            if (Msg.message == WM_LBUTTONUP) return false;
            if (Msg.message == WM_MOUSEMOVE)
            {
                Pointer = Msg.pt;
            }
            else if (Msg.message == WM_TIMER)
            {
                if (!Repeating) SetTimer(nullptr, Timer, ScrollRepeatPeriod, nullptr);
                Repeating = true;
                // A page repeat stops where the thumb reaches the pointer.
                if (PartAt(Pointer) == Part) Notify(Code, 0);
            }
            SetPressed(PartAt(Pointer) == Part ? Part : 0);
            return Window() != nullptr;
        },
        Timer);
    KillTimer(nullptr, Timer);
    SetPressed(0);
    Notify(SB_ENDSCROLL, 0);
}
} // namespace

void TrackScrollBar(HWND Window, int Bar, POINT Screen)
{
    TScrollTracker(Window, Bar).Run(Screen);
}
