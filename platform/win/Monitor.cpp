#include "platform/win/Monitor.h"

#include "detail/Desktop.h"
#include "platform/win/WindowPos.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <vector>

namespace
{
std::vector<TMonitorArea> CurrentMonitors()
{
    const TDesktop& Desktop = TDesktop::Instance();
    if (!Desktop.Monitors.empty()) return Desktop.Monitors;
    return {TMonitorArea{Desktop.Screen, Desktop.WorkArea}};
}

// Handles are 1-based positions in the monitor list.
HMONITOR HandleOf(size_t Index)
{
    return reinterpret_cast<HMONITOR>(static_cast<uintptr_t>(Index + 1));
}

int64_t Overlap(const RECT& A, const RECT& B)
{
    const int64_t W = int64_t{std::min(A.right, B.right)} - std::max(A.left, B.left);
    const int64_t H = int64_t{std::min(A.bottom, B.bottom)} - std::max(A.top, B.top);
    return W > 0 && H > 0 ? W * H : 0;
}

// Squared distance between two rectangles (0 when they touch or overlap).
int64_t Distance(const RECT& A, const RECT& B)
{
    const int64_t Dx = std::max<int64_t>({0, int64_t{B.left} - A.right, int64_t{A.left} - B.right});
    const int64_t Dy = std::max<int64_t>({0, int64_t{B.top} - A.bottom, int64_t{A.top} - B.bottom});
    return Dx * Dx + Dy * Dy;
}

HMONITOR FromRect(const RECT& R, DWORD Flags)
{
    const std::vector<TMonitorArea> Monitors = CurrentMonitors();
    size_t Best = 0;
    int64_t BestArea = 0;
    for (size_t I = 0; I < Monitors.size(); ++I)
    {
        const int64_t Area = Overlap(R, Monitors[I].Bounds);
        if (Area > BestArea)
        {
            Best = I;
            BestArea = Area;
        }
    }
    if (BestArea > 0) return HandleOf(Best);
    switch (Flags)
    {
    case MONITOR_DEFAULTTOPRIMARY:
        return HandleOf(0);
    case MONITOR_DEFAULTTONEAREST:
    {
        int64_t Nearest = INT64_MAX;
        for (size_t I = 0; I < Monitors.size(); ++I)
        {
            const int64_t D = Distance(R, Monitors[I].Bounds);
            if (D < Nearest)
            {
                Best = I;
                Nearest = D;
            }
        }
        return HandleOf(Best);
    }
    default:
        return nullptr;
    }
}
} // namespace

HMONITOR MonitorFromRect(const RECT* Rect, DWORD Flags)
{
    if (!Rect) return nullptr;
    // An empty rectangle is looked at as the point at its corner.
    RECT R = *Rect;
    if (R.right <= R.left) R.right = R.left + 1;
    if (R.bottom <= R.top) R.bottom = R.top + 1;
    return FromRect(R, Flags);
}

HMONITOR MonitorFromPoint(POINT Point, DWORD Flags)
{
    RECT R{Point.x, Point.y, Point.x + 1, Point.y + 1};
    return FromRect(R, Flags);
}

HMONITOR MonitorFromWindow(HWND Window, DWORD Flags)
{
    RECT R{};
    if (!GetWindowRect(Window, &R)) return Flags == MONITOR_DEFAULTTONULL ? nullptr : HandleOf(0);
    return MonitorFromRect(&R, Flags);
}

BOOL GetMonitorInfo(HMONITOR Monitor, MONITORINFO* Info)
{
    if (!Info || Info->cbSize != sizeof(MONITORINFO)) return FALSE;
    const std::vector<TMonitorArea> Monitors = CurrentMonitors();
    const uintptr_t Index = reinterpret_cast<uintptr_t>(Monitor);
    if (Index < 1 || Index > Monitors.size()) return FALSE;
    Info->rcMonitor = Monitors[Index - 1].Bounds;
    Info->rcWork = Monitors[Index - 1].Work;
    Info->dwFlags = Index == 1 ? MONITORINFOF_PRIMARY : 0;
    return TRUE;
}
