// Skin files packed by archivers nobody here wrote: Python's zipfile and
// Info-ZIP zip. Each must give exactly the items of the database the test
// wrote. A test whose tool is missing is skipped (scripts/packages.txt
// installs both).

#include "SkinFixtures.h"

#include "framework/graphics/Bitmap.h"
#include "skinfiles/SUI2SkinReader.h"
#include "skinfiles/SkinFileError.h"
#include "tools/skin-writer/SampleSkin.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace
{

bool Have(const char* Tool)
{
    return std::system(("command -v " + std::string(Tool) + " >/dev/null 2>&1").c_str()) == 0;
}

// The sample skin's database: bitmaps, colours, integers, flags and a string,
// large enough for dynamic Huffman blocks.
const std::vector<uint8_t>& Database()
{
    static const std::vector<uint8_t> D = BuildSampleSkinDatabase();
    return D;
}

void ExpectSameItems(const Tsk2SkinFileReader& Reader, const char* Case)
{
    ASSERT_TRUE(Reader.Loaded()) << Case << ": " << Reader.StatusText();
    // What the writer was given, not what our parser makes of its bytes.
    const TSk2Writer Writer = SampleSkinWriter();
    const std::vector<TSk2Writer::TItem>& Expected = Writer.Items();
    ASSERT_EQ(Reader.Items().size(), Expected.size()) << Case;
    for (size_t I = 0; I < Expected.size(); ++I)
    {
        const TSk2Writer::TItem& E = Expected[I];
        const auto Kind = static_cast<TSk2Kind>(E.Kind);
        const TSkinItemInfo& Got = Reader.Items()[I];
        EXPECT_EQ(Got.Name, E.Name) << Case;
        EXPECT_EQ(Got.Kind, Kind) << Case;
        EXPECT_EQ(Got.Size, E.Data.size()) << Case;
        const uint8_t* D = E.Data.data();
        switch (Kind)
        {
        case TSk2Kind::Integer:
            EXPECT_EQ(Reader.GetInteger(E.Name),
                      int32_t(D[0] | D[1] << 8 | D[2] << 16 | uint32_t(D[3]) << 24))
                << Case;
            break;
        case TSk2Kind::Boolean:
            EXPECT_EQ(Reader.GetBool(E.Name), D[0] != 0) << Case;
            break;
        case TSk2Kind::String:
            EXPECT_EQ(Reader.GetStr(E.Name), std::string(E.Data.begin(), E.Data.end())) << Case;
            break;
        case TSk2Kind::Bitmap:
        {
            TBitmap Original;
            Original.LoadFromBytes(E.Data);
            const TBitmap* B = Reader.GetBitmap(E.Name);
            ASSERT_NE(B, nullptr) << Case;
            EXPECT_EQ(B->Width(), Original.Width()) << Case;
            EXPECT_EQ(B->Height(), Original.Height()) << Case;
            EXPECT_EQ(B->Surface().Pixel(B->Width() - 1, B->Height() - 1),
                      Original.Surface().Pixel(B->Width() - 1, B->Height() - 1))
                << Case;
            break;
        }
        }
    }
}

TEST(ForeignArchives, PythonZipfileDeflatedAndStored)
{
    if (!Have("python3")) GTEST_SKIP() << "python3 is not installed (scripts/packages.txt)";
    TTempDir Dir;
    const std::string Member = Dir.Write("SKINDATA.SK2", Database());
    const struct
    {
        const char* Name;
        const char* Compression;
        const char* Level;
        const char* Member;
    } Cases[] = {
        {"deflated", "ZIP_DEFLATED", "None", "SKINDATA.SK2"},
        {"deflated, level 1", "ZIP_DEFLATED", "1", "SKINDATA.SK2"},
        {"deflated, level 9", "ZIP_DEFLATED", "9", "SKINDATA.SK2"},
        {"stored", "ZIP_STORED", "None", "SKINDATA.SK2"},
        {"deflated, name in small letters", "ZIP_DEFLATED", "None", "skindata.sk2"},
        {"after another member", "ZIP_DEFLATED", "None", "SKINDATA.SK2"},
    };
    int N = 0;
    for (const auto& C : Cases)
    {
        const std::string Out = Dir.Path() + "/python" + std::to_string(N++) + ".skin";
        const bool Other = std::string(C.Name) == "after another member";
        const std::string Script = "import zipfile,sys\n"
                                   "z=zipfile.ZipFile(sys.argv[1],'w',zipfile." +
                                   std::string(C.Compression) + ",compresslevel=" + C.Level +
                                   ")\n" + (Other ? "z.writestr('readme.txt','a skin')\n" : "") +
                                   "z.write(sys.argv[2],'" + C.Member + "')\nz.close()\n";
        const std::string ScriptPath = Dir.Write("pack.py", {Script.begin(), Script.end()});
        ASSERT_EQ(std::system(("python3 " + ScriptPath + " " + Out + " " + Member).c_str()), 0)
            << C.Name;
        Tsk2SkinFileReader Reader(Out, "");
        ExpectSameItems(Reader, C.Name);
    }
}

TEST(ForeignArchives, InfoZipLevelsAndEncryption)
{
    if (!Have("zip")) GTEST_SKIP() << "zip is not installed (scripts/packages.txt)";
    TTempDir Dir;
    Dir.Write("SKINDATA.SK2", Database());
    Dir.Write("skindata.sk2.lower", Database());
    const struct
    {
        const char* Name;
        const char* Options;
        const char* Password;
    } Cases[] = {
        {"stored", "-0", ""},
        {"fastest", "-1", ""},
        {"default", "-6", ""},
        {"smallest", "-9", ""},
        {"encrypted", "-9 -P zip-pass", "zip-pass"},
        {"encrypted and stored", "-0 -P zip-pass", "zip-pass"},
    };
    int N = 0;
    for (const auto& C : Cases)
    {
        const std::string Out = Dir.Path() + "/infozip" + std::to_string(N++) + ".skin";
        const std::string Command =
            "cd " + Dir.Path() + " && zip -q -X " + C.Options + " " + Out + " SKINDATA.SK2";
        ASSERT_EQ(std::system(Command.c_str()), 0) << C.Name;
        Tsk2SkinFileReader Reader(Out, C.Password);
        ExpectSameItems(Reader, C.Name);
        if (*C.Password)
        {
            // zip salts every archive, so in 1 run in 256 the wrong password
            // passes the one-byte check and the file reads as damaged.
            try
            {
                Tsk2SkinFileReader Wrong(Out, "not-the-pass");
                EXPECT_FALSE(Wrong.Loaded()) << C.Name;
            }
            catch (const ESkinFileError& E)
            {
                EXPECT_EQ(E.Status(), TSkinFileStatus::WrongPasswordOrDamaged)
                    << C.Name << ": " << E.Reason();
            }
        }
    }
    // A member name in other letters, written from standard input (which
    // makes zip describe sizes after the data).
    const std::string Lower = Dir.Path() + "/lower.skin";
    ASSERT_EQ(std::system(("cd " + Dir.Path() +
                           " && mkdir -p sub && cp skindata.sk2.lower sub/skindata.sk2 && cd sub "
                           "&& zip -q -X -P zip-pass -9 " +
                           Lower + " skindata.sk2")
                              .c_str()),
              0);
    Tsk2SkinFileReader Reader(Lower, "zip-pass");
    ExpectSameItems(Reader, "encrypted, name in small letters");
}

} // namespace
