#include "detail/WindowGeometry.h"

#include "platform/win/WinStyles.h"

POINT ClientOrigin(const TWindow& Window)
{
    POINT Base{0, 0};
    if (Window.Parent) Base = ClientOrigin(*Window.Parent);
    return {Base.x + Window.WindowRect.left + Window.ClientRect.left,
            Base.y + Window.WindowRect.top + Window.ClientRect.top};
}

RECT ScreenWindowRect(const TWindow& Window)
{
    POINT Base{0, 0};
    if (Window.Parent) Base = ClientOrigin(*Window.Parent);
    const RECT& R = Window.WindowRect;
    return {R.left + Base.x, R.top + Base.y, R.right + Base.x, R.bottom + Base.y};
}

RECT ScreenClientRect(const TWindow& Window)
{
    POINT Origin = ClientOrigin(Window);
    const RECT& C = Window.ClientRect;
    return {Origin.x, Origin.y, Origin.x + (C.right - C.left), Origin.y + (C.bottom - C.top)};
}

bool IsShown(const TWindow& Window)
{
    for (const TWindow* W = &Window; W; W = W->Parent)
        if (!(W->Style & WS_VISIBLE)) return false;
    return !Window.MessageOnly;
}

bool PointInRect(const RECT& Rect, POINT Point)
{
    return Point.x >= Rect.left && Point.x < Rect.right && Point.y >= Rect.top &&
           Point.y < Rect.bottom;
}
