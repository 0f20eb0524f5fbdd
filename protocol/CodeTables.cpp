#include "protocol/CodeTables.h"

#include <cmath>
#include <cstdint>

namespace
{
constexpr std::string_view BaudEntries[] = {"1200",  "2400",  "4800",  "9600",
                                            "19200", "38400", "57600", "115200"};
constexpr std::string_view ParityEntries[] = {"NO", "ODD", "EVEN"};
constexpr std::string_view SpreadingEntries[] = {"128", "256", "512", "1024", "2048", "4096"};
constexpr std::string_view RfModeEntries[] = {"Standard", "Central", "Node"};
constexpr std::string_view BandwidthEntries[] = {"62.5K", "125K", "250K", "500K"};
constexpr std::string_view PowerEntries[] = {"1", "2", "3", "4", "5", "6", "7"};
constexpr std::string_view BreathEntries[] = {"2s", "4s", "6s", "8s", "10s"};
constexpr std::string_view WakeEntries[] = {"2ms", "4ms", "8ms", "16ms", "32ms", "64ms"};

// Code of index 0; the code of index i is FirstCode + i except for the baud
// list, whose last entry (115200) wraps to code 0.
int FirstCode(ParameterList List)
{
    switch (List)
    {
    case ParameterList::UartBaud:
        return 1;
    case ParameterList::Spreading:
        return 7;
    case ParameterList::Bandwidth:
        return 6;
    case ParameterList::Power:
        return 1;
    default:
        return 0;
    }
}

ListUpdate Select(int Index)
{
    return {ListUpdate::Action::Select, Index};
}

// Integer part of a number edit's value; values the integer cannot hold
// (NaN, infinities, huge magnitudes) count as 0 rather than overflowing.
int64_t TruncateToInteger(double Value)
{
    if (!std::isfinite(Value) || std::fabs(Value) >= 9.0e15) return 0;
    return static_cast<int64_t>(Value);
}

char LowerAscii(char C)
{
    return (C >= 'A' && C <= 'Z') ? static_cast<char>(C - 'A' + 'a') : C;
}
} // namespace

std::span<const std::string_view> ListEntries(ParameterList List)
{
    switch (List)
    {
    case ParameterList::UartBaud:
        return BaudEntries;
    case ParameterList::UartParity:
        return ParityEntries;
    case ParameterList::Spreading:
        return SpreadingEntries;
    case ParameterList::RfMode:
        return RfModeEntries;
    case ParameterList::Bandwidth:
        return BandwidthEntries;
    case ParameterList::Power:
        return PowerEntries;
    case ParameterList::Breath:
        return BreathEntries;
    case ParameterList::Wake:
        return WakeEntries;
    }
    return {};
}

uint8_t CodeForIndex(ParameterList List, int Index)
{
    if (List == ParameterList::UartBaud && Index == 7) return 0;
    return static_cast<uint8_t>(Index + FirstCode(List));
}

int BaudRateForCode(uint8_t Code)
{
    const ListUpdate Update = IndexForCode(ParameterList::UartBaud, Code);
    if (Update.What != ListUpdate::Action::Select) return 0;
    int Rate = 0;
    for (const char Digit : BaudEntries[Update.Index])
        Rate = Rate * 10 + (Digit - '0');
    return Rate;
}

std::optional<uint8_t> CodeForBaudRate(int BaudRate)
{
    for (int Index = 0; Index < static_cast<int>(std::size(BaudEntries)); ++Index)
        if (BaudRateForCode(CodeForIndex(ParameterList::UartBaud, Index)) == BaudRate)
            return CodeForIndex(ParameterList::UartBaud, Index);
    return std::nullopt;
}

ListUpdate IndexForCode(ParameterList List, uint8_t Code)
{
    const int Count = static_cast<int>(ListEntries(List).size());
    if (List == ParameterList::UartBaud)
    {
        if (Code == 0) return Select(7);
        return Code <= 7 ? Select(Code - 1) : ListUpdate{};
    }
    const int Index = Code - FirstCode(List);
    if (Index >= 0 && Index < Count) return Select(Index);
    // Breath and wake lose their selection on an unknown code; the others keep it.
    if (List == ParameterList::Breath || List == ParameterList::Wake)
        return {ListUpdate::Action::Clear, -1};
    return {};
}

uint8_t& CodeField(ModuleParameters& Block, ParameterList List)
{
    switch (List)
    {
    case ParameterList::UartBaud:
        return Block.UartBaudCode;
    case ParameterList::UartParity:
        return Block.UartParity;
    case ParameterList::Spreading:
        return Block.SpreadingCode;
    case ParameterList::RfMode:
        return Block.RfMode;
    case ParameterList::Bandwidth:
        return Block.BandwidthCode;
    case ParameterList::Power:
        return Block.PowerLevel;
    case ParameterList::Breath:
        return Block.BreathCode;
    case ParameterList::Wake:
        return Block.WakeCode;
    }
    return Block.WakeCode;
}

uint8_t CodeField(const ModuleParameters& Block, ParameterList List)
{
    return CodeField(const_cast<ModuleParameters&>(Block), List);
}

std::optional<int> FindListEntry(ParameterList List, std::string_view Text)
{
    const auto Entries = ListEntries(List);
    for (size_t i = 0; i < Entries.size(); ++i)
    {
        const std::string_view Entry = Entries[i];
        if (Entry.size() != Text.size()) continue;
        bool Same = true;
        for (size_t k = 0; k < Entry.size() && Same; ++k)
            Same = LowerAscii(Entry[k]) == LowerAscii(Text[k]);
        if (Same) return static_cast<int>(i);
    }
    return std::nullopt;
}

void SetNodeId(ModuleParameters& Block, double Value)
{
    const int64_t V = TruncateToInteger(Value);
    Block.NodeIdHigh = static_cast<uint8_t>((V & 0xFF00) >> 8);
    Block.NodeIdLow = static_cast<uint8_t>(V & 0xFF);
}

int NodeId(const ModuleParameters& Block)
{
    return Block.NodeIdHigh * 256 + Block.NodeIdLow;
}

uint8_t NetIdCode(double Value)
{
    return static_cast<uint8_t>(TruncateToInteger(Value) & 0xFF);
}
