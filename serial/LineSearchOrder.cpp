#include "serial/LineSearchOrder.h"

#include <algorithm>

namespace
{
constexpr int BaudsByUse[] = {9600, 115200, 19200, 38400, 57600, 4800, 2400, 1200};
constexpr int ParitiesByUse[] = {0, 2, 1};
constexpr int FrameBytes = 25;
constexpr int BitsPerByte = 10; // start, 8 data, stop
} // namespace

std::string LineSettingText(const PcLineSetting& Setting)
{
    const char* Parity = Setting.Parity == 1 ? "ODD" : Setting.Parity == 2 ? "EVEN" : "NO";
    return std::to_string(Setting.Baud) + " " + Parity;
}

std::vector<PcLineSetting> LineSearchOrder(std::optional<PcLineSetting> Asked)
{
    std::vector<PcLineSetting> All;
    for (const int Parity : ParitiesByUse)
        for (const int Baud : BaudsByUse)
            All.push_back({Baud, Parity});
    std::vector<PcLineSetting> Order;
    for (const std::optional<PcLineSetting> First : {Asked, std::optional(FactoryLineSetting)})
        if (First && std::find(All.begin(), All.end(), *First) != All.end() &&
            std::find(Order.begin(), Order.end(), *First) == Order.end())
            Order.push_back(*First);
    for (const PcLineSetting& Setting : All)
        if (std::find(Order.begin(), Order.end(), Setting) == Order.end()) Order.push_back(Setting);
    return Order;
}

std::chrono::milliseconds AttemptWait(const PcLineSetting& Setting,
                                      std::chrono::milliseconds Turnaround)
{
    const long long Bits = 2LL * FrameBytes * (BitsPerByte + (Setting.Parity != 0 ? 1 : 0));
    const long long Baud = std::max(Setting.Baud, 1);
    return std::chrono::milliseconds((Bits * 1000 + Baud - 1) / Baud) + Turnaround;
}
