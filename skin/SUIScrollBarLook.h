#pragma once

#include "framework/graphics/Bitmap.h"
#include "platform/gfx/Geometry.h"
#include "platform/win/WinTypes.h"
#include "skin/SUIThemes.h"

#include <array>
#include <memory>

class TCanvas;
class TsuiFileTheme;

// Parts of a bar, numbered as the window system's scroll-bar query numbers
// them (its rgstate entries).
enum TsuiScrollPart : int
{
    ssbNone = 0,
    ssbLineUp = 1,
    ssbPageUp = 2,
    ssbThumb = 3,
    ssbPageDown = 4,
    ssbLineDown = 5,
};

// A bar laid out by the window system, in the coordinates the picture is
// drawn in: the bar, the arrow length, the thumb's ends from the bar's
// start (equal: no thumb), and the parts drawn hot and pressed.
struct TsuiScrollBarLayout
{
    TRect Bar;
    bool Vertical = true;
    int Arrow = 0;
    int ThumbStart = 0;
    int ThumbEnd = 0;
    int Hot = ssbNone;
    int Pressed = ssbNone;
    bool Disabled = false;

    TRect PartRect(int Part) const;
    int PartAt(TPoint P) const;
};

// The window system's layout of Window's bar (OBJID_HSCROLL, OBJID_VSCROLL,
// OBJID_CLIENT for a scroll-bar control), moved so that the screen point
// Origin is (0, 0); false when the bar is not shown or cannot be asked.
bool QueryScrollBarLayout(HWND Window, LONG ObjectId, POINT Origin, TsuiScrollBarLayout& Layout);

// The pictures of a skinned scroll bar, from a built-in style (the arrow
// strip of SUI_ITEM_SCROLLBAR_BUTTON_IMAGE: up then down, each normal, hot,
// pressed; the slider of SUI_ITEM_SCROLLBAR_TRACK_IMAGE: leading cap, body,
// trailing cap; the track colour SUI_ITEM_SCROLLBAR_COLOR) or a file theme
// (its up and down button strips, slider and colour), and the painting of
// one bar: the track in its colour (darker under a pressed page part),
// each arrow's frame for its state stretched over the arrow (turned a
// quarter for a horizontal bar), the slider stretched nine-piece over the
// thumb. A disabled bar shows normal arrows and no thumb; a picture the
// theme lacks is left out.
class TsuiScrollBarLook
{
  public:
    TsuiScrollBarLook();
    ~TsuiScrollBarLook();

    // FileTheme is used when UsingFileTheme picks it.
    void Load(TsuiUIStyle UIStyle, TsuiFileTheme* FileTheme);
    TColor TrackColor() const { return FTrack; }
    // Composes the bar off-screen and draws it onto Canvas in one block.
    void Paint(TCanvas* Canvas, const TsuiScrollBarLayout& Layout) const;

  private:
    // [first arrow, second arrow][normal, hot, pressed], for a vertical bar
    // and for a horizontal one.
    std::array<std::array<std::unique_ptr<TBitmap>, 3>, 2> FVertical;
    std::array<std::array<std::unique_ptr<TBitmap>, 3>, 2> FHorizontal;
    std::unique_ptr<TBitmap> FSlider;  // caps left and right
    std::unique_ptr<TBitmap> FSliderV; // caps at the top and bottom
    TColor FTrack = clBtnFace;
};
