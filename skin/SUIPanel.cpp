#include "skin/SUIPanel.h"

#include "framework/Exception.h"
#include "framework/PropertyRegistry.h"
#include "framework/controls/Application.h"
#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Picture.h"
#include "platform/gfx/DrawText.h"
#include "platform/win/WinApi.h"
#include "skin/SUIFileTheme.h"
#include "skin/SUIStyleApply.h"

#include <algorithm>

namespace
{
constexpr int StepPixels = 15;
constexpr int ButtonSize = 13;
constexpr int ButtonHeight = 12;
} // namespace

const TClassInfo& TsuiPanel::StaticClass()
{
    static const TClassInfo Info =
        TClassBuilder<TsuiPanel>("TsuiPanel", &TCustomPanel::StaticClass())
            .Component("FileTheme", &TsuiPanel::FileTheme, &TsuiPanel::SetFileTheme)
            .Enum("UIStyle", &TsuiPanel::UIStyle, &TsuiPanel::SetUIStyle, UIStyleNames())
            .Stored(&TsuiPanel::IsUIStyleStored)
            .Color("BorderColor", &TsuiPanel::BorderColor, &TsuiPanel::SetBorderColor)
            .NoDefault()
            .Boolean("ShowButton", &TsuiPanel::ShowButton, &TsuiPanel::SetShowButton)
            .Default(true)
            .Integer("Height", &TsuiPanel::FullHeight, &TsuiPanel::SetFullHeight)
            .NoDefault()
            .Color("CaptionFontColor", &TsuiPanel::CaptionFontColor,
                   &TsuiPanel::SetCaptionFontColor)
            .NoDefault()
            .Boolean("TabStop", &TsuiPanel::TabStop, &TsuiPanel::SetTabStop)
            .Default(false)
            .Event("OnPush", &TsuiPanel::OnPush)
            .Event("OnPop", &TsuiPanel::OnPop)
            .Build();
    return Info;
}

const TMessageMap& TsuiPanel::StaticMessages()
{
    static const TMessageMap Map =
        TMessageMap(&TCustomPanel::StaticMessages()).On(WM_ERASEBKGND, &TsuiPanel::WMEraseBkgnd);
    return Map;
}

TsuiPanel::TsuiPanel(TComponent* AOwner)
    : TCustomPanel(AOwner), TsuiSkinBinding(this, DeepBlue, TsuiSkinReach::Children),
      FTitle(std::make_unique<TBitmap>())
{
    SetBevelInner(bvNone);
    SetBevelOuter(bvNone);
    FWidth = 100;
    FHeight = 100;
    FFullHeight = 100;
    SetUIStyle(GetSUIFormStyle(AOwner));
}

void TsuiPanel::SetBorderColor(TColor Value)
{
    FBorderColor = Value;
    Invalidate();
}

void TsuiPanel::SetCaptionFontColor(TColor Value)
{
    FCaptionFontColor = Value;
    Invalidate();
}

void TsuiPanel::SetShowButton(bool Value)
{
    FShowButton = Value;
    Invalidate();
}

void TsuiPanel::SetFullHeight(int Value)
{
    FFullHeight = Value;
    if (FExpanded || ComponentState().Contains(csDesigning)) SetHeight(Value);
}

void TsuiPanel::ApplySkin()
{
    // Assigning a file theme leaves a built-in style alone.
    if (FApplyingFileTheme && UIStyle() != FromThemeFile) return;
    SetColor(clWhite);
    TsuiUIStyle Style;
    if (UsesFileTheme(Style))
    {
        FTitle->SetSize(0, 0);
        if (TBitmap* Bar = FileTheme()->GetBitmap(SKIN2_SIDECHANNELTITLE))
            FTitle->Assign(Bar);
        else
            GetInsideThemeBitmap(DeepBlue, SUI_ITEM_SIDECHANNEL_BAR_IMAGE, FTitle.get());
        FBorderColor = FileTheme()->GetColor(SKIN2_CONTROLBORDERCOLOR);
        FCaptionFontColor = FileTheme()->GetColor(SKIN2_CONTROLFONTCOLOR);
    }
    else
    {
        GetInsideThemeBitmap(Style, SUI_ITEM_SIDECHANNEL_BAR_IMAGE, FTitle.get());
        FBorderColor = GetInsideThemeColor(Style, SUI_ITEM_CONTROL_BORDER_COLOR);
        FCaptionFontColor = Style == MacOS
                                ? clBlack
                                : GetInsideThemeColor(Style, SUI_ITEM_MENU_SELECTED_FONT_COLOR);
    }
    // Out of step and back: the children are laid out again, the height
    // stays.
    SetFullHeight(FFullHeight - 1);
    SetFullHeight(FFullHeight + 1);
    Invalidate();
}

void TsuiPanel::SetFileTheme(TsuiFileTheme* Value)
{
    FApplyingFileTheme = true;
    TsuiSkinBinding::SetFileTheme(Value);
    FApplyingFileTheme = false;
}

void TsuiPanel::Notification(TComponent* AComponent, TOperation Operation)
{
    TCustomPanel::Notification(AComponent, Operation);
    SkinNotification(AComponent, Operation);
}

int TsuiPanel::BarHeight() const
{
    return FTitle->Height() > 0 ? FTitle->Height() : 20;
}

bool TsuiPanel::ButtonShown() const
{
    const TAlign A = Align();
    return FShowButton && A != alClient && A != alLeft && A != alRight;
}

TRect TsuiPanel::ButtonRect() const
{
    const int Left = FWidth - 1 - ButtonSize - 4;
    const int Top = (BarHeight() - ButtonHeight) / 2;
    return {Left, Top, Left + ButtonSize, Top + ButtonHeight};
}

void TsuiPanel::AlignControls(TRect& Rect)
{
    Rect.Left += 3;
    Rect.Top = BarHeight() + 3;
    Rect.Right -= 3;
    Rect.Bottom -= 3;
    TWinControl::AlignControls(Rect);
}

void TsuiPanel::Resize()
{
    if (FExpanded && !FAnimating) FFullHeight = FHeight;
    TCustomPanel::Resize();
}

bool TsuiPanel::Step(int NewHeight)
{
    TLifeGuard Guard(this);
    SetHeight(NewHeight);
    Refresh();
    if (Application) Application->ProcessMessages();
    return Guard.Alive();
}

void TsuiPanel::Push()
{
    const TAlign A = Align();
    if (A == alClient || A == alLeft || A == alRight)
        throw Exception("Can't push when Align is alClient, alLeft or alRight.");
    if (FAnimating || !FExpanded) return;
    const int Target = BarHeight();
    FAnimating = true;
    while (Target < FHeight - StepPixels)
        if (!Step(FHeight - StepPixels)) return;
    if (!Step(Target)) return;
    FAnimating = false;
    FExpanded = false;
    Invalidate();
    OnPush(this);
}

void TsuiPanel::Pop()
{
    if (FAnimating || FExpanded) return;
    FAnimating = true;
    while (FHeight + StepPixels < FFullHeight)
        if (!Step(FHeight + StepPixels)) return;
    if (!Step(FFullHeight)) return;
    FAnimating = false;
    FExpanded = true;
    Invalidate();
    OnPop(this);
}

void TsuiPanel::MouseMove(TShiftState Shift, int X, int Y)
{
    TCustomPanel::MouseMove(Shift, X, Y);
    if (!FShowButton || Y > BarHeight()) return;
    const bool Over = ButtonRect().Contains(X, Y);
    if (Over == FInButton) return;
    FInButton = Over;
    // Only the button changes.
    if (HandleAllocated())
    {
        const TRect B = ButtonRect();
        RECT R{B.Left, 0, B.Right + 4, BarHeight()};
        InvalidateRect(FHandle, &R, FALSE);
    }
}

void TsuiPanel::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TLifeGuard Guard(this);
    TCustomPanel::MouseUp(Button, Shift, X, Y);
    if (!Guard.Alive() || Button != mbLeft) return;
    if (FInButton && ButtonShown())
    {
        if (FExpanded)
            Push();
        else
            Pop();
    }
    if (Guard.Alive()) Invalidate();
}

void TsuiPanel::Paint()
{
    const int FullH = std::max(FFullHeight, FHeight);
    TBitmap Buffer;
    Buffer.SetSize(FWidth, FullH);
    if (Buffer.Empty()) return;
    TCanvas* B = Buffer.Canvas();
    const int Bar = BarHeight();
    B->Brush()->SetColor(FColor);
    B->Pen()->SetColor(FBorderColor);
    B->Rectangle(ClientRect());
    if (!FTitle->Empty()) B->StretchDraw({1, 0, FWidth - 1, Bar}, FTitle.get());
    B->Brush()->SetStyle(bsClear);
    B->Font()->Assign(Font());
    B->Font()->SetColor(FCaptionFontColor);
    const bool Shown = ButtonShown();
    if (UseRightToLeftReading())
    {
        TRect R{1, 0, FWidth - (Shown ? 21 : 11), Bar};
        B->DrawText(FText, R, DT_SINGLELINE | DT_VCENTER | DT_RIGHT);
    }
    else
    {
        TRect R{10, 0, FWidth - 1, Bar};
        B->DrawText(FText, R, DT_SINGLELINE | DT_VCENTER);
    }
    if (Shown)
    {
        TPicture Strip;
        try
        {
            Strip.LoadFromResourceName("PANEL_BUTTON");
        }
        catch (const std::exception&)
        {
            Strip.SetGraphic(nullptr);
        }
        POINT Cursor{};
        GetCursorPos(&Cursor);
        const TPoint P = ScreenToClient({Cursor.x, Cursor.y});
        const TRect Hit = ButtonRect();
        FInButton = Hit.Contains(P.X, P.Y);
        if (Strip.Graphic() && Strip.Width() >= 4)
        {
            TBitmap Whole;
            Whole.Assign(Strip.Graphic());
            TBitmap Frame;
            const int Index = (FExpanded ? 1 : 3) + (FInButton ? 1 : 0);
            SpitBitmap(&Whole, &Frame, 4, Index);
            if (!Frame.Empty())
                B->Draw(FWidth - ButtonSize - 4, (Hit.Bottom - ButtonHeight) / 2 + 2, &Frame);
        }
    }
    Canvas()->CopyRect(ClientRect(), *B, ClientRect());
}

void TsuiPanel::WMEraseBkgnd(TMessage& M)
{
    M.Result = 1;
}
