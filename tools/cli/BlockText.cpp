#include "tools/cli/BlockText.h"

#include "protocol/Frames.h"
#include "protocol/ReplyHazards.h"

#include <cstdio>

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
