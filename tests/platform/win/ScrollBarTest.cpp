#include "WinTestSupport.h"

#include "detail/WindowClass.h"

#include <functional>

namespace
{
// A window that logs and moves its vertical bar as an owner would: a line
// is 1, a page the bar's page, the thumb codes take their position.
LRESULT ScrollOwnerProc(HWND Window, UINT Message, WPARAM WParam, LPARAM LParam)
{
    LogMessage(Window, Message, WParam, LParam);
    if (Message != WM_VSCROLL || LParam) return DefWindowProc(Window, Message, WParam, LParam);
    SCROLLINFO Info;
    Info.fMask = SIF_ALL;
    GetScrollInfo(Window, SB_VERT, &Info);
    int Pos = Info.nPos;
    switch (LOWORD(WParam))
    {
    case SB_LINEUP:
        --Pos;
        break;
    case SB_LINEDOWN:
        ++Pos;
        break;
    case SB_PAGEUP:
        Pos -= static_cast<int>(Info.nPage);
        break;
    case SB_PAGEDOWN:
        Pos += static_cast<int>(Info.nPage);
        break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
        Pos = HIWORD(WParam);
        break;
    default:
        return 0;
    }
    SetScrollPos(Window, SB_VERT, Pos, TRUE);
    return 0;
}

LRESULT ScrollControlParentProc(HWND Window, UINT Message, WPARAM WParam, LPARAM LParam)
{
    LogMessage(Window, Message, WParam, LParam);
    return DefWindowProc(Window, Message, WParam, LParam);
}

LRESULT ScrollControlProc(HWND Window, UINT Message, WPARAM WParam, LPARAM LParam)
{
    return ScrollBarControlProc(Window, Message, WParam, LParam);
}

// Steps run one per tick of a thread timer, so that a test acts while a
// modal loop holds the thread: each step may queue input, then moves the
// clock on by its Advance (which also sets when the next step runs).
struct TScriptStep
{
    std::function<void()> Action;
    UINT Advance = 10;
};
thread_local std::vector<TScriptStep>* ScriptSteps = nullptr;
thread_local size_t ScriptNext = 0;
thread_local TFakeClock* ScriptClock = nullptr;
thread_local UINT_PTR ScriptTimer = 0;

void ScriptTick(HWND, UINT, UINT_PTR Id, DWORD)
{
    KillTimer(nullptr, Id);
    if (!ScriptSteps || ScriptNext >= ScriptSteps->size()) return;
    TScriptStep& Step = (*ScriptSteps)[ScriptNext++];
    if (Step.Action) Step.Action();
    // A new timer comes last among the timers, so that a timer of the loop
    // due at the same time goes first.
    ScriptTimer = SetTimer(nullptr, 0, Step.Advance, ScriptTick);
    ScriptClock->Advance(Step.Advance);
}

WPARAM Code(WORD Code, int Pos = 0)
{
    return MAKEWPARAM(Code, static_cast<WORD>(Pos));
}

// The rows of a press on a window's vertical bar, up to the loop.
std::vector<TMsgRow> PressRows(HWND Window, int X, int Y)
{
    return {{WM_NCHITTEST, sent, 0, MAKELPARAM(X, Y), Window},
            {WM_SETCURSOR, sent, W(Window), std::nullopt, Window},
            {WM_NCLBUTTONDOWN, posted, HTVSCROLL, MAKELPARAM(X, Y), Window},
            {WM_SYSCOMMAND, sent, SC_VSCROLL + HTVSCROLL, MAKELPARAM(X, Y), Window}};
}
// A report, then the bar's repaint that may follow it.
std::vector<TMsgRow> ReportRows(HWND Window, WORD Report, int Pos = 0)
{
    return {{WM_VSCROLL, sent, Code(Report, Pos), 0, Window},
            {WM_PAINT, optional, std::nullopt, std::nullopt, Window},
            {WM_NCPAINT, optional, std::nullopt, std::nullopt, Window}};
}
std::vector<TMsgRow> EndRows(HWND Window)
{
    return {{WM_VSCROLL, sent, Code(SB_ENDSCROLL), 0, Window},
            {WM_CAPTURECHANGED, sent, 0, 0, Window},
            {WM_PAINT, posted | optional, std::nullopt, std::nullopt, Window},
            {WM_NCPAINT, optional, std::nullopt, std::nullopt, Window}};
}
// The repaint of the pressed look alone.
const std::vector<TMsgRow> Repaint = {{WM_PAINT, optional}, {WM_NCPAINT, optional}};

class ScrollBarTest : public TWinTest
{
  protected:
    void SetUp() override
    {
        TWinTest::SetUp();
        for (auto [Name, Proc] : {std::pair{"ScrollOwner", &ScrollOwnerProc},
                                  std::pair{"ScrollParent", &ScrollControlParentProc},
                                  std::pair{"ScrollControl", &ScrollControlProc}})
        {
            if (TClassRegistry::Instance().Find(Name)) continue;
            WNDCLASSEX Class{};
            Class.cbSize = sizeof Class;
            Class.lpfnWndProc = Proc;
            Class.lpszClassName = Name;
            ASSERT_NE(RegisterClassEx(&Class), 0);
        }
    }
    void TearDown() override
    {
        ScriptSteps = nullptr;
        TWinTest::TearDown();
    }

    HWND Make(LPCSTR Class, DWORD Style, RECT R, HWND Parent = nullptr)
    {
        HWND Window = CreateWindowEx(0, Class, "", Style, R.left, R.top, R.right - R.left,
                                     R.bottom - R.top, Parent, nullptr, nullptr, nullptr);
        EXPECT_NE(Window, nullptr);
        FWindows.push_back(Window);
        return Window;
    }
    // A 100 x 200 bordered popup at (100, 100) whose vertical bar scrolls
    // 0..99 by pages of 10; the bar lies at x 183..198, y 101..298: arrows
    // 16 high, a 16-pixel thumb in a 166-pixel track.
    HWND MakeOwner(int Pos = 0)
    {
        HWND Window = Make("ScrollOwner", WS_POPUP | WS_BORDER | WS_VISIBLE | WS_VSCROLL,
                           {100, 100, 200, 300});
        SCROLLINFO Info;
        Info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
        Info.nMin = 0;
        Info.nMax = 99;
        Info.nPage = 10;
        Info.nPos = Pos;
        SetScrollInfo(Window, SB_VERT, &Info, TRUE);
        PumpReady();
        return Window;
    }
    // Presses at (X, Y) and runs the steps inside the loop the press
    // starts; returns the whole log.
    std::vector<TLogged> RunPress(int X, int Y, std::vector<TScriptStep> Steps)
    {
        ScriptSteps = &Steps;
        ScriptNext = 0;
        ScriptClock = FClock.get();
        ScriptTimer = SetTimer(nullptr, 0, 10, ScriptTick);
        MessageLog().clear();
        Button(X, Y, true);
        FClock->Advance(10);
        PumpReady();
        ScriptSteps = nullptr;
        KillTimer(nullptr, ScriptTimer);
        std::vector<TLogged> Log = std::move(MessageLog());
        MessageLog().clear();
        return Log;
    }
    TScriptStep Release(int X, int Y)
    {
        return {[this, X, Y] { Button(X, Y, false); }, 10};
    }
    TScriptStep MoveTo(int X, int Y)
    {
        return {[this, X, Y] { Move(X, Y); }, 10};
    }
    TScriptStep Wait(UINT Ms) { return {nullptr, Ms}; }
    int Pos(HWND Window, int Bar = SB_VERT) { return GetScrollPos(Window, Bar); }
};

TEST_F(ScrollBarTest, WindowBarsTakeTheirRoomAndAnswerHitTests)
{
    HWND W = Make("ScrollOwner", WS_POPUP | WS_BORDER | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL,
                  {100, 100, 300, 200});
    RECT Client{};
    GetClientRect(W, &Client);
    EXPECT_EQ(Client.right, 200 - 2 - GetSystemMetrics(SM_CXVSCROLL));
    EXPECT_EQ(Client.bottom, 100 - 2 - GetSystemMetrics(SM_CYHSCROLL));
    struct TCase
    {
        int X, Y;
        LRESULT Hit;
    };
    const TCase Cases[] = {
        {283, 101, HTVSCROLL}, {298, 182, HTVSCROLL}, {101, 183, HTHSCROLL},
        {282, 198, HTHSCROLL}, {283, 183, HTBORDER},  {282, 182, HTCLIENT},
    };
    for (const TCase& Case : Cases)
        EXPECT_EQ(SendMessage(W, WM_NCHITTEST, 0, MAKELPARAM(Case.X, Case.Y)), Case.Hit)
            << Case.X << "," << Case.Y;

    SCROLLBARINFO Info;
    ASSERT_TRUE(GetScrollBarInfo(W, OBJID_VSCROLL, &Info));
    EXPECT_EQ(Info.rcScrollBar.left, 283);
    EXPECT_EQ(Info.rcScrollBar.top, 101);
    EXPECT_EQ(Info.rcScrollBar.right, 299);
    EXPECT_EQ(Info.rcScrollBar.bottom, 183);
    EXPECT_EQ(Info.dxyLineButton, 16);
    EXPECT_FALSE(GetScrollBarInfo(W, 0, &Info));
}

TEST_F(ScrollBarTest, ScrollInfoIsHeldToItsRulesAndShowsTheBarWhenNeeded)
{
    struct TCase
    {
        const char* Name;
        UINT Mask;
        int Min, Max;
        UINT Page;
        int Pos;
        int WantPos;
        UINT WantPage;
        bool WantShown, WantDisabled;
    };
    const TCase Cases[] = {
        {"plain", SIF_ALL, 0, 99, 10, 50, 50, 10, true, false},
        {"position past the last page", SIF_ALL, 0, 99, 10, 95, 90, 10, true, false},
        {"position before the start", SIF_ALL, 5, 99, 10, -3, 5, 10, true, false},
        {"page larger than the range", SIF_ALL, 0, 9, 50, 3, 0, 10, false, false},
        {"empty range", SIF_ALL, 4, 4, 0, 4, 4, 0, false, false},
        {"max below min", SIF_ALL, 10, 2, 0, 0, 10, 0, false, false},
        {"kept shown, disabled", SIF_ALL | SIF_DISABLENOSCROLL, 0, 9, 10, 0, 0, 10, true, true},
    };
    for (const TCase& Case : Cases)
    {
        SCOPED_TRACE(Case.Name);
        HWND W = Make("ScrollOwner", WS_POPUP | WS_VISIBLE, {0, 0, 100, 100});
        SCROLLINFO In;
        In.fMask = Case.Mask;
        In.nMin = Case.Min;
        In.nMax = Case.Max;
        In.nPage = Case.Page;
        In.nPos = Case.Pos;
        EXPECT_EQ(SetScrollInfo(W, SB_VERT, &In, TRUE), Case.WantPos);
        SCROLLINFO Out;
        Out.fMask = SIF_ALL;
        ASSERT_TRUE(GetScrollInfo(W, SB_VERT, &Out));
        EXPECT_EQ(Out.nPos, Case.WantPos);
        EXPECT_EQ(Out.nPage, Case.WantPage);
        EXPECT_EQ((GetWindowLong(W, GWL_STYLE) & WS_VSCROLL) != 0, Case.WantShown);
        RECT Client{};
        GetClientRect(W, &Client);
        EXPECT_EQ(Client.right, Case.WantShown ? 100 - GetSystemMetrics(SM_CXVSCROLL) : 100);
        SCROLLBARINFO Bar;
        ASSERT_TRUE(GetScrollBarInfo(W, OBJID_VSCROLL, &Bar));
        EXPECT_EQ((Bar.rgstate[0] & STATE_SYSTEM_UNAVAILABLE) != 0, Case.WantDisabled);
        DestroyWindow(W);
    }
}

TEST_F(ScrollBarTest, ArrowPressRepeatsUntilReleased)
{
    HWND W = MakeOwner();
    auto Log = RunPress(190, 290,
                        {Wait(ScrollRepeatDelay), Wait(ScrollRepeatPeriod),
                         Wait(ScrollRepeatPeriod), Release(190, 290)});
    auto Expected = Rows({PressRows(W, 190, 290), ReportRows(W, SB_LINEDOWN),
                          ReportRows(W, SB_LINEDOWN), // after the delay
                          ReportRows(W, SB_LINEDOWN), // then every period
                          ReportRows(W, SB_LINEDOWN), EndRows(W)});
    ExpectSequenceIn(Log, Expected.data(), "arrow press");
    EXPECT_EQ(Pos(W), 4);
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(ScrollBarTest, ArrowRepeatPausesWhileThePointerIsOffTheArrow)
{
    HWND W = MakeOwner(10);
    auto Log = RunPress(190, 105,
                        {MoveTo(150, 105), Wait(ScrollRepeatDelay), Wait(ScrollRepeatPeriod),
                         MoveTo(190, 105), Wait(ScrollRepeatPeriod), Release(150, 105)});
    auto Expected = Rows({PressRows(W, 190, 105), ReportRows(W, SB_LINEUP),
                          Repaint, // raised while away
                          Repaint, // pressed again, back over the arrow
                          ReportRows(W, SB_LINEUP), EndRows(W)});
    ExpectSequenceIn(Log, Expected.data(), "arrow press, pointer away");
    EXPECT_EQ(Pos(W), 8);
}

TEST_F(ScrollBarTest, PagePressRepeatsUntilTheThumbReachesThePointer)
{
    HWND W = MakeOwner();
    // The thumb moves 166 - 16 = 150 pixels over positions 0..90; the
    // pointer 50 pixels into the track is reached after three pages.
    auto Log = RunPress(190, 117 + 50,
                        {Wait(ScrollRepeatDelay), Wait(ScrollRepeatPeriod),
                         Wait(ScrollRepeatPeriod), Wait(ScrollRepeatPeriod), Release(190, 167)});
    auto Expected = Rows({PressRows(W, 190, 167), ReportRows(W, SB_PAGEDOWN),
                          ReportRows(W, SB_PAGEDOWN), ReportRows(W, SB_PAGEDOWN), EndRows(W)});
    ExpectSequenceIn(Log, Expected.data(), "page press");
    EXPECT_EQ(Pos(W), 30);

    FClock->Advance(1000); // not a double click
    Log = RunPress(190, 120, {Release(190, 120)});
    auto Up = Rows({PressRows(W, 190, 120), ReportRows(W, SB_PAGEUP), EndRows(W)});
    ExpectSequenceIn(Log, Up.data(), "page up");
    EXPECT_EQ(Pos(W), 20);
}

TEST_F(ScrollBarTest, ThumbDragTracksThenReportsItsPosition)
{
    HWND W = MakeOwner();
    // The thumb covers y 117..132; each 5 pixels of its 150 are 3 positions.
    auto Log = RunPress(190, 120,
                        {MoveTo(190, 125), MoveTo(170, 125), MoveTo(190, 170), Release(190, 170)});
    auto Expected =
        Rows({PressRows(W, 190, 120), Repaint, ReportRows(W, SB_THUMBTRACK, 3),
              ReportRows(W, SB_THUMBTRACK, 30), ReportRows(W, SB_THUMBPOSITION, 30), EndRows(W)});
    ExpectSequenceIn(Log, Expected.data(), "thumb drag");
    EXPECT_EQ(Pos(W), 30);
    SCROLLINFO Info;
    Info.fMask = SIF_TRACKPOS;
    GetScrollInfo(W, SB_VERT, &Info);
    EXPECT_EQ(Info.nTrackPos, 30);
}

TEST_F(ScrollBarTest, DisabledPartsTakeNoPress)
{
    HWND W = MakeOwner(5);
    EXPECT_TRUE(EnableScrollBar(W, SB_VERT, ESB_DISABLE_RTDN));
    EXPECT_FALSE(EnableScrollBar(W, SB_VERT, ESB_DISABLE_RTDN));
    PumpReady();
    auto Log = RunPress(190, 290, {Release(190, 290)});
    // No loop: the release reaches the window as usual.
    auto DownArrow = Rows({PressRows(W, 190, 290),
                           {{WM_NCHITTEST, sent},
                            {WM_SETCURSOR, sent},
                            {WM_NCLBUTTONUP, posted, HTVSCROLL, MAKELPARAM(190, 290), W}}});
    ExpectSequenceIn(Log, DownArrow.data(), "disabled arrow");
    FClock->Advance(1000);
    Log = RunPress(190, 105, {Release(190, 105)});
    EXPECT_EQ(Only(Log, {WM_VSCROLL}).size(), 2u) << "the other arrow still works";

    EnableScrollBar(W, SB_VERT, ESB_DISABLE_BOTH);
    FClock->Advance(1000);
    Log = RunPress(190, 150, {Release(190, 150)});
    EXPECT_TRUE(Only(Log, {WM_VSCROLL}).empty());
    SCROLLBARINFO Info;
    GetScrollBarInfo(W, OBJID_VSCROLL, &Info);
    EXPECT_EQ(Info.xyThumbTop, Info.xyThumbBottom) << "a disabled bar has no thumb";
}

TEST_F(ScrollBarTest, ControlReportsToItsParentWithItsHandle)
{
    HWND Parent = Make("ScrollParent", WS_POPUP | WS_VISIBLE, {100, 100, 300, 200});
    HWND Bar = Make("ScrollControl", WS_CHILD | WS_VISIBLE | SBS_HORZ, {10, 10, 170, 27}, Parent);
    SetScrollRange(Bar, SB_CTL, 0, 20, TRUE);
    const LPARAM From = L(Bar);
    auto Log = RunPress(100 + 10 + 5, 100 + 10 + 5, {Release(115, 115)});
    const TMsgRow Arrow[] = {{WM_HSCROLL, sent, Code(SB_LINELEFT), From, Parent},
                             {WM_HSCROLL, sent, Code(SB_ENDSCROLL), From, Parent},
                             {}};
    ExpectSequenceIn(Only(Log, {WM_HSCROLL, WM_VSCROLL}), Arrow, "control arrow");

    MessageLog().clear();
    for (UINT Key : {VK_HOME, VK_END, VK_NEXT, VK_RIGHT})
        SendMessage(Bar, WM_KEYDOWN, Key, 0);
    SendMessage(Bar, WM_KEYDOWN, VK_DOWN, 0); // not an arrow of a horizontal bar
    const TMsgRow Keys[] = {{WM_HSCROLL, sent, Code(SB_TOP), From},
                            {WM_HSCROLL, sent, Code(SB_ENDSCROLL), From},
                            {WM_HSCROLL, sent, Code(SB_BOTTOM), From},
                            {WM_HSCROLL, sent, Code(SB_ENDSCROLL), From},
                            {WM_HSCROLL, sent, Code(SB_PAGERIGHT), From},
                            {WM_HSCROLL, sent, Code(SB_ENDSCROLL), From},
                            {WM_HSCROLL, sent, Code(SB_LINERIGHT), From},
                            {WM_HSCROLL, sent, Code(SB_ENDSCROLL), From},
                            {}};
    ExpectSequenceIn(Only(MessageLog(), {WM_HSCROLL}), Keys, "control keys");
}

TEST_F(ScrollBarTest, ClassicPicture)
{
    HWND W = MakeOwner(45);
    const TColor Face = ColorToRGB(GetSysColor(COLOR_BTNFACE));
    const TColor Text = ColorToRGB(GetSysColor(COLOR_BTNTEXT));
    const TColor Light = ColorToRGB(GetSysColor(COLOR_BTNHIGHLIGHT));
    const TColor Shadow = ColorToRGB(GetSysColor(COLOR_BTNSHADOW));
    const TColor Outer = ColorToRGB(GetSysColor(COLOR_3DLIGHT));
    const TColor Dark = ColorToRGB(GetSysColor(COLOR_3DDKSHADOW));
    struct TCase
    {
        const char* Name;
        int X, Y; // window coordinates: the bar is x 83..98, y 1..198
        TColor Enabled, Disabled;
    };
    const TCase Cases[] = {
        {"up arrow's outer ring", 83, 1, Outer, Outer},
        {"up arrow's inner ring", 84, 2, Light, Light},
        {"up arrow's bottom", 90, 16, Dark, Dark},
        {"up glyph's tip", 90, 7, Text, Shadow},
        {"up glyph's base", 87, 10, Text, Shadow},
        {"beside the tip", 87, 7, Face, Face},
        {"disabled glyph's light copy", 94, 11, Face, Light},
        {"down glyph's base", 87, 189, Text, Shadow},
        {"down glyph's tip", 90, 192, Text, Shadow},
        {"thumb's face at 45 of 0..90", 90, 100, Face, CLR_INVALID},
        {"thumb's top", 84, 92, Outer, CLR_INVALID},
        {"thumb's bottom", 90, 107, Dark, CLR_INVALID},
    };
    auto Print = [&]
    {
        auto Surface = std::make_shared<TSurface>(100, 200, Red);
        TDeviceContext Dc(*Surface);
        SendMessage(W, WM_PRINT, reinterpret_cast<WPARAM>(&Dc), PRF_NONCLIENT);
        return Surface;
    };
    auto IsTrack = [&](const TSurface& S, int X, int Y)
    {
        TColor A = S.Pixel(X, Y), B = S.Pixel(X + 1, Y);
        return (A == Light && B == Face) || (A == Face && B == Light);
    };
    auto Enabled = Print();
    EXPECT_TRUE(IsTrack(*Enabled, 90, 50)) << "a half-tone track";
    EnableScrollBar(W, SB_VERT, ESB_DISABLE_BOTH);
    auto Disabled = Print();
    EXPECT_TRUE(IsTrack(*Disabled, 90, 100)) << "no thumb on a disabled bar";
    for (const TCase& Case : Cases)
    {
        SCOPED_TRACE(Case.Name);
        EXPECT_EQ(Enabled->Pixel(Case.X, Case.Y), Case.Enabled);
        if (Case.Disabled != CLR_INVALID)
        {
            EXPECT_EQ(Disabled->Pixel(Case.X, Case.Y), Case.Disabled);
        }
    }
}
} // namespace
