#include "WinTestSupport.h"

#include <cstring>
#include <string>

namespace
{
class WindowTest : public TWinTest
{
};

TEST_F(WindowTest, CreateAndDestroySendTheirMessagesInOrder)
{
    HWND Parent = MakeWindow();
    HWND Child = MakeWindow(WS_CHILD, Parent);
    HWND Grandchild = MakeWindow(WS_CHILD, Child);
    const auto ChildCreated = MAKEWPARAM(WM_CREATE, 0);
    const TMsgRow Created[] = {
        {WM_NCCREATE, sent, 0, std::nullopt, Parent},
        {WM_NCCALCSIZE, sent, FALSE, std::nullopt, Parent},
        {WM_CREATE, sent, 0, std::nullopt, Parent},
        {WM_SIZE, sent, 0, MAKELPARAM(100, 50), Parent},
        {WM_MOVE, sent, 0, 0, Parent},
        {WM_NCCREATE, sent, 0, std::nullopt, Child},
        {WM_NCCALCSIZE, sent, FALSE, std::nullopt, Child},
        {WM_CREATE, sent, 0, std::nullopt, Child},
        {WM_SIZE, sent, 0, MAKELPARAM(100, 50), Child},
        {WM_MOVE, sent, 0, 0, Child},
        {WM_PARENTNOTIFY, sent, ChildCreated, reinterpret_cast<LPARAM>(Child), Parent},
        {WM_NCCREATE, sent, 0, std::nullopt, Grandchild},
        {WM_NCCALCSIZE, sent, FALSE, std::nullopt, Grandchild},
        {WM_CREATE, sent, 0, std::nullopt, Grandchild},
        {WM_SIZE, sent, 0, MAKELPARAM(100, 50), Grandchild},
        {WM_MOVE, sent, 0, 0, Grandchild},
        {WM_PARENTNOTIFY, sent, ChildCreated, reinterpret_cast<LPARAM>(Grandchild), Child},
        {WM_PARENTNOTIFY, sent, ChildCreated, reinterpret_cast<LPARAM>(Grandchild), Parent},
        {},
    };
    ExpectSequence(Created, "create");
    ASSERT_TRUE(DestroyWindow(Parent));
    const TMsgRow Destroyed[] = {
        {WM_DESTROY, sent, 0, 0, Parent},
        {WM_DESTROY, sent, 0, 0, Child},
        {WM_DESTROY, sent, 0, 0, Grandchild},
        {WM_NCDESTROY, sent, 0, 0, Grandchild},
        {WM_NCDESTROY, sent, 0, 0, Child},
        {WM_NCDESTROY, sent, 0, 0, Parent},
        {},
    };
    ExpectSequence(Destroyed, "destroy");
    EXPECT_FALSE(IsWindow(Child));
    EXPECT_FALSE(IsWindow(Grandchild));
}

TEST_F(WindowTest, HiddenOverlappedWindowHearsItsSizeAtItsFirstShow)
{
    struct TCase
    {
        const char* Name;
        DWORD Style;
        int ShowCommand;
    };
    // Overlapped windows are asked for their size limits before anything
    // else and get WM_SIZE and WM_MOVE only with their first show; popups
    // get them at creation. WM_WINDOWPOSCHANGED reports that the z-order
    // did not change (the new window is on top already).
    const TCase Cases[] = {
        {"overlapped, SW_SHOWNA", WS_OVERLAPPEDWINDOW, SW_SHOWNA},
        {"overlapped, SW_SHOW", WS_OVERLAPPEDWINDOW, SW_SHOW},
        {"popup", WS_POPUP, SW_SHOWNA},
    };
    for (const TCase& Case : Cases)
    {
        HWND W = MakeWindowAt(Case.Style, nullptr, {10, 20, 210, 120});
        const bool Overlapped = !(Case.Style & WS_POPUP);
        const TMsgRow Overlapped_[] = {
            {WM_GETMINMAXINFO, sent, 0, std::nullopt, W},
            {WM_NCCREATE, sent, 0, std::nullopt, W},
            {WM_NCCALCSIZE, sent, FALSE, std::nullopt, W},
            {WM_CREATE, sent, 0, std::nullopt, W},
            {},
        };
        const TMsgRow Popup[] = {
            {WM_NCCREATE, sent, 0, std::nullopt, W},
            {WM_NCCALCSIZE, sent, FALSE, std::nullopt, W},
            {WM_CREATE, sent, 0, std::nullopt, W},
            {WM_SIZE, sent, SIZE_RESTORED, MAKELPARAM(200, 100), W},
            {WM_MOVE, sent, 0, MAKELPARAM(10, 20), W},
            {},
        };
        ExpectSequence(Overlapped ? Overlapped_ : Popup, Case.Name);
        ShowWindow(W, Case.ShowCommand);
        // The client of an overlapped window lies inside its sizing frame
        // (4) and caption (19).
        const TMsgRow ShownNoActivate[] = {
            {WM_SHOWWINDOW, sent, TRUE, 0, W},
            {WM_WINDOWPOSCHANGING, sent, SWP_SHOWWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE},
            {WM_WINDOWPOSCHANGED, sent,
             SWP_SHOWWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER},
            {WM_SIZE, sent, SIZE_RESTORED, MAKELPARAM(192, 73), W},
            {WM_MOVE, sent, 0, MAKELPARAM(14, 43), W},
            {},
        };
        const TMsgRow ShownActive[] = {
            {WM_SHOWWINDOW, sent, TRUE, 0, W},
            {WM_WINDOWPOSCHANGING, sent, SWP_SHOWWINDOW | SWP_NOSIZE | SWP_NOMOVE},
            {WM_WINDOWPOSCHANGING, sent | optional, SWP_NOSIZE | SWP_NOMOVE},
            {WM_ACTIVATEAPP, sent, TRUE},
            {WM_NCACTIVATE, sent, TRUE},
            {WM_ACTIVATE, sent, WA_ACTIVE},
            {WM_SETFOCUS, sent, 0},
            {WM_WINDOWPOSCHANGED, sent, SWP_SHOWWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER},
            {WM_SIZE, sent, SIZE_RESTORED, MAKELPARAM(192, 73), W},
            {WM_MOVE, sent, 0, MAKELPARAM(14, 43), W},
            {},
        };
        const TMsgRow PopupShown[] = {
            {WM_SHOWWINDOW, sent, TRUE, 0, W},
            {WM_WINDOWPOSCHANGING, sent, SWP_SHOWWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE},
            {WM_WINDOWPOSCHANGED, sent,
             SWP_SHOWWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER},
            {},
        };
        ExpectSequence(!Overlapped                     ? PopupShown
                       : Case.ShowCommand == SW_SHOWNA ? ShownNoActivate
                                                       : ShownActive,
                       Case.Name);
        ShowWindow(W, SW_HIDE);
        ShowWindow(W, SW_SHOWNA);
        EXPECT_TRUE(Only(MessageLog(), {WM_SIZE, WM_MOVE}).empty()) << "only the first show";
        DestroyWindow(W);
        MessageLog().clear();
    }
}

// The WINDOWPOS flags of every WM_WINDOWPOSCHANGED, with the client flags
// the message log leaves out.
WNDPROC UnrecordedProc = nullptr;
std::vector<UINT> ChangedFlags;
LRESULT RecordChangedFlags(HWND Window, UINT Message, WPARAM WParam, LPARAM LParam)
{
    if (Message == WM_WINDOWPOSCHANGED)
        ChangedFlags.push_back(reinterpret_cast<const WINDOWPOS*>(LParam)->flags);
    return CallWindowProc(UnrecordedProc, Window, Message, WParam, LParam);
}

TEST_F(WindowTest, SetWindowPosShowsAnOverlappedWindowWithoutItsFirstSize)
{
    // The first WM_SIZE and WM_MOVE come from the first ShowWindow only, also
    // after the window was made visible by SetWindowPos.
    for (const int ShowCommand : {SW_SHOWNA, SW_SHOW})
    {
        HWND W = MakeWindowAt(WS_OVERLAPPEDWINDOW, nullptr, {10, 20, 210, 120});
        UnrecordedProc = reinterpret_cast<WNDPROC>(
            SetWindowLongPtr(W, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(RecordChangedFlags)));
        MessageLog().clear();
        ChangedFlags.clear();
        const UINT Shown = SWP_SHOWWINDOW | Keep | SWP_NOZORDER | SWP_NOACTIVATE;
        ASSERT_TRUE(SetWindowPos(W, nullptr, 0, 0, 0, 0, Shown));
        const TMsgRow ShownBySetWindowPos[] = {
            {WM_WINDOWPOSCHANGING, sent, Shown, std::nullopt, W},
            {WM_WINDOWPOSCHANGED, sent, Shown, std::nullopt, W},
            {},
        };
        ExpectSequence(ShownBySetWindowPos, "SetWindowPos");
        EXPECT_EQ(ChangedFlags, std::vector<UINT>{Shown | SWP_NOCLIENTSIZE | SWP_NOCLIENTMOVE});
        EXPECT_TRUE(IsWindowVisible(W));

        ShowWindow(W, ShowCommand);
        const TMsgRow FirstShow[] = {
            {WM_WINDOWPOSCHANGING, sent | optional, std::nullopt, std::nullopt, W},
            {WM_SIZE, sent, SIZE_RESTORED, MAKELPARAM(192, 73), W},
            {WM_MOVE, sent, 0, MAKELPARAM(14, 43), W},
            {},
        };
        ExpectSequence(FirstShow, ShowCommand == SW_SHOW ? "SW_SHOW" : "SW_SHOWNA");
        ShowWindow(W, SW_HIDE);
        ShowWindow(W, ShowCommand);
        EXPECT_TRUE(Only(MessageLog(), {WM_SIZE, WM_MOVE}).empty()) << "only the first show";
        DestroyWindow(W);
        MessageLog().clear();
    }
}

TEST_F(WindowTest, SizeLimitsHoldAnOverlappedWindowAtCreation)
{
    HWND W = MakeWindowAt(WS_OVERLAPPEDWINDOW, nullptr, {0, 0, 20, 5});
    RECT R{};
    GetWindowRect(W, &R);
    EXPECT_EQ(R.right - R.left, GetSystemMetrics(SM_CXMINTRACK));
    EXPECT_EQ(R.bottom - R.top, GetSystemMetrics(SM_CYMINTRACK));
}

// A procedure that refuses creation at a chosen message.
UINT RefuseAt = 0;
LRESULT RefusingProc(HWND Window, UINT Message, WPARAM WParam, LPARAM LParam)
{
    LogMessage(Window, Message, WParam, LParam);
    if (Message == RefuseAt) return Message == WM_CREATE ? -1 : FALSE;
    return DefWindowProc(Window, Message, WParam, LParam);
}

TEST_F(WindowTest, ProcedureCanRefuseCreation)
{
    WNDCLASS Class{};
    Class.lpfnWndProc = RefusingProc;
    Class.lpszClassName = "Refusing";
    RegisterClass(&Class);
    const TMsgRow AtNcCreate[] = {{WM_NCCREATE, sent}, {WM_NCDESTROY, sent}, {}};
    const TMsgRow AtCreate[] = {{WM_NCCREATE, sent}, {WM_NCCALCSIZE, sent}, {WM_CREATE, sent},
                                {WM_DESTROY, sent},  {WM_NCDESTROY, sent},  {}};
    struct TCase
    {
        UINT RefuseAt;
        const TMsgRow* Expected;
    };
    const TCase Cases[] = {{WM_NCCREATE, AtNcCreate}, {WM_CREATE, AtCreate}};
    for (const TCase& Case : Cases)
    {
        RefuseAt = Case.RefuseAt;
        MessageLog().clear();
        EXPECT_EQ(CreateWindowEx(0, "Refusing", "", 0, 0, 0, 10, 10, HWND_MESSAGE, nullptr, nullptr,
                                 nullptr),
                  nullptr);
        ExpectSequence(Case.Expected, MessageName(Case.RefuseAt));
    }
    EXPECT_TRUE(UnregisterClass("Refusing", nullptr)) << "no window of the class is left";
}

WNDPROC PreviousProc = nullptr;
LRESULT SubclassProc(HWND Window, UINT Message, WPARAM WParam, LPARAM LParam)
{
    if (Message == WM_USER) return 42;
    return CallWindowProc(PreviousProc, Window, Message, WParam, LParam);
}

TEST_F(WindowTest, ReplacedProcedureSeesMessagesFirstAndCanChainOn)
{
    HWND Window = MakeWindow();
    PreviousProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtr(Window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SubclassProc)));
    ASSERT_NE(PreviousProc, nullptr);
    EXPECT_EQ(GetWindowLongPtr(Window, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(SubclassProc));
    MessageLog().clear();
    EXPECT_EQ(SendMessage(Window, WM_USER, 0, 0), 42);
    EXPECT_EQ(SendMessage(Window, WM_USER + 1, 0, 0), 0);
    const TMsgRow Chained[] = {{WM_USER + 1, sent}, {}};
    ExpectSequence(Chained, "only what the new procedure passes on");

    PostMessage(Window, WM_USER, 0, 0);
    MSG Msg{};
    ASSERT_TRUE(PeekMessage(&Msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(DispatchMessage(&Msg), 42) << "posted messages reach the replaced procedure too";

    SetWindowLongPtr(Window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(PreviousProc));
    MessageLog().clear();
    SendMessage(Window, WM_USER, 0, 0);
    const TMsgRow Restored[] = {{WM_USER, sent}, {}};
    ExpectSequence(Restored, "the old procedure is back");
}

TEST_F(WindowTest, TextGoesThroughTheTextMessages)
{
    HWND Window = MakeWindow(0, HWND_MESSAGE, "Initial");
    char Buffer[8];
    EXPECT_EQ(GetWindowTextLength(Window), 7);
    EXPECT_EQ(GetWindowText(Window, Buffer, sizeof Buffer), 7);
    EXPECT_STREQ(Buffer, "Initial");
    MessageLog().clear();
    EXPECT_TRUE(SetWindowText(Window, "Much longer text"));
    const TMsgRow SetText[] = {{WM_SETTEXT, sent}, {}};
    ExpectSequence(SetText, "SetWindowText");
    EXPECT_EQ(GetWindowText(Window, Buffer, sizeof Buffer), 7)
        << "cut to the buffer, zero included";
    EXPECT_STREQ(Buffer, "Much lo");
    EXPECT_EQ(GetWindowText(Window, Buffer, 1), 0);
    EXPECT_STREQ(Buffer, "");
}

TEST_F(WindowTest, WindowWordsAndExtraBytes)
{
    HWND Owner = MakeWindow(0, nullptr);
    HWND Window = MakeWindow(WS_POPUP, Owner);
    EXPECT_EQ(GetWindowLongPtr(Window, GWLP_HWNDPARENT), reinterpret_cast<LONG_PTR>(Owner));
    EXPECT_EQ(SetWindowLongPtr(Window, GWLP_USERDATA, 1234), 0);
    EXPECT_EQ(GetWindowLongPtr(Window, GWLP_USERDATA), 1234);
    EXPECT_EQ(SetWindowLongPtr(Window, sizeof(LONG_PTR), -5), 0);
    EXPECT_EQ(GetWindowLongPtr(Window, sizeof(LONG_PTR)), -5);
    SetLastError(0);
    EXPECT_EQ(GetWindowLongPtr(Window, 2 * sizeof(LONG_PTR)), 0) << "past the class's extra bytes";
    EXPECT_EQ(GetLastError(), ERROR_INVALID_INDEX);

    MessageLog().clear();
    EXPECT_EQ(static_cast<DWORD>(
                  SetWindowLong(Window, GWL_STYLE, static_cast<LONG>(WS_POPUP | WS_DISABLED))),
              WS_POPUP);
    EXPECT_EQ(static_cast<DWORD>(GetWindowLong(Window, GWL_STYLE)), WS_POPUP | WS_DISABLED);
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongPtr(Window, GWL_STYLE)), WS_POPUP | WS_DISABLED)
        << "the high style bit is not sign-extended";
    const TMsgRow StyleChanged[] = {{WM_STYLECHANGING, sent, static_cast<WPARAM>(GWL_STYLE)},
                                    {WM_STYLECHANGED, sent, static_cast<WPARAM>(GWL_STYLE)},
                                    {}};
    ExpectSequence(StyleChanged, "style");

    DestroyWindow(Owner);
    EXPECT_FALSE(IsWindow(Window)) << "owned windows go with their owner";
}

TEST_F(WindowTest, ClassRegistrationRules)
{
    WNDCLASS Class{};
    Class.lpfnWndProc = DefWindowProc;
    Class.lpszClassName = "Recorder";
    EXPECT_EQ(RegisterClass(&Class), 0);
    EXPECT_EQ(GetLastError(), ERROR_CLASS_ALREADY_EXISTS);
    Class.lpszClassName = "";
    EXPECT_EQ(RegisterClass(&Class), 0);
    EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);

    MakeWindow();
    EXPECT_FALSE(UnregisterClass("recorder", nullptr));
    EXPECT_EQ(GetLastError(), ERROR_CLASS_HAS_WINDOWS);
    EXPECT_EQ(CreateWindowEx(0, "NoSuchClass", "", 0, 0, 0, 1, 1, HWND_MESSAGE, nullptr, nullptr,
                             nullptr),
              nullptr);
    EXPECT_EQ(GetLastError(), ERROR_CANNOT_FIND_WND_CLASS);
    EXPECT_EQ(
        CreateWindowEx(0, "Recorder", "", WS_CHILD, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr),
        nullptr);
    EXPECT_EQ(GetLastError(), ERROR_TLW_WITH_WSCHILD);
}

TEST_F(WindowTest, CloseDestroysByDefault)
{
    HWND Window = MakeWindow();
    SendMessage(Window, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(Window));
}
} // namespace
