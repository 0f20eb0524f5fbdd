// Module discovery against virtual modules on pseudo-terminals, with the
// default turnaround allowance (100 ms):
//
// - a module at the factory setting (9600 NO), found on the first attempt;
// - a module at each of the 24 settings on one port, searched from scratch;
// - ten ports without a module: five whose links lead nowhere and five
//   that another program holds with its exclusive flag.
//
// Prints each figure with the limit it is held to.
#include "platform/comm/PortLock.h"
#include "platform/comm/PortMap.h"
#include "platform/comm/PseudoTerminal.h"
#include "protocol/CodeTables.h"
#include "protocol/DefaultParameters.h"
#include "serial/ModuleDiscovery.h"
#include "tools/virtual-module/VirtualModule.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <memory>
#include <string>
#include <sys/ioctl.h>
#include <unistd.h>
#include <vector>

namespace
{
using Clock = std::chrono::steady_clock;
constexpr int FactoryRounds = 20;

double Seconds(Clock::duration Elapsed)
{
    return std::chrono::duration<double>(Elapsed).count();
}

// Searches Ports of Folder's map; the time it took, and the findings.
double TimeSearch(const std::string& Folder, std::vector<int> Ports,
                  std::vector<PortFinding>& Found)
{
    DiscoveryRequest Request;
    Request.Ports = std::move(Ports);
    Request.Map = PortMap(PortFolders{"", Folder});
    const auto Start = Clock::now();
    Found = DiscoverModules(Request, nullptr);
    return Seconds(Clock::now() - Start);
}

bool StartModule(VirtualModule& Module, const std::string& Folder, int Port,
                 const PcLineSetting& Setting)
{
    VirtualModuleOptions Options;
    Options.RuntimeFolder = Folder;
    Options.Port = Port;
    Options.OwnLineSettings = true;
    Options.Initial = DefaultParameters();
    Options.Initial.UartBaudCode = *CodeForBaudRate(Setting.Baud);
    Options.Initial.UartParity = static_cast<uint8_t>(Setting.Parity);
    return Module.Start(Options).Ok();
}

int Factory(const std::string& Folder)
{
    VirtualModule Module;
    if (!StartModule(Module, Folder, 400, FactoryLineSetting)) return 1;
    std::vector<double> Times;
    for (int Round = 0; Round < FactoryRounds; ++Round)
    {
        std::vector<PortFinding> Found;
        Times.push_back(TimeSearch(Folder, {400}, Found));
        if (Found.size() != 1 || Found[0].Verdict != PortVerdict::Found) return 1;
    }
    std::sort(Times.begin(), Times.end());
    std::printf("module at 9600 NO found: median %.3f s, worst %.3f s of %d (limit 0.3 s)\n",
                Times[Times.size() / 2], Times.back(), FactoryRounds);
    return 0;
}

int EverySetting(const std::string& Folder)
{
    double Worst = 0;
    std::string WorstName;
    for (const PcLineSetting& Setting : LineSearchOrder(std::nullopt))
    {
        VirtualModule Module;
        if (!StartModule(Module, Folder, 401, Setting)) return 1;
        std::vector<PortFinding> Found;
        const double Time = TimeSearch(Folder, {401}, Found);
        if (Found.size() != 1 || Found[0].Verdict != PortVerdict::Found ||
            !(Found[0].Setting == Setting))
        {
            std::printf("module at %s not found\n", LineSettingText(Setting).c_str());
            return 1;
        }
        std::printf("  %-12s found in %.3f s (attempt %d)\n", LineSettingText(Setting).c_str(),
                    Time, Found[0].Attempts);
        if (Time > Worst) Worst = Time, WorstName = LineSettingText(Setting);
    }
    std::printf("module at any of the 24 settings found: worst %.3f s (%s; limit 6 s)\n", Worst,
                WorstName.c_str());
    return 0;
}

int NoModules(const std::string& Folder)
{
    std::vector<int> Ports;
    std::vector<std::unique_ptr<PortLock>> Locks;
    std::vector<std::unique_ptr<PseudoTerminal>> Held;
    std::vector<int> Holders;
    for (int i = 0; i < 10; ++i)
    {
        const int Port = 410 + i;
        std::string Target = Folder + "/unplugged" + std::to_string(i);
        if (i >= 5)
        {
            Held.push_back(std::make_unique<PseudoTerminal>());
            if (!Held.back()->Create().Ok()) return 1;
            Target = Held.back()->DevicePath();
            Holders.push_back(open(Target.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK));
            if (Holders.back() < 0 || ioctl(Holders.back(), TIOCEXCL) != 0) return 1;
        }
        Locks.push_back(std::make_unique<PortLock>());
        if (!Locks.back()->Acquire(Folder, Port).Ok() ||
            symlink(Target.c_str(), (Folder + "/" + LinkFileName(Port)).c_str()) != 0)
            return 1;
        Ports.push_back(Port);
    }
    std::vector<PortFinding> Found;
    const double Time = TimeSearch(Folder, Ports, Found);
    int Missing = 0, Busy = 0;
    for (const PortFinding& Finding : Found)
    {
        Missing += Finding.Verdict == PortVerdict::Missing;
        Busy += Finding.Verdict == PortVerdict::Busy;
    }
    for (const int Holder : Holders)
    {
        ioctl(Holder, TIOCNXCL);
        close(Holder);
    }
    std::printf("10 ports without a module (%d missing, %d busy) scanned in %.4f s, %.5f s a port "
                "(limit 1 s a port)\n",
                Missing, Busy, Time, Time / 10);
    return Missing == 5 && Busy == 5 ? 0 : 1;
}
} // namespace

int main()
{
    std::string Pattern = (std::filesystem::temp_directory_path() / "novla-bench-XXXXXX").string();
    if (!mkdtemp(Pattern.data())) return 1;
    const std::string Folder = Pattern + "/ports";
    std::filesystem::create_directory(Folder);
    std::filesystem::permissions(Folder, std::filesystem::perms::owner_all);
    int Code = Factory(Folder);
    if (Code == 0) Code = NoModules(Folder);
    if (Code == 0) Code = EverySetting(Folder);
    std::error_code Ignored;
    std::filesystem::remove_all(Pattern, Ignored);
    if (Code != 0) std::fprintf(stderr, "bench_discovery: a search went wrong\n");
    return Code;
}
