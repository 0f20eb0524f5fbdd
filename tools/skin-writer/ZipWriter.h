#pragma once

#include "tools/skin-writer/DeflateEncoder.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

// How one member goes into the archive.
struct TZipMemberOptions
{
    // Stored (method 0) when false, deflated (method 8) otherwise.
    bool Deflate = true;
    TDeflateMode DeflateMode = TDeflateMode::Fixed;
    // Encrypted with the traditional cipher when not empty.
    std::string Password;
    // Sizes and CRC follow the data in a descriptor (flag bit 3); the
    // cipher's check byte then comes from the modification time.
    bool DataDescriptor = false;
    // Seed of the encryption header's eleven filler bytes; without one they
    // come from the system's random source.
    std::optional<uint32_t> HeaderSeed;
};

// Writes a single-disk ZIP archive without an archive comment.
class TZipWriter
{
  public:
    void AddMember(const std::string& Name, std::span<const uint8_t> Data,
                   const TZipMemberOptions& Options = {});
    std::vector<uint8_t> Build() const;

  private:
    std::vector<uint8_t> FLocal;
    std::vector<uint8_t> FCentral;
    uint16_t FCount = 0;
};
