#pragma once

#include "protocol/CodeTables.h"
#include "protocol/ModuleParameters.h"

#include <string>
#include <string_view>

// The block as the client shows it: the window's list texts, and numbers.

// Every parameter the client shows and takes, in the order it shows them:
// its JSON key and the write option that sets it.
struct ShownParameter
{
    std::string_view Key;
    std::string_view Option;
};
inline constexpr ShownParameter ShownParameters[] = {
    {"frequency_mhz", "--frequency"},
    {"spreading", "--spreading"},
    {"rf_mode", "--rf-mode"},
    {"bandwidth", "--bandwidth"},
    {"uart_baud", "--uart-baud"},
    {"uart_parity", "--uart-parity"},
    {"power", "--power"},
    {"node_id", "--node-id"},
    {"net_id", "--net-id"},
    {"breath", "--breath"},
    {"wake", "--wake"},
};

// JSON key of a list ("spreading", "rf_mode", "bandwidth", "uart_baud",
// "uart_parity", "power", "breath", "wake").
std::string_view ListKey(ParameterList List);

// The list text for Code ("2048", "Node"...), or the code as a number when
// the list has no entry for it.
std::string ListText(ParameterList List, uint8_t Code);
// True when ListText gives an entry text rather than a number.
bool IsListed(ParameterList List, uint8_t Code);

// One JSON object with the keys frequency_mhz (two decimals), spreading,
// rf_mode, bandwidth, uart_baud, uart_parity, power, node_id, net_id, breath,
// wake; list values are strings, or numbers for codes outside the table.
std::string BlockToJson(const ModuleParameters& Block);

// One "key value" line per parameter, for people.
std::string BlockToLines(const ModuleParameters& Block);

// The JSON key of the parameter a frame position carries ("node_id" for 16
// and 17...), "checksum" for the checksum byte; empty elsewhere.
std::string_view KeyAtFramePosition(size_t Position);
// The value of Key in Block as the client shows it ("868.50", "Node", "258").
std::string ValueText(const ModuleParameters& Block, std::string_view Key);
// One line per byte pair of Block's replies that the framer cannot read
// past, naming the values that make it; empty when the block can be read.
std::string DescribeHazards(const ModuleParameters& Block);
