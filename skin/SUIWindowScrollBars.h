#pragma once

#include "skin/SUIScrollBarLook.h"

#include <functional>
#include <memory>

class TMessage;
class TWinControl;

// Skinned standard scroll bars of one control: while it lives it stands in
// front of the control's WindowProc and, after every non-client paint,
// paints the window's scroll bars (laid out, hit-tested and run by the
// window system) with the look's pictures and the size box in the track
// colour. The arrow under the pointer shows its hot frame. It gives the control its WindowProc back
// when it goes (also from inside a message the control is handling), so it must not outlive the
// control, nor live alongside another object that replaces the same
// WindowProc later.
class TsuiWindowScrollBars
{
  public:
    explicit TsuiWindowScrollBars(TWinControl* Control);
    ~TsuiWindowScrollBars();
    TsuiWindowScrollBars(const TsuiWindowScrollBars&) = delete;
    TsuiWindowScrollBars& operator=(const TsuiWindowScrollBars&) = delete;

    // Takes the pictures of a style or file theme and repaints the frame.
    void Load(TsuiUIStyle UIStyle, TsuiFileTheme* FileTheme);
    // Paints the bars now (a no-op without a window).
    void Paint();

    // The bar (OBJID_VSCROLL, OBJID_HSCROLL; 0 for none) and the arrow
    // drawn hot.
    LONG HotBar() const { return FHotBar; }
    int HotPart() const { return FHotPart; }

  private:
    void Follow(const TMessage& Message);
    void SetHot(LONG Bar, int Part);

    TWinControl* FControl;
    LONG FHotBar = 0;
    int FHotPart = ssbNone;
    // Cleared when this object goes, for a message that is being handled.
    std::shared_ptr<bool> FAlive = std::make_shared<bool>(true);
    std::function<void(TMessage&)> FPrevious;
    TsuiScrollBarLook FLook;
};
