// libFuzzer entry comparing our DEFLATE decoder with zlib's on every input:
// both must accept or both refuse, an accepted stream must give the same
// bytes, and a stream that unpacks to more than the limit must be refused by
// ours for its size.

#include "skinfiles/Inflater.h"

#include <zlib.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <span>
#include <vector>

namespace
{

constexpr size_t Limit = 1 << 16;

enum class TOutcome
{
    Ok,
    Error,
    TooLarge
};

// zlib's raw inflate into Out, which holds Limit + 1 bytes; Produced
// receives how many it wrote.
TOutcome ZlibInflate(const uint8_t* Data, size_t Size, std::span<uint8_t> Out, size_t& Produced)
{
    z_stream S{};
    if (inflateInit2(&S, -15) != Z_OK) std::abort();
    S.next_in = const_cast<Bytef*>(Data);
    S.avail_in = static_cast<uInt>(Size);
    S.next_out = Out.data();
    S.avail_out = static_cast<uInt>(Out.size());
    const int Status = inflate(&S, Z_FINISH);
    Produced = S.total_out;
    inflateEnd(&S);
    if (Status == Z_STREAM_END) return Produced > Limit ? TOutcome::TooLarge : TOutcome::Ok;
    // Out of room with the stream still sound so far: it unpacks to more.
    if (Status == Z_BUF_ERROR && S.avail_out == 0) return TOutcome::TooLarge;
    return TOutcome::Error;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    // Kept from call to call, so that the fuzzer does not spend its time
    // allocating and clearing it.
    static std::vector<uint8_t> Buffer(Limit + 1);
    size_t Produced;
    const TOutcome Expected = ZlibInflate(Data, Size, Buffer, Produced);
    const std::span<const uint8_t> Theirs(Buffer.data(), Produced);
    TByteBuffer Ours;
    const TInflateStatus Status = Inflate({Data, Size}, Ours, Limit);
    // Both decoders write what they have decoded, so whatever both wrote
    // must agree, however each of them ended.
    const size_t Common = std::min(Ours.Size(), Theirs.size());
    if (Common && std::memcmp(Ours.Data(), Theirs.data(), Common) != 0) std::abort();
    switch (Expected)
    {
    case TOutcome::Ok:
        if (Status != TInflateStatus::Ok || Ours.Size() != Theirs.size()) std::abort();
        break;
    case TOutcome::Error:
        // A fault within the limit is a fault for ours too, not a size.
        if (Status == TInflateStatus::Ok ||
            (Status == TInflateStatus::OutputTooLarge && Theirs.size() <= Limit))
            std::abort();
        break;
    case TOutcome::TooLarge:
        // zlib stopped at the limit; what follows may be faulty or cut
        // short, so ours may refuse it for that, but must not accept it.
        if (Status == TInflateStatus::Ok) std::abort();
        break;
    }
    return 0;
}
