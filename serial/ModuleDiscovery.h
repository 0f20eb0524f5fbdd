#pragma once

#include "platform/comm/PortMap.h"
#include "protocol/ModuleParameters.h"
#include "serial/LineSearchOrder.h"

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class StopSignal;

// What a search found on one port.
enum class PortVerdict
{
    Found,        // a module answered; Setting, Block and Attempts tell how
    Silent,       // every setting tried, no module answered
    Busy,         // another program holds the port (exclusive flag or lock); left alone
    Missing,      // no such port or device
    Vanished,     // the device went away during the search
    NoPermission, // this user may not open the device
    Unusable,     // anything else that keeps the port from being searched
    Cancelled,    // the search was cancelled while on this port
};

// A short lower-case word for Verdict ("found", "busy", ...).
const char* PortVerdictText(PortVerdict Verdict);

struct PortFinding
{
    int Port = 0;
    std::string Device; // the device path, when the port has one
    PortVerdict Verdict = PortVerdict::Silent;
    // Found: the setting the module talks at (on a pseudo-terminal, which
    // cannot tell even from no parity, the parity the module's block names).
    PcLineSetting Setting;
    int Attempts = 0;       // settings tried on this port
    ModuleParameters Block; // Found: the block of the answer
    std::string Message;    // why, for every verdict but Found and Silent
};

struct DiscoveryProgress
{
    int Port = 0;
    PcLineSetting Setting;
    int Attempt = 0; // 1-based
    int Attempts = 0;
};

struct DiscoveryRequest
{
    // Ports in the order they are searched; empty: every port the map
    // offers (each linked number and each existing table device).
    std::vector<int> Ports;
    std::optional<PcLineSetting> Asked; // tried first on every port
    std::chrono::milliseconds Turnaround{100};
    bool StopAtFirstModule = false;
    PortMap Map;
    // Called on the searching thread before each attempt and once per port
    // with its finding; either may raise the cancel signal.
    std::function<void(const DiscoveryProgress&)> OnProgress;
    std::function<void(const PortFinding&)> OnPort;
};

// Searches the ports for modules: on each port it tries the settings of
// LineSearchOrder with one read-all request each (it never writes a
// block) and stops on that port at the first reply whose checksum matches.
// An attempt ends at its AttemptWait, or at once on a damaged reply; the
// line is drained before each attempt, so a late answer to an earlier
// setting cannot pass for this one's. Cancel (may be null) ends the search
// at once, also during a wait; the port being searched is then Cancelled
// and the ports after it are not reported. Every port is opened
// exclusively and closed again (its exclusive flag cleared) before the
// next, on every path. Blocks the calling thread.
std::vector<PortFinding> DiscoverModules(const DiscoveryRequest& Request, const StopSignal* Cancel);
