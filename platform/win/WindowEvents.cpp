#include "detail/WindowEvents.h"

#include "detail/Desktop.h"
#include "detail/Painting.h"
#include "detail/WindowDc.h"
#include "detail/WindowGeometry.h"
#include "platform/win/Backend.h"
#include "platform/win/WinPaint.h"
#include "platform/win/WinStyles.h"
#include "platform/win/WindowPos.h"

#include <algorithm>
#include <vector>

namespace
{
constexpr UINT Exposed = RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN;

// Repaints what a child uncovered in its parent: Old is the child's former
// window rectangle on the screen.
void ExposeInParent(TWindow& Parent, const RECT& OldScreen)
{
    RECT ParentScreen = ScreenWindowRect(Parent);
    TRegion Area(ToTRect(OldScreen).Offset(-ParentScreen.left, -ParentScreen.top));
    InvalidateWindow(Parent, Area, Exposed);
}

// Mirrors a z-order change: the window and everything above it, bottom-up.
void RaiseFrom(TBackend& Backend, TWindow& Window)
{
    const auto& Order = TDesktop::Instance().TopLevel;
    auto It = std::find(Order.begin(), Order.end(), &Window);
    if (It == Order.end()) return;
    std::vector<HWND> Raise;
    for (auto At = It;; --At)
    {
        Raise.push_back((*At)->Handle);
        if (At == Order.begin()) break;
    }
    for (HWND Handle : Raise)
        Backend.WindowRaised(Handle);
}

void ExposeWhole(TWindow& Window)
{
    RECT R = Window.WindowRect;
    InvalidateWindow(Window, TRegion(TRect{0, 0, R.right - R.left, R.bottom - R.top}), Exposed);
}
} // namespace

void WindowPosChanged(TWindow& Window, const RECT& OldScreen, bool WasShown, UINT Flags)
{
    RECT NewScreen = ScreenWindowRect(Window);
    bool Shown = IsShown(Window);
    bool Sized = (NewScreen.right - NewScreen.left) != (OldScreen.right - OldScreen.left) ||
                 (NewScreen.bottom - NewScreen.top) != (OldScreen.bottom - OldScreen.top);
    bool Moved = NewScreen.left != OldScreen.left || NewScreen.top != OldScreen.top;
    if (Window.TopLevel)
    {
        SizeBackBuffer(Window);
        if (TBackend* Backend = CurrentBackend())
        {
            Backend->WindowChanged(Window.Handle, NewScreen, Shown);
            if (!(Flags & (SWP_NOZORDER | SWP_HIDEWINDOW))) RaiseFrom(*Backend, Window);
        }
        if (Shown && (!WasShown || Sized || (Flags & SWP_FRAMECHANGED))) ExposeWhole(Window);
        if (Shown && !WasShown) Window.Dirty = true;
        return;
    }
    if (Flags & SWP_NOREDRAW) return;
    bool ZOrder = !(Flags & (SWP_NOZORDER | SWP_HIDEWINDOW));
    if (Window.Parent && WasShown && (Moved || Sized || !Shown))
        ExposeInParent(*Window.Parent, OldScreen);
    if (Shown && (!WasShown || Moved || Sized || ZOrder || (Flags & SWP_FRAMECHANGED)))
        ExposeWhole(Window);
}

void WindowRegionChanged(TWindow& Window, const RECT& Screen, bool Shown, bool Redraw)
{
    if (Window.TopLevel)
        if (TBackend* Backend = CurrentBackend())
            Backend->WindowShapeChanged(Window.Handle, Window.Region.get());
    if (!Redraw || !Shown) return;
    if (Window.Parent) ExposeInParent(*Window.Parent, Screen);
    ExposeWhole(Window);
    if (Window.TopLevel) Window.Dirty = true;
}
