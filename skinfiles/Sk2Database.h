#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

// The skin database: a 24-byte header and a chain of 77-byte item records,
// each naming its data elsewhere in the database. Numbers are 32-bit
// little-endian; offsets count from the start of the database.
namespace sk2
{
constexpr size_t HeaderSize = 24;
constexpr size_t HeaderSizeField = 12;
constexpr size_t FirstRecordField = 20;
constexpr size_t RecordSize = 77;
constexpr size_t NameSize = 64;
constexpr size_t KindField = 64;
constexpr size_t DataOffsetField = 65;
constexpr size_t DataSizeField = 69;
constexpr size_t NextField = 73;
} // namespace sk2

enum class TSk2Kind : uint8_t
{
    Bitmap = 0,
    Integer = 1,
    Boolean = 2,
    String = 3
};

// "bitmap", "integer", "boolean" or "string".
const char* Sk2KindName(TSk2Kind Kind);

struct TSk2Item
{
    // Up to 64 bytes, ending at the first zero byte.
    std::string Name;
    TSk2Kind Kind = TSk2Kind::String;
    // The item's data inside the database passed to ParseSk2.
    std::span<const uint8_t> Data;

    // The value of an integer item (4 bytes, signed, little-endian).
    int32_t Integer() const
    {
        return int32_t(uint32_t(Data[0]) | uint32_t(Data[1]) << 8 | uint32_t(Data[2]) << 16 |
                       uint32_t(Data[3]) << 24);
    }
};

enum class TSk2Status
{
    Ok,
    // Shorter than its header.
    TooShort,
    // A header size other than 24.
    BadHeaderSize,
    // A record that does not lie wholly inside the database.
    RecordOutOfBounds,
    // Item data that does not lie wholly inside the database.
    DataOutOfBounds,
    // An item kind above 3.
    BadKind,
    // An integer whose data is not 4 bytes.
    BadIntegerSize,
    // A boolean whose data is not 1 byte.
    BadBooleanSize,
    // More records than the database can hold: the chain loops.
    ChainTooLong
};

// A short English description, never null.
const char* Sk2StatusText(TSk2Status Status);

// Walks the record chain of Database into Items (in chain order). The record
// whose next-record offset is 0 ends the chain and is not an item. On failure
// Items holds the items read before the fault.
TSk2Status ParseSk2(std::span<const uint8_t> Database, std::vector<TSk2Item>& Items);
