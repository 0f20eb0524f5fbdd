#pragma once

// The window tree: parents, children, owners and z-order. Every call takes
// windows of the calling thread.

#include "platform/win/WinTypes.h"

constexpr UINT GA_PARENT = 1;
constexpr UINT GA_ROOT = 2;
constexpr UINT GA_ROOTOWNER = 3;

constexpr UINT GW_HWNDFIRST = 0;
constexpr UINT GW_HWNDLAST = 1;
constexpr UINT GW_HWNDNEXT = 2;
constexpr UINT GW_HWNDPREV = 3;
constexpr UINT GW_OWNER = 4;
constexpr UINT GW_CHILD = 5;
constexpr UINT GW_ENABLEDPOPUP = 6;

using WNDENUMPROC = BOOL (*)(HWND, LPARAM);

// The parent of a child window, the owner of a top-level one, else null.
HWND GetParent(HWND Window);
// Moves a window under another parent (null: top-level). Returns the old
// parent, null with the last error set on failure (also when NewParent is
// Window itself or one of its descendants).
HWND SetParent(HWND Window, HWND NewParent);
HWND GetAncestor(HWND Window, UINT Flags);
// GW_* relation; null when there is none.
HWND GetWindow(HWND Window, UINT Command);
HWND GetTopWindow(HWND Parent);
BOOL IsChild(HWND Parent, HWND Window);
// The first child of Parent whose id is Id.
HWND GetDlgItem(HWND Parent, int Id);
int GetDlgCtrlID(HWND Window);
// Calls Proc for every descendant, depth first in z-order, until it returns
// FALSE.
BOOL EnumChildWindows(HWND Parent, WNDENUMPROC Proc, LPARAM Param);
// Calls Proc for every top-level window in z-order until it returns FALSE.
BOOL EnumWindows(WNDENUMPROC Proc, LPARAM Param);
