#pragma once

#include "resources/stylegen/Art.h"

#include <functional>

// One 19 x 19 title-bar button of the Protein look: Kind 0..5 (control box,
// help, maximize, restore, minimize, close), State 0..2 (normal, under the
// pointer, pressed), over a title whose row Y has the colour Title(Y); the
// button covers rows 2 to 20. Around the button lies the key colour.
TArt ProteinTitleButton(int Kind, int State, const std::function<TColor(int Y)>& Title);
