#pragma once

#include <cstdint>

// The frequency a block starts with, and the one the window puts in place
// of a frequency it refuses.
constexpr double DefaultFrequencyMHz = 433.0;

// The window refuses frequencies above 990 MHz and from 100 MHz up to, but
// not including, 140 MHz (it shows DefaultFrequencyMHz instead); a block
// file refuses the same ones, and negative values too.
bool IsRefusedFrequency(double FrequencyMHz);

// Frequency in MHz to the module's 24-bit code: the frequency in hertz
// divided by 61.035, truncated. Values the code cannot carry are limited to
// 0 (negative or NaN) and 0xFFFFFF.
uint32_t EncodeFrequency(double FrequencyMHz);

// 24-bit code to MHz with the module's step of 61.03515625 Hz, truncated
// (never rounded) to two decimals. The two step sizes differ on purpose: the pair leaves every
// two-decimal value from 22.82 MHz up unchanged.
double DecodeFrequency(uint32_t Code);
double DecodeFrequency(uint8_t High, uint8_t Middle, uint8_t Low);
