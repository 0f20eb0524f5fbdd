#pragma once

// The state and geometry of standard scroll bars, for the window system's
// own sources.

#include "platform/win/WinTypes.h"

struct TWindow;

// One bar's values; a window holds three (SB_HORZ, SB_VERT, SB_CTL).
struct TScrollBarData
{
    int Min = 0;
    int Max = 100;
    UINT Page = 0;
    int Pos = 0;
    int TrackPos = 0;
    UINT DisabledArrows = 0; // ESB_DISABLE_* from EnableScrollBar
    bool NotNeeded = false;  // kept shown but disabled (SIF_DISABLENOSCROLL)
    bool Tracking = false;   // the thumb follows TrackPos
    int Pressed = 0;         // TScrollPart drawn pressed, 0 for none
};

// The parts of a bar in pointer order along it; the values index
// SCROLLBARINFO::rgstate.
enum TScrollPart : int
{
    spNone = 0,
    spLineUp = 1,
    spPageUp = 2,
    spThumb = 3,
    spPageDown = 4,
    spLineDown = 5,
};

// A bar laid out in some coordinate system: the bar's rectangle, the arrow
// length, and the thumb's ends measured from the bar's start (equal when
// the bar shows no thumb).
struct TScrollGeometry
{
    RECT Bar{};
    bool Vertical = true;
    int Arrow = 0;
    int ThumbStart = 0;
    int ThumbEnd = 0;

    int Length() const { return Vertical ? Bar.bottom - Bar.top : Bar.right - Bar.left; }
    RECT PartRect(TScrollPart Part) const;
    TScrollPart PartAt(POINT P) const;
};

// The bar's data, SB_HORZ, SB_VERT or SB_CTL; null for another value.
TScrollBarData* ScrollDataOf(TWindow& Window, int Bar);
// Whether the window shows the bar (window bars: the style bit; a control:
// always).
bool ScrollBarShown(const TWindow& Window, int Bar);
bool ScrollBarVertical(const TWindow& Window, int Bar);
// Whether the bar takes no input: a disabled window, both arrows disabled
// or a range that needs no scrolling kept shown.
bool ScrollBarDisabled(const TWindow& Window, int Bar);
// The bar's rectangle in window coordinates (empty when not shown), and the
// size box between two window bars.
RECT ScrollBarRectInWindow(const TWindow& Window, int Bar);
RECT SizeBoxRectInWindow(const TWindow& Window);
// The bar laid out in window coordinates, with the thumb at TrackPos while
// tracking.
TScrollGeometry ScrollGeometryOf(const TWindow& Window, int Bar);
// The position whose thumb starts ThumbStart pixels from the bar's start.
int ScrollPosAt(const TScrollGeometry& Geometry, const TScrollBarData& Data, int ThumbStart);
// Repaints the bar: the frame for window bars, the client for a control.
void InvalidateScrollBar(TWindow& Window, int Bar);
