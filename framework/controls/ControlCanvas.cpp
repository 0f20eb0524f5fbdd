#include "framework/controls/ControlCanvas.h"

#include "framework/controls/WinControl.h"
#include "platform/gfx/DeviceContext.h"
#include "platform/win/WinPaint.h"

TControlCanvas::TControlCanvas(TControl* Control, bool WholeWindow) : FControl(Control)
{
    Font()->Assign(Control->Font());
    Brush()->SetColor(Control->Color());
    if (auto* Win = dynamic_cast<TWinControl*>(Control))
    {
        if (!Win->HandleAllocated()) return;
        FWindow = Win->Handle();
        SetHandle(WholeWindow ? GetWindowDC(FWindow) : GetDC(FWindow));
        return;
    }
    TWinControl* Parent = Control->Parent();
    if (!Parent || !Parent->HandleAllocated()) return;
    FWindow = Parent->Handle();
    HDC Dc = GetDC(FWindow);
    if (!Dc) return;
    Dc->OffsetViewportOrg(Control->Left(), Control->Top());
    Dc->IntersectClipRect({0, 0, Control->Width(), Control->Height()});
    SetHandle(Dc);
}

TControlCanvas::~TControlCanvas()
{
    HDC Dc = Handle();
    SetHandle(nullptr);
    if (Dc) ReleaseDC(FWindow, Dc);
}
