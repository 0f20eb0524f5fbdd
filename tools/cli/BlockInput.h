#pragma once

#include "protocol/ModuleParameters.h"

#include <optional>
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

// Parity index (0 none, 1 odd, 2 even) for the parity list's words ("NO",
// "ODD", "EVEN") or "none", without regard to case; for the port's parity
// and the module's alike.
std::optional<int> ParseParityWord(std::string_view Text);

// Largest block file the client reads.
inline constexpr size_t MaxJsonFileSize = 64 * 1024;

// Reads one flat JSON object whose values are strings or numbers (numbers
// are kept as their text); a leading UTF-8 byte-order mark is skipped. False
// with Error set on anything else, on a repeated key, or past
// MaxJsonFileSize.
bool ParseFlatJsonObject(std::string_view Text, NamedValues& Values, std::string& Error);

// Reads the file at Path, refusing it as soon as it holds more than Limit
// bytes: a device or pipe that never ends is refused, not read until memory
// runs out. Folders are refused. False with Error naming the file.
bool ReadBoundedFile(const std::string& Path, size_t Limit, std::string& Text, std::string& Error);
