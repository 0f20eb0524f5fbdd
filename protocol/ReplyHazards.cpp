#include "protocol/ReplyHazards.h"

#include <algorithm>

namespace
{
// The header's own sync pair ends at position 1; a CR LF ends a frame only
// once the frame holds more than nine bytes, so one before position 8 is
// harmless (position 7 is the length byte anyway).
constexpr size_t FirstSyncHazard = 2;
constexpr size_t FirstLineEndHazard = 8;
} // namespace

std::vector<ReplyHazard> FindReplyHazards(const Frame& Reply)
{
    std::vector<ReplyHazard> Found;
    // Pairs whose second byte is the checksum still count; the closing CR LF
    // at positions 23 and 24 is the frame's own end.
    for (size_t At = FirstSyncHazard; At + 1 <= FrameChecksumPosition; ++At)
    {
        if (Reply[At] == FrameSync && Reply[At + 1] == FrameSync)
            Found.push_back({ReplyHazard::Kind::SyncPair, At});
        else if (At >= FirstLineEndHazard && Reply[At] == 0x0D && Reply[At + 1] == 0x0A)
            Found.push_back({ReplyHazard::Kind::LineEnd, At});
    }
    return Found;
}

std::vector<ReplyHazard> FindBlockHazards(const ModuleParameters& Block)
{
    std::vector<ReplyHazard> Found = FindReplyHazards(BuildFrame(CommandWriteAll, Block));
    for (const ReplyHazard& Hazard : FindReplyHazards(BuildFrame(CommandReadAll, Block)))
        if (std::find(Found.begin(), Found.end(), Hazard) == Found.end()) Found.push_back(Hazard);
    std::sort(Found.begin(), Found.end(),
              [](const ReplyHazard& A, const ReplyHazard& B) { return A.Position < B.Position; });
    return Found;
}
