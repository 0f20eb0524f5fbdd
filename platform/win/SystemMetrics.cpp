#include "platform/win/SystemMetrics.h"

#include "detail/Desktop.h"

int GetSystemMetrics(int Index)
{
    const TDesktop& Desktop = TDesktop::Instance();
    const RECT& Screen = Desktop.Screen;
    const RECT& Work = Desktop.WorkArea;
    switch (Index)
    {
    case SM_CXSCREEN:
    case SM_CXVIRTUALSCREEN:
        return Screen.right - Screen.left;
    case SM_CYSCREEN:
    case SM_CYVIRTUALSCREEN:
        return Screen.bottom - Screen.top;
    case SM_CXVSCROLL:
    case SM_CYHSCROLL:
    case SM_CYVSCROLL:
    case SM_CXHSCROLL:
    case SM_CYVTHUMB:
    case SM_CXHTHUMB:
        return 16;
    case SM_CYCAPTION:
        return 19;
    case SM_CXBORDER:
    case SM_CYBORDER:
        return 1;
    case SM_CXDLGFRAME:
    case SM_CYDLGFRAME:
        return 3;
    case SM_CXFRAME:
    case SM_CYFRAME:
        return 4;
    case SM_CXICON:
    case SM_CYICON:
    case SM_CXCURSOR:
    case SM_CYCURSOR:
        return 32;
    case SM_CYMENU:
        return 19;
    case SM_CXFULLSCREEN:
        return Work.right - Work.left;
    case SM_CYFULLSCREEN:
        return Work.bottom - Work.top - 19;
    case SM_SWAPBUTTON:
        return 0;
    case SM_CXMIN:
        return 112;
    case SM_CYMIN:
        return 27;
    case SM_CXSIZE:
    case SM_CYSIZE:
        return 18;
    case SM_CXMINTRACK:
        return 112;
    case SM_CYMINTRACK:
        return 27;
    case SM_CXDOUBLECLK:
    case SM_CYDOUBLECLK:
        return 4;
    case SM_CMOUSEBUTTONS:
        return 3;
    case SM_CXEDGE:
    case SM_CYEDGE:
        return 2;
    case SM_CXSMICON:
    case SM_CYSMICON:
        return 16;
    case SM_CYSMCAPTION:
        return 15;
    case SM_CXSMSIZE:
    case SM_CYSMSIZE:
        return 12;
    case SM_CXMINIMIZED:
        return 160;
    case SM_CYMINIMIZED:
        return 24;
    case SM_CXMAXTRACK:
        return Screen.right - Screen.left + 12;
    case SM_CYMAXTRACK:
        return Screen.bottom - Screen.top + 12;
    case SM_CXMAXIMIZED:
        return Work.right - Work.left + 8;
    case SM_CYMAXIMIZED:
        return Work.bottom - Work.top + 8;
    case SM_CXDRAG:
    case SM_CYDRAG:
        return 4;
    case SM_MOUSEWHEELPRESENT:
        return 1;
    case SM_CMONITORS:
        return Desktop.Monitors.empty() ? 1 : static_cast<int>(Desktop.Monitors.size());
    default:
        return 0;
    }
}

BOOL SystemParametersInfo(UINT Action, UINT, void* Param, UINT)
{
    if (!Param) return FALSE;
    switch (Action)
    {
    case SPI_GETWORKAREA:
        *static_cast<RECT*>(Param) = TDesktop::Instance().WorkArea;
        return TRUE;
    case SPI_GETNONCLIENTMETRICS:
    {
        auto* Metrics = static_cast<NONCLIENTMETRICS*>(Param);
        if (Metrics->cbSize != sizeof(NONCLIENTMETRICS)) return FALSE;
        *Metrics = NONCLIENTMETRICS();
        return TRUE;
    }
    case SPI_GETWHEELSCROLLLINES:
        *static_cast<UINT*>(Param) = 3;
        return TRUE;
    case SPI_GETMOUSEHOVERWIDTH:
    case SPI_GETMOUSEHOVERHEIGHT:
        *static_cast<UINT*>(Param) = 4;
        return TRUE;
    case SPI_GETMOUSEHOVERTIME:
        *static_cast<UINT*>(Param) = 400;
        return TRUE;
    default:
        return FALSE;
    }
}

UINT GetDoubleClickTime()
{
    return 500;
}
