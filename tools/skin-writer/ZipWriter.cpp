#include "tools/skin-writer/ZipWriter.h"

#include "skinfiles/Crc32.h"
#include "skinfiles/ZipCipher.h"

#include <random>

namespace
{

// 2024-06-01 12:34:56 in the archive's DOS time and date fields.
constexpr uint16_t DosTime = (12 << 11) | (34 << 5) | (56 / 2);
constexpr uint16_t DosDate = ((2024 - 1980) << 9) | (6 << 5) | 1;

void Put16(std::vector<uint8_t>& Out, uint32_t V)
{
    Out.push_back(uint8_t(V));
    Out.push_back(uint8_t(V >> 8));
}

void Put32(std::vector<uint8_t>& Out, uint32_t V)
{
    Put16(Out, V & 0xFFFF);
    Put16(Out, V >> 16);
}

} // namespace

void TZipWriter::AddMember(const std::string& Name, std::span<const uint8_t> Data,
                           const TZipMemberOptions& Options)
{
    const uint32_t Crc = Crc32Update(0, Data);
    std::vector<uint8_t> Body = Options.Deflate ? DeflateBytes(Data, Options.DeflateMode)
                                                : std::vector<uint8_t>(Data.begin(), Data.end());
    uint16_t Flags = 0;
    if (!Options.Password.empty())
    {
        Flags |= 1;
        if (Options.DataDescriptor) Flags |= 8;
        // Eleven random bytes, then the check byte the reader compares.
        std::vector<uint8_t> Sealed(12);
        std::random_device Entropy;
        std::mt19937 Random(Options.HeaderSeed ? *Options.HeaderSeed : Entropy());
        for (int I = 0; I < 11; ++I)
            Sealed[I] = uint8_t(Random());
        Sealed[11] = Options.DataDescriptor ? uint8_t(DosTime >> 8) : uint8_t(Crc >> 24);
        Sealed.insert(Sealed.end(), Body.begin(), Body.end());
        TZipCipher(Options.Password).Encrypt(Sealed);
        Body = std::move(Sealed);
    }
    else if (Options.DataDescriptor)
        Flags |= 8;
    const uint16_t Method = Options.Deflate ? 8 : 0;
    const uint32_t Offset = uint32_t(FLocal.size());
    const bool Descriptor = Flags & 8;

    Put32(FLocal, 0x04034B50);
    Put16(FLocal, 20);
    Put16(FLocal, Flags);
    Put16(FLocal, Method);
    Put16(FLocal, DosTime);
    Put16(FLocal, DosDate);
    Put32(FLocal, Descriptor ? 0 : Crc);
    Put32(FLocal, Descriptor ? 0 : uint32_t(Body.size()));
    Put32(FLocal, Descriptor ? 0 : uint32_t(Data.size()));
    Put16(FLocal, uint16_t(Name.size()));
    Put16(FLocal, 0);
    FLocal.insert(FLocal.end(), Name.begin(), Name.end());
    FLocal.insert(FLocal.end(), Body.begin(), Body.end());
    if (Descriptor)
    {
        Put32(FLocal, 0x08074B50);
        Put32(FLocal, Crc);
        Put32(FLocal, uint32_t(Body.size()));
        Put32(FLocal, uint32_t(Data.size()));
    }

    Put32(FCentral, 0x02014B50);
    Put16(FCentral, 20);
    Put16(FCentral, 20);
    Put16(FCentral, Flags);
    Put16(FCentral, Method);
    Put16(FCentral, DosTime);
    Put16(FCentral, DosDate);
    Put32(FCentral, Crc);
    Put32(FCentral, uint32_t(Body.size()));
    Put32(FCentral, uint32_t(Data.size()));
    Put16(FCentral, uint16_t(Name.size()));
    Put16(FCentral, 0); // extra
    Put16(FCentral, 0); // comment
    Put16(FCentral, 0); // disk
    Put16(FCentral, 0); // internal attributes
    Put32(FCentral, 0); // external attributes
    Put32(FCentral, Offset);
    FCentral.insert(FCentral.end(), Name.begin(), Name.end());
    ++FCount;
}

std::vector<uint8_t> TZipWriter::Build() const
{
    std::vector<uint8_t> Out = FLocal;
    Out.insert(Out.end(), FCentral.begin(), FCentral.end());
    Put32(Out, 0x06054B50);
    Put16(Out, 0);
    Put16(Out, 0);
    Put16(Out, FCount);
    Put16(Out, FCount);
    Put32(Out, uint32_t(FCentral.size()));
    Put32(Out, uint32_t(FLocal.size()));
    Put16(Out, 0);
    return Out;
}
