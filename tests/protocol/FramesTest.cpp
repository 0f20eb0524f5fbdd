#include "protocol/Frames.h"
#include "protocol/CodeTables.h"

#include <gtest/gtest.h>

namespace
{
TEST(Frames, ReadAllIsTheConstantRequest)
{
    const Frame Expected = {0xAF, 0xAF, 0x00, 0x00, 0xAF, 0x80, 0x02, 0x0E, 0, 0,    0,    0,   0,
                            0,    0,    0,    0,    0,    0,    0,    0,    0, 0x9D, 0x0D, 0x0A};
    EXPECT_EQ(BuildReadAll(), Expected);
}

ModuleParameters WindowDefaults()
{
    // baud 9600, parity NO, 433.00 MHz, 2048 chips, Standard, 125K, node 0,
    // net 0, power 7, breath 2s, wake 32ms
    ModuleParameters Block;
    Block.UartBaudCode = CodeForIndex(ParameterList::UartBaud, 3);
    Block.UartParity = CodeForIndex(ParameterList::UartParity, 0);
    Block.FrequencyMHz = 433.00;
    Block.SpreadingCode = CodeForIndex(ParameterList::Spreading, 4);
    Block.RfMode = CodeForIndex(ParameterList::RfMode, 0);
    Block.BandwidthCode = CodeForIndex(ParameterList::Bandwidth, 1);
    SetNodeId(Block, 0);
    Block.NetId = NetIdCode(0);
    Block.PowerLevel = CodeForIndex(ParameterList::Power, 6);
    Block.BreathCode = CodeForIndex(ParameterList::Breath, 0);
    Block.WakeCode = CodeForIndex(ParameterList::Wake, 4);
    return Block;
}

TEST(Frames, WriteAllOfTheWindowDefaults)
{
    ModuleParameters Block = WindowDefaults();
    Block.Command = 0x55; // ignored when sending
    const Frame Expected = {0xAF, 0xAF, 0x00, 0x00, 0xAF, 0x80, 0x01, 0x0E, 0x04,
                            0x00, 0x6C, 0x40, 0x12, 0x0B, 0x00, 0x07, 0x00, 0x00,
                            0x00, 0x07, 0x00, 0x04, 0x7B, 0x0D, 0x0A};
    EXPECT_EQ(BuildWriteAll(Block), Expected);
}

TEST(Frames, SyncAndLineEndBytesInDataAreSentAsTheyAre)
{
    ModuleParameters Block;
    Block.NodeIdHigh = 0xAF;
    Block.NodeIdLow = 0x0D;
    Block.NetId = 0x0A;
    const Frame F = BuildWriteAll(Block);
    EXPECT_EQ(F[16], 0xAF);
    EXPECT_EQ(F[17], 0x0D);
    EXPECT_EQ(F[18], 0x0A);
    EXPECT_EQ(F[22], FrameChecksum(std::span(F.data(), 22)));
}

TEST(Frames, DecodeReadsBackWhatWasBuilt)
{
    const ModuleParameters Block = WindowDefaults();
    const Frame F = BuildFrame(CommandReadAll, Block);
    ModuleParameters Expected = Block;
    Expected.Command = CommandReadAll;
    EXPECT_EQ(DecodeFrameData(F), Expected);
}
} // namespace
