#include "tools/virtual-module/ModuleCommands.h"

#include "tools/common/OptionParser.h"

std::string RunModuleCommand(VirtualModule& Module, std::string_view Line)
{
    while (!Line.empty() && (Line.back() == '\r' || Line.back() == ' '))
        Line.remove_suffix(1);
    const size_t Space = Line.find(' ');
    const std::string_view Word = Line.substr(0, Space);
    const std::string_view Value = Space == std::string_view::npos ? "" : Line.substr(Space + 1);
    if (Word == "fault")
    {
        const std::optional<ModuleFault> Fault = ParseModuleFault(Value);
        if (!Fault)
            return "refused: unknown fault '" + std::string(Value) + "' (" + ModuleFaultNames() +
                   "|none)";
        Module.SetFault(*Fault);
        return std::string("fault ") + ModuleFaultName(*Fault) + " from the next request on";
    }
    if (Word == "delay")
    {
        long Milliseconds = 0;
        if (!ParseIntegerOption(Value, 0, 60000, Milliseconds))
            return "refused: delay '" + std::string(Value) +
                   "' is not a number of milliseconds from 0 to 60000";
        Module.SetDelay(std::chrono::milliseconds(Milliseconds));
        return "delay " + std::to_string(Milliseconds) + " ms from the next request on";
    }
    return "refused: unknown command '" + std::string(Line) + "' (fault NAME, delay MS)";
}
