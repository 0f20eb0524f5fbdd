#include "serial/TelvaroSerial.h"

#include "platform/win/Messaging.h"
#include "protocol/Frames.h"

TelvaroSerial::TelvaroSerial()
    : FFramer([this](int Flag, const ModuleParameters* Block) { OnFrame(Flag, Block); })
{
}

TelvaroSerial::~TelvaroSerial()
{
    Close();
}

void TelvaroSerial::SetNotifyTarget(HWND Window, UINT Message)
{
    std::lock_guard Lock(FLock);
    FTarget = Window;
    FMessage = Message;
}

int TelvaroSerial::SendReadAll()
{
    const Frame Request = BuildReadAll();
    return Write(Request.data(), Request.size());
}

int TelvaroSerial::SendWriteAll(const ModuleParameters* Block)
{
    if (!Block || !IsOpen()) return 0;
    const Frame Request = BuildWriteAll(*Block);
    return Write(Request.data(), Request.size());
}

ModuleParameters TelvaroSerial::Parameters() const
{
    std::lock_guard Lock(FLock);
    return FParameters;
}

void TelvaroSerial::OnReceiveByte(uint8_t Byte)
{
    FFramer.Feed(Byte);
}

bool TelvaroSerial::TakeReply(ModuleReply& Reply)
{
    std::lock_guard Lock(FLock);
    if (FReplies.empty()) return false;
    Reply = FReplies.front();
    FReplies.pop_front();
    return true;
}

void TelvaroSerial::ForgetReplies()
{
    std::lock_guard Lock(FLock);
    FReplies.clear();
}

uint64_t TelvaroSerial::DroppedReplies() const
{
    std::lock_guard Lock(FLock);
    return FDropped;
}

void TelvaroSerial::OnFrame(int Flag, const ModuleParameters* Block)
{
    const bool Good = Flag == 0 && Block;
    // Called from inside the framer's Feed: its buffer still holds the frame.
    const auto Bytes = FFramer.Buffer().begin();
    ModuleReply Reply{0, Good ? ReplyOk : ReplyChecksumMismatch, Good ? *Block : ModuleParameters{},
                      std::vector<uint8_t>(Bytes, Bytes + FFramer.Position()),
                      std::chrono::steady_clock::now()};
    {
        std::lock_guard Lock(FLock);
        if (Good) FParameters = *Block;
        Reply.Sequence = ++FSequence;
        if (FReplies.size() < ReplyQueueLimit)
            FReplies.push_back(std::move(Reply));
        else
            ++FDropped;
    }
    Notify(Good ? ReplyOk : ReplyChecksumMismatch);
}

void TelvaroSerial::OnPortLost(const CommError&)
{
    Notify(ReplyPortLost);
}

void TelvaroSerial::Notify(WPARAM Flag)
{
    HWND Target = nullptr;
    UINT Message = 0;
    {
        std::lock_guard Lock(FLock);
        Target = FTarget;
        Message = FMessage;
    }
    // Posting never waits for the window; a full or vanished queue only
    // loses this notification, which the window's time-out covers.
    if (Target) PostMessage(Target, Message, Flag, 0);
}
