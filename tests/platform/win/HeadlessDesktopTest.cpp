// Each headless desktop is a session of its own, also when tests run one
// after another on the same thread.

#include "platform/win/headless/HeadlessDesktop.h"
#include "platform/win/WinApi.h"

#include <gtest/gtest.h>

namespace
{
int ActivateAppCount = 0;

LRESULT CountingProc(HWND Window, UINT Message, WPARAM WParam, LPARAM LParam)
{
    if (Message == WM_ACTIVATEAPP && WParam) ++ActivateAppCount;
    return DefWindowProc(Window, Message, WParam, LParam);
}

HWND MakeWindow()
{
    WNDCLASS Class{};
    Class.lpfnWndProc = CountingProc;
    Class.lpszClassName = "SessionCounter";
    RegisterClass(&Class);
    return CreateWindowEx(0, "SessionCounter", "", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 100,
                          100, nullptr, nullptr, nullptr, nullptr);
}
} // namespace

TEST(HeadlessDesktop, ANewDesktopForgetsTheActiveWindowAndTheQuitOfTheLastOne)
{
    {
        THeadlessDesktop First(320, 240);
        HWND Window = MakeWindow();
        SetActiveWindow(Window);
        First.Pump();
        ASSERT_EQ(GetActiveWindow(), Window);
        // A program's main window posts the quit as it goes.
        PostQuitMessage(0);
        DestroyWindow(Window);
    }
    THeadlessDesktop Second(320, 240);
    MSG Msg;
    EXPECT_FALSE(PeekMessage(&Msg, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE));
    EXPECT_EQ(GetActiveWindow(), nullptr);
    EXPECT_EQ(GetFocus(), nullptr);
    EXPECT_EQ(GetCapture(), nullptr);
    // The first activation on the new desktop activates the application.
    ActivateAppCount = 0;
    HWND Window = MakeWindow();
    SetActiveWindow(Window);
    Second.Pump();
    EXPECT_EQ(ActivateAppCount, 1);
    // Input reaches the new session's windows.
    Second.Click(50, 50);
    EXPECT_GT(Second.Pump(), 0);
    DestroyWindow(Window);
}
