#include "platform/gfx/Font.h"

#include "platform/gfx/FontCache.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_BITMAP_H
#include FT_OUTLINE_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace
{
int Round26(FT_Pos V)
{
    return static_cast<int>((V + 32) >> 6);
}

// The strike of a bitmap-only face that suits a requested height.
int PickStrike(FT_Face Face, int Height)
{
    const double Target = Height < 0 ? -Height * 1.25 : Height;
    int Best = 0;
    double BestDistance = 1e9;
    for (int I = 0; I < Face->num_fixed_sizes; ++I)
    {
        const double Distance = std::abs(Face->available_sizes[I].height - Target);
        if (Distance < BestDistance)
        {
            Best = I;
            BestDistance = Distance;
        }
    }
    return Best;
}

bool HasStrike(FT_Face Face, int PixelSize)
{
    for (int I = 0; I < Face->num_fixed_sizes; ++I)
        if (Round26(Face->available_sizes[I].y_ppem) == PixelSize) return true;
    return false;
}
} // namespace

gfx::TFont::TFont(const TFontDesc& Desc) : FDesc(Desc)
{
    if (FDesc.Height == 0) FDesc.Height = -11;
    TFontCache& Cache = TFontCache::Instance();
    const int Wanted = std::max(1, std::abs(FDesc.Height));
    const TFontCache::TMatch Match = Cache.Match(FDesc.Face, FDesc.Bold, FDesc.Italic, Wanted);
    FT_Face Face = nullptr;
    if (!Match.Path.empty() && Cache.Library() &&
        FT_New_Face(Cache.Library(), Match.Path.c_str(), Match.Index, &Face) != 0)
        Face = nullptr;
    if (!Face)
    {
        // Nothing usable: keep the requested size so layout stays sane.
        FMetrics.Height = Wanted;
        FMetrics.Ascent = Wanted * 4 / 5;
        FMetrics.Descent = Wanted - FMetrics.Ascent;
        FMetrics.AveCharWidth = std::max(1, Wanted / 2);
        FMetrics.MaxCharWidth = Wanted;
        return;
    }
    FFace = Face;
    FFamily = Match.Family;
    FPath = Match.Path;
    const bool FaceBold = (Face->style_flags & FT_STYLE_FLAG_BOLD) != 0;
    const bool FaceItalic = (Face->style_flags & FT_STYLE_FLAG_ITALIC) != 0;

    if (!FT_IS_SCALABLE(Face))
    {
        // Bitmap-only: asking FreeType for any other size fails and leaves
        // the face unusable, so select one of its strikes instead.
        FBitmapOnly = true;
        const int Strike = PickStrike(Face, FDesc.Height);
        FT_Select_Size(Face, Strike);
        FPixelSize = Face->available_sizes[Strike].height;
        FMetrics.Ascent = Round26(Face->size->metrics.ascender);
        FMetrics.Descent = -Round26(Face->size->metrics.descender);
        if (FMetrics.Ascent + FMetrics.Descent <= 0)
        {
            FMetrics.Ascent = FPixelSize * 4 / 5;
            FMetrics.Descent = FPixelSize - FMetrics.Ascent;
        }
        FMetrics.Height = FMetrics.Ascent + FMetrics.Descent;
        // The classic cell of these faces is 13/11 of the character height.
        FMetrics.InternalLeading = FMetrics.Height - FMetrics.Height * 11 / 13;
        FEmboldenBitmaps = FDesc.Bold && !FaceBold;
        FSlantBitmaps = FDesc.Italic && !FaceItalic;
    }
    else
    {
        const TT_OS2* Os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(Face, FT_SFNT_OS2));
        const double Upem = Face->units_per_EM > 0 ? Face->units_per_EM : 2048;
        double AscentUnits = Face->ascender;
        double DescentUnits = -Face->descender;
        if (Os2 && Os2->version != 0xFFFF && Os2->usWinAscent + Os2->usWinDescent > 0)
        {
            AscentUnits = Os2->usWinAscent;
            DescentUnits = Os2->usWinDescent;
        }
        const double CellUnits = std::max(1.0, AscentUnits + DescentUnits);
        FPixelSize =
            FDesc.Height < 0
                ? -FDesc.Height
                : std::max(1, static_cast<int>(std::lround(FDesc.Height * Upem / CellUnits)));
        FT_Set_Pixel_Sizes(Face, 0, static_cast<FT_UInt>(FPixelSize));
        FMetrics.Ascent = static_cast<int>(std::lround(AscentUnits * FPixelSize / Upem));
        FMetrics.Descent = static_cast<int>(std::lround(DescentUnits * FPixelSize / Upem));
        FMetrics.Height = FMetrics.Ascent + FMetrics.Descent;
        FMetrics.InternalLeading = std::max(0, FMetrics.Height - FPixelSize);
        FEmboldenBitmaps = FDesc.Bold && !FaceBold;
        // A bold face with bitmap strikes may carry its weight only there.
        FEmboldenOutlines = FDesc.Bold && (!FaceBold || Face->num_fixed_sizes > 0);
        FSlantOutlines = FDesc.Italic && !FaceItalic;
        FSlantBitmaps = FSlantOutlines;
        if (Face->underline_position != 0)
            FUnderlineOffset = std::max(
                1, static_cast<int>(std::lround(-Face->underline_position * FPixelSize / Upem)));
        FUnderlineThickness = std::max(
            1, static_cast<int>(std::lround(Face->underline_thickness * FPixelSize / Upem)));
    }
    FUnderlineOffset = std::min(FUnderlineOffset, std::max(1, FMetrics.Descent - 1));
    FMetrics.AveCharWidth = std::max(1, Glyph(U'x').Advance);
    int MaxWidth = 0;
    for (char32_t C = U' '; C < 0x7F; ++C)
        MaxWidth = std::max(MaxWidth, Glyph(C).Advance);
    FMetrics.MaxCharWidth = MaxWidth;
}

gfx::TFont::~TFont()
{
    if (FFace)
    {
        std::lock_guard Guard(TFontCache::Instance().Lock());
        FT_Done_Face(FFace);
    }
}

const TGlyph& gfx::TFont::Glyph(char32_t Code) const
{
    std::lock_guard Guard(TFontCache::Instance().Lock());
    auto It = FGlyphs.find(Code);
    if (It == FGlyphs.end()) It = FGlyphs.emplace(Code, Render(Code)).first;
    return It->second;
}

TGlyph gfx::TFont::Render(char32_t Code) const
{
    TGlyph Out;
    if (!FFace || Code < 0x20 || Code == 0x7F) return Out;
    FT_Face Face = FFace;
    const FT_UInt Index = FT_Get_Char_Index(Face, Code);
    const bool FromStrike = FBitmapOnly || HasStrike(Face, FPixelSize);
    FT_Int32 Flags = FT_LOAD_DEFAULT;
    if (!FromStrike) Flags |= FT_LOAD_TARGET_LIGHT;
    if (FT_Load_Glyph(Face, Index, Flags) != 0) return Out;
    FT_GlyphSlot Slot = Face->glyph;
    FT_Pos Extra = 0;
    if (Slot->format == FT_GLYPH_FORMAT_OUTLINE)
    {
        if (FSlantOutlines)
        {
            FT_Matrix Shear{0x10000, 0x0366A, 0, 0x10000};
            FT_Outline_Transform(&Slot->outline, &Shear);
        }
        if (FEmboldenOutlines)
        {
            Extra = std::max<FT_Pos>(
                64, FT_MulFix(Face->units_per_EM, Face->size->metrics.y_scale) / 24);
            FT_Outline_EmboldenXY(&Slot->outline, Extra, 0);
            Extra = (Extra + 63) & ~63;
        }
        if (FT_Render_Glyph(Slot, FT_RENDER_MODE_NORMAL) != 0) return Out;
    }
    else if (FEmboldenBitmaps && Slot->format == FT_GLYPH_FORMAT_BITMAP)
    {
        // Classic overstrike: one more column of ink, one more pixel of
        // advance.
        if (FT_Bitmap_Embolden(TFontCache::Instance().Library(), &Slot->bitmap, 64, 0) == 0)
            Extra = 64;
    }
    const bool Slant = FSlantBitmaps && Slot->format == FT_GLYPH_FORMAT_BITMAP;
    const FT_Bitmap& B = Slot->bitmap;
    Out.Advance = Round26(Slot->advance.x + Extra);
    Out.Left = Slot->bitmap_left;
    Out.Top = Slot->bitmap_top;
    Out.Width = static_cast<int>(B.width);
    Out.Height = static_cast<int>(B.rows);
    Out.Coverage.assign(static_cast<size_t>(Out.Width) * static_cast<size_t>(Out.Height), 0);
    for (int Y = 0; Y < Out.Height; ++Y)
    {
        const unsigned char* Row = B.buffer + static_cast<ptrdiff_t>(Y) * B.pitch;
        uint8_t* Dst =
            Out.Coverage.data() + static_cast<size_t>(Y) * static_cast<size_t>(Out.Width);
        for (int X = 0; X < Out.Width; ++X)
        {
            switch (B.pixel_mode)
            {
            case FT_PIXEL_MODE_MONO:
                Dst[X] = (Row[X >> 3] & (0x80 >> (X & 7))) ? 255 : 0;
                break;
            case FT_PIXEL_MODE_GRAY:
                Dst[X] = static_cast<uint8_t>(
                    B.num_grays == 256 ? Row[X] : Row[X] * 255 / (B.num_grays - 1));
                break;
            case FT_PIXEL_MODE_GRAY2:
                Dst[X] = static_cast<uint8_t>((Row[X >> 2] >> (6 - 2 * (X & 3)) & 3) * 85);
                break;
            case FT_PIXEL_MODE_GRAY4:
                Dst[X] = static_cast<uint8_t>((Row[X >> 1] >> (4 - 4 * (X & 1)) & 15) * 17);
                break;
            default:
                break;
            }
        }
    }
    if (Slant) SlantRows(Out);
    return Out;
}

void gfx::TFont::SlantRows(TGlyph& Glyph)
{
    // One pixel to the right for every four rows above the baseline; the
    // advance stays, so slanted text overhangs like classic italics.
    auto Shift = [&](int Row) { return std::max(0, Glyph.Top - Row - 1) / 4; };
    const int Extra = Glyph.Height > 0 ? Shift(0) : 0;
    if (Extra == 0) return;
    const int Width = Glyph.Width + Extra;
    std::vector<uint8_t> Slanted(static_cast<size_t>(Width) * static_cast<size_t>(Glyph.Height), 0);
    for (int Y = 0; Y < Glyph.Height; ++Y)
        for (int X = 0; X < Glyph.Width; ++X)
            Slanted[static_cast<size_t>(Y) * static_cast<size_t>(Width) +
                    static_cast<size_t>(X + Shift(Y))] =
                Glyph.Coverage[static_cast<size_t>(Y) * static_cast<size_t>(Glyph.Width) +
                               static_cast<size_t>(X)];
    Glyph.Coverage = std::move(Slanted);
    Glyph.Width = Width;
}

int gfx::TFont::TextWidth(std::u32string_view Text) const
{
    int Width = 0;
    for (char32_t C : Text)
        Width += Glyph(C).Advance;
    return Width;
}

std::u32string DecodeUtf8(std::string_view Text)
{
    std::u32string Out;
    Out.reserve(Text.size());
    size_t I = 0;
    while (I < Text.size())
    {
        const unsigned char Lead = static_cast<unsigned char>(Text[I]);
        int Length = Lead < 0x80         ? 1
                     : (Lead >> 5) == 6  ? 2
                     : (Lead >> 4) == 14 ? 3
                     : (Lead >> 3) == 30 ? 4
                                         : 0;
        char32_t Code = Length == 1   ? Lead
                        : Length == 2 ? Lead & 0x1F
                        : Length == 3 ? Lead & 0x0F
                                      : Lead & 0x07;
        bool Valid = Length > 0 && I + static_cast<size_t>(Length) <= Text.size();
        for (int K = 1; Valid && K < Length; ++K)
        {
            const unsigned char Next = static_cast<unsigned char>(Text[I + static_cast<size_t>(K)]);
            Valid = (Next & 0xC0) == 0x80;
            Code = Code << 6 | (Next & 0x3F);
        }
        // Overlong forms, surrogates and values past U+10FFFF are malformed.
        static constexpr char32_t Least[] = {0, 0, 0x80, 0x800, 0x10000};
        if (Valid &&
            (Code < Least[Length] || Code > 0x10FFFF || (Code >= 0xD800 && Code <= 0xDFFF)))
            Valid = false;
        if (!Valid)
        {
            Out.push_back(0xFFFD);
            ++I;
            continue;
        }
        Out.push_back(Code);
        I += static_cast<size_t>(Length);
    }
    return Out;
}
