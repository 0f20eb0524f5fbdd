// libFuzzer entry for the DEFLATE decoder: any input must be decoded or
// refused within the output limit without reading outside it; decoded data
// coded again by our encoder must decode to the same bytes.

#include "skinfiles/Inflater.h"
#include "tools/skin-writer/DeflateEncoder.h"

#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    constexpr size_t Limit = 1 << 13;
    TByteBuffer Out;
    const TInflateStatus Status = Inflate({Data, Size}, Out, Limit);
    if (Out.Size() > Limit + 512) std::abort();
    if (Status != TInflateStatus::Ok) return 0;
    if (Out.Size() > Limit) std::abort();
    // Stored blocks cost nothing to make; the match search of the fixed-code
    // encoder is kept to small outputs so the fuzzer stays fast.
    for (TDeflateMode Mode : {TDeflateMode::Stored, TDeflateMode::Fixed})
    {
        if (Mode == TDeflateMode::Fixed && Out.Size() > 1024) break;
        const std::vector<uint8_t> Again = DeflateBytes(Out.Bytes(), Mode);
        TByteBuffer Back;
        if (Inflate(Again, Back, Limit) != TInflateStatus::Ok || Back.Size() != Out.Size() ||
            (Out.Size() && std::memcmp(Back.Data(), Out.Data(), Out.Size()) != 0))
            std::abort();
    }
    return 0;
}
