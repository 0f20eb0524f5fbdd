#include "protocol/ReplyFramer.h"

#include "protocol/Frames.h"

#include <span>
#include <utility>

ReplyFramer::ReplyFramer(CompletionHandler OnComplete) : FOnComplete(std::move(OnComplete)) {}

void ReplyFramer::SetCompletionHandler(CompletionHandler OnComplete)
{
    FOnComplete = std::move(OnComplete);
}

void ReplyFramer::Reset()
{
    FPosition = 0;
    FSyncCount = 0;
    FInFrame = false;
}

void ReplyFramer::Store(uint8_t Byte)
{
    FBuffer[FPosition++] = Byte;
}

void ReplyFramer::Feed(uint8_t Byte)
{
    if (Byte == 0x0A)
    {
        FSyncCount = 0;
        if (!FInFrame) return Reset();
        Store(Byte);
        if (FPosition > 9 && FBuffer[FPosition - 2] == 0x0D)
        {
            Complete();
            return Reset();
        }
        if (FPosition > MaxFrameBytes) Reset();
        return;
    }
    if (Byte == FrameSync)
    {
        if (++FSyncCount == 2)
        {
            FSyncCount = 0;
            FBuffer[0] = FBuffer[1] = FrameSync;
            FPosition = 2;
            FInFrame = true;
        }
        else if (FInFrame)
        {
            Store(Byte);
            if (FPosition > MaxFrameBytes) Reset();
        }
        return;
    }
    FSyncCount = 0;
    if (!FInFrame) return Reset();
    Store(Byte);
    if (FPosition > MaxFrameBytes) return Reset();
    if (FPosition > 15 && FPosition > FBuffer[7] + 15) Reset();
}

void ReplyFramer::Complete()
{
    const int ChecksumAt = (FBuffer[7] + 8) % 256;
    // The checksum must lie before the closing CR LF of this frame, and the
    // frame must hold every data position; otherwise stale bytes of an
    // earlier frame would be taken for data that never arrived.
    const int CarriageReturnAt = FPosition - 2;
    const int LastDataPosition = static_cast<int>(FrameChecksumPosition) - 1;
    const bool Whole = ChecksumAt < CarriageReturnAt && LastDataPosition < CarriageReturnAt;
    const bool Matches =
        Whole && FrameChecksum(std::span(FBuffer.data(), ChecksumAt)) == FBuffer[ChecksumAt];
    if (Matches)
    {
        const ModuleParameters Block = DecodeFrameData(std::span(FBuffer.data(), FPosition));
        if (FOnComplete) FOnComplete(0, &Block);
    }
    else if (FOnComplete)
    {
        FOnComplete(1, nullptr);
    }
}
