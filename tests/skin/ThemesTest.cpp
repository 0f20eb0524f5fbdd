#include "framework/ResourceTable.h"
#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Canvas.h"
#include "skin/SUIThemes.h"
#include "tests/skin/CodedPicture.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

namespace
{
// True when Bitmap shows columns FromX.. of the coded picture.
::testing::AssertionResult ShowsCodedColumns(TBitmap& Bitmap, int FromX)
{
    for (int Y = 0; Y < Bitmap.Height(); ++Y)
        for (int X = 0; X < Bitmap.Width(); ++X)
            if (Bitmap.Canvas()->Pixel(X, Y) != Code(FromX + X, Y))
                return ::testing::AssertionFailure()
                       << "pixel (" << X << ", " << Y << ") is not source column " << FromX + X;
    return ::testing::AssertionSuccess();
}

TEST(ThemeItems, ReadEachTypeWithItsDefaultsOnMismatch)
{
    struct TCase
    {
        TsuiUIStyle Style;
        int Index;
        TColor Color;
        int Int;
        bool Bool;
    };
    const TCase Cases[] = {
        {Protein, SUI_ITEM_FORM_COLOR, 0xFBFBFB, -1, false},
        {Protein, SUI_ITEM_CONTROL_BORDER_COLOR, 0x000000, -1, false},
        {WinXP, SUI_ITEM_FORM_BORDER_COLOR, 0xC82C00, -1, false},
        {WinXP, SUI_ITEM_CONTROL_FONT_COLOR, 0xCF4602, -1, false},
        {BlueGlass, SUI_ITEM_TITLEBAR_RIGHTBTN_XOFFSET, 0, -3, false}, // signed
        {MacOS, SUI_ITEM_TITLEBAR_RIGHTBTN_XOFFSET, 0, -2, false},
        {BlueGlass, SUI_ITEM_FORM_MIN_WIDTH, 0, 270, false},
        {WinXP, SUI_ITEM_FORM_ROUNDCORNER, 0, 13, false},
        {MacOS, SUI_ITEM_BUTTON_TRANSPARENT, 0, -1, true},
        {Protein, SUI_ITEM_BUTTON_TRANSPARENT, 0, -1, false},
        {Protein, SUI_ITEM_TITLEBUTTON_TRANSPARENT, 0, -1, true},
        {Protein, SUI_ITEM_BUTTON_IMAGE, 0, -1, false}, // a name
        {DeepBlue, 47, 0, 0, false},
        {DeepBlue, 48, 0xE8E8E8, -1, false},
        // No table, or outside it: the defaults.
        {FromThemeFile, SUI_ITEM_FORM_MIN_WIDTH, 0, -1, false},
        {FromThemeFile, SUI_ITEM_FORM_COLOR, 0, -1, false},
        {FromThemeFile, SUI_ITEM_BUTTON_TRANSPARENT, 0, -1, false},
        {TsuiUIStyle(6), SUI_ITEM_FORM_MIN_WIDTH, 0, -1, false},
        {TsuiUIStyle(255), SUI_ITEM_FORM_COLOR, 0, -1, false},
        {Protein, 0, 0, -1, false},
        {Protein, 49, 0, -1, false},
        {Protein, -1, 0, -1, false},
        {MacOS, 1000000, 0, -1, false},
    };
    for (const TCase& C : Cases)
    {
        SCOPED_TRACE("style " + std::to_string(C.Style) + " item " + std::to_string(C.Index));
        EXPECT_EQ(GetInsideThemeColor(C.Style, C.Index), C.Color);
        EXPECT_EQ(GetInsideThemeInt(C.Style, C.Index), C.Int);
        EXPECT_EQ(GetInsideThemeBool(C.Style, C.Index), C.Bool);
    }
    EXPECT_EQ(GetInsideThemeColor(Protein, SUI_ITEM_FORM_COLOR), 16514043u);
}

TEST(ThemeItems, EveryTableFollowsTheItemTypes)
{
    const char* Words[] = {nullptr, "MACOS_", "WINXP_", "DEEPBLUE_", "PROTEIN_", "BLUEGLASS_"};
    for (int S = MacOS; S <= BlueGlass; ++S)
    {
        const TsuiThemeDef* Def = ThemeDefOf(TsuiUIStyle(S));
        ASSERT_NE(Def, nullptr);
        for (int I = 1; I <= SUI_ITEM_COUNT; ++I)
        {
            SCOPED_TRACE("style " + std::to_string(S) + " item " + std::to_string(I));
            const TsuiThemeItem& Item = (*Def)[I - 1];
            ASSERT_NE(Item.Name, nullptr);
            switch (SUI_ITEM_TYPE[I - 1])
            {
            case TsuiType::Str:
                if (I == 43 || I == 45 || I == 46)
                    EXPECT_STREQ(Item.Name, "");
                else if (I == SUI_ITEM_SCROLLBUTTON_IMAGE && S >= DeepBlue)
                    EXPECT_STREQ(Item.Name, "MORE_SCROLLBUTTON");
                else
                    EXPECT_EQ(std::strncmp(Item.Name, Words[S], std::strlen(Words[S])), 0)
                        << Item.Name;
                break;
            case TsuiType::Color:
                EXPECT_EQ(static_cast<uint32_t>(Item.Value) >> 24, 0u);
                EXPECT_STREQ(Item.Name, "");
                break;
            case TsuiType::Bool:
                EXPECT_TRUE(Item.Value == 0 || Item.Value == 1);
                break;
            case TsuiType::Int:
                EXPECT_STREQ(Item.Name, "");
                break;
            }
        }
    }
    EXPECT_EQ(ThemeDefOf(FromThemeFile), nullptr);
    EXPECT_EQ(UIStyleNames().at(Protein), "Protein");
}

TEST(ThemeItems, KeyNamesAreTheConstantsNames)
{
    struct TCase
    {
        int Index;
        const char* Name;
    };
    const TCase Cases[] = {
        {1, "SUI_ITEM_BUTTON_IMAGE"},
        {SUI_ITEM_FORM_COLOR, "SUI_ITEM_FORM_COLOR"},
        {17, "SUI_ITEM_FORM_BORDER_WIDTH"},
        {38, "SUI_ITEM_SCROLLBUTTON_IMAGE"},
        {42, "SUI_ITEM_SIDECHANNEL_BAR_IMAGE"},
        // Spare slots and numbers outside the table have none.
        {43, ""},
        {48, ""},
        {0, ""},
        {49, ""},
        {-7, ""},
    };
    for (const TCase& C : Cases)
    {
        SCOPED_TRACE(C.Index);
        EXPECT_STREQ(ThemeItemName(C.Index), C.Name);
    }
    EXPECT_EQ(SUI_ITEM_COUNT, 48);
    EXPECT_EQ(SUI_ITEM_FORM_COLOR, 15);
    EXPECT_EQ(SUI_ITEM_SIDECHANNEL_BAR_IMAGE, 42);
}

TEST(SpitBitmap, CutsEqualFramesAndTakesTheLastFromTheRight)
{
    auto Strip = CodedBitmap(10, 4);
    struct TCase
    {
        int Index;
        int FromX;
    };
    for (TCase C : {TCase{1, 0}, TCase{2, 3}, TCase{3, 7}})
    {
        SCOPED_TRACE(C.Index);
        TBitmap Frame;
        SpitBitmap(Strip.get(), &Frame, 3, C.Index);
        ASSERT_EQ(Frame.Width(), 3);
        ASSERT_EQ(Frame.Height(), 4);
        EXPECT_TRUE(ShowsCodedColumns(Frame, C.FromX));
    }
}

TEST(SpitBitmap, FramesOutsideTheStripLeaveAnEmptyBitmap)
{
    auto Strip = CodedBitmap(10, 4);
    struct TCase
    {
        int Count;
        int Index;
    };
    for (TCase C : {TCase{0, 0}, TCase{0, 1}, TCase{-3, 1}, TCase{3, 0}, TCase{3, 4}, TCase{3, -1},
                    TCase{11, 1}, TCase{11, 11}})
    {
        SCOPED_TRACE(std::to_string(C.Count) + "/" + std::to_string(C.Index));
        auto Frame = CodedBitmap(5, 5);
        SpitBitmap(Strip.get(), Frame.get(), C.Count, C.Index);
        EXPECT_TRUE(Frame->Empty());
    }
    TBitmap Empty;
    auto Frame = CodedBitmap(5, 5);
    SpitBitmap(&Empty, Frame.get(), 1, 1);
    EXPECT_TRUE(Frame->Empty());
    Frame = CodedBitmap(5, 5);
    SpitBitmap(nullptr, Frame.get(), 1, 1);
    EXPECT_TRUE(Frame->Empty());
    SpitBitmap(Strip.get(), nullptr, 3, 1);
}

TEST(SpitBitmap, SourceMayBeTheDestination)
{
    auto Strip = CodedBitmap(12, 3);
    SpitBitmap(Strip.get(), Strip.get(), 4, 2);
    ASSERT_EQ(Strip->Width(), 3);
    EXPECT_TRUE(ShowsCodedColumns(*Strip, 3));
}

// The style art embeds the real picture; without it a coded stand-in of the
// same size is registered, so the frame arithmetic is checked either way.
void EnsureResource(const char* Name, int Width, int Height)
{
    if (FindResource(Name)) return;
    static std::vector<uint8_t> Bytes = CodedBitmap(Width, Height)->SaveToBytes();
    static TResourceRegistration Registration(Name, Bytes.data(), Bytes.size());
}

TEST(GetInsideThemeBitmap, CutsTheNamedFrameCountBeforeIndex)
{
    EnsureResource("PROTEIN_TITLEBTN", 342, 19);
    TBitmap Whole;
    GetInsideThemeBitmap(Protein, SUI_ITEM_TITLEBUTTON_IMAGE, &Whole);
    ASSERT_EQ(Whole.Width(), 342);
    ASSERT_EQ(Whole.Height(), 19);

    TBitmap Frame;
    GetInsideThemeBitmap(Protein, SUI_ITEM_TITLEBUTTON_IMAGE, &Frame, 18, 9);
    ASSERT_EQ(Frame.Width(), 19);
    ASSERT_EQ(Frame.Height(), 19);
    for (int Y = 0; Y < 19; ++Y)
        for (int X = 0; X < 19; ++X)
            ASSERT_EQ(Frame.Canvas()->Pixel(X, Y), Whole.Canvas()->Pixel(152 + X, Y));
}

TEST(GetInsideThemeBitmap, ItemsThatNameNoBitmap)
{
    auto Kept = CodedBitmap(4, 4);
    GetInsideThemeBitmap(Protein, SUI_ITEM_FORM_COLOR, Kept.get());
    EXPECT_EQ(Kept->Width(), 4);
    EXPECT_TRUE(ShowsCodedColumns(*Kept, 0));
    GetInsideThemeBitmap(FromThemeFile, SUI_ITEM_BUTTON_IMAGE, Kept.get());
    EXPECT_EQ(Kept->Width(), 4);

    auto Emptied = CodedBitmap(4, 4);
    GetInsideThemeBitmap(Protein, SUI_ITEM_FORM_COLOR, Emptied.get(), 3, 1);
    EXPECT_TRUE(Emptied->Empty());

    GetInsideThemeBitmap(Protein, SUI_ITEM_BUTTON_IMAGE, nullptr, 3, 1);
}
} // namespace
