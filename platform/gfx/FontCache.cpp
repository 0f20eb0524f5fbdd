#include "platform/gfx/FontCache.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <string>

namespace
{
// The whole configuration, built here rather than read from the system:
// the system rules hide bitmap-only faces such as the packaged "MS Sans
// Serif", and fontconfig leaks the patterns of such select rules. The
// packaged .fon files are left out so the TrueType-wrapped strikes win.
std::string Configuration()
{
    return std::string(
               "<?xml version=\"1.0\"?><!DOCTYPE fontconfig SYSTEM \"fonts.dtd\"><fontconfig>"
               "<dir>/usr/share/fonts</dir><dir>/usr/local/share/fonts</dir><dir>") +
           TFontCache::FontFolder +
           "</dir><cachedir>/var/cache/fontconfig</cachedir>"
           "<cachedir prefix=\"xdg\">fontconfig</cachedir>"
           "<selectfont><rejectfont><glob>*.fon</glob></rejectfont></selectfont>"
           "</fontconfig>";
}

std::string KeyOf(const TFontDesc& Desc)
{
    return Desc.Face + '\x1f' + std::to_string(Desc.Height) + (Desc.Bold ? 'b' : '-') +
           (Desc.Italic ? 'i' : '-') + (Desc.Underline ? 'u' : '-') + (Desc.StrikeOut ? 's' : '-');
}
} // namespace

TFontCache& TFontCache::Instance()
{
    // Deliberately never destroyed: fonts may be released during static
    // destruction of other objects.
    static TFontCache* Cache = new TFontCache();
    return *Cache;
}

TFontCache::TFontCache()
{
    FT_Library Library = nullptr;
    if (FT_Init_FreeType(&Library) == 0) FLibrary = Library;
    FcConfig* Config = FcConfigCreate();
    if (Config)
    {
        const std::string Text = Configuration();
        FcConfigParseAndLoadFromMemory(Config, reinterpret_cast<const FcChar8*>(Text.c_str()),
                                       FcFalse);
        FcConfigBuildFonts(Config);
    }
    FConfig = Config;
}

TFontCache::~TFontCache() = default;

std::shared_ptr<const gfx::TFont> TFontCache::Get(const TFontDesc& Desc)
{
    std::lock_guard Guard(FLock);
    const std::string Key = KeyOf(Desc);
    auto It = FFonts.find(Key);
    if (It != FFonts.end()) return It->second;
    std::shared_ptr<const gfx::TFont> Font(new gfx::TFont(Desc));
    FFonts.emplace(Key, Font);
    return Font;
}

TFontCache::TMatch TFontCache::Match(const std::string& Face, bool Bold, bool Italic,
                                     double PixelSize)
{
    TMatch Result;
    if (!FConfig) return Result;
    FcPattern* Pattern = FcPatternCreate();
    FcPatternAddString(Pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(Face.c_str()));
    FcPatternAddString(Pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>("DejaVu Sans"));
    FcPatternAddInteger(Pattern, FC_WEIGHT, Bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(Pattern, FC_SLANT, Italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcPatternAddDouble(Pattern, FC_PIXEL_SIZE, PixelSize);
    FcConfigSubstitute(FConfig, Pattern, FcMatchPattern);
    FcDefaultSubstitute(Pattern);
    FcResult Outcome = FcResultNoMatch;
    FcPattern* Found = FcFontMatch(FConfig, Pattern, &Outcome);
    if (Found)
    {
        FcChar8* File = nullptr;
        FcChar8* Family = nullptr;
        if (FcPatternGetString(Found, FC_FILE, 0, &File) == FcResultMatch)
            Result.Path = reinterpret_cast<const char*>(File);
        if (FcPatternGetString(Found, FC_FAMILY, 0, &Family) == FcResultMatch)
            Result.Family = reinterpret_cast<const char*>(Family);
        FcPatternGetInteger(Found, FC_INDEX, 0, &Result.Index);
        FcPatternDestroy(Found);
    }
    FcPatternDestroy(Pattern);
    return Result;
}

std::shared_ptr<const gfx::TFont> gfx::TFont::Get(const TFontDesc& Desc)
{
    return TFontCache::Instance().Get(Desc);
}
