#pragma once

#include "protocol/Frames.h"
#include "protocol/ModuleParameters.h"

#include <cstddef>
#include <cstdint>
#include <optional>

// A byte pair in the data or checksum of a frame that the reply framer
// takes for a boundary: AF AF starts a new frame, 0D 0A ends the current
// one. The module stores such a block, but no reply carrying it can be read.
struct FrameHazard
{
    uint8_t Command = 0; // command of the frame that carries the pair
    size_t Position = 0; // frame position of the pair's first byte
    uint8_t First = 0;
    uint8_t Second = 0;

    bool operator==(const FrameHazard&) const = default;
};

// The first such pair in Bytes' data and checksum, or nullopt.
std::optional<FrameHazard> FindFrameHazard(const Frame& Bytes);

// The first hazard in any frame that would carry Block: the write-all
// request, the module's answer to it, and its answer to a later read-all.
std::optional<FrameHazard> FindBlockHazard(const ModuleParameters& Block);

// What frame position Position carries, for people: "frequency",
// "node ID", "checksum"...; "header" before the data.
const char* FramePositionName(size_t Position);
