#include "protocol/FrameHazard.h"

#include "protocol/CodeTables.h"
#include "protocol/ReplyFramer.h"

#include <gtest/gtest.h>

#include <optional>

namespace
{
// The window's defaults: 433 MHz, 2048 chips, Standard, 125K, 9600 NO,
// power 7, breath 2s, wake 32ms, IDs 0.
ModuleParameters Defaults()
{
    ModuleParameters B;
    B.UartBaudCode = 4;
    B.FrequencyMHz = 433.0;
    B.SpreadingCode = 11;
    B.BandwidthCode = 7;
    B.PowerLevel = 7;
    B.WakeCode = 4;
    return B;
}

// Whether the framer reads Bytes back as one good frame.
bool FramerReads(const Frame& Bytes)
{
    int Good = 0, Calls = 0;
    ReplyFramer Framer(
        [&](int Flag, const ModuleParameters*)
        {
            ++Calls;
            Good += Flag == 0;
        });
    for (uint8_t B : Bytes)
        Framer.Feed(B);
    return Calls == 1 && Good == 1;
}

TEST(FrameHazard, FindsTheBytePairsTheFramerWouldMisread)
{
    const struct
    {
        const char* What;
        int NodeId;
        int NetId;
        std::optional<size_t> Position;
    } Cases[] = {
        {"defaults", 0, 0, std::nullopt},
        {"node ID AF AF", 0xAFAF, 0, 16},
        {"node ID 0D 0A", 0x0D0A, 0, 16},
        {"node low 0D, net 0A", 0x000D, 0x0A, 17},
        {"node low AF, net AF", 0x00AF, 0xAF, 17},
        {"0A 0D is harmless", 0x0A0D, 0, std::nullopt},
        {"a single AF is harmless", 0x00AF, 0, std::nullopt},
    };
    for (const auto& C : Cases)
    {
        ModuleParameters B = Defaults();
        SetNodeId(B, C.NodeId);
        B.NetId = NetIdCode(C.NetId);
        const auto Hazard = FindBlockHazard(B);
        ASSERT_EQ(Hazard.has_value(), C.Position.has_value()) << C.What;
        if (Hazard)
        {
            EXPECT_EQ(Hazard->Position, *C.Position) << C.What;
        }
        // The check agrees with the framer itself.
        EXPECT_EQ(!Hazard, FramerReads(BuildFrame(CommandWriteAll, B)) &&
                               FramerReads(BuildFrame(CommandReadAll, B)))
            << C.What;
    }
}

TEST(FrameHazard, CoversTheChecksumOfTheReadAnswer)
{
    // Search a block whose write frame is clean but whose answer to a read
    // (command 02, checksum one higher) ends in 0D 0A through the checksum.
    ModuleParameters B = Defaults();
    B.WakeCode = 0x0D;
    for (int Net = 0; Net < 256; ++Net)
    {
        B.NetId = static_cast<uint8_t>(Net);
        const Frame Read = BuildFrame(CommandReadAll, B);
        if (Read[FrameChecksumPosition] != 0x0A) continue;
        EXPECT_FALSE(FindFrameHazard(BuildFrame(CommandWriteAll, B)).has_value());
        const auto Hazard = FindBlockHazard(B);
        ASSERT_TRUE(Hazard.has_value());
        EXPECT_EQ(*Hazard, (FrameHazard{CommandReadAll, 21, 0x0D, 0x0A}));
        EXPECT_STREQ(FramePositionName(Hazard->Position), "wake timer");
        EXPECT_STREQ(FramePositionName(Hazard->Position + 1), "checksum");
        return;
    }
    FAIL() << "no net ID gives a read checksum of 0A";
}
} // namespace
