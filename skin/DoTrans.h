#pragma once

class TCanvas;
class TWinControl;

// Paints what Control's parent shows under Control into Canvas, at the
// canvas origin: the parent's background (WM_ERASEBKGND) and picture
// (WM_PAINT, with its graphic children) are sent straight to the parent
// with the canvas's context, its origin moved by the control's position and
// its drawing clipped to the parent's client area. The context's state is
// restored afterwards. Does nothing without a parent or a context.
void DoTrans(TCanvas* Canvas, TWinControl* Control);
