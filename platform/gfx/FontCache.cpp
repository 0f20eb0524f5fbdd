#include "platform/gfx/FontCache.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <string>

namespace
{
// Added to the system configuration: the packaged desktop faces, and an
// exception for their bitmap-only sans serif face, which the usual
// "no bitmap fonts" rule would hide.
std::string ExtraConfig()
{
    return std::string("<?xml version=\"1.0\"?><!DOCTYPE fontconfig SYSTEM \"fonts.dtd\"><fontconfig><dir>") +
           TFontCache::FontFolder +
           "</dir><selectfont><acceptfont><pattern>"
           "<patelt name=\"family\"><string>MS Sans Serif</string></patelt>"
           "<patelt name=\"fontformat\"><string>TrueType</string></patelt>"
           "</pattern></acceptfont></selectfont></fontconfig>";
}

std::string KeyOf(const TFontSpec& Spec)
{
    return Spec.Face + '\x1f' + std::to_string(Spec.Height) + (Spec.Bold ? 'b' : '-') + (Spec.Italic ? 'i' : '-') +
           (Spec.Underline ? 'u' : '-') + (Spec.StrikeOut ? 's' : '-');
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
    if (FT_Init_FreeType(&Library) == 0)
        FLibrary = Library;
    FcConfig* Config = FcConfigCreate();
    if (Config)
    {
        FcConfigParseAndLoad(Config, nullptr, FcTrue);
        const std::string Extra = ExtraConfig();
        FcConfigParseAndLoadFromMemory(Config, reinterpret_cast<const FcChar8*>(Extra.c_str()), FcFalse);
        FcConfigBuildFonts(Config);
    }
    FConfig = Config;
}

TFontCache::~TFontCache() = default;

std::shared_ptr<const TFont> TFontCache::Get(const TFontSpec& Spec)
{
    std::lock_guard Guard(FLock);
    const std::string Key = KeyOf(Spec);
    auto It = FFonts.find(Key);
    if (It != FFonts.end())
        return It->second;
    std::shared_ptr<const TFont> Font(new TFont(Spec));
    FFonts.emplace(Key, Font);
    return Font;
}

TFontCache::TMatch TFontCache::Match(const std::string& Face, bool Bold, bool Italic, double PixelSize)
{
    TMatch Result;
    if (!FConfig)
        return Result;
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

std::shared_ptr<const TFont> TFont::Get(const TFontSpec& Spec)
{
    return TFontCache::Instance().Get(Spec);
}
