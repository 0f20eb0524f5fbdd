#include "protocol/DefaultParameters.h"

#include "protocol/CodeTables.h"
#include "protocol/Frequency.h"

ModuleParameters DefaultParameters()
{
    ModuleParameters Block;
    Block.UartBaudCode = CodeForIndex(ParameterList::UartBaud, 3);
    Block.UartParity = CodeForIndex(ParameterList::UartParity, 0);
    Block.FrequencyMHz = DefaultFrequencyMHz;
    Block.SpreadingCode = CodeForIndex(ParameterList::Spreading, 4);
    Block.RfMode = CodeForIndex(ParameterList::RfMode, 0);
    Block.BandwidthCode = CodeForIndex(ParameterList::Bandwidth, 1);
    Block.PowerLevel = CodeForIndex(ParameterList::Power, 6);
    Block.BreathCode = CodeForIndex(ParameterList::Breath, 0);
    Block.WakeCode = CodeForIndex(ParameterList::Wake, 4);
    return Block;
}
