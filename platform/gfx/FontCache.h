#pragma once

#include "platform/gfx/Font.h"

#include <map>
#include <memory>
#include <mutex>
#include <string>

struct FT_LibraryRec_;
struct _FcConfig;

// The process-wide font state: one FreeType library, one fontconfig
// configuration and the fonts made so far. Created on first use; every
// member is guarded by Lock(), which also serialises all FreeType calls.
//
// The configuration is the system font folders plus the folder of the
// packaged desktop faces (FontFolder), without the system's rules, so the
// bitmap-only "MS Sans Serif" file is found. Names that match nothing fall
// back to "DejaVu Sans".
class TFontCache
{
  public:
    static constexpr const char* FontFolder = "/usr/share/wine/fonts";

    static TFontCache& Instance();

    std::recursive_mutex& Lock() { return FLock; }
    FT_LibraryRec_* Library() const { return FLibrary; }

    std::shared_ptr<const gfx::TFont> Get(const TFontDesc& Desc);

    struct TMatch
    {
        std::string Path;
        int Index = 0;
        std::string Family;
    };
    // The file fontconfig picks for a face name, weight and slant at a pixel
    // size; empty Path when nothing matches. Caller holds Lock().
    TMatch Match(const std::string& Face, bool Bold, bool Italic, double PixelSize);

  private:
    TFontCache();
    ~TFontCache();

    std::recursive_mutex FLock;
    FT_LibraryRec_* FLibrary = nullptr;
    _FcConfig* FConfig = nullptr;
    std::map<std::string, std::shared_ptr<const gfx::TFont>> FFonts;
};
