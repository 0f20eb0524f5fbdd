#pragma once

#include "protocol/CodeTables.h"
#include "protocol/ModuleParameters.h"

#include <string>
#include <string_view>

// The block as the client shows it: the window's list texts, and numbers.

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
