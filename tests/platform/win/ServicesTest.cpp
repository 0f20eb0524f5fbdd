#include "WinTestSupport.h"

#include "detail/Desktop.h"
#include "detail/WindowClass.h"
#include "platform/gfx/Color.h"
#include "platform/gfx/Shapes.h"
#include "platform/win/Monitor.h"
#include "platform/win/SystemMetrics.h"
#include "platform/win/headless/HeadlessDesktop.h"

#include <ostream>

// Rectangle comparisons for the monitor checks (the window system's RECT is
// a plain record).
static bool operator==(const RECT& A, const RECT& B)
{
    return A.left == B.left && A.top == B.top && A.right == B.right && A.bottom == B.bottom;
}
static std::ostream& operator<<(std::ostream& Out, const RECT& R)
{
    return Out << "(" << R.left << ", " << R.top << ", " << R.right << ", " << R.bottom << ")";
}

namespace
{

LRESULT WhiteProc(HWND Window, UINT Message, WPARAM WParam, LPARAM LParam)
{
    if (Message == WM_PAINT)
    {
        PAINTSTRUCT Paint;
        HDC Dc = BeginPaint(Window, &Paint);
        FillRect(*Dc, {0, 0, 100, 100}, gfx::TBrush::Solid(White));
        EndPaint(Window, &Paint);
        return 0;
    }
    return DefWindowProc(Window, Message, WParam, LParam);
}

class ServicesTest : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        TDesktop& D = TDesktop::Instance();
        D.Active = D.Focus = D.Capture = nullptr;
        if (!TClassRegistry::Instance().Find("White"))
        {
            WNDCLASS Class{};
            Class.lpfnWndProc = WhiteProc;
            Class.lpszClassName = "White";
            RegisterClass(&Class);
        }
        FWindow = CreateWindowEx(0, "White", "", WS_POPUP | WS_VISIBLE, 10, 10, 100, 100, nullptr,
                                 nullptr, nullptr, nullptr);
        FDesktop.Pump();
    }
    void TearDown() override
    {
        DestroyCaret();
        DestroyWindow(FWindow);
        FDesktop.Pump();
    }
    THeadlessDesktop FDesktop{320, 240};
    HWND FWindow = nullptr;
};

TEST_F(ServicesTest, CaretBlinksOnTheClockAndStaysOutOfPainting)
{
    ASSERT_TRUE(CreateCaret(FWindow, nullptr, 2, 10));
    SetCaretPos(5, 5);
    EXPECT_EQ(FDesktop.ScreenPixel(15, 15), White) << "created hidden";
    ShowCaret(FWindow);
    FDesktop.Pump();
    EXPECT_EQ(FDesktop.ScreenPixel(15, 15), Black) << "shown: the pixels are inverted";
    EXPECT_EQ(FDesktop.ScreenPixel(17, 15), White);
    FDesktop.Advance(GetCaretBlinkTime());
    EXPECT_EQ(FDesktop.ScreenPixel(15, 15), White);
    FDesktop.Advance(GetCaretBlinkTime());
    EXPECT_EQ(FDesktop.ScreenPixel(15, 15), Black);
    // A repaint under a drawn caret does not leave a stale inverted copy.
    InvalidateRect(FWindow, nullptr, FALSE);
    FDesktop.Pump();
    EXPECT_EQ(FDesktop.ScreenPixel(15, 15), Black);
    FDesktop.Advance(GetCaretBlinkTime());
    EXPECT_EQ(FDesktop.ScreenPixel(15, 15), White);
    HideCaret(FWindow);
    HideCaret(FWindow);
    ShowCaret(FWindow);
    FDesktop.Advance(GetCaretBlinkTime());
    EXPECT_EQ(FDesktop.ScreenPixel(15, 15), White) << "hide calls nest";
    ShowCaret(FWindow);
    FDesktop.Pump();
    EXPECT_EQ(FDesktop.ScreenPixel(15, 15), Black);
    POINT P{};
    GetCaretPos(&P);
    EXPECT_EQ(P.x, 5);
    DestroyCaret();
    FDesktop.Pump();
    EXPECT_EQ(FDesktop.ScreenPixel(15, 15), White);
}

TEST_F(ServicesTest, ScreenContextDrawsIntoTheWindowsUnderIt)
{
    HDC Screen = GetDC(nullptr);
    ASSERT_NE(Screen, nullptr);
    EXPECT_EQ(GetPixel(*Screen, 50, 50), White) << "it shows what the windows show";
    FillRect(*Screen, {5, 50, 60, 52},
             gfx::TBrush::Solid(Red)); // half on the window, half on the desktop
    ReleaseDC(nullptr, Screen);
    FDesktop.Pump();
    EXPECT_EQ(FDesktop.ScreenPixel(20, 50), Red);
    EXPECT_EQ(FDesktop.WindowPixel(FWindow, 10, 40), Red);
    EXPECT_EQ(FDesktop.ScreenPixel(6, 50), ColorToRGB(GetSysColor(COLOR_BACKGROUND)));
}

TEST_F(ServicesTest, ClipboardTextNeedsTheClipboardOpenToChange)
{
    EXPECT_FALSE(SetClipboardText("refused"));
    ASSERT_TRUE(OpenClipboard(FWindow));
    EXPECT_FALSE(OpenClipboard(FWindow));
    EXPECT_TRUE(EmptyClipboard());
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_TEXT));
    EXPECT_TRUE(SetClipboardText("433.00 MHz"));
    EXPECT_TRUE(CloseClipboard());
    EXPECT_EQ(GetClipboardText(), "433.00 MHz");
    EXPECT_EQ(FDesktop.ClipboardText(), "433.00 MHz") << "through the backend";
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_TEXT));
}

TEST_F(ServicesTest, CursorAndBeepReachTheBackend)
{
    int Beeps = FDesktop.Beeps();
    MessageBeep(MB_OK);
    EXPECT_EQ(FDesktop.Beeps(), Beeps + 1);
    SetCursor(LoadCursor(nullptr, IDC_HAND));
    EXPECT_EQ(FDesktop.CursorShape(), CursorId(LoadCursor(nullptr, IDC_HAND)));
    EXPECT_EQ(LoadCursor(nullptr, MAKEINTRESOURCE(1)), nullptr);
    RECT Work{};
    SystemParametersInfo(SPI_GETWORKAREA, 0, &Work, 0);
    EXPECT_EQ(Work.right, 320);
    EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), 240);
}

RECT Bounds(HMONITOR Monitor)
{
    MONITORINFO Info;
    if (!GetMonitorInfo(Monitor, &Info)) return {-1, -1, -1, -1};
    return Info.rcMonitor;
}

TEST_F(ServicesTest, OneMonitorUnlessTheDesktopListsMore)
{
    HMONITOR Only = MonitorFromWindow(FWindow, MONITOR_DEFAULTTONULL);
    ASSERT_NE(Only, nullptr);
    MONITORINFO Info;
    ASSERT_TRUE(GetMonitorInfo(Only, &Info));
    EXPECT_EQ(Info.rcMonitor, (RECT{0, 0, 320, 240}));
    EXPECT_EQ(Info.rcWork, (RECT{0, 0, 320, 240}));
    EXPECT_EQ(Info.dwFlags, MONITORINFOF_PRIMARY);
    EXPECT_EQ(GetSystemMetrics(SM_CMONITORS), 1);
    EXPECT_EQ(MonitorFromPoint({400, 10}, MONITOR_DEFAULTTONEAREST), Only);
}

TEST_F(ServicesTest, MonitorOfAWindowPointOrRectangle)
{
    const RECT A{0, 0, 320, 240}, B{320, 0, 640, 240};
    FDesktop.SetMonitors({{A, {0, 0, 320, 220}}, {B, B}});
    EXPECT_EQ(GetSystemMetrics(SM_CMONITORS), 2);
    RECT Work{};
    SystemParametersInfo(SPI_GETWORKAREA, 0, &Work, 0);
    EXPECT_EQ(Work, (RECT{0, 0, 320, 220}));

    struct TCase
    {
        POINT P;
        DWORD Flags;
        RECT Want; // {-1...} for none
    };
    const RECT None{-1, -1, -1, -1};
    const TCase Points[] = {
        {{10, 10}, MONITOR_DEFAULTTONULL, A},     {{400, 10}, MONITOR_DEFAULTTONULL, B},
        {{700, 10}, MONITOR_DEFAULTTONULL, None}, {{700, 10}, MONITOR_DEFAULTTOPRIMARY, A},
        {{700, 10}, MONITOR_DEFAULTTONEAREST, B}, {{-50, 300}, MONITOR_DEFAULTTONEAREST, A},
    };
    for (const TCase& C : Points)
        EXPECT_EQ(Bounds(MonitorFromPoint(C.P, C.Flags)), C.Want) << C.P.x << ", " << C.P.y;

    const RECT Straddling{300, 0, 400, 10}; // 20 columns on A, 80 on B
    EXPECT_EQ(Bounds(MonitorFromRect(&Straddling, MONITOR_DEFAULTTONULL)), B);
    EXPECT_EQ(Bounds(MonitorFromWindow(FWindow, MONITOR_DEFAULTTONULL)), A);
    SetWindowPos(FWindow, nullptr, 500, 50, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(Bounds(MonitorFromWindow(FWindow, MONITOR_DEFAULTTONULL)), B);
    EXPECT_EQ(MonitorFromWindow(nullptr, MONITOR_DEFAULTTONULL), nullptr);

    MONITORINFO Info;
    Info.cbSize = 0;
    EXPECT_FALSE(GetMonitorInfo(MonitorFromPoint({10, 10}, 0), &Info));
    Info.cbSize = sizeof(Info);
    EXPECT_FALSE(GetMonitorInfo(reinterpret_cast<HMONITOR>(3), &Info));
    EXPECT_FALSE(GetMonitorInfo(nullptr, &Info));
}

TEST_F(ServicesTest, NonClientMetricsGiveTheCaptionAndMenuFonts)
{
    NONCLIENTMETRICS Metrics;
    Metrics.cbSize = 0;
    EXPECT_FALSE(SystemParametersInfo(SPI_GETNONCLIENTMETRICS, 0, &Metrics, 0));
    Metrics.cbSize = sizeof(Metrics);
    ASSERT_TRUE(SystemParametersInfo(SPI_GETNONCLIENTMETRICS, sizeof(Metrics), &Metrics, 0));
    EXPECT_TRUE(Metrics.lfCaptionFont.Bold);
    EXPECT_FALSE(Metrics.lfMenuFont.Bold);
    EXPECT_EQ(Metrics.iCaptionHeight + 1, GetSystemMetrics(SM_CYCAPTION));
    EXPECT_EQ(Metrics.iMenuHeight + 1, GetSystemMetrics(SM_CYMENU));
}
} // namespace

TEST(DcOrigin, ClassicCallsReportThePreviousOrigin)
{
    TSurface S(10, 10, clWhite);
    TDeviceContext Dc(S);
    POINT Old{-1, -1};
    EXPECT_TRUE(SetWindowOrgEx(&Dc, 3, 4, &Old));
    EXPECT_EQ(Old.x, 0);
    EXPECT_TRUE(OffsetWindowOrgEx(&Dc, 1, 1, &Old));
    EXPECT_EQ(Old.y, 4);
    EXPECT_TRUE(SetViewportOrgEx(&Dc, 7, 8, nullptr));
    POINT Now{};
    EXPECT_TRUE(GetWindowOrgEx(&Dc, &Now));
    EXPECT_EQ(Now.x, 4);
    EXPECT_EQ(Now.y, 5);
    EXPECT_TRUE(GetViewportOrgEx(&Dc, &Now));
    EXPECT_EQ(Now.x, 7);
    EXPECT_FALSE(SetWindowOrgEx(nullptr, 0, 0, &Old));
}
