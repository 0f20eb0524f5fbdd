// libFuzzer entry for the BMP reader: any input must be decoded or refused
// without reading outside it; a decoded picture must round-trip through the
// writer.

#include "platform/gfx/BmpCodec.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    TSurface Picture;
    if (ReadBmp({Data, Size}, Picture) != TCodecStatus::Ok) return 0;
    if (Picture.IsEmpty()) std::abort();
    std::vector<uint8_t> Bytes;
    TSurface Again;
    if (WriteBmp(Picture, 24, Bytes) != TCodecStatus::Ok ||
        ReadBmp(Bytes, Again) != TCodecStatus::Ok || Again.Width() != Picture.Width() ||
        Again.Height() != Picture.Height())
        std::abort();
    return 0;
}
