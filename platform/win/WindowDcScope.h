#pragma once

#include "platform/win/WindowDc.h"

// A window's device context for a scope: the client area's (GetDC) or the
// whole window's (GetWindowDC), released when the scope ends, also when an
// exception leaves it. Null when the window has none to give.
class TWindowDcScope
{
  public:
    enum TArea
    {
        ClientArea,
        WholeWindow
    };

    explicit TWindowDcScope(HWND Window, TArea Area = ClientArea)
        : FWindow(Window), FDc(Area == WholeWindow ? GetWindowDC(Window) : GetDC(Window))
    {
    }
    ~TWindowDcScope()
    {
        if (FDc) ReleaseDC(FWindow, FDc);
    }
    TWindowDcScope(const TWindowDcScope&) = delete;
    TWindowDcScope& operator=(const TWindowDcScope&) = delete;

    HDC Dc() const { return FDc; }
    explicit operator bool() const { return FDc != nullptr; }

  private:
    HWND FWindow;
    HDC FDc;
};
