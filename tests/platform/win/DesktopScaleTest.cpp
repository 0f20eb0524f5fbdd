#include "platform/win/sdl/DesktopScale.h"

#include <gtest/gtest.h>

namespace
{
TEST(DesktopScaleTest, ComesFromTheScaleVariableElseTheResourceDpi)
{
    struct TCase
    {
        const char* GdkScale;
        const char* Resources;
        int Scale;
    };
    const TCase Cases[] = {
        {nullptr, "", 1},
        {nullptr, "Xft.dpi:\t96\n", 1},
        {nullptr, "Xft.dpi:\t143.9\n", 1},
        {nullptr, "Xft.dpi:\t144\n", 2},
        {nullptr, "Xft.antialias:\t1\nXft.dpi:\t192\nXft.hinting:\t1\n", 2},
        {nullptr, "  Xft.dpi : 288", 2},
        {nullptr, "Xft.dpi:\t192\nXft.dpi:\t96\n", 1}, // the last one counts
        {nullptr, "Xft.dpix:\t192\nMyXft.dpi:\t192\nXft.dpi:\tbig\n", 1},
        {"1", "Xft.dpi:\t192\n", 1},
        {"2", "", 2},
        {"3", "", 3},
        {"7", "", 3},
        // Not a whole positive number: as if unset.
        {"", "Xft.dpi:\t192\n", 2},
        {"0", "", 1},
        {"-2", "", 1},
        {"2x", "", 1},
        {"1.5", "Xft.dpi:\t144\n", 2},
        {"99999999999999999999", "", 1},
    };
    for (const TCase& C : Cases)
        EXPECT_EQ(DesktopScale(C.GdkScale, C.Resources), C.Scale)
            << (C.GdkScale ? C.GdkScale : "(unset)") << " / " << C.Resources;
}
} // namespace
