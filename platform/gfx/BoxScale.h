#pragma once

#include "platform/gfx/Surface.h"

// Shrinks the Source rectangle of Src (inside Src) to Width x Height by area
// averaging: every destination pixel is the coverage-weighted mean of the
// source pixels under it. Mirrors along an axis when its flag is set.
// Internal to platform/gfx; callers make sure neither side grows. Returns an
// empty surface for empty input.
TSurface BoxShrink(const TSurface& Src, const TRect& Source, int Width, int Height, bool FlipX,
                   bool FlipY);
