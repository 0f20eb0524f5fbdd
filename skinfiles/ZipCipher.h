#pragma once

#include <cstdint>
#include <span>
#include <string_view>

// The traditional ZIP stream cipher: three 32-bit keys initialised from a
// password and updated with every plain byte.
class TZipCipher
{
  public:
    explicit TZipCipher(std::string_view Password);
    ~TZipCipher();
    TZipCipher(const TZipCipher&) = delete;
    TZipCipher& operator=(const TZipCipher&) = delete;

    // Decrypts (or encrypts) Bytes in place.
    void Decrypt(std::span<uint8_t> Bytes);
    void Encrypt(std::span<uint8_t> Bytes);

    // Length of the encryption header in front of an encrypted member.
    static constexpr size_t HeaderSize = 12;

  private:
    uint8_t KeyStreamByte() const;
    void UpdateKeys(uint8_t Plain);

    uint32_t FKeys[3];
};
