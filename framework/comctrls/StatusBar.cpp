#include "framework/comctrls/StatusBar.h"

#include "framework/PropertyRegistry.h"
#include "framework/controls/CustomForm.h"
#include "framework/controls/Frame3D.h"
#include "platform/gfx/DrawText.h"
#include "platform/win/WinApi.h"

namespace
{
// Gap between neighbouring panels and the border above them.
constexpr int PanelGap = 2;
constexpr int TopBorder = 2;
} // namespace

const TClassInfo& TCustomStatusBar::StaticClass()
{
    static const TClassInfo Info =
        TClassBuilder<TCustomStatusBar>("TCustomStatusBar", &TCustomControl::StaticClass())
            .Enum("Align", &TCustomStatusBar::Align, &TCustomStatusBar::SetAlign,
                  ControlAlignNames())
            .Default(alBottom)
            .Boolean("AutoHint", &TCustomStatusBar::AutoHint, &TCustomStatusBar::SetAutoHint)
            .Default(false)
            .Integer("BorderWidth", &TCustomStatusBar::BorderWidth,
                     &TCustomStatusBar::SetBorderWidth)
            .Default(0)
            .Color("Color", &TCustomStatusBar::Color, &TCustomStatusBar::SetColor)
            .Default(clBtnFace)
            .Stored(&TCustomStatusBar::IsColorStored)
            .Collection("Panels", &TCustomStatusBar::Panels, &TCustomStatusBar::SetPanels)
            .Boolean("ParentColor", &TCustomStatusBar::ParentColor,
                     &TCustomStatusBar::SetParentColor)
            .Default(false)
            .Boolean("ParentFont", &TCustomStatusBar::ParentFont, &TCustomStatusBar::SetParentFont)
            .Default(false)
            .Boolean("SimplePanel", &TCustomStatusBar::SimplePanel,
                     &TCustomStatusBar::SetSimplePanel)
            .Default(false)
            .String("SimpleText", &TCustomStatusBar::SimpleText, &TCustomStatusBar::SetSimpleText)
            .Boolean("SizeGrip", &TCustomStatusBar::SizeGrip, &TCustomStatusBar::SetSizeGrip)
            .Default(true)
            .Boolean("UseSystemFont", &TCustomStatusBar::UseSystemFont,
                     &TCustomStatusBar::SetUseSystemFont)
            .Default(true)
            .Event("OnDrawPanel", &TCustomStatusBar::OnDrawPanel)
            .Build();
    return Info;
}

const TMessageMap& TCustomStatusBar::StaticMessages()
{
    static const TMessageMap Map = TMessageMap(&TCustomControl::StaticMessages())
                                       .On(WM_NCHITTEST, &TCustomStatusBar::WMNCHitTest)
                                       .On(WM_NCLBUTTONDOWN, &TCustomStatusBar::WMNCLButtonDown)
                                       .On(WM_SIZE, &TCustomStatusBar::WMSize);
    return Map;
}

TCustomStatusBar::TCustomStatusBar(TComponent* AOwner)
    : TCustomControl(AOwner), FPanels(std::make_unique<TStatusPanels>(this))
{
    FControlStyle = {csCaptureMouse, csClickEvents, csDoubleClicks, csOpaque};
    FColor = clBtnFace;
    FParentFont = false;
    FHeight = 19;
    FWidth = 150;
    ApplySystemFont();
    SetAlign(alBottom);
}

TCustomStatusBar::~TCustomStatusBar() = default;

void TCustomStatusBar::SetSimplePanel(bool Value)
{
    if (FSimplePanel == Value) return;
    FSimplePanel = Value;
    Invalidate();
}

void TCustomStatusBar::SetSimpleText(const std::string& Value)
{
    if (FSimpleText == Value) return;
    FSimpleText = Value;
    if (FSimplePanel) Invalidate();
}

void TCustomStatusBar::SetSizeGrip(bool Value)
{
    if (FSizeGrip == Value) return;
    FSizeGrip = Value;
    Invalidate();
}

void TCustomStatusBar::SetUseSystemFont(bool Value)
{
    if (FUseSystemFont == Value) return;
    FUseSystemFont = Value;
    if (Value) ApplySystemFont();
}

void TCustomStatusBar::ApplySystemFont()
{
    // The system's status font is the desktop's default control font.
    FApplyingSystemFont = true;
    TFont System;
    Font()->Assign(&System);
    FApplyingSystemFont = false;
}

void TCustomStatusBar::FontChanged()
{
    if (!FApplyingSystemFont) FUseSystemFont = false;
    TCustomControl::FontChanged();
}

TRect TCustomStatusBar::PanelRect(int Index) const
{
    if (FSimplePanel || Index < 0 || Index >= FPanels->Count()) return {};
    int Left = 0;
    for (int I = 0; I < Index; ++I)
        Left += FPanels->Items(I)->Width();
    int Right =
        Index == FPanels->Count() - 1 ? FWidth : Left + FPanels->Items(Index)->Width() - PanelGap;
    return {Left, TopBorder, std::max(Left, Right), FHeight};
}

bool TCustomStatusBar::GripShown() const
{
    if (!FSizeGrip || !FParent) return false;
    auto* Form = dynamic_cast<TCustomForm*>(FParent);
    if (!Form || Form->BorderStyle() != bsSizeable) return false;
    if (Form->HandleAllocated() && IsZoomed(Form->Handle())) return false;
    TRect Client = Form->ClientRect();
    return FLeft + FWidth == Client.Right && FTop + FHeight == Client.Bottom;
}

TRect TCustomStatusBar::GripRect() const
{
    if (!GripShown()) return {};
    int Size = std::min(FHeight, GetSystemMetrics(SM_CXVSCROLL));
    return {FWidth - Size, FHeight - Size, FWidth, FHeight};
}

void TCustomStatusBar::WMNCHitTest(TMessage& M)
{
    POINT P{GET_X_LPARAM(M.LParam), GET_Y_LPARAM(M.LParam)};
    ::ScreenToClient(FHandle, &P);
    TRect Grip = GripRect();
    if (Grip.Contains(P.x, P.y))
    {
        M.Result = HTBOTTOMRIGHT;
        return;
    }
    TCustomControl::DefaultHandler(M);
}

void TCustomStatusBar::WMNCLButtonDown(TMessage& M)
{
    // Dragging the grip sizes the form, not the bar.
    if (static_cast<LRESULT>(M.WParam) == HTBOTTOMRIGHT && GripShown())
    {
        HWND Form = FParent->Handle();
        SendMessage(Form, WM_SYSCOMMAND, SC_SIZE + (HTBOTTOMRIGHT - HTLEFT + 1), M.LParam);
        return;
    }
    TCustomControl::DefaultHandler(M);
}

void TCustomStatusBar::WMSize(TMessage& M)
{
    // The last panel and the grip follow the right end.
    Invalidate();
    TCustomControl::DefaultHandler(M);
}

void TCustomStatusBar::Paint()
{
    TCanvas* C = Canvas();
    C->Brush()->SetColor(FColor);
    C->FillRect(ClientRect());
    if (FSimplePanel)
    {
        TRect R{2, TopBorder, FWidth - 2, FHeight};
        C->Brush()->SetStyle(bsClear);
        C->DrawText(FSimpleText, R, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
    else
        for (int I = 0; I < FPanels->Count(); ++I)
        {
            TRect R = PanelRect(I);
            if (R.IsEmpty()) continue;
            DrawPanel(FPanels->Items(I), R);
        }
    TRect Grip = GripRect();
    if (!Grip.IsEmpty())
    {
        // Three ridges of a light and two dark diagonal lines.
        C->Brush()->SetStyle(bsSolid);
        C->Brush()->SetColor(FColor);
        C->FillRect(Grip);
        int W = FWidth;
        int H = FHeight;
        for (int K = 12; K >= 4; K -= 4)
        {
            const TColor Lines[] = {clBtnHighlight, clBtnShadow, clBtnShadow};
            for (int L = 0; L < 3; ++L)
            {
                C->Pen()->SetColor(Lines[L]);
                C->MoveTo(W - 1, H - K - 1 + L);
                C->LineTo(W - K - 2 + L, H);
            }
        }
    }
}

void TCustomStatusBar::DrawPanel(TStatusPanel* Panel, const TRect& Rect)
{
    TCanvas* C = Canvas();
    TRect R = Rect;
    if (Panel->Bevel() == pbLowered)
        Frame3D(C, R, clBtnShadow, clBtnHighlight, 1);
    else if (Panel->Bevel() == pbRaised)
        Frame3D(C, R, clBtnHighlight, clBtnShadow, 1);
    else
        R = R.Inflate(-1, -1);
    if (Panel->Style() == psOwnerDraw)
    {
        C->Brush()->SetStyle(bsSolid);
        C->Brush()->SetColor(FColor);
        OnDrawPanel(this, Panel, R);
        return;
    }
    static const unsigned Align[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
    TRect Text = R.Inflate(-2, 0);
    C->Brush()->SetStyle(bsClear);
    C->Font()->Assign(Font());
    C->DrawText(Panel->Text(), Text,
                Align[Panel->Alignment()] | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

const TClassInfo& TStatusBar::StaticClass()
{
    static const TClassInfo Info =
        TClassBuilder<TStatusBar>("TStatusBar", &TCustomStatusBar::StaticClass()).Build();
    return Info;
}

TStatusBar::TStatusBar(TComponent* AOwner) : TCustomStatusBar(AOwner) {}
