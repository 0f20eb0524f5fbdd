#include "skin/SpitDraw.h"
#include "tests/skin/CodedPicture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
constexpr TColor Background = RGB(1, 2, 3);

// Where the pixels of one destination rectangle come from: the source at
// the same offset from Src (Copy), one source row (Row: x follows), one
// source column (Column: y follows) or a single source point.
enum TPieceKind
{
    Copy,
    Row,
    Column,
    Point
};

struct TPiece
{
    TRect Dest;
    TPieceKind Kind;
    TPoint Src;
};

// The expected source of every pixel once the pieces are laid in order.
std::vector<std::vector<TPoint>> Expect(int W, int H, const std::vector<TPiece>& Pieces)
{
    std::vector<std::vector<TPoint>> Map(H, std::vector<TPoint>(W, TPoint{-1, -1}));
    for (const TPiece& P : Pieces)
        for (int Y = P.Dest.Top; Y < P.Dest.Bottom; ++Y)
            for (int X = P.Dest.Left; X < P.Dest.Right; ++X)
            {
                const int Dx = X - P.Dest.Left, Dy = Y - P.Dest.Top;
                switch (P.Kind)
                {
                case Copy:
                    Map[Y][X] = {P.Src.X + Dx, P.Src.Y + Dy};
                    break;
                case Row:
                    Map[Y][X] = {P.Src.X + Dx, P.Src.Y};
                    break;
                case Column:
                    Map[Y][X] = {P.Src.X, P.Src.Y + Dy};
                    break;
                case Point:
                    Map[Y][X] = P.Src;
                    break;
                }
            }
    return Map;
}

void ExpectSources(TBitmap& Out, int OffsetX, int OffsetY,
                   const std::vector<std::vector<TPoint>>& Map)
{
    int Wrong = 0;
    for (size_t Y = 0; Y < Map.size(); ++Y)
        for (size_t X = 0; X < Map[Y].size(); ++X)
        {
            const TPoint Got = Decode(Out.Canvas()->Pixel(OffsetX + int(X), OffsetY + int(Y)));
            if (Got == Map[Y][X]) continue;
            if (++Wrong <= 5)
                ADD_FAILURE() << "pixel (" << X << ", " << Y << ") comes from (" << Got.X << ", "
                              << Got.Y << "), expected (" << Map[Y][X].X << ", " << Map[Y][X].Y
                              << ")";
        }
    EXPECT_EQ(Wrong, 0);
}

// A 74 x 21 button frame into 75 x 25: corners 37x10, 37x9, 36x10, 36x9;
// edges from source row 10 (left), row 11 (right), column 37 (top, centre,
// bottom); the bottom edge reaches a column into the bottom-left corner.
const std::vector<TPiece> Larger = {
    {{0, 0, 37, 10}, Copy, {0, 0}},       {{0, 16, 37, 25}, Copy, {0, 12}},
    {{0, 10, 37, 16}, Row, {0, 10}},      {{39, 0, 75, 10}, Copy, {38, 0}},
    {{39, 16, 75, 25}, Copy, {38, 12}},   {{39, 10, 75, 16}, Row, {38, 11}},
    {{37, 0, 39, 10}, Column, {37, 0}},   {{37, 10, 39, 15}, Point, {37, 10}},
    {{36, 15, 39, 25}, Column, {37, 11}},
};

// The same frame into its own size: corners in place; row 11 left repeats
// row 10, row 10 right repeats row 11, column 36 from row 11 down repeats
// column 37, the centre is the single pixel (37, 10).
const std::vector<TPiece> OwnSize = {
    {{0, 0, 37, 10}, Copy, {0, 0}},       {{0, 12, 37, 21}, Copy, {0, 12}},
    {{0, 10, 37, 12}, Row, {0, 10}},      {{38, 0, 74, 10}, Copy, {38, 0}},
    {{38, 12, 74, 21}, Copy, {38, 12}},   {{38, 10, 74, 12}, Row, {38, 11}},
    {{37, 0, 38, 10}, Column, {37, 0}},   {{37, 10, 38, 11}, Point, {37, 10}},
    {{36, 11, 38, 21}, Column, {37, 11}},
};

TEST(SpitDraw, EveryPixelComesFromItsPieceOfTheFrame)
{
    struct TCase
    {
        const char* Name;
        TRect Dest;
        int W, H;
        const std::vector<TPiece>* Pieces;
    };
    const TCase Cases[] = {
        {"larger", {0, 0, 75, 25}, 75, 25, &Larger},
        {"own size", {0, 0, 74, 21}, 74, 21, &OwnSize},
        // A rectangle away from the origin gets the same picture there.
        {"moved", {10, 5, 85, 30}, 75, 25, &Larger},
    };
    auto Frame = CodedBitmap(74, 21);
    for (const TCase& C : Cases)
    {
        SCOPED_TRACE(C.Name);
        for (bool Transparent : {false, true})
        {
            auto Out = FilledBitmap(100, 40, Background);
            SpitDraw(Frame.get(), Out->Canvas(), C.Dest, Transparent);
            ExpectSources(*Out, C.Dest.Left, C.Dest.Top, Expect(C.W, C.H, *C.Pieces));
            EXPECT_EQ(Out->Canvas()->Pixel(C.Dest.Right, C.Dest.Bottom), Background);
        }
    }
}

TEST(SpitDraw, KeyColourIsAHoleInEdgesAlwaysAndInCornersWhenTransparent)
{
    auto Frame = CodedBitmap(74, 21);
    Frame->Canvas()->SetPixel(0, 0, 0xFF00FF);   // a corner pixel
    Frame->Canvas()->SetPixel(37, 10, 0xFF00FF); // the centre
    // A button and a whole window's area: large pieces take another path.
    for (TSize Size : {TSize{75, 25}, TSize{393, 322}})
        for (bool Transparent : {false, true})
        {
            SCOPED_TRACE(Size.Width);
            auto Out = FilledBitmap(Size.Width, Size.Height, Background);
            SpitDraw(Frame.get(), Out->Canvas(), {0, 0, Size.Width, Size.Height}, Transparent);
            EXPECT_EQ(Out->Canvas()->Pixel(0, 0), Transparent ? Background : TColor(0xFF00FF));
            EXPECT_EQ(Out->Canvas()->Pixel(Size.Width / 2, Size.Height / 2), Background);
            EXPECT_EQ(Decode(Out->Canvas()->Pixel(Size.Width / 2, 3)), (TPoint{37, 3}));
        }
}

TEST(SpitDraw, TooSmallFramesOrRectanglesDrawNothing)
{
    struct TCase
    {
        int FrameW, FrameH;
        TRect Dest;
    };
    const TCase Cases[] = {
        {74, 21, {0, 0, 3, 25}},   {74, 21, {0, 0, 75, 3}}, {74, 21, {0, 0, 0, 0}},
        {74, 21, {50, 20, 10, 5}}, // inverted
        {3, 21, {0, 0, 75, 25}},   {74, 3, {0, 0, 75, 25}}, {0, 0, {0, 0, 75, 25}},
    };
    for (const TCase& C : Cases)
    {
        SCOPED_TRACE(std::to_string(C.FrameW) + "x" + std::to_string(C.FrameH));
        auto Frame = CodedBitmap(C.FrameW, C.FrameH);
        auto Out = FilledBitmap(80, 30, Background);
        SpitDraw(Frame.get(), Out->Canvas(), C.Dest, false);
        for (int Y = 0; Y < 30; ++Y)
            for (int X = 0; X < 80; ++X)
                ASSERT_EQ(Out->Canvas()->Pixel(X, Y), Background) << X << ", " << Y;
    }
    TCanvas NoContext;
    SpitDraw(CodedBitmap(74, 21).get(), &NoContext, {0, 0, 75, 25}, false);
    SpitDraw(nullptr, FilledBitmap(4, 4, Background)->Canvas(), {0, 0, 4, 4}, false);
}

TEST(SpitDraw, FramesOfEvenSizeAndSmallRectanglesLeaveNoHoles)
{
    struct TCase
    {
        int FrameW, FrameH, W, H;
    };
    const TCase Cases[] = {{74, 20, 75, 25}, {20, 20, 97, 6},  {77, 27, 4, 4},
                           {4, 4, 393, 322}, {74, 21, 74, 21}, {5, 5, 5, 5}};
    for (const TCase& C : Cases)
    {
        SCOPED_TRACE(std::to_string(C.FrameW) + "x" + std::to_string(C.FrameH) + " into " +
                     std::to_string(C.W) + "x" + std::to_string(C.H));
        auto Frame = CodedBitmap(C.FrameW, C.FrameH);
        auto Out = FilledBitmap(C.W, C.H, Background);
        SpitDraw(Frame.get(), Out->Canvas(), {0, 0, C.W, C.H}, false);
        for (int Y = 0; Y < C.H; ++Y)
            for (int X = 0; X < C.W; ++X)
            {
                const TPoint Src = Decode(Out->Canvas()->Pixel(X, Y));
                ASSERT_TRUE(Src.X >= 0 && Src.X < C.FrameW && Src.Y >= 0 && Src.Y < C.FrameH)
                    << X << ", " << Y;
            }
    }
}

// A strip of three 4 x 3 images: left cap red, middle green with a key
// pixel, right cap blue; each cap has a key pixel at its top-left.
std::unique_ptr<TBitmap> ThreePieceStrip()
{
    auto Strip = FilledBitmap(12, 3, RGB(255, 0, 0));
    Strip->Canvas()->Brush()->SetColor(RGB(0, 255, 0));
    Strip->Canvas()->FillRect({4, 0, 8, 3});
    Strip->Canvas()->Brush()->SetColor(RGB(0, 0, 255));
    Strip->Canvas()->FillRect({8, 0, 12, 3});
    for (int X : {0, 5, 8})
        Strip->Canvas()->SetPixel(X, 0, 0xFF00FF);
    return Strip;
}

TEST(SpitDrawHorizontal, CapsAtTheEndsMiddleStretchedBetween)
{
    auto Strip = ThreePieceStrip();
    struct TCase
    {
        bool Transparent;
        TColor CapCorner;
    };
    for (TCase C : {TCase{true, Background}, TCase{false, 0xFF00FF}})
    {
        auto Out = FilledBitmap(30, 10, Background);
        SpitDrawHorizontal2(Strip.get(), Out->Canvas(), {2, 1, 22, 9}, C.Transparent, 0xFF00FF);
        TCanvas& K = *Out->Canvas();
        EXPECT_EQ(K.Pixel(2, 1), C.CapCorner);
        EXPECT_EQ(K.Pixel(3, 1), RGB(255, 0, 0));
        EXPECT_EQ(K.Pixel(18, 1), C.CapCorner);
        EXPECT_EQ(K.Pixel(21, 3), RGB(0, 0, 255));
        EXPECT_EQ(K.Pixel(12, 2), RGB(0, 255, 0));
        EXPECT_EQ(K.Pixel(12, 4), Background); // the pieces keep the bitmap's height
        EXPECT_EQ(K.Pixel(22, 2), Background);
    }

    // Narrower than one image: the left part of the left cap only.
    auto Out = FilledBitmap(30, 10, Background);
    SpitDrawHorizontal2(Strip.get(), Out->Canvas(), {0, 0, 3, 3}, false, 0xFF00FF);
    EXPECT_EQ(Out->Canvas()->Pixel(2, 2), RGB(255, 0, 0));
    EXPECT_EQ(Out->Canvas()->Pixel(3, 2), Background);
}

TEST(SpitDrawHorizontal, TrackBarVariantMasksAlwaysAndFillsTheMiddle)
{
    auto Strip = ThreePieceStrip();
    auto Out = FilledBitmap(30, 10, Background);
    SpitDrawHorizontal(Strip.get(), Out->Canvas(), {0, 0, 20, 8}, false, RGB(9, 9, 9), true);
    TCanvas& K = *Out->Canvas();
    EXPECT_EQ(K.Pixel(0, 0), Background);      // cap key left out
    EXPECT_EQ(K.Pixel(10, 7), RGB(0, 255, 0)); // middle over the full height
    bool SawMiddleColour = false;
    for (int X = 4; X < 16; ++X)
        SawMiddleColour |= K.Pixel(X, 0) == RGB(9, 9, 9);
    EXPECT_TRUE(SawMiddleColour); // the middle's key pixel shows MiddleColor

    // The mask sampled from the bottom-left pixel: red becomes a hole.
    auto Sampled = FilledBitmap(30, 10, Background);
    SpitDrawHorizontal(Strip.get(), Sampled->Canvas(), {0, 0, 20, 8}, true, RGB(9, 9, 9), false);
    EXPECT_EQ(Sampled->Canvas()->Pixel(1, 1), Background);
    EXPECT_EQ(Sampled->Canvas()->Pixel(17, 1), RGB(0, 0, 255));
}
} // namespace
