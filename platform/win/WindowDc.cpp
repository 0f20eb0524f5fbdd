#include "platform/win/WindowDc.h"

#include "detail/Animation.h"
#include "detail/Caret.h"
#include "detail/Desktop.h"
#include "detail/WindowGeometry.h"
#include "detail/WindowTable.h"
#include "detail/WindowTree.h"
#include "platform/win/Backend.h"
#include "platform/win/LastError.h"
#include "platform/win/Messaging.h"
#include "platform/win/WinMessages.h"
#include "platform/win/WinPaint.h"
#include "platform/win/WinStyles.h"
#include "platform/win/WindowApi.h"

#include "detail/WindowDc.h"
#include "platform/gfx/Color.h"

#include <algorithm>
#include <array>
#include <map>
#include <memory>
#include <vector>

namespace
{
// A context handed out by GetDC and friends; it keeps the back buffer it
// draws into alive even if the window is resized or destroyed meanwhile.
struct TWindowDc
{
    HWND Window;
    std::shared_ptr<TSurface> Surface;
    std::unique_ptr<TDeviceContext> Dc;
    // Screen contexts: the screen as it was, to find what was drawn.
    std::unique_ptr<TSurface> Before;
};

std::map<HDC, TWindowDc>& OpenDcs()
{
    static std::map<HDC, TWindowDc> Dcs;
    return Dcs;
}

// The region of Window in root coordinates, when it has one.
void ClipToWindowRegion(const TWindow& Window, TRegion& Area)
{
    if (!Window.Region) return;
    TRegion Shape = *Window.Region;
    TRect Outer = WindowAreaInRoot(Window);
    Shape.Offset(Outer.Left, Outer.Top);
    Area.Intersect(Shape);
}

TRegion AreaOf(const TWindow& Window)
{
    TRegion Area(WindowAreaInRoot(Window));
    ClipToWindowRegion(Window, Area);
    return Area;
}

HDC OpenDc(TWindow& Window, bool Client, const TRegion* Limit)
{
    TWindow* Root = RootOf(&Window);
    if (!Root->BackBuffer) SizeBackBuffer(*Root);
    TRect Area = Client ? ClientAreaInRoot(Window) : WindowAreaInRoot(Window);
    TRegion Visible = VisibleRegion(Window, Client);
    if (Limit) Visible.Intersect(*Limit);
    Visible.Offset(-Area.Left, -Area.Top);
    TWindowDc Record{Window.Handle, Root->BackBuffer, nullptr, nullptr};
    Record.Dc = std::make_unique<TDeviceContext>(*Record.Surface, Area, Visible);
    HDC Dc = Record.Dc.get();
    OpenDcs().emplace(Dc, std::move(Record));
    return Dc;
}
} // namespace

TRect WindowAreaInRoot(const TWindow& Window)
{
    const TWindow* Root = &Window;
    while (Root->Parent)
        Root = Root->Parent;
    RECT Outer = ScreenWindowRect(Window);
    RECT RootOuter = ScreenWindowRect(*Root);
    return ToTRect(Outer).Offset(-RootOuter.left, -RootOuter.top);
}

TRect ClientAreaInRoot(const TWindow& Window)
{
    TRect Outer = WindowAreaInRoot(Window);
    return ToTRect(Window.ClientRect).Offset(Outer.Left, Outer.Top);
}

TRegion VisibleRegion(const TWindow& Window, bool Client)
{
    TRegion Visible(Client ? ClientAreaInRoot(Window) : WindowAreaInRoot(Window));
    ClipToWindowRegion(Window, Visible);
    for (const TWindow* A = Window.Parent; A; A = A->Parent)
    {
        Visible.IntersectRect(ClientAreaInRoot(*A));
        ClipToWindowRegion(*A, Visible);
    }
    for (const TWindow* X = &Window; X->Parent; X = X->Parent)
    {
        if (!(X->Style & WS_CLIPSIBLINGS)) continue;
        for (const TWindow* Sibling : X->Parent->Children)
        {
            if (Sibling == X) break; // the rest lie below
            if (Sibling->Style & WS_VISIBLE) Visible.Subtract(AreaOf(*Sibling));
        }
    }
    if (Window.Style & WS_CLIPCHILDREN)
        for (const TWindow* Child : Window.Children)
            if (Child->Style & WS_VISIBLE) Visible.Subtract(AreaOf(*Child));
    return Visible;
}

void SizeBackBuffer(TWindow& Window)
{
    int Width = std::max(1, static_cast<int>(Window.WindowRect.right - Window.WindowRect.left));
    int Height = std::max(1, static_cast<int>(Window.WindowRect.bottom - Window.WindowRect.top));
    if (Window.BackBuffer && Window.BackBuffer->Width() == Width &&
        Window.BackBuffer->Height() == Height)
        return;
    Window.BackBuffer =
        std::make_shared<TSurface>(Width, Height, ColorToRGB(GetSysColor(COLOR_BTNFACE)));
    Window.Dirty = true;
}

void PresentDirtyWindows()
{
    TBackend* Backend = CurrentBackend();
    for (TWindow* Window : TDesktop::Instance().TopLevel)
    {
        if (!Window->Dirty || !Window->BackBuffer) continue;
        Window->Dirty = false;
        if (!Backend || !(Window->Style & WS_VISIBLE)) continue;
        if (auto Moved = AnimatedPicture(*Window))
            Backend->Present(Window->Handle, *Moved);
        else
            Backend->Present(Window->Handle, *Window->BackBuffer);
    }
}

namespace
{
// The visible top-level windows, bottom first, with their screen rectangles.
std::vector<TWindow*> ShownTopLevel()
{
    std::vector<TWindow*> Result;
    const auto& Order = TDesktop::Instance().TopLevel;
    for (auto It = Order.rbegin(); It != Order.rend(); ++It)
        if (((*It)->Style & WS_VISIBLE) && (*It)->BackBuffer) Result.push_back(*It);
    return Result;
}

bool OnWindow(const TWindow& Window, const RECT& Screen, int X, int Y)
{
    if (!PointInRect(Screen, {X, Y})) return false;
    return !Window.Region || Window.Region->Contains(X - Screen.left, Y - Screen.top);
}

// A context on the whole screen: a picture of what the windows show now.
// What is drawn into it goes, on release, into the windows under it.
HDC OpenScreenDc()
{
    const RECT& S = TDesktop::Instance().Screen;
    auto Screen = std::make_shared<TSurface>(S.right - S.left, S.bottom - S.top,
                                             ColorToRGB(GetSysColor(COLOR_BACKGROUND)));
    for (TWindow* W : ShownTopLevel())
    {
        RECT R = ScreenWindowRect(*W);
        for (int Y = std::max(R.top, S.top); Y < std::min(R.bottom, S.bottom); ++Y)
            for (int X = std::max(R.left, S.left); X < std::min(R.right, S.right); ++X)
                if (OnWindow(*W, R, X, Y))
                    Screen->Row(Y - S.top)[X - S.left] = W->BackBuffer->Row(Y - R.top)[X - R.left];
    }
    TWindowDc Record{nullptr, Screen, std::make_unique<TDeviceContext>(*Screen),
                     std::make_unique<TSurface>(Screen->Clone())};
    HDC Dc = Record.Dc.get();
    OpenDcs().emplace(Dc, std::move(Record));
    return Dc;
}

void ReleaseScreenDc(TWindowDc& Record)
{
    const RECT& S = TDesktop::Instance().Screen;
    std::vector<TWindow*> Windows = ShownTopLevel();
    for (int Y = 0; Y < Record.Surface->Height(); ++Y)
        for (int X = 0; X < Record.Surface->Width(); ++X)
        {
            uint32_t Now = Record.Surface->Row(Y)[X];
            if (Now == Record.Before->Row(Y)[X]) continue;
            // The topmost window at this point gets the pixel.
            for (auto It = Windows.rbegin(); It != Windows.rend(); ++It)
            {
                RECT R = ScreenWindowRect(**It);
                if (!OnWindow(**It, R, X + S.left, Y + S.top)) continue;
                (*It)->BackBuffer->Row(Y + S.top - R.top)[X + S.left - R.left] = Now;
                (*It)->Dirty = true;
                break;
            }
        }
}
} // namespace

HDC GetDC(HWND Handle)
{
    if (!Handle) return OpenScreenDc();
    TWindow* Window = OwnWindow(Handle);
    if (!Window || Window->MessageOnly) return nullptr;
    return OpenDc(*Window, true, nullptr);
}

HDC GetWindowDC(HWND Handle)
{
    if (!Handle) return OpenScreenDc();
    TWindow* Window = OwnWindow(Handle);
    if (!Window || Window->MessageOnly) return nullptr;
    return OpenDc(*Window, false, nullptr);
}

int ReleaseDC(HWND Handle, HDC Dc)
{
    auto It = OpenDcs().find(Dc);
    if (It == OpenDcs().end() || It->second.Window != Handle) return 0;
    if (!Handle) ReleaseScreenDc(It->second);
    if (TWindow* Window = TWindowTable::Instance().FindOwn(Handle)) RootOf(Window)->Dirty = true;
    OpenDcs().erase(It);
    return 1;
}

HWND WindowFromDC(HDC Dc)
{
    auto It = OpenDcs().find(Dc);
    return It == OpenDcs().end() ? nullptr : It->second.Window;
}

HDC BeginPaint(HWND Handle, PAINTSTRUCT* Paint)
{
    TWindow* Window = OwnWindow(Handle);
    if (!Window || !Paint || Window->MessageOnly) return nullptr;
    if (Window->FrameNeeded)
    {
        Window->FrameNeeded = false;
        SendMessage(Handle, WM_NCPAINT, 1, 0);
        if (!(Window = OwnWindow(Handle))) return nullptr;
    }
    CaretBeforePaint(Handle);
    TRegion Update = Window->Update;
    bool Erase = Window->EraseNeeded;
    Window->Update = TRegion();
    Window->EraseNeeded = false;
    Window->InternalPaint = false;
    TRect Outer = WindowAreaInRoot(*Window);
    Update.Offset(Outer.Left, Outer.Top);
    HDC Dc = OpenDc(*Window, true, &Update);
    *Paint = PAINTSTRUCT{};
    Paint->hdc = Dc;
    if (Erase) Paint->fErase = !SendMessage(Handle, WM_ERASEBKGND, reinterpret_cast<WPARAM>(Dc), 0);
    TRect Box =
        Update.Box().Offset(-ClientAreaInRoot(*Window).Left, -ClientAreaInRoot(*Window).Top);
    Paint->rcPaint = {Box.Left, Box.Top, Box.Right, Box.Bottom};
    return Dc;
}

void EraseUpdate(TWindow& Window)
{
    HWND Handle = Window.Handle;
    TRegion Update = Window.Update;
    TRect Outer = WindowAreaInRoot(Window);
    Update.Offset(Outer.Left, Outer.Top);
    HDC Dc = OpenDc(Window, true, &Update);
    SendMessage(Handle, WM_ERASEBKGND, reinterpret_cast<WPARAM>(Dc), 0);
    ReleaseDC(Handle, Dc);
}

BOOL EndPaint(HWND Handle, const PAINTSTRUCT* Paint)
{
    if (!Paint) return FALSE;
    BOOL Released = ReleaseDC(Handle, Paint->hdc) ? TRUE : FALSE;
    CaretAfterPaint(Handle);
    return Released;
}

HBRUSH GetSysColorBrush(int Index)
{
    static std::array<gfx::TBrush, COLOR_COUNT> Brushes = []
    {
        std::array<gfx::TBrush, COLOR_COUNT> Result;
        for (int I = 0; I < COLOR_COUNT; ++I)
            Result[I] = gfx::TBrush::Solid(ColorToRGB(GetSysColor(I)));
        return Result;
    }();
    if (Index < 0 || Index >= COLOR_COUNT) return nullptr;
    return reinterpret_cast<HBRUSH>(&Brushes[Index]);
}

gfx::TBrush BrushFromHandle(HBRUSH Brush)
{
    auto Value = reinterpret_cast<ULONG_PTR>(Brush);
    if (Value == 0) return gfx::TBrush::Clear();
    if (Value <= COLOR_COUNT)
        return gfx::TBrush::Solid(ColorToRGB(GetSysColor(static_cast<int>(Value - 1))));
    return *reinterpret_cast<const gfx::TBrush*>(Brush);
}
