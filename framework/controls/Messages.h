#pragma once

#include "platform/win/WinTypes.h"

// Framework notifications between controls, numbered from CM_BASE, and the
// message record handlers receive.

struct TMessage
{
    UINT Msg = 0;
    WPARAM WParam = 0;
    LPARAM LParam = 0;
    LRESULT Result = 0;
};

constexpr UINT CM_BASE = 0xB000;
constexpr UINT CM_ACTIVATE = CM_BASE + 0;
constexpr UINT CM_DEACTIVATE = CM_BASE + 1;
constexpr UINT CM_GOTFOCUS = CM_BASE + 2;
constexpr UINT CM_LOSTFOCUS = CM_BASE + 3;
// Sent to a control whose window got WM_CANCELMODE (disabled, or a modal
// window takes over) and to the control holding the mouse: drop any press
// in progress. LParam: the control.
constexpr UINT CM_CANCELMODE = CM_BASE + 4;
// WParam: virtual key, LParam: the key message's LParam. Result 1: handled.
constexpr UINT CM_DIALOGKEY = CM_BASE + 5;
// WParam: character. Result 1: an accelerator took it.
constexpr UINT CM_DIALOGCHAR = CM_BASE + 6;
// LParam: the control that got the focus. The form passes it on to every
// control it holds.
constexpr UINT CM_FOCUSCHANGED = CM_BASE + 7;
constexpr UINT CM_PARENTFONTCHANGED = CM_BASE + 8;
constexpr UINT CM_PARENTCOLORCHANGED = CM_BASE + 9;
constexpr UINT CM_HITTEST = CM_BASE + 10;
constexpr UINT CM_VISIBLECHANGED = CM_BASE + 11;
constexpr UINT CM_ENABLEDCHANGED = CM_BASE + 12;
constexpr UINT CM_COLORCHANGED = CM_BASE + 13;
constexpr UINT CM_FONTCHANGED = CM_BASE + 14;
constexpr UINT CM_CURSORCHANGED = CM_BASE + 15;
constexpr UINT CM_TEXTCHANGED = CM_BASE + 18;
constexpr UINT CM_MOUSEENTER = CM_BASE + 19;
constexpr UINT CM_MOUSELEAVE = CM_BASE + 20;
constexpr UINT CM_SHOWHINTCHANGED = CM_BASE + 21;
constexpr UINT CM_PARENTSHOWHINTCHANGED = CM_BASE + 22;
constexpr UINT CM_BUTTONPRESSED = CM_BASE + 24;
constexpr UINT CM_SHOWINGCHANGED = CM_BASE + 25;
constexpr UINT CM_ENTER = CM_BASE + 26;
constexpr UINT CM_EXIT = CM_BASE + 27;
constexpr UINT CM_ICONCHANGED = CM_BASE + 29;
constexpr UINT CM_RELEASE = CM_BASE + 33;
constexpr UINT CM_TABSTOPCHANGED = CM_BASE + 40;
constexpr UINT CM_CONTROLLISTCHANGE = CM_BASE + 44;
constexpr UINT CM_CHILDKEY = CM_BASE + 46;
// Sent to a control before its hint shows; LParam: THintInfo* the control
// may change. Result 1: no hint.
constexpr UINT CM_HINTSHOW = CM_BASE + 48;
constexpr UINT CM_RECREATEWND = CM_BASE + 51;
constexpr UINT CM_INVALIDATE = CM_BASE + 52;
constexpr UINT CM_CONTROLCHANGE = CM_BASE + 54;
constexpr UINT CM_FLOAT = CM_BASE + 58;
constexpr UINT CM_BORDERCHANGED = CM_BASE + 59;
constexpr UINT CM_BIDIMODECHANGED = CM_BASE + 60;
constexpr UINT CM_PARENTBIDIMODECHANGED = CM_BASE + 61;

// Notifications a child control's window sends its parent, handed back to
// the control: CN_BASE + the window message.
constexpr UINT CN_BASE = 0xBC00;
constexpr UINT CN_HSCROLL = CN_BASE + 0x0114;
constexpr UINT CN_VSCROLL = CN_BASE + 0x0115;

// WM_GETDLGCODE answers: what keys a control keeps for itself instead of
// letting the form use them for navigation.
constexpr LRESULT DLGC_WANTARROWS = 0x0001;
constexpr LRESULT DLGC_WANTTAB = 0x0002;
constexpr LRESULT DLGC_WANTALLKEYS = 0x0004;
constexpr LRESULT DLGC_WANTCHARS = 0x0080;
constexpr LRESULT DLGC_BUTTON = 0x2000;
