#include "skin/ControlBorder.h"

#include "framework/controls/WinControl.h"
#include "platform/gfx/Brush.h"
#include "platform/gfx/DeviceContext.h"
#include "platform/gfx/Shapes.h"
#include "platform/win/WinPaint.h"
#include "platform/win/WindowDcScope.h"
#include "platform/win/WindowPos.h"

void DrawControlBorder(TWinControl* Control, TColor BorderColor, TColor InnerColor, bool DrawInner)
{
    if (!Control || !Control->HandleAllocated()) return;
    HWND Window = Control->Handle();
    RECT Bounds;
    if (!GetWindowRect(Window, &Bounds)) return;
    TWindowDcScope Whole(Window, TWindowDcScope::WholeWindow);
    HDC Dc = Whole.Dc();
    if (!Dc) return;
    const TRect R{0, 0, Bounds.right - Bounds.left, Bounds.bottom - Bounds.top};
    FrameRect(*Dc, R, gfx::TBrush::Solid(ColorToRGB(BorderColor)));
    if (DrawInner) FrameRect(*Dc, R.Inflate(-1, -1), gfx::TBrush::Solid(ColorToRGB(InnerColor)));
}
