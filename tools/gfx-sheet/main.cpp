// gfx-sheet FILE: draws a test sheet of the graphics layer (primitives,
// blits, regions, text, codecs) and writes it to FILE (.png or .bmp) for a
// person to look at.

#include "platform/gfx/Blit.h"
#include "platform/gfx/BmpCodec.h"
#include "platform/gfx/DrawText.h"
#include "platform/gfx/ImageList.h"
#include "platform/gfx/JpegCodec.h"
#include "platform/gfx/Lines.h"
#include "platform/gfx/PictureFile.h"
#include "platform/gfx/Shapes.h"
#include "platform/gfx/Text.h"

#include <cstdio>
#include <string>

namespace
{
constexpr int SheetWidth = 720;
constexpr int SheetHeight = 560;

TFontDesc Font(const char* Face, int Height, bool Bold = false, bool Italic = false,
               bool Underline = false)
{
    TFontDesc S;
    S.Face = Face;
    S.Height = Height;
    S.Bold = Bold;
    S.Italic = Italic;
    S.Underline = Underline;
    return S;
}

void Label(TDeviceContext& Dc, int X, int Y, const char* Text)
{
    Dc.SaveDC();
    Dc.SetFont(Font("MS Sans Serif", -11, true));
    Dc.SetBkMode(TRANSPARENT);
    Dc.SetTextColor(clNavy);
    TextOut(Dc, X, Y, Text);
    Dc.RestoreDC(-1);
}

// A small picture with a key-coloured background, for the blit section.
TSurface Picture()
{
    TSurface P(16, 16, clFuchsia);
    TDeviceContext Dc(P);
    Dc.SetBrush(gfx::TBrush::Solid(clYellow));
    Ellipse(Dc, 1, 1, 15, 15);
    Dc.SetPen({PS_SOLID, 1, clRed});
    MoveTo(Dc, 4, 8);
    LineTo(Dc, 12, 8);
    MoveTo(Dc, 8, 4);
    LineTo(Dc, 8, 12);
    // A mark on the left shows which way a picture is mirrored.
    FillRect(Dc, {0, 0, 3, 6}, gfx::TBrush::Solid(clBlue));
    return P;
}

void DrawLines(TDeviceContext& Dc)
{
    Label(Dc, 10, 8, "Lines");
    for (int I = 0; I < 8; ++I)
    {
        MoveTo(Dc, 60, 70);
        static const int Ends[8][2] = {{100, 70}, {100, 40}, {60, 30},  {20, 40},
                                       {20, 70},  {20, 100}, {60, 110}, {100, 100}};
        LineTo(Dc, Ends[I][0], Ends[I][1]);
    }
    Dc.SetPen({PS_DOT, 1, clBlue});
    Dc.SetBkMode(TRANSPARENT);
    Polyline(Dc, {{120, 30}, {200, 30}, {200, 100}, {120, 100}, {120, 30}});
    Dc.SetBkMode(OPAQUE);
    Dc.SetPen({PS_SOLID, 4, clMaroon});
    MoveTo(Dc, 130, 45);
    LineTo(Dc, 190, 85);
    Dc.SetPen({});
}

void DrawShapes(TDeviceContext& Dc)
{
    Label(Dc, 230, 8, "Shapes");
    Dc.SetBrush(gfx::TBrush::Solid(clMoneyGreen));
    Rectangle(Dc, 230, 30, 280, 70);
    Ellipse(Dc, 290, 30, 350, 70);
    RoundRect(Dc, 360, 30, 420, 70, 15, 15);
    Dc.SetPen({PS_SOLID, 3, clTeal});
    Ellipse(Dc, 430, 30, 490, 70);
    Dc.SetPen({PS_SOLID, 1, clRed});
    Arc(Dc, 230, 80, 270, 120, 270, 100, 250, 80);
    Dc.SetPen({PS_SOLID, 1, clBlue});
    Arc(Dc, 230, 80, 270, 120, 250, 80, 270, 100);
    Dc.SetPen({});
    Dc.SetBrush(gfx::TBrush::Solid(clBlack));
    Polygon(Dc, {{290, 90}, {302, 90}, {296, 96}});
    Dc.SetBrush(gfx::TBrush::Solid(clWhite));
    Polygon(Dc, {{320, 80}, {350, 120}, {360, 85}, {330, 110}});
    Rectangle(Dc, 370, 80, 420, 118);
    DrawFocusRect(Dc, {373, 83, 417, 115});
    auto Pattern = std::make_shared<TSurface>(8, 8, clBtnFace);
    for (int I = 0; I < 8; ++I)
        Pattern->SetPixel(I, I, clGray);
    FillRect(Dc, {430, 80, 490, 118}, gfx::TBrush::FromPattern(Pattern));
    FrameRect(Dc, {430, 80, 490, 118}, gfx::TBrush::Solid(clBlack));
}

void DrawGradient(TDeviceContext& Dc)
{
    Label(Dc, 510, 8, "Pen rows");
    const TColor From = ColorToRGB(clGradientActiveCaption);
    const TColor To = ColorToRGB(clActiveCaption);
    for (int Y = 0; Y < 90; ++Y)
    {
        const int R = GetRValue(From) + (GetRValue(To) - GetRValue(From)) * Y / 89;
        const int G = GetGValue(From) + (GetGValue(To) - GetGValue(From)) * Y / 89;
        const int B = GetBValue(From) + (GetBValue(To) - GetBValue(From)) * Y / 89;
        Dc.SetPen({PS_SOLID, 1, RGB(R, G, B)});
        MoveTo(Dc, 510, 30 + Y);
        LineTo(Dc, 700, 30 + Y);
    }
    Dc.SetPen({});
}

void DrawBlits(TDeviceContext& Dc)
{
    Label(Dc, 10, 135, "Blits: copy, nearest, smooth, mirrored, key, image list");
    const TSurface P = Picture();
    BitBlt(Dc, 10, 160, 16, 16, P, 0, 0);
    StretchBlt(Dc, 40, 160, 48, 48, P, 0, 0, 16, 16);
    Dc.SetStretchMode(HALFTONE);
    StretchBlt(Dc, 100, 160, 48, 48, P, 0, 0, 16, 16);
    StretchBlt(Dc, 160, 160, 8, 8, P, 0, 0, 16, 16);
    Dc.SetStretchMode(COLORONCOLOR);
    StretchBlt(Dc, 228, 160, -48, 48, P, 0, 0, 16, 16);
    TransparentBlt(Dc, 240, 160, 48, 48, P, 0, 0, 16, 16, clFuchsia);
    gfx::TImageList List(16, 16);
    List.AddMasked(P, clFuchsia);
    List.Draw(Dc, 300, 160, 0, true);
    List.Draw(Dc, 320, 160, 0, false);
    Dc.SetBrush(gfx::TBrush::Solid(clBtnFace));
}

void DrawRegions(TDeviceContext& Dc)
{
    Label(Dc, 380, 135, "Regions");
    TRegion Round = TRegion::RoundRect(380, 160, 461, 211, 20, 20);
    TRegion Hole = TRegion::Ellipse(400, 170, 441, 201);
    TRegion Shape;
    CombineRgn(Shape, Round, Hole, RGN_DIFF);
    const TColor Bands[] = {clRed, clOlive, clBlue, clPurple};
    int K = 0;
    for (const TRect& R : Shape.Rects())
        FillRect(Dc, R, gfx::TBrush::Solid(Bands[K++ % 4]));
    Dc.SaveDC();
    const TRegion Device = TRegion::Ellipse(480, 160, 560, 211);
    Dc.SelectClipRgn(&Device);
    for (int X = 480; X < 560; X += 4)
        FillRect(Dc, {X, 160, X + 2, 211}, gfx::TBrush::Solid(clGreen));
    Dc.RestoreDC(-1);
}

void DrawTexts(TDeviceContext& Dc)
{
    Label(Dc, 10, 225, "Text");
    Dc.SetBkMode(TRANSPARENT);
    struct TSample
    {
        TFontDesc Desc;
        const char* Text;
    };
    const TSample Samples[] = {
        {Font("MS Sans Serif", -11), "MS Sans Serif -11: Read All  Write All  Open  0123456789"},
        {Font("MS Sans Serif", -11, true), "MS Sans Serif -11 bold: Read All  Write All"},
        {Font("Tahoma", -11, true), "Tahoma -11 bold: Configuration"},
        {Font("Tahoma", -11), "Tahoma -11: The quick brown fox jumps over the lazy dog"},
        {Font("MS Sans Serif", -13, false, false, true), "MS Sans Serif -13 underlined"},
        {Font("Tahoma", -20, true), "Tahoma -20 bold"},
        {Font("DejaVu Sans", -12, false, true), "DejaVu Sans -12 italic"},
        {Font("MS Sans Serif", -11, false, true), "MS Sans Serif -11 italic: Read All  Write All"},
    };
    int Y = 245;
    for (const TSample& S : Samples)
    {
        Dc.SetFont(S.Desc);
        TextOut(Dc, 10, Y, S.Text);
        Y += GetTextMetrics(Dc).Height + 3;
    }
    Dc.SetFont(Font("MS Sans Serif", -11));
    Dc.SetBrush(gfx::TBrush::Clear());
    struct TBox
    {
        TRect Rect;
        unsigned Format;
        const char* Text;
    };
    const TBox Boxes[] = {
        {{420, 245, 560, 300},
         DT_WORDBREAK,
         "Word break wraps this longer caption within the box width."},
        {{570, 245, 710, 275}, DT_SINGLELINE | DT_CENTER | DT_VCENTER, "&Centred && prefixed"},
        {{570, 280, 710, 300}, DT_SINGLELINE | DT_RIGHT, "Right aligned"},
        {{420, 310, 710, 330}, DT_SINGLELINE | DT_EXPANDTABS, "Tabs:\tone\ttwo\tthree"},
        {{420, 335, 480, 355}, DT_SINGLELINE, "Clipped to its box"},
    };
    for (const TBox& B : Boxes)
    {
        Rectangle(Dc, B.Rect.Left - 1, B.Rect.Top - 1, B.Rect.Right + 1, B.Rect.Bottom + 1);
        TRect R = B.Rect;
        DrawText(Dc, B.Text, R, B.Format);
    }
    Dc.SetBkMode(OPAQUE);
    Dc.SetBkColor(clHighlight);
    Dc.SetTextColor(clHighlightText);
    TextOut(Dc, 420, 365, "Opaque background");
    Dc.SetTextColor(clBlack);
    Dc.SetBrush(gfx::TBrush::Solid(clBtnFace));
}

void DrawCodecs(TDeviceContext& Dc)
{
    Label(Dc, 10, 400, "Codecs: BMP 1/4/8/16/24/32 bits, JPEG q30 and q90 round trips");
    TSurface Tile(40, 40);
    {
        TDeviceContext T(Tile);
        for (int Y = 0; Y < 40; ++Y)
            for (int X = 0; X < 40; ++X)
                Tile.SetPixel(X, Y, RGB(X * 6, Y * 6, 160));
        T.SetBrush(gfx::TBrush::Solid(clWhite));
        Ellipse(T, 8, 8, 32, 32);
    }
    int X = 10;
    for (int Bpp : {1, 4, 8, 16, 24, 32})
    {
        TSurface Source = Bpp <= 8 ? TSurface(40, 40, clWhite) : Tile.Clone();
        if (Bpp <= 8)
        {
            TDeviceContext T(Source);
            T.SetBrush(gfx::TBrush::Solid(Bpp == 1 ? clBlack : clRed));
            Ellipse(T, 4, 4, 36, 36);
        }
        std::vector<uint8_t> Bytes;
        TSurface Back;
        if (WriteBmp(Source, Bpp, Bytes) == TCodecStatus::Ok &&
            ReadBmp(Bytes, Back) == TCodecStatus::Ok)
            BitBlt(Dc, X, 420, 40, 40, Back, 0, 0);
        X += 50;
    }
    for (int Quality : {30, 90})
    {
        std::vector<uint8_t> Bytes;
        TSurface Back;
        if (WriteJpeg(Tile, Quality, Bytes) == TCodecStatus::Ok &&
            ReadJpeg(Bytes, Back) == TCodecStatus::Ok)
            BitBlt(Dc, X, 420, 40, 40, Back, 0, 0);
        X += 50;
    }
}
} // namespace

int main(int argc, char** argv)
{
    if (argc != 2)
    {
        std::fprintf(stderr, "usage: gfx-sheet FILE.png|FILE.bmp\n");
        return 2;
    }
    TSurface Sheet(SheetWidth, SheetHeight, clBtnFace);
    TDeviceContext Dc(Sheet);
    DrawLines(Dc);
    DrawShapes(Dc);
    DrawGradient(Dc);
    DrawBlits(Dc);
    DrawRegions(Dc);
    DrawTexts(Dc);
    DrawCodecs(Dc);
    const TCodecStatus Status = SavePicture(argv[1], Sheet);
    if (Status != TCodecStatus::Ok)
    {
        std::fprintf(stderr, "gfx-sheet: cannot write %s: %s\n", argv[1], CodecStatusText(Status));
        return 1;
    }
    return 0;
}
