#include "tools/skin-writer/Sk2Writer.h"

#include <algorithm>
#include <cstring>

namespace
{

void Put32(uint8_t* P, uint32_t V)
{
    for (int I = 0; I < 4; ++I)
        P[I] = uint8_t(V >> (8 * I));
}

} // namespace

void TSk2Writer::AddBitmap(const std::string& Name, std::vector<uint8_t> BitmapFile)
{
    AddRaw(Name, uint8_t(TSk2Kind::Bitmap), std::move(BitmapFile));
}

void TSk2Writer::AddInteger(const std::string& Name, int32_t Value)
{
    std::vector<uint8_t> Data(4);
    Put32(Data.data(), uint32_t(Value));
    AddRaw(Name, uint8_t(TSk2Kind::Integer), std::move(Data));
}

void TSk2Writer::AddBoolean(const std::string& Name, uint8_t Value)
{
    AddRaw(Name, uint8_t(TSk2Kind::Boolean), {Value});
}

void TSk2Writer::AddString(const std::string& Name, const std::string& Text)
{
    AddRaw(Name, uint8_t(TSk2Kind::String), std::vector<uint8_t>(Text.begin(), Text.end()));
}

void TSk2Writer::AddRaw(const std::string& Name, uint8_t Kind, std::vector<uint8_t> Data)
{
    FItems.push_back({Name, Kind, std::move(Data)});
}

std::vector<uint8_t> TSk2Writer::Build() const
{
    using namespace sk2;
    const size_t Records = FItems.size() + 1;
    size_t DataAt = RecordOffset(Records);
    size_t Total = DataAt;
    for (const TItem& Item : FItems)
        Total += Item.Data.size();
    std::vector<uint8_t> Out(Total, 0);
    // Bytes 0-11 are free for the writer: a mark naming the format's origin.
    std::memcpy(Out.data(), "NOVLA SK2 v1", 12);
    Put32(&Out[HeaderSizeField], HeaderSize);
    Put32(&Out[16], uint32_t(FItems.size()));
    Put32(&Out[FirstRecordField], uint32_t(RecordOffset(0)));
    for (size_t I = 0; I < FItems.size(); ++I)
    {
        const TItem& Item = FItems[I];
        uint8_t* R = &Out[RecordOffset(I)];
        std::memcpy(R, Item.Name.data(), std::min(Item.Name.size(), NameSize));
        R[KindField] = Item.Kind;
        Put32(R + DataOffsetField, uint32_t(DataAt));
        Put32(R + DataSizeField, uint32_t(Item.Data.size()));
        Put32(R + NextField, uint32_t(RecordOffset(I + 1)));
        std::copy(Item.Data.begin(), Item.Data.end(), Out.begin() + DataAt);
        DataAt += Item.Data.size();
    }
    // The last record only ends the chain (its next offset stays 0).
    return Out;
}
