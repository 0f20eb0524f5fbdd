#pragma once

#include "framework/FormatSettings.h"

#include <string>
#include <string_view>

// Formats Value by a number pattern:
//   0   a digit, always shown (leading/trailing zeros fill)
//   #   a digit, shown only when significant
//   .   the place of the decimal separator (shown only when decimals follow)
//   ,   anywhere before the point: group thousands with ThousandSeparator
//   'x' "x"  literal text; any other character is copied as it is
//   ;   separates sections: positive;negative;zero. Without a negative
//       section a minus sign precedes negative values.
// An empty pattern gives FloatToStr(Value). Exponent forms are not
// supported ("E" is copied as text).
//
// Rounding is half away from zero on the decimal value: the double is first
// taken to 15 significant digits (every decimal of up to 15 digits survives
// the trip through a double, so this recovers the number that was meant:
// 1.005 rounds to 1.01, 0.1 + 0.2 formats as 0.30), except integers up to
// 2^53, which are taken exactly. A result that rounds to zero has no minus
// sign. NaN and infinities give "NAN", "INF" and "-INF".
std::string FormatFloat(std::string_view Format, double Value);
std::string FormatFloat(std::string_view Format, double Value, const TFormatSettings& Settings);

// Shortest general form with up to 15 significant digits and the locale's
// decimal separator; exponent form ("1.5E+20") outside 1e-5 .. 1e15.
std::string FloatToStr(double Value);
std::string FloatToStr(double Value, const TFormatSettings& Settings);
