#include "protocol/ReplyHazards.h"

#include "protocol/CodeTables.h"
#include "protocol/DefaultParameters.h"
#include "protocol/ReplyFramer.h"

#include <gtest/gtest.h>

#include <random>

namespace
{
using Kind = ReplyHazard::Kind;

// True when the framer reads Reply back as one good frame with its data.
bool FramerReadsBack(const Frame& Reply)
{
    int Good = 0, Other = 0;
    ModuleParameters Got;
    ReplyFramer Framer(
        [&](int Flag, const ModuleParameters* Block)
        {
            if (Flag == 0 && Block)
            {
                ++Good;
                Got = *Block;
            }
            else
            {
                ++Other;
            }
        });
    for (uint8_t Byte : Reply)
        Framer.Feed(Byte);
    return Good == 1 && Other == 0 && Got == DecodeFrameData(Reply);
}

TEST(ReplyHazards, ValuesWhoseReplyCannotBeReadAreFoundAtTheirBytes)
{
    auto WithNode = [](int Node, int Net)
    {
        ModuleParameters Block = DefaultParameters();
        SetNodeId(Block, Node);
        Block.NetId = static_cast<uint8_t>(Net);
        return Block;
    };
    auto WithFrequency = [](double MHz)
    {
        ModuleParameters Block = DefaultParameters();
        Block.FrequencyMHz = MHz;
        return Block;
    };
    const struct
    {
        const char* Name;
        ModuleParameters Block;
        std::vector<ReplyHazard> Expected;
    } Cases[] = {
        {"defaults", DefaultParameters(), {}},
        {"node 44975 (AF AF)", WithNode(44975, 0), {{Kind::SyncPair, 16}}},
        {"node 175 with net 175", WithNode(175, 175), {{Kind::SyncPair, 17}}},
        {"node 175 with net 174", WithNode(175, 174), {}},
        {"node 3338 (0D 0A)", WithNode(3338, 0), {{Kind::LineEnd, 16}}},
        {"702.74 MHz", WithFrequency(702.74), {{Kind::SyncPair, 10}}},
        {"52.16 MHz", WithFrequency(52.16), {{Kind::LineEnd, 10}}},
    };
    for (const auto& Case : Cases)
    {
        EXPECT_EQ(FindBlockHazards(Case.Block), Case.Expected) << Case.Name;
        const bool Readable = Case.Expected.empty();
        EXPECT_EQ(FramerReadsBack(BuildFrame(CommandReadAll, Case.Block)), Readable) << Case.Name;
    }
}

TEST(ReplyHazards, AgreeWithTheFramerOnEveryFrame)
{
    // Data drawn from the bytes that matter, so that pairs are common; a
    // frame is free of hazards exactly when the framer reads it back.
    std::mt19937 Random(7);
    const uint8_t Alphabet[] = {0xAF, 0x0D, 0x0A, 0x00, 0x01};
    std::uniform_int_distribution<size_t> Pick(0, sizeof Alphabet - 1);
    int Unreadable = 0;
    for (int Round = 0; Round < 20000; ++Round)
    {
        Frame Reply = BuildReadAll();
        for (size_t At = FrameDataStart; At < FrameChecksumPosition; ++At)
            Reply[At] = Alphabet[Pick(Random)];
        Reply[FrameChecksumPosition] =
            FrameChecksum(std::span(Reply.data(), FrameChecksumPosition));
        const bool Clean = FindReplyHazards(Reply).empty();
        ASSERT_EQ(Clean, FramerReadsBack(Reply)) << "round " << Round;
        Unreadable += Clean ? 0 : 1;
    }
    EXPECT_GT(Unreadable, 1000);
}

TEST(ReplyHazards, AChecksumThatCompletesAPairCounts)
{
    // Checksum AF after a last data byte AF, and 0A after a last data byte 0D.
    Frame Reply = BuildReadAll();
    Reply[21] = 0xAF;
    Reply[FrameChecksumPosition] = 0xAF;
    EXPECT_EQ(FindReplyHazards(Reply), (std::vector<ReplyHazard>{{Kind::SyncPair, 21}}));
    Reply[21] = 0x0D;
    Reply[FrameChecksumPosition] = 0x0A;
    EXPECT_EQ(FindReplyHazards(Reply), (std::vector<ReplyHazard>{{Kind::LineEnd, 21}}));
}
} // namespace
