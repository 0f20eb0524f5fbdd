#pragma once

#include "framework/FormatSettings.h"

#include <cstdint>
#include <string>
#include <string_view>

// Reads a decimal number written with the locale's decimal separator:
// optional spaces, an optional sign, digits, optionally the separator and
// more digits, optionally an exponent ("E" or "e", an optional sign,
// digits), optional spaces. At least the separator or one digit must be
// there, so "5.", ".5" and a lone separator (0) are numbers; thousands
// separators are not accepted. Values beyond the range of a double are
// refused; values too small for it read as 0.
bool TryStrToFloat(std::string_view S, double& Value);
bool TryStrToFloat(std::string_view S, double& Value, const TFormatSettings& Settings);
// As TryStrToFloat; throws EConvertError "'S' is not a valid floating point
// value" when S is not a number.
double StrToFloat(std::string_view S);
double StrToFloat(std::string_view S, const TFormatSettings& Settings);

std::string IntToStr(int64_t Value);
// Optional spaces, an optional sign, then decimal digits or "$" and
// hexadecimal digits. StrToInt throws EConvertError "'S' is not a valid
// integer value" for anything else or a value outside 32 bits.
bool TryStrToInt(std::string_view S, int& Value);
bool TryStrToInt64(std::string_view S, int64_t& Value);
int StrToInt(std::string_view S);
int64_t StrToInt64(std::string_view S);
