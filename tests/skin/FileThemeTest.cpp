#include "framework/graphics/Canvas.h"
#include "skin/SUIFileTheme.h"
#include "skin/SUIThemes.h"
#include "tests/skin/TestFileTheme.h"

#include <gtest/gtest.h>

namespace
{
TEST(FileTheme, WithoutASkinAnswersNothing)
{
    TTestFileTheme Theme(nullptr);
    Theme.SetColor(SKIN2_FORMCOLOR, 0x123456);
    EXPECT_FALSE(Theme.CanUse());
    EXPECT_EQ(Theme.GetColor(SKIN2_FORMCOLOR), 0u);
    EXPECT_EQ(Theme.GetInt(SKIN2_TITLEBARCAPTIONTOP), 0);
    EXPECT_FALSE(Theme.GetBool(SKIN2_BUTTONTRANS));
    EXPECT_EQ(Theme.GetBitmap(SKIN2_BUTTON), nullptr);
    EXPECT_EQ(GetPropValue(Theme, "Ready"), TValue(false));
}

TEST(FileTheme, ReadyFollowsTheSkinAndIgnoresAssignments)
{
    TTestFileTheme Theme(nullptr);
    SetPropValue(Theme, "Ready", TValue(true));
    EXPECT_FALSE(Theme.CanUse());
    Theme.SetLoaded(true);
    SetPropValue(Theme, "Ready", TValue(false));
    EXPECT_EQ(GetPropValue(Theme, "Ready"), TValue(true));
}

TEST(FileTheme, GetBitmap2CopiesTheWholePictureOrOneFrame)
{
    TTestFileTheme Theme(nullptr);
    Theme.SetLoaded(true);
    TBitmap Strip;
    Strip.SetSize(9, 2);
    for (int X = 0; X < 9; ++X)
        Strip.Canvas()->SetPixel(X, 0, RGB(X, 0, 0));
    Theme.SetBitmap(SKIN2_BUTTON, Strip);

    struct TCase
    {
        int Count;
        int Index;
        int Width;
        int FirstColumn;
    };
    // Both numbers must be non-zero to cut a frame.
    const TCase Cases[] = {{0, 0, 9, 0}, {3, 0, 9, 0}, {0, 2, 9, 0}, {3, 2, 3, 3}, {3, 3, 3, 6}};
    for (const TCase& C : Cases)
    {
        SCOPED_TRACE(std::to_string(C.Count) + "/" + std::to_string(C.Index));
        TBitmap Into;
        Theme.GetBitmap2(SKIN2_BUTTON, &Into, C.Count, C.Index);
        ASSERT_EQ(Into.Width(), C.Width);
        EXPECT_EQ(Into.Canvas()->Pixel(0, 0), RGB(C.FirstColumn, 0, 0));
    }

    // An element the skin lacks, or a frame outside the strip: empty.
    TBitmap Into;
    Into.SetSize(4, 4);
    Theme.GetBitmap2(SKIN2_CHECKBOX, &Into);
    EXPECT_TRUE(Into.Empty());
    Into.SetSize(4, 4);
    Theme.GetBitmap2(SKIN2_BUTTON, &Into, 3, 4);
    EXPECT_TRUE(Into.Empty());
    Theme.GetBitmap2(SKIN2_BUTTON, nullptr, 3, 1);
}

TEST(FileTheme, KeysSitAtTheirEnumerationsOffsets)
{
    EXPECT_EQ(SKIN2_KEY_COUNT, 84);
    struct TCase
    {
        const char* Key;
        int Position;
    };
    const TCase Cases[] = {
        {SkinFileKeyName(SKIN2_TRANSCOLOR), 0},
        {SkinFileKeyName(SKIN2_SIDECHANNELBORDERCOLOR), 31},
        {SkinFileKeyName(SKIN2_TITLEBAR1), 32},
        {SkinFileKeyName(SKIN2_SCROLLBUTTON), 65},
        {SkinFileKeyName(SKIN2_TITLEBARICONPOSX), 66},
        {SkinFileKeyName(SKIN2_BOTTOMREGIONMAXY), 74},
        {SkinFileKeyName(SKIN2_TITLEFIVESECT), 75},
        {SkinFileKeyName(SKIN2_TABCONTROLTRANS), 83},
    };
    for (const TCase& C : Cases)
        EXPECT_STREQ(C.Key, SKIN2_SKINFILE_KEYNAME[C.Position]);
    EXPECT_STREQ(SkinFileKeyName(SKIN2_CONTROLBORDERCOLOR), "SKIN2_CONTROLBORDERCOLOR");
    EXPECT_STREQ(SkinFileKeyName(SKIN2_SIDECHANNELTITLE), "SKIN2_SIDECHANNELTITLE");
    EXPECT_STREQ(SkinFileKeyName(Tsk2IntElement(9)), "");
    EXPECT_STREQ(SkinFileKeyName(Tsk2SkinBitmapElement(200)), "");
}
} // namespace
