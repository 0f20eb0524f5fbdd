#include "SkinFixtures.h"

#include "skinfiles/SUI2SkinReader.h"
#include "skinfiles/SkinFileError.h"

#include <gtest/gtest.h>

#include <functional>

namespace
{

// Records at 24, 101, 178, 255 (items) and 332 (end of chain); data from 409.
std::vector<uint8_t> FourItems(std::vector<uint8_t> Bitmap = SolidBmp(2, 2, 0x808080))
{
    TSk2Writer W;
    W.AddInteger("I", 5);
    W.AddBoolean("B", 1);
    W.AddString("S", "text");
    W.AddBitmap("P", std::move(Bitmap));
    return W.Build();
}

size_t Record(size_t I)
{
    return TSk2Writer::RecordOffset(I);
}

// A BMP header claiming 100000 x 100000 pixels of 24 bits, with no pixels.
std::vector<uint8_t> HugeBmp()
{
    std::vector<uint8_t> B = SolidBmp(1, 1, 0);
    Put32(B, 18, 100000);
    Put32(B, 22, 100000);
    return B;
}

struct TDatabaseCase
{
    const char* Name;
    std::vector<uint8_t> Database;
    std::function<void(std::vector<uint8_t>&)> Patch;
    TSk2Status Expected; // Ok: the database parses, a bitmap is refused
};

TEST(SkinDatabase, RefusesMalformedDatabases)
{
    using S = TSk2Status;
    const TDatabaseCase Cases[] = {
        {"shorter than its header", FourItems(), [](auto& D) { D.resize(20); }, S::TooShort},
        {"header size 23", FourItems(), [](auto& D) { Put32(D, 12, 23); }, S::BadHeaderSize},
        {"header size 77", FourItems(), [](auto& D) { Put32(D, 12, 77); }, S::BadHeaderSize},
        {"first record past the end", FourItems(),
         [](auto& D) { Put32(D, 20, uint32_t(D.size())); }, S::RecordOutOfBounds},
        {"first record overlapping the end", FourItems(),
         [](auto& D) { Put32(D, 20, uint32_t(D.size() - 76)); }, S::RecordOutOfBounds},
        {"next record far outside", FourItems(),
         [](auto& D) { Put32(D, Record(0) + 73, 0xFFFFFFF0u); }, S::RecordOutOfBounds},
        {"data offset outside", FourItems(),
         [](auto& D) { Put32(D, Record(2) + 65, uint32_t(D.size() + 1)); }, S::DataOutOfBounds},
        {"data size past the end", FourItems(),
         [](auto& D) { Put32(D, Record(2) + 69, 0xFFFFFFFFu); }, S::DataOutOfBounds},
        {"integer of 3 bytes", FourItems(), [](auto& D) { Put32(D, Record(0) + 69, 3); },
         S::BadIntegerSize},
        {"integer of 8 bytes", FourItems(), [](auto& D) { Put32(D, Record(0) + 69, 8); },
         S::BadIntegerSize},
        {"boolean of 0 bytes", FourItems(), [](auto& D) { Put32(D, Record(1) + 69, 0); },
         S::BadBooleanSize},
        {"boolean of 2 bytes", FourItems(), [](auto& D) { Put32(D, Record(1) + 69, 2); },
         S::BadBooleanSize},
        {"kind 4", FourItems(), [](auto& D) { D[Record(2) + 64] = 4; }, S::BadKind},
        {"chain looping back", FourItems(),
         [](auto& D) { Put32(D, Record(1) + 73, uint32_t(Record(0))); }, S::ChainTooLong},
        {"chain looping on itself", FourItems(),
         [](auto& D) { Put32(D, Record(0) + 73, uint32_t(Record(0))); }, S::ChainTooLong},
        {"bitmap of absurd dimensions", FourItems(HugeBmp()), [](auto&) {}, S::Ok},
        {"bitmap that is no picture", FourItems({'B', 'M', 1, 2, 3}), [](auto&) {}, S::Ok},
        {"bitmap of no bytes", FourItems({}), [](auto&) {}, S::Ok},
    };
    for (const TDatabaseCase& C : Cases)
    {
        std::vector<uint8_t> D = C.Database;
        C.Patch(D);
        std::vector<TSk2Item> Items;
        EXPECT_EQ(ParseSk2(D, Items), C.Expected) << C.Name;
        try
        {
            TTempDir Dir;
            Tsk2SkinFileReader Reader(Dir.Write("db.skin", ArchiveOf(D)), "");
            ADD_FAILURE() << C.Name << ": loaded";
        }
        catch (const ESkinFileError& E)
        {
            EXPECT_EQ(E.Status(), C.Expected == S::Ok ? TSkinFileStatus::BadBitmap
                                                      : TSkinFileStatus::BadDatabase)
                << C.Name << ": " << E.Reason();
        }
    }
}

TEST(SkinDatabase, NamesEndAtTheirTerminatorOrFillAllSixtyFourBytes)
{
    const std::string Full(64, 'K');
    TSk2Writer W;
    W.AddInteger(Full, 1);
    W.AddInteger(Full + "IGNORED", 2); // cut to the same 64 bytes
    W.AddInteger("SHORT", 3);
    std::vector<uint8_t> D = W.Build();
    // Bytes after a terminator are not part of the name.
    D[Record(2) + 6] = 'X';
    std::vector<TSk2Item> Items;
    ASSERT_EQ(ParseSk2(D, Items), TSk2Status::Ok);
    ASSERT_EQ(Items.size(), 3u);
    EXPECT_EQ(Items[0].Name, Full);
    EXPECT_EQ(Items[1].Name, Full);
    EXPECT_EQ(Items[2].Name, "SHORT");

    // The end record's own fields are never used, even when they are wild.
    Put32(D, Record(3) + 65, 0xFFFFFFFFu);
    D[Record(3) + 64] = 9;
    EXPECT_EQ(ParseSk2(D, Items), TSk2Status::Ok);
}

} // namespace
