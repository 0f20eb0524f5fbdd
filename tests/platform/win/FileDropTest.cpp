// File drops: delivered to the window under the point that takes them, or
// to its nearest ancestor that does.

#include "platform/win/WinApi.h"
#include "platform/win/headless/HeadlessDesktop.h"

#include <gtest/gtest.h>

namespace
{
struct TDropSeen
{
    HWND Window = nullptr;
    POINT Point{};
    std::vector<std::string> Files;
};
TDropSeen LastDrop;

LRESULT DropRecorder(HWND Window, UINT Message, WPARAM WParam, LPARAM LParam)
{
    if (Message == WM_DROPFILES)
    {
        const auto* Drop = reinterpret_cast<const TDroppedFiles*>(LParam);
        LastDrop = {Window, Drop->Point, Drop->Files};
        return 0;
    }
    return DefWindowProc(Window, Message, WParam, LParam);
}

TEST(FileDrop, GoesToTheWindowThatTakesDropsUnderThePoint)
{
    THeadlessDesktop Desktop(640, 480);
    WNDCLASS Class{};
    Class.lpfnWndProc = DropRecorder;
    Class.lpszClassName = "DropRecorder";
    RegisterClass(&Class);
    // A frameless top-level window at (100, 100) with a child at (10, 10)
    // in it, and a second window beside it that takes no drops.
    HWND Top = CreateWindowEx(0, "DropRecorder", "", WS_POPUP | WS_VISIBLE, 100, 100, 200, 150,
                              nullptr, nullptr, nullptr, nullptr);
    HWND Child = CreateWindowEx(0, "DropRecorder", "", WS_CHILD | WS_VISIBLE, 10, 10, 50, 50, Top,
                                nullptr, nullptr, nullptr);
    HWND Other = CreateWindowEx(0, "DropRecorder", "", WS_POPUP | WS_VISIBLE, 400, 100, 100, 100,
                                nullptr, nullptr, nullptr, nullptr);
    Desktop.Pump();
    const std::vector<std::string> Files{"/tmp/a.json", "/tmp/b c.json"};

    EXPECT_FALSE(Desktop.DropFiles(120, 120, Files)) << "nobody takes drops yet";
    DragAcceptFiles(Top, TRUE);
    LastDrop = {};
    EXPECT_TRUE(Desktop.DropFiles(120, 125, Files)) << "on the child";
    EXPECT_EQ(LastDrop.Window, Top);
    EXPECT_EQ(LastDrop.Point.x, 20);
    EXPECT_EQ(LastDrop.Point.y, 25);
    EXPECT_EQ(LastDrop.Files, Files);

    LastDrop = {};
    EXPECT_FALSE(Desktop.DropFiles(450, 150, Files)) << "the other window";
    EXPECT_FALSE(Desktop.DropFiles(10, 10, Files)) << "the bare desktop";
    EXPECT_FALSE(Desktop.DropFiles(150, 150, {})) << "no files";
    EnableWindow(Top, FALSE);
    EXPECT_FALSE(Desktop.DropFiles(150, 150, Files)) << "disabled";
    EXPECT_EQ(LastDrop.Window, nullptr);
    EnableWindow(Top, TRUE);
    DragAcceptFiles(Top, FALSE);
    EXPECT_FALSE(Desktop.DropFiles(150, 150, Files)) << "no longer taken";
    DestroyWindow(Other);
    DestroyWindow(Child);
    DestroyWindow(Top);
}
} // namespace
