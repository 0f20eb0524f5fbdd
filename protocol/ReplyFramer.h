#pragma once

#include "protocol/ModuleParameters.h"

#include <array>
#include <cstdint>
#include <functional>

// Assembles module replies from a byte stream fed one byte at a time.
//
// A pair of 0xAF bytes starts a frame (and drops whatever was collected);
// CR LF after more than 9 bytes ends it. The frame's checksum is checked and
// the completion handler is called once per finished frame:
//   flag 0: checksum matched, Block points at the decoded parameters;
//   flag 1: mismatch, or the frame lacks its checksum or part of its data;
//           Block is null.
// A frame that grows past 512 bytes, or past its length byte + 15, is
// dropped without a call. Not thread-safe: one feeding thread.
class ReplyFramer
{
  public:
    static constexpr int BufferSize = 1024;
    static constexpr int MaxFrameBytes = 512;

    using CompletionHandler = std::function<void(int Flag, const ModuleParameters* Block)>;

    explicit ReplyFramer(CompletionHandler OnComplete = {});

    void SetCompletionHandler(CompletionHandler OnComplete);
    void Feed(uint8_t Byte);
    // Drops the frame under assembly, if any.
    void Reset();

    const std::array<uint8_t, BufferSize>& Buffer() const { return FBuffer; }
    int Position() const { return FPosition; }
    int SyncCount() const { return FSyncCount; }
    bool InFrame() const { return FInFrame; }

  private:
    void Store(uint8_t Byte);
    void Complete();

    // Never cleared after construction: bytes past the current frame keep
    // what earlier frames left there.
    std::array<uint8_t, BufferSize> FBuffer{};
    int FPosition = 0;
    int FSyncCount = 0;
    bool FInFrame = false;
    CompletionHandler FOnComplete;
};
