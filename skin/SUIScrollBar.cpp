#include "skin/SUIScrollBar.h"

#include "framework/PropertyRegistry.h"
#include "framework/controls/Messages.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/CanvasHandleScope.h"
#include "platform/win/WinApi.h"
#include "skin/SUIFileTheme.h"
#include "skin/SUIStyleApply.h"

const TClassInfo& TsuiScrollBar::StaticClass()
{
    static const TClassInfo Info =
        TClassBuilder<TsuiScrollBar>("TsuiScrollBar", &TScrollBar::StaticClass())
            .Component("FileTheme", &TsuiScrollBar::FileTheme, &TsuiScrollBar::SetFileTheme)
            .Enum("UIStyle", &TsuiScrollBar::UIStyle, &TsuiScrollBar::SetUIStyle, UIStyleNames())
            .Stored(&TsuiScrollBar::IsUIStyleStored)
            .Build();
    return Info;
}

const TMessageMap& TsuiScrollBar::StaticMessages()
{
    static const TMessageMap Map = TMessageMap(&TScrollBar::StaticMessages())
                                       .On(WM_PAINT, &TsuiScrollBar::WMPaintSkinned)
                                       .On(WM_PRINTCLIENT, &TsuiScrollBar::WMPaintSkinned)
                                       .On(WM_MOUSEMOVE, &TsuiScrollBar::WMMouseMoveHot)
                                       .On(CM_MOUSELEAVE, &TsuiScrollBar::CMMouseLeaveHot);
    return Map;
}

TsuiScrollBar::TsuiScrollBar(TComponent* AOwner) : TScrollBar(AOwner), TsuiSkinBinding(this)
{
    SetUIStyle(GetSUIFormStyle(AOwner));
}

void TsuiScrollBar::ApplySkin()
{
    FLook.Load(UIStyle(), FileTheme());
    Invalidate();
}

void TsuiScrollBar::Notification(TComponent* AComponent, TOperation Operation)
{
    TScrollBar::Notification(AComponent, Operation);
    SkinNotification(AComponent, Operation);
}

void TsuiScrollBar::PaintTo(TDeviceContext* Dc)
{
    POINT Origin{0, 0};
    ::ClientToScreen(FHandle, &Origin);
    TsuiScrollBarLayout Layout;
    if (!QueryScrollBarLayout(FHandle, OBJID_CLIENT, Origin, Layout)) return;
    Layout.Hot = FHot;
    if (Layout.Pressed == ssbNone) Layout.Pressed = FShownPressed;
    TCanvas Canvas;
    TCanvasHandleScope Scope(Canvas, Dc);
    FLook.Paint(&Canvas, Layout);
}

void TsuiScrollBar::WMPaintSkinned(TMessage& M)
{
    if (M.WParam)
    {
        PaintTo(reinterpret_cast<HDC>(M.WParam));
        return;
    }
    PAINTSTRUCT Paint;
    HDC Dc = BeginPaint(FHandle, &Paint);
    if (Dc) PaintTo(Dc);
    EndPaint(FHandle, &Paint);
}

void TsuiScrollBar::ShowPressed(int Part)
{
    FShownPressed = Part;
    Invalidate();
}

void TsuiScrollBar::SetHot(int Part)
{
    if (FHot == Part) return;
    FHot = Part;
    Invalidate();
}

void TsuiScrollBar::WMMouseMoveHot(TMessage& M)
{
    POINT Origin{0, 0};
    ::ClientToScreen(FHandle, &Origin);
    TsuiScrollBarLayout Layout;
    int Part = ssbNone;
    if (QueryScrollBarLayout(FHandle, OBJID_CLIENT, Origin, Layout) && !Layout.Disabled)
        Part = Layout.PartAt({GET_X_LPARAM(M.LParam), GET_Y_LPARAM(M.LParam)});
    SetHot(Part == ssbLineUp || Part == ssbLineDown ? Part : ssbNone);
    TScrollBar::WMMouseMove(M);
}

void TsuiScrollBar::CMMouseLeaveHot(TMessage& M)
{
    SetHot(ssbNone);
    TScrollBar::CMMouseLeave(M);
}
