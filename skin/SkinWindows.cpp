#include "skin/SkinWindows.h"

#include "framework/controls/Application.h"
#include "framework/controls/CustomForm.h"
#include "platform/win/Animation.h"
#include "platform/win/Monitor.h"
#include "platform/win/SystemMetrics.h"
#include "platform/win/WinStyles.h"
#include "platform/win/WindowApi.h"

bool FormHasFocus(const TCustomForm* Form)
{
    const TCustomForm* Main = Application ? Application->MainForm() : nullptr;
    if (!Main) return Form && Form->Active();
    if (Main->FormStyle() == fsMDIForm && Form == Main) return true;
    if (!Application->Active()) return false;
    if (!Form || Form == Main) return true;
    // The framework has no MDI client window, so no MDI child is ever
    // reported active in its place.
    return Form->Active();
}

TRect GetWorkAreaRect()
{
    RECT Work{};
    const TCustomForm* Main = Application ? Application->MainForm() : nullptr;
    MONITORINFO Info;
    if (Main && Main->HandleAllocated() &&
        GetMonitorInfo(MonitorFromWindow(Main->Handle(), MONITOR_DEFAULTTONEAREST), &Info))
        Work = Info.rcWork;
    else
        SystemParametersInfo(SPI_GETWORKAREA, 0, &Work, 0);
    return {Work.left, Work.top, Work.right, Work.bottom};
}

void PlaceControl(TControl* Control, const TRect& Rect)
{
    if (!Control) return;
    Control->SetLeft(Rect.Left);
    Control->SetTop(Rect.Top);
    Control->SetWidth(Rect.Width());
    Control->SetHeight(Rect.Height());
}

void PlaceControl(TControl* Control, const TPoint& Point)
{
    if (!Control) return;
    Control->SetLeft(Point.X);
    Control->SetTop(Point.Y);
}

bool InRect(int X, int Y, const TRect& Rect)
{
    return X >= Rect.Left && X <= Rect.Right && Y >= Rect.Top && Y <= Rect.Bottom;
}

bool InRect(const TPoint& Point, const TRect& Rect)
{
    return InRect(Point.X, Point.Y, Rect);
}

bool SUIGetComboBoxInfo(HWND Window, COMBOBOXINFO& Info)
{
    return GetComboBoxInfo(Window, &Info) != FALSE;
}

bool SUIGetScrollBarInfo(HWND Window, LONG ObjectId, SCROLLBARINFO& Info)
{
    return GetScrollBarInfo(Window, ObjectId, &Info) != FALSE;
}

bool SUIAnimateWindow(HWND Window, DWORD Time, DWORD Flags)
{
    return AnimateWindow(Window, Time, Flags) != FALSE;
}

void SetWinControlTransparent(TWinControl* Control)
{
    if (!Control) return;
    TControlStyle Style = Control->ControlStyle();
    Style.Exclude(csOpaque);
    Control->SetControlStyle(Style);
    if (Control->HandleAllocated())
    {
        HWND Window = Control->Handle();
        SetWindowLong(Window, GWL_EXSTYLE, GetWindowLong(Window, GWL_EXSTYLE) | WS_EX_TRANSPARENT);
    }
}

bool IsWinXP()
{
    return false;
}

bool IsWinVista()
{
    return false;
}
