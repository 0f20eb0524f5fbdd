#include "framework/graphics/Canvas.h"
#include "skin/SUIFileTheme.h"
#include "skin/SUIThemes.h"
#include "tests/skin/TestFileTheme.h"

#include <gtest/gtest.h>

#include <optional>

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
TEST(FileTheme, EachKeyIsItsEnumeratorsNameAtItsWrittenPlace)
{
    // Ordinals and places written out from the file format, not taken from
    // the lists that make the enumerations and the keys.
    EXPECT_EQ(SKIN2_COLOR_COUNT, 32);
    EXPECT_EQ(SKIN2_BITMAP_COUNT, 34);
    EXPECT_EQ(SKIN2_INT_COUNT, 9);
    EXPECT_EQ(SKIN2_BOOL_COUNT, 9);
    struct TCase
    {
        int Enumerator;
        int Ordinal;
        int Position;
        const char* Key;
    };
    const TCase Cases[] = {
        {SKIN2_TRANSCOLOR, 0, 0, "SKIN2_TRANSCOLOR"},
        {SKIN2_TOOLBARDOWNCOLOR, 20, 20, "SKIN2_TOOLBARDOWNCOLOR"},
        {SKIN2_SIDECHANNELBORDERCOLOR, 31, 31, "SKIN2_SIDECHANNELBORDERCOLOR"},
        {SKIN2_TITLEBAR1, 0, 32, "SKIN2_TITLEBAR1"},
        {SKIN2_TITLEBUTTONS, 11, 43, "SKIN2_TITLEBUTTONS"},
        {SKIN2_SCROLLBUTTON, 33, 65, "SKIN2_SCROLLBUTTON"},
        {SKIN2_TITLEBARICONPOSX, 0, 66, "SKIN2_TITLEBARICONPOSX"},
        {SKIN2_BOTTOMREGIONMAXY, 8, 74, "SKIN2_BOTTOMREGIONMAXY"},
        {SKIN2_TITLEFIVESECT, 0, 75, "SKIN2_TITLEFIVESECT"},
        {SKIN2_TABCONTROLTRANS, 8, 83, "SKIN2_TABCONTROLTRANS"},
    };
    for (const TCase& C : Cases)
    {
        SCOPED_TRACE(C.Key);
        EXPECT_EQ(C.Enumerator, C.Ordinal);
        EXPECT_STREQ(SKIN2_SKINFILE_KEYNAME[C.Position], C.Key);
    }
}

TEST(FileThemeColor, StandsAsideOnlyForNoThemeOrAColourTheSkinLacks)
{
    TTestFileTheme Unloaded(nullptr);
    TTestFileTheme Loaded(nullptr);
    Loaded.SetLoaded(true);
    Loaded.SetColor(SKIN2_FORMCOLOR, TColor(0x123456));
    Loaded.SetColor(SKIN2_TITLEFONTCOLOR, TColor(0)); // black is a colour
    struct TCase
    {
        const TsuiFileTheme* Theme;
        Tsk2SkinColorElement Element;
        std::optional<TColor> Colour;
    };
    const TCase Cases[] = {
        {nullptr, SKIN2_FORMCOLOR, std::nullopt},
        {&Loaded, SKIN2_FORMCOLOR, TColor(0x123456)},
        {&Loaded, SKIN2_TITLEFONTCOLOR, TColor(0)},
        {&Loaded, SKIN2_TRANSCOLOR, std::nullopt}, // the skin answers -1
        {&Unloaded, SKIN2_FORMCOLOR, TColor(0)},   // no skin answers black
    };
    for (const TCase& C : Cases)
    {
        SCOPED_TRACE(SkinFileKeyName(C.Element));
        EXPECT_EQ(FileThemeColor(C.Theme, C.Element), C.Colour);
    }
}
} // namespace
