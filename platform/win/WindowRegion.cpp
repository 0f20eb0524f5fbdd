#include "platform/win/WindowRegion.h"

#include "detail/WindowEvents.h"
#include "detail/WindowGeometry.h"
#include "detail/WindowRegion.h"
#include "detail/WindowTable.h"
#include "platform/win/LastError.h"

BOOL SetWindowRgn(HWND Handle, const TRegion* Region, BOOL Redraw)
{
    TWindow* Window = TWindowTable::Instance().FindOwn(Handle);
    if (!Window)
    {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    RECT Screen = ScreenWindowRect(*Window);
    bool Shown = IsShown(*Window);
    Window->Region = Region ? std::make_unique<TRegion>(*Region) : nullptr;
    WindowRegionChanged(*Window, Screen, Shown, Redraw != FALSE);
    return TRUE;
}

int GetWindowRgn(HWND Handle, TRegion* Out)
{
    TWindow* Window = TWindowTable::Instance().FindOwn(Handle);
    if (!Window || !Window->Region || !Out) return RGN_ERROR;
    *Out = *Window->Region;
    return Out->Kind();
}

bool WindowRegionContains(const TWindow& Window, POINT Screen)
{
    if (!Window.Region) return true;
    RECT Outer = ScreenWindowRect(Window);
    return Window.Region->Contains(Screen.x - Outer.left, Screen.y - Outer.top);
}
