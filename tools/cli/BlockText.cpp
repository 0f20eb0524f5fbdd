#include "tools/cli/BlockText.h"

#include "protocol/Frames.h"
#include "protocol/ReplyHazards.h"

#include <cstdio>
#include <optional>

namespace
{
std::string Frequency(const ModuleParameters& Block)
{
    char Text[32];
    std::snprintf(Text, sizeof Text, "%.2f", Block.FrequencyMHz);
    return Text;
}

// The list whose key is Key; nullopt for the numeric parameters.
std::optional<ParameterList> ListOfKey(std::string_view Key)
{
    for (ParameterList List : AllParameterLists)
        if (Key == ListKey(List)) return List;
    return std::nullopt;
}
} // namespace

std::string_view ListKey(ParameterList List)
{
    switch (List)
    {
    case ParameterList::UartBaud:
        return "uart_baud";
    case ParameterList::UartParity:
        return "uart_parity";
    case ParameterList::Spreading:
        return "spreading";
    case ParameterList::RfMode:
        return "rf_mode";
    case ParameterList::Bandwidth:
        return "bandwidth";
    case ParameterList::Power:
        return "power";
    case ParameterList::Breath:
        return "breath";
    case ParameterList::Wake:
        return "wake";
    }
    return "";
}

bool IsListed(ParameterList List, uint8_t Code)
{
    return IndexForCode(List, Code).What == ListUpdate::Action::Select;
}

std::string ListText(ParameterList List, uint8_t Code)
{
    const ListUpdate Update = IndexForCode(List, Code);
    if (Update.What != ListUpdate::Action::Select) return std::to_string(Code);
    return std::string(ListEntries(List)[static_cast<size_t>(Update.Index)]);
}

std::string BlockToJson(const ModuleParameters& Block)
{
    std::string Json;
    for (const ShownParameter& Shown : ShownParameters)
    {
        // List entries are strings; numbers and codes outside a list are numbers.
        const auto List = ListOfKey(Shown.Key);
        const bool Quoted = List && IsListed(*List, CodeField(Block, *List));
        const std::string Value = ValueText(Block, Shown.Key);
        Json += (Json.empty() ? "{\"" : ", \"") + std::string(Shown.Key) +
                "\": " + (Quoted ? "\"" + Value + "\"" : Value);
    }
    return Json + "}";
}

std::string BlockToLines(const ModuleParameters& Block)
{
    std::string Lines;
    for (const ShownParameter& Shown : ShownParameters)
    {
        char Text[96];
        std::snprintf(Text, sizeof Text, "%-14.*s %s\n", static_cast<int>(Shown.Key.size()),
                      Shown.Key.data(), ValueText(Block, Shown.Key).c_str());
        Lines += Text;
    }
    return Lines;
}

std::string_view KeyAtFramePosition(size_t Position)
{
    static constexpr std::string_view Keys[] = {
        "uart_baud", "uart_parity", "frequency_mhz", "frequency_mhz", "frequency_mhz",
        "spreading", "rf_mode",     "bandwidth",     "node_id",       "node_id",
        "net_id",    "power",       "breath",        "wake",          "checksum"};
    if (Position < FrameDataStart || Position > FrameChecksumPosition) return {};
    return Keys[Position - FrameDataStart];
}

std::string ValueText(const ModuleParameters& Block, std::string_view Key)
{
    if (Key == "frequency_mhz") return Frequency(Block);
    if (Key == "node_id") return std::to_string(NodeId(Block));
    if (Key == "net_id") return std::to_string(Block.NetId);
    if (const auto List = ListOfKey(Key)) return ListText(*List, CodeField(Block, *List));
    return {};
}

std::string DescribeHazards(const ModuleParameters& Block)
{
    std::string Text;
    for (const ReplyHazard& Hazard : FindBlockHazards(Block))
    {
        std::string Values;
        for (size_t At : {Hazard.Position, Hazard.Position + 1})
        {
            const std::string_view Key = KeyAtFramePosition(At);
            const std::string Named = Key == "checksum"
                                          ? "the block's checksum"
                                          : std::string(Key) + " " + ValueText(Block, Key);
            if (Values.find(Named) != std::string::npos) continue;
            Values += (Values.empty() ? "" : " with ") + Named;
        }
        Text += Values;
        Text += Hazard.What == ReplyHazard::Kind::SyncPair
                    ? " puts the bytes AF AF into the reply, where the reply would start over"
                    : " puts the bytes 0D 0A into the reply, where the reply would end early";
        Text += "\n";
    }
    return Text;
}
