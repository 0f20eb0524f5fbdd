#pragma once

#include <cstdint>

// Frequency in MHz to the module's 24-bit code: the frequency in hertz
// divided by 61.035, truncated. Values the code cannot carry are limited to
// 0 (negative or NaN) and 0xFFFFFF.
uint32_t EncodeFrequency(double FrequencyMHz);

// 24-bit code to MHz with the module's step of 61.03515625 Hz, truncated
// (never rounded) to two decimals. The two step sizes differ on purpose: the pair leaves every
// two-decimal value from 22.82 MHz up unchanged.
double DecodeFrequency(uint32_t Code);
double DecodeFrequency(uint8_t High, uint8_t Middle, uint8_t Low);
