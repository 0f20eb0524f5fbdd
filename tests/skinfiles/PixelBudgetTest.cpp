#include "SkinFixtures.h"

#include "platform/gfx/PngCodec.h"
#include "skinfiles/SUI2SkinReader.h"
#include "skinfiles/SkinFileError.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <fstream>
#include <sstream>

extern char** environ;

namespace
{

// A W x H one-bit BMP file of one colour, written by hand: a large blank
// picture in few bytes, as a hostile skin would carry it.
std::vector<uint8_t> BlankOneBitBmp(uint32_t W, uint32_t H)
{
    const uint32_t Row = (W + 31) / 32 * 4;
    const uint32_t PixelsAt = 14 + 40 + 8;
    std::vector<uint8_t> B(PixelsAt + size_t(Row) * H, 0);
    B[0] = 'B';
    B[1] = 'M';
    Put32(B, 2, uint32_t(B.size()));
    Put32(B, 10, PixelsAt);
    Put32(B, 14, 40);
    Put32(B, 18, W);
    Put32(B, 22, H);
    Put16(B, 26, 1);
    Put16(B, 28, 1);
    Put32(B, 58, 0x00FFFFFF); // palette entry 1; entry 0 stays black
    return B;
}

std::vector<uint8_t> SolidPng(int W, int H)
{
    std::vector<uint8_t> Bytes;
    if (WritePng(TSurface(W, H, 0x00FF00), Bytes) != TCodecStatus::Ok) ADD_FAILURE() << "WritePng";
    return Bytes;
}

TEST(PixelBudget, CountsTheBitmapsOfASkinTogether)
{
    // 12 + 16 + 15 pixels in a 24-bit BMP, a one-bit BMP and a PNG.
    TSk2Writer W;
    W.AddBitmap("SKIN2_BUTTON", SolidBmp(6, 2, 0x0000FF));
    W.AddInteger("SKIN2_FORMCOLOR", 7);
    W.AddBitmap("SKIN2_CHECKBOX", BlankOneBitBmp(4, 4));
    W.AddBitmap("SKIN2_RADIOBOX", SolidPng(5, 3));
    const std::vector<uint8_t> Archive = ArchiveOf(W.Build());
    const struct
    {
        uint64_t Budget;
        TSkinFileStatus Expected;
    } Cases[] = {
        {43, TSkinFileStatus::Ok},
        {42, TSkinFileStatus::TooManyPixels},
        {0, TSkinFileStatus::TooManyPixels},
        {DefaultSkinPixelBudget, TSkinFileStatus::Ok},
    };
    for (const auto& C : Cases)
    {
        Tsk2SkinFileReader Reader;
        Reader.SetPixelBudget(C.Budget);
        const TSkinFileResult Result = Reader.ReadBytes(Archive, "");
        EXPECT_EQ(Result.Status(), C.Expected) << C.Budget << ": " << Result.Text();
        EXPECT_EQ(Reader.Loaded(), C.Expected == TSkinFileStatus::Ok) << C.Budget;
        EXPECT_EQ(Reader.Bitmaps().Count(), C.Expected == TSkinFileStatus::Ok ? 3 : 0) << C.Budget;
        if (C.Expected == TSkinFileStatus::Ok) continue;
        // Refused with the reader's error, as any damaged skin is.
        EXPECT_THROW(Reader.LoadFromBytes(Archive, ""), ESkinFileError) << C.Budget;
        EXPECT_NE(Result.Text().find("43 pixels"), std::string::npos) << Result.Text();
    }
}

// Runs Program with Args, its standard output thrown away and its standard
// error into ErrorFile; answers the exit code (-1 if it did not exit) and
// the child's peak resident memory in kilobytes.
int RunMeasured(const std::vector<std::string>& Args, const std::string& ErrorFile, long& PeakKb)
{
    posix_spawn_file_actions_t Actions;
    posix_spawn_file_actions_init(&Actions);
    posix_spawn_file_actions_addopen(&Actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&Actions, 2, ErrorFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);
    std::vector<char*> Argv;
    for (const std::string& A : Args)
        Argv.push_back(const_cast<char*>(A.c_str()));
    Argv.push_back(nullptr);
    pid_t Child;
    const int Error = posix_spawn(&Child, Argv[0], &Actions, nullptr, Argv.data(), environ);
    posix_spawn_file_actions_destroy(&Actions);
    if (Error != 0) return -1;
    int Status = 0;
    rusage Usage{};
    if (wait4(Child, &Status, 0, &Usage) != Child) return -1;
    PeakKb = Usage.ru_maxrss;
    return WIFEXITED(Status) ? WEXITSTATUS(Status) : -1;
}

TEST(PixelBudget, ASkinOfLargeBlankBitmapsIsRefusedInLittleMemory)
{
    // Five blank 4000 x 4000 pictures: 80 megapixels, 10 MB of database,
    // some 30 KB of file. Decoded they would take 320 MB.
    TSk2Writer W;
    for (int I = 0; I < 5; ++I)
        W.AddBitmap("SKIN2_BLANK" + std::to_string(I), BlankOneBitBmp(4000, 4000));
    TTempDir Dir;
    const std::string Skin = Dir.Write("blank.skin", ArchiveOf(W.Build()));
    const std::string Errors = Dir.Path() + "/errors.txt";
    long PeakKb = 0;
    const int Exit = RunMeasured({NOVLA_SKIN_DUMP_PATH, Skin}, Errors, PeakKb);
    std::ifstream In(Errors);
    std::stringstream Said;
    Said << In.rdbuf();
    EXPECT_EQ(Exit, 2) << Said.str();
    EXPECT_NE(Said.str().find("exceed the pixel budget"), std::string::npos) << Said.str();
    EXPECT_LT(PeakKb, 256 * 1024) << "peak resident memory in kB";
    RecordProperty("PeakResidentKb", std::to_string(PeakKb));
}

} // namespace
