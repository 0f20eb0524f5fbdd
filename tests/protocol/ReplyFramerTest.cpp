#include "protocol/ReplyFramer.h"
#include "protocol/Frames.h"

#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <vector>

namespace
{
using Bytes = std::vector<uint8_t>;

struct Event
{
    int Flag;
    std::optional<ModuleParameters> Block;
};

// Feeds bytes into a framer and records every completion.
struct Recorder
{
    std::vector<Event> Events;
    ReplyFramer Framer{[this](int Flag, const ModuleParameters* Block) {
        Events.push_back({Flag, Block ? std::optional(*Block) : std::nullopt});
    }};

    void Feed(const Bytes& Stream)
    {
        for (uint8_t B : Stream)
            Framer.Feed(B);
    }
};

ModuleParameters SampleBlock()
{
    ModuleParameters Block;
    Block.UartBaudCode = 4;
    Block.FrequencyMHz = 433.0;
    Block.SpreadingCode = 11;
    Block.BandwidthCode = 7;
    Block.NodeIdHigh = 1;
    Block.NodeIdLow = 2;
    Block.NetId = 3;
    Block.PowerLevel = 7;
    Block.WakeCode = 4;
    return Block;
}

Bytes Reply(const ModuleParameters& Block = SampleBlock())
{
    const Frame F = BuildFrame(CommandReadAll, Block);
    return Bytes(F.begin(), F.end());
}

ModuleParameters Decoded(const Bytes& Frame)
{
    return DecodeFrameData(Frame);
}

Bytes Concat(std::initializer_list<Bytes> Parts)
{
    Bytes Out;
    for (const auto& P : Parts)
        Out.insert(Out.end(), P.begin(), P.end());
    return Out;
}

Bytes WithByte(Bytes Frame, size_t At, uint8_t Value)
{
    Frame[At] = Value;
    return Frame;
}

// A frame with its data cut short by CR LF at positions 10 and 11.
Bytes CutAtFrequency(const Bytes& Frame)
{
    Bytes Out(Frame.begin(), Frame.begin() + 10);
    Out.push_back(0x0D);
    Out.push_back(0x0A);
    return Out;
}

struct FramerCase
{
    const char* Name;
    Bytes Stream;
    std::vector<Event> Expected;
};

TEST(ReplyFramer, Streams)
{
    const Bytes Good = Reply();
    const Bytes BadChecksum = WithByte(Good, 22, static_cast<uint8_t>(Good[22] + 1));

    // An earlier reply whose frequency bytes add up to 0D + 0A leaves a
    // checksum in the buffer that a cut-short reply would seem to match.
    Bytes Earlier = WithByte(WithByte(Good, 10, 0x17), 11, 0x00);
    Earlier[22] = FrameChecksum(std::span(Earlier.data(), 22));
    const Bytes CutShort = CutAtFrequency(Earlier);

    Bytes LengthZero = {0xAF, 0xAF, 0x00, 0x00, 0xAF, 0x80, 0x02, 0x00};
    LengthZero.push_back(FrameChecksum(LengthZero));
    LengthZero.insert(LengthZero.end(), {0x0D, 0x0A});

    // Frequency code with an AF AF pair: the frame restarts at the pair.
    const Bytes SyncInData = WithByte(WithByte(Good, 11, 0xAF), 12, 0xAF);

    // A lone line feed inside the data is stored like any other byte.
    Bytes LoneLineFeed = WithByte(Good, 18, 0x0A);
    LoneLineFeed[22] = FrameChecksum(std::span(LoneLineFeed.data(), 22));

    // Length 20: six extra data bytes; decoding still uses positions 8..21.
    Bytes Longer(Good.begin(), Good.begin() + 22);
    Longer[7] = 20;
    Longer.insert(Longer.end(), {1, 2, 3, 4, 5, 6});
    Longer.push_back(FrameChecksum(Longer));
    Longer.insert(Longer.end(), {0x0D, 0x0A});

    // Length 14 allows 29 bytes before the terminator; the 30th drops it.
    Bytes OverLength(Good.begin(), Good.begin() + 22);
    OverLength.insert(OverLength.end(), 8, 0x11);
    OverLength.insert(OverLength.end(), {0x0D, 0x0A});

    // Only lone 0xAF and line-feed bytes escape the length check, so they are
    // what can fill a frame up to the 512-byte limit.
    Bytes Overflow = {0xAF, 0xAF, 0x00, 0x00, 0xAF, 0x80, 0x02, 0xFF};
    while (Overflow.size() < 513)
        Overflow.insert(Overflow.end(), {0xAF, 0x0A});

    // The end needs more than nine bytes, counted from the pair that started
    // the frame last: a restart begins the count again.
    const Bytes Restart = {0xAF, 0xAF, 0x11, 0x22};
    const Bytes Header = {0xAF, 0xAF, 0x00, 0x00, 0xAF, 0x80, 0x02};
    const Bytes TenBytes = Concat({Header, {0x0E, 0x0D, 0x0A}});

    const FramerCase Cases[] = {
        {"CR LF as the stream's ninth and tenth byte, after a restart",
         Concat({Restart, {0xAF, 0xAF, 0x01, 0x02, 0x0D, 0x0A}}),
         {}},
        {"nine bytes after a restart", Concat({Restart, Header, {0x0D, 0x0A}}), {}},
        {"ten bytes after a restart", Concat({Restart, TenBytes}), {{1, std::nullopt}}},
        {"ten-byte frame", TenBytes, {{1, std::nullopt}}},
        {"valid reply", Good, {{0, Decoded(Good)}}},
        {"bad checksum", BadChecksum, {{1, std::nullopt}}},
        {"noise before the first pair",
         Concat({{0x01, 0xAF, 0x0D, 0x0A, 0x55}, Good}),
         {{0, Decoded(Good)}}},
        {"noise alone", {0x0D, 0x0A, 0xAF, 0x0A, 0x13, 0xAF, 0x0D, 0x0A}, {}},
        {"sync pair inside data restarts the frame", SyncInData, {{1, std::nullopt}}},
        {"cut short after an earlier reply",
         Concat({Earlier, CutShort}),
         {{0, Decoded(Earlier)}, {1, std::nullopt}}},
        {"length byte zero after a reply",
         Concat({Good, LengthZero}),
         {{0, Decoded(Good)}, {1, std::nullopt}}},
        {"line feed without carriage return", LoneLineFeed, {{0, Decoded(LoneLineFeed)}}},
        {"longer frame", Longer, {{0, Decoded(Longer)}}},
        {"over length is dropped", Concat({OverLength, Good}), {{0, Decoded(Good)}}},
        {"513 bytes reset, next pair starts afresh",
         Concat({Overflow, {0x0D, 0x0A}, Good}),
         {{0, Decoded(Good)}}},
        {"pair restarts a frame in progress",
         Concat({Bytes(Good.begin(), Good.begin() + 15), Good}),
         {{0, Decoded(Good)}}},
    };
    for (const auto& C : Cases)
    {
        Recorder R;
        R.Feed(C.Stream);
        ASSERT_EQ(R.Events.size(), C.Expected.size()) << C.Name;
        for (size_t i = 0; i < C.Expected.size(); ++i)
        {
            EXPECT_EQ(R.Events[i].Flag, C.Expected[i].Flag) << C.Name << " event " << i;
            EXPECT_EQ(R.Events[i].Block, C.Expected[i].Block) << C.Name << " event " << i;
        }
    }
}

TEST(ReplyFramer, StateAfterPairOverflowAndCompletion)
{
    Recorder R;
    R.Feed({0x33, 0xAF});
    EXPECT_FALSE(R.Framer.InFrame());
    EXPECT_EQ(R.Framer.SyncCount(), 1);
    R.Feed({0xAF});
    EXPECT_TRUE(R.Framer.InFrame());
    EXPECT_EQ(R.Framer.Position(), 2);
    EXPECT_EQ(R.Framer.SyncCount(), 0);

    for (int i = 0; i < 255; ++i)
        R.Feed({0xAF, 0x0A});
    EXPECT_EQ(R.Framer.Position(), 512);
    R.Feed({0xAF});
    EXPECT_EQ(R.Framer.Position(), 0);
    EXPECT_FALSE(R.Framer.InFrame());

    R.Feed(Reply());
    EXPECT_EQ(R.Events.size(), 1u);
    EXPECT_EQ(R.Framer.Position(), 0);
    EXPECT_EQ(R.Framer.Buffer()[22], Reply()[22]); // the buffer keeps the last frame
}

// A random frame whose bytes contain neither an AF AF pair after the sync nor
// CR LF before its end, so it reaches the framer intact.
Bytes RandomIntactFrame(std::mt19937& Random, bool CorruptChecksum)
{
    for (;;)
    {
        ModuleParameters Block;
        auto Byte = [&] { return static_cast<uint8_t>(Random()); };
        Block.UartBaudCode = Byte();
        Block.UartParity = Byte();
        Block.FrequencyMHz = (Random() % 99000) / 100.0;
        Block.SpreadingCode = Byte();
        Block.RfMode = Byte();
        Block.BandwidthCode = Byte();
        Block.NodeIdHigh = Byte();
        Block.NodeIdLow = Byte();
        Block.NetId = Byte();
        Block.PowerLevel = Byte();
        Block.BreathCode = Byte();
        Block.WakeCode = Byte();
        Bytes F = Reply(Block);
        if (CorruptChecksum) F[22] = static_cast<uint8_t>(F[22] ^ (1 + Random() % 255));
        bool Clean = true;
        for (size_t i = 2; i + 1 < F.size() && Clean; ++i)
            Clean = !(F[i] == 0xAF && F[i + 1] == 0xAF) &&
                    !(F[i] == 0x0D && F[i + 1] == 0x0A && i + 2 < F.size());
        if (Clean) return F;
    }
}

TEST(ReplyFramer, RandomStreamsWithFramesMixedIn)
{
    std::mt19937 Random(20261210);
    // Noise never holds 0xAF (so it starts no frame) or 0x0A (so it ends
    // none); cut-off frames in it are dropped without an event.
    auto Noise = [&](size_t Count)
    {
        Bytes Out;
        while (Out.size() < Count)
        {
            const auto B = static_cast<uint8_t>(Random());
            if (B != 0xAF && B != 0x0A) Out.push_back(B);
        }
        return Out;
    };
    for (int Round = 0; Round < 50; ++Round)
    {
        Recorder R;
        std::vector<Event> Expected;
        for (int Piece = 0; Piece < 200; ++Piece)
        {
            R.Feed(Noise(Random() % 40));
            switch (Random() % 4)
            {
            case 0:
            {
                // A frame cut off; a trailing lone 0xAF would pair with the
                // next frame's sync, so the cut never ends on one.
                Bytes F = RandomIntactFrame(Random, false);
                Bytes Part(F.begin(), F.begin() + 2 + Random() % 20);
                if (Part.back() == 0xAF) Part.push_back(0x11);
                R.Feed(Part);
                break;
            }
            case 1:
            {
                R.Feed(RandomIntactFrame(Random, true));
                Expected.push_back({1, std::nullopt});
                break;
            }
            default:
            {
                const Bytes F = RandomIntactFrame(Random, false);
                R.Feed(F);
                Expected.push_back({0, Decoded(F)});
            }
            }
            ASSERT_LE(R.Framer.Position(), ReplyFramer::MaxFrameBytes);
        }
        ASSERT_EQ(R.Events.size(), Expected.size()) << "round " << Round;
        for (size_t i = 0; i < Expected.size(); ++i)
        {
            ASSERT_EQ(R.Events[i].Flag, Expected[i].Flag) << "round " << Round << " event " << i;
            ASSERT_EQ(R.Events[i].Block, Expected[i].Block) << "round " << Round << " event " << i;
        }
    }
}

TEST(ReplyFramer, ArbitraryBytesKeepPositionInBounds)
{
    std::mt19937 Random(99);
    // Bias towards the bytes the framer reacts to.
    const uint8_t Special[] = {0xAF, 0x0D, 0x0A, 0x00, 0x0E, 0xFF};
    Recorder R;
    for (int i = 0; i < 2'000'000; ++i)
    {
        const uint8_t B =
            (Random() % 3 == 0) ? Special[Random() % 6] : static_cast<uint8_t>(Random());
        R.Framer.Feed(B);
        ASSERT_GE(R.Framer.Position(), 0);
        ASSERT_LE(R.Framer.Position(), ReplyFramer::MaxFrameBytes);
    }
    for (const auto& E : R.Events)
        EXPECT_EQ(E.Flag == 0, E.Block.has_value());
}
} // namespace
