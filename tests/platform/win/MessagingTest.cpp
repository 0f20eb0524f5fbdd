#include "WinTestSupport.h"
#include "detail/MessageQueue.h"

#include <string>

namespace
{
class MessagingTest : public TWinTest
{
};

TEST_F(MessagingTest, RegisteredMessagesShareIdsByNameFromC000)
{
    UINT First = RegisterWindowMessage("novla.test.Registered.One");
    UINT Second = RegisterWindowMessage("novla.test.Registered.Two");
    EXPECT_GE(First, 0xC000u);
    EXPECT_LE(First, 0xFFFFu);
    EXPECT_NE(First, Second);
    EXPECT_EQ(RegisterWindowMessage("novla.test.Registered.One"), First);
    EXPECT_EQ(RegisterWindowMessage("NOVLA.TEST.registered.one"), First)
        << "names compare without case";
    EXPECT_EQ(RegisterWindowMessage(""), 0u);
    EXPECT_EQ(RegisterWindowMessage(nullptr), 0u);
}

TEST_F(MessagingTest, PostedMessagesArriveInOrderAfterSentOnes)
{
    HWND Window = MakeWindow();
    MessageLog().clear();
    PostMessage(Window, WM_USER + 1, 1, 0);
    PostMessage(Window, WM_USER + 2, 2, 0);
    SendMessage(Window, WM_USER + 3, 3, 0); // direct call: before the posted ones
    PostMessage(Window, WM_USER + 4, 4, 0);
    EXPECT_EQ(PumpReady(), 3);
    const TMsgRow Expected[] = {
        {WM_USER + 3, sent, 3},
        {WM_USER + 1, posted, 1},
        {WM_USER + 2, posted, 2},
        {WM_USER + 4, posted, 4},
        {},
    };
    ExpectSequence(Expected, "posted after sent");
}

TEST_F(MessagingTest, QuitComesAfterPostedMessagesAndEndsGetMessage)
{
    HWND Window = MakeWindow();
    PostQuitMessage(7);
    PostMessage(Window, WM_APP, 0, 0);
    MSG Msg{};
    ASSERT_EQ(GetMessage(&Msg, nullptr, 0, 0), TRUE);
    EXPECT_EQ(Msg.message, WM_APP);
    EXPECT_EQ(GetMessage(&Msg, nullptr, 0, 0), FALSE);
    EXPECT_EQ(Msg.message, WM_QUIT);
    EXPECT_EQ(Msg.wParam, 7u);
    EXPECT_EQ(Msg.hwnd, nullptr);
    EXPECT_FALSE(PeekMessage(&Msg, nullptr, 0, 0, PM_REMOVE)) << "the quit request is consumed";
}

TEST_F(MessagingTest, PeekWithoutRemoveLeavesTheMessage)
{
    HWND Window = MakeWindow();
    PostMessage(Window, WM_USER, 5, 6);
    MSG Msg{};
    ASSERT_TRUE(PeekMessage(&Msg, nullptr, 0, 0, PM_NOREMOVE));
    ASSERT_TRUE(PeekMessage(&Msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(Msg.hwnd, Window);
    EXPECT_EQ(Msg.message, WM_USER);
    EXPECT_EQ(Msg.wParam, 5u);
    EXPECT_EQ(Msg.lParam, 6);
    EXPECT_EQ(Msg.time, static_cast<DWORD>(FClock->Now()));
    EXPECT_FALSE(PeekMessage(&Msg, nullptr, 0, 0, PM_REMOVE));
}

TEST_F(MessagingTest, FiltersSelectByWindowTreeAndRange)
{
    HWND A = MakeWindow();
    HWND B = MakeWindow();
    HWND Child = MakeWindow(WS_CHILD, A);
    PostMessage(B, WM_USER, 0, 0);
    PostMessage(Child, WM_USER + 1, 0, 0);
    PostMessage(nullptr, WM_USER + 2, 0, 0); // thread message
    PostMessage(A, WM_APP, 0, 0);

    MSG Msg{};
    ASSERT_TRUE(PeekMessage(&Msg, A, 0, 0, PM_REMOVE)) << "a window's filter includes its children";
    EXPECT_EQ(Msg.hwnd, Child);
    ASSERT_TRUE(PeekMessage(&Msg, nullptr, WM_APP, WM_APP + 10, PM_REMOVE));
    EXPECT_EQ(Msg.message, WM_APP);
    ASSERT_TRUE(PeekMessage(&Msg, reinterpret_cast<HWND>(-1), 0, 0, PM_REMOVE));
    EXPECT_EQ(Msg.message, WM_USER + 2u);
    EXPECT_EQ(Msg.hwnd, nullptr);
    EXPECT_FALSE(PeekMessage(&Msg, A, 0, 0, PM_REMOVE));
    ASSERT_TRUE(PeekMessage(&Msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(Msg.hwnd, B);
}

TEST_F(MessagingTest, InvalidHandlesFailWithTheirReason)
{
    HWND Window = MakeWindow();
    ASSERT_TRUE(DestroyWindow(Window));
    EXPECT_FALSE(IsWindow(Window));
    SetLastError(0);
    EXPECT_FALSE(PostMessage(Window, WM_USER, 0, 0));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_WINDOW_HANDLE);
    EXPECT_EQ(SendMessage(Window, WM_USER, 0, 0), 0);
    MSG Msg{};
    EXPECT_EQ(GetMessage(&Msg, Window, 0, 0), -1);
    EXPECT_FALSE(DestroyWindow(Window));

    HWND Reused = MakeWindow();
    EXPECT_NE(Reused, Window) << "a slot reused by a new window gets a new handle";
    EXPECT_FALSE(IsWindow(Window));
}

TEST_F(MessagingTest, PostedMessagesOfADestroyedWindowAreDropped)
{
    HWND Doomed = MakeWindow();
    HWND Other = MakeWindow();
    PostMessage(Doomed, WM_USER, 0, 0);
    PostMessage(Other, WM_USER + 1, 0, 0);
    DestroyWindow(Doomed);
    MessageLog().clear();
    EXPECT_EQ(PumpReady(), 1);
    const TMsgRow Expected[] = {{WM_USER + 1, posted, std::nullopt, std::nullopt, Other}, {}};
    ExpectSequence(Expected, "the destroyed window's message is gone");
}

TEST_F(MessagingTest, ThreadMessagesAreRetrievedButNotDispatched)
{
    EXPECT_TRUE(PostThreadMessage(GetCurrentThreadId(), WM_APP + 5, 1, 2));
    MSG Msg{};
    ASSERT_TRUE(PeekMessage(&Msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(Msg.message, WM_APP + 5);
    EXPECT_EQ(DispatchMessage(&Msg), 0);
    EXPECT_FALSE(PostThreadMessage(0xFFFFFF, WM_APP, 0, 0));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_THREAD_ID);
}

TEST_F(MessagingTest, FullQueueRefusesFurtherPosts)
{
    HWND Window = MakeWindow();
    for (size_t I = 0; I < TMessageQueue::MaxPosted; ++I)
        ASSERT_TRUE(PostMessage(Window, WM_USER, I, 0));
    EXPECT_FALSE(PostMessage(Window, WM_USER, 0, 0));
    EXPECT_EQ(GetLastError(), ERROR_NOT_ENOUGH_QUOTA);
    MSG Msg{};
    ASSERT_TRUE(PeekMessage(&Msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(Msg.wParam, 0u) << "the oldest message is kept";
    EXPECT_TRUE(PostMessage(Window, WM_USER, 0, 0));
}
} // namespace
