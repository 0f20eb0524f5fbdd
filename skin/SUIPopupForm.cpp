#include "skin/SUIPopupForm.h"

#include "framework/PropertyRegistry.h"
#include "framework/graphics/Bitmap.h"
#include "platform/gfx/DrawText.h"
#include "platform/win/WinApi.h"
#include "skin/SUIFileTheme.h"
#include "skin/SUIStyleApply.h"
#include "skin/SkinWindows.h"

#include <algorithm>

namespace
{
// The timer that ends the display time.
constexpr UINT_PTR DisplayTimer = 1;
constexpr int TextMargin = 8;
constexpr int DefaultBarHeight = 20;
} // namespace

const TClassInfo& TsuiPopupForm::StaticClass()
{
    static const TClassInfo Info =
        TClassBuilder<TsuiPopupForm>("TsuiPopupForm", &TCustomControl::StaticClass())
            .Component("FileTheme", &TsuiPopupForm::FileTheme, &TsuiPopupForm::SetFileTheme)
            .Enum("UIStyle", &TsuiPopupForm::UIStyle, &TsuiPopupForm::SetUIStyle, UIStyleNames())
            .Stored(&TsuiPopupForm::IsUIStyleStored)
            .String("Title", &TsuiPopupForm::Title, &TsuiPopupForm::SetTitle)
            .String("Text", &TsuiPopupForm::Text, &TsuiPopupForm::SetText)
            .Integer("AnimationTime", &TsuiPopupForm::AnimationTime,
                     &TsuiPopupForm::SetAnimationTime)
            .Default(250)
            .Integer("DisplayTime", &TsuiPopupForm::DisplayTime, &TsuiPopupForm::SetDisplayTime)
            .Default(4000)
            .Enum("Animation", &TsuiPopupForm::Animation, &TsuiPopupForm::SetAnimation,
                  {"suiPopupSlide", "suiPopupBlend"})
            .Default(suiPopupSlide)
            .Enum("Corner", &TsuiPopupForm::Corner, &TsuiPopupForm::SetCorner,
                  {"suiBottomRight", "suiBottomLeft", "suiTopRight", "suiTopLeft"})
            .Default(suiBottomRight)
            .Color("BorderColor", &TsuiPopupForm::BorderColor, &TsuiPopupForm::SetBorderColor)
            .NoDefault()
            .Color("TitleFontColor", &TsuiPopupForm::TitleFontColor,
                   &TsuiPopupForm::SetTitleFontColor)
            .NoDefault()
            .Event("OnClose", &TsuiPopupForm::OnClose)
            .Build();
    return Info;
}

const TMessageMap& TsuiPopupForm::StaticMessages()
{
    static const TMessageMap Map = TMessageMap(&TCustomControl::StaticMessages())
                                       .On(WM_MOUSEACTIVATE, &TsuiPopupForm::WMMouseActivate)
                                       .On(WM_TIMER, &TsuiPopupForm::WMTimer)
                                       .On(WM_SHOWWINDOW, &TsuiPopupForm::WMShowWindow);
    return Map;
}

TsuiPopupForm::TsuiPopupForm(TComponent* AOwner) : TCustomControl(AOwner), TsuiSkinBinding(this)
{
    FVisible = false;
    FWidth = 220;
    FHeight = 96;
    FControlStyle = {csCaptureMouse, csClickEvents, csOpaque};
    SetUIStyle(GetSUIFormStyle(AOwner));
}

void TsuiPopupForm::CreateParams(TCreateParams& Params)
{
    TCustomControl::CreateParams(Params);
    Params.Style = WS_POPUP;
    Params.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE;
    Params.WndParent = nullptr;
}

void TsuiPopupForm::SetTitle(const std::string& Value)
{
    FTitle = Value;
    Invalidate();
}

void TsuiPopupForm::SetText(const std::string& Value)
{
    FText = Value;
    Invalidate();
}

void TsuiPopupForm::SetAnimationTime(int Value)
{
    FAnimationTime = std::max(0, Value);
}

void TsuiPopupForm::SetDisplayTime(int Value)
{
    FDisplayTime = std::max(0, Value);
}

void TsuiPopupForm::SetBorderColor(TColor Value)
{
    FBorderColor = Value;
    Invalidate();
}

void TsuiPopupForm::SetTitleFontColor(TColor Value)
{
    FTitleFontColor = Value;
    Invalidate();
}

void TsuiPopupForm::ApplySkin()
{
    TsuiUIStyle Style;
    FBar.SetSize(0, 0);
    if (UsesFileTheme(Style))
    {
        TsuiFileTheme* Theme = FileTheme();
        Theme->GetBitmap2(SKIN2_SIDECHANNELTITLE, &FBar);
        if (FBar.Empty()) GetInsideThemeBitmap(DeepBlue, SUI_ITEM_SIDECHANNEL_BAR_IMAGE, &FBar);
        SetColor(FileThemeColor(Theme, SKIN2_FORMCOLOR).value_or(clBtnFace));
        FBorderColor = FileThemeColor(Theme, SKIN2_CONTROLBORDERCOLOR).value_or(clBlack);
        const TColor Ink = FileThemeColor(Theme, SKIN2_CONTROLFONTCOLOR).value_or(clBlack);
        // The caption bar is a title: its ink is the skin's title ink.
        FTitleFontColor = FileThemeColor(Theme, SKIN2_TITLEFONTCOLOR).value_or(Ink);
        Font()->SetColor(Ink);
    }
    else
    {
        GetInsideThemeBitmap(Style, SUI_ITEM_SIDECHANNEL_BAR_IMAGE, &FBar);
        SetColor(GetInsideThemeColor(Style, SUI_ITEM_FORM_COLOR));
        FBorderColor = GetInsideThemeColor(Style, SUI_ITEM_CONTROL_BORDER_COLOR);
        FTitleFontColor = Style == MacOS
                              ? clBlack
                              : GetInsideThemeColor(Style, SUI_ITEM_MENU_SELECTED_FONT_COLOR);
        Font()->SetColor(GetInsideThemeColor(Style, SUI_ITEM_CONTROL_FONT_COLOR));
    }
    Invalidate();
}

void TsuiPopupForm::Notification(TComponent* AComponent, TOperation Operation)
{
    TCustomControl::Notification(AComponent, Operation);
    SkinNotification(AComponent, Operation);
}

int TsuiPopupForm::BarHeight() const
{
    return FBar.Empty() ? DefaultBarHeight : FBar.Height();
}

DWORD TsuiPopupForm::AnimationFlags() const
{
    if (FAnimation == suiPopupBlend) return AW_BLEND;
    const bool Bottom = FCorner == suiBottomRight || FCorner == suiBottomLeft;
    return AW_SLIDE | (Bottom ? AW_VER_NEGATIVE : AW_VER_POSITIVE);
}

bool TsuiPopupForm::Shown() const
{
    return HandleAllocated() && IsWindowVisible(Handle());
}

void TsuiPopupForm::Popup()
{
    const TRect Work = GetWorkAreaRect();
    const bool Right = FCorner == suiBottomRight || FCorner == suiTopRight;
    const bool Bottom = FCorner == suiBottomRight || FCorner == suiBottomLeft;
    const int X = Right ? Work.Right - FWidth : Work.Left;
    const int Y = Bottom ? Work.Bottom - FHeight : Work.Top;
    const bool Stays = Shown() && !FClosing;
    HandleNeeded();
    SetBounds(X, Y, FWidth, FHeight);
    if (!Stays)
    {
        FClosing = false;
        FVisible = true;
        if (FAnimationTime > 0)
            SUIAnimateWindow(Handle(), static_cast<DWORD>(FAnimationTime), AnimationFlags());
        else
            ShowWindow(Handle(), SW_SHOWNA);
    }
    Invalidate();
    if (FDisplayTime > 0)
        SetTimer(Handle(), DisplayTimer, static_cast<UINT>(FAnimationTime + FDisplayTime), nullptr);
    else
        KillTimer(Handle(), DisplayTimer);
}

void TsuiPopupForm::Close()
{
    if (!Shown() || FClosing) return;
    KillTimer(Handle(), DisplayTimer);
    FClosing = true;
    if (FAnimationTime > 0)
        SUIAnimateWindow(Handle(), static_cast<DWORD>(FAnimationTime), AnimationFlags() | AW_HIDE);
    else
        ShowWindow(Handle(), SW_HIDE);
}

void TsuiPopupForm::WMTimer(TMessage& M)
{
    if (M.WParam != DisplayTimer) return;
    Close();
}

void TsuiPopupForm::WMShowWindow(TMessage& M)
{
    DefaultHandler(M);
    if (M.WParam) return;
    FVisible = false;
    FClosing = false;
    OnClose(this);
}

void TsuiPopupForm::WMMouseActivate(TMessage& M)
{
    M.Result = MA_NOACTIVATE;
}

void TsuiPopupForm::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TLifeGuard Guard(this);
    TCustomControl::MouseUp(Button, Shift, X, Y);
    if (Guard.Alive() && Button == mbLeft) Close();
}

void TsuiPopupForm::Paint()
{
    FBuffer.SetSize(FWidth, FHeight);
    if (FBuffer.Empty()) return;
    TCanvas* C = FBuffer.Canvas();
    C->Brush()->SetStyle(bsSolid);
    C->Brush()->SetColor(FBorderColor);
    C->FillRect({0, 0, FWidth, FHeight});
    C->Brush()->SetColor(FColor);
    C->FillRect({1, 1, FWidth - 1, FHeight - 1});
    const int Bar = BarHeight();
    if (!FBar.Empty()) C->StretchDraw({1, 1, FWidth - 1, 1 + Bar}, &FBar);
    C->Font()->Assign(Font());
    C->Brush()->SetStyle(bsClear);
    C->Font()->SetColor(FTitleFontColor);
    C->Font()->SetStyle({fsBold});
    TRect TitleRect{1 + TextMargin, 1, FWidth - 1 - TextMargin, 1 + Bar};
    C->DrawText(FTitle, TitleRect, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
    C->Font()->Assign(Font());
    TRect Body{1 + TextMargin, 1 + Bar + TextMargin / 2, FWidth - 1 - TextMargin,
               FHeight - 1 - TextMargin / 2};
    C->DrawText(FText, Body, DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
    Canvas()->Draw(0, 0, &FBuffer);
}
