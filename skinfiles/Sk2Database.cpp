#include "skinfiles/Sk2Database.h"

#include <algorithm>

namespace
{

uint32_t U32(const uint8_t* P)
{
    return uint32_t(P[0]) | uint32_t(P[1]) << 8 | uint32_t(P[2]) << 16 | uint32_t(P[3]) << 24;
}

} // namespace

const char* Sk2KindName(TSk2Kind Kind)
{
    switch (Kind)
    {
    case TSk2Kind::Bitmap:
        return "bitmap";
    case TSk2Kind::Integer:
        return "integer";
    case TSk2Kind::Boolean:
        return "boolean";
    case TSk2Kind::String:
        return "string";
    }
    return "unknown";
}

const char* Sk2StatusText(TSk2Status Status)
{
    switch (Status)
    {
    case TSk2Status::Ok:
        return "ok";
    case TSk2Status::TooShort:
        return "shorter than its header";
    case TSk2Status::BadHeaderSize:
        return "header size is not 24";
    case TSk2Status::RecordOutOfBounds:
        return "an item record lies outside the database";
    case TSk2Status::DataOutOfBounds:
        return "an item's data lies outside the database";
    case TSk2Status::BadKind:
        return "an item kind is not 0 to 3";
    case TSk2Status::BadIntegerSize:
        return "an integer item is not 4 bytes";
    case TSk2Status::BadBooleanSize:
        return "a boolean item is not 1 byte";
    case TSk2Status::ChainTooLong:
        return "the record chain loops or is longer than the database holds";
    }
    return "unknown database status";
}

TSk2Status ParseSk2(std::span<const uint8_t> Database, std::vector<TSk2Item>& Items)
{
    using namespace sk2;
    Items.clear();
    const size_t Size = Database.size();
    if (Size < HeaderSize) return TSk2Status::TooShort;
    const uint8_t* const Base = Database.data();
    if (U32(Base + HeaderSizeField) != HeaderSize) return TSk2Status::BadHeaderSize;
    // Every item needs a record of its own, so a chain with more items than
    // records fit into the database must revisit one.
    const size_t MaxItems = Size / RecordSize;
    size_t At = U32(Base + FirstRecordField);
    for (;;)
    {
        if (At > Size || Size - At < RecordSize) return TSk2Status::RecordOutOfBounds;
        const uint8_t* R = Base + At;
        const uint32_t Next = U32(R + NextField);
        if (Next == 0) return TSk2Status::Ok;
        if (Items.size() == MaxItems) return TSk2Status::ChainTooLong;
        if (R[KindField] > 3) return TSk2Status::BadKind;
        const auto Kind = static_cast<TSk2Kind>(R[KindField]);
        const size_t DataAt = U32(R + DataOffsetField);
        const size_t DataSize = U32(R + DataSizeField);
        if (DataAt > Size || Size - DataAt < DataSize) return TSk2Status::DataOutOfBounds;
        if (Kind == TSk2Kind::Integer && DataSize != 4) return TSk2Status::BadIntegerSize;
        if (Kind == TSk2Kind::Boolean && DataSize != 1) return TSk2Status::BadBooleanSize;
        const auto* NameEnd = std::find(R, R + NameSize, uint8_t(0));
        Items.push_back({std::string(R, NameEnd), Kind, Database.subspan(DataAt, DataSize)});
        At = Next;
    }
}
