// Throughput of the reply framer: bytes per second through Feed, for a
// stream of back-to-back valid replies and for a stream of line noise.
#include "protocol/Frames.h"
#include "protocol/ReplyFramer.h"

#include <benchmark/benchmark.h>

#include <random>
#include <vector>

namespace
{
std::vector<uint8_t> RepliesStream(size_t Frames)
{
    ModuleParameters Block;
    Block.UartBaudCode = 4;
    Block.FrequencyMHz = 433.0;
    Block.SpreadingCode = 11;
    Block.BandwidthCode = 7;
    Block.PowerLevel = 7;
    Block.WakeCode = 4;
    std::vector<uint8_t> Bytes;
    for (size_t i = 0; i < Frames; ++i)
    {
        Block.NetId = static_cast<uint8_t>(i);
        const Frame F = BuildFrame(CommandReadAll, Block);
        Bytes.insert(Bytes.end(), F.begin(), F.end());
    }
    return Bytes;
}

std::vector<uint8_t> NoiseStream(size_t Size)
{
    std::mt19937 Random(7);
    std::vector<uint8_t> Bytes(Size);
    for (auto& B : Bytes)
        B = static_cast<uint8_t>(Random());
    return Bytes;
}

void Run(benchmark::State& State, const std::vector<uint8_t>& Bytes)
{
    size_t Events = 0;
    ReplyFramer Framer([&](int, const ModuleParameters*) { ++Events; });
    for (auto _ : State)
    {
        for (uint8_t B : Bytes)
            Framer.Feed(B);
        benchmark::DoNotOptimize(Events);
    }
    State.SetBytesProcessed(static_cast<int64_t>(State.iterations() * Bytes.size()));
}

void BM_FeedValidReplies(benchmark::State& State)
{
    Run(State, RepliesStream(4096));
}
void BM_FeedNoise(benchmark::State& State)
{
    Run(State, NoiseStream(100000));
}
} // namespace

BENCHMARK(BM_FeedValidReplies);
BENCHMARK(BM_FeedNoise);
BENCHMARK_MAIN();
