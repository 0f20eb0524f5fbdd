#include "protocol/FrameHazard.h"

namespace
{
bool IsBoundary(uint8_t First, uint8_t Second)
{
    return (First == FrameSync && Second == FrameSync) || (First == 0x0D && Second == 0x0A);
}
} // namespace

std::optional<FrameHazard> FindFrameHazard(const Frame& Bytes)
{
    // The bytes before the data are fixed and harmless; the checksum is
    // followed by the real CR LF, which only pairs with it as 0D 0D.
    for (size_t I = FrameDataStart; I < FrameChecksumPosition; ++I)
        if (IsBoundary(Bytes[I], Bytes[I + 1]))
            return FrameHazard{Bytes[6], I, Bytes[I], Bytes[I + 1]};
    return std::nullopt;
}

std::optional<FrameHazard> FindBlockHazard(const ModuleParameters& Block)
{
    // The answer to a write repeats the request, so two frames cover all
    // three: command 0x01 (request and its answer) and 0x02 (a read's answer).
    for (uint8_t Command : {CommandWriteAll, CommandReadAll})
        if (auto Hazard = FindFrameHazard(BuildFrame(Command, Block))) return Hazard;
    return std::nullopt;
}

const char* FramePositionName(size_t Position)
{
    static const char* const Names[] = {
        "module baud rate", "module parity", "frequency", "frequency", "frequency",
        "spreading factor", "RF mode",       "bandwidth", "node ID",   "node ID",
        "net ID",           "power",         "breath",    "wake timer"};
    if (Position < FrameDataStart) return "header";
    if (Position < FrameChecksumPosition) return Names[Position - FrameDataStart];
    if (Position == FrameChecksumPosition) return "checksum";
    return "end";
}
