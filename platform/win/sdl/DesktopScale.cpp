#include "platform/win/sdl/DesktopScale.h"

#include <charconv>
#include <cstring>
#include <sstream>

namespace
{
constexpr int LargestScale = 3;

// The number of "Xft.dpi: N" in the database, 0 when it has none.
double ResourceDpi(const std::string& Resources)
{
    std::istringstream Lines(Resources);
    std::string Line;
    double Dpi = 0;
    while (std::getline(Lines, Line))
    {
        const size_t Start = Line.find_first_not_of(" \t");
        if (Start == std::string::npos || Line.compare(Start, 7, "Xft.dpi") != 0) continue;
        const size_t Colon = Line.find_first_not_of(" \t", Start + 7);
        if (Colon == std::string::npos || Line[Colon] != ':') continue;
        const size_t Value = Line.find_first_not_of(" \t", Colon + 1);
        if (Value == std::string::npos) continue;
        double Read = 0;
        const char* End = Line.data() + Line.size();
        // A later line overrides an earlier one, as in the database.
        if (std::from_chars(Line.data() + Value, End, Read).ec == std::errc()) Dpi = Read;
    }
    return Dpi;
}
} // namespace

int DesktopScale(const char* GdkScale, const std::string& Resources)
{
    if (GdkScale && *GdkScale)
    {
        int Scale = 0;
        const char* End = GdkScale + std::strlen(GdkScale);
        const auto [Stop, Error] = std::from_chars(GdkScale, End, Scale);
        if (Error == std::errc() && Stop == End && Scale >= 1)
            return Scale > LargestScale ? LargestScale : Scale;
    }
    return ResourceDpi(Resources) >= 144 ? 2 : 1;
}
