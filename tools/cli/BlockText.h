#pragma once

#include "protocol/BlockJson.h"
#include "protocol/ModuleParameters.h"

#include <string>
#include <string_view>

// The block as the client shows it to people; the block file's texts are in
// protocol/BlockJson.h.

// One "key value" line per parameter, for people.
std::string BlockToLines(const ModuleParameters& Block);

// The JSON key of the parameter a frame position carries ("node_id" for 16
// and 17...), "checksum" for the checksum byte; empty elsewhere.
std::string_view KeyAtFramePosition(size_t Position);
// One line per byte pair of Block's replies that the framer cannot read
// past, naming the values that make it; empty when the block can be read.
std::string DescribeHazards(const ModuleParameters& Block);
