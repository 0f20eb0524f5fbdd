#include "WinTestSupport.h"

namespace
{
class NonClientTest : public TWinTest
{
  protected:
    // Client rectangle relative to the window's top-left corner.
    RECT ClientInWindow(HWND Window)
    {
        RECT Outer{}, Client{};
        GetWindowRect(Window, &Outer);
        GetClientRect(Window, &Client);
        POINT Origin{0, 0};
        ClientToScreen(Window, &Origin);
        return {Origin.x - Outer.left, Origin.y - Outer.top, Origin.x - Outer.left + Client.right,
                Origin.y - Outer.top + Client.bottom};
    }
};

void ExpectRect(const RECT& Got, const RECT& Expected)
{
    EXPECT_EQ(Got.left, Expected.left);
    EXPECT_EQ(Got.top, Expected.top);
    EXPECT_EQ(Got.right, Expected.right);
    EXPECT_EQ(Got.bottom, Expected.bottom);
}

TEST_F(NonClientTest, DefaultFrameFollowsTheStyle)
{
    struct TCase
    {
        const char* Name;
        DWORD Style;
        DWORD ExStyle;
        RECT Client; // of a 200 x 100 window
    };
    const TCase Cases[] = {
        {"plain popup", WS_POPUP, 0, {0, 0, 200, 100}},
        {"border", WS_POPUP | WS_BORDER, 0, {1, 1, 199, 99}},
        {"dialog frame", WS_POPUP | WS_DLGFRAME, 0, {3, 3, 197, 97}},
        {"modal frame", WS_POPUP, WS_EX_DLGMODALFRAME, {3, 3, 197, 97}},
        {"dialog with caption", WS_POPUP | WS_CAPTION | WS_SYSMENU, 0, {3, 22, 197, 97}},
        {"sizable with caption", WS_POPUP | WS_CAPTION | WS_THICKFRAME, 0, {4, 23, 196, 96}},
        {"tool window caption", WS_POPUP | WS_CAPTION, WS_EX_TOOLWINDOW, {3, 18, 197, 97}},
        {"overlapped implies caption", WS_OVERLAPPED, 0, {3, 22, 197, 97}},
        {"client edge", WS_POPUP | WS_BORDER, WS_EX_CLIENTEDGE, {3, 3, 197, 97}},
    };
    for (const TCase& Case : Cases)
    {
        SCOPED_TRACE(Case.Name);
        HWND W = MakeWindowAt(Case.Style, nullptr, {50, 50, 250, 150}, "", Case.ExStyle);
        ExpectRect(ClientInWindow(W), Case.Client);
        RECT Adjusted{0, 0, Case.Client.right - Case.Client.left,
                      Case.Client.bottom - Case.Client.top};
        AdjustWindowRectEx(&Adjusted, static_cast<DWORD>(GetWindowLong(W, GWL_STYLE)), FALSE,
                           Case.ExStyle);
        EXPECT_EQ(Adjusted.right - Adjusted.left, 200);
        EXPECT_EQ(Adjusted.bottom - Adjusted.top, 100);
        DestroyWindow(W);
    }
}

// Adjusts the proposed rectangle and lets the default subtract the style's
// frame, the way a skinned form takes over a dialog's frame: its bottom edge
// moves one pixel down, so the bottom frame is 2 pixels instead of 3.
LRESULT FrameTakingProc(HWND Window, UINT Message, WPARAM WParam, LPARAM LParam)
{
    if (Message == WM_NCCALCSIZE && WParam)
    {
        reinterpret_cast<NCCALCSIZE_PARAMS*>(LParam)->rgrc[0].bottom += 1;
        DefWindowProc(Window, Message, WParam, LParam);
        return WVR_VALIDRECTS;
    }
    return DefWindowProc(Window, Message, WParam, LParam);
}

TEST_F(NonClientTest, ProcedureCanReplaceTheFrame)
{
    HWND W = MakeWindowAt(WS_POPUP | WS_CAPTION | WS_VISIBLE, nullptr, {50, 50, 250, 150}, "",
                          WS_EX_DLGMODALFRAME);
    ExpectRect(ClientInWindow(W), {3, 22, 197, 97});
    SetWindowLongPtr(W, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FrameTakingProc));
    SetWindowLong(W, GWL_STYLE, GetWindowLong(W, GWL_STYLE) & ~static_cast<LONG>(WS_CAPTION));
    // A style change alone does not recompute the frame.
    ExpectRect(ClientInWindow(W), {3, 22, 197, 97});
    SetWindowPos(W, nullptr, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    ExpectRect(ClientInWindow(W), {3, 3, 197, 98});
    RECT Outer{};
    GetWindowRect(W, &Outer);
    ExpectRect(Outer, {50, 50, 250, 150}); // the outer size stays
}

TEST_F(NonClientTest, HitTestGivesTheClassicCodes)
{
    HWND Dialog = MakeWindowAt(WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE, nullptr,
                               {100, 100, 300, 200});
    HWND Sizable = MakeWindowAt(WS_OVERLAPPEDWINDOW | WS_VISIBLE, nullptr, {400, 100, 600, 200});
    struct TCase
    {
        HWND Window;
        POINT Screen;
        LRESULT Expected;
    };
    const TCase Cases[] = {
        {Dialog, {150, 150}, HTCLIENT},     {Dialog, {101, 150}, HTBORDER},
        {Dialog, {150, 110}, HTCAPTION},    {Dialog, {110, 110}, HTSYSMENU},
        {Dialog, {285, 110}, HTCLOSE},      {Dialog, {99, 150}, HTNOWHERE},
        {Sizable, {400, 150}, HTLEFT},      {Sizable, {599, 150}, HTRIGHT},
        {Sizable, {500, 100}, HTTOP},       {Sizable, {500, 199}, HTBOTTOM},
        {Sizable, {401, 101}, HTTOPLEFT},   {Sizable, {598, 198}, HTBOTTOMRIGHT},
        {Sizable, {585, 110}, HTCLOSE},     {Sizable, {567, 110}, HTMAXBUTTON},
        {Sizable, {551, 110}, HTMINBUTTON}, {Sizable, {450, 115}, HTCAPTION},
    };
    for (const TCase& Case : Cases)
        EXPECT_EQ(
            SendMessage(Case.Window, WM_NCHITTEST, 0, MAKELPARAM(Case.Screen.x, Case.Screen.y)),
            Case.Expected)
            << Case.Screen.x << "," << Case.Screen.y;
}
} // namespace
