#include "platform/gfx/Text.h"
#include "platform/gfx/DrawText.h"

#include "PixelTestUtil.h"

#include <gtest/gtest.h>

namespace
{
TFontDesc Desc(const char* Face, int Height, bool Bold = false)
{
    TFontDesc S;
    S.Face = Face;
    S.Height = Height;
    S.Bold = Bold;
    return S;
}

// Columns of a rectangle that hold at least one pixel of Ink.
std::vector<int> InkColumns(const TSurface& S, const TRect& R, TColor Ink)
{
    std::vector<int> Columns;
    for (int X = R.Left; X < R.Right; ++X)
        for (int Y = R.Top; Y < R.Bottom; ++Y)
            if (S.Pixel(X, Y) == Ink)
            {
                Columns.push_back(X);
                break;
            }
    return Columns;
}
} // namespace

TEST(Font, DesktopFacesResolveToThePackagedFiles)
{
    const auto Sans = gfx::TFont::Get(Desc("MS Sans Serif", -11));
    EXPECT_EQ(Sans->FamilyName(), "MS Sans Serif");
    EXPECT_TRUE(Sans->IsBitmapOnly());
    EXPECT_EQ(Sans->PixelSize(), 13); // the 13-pixel cell of an 8-point font
    EXPECT_EQ(Sans->Metrics().Height, 13);
    EXPECT_EQ(Sans->Metrics().Ascent, 11);

    const auto Bold = gfx::TFont::Get(Desc("Tahoma", -11, true));
    EXPECT_EQ(Bold->FamilyName(), "Tahoma");
    EXPECT_NE(Bold->FilePath().find("tahomabd"), std::string::npos);
    EXPECT_EQ(Bold->PixelSize(), 11);

    const auto Fallback = gfx::TFont::Get(Desc("No Such Face At All", -11));
    EXPECT_EQ(Fallback->FamilyName(), "DejaVu Sans");
    EXPECT_GT(Fallback->TextWidth(U"abc"), 0);
    EXPECT_EQ(gfx::TFont::Get(Desc("MS Sans Serif", -11)), Sans); // cached
}

TEST(Font, BitmapFaceSizesFollowTheRequestedHeight)
{
    struct TCase
    {
        int Height;
        int Cell;
    };
    for (const TCase C : {TCase{-11, 13}, TCase{-13, 16}, TCase{-16, 20}, TCase{13, 13},
                          TCase{20, 20}, TCase{0, 13}})
    {
        const auto Font = gfx::TFont::Get(Desc("MS Sans Serif", C.Height));
        EXPECT_EQ(Font->Metrics().Height, C.Cell) << C.Height;
        // Glyphs keep loading after a size change.
        EXPECT_GT(Font->TextWidth(U"Write All"), 0) << C.Height;
    }
}

TEST(Font, SampleWidthsAreStable)
{
    EXPECT_EQ(gfx::TFont::Get(Desc("MS Sans Serif", -11))->TextWidth(U"Read All"), 40);
    EXPECT_EQ(gfx::TFont::Get(Desc("MS Sans Serif", -11))->TextWidth(U"Open"), 26);
    EXPECT_EQ(gfx::TFont::Get(Desc("Tahoma", -11))->TextWidth(U"Read All"), 39);
    // Bold widens every glyph: the embedded bold bitmaps of the bold face,
    // and one overstrike column per glyph for the bitmap-only face.
    EXPECT_EQ(gfx::TFont::Get(Desc("Tahoma", -11, true))->TextWidth(U"Read All"), 47);
    EXPECT_EQ(gfx::TFont::Get(Desc("MS Sans Serif", -11, true))->TextWidth(U"Read All"), 48);
}

TEST(Font, BoldOutlinesOfTheBitmapCarriedBoldFaceAreThickened)
{
    // At 20 pixels the bold face has no bitmaps; its outlines alone would
    // draw regular strokes.
    const int Regular = gfx::TFont::Get(Desc("Tahoma", -20))->TextWidth(U"Read All");
    const int Bold = gfx::TFont::Get(Desc("Tahoma", -20, true))->TextWidth(U"Read All");
    EXPECT_GT(Bold, Regular);
}

TEST(Font, ItalicBitmapGlyphsLeanRightWithoutChangingTheAdvance)
{
    TFontDesc Slanted = Desc("MS Sans Serif", -11);
    Slanted.Italic = true;
    const TGlyph& Upright = gfx::TFont::Get(Desc("MS Sans Serif", -11))->Glyph(U'I');
    const TGlyph& Leaning = gfx::TFont::Get(Slanted)->Glyph(U'I');
    EXPECT_EQ(Leaning.Advance, Upright.Advance);
    EXPECT_EQ(Leaning.Width, Upright.Width + (Upright.Top - 1) / 4);
    // The top row moved right, the row on the baseline did not.
    auto FirstInk = [](const TGlyph& G, int Row)
    {
        for (int X = 0; X < G.Width; ++X)
            if (G.Coverage[static_cast<size_t>(Row * G.Width + X)]) return X;
        return -1;
    };
    EXPECT_EQ(FirstInk(Leaning, 0), FirstInk(Upright, 0) + (Upright.Top - 1) / 4);
    EXPECT_EQ(FirstInk(Leaning, Upright.Top - 1), FirstInk(Upright, Upright.Top - 1));
}

TEST(Text, ExtentAndMetricsComeFromTheSelectedFont)
{
    TSurface S(1, 1);
    TDeviceContext Dc(S);
    EXPECT_EQ(GetTextExtent(Dc, "Open"), (TSize{26, 13}));
    Dc.SaveDC();
    Dc.SetFont(Desc("MS Sans Serif", -13));
    EXPECT_EQ(GetTextMetrics(Dc).Height, 16);
    EXPECT_EQ(GetTextExtent(Dc, ""), (TSize{0, 16}));
    Dc.RestoreDC(-1);
    EXPECT_EQ(GetTextMetrics(Dc).Height, 13);
}

TEST(Text, TextOutDrawsInkInsideTheCellAndOpaqueBackground)
{
    TSurface S(60, 20, clWhite);
    TDeviceContext Dc(S);
    Dc.SetTextColor(clRed);
    Dc.SetBkColor(clYellow);
    TextOut(Dc, 5, 3, "Open");
    // The cell box is filled, the ink lies within it.
    EXPECT_EQ(S.Pixel(5, 3), clYellow);
    EXPECT_EQ(S.Pixel(30, 15), clYellow);
    EXPECT_EQ(S.Pixel(31, 15), clWhite);
    EXPECT_EQ(S.Pixel(5, 16), clWhite);
    const std::vector<int> Columns = InkColumns(S, S.Bounds(), clRed);
    ASSERT_FALSE(Columns.empty());
    EXPECT_GE(Columns.front(), 5);
    EXPECT_LT(Columns.back(), 31);

    TSurface T(60, 20, clWhite);
    TDeviceContext Dt(T);
    Dt.SetBkMode(TRANSPARENT);
    TextOut(Dt, 5, 3, "Open");
    EXPECT_EQ(CountInk(T, clYellow), 0);
    EXPECT_GT(CountInk(T, clBlack), 10);
}

TEST(DrawText, CalcRectWrapsAtTheGivenWidth)
{
    TSurface S(1, 1);
    TDeviceContext Dc(S);
    const int Line = GetTextMetrics(Dc).Height;
    const int OpenWidth = GetTextExtent(Dc, "Open").Width;
    // Room for "Open Open" but not for three words.
    const int Width = GetTextExtent(Dc, "Open Open").Width + 2;
    TRect R{10, 20, 10 + Width, 20};
    EXPECT_EQ(DrawText(Dc, "Open Open Open", R, DT_CALCRECT | DT_WORDBREAK), 2 * Line);
    EXPECT_EQ(R, (TRect{10, 20, 10 + Width - 2, 20 + 2 * Line}));
    // Without word break the text stays on one line and sets the width.
    TRect One{10, 20, 10 + Width, 20};
    EXPECT_EQ(DrawText(Dc, "Open Open Open", One, DT_CALCRECT), Line);
    EXPECT_EQ(One.Width(), GetTextExtent(Dc, "Open Open Open").Width);
    // A word wider than the rectangle is kept whole and widens it.
    TRect Narrow{0, 0, 3, 0};
    EXPECT_EQ(DrawText(Dc, "Open Open", Narrow, DT_CALCRECT | DT_WORDBREAK), 2 * Line);
    EXPECT_EQ(Narrow.Width(), OpenWidth);
    // Explicit line breaks count unless single-line.
    TRect Two{0, 0, 100, 0};
    EXPECT_EQ(DrawText(Dc, "a\r\nb\nc", Two, DT_CALCRECT), 3 * Line);
    EXPECT_EQ(DrawText(Dc, "a\r\nb\nc", Two, DT_CALCRECT | DT_SINGLELINE), Line);
    TRect Empty{5, 5, 50, 50};
    EXPECT_EQ(DrawText(Dc, "", Empty, DT_CALCRECT), 0);
    EXPECT_EQ(Empty, (TRect{5, 5, 5, 5}));
}

TEST(DrawText, TabsExpandToEightAverageCharacters)
{
    TSurface S(1, 1);
    TDeviceContext Dc(S);
    const int Tab = 8 * GetTextMetrics(Dc).AveCharWidth;
    TRect R{0, 0, 500, 0};
    DrawText(Dc, "a\tb", R, DT_CALCRECT | DT_EXPANDTABS);
    EXPECT_EQ(R.Width(), Tab + GetTextExtent(Dc, "b").Width);
    TRect Plain{0, 0, 500, 0};
    DrawText(Dc, "a\tb", Plain, DT_CALCRECT);
    EXPECT_EQ(Plain.Width(), GetTextExtent(Dc, "ab").Width);
}

TEST(DrawText, AlignmentFlagsPlaceTheLine)
{
    struct TCase
    {
        unsigned Format;
        int Left;
        int Top;
    };
    TSurface Probe(1, 1);
    TDeviceContext Pd(Probe);
    const TSize Size = GetTextExtent(Pd, "Open");
    const TRect Box{10, 10, 90, 50};
    const TCase Cases[] = {
        {DT_SINGLELINE, 10, 10},
        {DT_SINGLELINE | DT_CENTER, 10 + (80 - Size.Width) / 2, 10},
        {DT_SINGLELINE | DT_RIGHT, 90 - Size.Width, 10},
        {DT_SINGLELINE | DT_VCENTER, 10, 10 + (40 - Size.Height) / 2},
        {DT_SINGLELINE | DT_BOTTOM | DT_RIGHT, 90 - Size.Width, 50 - Size.Height},
    };
    for (const TCase& C : Cases)
    {
        TSurface S(100, 60, clWhite);
        TDeviceContext Dc(S);
        Dc.SetBkColor(clYellow); // opaque mode paints the line's box
        TRect R = Box;
        const int Height = DrawText(Dc, "Open", R, C.Format);
        EXPECT_EQ(S.Pixel(C.Left, C.Top), clYellow) << C.Format;
        EXPECT_EQ(S.Pixel(C.Left + Size.Width - 1, C.Top + Size.Height - 1), clYellow) << C.Format;
        EXPECT_NE(S.Pixel(C.Left - 1, C.Top), clYellow) << C.Format;
        EXPECT_NE(S.Pixel(C.Left, C.Top - 1), clYellow) << C.Format;
        EXPECT_EQ(Height,
                  (C.Format & (DT_VCENTER | DT_BOTTOM)) ? C.Top - 10 + Size.Height : Size.Height);
    }
}

TEST(DrawText, ClipsToTheRectangleUnlessNoClip)
{
    TSurface S(100, 30, clWhite);
    TDeviceContext Dc(S);
    TRect R{0, 0, 12, 20};
    DrawText(Dc, "Write All", R, DT_SINGLELINE);
    EXPECT_EQ(InkColumns(S, {12, 0, 100, 30}, clBlack).size(), 0u);
    TRect Free{0, 0, 12, 20};
    DrawText(Dc, "Write All", Free, DT_SINGLELINE | DT_NOCLIP);
    EXPECT_GT(InkColumns(S, {12, 0, 100, 30}, clBlack).size(), 0u);
    // The clip is restored afterwards.
    EXPECT_EQ(Dc.GetClipBox(), (TRect{0, 0, 100, 30}));
}

TEST(DrawText, PrefixUnderlinesTheNextCharacter)
{
    TSurface Probe(1, 1);
    TDeviceContext Pd(Probe);
    const TTextMetric M = GetTextMetrics(Pd);
    struct TCase
    {
        const char* Text;
        const char* Before; // drawn text up to the marked character
        const char* Marked;
    };
    const TCase Cases[] = {{"&Read", "", "R"}, {"Re&ad", "Re", "a"}, {"Mi&nimize", "Mi", "n"}};
    for (const TCase& C : Cases)
    {
        TSurface S(120, 20, clWhite);
        TDeviceContext Dc(S);
        Dc.SetBkMode(TRANSPARENT);
        Dc.SetTextColor(clRed);
        TRect R{0, 0, 120, 20};
        DrawText(Dc, C.Text, R, DT_SINGLELINE);
        // The underline row sits below the baseline, under the marked
        // character only.
        const int Row = M.Ascent + 1;
        const int From = GetTextExtent(Pd, C.Before).Width;
        const int To = From + GetTextExtent(Pd, C.Marked).Width;
        const std::vector<int> Under = InkColumns(S, {0, Row, 120, Row + 1}, clRed);
        ASSERT_FALSE(Under.empty()) << C.Text;
        EXPECT_EQ(Under.front(), From) << C.Text;
        EXPECT_EQ(Under.back(), To - 1) << C.Text;
    }
    // "&&" is one ampersand and nothing is underlined; DT_NOPREFIX keeps "&".
    TRect R{0, 0, 200, 0};
    DrawText(Pd, "a&&b", R, DT_CALCRECT);
    EXPECT_EQ(R.Width(), GetTextExtent(Pd, "a&b").Width);
    DrawText(Pd, "a&b", R, DT_CALCRECT | DT_NOPREFIX);
    EXPECT_EQ(R.Width(), GetTextExtent(Pd, "a&b").Width);
    DrawText(Pd, "a&b", R, DT_CALCRECT);
    EXPECT_EQ(R.Width(), GetTextExtent(Pd, "ab").Width);
}

TEST(Text, MalformedUtf8BecomesReplacementCharacters)
{
    EXPECT_EQ(DecodeUtf8("a\xC3\xA9z"), U"a\u00E9z");
    EXPECT_EQ(DecodeUtf8("\xC3"), U"\uFFFD");
    EXPECT_EQ(DecodeUtf8("\xC0\x80x"), U"\uFFFD\uFFFDx");
    EXPECT_EQ(DecodeUtf8("\xED\xA0\x80"), U"\uFFFD\uFFFD\uFFFD");
}

TEST(DrawText, EllipsisFlagsShortenWhatDoesNotFitAndShowItAsDrawn)
{
    struct TCase
    {
        unsigned Flag;
        std::string Text;
        std::string Kept;  // the start the result keeps (before the "...")
        std::string After; // what follows the "..." unchanged
    };
    const TCase Cases[] = {
        {DT_END_ELLIPSIS, "Frequency band selection", "Frequency band selection", ""},
        {DT_WORD_ELLIPSIS, "Frequency band selection", "Frequency band selection", ""},
        {DT_PATH_ELLIPSIS, "/dev/serial/by-id/usb-radio", "/dev/serial/by-id", "/usb-radio"},
        {DT_PATH_ELLIPSIS, "no separators at all here", "no separators at all here", ""},
    };
    TSurface Probe(1, 1);
    TDeviceContext Pd(Probe);
    for (const TCase& C : Cases)
    {
        SCOPED_TRACE(C.Text);
        const int Limit = GetTextExtent(Pd, C.Text).Width * 2 / 3;
        std::string Shown = C.Text;
        TSurface S(200, 20, clWhite);
        TDeviceContext Dc(S);
        TRect R{0, 0, Limit, 20};
        DrawText(Dc, Shown, R, DT_SINGLELINE | C.Flag | DT_MODIFYSTRING);
        // The shown text is the kept start, "...", then the kept end.
        const size_t Dots = Shown.find("...");
        ASSERT_NE(Dots, std::string::npos) << Shown;
        EXPECT_EQ(Shown.substr(Dots + 3), C.After);
        const std::string Start = Shown.substr(0, Dots);
        EXPECT_EQ(C.Kept.substr(0, Start.size()), Start);
        EXPECT_LE(GetTextExtent(Pd, Shown).Width, Limit);
        // As much as fits: one more character would not.
        const std::string Longer = C.Kept.substr(0, Start.size() + 1) + "..." + C.After;
        EXPECT_GT(GetTextExtent(Pd, Longer).Width, Limit);
        // And the pixels are those of the shortened text drawn plainly.
        TSurface Plain(200, 20, clWhite);
        TDeviceContext Pc(Plain);
        TRect P{0, 0, Limit, 20};
        DrawText(Pc, std::string_view(Shown), P, DT_SINGLELINE);
        for (int Y = 0; Y < 20; ++Y)
            for (int X = 0; X < 200; ++X)
                ASSERT_EQ(S.Pixel(X, Y), Plain.Pixel(X, Y)) << X << "," << Y;
    }
}

TEST(DrawText, EllipsisLeavesFittingTextAndTheCallersStringAlone)
{
    TSurface S(200, 40, clWhite);
    TDeviceContext Dc(S);
    std::string Text = "Open";
    TRect R{0, 0, 200, 20};
    DrawText(Dc, Text, R, DT_SINGLELINE | DT_END_ELLIPSIS | DT_MODIFYSTRING);
    EXPECT_EQ(Text, "Open") << "nothing was cut";
    std::string Long = "Write All parameters";
    TRect Narrow{0, 0, 40, 20};
    DrawText(Dc, Long, Narrow, DT_SINGLELINE | DT_END_ELLIPSIS);
    EXPECT_EQ(Long, "Write All parameters") << "without DT_MODIFYSTRING";
    // A rectangle too narrow even for the ellipsis shows the ellipsis only.
    std::string Tiny = "Write";
    TRect None{0, 0, 2, 20};
    DrawText(Dc, Tiny, None, DT_SINGLELINE | DT_END_ELLIPSIS | DT_MODIFYSTRING);
    EXPECT_EQ(Tiny, "...");
    // With DT_CALCRECT the measured width is that of the shortened line.
    TRect Calc{0, 0, 40, 20};
    DrawText(Dc, std::string_view("Write All parameters"), Calc,
             DT_SINGLELINE | DT_END_ELLIPSIS | DT_CALCRECT);
    EXPECT_LE(Calc.Width(), 40);
}
