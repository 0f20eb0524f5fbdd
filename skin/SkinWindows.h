#pragma once

#include "framework/stdctrls/StdCtrlMessages.h"
#include "platform/gfx/Geometry.h"
#include "platform/win/WinTypes.h"

class TControl;
class TCustomForm;
class TWinControl;

// Window and placement queries of the skinned controls.

// Whether Form is the one the user works in: the main form's active flag
// decides when there is no main form; an MDI main form always has it for
// itself; otherwise the application must be active, and then a null Form or
// the main form has it, any other form when it is active.
bool FormHasFocus(const TCustomForm* Form);

// The work area of the monitor nearest the main form's window, or of the
// primary display when there is no main form window.
TRect GetWorkAreaRect();

// Sets Left, Top, Width and Height (in that order) from Rect; the point
// form sets Left and Top.
void PlaceControl(TControl* Control, const TRect& Rect);
void PlaceControl(TControl* Control, const TPoint& Point);

// Whether (X, Y) lies in Rect, all four edges counting as inside.
bool InRect(int X, int Y, const TRect& Rect);
bool InRect(const TPoint& Point, const TRect& Rect);

// The combo box's layout (GetComboBoxInfo); false for another window.
bool SUIGetComboBoxInfo(HWND Window, COMBOBOXINFO& Info);
// The window's standard scroll bar (OBJID_HSCROLL, OBJID_VSCROLL) or
// scroll-bar control (OBJID_CLIENT); false for another object or window.
bool SUIGetScrollBarInfo(HWND Window, LONG ObjectId, SCROLLBARINFO& Info);
// The window system's AnimateWindow.
bool SUIAnimateWindow(HWND Window, DWORD Time, DWORD Flags);

// Makes Control's window transparent for painting: no longer opaque, with
// the transparent extended style (on a window that exists; one made later
// keeps only the first change). Does nothing for a null Control.
void SetWinControlTransparent(TWinControl* Control);

// Checks for particular versions of another operating system; false here.
bool IsWinXP();
bool IsWinVista();
