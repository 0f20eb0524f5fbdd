#include "framework/stdctrls/ButtonControl.h"

#include "framework/PropertyRegistry.h"
#include "framework/graphics/Bitmap.h"
#include "platform/gfx/DrawText.h"
#include "platform/win/WinApi.h"

#include <algorithm>

namespace
{
// Room between the mark and the caption.
constexpr int MarkGap = 4;
} // namespace

const TClassInfo& TButtonControl::StaticClass()
{
    static const TClassInfo Info =
        TClassBuilder<TButtonControl>("TButtonControl", &TCustomControl::StaticClass())
            .Boolean("TabStop", &TButtonControl::TabStop, &TButtonControl::SetTabStop)
            .Default(true)
            .Build();
    return Info;
}

const TMessageMap& TButtonControl::StaticMessages()
{
    static const TMessageMap Map = TMessageMap(&TCustomControl::StaticMessages())
                                       .On(WM_GETDLGCODE, &TButtonControl::WMGetDlgCode)
                                       .On(WM_KEYDOWN, &TButtonControl::WMKeyDown)
                                       .On(WM_KEYUP, &TButtonControl::WMKeyUp)
                                       .On(CM_DIALOGCHAR, &TButtonControl::CMDialogChar)
                                       .On(CM_MOUSEENTER, &TButtonControl::CMMouseEnter)
                                       .On(CM_MOUSELEAVE, &TButtonControl::CMMouseLeave)
                                       .On(CM_TEXTCHANGED, &TButtonControl::CMTextChanged)
                                       .On(CM_ENABLEDCHANGED, &TButtonControl::CMEnabledChanged);
    return Map;
}

TButtonControl::TButtonControl(TComponent* AOwner) : TCustomControl(AOwner)
{
    FControlStyle = {csCaptureMouse, csClickEvents, csSetCaption, csOpaque};
    FColor = clBtnFace;
    FParentColor = true;
    FTabStop = true;
    FWidth = 113;
    FHeight = 17;
}

TRect TButtonControl::MarkRect(int Height, TSize MarkSize)
{
    const int Top = (Height - MarkSize.Height) / 2;
    return {0, Top, MarkSize.Width, Top + MarkSize.Height};
}

TRect TButtonControl::CaptionRect(int Width, int Height, TSize MarkSize)
{
    return {MarkSize.Width + MarkGap, 0, Width, Height};
}

void TButtonControl::PaintCaption(TCanvas* C, const TRect& Area, TColor TextColor)
{
    const std::string Text = GetText();
    if (Text.empty()) return;
    const unsigned Format = DT_WORDBREAK | DT_EXPANDTABS;
    TRect Measured{Area.Left, 0, Area.Right, 0};
    C->DrawText(Text, Measured, Format | DT_CALCRECT);
    const int Top = Area.Top + std::max(0, (Area.Height() - Measured.Height()) / 2);
    TRect Box{Area.Left, Top, std::min(Area.Right, Measured.Right), Top + Measured.Height()};
    Box.Bottom = std::min(Box.Bottom, Area.Bottom);
    C->Brush()->SetStyle(bsClear);
    C->Font()->SetColor(FEnabled ? TextColor : clGrayText);
    TRect Draw = Box;
    C->DrawText(Text, Draw, Format);
    if (Focused())
    {
        C->Brush()->SetStyle(bsSolid);
        C->DrawFocusRect(Box.Inflate(1, 0));
    }
}

void TButtonControl::PaintBackground(TCanvas* C)
{
    C->Brush()->SetStyle(bsSolid);
    C->Brush()->SetColor(FColor);
    C->FillRect(ClientRect());
}

void TButtonControl::Paint()
{
    const TRect R = ClientRect();
    TBitmap Buffer;
    Buffer.SetSize(R.Width(), R.Height());
    if (Buffer.Empty()) return;
    TCanvas* C = Buffer.Canvas();
    PaintBackground(C);
    const TSize Mark = MarkSize();
    PaintMark(C, MarkRect(R.Height(), Mark));
    C->Font()->Assign(Font());
    PaintCaption(C, CaptionRect(R.Width(), R.Height(), Mark), Font()->Color());
    Canvas()->Draw(0, 0, &Buffer);
}

void TButtonControl::SetPressed(bool Value)
{
    if (FPressed == Value) return;
    FPressed = Value;
    Invalidate();
}

void TButtonControl::DoEnter()
{
    Invalidate();
    TCustomControl::DoEnter();
}

void TButtonControl::DoExit()
{
    FSpaceDown = false;
    SetPressed(false);
    Invalidate();
    TCustomControl::DoExit();
}

void TButtonControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (Button == mbLeft)
    {
        if (CanFocus() && !Focused()) SetFocus();
        SetPressed(true);
    }
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TButtonControl::MouseMove(TShiftState Shift, int X, int Y)
{
    if (CaptureControl() == this) SetPressed(ClientRect().Contains(X, Y));
    TCustomControl::MouseMove(Shift, X, Y);
}

void TButtonControl::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (Button == mbLeft) SetPressed(false);
    TCustomControl::MouseUp(Button, Shift, X, Y);
}

void TButtonControl::WMGetDlgCode(TMessage& M)
{
    M.Result = DLGC_BUTTON;
}

void TButtonControl::WMKeyDown(TMessage& M)
{
    if (M.WParam == VK_SPACE)
    {
        if (DoKeyDown(M)) return;
        FSpaceDown = true;
        SetPressed(true);
        return;
    }
    TCustomControl::WMKeyDown(M);
}

void TButtonControl::WMKeyUp(TMessage& M)
{
    if (M.WParam == VK_SPACE && FSpaceDown)
    {
        FSpaceDown = false;
        SetPressed(false);
        if (!DoKeyUp(M)) Click();
        return;
    }
    TCustomControl::WMKeyUp(M);
}

void TButtonControl::CMDialogChar(TMessage& M)
{
    if (!CanFocus() || !IsAccel(static_cast<unsigned>(M.WParam), GetText())) return;
    SetFocus();
    Click();
    M.Result = 1;
}

void TButtonControl::CMMouseEnter(TMessage& M)
{
    TCustomControl::CMMouseEnter(M);
    FMouseOver = true;
    Invalidate();
}

void TButtonControl::CMMouseLeave(TMessage& M)
{
    TCustomControl::CMMouseLeave(M);
    FMouseOver = false;
    Invalidate();
}

void TButtonControl::CMTextChanged(TMessage& M)
{
    TCustomControl::CMTextChanged(M);
    Invalidate();
}

void TButtonControl::CMEnabledChanged(TMessage& M)
{
    TCustomControl::CMEnabledChanged(M);
    Invalidate();
}
