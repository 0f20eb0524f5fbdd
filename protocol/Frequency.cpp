#include "protocol/Frequency.h"

namespace
{
constexpr double HertzPerCodeOut = 0.016384041943147375; // 1 / 61.035, per MHz
constexpr uint32_t MaxCode = 0xFFFFFF;
} // namespace

bool IsRefusedFrequency(double FrequencyMHz)
{
    return FrequencyMHz > 990.0 || (FrequencyMHz >= 100.0 && FrequencyMHz < 140.0);
}

uint32_t EncodeFrequency(double FrequencyMHz)
{
    // Each product is rounded to a double on its own; the order matters.
    const double P = FrequencyMHz * HertzPerCodeOut;
    const double Scaled = P * 1000000.0;
    if (!(Scaled >= 0.0)) return 0; // negative or NaN
    if (Scaled >= static_cast<double>(MaxCode)) return MaxCode;
    return static_cast<uint32_t>(Scaled);
}

double DecodeFrequency(uint32_t Code)
{
    // The code times 61.03515625 Hz (15625 / 256) truncated to whole 10 kHz
    // steps, in integers: with doubles, codes that land exactly on a step
    // (multiples of 4096, e.g. 389120 = 23.75 MHz) come out as
    // 23.7499999... and would lose 0.01 MHz to the truncation.
    const uint64_t Hundredths = (uint64_t{Code & MaxCode} * 15625) / (256 * 10000);
    const double A = static_cast<double>(Hundredths / 100);
    const double H = static_cast<double>(Hundredths % 100);
    return A + H * 0.01;
}

double DecodeFrequency(uint8_t High, uint8_t Middle, uint8_t Low)
{
    return DecodeFrequency((uint32_t{High} << 16) | (uint32_t{Middle} << 8) | Low);
}
