#pragma once

#include "platform/gfx/Surface.h"

// Integer enlargement for screens with more pixels per inch than the 96 the
// pictures are drawn for: every pixel becomes a Factor x Factor block
// (nearest neighbour), so 1-pixel lines stay crisp and colours stay exact.

// Writes Source enlarged by Factor (1 or more) into Target from its top-left
// corner; what does not fit into Target is left out, what Source does not
// cover is left as it was.
void EnlargeInto(const TSurface& Source, int Factor, TSurface& Target);

// Source enlarged by Factor (1 or more) as a new surface; empty when the
// result would pass TSurface::MaxDimension.
TSurface Enlarged(const TSurface& Source, int Factor);
