#pragma once

#include "platform/gfx/Color.h"
#include "platform/win/WinTypes.h"

#include <functional>
#include <string>

// The demo's window: a dialog-framed top-level window whose client area is
// tiled with painted child panels. Clicking a panel calls OnClick with its
// name ("A", "B", ...); Escape closes the window; closing it ends the loop.
struct TDemoOptions
{
    int X = 100;
    int Y = 80;
    int Width = 393;
    int Height = 322;
    int Panels = 4;
    // Corner size of a rounded window region; 0 for a plain rectangle.
    int Round = 0;
    std::function<void(const std::string&)> OnClick;
};

// Creates and shows the window; null when that fails.
HWND CreateDemoWindow(const TDemoOptions& Options);
// Panel colours in order, repeating.
TColor DemoPanelColor(int Index);
