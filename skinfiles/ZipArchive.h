#pragma once

#include "skinfiles/ByteBuffer.h"
#include "skinfiles/Inflater.h"
#include "skinfiles/SkinFileResult.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

// Reading one member of a ZIP archive held in memory. Only what a skin file
// needs: a single-disk archive without an archive comment, members stored or
// deflated, optionally under the traditional encryption. Every offset and
// length is checked against the archive before it is used.

// A member as its central-directory entry describes it.
struct TZipEntry
{
    uint16_t Flags = 0;
    uint16_t Method = 0;
    uint16_t ModTime = 0;
    uint32_t Crc = 0;
    uint32_t CompressedSize = 0;
    uint32_t UncompressedSize = 0;
    // Where the member's data starts (past its local header).
    size_t DataOffset = 0;

    bool Encrypted() const { return Flags & 1; }
};

// Longest central-directory name accepted.
constexpr size_t MaxZipNameLength = 259;

// Finds the first member named Name (compared without regard to ASCII letter
// case). The end record must be the archive's last 22 bytes.
TSkinFileResult FindZipMember(std::span<const uint8_t> Archive, std::string_view Name,
                              TZipEntry& Entry);

// Unpacks Entry into Out, decrypting with Password when the member is
// encrypted, and checks the result against the entry's size and CRC-32. A
// BadCompressedData result carries the decoder's words as its detail; an
// encrypted member whose password passed the check byte but whose data then
// fails is WrongPasswordOrDamaged. Nothing decrypted is left outside Out, and
// Out is wiped on any failure.
TSkinFileResult UnpackZipMember(std::span<const uint8_t> Archive, const TZipEntry& Entry,
                                std::string_view Password, TByteBuffer& Out,
                                size_t MaxOutput = MaxInflateOutput);
