#include "platform/win/sdl/SdlBackend.h"

#include "detail/Desktop.h"
#include "detail/Focus.h"
#include "detail/WindowTable.h"
#include "platform/gfx/Enlarge.h"
#include "platform/win/FileDrop.h"
#include "platform/win/Focus.h"
#include "platform/win/Input.h"
#include "platform/win/Messaging.h"
#include "platform/win/WinMessages.h"
#include "platform/win/WinStyles.h"
#include "platform/win/sdl/DesktopScale.h"
#include "platform/win/sdl/SdlKeys.h"

#include <SDL.h>
#include <SDL_shape.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdint>
#include <cstring>

#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

namespace
{
// What the signal handler reaches: it can only set a flag and wake the
// loop through the backend's descriptor.
std::atomic<bool> EndRequested = false;
std::atomic<int> SignalWakeFd = -1;
struct sigaction PreviousTerm, PreviousInt;

void WakeThrough(int Fd)
{
    const uint64_t One = 1;
    // A full counter already wakes the loop; nothing else can fail here.
    [[maybe_unused]] ssize_t Written = write(Fd, &One, sizeof One);
}

void OnEndSignal(int)
{
    const int SavedErrno = errno;
    EndRequested = true;
    if (const int Fd = SignalWakeFd; Fd >= 0) WakeThrough(Fd);
    errno = SavedErrno;
}

TRawInput::TButton ButtonFromSdl(Uint8 Button)
{
    if (Button == SDL_BUTTON_RIGHT) return TRawInput::TButton::Right;
    if (Button == SDL_BUTTON_MIDDLE) return TRawInput::TButton::Middle;
    return TRawInput::TButton::Left;
}

// Windows that must not take the keyboard focus (menus, lists, hints).
bool KeepsFocusAway(const TWindow& Window)
{
    return (Window.ExStyle & WS_EX_NOACTIVATE) ||
           ((Window.Style & WS_POPUP) && (Window.ExStyle & WS_EX_TOOLWINDOW));
}

SDL_SystemCursor SystemCursorFor(WORD Id)
{
    switch (Id)
    {
    case 32513:
        return SDL_SYSTEM_CURSOR_IBEAM;
    case 32514:
        return SDL_SYSTEM_CURSOR_WAIT;
    case 32515:
        return SDL_SYSTEM_CURSOR_CROSSHAIR;
    case 32642:
        return SDL_SYSTEM_CURSOR_SIZENWSE;
    case 32643:
        return SDL_SYSTEM_CURSOR_SIZENESW;
    case 32644:
        return SDL_SYSTEM_CURSOR_SIZEWE;
    case 32645:
        return SDL_SYSTEM_CURSOR_SIZENS;
    case 32646:
        return SDL_SYSTEM_CURSOR_SIZEALL;
    case 32648:
        return SDL_SYSTEM_CURSOR_NO;
    case 32649:
        return SDL_SYSTEM_CURSOR_HAND;
    default:
        return SDL_SYSTEM_CURSOR_ARROW;
    }
}
} // namespace

TSdlBackend::TSdlBackend(int Scale)
{
    // Without this the window surface pulls in an OpenGL stack (slower
    // start, far more memory) for nothing: we only copy pixels.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    SDL_SetHint(SDL_HINT_VIDEO_X11_NET_WM_BYPASS_COMPOSITOR, "0");
    // SDL's own handlers only queue an event, which a blocked loop may not
    // see for a long time; ours wake it. Closing a window is the window
    // system's business, not a request to quit.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
    if (SDL_InitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) return;
    // Without a display SDL falls back to drivers that show nothing; a
    // window nobody can see is no real window, unless asked for by name.
    const char* Driver = SDL_GetCurrentVideoDriver();
    if (Driver && !SDL_getenv("SDL_VIDEODRIVER") &&
        (!std::strcmp(Driver, "offscreen") || !std::strcmp(Driver, "dummy")))
    {
        SDL_QuitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS);
        SDL_SetError("no display (only the %s video driver is available)", Driver);
        return;
    }
    FStarted = true;
    FWakeEvent = SDL_RegisterEvents(1);
    FKeepAlive = SDL_CreateWindow("", 0, 0, 1, 1, SDL_WINDOW_HIDDEN | SDL_WINDOW_BORDERLESS);
    FX11 = TX11Connection::Of(FKeepAlive);
    FScale =
        Scale > 0 ? Scale : DesktopScale(SDL_getenv("GDK_SCALE"), FX11 ? FX11->Resources() : "");
    SDL_Rect Bounds;
    TDesktop& Desktop = TDesktop::Instance();
    if (SDL_GetDisplayBounds(0, &Bounds) == 0) Desktop.Screen = FromScreen(Bounds);
    Desktop.WorkArea =
        SDL_GetDisplayUsableBounds(0, &Bounds) == 0 ? FromScreen(Bounds) : Desktop.Screen;
    Desktop.Monitors.clear();
    for (int I = 0, N = SDL_GetNumVideoDisplays(); I < N; ++I)
    {
        if (SDL_GetDisplayBounds(I, &Bounds) != 0) continue;
        TMonitorArea Monitor{FromScreen(Bounds), FromScreen(Bounds)};
        if (SDL_GetDisplayUsableBounds(I, &Bounds) == 0) Monitor.Work = FromScreen(Bounds);
        Desktop.Monitors.push_back(Monitor);
    }
    FWakeFd = eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
    EndRequested = false;
    SignalWakeFd = FWakeFd;
    struct sigaction Action
    {
    };
    Action.sa_handler = OnEndSignal;
    sigemptyset(&Action.sa_mask);
    // Other threads' blocking calls go on; the loop is woken by the descriptor.
    Action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &Action, &PreviousTerm);
    sigaction(SIGINT, &Action, &PreviousInt);
    InstallBackend(this);
}

TSdlBackend::~TSdlBackend()
{
    if (!FStarted) return;
    InstallBackend(nullptr);
    sigaction(SIGTERM, &PreviousTerm, nullptr);
    sigaction(SIGINT, &PreviousInt, nullptr);
    SignalWakeFd = -1;
    if (FWakeFd >= 0) close(FWakeFd);
    // Closing a lost display ends the process inside the X library: what
    // SDL holds of it is left to the process's end.
    if (!Usable()) return;
    for (auto& [Handle, Os] : FWindows)
        if (Os.Window) SDL_DestroyWindow(Os.Window);
    for (auto& [Id, Cursor] : FCursors)
        SDL_FreeCursor(Cursor);
    if (FKeepAlive) SDL_DestroyWindow(FKeepAlive);
    SDL_QuitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS);
}

int TSdlBackend::FromScreen(int Value) const
{
    // Rounded down, also left of and above the origin.
    return Value >= 0 ? Value / FScale : -((-Value + FScale - 1) / FScale);
}

RECT TSdlBackend::FromScreen(const SDL_Rect& R) const
{
    return {FromScreen(R.x), FromScreen(R.y), FromScreen(R.x + R.w), FromScreen(R.y + R.h)};
}

TSdlBackend::TOsWindow* TSdlBackend::Find(HWND Window)
{
    auto It = FWindows.find(Window);
    return It == FWindows.end() ? nullptr : &It->second;
}

HWND TSdlBackend::FindById(unsigned WindowId)
{
    SDL_Window* Target = SDL_GetWindowFromID(WindowId);
    for (auto& [Handle, Os] : FWindows)
        if (Os.Window && Os.Window == Target) return Handle;
    return nullptr;
}

void TSdlBackend::Create(HWND Handle, TOsWindow& Os)
{
    TWindow* Window = TWindowTable::Instance().FindOwn(Handle);
    if (!Window) return;
    Uint32 Flags = SDL_WINDOW_BORDERLESS | SDL_WINDOW_HIDDEN;
    if ((Window->ExStyle & WS_EX_TOOLWINDOW) || Window->Owner) Flags |= SDL_WINDOW_SKIP_TASKBAR;
    if (Window->ExStyle & WS_EX_TOPMOST) Flags |= SDL_WINDOW_ALWAYS_ON_TOP;
    const int X = ToScreen(Os.Rect.left), Y = ToScreen(Os.Rect.top);
    const int W = ToScreen(std::max(1, static_cast<int>(Os.Rect.right - Os.Rect.left)));
    const int H = ToScreen(std::max(1, static_cast<int>(Os.Rect.bottom - Os.Rect.top)));
    if (!Window->Region)
    {
        Os.Window = SDL_CreateWindow(Window->Text.c_str(), X, Y, W, H, Flags);
        return;
    }
    Os.Window = SDL_CreateShapedWindow(Window->Text.c_str(), static_cast<unsigned>(X),
                                       static_cast<unsigned>(Y), static_cast<unsigned>(W),
                                       static_cast<unsigned>(H), Flags);
    // A new shaped window is placed by its first shape, not at creation.
    WindowShapeChanged(Handle, Window->Region.get());
    if (Os.Window) SDL_SetWindowPosition(Os.Window, X, Y);
}

void TSdlBackend::WindowCreated(HWND Window)
{
    FWindows[Window];
}

void TSdlBackend::WindowDestroyed(HWND Window)
{
    auto It = FWindows.find(Window);
    if (It == FWindows.end()) return;
    if (It->second.Window && Usable()) SDL_DestroyWindow(It->second.Window);
    FWindows.erase(It);
}

void TSdlBackend::WindowChanged(HWND Handle, const RECT& ScreenRect, bool Shown)
{
    TOsWindow* Os = Find(Handle);
    if (!Os || !Usable()) return;
    RECT Old = Os->Rect;
    Os->Rect = ScreenRect;
    if (!Os->Window)
    {
        if (!Shown) return;
        Create(Handle, *Os);
        if (!Os->Window) return;
    }
    else
    {
        if (Old.left != ScreenRect.left || Old.top != ScreenRect.top)
            SDL_SetWindowPosition(Os->Window, ToScreen(ScreenRect.left), ToScreen(ScreenRect.top));
        if (Old.right - Old.left != ScreenRect.right - ScreenRect.left ||
            Old.bottom - Old.top != ScreenRect.bottom - ScreenRect.top)
            SDL_SetWindowSize(
                Os->Window,
                ToScreen(std::max(1, static_cast<int>(ScreenRect.right - ScreenRect.left))),
                ToScreen(std::max(1, static_cast<int>(ScreenRect.bottom - ScreenRect.top))));
    }
    if (Shown == Os->Shown) return;
    Os->Shown = Shown;
    if (!Shown)
    {
        SDL_HideWindow(Os->Window);
        return;
    }
    TWindow* Window = TWindowTable::Instance().FindOwn(Handle);
    if (Window) SDL_SetWindowTitle(Os->Window, Window->Text.c_str());
    SDL_ShowWindow(Os->Window);
    // Without a window manager a shown window takes the keyboard focus;
    // give it back when this one is not meant to have it.
    if (Window && KeepsFocusAway(*Window)) GiveFocusBack();
}

void TSdlBackend::GiveFocusBack()
{
    if (TOsWindow* Active = Find(GetActiveWindow()); Active && Active->Window)
        SDL_SetWindowInputFocus(Active->Window);
}

void TSdlBackend::WindowShapeChanged(HWND Handle, const TRegion* Region)
{
    TOsWindow* Os = Find(Handle);
    if (!Os || !Os->Window || !Usable()) return;
    if (!SDL_IsShapedWindow(Os->Window))
    {
        if (!Region) return;
        // Only a window made shaped can take a shape: make it again.
        SDL_DestroyWindow(Os->Window);
        Os->Window = nullptr;
        Create(Handle, *Os);
        if (!Os->Window) return;
        if (Os->Shown) SDL_ShowWindow(Os->Window);
        if (TWindow* Window = TWindowTable::Instance().FindOwn(Handle)) Window->Dirty = true;
        return;
    }
    // The shape at 96 dpi, enlarged as the pictures are.
    const int W = Os->Rect.right - Os->Rect.left, H = Os->Rect.bottom - Os->Rect.top;
    TSurface Shape(W, H);
    for (int Y = 0; Y < Shape.Height(); ++Y)
        for (int X = 0; X < Shape.Width(); ++X)
            Shape.Row(Y)[X] = !Region || Region->Contains(X, Y) ? 0xFFFFFFFFu : 0;
    SDL_Surface* Mask =
        SDL_CreateRGBSurfaceWithFormat(0, ToScreen(W), ToScreen(H), 32, SDL_PIXELFORMAT_ARGB8888);
    if (!Mask) return;
    TSurface Scaled =
        TSurface::Wrap(static_cast<uint32_t*>(Mask->pixels), Mask->w, Mask->h, Mask->pitch);
    EnlargeInto(Shape, FScale, Scaled);
    SDL_WindowShapeMode Mode{};
    Mode.mode = ShapeModeBinarizeAlpha;
    Mode.parameters.binarizationCutoff = 1;
    SDL_SetWindowShape(Os->Window, Mask, &Mode);
    SDL_FreeSurface(Mask);
}

void TSdlBackend::WindowOpacityChanged(HWND Handle, BYTE Alpha)
{
    // Needs a compositing window manager; without one the window shows whole.
    if (TOsWindow* Os = Find(Handle); Os && Os->Window && Usable())
        SDL_SetWindowOpacity(Os->Window, static_cast<float>(Alpha) / 255.0f);
}

void TSdlBackend::WindowRaised(HWND Handle)
{
    if (TOsWindow* Os = Find(Handle); Os && Os->Window && Os->Shown && Usable())
        SDL_RaiseWindow(Os->Window);
}

void TSdlBackend::WindowActivated(HWND Handle)
{
    TOsWindow* Os = Find(Handle);
    if (Os && Os->Window && Os->Shown && Usable() && SDL_GetKeyboardFocus() != Os->Window)
        SDL_SetWindowInputFocus(Os->Window);
}

void TSdlBackend::Present(HWND Handle, const TSurface& Picture)
{
    TOsWindow* Os = Find(Handle);
    if (!Os || !Os->Window || !Usable()) return;
    SDL_Surface* Target = SDL_GetWindowSurface(Os->Window);
    if (!Target) return;
    if (SDL_MUSTLOCK(Target)) SDL_LockSurface(Target);
    // Both are 32-bit XRGB rows; the alpha byte is ignored by the window.
    TSurface Screen =
        TSurface::Wrap(static_cast<uint32_t*>(Target->pixels), Target->w, Target->h, Target->pitch);
    EnlargeInto(Picture, FScale, Screen);
    if (SDL_MUSTLOCK(Target)) SDL_UnlockSurface(Target);
    SDL_UpdateWindowSurface(Os->Window);
}

void TSdlBackend::PumpEvents()
{
    if (EndRequested.exchange(false)) EndSession();
    SDL_Event Event;
    while (Usable() && SDL_PollEvent(&Event))
        Handle(Event);
    if (!Usable())
    {
        ReportLostDisplay();
        return;
    }
    if (FFocusMaybeLost)
    {
        FFocusMaybeLost = false;
        SDL_Window* Focus = SDL_GetKeyboardFocus();
        bool Ours = false;
        for (auto& [H, Os] : FWindows)
            Ours = Ours || (Focus && Os.Window == Focus);
        if (!Ours) AppFocusLost();
    }
}

void TSdlBackend::Handle(const SDL_Event& Event)
{
    switch (Event.type)
    {
    case SDL_MOUSEMOTION:
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
    {
        unsigned WindowId =
            Event.type == SDL_MOUSEMOTION ? Event.motion.windowID : Event.button.windowID;
        TOsWindow* Os = Find(FindById(WindowId));
        if (!Os) return;
        // Event coordinates plus the position we gave the window: the
        // global pointer state can lag behind.
        int X = Event.type == SDL_MOUSEMOTION ? Event.motion.x : Event.button.x;
        int Y = Event.type == SDL_MOUSEMOTION ? Event.motion.y : Event.button.y;
        TRawInput Input;
        Input.Screen = {Os->Rect.left + FromScreen(X), Os->Rect.top + FromScreen(Y)};
        if (Event.type == SDL_MOUSEMOTION)
            Input.Kind = TRawInput::TKind::MouseMove;
        else
        {
            Input.Kind = Event.type == SDL_MOUSEBUTTONDOWN ? TRawInput::TKind::ButtonDown
                                                           : TRawInput::TKind::ButtonUp;
            Input.Button = ButtonFromSdl(Event.button.button);
        }
        QueueRawInput(Input);
        return;
    }
    case SDL_MOUSEWHEEL:
    {
        TRawInput Input;
        Input.Kind = TRawInput::TKind::Wheel;
        Input.Screen = TDesktop::Instance().Cursor;
        Input.WheelDelta = Event.wheel.y * WHEEL_DELTA;
        QueueRawInput(Input);
        return;
    }
    case SDL_KEYDOWN:
    case SDL_KEYUP:
    {
        UINT Vk = VirtualKeyFromSdl(Event.key.keysym.sym);
        if (!Vk) return;
        TRawInput Input;
        Input.Kind =
            Event.type == SDL_KEYDOWN ? TRawInput::TKind::KeyDown : TRawInput::TKind::KeyUp;
        Input.VirtualKey = Vk;
        Input.ScanCode = static_cast<UINT>(Event.key.keysym.scancode);
        QueueRawInput(Input);
        return;
    }
    case SDL_WINDOWEVENT:
        HandleWindowEvent(Event);
        return;
    case SDL_DROPBEGIN:
    case SDL_DROPFILE:
    case SDL_DROPTEXT:
    case SDL_DROPCOMPLETE:
        HandleDrop(Event);
        return;
    case SDL_QUIT:
        EndSession();
        return;
    default:
        return;
    }
}

void TSdlBackend::HandleDrop(const SDL_Event& Event)
{
    if (Event.type == SDL_DROPBEGIN) FDropped.clear();
    if (Event.drop.file)
    {
        if (Event.type == SDL_DROPFILE) FDropped.emplace_back(Event.drop.file);
        SDL_free(Event.drop.file);
    }
    if (Event.type != SDL_DROPCOMPLETE) return;
    std::vector<std::string> Files;
    Files.swap(FDropped);
    // The pointer's place on the screen when it is over the window the drop
    // came to, else that window's middle.
    int X = 0, Y = 0;
    SDL_GetGlobalMouseState(&X, &Y);
    POINT At{FromScreen(X), FromScreen(Y)};
    const HWND Window = FindById(Event.drop.windowID);
    if (const TOsWindow* Os = Find(Window))
    {
        const RECT& R = Os->Rect;
        if (At.x < R.left || At.x >= R.right || At.y < R.top || At.y >= R.bottom)
            At = {(R.left + R.right) / 2, (R.top + R.bottom) / 2};
    }
    DropFiles(At, Files);
}

void TSdlBackend::EndSession()
{
    PostQuitMessage(0);
}

void TSdlBackend::ReportLostDisplay()
{
    if (FLossReported || !FStarted) return;
    FLossReported = true;
    EndSession();
}

void TSdlBackend::HandleWindowEvent(const SDL_Event& Event)
{
    HWND Handle = FindById(Event.window.windowID);
    TOsWindow* Os = Find(Handle);
    if (!Os) return;
    switch (Event.window.event)
    {
    case SDL_WINDOWEVENT_EXPOSED:
        if (TWindow* Window = TWindowTable::Instance().FindOwn(Handle)) Window->Dirty = true;
        return;
    case SDL_WINDOWEVENT_FOCUS_GAINED:
    {
        FFocusMaybeLost = false;
        TWindow* Window = TWindowTable::Instance().FindOwn(Handle);
        if (!Window) return;
        if (KeepsFocusAway(*Window))
        {
            GiveFocusBack();
            return;
        }
        if (GetActiveWindow() != Handle || !TDesktop::Instance().AppActive)
            SetActiveWindowMode(Handle, WA_ACTIVE);
        return;
    }
    case SDL_WINDOWEVENT_FOCUS_LOST:
        FFocusMaybeLost = true;
        return;
    case SDL_WINDOWEVENT_CLOSE:
        PostMessage(Handle, WM_SYSCOMMAND, SC_CLOSE, 0);
        return;
    default:
        return;
    }
}

void TSdlBackend::WaitEvents(std::optional<TClock::TimeMs> Timeout)
{
    const int Ms = Timeout ? static_cast<int>(std::min<TClock::TimeMs>(*Timeout, INT_MAX)) : -1;
    if (Usable() && !FX11)
    {
        // Not on X11: SDL waits, woken by Wake's event; a signal is seen
        // when the wait ends.
        if (Timeout)
            SDL_WaitEventTimeout(nullptr, Ms);
        else
            SDL_WaitEvent(nullptr);
        return;
    }
    // Events already read from the connection, or queued inside SDL, are
    // not announced by the descriptor; a loss found on the way is reported
    // by the next pump. A lost display is not waited on any more.
    if (Usable() &&
        (SDL_HasEvents(SDL_FIRSTEVENT, SDL_LASTEVENT) || FX11->EventsQueued() || FX11->Lost()))
        return;
    pollfd Fds[2] = {{FWakeFd, POLLIN, 0}, {Usable() ? FX11->Fd() : -1, POLLIN, 0}};
    poll(Fds, 2, Ms);
    uint64_t Count = 0;
    [[maybe_unused]] ssize_t Read = read(FWakeFd, &Count, sizeof Count);
}

void TSdlBackend::Wake()
{
    WakeThrough(FWakeFd);
    if (FX11) return;
    SDL_Event Event{};
    Event.type = FWakeEvent;
    SDL_PushEvent(&Event);
}

void TSdlBackend::SetCursorShape(WORD CursorId)
{
    if (!Usable()) return;
    auto It = FCursors.find(CursorId);
    if (It == FCursors.end())
        It = FCursors.emplace(CursorId, SDL_CreateSystemCursor(SystemCursorFor(CursorId))).first;
    if (It->second) SDL_SetCursor(It->second);
}

POINT TSdlBackend::CursorPos()
{
    return TDesktop::Instance().Cursor;
}

std::string TSdlBackend::ClipboardText()
{
    if (!Usable()) return {};
    char* Text = SDL_GetClipboardText();
    std::string Result = Text ? Text : "";
    SDL_free(Text);
    return Result;
}

void TSdlBackend::SetClipboardText(const std::string& Text)
{
    if (!Usable()) return;
    SDL_SetClipboardText(Text.c_str());
}
