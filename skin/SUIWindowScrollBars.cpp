#include "skin/SUIWindowScrollBars.h"

#include "framework/controls/WinControl.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/CanvasHandleScope.h"
#include "platform/win/WinApi.h"
#include "platform/win/WindowDcScope.h"

TsuiWindowScrollBars::TsuiWindowScrollBars(TWinControl* Control)
    : FControl(Control), FPrevious(Control->WindowProc)
{
    FControl->WindowProc = [this, Alive = FAlive](TMessage& Message)
    {
        // The message may end this object and this very procedure (the
        // control's handler closing a drop-down list): only locals are used
        // after it.
        const std::shared_ptr<bool> Still = Alive;
        const std::function<void(TMessage&)> Previous = FPrevious;
        Previous(Message);
        if (!*Still) return;
        if (Message.Msg == WM_NCPAINT)
            Paint();
        else
            Follow(Message);
    };
}

TsuiWindowScrollBars::~TsuiWindowScrollBars()
{
    *FAlive = false;
    FControl->WindowProc = FPrevious;
}

void TsuiWindowScrollBars::Load(TsuiUIStyle UIStyle, TsuiFileTheme* FileTheme)
{
    FLook.Load(UIStyle, FileTheme);
    if (FControl->HandleAllocated())
        RedrawWindow(FControl->Handle(), nullptr, nullptr,
                     RDW_INVALIDATE | RDW_FRAME | RDW_NOCHILDREN);
}

void TsuiWindowScrollBars::SetHot(LONG Bar, int Part)
{
    if (FHotBar == Bar && FHotPart == Part) return;
    FHotBar = Bar;
    FHotPart = Part;
    Paint();
}

void TsuiWindowScrollBars::Follow(const TMessage& Message)
{
    if (Message.Msg == WM_NCMOUSELEAVE || Message.Msg == WM_MOUSEMOVE)
    {
        SetHot(0, ssbNone);
        return;
    }
    if (Message.Msg != WM_NCMOUSEMOVE || !FControl->HandleAllocated()) return;
    HWND Window = FControl->Handle();
    const TPoint At{GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam)};
    for (LONG Bar : {OBJID_VSCROLL, OBJID_HSCROLL})
    {
        TsuiScrollBarLayout Layout;
        if (!QueryScrollBarLayout(Window, Bar, {0, 0}, Layout) || Layout.Disabled) continue;
        const int Part = Layout.PartAt(At);
        if (Part != ssbLineUp && Part != ssbLineDown) continue;
        TRACKMOUSEEVENT Track{sizeof(TRACKMOUSEEVENT), TME_LEAVE | TME_NONCLIENT, Window, 0};
        TrackMouseEvent(&Track);
        SetHot(Bar, Part);
        return;
    }
    SetHot(0, ssbNone);
}

void TsuiWindowScrollBars::Paint()
{
    if (!FControl->HandleAllocated()) return;
    HWND Window = FControl->Handle();
    RECT Outer{};
    GetWindowRect(Window, &Outer);
    TWindowDcScope Dc(Window, TWindowDcScope::WholeWindow);
    if (!Dc) return;
    TCanvas Canvas;
    TCanvasHandleScope Scope(Canvas, Dc.Dc());
    const POINT Origin{Outer.left, Outer.top};
    TsuiScrollBarLayout Vertical, Horizontal;
    const bool HasVertical = QueryScrollBarLayout(Window, OBJID_VSCROLL, Origin, Vertical);
    const bool HasHorizontal = QueryScrollBarLayout(Window, OBJID_HSCROLL, Origin, Horizontal);
    if (FHotBar == OBJID_VSCROLL) Vertical.Hot = FHotPart;
    if (FHotBar == OBJID_HSCROLL) Horizontal.Hot = FHotPart;
    if (HasVertical) FLook.Paint(&Canvas, Vertical);
    if (HasHorizontal) FLook.Paint(&Canvas, Horizontal);
    if (HasVertical && HasHorizontal)
    {
        Canvas.Brush()->SetStyle(bsSolid);
        Canvas.Brush()->SetColor(FLook.TrackColor());
        Canvas.FillRect(
            {Vertical.Bar.Left, Horizontal.Bar.Top, Vertical.Bar.Right, Horizontal.Bar.Bottom});
    }
}
