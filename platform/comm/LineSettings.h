#pragma once

#include <optional>
#include <string>
#include <termios.h>
#include <vector>

// Parity of the serial line; the values are the window's parity list indices.
enum class Parity
{
    None = 0,
    Odd = 1,
    Even = 2,
};

// What the module link asks of the line. Everything else is fixed: 8 data
// bits, 1 stop bit, raw binary, input parity checking on, no hardware or
// software flow control, modem status lines ignored.
struct LineSettings
{
    int BaudRate = 9600; // bits per second
    Parity LineParity = Parity::None;

    bool operator==(const LineSettings&) const = default;
};

// The termios speed constant for BaudRate; nullopt when the rate is not one
// of the standard rates (50 .. 4000000).
std::optional<speed_t> SpeedForBaud(int BaudRate);

// The rate of a termios speed constant; 0 for one SpeedForBaud never gives.
int BaudForSpeed(speed_t Speed);

// Parity from a list index: 0 none, 1 odd, 2 even; nullopt otherwise.
std::optional<Parity> ParityFromIndex(int Index);

// Rewrites Attributes for Settings at Speed (from SpeedForBaud).
void ApplyLineSettings(termios& Attributes, const LineSettings& Settings, speed_t Speed);

// One part of the line settings a device did not take.
struct RefusedSetting
{
    bool IsParity = false;
    std::string Text; // "parity even (the device has none)", "baud rate 115200 (...)"
};

// What of Asked (written by ApplyLineSettings) Applied, read back from the
// device, lacks: baud rate, data bits, stop bits, parity, flow control.
// Empty when the device holds all of them.
std::vector<RefusedSetting> RefusedLineSettings(const termios& Asked, const termios& Applied);
