#pragma once

#include <string>
#include <string_view>

// Separators and time formats the conversion functions use. The process
// has one current set, taken from the user's locale on first use; tests
// replace it with SetFormatSettings. Use from the UI thread.
//
// The decimal separator is one character: the key it is typed with, which
// number edits compare typed characters against. The thousands separator is
// a string because some locales use a multi-byte one (a narrow no-break
// space).
struct TFormatSettings
{
    char DecimalSeparator = '.';
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
    // The separators a locale reports, made usable: a decimal separator
    // that is not one ASCII punctuation character (empty, or several bytes
    // no key types) becomes "."; a thousands separator that is empty or
    // equal to the decimal one becomes the other of "." and ",".
    static TFormatSettings FromSeparators(std::string_view Radix, std::string_view Thousands);
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
