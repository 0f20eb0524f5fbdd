// skin-sheet FILE.png [--style NAME] [--zoom N]: a labelled contact sheet of
// the embedded style pictures (every style, or one), magnified, each frame of
// a strip in its own outline, each style headed by a title bar put together
// from its pictures, for a person to review the art.

#include "framework/ResourceTable.h"
#include "platform/gfx/Blit.h"
#include "platform/gfx/BmpCodec.h"
#include "platform/gfx/IcoCodec.h"
#include "platform/gfx/JpegCodec.h"
#include "platform/gfx/PictureFile.h"
#include "platform/gfx/PngCodec.h"
#include "platform/gfx/Shapes.h"
#include "platform/gfx/Text.h"
#include "resources/StyleArt.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <strings.h>
#include <vector>

namespace
{
constexpr int Margin = 16;
constexpr int Gap = 4; // between the frames of a strip
constexpr int LabelHeight = 16;
constexpr TColor Paper = RGB(0xC8, 0xCC, 0xD0);
constexpr TColor Outline = RGB(0x00, 0x80, 0x40);

struct TItem
{
    const TStyleArtEntry* Entry;
    TSurface Picture;
    std::string Label;
    int X = 0, Y = 0, Width = 0, Height = 0; // cell on the sheet
};

TFontDesc LabelFont(bool Bold, int Height = -11)
{
    TFontDesc F;
    F.Face = "Tahoma";
    F.Height = Height;
    F.Bold = Bold;
    return F;
}

TCodecStatus Decode(const TStyleArtEntry& Entry, std::span<const uint8_t> Bytes, TSurface& Out)
{
    switch (Entry.Format)
    {
    case TArtFormat::Bmp:
        return ReadBmp(Bytes, Out);
    case TArtFormat::Jpeg:
        return ReadJpeg(Bytes, Out);
    case TArtFormat::Ico:
        return ReadIco(Bytes, Out);
    case TArtFormat::Png:
        return ReadPng(Bytes, Out);
    }
    return TCodecStatus::Unsupported;
}

const char* FormatName(const TStyleArtEntry& E)
{
    switch (E.Format)
    {
    case TArtFormat::Bmp:
        return "BMP";
    case TArtFormat::Jpeg:
        return "JPEG";
    case TArtFormat::Ico:
        return "ICO";
    case TArtFormat::Png:
        return "PNG";
    }
    return "";
}

// How a style's title bar is put together, for the preview at the head of
// its group: sections, the close / maximize / minimize buttons (normal
// frames of the 18-frame strip), the icon and a caption.
struct TTitleLook
{
    const char* Group;
    const char* Left;
    const char* Client;
    const char* Right;
    const char* Buttons; // 18-frame strip, or null for separate pictures
    const char* Close;   // the separate close picture
    int ButtonTop;       // rows of the title picture above the buttons
    int CaptionTop;
    bool Transparent; // buttons leave out their bottom-left pixel's colour
    TColor CaptionColour;
};

const TTitleLook TitleLooks[] = {
    {"MacOS", "MACOS_TITLE_LEFT", "MACOS_TITLE_CLIENT", "MACOS_TITLE_RIGHT", "MACOS_TITLEBTN",
     nullptr, 4, 4, false, clBlack},
    {"WinXP", "WINXP_TITLE_LEFT", "WINXP_TITLE_CLIENT", "WINXP_TITLE_RIGHT", "WINXP_TITLEBTN",
     nullptr, 5, 5, false, clWhite},
    {"DeepBlue", "DEEPBLUE_TITLE_LEFT", "DEEPBLUE_TITLE_CLIENT", "DEEPBLUE_TITLE_RIGHT",
     "DEEPBLUE_TITLEBTN", nullptr, 2, 2, false, clWhite},
    {"Protein", "PROTEIN_TITLE_LEFT", "PROTEIN_TITLE_CLIENT", "PROTEIN_TITLE_RIGHT",
     "PROTEIN_TITLEBTN", nullptr, 2, 5, true, clWhite},
    {"BlueGlass", "BLUEGLASS_TITLE_LEFT", "BLUEGLASS_TITLE_CLIENT", "BLUEGLASS_TITLE_RIGHT",
     "BLUEGLASS_TITLEBTN", nullptr, 6, 6, true, clWhite},
    {"Program", "NOVLA_TITLE_LEFT", "NOVLA_TITLE_CLIENT", "NOVLA_TITLE_RIGHT", nullptr,
     "NOVLA_TITLE_CLOSE_NORMAL", 2, 5, true, clWhite},
};

TSurface LoadBmp(const char* Name)
{
    TSurface S;
    if (auto Bytes = FindResource(Name)) ReadBmp(*Bytes, S);
    return S;
}

void DrawButton(TDeviceContext& Dc, int X, int Y, const TSurface& Src, int Sx, int W,
                bool Transparent)
{
    if (Transparent)
        TransparentBlt(Dc, X, Y, W, Src.Height(), Src, Sx, 0, W, Src.Height(),
                       Src.Pixel(Sx, Src.Height() - 1));
    else
        BitBlt(Dc, X, Y, W, Src.Height(), Src, Sx, 0);
}

// A title bar of Width pixels as the style's pictures make it.
TSurface TitlePreview(const TTitleLook& L, int Width)
{
    const TSurface Left = LoadBmp(L.Left), Client = LoadBmp(L.Client), Right = LoadBmp(L.Right);
    if (Left.IsEmpty() || Client.IsEmpty() || Right.IsEmpty()) return {};
    TSurface Bar(Width, Left.Height(), clBlack);
    TDeviceContext Dc(Bar);
    const int H = Left.Height();
    if (Left.Width() + Right.Width() < Width)
        StretchBlt(Dc, Left.Width(), 0, Width - Left.Width() - Right.Width(), H, Client, 0, 0,
                   Client.Width(), H);
    BitBlt(Dc, 0, 0, Left.Width(), H, Left, 0, 0);
    BitBlt(Dc, Width - Right.Width(), 0, Right.Width(), H, Right, 0, 0);

    int R = Width - 4;
    if (L.Buttons)
    {
        const TSurface Strip = LoadBmp(L.Buttons);
        const int Bw = Strip.Width() / 18;
        for (int Frame : {15, 6, 12}) // close, maximize, minimize (0-based)
        {
            R -= Bw + 1;
            DrawButton(Dc, R, L.ButtonTop, Strip, Frame * Bw, Bw, L.Transparent);
        }
    }
    else
    {
        const TSurface Close = LoadBmp(L.Close);
        R -= Close.Width() + 1;
        DrawButton(Dc, R, L.ButtonTop, Close, 0, Close.Width(), L.Transparent);
    }
    if (auto Icon = FindResource("MAINICON"))
    {
        TSurface Small;
        if (ReadIco(*Icon, Small, 16) == TCodecStatus::Ok) AlphaBlit(Dc, 6, L.ButtonTop + 1, Small);
    }
    TFontDesc F;
    F.Face = "Tahoma";
    F.Height = -11;
    F.Bold = true;
    Dc.SetFont(F);
    Dc.SetBkMode(TRANSPARENT);
    Dc.SetTextColor(L.CaptionColour);
    TextOut(Dc, 26, L.CaptionTop, "NOVLA TOOL---NOVLA-A/NOVLA-B");
    return Bar;
}

const TTitleLook* TitleLookOf(const char* Group)
{
    for (const TTitleLook& L : TitleLooks)
        if (strcmp(L.Group, Group) == 0) return &L;
    return nullptr;
}

int Usage()
{
    std::fprintf(stderr, "usage: skin-sheet FILE.png [--style NAME] [--zoom N]\n"
                         "  NAME: MacOS, WinXP, DeepBlue, Protein, BlueGlass, Shared or Program\n");
    return 2;
}
} // namespace

int main(int Argc, char** Argv)
{
    std::string Path, Style;
    int Zoom = 3;
    for (int I = 1; I < Argc; ++I)
    {
        const std::string Arg = Argv[I];
        if (Arg == "--style" && I + 1 < Argc)
            Style = Argv[++I];
        else if (Arg == "--zoom" && I + 1 < Argc)
        {
            Zoom = std::atoi(Argv[++I]);
            if (Zoom < 1 || Zoom > 16) return Usage();
        }
        else if (Path.empty() && !Arg.starts_with("--"))
            Path = Arg;
        else
            return Usage();
    }
    if (Path.empty()) return Usage();

    std::vector<TItem> Items;
    for (const TStyleArtEntry& E : StyleArtCatalog())
    {
        if (!Style.empty() && strcasecmp(Style.c_str(), E.Group) != 0) continue;
        TItem Item{&E, {}, {}};
        auto Bytes = FindResource(E.Name);
        if (!Bytes || Decode(E, *Bytes, Item.Picture) != TCodecStatus::Ok)
        {
            std::fprintf(stderr, "skin-sheet: %s does not load\n", E.Name);
            return 1;
        }
        Item.Label = std::string(E.Name) + "  " + std::to_string(Item.Picture.Width()) + "x" +
                     std::to_string(Item.Picture.Height()) + " " + FormatName(E);
        if (E.Depth) Item.Label += " " + std::to_string(E.Depth);
        if (E.Frames > 1) Item.Label += ", " + std::to_string(E.Frames) + " frames";
        if (E.Format == TArtFormat::Ico || E.Format == TArtFormat::Png)
        {
            // Pictures with alpha are shown over the sheet's paper.
            TSurface Flat(Item.Picture.Width(), Item.Picture.Height(), Paper);
            TDeviceContext FlatDc(Flat);
            AlphaBlit(FlatDc, 0, 0, Item.Picture);
            Item.Picture = std::move(Flat);
        }
        Items.push_back(std::move(Item));
    }
    if (Items.empty())
    {
        std::fprintf(stderr, "skin-sheet: no style named %s\n", Style.c_str());
        return Usage();
    }

    // Lay the cells out in rows, a new heading for each group.
    TSurface Measure(1, 1);
    TDeviceContext MeasureDc(Measure);
    MeasureDc.SetFont(LabelFont(false));
    int SheetWidth = 1200;
    for (const TItem& I : Items)
        SheetWidth =
            std::max(SheetWidth, I.Picture.Width() * Zoom + I.Entry->Frames * Gap + 2 * Margin + 2);
    int X = Margin, Y = Margin, RowHeight = 0;
    std::vector<std::pair<std::string, int>> Headings;
    std::vector<std::pair<TSurface, int>> Previews; // title bars, at their row
    constexpr int PreviewWidth = 380;
    const int PreviewZoom = std::max(1, std::min(Zoom, (SheetWidth - 2 * Margin) / PreviewWidth));
    const char* Group = nullptr;
    for (TItem& I : Items)
    {
        if (!Group || strcmp(Group, I.Entry->Group) != 0)
        {
            Group = I.Entry->Group;
            Y += RowHeight + (Headings.empty() ? 0 : Margin);
            Headings.emplace_back(Group, Y);
            Y += 24;
            if (const TTitleLook* Look = TitleLookOf(Group))
            {
                TSurface Bar = TitlePreview(*Look, PreviewWidth);
                if (!Bar.IsEmpty())
                {
                    const int Height = Bar.Height() * PreviewZoom;
                    Previews.emplace_back(std::move(Bar), Y);
                    Y += Height + Margin;
                }
            }
            X = Margin;
            RowHeight = 0;
        }
        const int PicW = I.Picture.Width() * Zoom + (I.Entry->Frames - 1) * Gap + 2;
        I.Width = std::max(PicW, GetTextExtent(MeasureDc, I.Label).Width) + Margin;
        I.Height = LabelHeight + I.Picture.Height() * Zoom + 2 + Margin;
        if (X + I.Width > SheetWidth - Margin && X > Margin)
        {
            X = Margin;
            Y += RowHeight;
            RowHeight = 0;
        }
        I.X = X;
        I.Y = Y;
        X += I.Width;
        RowHeight = std::max(RowHeight, I.Height);
    }
    const int SheetHeight = Y + RowHeight + Margin;

    TSurface Sheet(SheetWidth, SheetHeight, Paper);
    TDeviceContext Dc(Sheet);
    Dc.SetBkMode(TRANSPARENT);
    Dc.SetTextColor(clBlack);
    Dc.SetFont(LabelFont(true, -16));
    for (const auto& [Name, Top] : Headings)
        TextOut(Dc, Margin, Top, Name);
    for (const auto& [Bar, Top] : Previews)
        StretchBlt(Dc, Margin, Top, Bar.Width() * PreviewZoom, Bar.Height() * PreviewZoom, Bar, 0,
                   0, Bar.Width(), Bar.Height());
    Dc.SetFont(LabelFont(false));
    for (const TItem& I : Items)
    {
        TextOut(Dc, I.X, I.Y, I.Label);
        const int N = I.Entry->Frames;
        const int W = I.Picture.Width(), H = I.Picture.Height();
        const int Fw = W / N;
        for (int K = 0; K < N; ++K)
        {
            // The last frame is the rightmost Fw columns, as the cut takes it.
            const int Sx = K == N - 1 ? W - Fw : K * Fw;
            const int Dx = I.X + 1 + K * (Fw * Zoom + Gap);
            const int Dy = I.Y + LabelHeight + 1;
            StretchBlt(Dc, Dx, Dy, Fw * Zoom, H * Zoom, I.Picture, Sx, 0, Fw, H);
            FrameRect(Dc, {Dx - 1, Dy - 1, Dx + Fw * Zoom + 1, Dy + H * Zoom + 1},
                      gfx::TBrush::Solid(Outline));
        }
    }
    const TCodecStatus Status = SavePicture(Path, Sheet);
    if (Status != TCodecStatus::Ok)
    {
        std::fprintf(stderr, "skin-sheet: cannot write %s: %s\n", Path.c_str(),
                     CodecStatusText(Status));
        return 1;
    }
    return 0;
}
