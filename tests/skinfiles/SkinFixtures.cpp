#include "SkinFixtures.h"

#include "platform/gfx/BmpCodec.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>

std::vector<uint8_t> SolidBmp(int W, int H, uint32_t Color)
{
    std::vector<uint8_t> Bytes;
    if (WriteBmp(TSurface(W, H, Color), 24, Bytes) != TCodecStatus::Ok)
        throw std::runtime_error("WriteBmp");
    return Bytes;
}

std::vector<uint8_t> ArchiveOf(const std::vector<uint8_t>& Database,
                               const TZipMemberOptions& Options, const std::string& Name)
{
    // A fixed encryption header keeps wrong-password cases from passing the
    // one-byte check by chance.
    TZipMemberOptions Fixed = Options;
    if (!Fixed.HeaderSeed) Fixed.HeaderSeed = 1;
    TZipWriter Z;
    Z.AddMember(Name, Database, Fixed);
    return Z.Build();
}

void Put16(std::vector<uint8_t>& Bytes, size_t At, uint16_t Value)
{
    Bytes.at(At) = uint8_t(Value);
    Bytes.at(At + 1) = uint8_t(Value >> 8);
}

void Put32(std::vector<uint8_t>& Bytes, size_t At, uint32_t Value)
{
    Put16(Bytes, At, uint16_t(Value));
    Put16(Bytes, At + 2, uint16_t(Value >> 16));
}

TTempDir::TTempDir()
{
    std::string Pattern = (std::filesystem::temp_directory_path() / "skinfiles-XXXXXX").string();
    if (!mkdtemp(Pattern.data())) throw std::runtime_error("mkdtemp");
    FPath = Pattern;
}

TTempDir::~TTempDir()
{
    std::error_code Ignored;
    std::filesystem::remove_all(FPath, Ignored);
}

std::string TTempDir::Write(const std::string& Name, const std::vector<uint8_t>& Bytes) const
{
    const std::string Path = FPath + "/" + Name;
    std::FILE* F = std::fopen(Path.c_str(), "wb");
    if (!F) throw std::runtime_error("cannot write " + Path);
    std::fwrite(Bytes.data(), 1, Bytes.size(), F);
    std::fclose(F);
    return Path;
}
