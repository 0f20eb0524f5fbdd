#pragma once

// System metrics, parameters and colours of the window system.

#include "platform/gfx/FontDesc.h"
#include "platform/win/WinTypes.h"

constexpr int SM_CXSCREEN = 0;
constexpr int SM_CYSCREEN = 1;
constexpr int SM_CXVSCROLL = 2;
constexpr int SM_CYHSCROLL = 3;
constexpr int SM_CYCAPTION = 4;
constexpr int SM_CXBORDER = 5;
constexpr int SM_CYBORDER = 6;
constexpr int SM_CXDLGFRAME = 7;
constexpr int SM_CYDLGFRAME = 8;
constexpr int SM_CXFIXEDFRAME = SM_CXDLGFRAME;
constexpr int SM_CYFIXEDFRAME = SM_CYDLGFRAME;
constexpr int SM_CYVTHUMB = 9;
constexpr int SM_CXHTHUMB = 10;
constexpr int SM_CXICON = 11;
constexpr int SM_CYICON = 12;
constexpr int SM_CXCURSOR = 13;
constexpr int SM_CYCURSOR = 14;
constexpr int SM_CYMENU = 15;
constexpr int SM_CXFULLSCREEN = 16;
constexpr int SM_CYFULLSCREEN = 17;
constexpr int SM_CYVSCROLL = 20;
constexpr int SM_CXHSCROLL = 21;
constexpr int SM_SWAPBUTTON = 23;
constexpr int SM_CXMIN = 28;
constexpr int SM_CYMIN = 29;
constexpr int SM_CXSIZE = 30;
constexpr int SM_CYSIZE = 31;
constexpr int SM_CXFRAME = 32;
constexpr int SM_CYFRAME = 33;
constexpr int SM_CXSIZEFRAME = SM_CXFRAME;
constexpr int SM_CYSIZEFRAME = SM_CYFRAME;
constexpr int SM_CXMINTRACK = 34;
constexpr int SM_CYMINTRACK = 35;
constexpr int SM_CXDOUBLECLK = 36;
constexpr int SM_CYDOUBLECLK = 37;
constexpr int SM_CMOUSEBUTTONS = 43;
constexpr int SM_CXEDGE = 45;
constexpr int SM_CYEDGE = 46;
constexpr int SM_CXSMICON = 49;
constexpr int SM_CYSMICON = 50;
constexpr int SM_CYSMCAPTION = 51;
constexpr int SM_CXSMSIZE = 52;
constexpr int SM_CYSMSIZE = 53;
constexpr int SM_CXMINIMIZED = 57;
constexpr int SM_CYMINIMIZED = 58;
constexpr int SM_CXMAXTRACK = 59;
constexpr int SM_CYMAXTRACK = 60;
constexpr int SM_CXMAXIMIZED = 61;
constexpr int SM_CYMAXIMIZED = 62;
constexpr int SM_CXDRAG = 68;
constexpr int SM_CYDRAG = 69;
constexpr int SM_MOUSEWHEELPRESENT = 75;
constexpr int SM_CXVIRTUALSCREEN = 78;
constexpr int SM_CYVIRTUALSCREEN = 79;
constexpr int SM_CMONITORS = 80;

constexpr UINT SPI_GETNONCLIENTMETRICS = 0x0029;
constexpr UINT SPI_GETWORKAREA = 0x0030;
constexpr UINT SPI_GETWHEELSCROLLLINES = 0x0068;
constexpr UINT SPI_GETMOUSEHOVERWIDTH = 0x0062;
constexpr UINT SPI_GETMOUSEHOVERHEIGHT = 0x0064;
constexpr UINT SPI_GETMOUSEHOVERTIME = 0x0066;

// The classic metric of Index; 0 for an unknown index.
int GetSystemMetrics(int Index);
// The sizes and fonts of window frames, captions and menus
// (SPI_GETNONCLIENTMETRICS); fonts as the descriptions to select. The
// values are those the default frame and menus draw with.
struct NONCLIENTMETRICS
{
    UINT cbSize = sizeof(NONCLIENTMETRICS);
    int iBorderWidth = 1;
    int iScrollWidth = 16;
    int iScrollHeight = 16;
    int iCaptionWidth = 18;
    int iCaptionHeight = 18;
    TFontDesc lfCaptionFont{"Tahoma", -11, true};
    int iSmCaptionWidth = 12;
    int iSmCaptionHeight = 14;
    TFontDesc lfSmCaptionFont{"Tahoma", -11, true};
    int iMenuWidth = 18;
    int iMenuHeight = 18;
    TFontDesc lfMenuFont{"MS Sans Serif", -11};
    TFontDesc lfStatusFont{"MS Sans Serif", -11};
    TFontDesc lfMessageFont{"MS Sans Serif", -11};
};

// SPI_GETWORKAREA fills a RECT at Param (the primary display's work area);
// SPI_GETNONCLIENTMETRICS a NONCLIENTMETRICS whose cbSize is set; SPI_GETWHEELSCROLLLINES and the
// SPI_GETMOUSEHOVER* values a UINT.
// FALSE for other actions or a null Param.
BOOL SystemParametersInfo(UINT Action, UINT UiParam, void* Param, UINT WinIni);
UINT GetDoubleClickTime();
