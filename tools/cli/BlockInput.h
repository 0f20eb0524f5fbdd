#pragma once

#include "protocol/ModuleParameters.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Setting parameters of a block from the texts the client prints.

using NamedValues = std::vector<std::pair<std::string, std::string>>;

// Sets the parameter Key (a JSON key of BlockToJson) from Value. List values
// must be one of the list's texts, matched without regard to case;
// frequency_mhz a number from 0 to 990 outside 100..140 (the window
// replaces those with 433); node_id an integer 0..65535, net_id 0..255.
// False, Block unchanged and Error set on an unknown key or a bad value.
bool SetParameter(ModuleParameters& Block, std::string_view Key, std::string_view Value,
                  std::string& Error);

// Reads one flat JSON object whose values are strings or numbers (numbers
// are kept as their text). False with Error set on anything else, on a
// repeated key, or past 64 KiB.
bool ParseFlatJsonObject(std::string_view Text, NamedValues& Values, std::string& Error);
