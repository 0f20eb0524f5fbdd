#pragma once

#include <cstdint>

// The radio module's whole parameter block, as carried in the data area of a
// frame. Zero-initialised by default. The nine bytes from SpreadingCode to
// WakeCode are contiguous and in frame order (positions 13..21).
struct ModuleParameters
{
    uint8_t Command = 0;      // command byte of the reply that filled it; 0 when sending
    uint8_t UartBaudCode = 0; // module's own baud rate code (see CodeTables.h)
    uint8_t UartParity = 0;   // 0 none, 1 odd, 2 even
    double FrequencyMHz = 0.0;
    uint8_t SpreadingCode = 0; // 7..12
    uint8_t RfMode = 0;        // 0 Standard, 1 Central, 2 Node
    uint8_t BandwidthCode = 0; // 6..9
    uint8_t NodeIdHigh = 0;
    uint8_t NodeIdLow = 0;
    uint8_t NetId = 0;
    uint8_t PowerLevel = 0; // 1..7
    uint8_t BreathCode = 0; // 0..4
    uint8_t WakeCode = 0;   // 0..5

    bool operator==(const ModuleParameters&) const = default;
};
