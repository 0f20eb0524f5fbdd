#include "platform/win/headless/HeadlessDesktop.h"

#include "detail/Desktop.h"
#include "detail/Focus.h"
#include "detail/Input.h"
#include "detail/ThreadQueue.h"
#include "detail/WindowTable.h"
#include "platform/gfx/Blit.h"
#include "platform/gfx/Color.h"
#include "platform/gfx/DeviceContext.h"
#include "platform/gfx/PictureFile.h"
#include "platform/win/Focus.h"
#include "platform/win/Messaging.h"
#include "platform/win/ThreadQueue.h"
#include "platform/win/WinMessages.h"

namespace
{
// Over mixed with Under by Alpha of 255, each channel rounded.
TColor BlendPixel(TColor Under, TColor Over, BYTE Alpha)
{
    auto Mix = [&](int Shift)
    {
        const int U = static_cast<int>((Under >> Shift) & 0xFF);
        const int O = static_cast<int>((Over >> Shift) & 0xFF);
        return static_cast<TColor>((U * (255 - Alpha) + O * Alpha + 127) / 255) << Shift;
    };
    return Mix(0) | Mix(8) | Mix(16);
}
} // namespace

THeadlessDesktop::THeadlessDesktop(int Width, int Height) : FClock(std::make_shared<TFakeClock>())
{
    TDesktop& Desktop = TDesktop::Instance();
    FOldScreen = Desktop.Screen;
    FOldWorkArea = Desktop.WorkArea;
    Desktop.Screen = {0, 0, Width, Height};
    Desktop.WorkArea = Desktop.Screen;
    FOldMonitors = std::move(Desktop.Monitors);
    Desktop.Monitors.clear();
    Desktop.Cursor = {0, 0};
    ResetInput();
    if (Desktop.TopLevel.empty())
    {
        // A new desktop starts a session of its own: nothing an earlier one
        // left on this thread carries over, neither which window was active
        // nor the quit request its last main window posted on the way out.
        Desktop.Active = Desktop.Focus = Desktop.Capture = Desktop.Raising = nullptr;
        Desktop.AppActive = false;
        int ExitCode = 0;
        CurrentQueue().TakeQuit(ExitCode, true);
    }
    InstallClock(FClock);
    InstallBackend(this);
}

THeadlessDesktop::~THeadlessDesktop()
{
    InstallBackend(nullptr);
    InstallClock(nullptr);
    TDesktop::Instance().Screen = FOldScreen;
    TDesktop::Instance().WorkArea = FOldWorkArea;
    TDesktop::Instance().Monitors = std::move(FOldMonitors);
}

void THeadlessDesktop::SetMonitors(std::vector<TMonitorArea> Monitors)
{
    TDesktop& Desktop = TDesktop::Instance();
    if (!Monitors.empty()) Desktop.WorkArea = Monitors.front().Work;
    Desktop.Monitors = std::move(Monitors);
}

void THeadlessDesktop::Queue(const TRawInput& Input)
{
    QueueRawInput(Input);
}

void THeadlessDesktop::MouseMove(int X, int Y)
{
    TRawInput Input;
    Input.Kind = TRawInput::TKind::MouseMove;
    Input.Screen = {X, Y};
    Queue(Input);
}

void THeadlessDesktop::MouseDown(int X, int Y, TRawInput::TButton Button)
{
    TRawInput Input;
    Input.Kind = TRawInput::TKind::ButtonDown;
    Input.Screen = {X, Y};
    Input.Button = Button;
    Queue(Input);
}

void THeadlessDesktop::MouseUp(int X, int Y, TRawInput::TButton Button)
{
    TRawInput Input;
    Input.Kind = TRawInput::TKind::ButtonUp;
    Input.Screen = {X, Y};
    Input.Button = Button;
    Queue(Input);
}

void THeadlessDesktop::Click(int X, int Y, TRawInput::TButton Button)
{
    MouseMove(X, Y);
    MouseDown(X, Y, Button);
    MouseUp(X, Y, Button);
}

void THeadlessDesktop::Wheel(int X, int Y, int Delta)
{
    TRawInput Input;
    Input.Kind = TRawInput::TKind::Wheel;
    Input.Screen = {X, Y};
    Input.WheelDelta = Delta;
    Queue(Input);
}

void THeadlessDesktop::KeyDown(UINT VirtualKey)
{
    TRawInput Input;
    Input.Kind = TRawInput::TKind::KeyDown;
    Input.VirtualKey = VirtualKey;
    Queue(Input);
}

void THeadlessDesktop::KeyUp(UINT VirtualKey)
{
    TRawInput Input;
    Input.Kind = TRawInput::TKind::KeyUp;
    Input.VirtualKey = VirtualKey;
    Queue(Input);
}

void THeadlessDesktop::Press(UINT VirtualKey)
{
    KeyDown(VirtualKey);
    KeyUp(VirtualKey);
}

bool THeadlessDesktop::DropFiles(int X, int Y, const std::vector<std::string>& Files)
{
    return ::DropFiles({X, Y}, Files) != FALSE;
}

int THeadlessDesktop::Pump()
{
    int Count = 0;
    MSG Msg;
    while (PeekMessage(&Msg, nullptr, 0, 0, PM_REMOVE))
    {
        if (Msg.message == WM_QUIT)
        {
            // Left for the caller's own loop.
            PostQuitMessage(static_cast<int>(Msg.wParam));
            break;
        }
        TranslateMessage(&Msg);
        DispatchMessage(&Msg);
        ++Count;
    }
    return Count;
}

void THeadlessDesktop::Advance(TClock::TimeMs Milliseconds)
{
    FClock->Advance(Milliseconds);
    Pump();
}

void THeadlessDesktop::FocusOtherProgram()
{
    AppFocusLost();
}

void THeadlessDesktop::FocusWindow(HWND Window)
{
    SetActiveWindow(Window);
}

TSurface THeadlessDesktop::Screen() const
{
    const RECT& S = TDesktop::Instance().Screen;
    TSurface Result(S.right - S.left, S.bottom - S.top, ColorToRGB(GetSysColor(COLOR_BACKGROUND)));
    // Bottom-most first, so that windows higher up cover it.
    const auto& Order = TDesktop::Instance().TopLevel;
    for (auto It = Order.rbegin(); It != Order.rend(); ++It)
    {
        auto Found = FWindows.find((*It)->Handle);
        if (Found == FWindows.end() || !Found->second.Shown || Found->second.Picture.IsEmpty())
            continue;
        const TTopLevel& W = Found->second;
        TRect Area{W.Rect.left, W.Rect.top, W.Rect.right, W.Rect.bottom};
        TRegion Visible(TRect{0, 0, Area.Width(), Area.Height()});
        if (W.Shape) Visible.Intersect(*W.Shape);
        if (W.Opacity == 255)
        {
            TDeviceContext Dc(Result, Area, Visible);
            BitBlt(Dc, 0, 0, Area.Width(), Area.Height(), W.Picture, 0, 0);
            continue;
        }
        // A fading window: each channel mixed with what lies under it.
        for (int Y = 0; Y < Area.Height(); ++Y)
            for (int X = 0; X < Area.Width(); ++X)
            {
                const int SX = Area.Left + X, SY = Area.Top + Y;
                if (!Visible.Contains(X, Y) || SX < 0 || SY < 0 || SX >= Result.Width() ||
                    SY >= Result.Height() || X >= W.Picture.Width() || Y >= W.Picture.Height())
                    continue;
                Result.SetPixel(SX, SY,
                                BlendPixel(Result.Pixel(SX, SY), W.Picture.Pixel(X, Y), W.Opacity));
            }
    }
    return Result;
}

TColor THeadlessDesktop::ScreenPixel(int X, int Y) const
{
    return Screen().Pixel(X, Y);
}

TColor THeadlessDesktop::WindowPixel(HWND Window, int X, int Y) const
{
    auto Found = FWindows.find(Window);
    if (Found == FWindows.end() || Found->second.Picture.IsEmpty()) return CLR_INVALID;
    return Found->second.Picture.Pixel(X, Y);
}

int THeadlessDesktop::PresentCount(HWND Window) const
{
    auto Found = FWindows.find(Window);
    return Found == FWindows.end() ? 0 : Found->second.Presents;
}

bool THeadlessDesktop::SaveScreenshot(const std::string& Path) const
{
    return SavePicture(Path, Screen()) == TCodecStatus::Ok;
}

void THeadlessDesktop::WindowCreated(HWND Window)
{
    FWindows[Window];
}

void THeadlessDesktop::WindowDestroyed(HWND Window)
{
    FWindows.erase(Window);
}

void THeadlessDesktop::WindowChanged(HWND Window, const RECT& ScreenRect, bool Shown)
{
    TTopLevel& W = FWindows[Window];
    W.Rect = ScreenRect;
    W.Shown = Shown;
}

void THeadlessDesktop::WindowShapeChanged(HWND Window, const TRegion* Region)
{
    FWindows[Window].Shape = Region ? std::make_unique<TRegion>(*Region) : nullptr;
}

void THeadlessDesktop::WindowOpacityChanged(HWND Window, BYTE Alpha)
{
    FWindows[Window].Opacity = Alpha;
}

BYTE THeadlessDesktop::Opacity(HWND Window) const
{
    auto Found = FWindows.find(Window);
    return Found == FWindows.end() ? 255 : Found->second.Opacity;
}

void THeadlessDesktop::Present(HWND Window, const TSurface& Picture)
{
    TTopLevel& W = FWindows[Window];
    W.Picture = Picture.Clone();
    ++W.Presents;
}

POINT THeadlessDesktop::CursorPos()
{
    return TDesktop::Instance().Cursor;
}
