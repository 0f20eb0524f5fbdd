#include "WinTestSupport.h"

namespace
{
class TimerTest : public TWinTest
{
};

TEST_F(TimerTest, FiresEachPeriodOnTheFakeClock)
{
    HWND Window = MakeWindow();
    ASSERT_EQ(SetTimer(Window, 7, 1000, nullptr), 7u);
    MessageLog().clear();
    FClock->Advance(999);
    EXPECT_EQ(PumpReady(), 0);
    FClock->Advance(1);
    EXPECT_EQ(PumpReady(), 1);
    FClock->Advance(1000);
    EXPECT_EQ(PumpReady(), 1);
    const TMsgRow Expected[] = {
        {WM_TIMER, posted, 7, 0, Window}, {WM_TIMER, posted, 7, 0, Window}, {}};
    ExpectSequence(Expected, "two periods");
}

TEST_F(TimerTest, LateTimerFiresOnceAndKeepsItsPhase)
{
    HWND Window = MakeWindow();
    SetTimer(Window, 1, 100, nullptr);
    MessageLog().clear();
    FClock->Advance(350);
    EXPECT_EQ(PumpReady(), 1) << "missed periods are not delivered in a burst";
    FClock->Advance(49);
    EXPECT_EQ(PumpReady(), 0);
    FClock->Advance(1); // t = 400: the original phase
    EXPECT_EQ(PumpReady(), 1);
}

TEST_F(TimerTest, SetAgainRestartsAndKillStops)
{
    HWND Window = MakeWindow();
    SetTimer(Window, 1, 100, nullptr);
    FClock->Advance(90);
    SetTimer(Window, 1, 100, nullptr);
    FClock->Advance(90);
    EXPECT_EQ(PumpReady(), 0) << "restarted at t = 90";
    FClock->Advance(10);
    EXPECT_EQ(PumpReady(), 1);
    EXPECT_TRUE(KillTimer(Window, 1));
    EXPECT_FALSE(KillTimer(Window, 1));
    FClock->Advance(1000);
    EXPECT_EQ(PumpReady(), 0);
}

TEST_F(TimerTest, PostedMessagesComeBeforeDueTimers)
{
    HWND Window = MakeWindow();
    SetTimer(Window, 1, 50, nullptr);
    SetTimer(Window, 2, 20, nullptr);
    FClock->Advance(60);
    PostMessage(Window, WM_USER, 0, 0);
    MessageLog().clear();
    PumpReady();
    const TMsgRow Expected[] = {
        {WM_USER, posted}, {WM_TIMER, posted, 2}, {WM_TIMER, posted, 1}, {}};
    ExpectSequence(Expected, "posted, then timers");
}

std::vector<std::pair<HWND, UINT_PTR>> ProcCalls;
void RecordingTimerProc(HWND Window, UINT Message, UINT_PTR Id, DWORD)
{
    EXPECT_EQ(Message, WM_TIMER);
    ProcCalls.push_back({Window, Id});
}

TEST_F(TimerTest, TimerProcedureReplacesTheWindowProcedure)
{
    HWND Window = MakeWindow();
    ProcCalls.clear();
    SetTimer(Window, 3, 10, RecordingTimerProc);
    UINT_PTR ThreadTimer = SetTimer(nullptr, 0, 10, RecordingTimerProc);
    ASSERT_NE(ThreadTimer, 0u);
    EXPECT_NE(SetTimer(nullptr, 0, 10, RecordingTimerProc), ThreadTimer)
        << "each thread timer gets its own id";
    KillTimer(nullptr, ThreadTimer + 1);
    MessageLog().clear();
    FClock->Advance(10);
    PumpReady();
    EXPECT_TRUE(Only(MessageLog(), {WM_TIMER}).empty());
    ASSERT_EQ(ProcCalls.size(), 2u);
    EXPECT_EQ(ProcCalls[0], std::make_pair(Window, UINT_PTR{3}));
    EXPECT_EQ(ProcCalls[1], std::make_pair(HWND{nullptr}, ThreadTimer));
    KillTimer(nullptr, ThreadTimer);
}

TEST_F(TimerTest, DestroyedWindowTakesItsTimersAlong)
{
    HWND Window = MakeWindow();
    SetTimer(Window, 1, 10, nullptr);
    DestroyWindow(Window);
    FClock->Advance(100);
    MSG Msg{};
    EXPECT_FALSE(PeekMessage(&Msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(SetTimer(Window, 1, 10, nullptr), 0u);
    EXPECT_EQ(GetLastError(), ERROR_INVALID_WINDOW_HANDLE);
}

TEST_F(TimerTest, TooShortPeriodIsRaisedToTheMinimum)
{
    HWND Window = MakeWindow();
    SetTimer(Window, 1, 0, nullptr);
    FClock->Advance(USER_TIMER_MINIMUM - 1);
    EXPECT_EQ(PumpReady(), 0);
    FClock->Advance(1);
    EXPECT_EQ(PumpReady(), 1);
}
} // namespace
