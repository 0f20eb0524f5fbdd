// Inflate throughput of the skin reader's DEFLATE decoder beside zlib on the
// same streams in the same run (zlib compresses them, at its default level):
// the sample skin's database (a skin-sized member) and 16 MB of mixed data
// (text, picture rows, runs, and incompressible noise that ends up in stored
// blocks). Bytes per second count unpacked bytes.
#include "skinfiles/Inflater.h"
#include "tools/skin-writer/SampleSkin.h"

#include <benchmark/benchmark.h>
#include <zlib.h>

#include <cstring>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

namespace
{

std::vector<uint8_t> MixedData(size_t Size)
{
    static const char* Words[] = {"skin",  "button", "title", "border", "colour", "frame",
                                  "strip", "module", "radio", "serial", "parity", "the",
                                  "of",    "and",    "a",     "window", "menu",   "bitmap"};
    std::mt19937 Random(17);
    std::vector<uint8_t> Out;
    Out.reserve(Size);
    int Kind = 0;
    while (Out.size() < Size)
    {
        const size_t End = std::min(Size, Out.size() + 65536);
        switch (Kind++ % 4)
        {
        case 0: // text
            while (Out.size() < End)
            {
                const std::string W = Words[Random() % std::size(Words)];
                Out.insert(Out.end(), W.begin(), W.end());
                Out.push_back(Random() % 9 ? ' ' : '\n');
            }
            break;
        case 1: // picture rows: gradients with a little noise
            for (size_t I = 0; Out.size() < End; ++I)
                Out.push_back(uint8_t((I / 3) % 256 + (Random() % 4)));
            break;
        case 2: // runs and repeated records
            while (Out.size() < End)
            {
                const uint8_t B = uint8_t(Random());
                Out.insert(Out.end(), 1 + Random() % 40, B);
            }
            break;
        default: // noise
            while (Out.size() < End)
                Out.push_back(uint8_t(Random()));
            break;
        }
    }
    Out.resize(Size);
    return Out;
}

std::vector<uint8_t> RawDeflate(const std::vector<uint8_t>& In)
{
    z_stream Z{};
    if (deflateInit2(&Z, Z_DEFAULT_COMPRESSION, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY) != Z_OK)
        throw std::runtime_error("deflateInit2");
    std::vector<uint8_t> Out(deflateBound(&Z, In.size()));
    Z.next_in = const_cast<uint8_t*>(In.data());
    Z.avail_in = uInt(In.size());
    Z.next_out = Out.data();
    Z.avail_out = uInt(Out.size());
    if (deflate(&Z, Z_FINISH) != Z_STREAM_END) throw std::runtime_error("deflate");
    Out.resize(Z.total_out);
    deflateEnd(&Z);
    return Out;
}

struct TCase
{
    std::vector<uint8_t> Plain;
    std::vector<uint8_t> Packed;
};

const TCase& Case(int Which)
{
    static const TCase Skin = []
    {
        TCase C{BuildSampleSkinDatabase(), {}};
        C.Packed = RawDeflate(C.Plain);
        return C;
    }();
    static const TCase Mixed = []
    {
        TCase C{MixedData(16 << 20), {}};
        C.Packed = RawDeflate(C.Plain);
        return C;
    }();
    return Which == 0 ? Skin : Mixed;
}

void BM_InflateOwn(benchmark::State& State)
{
    const TCase& C = Case(int(State.range(0)));
    TByteBuffer Out;
    for (auto _ : State)
    {
        if (Inflate(C.Packed, Out, MaxInflateOutput, C.Plain.size()) != TInflateStatus::Ok)
            State.SkipWithError("inflate failed");
        benchmark::DoNotOptimize(Out.Data());
    }
    if (Out.Size() != C.Plain.size() || std::memcmp(Out.Data(), C.Plain.data(), Out.Size()) != 0)
        State.SkipWithError("output differs");
    State.SetBytesProcessed(int64_t(State.iterations()) * int64_t(C.Plain.size()));
    State.counters["ratio"] = double(C.Plain.size()) / double(C.Packed.size());
}

void BM_InflateZlib(benchmark::State& State)
{
    const TCase& C = Case(int(State.range(0)));
    std::vector<uint8_t> Out(C.Plain.size());
    z_stream Z{};
    inflateInit2(&Z, -15);
    for (auto _ : State)
    {
        inflateReset(&Z);
        Z.next_in = const_cast<uint8_t*>(C.Packed.data());
        Z.avail_in = uInt(C.Packed.size());
        Z.next_out = Out.data();
        Z.avail_out = uInt(Out.size());
        if (inflate(&Z, Z_FINISH) != Z_STREAM_END) State.SkipWithError("zlib inflate failed");
        benchmark::DoNotOptimize(Out.data());
    }
    inflateEnd(&Z);
    State.SetBytesProcessed(int64_t(State.iterations()) * int64_t(C.Plain.size()));
}

} // namespace

// Argument 0: the sample skin's database; 1: 16 MB of mixed data.
BENCHMARK(BM_InflateOwn)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_InflateZlib)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
