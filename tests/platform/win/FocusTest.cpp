#include "detail/Focus.h"
#include "WinTestSupport.h"

namespace
{
class FocusTest : public TWinTest
{
};

// Activation passing from one top-level window to another, which is brought
// to the top on the way (Raised: its place changes), and the focus with it.
std::vector<TMsgRow> ActivationMoves(HWND From, HWND To, bool Raised)
{
    const TMsgRow Raise[] = {{WM_WINDOWPOSCHANGING, sent, Keep, std::nullopt, To},
                             {WM_WINDOWPOSCHANGED, sent, Keep, std::nullopt, To}};
    return Joined({{{WM_NCACTIVATE, sent, FALSE, std::nullopt, From},
                    {WM_ACTIVATE, sent, WA_INACTIVE, L(To), From}},
                   {std::begin(Raise), Raised ? std::end(Raise) : std::begin(Raise) + 1},
                   {{WM_NCACTIVATE, sent, TRUE, std::nullopt, To},
                    {WM_ACTIVATE, sent, WA_ACTIVE, L(From), To},
                    {WM_KILLFOCUS, sent, W(To), 0, From},
                    {WM_SETFOCUS, sent, W(From), 0, To}}});
}

// The position-change pair of a window hidden with the given flags.
std::vector<TMsgRow> HidePair(HWND Window, UINT Flags)
{
    return {{WM_WINDOWPOSCHANGING, sent, SWP_HIDEWINDOW | Keep | Flags, std::nullopt, Window},
            {WM_WINDOWPOSCHANGED, sent, SWP_HIDEWINDOW | Keep | Flags, std::nullopt, Window}};
}

// The messages that create a sizable top-level window.
const std::vector<TMsgRow> Creation = {
    {WM_GETMINMAXINFO, sent}, {WM_NCCREATE, sent}, {WM_NCCALCSIZE, sent, FALSE}, {WM_CREATE, sent}};

TEST_F(FocusTest, CreatingVisibleWindowsShowsActivatesAndFocusesInOrder)
{
    HWND First = MakeWindowAt(WS_OVERLAPPEDWINDOW | WS_VISIBLE, nullptr, {10, 10, 210, 110});
    const auto FirstCreated = Rows({
        Creation,
        {{WM_SHOWWINDOW, sent, TRUE, 0, First},
         {WM_WINDOWPOSCHANGING, sent, SWP_SHOWWINDOW | Keep, std::nullopt, First},
         // Activation brings the window to the top: nothing changes.
         {WM_WINDOWPOSCHANGING, sent, Keep, std::nullopt, First},
         {WM_ACTIVATEAPP, sent, TRUE, std::nullopt, First},
         {WM_NCACTIVATE, sent, TRUE, std::nullopt, First},
         {WM_ACTIVATE, sent, WA_ACTIVE, 0, First},
         {WM_SETFOCUS, sent, 0, 0, First},
         {WM_WINDOWPOSCHANGED, sent, SWP_SHOWWINDOW | Keep | SWP_NOZORDER, std::nullopt, First},
         {WM_SIZE, sent, SIZE_RESTORED, MAKELPARAM(192, 73), First},
         {WM_MOVE, sent, 0, MAKELPARAM(14, 33), First}},
    });
    ExpectSequence(FirstCreated.data(), "first window");
    HWND Second = MakeWindowAt(WS_OVERLAPPEDWINDOW | WS_VISIBLE, nullptr, {30, 30, 230, 130});
    const auto SecondCreated = Rows({
        Creation,
        {{WM_SHOWWINDOW, sent, TRUE, 0, Second},
         {WM_WINDOWPOSCHANGING, sent, SWP_SHOWWINDOW | Keep, std::nullopt, Second}},
        ActivationMoves(First, Second, false),
        {{WM_WINDOWPOSCHANGED, sent, SWP_SHOWWINDOW | Keep | SWP_NOZORDER, std::nullopt, Second},
         {WM_SIZE, sent, SIZE_RESTORED, std::nullopt, Second},
         {WM_MOVE, sent, 0, std::nullopt, Second}},
    });
    ExpectSequence(SecondCreated.data(), "second window");
    EXPECT_EQ(GetActiveWindow(), Second);
    EXPECT_EQ(GetTopWindow(nullptr), Second);
}

TEST_F(FocusTest, ShowingAndHidingTheActiveWindowCarryTheClassicFlagsAndOrder)
{
    HWND Other = MakeWindowAt(WS_POPUP | WS_VISIBLE, nullptr, {0, 0, 50, 50});
    HWND Top = MakeWindowAt(WS_POPUP, nullptr, {10, 10, 110, 110});
    MessageLog().clear();
    // SetWindowPos showing a window activates it with the flags as given.
    SetWindowPos(Top, HWND_TOP, 0, 0, 0, 0, SWP_SHOWWINDOW | Keep);
    const auto Shown = Rows({
        {{WM_WINDOWPOSCHANGING, sent, SWP_SHOWWINDOW | Keep, std::nullopt, Top}},
        ActivationMoves(Other, Top, false),
        {{WM_WINDOWPOSCHANGED, sent, SWP_SHOWWINDOW | Keep | SWP_NOZORDER, std::nullopt, Top}},
    });
    ExpectSequence(Shown.data(), "SetWindowPos(SWP_SHOWWINDOW)");
    // Hiding: the pair first, then the window loses activation and focus.
    ShowWindow(Top, SW_HIDE);
    const auto Hidden = Rows({
        {{WM_SHOWWINDOW, sent, FALSE, 0, Top}},
        HidePair(Top, 0),
        ActivationMoves(Top, Other, true),
    });
    ExpectSequence(Hidden.data(), "SW_HIDE");
    ShowWindow(Top, SW_SHOW);
    MessageLog().clear();
    // Destroying it: the hide pair without activating anything on the way,
    // then the deactivation, then the destruction.
    DestroyWindow(Top);
    const auto Destroyed = Rows({
        HidePair(Top, SWP_NOZORDER | SWP_NOACTIVATE),
        ActivationMoves(Top, Other, true),
        {{WM_DESTROY, sent, 0, 0, Top}, {WM_NCDESTROY, sent, 0, 0, Top}},
    });
    ExpectSequence(Destroyed.data(), "DestroyWindow");
    EXPECT_EQ(GetActiveWindow(), Other);
}

TEST_F(FocusTest, DestroyingAFocusedChildHidesItFirstAndMovesTheFocusAfter)
{
    HWND Top = MakeWindowAt(WS_POPUP | WS_VISIBLE, nullptr, {0, 0, 100, 100});
    HWND Child = MakeWindowAt(WS_CHILD | WS_VISIBLE, Top, {0, 0, 10, 10}, "", 0, 5);
    SetFocus(Child);
    MessageLog().clear();
    DestroyWindow(Child);
    const auto Destroyed = Rows({
        {{WM_PARENTNOTIFY, sent, MAKEWPARAM(WM_DESTROY, 5), L(Child), Top},
         {WM_SHOWWINDOW, sent, FALSE, 0, Child}},
        HidePair(Child, SWP_NOZORDER | SWP_NOACTIVATE),
        {{WM_KILLFOCUS, sent, W(Top), 0, Child},
         {WM_SETFOCUS, sent, W(Child), 0, Top},
         {WM_DESTROY, sent, 0, 0, Child},
         {WM_NCDESTROY, sent, 0, 0, Child}},
    });
    ExpectSequence(Destroyed.data(), "focused child");
    EXPECT_EQ(GetFocus(), Top);
}

TEST_F(FocusTest, DestroyingTheCaptureGivesItUpBetweenDestroyAndNcDestroy)
{
    HWND Top = MakeWindowAt(WS_POPUP | WS_VISIBLE, nullptr, {0, 0, 100, 100});
    HWND Child = MakeWindowAt(WS_CHILD, Top, {0, 0, 10, 10});
    // The window itself holds the capture, or a child of it does.
    SetCapture(Child);
    MessageLog().clear();
    DestroyWindow(Child);
    const TMsgRow Own[] = {
        {WM_PARENTNOTIFY, sent, MAKEWPARAM(WM_DESTROY, 0), L(Child), Top},
        {WM_DESTROY, sent, 0, 0, Child},
        {WM_CAPTURECHANGED, sent, 0, 0, Child},
        {WM_NCDESTROY, sent, 0, 0, Child},
        {},
    };
    ExpectSequence(Own, "the capture's own window");
    HWND Inner = MakeWindowAt(WS_CHILD, Top, {0, 0, 10, 10});
    SetCapture(Inner);
    MessageLog().clear();
    SetActiveWindow(nullptr);
    MessageLog().clear();
    ShowWindow(Top, SW_HIDE);
    MessageLog().clear();
    DestroyWindow(Top);
    const TMsgRow Parent[] = {
        {WM_DESTROY, sent, 0, 0, Top},          {WM_DESTROY, sent, 0, 0, Inner},
        {WM_CAPTURECHANGED, sent, 0, 0, Inner}, {WM_NCDESTROY, sent, 0, 0, Inner},
        {WM_NCDESTROY, sent, 0, 0, Top},        {},
    };
    ExpectSequence(Parent, "a child's capture");
    EXPECT_EQ(GetCapture(), nullptr);
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
    const TMsgRow Moved[] = {{WM_KILLFOCUS, sent, W(B), 0, A}, {WM_SETFOCUS, sent, W(A), 0, B}, {}};
    ExpectSequence(Moved, "SetFocus");
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
    const TMsgRow Lost[] = {{WM_NCACTIVATE, sent, FALSE},
                            {WM_ACTIVATE, sent, WA_INACTIVE, 0},
                            {WM_ACTIVATEAPP, sent, FALSE},
                            {WM_KILLFOCUS, sent, 0},
                            {}};
    ExpectSequence(Lost, "another program took the focus");
    EXPECT_EQ(GetForegroundWindow(), nullptr);
    EXPECT_EQ(GetFocus(), nullptr);
    MessageLog().clear();
    SetActiveWindow(Top);
    const TMsgRow Back[] = {{WM_WINDOWPOSCHANGING, sent, Keep},
                            {WM_ACTIVATEAPP, sent, TRUE},
                            {WM_NCACTIVATE, sent, TRUE},
                            {WM_ACTIVATE, sent, WA_ACTIVE},
                            {WM_SETFOCUS, sent},
                            {}};
    ExpectSequence(Back, "active again");
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
    const TMsgRow Changes[] = {
        {WM_CAPTURECHANGED, sent, 0, L(B), A}, {WM_CAPTURECHANGED, sent, 0, 0, B}, {}};
    ExpectSequence(Changes, "capture changes");
    EXPECT_EQ(GetCapture(), nullptr);
    SetCapture(A);
    EnableWindow(A, FALSE);
    EXPECT_EQ(GetCapture(), nullptr) << "a disabled window loses the capture";
}
} // namespace
