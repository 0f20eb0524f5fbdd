#include "tools/cli/BlockText.h"

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
