#include "platform/win/Input.h"

#include "detail/Desktop.h"
#include "detail/Focus.h"
#include "detail/Input.h"
#include "detail/WindowGeometry.h"
#include "detail/WindowRegion.h"
#include "detail/WindowTable.h"
#include "detail/WindowTree.h"
#include "platform/win/Backend.h"
#include "platform/win/Focus.h"
#include "platform/win/Messaging.h"
#include "platform/win/NonClient.h"
#include "platform/win/SystemMetrics.h"
#include "platform/win/Timers.h"
#include "platform/win/WinMessages.h"
#include "platform/win/WinStyles.h"
#include "platform/win/WindowApi.h"
#include "platform/win/WindowPos.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <deque>

namespace
{
struct TClick
{
    HWND Window = nullptr;
    UINT Message = 0;
    DWORD Time = 0;
    POINT Screen{};
};

// UI-thread state of the input devices.
struct TInputState
{
    std::deque<TRawInput> Raw;
    std::deque<MSG> Ready;             // translated, waiting for a matching filter
    std::array<BYTE, 256> Keys{};      // as of the last translated input
    std::array<BYTE, 256> AsyncKeys{}; // as of the last raw input
    TClick LastClick;
    HWND Tracking = nullptr;
    DWORD TrackFlags = 0;
    HWND Hovering = nullptr; // hover tracking, one WM_MOUSEHOVER
    DWORD HoverFlags = 0;
    UINT HoverTime = 0;
    POINT HoverAnchor{};
    UINT_PTR HoverTimer = 0;
    HCURSOR Cursor = nullptr;
    int Beeps = 0;
    bool AltAlone = false; // Alt is down and no other key was pressed since
};

TInputState& State()
{
    static TInputState Instance;
    return Instance;
}

bool Down(const std::array<BYTE, 256>& Keys, UINT Vk)
{
    return Keys[Vk & 0xFF] & 0x80;
}

void SetKey(std::array<BYTE, 256>& Keys, UINT Vk, bool IsDown)
{
    BYTE& K = Keys[Vk & 0xFF];
    if (IsDown && !(K & 0x80)) K ^= 0x01; // toggle on each press
    K = static_cast<BYTE>((K & 0x01) | (IsDown ? 0x80 : 0));
}

// Generic modifier keys follow their left and right variants.
void SetKeyWithAliases(std::array<BYTE, 256>& Keys, UINT Vk, bool IsDown)
{
    SetKey(Keys, Vk, IsDown);
    auto Merge = [&](UINT Generic, UINT Left, UINT Right)
    {
        if (Vk == Left || Vk == Right)
            SetKey(Keys, Generic, Down(Keys, Left) || Down(Keys, Right));
        else if (Vk == Generic)
        {
            SetKey(Keys, Left, IsDown);
        }
    };
    Merge(VK_SHIFT, VK_LSHIFT, VK_RSHIFT);
    Merge(VK_CONTROL, VK_LCONTROL, VK_RCONTROL);
    Merge(VK_MENU, VK_LMENU, VK_RMENU);
}

bool IsKey(const TRawInput& Raw)
{
    return Raw.Kind == TRawInput::TKind::KeyDown || Raw.Kind == TRawInput::TKind::KeyUp;
}

bool IsButton(const TRawInput& Raw)
{
    return Raw.Kind == TRawInput::TKind::ButtonDown || Raw.Kind == TRawInput::TKind::ButtonUp;
}

// A mouse button's virtual key and messages.
struct TButtonCodes
{
    UINT Vk;
    UINT Down;
    UINT Up;
};

const TButtonCodes& CodesOf(TRawInput::TButton Button)
{
    // In the order of TRawInput::TButton.
    static constexpr TButtonCodes Codes[] = {
        {VK_LBUTTON, WM_LBUTTONDOWN, WM_LBUTTONUP},
        {VK_RBUTTON, WM_RBUTTONDOWN, WM_RBUTTONUP},
        {VK_MBUTTON, WM_MBUTTONDOWN, WM_MBUTTONUP},
    };
    static_assert(static_cast<size_t>(TRawInput::TButton::Middle) + 1 == std::size(Codes));
    return Codes[static_cast<size_t>(Button)];
}

WPARAM KeyFlags(const std::array<BYTE, 256>& Keys)
{
    WPARAM Flags = 0;
    if (Down(Keys, VK_LBUTTON)) Flags |= MK_LBUTTON;
    if (Down(Keys, VK_RBUTTON)) Flags |= MK_RBUTTON;
    if (Down(Keys, VK_MBUTTON)) Flags |= MK_MBUTTON;
    if (Down(Keys, VK_SHIFT)) Flags |= MK_SHIFT;
    if (Down(Keys, VK_CONTROL)) Flags |= MK_CONTROL;
    return Flags;
}

LPARAM PackPoint(LONG X, LONG Y)
{
    return MAKELPARAM(static_cast<WORD>(X), static_cast<WORD>(Y));
}

// The window under a screen point and its hit code, searching Windows (a
// z-ordered sibling list) and their descendants. Hidden windows, disabled
// child windows and windows answering HTTRANSPARENT let the point through.
TWindow* FindAt(const std::vector<TWindow*>& Windows, POINT Screen, LRESULT& Hit)
{
    std::vector<HWND> Handles;
    for (TWindow* W : Windows)
        Handles.push_back(W->Handle);
    for (HWND Handle : Handles)
    {
        TWindow* W = TWindowTable::Instance().FindOwn(Handle);
        if (!W || !(W->Style & WS_VISIBLE) || !PointInRect(ScreenWindowRect(*W), Screen)) continue;
        if (!WindowRegionContains(*W, Screen)) continue;
        if (W->Style & WS_DISABLED)
        {
            // A disabled child is see-through; a disabled top-level window
            // (and all inside it) takes the point but no input.
            if (W->Parent) continue;
            Hit = HTERROR;
            return W;
        }
        if (PointInRect(ScreenClientRect(*W), Screen))
            if (TWindow* Inner = FindAt(W->Children, Screen, Hit)) return Inner;
        Hit = SendMessage(Handle, WM_NCHITTEST, 0, PackPoint(Screen.x, Screen.y));
        if (Hit == HTTRANSPARENT) continue;
        if ((W = TWindowTable::Instance().FindOwn(Handle))) return W;
    }
    return nullptr;
}

void EndLeaveTracking(HWND Target, LRESULT Hit)
{
    TInputState& S = State();
    if (!S.Tracking) return;
    bool NonClient = S.TrackFlags & TME_NONCLIENT;
    bool Inside = Target == S.Tracking && (NonClient ? Hit != HTCLIENT : Hit == HTCLIENT);
    if (Inside) return;
    PostMessage(S.Tracking, NonClient ? WM_NCMOUSELEAVE : WM_MOUSELEAVE, 0, 0);
    S.Tracking = nullptr;
    S.TrackFlags = 0;
}

void StopHover()
{
    TInputState& S = State();
    if (S.HoverTimer) KillTimer(nullptr, S.HoverTimer);
    S.Hovering = nullptr;
    S.HoverFlags = 0;
    S.HoverTimer = 0;
}

void HoverElapsed(HWND, UINT, UINT_PTR, DWORD)
{
    TInputState& S = State();
    HWND Window = S.Hovering;
    bool NonClient = S.HoverFlags & TME_NONCLIENT;
    POINT At = S.HoverAnchor;
    StopHover();
    TWindow* Target = TWindowTable::Instance().FindOwn(Window);
    if (!Target) return;
    if (NonClient)
    {
        LRESULT Hit = SendMessage(Window, WM_NCHITTEST, 0, PackPoint(At.x, At.y));
        PostMessage(Window, WM_NCMOUSEHOVER, static_cast<WPARAM>(Hit), PackPoint(At.x, At.y));
        return;
    }
    POINT Origin = ClientOrigin(*Target);
    PostMessage(Window, WM_MOUSEHOVER, KeyFlags(S.Keys),
                PackPoint(At.x - Origin.x, At.y - Origin.y));
}

void StartHoverTimer()
{
    TInputState& S = State();
    if (S.HoverTimer) KillTimer(nullptr, S.HoverTimer);
    S.HoverTimer = SetTimer(nullptr, 0, S.HoverTime, HoverElapsed);
}

// The pointer moved: hovering ends when it left the window or the part
// tracked, and starts over when it left the small box it rested in.
void UpdateHover(HWND Target, LRESULT Hit, POINT Screen)
{
    TInputState& S = State();
    if (!S.Hovering) return;
    bool NonClient = S.HoverFlags & TME_NONCLIENT;
    if (Target != S.Hovering || (NonClient ? Hit == HTCLIENT : Hit != HTCLIENT))
    {
        StopHover();
        return;
    }
    UINT Width = 4, Height = 4;
    SystemParametersInfo(SPI_GETMOUSEHOVERWIDTH, 0, &Width, 0);
    SystemParametersInfo(SPI_GETMOUSEHOVERHEIGHT, 0, &Height, 0);
    if (std::abs(Screen.x - S.HoverAnchor.x) > static_cast<LONG>(Width / 2) ||
        std::abs(Screen.y - S.HoverAnchor.y) > static_cast<LONG>(Height / 2))
    {
        S.HoverAnchor = Screen;
        StartHoverTimer();
    }
}

// A press on a disabled top-level window (the owner of a modal dialog):
// beep and bring its enabled popup forward.
void PressOnDisabled(TWindow& Window)
{
    MessageBeep(MB_OK);
    for (TWindow* Candidate : TDesktop::Instance().TopLevel)
        if (Candidate->Owner == &Window && (Candidate->Style & WS_VISIBLE) &&
            !(Candidate->Style & WS_DISABLED))
        {
            SetActiveWindow(Candidate->Handle);
            return;
        }
}

bool TranslateMouse(const TRawInput& Raw, MSG& Out)
{
    TInputState& S = State();
    TDesktop& Desktop = TDesktop::Instance();
    Desktop.Cursor = Raw.Screen;
    const bool IsDown = Raw.Kind == TRawInput::TKind::ButtonDown;
    const bool IsUp = Raw.Kind == TRawInput::TKind::ButtonUp;
    if (IsDown || IsUp) SetKeyWithAliases(S.Keys, CodesOf(Raw.Button).Vk, IsDown);

    TWindow* Target = nullptr;
    LRESULT Hit = HTCLIENT;
    if (Raw.Kind == TRawInput::TKind::Wheel)
    {
        Target = TWindowTable::Instance().FindOwn(Desktop.Focus ? Desktop.Focus : Desktop.Active);
        if (!Target) return false;
        Out =
            MSG{Target->Handle,
                WM_MOUSEWHEEL,
                MAKEWPARAM(static_cast<WORD>(KeyFlags(S.Keys)), static_cast<WORD>(Raw.WheelDelta)),
                PackPoint(Raw.Screen.x, Raw.Screen.y),
                GetTickCount(),
                Raw.Screen};
        return true;
    }
    if (Desktop.Capture)
    {
        Target = TWindowTable::Instance().FindOwn(Desktop.Capture);
    }
    else
    {
        Target = FindAt(Desktop.TopLevel, Raw.Screen, Hit);
    }
    EndLeaveTracking(Target ? Target->Handle : nullptr, Hit);
    if (Raw.Kind == TRawInput::TKind::MouseMove)
        UpdateHover(Target ? Target->Handle : nullptr, Hit, Raw.Screen);
    if (!Target) return false;
    HWND Handle = Target->Handle;
    UINT Message = WM_MOUSEMOVE;
    if (IsDown || IsUp) Message = IsDown ? CodesOf(Raw.Button).Down : CodesOf(Raw.Button).Up;
    if (Hit == HTERROR)
    {
        if (IsDown) PressOnDisabled(*Target);
        return false;
    }
    if (!Desktop.Capture)
    {
        SendMessage(Handle, WM_SETCURSOR, reinterpret_cast<WPARAM>(Handle),
                    MAKELPARAM(static_cast<WORD>(Hit), static_cast<WORD>(Message)));
        if (!IsWindow(Handle)) return false;
    }
    if (IsDown && !Desktop.Capture)
    {
        TWindow* Root = RootOf(TWindowTable::Instance().FindOwn(Handle));
        if (Root && (Root->Handle != Desktop.Active || !Desktop.AppActive) &&
            !(Root->ExStyle & WS_EX_NOACTIVATE))
        {
            LRESULT Answer =
                SendMessage(Handle, WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(Root->Handle),
                            MAKELPARAM(static_cast<WORD>(Hit), static_cast<WORD>(Message)));
            if (Answer == MA_ACTIVATE || Answer == MA_ACTIVATEANDEAT)
                SetActiveWindowMode(Root->Handle, WA_CLICKACTIVE);
            if (Answer == MA_ACTIVATEANDEAT || Answer == MA_NOACTIVATEANDEAT || !IsWindow(Handle))
                return false;
        }
    }
    Target = TWindowTable::Instance().FindOwn(Handle);
    if (!Target) return false;

    const DWORD Now = GetTickCount();
    if (IsDown)
    {
        TClick& Last = S.LastClick;
        bool NonClient = Hit != HTCLIENT;
        bool Double =
            Last.Window == Handle && Last.Message == Message &&
            Now - Last.Time <= GetDoubleClickTime() &&
            std::abs(Raw.Screen.x - Last.Screen.x) <= GetSystemMetrics(SM_CXDOUBLECLK) / 2 &&
            std::abs(Raw.Screen.y - Last.Screen.y) <= GetSystemMetrics(SM_CYDOUBLECLK) / 2 &&
            (NonClient || (Target->Class->Info.style & CS_DBLCLKS));
        if (Double)
        {
            Message += WM_LBUTTONDBLCLK - WM_LBUTTONDOWN;
            Last = TClick{}; // a third press starts over
        }
        else
        {
            Last = TClick{Handle, Message, Now, Raw.Screen};
        }
    }
    if (Hit == HTCLIENT)
    {
        POINT Origin = ClientOrigin(*Target);
        Out = MSG{Handle,
                  Message,
                  KeyFlags(S.Keys),
                  PackPoint(Raw.Screen.x - Origin.x, Raw.Screen.y - Origin.y),
                  Now,
                  Raw.Screen};
    }
    else
    {
        Out = MSG{Handle,
                  Message - (WM_MOUSEMOVE - WM_NCMOUSEMOVE),
                  static_cast<WPARAM>(Hit),
                  PackPoint(Raw.Screen.x, Raw.Screen.y),
                  Now,
                  Raw.Screen};
    }
    return true;
}

bool TranslateKey(const TRawInput& Raw, MSG& Out)
{
    TInputState& S = State();
    TDesktop& Desktop = TDesktop::Instance();
    const bool IsDown = Raw.Kind == TRawInput::TKind::KeyDown;
    const bool WasDown = Down(S.Keys, Raw.VirtualKey);
    SetKeyWithAliases(S.Keys, Raw.VirtualKey, IsDown);
    const bool Alt = Down(S.Keys, VK_MENU);
    const bool Control = Down(S.Keys, VK_CONTROL);
    const bool AltKey =
        Raw.VirtualKey == VK_MENU || Raw.VirtualKey == VK_LMENU || Raw.VirtualKey == VK_RMENU;
    // Releasing Alt is a system key only when Alt was pressed alone.
    bool AltReleasedAlone = !IsDown && AltKey && S.AltAlone;
    if (AltKey)
        S.AltAlone = IsDown;
    else if (IsDown)
        S.AltAlone = false;
    HWND Target = Desktop.Focus;
    // Without a focus window, keys go to the active window as system keys.
    bool System = (Alt && !Control) || Raw.VirtualKey == VK_F10 || AltReleasedAlone;
    if (!Target)
    {
        Target = Desktop.Active;
        System = true;
    }
    if (!Target || !IsWindow(Target)) return false;
    WORD High = static_cast<WORD>((Raw.ScanCode & 0xFF) | (Raw.Extended ? KF_EXTENDED : 0) |
                                  (Alt ? KF_ALTDOWN : 0) | (WasDown ? KF_REPEAT : 0) |
                                  (IsDown ? 0 : KF_UP));
    UINT Message =
        IsDown ? (System ? WM_SYSKEYDOWN : WM_KEYDOWN) : (System ? WM_SYSKEYUP : WM_KEYUP);
    Out = MSG{Target, Message, Raw.VirtualKey, MAKELPARAM(1, High), GetTickCount(), Desktop.Cursor};
    return true;
}

// The characters of the other keys that type one on a US layout, without
// and with Shift.
struct TKeyChars
{
    UINT Vk;
    char Plain;
    char Shifted;
};
constexpr TKeyChars KeyChars[] = {
    {VK_SPACE, ' ', ' '},     {VK_RETURN, '\r', '\r'},  {VK_BACK, '\b', '\b'},
    {VK_TAB, '\t', '\t'},     {VK_ESCAPE, 0x1B, 0x1B},  {VK_MULTIPLY, '*', '*'},
    {VK_ADD, '+', '+'},       {VK_SUBTRACT, '-', '-'},  {VK_DECIMAL, '.', '.'},
    {VK_DIVIDE, '/', '/'},    {VK_OEM_1, ';', ':'},     {VK_OEM_PLUS, '=', '+'},
    {VK_OEM_COMMA, ',', '<'}, {VK_OEM_MINUS, '-', '_'}, {VK_OEM_PERIOD, '.', '>'},
    {VK_OEM_2, '/', '?'},     {VK_OEM_3, '`', '~'},     {VK_OEM_4, '[', '{'},
    {VK_OEM_5, '\\', '|'},    {VK_OEM_6, ']', '}'},     {VK_OEM_7, '\'', '"'},
};

// The character of a key on a US layout; 0 for none.
int CharOf(UINT Vk, bool Shift, bool Caps, bool Control)
{
    if (Vk >= 'A' && Vk <= 'Z')
    {
        if (Control) return static_cast<int>(Vk - 'A' + 1);
        bool Upper = Shift != Caps;
        return static_cast<int>(Upper ? Vk : Vk - 'A' + 'a');
    }
    if (Control)
    {
        if (Vk == VK_RETURN) return '\n';
        if (Vk == VK_BACK) return 0x7F;
        if (Vk == VK_ESCAPE) return 0x1B;
        return 0;
    }
    if (Vk >= '0' && Vk <= '9') return Shift ? ")!@#$%^&*("[Vk - '0'] : static_cast<int>(Vk);
    if (Vk >= VK_NUMPAD0 && Vk <= VK_NUMPAD0 + 9) return static_cast<int>('0' + (Vk - VK_NUMPAD0));
    for (const TKeyChars& Key : KeyChars)
        if (Key.Vk == Vk) return Shift ? Key.Shifted : Key.Plain;
    return 0;
}
} // namespace

void QueueRawInput(const TRawInput& Input)
{
    TInputState& S = State();
    if (IsKey(Input))
        SetKeyWithAliases(S.AsyncKeys, Input.VirtualKey, Input.Kind == TRawInput::TKind::KeyDown);
    else if (IsButton(Input))
        SetKeyWithAliases(S.AsyncKeys, CodesOf(Input.Button).Vk,
                          Input.Kind == TRawInput::TKind::ButtonDown);
    S.Raw.push_back(Input);
}

bool TakeInputMessage(MSG& Out, const std::function<bool(const MSG&)>& Match, bool Remove)
{
    TInputState& S = State();
    while (S.Ready.empty() && !S.Raw.empty())
    {
        TRawInput Raw = S.Raw.front();
        S.Raw.pop_front();
        MSG Translated{};
        if (IsKey(Raw) ? TranslateKey(Raw, Translated) : TranslateMouse(Raw, Translated))
            S.Ready.push_back(Translated);
    }
    if (S.Ready.empty() || !Match(S.Ready.front())) return false;
    Out = S.Ready.front();
    if (Remove) S.Ready.pop_front();
    return true;
}

void ResetInput()
{
    TInputState& S = State();
    int Beeps = S.Beeps;
    S = TInputState{};
    S.Beeps = Beeps;
}

void ForgetInputWindow(HWND Window)
{
    TInputState& S = State();
    std::erase_if(S.Ready, [&](const MSG& M) { return M.hwnd == Window; });
    if (S.Tracking == Window) S.Tracking = nullptr;
    if (S.Hovering == Window) StopHover();
    if (S.LastClick.Window == Window) S.LastClick = TClick{};
}

BOOL TranslateMessage(const MSG* Message)
{
    if (!Message || (Message->message != WM_KEYDOWN && Message->message != WM_SYSKEYDOWN))
        return FALSE;
    const auto& Keys = State().Keys;
    int Char = CharOf(static_cast<UINT>(Message->wParam), Down(Keys, VK_SHIFT),
                      Keys[VK_CAPITAL] & 0x01, Down(Keys, VK_CONTROL) && !Down(Keys, VK_MENU));
    if (!Char) return FALSE;
    UINT CharMessage = Message->message == WM_SYSKEYDOWN ? WM_SYSCHAR : WM_CHAR;
    PostMessage(Message->hwnd, CharMessage, static_cast<WPARAM>(Char), Message->lParam);
    return TRUE;
}

SHORT GetKeyState(int VirtualKey)
{
    BYTE K = State().Keys[VirtualKey & 0xFF];
    return static_cast<SHORT>(((K & 0x80) ? 0x8000 : 0) | (K & 0x01));
}

BOOL GetKeyboardState(BYTE* States)
{
    if (!States) return FALSE;
    std::copy(State().Keys.begin(), State().Keys.end(), States);
    return TRUE;
}

SHORT GetAsyncKeyState(int VirtualKey)
{
    BYTE K = State().AsyncKeys[VirtualKey & 0xFF];
    return static_cast<SHORT>((K & 0x80) ? 0x8000 : 0);
}

BOOL GetCursorPos(POINT* Point)
{
    if (!Point) return FALSE;
    *Point = TDesktop::Instance().Cursor;
    return TRUE;
}

BOOL SetCursorPos(int X, int Y)
{
    TDesktop::Instance().Cursor = {X, Y};
    return TRUE;
}

BOOL TrackMouseEvent(TRACKMOUSEEVENT* Track)
{
    if (!Track || Track->cbSize != sizeof(TRACKMOUSEEVENT)) return FALSE;
    TInputState& S = State();
    if (Track->dwFlags & TME_CANCEL)
    {
        if ((Track->dwFlags & TME_LEAVE) && S.Tracking == Track->hwndTrack) S.Tracking = nullptr;
        if ((Track->dwFlags & TME_HOVER) && S.Hovering == Track->hwndTrack) StopHover();
        return TRUE;
    }
    if (!(Track->dwFlags & (TME_LEAVE | TME_HOVER)) || !IsWindow(Track->hwndTrack)) return FALSE;
    TDesktop& Desktop = TDesktop::Instance();
    if (Track->dwFlags & TME_HOVER)
    {
        S.Hovering = Track->hwndTrack;
        S.HoverFlags = Track->dwFlags;
        S.HoverTime = Track->dwHoverTime;
        if (S.HoverTime == HOVER_DEFAULT)
            SystemParametersInfo(SPI_GETMOUSEHOVERTIME, 0, &S.HoverTime, 0);
        S.HoverAnchor = Desktop.Cursor;
        StartHoverTimer();
    }
    if (Track->dwFlags & TME_LEAVE)
    {
        S.Tracking = Track->hwndTrack;
        S.TrackFlags = Track->dwFlags;
    }
    // A pointer that is already elsewhere leaves at once.
    LRESULT Hit = HTNOWHERE;
    TWindow* Under = FindAt(Desktop.TopLevel, Desktop.Cursor, Hit);
    EndLeaveTracking(Under ? Under->Handle : nullptr, Hit);
    if (S.Hovering && (!Under || Under->Handle != S.Hovering)) StopHover();
    return TRUE;
}

HCURSOR LoadCursor(HINSTANCE Instance, LPCSTR Name)
{
    auto Id = reinterpret_cast<ULONG_PTR>(Name);
    if (Instance || Id < 32512 || Id > 32650) return nullptr;
    return reinterpret_cast<HCURSOR>(Id);
}

HCURSOR SetCursor(HCURSOR Cursor)
{
    TInputState& S = State();
    HCURSOR Old = S.Cursor;
    S.Cursor = Cursor;
    if (Old != Cursor)
        if (TBackend* Backend = CurrentBackend()) Backend->SetCursorShape(CursorId(Cursor));
    return Old;
}

HCURSOR GetCursor()
{
    return State().Cursor;
}

WORD CursorId(HCURSOR Cursor)
{
    return static_cast<WORD>(reinterpret_cast<ULONG_PTR>(Cursor));
}

BOOL MessageBeep(UINT)
{
    ++State().Beeps;
    if (TBackend* Backend = CurrentBackend()) Backend->Beep();
    return TRUE;
}

int BeepCount()
{
    return State().Beeps;
}

HWND WindowFromPoint(POINT Point)
{
    LRESULT Hit = HTNOWHERE;
    TWindow* Window = FindAt(TDesktop::Instance().TopLevel, Point, Hit);
    return Window && Hit != HTERROR ? Window->Handle : nullptr;
}
