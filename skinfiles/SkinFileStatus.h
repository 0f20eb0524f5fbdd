#pragma once

// Why a skin file was or was not read.
enum class TSkinFileStatus
{
    Ok,
    // No file of that name (the theme manager checks before reading).
    NoSuchFile,
    // The file does not exist or cannot be read.
    CannotOpen,
    // The file is larger than a skin file may be.
    FileTooLarge,
    // The file does not start with "PK".
    NotArchive,
    // The last 22 bytes are not an end record.
    NoEndRecord,
    // The end record announces an archive comment.
    ArchiveComment,
    // The central directory lies outside the file, its entries do not fit
    // it, or an entry is not a central-directory entry.
    BadCentralDirectory,
    // A central-directory name longer than 259 bytes.
    NameTooLong,
    // No member named SKINDATA.SK2 (in any letter case).
    MemberMissing,
    // The member's local header lies outside the file or is not one.
    BadLocalHeader,
    // The member's data runs past the end of the file.
    MemberOutOfBounds,
    // A compression method other than stored (0) or deflated (8).
    UnsupportedMethod,
    // The member is encrypted and no password was given.
    PasswordNeeded,
    // The password does not match the member's check byte.
    WrongPassword,
    // The password passed the one-byte check, but what it decrypts does not
    // inflate or does not match the checksum: either the password is wrong
    // (one in 256 wrong ones pass the check) or the file is damaged.
    WrongPasswordOrDamaged,
    // The compressed data is corrupt (see the inflate status).
    BadCompressedData,
    // The unpacked member does not match its CRC-32 or size.
    ChecksumMismatch,
    // The unpacked member is not a valid skin database (see the database
    // status).
    BadDatabase,
    // A bitmap item is not a picture the bitmap loader accepts.
    BadBitmap,
    // The bitmaps together have more pixels than the reader's budget.
    TooManyPixels,
    // Memory ran out while the skin was read.
    OutOfMemory
};

// A short English description, never null.
const char* SkinFileStatusText(TSkinFileStatus Status);

// True for the outcomes that refuse the password rather than the file.
inline bool IsPasswordRefusal(TSkinFileStatus Status)
{
    return Status == TSkinFileStatus::PasswordNeeded || Status == TSkinFileStatus::WrongPassword;
}
