#include "platform/win/Caret.h"

#include "detail/Caret.h"
#include "platform/gfx/Blit.h"
#include "platform/win/SystemMetrics.h"
#include "platform/win/Timers.h"
#include "platform/win/WinPaint.h"
#include "platform/win/WindowApi.h"

namespace
{
struct TCaret
{
    HWND Window = nullptr;
    int Width = 0;
    int Height = 0;
    POINT Position{};
    int HideCount = 1;
    bool Drawn = false;
    UINT_PTR Timer = 0;
    int PaintHidden = 0; // hidden for painting, on top of HideCount
};

TCaret& Caret()
{
    static TCaret Instance;
    return Instance;
}

UINT BlinkTime = 530;

void Toggle()
{
    TCaret& C = Caret();
    HDC Dc = GetDC(C.Window);
    if (!Dc) return;
    BitBlt(*Dc, C.Position.x, C.Position.y, C.Width, C.Height, *Dc, C.Position.x, C.Position.y,
           DSTINVERT);
    ReleaseDC(C.Window, Dc);
    C.Drawn = !C.Drawn;
}

bool Visible()
{
    return Caret().Window && Caret().HideCount == 0 && Caret().PaintHidden == 0;
}

void Blink(HWND, UINT, UINT_PTR, DWORD)
{
    if (Visible()) Toggle();
}

void StopBlinking()
{
    TCaret& C = Caret();
    if (C.Timer) KillTimer(nullptr, C.Timer);
    C.Timer = 0;
}

// Draws the caret now and restarts the blinking phase.
void StartBlinking()
{
    TCaret& C = Caret();
    if (!C.Drawn) Toggle();
    StopBlinking();
    C.Timer = SetTimer(nullptr, 0, BlinkTime, Blink);
}

void Erase()
{
    if (Caret().Drawn) Toggle();
}
} // namespace

BOOL CreateCaret(HWND Window, void*, int Width, int Height)
{
    if (!IsWindow(Window)) return FALSE;
    DestroyCaret();
    TCaret& C = Caret();
    C = TCaret{};
    C.Window = Window;
    C.Width = Width > 0 ? Width : GetSystemMetrics(SM_CXBORDER);
    C.Height = Height > 0 ? Height : GetSystemMetrics(SM_CYBORDER);
    return TRUE;
}

BOOL DestroyCaret()
{
    TCaret& C = Caret();
    if (!C.Window) return FALSE;
    if (IsWindow(C.Window)) Erase();
    StopBlinking();
    C = TCaret{};
    return TRUE;
}

BOOL ShowCaret(HWND Window)
{
    TCaret& C = Caret();
    if (!C.Window || (Window && Window != C.Window) || C.HideCount == 0) return FALSE;
    if (--C.HideCount == 0 && C.PaintHidden == 0) StartBlinking();
    return TRUE;
}

BOOL HideCaret(HWND Window)
{
    TCaret& C = Caret();
    if (!C.Window || (Window && Window != C.Window)) return FALSE;
    if (C.HideCount++ == 0)
    {
        Erase();
        StopBlinking();
    }
    return TRUE;
}

BOOL SetCaretPos(int X, int Y)
{
    TCaret& C = Caret();
    if (!C.Window) return FALSE;
    if (C.Position.x == X && C.Position.y == Y) return TRUE;
    Erase();
    C.Position = {X, Y};
    if (Visible()) StartBlinking();
    return TRUE;
}

BOOL GetCaretPos(POINT* Point)
{
    if (!Point || !Caret().Window) return FALSE;
    *Point = Caret().Position;
    return TRUE;
}

UINT GetCaretBlinkTime()
{
    return BlinkTime;
}

BOOL SetCaretBlinkTime(UINT Milliseconds)
{
    BlinkTime = Milliseconds;
    if (Caret().Timer) StartBlinking();
    return TRUE;
}

void CaretBeforePaint(HWND Window)
{
    TCaret& C = Caret();
    if (C.Window != Window) return;
    if (C.PaintHidden++ == 0) Erase();
}

void CaretAfterPaint(HWND Window)
{
    TCaret& C = Caret();
    if (C.Window != Window || C.PaintHidden == 0) return;
    if (--C.PaintHidden == 0 && C.HideCount == 0) StartBlinking();
}

void CaretWindowDestroyed(HWND Window)
{
    TCaret& C = Caret();
    if (C.Window != Window) return;
    StopBlinking();
    C = TCaret{};
}
