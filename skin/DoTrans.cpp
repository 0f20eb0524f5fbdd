#include "skin/DoTrans.h"

#include "framework/controls/WinControl.h"
#include "framework/graphics/Canvas.h"
#include "platform/gfx/DcSaver.h"
#include "platform/gfx/DeviceContext.h"
#include "platform/win/WinMessages.h"

void DoTrans(TCanvas* Canvas, TWinControl* Control)
{
    if (!Canvas || !Control || !Control->Parent()) return;
    HDC Dc = Canvas->Handle();
    if (!Dc) return;
    TWinControl* Parent = Control->Parent();
    TDcSaver Saved(*Dc);
    Dc->OffsetViewportOrg(-Control->Left(), -Control->Top());
    Dc->IntersectClipRect({0, 0, Parent->ClientWidth(), Parent->ClientHeight()});
    Parent->Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(Dc), 0);
    Parent->Perform(WM_PAINT, reinterpret_cast<WPARAM>(Dc), 0);
}
