#include "platform/comm/LineSettings.h"

#include <utility>

std::optional<speed_t> SpeedForBaud(int BaudRate)
{
    static constexpr std::pair<int, speed_t> Table[] = {
        {50, B50},           {75, B75},           {110, B110},         {134, B134},
        {150, B150},         {200, B200},         {300, B300},         {600, B600},
        {1200, B1200},       {1800, B1800},       {2400, B2400},       {4800, B4800},
        {9600, B9600},       {19200, B19200},     {38400, B38400},     {57600, B57600},
        {115200, B115200},   {230400, B230400},   {460800, B460800},   {500000, B500000},
        {576000, B576000},   {921600, B921600},   {1000000, B1000000}, {1152000, B1152000},
        {1500000, B1500000}, {2000000, B2000000}, {2500000, B2500000}, {3000000, B3000000},
        {3500000, B3500000}, {4000000, B4000000},
    };
    for (const auto& [Rate, Speed] : Table)
        if (Rate == BaudRate) return Speed;
    return std::nullopt;
}

std::optional<Parity> ParityFromIndex(int Index)
{
    if (Index < 0 || Index > 2) return std::nullopt;
    return static_cast<Parity>(Index);
}

void ApplyLineSettings(termios& Attributes, const LineSettings& Settings, speed_t Speed)
{
    // Raw binary: no input translation, no software flow control, no output
    // processing, no line discipline editing or signals. INPCK stays on for
    // every parity; without PARENB it has nothing to check.
    Attributes.c_iflag = INPCK;
    Attributes.c_oflag = 0;
    Attributes.c_lflag = 0;
    // CLOCAL: the modem status lines neither gate the line nor hang it up.
    // HUPCL off: closing must not toggle DTR, which is held low anyway.
    Attributes.c_cflag = CS8 | CREAD | CLOCAL;
    if (Settings.LineParity != Parity::None) Attributes.c_cflag |= PARENB;
    if (Settings.LineParity == Parity::Odd) Attributes.c_cflag |= PARODD;
    // Reads return at once with whatever is queued; waiting is done by poll.
    Attributes.c_cc[VMIN] = 0;
    Attributes.c_cc[VTIME] = 0;
    cfsetispeed(&Attributes, Speed);
    cfsetospeed(&Attributes, Speed);
}
