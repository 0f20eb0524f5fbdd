#include "skinfiles/ZipCipher.h"

#include "skinfiles/Crc32.h"

#include <cstring>

TZipCipher::TZipCipher(std::string_view Password) : FKeys{0x12345678u, 0x23456789u, 0x34567890u}
{
    for (char C : Password)
        UpdateKeys(static_cast<uint8_t>(C));
}

// The keys determine every later byte of the plain text; leave none behind.
TZipCipher::~TZipCipher()
{
    explicit_bzero(FKeys, sizeof FKeys);
}

uint8_t TZipCipher::KeyStreamByte() const
{
    // Only the low 16 bits of key 2 take part; the product needs 32 unsigned
    // bits.
    const uint32_t T = (FKeys[2] | 2) & 0xFFFF;
    return static_cast<uint8_t>((T * (T ^ 1)) >> 8);
}

void TZipCipher::UpdateKeys(uint8_t Plain)
{
    FKeys[0] = Crc32TableEntry((FKeys[0] ^ Plain) & 0xFF) ^ (FKeys[0] >> 8);
    FKeys[1] = (FKeys[1] + (FKeys[0] & 0xFF)) * 134775813u + 1;
    FKeys[2] = Crc32TableEntry((FKeys[2] ^ (FKeys[1] >> 24)) & 0xFF) ^ (FKeys[2] >> 8);
}

void TZipCipher::Decrypt(std::span<uint8_t> Bytes)
{
    for (uint8_t& B : Bytes)
    {
        B ^= KeyStreamByte();
        UpdateKeys(B);
    }
}

void TZipCipher::Encrypt(std::span<uint8_t> Bytes)
{
    for (uint8_t& B : Bytes)
    {
        const uint8_t Plain = B;
        B ^= KeyStreamByte();
        UpdateKeys(Plain);
    }
}
