#include "framework/comctrls/ToolBar.h"

#include "framework/PropertyRegistry.h"
#include "framework/comctrls/ToolButton.h"
#include "framework/controls/ControlCanvas.h"
#include "framework/controls/Frame3D.h"
#include "framework/graphics/ImageList.h"
#include "framework/menus/AutoHotkeys.h"
#include "framework/menus/MenuItem.h"
#include "platform/gfx/DrawText.h"
#include "platform/win/WinApi.h"

#include <algorithm>

namespace
{
constexpr int SeparatorWidth = 8;
constexpr int CaptionMargin = 7;
constexpr int EdgeWidth = 2;
} // namespace

const TClassInfo& TToolBar::StaticClass()
{
    static const TClassInfo Info =
        TClassBuilder<TToolBar>("TToolBar", &TCustomControl::StaticClass())
            .Enum("Align", &TToolBar::Align, &TToolBar::SetAlign, ControlAlignNames())
            .Default(alTop)
            .Boolean("AutoSize", &TToolBar::AutoSize, &TToolBar::SetAutoSize)
            .Default(false)
            .Integer("ButtonHeight", &TToolBar::ButtonHeight, &TToolBar::SetButtonHeight)
            .Default(22)
            .Integer("ButtonWidth", &TToolBar::ButtonWidth, &TToolBar::SetButtonWidth)
            .Default(23)
            .Color("Color", &TToolBar::Color, &TToolBar::SetColor)
            .Default(clBtnFace)
            .Stored(&TToolBar::IsColorStored)
            .Boolean("Flat", &TToolBar::Flat, &TToolBar::SetFlat)
            .Default(false)
            .Set("EdgeBorders", &TToolBar::EdgeBorders, &TToolBar::SetEdgeBorders,
                 {"ebLeft", "ebTop", "ebRight", "ebBottom"})
            .Default(TEdgeBorders{})
            .Component("Images", &TToolBar::Images, &TToolBar::SetImages)
            .Boolean("ShowCaptions", &TToolBar::ShowCaptions, &TToolBar::SetShowCaptions)
            .Default(false)
            .Boolean("Wrapable", &TToolBar::Wrapable, &TToolBar::SetWrapable)
            .Default(true)
            .Event("OnCustomDraw", &TToolBar::OnCustomDraw)
            .Event("OnCustomDrawButton", &TToolBar::OnCustomDrawButton)
            .Build();
    return Info;
}

const TMessageMap& TToolBar::StaticMessages()
{
    static const TMessageMap Map = TMessageMap(&TCustomControl::StaticMessages())
                                       .On(CM_DIALOGCHAR, &TToolBar::CMDialogChar)
                                       .On(WM_NCCALCSIZE, &TToolBar::WMNCCalcSize)
                                       .On(WM_NCPAINT, &TToolBar::WMNCPaint);
    return Map;
}

TToolBar::TToolBar(TComponent* AOwner) : TCustomControl(AOwner)
{
    FControlStyle = {csAcceptsControls, csCaptureMouse, csClickEvents, csDoubleClicks, csOpaque};
    FColor = clBtnFace;
    FWidth = 150;
    FHeight = 29;
    SetAlign(alTop);
}

TToolBar::~TToolBar()
{
    // Buttons still on the bar outlive it (their owner frees them).
    for (TToolButton* B : FButtons)
        B->SetParent(nullptr);
}

void TToolBar::InsertButton(TToolButton* Button)
{
    auto Pos = std::find_if(FButtons.begin(), FButtons.end(),
                            [&](const TToolButton* B) { return Button->Left() <= B->Left(); });
    FButtons.insert(Pos, Button);
    ArrangeButtons();
}

void TToolBar::RemoveButton(TToolButton* Button)
{
    auto It = std::find(FButtons.begin(), FButtons.end(), Button);
    if (It == FButtons.end()) return;
    FButtons.erase(It);
    ArrangeButtons();
}

void TToolBar::SetFlat(bool Value)
{
    if (FFlat == Value) return;
    FFlat = Value;
    Invalidate();
}

void TToolBar::SetShowCaptions(bool Value)
{
    if (FShowCaptions == Value) return;
    FShowCaptions = Value;
    ArrangeButtons();
}

void TToolBar::SetButtonWidth(int Value)
{
    if (FButtonWidth == Value) return;
    FButtonWidth = Value;
    ArrangeButtons();
}

void TToolBar::SetButtonHeight(int Value)
{
    if (FButtonHeight == Value) return;
    FButtonHeight = Value;
    ArrangeButtons();
}

void TToolBar::SetWrapable(bool Value)
{
    if (FWrapable == Value) return;
    FWrapable = Value;
    ArrangeButtons();
}

void TToolBar::SetAutoSize(bool Value)
{
    if (FAutoSize == Value) return;
    FAutoSize = Value;
    ArrangeButtons();
}

void TToolBar::SetImages(TImageList* Value)
{
    if (FImages == Value) return;
    if (FImages) FImages->RemoveFreeNotification(this);
    FImages = Value;
    if (FImages) FImages->FreeNotification(this);
    ArrangeButtons();
}

void TToolBar::SetEdgeBorders(TEdgeBorders Value)
{
    if (FEdgeBorders == Value) return;
    FEdgeBorders = Value;
    if (HandleAllocated())
        SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                     SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    ArrangeButtons();
}

void TToolBar::WMNCCalcSize(TMessage& M)
{
    TCustomControl::WMNCCalcSize(M);
    RECT* R = M.WParam ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(M.LParam)->rgrc[0]
                       : reinterpret_cast<RECT*>(M.LParam);
    if (FEdgeBorders.Contains(ebLeft)) R->left += EdgeWidth;
    if (FEdgeBorders.Contains(ebTop)) R->top += EdgeWidth;
    if (FEdgeBorders.Contains(ebRight)) R->right = std::max(R->left, R->right - EdgeWidth);
    if (FEdgeBorders.Contains(ebBottom)) R->bottom = std::max(R->top, R->bottom - EdgeWidth);
}

void TToolBar::WMNCPaint(TMessage& M)
{
    TCustomControl::WMNCPaint(M);
    if (FEdgeBorders.Empty() || !HandleAllocated()) return;
    TControlCanvas C(this, true);
    if (!C.Handle()) return;
    const int W = Width(), H = Height();
    // An etched line: shadow, then highlight.
    auto Line = [&](TRect Dark, TRect Light)
    {
        C.Brush()->SetColor(clBtnShadow);
        C.FillRect(Dark);
        C.Brush()->SetColor(clBtnHighlight);
        C.FillRect(Light);
    };
    if (FEdgeBorders.Contains(ebTop)) Line({0, 0, W, 1}, {0, 1, W, 2});
    if (FEdgeBorders.Contains(ebBottom)) Line({0, H - 2, W, H - 1}, {0, H - 1, W, H});
    if (FEdgeBorders.Contains(ebLeft)) Line({0, 0, 1, H}, {1, 0, 2, H});
    if (FEdgeBorders.Contains(ebRight)) Line({W - 2, 0, W - 1, H}, {W - 1, 0, W, H});
}

void TToolBar::Notification(TComponent* AComponent, TOperation Operation)
{
    TCustomControl::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FImages)
    {
        FImages = nullptr;
        ArrangeButtons();
    }
}

void TToolBar::BoundsChanged()
{
    TCustomControl::BoundsChanged();
    if (FWrapable) ArrangeButtons();
}

int TToolBar::ButtonExtent(const TToolButton* Button) const
{
    if (Button->Style() == tbsSeparator || Button->Style() == tbsDivider) return SeparatorWidth;
    int Width = FButtonWidth;
    if (Button->AutoSize() && FShowCaptions)
    {
        TCanvas Measure;
        Measure.Font()->Assign(Font());
        int Content = Measure.TextWidth(Button->Caption());
        if (FImages) Content = std::max(Content, FImages->Width());
        Width = Content + 2 * CaptionMargin;
    }
    if (Button->Style() == tbsDropDown && Button->DropdownMenu()) Width += TToolButton::ArrowPart;
    return Width;
}

void TToolBar::ArrangeButtons()
{
    if (FArranging) return;
    FArranging = true;
    int Limit = ClientWidth();
    int X = 0;
    int Y = 0;
    for (TToolButton* B : FButtons)
    {
        if (!B->Visible()) continue;
        int W = ButtonExtent(B);
        if (FWrapable && X > 0 && X + W > Limit)
        {
            X = 0;
            Y += FButtonHeight;
        }
        B->SetBounds(X, Y, W, FButtonHeight);
        X += W;
    }
    if (FAutoSize)
    {
        int Rows = FButtons.empty() ? 1 : Y / FButtonHeight + 1;
        SetHeight(Rows * FButtonHeight + (Height() - ClientHeight()));
    }
    FArranging = false;
    Invalidate();
}

namespace
{
bool DropsMenuItem(const TToolButton* B)
{
    return B->Visible() && B->Enabled() && B->MenuItem() && B->MenuItem()->Count() > 0;
}
} // namespace

TToolButton* TToolBar::DropDownButtonAt(TPoint Screen) const
{
    TPoint P = ScreenToClient(Screen);
    for (TToolButton* B : FButtons)
        if (DropsMenuItem(B) && B->BoundsRect().Contains(P.X, P.Y)) return B;
    return nullptr;
}

TToolButton* TToolBar::NextDropDownButton(TToolButton* From, int Step) const
{
    auto It = std::find(FButtons.begin(), FButtons.end(), From);
    if (It == FButtons.end()) return From;
    int N = static_cast<int>(FButtons.size());
    int Start = static_cast<int>(It - FButtons.begin());
    for (int K = 1; K < N; ++K)
    {
        TToolButton* B = FButtons[static_cast<size_t>(((Start + Step * K) % N + N) % N)];
        if (DropsMenuItem(B)) return B;
    }
    return From;
}

void TToolBar::CMDialogChar(TMessage& M)
{
    for (TToolButton* B : FButtons)
    {
        // A menu item's button answers to the letter its menu shows.
        const std::string Caption = B->MenuItem() ? MenuShownCaption(B->MenuItem()) : B->Caption();
        if (!B->Visible() || !B->Enabled() || !IsAccel(static_cast<unsigned>(M.WParam), Caption))
            continue;
        M.Result = 1;
        if (B->MenuItem() && B->MenuItem()->Count() > 0)
            B->DropDown(true);
        else
            B->Click();
        return;
    }
}

void TToolBar::Paint()
{
    TCanvas* C = Canvas();
    TRect R = ClientRect();
    DrawBackground(R);
    bool DefaultDraw = true;
    OnCustomDraw(this, R, DefaultDraw);
    if (!DefaultDraw) return;
    for (TToolButton* B : FButtons)
    {
        if (!B->Visible()) continue;
        // The button's state first; drawing only reads it.
        TCustomDrawState State;
        if (!B->Enabled()) State.Include(cdsDisabled);
        if (B->Hot()) State.Include(cdsHot);
        if (B->Pressed()) State.Include(cdsSelected);
        if (B->Down()) State.Include(B->Style() == tbsCheck ? cdsChecked : cdsSelected);
        bool DefaultButton = true;
        C->Brush()->SetStyle(bsSolid);
        C->Brush()->SetColor(FColor);
        C->Font()->Assign(Font());
        OnCustomDrawButton(this, B, State, DefaultButton);
        if (DefaultButton) DrawButton(B, State);
    }
}

void TToolBar::DrawBackground(const TRect& R)
{
    Canvas()->Brush()->SetStyle(bsSolid);
    Canvas()->Brush()->SetColor(FColor);
    Canvas()->FillRect(R);
}

void TToolBar::DrawButtonFrame(TToolButton*, TCustomDrawState State, TRect& Face)
{
    TCanvas* C = Canvas();
    bool Sunken = State.Contains(cdsSelected) || State.Contains(cdsChecked);
    bool Raised = !Sunken && (!FFlat || State.Contains(cdsHot));
    if (Sunken)
        Frame3D(C, Face, clBtnShadow, clBtnHighlight, 1);
    else if (Raised)
        Frame3D(C, Face, clBtnHighlight, clBtnShadow, 1);
    if (Sunken) Face = Face.Offset(1, 1);
}

void TToolBar::DrawButton(TToolButton* Button, TCustomDrawState State)
{
    TCanvas* C = Canvas();
    TRect R = Button->BoundsRect();
    if (Button->Style() == tbsSeparator || Button->Style() == tbsDivider)
    {
        if (Button->Style() == tbsDivider)
        {
            int X = R.Left + R.Width() / 2 - 1;
            C->Brush()->SetColor(clBtnShadow);
            C->FillRect({X, R.Top + 2, X + 1, R.Bottom - 2});
            C->Brush()->SetColor(clBtnHighlight);
            C->FillRect({X + 1, R.Top + 2, X + 2, R.Bottom - 2});
        }
        return;
    }
    TRect Face = R;
    DrawButtonFrame(Button, State, Face);

    bool Arrow = Button->Style() == tbsDropDown && Button->DropdownMenu();
    if (Arrow)
    {
        Face.Right -= TToolButton::ArrowPart;
        int X = R.Right - TToolButton::ArrowPart / 2 - 3;
        int Y = R.Top + R.Height() / 2 - 1;
        C->Brush()->SetColor(State.Contains(cdsDisabled) ? clGrayText : clBtnText);
        for (int Row = 0; Row < 3; ++Row)
            C->FillRect({X + Row, Y + Row, X + 5 - Row, Y + Row + 1});
    }

    bool HasImage = FImages && Button->ImageIndex() >= 0 && Button->ImageIndex() < FImages->Count();
    bool Enabled = !State.Contains(cdsDisabled);
    if (HasImage)
    {
        int X = Face.Left + (Face.Width() - FImages->Width()) / 2;
        int Y = FShowCaptions ? Face.Top + 2 : Face.Top + (Face.Height() - FImages->Height()) / 2;
        FImages->Draw(C, X, Y, Button->ImageIndex(), Enabled);
        Face.Top = Y + FImages->Height();
    }
    if (FShowCaptions && !Button->Caption().empty())
    {
        C->Brush()->SetStyle(bsClear);
        unsigned Flags = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
        if (!Enabled)
        {
            C->Font()->SetColor(clBtnHighlight);
            TRect Shade = Face.Offset(1, 1);
            C->DrawText(Button->Caption(), Shade, Flags);
            C->Font()->SetColor(clGrayText);
        }
        C->DrawText(Button->Caption(), Face, Flags);
    }
}
