#pragma once

#include <string>

// The factor a screen's pictures are enlarged by, from what the desktop
// says of itself: GdkScale (the GDK_SCALE variable, null when unset) when it
// is a whole number of 1 or more (past 3: 3, the largest offered), else 2
// when Resources (the display's resource database as text) sets Xft.dpi to
// 144 or more, else 1.
int DesktopScale(const char* GdkScale, const std::string& Resources);
