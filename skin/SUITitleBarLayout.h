#pragma once

#include "platform/gfx/Geometry.h"
#include "skin/SUITitleBarItems.h"

#include <vector>

// Where a title bar's pieces lie, computed from sizes alone so that
// painting, hit tests and the frame around the bar agree, and so that the
// layout can be checked without drawing anything.

// A button as the layout sees it: its normal picture's size.
struct TsuiTitleButtonSpec
{
    TsuiTitleBarBtnType Type = suiCustom;
    bool Drawable = true; // visible, with all three pictures
    int Width = 0, Height = 0;
};

// A section as the layout sees it: its picture's size.
struct TsuiTitleSectionSpec
{
    TsuiTitleBarAlign Align = suiLeft;
    bool CapSec = false; // stretched to hold the caption
    int Width = 0, Height = 0;
};

struct TsuiTitleBarMetrics
{
    int Width = 0, Height = 0; // the bar
    // The containing form's answer to the frame-width question (0: none).
    int FrameWidth = 0;
    // The bar lies in a skinned form: the pictures continue into its frame.
    bool InForm = false;
    int LeftOffset = 0, RightOffset = 0, ButtonInterval = 0;
    int ButtonTop = 0, IconTop = 0, CaptionTop = 0;
    bool DrawAppIcon = true;
    // The width of the caption a caption section holds, as measured.
    int SectionCaptionWidth = 0;
    std::vector<TsuiTitleButtonSpec> Buttons;
    std::vector<TsuiTitleSectionSpec> Sections;
};

struct TsuiTitleBarLayout
{
    // Where the title picture's top-left corner lies in the bar; inside a
    // skinned form it starts in the frame, above and left of the bar.
    TPoint Shift;
    // The title picture's size: the bar and the frame beside and above it.
    TSize Title;
    // Per section, in title-picture coordinates. The client section fills
    // what the others leave; when they overlap it runs backwards.
    std::vector<TRect> Sections;
    int ClientSection = -1;
    bool CaptionInSection = false;
    // Per button, where it is drawn and hit (far edges included); empty for
    // a button not drawn.
    std::vector<TRect> Buttons;
    int ControlBox = -1;
    // Where the control box's picture, or the application's icon, is drawn.
    TPoint ControlBoxAt;
    // The caption runs from CaptionLeft to CaptionRight at CaptionTop.
    int CaptionLeft = 0, CaptionRight = 0, CaptionTop = 0;
};

TsuiTitleBarLayout LayOutTitleBar(const TsuiTitleBarMetrics& Metrics);

// The button under Point (bar coordinates), -1 for none. The control box
// wins over the others; of two overlapping others, the later one.
int TitleButtonAt(const TsuiTitleBarLayout& Layout, TPoint Point);

// The caption's rectangle down to Bottom: left aligned from CaptionLeft,
// or, right to left, ending 10 pixels before CaptionRight.
TRect TitleCaptionRect(const TsuiTitleBarLayout& Layout, int Bottom, bool RightToLeft);
