#include "skinfiles/ZipArchive.h"

#include "platform/gfx/ByteReader.h"
#include "skinfiles/Crc32.h"
#include "skinfiles/ZipCipher.h"

#include <algorithm>
#include <cstring>

namespace
{

constexpr uint32_t EndSignature = 0x06054B50;
constexpr uint32_t CentralSignature = 0x02014B50;
constexpr uint32_t LocalSignature = 0x04034B50;
constexpr size_t EndSize = 22;
constexpr size_t CentralSize = 46;
constexpr size_t LocalSize = 30;

bool SameName(std::span<const uint8_t> A, std::string_view B)
{
    if (A.size() != B.size()) return false;
    for (size_t I = 0; I < A.size(); ++I)
    {
        auto Lower = [](unsigned C) { return C >= 'A' && C <= 'Z' ? C + 32 : C; };
        if (Lower(A[I]) != Lower(static_cast<uint8_t>(B[I]))) return false;
    }
    return true;
}

TSkinFileResult LocateData(TByteReader& Archive, uint32_t LocalOffset, TZipEntry& Entry)
{
    if (!Archive.Has(LocalOffset, LocalSize) || Archive.U32(LocalOffset) != LocalSignature)
        return TSkinFileStatus::BadLocalHeader;
    const size_t Data = size_t(LocalOffset) + LocalSize + Archive.U16(LocalOffset + 26) +
                        Archive.U16(LocalOffset + 28);
    if (!Archive.Has(Data, 0)) return TSkinFileStatus::BadLocalHeader;
    if (!Archive.Has(Data, Entry.CompressedSize)) return TSkinFileStatus::MemberOutOfBounds;
    Entry.DataOffset = Data;
    return {};
}

} // namespace

TSkinFileResult FindZipMember(std::span<const uint8_t> Bytes, std::string_view Name,
                              TZipEntry& Entry)
{
    TByteReader Archive(Bytes);
    if (Archive.U8(0) != 'P' || Archive.U8(1) != 'K') return TSkinFileStatus::NotArchive;
    if (!Archive.Has(0, EndSize)) return TSkinFileStatus::NoEndRecord;
    const size_t EndAt = Archive.Size() - EndSize;
    if (Archive.U32(EndAt) != EndSignature) return TSkinFileStatus::NoEndRecord;
    if (Archive.U16(EndAt + 20) != 0) return TSkinFileStatus::ArchiveComment;
    const size_t Entries = Archive.U16(EndAt + 10);
    const size_t DirSize = Archive.U32(EndAt + 12);
    const size_t DirOffset = Archive.U32(EndAt + 16);
    if (DirOffset > EndAt || EndAt - DirOffset < DirSize || Entries * CentralSize > DirSize)
        return TSkinFileStatus::BadCentralDirectory;

    // The directory is read through a cursor of its own, so no entry can
    // reach past it into the end record.
    TByteReader Directory(Bytes.subspan(DirOffset, DirSize));
    for (size_t C = 0; C < DirSize;)
    {
        if (!Directory.Has(C, CentralSize) || Directory.U32(C) != CentralSignature)
            return TSkinFileStatus::BadCentralDirectory;
        const size_t NameLength = Directory.U16(C + 28);
        const size_t Record =
            CentralSize + NameLength + Directory.U16(C + 30) + Directory.U16(C + 32);
        if (!Directory.Has(C, Record)) return TSkinFileStatus::BadCentralDirectory;
        if (NameLength > MaxZipNameLength) return TSkinFileStatus::NameTooLong;
        if (SameName(Directory.Bytes(C + CentralSize, NameLength), Name))
        {
            Entry = TZipEntry{};
            Entry.Flags = Directory.U16(C + 8);
            Entry.Method = Directory.U16(C + 10);
            Entry.ModTime = Directory.U16(C + 12);
            Entry.Crc = Directory.U32(C + 16);
            Entry.CompressedSize = Directory.U32(C + 20);
            Entry.UncompressedSize = Directory.U32(C + 24);
            return LocateData(Archive, Directory.U32(C + 42), Entry);
        }
        C += Record;
    }
    return TSkinFileStatus::MemberMissing;
}

TSkinFileResult UnpackZipMember(std::span<const uint8_t> Archive, const TZipEntry& Entry,
                                std::string_view Password, TByteBuffer& Out, size_t MaxOutput)
{
    Out.Wipe();
    if (Entry.Method != 0 && Entry.Method != 8) return TSkinFileStatus::UnsupportedMethod;
    TByteReader Reader(Archive);
    std::span<const uint8_t> Data = Reader.Bytes(Entry.DataOffset, Entry.CompressedSize);
    if (Reader.Failed()) return TSkinFileStatus::MemberOutOfBounds;

    // An encrypted member is decrypted into a buffer of its own, wiped when
    // it goes out of scope whatever happens.
    TByteBuffer Plain;
    if (Entry.Encrypted())
    {
        if (Password.empty()) return TSkinFileStatus::PasswordNeeded;
        if (Data.size() < TZipCipher::HeaderSize) return TSkinFileStatus::MemberOutOfBounds;
        TZipCipher Cipher(Password);
        uint8_t Header[TZipCipher::HeaderSize];
        std::copy_n(Data.begin(), TZipCipher::HeaderSize, Header);
        Cipher.Decrypt(Header);
        // Bit 3: sizes and CRC follow the data, so the check byte comes
        // from the modification time.
        const uint8_t Check =
            (Entry.Flags & 8) ? uint8_t(Entry.ModTime >> 8) : uint8_t(Entry.Crc >> 24);
        const bool Matches = Header[TZipCipher::HeaderSize - 1] == Check;
        explicit_bzero(Header, sizeof Header);
        if (!Matches) return TSkinFileStatus::WrongPassword;
        Plain.Append(Data.subspan(TZipCipher::HeaderSize));
        Cipher.Decrypt({Plain.Data(), Plain.Size()});
        Data = Plain.Bytes();
    }

    TInflateStatus Inflated = TInflateStatus::Ok;
    if (Entry.Method == 0)
    {
        if (Data.size() > MaxOutput)
            Inflated = TInflateStatus::OutputTooLarge;
        else
            Out.Append(Data);
    }
    else
    {
        // The entry's size is only a hint: no DEFLATE stream grows more than
        // 1032-fold, so a larger claim reserves nothing extra.
        const size_t Hint = std::min<size_t>(Entry.UncompressedSize, Data.size() * 1032);
        Inflated = Inflate(Data, Out, MaxOutput, Hint);
    }
    TSkinFileResult Result;
    if (Inflated != TInflateStatus::Ok)
        Result = {TSkinFileStatus::BadCompressedData, InflateStatusText(Inflated)};
    if (Result.Ok() &&
        (Out.Size() != Entry.UncompressedSize || Crc32Update(0, Out.Bytes()) != Entry.Crc))
        Result = TSkinFileStatus::ChecksumMismatch;
    // Decrypted bytes that do not unpack: a wrong password that passed the
    // one-byte check looks exactly like a damaged member. A member too large
    // to unpack is refused for its size alone.
    if (Entry.Encrypted() && !Result.Ok() && Inflated != TInflateStatus::OutputTooLarge)
        Result = {TSkinFileStatus::WrongPasswordOrDamaged, Result.Detail()};
    if (!Result.Ok()) Out.Wipe();
    return Result;
}
