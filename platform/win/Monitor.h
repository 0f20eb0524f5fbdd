#pragma once

// Monitors: the displays the desktop spans, each with its work area (the
// part not taken by panels and docks). The first monitor is the primary one.
// A desktop that lists none has one monitor: the screen with its work area.

#include "platform/win/WinTypes.h"

struct HMONITOR__;
using HMONITOR = HMONITOR__*;

// What the MonitorFrom* functions give when nothing lies on a monitor.
constexpr DWORD MONITOR_DEFAULTTONULL = 0;
constexpr DWORD MONITOR_DEFAULTTOPRIMARY = 1;
constexpr DWORD MONITOR_DEFAULTTONEAREST = 2;

constexpr DWORD MONITORINFOF_PRIMARY = 1;

// One display: its screen rectangle and its work area.
struct TMonitorArea
{
    RECT Bounds;
    RECT Work;
};

struct MONITORINFO
{
    DWORD cbSize = sizeof(MONITORINFO);
    RECT rcMonitor{};
    RECT rcWork{};
    DWORD dwFlags = 0;
};

// The monitor sharing the largest area with the window (screen rectangle of
// the whole window), the point or the rectangle; for one on no monitor, per
// Flags: null, the primary, or the nearest one. An invalid window is on no
// monitor.
HMONITOR MonitorFromWindow(HWND Window, DWORD Flags);
HMONITOR MonitorFromPoint(POINT Point, DWORD Flags);
HMONITOR MonitorFromRect(const RECT* Rect, DWORD Flags);
// Fills Info (whose cbSize must be sizeof(MONITORINFO)); FALSE for an
// unknown monitor or a bad Info.
BOOL GetMonitorInfo(HMONITOR Monitor, MONITORINFO* Info);
