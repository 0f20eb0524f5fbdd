#include "framework/controls/HintTracker.h"

#include "framework/controls/Control.h"
#include "framework/controls/HintWindow.h"
#include "framework/controls/Messages.h"
#include "framework/controls/Timer.h"
#include "platform/win/Monitor.h"
#include "platform/win/WinApi.h"

#include <algorithm>

namespace
{
TRect ScreenRectOf(const TControl* Control, const TRect& Client)
{
    const TPoint Origin = Control->ClientToScreen({0, 0});
    return Client.Offset(Origin.X, Origin.Y);
}
} // namespace

THintTracker::THintTracker(TComponent* AOwner) : TComponent(AOwner)
{
    FTimer = new TTimer(this);
    FTimer->SetEnabled(false);
    FTimer->SetOnTimer([this](TObject* Sender) { TimerFired(Sender); });
}

THintTracker::~THintTracker()
{
    SetControl(nullptr);
}

void THintTracker::SetShowHint(bool Value)
{
    if (FShowHint == Value) return;
    FShowHint = Value;
    if (!Value) Forget();
}

bool THintTracker::Showing() const
{
    return FWindow && FWindow->Active();
}

TControl* THintTracker::HintSource(TControl* Control)
{
    while (Control && Control->Hint().empty())
        Control = Control->Parent();
    if (!Control || !Control->ShowHint()) return nullptr;
    return Control;
}

unsigned THintTracker::HideTimeFor(const std::string& Text) const
{
    const unsigned long Time =
        HintHidePause + static_cast<unsigned long>(Text.size()) * HidePausePerChar;
    return static_cast<unsigned>(std::min<unsigned long>(Time, LongestHidePause));
}

TRect THintTracker::PlaceHint(TPoint Cursor, TSize Size, const TRect& WorkArea)
{
    int Left = Cursor.X;
    int Top = Cursor.Y + PointerHeight;
    if (Top + Size.Height > WorkArea.Bottom) Top = Cursor.Y - Size.Height;
    Left = std::max(WorkArea.Left, std::min(Left, WorkArea.Right - Size.Width));
    Top = std::max(WorkArea.Top, std::min(Top, WorkArea.Bottom - Size.Height));
    return {Left, Top, Left + Size.Width, Top + Size.Height};
}

void THintTracker::MouseMoved(TControl* Control, TPoint Screen)
{
    TControl* Source = FShowHint ? HintSource(Control) : nullptr;
    if (Showing())
    {
        if (Source == FControl && FCursorRect.Contains(Screen.X, Screen.Y)) return;
        HideWindow(true);
        // Outside the part of the control the hint was about: the control's
        // hint may come again for the new place.
        FDone = false;
    }
    if (!Source)
    {
        Forget();
        return;
    }
    if (Source == FControl && FDone && FCursorRect.Contains(Screen.X, Screen.Y)) return;
    SetControl(Source);
    FCursor = Screen;
    const bool Quick = FQuick && GetTickCount() - FHiddenAt < ShortPauseWindow;
    StartTimer(Quick ? HintShortPause : HintPause);
}

void THintTracker::MouseLeft(TControl* Control)
{
    if (!FControl) return;
    // Moving into a child (or a part) that shows the same hint keeps it.
    TControl* Now = TControl::MouseControl();
    if (Now && Now != Control && FShowHint && HintSource(Now) == FControl) return;
    const bool WasShowing = Showing();
    Forget();
    if (WasShowing)
    {
        FQuick = true;
        FHiddenAt = GetTickCount();
    }
}

void THintTracker::Cancel()
{
    if (!FControl) return;
    StopTimer();
    if (Showing())
        HideWindow(false);
    else
        FCursorRect = ScreenRectOf(FControl, FControl->ClientRect());
    FQuick = false;
    FDone = true;
}

void THintTracker::SetControl(TControl* Control)
{
    if (FControl == Control) return;
    if (FControl) FControl->RemoveFreeNotification(this);
    FControl = Control;
    FDone = false;
    if (FControl) FControl->FreeNotification(this);
}

void THintTracker::StartTimer(unsigned Milliseconds)
{
    FTimer->SetEnabled(false);
    FTimer->SetInterval(std::max(1u, Milliseconds));
    FTimer->SetEnabled(true);
}

void THintTracker::StopTimer()
{
    FTimer->SetEnabled(false);
}

void THintTracker::TimerFired(TObject*)
{
    StopTimer();
    if (Showing())
    {
        HideWindow(false);
        FQuick = false;
        FDone = true;
        return;
    }
    Activate();
}

void THintTracker::Activate()
{
    TControl* Control = FControl;
    if (!Control || !Control->Showing())
    {
        Forget();
        return;
    }
    FDone = true;
    FCursorRect = ScreenRectOf(Control, Control->ClientRect());
    FHint = Control->Hint();
    if (OnHint)
    {
        TLifeGuard Guard(this);
        OnHint();
        if (!Guard.Alive() || FControl != Control) return;
    }
    THintInfo Info;
    Info.HintControl = Control;
    Info.CursorPos = Control->ScreenToClient(FCursor);
    Info.CursorRect = Control->ClientRect();
    Info.HintMaxWidth = DefaultMaxWidth;
    Info.HintStr = FHint;
    {
        TLifeGuard Guard(this);
        const LRESULT Refused = Control->Perform(CM_HINTSHOW, 0, reinterpret_cast<LPARAM>(&Info));
        if (!Guard.Alive() || FControl != Control) return;
        // A refusal holds for the cursor rectangle too.
        FCursorRect = ScreenRectOf(Control, Info.CursorRect);
        if (Refused != 0 || Info.HintStr.empty()) return;
    }
    if (!FWindow) FWindow = std::make_unique<THintWindow>(nullptr);
    const TRect Size = FWindow->CalcHintRect(std::max(1, Info.HintMaxWidth), Info.HintStr);
    MONITORINFO Monitor;
    RECT Work{};
    if (GetMonitorInfo(MonitorFromPoint({FCursor.X, FCursor.Y}, MONITOR_DEFAULTTONEAREST),
                       &Monitor))
        Work = Monitor.rcWork;
    else
        SystemParametersInfo(SPI_GETWORKAREA, 0, &Work, 0);
    const TRect Place = PlaceHint(FCursor, {Size.Width(), Size.Height()},
                                  {Work.left, Work.top, Work.right, Work.bottom});
    FWindow->ActivateHint(Place, Info.HintStr);
    StartTimer(Info.HideTimeout > 0 ? Info.HideTimeout : HideTimeFor(Info.HintStr));
}

void THintTracker::HideWindow(bool Quick)
{
    StopTimer();
    if (FWindow) FWindow->ReleaseHint();
    FQuick = Quick;
    if (Quick) FHiddenAt = GetTickCount();
}

void THintTracker::Forget()
{
    StopTimer();
    if (Showing()) HideWindow(false);
    SetControl(nullptr);
}

void THintTracker::Notification(TComponent* AComponent, TOperation Operation)
{
    TComponent::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FControl)
    {
        FControl = nullptr;
        StopTimer();
        if (Showing()) HideWindow(false);
    }
}
