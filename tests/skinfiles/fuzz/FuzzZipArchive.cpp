// libFuzzer entry for the archive walk: find SKINDATA.SK2 and unpack it with
// and without a password. Every outcome must stay inside the input and the
// output limit, and a failed unpack must leave nothing in the output.

#include "skinfiles/ZipArchive.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    constexpr size_t Limit = 1 << 16;
    const std::span<const uint8_t> Archive{Data, Size};
    TZipEntry Entry;
    if (!FindZipMember(Archive, "SKINDATA.SK2", Entry).Ok()) return 0;
    if (Entry.DataOffset > Size || Size - Entry.DataOffset < Entry.CompressedSize) std::abort();
    for (const char* Password : {"", "pw"})
    {
        TByteBuffer Out;
        const TSkinFileResult Result = UnpackZipMember(Archive, Entry, Password, Out, Limit);
        if (!Result.Ok() && Out.Size() != 0) std::abort();
        if (Result.Ok() && Out.Size() != Entry.UncompressedSize) std::abort();
    }
    return 0;
}
