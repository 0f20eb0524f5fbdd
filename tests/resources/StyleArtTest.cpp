#include "resources/StyleArt.h"
#include "framework/ResourceTable.h"
#include "framework/graphics/Bitmap.h"
#include "platform/gfx/IcoCodec.h"
#include "platform/gfx/JpegCodec.h"
#include "platform/gfx/PngCodec.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>

namespace
{
struct TExpected
{
    const char* Name;
    int Width, Height, Frames;
};

// The sizes and frame counts the controls are laid out for.
const TExpected Styles[] = {
    {"MACOS_BUTTON", 252, 23, 3},
    {"WINXP_BUTTON", 54, 21, 3},
    {"DEEPBLUE_BUTTON", 222, 21, 3},
    {"PROTEIN_BUTTON", 222, 21, 3},
    {"BLUEGLASS_BUTTON", 231, 27, 3},
    {"MACOS_CHECKBOX", 60, 17, 4},
    {"WINXP_CHECKBOX", 52, 13, 4},
    {"DEEPBLUE_CHECKBOX", 52, 13, 4},
    {"PROTEIN_CHECKBOX", 52, 13, 4},
    {"BLUEGLASS_CHECKBOX", 52, 13, 4},
    {"MACOS_RADIOBUTTON", 64, 17, 4},
    {"WINXP_RADIOBUTTON", 52, 13, 4},
    {"DEEPBLUE_RADIOBUTTON", 52, 13, 4},
    {"PROTEIN_RADIOBUTTON", 52, 13, 4},
    {"BLUEGLASS_RADIOBUTTON", 52, 13, 4},
    {"MACOS_TITLEBTN", 306, 17, 18},
    {"WINXP_TITLEBTN", 378, 21, 18},
    {"DEEPBLUE_TITLEBTN", 342, 19, 18},
    {"PROTEIN_TITLEBTN", 342, 19, 18},
    {"BLUEGLASS_TITLEBTN", 342, 19, 18},
    {"MACOS_TITLE_LEFT", 48, 23, 1},
    {"WINXP_TITLE_LEFT", 35, 29, 1},
    {"DEEPBLUE_TITLE_LEFT", 97, 32, 1},
    {"PROTEIN_TITLE_LEFT", 441, 23, 1},
    {"BLUEGLASS_TITLE_LEFT", 162, 33, 1},
    {"MACOS_TITLE_CLIENT", 49, 23, 1},
    {"WINXP_TITLE_CLIENT", 37, 29, 1},
    {"DEEPBLUE_TITLE_CLIENT", 98, 32, 1},
    {"PROTEIN_TITLE_CLIENT", 1, 23, 1},
    {"BLUEGLASS_TITLE_CLIENT", 179, 33, 1},
    {"MACOS_TITLE_RIGHT", 48, 23, 1},
    {"WINXP_TITLE_RIGHT", 35, 29, 1},
    {"DEEPBLUE_TITLE_RIGHT", 97, 32, 1},
    {"PROTEIN_TITLE_RIGHT", 1, 23, 1},
    {"BLUEGLASS_TITLE_RIGHT", 101, 33, 1},
    {"MACOS_PROGRESSBAR", 13, 10, 1},
    {"WINXP_PROGRESSBAR", 6, 10, 1},
    {"DEEPBLUE_PROGRESSBAR", 1, 10, 1},
    {"PROTEIN_PROGRESSBAR", 1, 10, 1},
    {"BLUEGLASS_PROGRESSBAR", 1, 10, 1},
    {"MACOS_TRACKBAR_BAR", 45, 5, 1},
    {"WINXP_TRACKBAR_BAR", 45, 8, 1},
    {"DEEPBLUE_TRACKBAR_BAR", 45, 4, 1},
    {"PROTEIN_TRACKBAR_BAR", 45, 4, 1},
    {"BLUEGLASS_TRACKBAR_BAR", 45, 4, 1},
    {"MACOS_TRACKBAR_SLIDER", 11, 20, 1},
    {"WINXP_TRACKBAR_SLIDER", 11, 21, 1},
    {"DEEPBLUE_TRACKBAR_SLIDER", 11, 20, 1},
    {"PROTEIN_TRACKBAR_SLIDER", 11, 20, 1},
    {"BLUEGLASS_TRACKBAR_SLIDER", 11, 20, 1},
    {"MACOS_TRACKBAR_SLIDER_V", 19, 11, 1},
    {"WINXP_TRACKBAR_SLIDER_V", 22, 11, 1},
    {"DEEPBLUE_TRACKBAR_SLIDER_V", 18, 11, 1},
    {"PROTEIN_TRACKBAR_SLIDER_V", 18, 11, 1},
    {"BLUEGLASS_TRACKBAR_SLIDER_V", 18, 11, 1},
    {"MACOS_SCROLLBAR_BUTTON", 96, 22, 6},
    {"WINXP_SCROLLBAR_BUTTON", 96, 17, 6},
    {"DEEPBLUE_SCROLLBAR_BUTTON", 96, 16, 6},
    {"PROTEIN_SCROLLBAR_BUTTON", 96, 16, 6},
    {"BLUEGLASS_SCROLLBAR_BUTTON", 102, 16, 6},
    {"MACOS_SCROLLBAR_TRACK", 33, 16, 3},
    {"WINXP_SCROLLBAR_TRACK", 21, 16, 3},
    {"DEEPBLUE_SCROLLBAR_TRACK", 21, 16, 3},
    {"PROTEIN_SCROLLBAR_TRACK", 21, 16, 3},
    {"BLUEGLASS_SCROLLBAR_TRACK", 21, 16, 3},
    {"MACOS_CHECKLIST", 40, 11, 4},
    {"WINXP_CHECKLIST", 44, 11, 4},
    {"DEEPBLUE_CHECKLIST", 44, 11, 4},
    {"PROTEIN_CHECKLIST", 44, 11, 4},
    {"BLUEGLASS_CHECKLIST", 44, 11, 4},
    {"MACOS_SCROLLBUTTON", 72, 18, 4},
    {"WINXP_SCROLLBUTTON", 72, 18, 4},
    {"MORE_SCROLLBUTTON", 72, 17, 4},
    {"MACOS_TAB", 36, 27, 2},
    {"WINXP_TAB", 18, 18, 2},
    {"DEEPBLUE_TAB", 12, 17, 2},
    {"PROTEIN_TAB", 18, 17, 2},
    {"BLUEGLASS_TAB", 18, 17, 2},
    {"MACOS_TAB_LINE", 17, 7, 1},
    {"WINXP_TAB_LINE", 8, 1, 1},
    {"DEEPBLUE_TAB_LINE", 5, 5, 1},
    {"PROTEIN_TAB_LINE", 10, 5, 1},
    {"BLUEGLASS_TAB_LINE", 10, 5, 1},
    {"MACOS_SIDECHENNEL_HANDLE", 7, 84, 1},
    {"WINXP_SIDECHENNEL_HANDLE", 8, 86, 1},
    {"DEEPBLUE_SIDECHENNEL_HANDLE", 8, 83, 1},
    {"PROTEIN_SIDECHENNEL_HANDLE", 8, 83, 1},
    {"BLUEGLASS_SIDECHENNEL_HANDLE", 8, 86, 1},
    {"MACOS_SIDECHENNEL_BAR", 1, 21, 1},
    {"WINXP_SIDECHENNEL_BAR", 1, 21, 1},
    {"DEEPBLUE_SIDECHENNEL_BAR", 1, 20, 1},
    {"PROTEIN_SIDECHENNEL_BAR", 1, 21, 1},
    {"BLUEGLASS_SIDECHENNEL_BAR", 1, 21, 1},
    // Named by the controls themselves.
    {"MACOS_FORM_BACKGROUND", 8, 8, 1},
    {"PROTEIN_FORM_BACKGROUND", 8, 8, 1},
    {"MACOS_COMBOBOX_BUTTON", 16, 17, 1},
    {"WINXP_COMBOBOX_BUTTON", 16, 18, 1},
    {"MACOS_MENU_BAR", 1, 22, 1},
    {"MACOS_MENU_SELECT", 1, 21, 1},
    {"MENU_CHECKED", 16, 16, 1},
    {"MDI_CONTROL_BUTTON", 48, 16, 3},
    {"PANEL_BUTTON", 52, 12, 4},
};

std::unique_ptr<TBitmap> Load(const char* Name)
{
    auto B = std::make_unique<TBitmap>();
    B->LoadFromResourceName(Name);
    return B;
}

TEST(StyleArt, EveryPictureLoadsAtItsSizeAndFrameLayout)
{
    for (const TExpected& E : Styles)
    {
        SCOPED_TRACE(E.Name);
        TBitmap B;
        ASSERT_NO_THROW(B.LoadFromResourceName(E.Name));
        EXPECT_EQ(B.Width(), E.Width);
        EXPECT_EQ(B.Height(), E.Height);
        const TStyleArtEntry* Entry = FindStyleArt(E.Name);
        ASSERT_NE(Entry, nullptr);
        EXPECT_EQ(Entry->Frames, E.Frames);
        EXPECT_EQ(E.Width % E.Frames, 0) << "frames of equal width";
    }
}

TEST(StyleArt, TheCatalogueHoldsNothingElseAndNoNameTwice)
{
    std::set<std::string> Expected;
    for (const TExpected& E : Styles)
        Expected.insert(E.Name);
    std::set<std::string> Listed;
    for (const TStyleArtEntry& E : StyleArtCatalog())
    {
        if (std::string(E.Group) == "Program") continue;
        EXPECT_TRUE(Listed.insert(E.Name).second) << E.Name;
    }
    EXPECT_EQ(Listed, Expected);
    EXPECT_TRUE(DuplicateResourceNames().empty());
}

// Title-bar buttons drawn transparently take the colour of each frame's
// bottom-left pixel as the one to leave out; opaque ones must not have it.
TEST(StyleArt, TitleButtonFramesOfTransparentStylesStandOnTheKeyColour)
{
    const struct
    {
        const char* Name;
        bool Transparent;
    } Cases[] = {{"MACOS_TITLEBTN", false},
                 {"WINXP_TITLEBTN", false},
                 {"DEEPBLUE_TITLEBTN", false},
                 {"PROTEIN_TITLEBTN", true},
                 {"BLUEGLASS_TITLEBTN", true}};
    for (const auto& C : Cases)
    {
        SCOPED_TRACE(C.Name);
        const auto B = Load(C.Name);
        const int W = B->Width() / 18;
        for (int K = 0; K < 18; ++K)
        {
            const TColor BottomLeft = B->Surface().Pixel(K * W, B->Height() - 1);
            EXPECT_EQ(BottomLeft == clFuchsia, C.Transparent) << "frame " << K + 1;
            // Every frame shows its glyph.
            int Shown = 0;
            for (int Y = 0; Y < B->Height(); ++Y)
                for (int X = 0; X < W; ++X)
                    Shown += B->Surface().Pixel(K * W + X, Y) != clFuchsia;
            EXPECT_GT(Shown, 12) << "frame " << K + 1;
        }
    }
}

// Buttons of the styles that show their parent through the face (rounded
// corners) leave the corners in the key colour, which the nine-piece fit
// skips; the opaque styles fill them.
TEST(StyleArt, ButtonCornersShowThroughOnlyInTransparentStyles)
{
    const struct
    {
        const char* Name;
        bool Transparent;
    } Cases[] = {{"MACOS_BUTTON", true},
                 {"WINXP_BUTTON", false},
                 {"DEEPBLUE_BUTTON", false},
                 {"PROTEIN_BUTTON", false},
                 {"BLUEGLASS_BUTTON", true}};
    for (const auto& C : Cases)
    {
        SCOPED_TRACE(C.Name);
        const auto B = Load(C.Name);
        const int W = B->Width() / 3, H = B->Height();
        for (int K = 0; K < 3; ++K)
        {
            for (TPoint P : {TPoint{0, 0}, {W - 1, 0}, {0, H - 1}, {W - 1, H - 1}})
                EXPECT_EQ(B->Surface().Pixel(K * W + P.X, P.Y) == clFuchsia, C.Transparent)
                    << "frame " << K + 1 << " corner " << P.X << "," << P.Y;
            EXPECT_NE(B->Surface().Pixel(K * W + W / 2, H / 2), clFuchsia);
        }
    }
}

TEST(StyleArt, MenuCheckMarkIsBlackOnItsWhiteTransparentColour)
{
    const auto B = Load("MENU_CHECKED");
    int Black = 0, White = 0;
    for (int Y = 0; Y < 16; ++Y)
        for (int X = 0; X < 16; ++X)
        {
            const TColor C = B->Surface().Pixel(X, Y);
            Black += C == clBlack;
            White += C == clWhite;
        }
    EXPECT_EQ(Black + White, 256);
    EXPECT_GT(Black, 10);
}

TEST(StyleArt, ProteinFormBackgroundIsWhiteWithALightLineEveryFourthRow)
{
    const auto B = Load("PROTEIN_FORM_BACKGROUND");
    for (int Y = 0; Y < 8; ++Y)
    {
        const TColor Row = B->Surface().Pixel(0, Y);
        for (int X = 1; X < 8; ++X)
            EXPECT_EQ(B->Surface().Pixel(X, Y), Row);
        if (Y % 4 == 3)
        {
            EXPECT_NE(Row, clWhite);
            EXPECT_GT(GetRValue(Row), 0xC0) << "light grey";
        }
        else
            EXPECT_EQ(Row, clWhite) << Y;
    }
}

// The program's own pictures: the window definition stores the title
// pictures at fixed depths, the image panels hold JPEG pictures, the window
// and the desktop take the icons.
TEST(StyleArt, ProgramPicturesHaveTheirFormatSizeAndDepth)
{
    const struct
    {
        const char* Name;
        TArtFormat Format;
        int Width, Height, Depth;
    } Cases[] = {
        {"NOVLA_TITLE_LEFT", TArtFormat::Bmp, 441, 23, 8},
        {"NOVLA_TITLE_RIGHT", TArtFormat::Bmp, 1, 23, 8},
        {"NOVLA_TITLE_CLIENT", TArtFormat::Bmp, 1, 23, 4},
        {"NOVLA_TITLE_CONTROLBOX_NORMAL", TArtFormat::Bmp, 19, 19, 32},
        {"NOVLA_TITLE_CONTROLBOX_HOT", TArtFormat::Bmp, 19, 19, 32},
        {"NOVLA_TITLE_CONTROLBOX_DOWN", TArtFormat::Bmp, 19, 19, 32},
        {"NOVLA_TITLE_CLOSE_NORMAL", TArtFormat::Bmp, 19, 19, 32},
        {"NOVLA_TITLE_CLOSE_HOT", TArtFormat::Bmp, 19, 19, 32},
        {"NOVLA_TITLE_CLOSE_DOWN", TArtFormat::Bmp, 19, 19, 32},
        {"NOVLA_PRODUCT_PICTURE", TArtFormat::Jpeg, 120, 120, 0},
        {"NOVLA_LOGO", TArtFormat::Jpeg, 97, 50, 0},
        {"NOVLA_ICON_48", TArtFormat::Png, 48, 48, 0},
        {"NOVLA_ICON_64", TArtFormat::Png, 64, 64, 0},
        {"NOVLA_ICON_128", TArtFormat::Png, 128, 128, 0},
        {"NOVLA_ICON_256", TArtFormat::Png, 256, 256, 0},
    };
    for (const auto& C : Cases)
    {
        SCOPED_TRACE(C.Name);
        const auto Bytes = FindResource(C.Name);
        ASSERT_TRUE(Bytes.has_value());
        TSurface S;
        switch (C.Format)
        {
        case TArtFormat::Bmp:
        {
            ASSERT_GT(Bytes->size(), 30u);
            EXPECT_EQ((*Bytes)[28], C.Depth) << "bits per pixel";
            const auto B = Load(C.Name);
            EXPECT_EQ(B->Width(), C.Width);
            EXPECT_EQ(B->Height(), C.Height);
            // The buttons are drawn transparently, keyed by the bottom-left pixel.
            EXPECT_TRUE(C.Width != 19 || B->Surface().Pixel(0, 18) == clFuchsia);
            continue;
        }
        case TArtFormat::Jpeg:
            ASSERT_EQ(ReadJpeg(*Bytes, S), TCodecStatus::Ok);
            break;
        case TArtFormat::Png:
            ASSERT_EQ(ReadPng(*Bytes, S), TCodecStatus::Ok);
            // A tile with clear corners.
            EXPECT_EQ(S.RawPixel(0, 0) >> 24, 0u);
            EXPECT_EQ(S.RawPixel(C.Width / 2, C.Height / 4) >> 24, 255u);
            break;
        case TArtFormat::Ico:
            break;
        }
        EXPECT_EQ(S.Width(), C.Width);
        EXPECT_EQ(S.Height(), C.Height);
    }
}

TEST(StyleArt, MainIconHoldsTheSmallSizesExactly)
{
    const auto Bytes = FindResource("MAINICON");
    ASSERT_TRUE(Bytes.has_value());
    for (int Size : {16, 32, 48})
    {
        TSurface S;
        ASSERT_EQ(ReadIco(*Bytes, S, Size), TCodecStatus::Ok);
        EXPECT_EQ(S.Width(), Size);
        EXPECT_EQ(S.Height(), Size);
        EXPECT_EQ(S.RawPixel(0, 0) >> 24, 0u) << Size;
        EXPECT_EQ(S.RawPixel(Size / 2, Size / 4) >> 24, 255u) << Size;
    }
}
} // namespace
