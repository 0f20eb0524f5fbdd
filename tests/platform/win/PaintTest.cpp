#include "WinTestSupport.h"

#include "detail/Desktop.h"
#include "detail/WindowClass.h"
#include "platform/gfx/Color.h"
#include "platform/gfx/Shapes.h"
#include "platform/win/headless/HeadlessDesktop.h"

#include <map>

namespace
{
// Colour each window paints its whole client area with, ignoring rcPaint,
// so that the clipping is what keeps it inside the update region.
std::map<HWND, TColor>& Fill()
{
    static std::map<HWND, TColor> Colors;
    return Colors;
}

LRESULT PainterProc(HWND Window, UINT Message, WPARAM WParam, LPARAM LParam)
{
    LogMessage(Window, Message, WParam, LParam);
    if (Message == WM_PAINT)
    {
        PAINTSTRUCT Paint;
        HDC Dc = BeginPaint(Window, &Paint);
        RECT C;
        GetClientRect(Window, &C);
        FillRect(*Dc, {0, 0, C.right, C.bottom}, gfx::TBrush::Solid(Fill()[Window]));
        EndPaint(Window, &Paint);
        return 0;
    }
    if (Message == WM_PRINTCLIENT)
    {
        RECT C;
        GetClientRect(Window, &C);
        FillRect(*reinterpret_cast<HDC>(WParam), {0, 0, C.right, C.bottom},
                 gfx::TBrush::Solid(Fill()[Window]));
        return 0;
    }
    return DefWindowProc(Window, Message, WParam, LParam);
}

class PaintTest : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        TDesktop& D = TDesktop::Instance();
        D.Active = D.Focus = D.Capture = nullptr;
        D.AppActive = false;
        if (!TClassRegistry::Instance().Find("Painter"))
        {
            WNDCLASS Class{};
            Class.lpfnWndProc = PainterProc;
            Class.lpszClassName = "Painter";
            Class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
            RegisterClass(&Class);
        }
        MessageLog().clear();
    }
    void TearDown() override
    {
        for (HWND W : FWindows)
            if (IsWindow(W)) DestroyWindow(W);
        FDesktop.Pump();
        MessageLog().clear();
    }
    HWND Make(DWORD Style, HWND Parent, RECT R, TColor Color, DWORD ExStyle = 0)
    {
        HWND W = CreateWindowEx(ExStyle, "Painter", "Title", Style, R.left, R.top, R.right - R.left,
                                R.bottom - R.top, Parent, nullptr, nullptr, nullptr);
        Fill()[W] = Color;
        FWindows.push_back(W);
        return W;
    }
    std::vector<TLogged> Painting()
    {
        return Only(MessageLog(), {WM_PAINT, WM_NCPAINT, WM_ERASEBKGND});
    }
    // The desktop's pump, marking what comes from the queue as posted.
    void PumpLogged() { PumpLoggedMessages(true); }

    THeadlessDesktop FDesktop{640, 480};
    std::vector<HWND> FWindows;
};

TEST_F(PaintTest, FirstShowPaintsFrameBackgroundAndClientInOrder)
{
    HWND Top = Make(WS_POPUP | WS_CAPTION | WS_VISIBLE, nullptr, {10, 10, 210, 110}, Red);
    HWND Inner = Make(WS_CHILD | WS_VISIBLE, Top, {10, 10, 60, 40}, Blue);
    MessageLog().clear();
    PumpLogged();
    const TMsgRow Painted[] = {{WM_PAINT, posted, 0, 0, Top},
                               {WM_NCPAINT, sent, 1, std::nullopt, Top},
                               {WM_ERASEBKGND, sent, std::nullopt, 0, Top},
                               {WM_PAINT, posted, 0, 0, Inner},
                               {WM_ERASEBKGND, sent, std::nullopt, 0, Inner},
                               {}};
    ExpectSequence(Painted, "first paint");
    // Top's client starts at (13, 32) on the screen: frame 3, caption 19.
    EXPECT_EQ(FDesktop.ScreenPixel(15, 40), Red);
    EXPECT_EQ(FDesktop.ScreenPixel(13 + 10, 32 + 10), Blue);
    EXPECT_EQ(FDesktop.ScreenPixel(150, 15), ColorToRGB(GetSysColor(COLOR_ACTIVECAPTION)));
    EXPECT_EQ(FDesktop.ScreenPixel(10, 10), ColorToRGB(GetSysColor(COLOR_3DLIGHT)));
    EXPECT_EQ(FDesktop.ScreenPixel(5, 5), ColorToRGB(GetSysColor(COLOR_BACKGROUND)));
    EXPECT_EQ(FDesktop.PresentCount(Top), 1) << "one present for the window and its children";
}

TEST_F(PaintTest, PaintStaysInsideTheUpdateRegionAndOutOfClippedChildren)
{
    struct TCase
    {
        const char* Name;
        DWORD ParentClip;
        bool ChildRepainted;
    };
    const TCase Cases[] = {{"clip children", WS_CLIPCHILDREN, false}, {"no clipping", 0, true}};
    for (const TCase& Case : Cases)
    {
        SCOPED_TRACE(Case.Name);
        HWND Top = Make(WS_POPUP | WS_VISIBLE | Case.ParentClip, nullptr, {0, 0, 200, 100}, Red);
        HWND Inner = Make(WS_CHILD | WS_VISIBLE, Top, {20, 20, 60, 60}, Blue);
        FDesktop.Pump();
        Fill()[Top] = Green;
        MessageLog().clear();
        RECT Area{10, 10, 40, 40};
        InvalidateRect(Top, &Area, FALSE);
        FDesktop.Pump();
        EXPECT_EQ(FDesktop.ScreenPixel(15, 15), Green) << "inside the update region";
        EXPECT_EQ(FDesktop.ScreenPixel(45, 15), Red) << "outside it";
        EXPECT_EQ(FDesktop.ScreenPixel(30, 30), Blue) << "the child on top";
        bool ChildPainted = !Only(Painting(), {WM_PAINT}).empty() &&
                            Only(Painting(), {WM_PAINT}).back().Window == Inner;
        EXPECT_EQ(ChildPainted, Case.ChildRepainted);
        DestroyWindow(Top);
        FDesktop.Pump();
    }
}

TEST_F(PaintTest, SiblingsAboveClipWithClipSiblings)
{
    HWND Top = Make(WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, nullptr, {0, 0, 200, 100}, Red);
    HWND Upper = Make(WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, Top, {10, 10, 60, 60}, Blue);
    HWND Lower = Make(WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, Top, {40, 40, 90, 90}, Green);
    FDesktop.Pump();
    InvalidateRect(Lower, nullptr, FALSE);
    FDesktop.Pump();
    EXPECT_EQ(FDesktop.ScreenPixel(50, 50), Blue)
        << "the lower sibling does not paint over the upper one";
    EXPECT_EQ(FDesktop.ScreenPixel(70, 70), Green);
    (void)Upper;
}

TEST_F(PaintTest, MovingAChildRepaintsWhatItUncovered)
{
    HWND Top = Make(WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, nullptr, {0, 0, 200, 100}, Red);
    HWND Inner = Make(WS_CHILD | WS_VISIBLE, Top, {10, 10, 40, 40}, Blue);
    FDesktop.Pump();
    int Presents = FDesktop.PresentCount(Top);
    SetWindowPos(Inner, nullptr, 100, 10, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    FDesktop.Pump();
    EXPECT_EQ(FDesktop.ScreenPixel(20, 20), Red);
    EXPECT_EQ(FDesktop.ScreenPixel(110, 20), Blue);
    EXPECT_EQ(FDesktop.PresentCount(Top), Presents + 1);
    FDesktop.Pump();
    EXPECT_EQ(FDesktop.PresentCount(Top), Presents + 1) << "nothing changed, nothing presented";
}

TEST_F(PaintTest, EraseUsesTheClassBrushUnlessAnswered)
{
    HWND Top = Make(WS_POPUP | WS_VISIBLE, nullptr, {0, 0, 100, 100}, Red);
    FDesktop.Pump();
    HDC Dc = GetDC(Top);
    ASSERT_NE(Dc, nullptr);
    EXPECT_EQ(DefWindowProc(Top, WM_ERASEBKGND, reinterpret_cast<WPARAM>(Dc), 0), 1);
    ReleaseDC(Top, Dc);
    FDesktop.Pump();
    EXPECT_EQ(FDesktop.ScreenPixel(50, 50), ColorToRGB(GetSysColor(COLOR_WINDOW)));
    RECT Update{};
    EXPECT_FALSE(GetUpdateRect(Top, &Update, FALSE));
    InvalidateRect(Top, nullptr, TRUE);
    EXPECT_TRUE(GetUpdateRect(Top, &Update, FALSE));
    EXPECT_EQ(Update.right, 100);
}

// Answers WM_PAINT without BeginPaint.
LRESULT LazyProc(HWND Window, UINT Message, WPARAM WParam, LPARAM LParam)
{
    LogMessage(Window, Message, WParam, LParam);
    if (Message == WM_PAINT) return 0;
    return DefWindowProc(Window, Message, WParam, LParam);
}

TEST_F(PaintTest, APaintThatDoesNotValidateIsNotRepeated)
{
    WNDCLASS Class{};
    Class.lpfnWndProc = LazyProc;
    Class.lpszClassName = "Lazy";
    RegisterClass(&Class);
    HWND W = CreateWindowEx(0, "Lazy", "", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr, nullptr,
                            nullptr, nullptr);
    FWindows.push_back(W);
    FDesktop.Pump();
    EXPECT_EQ(Only(MessageLog(), {WM_PAINT}).size(), 1u);
}

TEST_F(PaintTest, UpdateWindowPaintsAtOnce)
{
    HWND Top = Make(WS_POPUP | WS_VISIBLE, nullptr, {0, 0, 100, 100}, Red);
    FDesktop.Pump();
    InvalidateRect(Top, nullptr, FALSE);
    MessageLog().clear();
    UpdateWindow(Top);
    UpdateWindow(Top); // nothing left to paint
    const TMsgRow Painted[] = {{WM_PAINT, sent, 0, 0, Top}, {}};
    ExpectSequence(Painted, "UpdateWindow");
}

TEST_F(PaintTest, EraseNowAfterValidatingPartErasesWhatIsLeftAndPaintsLater)
{
    HWND Top = Make(WS_POPUP | WS_VISIBLE, nullptr, {0, 0, 100, 100}, Red);
    FDesktop.Pump();
    InvalidateRect(Top, nullptr, TRUE);
    MessageLog().clear();
    const RECT Left{0, 0, 50, 100};
    RedrawWindow(Top, &Left, nullptr, RDW_VALIDATE | RDW_ERASENOW);
    const TMsgRow Erased[] = {{WM_ERASEBKGND, sent, std::nullopt, 0, Top}, {}};
    ExpectSequence(Erased, "RDW_VALIDATE | RDW_ERASENOW");
    RECT Update{};
    ASSERT_TRUE(GetUpdateRect(Top, &Update, FALSE)) << "what was not validated stays invalid";
    EXPECT_EQ(Update.left, 50);
    EXPECT_EQ(Update.right, 100);
    // The class brush erased only that half.
    FDesktop.Pump();
    const TMsgRow Painted[] = {{WM_PAINT, posted, 0, 0, Top}, {}};
    MessageLog().clear();
    InvalidateRect(Top, &Left, FALSE);
    PumpLogged();
    ExpectSequence(Painted, "the paint comes as usual, nothing to erase");
}

TEST_F(PaintTest, CaptionFollowsActivation)
{
    HWND Dialog =
        Make(WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE, nullptr, {100, 100, 300, 200}, Red);
    FDesktop.Pump();
    EXPECT_EQ(FDesktop.ScreenPixel(150, 110), ColorToRGB(GetSysColor(COLOR_ACTIVECAPTION)));
    FDesktop.FocusOtherProgram();
    FDesktop.Pump();
    EXPECT_EQ(FDesktop.ScreenPixel(150, 110), ColorToRGB(GetSysColor(COLOR_INACTIVECAPTION)));
    FDesktop.FocusWindow(Dialog);
    FDesktop.Pump();
    EXPECT_EQ(FDesktop.ScreenPixel(150, 110), ColorToRGB(GetSysColor(COLOR_ACTIVECAPTION)));
}

TEST_F(PaintTest, WindowRegionShapesPaintingAndHitTesting)
{
    HWND Top = Make(WS_POPUP | WS_VISIBLE, nullptr, {100, 100, 200, 200}, Red);
    TRegion Shape(TRect{0, 0, 50, 100}); // the left half
    SetWindowRgn(Top, &Shape, TRUE);
    FDesktop.Pump();
    EXPECT_EQ(FDesktop.ScreenPixel(120, 150), Red);
    EXPECT_EQ(FDesktop.ScreenPixel(170, 150), ColorToRGB(GetSysColor(COLOR_BACKGROUND)));
    EXPECT_EQ(WindowFromPoint({120, 150}), Top);
    EXPECT_EQ(WindowFromPoint({170, 150}), nullptr);
    TRegion Back;
    EXPECT_EQ(GetWindowRgn(Top, &Back), SIMPLEREGION);
}

TEST_F(PaintTest, PrintDrawsAWindowAndItsChildrenIntoAGivenContext)
{
    HWND Top = Make(WS_POPUP | WS_CAPTION, nullptr, {0, 0, 200, 100},
                    Red); // hidden: printing needs no screen
    Make(WS_CHILD | WS_VISIBLE, Top, {10, 10, 60, 40}, Blue);
    TSurface Target(200, 100, RGB(1, 2, 3));
    TDeviceContext Dc(Target);
    SendMessage(Top, WM_PRINT, reinterpret_cast<WPARAM>(&Dc),
                PRF_NONCLIENT | PRF_CLIENT | PRF_CHILDREN);
    EXPECT_EQ(Target.Pixel(0, 0), ColorToRGB(GetSysColor(COLOR_3DLIGHT)));
    EXPECT_EQ(Target.Pixel(103, 72), Red);
    EXPECT_EQ(Target.Pixel(18, 37), Blue) << "the child at its place in the client area";
    TSurface Untouched(200, 100, RGB(1, 2, 3));
    TDeviceContext Other(Untouched);
    SendMessage(Top, WM_PRINT, reinterpret_cast<WPARAM>(&Other), PRF_CHECKVISIBLE | PRF_CLIENT);
    EXPECT_EQ(Untouched.Pixel(103, 72), RGB(1, 2, 3)) << "PRF_CHECKVISIBLE skips a hidden window";
}

TEST_F(PaintTest, WindowFromDCNamesTheWindowAnOpenContextDrawsInto)
{
    HWND Top = Make(WS_POPUP | WS_VISIBLE, nullptr, {0, 0, 100, 100}, Red);
    HWND Child = Make(WS_CHILD | WS_VISIBLE, Top, {10, 10, 60, 40}, Blue);
    FDesktop.Pump();
    HDC Client = GetDC(Child);
    HDC Whole = GetWindowDC(Top);
    HDC Screen = GetDC(nullptr);
    EXPECT_EQ(WindowFromDC(Client), Child);
    EXPECT_EQ(WindowFromDC(Whole), Top);
    EXPECT_EQ(WindowFromDC(Screen), nullptr);
    ReleaseDC(Child, Client);
    EXPECT_EQ(WindowFromDC(Client), nullptr) << "released";
    ReleaseDC(Top, Whole);
    ReleaseDC(nullptr, Screen);
    TSurface Bitmap(4, 4, Red);
    TDeviceContext Offscreen(Bitmap);
    EXPECT_EQ(WindowFromDC(&Offscreen), nullptr);
}

TEST_F(PaintTest, ScreenshotWritesAFile)
{
    Make(WS_POPUP | WS_VISIBLE, nullptr, {0, 0, 20, 20}, Red);
    FDesktop.Pump();
    std::string Path = ::testing::TempDir() + "novla-win-shot.png";
    EXPECT_TRUE(FDesktop.SaveScreenshot(Path));
    EXPECT_FALSE(FDesktop.SaveScreenshot(::testing::TempDir() + "shot.unknown"));
}
} // namespace
