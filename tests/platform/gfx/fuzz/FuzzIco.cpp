// libFuzzer entry for the icon reader: any input must be decoded or refused
// without reading outside it, whatever size is preferred.

#include "platform/gfx/IcoCodec.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    for (int Preferred : {0, 16, 48})
    {
        TSurface Picture;
        if (ReadIco({Data, Size}, Picture, Preferred) == TCodecStatus::Ok && Picture.IsEmpty())
            std::abort();
    }
    return 0;
}
