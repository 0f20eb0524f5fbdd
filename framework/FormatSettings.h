#pragma once

#include <string>

// Separators and time formats the conversion functions use. The process
// has one current set, taken from the user's locale on first use; tests
// replace it with SetFormatSettings. Use from the UI thread.
//
// Separators are strings because some locales use multi-byte ones (a narrow
// no-break space as thousands separator).
struct TFormatSettings
{
    std::string DecimalSeparator = ".";
    std::string ThousandSeparator = ",";
    std::string TimeSeparator = ":";
    std::string DateSeparator = "/";
    // Patterns of FormatDateTime: "t" uses ShortTimeFormat, "tt" LongTimeFormat,
    // "ddddd" ShortDateFormat.
    std::string ShortTimeFormat = "hh:nn";
    std::string LongTimeFormat = "hh:nn:ss";
    std::string ShortDateFormat = "yyyy/mm/dd";
    std::string TimeAMString = "AM";
    std::string TimePMString = "PM";

    // The settings of the named locale ("" for the user's, from the
    // environment); those of the "C" locale when it cannot be loaded.
    static TFormatSettings FromLocale(const char* LocaleName = "");
    // Locale-independent: "." and ",", 24-hour "hh:nn".
    static TFormatSettings Invariant() { return {}; }

    // Converts a C time format ("%H:%M:%S", "%I:%M:%S %p", "%r") to the
    // framework's pattern letters. WithSeconds false drops the seconds and
    // the separator before them.
    static std::string TimeFormatFromC(const std::string& CFormat, bool WithSeconds);
    static std::string DateFormatFromC(const std::string& CFormat);
};

const TFormatSettings& FormatSettings();
void SetFormatSettings(const TFormatSettings& Settings);
