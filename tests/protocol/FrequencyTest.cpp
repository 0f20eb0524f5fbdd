#include "protocol/Frequency.h"

#include <gtest/gtest.h>

#include <cmath>

namespace
{
TEST(Frequency, KnownCodes)
{
    struct Case
    {
        double MHz;
        uint32_t Code;
        double Back;
    };
    const Case Cases[] = {
        {433.00, 0x6C4012, 433.00},
        {0.00, 0, 0.00},
        {0.01, 163, 0.00},
        // The double product is just below 0.37372: truncated, one below 22.81 MHz / 61.035 Hz.
        {22.81, 373719, 22.80},
        {22.82, 373883, 22.82},
    };
    for (const auto& C : Cases)
    {
        EXPECT_EQ(EncodeFrequency(C.MHz), C.Code) << C.MHz;
        EXPECT_DOUBLE_EQ(DecodeFrequency(C.Code), C.Back) << C.MHz;
    }
    EXPECT_DOUBLE_EQ(DecodeFrequency(0x6C, 0x40, 0x12), 433.00);
}

TEST(Frequency, CodesOnAWholeStepDecodeToThatStep)
{
    // 4096 codes are exactly 250 kHz; these decode without losing 0.01.
    const struct
    {
        uint32_t Code;
        double MHz;
    } Cases[] = {{389120, 23.75}, {61440, 3.75},   {10268672, 626.75}, {15847424, 967.25},
                 {4096, 0.25},    {389119, 23.74}, {0xFFFFFF, 1023.99}};
    for (const auto& C : Cases)
        EXPECT_DOUBLE_EQ(DecodeFrequency(C.Code), C.MHz) << C.Code;
}

TEST(Frequency, EveryTwoDecimalValueSurvivesARoundTripFrom2282Up)
{
    for (int Hundredths = 0; Hundredths <= 99000; ++Hundredths)
    {
        const double MHz = Hundredths / 100.0;
        const double Back = DecodeFrequency(EncodeFrequency(MHz));
        const long BackHundredths = std::lround(Back * 100.0);
        if (Hundredths >= 2282)
            ASSERT_EQ(BackHundredths, Hundredths) << MHz;
        else
            ASSERT_TRUE(BackHundredths == Hundredths || BackHundredths == Hundredths - 1) << MHz;
    }
}

TEST(Frequency, ValuesOutsideTheCodeAreLimited)
{
    EXPECT_EQ(EncodeFrequency(-1.0), 0u);
    EXPECT_EQ(EncodeFrequency(std::nan("")), 0u);
    EXPECT_EQ(EncodeFrequency(1.0e9), 0xFFFFFFu);
}
} // namespace

TEST(Frequency, TheRefusedRangesAndTheirEdges)
{
    const struct
    {
        double MHz;
        bool Refused;
    } Cases[] = {{0, false},   {99.99, false}, {100, true},  {139.99, true},
                 {140, false}, {433, false},   {990, false}, {990.01, true}};
    for (const auto& C : Cases)
        EXPECT_EQ(IsRefusedFrequency(C.MHz), C.Refused) << C.MHz;
}
