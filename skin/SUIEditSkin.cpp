#include "skin/SUIEditSkin.h"

#include "framework/stdctrls/MaskEdit.h"
#include "platform/gfx/Shapes.h"
#include "platform/win/WinApi.h"
#include "skin/ControlBorder.h"
#include "skin/SUIFileTheme.h"
#include "skin/SUIStyleApply.h"

void DrawEditFrame(HDC Dc, const TRect& Margin, TColor Border, TColor Inner)
{
    FrameRect(*Dc, Margin, gfx::TBrush::Solid(ColorToRGB(Border)));
    FrameRect(*Dc, Margin.Inflate(-1, -1), gfx::TBrush::Solid(ColorToRGB(Inner)));
}

template <class TBase>
TsuiEditSkin<TBase>::TsuiEditSkin(TComponent* AOwner) : TBase(AOwner), TsuiSkinBinding(this)
{
    this->FControlStyle.Include(csOpaque);
    this->SetBorderStyle(bsNone);
    this->SetBorderWidth(2);
    SetUIStyle(GetSUIFormStyle(AOwner));
}

template <class TBase> void TsuiEditSkin<TBase>::ApplySkin()
{
    TsuiUIStyle Style;
    if (UsesFileTheme(Style))
        FBorderColor = FileTheme()->GetColor(SKIN2_CONTROLBORDERCOLOR);
    else
        FBorderColor = GetInsideThemeColor(Style, SUI_ITEM_CONTROL_BORDER_COLOR);
    UIStyleChanged();
    this->Invalidate();
}

template <class TBase> void TsuiEditSkin<TBase>::SetBorderColor(TColor Value)
{
    FBorderColor = Value;
    this->Invalidate();
}

template <class TBase>
void TsuiEditSkin<TBase>::Notification(TComponent* AComponent, TOperation Operation)
{
    TBase::Notification(AComponent, Operation);
    SkinNotification(AComponent, Operation);
}

template <class TBase> void TsuiEditSkin<TBase>::PaintBorderMargin(HDC Dc, const TRect& Margin)
{
    DrawEditFrame(Dc, Margin, FBorderColor, this->Color());
}

template <class TBase> TMessageMap TsuiEditSkin<TBase>::SkinMessages(const TMessageMap* Parent)
{
    TMessageMap Map(Parent);
    Map.On(WM_PAINT, &TsuiEditSkin::WMPaint).On(WM_ERASEBKGND, &TsuiEditSkin::WMEraseBkgnd);
    return Map;
}

template <class TBase> void TsuiEditSkin<TBase>::WMPaint(TMessage& M)
{
    TBase::WMPaint(M);
    DrawControlBorder(this, FBorderColor, this->Color(), true);
}

template <class TBase> void TsuiEditSkin<TBase>::WMEraseBkgnd(TMessage& M)
{
    TBase::WMEraseBkgnd(M);
    DrawControlBorder(this, FBorderColor, this->Color(), true);
}

template class TsuiEditSkin<TCustomEdit>;
template class TsuiEditSkin<TCustomMaskEdit>;
