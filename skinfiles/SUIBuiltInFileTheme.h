#pragma once

#include "skinfiles/SUISkinFileTheme.h"

#include <optional>
#include <vector>

// A file theme that carries its skin file inside the form definition that
// holds it, as the unpublished binary "SkinData", so the program needs no
// skin file beside it. The skin is always loaded from memory; nothing is
// written to disk. ThemeFile is the path the skin was taken from.
class TsuiBuiltInFileTheme : public TsuiSkinFileTheme
{
  public:
    explicit TsuiBuiltInFileTheme(TComponent* AOwner) : TsuiSkinFileTheme(AOwner) {}

    static const TClassInfo& StaticClass();
    const TClassInfo& ClassInfo() const override { return StaticClass(); }

    // The path last given to ThemeFile, as given.
    const std::string& SourceFile() const { return FSourceFile; }
    // Remembers Value and loads the file found for it, keeping its bytes.
    void SetThemeFile(const std::string& Value) override;

    // The skin file's bytes the theme holds (empty before any load).
    const std::vector<uint8_t>& SkinData() const { return FSkinData; }
    // Form definitions: the bytes read replace the skin; the bytes written
    // are the source file's when it can be read, else the held ones.
    void ReadSkinData(std::span<const uint8_t> Data);
    std::optional<std::vector<uint8_t>> WriteSkinData() const;

  protected:
    void Reload() override;

  private:
    std::string FSourceFile;
    std::vector<uint8_t> FSkinData;
};
