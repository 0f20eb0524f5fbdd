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
    ExpectMessages(Only(MessageLog(), {WM_NCCREATE, WM_NCCALCSIZE, WM_CREATE, WM_SIZE, WM_MOVE}),
                   {
                       {WM_NCCREATE, 0, std::nullopt, Parent},
                       {WM_NCCALCSIZE, FALSE, std::nullopt, Parent},
                       {WM_CREATE, 0, std::nullopt, Parent},
                       {WM_SIZE, 0, MAKELPARAM(100, 50), Parent},
                       {WM_MOVE, 0, 0, Parent},
                       {WM_NCCREATE, 0, std::nullopt, Child},
                       {WM_NCCALCSIZE, FALSE, std::nullopt, Child},
                       {WM_CREATE, 0, std::nullopt, Child},
                       {WM_SIZE, 0, MAKELPARAM(100, 50), Child},
                       {WM_MOVE, 0, 0, Child},
                       {WM_NCCREATE, 0, std::nullopt, Grandchild},
                       {WM_NCCALCSIZE, FALSE, std::nullopt, Grandchild},
                       {WM_CREATE, 0, std::nullopt, Grandchild},
                       {WM_SIZE, 0, MAKELPARAM(100, 50), Grandchild},
                       {WM_MOVE, 0, 0, Grandchild},
                   });
    MessageLog().clear();
    ASSERT_TRUE(DestroyWindow(Parent));
    ExpectMessages(MessageLog(), {
                                     {WM_DESTROY, 0, 0, Parent},
                                     {WM_DESTROY, 0, 0, Child},
                                     {WM_DESTROY, 0, 0, Grandchild},
                                     {WM_NCDESTROY, 0, 0, Grandchild},
                                     {WM_NCDESTROY, 0, 0, Child},
                                     {WM_NCDESTROY, 0, 0, Parent},
                                 });
    EXPECT_FALSE(IsWindow(Child));
    EXPECT_FALSE(IsWindow(Grandchild));
}

// A procedure that refuses creation at a chosen message.
UINT RefuseAt = 0;
LRESULT RefusingProc(HWND Window, UINT Message, WPARAM WParam, LPARAM LParam)
{
    MessageLog().push_back({Window, Message, WParam, LParam});
    if (Message == RefuseAt) return Message == WM_CREATE ? -1 : FALSE;
    return DefWindowProc(Window, Message, WParam, LParam);
}

TEST_F(WindowTest, ProcedureCanRefuseCreation)
{
    WNDCLASS Class{};
    Class.lpfnWndProc = RefusingProc;
    Class.lpszClassName = "Refusing";
    RegisterClass(&Class);
    struct TCase
    {
        UINT RefuseAt;
        std::vector<TExpected> Expected;
    };
    const TCase Cases[] = {
        {WM_NCCREATE, {{WM_NCCREATE}, {WM_NCDESTROY}}},
        {WM_CREATE, {{WM_NCCREATE}, {WM_NCCALCSIZE}, {WM_CREATE}, {WM_DESTROY}, {WM_NCDESTROY}}},
    };
    for (const TCase& Case : Cases)
    {
        SCOPED_TRACE(MessageName(Case.RefuseAt));
        RefuseAt = Case.RefuseAt;
        MessageLog().clear();
        EXPECT_EQ(CreateWindowEx(0, "Refusing", "", 0, 0, 0, 10, 10, HWND_MESSAGE, nullptr, nullptr,
                                 nullptr),
                  nullptr);
        ExpectMessages(MessageLog(), Case.Expected);
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
    ExpectMessages(MessageLog(), {{WM_USER + 1}});

    PostMessage(Window, WM_USER, 0, 0);
    MSG Msg{};
    ASSERT_TRUE(PeekMessage(&Msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(DispatchMessage(&Msg), 42) << "posted messages reach the replaced procedure too";

    SetWindowLongPtr(Window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(PreviousProc));
    MessageLog().clear();
    SendMessage(Window, WM_USER, 0, 0);
    ExpectMessages(MessageLog(), {{WM_USER}});
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
    ExpectMessages(MessageLog(), {{WM_SETTEXT}});
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
    ExpectMessages(MessageLog(), {{WM_STYLECHANGING, static_cast<WPARAM>(GWL_STYLE)},
                                  {WM_STYLECHANGED, static_cast<WPARAM>(GWL_STYLE)}});

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
