#include "SkinFixtures.h"

#include "framework/graphics/Bitmap.h"
#include "skinfiles/SUI2SkinReader.h"
#include "skinfiles/SkinFileError.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace
{

// Four items, one of each kind, plus the record that ends the chain.
std::vector<uint8_t> FourItemDatabase()
{
    TSk2Writer W;
    W.AddInteger("SKIN2_CONTROLBORDERCOLOR", 0x00123456);
    W.AddBoolean("SKIN2_BUTTONTRANS", 1);
    W.AddString("NOVLA_SKIN_NAME", "Slate");
    W.AddBitmap("SKIN2_BUTTON", SolidBmp(6, 2, 0x0000FF));
    return W.Build();
}

std::unique_ptr<Tsk2SkinFileReader> LoadBytes(const std::vector<uint8_t>& Archive,
                                              const std::string& Password = "")
{
    TTempDir Dir;
    return std::make_unique<Tsk2SkinFileReader>(Dir.Write("skin.skin", Archive), Password);
}

TEST(SkinFileReader, ReadsEveryKindAndLooksNamesUpWithoutCase)
{
    const auto Reader = LoadBytes(ArchiveOf(FourItemDatabase()));
    ASSERT_TRUE(Reader->Loaded());
    EXPECT_EQ(Reader->GetInteger("skin2_controlbordercolor"), 0x123456);
    EXPECT_TRUE(Reader->GetBool("SKIN2_ButtonTrans"));
    EXPECT_EQ(Reader->GetStr("novla_skin_name"), "Slate");
    TBitmap* Button = Reader->GetBitmap("skin2_button");
    ASSERT_NE(Button, nullptr);
    EXPECT_EQ(Button->Width(), 6);
    EXPECT_EQ(Button->Height(), 2);
    EXPECT_EQ(Button->Surface().Pixel(5, 1), TColor(0x0000FF));
    ASSERT_EQ(Reader->Items().size(), 4u);
    EXPECT_EQ(Reader->Items()[3].Name, "SKIN2_BUTTON");
    EXPECT_EQ(Reader->Items()[1].Size, 1u);
    EXPECT_EQ(Reader->Integers().Strings(0), "SKIN2_CONTROLBORDERCOLOR=1193046");
}

TEST(SkinFileReader, AnswersDefaultsForWhatTheSkinLacks)
{
    TSk2Writer Empty;
    TSk2Writer Mixed;
    Mixed.AddString("SKIN2_TITLEBARCAPTIONTOP", "12");
    Mixed.AddBoolean("SKIN2_TITLEFIVESECT", 2);
    Mixed.AddInteger("SKIN2_TITLEBTNTRANS", 0);
    Mixed.AddString("SKIN2_BUTTONTRANS", "1");

    const auto Blank = LoadBytes(ArchiveOf(Empty.Build()));
    ASSERT_TRUE(Blank->Loaded());
    EXPECT_EQ(Blank->GetBitmap("SKIN2_BUTTON"), nullptr);
    EXPECT_EQ(Blank->GetInteger("SKIN2_FORMCOLOR"), -1);
    EXPECT_FALSE(Blank->GetBool("SKIN2_BUTTONTRANS"));
    EXPECT_EQ(Blank->GetStr("NOVLA_SKIN_NAME"), "");
    EXPECT_TRUE(Blank->Items().empty());

    // Each list holds only its own kind.
    const auto Other = LoadBytes(ArchiveOf(Mixed.Build()));
    EXPECT_EQ(Other->GetInteger("SKIN2_TITLEBARCAPTIONTOP"), -1);
    EXPECT_EQ(Other->GetStr("SKIN2_TITLEBARCAPTIONTOP"), "12");
    EXPECT_TRUE(Other->GetBool("SKIN2_TITLEFIVESECT")); // byte 2
    EXPECT_FALSE(Other->GetBool("SKIN2_BUTTONTRANS"));
    EXPECT_EQ(Other->GetInteger("SKIN2_TITLEBTNTRANS"), 0);
    EXPECT_EQ(Other->GetInteger("SKIN2_MISSING"), -1);
}

TEST(SkinFileReader, SettersChangeOnlyTheirLists)
{
    const auto Reader = LoadBytes(ArchiveOf(FourItemDatabase()));
    Reader->SetInteger("skin2_controlbordercolor", -5);
    Reader->SetInteger("SKIN2_NEW", 7);
    Reader->SetBool("SKIN2_BUTTONTRANS", false);
    Reader->SetBool("SKIN2_OTHER", true);
    EXPECT_EQ(Reader->GetInteger("SKIN2_CONTROLBORDERCOLOR"), -5);
    EXPECT_EQ(Reader->GetInteger("SKIN2_NEW"), 7);
    EXPECT_EQ(Reader->Integers().Count(), 2);
    EXPECT_FALSE(Reader->GetBool("SKIN2_BUTTONTRANS"));
    EXPECT_EQ(Reader->Booleans().Values("SKIN2_OTHER"), "1");

    TBitmap Green;
    Green.LoadFromBytes(SolidBmp(3, 3, 0x00FF00));
    Reader->SetBitmap("SKIN2_BUTTON", &Green);
    Reader->SetBitmap("SKIN2_ABSENT", &Green);
    EXPECT_EQ(Reader->GetBitmap("SKIN2_BUTTON")->Width(), 3);
    EXPECT_EQ(Reader->GetBitmap("SKIN2_ABSENT"), nullptr);
    EXPECT_EQ(Reader->Bitmaps().Count(), 1);

    Reader->ProcessTransparentColor(0xFF00FF);
    EXPECT_EQ(Reader->GetBitmap("SKIN2_BUTTON")->TransparentMode(), tmFixed);
    EXPECT_EQ(Reader->GetBitmap("SKIN2_BUTTON")->TransparentColor(), TColor(0xFF00FF));
}

struct TPasswordCase
{
    const char* Name;
    std::string WrittenWith;
    bool Descriptor;
    std::string ReadWith;
    TSkinFileStatus Expected;
};

TEST(SkinFileReader, PasswordsDecideQuietly)
{
    const TPasswordCase Cases[] = {
        {"plain member, any password", "", false, "anything", TSkinFileStatus::Ok},
        {"right password", "s3cret", false, "s3cret", TSkinFileStatus::Ok},
        {"right password, check byte from the time", "s3cret", true, "s3cret", TSkinFileStatus::Ok},
        {"empty password", "s3cret", false, "", TSkinFileStatus::PasswordNeeded},
        {"wrong password", "s3cret", false, "s3cret!", TSkinFileStatus::WrongPassword},
        {"wrong password, check byte from the time", "s3cret", true, "S3CRET",
         TSkinFileStatus::WrongPassword},
    };
    for (const TPasswordCase& C : Cases)
    {
        TZipMemberOptions O;
        O.Password = C.WrittenWith;
        O.DataDescriptor = C.Descriptor;
        std::unique_ptr<Tsk2SkinFileReader> Reader;
        ASSERT_NO_THROW(Reader = LoadBytes(ArchiveOf(FourItemDatabase(), O), C.ReadWith)) << C.Name;
        EXPECT_EQ(Reader->Status(), C.Expected) << C.Name;
        EXPECT_EQ(Reader->Loaded(), C.Expected == TSkinFileStatus::Ok) << C.Name;
        EXPECT_EQ(Reader->Items().size(), C.Expected == TSkinFileStatus::Ok ? 4u : 0u) << C.Name;
    }
}

TEST(SkinFileReader, AFailedLoadLeavesNothingOfTheLastSkin)
{
    TZipMemberOptions Sealed;
    Sealed.Password = "pw";
    TTempDir Dir;
    const std::string Good = Dir.Write("good.skin", ArchiveOf(FourItemDatabase()));
    const std::string Locked = Dir.Write("locked.skin", ArchiveOf(FourItemDatabase(), Sealed));
    std::vector<uint8_t> Broken = ArchiveOf(FourItemDatabase());
    Broken[0] = 'X';
    const std::string Bad = Dir.Write("bad.skin", Broken);

    Tsk2SkinFileReader Reader(Good, "");
    Reader.Load(Locked, "wrong");
    EXPECT_FALSE(Reader.Loaded());
    EXPECT_EQ(Reader.GetBitmap("SKIN2_BUTTON"), nullptr);
    Reader.Load(Good, "");
    EXPECT_THROW(Reader.Load(Bad, ""), ESkinFileError);
    EXPECT_FALSE(Reader.Loaded());
    EXPECT_EQ(Reader.Integers().Count() + Reader.Booleans().Count() + Reader.Strings().Count() +
                  Reader.Bitmaps().Count(),
              0);
}

TEST(SkinFileReader, RefusesFilesThatCannotBeRead)
{
    TTempDir Dir;
    for (const std::string& Path : {Dir.Path() + "/missing.skin", Dir.Path()})
    {
        try
        {
            Tsk2SkinFileReader Reader(Path, "");
            ADD_FAILURE() << Path << " was read";
        }
        catch (const ESkinFileError& E)
        {
            EXPECT_EQ(E.Message(), "Failed to read skin file!");
            EXPECT_EQ(E.Status(), TSkinFileStatus::CannotOpen);
        }
    }
}

// Offsets in an archive of our writer with one member named SKINDATA.SK2
// (12 bytes) and compressed size C: local header at 0, data at 42, central
// entry at 42 + C, end record in the last 22 bytes.
struct TArchiveCase
{
    const char* Name;
    std::function<void(std::vector<uint8_t>&, size_t Central, size_t End)> Patch;
    TSkinFileStatus Expected;
};

TEST(SkinFileReader, RefusesMalformedArchives)
{
    const std::vector<uint8_t> Database = FourItemDatabase();
    const TArchiveCase Cases[] = {
        {"not starting with PK", [](auto& A, size_t, size_t) { A[0] = 'X'; },
         TSkinFileStatus::NotArchive},
        {"shorter than an end record", [](auto& A, size_t, size_t) { A.resize(12); },
         TSkinFileStatus::NoEndRecord},
        {"end record not last", [](auto& A, size_t, size_t) { A.push_back(0); },
         TSkinFileStatus::NoEndRecord},
        {"comment announced", [](auto& A, size_t, size_t E) { Put16(A, E + 20, 1); },
         TSkinFileStatus::ArchiveComment},
        {"directory offset past the end record",
         [](auto& A, size_t, size_t E) { Put32(A, E + 16, uint32_t(E + 1)); },
         TSkinFileStatus::BadCentralDirectory},
        {"directory size past the end record",
         [](auto& A, size_t, size_t E) { Put32(A, E + 12, 0xFFFFFFF0u); },
         TSkinFileStatus::BadCentralDirectory},
        {"more entries than fit", [](auto& A, size_t, size_t E) { Put16(A, E + 10, 2); },
         TSkinFileStatus::BadCentralDirectory},
        {"entry without its signature", [](auto& A, size_t C, size_t) { A[C] = 'Q'; },
         TSkinFileStatus::BadCentralDirectory},
        {"entry name past the directory", [](auto& A, size_t C, size_t) { Put16(A, C + 28, 200); },
         TSkinFileStatus::BadCentralDirectory},
        {"entry comment past the directory", [](auto& A, size_t C, size_t) { Put16(A, C + 32, 1); },
         TSkinFileStatus::BadCentralDirectory},
        {"no member of that name", [](auto& A, size_t C, size_t) { A[C + 46] = 'Z'; },
         TSkinFileStatus::MemberMissing},
        {"local header offset past the file",
         [](auto& A, size_t C, size_t) { Put32(A, C + 42, 0x7FFFFFFF); },
         TSkinFileStatus::BadLocalHeader},
        {"local header too close to the end",
         [](auto& A, size_t C, size_t) { Put32(A, C + 42, uint32_t(A.size() - 20)); },
         TSkinFileStatus::BadLocalHeader},
        {"local header without its signature", [](auto& A, size_t, size_t) { A[2] = 0; },
         TSkinFileStatus::BadLocalHeader},
        {"local name and extra past the file",
         [](auto& A, size_t, size_t) { Put16(A, 28, 0xFFFF); }, TSkinFileStatus::BadLocalHeader},
        {"member data past the file",
         [](auto& A, size_t C, size_t) { Put32(A, C + 20, uint32_t(A.size())); },
         TSkinFileStatus::MemberOutOfBounds},
        {"neither stored nor deflated", [](auto& A, size_t C, size_t) { Put16(A, C + 10, 14); },
         TSkinFileStatus::UnsupportedMethod},
        {"corrupt compressed data", [](auto& A, size_t, size_t) { A[42] = 0x07; },
         TSkinFileStatus::BadCompressedData},
        {"CRC-32 differs", [](auto& A, size_t C, size_t) { A[C + 16] ^= 1; },
         TSkinFileStatus::ChecksumMismatch},
        {"size differs", [](auto& A, size_t C, size_t) { A[C + 24] ^= 1; },
         TSkinFileStatus::ChecksumMismatch},
    };
    for (const TArchiveCase& C : Cases)
    {
        std::vector<uint8_t> A = ArchiveOf(Database);
        const size_t End = A.size() - 22;
        const size_t Central = End - 58;
        C.Patch(A, Central, End);
        try
        {
            LoadBytes(A);
            ADD_FAILURE() << C.Name << ": read";
        }
        catch (const ESkinFileError& E)
        {
            EXPECT_EQ(E.Status(), C.Expected) << C.Name << ": " << E.Reason();
            EXPECT_EQ(E.Message(), "Failed to read skin file!");
        }
    }
}

TEST(SkinFileReader, RefusesLongNamesAndShortEncryptedMembers)
{
    TZipWriter LongName;
    LongName.AddMember(std::string(260, 'n'), FourItemDatabase());
    LongName.AddMember("SKINDATA.SK2", FourItemDatabase());
    TZipMemberOptions Sealed;
    Sealed.Password = "pw";
    Sealed.Deflate = false;
    std::vector<uint8_t> Short = ArchiveOf({1, 2, 3}, Sealed);
    // An encrypted member of 5 bytes cannot hold its 12-byte header.
    Put32(Short, Short.size() - 22 - 58 + 20, 5);
    const std::pair<std::vector<uint8_t>, TSkinFileStatus> Cases[] = {
        {LongName.Build(), TSkinFileStatus::NameTooLong},
        {Short, TSkinFileStatus::MemberOutOfBounds},
    };
    for (const auto& [Archive, Expected] : Cases)
    {
        try
        {
            LoadBytes(Archive, "pw");
            ADD_FAILURE() << SkinFileStatusText(Expected) << ": read";
        }
        catch (const ESkinFileError& E)
        {
            EXPECT_EQ(E.Status(), Expected) << E.Reason();
        }
    }
}

} // namespace
