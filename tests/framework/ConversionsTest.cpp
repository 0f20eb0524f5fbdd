#include "framework/Conversions.h"
#include "framework/Exception.h"

#include <gtest/gtest.h>

#include <cmath>

namespace
{
TFormatSettings WithDecimal(char Sep)
{
    TFormatSettings S;
    S.DecimalSeparator = Sep;
    S.ThousandSeparator = Sep == ',' ? "." : ",";
    return S;
}

struct TCase
{
    const char* Text;
    bool Valid;
    double Value;
};

void Check(const TCase& C, const TFormatSettings& S)
{
    double V = -99;
    EXPECT_EQ(TryStrToFloat(C.Text, V, S), C.Valid) << "'" << C.Text << "'";
    if (C.Valid)
    {
        EXPECT_DOUBLE_EQ(V, C.Value) << "'" << C.Text << "'";
    }
    else
    {
        EXPECT_EQ(V, -99) << "'" << C.Text << "' must leave the value alone";
    }
}

TEST(StrToFloat, DotLocale)
{
    const TCase Cases[] = {
        {"433", true, 433},
        {"433.5", true, 433.5},
        {"43.", true, 43},
        {".5", true, 0.5},
        {".", true, 0},
        {"-.", true, 0},
        {"  12.25  ", true, 12.25},
        {"+7", true, 7},
        {"-7.5", true, -7.5},
        {"1e3", true, 1000},
        {"1.5E-2", true, 0.015},
        {"2e+2", true, 200},
        {"1e-400", true, 0},
        {"", false, 0},
        {" ", false, 0},
        {"-", false, 0},
        {"+", false, 0},
        {"abc", false, 0},
        {"1,5", false, 0},
        {"1.000,5", false, 0},
        {"1e", false, 0},
        {"1e+", false, 0},
        {"e5", false, 0},
        {"1..2", false, 0},
        {"12a", false, 0},
        {"1 2", false, 0},
        {"--1", false, 0},
        {"1e999", false, 0},
        {"0x10", false, 0},
        {"inf", false, 0},
        {"nan", false, 0},
        {"\t1", false, 0},
    };
    const TFormatSettings S = WithDecimal('.');
    for (const auto& C : Cases)
        Check(C, S);
}

TEST(StrToFloat, CommaLocale)
{
    const TCase Cases[] = {
        {"433,5", true, 433.5}, {"43,", true, 43},   {",5", true, 0.5},     {",", true, 0},
        {"1,5e2", true, 150},   {"433.5", false, 0}, {"1.000,5", false, 0},
    };
    const TFormatSettings S = WithDecimal(',');
    for (const auto& C : Cases)
        Check(C, S);
}

TEST(StrToFloat, ThrowsConvertErrorNamingTheText)
{
    try
    {
        StrToFloat("12a", WithDecimal('.'));
        FAIL() << "no exception";
    }
    catch (const Exception& E)
    {
        EXPECT_EQ(E.Message(), "'12a' is not a valid floating point value");
        EXPECT_NE(dynamic_cast<const EConvertError*>(&E), nullptr);
    }
    EXPECT_DOUBLE_EQ(StrToFloat("2,5", WithDecimal(',')), 2.5);
}

TEST(StrToInt, AcceptsDecimalAndDollarHexWithinRange)
{
    const struct
    {
        const char* Text;
        bool Valid;
        int Value;
    } Cases[] = {{"42", true, 42},
                 {" -42", true, -42},
                 {"+0", true, 0},
                 {"$FF", true, 255},
                 {"2147483647", true, 2147483647},
                 {"-2147483648", true, INT32_MIN},
                 {"2147483648", false, 0},
                 {"", false, 0},
                 {"4 2", false, 0},
                 {"42 ", false, 0},
                 {"-", false, 0},
                 {"$", false, 0},
                 {"1.5", false, 0},
                 {"+-1", false, 0}};
    for (const auto& C : Cases)
    {
        int V = -99;
        EXPECT_EQ(TryStrToInt(C.Text, V), C.Valid) << C.Text;
        if (C.Valid)
        {
            EXPECT_EQ(V, C.Value) << C.Text;
        }
    }
    EXPECT_THROW(StrToInt("x"), EConvertError);
    EXPECT_EQ(StrToInt64("-9223372036854775808"), INT64_MIN);
    EXPECT_EQ(IntToStr(-17), "-17");
}
} // namespace
