#pragma once

#include <cstdint>
#include <span>

// The CRC-32 of ZIP archives (reflected polynomial 0xEDB88320).

// Table entry I: the CRC register after shifting byte I through it.
uint32_t Crc32TableEntry(uint8_t Index);

// Continues a CRC over Bytes; start with Crc = 0. Returns the new CRC.
uint32_t Crc32Update(uint32_t Crc, std::span<const uint8_t> Bytes);
