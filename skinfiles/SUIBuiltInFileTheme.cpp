#include "skinfiles/SUIBuiltInFileTheme.h"

#include "framework/PropertyRegistry.h"
#include "skinfiles/SUI2SkinReader.h"

#include <fstream>

namespace
{
// The whole file, if it can be read and is not larger than a skin may be.
std::optional<std::vector<uint8_t>> ReadSkinBytes(const std::string& Path)
{
    if (Path.empty()) return std::nullopt;
    std::ifstream In(Path, std::ios::binary | std::ios::ate);
    if (!In) return std::nullopt;
    const std::streamoff Size = In.tellg();
    if (Size < 0 || static_cast<uint64_t>(Size) > MaxSkinFileSize) return std::nullopt;
    std::vector<uint8_t> Bytes(static_cast<size_t>(Size));
    In.seekg(0);
    if (!In.read(reinterpret_cast<char*>(Bytes.data()), Size)) return std::nullopt;
    return Bytes;
}
} // namespace

const TClassInfo& TsuiBuiltInFileTheme::StaticClass()
{
    static const TClassInfo Info =
        TClassBuilder<TsuiBuiltInFileTheme>("TsuiBuiltInFileTheme",
                                            &TsuiSkinFileTheme::StaticClass())
            .String("ThemeFile", &TsuiBuiltInFileTheme::SourceFile,
                    &TsuiBuiltInFileTheme::SetThemeFile)
            .DefineBinary("SkinData", &TsuiBuiltInFileTheme::ReadSkinData,
                          &TsuiBuiltInFileTheme::WriteSkinData)
            .Build();
    return Info;
}

void TsuiBuiltInFileTheme::SetThemeFile(const std::string& Value)
{
    FSourceFile = Value;
    const std::string Found = FindThemeFile(Value);
    if (Found.empty()) return;
    auto Bytes = ReadSkinBytes(Found);
    if (!Bytes)
    {
        // Unreadable or too large: the loader says why and leaves us not ready.
        LoadFile(Found);
        return;
    }
    const bool Reloading = !FThemeFile.empty() || !FSkinData.empty();
    FThemeFile = Found;
    FSkinData = std::move(*Bytes);
    LoadBytes(FSkinData, Reloading);
}

void TsuiBuiltInFileTheme::ReadSkinData(std::span<const uint8_t> Data)
{
    const bool Reloading = !FThemeFile.empty() || !FSkinData.empty();
    FSkinData.assign(Data.begin(), Data.end());
    LoadBytes(FSkinData, Reloading);
}

std::optional<std::vector<uint8_t>> TsuiBuiltInFileTheme::WriteSkinData() const
{
    if (auto Bytes = ReadSkinBytes(FSourceFile)) return Bytes;
    // Without its source file (a form read on another machine) the theme
    // still stores the skin it holds rather than losing it.
    if (!FSkinData.empty()) return FSkinData;
    return std::nullopt;
}

void TsuiBuiltInFileTheme::Reload()
{
    if (!FSkinData.empty())
        LoadBytes(FSkinData, true);
    else if (!FSourceFile.empty())
        SetThemeFile(FSourceFile);
}
