#pragma once

#include "platform/gfx/DeviceContext.h"

#include <string>
#include <string_view>

// DrawText format flags (classic values). DT_LEFT and DT_TOP are 0.
enum : unsigned
{
    DT_TOP = 0x0,
    DT_LEFT = 0x0,
    DT_CENTER = 0x1,
    DT_RIGHT = 0x2,
    DT_VCENTER = 0x4,
    DT_BOTTOM = 0x8,
    DT_WORDBREAK = 0x10,
    DT_SINGLELINE = 0x20,
    DT_EXPANDTABS = 0x40,
    DT_NOCLIP = 0x100,
    DT_CALCRECT = 0x400,
    DT_NOPREFIX = 0x800,
    DT_PATH_ELLIPSIS = 0x4000,
    DT_END_ELLIPSIS = 0x8000,
    DT_MODIFYSTRING = 0x10000,
    DT_WORD_ELLIPSIS = 0x40000
};

// Formats UTF-8 Text into Rect (logical coordinates) with the context's
// font, text colour and background mode.
//
// Lines break at CR, LF and CR LF unless DT_SINGLELINE; with DT_WORDBREAK
// (and not DT_SINGLELINE) they also break between words so that each line
// fits the rectangle's width; a single word wider than that stays whole.
// The spaces at a wrap are dropped. With DT_EXPANDTABS a tab moves to the
// next multiple of 8 average character widths; otherwise tabs and other
// control characters take no room. "&" marks the next character to be
// underlined and "&&" stands for "&", unless DT_NOPREFIX. Each line is left
// aligned, or centred (DT_CENTER; odd remainders round toward zero) or right
// aligned (DT_RIGHT) within the rectangle; lines are as high as the font's
// cell. DT_VCENTER and DT_BOTTOM place a DT_SINGLELINE line vertically.
// Drawing is clipped to Rect unless DT_NOCLIP.
//
// A line wider than the rectangle is shortened to fit with "..." in place of
// what is left out: at its end with DT_END_ELLIPSIS or DT_WORD_ELLIPSIS; with
// DT_PATH_ELLIPSIS in the middle, keeping the text from the last "\\" or "/"
// on and shortening what comes before it (a line without one, or whose
// last part alone does not fit, is shortened at its end). What remains of
// the text may be as short as "..." alone.
//
// DT_CALCRECT draws nothing: Rect's right edge becomes Left + the widest
// line and its bottom Top + the text height.
//
// Returns the text height in pixels (with DT_VCENTER or DT_BOTTOM: the
// distance from Rect.Top to the bottom of the drawn line); 0 for empty text.
int DrawText(TDeviceContext& Dc, std::string_view Text, TRect& Rect, unsigned Format);
// The same; with DT_MODIFYSTRING and an ellipsis flag, Text becomes the text
// as displayed when a line was shortened (prefix marks dropped, lines joined
// by CR LF).
int DrawText(TDeviceContext& Dc, std::string& Text, TRect& Rect, unsigned Format);
