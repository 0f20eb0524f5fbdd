#include "serial/TelvaroSerial.h"

#include "protocol/Frames.h"
#include "tests/serial/MessageSink.h"
#include "tests/serial/SerialTestSupport.h"
#include "tools/virtual-module/VirtualModule.h"

#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

namespace
{
using namespace std::chrono_literals;

// Block number i: three fields that move together, so a copy made of two
// different blocks shows.
ModuleParameters NumberedBlock(uint8_t I)
{
    ModuleParameters Block;
    Block.NetId = I;
    Block.NodeIdHigh = I;
    Block.NodeIdLow = static_cast<uint8_t>(255 - I);
    Block.PowerLevel = static_cast<uint8_t>(1 + I % 7);
    Block.FrequencyMHz = 400.0 + I;
    return Block;
}

bool IsWhole(const ModuleParameters& Block)
{
    return Block.NodeIdHigh == Block.NetId && Block.NodeIdLow == 255 - Block.NetId &&
           Block.PowerLevel == 1 + Block.NetId % 7 &&
           (Block.Command == 0 || Block.FrequencyMHz == 400.0 + Block.NetId);
}

Bytes Reply(const ModuleParameters& Block, bool GoodChecksum = true)
{
    Frame F = BuildFrame(CommandReadAll, Block);
    if (!GoodChecksum) ++F[FrameChecksumPosition];
    return Bytes(F.begin(), F.end());
}

// Tells when the receive thread has handled a given number of bytes.
class CountingLink : public TelvaroSerial
{
  public:
    ~CountingLink() override { Close(); }

    bool WaitForHandled(size_t Count, std::chrono::milliseconds Limit = 3000ms)
    {
        std::unique_lock Lock(FLock);
        return FChanged.wait_for(Lock, Limit, [&] { return FHandled >= Count; });
    }

  protected:
    void OnReceiveByte(uint8_t Byte) override
    {
        TelvaroSerial::OnReceiveByte(Byte);
        std::lock_guard Lock(FLock);
        ++FHandled;
        FChanged.notify_all();
    }

  private:
    std::mutex FLock;
    std::condition_variable FChanged;
    size_t FHandled = 0;
};

struct LinkFixture : PortFixture
{
    UINT Message = RegisterWindowMessage(ReplyMessageName);
    MessageSink Sink;
    PseudoTerminal Peer;
    TelvaroSerial Link;

    void SetUp() override
    {
        PortFixture::SetUp();
        ASSERT_TRUE(Peer.Create().Ok());
        PortFixture::Link(201, Peer.DevicePath());
        Link.SetPortMap(Map());
    }
};

TEST_F(LinkFixture, ReadAllFromTheVirtualModulePostsFlag0WithTheBlockStored)
{
    VirtualModuleOptions Options;
    Options.RuntimeFolder = Folders.Runtime;
    Options.Initial = NumberedBlock(9);
    VirtualModule Module;
    ASSERT_TRUE(Module.Start(Options).Ok());
    ASSERT_GE(Module.PortNumber(), 200);
    EXPECT_EQ(CXSerial::ProbePort(Module.PortNumber(), Map()), 1);

    Link.SetNotifyTarget(Sink.Handle(), Message);
    ASSERT_EQ(Link.Open(Module.PortNumber(), 9600, 0), 1);
    ASSERT_EQ(Link.SendReadAll(), 1);
    ASSERT_TRUE(Sink.WaitFor(Message, 1));
    EXPECT_EQ(Sink.Flags(Message), std::vector<WPARAM>{ReplyOk});
    ModuleParameters Expected = NumberedBlock(9);
    Expected.Command = CommandReadAll;
    EXPECT_EQ(Link.Parameters(), Expected);

    ModuleParameters Changed = NumberedBlock(10);
    ASSERT_EQ(Link.SendWriteAll(&Changed), 1);
    ASSERT_TRUE(Sink.WaitFor(Message, 2));
    Changed.Command = CommandWriteAll;
    EXPECT_EQ(Link.Parameters(), Changed);
    Changed.Command = 0;
    EXPECT_EQ(Module.Block(), Changed);
}

TEST_F(LinkFixture, ReplyBeforeSetNotifyTargetUpdatesTheBlockButPostsNothing)
{
    CountingLink Early;
    Early.SetPortMap(Map());
    ASSERT_EQ(Early.Open(201, 9600, 0), 1);
    PeerWrite(Peer, Reply(NumberedBlock(3)));
    ASSERT_TRUE(Early.WaitForHandled(25));
    EXPECT_EQ(Early.Parameters().NetId, 3);
    // A later reply with the target set shows that nothing was posted before.
    Early.SetNotifyTarget(Sink.Handle(), Message);
    PeerWrite(Peer, Reply(NumberedBlock(4), false));
    ASSERT_TRUE(Sink.WaitFor(Message, 1));
    EXPECT_EQ(Sink.Flags(Message), std::vector<WPARAM>{ReplyChecksumMismatch});
    EXPECT_EQ(Early.Parameters().NetId, 3);
}

TEST_F(LinkFixture, BadChecksumPostsFlag1AndKeepsTheStoredBlock)
{
    Link.SetNotifyTarget(Sink.Handle(), Message);
    ASSERT_EQ(Link.Open(201, 9600, 0), 1);
    PeerWrite(Peer, Reply(NumberedBlock(1)));
    ASSERT_TRUE(Sink.WaitFor(Message, 1));
    PeerWrite(Peer, Reply(NumberedBlock(2), false));
    ASSERT_TRUE(Sink.WaitFor(Message, 2));
    EXPECT_EQ(Sink.Flags(Message), (std::vector<WPARAM>{ReplyOk, ReplyChecksumMismatch}));
    EXPECT_EQ(Link.Parameters().NetId, 1);
}

TEST_F(LinkFixture, EachNotificationHasTheFlagAndBlockOfItsOwnFrame)
{
    // Three frames in one burst: by the time the first notification is
    // handled, the stored block already is the third one; the queue still
    // hands each frame's own flag and block, in order.
    Link.SetNotifyTarget(Sink.Handle(), Message);
    ASSERT_EQ(Link.Open(201, 9600, 0), 1);
    Bytes Burst = Reply(NumberedBlock(5));
    for (const Bytes& More : {Reply(NumberedBlock(6), false), Reply(NumberedBlock(7))})
        Burst.insert(Burst.end(), More.begin(), More.end());
    PeerWrite(Peer, Burst);
    ASSERT_TRUE(Sink.WaitFor(Message, 3));
    EXPECT_EQ(Link.Parameters().NetId, 7);
    const struct
    {
        WPARAM Flag;
        uint8_t NetId;
    } Expected[] = {{ReplyOk, 5}, {ReplyChecksumMismatch, 0}, {ReplyOk, 7}};
    uint64_t Sequence = 0;
    for (const auto& Want : Expected)
    {
        ModuleReply Got;
        ASSERT_TRUE(Link.TakeReply(Got));
        EXPECT_EQ(Got.Flag, Want.Flag);
        EXPECT_EQ(Got.Block.NetId, Want.NetId);
        EXPECT_GT(Got.Sequence, Sequence);
        Sequence = Got.Sequence;
    }
    ModuleReply None;
    EXPECT_FALSE(Link.TakeReply(None));
}

TEST_F(LinkFixture, RepliesNobodyTakesAreBoundedAndCounted)
{
    const size_t Count = TelvaroSerial::ReplyQueueLimit + 10;
    CountingLink Counted;
    Counted.SetPortMap(Map());
    ASSERT_EQ(Counted.Open(201, 115200, 0), 1);
    Bytes Burst;
    for (size_t I = 0; I < Count; ++I)
    {
        const Bytes One = Reply(NumberedBlock(static_cast<uint8_t>(I)));
        Burst.insert(Burst.end(), One.begin(), One.end());
    }
    PeerWrite(Peer, Burst);
    ASSERT_TRUE(Counted.WaitForHandled(Burst.size()));
    EXPECT_EQ(Counted.DroppedReplies(), 10u);
    ModuleReply First;
    ASSERT_TRUE(Counted.TakeReply(First));
    EXPECT_EQ(First.Block.NetId, 0) << "the oldest replies are kept";
    Counted.ForgetReplies();
    EXPECT_FALSE(Counted.TakeReply(First));
}

// The link at the module's end: requests are read off the peer, replies
// written to it, and each reply taken from the link as the owner would.
struct AnswerFixture : LinkFixture
{
    void SetUp() override
    {
        LinkFixture::SetUp();
        Link.SetNotifyTarget(Sink.Handle(), Message);
        ASSERT_EQ(Link.Open(201, 9600, 0), 1);
    }

    // Sends Command's request and reads it off the peer.
    void Request(uint8_t Command)
    {
        const ModuleParameters Block = NumberedBlock(1);
        ASSERT_EQ(Command == CommandReadAll ? Link.SendReadAll() : Link.SendWriteAll(&Block), 1);
        ASSERT_EQ(PeerRead(Peer, FrameSize).size(), FrameSize);
    }

    // The peer answers with a good frame of Command carrying block Number;
    // the reply as the link queued it.
    ModuleReply Answer(uint8_t Command, uint8_t Number)
    {
        const Frame F = BuildFrame(Command, NumberedBlock(Number));
        PeerWrite(Peer, Bytes(F.begin(), F.end()));
        EXPECT_TRUE(Sink.WaitFor(Message, ++Notified));
        ModuleReply Reply;
        EXPECT_TRUE(Link.TakeReply(Reply));
        return Reply;
    }

    size_t Notified = 0;
};

TEST_F(AnswerFixture, AReplyAnswersOnlyThePendingRequestOfItsCommandByte)
{
    const struct
    {
        uint8_t Request;
        uint8_t Reply;
        bool Answers;
    } Cases[] = {
        {CommandReadAll, CommandReadAll, true},
        {CommandReadAll, CommandWriteAll, false},
        {CommandReadAll, 0x55, false},
        {CommandReadAll, 0x00, false},
        {CommandWriteAll, CommandWriteAll, true},
        {CommandWriteAll, CommandReadAll, false},
    };
    uint64_t Unanswered = 0;
    for (const auto& Case : Cases)
    {
        Request(Case.Request);
        const ModuleReply Reply = Answer(Case.Reply, 3);
        EXPECT_EQ(Reply.Answers, Case.Answers ? Link.LastRequest() : 0u)
            << int(Case.Request) << " answered by " << int(Case.Reply);
        if (!Case.Answers) ++Unanswered;
        // A request is answered once: a repeat answers nothing.
        EXPECT_EQ(Answer(Case.Reply, 3).Answers, 0u) << int(Case.Reply);
        ++Unanswered;
        EXPECT_EQ(Link.UnansweredReplies(), Unanswered);
    }
}

TEST_F(AnswerFixture, ALateReplyAnswersUntilAnotherRequestOrAnotherOpening)
{
    // Nothing asked: nothing answered.
    EXPECT_EQ(Answer(CommandReadAll, 1).Answers, 0u);

    // However late, a reply answers while its request is the last one.
    Request(CommandReadAll);
    EXPECT_EQ(Answer(CommandReadAll, 2).Answers, Link.LastRequest());

    // A read's reply arriving after a write was sent answers nothing; the
    // write's own still answers.
    Request(CommandReadAll);
    Request(CommandWriteAll);
    EXPECT_EQ(Answer(CommandReadAll, 3).Answers, 0u);
    EXPECT_EQ(Answer(CommandWriteAll, 4).Answers, Link.LastRequest());

    // An answer not taken before the next request was sent no longer counts.
    Request(CommandReadAll);
    const Frame Early = BuildFrame(CommandReadAll, NumberedBlock(5));
    PeerWrite(Peer, Bytes(Early.begin(), Early.end()));
    ASSERT_TRUE(Sink.WaitFor(Message, ++Notified));
    Request(CommandReadAll);
    ModuleReply Superseded;
    ASSERT_TRUE(Link.TakeReply(Superseded));
    EXPECT_EQ(Superseded.Block.NetId, 5);
    EXPECT_EQ(Superseded.Answers, 0u);

    // Closing and opening the port again ends what was pending.
    Link.Close();
    ASSERT_EQ(Link.Open(201, 9600, 0), 1);
    EXPECT_EQ(Answer(CommandReadAll, 6).Answers, 0u);
    EXPECT_EQ(Link.UnansweredReplies(), 4u);
}

TEST_F(LinkFixture, AFrameBegunBeforeTheCloseIsNotCompletedAfterTheOpen)
{
    CountingLink Counted;
    Counted.SetPortMap(Map());
    ASSERT_EQ(Counted.Open(201, 9600, 0), 1);
    const Frame Old = BuildFrame(CommandReadAll, NumberedBlock(1));
    PeerWrite(Peer, Bytes(Old.begin(), Old.begin() + 12));
    ASSERT_TRUE(Counted.WaitForHandled(12));
    Counted.Close();
    ASSERT_EQ(Counted.Open(201, 9600, 0), 1);
    ASSERT_EQ(Counted.SendReadAll(), 1);
    ASSERT_EQ(PeerRead(Peer, FrameSize).size(), FrameSize);
    // The old frame's tail, then a whole reply.
    const Frame New = BuildFrame(CommandReadAll, NumberedBlock(2));
    Bytes Rest(Old.begin() + 12, Old.end());
    Rest.insert(Rest.end(), New.begin(), New.end());
    PeerWrite(Peer, Rest);
    ASSERT_TRUE(Counted.WaitForHandled(12 + Rest.size()));
    ModuleReply Reply;
    ASSERT_TRUE(Counted.TakeReply(Reply));
    EXPECT_EQ(Reply.Block.NetId, 2);
    EXPECT_EQ(Reply.Answers, Counted.LastRequest());
    EXPECT_FALSE(Counted.TakeReply(Reply));
}

TEST_F(LinkFixture, RequestsNeedAnOpenPortAndABlock)
{
    const ModuleParameters Block;
    EXPECT_EQ(Link.SendReadAll(), 0);
    EXPECT_EQ(Link.SendWriteAll(&Block), 0);
    ASSERT_EQ(Link.Open(201, 9600, 0), 1);
    EXPECT_EQ(Link.SendWriteAll(nullptr), 0);
    EXPECT_EQ(PeerRead(Peer, 1, 50ms), Bytes{}) << "nothing was sent";
    ASSERT_EQ(Link.SendWriteAll(&Block), 1);
    const Frame Expected = BuildWriteAll(Block);
    EXPECT_EQ(PeerRead(Peer, 25), Bytes(Expected.begin(), Expected.end()));
}

TEST_F(LinkFixture, PulledPeerPostsPortLostAndCloseStaysSafe)
{
    Link.SetNotifyTarget(Sink.Handle(), Message);
    ASSERT_EQ(Link.Open(201, 9600, 0), 1);
    Peer.Close();
    ASSERT_TRUE(Sink.WaitFor(Message, 1));
    EXPECT_EQ(Sink.Flags(Message), std::vector<WPARAM>{ReplyPortLost});
    EXPECT_EQ(Link.IsOpen(), 0);
    EXPECT_EQ(Link.SendReadAll(), 0);
    EXPECT_EQ(Link.Close(), 1);
    EXPECT_EQ(Link.Close(), 1);
}

// Streams replies into the device from another thread until told to stop.
struct Streamer
{
    const PseudoTerminal& Peer;
    std::atomic<bool> Stop{false};
    std::thread Thread;

    explicit Streamer(const PseudoTerminal& P) : Peer(P)
    {
        Thread = std::thread(
            [this]
            {
                for (uint8_t I = 0; !Stop.load(); ++I)
                {
                    const Bytes Data = Reply(NumberedBlock(I));
                    pollfd Watch{Peer.MasterFd(), POLLOUT, 0};
                    if (poll(&Watch, 1, 20) > 0)
                        (void)!write(Peer.MasterFd(), Data.data(), Data.size());
                }
            });
    }
    ~Streamer()
    {
        Stop.store(true);
        Thread.join();
    }
};

TEST_F(LinkFixture, DeletingTheLinkWhileAPeerStreamsIsClean)
{
    Streamer Stream(Peer);
    for (int Round = 0; Round < 20; ++Round)
    {
        auto Doomed = std::make_unique<TelvaroSerial>();
        Doomed->SetPortMap(Map());
        Doomed->SetNotifyTarget(Sink.Handle(), Message);
        ASSERT_EQ(Doomed->Open(201, 115200, 0), 1);
        const size_t Before = Sink.Flags(Message).size();
        ASSERT_TRUE(Sink.WaitFor(Message, Before + 1)) << Round;
        Doomed.reset();
    }
    MSG Left{};
    while (PeekMessage(&Left, nullptr, 0, 0, PM_REMOVE))
        DispatchMessage(&Left);
}

TEST_F(LinkFixture, CopiesAreWholeBlocksWhileRepliesArriveBackToBack)
{
    Link.SetNotifyTarget(Sink.Handle(), Message);
    ASSERT_EQ(Link.Open(201, 115200, 0), 1);
    int Torn = 0;
    size_t Copies = 0;
    Sink.OnMessage = [&](const MSG&)
    {
        for (int i = 0; i < 50; ++i, ++Copies)
            if (!IsWhole(Link.Parameters())) ++Torn;
    };
    {
        Streamer Stream(Peer);
        ASSERT_TRUE(Sink.WaitFor(Message, 300, 10000ms));
    }
    EXPECT_EQ(Torn, 0) << "of " << Copies << " copies";
    for (WPARAM Flag : Sink.Flags(Message))
        EXPECT_EQ(Flag, ReplyOk);
}
} // namespace
