#pragma once

// Styles, messages and notifications of the standard controls (edit, list
// box, combo box), with their classic values, and the combo box layout
// record. The controls answer these messages through their window
// procedures, so code may drive them with SendMessage as well as through
// their methods.

#include "platform/gfx/Geometry.h"
#include "platform/win/Messaging.h"
#include "platform/win/ScrollBars.h"
#include "platform/win/WinTypes.h"

// Edit styles (low word of the window style).
constexpr DWORD ES_LEFT = 0x0000;
constexpr DWORD ES_CENTER = 0x0001;
constexpr DWORD ES_RIGHT = 0x0002;
// The edit honours a formatting rectangle (EM_SETRECT) and starts its line at
// the rectangle's top. The text stays one line: line breaks are still cut.
constexpr DWORD ES_MULTILINE = 0x0004;
constexpr DWORD ES_AUTOHSCROLL = 0x0080;
constexpr DWORD ES_NOHIDESEL = 0x0100;
constexpr DWORD ES_READONLY = 0x0800;

constexpr UINT WM_UNDO = 0x0304;

// Edit messages. EM_GETSEL: WParam / LParam point to DWORDs (may be null)
// receiving start and end; the result packs both (low word start).
// EM_SETSEL: WParam start, LParam end (-1: the end of the text); a start of
// -1 drops the selection and leaves the caret where it is.
constexpr UINT EM_GETSEL = 0x00B0;
constexpr UINT EM_SETSEL = 0x00B1;
// The formatting rectangle, in client coordinates: where the text is laid
// out and drawn. EM_GETRECT: LParam a RECT to fill. EM_SETRECT (repaints)
// and EM_SETRECTNP (does not): LParam the new RECT, null for the default
// (the client area less a one-pixel margin at the sides); only an edit with
// ES_MULTILINE takes it, and a resize brings back the default.
constexpr UINT EM_GETRECT = 0x00B2;
constexpr UINT EM_SETRECT = 0x00B3;
constexpr UINT EM_SETRECTNP = 0x00B4;
constexpr UINT EM_GETMODIFY = 0x00B8;
constexpr UINT EM_SETMODIFY = 0x00B9;
// LParam: the UTF-8 text replacing the selection; WParam nonzero: undoable.
constexpr UINT EM_REPLACESEL = 0x00C2;
// WParam: the most bytes the user may enter (0: no limit).
constexpr UINT EM_LIMITTEXT = 0x00C5;
constexpr UINT EM_CANUNDO = 0x00C6;
constexpr UINT EM_UNDO = 0x00C7;
constexpr UINT EM_EMPTYUNDOBUFFER = 0x00CD;
constexpr UINT EM_SETREADONLY = 0x00CF;

// Combo box messages.
constexpr UINT CB_GETCOUNT = 0x0146;
constexpr UINT CB_GETCURSEL = 0x0147;
// WParam: the index, -1 or out of range clears the selection (result CB_ERR).
constexpr UINT CB_SETCURSEL = 0x014E;
// WParam nonzero: show the list, zero: hide it.
constexpr UINT CB_SHOWDROPDOWN = 0x014F;
constexpr UINT CB_GETDROPPEDSTATE = 0x0157;
// LParam: a COMBOBOXINFO to fill; result TRUE.
constexpr UINT CB_GETCOMBOBOXINFO = 0x0164;
constexpr LRESULT CB_ERR = -1;

// List box messages.
constexpr UINT LB_SETCURSEL = 0x0186;
constexpr UINT LB_GETCURSEL = 0x0188;
constexpr UINT LB_GETCOUNT = 0x018B;
constexpr UINT LB_GETTOPINDEX = 0x018E;
constexpr UINT LB_SETTOPINDEX = 0x0197;
constexpr LRESULT LB_ERR = -1;

// Where a combo box keeps its parts, in the combo box's client coordinates:
// the text area, the drop-down button, and the windows of the edit (null
// for the pick-only style) and of the list.
struct COMBOBOXINFO
{
    DWORD cbSize = sizeof(COMBOBOXINFO);
    RECT rcItem{};
    RECT rcButton{};
    DWORD stateButton = 0;
    HWND hwndCombo = nullptr;
    HWND hwndItem = nullptr;
    HWND hwndList = nullptr;
};

// Asks a combo box window for its layout (CB_GETCOMBOBOXINFO). FALSE when
// Info is null, has the wrong cbSize, or the window is not a combo box.
inline BOOL GetComboBoxInfo(HWND Combo, COMBOBOXINFO* Info)
{
    return Info && SendMessage(Combo, CB_GETCOMBOBOXINFO, 0, reinterpret_cast<LPARAM>(Info)) != 0;
}
