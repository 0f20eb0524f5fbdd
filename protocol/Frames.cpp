#include "protocol/Frames.h"

#include "protocol/Frequency.h"

#include <cassert>
#include <cstring>

uint8_t FrameChecksum(std::span<const uint8_t> Bytes)
{
    unsigned Sum = 0;
    for (uint8_t B : Bytes)
        Sum += B;
    return static_cast<uint8_t>(Sum & 0xFF);
}

Frame BuildFrame(uint8_t Command, const ModuleParameters& Block)
{
    Frame F{};
    const uint8_t Header[] = {FrameSync, FrameSync, 0x00,    0x00,
                              0xAF,      0x80,      Command, static_cast<uint8_t>(FrameDataLength)};
    std::memcpy(F.data(), Header, sizeof Header);
    F[8] = Block.UartBaudCode;
    F[9] = Block.UartParity;
    const uint32_t Code = EncodeFrequency(Block.FrequencyMHz);
    F[10] = static_cast<uint8_t>((Code >> 16) & 0xFF);
    F[11] = static_cast<uint8_t>((Code & 0xFFFF) >> 8);
    F[12] = static_cast<uint8_t>(Code & 0xFF);
    const uint8_t Tail[] = {Block.SpreadingCode, Block.RfMode,     Block.BandwidthCode,
                            Block.NodeIdHigh,    Block.NodeIdLow,  Block.NetId,
                            Block.PowerLevel,    Block.BreathCode, Block.WakeCode};
    std::memcpy(F.data() + 13, Tail, sizeof Tail);
    F[FrameChecksumPosition] = FrameChecksum(std::span(F.data(), FrameChecksumPosition));
    F[23] = 0x0D;
    F[24] = 0x0A;
    return F;
}

Frame BuildReadAll()
{
    // A zero block has an all-zero data area; the checksum comes out as 0x9D.
    return BuildFrame(CommandReadAll, ModuleParameters{});
}

Frame BuildWriteAll(const ModuleParameters& Block)
{
    return BuildFrame(CommandWriteAll, Block);
}

ModuleParameters DecodeFrameData(std::span<const uint8_t> Bytes)
{
    assert(Bytes.size() >= FrameChecksumPosition);
    ModuleParameters Block;
    Block.Command = Bytes[6];
    Block.UartBaudCode = Bytes[8];
    Block.UartParity = Bytes[9];
    Block.FrequencyMHz = DecodeFrequency(Bytes[10], Bytes[11], Bytes[12]);
    Block.SpreadingCode = Bytes[13];
    Block.RfMode = Bytes[14];
    Block.BandwidthCode = Bytes[15];
    Block.NodeIdHigh = Bytes[16];
    Block.NodeIdLow = Bytes[17];
    Block.NetId = Bytes[18];
    Block.PowerLevel = Bytes[19];
    Block.BreathCode = Bytes[20];
    Block.WakeCode = Bytes[21];
    return Block;
}
