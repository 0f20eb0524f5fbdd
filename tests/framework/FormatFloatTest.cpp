#include "framework/FormatFloat.h"

#include <gtest/gtest.h>

#include <cmath>

namespace
{
TFormatSettings Dot()
{
    TFormatSettings S;
    S.DecimalSeparator = '.';
    S.ThousandSeparator = ",";
    return S;
}

TFormatSettings Comma()
{
    TFormatSettings S;
    S.DecimalSeparator = ',';
    S.ThousandSeparator = ".";
    return S;
}

struct TCase
{
    const char* Format;
    double Value;
    const char* Expected;
};

TEST(FormatFloat, PatternsWithDecimalPoint)
{
    const TCase Cases[] = {
        {"0.00", 433, "433.00"},
        {"0.00", 433.125, "433.13"},
        {"0.00", 433.126, "433.13"},
        {"0.00", 0, "0.00"},
        {"0.00", -1.5, "-1.50"},
        {"0.00", 1.005, "1.01"}, // the decimal 1.005, not the binary 1.00499...
        {"0.00", 2.675, "2.68"},
        {"0.00", 0.1 + 0.2, "0.30"},
        {"0.00", -0.001, "0.00"}, // rounds to zero: no minus sign
        {"0.00", 0.995, "1.00"},
        {"0.00", 999.995, "1000.00"},
        {"0", 12.5, "13"},
        {"0", -12.5, "-13"},
        {"0", 12.4999, "12"},
        {"0", 0.5, "1"},
        {"0", 9007199254740991.0, "9007199254740991"}, // whole numbers are taken exactly
        {"0", 123456789012.0, "123456789012"},
        {"#.##", 0.5, ".5"},
        {"#.##", 1, "1"},
        {"0.##", 1.5, "1.5"},
        {"0.0#", 1.5, "1.5"},
        {"0.0#", 1.25, "1.25"},
        {"0.0#", 1, "1.0"},
        {"000", 7, "007"},
        {"#", 1234, "1234"},
        {"00.00", 1234.5, "1234.50"},
        {"#,##0.00", 1234567.891, "1,234,567.89"},
        {"#,##0", 999, "999"},
        {"#,##0", -1000, "-1,000"},
        {"0,000", 12, "0,012"},
        {"#,##0.00", 0.5, "0.50"},
        {"0.00 'MHz'", 433, "433.00 MHz"},
        {"0.00;(0.00)", -2.5, "(2.50)"},
        {"0.00;(0.00);'zero'", 0.001, "zero"},
        {"0.00;(0.00);'zero'", 1, "1.00"},
        {"0.000", 1e-10, "0.000"},
        {"0.00", 1e20, "100000000000000000000.00"},
        {"", 1.5, "1.5"},
    };
    const TFormatSettings S = Dot();
    for (const auto& C : Cases)
        EXPECT_EQ(FormatFloat(C.Format, C.Value, S), C.Expected) << C.Format << " " << C.Value;
}

TEST(FormatFloat, CommaDecimalLocale)
{
    const TCase Cases[] = {
        {"0.00", 433, "433,00"},
        {"#,##0.00", 1234567.891, "1.234.567,89"},
        {"0", 12.5, "13"},
        {"#.##", 0.25, ",25"},
    };
    const TFormatSettings S = Comma();
    for (const auto& C : Cases)
        EXPECT_EQ(FormatFloat(C.Format, C.Value, S), C.Expected) << C.Format << " " << C.Value;
}

TEST(FormatFloat, MultiByteThousandSeparator)
{
    TFormatSettings S = Comma();
    S.ThousandSeparator = "\u202f";
    EXPECT_EQ(FormatFloat("#,##0.00", 1234567.5, S), "1\u202f234\u202f567,50");
}

TEST(FormatFloat, NonFiniteValues)
{
    EXPECT_EQ(FormatFloat("0.00", NAN, Dot()), "NAN");
    EXPECT_EQ(FormatFloat("0.00", INFINITY, Dot()), "INF");
    EXPECT_EQ(FormatFloat("0.00", -INFINITY, Dot()), "-INF");
}

TEST(FormatFloat, FloatToStrGeneralForm)
{
    const struct
    {
        double Value;
        const char* Expected;
    } Cases[] = {{0, "0"},           {1.5, "1.5"},      {-0.25, "-0.25"},
                 {0.1 + 0.2, "0.3"}, {1e15, "1E+15"},   {123456789012345, "123456789012345"},
                 {0.0001, "0.0001"}, {0.00001, "1E-5"}, {1.5e20, "1.5E+20"}};
    for (const auto& C : Cases)
        EXPECT_EQ(FloatToStr(C.Value, Dot()), C.Expected) << C.Value;
    EXPECT_EQ(FloatToStr(2.5, Comma()), "2,5");
}

TEST(FormatFloat, UsesTheCurrentSettings)
{
    const TFormatSettings Saved = FormatSettings();
    SetFormatSettings(Comma());
    EXPECT_EQ(FormatFloat("0.00", 433), "433,00");
    SetFormatSettings(Saved);
}
} // namespace
