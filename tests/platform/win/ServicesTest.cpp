#include "WinTestSupport.h"

#include "platform/gfx/Color.h"
#include "platform/gfx/Shapes.h"
#include "platform/win/Desktop.h"
#include "platform/win/headless/HeadlessDesktop.h"

namespace
{
constexpr TColor White = RGB(255, 255, 255), Black = RGB(0, 0, 0), Red = RGB(255, 0, 0);

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
