#pragma once

#include "platform/gfx/Geometry.h"
#include "platform/win/WinTypes.h"

struct WINDOWPOS;

// The skinned form's frame as one value: what it follows, and the sizes
// the non-client area, the painted pieces and the window region take from
// it. Pure functions of their input, so they can be checked without a
// window.

// A window's outer size and its non-client frame's thickness on each side.
struct TsuiWindowFrame
{
    int Width = 0, Height = 0;
    int Left = 0, Top = 0, Right = 0, Bottom = 0;

    friend bool operator==(const TsuiWindowFrame&, const TsuiWindowFrame&) = default;
};

struct TsuiFrameInput
{
    // The frame as the window has it now.
    TsuiWindowFrame Window;
    // The owner's own frame when it was taken over, held to 0..12.
    int TakenLeft = 3, TakenBottom = 3;
    // The skin's border pictures' widths and height (0 without them).
    int SkinLeft = 0, SkinRight = 0, SkinBottom = 0;
    // A file theme paints the frame from the skin's pictures.
    bool Skinned = false;
    // The built-in styles' border line.
    int BorderWidth = 1;
    int BarHeight = 0;
    bool BarVisible = false;
    int MenuHeight = 0;

    friend bool operator==(const TsuiFrameInput&, const TsuiFrameInput&) = default;
};

struct TsuiFrameGeometry
{
    TsuiFrameInput In;
    // The thickness painted on each side: the window's own frame, in a
    // skin at least the skin's borders and 4.
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
    // The first row below the title (0 without one), and the rows beside
    // the menu bar.
    int TitleBottom = 0;
    int MenuTop = 0, MenuBottom = 0;
    // The frame width the title bar is told.
    int FrameWidth = 0;
    // The owner is never lower than the bars and the frame.
    int MinHeight = 0;
};

TsuiFrameGeometry FrameGeometry(const TsuiFrameInput& In);

// The client rectangle of a window placed at Pos: the caption taken away
// and the frame as wide as the skin's borders, at least 4.
RECT SkinnedClientRect(const TsuiFrameInput& In, const WINDOWPOS& Pos);

// A frame thickness measured from a window, 4 when it cannot be right.
int SaneFrameThickness(int Value);
