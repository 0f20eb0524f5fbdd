#include "skin/SUICustomButton.h"

#include "framework/PropertyRegistry.h"
#include "framework/controls/CustomForm.h"
#include "framework/controls/Timer.h"
#include "framework/graphics/Bitmap.h"
#include "framework/graphics/ImageList.h"
#include "platform/gfx/DrawText.h"
#include "platform/win/WinApi.h"
#include "skin/DoTrans.h"
#include "skin/SUIButton.h"
#include "skin/SUIFileTheme.h"
#include "skin/SUIStyleApply.h"

#include <algorithm>

namespace
{
bool IsBlank(const std::string& Text)
{
    return std::all_of(Text.begin(), Text.end(), [](char C) { return C == ' ' || C == '\t'; });
}

TCustomForm* FormOf(TWinControl* Control)
{
    return Control->Parent() ? dynamic_cast<TCustomForm*>(Control->TopParent()) : nullptr;
}
} // namespace

const TClassInfo& TsuiCustomButton::StaticClass()
{
    static const TClassInfo Info =
        TClassBuilder<TsuiCustomButton>("TsuiCustomButton", &TCustomControl::StaticClass())
            .Boolean("ParentColor", &TsuiCustomButton::ParentColor,
                     &TsuiCustomButton::SetParentColor)
            .Default(true)
            .String("Caption", &TsuiCustomButton::Caption, &TsuiCustomButton::SetCaption)
            .Boolean("AutoSize", &TsuiCustomButton::AutoSize, &TsuiCustomButton::SetAutoSize)
            .NoDefault()
            .Boolean("TabStop", &TsuiCustomButton::TabStop, &TsuiCustomButton::SetTabStop)
            .Default(true)
            .Component("FileTheme", &TsuiCustomButton::FileTheme, &TsuiCustomButton::SetFileTheme)
            .Enum("UIStyle", &TsuiCustomButton::UIStyle, &TsuiCustomButton::SetUIStyle,
                  UIStyleNames())
            .Stored(&TsuiCustomButton::IsUIStyleStored)
            .Boolean("Cancel", &TsuiCustomButton::Cancel, &TsuiCustomButton::SetCancel)
            .Default(false)
            .Boolean("Default", &TsuiCustomButton::Default, &TsuiCustomButton::SetDefault)
            .Default(false)
            .Boolean("Transparent", &TsuiCustomButton::Transparent,
                     &TsuiCustomButton::SetTransparent)
            .NoDefault()
            .Integer("ModalResult", &TsuiCustomButton::ModalResult,
                     &TsuiCustomButton::SetModalResult)
            .NoDefault()
            .Integer("FocusedRectMargin", &TsuiCustomButton::FocusedRectMargin,
                     &TsuiCustomButton::SetFocusedRectMargin)
            .NoDefault()
            .Integer("MouseContinuouslyDownInterval",
                     &TsuiCustomButton::MouseContinuouslyDownInterval,
                     &TsuiCustomButton::SetMouseContinuouslyDownInterval)
            .NoDefault()
            .Event("OnMouseExit", &TsuiCustomButton::OnMouseExit)
            .Event("OnMouseContinuouslyDown", &TsuiCustomButton::OnMouseContinuouslyDown)
            .Build();
    return Info;
}

const TMessageMap& TsuiCustomButton::StaticMessages()
{
    static const TMessageMap Map =
        TMessageMap(&TCustomControl::StaticMessages())
            .On(CM_MOUSEENTER, &TsuiCustomButton::CMMouseEnter)
            .On(CM_MOUSELEAVE, &TsuiCustomButton::CMMouseLeave)
            .On(CM_CANCELMODE, &TsuiCustomButton::CMCancelMode)
            .On(CM_TEXTCHANGED, &TsuiCustomButton::CMTextChanged)
            .On(CM_DIALOGKEY, &TsuiCustomButton::CMDialogKey)
            .On(CM_DIALOGCHAR, &TsuiCustomButton::CMDialogChar)
            .On(CM_FOCUSCHANGED, &TsuiCustomButton::CMFocusChanged)
            .On(WM_KEYDOWN, &TsuiCustomButton::WMKeyDown)
            .On(WM_KEYUP, &TsuiCustomButton::WMKeyUp)
            .On(WM_SETFOCUS, &TsuiCustomButton::WMSetFocus)
            .On(WM_KILLFOCUS, &TsuiCustomButton::WMKillFocus)
            .On(WM_ERASEBKGND, &TsuiCustomButton::WMEraseBkgnd)
            .On(SUIM_GETBUTTONKEYS, &TsuiCustomButton::SUIMGetButtonKeys);
    return Map;
}

// Subclass constructors apply the style once they are complete, so the most
// derived UIStyleChanged runs.
TsuiCustomButton::TsuiCustomButton(TComponent* AOwner)
    : TCustomControl(AOwner), TsuiSkinBinding(this, GetSUIFormStyle(AOwner))
{
    // A quick second click is a plain click; a button holds no controls.
    FControlStyle = FControlStyle - TControlStyle{csDoubleClicks, csAcceptsControls};
    FControlStyle.Include(csOpaque);
    FParentColor = true;
    FText.clear();
    FTabStop = true;
}

TsuiCustomButton::~TsuiCustomButton()
{
    // No tick may reach a button that is going.
    FRepeatTimer.reset();
}

void TsuiCustomButton::SetCaption(const std::string& Value)
{
    FCaption = Value;
    SetText(Value);
    CaptionChanged();
    Invalidate();
}

void TsuiCustomButton::SetAutoSize(bool Value)
{
    FAutoSize = Value;
    AutoSizeChanged();
    Invalidate();
}

void TsuiCustomButton::SetDefault(bool Value)
{
    FDefault = Value;
    if (!HandleAllocated()) return;
    if (TCustomForm* Form = FormOf(this))
        Form->Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(Form->ActiveControl()));
}

void TsuiCustomButton::SetTransparent(bool Value)
{
    FTransparent = Value;
    TransparentChanged();
    Invalidate();
}

void TsuiCustomButton::TransparentChanged()
{
    SetPicTransparent(FTransparent);
}

void TsuiCustomButton::SetPicTransparent(bool Value)
{
    FPicTransparent = Value;
    Invalidate();
}

void TsuiCustomButton::ApplySkin()
{
    UIStyleChanged();
    Invalidate();
}

void TsuiCustomButton::SetFocusedRectMargin(int Value)
{
    FFocusedRectMargin = Value;
    Invalidate();
}

void TsuiCustomButton::SetEnabled(bool Value)
{
    TCustomControl::SetEnabled(Value);
    EnableChanged();
    Invalidate();
}

void TsuiCustomButton::Notification(TComponent* AComponent, TOperation Operation)
{
    TCustomControl::Notification(AComponent, Operation);
    SkinNotification(AComponent, Operation);
}

void TsuiCustomButton::CreateWnd()
{
    TCustomControl::CreateWnd();
    FActiveDefault = FDefault;
}

void TsuiCustomButton::FontChanged()
{
    Canvas()->Font()->Assign(Font());
    Invalidate();
}

void TsuiCustomButton::AutoSizeChanged()
{
    if (!FAutoSize) return;
    TBitmap Strip;
    try
    {
        GetInsideThemeBitmap(StoredUIStyle(), SUI_ITEM_BUTTON_IMAGE, &Strip);
    }
    catch (const std::exception&)
    {
        Strip.SetSize(0, 0);
    }
    const int H = Strip.Height() == 0 ? 21 : Strip.Height();
    const int W = Strip.Width() == 0 ? 74 : Strip.Width();
    SetHeight(H);
    SetWidth(W / 3);
}

void TsuiCustomButton::PaintButton(int ThemeItem, int FrameCount, int FrameIndex, TBitmap* Pic)
{
    TsuiUIStyle Style;
    if (UsesFileTheme(Style))
        FileTheme()->GetBitmap2(SKIN2_BUTTON, Pic, FrameCount, FrameIndex);
    else
        GetInsideThemeBitmap(Style, ThemeItem, Pic, FrameCount, FrameIndex);
}

void TsuiCustomButton::PaintButtonNormal(TBitmap* Pic)
{
    PaintButton(SUI_ITEM_BUTTON_IMAGE, 3, 1, Pic);
}

void TsuiCustomButton::PaintButtonMouseOn(TBitmap* Pic)
{
    PaintButton(SUI_ITEM_BUTTON_IMAGE, 3, 2, Pic);
}

void TsuiCustomButton::PaintButtonMouseDown(TBitmap* Pic)
{
    PaintButton(SUI_ITEM_BUTTON_IMAGE, 3, 3, Pic);
}

void TsuiCustomButton::PaintButtonDisabled(TBitmap* Pic)
{
    PaintButton(SUI_ITEM_BUTTON_IMAGE, 3, 1, Pic);
}

void TsuiCustomButton::Paint()
{
    TBitmap Buffer;
    TBitmap Pic;
    try
    {
        if (!FEnabled)
            PaintButtonDisabled(&Pic);
        else if (FPressed)
            PaintButtonMouseDown(&Pic);
        else if (FMouseOver)
            PaintButtonMouseOn(&Pic);
        else
            PaintButtonNormal(&Pic);
    }
    catch (const std::exception&)
    {
        // A picture that cannot be had is no face at all: background, focus
        // cue and caption still come.
        Pic.SetSize(0, 0);
    }
    Pic.SetTransparent(FPicTransparent);
    Buffer.SetSize(FWidth, FHeight);
    if (Buffer.Empty()) return;
    TCanvas* B = Buffer.Canvas();
    const TRect Client = ClientRect();
    if (!FTransparent)
    {
        B->Brush()->SetColor(FColor);
        B->FillRect(Client);
    }
    else
        DoTrans(B, this);
    PaintPic(B, &Pic);
    if (Focused() && FTabStop) PaintFocus(B);
    B->Font()->Assign(Font());
    Canvas()->Font()->Assign(Font());
    if (!IsBlank(FCaption)) PaintText(B, FCaption);
    Canvas()->Draw(0, 0, &Buffer);
    // Set by the focus cue for this paint only, also when no caption came.
    FBoldCaption = false;
}

void TsuiCustomButton::PaintPic(TCanvas* ACanvas, TBitmap* Pic)
{
    if (Pic->Width() <= 0 || Pic->Height() <= 0) return;
    TImageList List(nullptr);
    List.SetWidth(Pic->Width());
    List.SetHeight(Pic->Height());
    if (FPicTransparent)
        List.AddMasked(Pic, Pic->Canvas()->Pixel(0, 0));
    else
        List.Add(Pic, nullptr);
    List.Draw(ACanvas, 0, 0, 0, FEnabled);
}

void TsuiCustomButton::PaintText(TCanvas* ACanvas, const std::string& Text)
{
    ACanvas->Brush()->SetStyle(bsClear);
    const TRect Client = ClientRect();
    TRect R = Client;
    ACanvas->Font()->Assign(Font());
    if (FBoldCaption) ACanvas->Font()->SetStyle(ACanvas->Font()->Style() + TFontStyles{fsBold});
    auto Draw = [&](const TRect& Area)
    {
        TRect Measured = Area;
        ACanvas->DrawText(Text, Measured, DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS);
        Measured = Measured.Offset((Area.Width() - Measured.Width()) / 2,
                                   (Area.Height() - Measured.Height()) / 2);
        ACanvas->DrawText(Text, Measured, DT_WORDBREAK | DT_EXPANDTABS);
    };
    if (!FEnabled)
    {
        ACanvas->Font()->SetColor(clWhite);
        Draw(R.Offset(1, 1));
        R = Client;
        ACanvas->Font()->SetColor(static_cast<TColor>(0x808080));
    }
    else if (FPressed)
        R = R.Offset(1, 1);
    Draw(R);
    FBoldCaption = false;
}

void TsuiCustomButton::PaintFocus(TCanvas* ACanvas)
{
    const int M = FFocusedRectMargin;
    ACanvas->Brush()->SetStyle(bsSolid);
    ACanvas->DrawFocusRect({M, M, ClientWidth() - M, ClientHeight() - M});
}

void TsuiCustomButton::StopRepeat()
{
    FRepeatTimer.reset();
}

void TsuiCustomButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (Button == mbLeft)
    {
        FPressed = true;
        if (!FRepeatTimer)
        {
            FRepeatTimer = std::make_unique<TTimer>(nullptr);
            FRepeatTimer->SetInterval(
                static_cast<unsigned>(std::max(FMouseContinuouslyDownInterval, 0)));
            FRepeatTimer->SetOnTimer([this](TObject*) { OnMouseContinuouslyDown(this); });
            FRepeatTimer->SetEnabled(true);
        }
        if (FTabStop && CanFocus() && FEnabled && FVisible)
        {
            try
            {
                SetFocus();
            }
            catch (const std::exception&)
            {
                // The press counts even when the focus cannot move here.
            }
        }
        Invalidate();
    }
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TsuiCustomButton::MouseMove(TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseMove(Shift, X, Y);
    if (X < 0 || Y < 0 || X > FWidth || Y > FHeight)
    {
        if (!FMouseOver && !FPressed) return;
        FMouseOver = false;
        FPressed = false;
        Invalidate();
    }
}

void TsuiCustomButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    // A release away from the button clicks nothing; the repeat ends with
    // the press all the same.
    if (Button == mbLeft) StopRepeat();
    TCustomControl::MouseUp(Button, Shift, X, Y);
}

void TsuiCustomButton::Click()
{
    if (FPressed)
    {
        StopRepeat();
        FPressed = false;
        Invalidate();
    }
    if (TCustomForm* Form = FormOf(this)) Form->SetModalResult(FModalResult);
    TCustomControl::Click();
}

bool TsuiCustomButton::IsShiftFree() const
{
    const TShiftState Shift = KeyboardShiftState();
    return !Shift.Contains(ssShift) && !Shift.Contains(ssCtrl) && !Shift.Contains(ssAlt);
}

void TsuiCustomButton::CMMouseEnter(TMessage& M)
{
    if (ComponentState().Contains(csDesigning))
    {
        TCustomControl::CMMouseEnter(M);
        return;
    }
    FMouseOver = true;
    Invalidate();
    TCustomControl::CMMouseEnter(M);
}

void TsuiCustomButton::CMMouseLeave(TMessage& M)
{
    FMouseOver = false;
    FPressed = false;
    StopRepeat();
    Invalidate();
    TCustomControl::CMMouseLeave(M);
    OnMouseExit(this);
}

void TsuiCustomButton::CMCancelMode(TMessage& M)
{
    DefaultHandler(M);
    FMouseOver = false;
    FPressed = false;
    StopRepeat();
    Invalidate();
}

void TsuiCustomButton::CMTextChanged(TMessage& M)
{
    TCustomControl::CMTextChanged(M);
    FCaption = FText;
}

void TsuiCustomButton::CMDialogKey(TMessage& M)
{
    const bool Ours =
        (M.WParam == VK_RETURN && FActiveDefault) || (M.WParam == VK_ESCAPE && FCancel);
    if (Ours && IsShiftFree() && CanFocus())
    {
        FDialogKeyClicked = true;
        Click();
        M.Result = 1;
        return;
    }
    TCustomControl::CMDialogKey(M);
}

void TsuiCustomButton::CMDialogChar(TMessage& M)
{
    TCustomControl::CMDialogChar(M);
    M.Result = 0;
    if (!IsAccel(static_cast<unsigned>(M.WParam), FCaption)) return;
    bool Allowed = KeyboardShiftState().Contains(ssAlt);
    if (!Allowed)
        if (HWND Focus = GetFocus()) Allowed = SendMessage(Focus, SUIM_GETBUTTONKEYS, 0, 0) == 1;
    if (!Allowed || !FParent || !FParent->Enabled() || !FEnabled || !FVisible) return;
    Click();
    M.Result = 1;
}

void TsuiCustomButton::CMFocusChanged(TMessage& M)
{
    TCustomControl::CMFocusChanged(M);
    auto* Focused = reinterpret_cast<TControl*>(M.LParam);
    if (dynamic_cast<TsuiButton*>(Focused))
        FActiveDefault = Focused == this;
    else
        FActiveDefault = FDefault;
    Invalidate();
}

void TsuiCustomButton::WMKeyDown(TMessage& M)
{
    const auto Key = static_cast<UINT>(M.WParam);
    FDialogKeyClicked = false;
    TLifeGuard Guard(this);
    TCustomControl::WMKeyDown(M);
    // Enter that already clicked this button as the default one does not
    // press it again; a click may also have freed it.
    if (!Guard.Alive() || FDialogKeyClicked) return;
    if ((Key == VK_SPACE || Key == VK_RETURN) && Focused() && FEnabled)
    {
        FPressed = true;
        Invalidate();
    }
}

void TsuiCustomButton::WMKeyUp(TMessage& M)
{
    const auto Key = static_cast<UINT>(M.WParam);
    TLifeGuard Guard(this);
    TCustomControl::WMKeyUp(M);
    if (!Guard.Alive()) return;
    if ((Key == VK_SPACE || Key == VK_RETURN) && Focused() && FPressed && FEnabled)
    {
        FPressed = false;
        Invalidate();
        Click();
    }
}

void TsuiCustomButton::WMSetFocus(TMessage& M)
{
    TCustomControl::WMSetFocus(M);
    Invalidate();
}

void TsuiCustomButton::WMKillFocus(TMessage& M)
{
    TCustomControl::WMKillFocus(M);
    Invalidate();
}

void TsuiCustomButton::WMEraseBkgnd(TMessage& M)
{
    M.Result = 1;
}

void TsuiCustomButton::SUIMGetButtonKeys(TMessage& M)
{
    M.Result = 1;
}
