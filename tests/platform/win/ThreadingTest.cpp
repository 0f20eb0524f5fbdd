#include "WinTestSupport.h"

#include <atomic>
#include <future>
#include <thread>

namespace
{
class ThreadingTest : public TWinTest
{
};

TEST_F(ThreadingTest, PostFromAnotherThreadWakesABlockedGetMessage)
{
    HWND Window = MakeWindow();
    std::promise<void> Blocking;
    std::thread Poster(
        [&]
        {
            Blocking.get_future().wait();
            EXPECT_TRUE(PostMessage(Window, WM_APP + 1, 11, 22));
        });
    // The poster waits for this signal, so GetMessage is entered with an
    // empty queue (or at worst finds the message at once).
    Blocking.set_value();
    MSG Msg{};
    EXPECT_EQ(GetMessage(&Msg, nullptr, 0, 0), TRUE);
    EXPECT_EQ(Msg.hwnd, Window);
    EXPECT_EQ(Msg.message, WM_APP + 1);
    EXPECT_EQ(Msg.wParam, 11u);
    EXPECT_EQ(Msg.lParam, 22);
    Poster.join();
}

TEST_F(ThreadingTest, EachPosterKeepsItsOrderUnderContention)
{
    HWND Window = MakeWindow();
    constexpr int Posters = 4;
    constexpr int PerPoster = 500;
    std::vector<std::thread> Threads;
    for (int P = 0; P < Posters; ++P)
        Threads.emplace_back(
            [=]
            {
                for (int I = 0; I < PerPoster; ++I)
                    while (!PostMessage(Window, WM_APP, static_cast<WPARAM>(P), I))
                        std::this_thread::yield();
            });
    std::vector<LPARAM> Last(Posters, -1);
    MSG Msg{};
    for (int Received = 0; Received < Posters * PerPoster; ++Received)
    {
        ASSERT_EQ(GetMessage(&Msg, nullptr, 0, 0), TRUE);
        ASSERT_EQ(Msg.lParam, Last[Msg.wParam] + 1);
        Last[Msg.wParam] = Msg.lParam;
    }
    for (auto& T : Threads)
        T.join();
}

TEST_F(ThreadingTest, AdvancingTheFakeClockWakesALoopWaitingForATimer)
{
    HWND Window = MakeWindow();
    SetTimer(Window, 9, 500, nullptr);
    std::thread Advancer([&] { FClock->Advance(500); });
    MSG Msg{};
    EXPECT_EQ(GetMessage(&Msg, nullptr, 0, 0), TRUE);
    EXPECT_EQ(Msg.message, WM_TIMER);
    EXPECT_EQ(Msg.wParam, 9u);
    Advancer.join();
}

TEST_F(ThreadingTest, RealClockTimerEndsTheWaitWithoutAPost)
{
    InstallClock(nullptr);
    HWND Window = MakeWindow();
    SetTimer(Window, 1, 20, nullptr);
    MSG Msg{};
    EXPECT_EQ(GetMessage(&Msg, nullptr, 0, 0), TRUE);
    EXPECT_EQ(Msg.message, WM_TIMER);
    KillTimer(Window, 1);
}

LRESULT AnswerProc(HWND Window, UINT Message, WPARAM WParam, LPARAM LParam)
{
    if (Message == WM_USER) return static_cast<LRESULT>(WParam * 2);
    if (Message == WM_USER + 1)
    {
        // Sent back to the sender while it waits: answered there at once.
        return SendMessage(reinterpret_cast<HWND>(LParam), WM_USER, WParam, 0) + 1;
    }
    return DefWindowProc(Window, Message, WParam, LParam);
}

TEST_F(ThreadingTest, SendToAnotherThreadRunsThereAndReturnsTheResult)
{
    WNDCLASS Class{};
    Class.lpfnWndProc = AnswerProc;
    Class.lpszClassName = "Answer";
    RegisterClass(&Class);
    HWND Here =
        CreateWindowEx(0, "Answer", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    FWindows.push_back(Here);

    std::promise<HWND> Created;
    std::atomic<DWORD> AnsweredOn = 0;
    std::thread Owner(
        [&]
        {
            HWND There = CreateWindowEx(0, "Answer", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                        nullptr, nullptr);
            Created.set_value(There);
            MSG Msg;
            while (GetMessage(&Msg, nullptr, 0, 0) > 0)
                DispatchMessage(&Msg);
            AnsweredOn = GetCurrentThreadId();
            DestroyWindow(There);
        });
    HWND There = Created.get_future().get();
    EXPECT_EQ(SendMessage(There, WM_USER, 21, 0), 42);
    EXPECT_EQ(SendMessage(There, WM_USER + 1, 5, reinterpret_cast<LPARAM>(Here)), 11)
        << "a send back to the waiting sender does not deadlock";
    PostThreadMessage(GetWindowThreadProcessId(There, nullptr), WM_QUIT, 0, 0);
    Owner.join();
    EXPECT_NE(AnsweredOn.load(), GetCurrentThreadId());
    EXPECT_FALSE(IsWindow(There));
}

TEST_F(ThreadingTest, EndedThreadLeavesNoWindowToPostTo)
{
    HWND Orphan = nullptr;
    std::thread Owner(
        [&]
        {
            Orphan = CreateWindowEx(0, "Recorder", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                    nullptr, nullptr);
        });
    Owner.join();
    ASSERT_NE(Orphan, nullptr);
    EXPECT_FALSE(IsWindow(Orphan));
    EXPECT_FALSE(PostMessage(Orphan, WM_USER, 0, 0));
    EXPECT_EQ(SendMessage(Orphan, WM_USER, 0, 0), 0);
}

TEST_F(ThreadingTest, SendToAThreadThatEndsBeforeAnsweringReturnsZero)
{
    // The receiving thread waits until the send has reached its queue, then
    // ends without ever taking it. The sender must get 0, not wait forever.
    std::promise<HWND> Created;
    std::promise<DWORD> ReceiverId;
    std::thread Receiver(
        [&]
        {
            HWND Own = CreateWindowEx(0, "Recorder", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                      nullptr, nullptr);
            ReceiverId.set_value(GetCurrentThreadId());
            Created.set_value(Own);
            WaitMessage();
        });
    const DWORD ReceiverThread = ReceiverId.get_future().get();
    HWND Target = Created.get_future().get();
    std::promise<LRESULT> Answer;
    auto Answered = Answer.get_future();
    std::thread Sender([&] { Answer.set_value(SendMessage(Target, WM_USER, 7, 0)); });
    // Should the send have arrived before the receiver began to wait, the
    // receiver still waits; a post then ends its wait. Either way the send
    // is in its queue, unanswered, when the thread ends.
    if (Answered.wait_for(std::chrono::seconds(2)) != std::future_status::ready)
        PostThreadMessage(ReceiverThread, WM_NULL, 0, 0);
    ASSERT_EQ(Answered.wait_for(std::chrono::seconds(10)), std::future_status::ready)
        << "the sender still waits for a thread that is gone";
    EXPECT_EQ(Answered.get(), 0);
    Sender.join();
    Receiver.join();
    EXPECT_FALSE(IsWindow(Target));
}

TEST_F(ThreadingTest, AWorkerLoopRunsBesideTheUiThread)
{
    // This thread becomes the UI thread; the worker keeps a message-only
    // window with a timer, as a background component would.
    HWND Top = MakeWindowAt(WS_POPUP | WS_VISIBLE, nullptr, {0, 0, 50, 50});
    std::promise<DWORD> Started;
    std::promise<void> FirstTick;
    std::atomic<int> Ticks = 0;
    std::thread Worker(
        [&]
        {
            HWND Own = CreateWindowEx(0, "Recorder", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                      nullptr, nullptr);
            SetTimer(Own, 1, 100, nullptr);
            Started.set_value(GetCurrentThreadId());
            MSG Msg;
            while (GetMessage(&Msg, nullptr, 0, 0) > 0)
                if (Msg.message == WM_TIMER && ++Ticks == 1) FirstTick.set_value();
            EXPECT_EQ(CreateWindowEx(0, "Recorder", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                     nullptr, nullptr),
                      nullptr)
                << "top-level windows belong to the UI thread";
            DestroyWindow(Own);
        });
    DWORD WorkerId = Started.get_future().get();
    for (int I = 0; I < 20; ++I)
    {
        InvalidateRect(Top, nullptr, TRUE);
        PumpReady();
        FClock->Advance(50);
    }
    FirstTick.get_future().wait(); // the worker saw its timer
    PostThreadMessage(WorkerId, WM_QUIT, 0, 0);
    Worker.join();
}
} // namespace
