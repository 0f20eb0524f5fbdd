#include "skinfiles/ZipArchive.h"

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

uint16_t U16(const uint8_t* P)
{
    return uint16_t(P[0] | P[1] << 8);
}
uint32_t U32(const uint8_t* P)
{
    return uint32_t(P[0]) | uint32_t(P[1]) << 8 | uint32_t(P[2]) << 16 | uint32_t(P[3]) << 24;
}

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

TSkinFileStatus LocateData(std::span<const uint8_t> Archive, uint32_t LocalOffset, TZipEntry& Entry)
{
    const size_t Size = Archive.size();
    if (LocalOffset > Size || Size - LocalOffset < LocalSize)
        return TSkinFileStatus::BadLocalHeader;
    const uint8_t* L = Archive.data() + LocalOffset;
    if (U32(L) != LocalSignature) return TSkinFileStatus::BadLocalHeader;
    const size_t Data = size_t(LocalOffset) + LocalSize + U16(L + 26) + U16(L + 28);
    if (Data > Size) return TSkinFileStatus::BadLocalHeader;
    if (Size - Data < Entry.CompressedSize) return TSkinFileStatus::MemberOutOfBounds;
    Entry.DataOffset = Data;
    return TSkinFileStatus::Ok;
}

} // namespace

TSkinFileStatus FindZipMember(std::span<const uint8_t> Archive, std::string_view Name,
                              TZipEntry& Entry)
{
    const size_t Size = Archive.size();
    if (Size < 2 || Archive[0] != 'P' || Archive[1] != 'K') return TSkinFileStatus::NotArchive;
    if (Size < EndSize) return TSkinFileStatus::NoEndRecord;
    const size_t EndAt = Size - EndSize;
    const uint8_t* E = Archive.data() + EndAt;
    if (U32(E) != EndSignature) return TSkinFileStatus::NoEndRecord;
    if (U16(E + 20) != 0) return TSkinFileStatus::ArchiveComment;
    const size_t Entries = U16(E + 10);
    const size_t DirSize = U32(E + 12);
    const size_t DirOffset = U32(E + 16);
    if (DirOffset > EndAt || EndAt - DirOffset < DirSize || Entries * CentralSize > DirSize)
        return TSkinFileStatus::BadCentralDirectory;

    const uint8_t* const DirEnd = Archive.data() + DirOffset + DirSize;
    for (const uint8_t* C = Archive.data() + DirOffset; C < DirEnd;)
    {
        if (size_t(DirEnd - C) < CentralSize || U32(C) != CentralSignature)
            return TSkinFileStatus::BadCentralDirectory;
        const size_t NameLength = U16(C + 28);
        const size_t Record = CentralSize + NameLength + U16(C + 30) + U16(C + 32);
        if (size_t(DirEnd - C) < Record) return TSkinFileStatus::BadCentralDirectory;
        if (NameLength > MaxZipNameLength) return TSkinFileStatus::NameTooLong;
        if (SameName({C + CentralSize, NameLength}, Name))
        {
            Entry = TZipEntry{};
            Entry.Flags = U16(C + 8);
            Entry.Method = U16(C + 10);
            Entry.ModTime = U16(C + 12);
            Entry.Crc = U32(C + 16);
            Entry.CompressedSize = U32(C + 20);
            Entry.UncompressedSize = U32(C + 24);
            return LocateData(Archive, U32(C + 42), Entry);
        }
        C += Record;
    }
    return TSkinFileStatus::MemberMissing;
}

TSkinFileStatus UnpackZipMember(std::span<const uint8_t> Archive, const TZipEntry& Entry,
                                std::string_view Password, TByteBuffer& Out,
                                TInflateStatus& Inflated, size_t MaxOutput)
{
    Inflated = TInflateStatus::Ok;
    Out.Wipe();
    if (Entry.Method != 0 && Entry.Method != 8) return TSkinFileStatus::UnsupportedMethod;
    if (Entry.DataOffset > Archive.size() ||
        Archive.size() - Entry.DataOffset < Entry.CompressedSize)
        return TSkinFileStatus::MemberOutOfBounds;
    std::span<const uint8_t> Data = Archive.subspan(Entry.DataOffset, Entry.CompressedSize);

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

    TSkinFileStatus Status = TSkinFileStatus::Ok;
    if (Entry.Method == 0)
    {
        if (Data.size() > MaxOutput)
        {
            Inflated = TInflateStatus::OutputTooLarge;
            Status = TSkinFileStatus::BadCompressedData;
        }
        else
            Out.Append(Data);
    }
    else
    {
        // The entry's size is only a hint: no DEFLATE stream grows more than
        // 1032-fold, so a larger claim reserves nothing extra.
        const size_t Hint = std::min<size_t>(Entry.UncompressedSize, Data.size() * 1032);
        Inflated = Inflate(Data, Out, MaxOutput, Hint);
        if (Inflated != TInflateStatus::Ok) Status = TSkinFileStatus::BadCompressedData;
    }
    if (Status == TSkinFileStatus::Ok &&
        (Out.Size() != Entry.UncompressedSize || Crc32Update(0, Out.Bytes()) != Entry.Crc))
        Status = TSkinFileStatus::ChecksumMismatch;
    if (Status != TSkinFileStatus::Ok) Out.Wipe();
    return Status;
}
