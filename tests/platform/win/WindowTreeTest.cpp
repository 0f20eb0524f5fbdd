#include "WinTestSupport.h"

namespace
{
class WindowTreeTest : public TWinTest
{
  protected:
    std::vector<HWND> ChildOrder(HWND Parent)
    {
        std::vector<HWND> Order;
        for (HWND W = GetWindow(Parent, GW_CHILD); W; W = GetWindow(W, GW_HWNDNEXT))
            Order.push_back(W);
        return Order;
    }
    HWND Popup(RECT Rect, DWORD Extra = WS_VISIBLE)
    {
        return MakeWindowAt(WS_POPUP | Extra, nullptr, Rect);
    }
    HWND Child(HWND Parent, RECT Rect, int Id = 0, DWORD Extra = WS_VISIBLE)
    {
        return MakeWindowAt(WS_CHILD | Extra, Parent, Rect, "", 0, Id);
    }
};

TEST_F(WindowTreeTest, ChildrenStackInCreationOrderAndSetWindowPosReorders)
{
    HWND Parent = Popup({0, 0, 300, 200});
    HWND A = Child(Parent, {0, 0, 10, 10}, 1);
    HWND B = Child(Parent, {0, 0, 10, 10}, 2);
    HWND C = Child(Parent, {0, 0, 10, 10}, 3);
    EXPECT_EQ(ChildOrder(Parent), (std::vector<HWND>{A, B, C})) << "first created is on top";
    EXPECT_EQ(GetWindow(B, GW_HWNDPREV), A);
    EXPECT_EQ(GetWindow(A, GW_HWNDLAST), C);
    EXPECT_EQ(GetDlgItem(Parent, 2), B);
    EXPECT_EQ(GetDlgCtrlID(C), 3);

    const UINT Keep = SWP_NOMOVE | SWP_NOSIZE;
    SetWindowPos(C, HWND_TOP, 0, 0, 0, 0, Keep);
    EXPECT_EQ(ChildOrder(Parent), (std::vector<HWND>{C, A, B}));
    SetWindowPos(C, B, 0, 0, 0, 0, Keep);
    EXPECT_EQ(ChildOrder(Parent), (std::vector<HWND>{A, B, C}));
    SetWindowPos(A, HWND_BOTTOM, 0, 0, 0, 0, Keep);
    EXPECT_EQ(ChildOrder(Parent), (std::vector<HWND>{B, C, A}));
    SetWindowPos(A, HWND_TOP, 0, 0, 0, 0, Keep | SWP_NOZORDER);
    EXPECT_EQ(ChildOrder(Parent), (std::vector<HWND>{B, C, A})) << "SWP_NOZORDER keeps the order";
    EXPECT_FALSE(SetWindowPos(A, Parent, 0, 0, 0, 0, Keep)) << "insert-after must be a sibling";
}

TEST_F(WindowTreeTest, EnumerationIsDepthFirstInZOrder)
{
    HWND Parent = Popup({0, 0, 300, 200});
    HWND A = Child(Parent, {0, 0, 10, 10});
    HWND A1 = Child(A, {0, 0, 5, 5});
    HWND B = Child(Parent, {0, 0, 10, 10});
    std::vector<HWND> Seen;
    EnumChildWindows(
        Parent,
        [](HWND W, LPARAM P)
        {
            reinterpret_cast<std::vector<HWND>*>(P)->push_back(W);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&Seen));
    EXPECT_EQ(Seen, (std::vector<HWND>{A, A1, B}));
}

TEST_F(WindowTreeTest, SetParentMovesASubtreeAndRefusesCycles)
{
    HWND First = Popup({0, 0, 100, 100});
    HWND Second = Popup({0, 0, 100, 100});
    HWND Moving = Child(First, {0, 0, 50, 50});
    HWND Inner = Child(Moving, {0, 0, 10, 10});
    EXPECT_EQ(SetParent(Moving, Second), First);
    EXPECT_EQ(GetParent(Moving), Second);
    EXPECT_TRUE(IsChild(Second, Inner));
    EXPECT_FALSE(IsChild(First, Inner));
    EXPECT_EQ(GetAncestor(Inner, GA_ROOT), Second);
    EXPECT_EQ(SetParent(Second, Inner), nullptr);
    EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);

    HWND Owned = MakeWindowAt(WS_POPUP, First, {0, 0, 10, 10});
    EXPECT_EQ(GetParent(Owned), First) << "a popup's parent word is its owner";
    EXPECT_EQ(GetWindow(Owned, GW_OWNER), First);
    EXPECT_EQ(GetAncestor(Owned, GA_PARENT), nullptr);
    EXPECT_EQ(GetAncestor(Owned, GA_ROOTOWNER), First);
}

TEST_F(WindowTreeTest, CoordinatesMapThroughTheTree)
{
    HWND Top = Popup({100, 50, 400, 250});
    HWND Inner = MakeWindowAt(WS_CHILD | WS_VISIBLE | WS_BORDER, Top, {10, 20, 110, 70});
    RECT R{};
    GetWindowRect(Inner, &R);
    EXPECT_EQ(R.left, 110);
    EXPECT_EQ(R.top, 70);
    EXPECT_EQ(R.right, 210);
    EXPECT_EQ(R.bottom, 120);
    GetClientRect(Inner, &R);
    EXPECT_EQ(R.right, 98);
    EXPECT_EQ(R.bottom, 48);
    POINT P{0, 0};
    ClientToScreen(Inner, &P);
    EXPECT_EQ(P.x, 111);
    EXPECT_EQ(P.y, 71);
    ScreenToClient(Top, &P);
    EXPECT_EQ(P.x, 11);
    EXPECT_EQ(P.y, 21);
    POINT Q{0, 0};
    MapWindowPoints(Inner, Top, &Q, 1);
    EXPECT_EQ(Q.x, 11);
    EXPECT_EQ(Q.y, 21);

    struct TCase
    {
        POINT Screen;
        HWND Expected;
    };
    const TCase Cases[] = {{{115, 75}, Inner},
                           {{105, 55}, Top},
                           {{50, 50}, nullptr},
                           {{209, 119}, Inner},
                           {{210, 120}, Top}};
    for (const TCase& Case : Cases)
        EXPECT_EQ(WindowFromPoint(Case.Screen), Case.Expected)
            << Case.Screen.x << "," << Case.Screen.y;
    EnableWindow(Inner, FALSE);
    EXPECT_EQ(WindowFromPoint({115, 75}), Top) << "a disabled child lets the point through";
    EnableWindow(Inner, TRUE);
    ShowWindow(Inner, SW_HIDE);
    EXPECT_EQ(WindowFromPoint({115, 75}), Top);
}

TEST_F(WindowTreeTest, SetWindowPosSendsOnlyWhatChanged)
{
    HWND Parent = Popup({0, 0, 300, 200});
    struct TCase
    {
        const char* Name;
        RECT To;
        UINT Flags;
        std::vector<TMsgRow> Expected;
    };
    const RECT Base{10, 10, 60, 40};
    const TCase Cases[] = {
        {"move",
         {20, 30, 70, 60},
         SWP_NOSIZE,
         {{WM_WINDOWPOSCHANGING, sent},
          {WM_WINDOWPOSCHANGED, sent},
          {WM_MOVE, sent, 0, MAKELPARAM(20, 30)}}},
        {"size",
         {10, 10, 90, 50},
         SWP_NOMOVE,
         {{WM_WINDOWPOSCHANGING, sent},
          {WM_NCCALCSIZE, sent, TRUE},
          {WM_WINDOWPOSCHANGED, sent},
          {WM_SIZE, sent, SIZE_RESTORED, MAKELPARAM(80, 40)}}},
        {"move and size",
         {0, 0, 20, 20},
         0,
         {{WM_WINDOWPOSCHANGING, sent},
          {WM_NCCALCSIZE, sent, TRUE},
          {WM_WINDOWPOSCHANGED, sent},
          {WM_MOVE, sent},
          {WM_SIZE, sent}}},
        {"nothing", Base, 0, {{WM_WINDOWPOSCHANGING, sent}}},
        {"frame changed",
         Base,
         0x37,
         {{WM_WINDOWPOSCHANGING, sent}, {WM_NCCALCSIZE, sent, TRUE}, {WM_WINDOWPOSCHANGED, sent}}},
    };
    for (const TCase& Case : Cases)
    {
        SCOPED_TRACE(Case.Name);
        HWND W = Child(Parent, Base);
        MessageLog().clear();
        SetWindowPos(W, nullptr, Case.To.left, Case.To.top, Case.To.right - Case.To.left,
                     Case.To.bottom - Case.To.top, Case.Flags | SWP_NOZORDER);
        std::vector<TMsgRow> Rows = Case.Expected;
        Rows.push_back({});
        ExpectSequence(Rows.data(), Case.Name);
        DestroyWindow(W);
    }
}

TEST_F(WindowTreeTest, VisibilityFollowsAncestors)
{
    HWND Top = Popup({0, 0, 100, 100}, 0);
    HWND Inner = Child(Top, {0, 0, 10, 10});
    EXPECT_FALSE(IsWindowVisible(Inner));
    MessageLog().clear();
    EXPECT_FALSE(ShowWindow(Top, SW_SHOWNA));
    EXPECT_TRUE(IsWindowVisible(Inner));
    EXPECT_TRUE(ShowWindow(Top, SW_SHOWNA)) << "returns the previous visibility";
    // WM_SHOWWINDOW only for the change; the second show changes nothing.
    const TMsgRow Shown[] = {
        {WM_SHOWWINDOW, sent, TRUE, 0, Top},
        {WM_WINDOWPOSCHANGING, sent, SWP_SHOWWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE},
        {WM_WINDOWPOSCHANGED, sent,
         SWP_SHOWWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER},
        {WM_WINDOWPOSCHANGING, sent, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE},
        {}};
    ExpectSequence(Shown, "SW_SHOWNA twice");
}

TEST_F(WindowTreeTest, MaximizeMinimizeAndRestore)
{
    HWND Top = MakeWindowAt(WS_OVERLAPPEDWINDOW | WS_VISIBLE, nullptr, {10, 10, 210, 110});
    const RECT Work = {0, 0, 1024, 768};
    MessageLog().clear();
    ShowWindow(Top, SW_MAXIMIZE);
    RECT R{};
    GetWindowRect(Top, &R);
    EXPECT_TRUE(IsZoomed(Top));
    EXPECT_EQ(R.left, Work.left - 4) << "the sizing frame lies beyond the work area";
    EXPECT_EQ(R.right, Work.right + 4);
    const TMsgRow Maximized[] = {{WM_GETMINMAXINFO, sent},
                                 {WM_WINDOWPOSCHANGING, sent, SWP_FRAMECHANGED},
                                 {WM_NCCALCSIZE, sent, TRUE},
                                 {WM_WINDOWPOSCHANGED, sent, SWP_FRAMECHANGED | SWP_NOZORDER},
                                 {WM_MOVE, sent},
                                 {WM_SIZE, sent, SIZE_MAXIMIZED},
                                 {}};
    ExpectSequence(Maximized, "SW_MAXIMIZE");

    ShowWindow(Top, SW_MINIMIZE);
    EXPECT_TRUE(IsIconic(Top));
    EXPECT_FALSE(IsZoomed(Top));
    ShowWindow(Top, SW_RESTORE);
    EXPECT_TRUE(IsZoomed(Top)) << "restoring a minimized maximized window maximizes it";
    MessageLog().clear();
    ShowWindow(Top, SW_RESTORE);
    GetWindowRect(Top, &R);
    EXPECT_EQ(R.left, 10);
    EXPECT_EQ(R.bottom, 110);
    const TMsgRow Restored[] = {{WM_WINDOWPOSCHANGING, sent, SWP_FRAMECHANGED},
                                {WM_GETMINMAXINFO, sent},
                                {WM_NCCALCSIZE, sent, TRUE},
                                {WM_WINDOWPOSCHANGED, sent, SWP_FRAMECHANGED | SWP_NOZORDER},
                                {WM_MOVE, sent},
                                {WM_SIZE, sent, SIZE_RESTORED, MAKELPARAM(192, 73)},
                                {}};
    ExpectSequence(Restored, "SW_RESTORE");
}
} // namespace
