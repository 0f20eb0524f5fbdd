#include "skin/SUISideChannel.h"

#include "framework/PropertyRegistry.h"
#include "platform/gfx/DrawText.h"
#include "platform/win/WinApi.h"
#include "skin/RoundPicture.h"
#include "skin/SUIFileTheme.h"
#include "skin/SUIStyleApply.h"

#include <algorithm>

namespace
{
constexpr UINT_PTR SlideTimer = 1;
constexpr UINT_PTR WatchTimer = 2;
constexpr int DefaultHandleWidth = 8;
constexpr int ChannelBarHeight = 20;
constexpr int PinSize = 10;
constexpr int ChannelBarMargin = 6;
} // namespace

const TClassInfo& TsuiSideChannel::StaticClass()
{
    static const TClassInfo Info =
        TClassBuilder<TsuiSideChannel>("TsuiSideChannel", &TCustomControl::StaticClass())
            .Enum("Align", &TsuiSideChannel::Align, &TsuiSideChannel::SetAlign, ControlAlignNames())
            .Default(alRight)
            .Component("FileTheme", &TsuiSideChannel::FileTheme, &TsuiSideChannel::SetFileTheme)
            .Enum("UIStyle", &TsuiSideChannel::UIStyle, &TsuiSideChannel::SetUIStyle,
                  UIStyleNames())
            .Stored(&TsuiSideChannel::IsUIStyleStored)
            .Integer("OpenWidth", &TsuiSideChannel::OpenWidth, &TsuiSideChannel::SetOpenWidth)
            .Default(180)
            .Boolean("Pinned", &TsuiSideChannel::Pinned, &TsuiSideChannel::SetPinned)
            .Default(false)
            .Color("BorderColor", &TsuiSideChannel::BorderColor, &TsuiSideChannel::SetBorderColor)
            .NoDefault()
            .Color("TitleFontColor", &TsuiSideChannel::TitleFontColor,
                   &TsuiSideChannel::SetTitleFontColor)
            .NoDefault()
            .Event("OnPin", &TsuiSideChannel::OnPin)
            .Event("OnUnPin", &TsuiSideChannel::OnUnPin)
            .Build();
    return Info;
}

const TMessageMap& TsuiSideChannel::StaticMessages()
{
    static const TMessageMap Map = TMessageMap(&TCustomControl::StaticMessages())
                                       .On(WM_TIMER, &TsuiSideChannel::WMTimer)
                                       .On(CM_TEXTCHANGED, &TsuiSideChannel::CMTextChanged);
    return Map;
}

TsuiSideChannel::TsuiSideChannel(TComponent* AOwner) : TCustomControl(AOwner), TsuiSkinBinding(this)
{
    FControlStyle = {csAcceptsControls, csCaptureMouse, csClickEvents, csOpaque, csSetCaption};
    FHeight = 200;
    SetUIStyle(GetSUIFormStyle(AOwner));
    FWidth = HandleWidth();
    SetAlign(alRight);
}

int TsuiSideChannel::HandleWidth() const
{
    return FHandle.Empty() ? DefaultHandleWidth : FHandle.Width();
}

int TsuiSideChannel::BarHeight() const
{
    return FBar.Empty() ? ChannelBarHeight : FBar.Height();
}

TRect TsuiSideChannel::HandleRect() const
{
    const int HW = HandleWidth();
    return OnRightSide() ? TRect{0, 0, HW, FHeight} : TRect{FWidth - HW, 0, FWidth, FHeight};
}

TRect TsuiSideChannel::ContentRect() const
{
    const int HW = HandleWidth();
    const int CW = std::max(0, FOpenWidth - HW);
    return OnRightSide() ? TRect{HW, 0, HW + CW, FHeight}
                         : TRect{FWidth - HW - CW, 0, FWidth - HW, FHeight};
}

TRect TsuiSideChannel::PinRect() const
{
    const TRect C = ContentRect();
    const int Top = 1 + (BarHeight() - PinSize) / 2;
    return {C.Right - 1 - ChannelBarMargin - PinSize, Top, C.Right - 1 - ChannelBarMargin,
            Top + PinSize};
}

void TsuiSideChannel::SetOpenWidth(int Value)
{
    Value = std::max(Value, HandleWidth());
    if (FOpenWidth == Value) return;
    FOpenWidth = Value;
    if (FOpening) SetWidth(FOpenWidth);
    Realign();
    Invalidate();
}

void TsuiSideChannel::SetPinned(bool Value)
{
    if (FPinned == Value) return;
    FPinned = Value;
    Invalidate();
    if (Value)
    {
        OnPin(this);
        Open();
    }
    else
    {
        OnUnPin(this);
        // An open channel now closes once the pointer leaves it.
        if (FOpening && HandleAllocated()) SetTimer(Handle(), WatchTimer, WatchPeriod, nullptr);
    }
}

void TsuiSideChannel::SetBorderColor(TColor Value)
{
    FBorderColor = Value;
    Invalidate();
}

void TsuiSideChannel::SetTitleFontColor(TColor Value)
{
    FTitleFontColor = Value;
    Invalidate();
}

void TsuiSideChannel::Open()
{
    SlideTo(true);
    if (!FPinned && HandleAllocated()) SetTimer(Handle(), WatchTimer, WatchPeriod, nullptr);
}

void TsuiSideChannel::Close()
{
    if (FPinned)
    {
        FPinned = false;
        OnUnPin(this);
    }
    SlideTo(false);
}

void TsuiSideChannel::SlideTo(bool Opening)
{
    FOpening = Opening;
    Invalidate();
    // Not on the screen (not shown yet, or being read): there is nothing to
    // watch slide, the channel takes its width at once.
    if (!HandleAllocated() || !Showing() || ComponentState().Contains(csLoading))
    {
        SetWidth(Opening ? FOpenWidth : HandleWidth());
        return;
    }
    SetTimer(Handle(), SlideTimer, SlidePeriod, nullptr);
}

void TsuiSideChannel::Step()
{
    const int Target = FOpening ? FOpenWidth : HandleWidth();
    const int Stride = std::max(1, (FOpenWidth - HandleWidth() + SlideSteps - 1) / SlideSteps);
    const int Next =
        FOpening ? std::min(Target, FWidth + Stride) : std::max(Target, FWidth - Stride);
    if (Next == Target) KillTimer(Handle(), SlideTimer);
    // The parent keeps the aligned edge; only the width changes.
    SetWidth(Next);
}

void TsuiSideChannel::Watch()
{
    if (!FOpening || FPinned)
    {
        KillTimer(Handle(), WatchTimer);
        return;
    }
    POINT P{};
    GetCursorPos(&P);
    const TPoint Origin = ClientToScreen({0, 0});
    if (TRect{Origin.X, Origin.Y, Origin.X + FWidth, Origin.Y + FHeight}.Contains(P.x, P.y)) return;
    KillTimer(Handle(), WatchTimer);
    Close();
}

void TsuiSideChannel::WMTimer(TMessage& M)
{
    if (M.WParam == SlideTimer)
        Step();
    else if (M.WParam == WatchTimer)
        Watch();
}

void TsuiSideChannel::Loaded()
{
    TCustomControl::Loaded();
    SetWidth(FOpening ? FOpenWidth : HandleWidth());
}

void TsuiSideChannel::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TLifeGuard Guard(this);
    TCustomControl::MouseDown(Button, Shift, X, Y);
    if (!Guard.Alive() || Button != mbLeft) return;
    if (HandleRect().Contains(X, Y))
    {
        if (FOpening)
            Close();
        else
            Open();
    }
    else if (PinRect().Contains(X, Y))
        SetPinned(!FPinned);
}

void TsuiSideChannel::AlignControls(TRect& Rect)
{
    const TRect C = ContentRect();
    Rect = {C.Left + 1, C.Top + 1 + BarHeight(), std::max(C.Left + 1, C.Right - 1),
            std::max(C.Top + 1 + BarHeight(), C.Bottom - 1)};
    TCustomControl::AlignControls(Rect);
}

void TsuiSideChannel::CMTextChanged(TMessage& M)
{
    TCustomControl::CMTextChanged(M);
    Invalidate();
}

void TsuiSideChannel::ApplySkin()
{
    TsuiUIStyle Style;
    FHandle.SetSize(0, 0);
    FHandleLeft.SetSize(0, 0);
    FHandleFill.SetSize(0, 0);
    FBar.SetSize(0, 0);
    if (UsesFileTheme(Style))
    {
        TsuiFileTheme* Theme = FileTheme();
        Theme->GetBitmap2(SKIN2_SIDECHANNELBAR, &FHandleFill);
        Theme->GetBitmap2(SKIN2_SIDECHANNELTITLE, &FBar);
        SetColor(FileThemeColor(Theme, SKIN2_SIDECHANNELCOLOR).value_or(clBtnFace));
        FBorderColor = FileThemeColor(Theme, SKIN2_SIDECHANNELBORDERCOLOR).value_or(clBlack);
        // The caption bar is a title: its ink is the skin's title ink.
        FTitleFontColor =
            FileThemeColor(Theme, SKIN2_TITLEFONTCOLOR)
                .value_or(FileThemeColor(Theme, SKIN2_CONTROLFONTCOLOR).value_or(clBlack));
    }
    else
    {
        GetInsideThemeBitmap(Style, SUI_ITEM_SIDECHANNEL_HANDLE_IMAGE, &FHandle);
        FHandleLeft.Assign(&FHandle);
        RoundPicture2(&FHandleLeft);
        GetInsideThemeBitmap(Style, SUI_ITEM_SIDECHANNEL_BAR_IMAGE, &FBar);
        SetColor(GetInsideThemeColor(Style, SUI_ITEM_CONTROL_COLOR));
        FBorderColor = GetInsideThemeColor(Style, SUI_ITEM_CONTROL_BORDER_COLOR);
        FTitleFontColor = Style == MacOS
                              ? clBlack
                              : GetInsideThemeColor(Style, SUI_ITEM_MENU_SELECTED_FONT_COLOR);
    }
    // The handle may have changed its width.
    SetWidth(FOpening ? FOpenWidth : HandleWidth());
    Realign();
    Invalidate();
}

void TsuiSideChannel::Notification(TComponent* AComponent, TOperation Operation)
{
    TCustomControl::Notification(AComponent, Operation);
    SkinNotification(AComponent, Operation);
}

void TsuiSideChannel::Paint()
{
    FBuffer.SetSize(FWidth, FHeight);
    if (FBuffer.Empty()) return;
    TCanvas* C = FBuffer.Canvas();
    C->Brush()->SetStyle(bsSolid);
    C->Brush()->SetColor(FColor);
    C->FillRect({0, 0, FWidth, FHeight});

    // The arrow points the way the channel moves when the handle is clicked.
    const bool PointsLeft = OnRightSide() != FOpening;
    const TRect H = HandleRect();
    if (!FHandle.Empty())
    {
        C->Draw(H.Left, (FHeight - FHandle.Height()) / 2, PointsLeft ? &FHandleLeft : &FHandle);
    }
    else
    {
        if (!FHandleFill.Empty()) C->StretchDraw(H, &FHandleFill);
        C->Brush()->SetColor(FBorderColor);
        C->FrameRect(H);
        const int X = H.Left + H.Width() / 2, Y = FHeight / 2;
        for (int Row = 0; Row < 4; ++Row)
        {
            const int Tip = PointsLeft ? X - 2 + Row : X + 1 - Row;
            C->FillRect({Tip, Y - Row, Tip + 1, Y + Row + 1});
        }
    }

    const TRect Content = ContentRect();
    C->Brush()->SetColor(FBorderColor);
    C->FrameRect(Content);
    const TRect Bar{Content.Left + 1, Content.Top + 1, Content.Right - 1,
                    Content.Top + 1 + BarHeight()};
    if (!FBar.Empty()) C->StretchDraw(Bar, &FBar);
    C->Font()->Assign(Font());
    C->Font()->SetColor(FTitleFontColor);
    C->Brush()->SetStyle(bsClear);
    const TRect Pin = PinRect();
    TRect Title{Bar.Left + ChannelBarMargin, Bar.Top, Pin.Left - ChannelBarMargin, Bar.Bottom};
    C->DrawText(Caption(), Title, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
    C->Brush()->SetStyle(bsSolid);
    C->Brush()->SetColor(FTitleFontColor);
    C->FrameRect(Pin);
    if (FPinned) C->FillRect({Pin.Left + 2, Pin.Top + 2, Pin.Right - 2, Pin.Bottom - 2});
    Canvas()->Draw(0, 0, &FBuffer);
}
