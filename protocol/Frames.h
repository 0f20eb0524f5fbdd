#pragma once

#include "protocol/ModuleParameters.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

// Request frames: sync AF AF, 00 00 AF 80, command, length 14, 14 data
// bytes, checksum, CR LF. Replies have the same layout.
inline constexpr size_t FrameSize = 25;
inline constexpr size_t FrameCommandPosition = 6;
inline constexpr size_t FrameDataLength = 14;
inline constexpr size_t FrameDataStart = 8;
inline constexpr size_t FrameChecksumPosition = FrameDataStart + FrameDataLength;
inline constexpr uint8_t FrameSync = 0xAF;
inline constexpr uint8_t CommandWriteAll = 0x01;
inline constexpr uint8_t CommandReadAll = 0x02;

using Frame = std::array<uint8_t, FrameSize>;

// Sum of Bytes modulo 256.
uint8_t FrameChecksum(std::span<const uint8_t> Bytes);

// The constant read-all request (checksum 0x9D).
Frame BuildReadAll();

// The write-all request carrying Block; Block.Command is not used.
Frame BuildWriteAll(const ModuleParameters& Block);

// Fills a frame of the given command from Block, as the module answers.
Frame BuildFrame(uint8_t Command, const ModuleParameters& Block);

// Decodes data positions 8..21 of a frame (at least 22 bytes) into a block;
// Command comes from position 6.
ModuleParameters DecodeFrameData(std::span<const uint8_t> Bytes);
