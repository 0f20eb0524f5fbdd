#pragma once

#include "platform/gfx/FontDesc.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// Font measurements in pixels, classic meaning: Height = Ascent + Descent
// (the cell), InternalLeading = Height - character height.
struct TTextMetric
{
    int Height = 0;
    int Ascent = 0;
    int Descent = 0;
    int InternalLeading = 0;
    int ExternalLeading = 0;
    int AveCharWidth = 0;
    int MaxCharWidth = 0;
};

// One rendered glyph: an 8-bit coverage mask Width x Height whose top-left
// pixel sits Left pixels right of the pen position and Top pixels above the
// baseline; the pen then moves Advance pixels right.
struct TGlyph
{
    int Advance = 0;
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
    std::vector<uint8_t> Coverage;
};

struct FT_FaceRec_;
class TFontCache;

namespace gfx
{
// A font resolved from a TFontDesc: a face file found through fontconfig at
// one pixel size, with its metrics and a cache of rendered glyphs.
//
// Faces that ship only bitmap sizes (the "MS Sans Serif" face) are drawn
// from the strike that fits the requested height: a negative height h picks
// the strike whose cell height is closest to 5/4 |h| (so -11 gives the 13
// pixel cell of an 8-point font), a positive one the strike closest to h.
// Scalable faces use their embedded bitmaps where one exists for the pixel
// size, outlines otherwise. Bold and italic are synthesised when the file
// lacks them (bitmaps get one extra column or are sheared a pixel per four
// rows, outlines are thickened or slanted). A bold face that carries its
// weight only in its bitmaps (the packaged "Tahoma" bold: plain outlines,
// bold bitmaps for 9 to 16 pixels) has its outlines thickened at other sizes.
//
// Fonts are immutable once made and may be used from any thread.
class TFont
{
  public:
    // The shared font for Desc, from the process-wide cache. Never null: a
    // description that matches no loadable file gives a font without glyphs whose
    // metrics follow the requested height.
    static std::shared_ptr<const TFont> Get(const TFontDesc& Desc);

    ~TFont();
    TFont(const TFont&) = delete;
    TFont& operator=(const TFont&) = delete;

    const TFontDesc& Desc() const { return FDesc; }
    // The family and file fontconfig resolved the description to ("" when none).
    const std::string& FamilyName() const { return FFamily; }
    const std::string& FilePath() const { return FPath; }
    // True when glyphs come from a bitmap strike of a face without outlines.
    bool IsBitmapOnly() const { return FBitmapOnly; }
    // The pixel size glyphs are rendered at (the strike's for bitmap faces).
    int PixelSize() const { return FPixelSize; }

    const TTextMetric& Metrics() const { return FMetrics; }
    // Rows below the baseline where underlines go, and their thickness.
    int UnderlineOffset() const { return FUnderlineOffset; }
    int UnderlineThickness() const { return FUnderlineThickness; }

    // The rendered glyph for a code point (cached; the reference stays valid
    // for the font's life). Control characters have no ink and no advance.
    const TGlyph& Glyph(char32_t Code) const;
    // Sum of advances, in pixels.
    int TextWidth(std::u32string_view Text) const;

  private:
    explicit TFont(const TFontDesc& Desc);
    TGlyph Render(char32_t Code) const;
    static void SlantRows(TGlyph& Glyph);

    TFontDesc FDesc;
    std::string FFamily;
    std::string FPath;
    FT_FaceRec_* FFace = nullptr;
    bool FBitmapOnly = false;
    bool FEmboldenBitmaps = false;
    bool FEmboldenOutlines = false;
    bool FSlantOutlines = false;
    bool FSlantBitmaps = false;
    int FPixelSize = 0;
    TTextMetric FMetrics;
    int FUnderlineOffset = 1;
    int FUnderlineThickness = 1;
    // Guarded by the font cache's lock; entries are never removed, so
    // references handed out stay valid.
    mutable std::unordered_map<char32_t, TGlyph> FGlyphs;

    friend class ::TFontCache;
};
} // namespace gfx

// Decodes UTF-8; malformed bytes become U+FFFD.
std::u32string DecodeUtf8(std::string_view Text);
