#include "platform/gfx/PictureFile.h"

#include "platform/gfx/BmpCodec.h"
#include "platform/gfx/IcoCodec.h"
#include "platform/gfx/JpegCodec.h"
#include "platform/gfx/PngCodec.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <vector>

namespace
{
constexpr std::streamoff MaxFileBytes = 256LL << 20;

std::string LowerExtension(const std::string& Path)
{
    const size_t Dot = Path.find_last_of('.');
    if (Dot == std::string::npos || Path.find('/', Dot) != std::string::npos) return {};
    std::string Ext = Path.substr(Dot);
    std::transform(Ext.begin(), Ext.end(), Ext.begin(),
                   [](unsigned char C) { return std::tolower(C); });
    return Ext;
}
} // namespace

TCodecStatus LoadPicture(const std::string& Path, TSurface& Out)
{
    std::ifstream File(Path, std::ios::binary | std::ios::ate);
    if (!File) return TCodecStatus::Truncated;
    const std::streamoff Size = File.tellg();
    if (Size < 0) return TCodecStatus::Truncated;
    if (Size > MaxFileBytes) return TCodecStatus::TooLarge;
    std::vector<uint8_t> Bytes(static_cast<size_t>(Size));
    File.seekg(0);
    if (!File.read(reinterpret_cast<char*>(Bytes.data()), Size)) return TCodecStatus::Truncated;
    if (Bytes.size() >= 2 && Bytes[0] == 'B' && Bytes[1] == 'M') return ReadBmp(Bytes, Out);
    if (Bytes.size() >= 2 && Bytes[0] == 0xFF && Bytes[1] == 0xD8) return ReadJpeg(Bytes, Out);
    if (Bytes.size() >= 4 && Bytes[0] == 0 && Bytes[1] == 0 && (Bytes[2] == 1 || Bytes[2] == 2) &&
        Bytes[3] == 0)
        return ReadIco(Bytes, Out);
    if (Bytes.size() >= 4 && Bytes[0] == 0x89 && Bytes[1] == 'P' && Bytes[2] == 'N' &&
        Bytes[3] == 'G')
        return ReadPng(Bytes, Out);
    return Bytes.size() < 4 ? TCodecStatus::Truncated : TCodecStatus::Malformed;
}

TCodecStatus SavePicture(const std::string& Path, const TSurface& Image)
{
    const std::string Ext = LowerExtension(Path);
    std::vector<uint8_t> Bytes;
    TCodecStatus Status = TCodecStatus::Unsupported;
    if (Ext == ".png")
        Status = WritePng(Image, Bytes);
    else if (Ext == ".bmp")
        Status = WriteBmp(Image, 24, Bytes);
    else if (Ext == ".jpg" || Ext == ".jpeg")
        Status = WriteJpeg(Image, 90, Bytes);
    if (Status != TCodecStatus::Ok) return Status;
    std::ofstream File(Path, std::ios::binary | std::ios::trunc);
    if (!File.write(reinterpret_cast<const char*>(Bytes.data()),
                    static_cast<std::streamsize>(Bytes.size())))
        return TCodecStatus::EncodeFailed;
    File.close();
    return File ? TCodecStatus::Ok : TCodecStatus::EncodeFailed;
}
