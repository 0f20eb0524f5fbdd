#include "protocol/BlockJson.h"

#include "protocol/DefaultParameters.h"
#include "protocol/Frames.h"

#include <gtest/gtest.h>

namespace
{
TEST(BlockJson, CodesOutsideATableAreShownAsNumbers)
{
    ModuleParameters Block = DefaultParameters();
    Block.SpreadingCode = 13;
    Block.UartBaudCode = 0; // 115200 is code 0
    Block.BreathCode = 5;
    Block.NodeIdHigh = 1;
    Block.NodeIdLow = 2;
    Block.FrequencyMHz = 22.8;
    EXPECT_EQ(
        BlockToJson(Block),
        "{\"frequency_mhz\": 22.80, \"spreading\": 13, \"rf_mode\": \"Standard\", \"bandwidth\": "
        "\"125K\", "
        "\"uart_baud\": \"115200\", \"uart_parity\": \"NO\", \"power\": \"7\", \"node_id\": 258, "
        "\"net_id\": 0, \"breath\": 5, \"wake\": \"32ms\"}");
}

TEST(BlockJson, ParameterValuesAreCheckedAgainstTheTables)
{
    const struct
    {
        const char* Key;
        const char* Value;
        bool Accepted;
    } Cases[] = {
        {"frequency_mhz", "0", true},
        {"frequency_mhz", "99.99", true},
        {"frequency_mhz", "100", false},
        {"frequency_mhz", "139.99", false},
        {"frequency_mhz", "140", true},
        {"frequency_mhz", "990", true},
        {"frequency_mhz", "990.01", false},
        {"frequency_mhz", "nan", false},
        {"frequency_mhz", "", false},
        {"node_id", "65535", true},
        {"node_id", "-1", false},
        {"node_id", "1e3", false},
        {"net_id", "255", true},
        {"net_id", "256", false},
        {"uart_baud", "115200", true},
        {"uart_baud", "230400", false},
        {"uart_parity", "even", true},
        {"bandwidth", "62.5K", true},
        {"rf_mode", "CENTRAL", true},
        {"wake", "64ms", true},
        {"wake", "128ms", false},
        {"breath", "2", false},
        {"speed", "1", false},
    };
    for (const auto& Case : Cases)
    {
        ModuleParameters Block = DefaultParameters();
        const ModuleParameters Before = Block;
        std::string Error;
        EXPECT_EQ(SetParameter(Block, Case.Key, Case.Value, Error), Case.Accepted)
            << Case.Key << "=" << Case.Value;
        EXPECT_EQ(Error.empty(), Case.Accepted) << Case.Key;
        if (!Case.Accepted)
        {
            EXPECT_EQ(Block, Before) << Case.Key;
        }
    }
}

TEST(BlockJson, ListValuesBecomeTheirWireCodes)
{
    ModuleParameters Block;
    std::string Error;
    ASSERT_TRUE(SetParameter(Block, "uart_baud", "115200", Error));
    ASSERT_TRUE(SetParameter(Block, "spreading", "128", Error));
    ASSERT_TRUE(SetParameter(Block, "node_id", "258", Error));
    EXPECT_EQ(Block.UartBaudCode, 0);
    EXPECT_EQ(Block.SpreadingCode, 7);
    EXPECT_EQ(Block.NodeIdHigh, 1);
    EXPECT_EQ(Block.NodeIdLow, 2);
}

TEST(BlockJson, FlatJsonObjectsOnly)
{
    NamedValues Values;
    std::string Error;
    ASSERT_TRUE(ParseFlatJsonObject(" {\"a\": \"x\\\"y\", \"b\" : -1.5e2 ,\"c\":\"\\u0041\"}\n",
                                    Values, Error))
        << Error;
    EXPECT_EQ(Values, (NamedValues{{"a", "x\"y"}, {"b", "-1.5e2"}, {"c", "A"}}));
    EXPECT_TRUE(ParseFlatJsonObject("{}", Values, Error));

    for (const char* Bad :
         {"", "[]", "{", "{\"a\"}", "{\"a\": true}", "{\"a\": {\"b\": 1}}", "{\"a\": 1,}",
          "{\"a\": 1} x", "{\"a\": \"\\u00e9\"}", "{\"a\": \"\\q\"}", "{\"a\": 1, \"a\": 2}",
          "{\"a\": --1}", "{\"a\": \"line\nbreak\"}"})
    {
        EXPECT_FALSE(ParseFlatJsonObject(Bad, Values, Error)) << Bad;
        EXPECT_FALSE(Error.empty());
    }
    EXPECT_FALSE(ParseFlatJsonObject(std::string(70000, ' '), Values, Error));
}

TEST(BlockJson, AFileAppliesWhollyOrNotAtAllAndNamesTheLine)
{
    const struct
    {
        const char* Text;
        const char* Error; // empty: applied
    } Cases[] = {
        {"{\"net_id\": 9,\n \"rf_mode\": \"node\"}\n", ""},
        {"{\"net_id\": 9,\n \"colour\": \"red\"}", "line 2: unknown parameter 'colour'"},
        {"{\"net_id\": 9,\n\n \"node_id\": 70000}",
         "line 3: node_id '70000' is not an integer from 0 to 65535"},
        {"{\"net_id\": 9,\n \"wake\": true}", "JSON: expected a string or a number at line 2"},
        {"{\"net_id\": 9\n", "JSON: expected ',' or '}' at line 2"},
    };
    for (const auto& Case : Cases)
    {
        const ModuleParameters Before = DefaultParameters();
        ModuleParameters Block = Before;
        std::string Error;
        const bool Applied = ApplyBlockJson(Case.Text, Block, Error);
        EXPECT_EQ(Applied, *Case.Error == 0) << Case.Text;
        if (Applied)
        {
            EXPECT_EQ(Block.NetId, 9);
            EXPECT_EQ(Block.RfMode, CodeForIndex(ParameterList::RfMode, 2));
            EXPECT_EQ(Block.FrequencyMHz, Before.FrequencyMHz);
        }
        else
        {
            EXPECT_EQ(Block, Before) << Case.Text;
            EXPECT_EQ(Error.rfind(Case.Error, 0), 0u) << Error;
        }
    }
}

TEST(BlockJson, WhatIsWrittenReadsBackToTheSameBlock)
{
    ModuleParameters Block = DefaultParameters();
    std::string Error;
    ASSERT_TRUE(ApplyBlockJson("{\"frequency_mhz\": 868.5, \"spreading\": \"128\", "
                               "\"node_id\": 258, \"wake\": \"4ms\"}",
                               Block, Error));
    // Every value is in the file: nothing of the block it is read into stays.
    ModuleParameters Reread;
    ASSERT_TRUE(ApplyBlockJson(BlockToJson(Block), Reread, Error)) << Error;
    EXPECT_EQ(BuildWriteAll(Reread), BuildWriteAll(Block));
}
} // namespace
