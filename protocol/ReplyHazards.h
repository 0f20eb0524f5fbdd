#pragma once

#include "protocol/Frames.h"
#include "protocol/ModuleParameters.h"

#include <cstddef>
#include <vector>

// The reply framer restarts at every AF AF pair and ends a frame at CR LF,
// and frames have no escaping. A block whose reply holds either pair among
// its data or checksum is stored by the module, but its reply can never be
// read back.
struct ReplyHazard
{
    enum class Kind
    {
        SyncPair, // AF AF: the framer starts a new frame there
        LineEnd,  // 0D 0A: the framer ends the frame there
    };
    Kind What = Kind::SyncPair;
    size_t Position = 0; // frame position of the pair's first byte

    bool operator==(const ReplyHazard&) const = default;
};

// The pairs in Reply (a whole frame) that keep the framer from reading it,
// in frame order.
std::vector<ReplyHazard> FindReplyHazards(const Frame& Reply);

// The pairs in the replies a module holding Block sends: the answer to a
// write (command 0x01) and the answer to a read (command 0x02); each pair once.
std::vector<ReplyHazard> FindBlockHazards(const ModuleParameters& Block);
