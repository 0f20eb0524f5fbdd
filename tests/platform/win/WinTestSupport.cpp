#include "WinTestSupport.h"

#include "detail/Desktop.h"
#include "detail/Input.h"
#include "detail/WindowClass.h"

#include <sstream>

namespace
{
LRESULT RecorderProc(HWND Window, UINT Message, WPARAM WParam, LPARAM LParam)
{
    LogMessage(Window, Message, WParam, LParam);
    return DefWindowProc(Window, Message, WParam, LParam);
}

std::string Describe(UINT Message, unsigned Flags, std::optional<WPARAM> WParam,
                     std::optional<LPARAM> LParam)
{
    std::ostringstream Out;
    Out << MessageName(Message) << " (0x" << std::hex << Message << std::dec << ")";
    if (Flags & sent) Out << " sent";
    if (Flags & posted) Out << " posted";
    if (Flags & optional) Out << " optional";
    if (WParam) Out << " w=" << *WParam;
    if (LParam) Out << " l=" << *LParam;
    return Out.str();
}

// The message DispatchLogged is dispatching, until its window logs it.
thread_local const MSG* Dispatching = nullptr;

bool Matches(const TMsgRow& Row, const TLogged& L)
{
    if (Row.Message != L.Message) return false;
    if ((Row.Flags & sent) && L.Posted) return false;
    if ((Row.Flags & posted) && !L.Posted) return false;
    if (Row.WParam && *Row.WParam != L.WParam) return false;
    if (Row.LParam && *Row.LParam != L.LParam) return false;
    return !Row.Window || Row.Window == L.Window;
}
} // namespace

void LogMessage(HWND Window, UINT Message, WPARAM WParam, LPARAM LParam)
{
    bool Posted = false;
    if (Dispatching && Dispatching->hwnd == Window && Dispatching->message == Message &&
        Dispatching->wParam == WParam && Dispatching->lParam == LParam)
    {
        // Only the dispatched call itself; the same message sent from
        // inside it is a sent one.
        Posted = true;
        Dispatching = nullptr;
    }
    if ((Message == WM_WINDOWPOSCHANGING || Message == WM_WINDOWPOSCHANGED) && LParam)
        WParam = reinterpret_cast<const WINDOWPOS*>(LParam)->flags &
                 ~(SWP_NOCLIENTSIZE | SWP_NOCLIENTMOVE);
    MessageLog().push_back({Window, Message, WParam, LParam, Posted});
}

LRESULT DispatchLogged(const MSG& Msg)
{
    const MSG* Outer = Dispatching;
    Dispatching = &Msg;
    LRESULT Result = DispatchMessage(&Msg);
    Dispatching = Outer;
    return Result;
}

int PumpLoggedMessages(bool Translate)
{
    int Count = 0;
    MSG Msg;
    while (PeekMessage(&Msg, nullptr, 0, 0, PM_REMOVE))
    {
        if (Translate) TranslateMessage(&Msg);
        DispatchLogged(Msg);
        ++Count;
    }
    return Count;
}

std::vector<TLogged>& MessageLog()
{
    thread_local std::vector<TLogged> Log;
    return Log;
}

const char* MessageName(UINT Message)
{
    switch (Message)
    {
    case WM_NULL:
        return "WM_NULL";
    case WM_CREATE:
        return "WM_CREATE";
    case WM_DESTROY:
        return "WM_DESTROY";
    case WM_MOVE:
        return "WM_MOVE";
    case WM_SIZE:
        return "WM_SIZE";
    case WM_ACTIVATE:
        return "WM_ACTIVATE";
    case WM_SETFOCUS:
        return "WM_SETFOCUS";
    case WM_KILLFOCUS:
        return "WM_KILLFOCUS";
    case WM_ENABLE:
        return "WM_ENABLE";
    case WM_SETTEXT:
        return "WM_SETTEXT";
    case WM_GETTEXT:
        return "WM_GETTEXT";
    case WM_GETTEXTLENGTH:
        return "WM_GETTEXTLENGTH";
    case WM_PAINT:
        return "WM_PAINT";
    case WM_CLOSE:
        return "WM_CLOSE";
    case WM_QUIT:
        return "WM_QUIT";
    case WM_ERASEBKGND:
        return "WM_ERASEBKGND";
    case WM_SHOWWINDOW:
        return "WM_SHOWWINDOW";
    case WM_ACTIVATEAPP:
        return "WM_ACTIVATEAPP";
    case WM_SETCURSOR:
        return "WM_SETCURSOR";
    case WM_MOUSEACTIVATE:
        return "WM_MOUSEACTIVATE";
    case WM_GETMINMAXINFO:
        return "WM_GETMINMAXINFO";
    case WM_WINDOWPOSCHANGING:
        return "WM_WINDOWPOSCHANGING";
    case WM_WINDOWPOSCHANGED:
        return "WM_WINDOWPOSCHANGED";
    case WM_STYLECHANGING:
        return "WM_STYLECHANGING";
    case WM_STYLECHANGED:
        return "WM_STYLECHANGED";
    case WM_NCCREATE:
        return "WM_NCCREATE";
    case WM_NCDESTROY:
        return "WM_NCDESTROY";
    case WM_NCCALCSIZE:
        return "WM_NCCALCSIZE";
    case WM_NCHITTEST:
        return "WM_NCHITTEST";
    case WM_NCPAINT:
        return "WM_NCPAINT";
    case WM_NCACTIVATE:
        return "WM_NCACTIVATE";
    case WM_KEYDOWN:
        return "WM_KEYDOWN";
    case WM_KEYUP:
        return "WM_KEYUP";
    case WM_CHAR:
        return "WM_CHAR";
    case WM_SYSKEYDOWN:
        return "WM_SYSKEYDOWN";
    case WM_SYSKEYUP:
        return "WM_SYSKEYUP";
    case WM_SYSCHAR:
        return "WM_SYSCHAR";
    case WM_SYSCOMMAND:
        return "WM_SYSCOMMAND";
    case WM_TIMER:
        return "WM_TIMER";
    case WM_HSCROLL:
        return "WM_HSCROLL";
    case WM_VSCROLL:
        return "WM_VSCROLL";
    case WM_MOUSEMOVE:
        return "WM_MOUSEMOVE";
    case WM_LBUTTONDOWN:
        return "WM_LBUTTONDOWN";
    case WM_LBUTTONUP:
        return "WM_LBUTTONUP";
    case WM_LBUTTONDBLCLK:
        return "WM_LBUTTONDBLCLK";
    case WM_RBUTTONDOWN:
        return "WM_RBUTTONDOWN";
    case WM_RBUTTONUP:
        return "WM_RBUTTONUP";
    case WM_MOUSEWHEEL:
        return "WM_MOUSEWHEEL";
    case WM_PARENTNOTIFY:
        return "WM_PARENTNOTIFY";
    case WM_CAPTURECHANGED:
        return "WM_CAPTURECHANGED";
    case WM_MOUSELEAVE:
        return "WM_MOUSELEAVE";
    case WM_NCMOUSEMOVE:
        return "WM_NCMOUSEMOVE";
    case WM_NCLBUTTONDOWN:
        return "WM_NCLBUTTONDOWN";
    case WM_NCLBUTTONUP:
        return "WM_NCLBUTTONUP";
    case WM_ENTERSIZEMOVE:
        return "WM_ENTERSIZEMOVE";
    case WM_EXITSIZEMOVE:
        return "WM_EXITSIZEMOVE";
    default:
        return Message >= WM_USER ? "WM_USER+" : "(other)";
    }
}

std::vector<TMsgRow> Joined(std::initializer_list<std::vector<TMsgRow>> Groups)
{
    std::vector<TMsgRow> Out;
    for (const auto& Group : Groups)
        Out.insert(Out.end(), Group.begin(), Group.end());
    return Out;
}

std::vector<TMsgRow> Rows(std::initializer_list<std::vector<TMsgRow>> Groups)
{
    std::vector<TMsgRow> Table = Joined(Groups);
    Table.push_back({});
    return Table;
}

void ExpectSequence(const TMsgRow* Rows, const char* Context)
{
    const std::vector<TLogged> Log = std::move(MessageLog());
    MessageLog().clear();
    ExpectSequenceIn(Log, Rows, Context);
}

void ExpectSequenceIn(const std::vector<TLogged>& Log, const TMsgRow* Rows, const char* Context)
{
    size_t Count = 0;
    while (Rows[Count].Message || Rows[Count].Flags)
        ++Count;
    size_t Row = 0, At = 0;
    bool Same = true;
    while (Same && At < Log.size())
    {
        if (Row < Count && Matches(Rows[Row], Log[At]))
        {
            ++Row;
            ++At;
        }
        else if (Row < Count && (Rows[Row].Flags & optional))
            ++Row;
        else
            Same = false;
    }
    for (; Same && Row < Count; ++Row)
        Same = (Rows[Row].Flags & optional) != 0;
    if (Same) return;
    std::ostringstream Out;
    Out << Context << ": the message sequence differs at row " << Row << ", message " << At
        << "\nexpected:\n";
    for (size_t I = 0; I < Count; ++I)
        Out << "  " << Describe(Rows[I].Message, Rows[I].Flags, Rows[I].WParam, Rows[I].LParam)
            << "\n";
    Out << "got:\n";
    for (const auto& L : Log)
        Out << "  " << Describe(L.Message, L.Posted ? posted : sent, L.WParam, L.LParam) << " hwnd "
            << L.Window << "\n";
    ADD_FAILURE() << Out.str();
}

std::vector<TLogged> Only(const std::vector<TLogged>& Log, std::initializer_list<UINT> Messages)
{
    std::vector<TLogged> Result;
    for (const auto& L : Log)
        for (UINT M : Messages)
            if (L.Message == M) Result.push_back(L);
    return Result;
}

void TWinTest::SetUp()
{
    FClock = std::make_shared<TFakeClock>();
    InstallClock(FClock);
    TDesktop& Desktop = TDesktop::Instance();
    Desktop.Active = Desktop.Focus = Desktop.Capture = nullptr;
    Desktop.AppActive = false;
    Desktop.Cursor = {0, 0};
    ResetInput();
    if (!TClassRegistry::Instance().Find("Recorder"))
    {
        WNDCLASSEX Class{};
        Class.cbSize = sizeof Class;
        Class.lpfnWndProc = RecorderProc;
        Class.cbWndExtra = 2 * sizeof(LONG_PTR);
        Class.lpszClassName = "Recorder";
        Class.style = CS_DBLCLKS;
        Class.hCursor = LoadCursor(nullptr, IDC_IBEAM);
        ASSERT_NE(RegisterClassEx(&Class), 0);
    }
    MessageLog().clear();
}

void TWinTest::TearDown()
{
    for (HWND Window : FWindows)
        if (IsWindow(Window)) DestroyWindow(Window);
    MSG Msg;
    while (PeekMessage(&Msg, nullptr, 0, 0, PM_REMOVE))
    {
    }
    InstallClock(nullptr);
    MessageLog().clear();
}

HWND TWinTest::MakeWindow(DWORD Style, HWND Parent, LPCSTR Text)
{
    return MakeWindowAt(Style, Parent, {0, 0, 100, 50}, Text);
}

HWND TWinTest::MakeWindowAt(DWORD Style, HWND Parent, RECT Rect, LPCSTR Text, DWORD ExStyle, int Id)
{
    HWND Window =
        CreateWindowEx(ExStyle, "Recorder", Text, Style, Rect.left, Rect.top,
                       Rect.right - Rect.left, Rect.bottom - Rect.top, Parent,
                       reinterpret_cast<HMENU>(static_cast<LONG_PTR>(Id)), nullptr, nullptr);
    EXPECT_NE(Window, nullptr);
    FWindows.push_back(Window);
    return Window;
}

int TWinTest::PumpReady()
{
    return PumpLoggedMessages(false);
}

void TWinTest::Input(const TRawInput& Raw)
{
    QueueRawInput(Raw);
    PumpReady();
}

void TWinTest::Move(int X, int Y)
{
    TRawInput Raw;
    Raw.Kind = TRawInput::TKind::MouseMove;
    Raw.Screen = {X, Y};
    QueueRawInput(Raw);
}

void TWinTest::Button(int X, int Y, bool Down, TRawInput::TButton Which)
{
    TRawInput Raw;
    Raw.Kind = Down ? TRawInput::TKind::ButtonDown : TRawInput::TKind::ButtonUp;
    Raw.Screen = {X, Y};
    Raw.Button = Which;
    QueueRawInput(Raw);
}

void TWinTest::Key(UINT VirtualKey, bool Down)
{
    TRawInput Raw;
    Raw.Kind = Down ? TRawInput::TKind::KeyDown : TRawInput::TKind::KeyUp;
    Raw.VirtualKey = VirtualKey;
    QueueRawInput(Raw);
}

int TWinTest::PumpTranslated()
{
    return PumpLoggedMessages(true);
}
