#include "tools/cli/BlockText.h"

#include "protocol/Frames.h"
#include "protocol/ReplyHazards.h"

#include <cstdio>

namespace
{
// The lists in the order the block is shown, with the keys.
struct Shown
{
    const char* Key;
    ParameterList List;
};

std::string Frequency(const ModuleParameters& Block)
{
    char Text[32];
    std::snprintf(Text, sizeof Text, "%.2f", Block.FrequencyMHz);
    return Text;
}

std::string JsonValue(ParameterList List, uint8_t Code)
{
    return IsListed(List, Code) ? "\"" + ListText(List, Code) + "\"" : ListText(List, Code);
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
    auto List = [&](ParameterList L)
    { return "\"" + std::string(ListKey(L)) + "\": " + JsonValue(L, CodeField(Block, L)); };
    std::string Json = "{\"frequency_mhz\": " + Frequency(Block);
    for (ParameterList L :
         {ParameterList::Spreading, ParameterList::RfMode, ParameterList::Bandwidth,
          ParameterList::UartBaud, ParameterList::UartParity, ParameterList::Power})
        Json += ", " + List(L);
    Json += ", \"node_id\": " + std::to_string(NodeId(Block));
    Json += ", \"net_id\": " + std::to_string(Block.NetId);
    Json += ", " + List(ParameterList::Breath);
    Json += ", " + List(ParameterList::Wake);
    return Json + "}";
}

std::string BlockToLines(const ModuleParameters& Block)
{
    auto Line = [](std::string_view Key, const std::string& Value)
    {
        char Text[96];
        std::snprintf(Text, sizeof Text, "%-14.*s %s\n", static_cast<int>(Key.size()), Key.data(),
                      Value.c_str());
        return std::string(Text);
    };
    auto List = [&](ParameterList L) { return Line(ListKey(L), ListText(L, CodeField(Block, L))); };
    return Line("frequency_mhz", Frequency(Block)) + List(ParameterList::Spreading) +
           List(ParameterList::RfMode) + List(ParameterList::Bandwidth) +
           List(ParameterList::UartBaud) + List(ParameterList::UartParity) +
           List(ParameterList::Power) + Line("node_id", std::to_string(NodeId(Block))) +
           Line("net_id", std::to_string(Block.NetId)) + List(ParameterList::Breath) +
           List(ParameterList::Wake);
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
    for (ParameterList List : AllParameterLists)
        if (Key == ListKey(List)) return ListText(List, CodeField(Block, List));
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
