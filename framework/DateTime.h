#pragma once

#include "framework/FormatSettings.h"

#include <string>
#include <string_view>

// A point in time as a count of days since 1899-12-30 00:00 (local time);
// the fraction is the time of day.
using TDateTime = double;

TDateTime EncodeDateTime(int Year, int Month, int Day, int Hour, int Minute, int Second,
                         int Millisecond = 0);
// The current local time.
TDateTime Now();

// Formats by pattern letters (without case):
//   d dd        day          m mm     month (minutes right after h/hh)
//   yy yyyy     year         h hh     hour    n nn   minute   s ss  second
//   z zzz       milliseconds
//   t           ShortTimeFormat        tt     LongTimeFormat
//   ddddd       ShortDateFormat        c      short date and long time
//   ampm        TimeAMString/TimePMString, and 12-hour hours
//   am/pm a/p   those literal markers, and 12-hour hours
//   :  /        TimeSeparator, DateSeparator
//   'x' "x"     literal text; other characters are copied
std::string FormatDateTime(std::string_view Format, TDateTime Value);
std::string FormatDateTime(std::string_view Format, TDateTime Value,
                           const TFormatSettings& Settings);
