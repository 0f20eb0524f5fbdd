#include "protocol/CodeTables.h"

#include <gtest/gtest.h>

namespace
{
using Action = ListUpdate::Action;
using PL = ParameterList;

struct SendCase
{
    PL List;
    int Index;
    uint8_t Code;
};

TEST(CodeTables, ListIndexGivesWireCodeInEightBitArithmetic)
{
    const SendCase Cases[] = {
        {PL::UartBaud, 0, 1},       {PL::UartBaud, 3, 4},   {PL::UartBaud, 6, 7},
        {PL::UartBaud, 7, 0},       {PL::UartBaud, -1, 0},  {PL::UartParity, 2, 2},
        {PL::UartParity, -1, 0xFF}, {PL::Spreading, 0, 7},  {PL::Spreading, 5, 12},
        {PL::Spreading, -1, 6},     {PL::RfMode, 1, 1},     {PL::RfMode, -1, 0xFF},
        {PL::Bandwidth, 0, 6},      {PL::Bandwidth, 3, 9},  {PL::Bandwidth, -1, 5},
        {PL::Power, 0, 1},          {PL::Power, 6, 7},      {PL::Power, -1, 0},
        {PL::Breath, 4, 4},         {PL::Breath, -1, 0xFF}, {PL::Wake, 5, 5},
        {PL::Wake, -1, 0xFF},
    };
    for (const auto& C : Cases)
        EXPECT_EQ(CodeForIndex(C.List, C.Index), C.Code)
            << "list " << static_cast<int>(C.List) << " index " << C.Index;
}

struct ReceiveCase
{
    PL List;
    uint8_t Code;
    ListUpdate Expected;
};

TEST(CodeTables, ReceivedCodeSelectsLeavesOrClears)
{
    const ListUpdate Leave{};
    const ListUpdate Clear{Action::Clear, -1};
    auto Select = [](int I) { return ListUpdate{Action::Select, I}; };
    const ReceiveCase Cases[] = {
        {PL::UartBaud, 0, Select(7)},   {PL::UartBaud, 1, Select(0)},
        {PL::UartBaud, 7, Select(6)},   {PL::UartBaud, 8, Leave},
        {PL::UartParity, 2, Select(2)}, {PL::UartParity, 3, Leave},
        {PL::Spreading, 6, Leave},      {PL::Spreading, 7, Select(0)},
        {PL::Spreading, 12, Select(5)}, {PL::Spreading, 13, Leave},
        {PL::RfMode, 0, Select(0)},     {PL::RfMode, 3, Leave},
        {PL::Bandwidth, 5, Leave},      {PL::Bandwidth, 6, Select(0)},
        {PL::Bandwidth, 9, Select(3)},  {PL::Bandwidth, 10, Leave},
        {PL::Power, 0, Leave},          {PL::Power, 1, Select(0)},
        {PL::Power, 7, Select(6)},      {PL::Power, 8, Leave},
        {PL::Breath, 4, Select(4)},     {PL::Breath, 5, Clear},
        {PL::Breath, 0xFF, Clear},      {PL::Wake, 0, Select(0)},
        {PL::Wake, 5, Select(5)},       {PL::Wake, 6, Clear},
    };
    for (const auto& C : Cases)
        EXPECT_EQ(IndexForCode(C.List, C.Code), C.Expected)
            << "list " << static_cast<int>(C.List) << " code " << int(C.Code);
}

TEST(CodeTables, EveryEntryRoundTripsThroughItsCode)
{
    for (PL List : AllParameterLists)
        for (int i = 0; i < static_cast<int>(ListEntries(List).size()); ++i)
            EXPECT_EQ(IndexForCode(List, CodeForIndex(List, i)), (ListUpdate{Action::Select, i}));
}

TEST(CodeTables, ClearedBreathListSendsFF)
{
    // A received breath code 5 clears the list; the next write sends index -1.
    ASSERT_EQ(IndexForCode(PL::Breath, 5).What, Action::Clear);
    EXPECT_EQ(CodeForIndex(PL::Breath, IndexForCode(PL::Breath, 5).Index), 0xFF);
}

TEST(CodeTables, NodeAndNetIdPacking)
{
    ModuleParameters Block;
    SetNodeId(Block, 65535);
    EXPECT_EQ(Block.NodeIdHigh, 0xFF);
    EXPECT_EQ(Block.NodeIdLow, 0xFF);
    SetNodeId(Block, 258.9);
    EXPECT_EQ(Block.NodeIdHigh, 0x01);
    EXPECT_EQ(Block.NodeIdLow, 0x02);
    EXPECT_EQ(NodeId(Block), 258);
    EXPECT_EQ(NetIdCode(255.7), 255);
    EXPECT_EQ(NetIdCode(256), 0);
}

TEST(CodeTables, EntriesFoundIgnoringCase)
{
    EXPECT_EQ(FindListEntry(PL::Bandwidth, "62.5k"), 0);
    EXPECT_EQ(FindListEntry(PL::UartParity, "even"), 2);
    EXPECT_EQ(FindListEntry(PL::Wake, "64MS"), 5);
    EXPECT_EQ(FindListEntry(PL::Spreading, "4097"), std::nullopt);
    EXPECT_EQ(FindListEntry(PL::RfMode, ""), std::nullopt);
}
} // namespace

TEST(CodeTables, UartBaudCodesAndRatesMapBothWays)
{
    const std::pair<uint8_t, int> Known[] = {{1, 1200},   {4, 9600}, {7, 57600},
                                             {0, 115200}, {8, 0},    {0xFF, 0}};
    for (const auto& [Code, Rate] : Known)
        EXPECT_EQ(BaudRateForCode(Code), Rate) << int(Code);
    EXPECT_EQ(CodeForBaudRate(115200), uint8_t{0});
    EXPECT_EQ(CodeForBaudRate(38400), uint8_t{6});
    EXPECT_FALSE(CodeForBaudRate(300));
    EXPECT_FALSE(CodeForBaudRate(0));
}
