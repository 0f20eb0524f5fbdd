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
        if (*Still && Message.Msg == WM_NCPAINT) Paint();
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
