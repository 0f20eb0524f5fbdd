#pragma once

#include "framework/menus/MenuItem.h"
#include "platform/gfx/Color.h"
#include "platform/gfx/Geometry.h"
#include "platform/win/WinTypes.h"

class TCanvas;
class TFont;
class TImageList;

// Drawing primitives of the skinned menus.

// Gives Item and all its sub-items, recursively, the two handlers.
void Menu_SetItemEvent(TMenuItem* Item, const TMenuMeasureItemEvent& Measure,
                       const TMenuDrawItemEvent& Draw);
// Fills Rect with Color.
void Menu_DrawBackGround(TCanvas* Canvas, const TRect& Rect, TColor Color);
// A one-pixel frame along the edge of Rect.
void Menu_DrawBorder(TCanvas* Canvas, const TRect& Rect, TColor Color);
// A separator: a one-pixel line at Top + 2 from Left + BarWidth + 4 to
// Right - 2 (left to right), or from Left + 2 to Right - BarWidth - 4.
void Menu_DrawLineItem(TCanvas* Canvas, const TRect& Rect, TColor Color, bool LeftToRight,
                       int BarWidth);
// The MacOS pictures stretched over Rect: the selected item
// ("MACOS_MENU_SELECT"), an item ("MACOS_MENU_BAR"), both cut to 20 rows,
// and a separator ("MACOS_MENU_BAR" cut to 12 rows).
void Menu_DrawMacOSSelectedItem(TCanvas* Canvas, const TRect& Rect);
void Menu_DrawMacOSNonSelectedItem(TCanvas* Canvas, const TRect& Rect);
void Menu_DrawMacOSLineItem(TCanvas* Canvas, const TRect& Rect);
// Redraws the border of the menu window Window flat, on the screen: a
// FrameColor frame one pixel below its top, a white one inside it and an
// EdgeColor line along the bottom, the right edge and the top. Nothing for a
// null or unknown window.
void Menu_DrawWindowBorder(HWND Window, TColor FrameColor, TColor EdgeColor);
// Font becomes the system's menu font in the system's menu-text colour;
// unchanged when the system cannot say.
void Menu_GetSystemFont(TFont* Font);
// The check mark of checked items: one 16 x 16 image, made on first use and
// kept for the whole process.
const TImageList& Menu_CheckMarkImages();
