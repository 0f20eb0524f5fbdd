#pragma once

#include "platform/gfx/Geometry.h"

class TCanvas;

enum TCheckBoxState
{
    cbUnchecked,
    cbChecked,
    cbGrayed
};

// The plain sunken check box in Box (13 pixels square): a white well
// with a tick, a grey well with a grey tick when grayed; Usable false draws
// the disabled look.
void DrawCheckMark(TCanvas* Canvas, const TRect& Box, TCheckBoxState State, bool Usable);
// The plain sunken radio circle in Box, with its dot when Checked.
void DrawRadioMark(TCanvas* Canvas, const TRect& Box, bool Checked, bool Usable);
