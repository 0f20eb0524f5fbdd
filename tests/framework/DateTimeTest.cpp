#include "framework/DateTime.h"

#include <gtest/gtest.h>

namespace
{
TEST(FormatDateTime, PatternLetters)
{
    TFormatSettings S;
    S.ShortTimeFormat = "hh:nn";
    S.LongTimeFormat = "hh:nn:ss";
    S.ShortDateFormat = "dd/mm/yyyy";
    S.TimeSeparator = ".";
    S.DateSeparator = "-";
    const TDateTime T = EncodeDateTime(2026, 3, 7, 14, 5, 9, 42);
    const struct
    {
        const char* Format;
        const char* Expected;
    } Cases[] = {
        {"t", "14.05"},
        {"tt", "14.05.09"},
        {"ddddd", "07-03-2026"},
        {"c", "07-03-2026 14.05.09"},
        {"yyyy-mm-dd hh:nn:ss.zzz", "2026-03-07 14.05.09.042"},
        {"d/m/yy", "7-3-26"},
        {"h:mm", "14.05"}, // m right after an hour is minutes
        {"h:nn ampm", "2.05 PM"},
        {"hh am/pm", "02 pm"},
        {"'hour' h", "hour 14"},
    };
    for (const auto& C : Cases)
        EXPECT_EQ(FormatDateTime(C.Format, T, S), C.Expected) << C.Format;
    EXPECT_EQ(FormatDateTime("h ampm", EncodeDateTime(2026, 1, 1, 0, 30, 0), S), "12 AM");
}

TEST(FormatDateTime, EpochAndDayFraction)
{
    EXPECT_DOUBLE_EQ(EncodeDateTime(1899, 12, 30, 0, 0, 0), 0.0);
    EXPECT_DOUBLE_EQ(EncodeDateTime(1900, 1, 1, 12, 0, 0), 2.5);
    EXPECT_DOUBLE_EQ(EncodeDateTime(1970, 1, 1, 0, 0, 0), 25569.0);
    EXPECT_EQ(FormatDateTime("yyyy-mm-dd", EncodeDateTime(2024, 2, 29, 0, 0, 0), TFormatSettings{}),
              "2024-02-29");
}

TEST(FormatSettings, TimeFormatsFromCLocaleConventions)
{
    const struct
    {
        const char* C;
        const char* Short;
        const char* Long;
    } Cases[] = {
        {"%H:%M:%S", "hh:nn", "hh:nn:ss"},
        {"%T", "hh:nn", "hh:nn:ss"},
        {"%r", "hh:nn AMPM", "hh:nn:ss AMPM"},
        {"%I:%M:%S %p", "hh:nn AMPM", "hh:nn:ss AMPM"},
        {"%Hh%M", "hh\"h\"nn", "hh\"h\"nn"},
        {"%H\u6642%M\u5206%S\u79d2", "hh\u6642nn\u5206", "hh\u6642nn\u5206ss\u79d2"},
    };
    for (const auto& C : Cases)
    {
        EXPECT_EQ(TFormatSettings::TimeFormatFromC(C.C, false), C.Short) << C.C;
        EXPECT_EQ(TFormatSettings::TimeFormatFromC(C.C, true), C.Long) << C.C;
    }
    EXPECT_EQ(TFormatSettings::DateFormatFromC("%d.%m.%Y"), "dd.mm.yyyy");
}

TEST(FormatSettings, SeparatorsAreMadeTypable)
{
    struct
    {
        const char* Radix;
        const char* Thousands;
        char Decimal;
        const char* Thousand;
    } const Cases[] = {
        {".", ",", '.', ","},
        {",", ".", ',', "."},
        {",", "\u202f", ',', "\u202f"},      // a narrow no-break space groups as it is
        {",", "", ',', "."},                 // no grouping: the other separator
        {".", ".", '.', ","},                // never the same as the decimal one
        {"\u066b", "\u066c", '.', "\u066c"}, // no single key types it
        {"", "", '.', ","},
        {"5", "", '.', ","},
    };
    for (const auto& C : Cases)
    {
        const TFormatSettings S = TFormatSettings::FromSeparators(C.Radix, C.Thousands);
        EXPECT_EQ(S.DecimalSeparator, C.Decimal) << C.Radix;
        EXPECT_EQ(S.ThousandSeparator, C.Thousand) << C.Radix;
    }
}

TEST(FormatSettings, CLocaleAndUnknownLocale)
{
    const TFormatSettings C = TFormatSettings::FromLocale("C");
    EXPECT_EQ(C.DecimalSeparator, '.');
    EXPECT_EQ(C.ThousandSeparator, ",");
    EXPECT_EQ(C.ShortTimeFormat, "hh:nn");
    const TFormatSettings Unknown = TFormatSettings::FromLocale("xx_NOWHERE.UTF-8");
    EXPECT_EQ(Unknown.DecimalSeparator, '.');
}
} // namespace
