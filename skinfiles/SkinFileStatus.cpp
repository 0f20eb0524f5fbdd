#include "skinfiles/SkinFileStatus.h"

const char* SkinFileStatusText(TSkinFileStatus Status)
{
    switch (Status)
    {
    case TSkinFileStatus::Ok:
        return "ok";
    case TSkinFileStatus::NoSuchFile:
        return "no such file";
    case TSkinFileStatus::CannotOpen:
        return "the file does not exist or cannot be read";
    case TSkinFileStatus::FileTooLarge:
        return "the file is larger than a skin file may be";
    case TSkinFileStatus::NotArchive:
        return "not a ZIP archive (it does not start with PK)";
    case TSkinFileStatus::NoEndRecord:
        return "no end-of-central-directory record in the last 22 bytes";
    case TSkinFileStatus::ArchiveComment:
        return "the archive carries a comment";
    case TSkinFileStatus::BadCentralDirectory:
        return "the central directory does not fit the file";
    case TSkinFileStatus::NameTooLong:
        return "a member name is longer than 259 bytes";
    case TSkinFileStatus::MemberMissing:
        return "the archive has no member SKINDATA.SK2";
    case TSkinFileStatus::BadLocalHeader:
        return "the member's local header is missing or outside the file";
    case TSkinFileStatus::MemberOutOfBounds:
        return "the member's data runs past the end of the file";
    case TSkinFileStatus::UnsupportedMethod:
        return "the member is neither stored nor deflated";
    case TSkinFileStatus::PasswordNeeded:
        return "the member is encrypted and no password was given";
    case TSkinFileStatus::WrongPassword:
        return "the password is wrong";
    case TSkinFileStatus::WrongPasswordOrDamaged:
        return "wrong password or damaged file";
    case TSkinFileStatus::BadCompressedData:
        return "the compressed data is corrupt";
    case TSkinFileStatus::ChecksumMismatch:
        return "the unpacked member does not match its checksum or size";
    case TSkinFileStatus::BadDatabase:
        return "the skin database is malformed";
    case TSkinFileStatus::BadBitmap:
        return "a bitmap item is not a valid picture";
    case TSkinFileStatus::TooManyPixels:
        return "the bitmaps together exceed the pixel budget of a skin";
    case TSkinFileStatus::OutOfMemory:
        return "memory ran out while the skin was read";
    }
    return "unknown skin file status";
}
