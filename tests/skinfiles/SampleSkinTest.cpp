// The sample skin files built with the tree, and skin-dump on them.

#include "SkinFixtures.h"

#include "framework/graphics/Bitmap.h"
#include "skin/SUI2Define.h"
#include "skinfiles/SUI2SkinReader.h"
#include "tools/skin-writer/SampleSkin.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <sys/wait.h>

namespace
{

const std::string Plain = std::string(NOVLA_SAMPLE_SKIN_DIR) + "/novla-sample.skin";
const std::string Sealed = std::string(NOVLA_SAMPLE_SKIN_DIR) + "/novla-sample-encrypted.skin";

// Runs Command; returns its exit status and standard output.
int RunTool(const std::string& Command, std::string& Output)
{
    Output.clear();
    std::FILE* P = popen((Command + " 2>/dev/null").c_str(), "r");
    if (!P) return -1;
    std::array<char, 4096> Buf;
    size_t N;
    while ((N = std::fread(Buf.data(), 1, Buf.size(), P)) > 0)
        Output.append(Buf.data(), N);
    const int Status = pclose(P);
    return WIFEXITED(Status) ? WEXITSTATUS(Status) : -1;
}

TEST(SampleSkin, BothFilesHoldTheSameSkin)
{
    Tsk2SkinFileReader A(Plain, "");
    Tsk2SkinFileReader B(Sealed, SampleSkinPassword);
    ASSERT_TRUE(A.Loaded());
    ASSERT_TRUE(B.Loaded());
    EXPECT_EQ(A.Items().size(), 85u);
    EXPECT_EQ(B.Items().size(), A.Items().size());
    // Frame layouts the controls cut: 3 button states, 18 title buttons.
    EXPECT_EQ(A.GetBitmap("SKIN2_BUTTON")->Width() % 3, 0);
    EXPECT_EQ(A.GetBitmap("SKIN2_TITLEBUTTONS")->Width() % 18, 0);
    EXPECT_EQ(A.GetInteger("SKIN2_TRANSCOLOR"), 0xFF00FF);
    EXPECT_TRUE(B.GetBool("SKIN2_TITLEFIVESECT"));
    EXPECT_EQ(B.GetStr("NOVLA_SKIN_NAME"), "Slate");
    Tsk2SkinFileReader Locked(Sealed, "");
    EXPECT_FALSE(Locked.Loaded());
}

TEST(SampleSkin, HoldsEveryFileThemeElementUnderItsKey)
{
    Tsk2SkinFileReader Skin(Plain, "");
    for (int I = 0; I < SKIN2_KEY_COUNT; ++I)
    {
        const char* Key = SKIN2_SKINFILE_KEYNAME[I];
        if (I >= SKIN2_BITMAP_KEY_OFFSET && I < SKIN2_INT_KEY_OFFSET)
            EXPECT_NE(Skin.GetBitmap(Key), nullptr) << Key;
        else if (I >= SKIN2_BOOL_KEY_OFFSET)
            EXPECT_GE(Skin.Booleans().IndexOfName(Key), 0) << Key;
        else
            EXPECT_GE(Skin.Integers().IndexOfName(Key), 0) << Key;
    }
}

TEST(SkinDump, ListsRefusesAndExtracts)
{
    const std::string Dump = NOVLA_SKIN_DUMP_PATH;
    std::string Out;
    EXPECT_EQ(RunTool(Dump + " " + Plain, Out), 0);
    EXPECT_NE(Out.find("bitmap   SKIN2_BUTTON"), std::string::npos) << Out;
    EXPECT_NE(Out.find("222x23, 24 bits"), std::string::npos) << Out;
    EXPECT_NE(Out.find("\"Slate\""), std::string::npos) << Out;

    EXPECT_EQ(RunTool(Dump + " " + Sealed + " --json --password " + SampleSkinPassword, Out), 0);
    EXPECT_NE(Out.find("\"loaded\": true"), std::string::npos);
    EXPECT_NE(Out.find("{\"name\": \"SKIN2_TITLEFIVESECT\", \"kind\": \"boolean\", \"size\": 1, "
                       "\"value\": 1}"),
              std::string::npos)
        << Out;

    EXPECT_EQ(RunTool(Dump + " " + Sealed + " --json", Out), 3);
    EXPECT_NE(Out.find("no password was given"), std::string::npos) << Out;

    TTempDir Dir;
    std::vector<uint8_t> Broken = ArchiveOf({1, 2, 3});
    Broken.back() = 1; // an archive comment announced
    EXPECT_EQ(RunTool(Dump + " " + Dir.Write("broken.skin", Broken) + " --json", Out), 2);
    EXPECT_NE(Out.find("the archive carries a comment"), std::string::npos) << Out;

    EXPECT_EQ(RunTool(Dump + " " + Plain + " --extract " + Dir.Path(), Out), 0);
    int Pictures = 0;
    for (const auto& Entry : std::filesystem::directory_iterator(Dir.Path()))
        Pictures += Entry.path().extension() == ".png";
    EXPECT_EQ(Pictures, 34);
    EXPECT_EQ(RunTool(Dump, Out), 1);
}

} // namespace
