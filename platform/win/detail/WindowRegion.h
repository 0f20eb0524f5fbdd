#pragma once

#include "detail/Window.h"

// Whether the window's region (if it has one) holds a screen point.
bool WindowRegionContains(const TWindow& Window, POINT Screen);
