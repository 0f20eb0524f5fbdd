#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <vector>

// One PC line setting of the window's lists: a baud rate from 1200 to
// 115200 and a parity index (0 none, 1 odd, 2 even).
struct PcLineSetting
{
    int Baud = 9600;
    int Parity = 0;

    bool operator==(const PcLineSetting&) const = default;
};

// The module's factory setting.
inline constexpr PcLineSetting FactoryLineSetting{9600, 0};

// "19200 EVEN", as the window's lists name it.
std::string LineSettingText(const PcLineSetting& Setting);

// All 24 settings of the window's lists in the order a search tries them:
// Asked first (when it is one of them), then the factory setting, then the
// others, most common first: no parity before even before odd, and within
// each the baud rates by how often modules are set to them.
std::vector<PcLineSetting> LineSearchOrder(std::optional<PcLineSetting> Asked);

// How long one attempt at Setting waits for its answer: the 25-byte request
// and the 25-byte reply at that rate (500 bit times with start and stop
// bits, 550 with a parity bit), rounded up, plus Turnaround for the module
// to answer.
std::chrono::milliseconds AttemptWait(const PcLineSetting& Setting,
                                      std::chrono::milliseconds Turnaround);
