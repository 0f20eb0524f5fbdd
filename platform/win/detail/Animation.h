#pragma once

#include "platform/gfx/Surface.h"

#include <optional>

struct TWindow;

// The picture the desktop shows of a window sliding in or out (its back
// buffer, moved); nothing when it shows the back buffer as it is.
std::optional<TSurface> AnimatedPicture(const TWindow& Window);
