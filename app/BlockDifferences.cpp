#include "app/BlockDifferences.h"

#include "protocol/CodeTables.h"
#include "protocol/Frames.h"

#include <cstdio>

namespace
{
std::string Frequency(double MHz)
{
    char Text[32];
    std::snprintf(Text, sizeof Text, "%.2f", MHz);
    return Text;
}

// The list entry the window shows for Code, or the code itself when the
// list has none.
std::string ListValue(ParameterList List, const ModuleParameters& Block)
{
    const uint8_t Code = CodeField(Block, List);
    const ListUpdate Update = IndexForCode(List, Code);
    if (Update.What != ListUpdate::Action::Select) return "code " + std::to_string(Code);
    return std::string(ListEntries(List)[static_cast<size_t>(Update.Index)]);
}

using Block = ModuleParameters;

// The window's fields in the order it fills them from a reply.
const struct
{
    const char* Name;
    std::string (*Value)(const Block&);
} Fields[] = {
    {"frequency", [](const Block& B) { return Frequency(B.FrequencyMHz); }},
    {"spreading factor", [](const Block& B) { return ListValue(ParameterList::Spreading, B); }},
    {"RF mode", [](const Block& B) { return ListValue(ParameterList::RfMode, B); }},
    {"bandwidth", [](const Block& B) { return ListValue(ParameterList::Bandwidth, B); }},
    {"node ID", [](const Block& B) { return std::to_string(NodeId(B)); }},
    {"net ID", [](const Block& B) { return std::to_string(B.NetId); }},
    {"power", [](const Block& B) { return ListValue(ParameterList::Power, B); }},
    {"module baud rate", [](const Block& B) { return ListValue(ParameterList::UartBaud, B); }},
    {"module parity", [](const Block& B) { return ListValue(ParameterList::UartParity, B); }},
    {"breath", [](const Block& B) { return ListValue(ParameterList::Breath, B); }},
    {"wake timer", [](const Block& B) { return ListValue(ParameterList::Wake, B); }},
};
} // namespace

std::string DescribeBlockDifferences(const ModuleParameters& Sent, const ModuleParameters& Held)
{
    const ModuleParameters Wire = DecodeFrameData(BuildWriteAll(Sent));
    std::string Text;
    for (const auto& Field : Fields)
    {
        const std::string Wrote = Field.Value(Wire), Holds = Field.Value(Held);
        if (Wrote != Holds)
            Text += (Text.empty() ? "" : "; ") + std::string(Field.Name) + ": sent " + Wrote +
                    ", module holds " + Holds;
    }
    return Text;
}
