#include "WinTestSupport.h"

#include "platform/win/WindowEvents.h"

namespace
{
class FocusTest : public TWinTest
{
  protected:
    std::vector<TLogged> ActivationLog()
    {
        return Only(MessageLog(),
                    {WM_SHOWWINDOW, WM_WINDOWPOSCHANGING, WM_WINDOWPOSCHANGED, WM_ACTIVATEAPP,
                     WM_NCACTIVATE, WM_ACTIVATE, WM_SETFOCUS, WM_KILLFOCUS});
    }
};

TEST_F(FocusTest, CreatingVisibleWindowsShowsActivatesAndFocusesInOrder)
{
    HWND First = MakeWindowAt(WS_OVERLAPPEDWINDOW | WS_VISIBLE, nullptr, {10, 10, 210, 110});
    ExpectMessages(ActivationLog(), {
                                        {WM_SHOWWINDOW, TRUE, 0, First},
                                        {WM_WINDOWPOSCHANGING, 0, std::nullopt, First},
                                        {WM_WINDOWPOSCHANGING, 0, std::nullopt, First},
                                        {WM_ACTIVATEAPP, TRUE, std::nullopt, First},
                                        {WM_NCACTIVATE, TRUE, std::nullopt, First},
                                        {WM_ACTIVATE, WA_ACTIVE, 0, First},
                                        {WM_SETFOCUS, 0, 0, First},
                                        {WM_WINDOWPOSCHANGED, 0, std::nullopt, First},
                                    });
    MessageLog().clear();
    HWND Second = MakeWindowAt(WS_OVERLAPPEDWINDOW | WS_VISIBLE, nullptr, {30, 30, 230, 130});
    const auto FirstParam = reinterpret_cast<LPARAM>(First);
    const auto SecondParam = reinterpret_cast<LPARAM>(Second);
    ExpectMessages(ActivationLog(), {
                                        {WM_SHOWWINDOW, TRUE, 0, Second},
                                        {WM_WINDOWPOSCHANGING, 0, std::nullopt, Second},
                                        {WM_NCACTIVATE, FALSE, std::nullopt, First},
                                        {WM_ACTIVATE, WA_INACTIVE, SecondParam, First},
                                        {WM_WINDOWPOSCHANGING, 0, std::nullopt, Second},
                                        {WM_NCACTIVATE, TRUE, std::nullopt, Second},
                                        {WM_ACTIVATE, WA_ACTIVE, FirstParam, Second},
                                        {WM_KILLFOCUS, static_cast<WPARAM>(SecondParam), 0, First},
                                        {WM_SETFOCUS, static_cast<WPARAM>(FirstParam), 0, Second},
                                        {WM_WINDOWPOSCHANGED, 0, std::nullopt, Second},
                                    });
    EXPECT_EQ(GetActiveWindow(), Second);
    EXPECT_EQ(GetTopWindow(nullptr), Second);
}

TEST_F(FocusTest, FocusMovesWithKillBeforeSetAndActivatesTheRoot)
{
    HWND Top = MakeWindowAt(WS_POPUP | WS_VISIBLE, nullptr, {0, 0, 100, 100});
    HWND A = MakeWindowAt(WS_CHILD | WS_VISIBLE, Top, {0, 0, 10, 10});
    HWND B = MakeWindowAt(WS_CHILD | WS_VISIBLE, Top, {0, 20, 10, 30});
    SetActiveWindow(nullptr);
    MessageLog().clear();
    // Focusing a child activates its top-level window, which takes the
    // focus on the way: that is the previous focus returned.
    EXPECT_EQ(SetFocus(A), Top);
    EXPECT_EQ(GetActiveWindow(), Top);
    MessageLog().clear();
    EXPECT_EQ(SetFocus(B), A);
    ExpectMessages(ActivationLog(), {{WM_KILLFOCUS, reinterpret_cast<WPARAM>(B), 0, A},
                                     {WM_SETFOCUS, reinterpret_cast<WPARAM>(A), 0, B}});
    EXPECT_EQ(GetFocus(), B);
}

TEST_F(FocusTest, HiddenOrDisabledWindowsLoseAndRefuseTheFocus)
{
    HWND Top = MakeWindowAt(WS_POPUP | WS_VISIBLE, nullptr, {0, 0, 100, 100});
    HWND A = MakeWindowAt(WS_CHILD | WS_VISIBLE, Top, {0, 0, 10, 10});
    HWND B = MakeWindowAt(WS_CHILD | WS_VISIBLE, Top, {0, 20, 10, 30});
    SetFocus(A);
    ShowWindow(A, SW_HIDE);
    EXPECT_EQ(GetFocus(), Top) << "hiding the focus gives it to the parent";
    SetFocus(B);
    EnableWindow(B, FALSE);
    EXPECT_EQ(GetFocus(), nullptr);
    EXPECT_EQ(SetFocus(B), nullptr);
    EXPECT_EQ(GetFocus(), nullptr) << "a disabled window does not take the focus";
    SetFocus(Top);
    DestroyWindow(Top);
    EXPECT_EQ(GetFocus(), nullptr);
    EXPECT_EQ(GetActiveWindow(), nullptr);
}

TEST_F(FocusTest, HidingTheActiveWindowActivatesItsOwner)
{
    HWND Owner = MakeWindowAt(WS_OVERLAPPEDWINDOW | WS_VISIBLE, nullptr, {0, 0, 100, 100});
    HWND Other = MakeWindowAt(WS_OVERLAPPEDWINDOW | WS_VISIBLE, nullptr, {0, 0, 100, 100});
    HWND Popup = MakeWindowAt(WS_POPUP | WS_VISIBLE, Owner, {0, 0, 50, 50});
    EXPECT_EQ(GetActiveWindow(), Popup);
    ShowWindow(Popup, SW_HIDE);
    EXPECT_EQ(GetActiveWindow(), Owner) << "not the window that was below";
    EXPECT_NE(GetActiveWindow(), Other);
    ShowWindow(Popup, SW_SHOWNA);
    SetActiveWindow(Other);
    SetActiveWindow(Owner);
    EXPECT_EQ(GetTopWindow(nullptr), Popup) << "an owned window stays above its owner";
    EXPECT_EQ(GetWindow(Popup, GW_HWNDNEXT), Owner);
}

TEST_F(FocusTest, AnotherProgramTakingTheFocusDeactivates)
{
    HWND Top = MakeWindowAt(WS_OVERLAPPEDWINDOW | WS_VISIBLE, nullptr, {0, 0, 100, 100});
    EXPECT_EQ(GetForegroundWindow(), Top);
    MessageLog().clear();
    AppFocusLost();
    ExpectMessages(ActivationLog(), {{WM_NCACTIVATE, FALSE},
                                     {WM_ACTIVATE, WA_INACTIVE, 0},
                                     {WM_ACTIVATEAPP, FALSE},
                                     {WM_KILLFOCUS, 0}});
    EXPECT_EQ(GetForegroundWindow(), nullptr);
    EXPECT_EQ(GetFocus(), nullptr);
    MessageLog().clear();
    SetActiveWindow(Top);
    ExpectMessages(Only(MessageLog(), {WM_ACTIVATEAPP, WM_ACTIVATE, WM_SETFOCUS}),
                   {{WM_ACTIVATEAPP, TRUE}, {WM_ACTIVATE, WA_ACTIVE}, {WM_SETFOCUS}});
}

TEST_F(FocusTest, CaptureChangesAreAnnounced)
{
    HWND Top = MakeWindowAt(WS_POPUP | WS_VISIBLE, nullptr, {0, 0, 100, 100});
    HWND A = MakeWindowAt(WS_CHILD | WS_VISIBLE, Top, {0, 0, 10, 10});
    HWND B = MakeWindowAt(WS_CHILD | WS_VISIBLE, Top, {0, 20, 10, 30});
    EXPECT_EQ(SetCapture(A), nullptr);
    MessageLog().clear();
    EXPECT_EQ(SetCapture(B), A);
    EXPECT_TRUE(ReleaseCapture());
    ExpectMessages(
        Only(MessageLog(), {WM_CAPTURECHANGED}),
        {{WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(B), A}, {WM_CAPTURECHANGED, 0, 0, B}});
    EXPECT_EQ(GetCapture(), nullptr);
    SetCapture(A);
    EnableWindow(A, FALSE);
    EXPECT_EQ(GetCapture(), nullptr) << "a disabled window loses the capture";
}
} // namespace
