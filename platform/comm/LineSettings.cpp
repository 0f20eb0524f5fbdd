#include "platform/comm/LineSettings.h"

#include <utility>

namespace
{
constexpr std::pair<int, speed_t> SpeedTable[] = {
    {50, B50},           {75, B75},           {110, B110},         {134, B134},
    {150, B150},         {200, B200},         {300, B300},         {600, B600},
    {1200, B1200},       {1800, B1800},       {2400, B2400},       {4800, B4800},
    {9600, B9600},       {19200, B19200},     {38400, B38400},     {57600, B57600},
    {115200, B115200},   {230400, B230400},   {460800, B460800},   {500000, B500000},
    {576000, B576000},   {921600, B921600},   {1000000, B1000000}, {1152000, B1152000},
    {1500000, B1500000}, {2000000, B2000000}, {2500000, B2500000}, {3000000, B3000000},
    {3500000, B3500000}, {4000000, B4000000},
};

const char* ParityWord(tcflag_t Flags)
{
    if (!(Flags & PARENB)) return "none";
    return (Flags & PARODD) ? "odd" : "even";
}

int DataBits(tcflag_t Flags)
{
    switch (Flags & CSIZE)
    {
    case CS5:
        return 5;
    case CS6:
        return 6;
    case CS7:
        return 7;
    default:
        return 8;
    }
}

std::string FlowControl(const termios& Attributes)
{
    std::string Text;
    if (Attributes.c_cflag & CRTSCTS) Text = "hardware";
    if (Attributes.c_iflag & (IXON | IXOFF))
        Text += std::string(Text.empty() ? "" : " and ") + "software";
    return Text.empty() ? "none" : Text;
}

std::string RateText(speed_t Speed)
{
    const int Rate = BaudForSpeed(Speed);
    return Rate ? std::to_string(Rate) : "an unknown rate";
}
} // namespace

std::optional<speed_t> SpeedForBaud(int BaudRate)
{
    for (const auto& [Rate, Speed] : SpeedTable)
        if (Rate == BaudRate) return Speed;
    return std::nullopt;
}

int BaudForSpeed(speed_t Speed)
{
    for (const auto& [Rate, Constant] : SpeedTable)
        if (Constant == Speed) return Rate;
    return 0;
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

std::vector<RefusedSetting> RefusedLineSettings(const termios& Asked, const termios& Applied)
{
    std::vector<RefusedSetting> Refused;
    // Label holds "%" where the asked value goes.
    const auto Differ = [&](bool IsParity, const std::string& Label, const std::string& Wanted,
                            const std::string& Held)
    {
        if (Wanted == Held) return;
        std::string Text = Label;
        Text.replace(Text.find('%'), 1, Wanted);
        Refused.push_back({IsParity, Text + " (the device has " + Held + ")"});
    };
    Differ(false, "baud rate %", RateText(cfgetospeed(&Asked)), RateText(cfgetospeed(&Applied)));
    Differ(false, "% data bits", std::to_string(DataBits(Asked.c_cflag)),
           std::to_string(DataBits(Applied.c_cflag)));
    Differ(false, (Asked.c_cflag & CSTOPB) ? "% stop bits" : "% stop bit",
           (Asked.c_cflag & CSTOPB) ? "2" : "1", (Applied.c_cflag & CSTOPB) ? "2" : "1");
    Differ(true, "parity %", ParityWord(Asked.c_cflag), ParityWord(Applied.c_cflag));
    Differ(false, "flow control %", FlowControl(Asked), FlowControl(Applied));
    return Refused;
}
