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
    return SendRequest(BuildReadAll());
}

int TelvaroSerial::SendWriteAll(const ModuleParameters* Block)
{
    if (!Block) return 0;
    return SendRequest(BuildWriteAll(*Block));
}

int TelvaroSerial::SendRequest(const Frame& Request)
{
    {
        // Pending before the first byte goes out: the answer may complete
        // before Write returns.
        std::lock_guard Lock(FLock);
        SupersedeQueued();
        FPending = ++FRequests;
        FPendingCommand = Request[FrameCommandPosition];
    }
    return Write(Request.data(), Request.size());
}

uint64_t TelvaroSerial::LastRequest() const
{
    std::lock_guard Lock(FLock);
    return FRequests;
}

uint64_t TelvaroSerial::UnansweredReplies() const
{
    std::lock_guard Lock(FLock);
    return FUnanswered;
}

void TelvaroSerial::SupersedeQueued()
{
    for (ModuleReply& Queued : FReplies)
        if (Queued.Answers != 0)
        {
            Queued.Answers = 0;
            ++FUnanswered;
        }
}

int TelvaroSerial::StartReader()
{
    StopReader();
    // No receive thread runs here: the framer can be reset, and a frame
    // begun before the port was closed cannot be completed by the bytes of
    // this opening.
    FFramer.Reset();
    {
        std::lock_guard Lock(FLock);
        SupersedeQueued();
        FPending = 0;
    }
    return CXSerial::StartReader();
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

size_t TelvaroSerial::WaitingReplies() const
{
    std::lock_guard Lock(FLock);
    return FReplies.size();
}

void TelvaroSerial::OnFrame(int Flag, const ModuleParameters* Block)
{
    const bool Good = Flag == 0 && Block;
    // Called from inside the framer's Feed: its buffer still holds the frame.
    const auto Bytes = FFramer.Buffer().begin();
    ModuleReply Reply{0,
                      0,
                      Good ? ReplyOk : ReplyChecksumMismatch,
                      Good ? *Block : ModuleParameters{},
                      std::vector<uint8_t>(Bytes, Bytes + FFramer.Position()),
                      std::chrono::steady_clock::now()};
    {
        std::lock_guard Lock(FLock);
        if (Good) FParameters = *Block;
        Reply.Sequence = ++FSequence;
        // The command byte is the one thing a reply names of its request; a
        // damaged frame that still carries it answers (as a failure).
        if (FPending != 0 && Reply.Frame[FrameCommandPosition] == FPendingCommand)
        {
            Reply.Answers = FPending;
            FPending = 0;
        }
        else
            ++FUnanswered;
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
