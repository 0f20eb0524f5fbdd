#include "WinTestSupport.h"

namespace
{
class InputTest : public TWinTest
{
  protected:
    void SetUp() override
    {
        TWinTest::SetUp();
        FTop = MakeWindowAt(WS_POPUP | WS_VISIBLE, nullptr, {100, 100, 300, 300});
        FLeft = MakeWindowAt(WS_CHILD | WS_VISIBLE | WS_BORDER, FTop, {10, 10, 110, 60});
        FRight = MakeWindowAt(WS_CHILD | WS_VISIBLE, FTop, {120, 10, 190, 60});
        PumpReady(); // the first paint
        MessageLog().clear();
    }
    std::vector<TLogged> Mouse()
    {
        return Only(MessageLog(),
                    {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_RBUTTONDOWN,
                     WM_RBUTTONUP, WM_MOUSELEAVE, WM_MOUSEACTIVATE, WM_MOUSEWHEEL});
    }
    // What a pointer event over a child of FTop sends before its message:
    // the hit test, and WM_SETCURSOR, which the child's default procedure
    // hands to its parent.
    std::vector<TMsgRow> HitTest(HWND Child, POINT Screen, UINT Message)
    {
        const LPARAM Cursor = MAKELPARAM(HTCLIENT, static_cast<WORD>(Message));
        return {{WM_NCHITTEST, sent, 0,
                 MAKELPARAM(static_cast<WORD>(Screen.x), static_cast<WORD>(Screen.y)), Child},
                {WM_SETCURSOR, sent, W(Child), Cursor, Child},
                {WM_SETCURSOR, sent, W(Child), Cursor, FTop}};
    }
    HWND FTop = nullptr, FLeft = nullptr, FRight = nullptr;
};

TEST_F(InputTest, ClickActivatesAndReachesTheChildInClientCoordinates)
{
    SetActiveWindow(nullptr);
    MessageLog().clear();
    Click(150, 130); // FLeft's client starts at (111, 111)
    PumpReady();
    // The press asks the child, which hands the question to its parent, and
    // activates the top-level window before it arrives itself.
    const auto Click_ = Rows({
        HitTest(FLeft, {150, 130}, WM_LBUTTONDOWN),
        {{WM_MOUSEACTIVATE, sent, W(FTop), MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN), FLeft},
         {WM_MOUSEACTIVATE, sent, W(FTop), MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN), FTop},
         {WM_WINDOWPOSCHANGING, sent, Keep, std::nullopt, FTop},
         {WM_NCACTIVATE, sent, TRUE, std::nullopt, FTop},
         {WM_ACTIVATE, sent, WA_CLICKACTIVE, 0, FTop},
         {WM_SETFOCUS, sent, 0, 0, FTop},
         {WM_LBUTTONDOWN, posted, MK_LBUTTON, MAKELPARAM(39, 19), FLeft}},
        HitTest(FLeft, {150, 130}, WM_LBUTTONUP),
        {{WM_LBUTTONUP, posted, 0, MAKELPARAM(39, 19), FLeft},
         // The frame is drawn active.
         {WM_PAINT, posted, 0, 0, FTop}},
    });
    ExpectSequence(Click_.data(), "click");
    EXPECT_EQ(GetActiveWindow(), FTop);
    EXPECT_EQ(CursorId(GetCursor()), CursorId(LoadCursor(nullptr, IDC_IBEAM)))
        << "the class cursor";
    POINT P{};
    GetCursorPos(&P);
    EXPECT_EQ(P.x, 150);
}

TEST_F(InputTest, CaptureRoutesMovesAndReleaseToTheCapturingWindow)
{
    Button(150, 130, true);
    PumpReady();
    SetCapture(FLeft);
    MessageLog().clear();
    Move(250, 130); // over FRight
    Button(250, 130, false);
    PumpReady();
    // No hit testing under capture.
    const TMsgRow Captured[] = {{WM_MOUSEMOVE, posted, MK_LBUTTON, MAKELPARAM(139, 19), FLeft},
                                {WM_LBUTTONUP, posted, 0, MAKELPARAM(139, 19), FLeft},
                                {}};
    ExpectSequence(Captured, "under capture");
    ReleaseCapture();
    MessageLog().clear();
    Move(251, 130);
    PumpReady();
    const auto Released = Rows({
        HitTest(FRight, {251, 130}, WM_MOUSEMOVE),
        {{WM_MOUSEMOVE, posted, 0, MAKELPARAM(31, 20), FRight}},
    });
    ExpectSequence(Released.data(), "released");
}

TEST_F(InputTest, LeaveTrackingReportsLeavingOnce)
{
    Move(150, 130);
    PumpReady();
    MessageLog().clear();
    TRACKMOUSEEVENT Track{sizeof Track, TME_LEAVE, FLeft, 0};
    EXPECT_TRUE(TrackMouseEvent(&Track));
    Move(160, 130);
    Move(250, 130);
    Move(150, 130);
    PumpReady();
    const auto Leaving = Rows({
        // Tracking starts by asking where the pointer is.
        {{WM_NCHITTEST, sent, 0, MAKELPARAM(150, 130), FLeft}},
        HitTest(FLeft, {160, 130}, WM_MOUSEMOVE),
        {{WM_MOUSEMOVE, posted, 0, MAKELPARAM(49, 19), FLeft}},
        HitTest(FRight, {250, 130}, WM_MOUSEMOVE),
        {{WM_MOUSEMOVE, posted, 0, MAKELPARAM(30, 20), FRight},
         {WM_MOUSELEAVE, posted, 0, 0, FLeft}},
        HitTest(FLeft, {150, 130}, WM_MOUSEMOVE),
        {{WM_MOUSEMOVE, posted, 0, MAKELPARAM(39, 19), FLeft}},
    });
    ExpectSequence(Leaving.data(), "leaving");
    Track.hwndTrack = FRight;
    TrackMouseEvent(&Track);
    PumpReady();
    const TMsgRow NotOver[] = {{WM_NCHITTEST, sent, 0, MAKELPARAM(150, 130), FLeft},
                               {WM_MOUSELEAVE, posted, 0, 0, FRight},
                               {}};
    ExpectSequence(NotOver, "the pointer is not over it");
}

TEST_F(InputTest, HoverIsReportedOnceAfterThePointerRests)
{
    Move(150, 130);
    PumpReady();
    TRACKMOUSEEVENT Track{sizeof Track, TME_HOVER, FLeft, 100};
    ASSERT_TRUE(TrackMouseEvent(&Track));
    MessageLog().clear();
    FClock->Advance(60);
    Move(151, 131); // inside the hover box: the time runs on
    PumpReady();
    FClock->Advance(40);
    PumpReady();
    const TMsgRow Hover[] = {{WM_MOUSEHOVER, posted, 0, MAKELPARAM(39, 19), FLeft}, {}};
    ExpectSequenceIn(Only(MessageLog(), {WM_MOUSEHOVER}), Hover, "hover");
    FClock->Advance(500);
    PumpReady();
    EXPECT_EQ(Only(MessageLog(), {WM_MOUSEHOVER}).size(), 1u) << "once per request";

    TrackMouseEvent(&Track);
    MessageLog().clear();
    FClock->Advance(60);
    Move(160, 130); // out of the box: the time starts over
    PumpReady();
    FClock->Advance(60);
    PumpReady();
    EXPECT_TRUE(Only(MessageLog(), {WM_MOUSEHOVER}).empty());
    FClock->Advance(40);
    PumpReady();
    EXPECT_EQ(Only(MessageLog(), {WM_MOUSEHOVER}).size(), 1u);
}

TEST_F(InputTest, DoubleClickNeedsTimeDistanceAndTheClassStyle)
{
    struct TCase
    {
        const char* Name;
        TClock::TimeMs Delay;
        int Dx;
        UINT Second;
    };
    const TCase Cases[] = {
        {"quick and close", 100, 0, WM_LBUTTONDBLCLK},
        {"too slow", 600, 0, WM_LBUTTONDOWN},
        {"too far", 100, 3, WM_LBUTTONDOWN},
    };
    for (const TCase& Case : Cases)
    {
        SCOPED_TRACE(Case.Name);
        FClock->Advance(1000);
        Click(150, 130);
        PumpReady();
        FClock->Advance(Case.Delay);
        MessageLog().clear();
        Click(150 + Case.Dx, 130);
        PumpReady();
        ASSERT_FALSE(Mouse().empty());
        EXPECT_EQ(Mouse().front().Message, Case.Second);
    }
    FClock->Advance(1000);
    Click(150, 130);
    Click(150, 130);
    PumpReady();
    MessageLog().clear();
    Click(150, 130);
    PumpReady();
    EXPECT_EQ(Mouse().front().Message, WM_LBUTTONDOWN) << "a third press starts over";

    WNDCLASS Plain{};
    Plain.lpfnWndProc = [](HWND W, UINT M, WPARAM Wp, LPARAM Lp) -> LRESULT
    {
        LogMessage(W, M, Wp, Lp);
        return DefWindowProc(W, M, Wp, Lp);
    };
    Plain.lpszClassName = "NoDoubleClicks";
    RegisterClass(&Plain);
    HWND NoDbl = CreateWindowEx(0, "NoDoubleClicks", "", WS_CHILD | WS_VISIBLE, 10, 100, 50, 50,
                                FTop, nullptr, nullptr, nullptr);
    FWindows.push_back(NoDbl);
    FClock->Advance(1000);
    Click(120, 210);
    PumpReady();
    MessageLog().clear();
    Click(120, 210);
    PumpReady();
    EXPECT_EQ(Mouse().front().Message, WM_LBUTTONDOWN);
}

TEST_F(InputTest, DisabledChildLetsTheClickThroughToItsParent)
{
    EnableWindow(FLeft, FALSE);
    Click(150, 130);
    PumpReady();
    auto Log = Only(Mouse(), {WM_LBUTTONDOWN});
    ASSERT_EQ(Log.size(), 1u);
    EXPECT_EQ(Log[0].Window, FTop);
}

TEST_F(InputTest, PressOnADisabledOwnerBeepsAndActivatesItsPopup)
{
    HWND Dialog = MakeWindowAt(WS_POPUP | WS_VISIBLE, FTop, {400, 100, 500, 200});
    EnableWindow(FTop, FALSE);
    SetActiveWindow(nullptr);
    int Beeps = BeepCount();
    MessageLog().clear();
    Click(150, 130);
    PumpReady();
    EXPECT_TRUE(Only(Mouse(), {WM_LBUTTONDOWN, WM_LBUTTONUP}).empty());
    EXPECT_EQ(BeepCount(), Beeps + 1);
    EXPECT_EQ(GetActiveWindow(), Dialog);
}

TEST_F(InputTest, KeysGoToTheFocusAndTranslateToCharacters)
{
    SetFocus(FLeft);
    struct TCase
    {
        const char* Name;
        std::vector<std::pair<UINT, bool>> Keys;
        std::vector<TMsgRow> Expected;
    };
    const TCase Cases[] = {
        {"letter",
         {{'A', true}, {'A', false}},
         {{WM_KEYDOWN, posted, 'A'}, {WM_CHAR, posted, 'a'}, {WM_KEYUP, posted, 'A'}}},
        {"shifted letter",
         {{VK_SHIFT, true}, {'A', true}, {'A', false}, {VK_SHIFT, false}},
         {{WM_KEYDOWN, posted, VK_SHIFT},
          {WM_KEYDOWN, posted, 'A'},
          {WM_CHAR, posted, 'A'},
          {WM_KEYUP, posted, 'A'},
          {WM_KEYUP, posted, VK_SHIFT}}},
        {"control letter",
         {{VK_CONTROL, true}, {'C', true}, {'C', false}, {VK_CONTROL, false}},
         {{WM_KEYDOWN, posted, VK_CONTROL},
          {WM_KEYDOWN, posted, 'C'},
          {WM_CHAR, posted, 3},
          {WM_KEYUP, posted, 'C'},
          {WM_KEYUP, posted, VK_CONTROL}}},
        {"enter",
         {{VK_RETURN, true}, {VK_RETURN, false}},
         {{WM_KEYDOWN, posted, VK_RETURN}, {WM_CHAR, posted, '\r'}, {WM_KEYUP, posted, VK_RETURN}}},
        {"alt letter",
         {{VK_MENU, true}, {'F', true}, {'F', false}, {VK_MENU, false}},
         {{WM_SYSKEYDOWN, posted, VK_MENU},
          {WM_SYSKEYDOWN, posted, 'F'},
          {WM_SYSCHAR, posted, 'f'},
          {WM_SYSCOMMAND, sent, SC_KEYMENU, 'f', FLeft},
          {WM_SYSKEYUP, posted, 'F'},
          {WM_KEYUP, posted, VK_MENU}}},
        {"alt space",
         {{VK_MENU, true}, {VK_SPACE, true}, {VK_SPACE, false}, {VK_MENU, false}},
         {{WM_SYSKEYDOWN, posted, VK_MENU},
          {WM_SYSKEYDOWN, posted, VK_SPACE},
          {WM_SYSCHAR, posted, ' '},
          // The window menu is the top-level window's.
          {WM_SYSCHAR, sent, ' ', std::nullopt, FTop},
          {WM_SYSCOMMAND, sent, SC_KEYMENU, ' ', FTop},
          {WM_SYSKEYUP, posted, VK_SPACE},
          {WM_KEYUP, posted, VK_MENU}}},
        {"alt alone",
         {{VK_MENU, true}, {VK_MENU, false}},
         {{WM_SYSKEYDOWN, posted, VK_MENU}, {WM_SYSKEYUP, posted, VK_MENU}}},
    };
    for (const TCase& Case : Cases)
    {
        SCOPED_TRACE(Case.Name);
        MessageLog().clear();
        for (auto [Vk, IsDown] : Case.Keys)
            Key(Vk, IsDown);
        PumpTranslated();
        ExpectSequence(Rows({Case.Expected}).data(), Case.Name);
    }
}

TEST_F(InputTest, KeyMessageParametersCarryRepeatAltAndRelease)
{
    SetFocus(FLeft);
    Key(VK_MENU, true);
    Key('X', true);
    Key('X', true);
    Key('X', false);
    Key(VK_MENU, false);
    PumpReady();
    auto Log = Only(MessageLog(), {WM_SYSKEYDOWN, WM_SYSKEYUP});
    ASSERT_EQ(Log.size(), 4u);
    auto Flags = [](const TLogged& L) { return HIWORD(static_cast<ULONG_PTR>(L.LParam)); };
    EXPECT_TRUE(Flags(Log[1]) & KF_ALTDOWN);
    EXPECT_FALSE(Flags(Log[1]) & KF_REPEAT);
    EXPECT_TRUE(Flags(Log[2]) & KF_REPEAT) << "auto-repeat";
    EXPECT_TRUE(Flags(Log[3]) & KF_UP);
    EXPECT_EQ(GetKeyState(VK_MENU) & 0x8000, 0);
}

// Timer procedures that act while a move loop runs, as input arriving late.
HWND Dragged = nullptr;
bool CapturedDuringTick = false;
void ReleaseButtonLater(HWND, UINT, UINT_PTR Id, DWORD)
{
    CapturedDuringTick = GetCapture() == Dragged;
    KillTimer(nullptr, Id);
    TRawInput Up;
    Up.Kind = TRawInput::TKind::ButtonUp;
    Up.Screen = {480, 140};
    QueueRawInput(Up);
}
void QuitLater(HWND, UINT, UINT_PTR Id, DWORD)
{
    KillTimer(nullptr, Id);
    PostQuitMessage(3);
}

TEST_F(InputTest, CaptionDragMovesTheWindowInAModalLoop)
{
    Dragged = MakeWindowAt(WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE, nullptr,
                           {400, 100, 600, 200});
    SetTimer(nullptr, 0, 10, ReleaseButtonLater);
    MessageLog().clear();
    Button(450, 110, true);
    Move(470, 130);
    Move(480, 140);
    FClock->Advance(10);
    CapturedDuringTick = false;
    PumpReady();
    RECT R{};
    GetWindowRect(Dragged, &R);
    EXPECT_EQ(R.left, 430);
    EXPECT_EQ(R.top, 130);
    EXPECT_EQ(R.right, 630);
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_TRUE(CapturedDuringTick) << "the loop dispatches other messages while it runs";
    const TMsgRow Dragging[] = {
        {WM_NCLBUTTONDOWN, posted, HTCAPTION, MAKELPARAM(450, 110), Dragged},
        {WM_ENTERSIZEMOVE, sent},
        {WM_MOVE, sent, 0, MAKELPARAM(423, 142)},
        {WM_MOVE, sent, 0, MAKELPARAM(433, 152)},
        {WM_EXITSIZEMOVE, sent},
        {}};
    ExpectSequenceIn(
        Only(MessageLog(), {WM_NCLBUTTONDOWN, WM_ENTERSIZEMOVE, WM_MOVE, WM_EXITSIZEMOVE}),
        Dragging, "move loop");
}

TEST_F(InputTest, QuitDuringTheMoveLoopEndsItAndReachesTheOuterLoop)
{
    MakeWindowAt(WS_POPUP | WS_CAPTION | WS_VISIBLE, nullptr, {400, 100, 600, 200});
    SetTimer(nullptr, 0, 10, QuitLater);
    Button(450, 110, true);
    Move(470, 130);
    FClock->Advance(10);
    MSG Msg{};
    ASSERT_TRUE(GetMessage(&Msg, nullptr, 0, 0));
    EXPECT_EQ(Msg.message, WM_NCLBUTTONDOWN);
    DispatchMessage(&Msg); // runs the move loop, which meets the quit
    EXPECT_EQ(GetMessage(&Msg, nullptr, 0, 0), FALSE);
    EXPECT_EQ(Msg.wParam, 3u);
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(InputTest, CloseButtonClosesOnlyWhenReleasedOverIt)
{
    HWND Stays = MakeWindowAt(WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE, nullptr,
                              {400, 100, 600, 200});
    Button(585, 110, true);
    Move(500, 150);
    Button(500, 150, false);
    PumpReady();
    EXPECT_TRUE(IsWindow(Stays));
    FClock->Advance(1000); // not a double click
    Click(585, 110);
    PumpReady();
    EXPECT_FALSE(IsWindow(Stays));
}

// Runs nested loops three deep from posted messages; each ends when its own
// end message arrives, in any nesting.
std::vector<std::string> Trace;
bool Ended[3];
LRESULT NestingProc(HWND Window, UINT Message, WPARAM WParam, LPARAM LParam)
{
    if (Message == WM_APP)
    {
        Trace.push_back("enter " + std::to_string(WParam));
        if (WParam < 2) PostMessage(Window, WM_APP, WParam + 1, 0);
        PostMessage(Window, WM_APP + 1, WParam, 0);
        MSG Msg;
        while (!Ended[WParam] && GetMessage(&Msg, nullptr, 0, 0) > 0)
            DispatchMessage(&Msg);
        Trace.push_back("leave " + std::to_string(WParam));
        return 0;
    }
    if (Message == WM_APP + 1) Ended[WParam] = true;
    return DefWindowProc(Window, Message, WParam, LParam);
}

TEST_F(InputTest, ModalLoopsNestAndUnwindInOrder)
{
    WNDCLASS Class{};
    Class.lpfnWndProc = NestingProc;
    Class.lpszClassName = "Nesting";
    RegisterClass(&Class);
    HWND W =
        CreateWindowEx(0, "Nesting", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    FWindows.push_back(W);
    Trace.clear();
    std::fill(std::begin(Ended), std::end(Ended), false);
    SendMessage(W, WM_APP, 0, 0);
    EXPECT_EQ(Trace, (std::vector<std::string>{"enter 0", "enter 1", "enter 2", "leave 2",
                                               "leave 1", "leave 0"}));
}
} // namespace
