#include "framework/PropertyRegistry.h"
#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/CanvasHandleScope.h"
#include "framework/graphics/GraphicErrors.h"
#include "framework/graphics/Icon.h"
#include "framework/graphics/ImageList.h"
#include "framework/graphics/JPEGImage.h"
#include "framework/graphics/Picture.h"
#include "platform/gfx/IcoCodec.h"

#include <gtest/gtest.h>

namespace
{
// A 4 x 3 bitmap: red everywhere except a blue bottom-left pixel.
std::unique_ptr<TBitmap> SmallBitmap()
{
    auto B = std::make_unique<TBitmap>();
    B->SetSize(4, 3);
    B->Canvas()->Brush()->SetColor(clRed);
    B->Canvas()->FillRect({0, 0, 4, 3});
    B->Canvas()->SetPixel(0, 2, clBlue);
    return B;
}
} // namespace

TEST(FontTest, SizeAndHeightFollowEachOther)
{
    struct
    {
        int Size;
        int Height;
    } const Cases[] = {{8, -11}, {9, -12}, {10, -13}, {12, -16}, {14, -19}};
    for (const auto& C : Cases)
    {
        TFont F;
        F.SetSize(C.Size);
        EXPECT_EQ(F.Height(), C.Height) << C.Size;
        EXPECT_EQ(F.Size(), C.Size) << C.Size;
    }
}

TEST(FontTest, ChangesAreReportedOnceAndOnlyWhenReal)
{
    TFont F;
    int Changes = 0;
    F.OnChange = [&](TObject*) { ++Changes; };
    F.SetName("Tahoma");
    F.SetName("Tahoma");
    F.SetStyle({fsBold});
    SetPropValue(F, "Color", TValue(TIdent{"clRed"}));
    EXPECT_EQ(Changes, 3);
    EXPECT_TRUE(F.Desc().Bold);
    EXPECT_EQ(F.Desc().Face, "Tahoma");
    EXPECT_FALSE(IsStoredProp(F, *GetPropInfo(F.ClassInfo(), "Size")));
}

TEST(CanvasTest, DrawsWithItsPenAndBrushOnABitmap)
{
    TBitmap B;
    B.SetSize(20, 20);
    TCanvas* C = B.Canvas();
    C->Brush()->SetColor(clLime);
    C->Pen()->SetColor(clBlue);
    C->Rectangle(2, 2, 12, 12);
    EXPECT_EQ(C->Pixel(2, 2), clBlue);    // frame
    EXPECT_EQ(C->Pixel(6, 6), clLime);    // fill
    EXPECT_EQ(C->Pixel(12, 12), clWhite); // right and bottom are exclusive
    C->Pen()->SetStyle(psClear);
    C->Brush()->SetColor(clRed);
    C->Rectangle(0, 14, 5, 19);
    EXPECT_EQ(C->Pixel(0, 14), clRed);
    EXPECT_GT(C->TextWidth("Wide text"), C->TextWidth("W"));
}

TEST(CanvasTest, EachDashedPenStyleKeepsItsOwnPattern)
{
    // Ink ('x') and gaps ('.') of the first 30 pixels of a line from x = 0.
    struct
    {
        TPenStyle Style;
        const char* Pixels;
    } const Cases[] = {
        {psDash, "xxxxxxxxxxxxxxxxxx......xxxxxx"},
        {psDot, "x.x.x.x.x.x.x.x.x.x.x.x.x.x.x."},
        {psDashDot, "xxxxxxxxx......xxx......xxxxxx"},
        {psDashDotDot, "xxxxxxxxx...xxx...xxx...xxxxxx"},
    };
    for (const auto& C : Cases)
    {
        TBitmap B;
        B.SetSize(40, 3);
        TCanvas* Canvas = B.Canvas();
        Canvas->Pen()->SetStyle(C.Style);
        Canvas->Pen()->SetColor(clBlack);
        Canvas->MoveTo(0, 1);
        Canvas->LineTo(40, 1);
        std::string Seen;
        for (int X = 0; X < 30; ++X)
            Seen += Canvas->Pixel(X, 1) == clBlack ? 'x' : '.';
        EXPECT_EQ(Seen, C.Pixels) << C.Style;
    }
}

TEST(CanvasHandleScope, LendsTheContextAndGivesBackThePreviousOne)
{
    TBitmap Own;
    Own.SetSize(4, 4);
    TBitmap Other;
    Other.SetSize(4, 4);
    TCanvas* Canvas = Own.Canvas();
    TDeviceContext* Previous = Canvas->Handle();
    try
    {
        TCanvasHandleScope Borrowed(*Canvas, Other.Canvas()->Handle());
        EXPECT_EQ(Canvas->Handle(), Other.Canvas()->Handle());
        Canvas->SetPixel(1, 1, clRed);
        throw 1;
    }
    catch (int)
    {
    }
    EXPECT_EQ(Canvas->Handle(), Previous);
    EXPECT_EQ(Other.Canvas()->Pixel(1, 1), clRed);
    EXPECT_NE(Canvas->Pixel(1, 1), clRed);
}

TEST(CanvasTest, DoesNothingWithoutAContext)
{
    TCanvas C;
    C.Rectangle(0, 0, 10, 10);
    C.TextOut(0, 0, "x");
    EXPECT_EQ(C.Pixel(0, 0), CLR_INVALID);
    EXPECT_GT(C.TextHeight("x"), 0); // measuring still works
}

TEST(BitmapTest, BmpRoundTripKeepsPixelsAndAutomaticTransparentColour)
{
    auto B = SmallBitmap();
    for (TPixelFormat Format : {pfDevice, pf4bit, pf8bit, pf24bit, pf32bit})
    {
        B->SetPixelFormat(Format);
        TBitmap Copy;
        Copy.LoadFromBytes(B->SaveToBytes());
        ASSERT_EQ(Copy.Width(), 4);
        ASSERT_EQ(Copy.Height(), 3);
        EXPECT_EQ(Copy.Surface().Pixel(3, 0), clRed) << Format;
        EXPECT_EQ(Copy.TransparentColor(), clBlue) << Format;
    }
    // A one-bit picture cannot hold red and blue: written at 24 bits.
    B->SetPixelFormat(pf1bit);
    TBitmap Copy;
    Copy.LoadFromBytes(B->SaveToBytes());
    EXPECT_EQ(Copy.Surface().Pixel(3, 0), clRed);
}

TEST(BitmapTest, TransparentDrawingLeavesOutTheKeyColour)
{
    auto Src = SmallBitmap();
    Src->SetTransparent(true);
    TBitmap Dst;
    Dst.SetSize(10, 10);
    Dst.Canvas()->Draw(1, 1, Src.get());
    EXPECT_EQ(Dst.Canvas()->Pixel(1, 3), clWhite); // the blue key pixel
    EXPECT_EQ(Dst.Canvas()->Pixel(2, 3), clRed);
    Src->SetTransparentColor(clRed);
    EXPECT_EQ(Src->TransparentMode(), tmFixed);
    Dst.Canvas()->Brush()->SetColor(clWhite);
    Dst.Canvas()->FillRect({0, 0, 10, 10});
    Dst.Canvas()->Draw(1, 1, Src.get());
    EXPECT_EQ(Dst.Canvas()->Pixel(1, 3), clBlue);
    EXPECT_EQ(Dst.Canvas()->Pixel(2, 3), clWhite);
}

TEST(BitmapTest, ResizeKeepsTheCornerAndTheCanvasFollows)
{
    auto B = SmallBitmap();
    B->SetSize(6, 5);
    EXPECT_EQ(B->Surface().Pixel(3, 0), clRed);
    EXPECT_EQ(B->Surface().Pixel(5, 4), clWhite);
    B->Canvas()->SetPixel(5, 4, clLime);
    EXPECT_EQ(B->Surface().Pixel(5, 4), clLime);
    B->SetSize(0, 5);
    EXPECT_TRUE(B->Empty());
    B->Canvas()->SetPixel(0, 0, clLime); // no pixels, no crash
}

TEST(BitmapTest, GarbageIsRefusedAndLeavesThePictureAlone)
{
    auto B = SmallBitmap();
    const uint8_t Garbage[] = {'B', 'M', 1, 2, 3};
    EXPECT_THROW(B->LoadFromBytes(Garbage), EInvalidGraphic);
    EXPECT_EQ(B->Width(), 4);
    EXPECT_THROW(B->LoadFromResourceName("no-such-resource"), EResNotFound);
}

TEST(PictureTest, BinaryFormRoundTripForEachGraphicClass)
{
    auto B = SmallBitmap();
    TJPEGImage J;
    J.Assign(B.get());
    ASSERT_FALSE(J.Empty());
    for (const TGraphic* G : std::initializer_list<const TGraphic*>{B.get(), &J})
    {
        TPicture P;
        int Changes = 0;
        P.OnChange = [&](TObject*) { ++Changes; };
        P.SetGraphic(G);
        TBytes Stored = P.WriteBinary();
        TPicture Read;
        Read.ReadBinary(Stored);
        ASSERT_NE(Read.Graphic(), nullptr);
        EXPECT_EQ(Read.Graphic()->ClassName(), G->ClassName());
        EXPECT_EQ(Read.Width(), 4);
        EXPECT_EQ(Read.WriteBinary(), Stored);
        EXPECT_EQ(Changes, 1);
    }
}

TEST(PictureTest, RejectsUnknownClassesAndFormatsAndReportsGraphicChanges)
{
    TPicture P;
    const uint8_t UnknownClass[] = {4, 'T', 'F', 'o', 'o', 1, 2};
    EXPECT_THROW(P.ReadBinary(UnknownClass), EInvalidGraphic);
    const uint8_t TooShort[] = {9, 'T', 'B'};
    EXPECT_THROW(P.ReadBinary(TooShort), EInvalidGraphic);
    const uint8_t NotAPicture[] = {'h', 'e', 'l', 'l', 'o'};
    EXPECT_THROW(P.LoadFromBytes(NotAPicture), EInvalidGraphic);
    EXPECT_EQ(P.Graphic(), nullptr);

    int Changes = 0;
    P.OnChange = [&](TObject*) { ++Changes; };
    P.Bitmap()->SetSize(2, 2); // a new bitmap, then its resize
    EXPECT_EQ(Changes, 2);
    P.ReadBinary({});
    EXPECT_EQ(P.Graphic(), nullptr);
}

TEST(ImageListTest, AddsStripsMaskedAndCopiesImagesOut)
{
    TImageList List(nullptr);
    List.SetWidth(2);
    List.SetHeight(3);
    TBitmap Strip;
    Strip.SetSize(5, 3); // two whole images; the odd column is dropped
    Strip.Canvas()->Brush()->SetColor(clFuchsia);
    Strip.Canvas()->FillRect({0, 0, 5, 3});
    Strip.Canvas()->SetPixel(1, 1, clGreen);
    EXPECT_EQ(List.AddMasked(&Strip, clFuchsia), 0);
    EXPECT_EQ(List.Count(), 2);

    TBitmap Out;
    ASSERT_TRUE(List.GetBitmap(0, &Out));
    EXPECT_EQ(Out.Surface().Pixel(1, 1), clGreen);
    EXPECT_EQ(Out.Surface().Pixel(0, 0), clWhite); // masked pixels leave the white
    EXPECT_FALSE(List.GetBitmap(2, &Out));
    List.SetWidth(4);
    EXPECT_EQ(List.Count(), 0);
}

TEST(BitmapTest, ScanLinesReachWholeRows)
{
    auto B = SmallBitmap();
    const uint32_t* Bottom = B->ScanLine(2);
    EXPECT_EQ(ColorFromPixel(Bottom[0]), clBlue);
    EXPECT_EQ(ColorFromPixel(Bottom[3]), clRed);
    uint32_t* Top = B->ScanLine(0);
    for (int X = 0; X < B->Width(); ++X)
        Top[X] = PixelFromRGB(RGB(0, X, 0));
    EXPECT_EQ(B->Canvas()->Pixel(3, 0), RGB(0, 3, 0));
    EXPECT_EQ(B->ScanLine(1) - B->ScanLine(0), B->Surface().StrideWords());
    for (int Y : {-1, 3})
        EXPECT_THROW(B->ScanLine(Y), EInvalidGraphicOperation);
    TBitmap Empty;
    EXPECT_THROW(Empty.ScanLine(0), EInvalidGraphicOperation);
}

TEST(FontTest, TakesASystemFontDescriptionAndKeepsItsColour)
{
    TFont F;
    F.SetColor(clRed);
    int Changes = 0;
    F.OnChange = [&](TObject*) { ++Changes; };
    F.SetDesc({"Tahoma", -13, true, true});
    EXPECT_EQ(F.Name(), "Tahoma");
    EXPECT_EQ(F.Height(), -13);
    EXPECT_EQ(F.Style(), (TFontStyles{fsBold, fsItalic}));
    EXPECT_EQ(F.Color(), TColor(clRed));
    F.SetDesc(F.Desc());
    EXPECT_EQ(Changes, 1);
}

TEST(IconTest, KeepsEveryImageAndHandsOutTheClosestSize)
{
    TSurface Small(16, 16, clRed), Large(32, 32, clBlue);
    const TSurface* Images[] = {&Large, &Small};
    std::vector<uint8_t> Bytes;
    ASSERT_EQ(WriteIco(Images, Bytes), TCodecStatus::Ok);
    TIcon Icon;
    Icon.LoadFromBytes(Bytes);
    EXPECT_EQ(Icon.Width(), 32);
    const struct
    {
        int Asked, Width;
        TColor Pixel;
    } Cases[] = {{16, 16, clRed}, {20, 16, clRed}, {32, 32, clBlue}, {48, 32, clBlue}};
    for (const auto& C : Cases)
    {
        TSurface Got = Icon.Image(C.Asked);
        EXPECT_EQ(Got.Width(), C.Width) << C.Asked;
        EXPECT_EQ(Got.Pixel(3, 3), C.Pixel) << C.Asked;
    }
    // Copied icons keep every image too; an icon never loaded gives its
    // (empty) picture.
    TIcon Copy;
    Copy.Assign(&Icon);
    EXPECT_EQ(Copy.Image(16).Width(), 16);
    EXPECT_TRUE(TIcon().Image(16).IsEmpty());
}
