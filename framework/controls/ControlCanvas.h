#pragma once

#include "framework/graphics/Canvas.h"
#include "platform/win/WinTypes.h"

class TControl;

// A canvas over a control's window for drawing outside Paint: after the
// framework's own paint, on erase, in a non-client paint. Made for one
// drawing pass and released when it goes (RAII); drawing lands on the
// window's picture as a paint would, clipped like a paint context but not
// to an update region. The canvas starts with the control's font and its
// colour as the brush colour.
//
// A windowed control draws over its client area, or with WholeWindow over
// its whole window, frame included (origin at the window's top-left
// corner). A graphic control draws over its rectangle of its parent's
// client area, origin at its own top-left corner. A control without a
// window (none of its own, or no parent window for a graphic control)
// gives a canvas without a context, on which drawing does nothing.
class TControlCanvas : public TCanvas
{
  public:
    explicit TControlCanvas(TControl* Control, bool WholeWindow = false);
    ~TControlCanvas() override;
    TControlCanvas(const TControlCanvas&) = delete;
    TControlCanvas& operator=(const TControlCanvas&) = delete;

    TControl* Control() const { return FControl; }

  private:
    TControl* FControl;
    HWND FWindow = nullptr; // the window the context came from
};
