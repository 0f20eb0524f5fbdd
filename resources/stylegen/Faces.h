#pragma once

#include "resources/stylegen/Art.h"
#include "resources/stylegen/Styles.h"

// The small button face each style gives scroll-bar arrows, sliders, scroll
// buttons and the like, in three states.
enum TFaceState
{
    fsNormal,
    fsHot,
    fsPressed
};

void SmallFace(TArt& A, TStyle Style, const TRect& R, TFaceState State);
// The colour of arrows and marks on SmallFace in State.
TColor FaceInk(TStyle Style, TFaceState State);
