#include "platform/win/WindowEvents.h"

#include "platform/win/Backend.h"
#include "platform/win/WindowGeometry.h"

void WindowPosChanged(TWindow& Window, const RECT&, bool, UINT)
{
    if (!Window.TopLevel) return;
    if (TBackend* Backend = CurrentBackend()) Backend->WindowChanged(Window.Handle, ScreenWindowRect(Window), IsShown(Window));
}

void WindowRegionChanged(TWindow& Window, const RECT&, bool, bool)
{
    if (!Window.TopLevel) return;
    if (TBackend* Backend = CurrentBackend()) Backend->WindowShapeChanged(Window.Handle, Window.Region.get());
}
