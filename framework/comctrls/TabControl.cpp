#include "framework/comctrls/TabControl.h"

#include "framework/PropertyRegistry.h"
#include "framework/controls/Frame3D.h"
#include "platform/gfx/DrawText.h"
#include "platform/win/WinApi.h"

#include <algorithm>

namespace
{
constexpr int TabMargin = 6;      // caption to tab edge
constexpr int TabsIndent = 2;     // first tab from the left edge
constexpr int DisplayInset = 4;   // body frame to the display area
constexpr int TabTextPadding = 6; // font height to tab height
} // namespace

const TClassInfo& TCustomTabControl::StaticClass()
{
    static const TClassInfo Info =
        TClassBuilder<TCustomTabControl>("TCustomTabControl", &TCustomControl::StaticClass())
            .Integer("TabHeight", &TCustomTabControl::TabHeight, &TCustomTabControl::SetTabHeight)
            .Default(0)
            .Integer("TabWidth", &TCustomTabControl::TabWidth, &TCustomTabControl::SetTabWidth)
            .Default(0)
            .Boolean("TabStop", &TCustomTabControl::TabStop, &TCustomTabControl::SetTabStop)
            .Default(true)
            .Event("OnChange", &TCustomTabControl::OnChange)
            .Event("OnChanging", &TCustomTabControl::OnChanging)
            .Build();
    return Info;
}

const TMessageMap& TCustomTabControl::StaticMessages()
{
    static const TMessageMap Map = TMessageMap(&TCustomControl::StaticMessages())
                                       .On(WM_GETDLGCODE, &TCustomTabControl::WMGetDlgCode)
                                       .On(WM_SETFOCUS, &TCustomTabControl::WMSetFocusTabs)
                                       .On(WM_KILLFOCUS, &TCustomTabControl::WMKillFocusTabs)
                                       .On(CM_DIALOGKEY, &TCustomTabControl::CMDialogKey)
                                       .On(CM_FONTCHANGED, &TCustomTabControl::CMFontChanged);
    return Map;
}

const TClassInfo& TTabControl::StaticClass()
{
    static const TClassInfo Info =
        TClassBuilder<TTabControl>("TTabControl", &TCustomTabControl::StaticClass())
            .Strings("Tabs", &TTabControl::Tabs, &TTabControl::SetTabs)
            .Integer("TabIndex", &TTabControl::TabIndex, &TTabControl::SetTabIndex)
            .Default(-1)
            .Build();
    return Info;
}

TCustomTabControl::TCustomTabControl(TComponent* AOwner)
    : TCustomControl(AOwner), FTabList(std::make_unique<TStringList>())
{
    FControlStyle = {csAcceptsControls, csCaptureMouse, csClickEvents, csDoubleClicks, csOpaque};
    FColor = clBtnFace;
    FWidth = 289;
    FHeight = 193;
    FTabStop = true;
    FTabList->OnChange = [this](TObject*) { TabsChanged(); };
}

TCustomTabControl::~TCustomTabControl()
{
    FTabList->OnChange.Clear();
}

void TCustomTabControl::SetTabIndex(int Value)
{
    // While a definition is read the tabs may come after the index.
    const bool Loading = ComponentState().Contains(csLoading);
    if (Value < -1 || (!Loading && Value >= TabCount())) Value = -1;
    if (FTabIndex == Value) return;
    FTabIndex = Value;
    Invalidate();
}

void TCustomTabControl::SetTabHeight(int Value)
{
    Value = std::max(0, Value);
    if (FTabHeight == Value) return;
    FTabHeight = Value;
    Realign();
    Invalidate();
}

void TCustomTabControl::SetTabWidth(int Value)
{
    Value = std::max(0, Value);
    if (FTabWidth == Value) return;
    FTabWidth = Value;
    Invalidate();
}

void TCustomTabControl::TabsChanged()
{
    // A selection past the end moves to the last tab that is left.
    if (FTabIndex >= TabCount() && !ComponentState().Contains(csLoading))
        FTabIndex = TabCount() - 1;
    Invalidate();
}

void TCustomTabControl::Loaded()
{
    TCustomControl::Loaded();
    if (FTabIndex >= TabCount()) FTabIndex = -1;
}

int TCustomTabControl::TextHeight() const
{
    TCanvas Measure;
    Measure.Font()->Assign(Font());
    return Measure.TextHeight("Ag");
}

int TCustomTabControl::TabsBottom() const
{
    const int H = FTabHeight > 0 ? FTabHeight : TextHeight() + TabTextPadding;
    return TabsIndent + H;
}

TRect TCustomTabControl::TabRect(int Index) const
{
    if (Index < 0 || Index >= TabCount()) return {};
    TCanvas Measure;
    Measure.Font()->Assign(Font());
    auto Extent = [&](int K)
    { return FTabWidth > 0 ? FTabWidth : Measure.TextWidth(FTabList->Strings(K)) + 2 * TabMargin; };
    int X = TabsIndent;
    for (int K = 0; K < Index; ++K)
        X += Extent(K);
    return {X, TabsIndent, X + Extent(Index), TabsBottom()};
}

TRect TCustomTabControl::SelectedTabRect(int Index) const
{
    TRect R = TabRect(Index);
    return {R.Left - SelectedGrow, R.Top - SelectedGrow, R.Right + SelectedGrow, R.Bottom + 1};
}

int TCustomTabControl::IndexOfTabAt(int X, int Y) const
{
    if (X < 0 || X >= ClientWidth()) return -1;
    // The selected tab stands out over its neighbours.
    if (FTabIndex >= 0 && SelectedTabRect(FTabIndex).Contains(X, Y)) return FTabIndex;
    for (int K = 0; K < TabCount(); ++K)
        if (TabRect(K).Contains(X, Y)) return K;
    return -1;
}

TRect TCustomTabControl::BodyRect() const
{
    TRect C = ClientRect();
    return {0, std::min(TabsBottom(), C.Bottom), C.Right, C.Bottom};
}

TRect TCustomTabControl::DisplayRect() const
{
    TRect B = BodyRect();
    return {B.Left + DisplayInset, B.Top + DisplayInset,
            std::max(B.Left + DisplayInset, B.Right - DisplayInset),
            std::max(B.Top + DisplayInset, B.Bottom - DisplayInset)};
}

void TCustomTabControl::AlignControls(TRect& Rect)
{
    Rect = DisplayRect();
    TCustomControl::AlignControls(Rect);
}

void TCustomTabControl::BoundsChanged()
{
    TCustomControl::BoundsChanged();
    Realign();
}

void TCustomTabControl::CMFontChanged(TMessage& M)
{
    TCustomControl::CMFontChanged(M);
    Realign();
    Invalidate();
}

bool TCustomTabControl::CanChange()
{
    bool Allow = true;
    OnChanging(this, Allow);
    return Allow;
}

void TCustomTabControl::Change()
{
    OnChange(this);
}

bool TCustomTabControl::SelectTabByUser(int Index)
{
    if (Index < 0 || Index >= TabCount()) return false;
    if (Index == FTabIndex) return true;
    TLifeGuard Guard(this);
    if (!CanChange() || !Guard.Alive()) return false;
    SetTabIndex(Index);
    Change();
    return true;
}

void TCustomTabControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TLifeGuard Guard(this);
    if (Button == mbLeft)
    {
        const int Index = IndexOfTabAt(X, Y);
        if (Index >= 0)
        {
            if (CanFocus() && FTabStop) SetFocus();
            if (Guard.Alive()) SelectTabByUser(Index);
        }
    }
    if (Guard.Alive()) TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TCustomTabControl::WMGetDlgCode(TMessage& M)
{
    M.Result = DLGC_WANTARROWS;
}

bool TCustomTabControl::DoKeyDown(TMessage& M)
{
    if (TCustomControl::DoKeyDown(M)) return true;
    if (TabCount() == 0) return false;
    int Target;
    switch (M.WParam)
    {
    case VK_LEFT:
    case VK_UP:
        Target = std::max(0, FTabIndex - 1);
        break;
    case VK_RIGHT:
    case VK_DOWN:
        Target = std::min(TabCount() - 1, FTabIndex + 1);
        break;
    case VK_HOME:
        Target = 0;
        break;
    case VK_END:
        Target = TabCount() - 1;
        break;
    default:
        return false;
    }
    SelectTabByUser(Target);
    return true;
}

void TCustomTabControl::CMDialogKey(TMessage& M)
{
    const bool Inside =
        HandleAllocated() && (GetFocus() == FHandle || IsChild(FHandle, GetFocus()));
    if (M.WParam == VK_TAB && GetKeyState(VK_CONTROL) < 0 && Inside && TabCount() > 0)
    {
        const int Step = GetKeyState(VK_SHIFT) < 0 ? -1 : 1;
        const int N = TabCount();
        SelectTabByUser(((FTabIndex < 0 ? (Step > 0 ? -1 : 0) : FTabIndex) + Step + N) % N);
        M.Result = 1;
        return;
    }
    TCustomControl::CMDialogKey(M);
}

void TCustomTabControl::WMSetFocusTabs(TMessage& M)
{
    WMSetFocus(M);
    Invalidate();
}

void TCustomTabControl::WMKillFocusTabs(TMessage& M)
{
    WMKillFocus(M);
    Invalidate();
}

void TCustomTabControl::Paint()
{
    PaintTo(Canvas());
}

void TCustomTabControl::PaintTo(TCanvas* C)
{
    C->Font()->Assign(Font());
    DrawBackground(C, ClientRect());
    DrawBody(C, BodyRect());
    for (int K = 0; K < TabCount(); ++K)
        if (K != FTabIndex) DrawTab(C, K, TabRect(K), false);
    if (FTabIndex >= 0)
    {
        const TRect R = SelectedTabRect(FTabIndex);
        DrawTab(C, FTabIndex, R, true);
        if (Focused())
        {
            C->Brush()->SetStyle(bsSolid);
            C->DrawFocusRect({R.Left + 3, R.Top + 3, R.Right - 3, R.Bottom - 3});
        }
    }
}

void TCustomTabControl::DrawBackground(TCanvas* C, const TRect& Client)
{
    C->Brush()->SetStyle(bsSolid);
    C->Brush()->SetColor(FColor);
    C->FillRect(Client);
}

void TCustomTabControl::DrawBody(TCanvas* C, const TRect& Body)
{
    TRect R = Body;
    Frame3D(C, R, clBtnHighlight, cl3DDkShadow, 1);
    Frame3D(C, R, clBtnFace, clBtnShadow, 1);
}

void TCustomTabControl::DrawTab(TCanvas* C, int Index, const TRect& R, bool Selected)
{
    C->Brush()->SetStyle(bsSolid);
    C->Brush()->SetColor(FColor);
    C->FillRect(R);
    // Highlight on the left and top with the corner cut, shadow on the right.
    C->Brush()->SetColor(clBtnHighlight);
    C->FillRect({R.Left, R.Top + 2, R.Left + 1, R.Bottom});
    C->FillRect({R.Left + 1, R.Top + 1, R.Left + 2, R.Top + 2});
    C->FillRect({R.Left + 2, R.Top, R.Right - 2, R.Top + 1});
    C->Brush()->SetColor(cl3DDkShadow);
    C->FillRect({R.Right - 1, R.Top + 2, R.Right, R.Bottom});
    C->FillRect({R.Right - 2, R.Top + 1, R.Right - 1, R.Top + 2});
    C->Brush()->SetColor(clBtnShadow);
    C->FillRect({R.Right - 2, R.Top + 2, R.Right - 1, R.Bottom});
    C->Brush()->SetStyle(bsClear);
    C->Font()->SetColor(Enabled() ? clBtnText : clGrayText);
    TRect Text{R.Left, R.Top + (Selected ? 0 : 1), R.Right, R.Bottom - (Selected ? 1 : 0)};
    C->DrawText(FTabList->Strings(Index), Text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}
