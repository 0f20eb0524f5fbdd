#pragma once

#include "protocol/CodeTables.h"
#include "protocol/ModuleParameters.h"

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The block file both programs share: one flat JSON object of the block's
// values as the window's lists name them, and numbers. The client prints it
// (read --json) and takes it (write --json-file); the window saves and loads
// it as a preset.

// Every parameter the file holds, in the order it is written: its JSON key
// and the client's write option that sets it.
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

// The value of Key in Block as the file shows it ("868.50", "Node", "258").
std::string ValueText(const ModuleParameters& Block, std::string_view Key);

// One JSON object with the keys frequency_mhz (two decimals), spreading,
// rf_mode, bandwidth, uart_baud, uart_parity, power, node_id, net_id, breath,
// wake; list values are strings, or numbers for codes outside the table.
std::string BlockToJson(const ModuleParameters& Block);

using NamedValues = std::vector<std::pair<std::string, std::string>>;

// Sets the parameter Key (a JSON key of BlockToJson) from Value. List values
// must be one of the list's texts, matched without regard to case;
// frequency_mhz a number from 0 to 990 outside 100..140 (the window
// replaces those with 433); node_id an integer 0..65535, net_id 0..255.
// False, Block unchanged and Error set on an unknown key or a bad value.
bool SetParameter(ModuleParameters& Block, std::string_view Key, std::string_view Value,
                  std::string& Error);

// Parity index (0 none, 1 odd, 2 even) for the parity list's words ("NO",
// "ODD", "EVEN") or "none", without regard to case; for the port's parity
// and the module's alike.
std::optional<int> ParseParityWord(std::string_view Text);

// Largest block file either program reads.
inline constexpr size_t MaxJsonFileSize = 64 * 1024;

// Reads one flat JSON object whose values are strings or numbers (numbers
// are kept as their text); a leading UTF-8 byte-order mark is skipped. False
// with Error set (naming the line) on anything else, on a repeated key, or
// past MaxJsonFileSize. Lines, when given, gets the line of each value's key.
bool ParseFlatJsonObject(std::string_view Text, NamedValues& Values, std::string& Error,
                         std::vector<int>* Lines = nullptr);

// Sets the values of the block file Text on Block, all or none: false, with
// Block unchanged and Error naming the line, on a text ParseFlatJsonObject
// refuses or a value SetParameter refuses.
bool ApplyBlockJson(std::string_view Text, ModuleParameters& Block, std::string& Error);
