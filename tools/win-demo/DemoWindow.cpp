#include "DemoWindow.h"

#include "platform/gfx/Color.h"
#include "platform/gfx/DrawText.h"
#include "platform/gfx/Shapes.h"
#include "platform/win/WinApi.h"

#include <cmath>
#include <vector>

namespace
{
constexpr TColor Colors[] = {RGB(192, 64, 64), RGB(64, 160, 64), RGB(64, 96, 192),
                             RGB(208, 176, 48)};
constexpr int Margin = 8;

std::function<void(const std::string&)> ClickHandler;

std::string PanelName(int Index)
{
    std::string Name(1, static_cast<char>('A' + Index % 26));
    if (Index >= 26) Name += std::to_string(Index / 26);
    return Name;
}

LRESULT PanelProc(HWND Window, UINT Message, WPARAM WParam, LPARAM LParam)
{
    int Index = static_cast<int>(GetWindowLongPtr(Window, GWLP_USERDATA));
    switch (Message)
    {
    case WM_ERASEBKGND:
        return 1; // the paint covers every pixel
    case WM_PAINT:
    {
        PAINTSTRUCT Paint;
        HDC Dc = BeginPaint(Window, &Paint);
        RECT C;
        GetClientRect(Window, &C);
        FillRect(*Dc, {0, 0, C.right, C.bottom}, gfx::TBrush::Solid(DemoPanelColor(Index)));
        Dc->SetBkMode(TRANSPARENT);
        TRect Text{0, 0, C.right, C.bottom};
        DrawText(*Dc, PanelName(Index), Text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        EndPaint(Window, &Paint);
        return 0;
    }
    case WM_LBUTTONUP:
        if (ClickHandler) ClickHandler(PanelName(Index));
        return 0;
    default:
        return DefWindowProc(Window, Message, WParam, LParam);
    }
}

LRESULT FrameProc(HWND Window, UINT Message, WPARAM WParam, LPARAM LParam)
{
    switch (Message)
    {
    case WM_KEYDOWN:
        if (WParam == VK_ESCAPE) DestroyWindow(Window);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProc(Window, Message, WParam, LParam);
    }
}

bool RegisterClasses()
{
    static bool Registered = false;
    if (Registered) return true;
    WNDCLASS Frame{};
    Frame.lpfnWndProc = FrameProc;
    Frame.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    Frame.hCursor = LoadCursor(nullptr, IDC_ARROW);
    Frame.lpszClassName = "NovlaDemoFrame";
    WNDCLASS Panel{};
    Panel.lpfnWndProc = PanelProc;
    Panel.hCursor = LoadCursor(nullptr, IDC_HAND);
    Panel.lpszClassName = "NovlaDemoPanel";
    Registered = RegisterClass(&Frame) && RegisterClass(&Panel);
    return Registered;
}
} // namespace

TColor DemoPanelColor(int Index)
{
    return Colors[Index % 4];
}

HWND CreateDemoWindow(const TDemoOptions& Options)
{
    if (!RegisterClasses()) return nullptr;
    ClickHandler = Options.OnClick;
    HWND Frame = CreateWindowEx(
        0, "NovlaDemoFrame", "novla win-demo", WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN,
        Options.X, Options.Y, Options.Width, Options.Height, nullptr, nullptr, nullptr, nullptr);
    if (!Frame) return nullptr;
    RECT Client;
    GetClientRect(Frame, &Client);
    // A grid as close to square as the panel count allows.
    int Columns =
        std::max(1, static_cast<int>(std::ceil(std::sqrt(static_cast<double>(Options.Panels)))));
    int Rows = std::max(1, (Options.Panels + Columns - 1) / Columns);
    int CellW = (Client.right - Margin * (Columns + 1)) / Columns;
    int CellH = (Client.bottom - Margin * (Rows + 1)) / Rows;
    for (int I = 0; I < Options.Panels; ++I)
    {
        int X = Margin + (I % Columns) * (CellW + Margin);
        int Y = Margin + (I / Columns) * (CellH + Margin);
        HWND Panel = CreateWindowEx(
            0, "NovlaDemoPanel", "", WS_CHILD | WS_VISIBLE, X, Y, CellW, CellH, Frame,
            reinterpret_cast<HMENU>(static_cast<LONG_PTR>(I + 1)), nullptr, nullptr);
        if (!Panel) return nullptr;
        SetWindowLongPtr(Panel, GWLP_USERDATA, I);
    }
    if (Options.Round > 0)
    {
        TRegion Shape = TRegion::RoundRect(0, 0, Options.Width + 1, Options.Height + 1,
                                           Options.Round, Options.Round);
        SetWindowRgn(Frame, &Shape, FALSE);
    }
    ShowWindow(Frame, SW_SHOW);
    return Frame;
}
