// AnimateWindow on the headless desktop and its fake clock: what the screen
// shows at each point of a roll, slide, centre or fade, showing and hiding,
// activation, and the calls it refuses.

#include "WinTestSupport.h"

#include "platform/gfx/Shapes.h"
#include "platform/win/headless/HeadlessDesktop.h"

namespace
{
constexpr int Width = 100, Height = 60;
constexpr int Left = 200, Top = 100;

// The popup's four quarters: green, red (top), blue, white (bottom).
TColor Quarter(int X, int Y)
{
    if (Y < Height / 2) return X < Width / 2 ? Green : Red;
    return X < Width / 2 ? Blue : White;
}

LRESULT QuarterProc(HWND Window, UINT Message, WPARAM WParam, LPARAM LParam)
{
    LogMessage(Window, Message, WParam, LParam);
    if (Message == WM_PAINT)
    {
        PAINTSTRUCT Paint;
        HDC Dc = BeginPaint(Window, &Paint);
        for (int Y : {0, Height / 2})
            for (int X : {0, Width / 2})
                FillRect(*Dc, {X, Y, X + Width / 2, Y + Height / 2},
                         gfx::TBrush::Solid(Quarter(X, Y)));
        EndPaint(Window, &Paint);
        return 0;
    }
    return DefWindowProc(Window, Message, WParam, LParam);
}

class AnimationTest : public ::testing::Test
{
  protected:
    AnimationTest()
    {
        WNDCLASS Class{};
        Class.lpfnWndProc = QuarterProc;
        Class.lpszClassName = "AnimatedQuarters";
        RegisterClass(&Class);
        Main = CreateWindowEx(0, "AnimatedQuarters", "", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50,
                              nullptr, nullptr, nullptr, nullptr);
        SetActiveWindow(Main);
        Popup = CreateWindowEx(WS_EX_TOPMOST, "AnimatedQuarters", "", WS_POPUP, Left, Top, Width,
                               Height, nullptr, nullptr, nullptr, nullptr);
        Desktop.Pump();
        MessageLog().clear();
    }
    ~AnimationTest() override
    {
        DestroyWindow(Popup);
        DestroyWindow(Main);
    }

    // What the screen shows at the popup's point (X, Y).
    TColor At(int X, int Y) const { return Desktop.ScreenPixel(Left + X, Top + Y); }
    TColor Background() const { return ColorToRGB(GetSysColor(COLOR_BACKGROUND)); }

    THeadlessDesktop Desktop{400, 300};
    HWND Main;
    HWND Popup;
};
} // namespace

TEST_F(AnimationTest, HalfWayEachKindShowsItsPartOfThePicture)
{
    struct Probe
    {
        int X, Y;
        int From; // -1: the desktop shows; else the quarter of (From % 1000, From / 1000)
    };
    struct Case
    {
        const char* Name;
        DWORD Flags;
        std::vector<Probe> Probes;
    };
    auto Q = [](int X, int Y) { return Y * 1000 + X; };
    const Case Cases[] = {
        // Rolls uncover the picture where it stands.
        {"roll up", AW_VER_NEGATIVE, {{10, 29, -1}, {10, 30, Q(10, 30)}, {70, 59, Q(70, 59)}}},
        {"roll down", AW_VER_POSITIVE, {{10, 0, Q(10, 0)}, {70, 29, Q(70, 29)}, {10, 30, -1}}},
        {"roll right", AW_HOR_POSITIVE, {{49, 10, Q(49, 10)}, {50, 10, -1}}},
        {"roll left and up",
         AW_HOR_NEGATIVE | AW_VER_NEGATIVE,
         {{49, 50, -1}, {70, 20, -1}, {50, 30, Q(50, 30)}}},
        {"from the centre",
         AW_CENTER,
         {{10, 10, -1}, {25, 15, Q(25, 15)}, {74, 44, Q(74, 44)}, {75, 30, -1}}},
        // Slides bring the far edge in first.
        {"slide up",
         AW_SLIDE | AW_VER_NEGATIVE,
         {{10, 30, Q(10, 0)}, {70, 59, Q(70, 29)}, {10, 29, -1}}},
        {"slide down", AW_SLIDE | AW_VER_POSITIVE, {{10, 0, Q(10, 30)}, {10, 30, -1}}},
        {"slide right",
         AW_SLIDE | AW_HOR_POSITIVE,
         {{0, 10, Q(50, 10)}, {49, 40, Q(99, 40)}, {50, 10, -1}}},
        {"slide left", AW_SLIDE | AW_HOR_NEGATIVE, {{50, 10, Q(0, 10)}, {49, 10, -1}}},
    };
    for (const Case& C : Cases)
    {
        ASSERT_TRUE(AnimateWindow(Popup, 200, C.Flags)) << C.Name;
        Desktop.Pump();
        EXPECT_TRUE(IsWindowVisible(Popup)) << C.Name;
        EXPECT_EQ(At(Width / 2, Height / 2), Background()) << C.Name << ": nothing at first";
        Desktop.Advance(100);
        for (const Probe& P : C.Probes)
        {
            const TColor Want = P.From < 0 ? Background() : Quarter(P.From % 1000, P.From / 1000);
            EXPECT_EQ(At(P.X, P.Y), Want) << C.Name << " at " << P.X << "," << P.Y;
        }
        Desktop.Advance(100);
        for (int Y : {0, Height - 1})
            for (int X : {0, Width - 1})
                EXPECT_EQ(At(X, Y), Quarter(X, Y)) << C.Name << ": whole at the end";
        ShowWindow(Popup, SW_HIDE);
        Desktop.Pump();
    }
}

TEST_F(AnimationTest, AFadeBlendsWithTheDesktopAndAHidingOneGoesAtItsLastFrame)
{
    ASSERT_TRUE(AnimateWindow(Popup, 400, AW_BLEND));
    // Returned at once, on the same clock reading, without taking activation.
    EXPECT_EQ(GetActiveWindow(), Main);
    Desktop.Advance(100);
    EXPECT_EQ(Desktop.Opacity(Popup), 64);
    const TColor Bg = Background();
    const TColor Mixed =
        RGB((GetRValue(Bg) * 191 + 127) / 255, (GetGValue(Bg) * 191 + 255 * 64 + 127) / 255,
            (GetBValue(Bg) * 191 + 127) / 255);
    EXPECT_EQ(At(10, 10), Mixed);
    Desktop.Advance(300);
    EXPECT_EQ(Desktop.Opacity(Popup), 255);
    EXPECT_EQ(At(10, 10), Green);

    MessageLog().clear();
    ASSERT_TRUE(AnimateWindow(Popup, 200, AW_HIDE | AW_BLEND));
    Desktop.Advance(150);
    EXPECT_TRUE(IsWindowVisible(Popup));
    EXPECT_EQ(Desktop.Opacity(Popup), 64);
    Desktop.Advance(50);
    EXPECT_FALSE(IsWindowVisible(Popup));
    EXPECT_EQ(Desktop.Opacity(Popup), 255);
    EXPECT_EQ(At(10, 10), Background());
    bool HideSeen = false;
    for (const TLogged& M : MessageLog())
        HideSeen |= M.Window == Popup && M.Message == WM_SHOWWINDOW && M.WParam == FALSE;
    EXPECT_TRUE(HideSeen);
}

TEST_F(AnimationTest, ActivatesOnlyWhenAskedAndANewCallEndsTheRunningOne)
{
    ASSERT_TRUE(AnimateWindow(Popup, 200, AW_BLEND | AW_ACTIVATE));
    EXPECT_EQ(GetActiveWindow(), Popup);
    Desktop.Advance(50);
    // Hiding now: the fade-in jumps to its end, then the fade-out starts.
    ASSERT_TRUE(AnimateWindow(Popup, 200, AW_BLEND | AW_HIDE));
    EXPECT_EQ(Desktop.Opacity(Popup), 255);
    Desktop.Advance(100);
    EXPECT_EQ(Desktop.Opacity(Popup), 128);
    // A window freed half-way takes its animation with it.
    DestroyWindow(Popup);
    Desktop.Advance(200);
    EXPECT_FALSE(IsWindow(Popup));
}

TEST_F(AnimationTest, RefusesWhatItCannotDo)
{
    HWND Child = CreateWindowEx(0, "AnimatedQuarters", "", WS_CHILD, 0, 0, 10, 10, Main, nullptr,
                                nullptr, nullptr);
    struct Case
    {
        HWND Window;
        DWORD Flags;
        DWORD Error; // 0: refused without an error
    };
    const Case Cases[] = {
        {reinterpret_cast<HWND>(0x7777), AW_BLEND, ERROR_INVALID_WINDOW_HANDLE},
        {Child, AW_BLEND, ERROR_INVALID_PARAMETER},
        {Popup, AW_HOR_POSITIVE | AW_HOR_NEGATIVE, ERROR_INVALID_PARAMETER},
        {Popup, AW_SLIDE | AW_VER_NEGATIVE | AW_VER_POSITIVE, ERROR_INVALID_PARAMETER},
        {Popup, AW_SLIDE, ERROR_INVALID_PARAMETER},
        {Popup, AW_HIDE | AW_BLEND, 0}, // already hidden
        {Main, AW_BLEND, 0},            // already shown
    };
    for (const Case& C : Cases)
    {
        SetLastError(0);
        EXPECT_FALSE(AnimateWindow(C.Window, 100, C.Flags)) << C.Flags;
        EXPECT_EQ(GetLastError(), C.Error) << C.Flags;
    }
    EXPECT_FALSE(IsWindowVisible(Popup));
    DestroyWindow(Child);
}
