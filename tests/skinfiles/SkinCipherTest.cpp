#include "SkinFixtures.h"

#include "skinfiles/SUI2SkinReader.h"
#include "skinfiles/SUIFileThemeMgr.h"
#include "skinfiles/ZipArchive.h"
#include "skinfiles/ZipCipher.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace
{

std::vector<uint8_t> FromHex(std::string_view Hex)
{
    std::vector<uint8_t> Bytes;
    for (size_t I = 0; I + 1 < Hex.size(); I += 2)
        Bytes.push_back(uint8_t(std::stoi(std::string(Hex.substr(I, 2)), nullptr, 16)));
    return Bytes;
}

// A skin archive made by another program's traditional encryption under the
// password "vector-pass": one deflated member SKINDATA.SK2 with sizes after
// the data (the check byte comes from the time), holding a skin database of
// 182 bytes with the one integer item SKIN2_FORMCOLOR = 0x00ABCDEF.
const std::vector<uint8_t> Vector =
    FromHex("504b030414000b0008000060a158f1df8ff234000000b60000000c000000534b"
            "494e444154412e534b3260a4111e28983a0ecddb9390b3cc42572f9ef24f16ed"
            "27d841a7d3ab52e09083056d3d71cb0b59d11859317a3f63432d2b41654f504b"
            "0708f1df8ff234000000b6000000504b01021e0314000b0008000060a158f1df"
            "8ff234000000b60000000c0000000000000000000000a48100000000534b494e"
            "444154412e534b32504b050600000000010001003a0000006e0000000000");
constexpr const char* VectorPassword = "vector-pass";

TEST(SkinCipher, ReadsAFixedArchiveOfAnotherProgram)
{
    Tsk2SkinFileReader Reader;
    ASSERT_TRUE(Reader.ReadBytes(Vector, VectorPassword).Ok()) << Reader.StatusText();
    ASSERT_EQ(Reader.Items().size(), 1u);
    EXPECT_EQ(Reader.Items()[0].Size, 4u);
    EXPECT_EQ(Reader.GetInteger("SKIN2_FORMCOLOR"), 0x00ABCDEF);
    EXPECT_EQ(Reader.ReadBytes(Vector, "vector-Pass").Status(), TSkinFileStatus::WrongPassword);
}

TEST(SkinCipher, EncryptsAsTheFixedArchiveWasEncrypted)
{
    // Decrypting the member and encrypting it again under the same password
    // gives the stored bytes back only if both directions use the right
    // key constants; a cipher wrong in both would still round-trip its own
    // output, but not another program's.
    TZipEntry Entry;
    ASSERT_TRUE(FindZipMember(Vector, "SKINDATA.SK2", Entry).Ok());
    const auto Stored = std::span(Vector).subspan(Entry.DataOffset, Entry.CompressedSize);
    std::vector<uint8_t> Plain(Stored.begin(), Stored.end());
    TZipCipher(VectorPassword).Decrypt(Plain);
    EXPECT_EQ(Plain[TZipCipher::HeaderSize - 1], Entry.ModTime >> 8);
    std::vector<uint8_t> Again = Plain;
    TZipCipher(VectorPassword).Encrypt(Again);
    EXPECT_TRUE(std::equal(Again.begin(), Again.end(), Stored.begin(), Stored.end()));
}

TEST(SkinCipher, AWrongPasswordThatPassesTheCheckByteIsNamedSo)
{
    // About one wrong password in 256 decrypts the check byte right; what it
    // then decrypts is noise, which cannot be told from a damaged file.
    TSk2Writer W;
    W.AddInteger("SKIN2_FORMCOLOR", 0x00123456);
    W.AddString("NOVLA_SKIN_NAME", "Slate");
    TZipMemberOptions Sealed;
    Sealed.Password = "s3cret";
    const std::vector<uint8_t> Archive = ArchiveOf(W.Build(), Sealed);
    TZipEntry Entry;
    ASSERT_TRUE(FindZipMember(Archive, "SKINDATA.SK2", Entry).Ok());
    std::string Lucky;
    for (int I = 0; I < 10000 && Lucky.empty(); ++I)
    {
        const std::string Guess = "guess" + std::to_string(I);
        uint8_t Header[TZipCipher::HeaderSize];
        std::copy_n(Archive.begin() + std::ptrdiff_t(Entry.DataOffset), sizeof Header, Header);
        TZipCipher(Guess).Decrypt(Header);
        if (Header[TZipCipher::HeaderSize - 1] == uint8_t(Entry.Crc >> 24)) Lucky = Guess;
    }
    ASSERT_FALSE(Lucky.empty());

    Tsk2SkinFileReader Reader;
    const TSkinFileResult Result = Reader.ReadBytes(Archive, Lucky);
    EXPECT_EQ(Result.Status(), TSkinFileStatus::WrongPasswordOrDamaged) << Lucky;
    EXPECT_FALSE(Reader.Loaded());
    TsuiFileThemeMgr Manager;
    EXPECT_FALSE(Manager.LoadFromBytes(Archive, Lucky));
    EXPECT_EQ(Manager.LastError().rfind("wrong password or damaged file", 0), 0u)
        << Manager.LastError();
    EXPECT_EQ(Manager.LastError().find("corrupt"), std::string::npos) << Manager.LastError();
}

} // namespace
