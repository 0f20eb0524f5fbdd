#pragma once

// Visibility, minimized / maximized state and the enabled state of windows.
// Every call takes windows of the calling thread.

#include "platform/win/WinTypes.h"

// ShowWindow commands.
constexpr int SW_HIDE = 0;
constexpr int SW_SHOWNORMAL = 1;
constexpr int SW_NORMAL = 1;
constexpr int SW_SHOWMINIMIZED = 2;
constexpr int SW_SHOWMAXIMIZED = 3;
constexpr int SW_MAXIMIZE = 3;
constexpr int SW_SHOWNOACTIVATE = 4;
constexpr int SW_SHOW = 5;
constexpr int SW_MINIMIZE = 6;
constexpr int SW_SHOWMINNOACTIVE = 7;
constexpr int SW_SHOWNA = 8;
constexpr int SW_RESTORE = 9;
constexpr int SW_SHOWDEFAULT = 10;

// WM_SHOWWINDOW lParam when the change comes from the owner or parent.
constexpr LPARAM SW_PARENTCLOSING = 1;
constexpr LPARAM SW_PARENTOPENING = 3;

// Returns whether the window was visible before.
BOOL ShowWindow(HWND Window, int Command);
// Visible itself and every ancestor.
BOOL IsWindowVisible(HWND Window);
// Returns whether the window was disabled before. Disabling takes focus and
// capture away from the window.
BOOL EnableWindow(HWND Window, BOOL Enable);
BOOL IsWindowEnabled(HWND Window);
BOOL IsIconic(HWND Window);
BOOL IsZoomed(HWND Window);
