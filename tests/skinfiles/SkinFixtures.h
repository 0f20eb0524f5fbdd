#pragma once

#include "tools/skin-writer/Sk2Writer.h"
#include "tools/skin-writer/ZipWriter.h"

#include <cstdint>
#include <string>
#include <vector>

// A W x H 24-bit BMP file of one colour.
std::vector<uint8_t> SolidBmp(int W, int H, uint32_t Color);

// An archive holding Database as its one member Name (an encryption header
// from a fixed seed unless Options give one).
std::vector<uint8_t> ArchiveOf(const std::vector<uint8_t>& Database,
                               const TZipMemberOptions& Options = {},
                               const std::string& Name = "SKINDATA.SK2");

// Little-endian patches of fixtures.
void Put16(std::vector<uint8_t>& Bytes, size_t At, uint16_t Value);
void Put32(std::vector<uint8_t>& Bytes, size_t At, uint32_t Value);

// A fresh folder under the system's temporary folder, removed with the
// object.
class TTempDir
{
  public:
    TTempDir();
    ~TTempDir();
    const std::string& Path() const { return FPath; }
    std::string Write(const std::string& Name, const std::vector<uint8_t>& Bytes) const;

  private:
    std::string FPath;
};
