#include "skinfiles/Sk2Database.h"

#include "platform/gfx/ByteReader.h"

#include <algorithm>

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
    TByteReader Reader(Database);
    if (!Reader.Has(0, HeaderSize)) return TSk2Status::TooShort;
    if (Reader.U32(HeaderSizeField) != HeaderSize) return TSk2Status::BadHeaderSize;
    // Every item needs a record of its own, so a chain with more items than
    // records fit into the database must revisit one.
    const size_t MaxItems = Reader.Size() / RecordSize;
    size_t At = Reader.U32(FirstRecordField);
    for (;;)
    {
        const std::span<const uint8_t> Record = Reader.Bytes(At, RecordSize);
        if (Reader.Failed()) return TSk2Status::RecordOutOfBounds;
        TByteReader R(Record);
        const uint32_t Next = R.U32(NextField);
        if (Next == 0) return TSk2Status::Ok;
        if (Items.size() == MaxItems) return TSk2Status::ChainTooLong;
        if (R.U8(KindField) > 3) return TSk2Status::BadKind;
        const auto Kind = static_cast<TSk2Kind>(R.U8(KindField));
        const std::span<const uint8_t> Data =
            Reader.Bytes(R.U32(DataOffsetField), R.U32(DataSizeField));
        if (Reader.Failed()) return TSk2Status::DataOutOfBounds;
        if (Kind == TSk2Kind::Integer && Data.size() != 4) return TSk2Status::BadIntegerSize;
        if (Kind == TSk2Kind::Boolean && Data.size() != 1) return TSk2Status::BadBooleanSize;
        const auto NameEnd = std::find(Record.begin(), Record.begin() + NameSize, uint8_t(0));
        Items.push_back({std::string(Record.begin(), NameEnd), Kind, Data});
        At = Next;
    }
}
