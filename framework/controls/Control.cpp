#include "framework/controls/Control.h"

#include "framework/PropertyRegistry.h"
#include "framework/SysLocale.h"
#include "framework/controls/Application.h"
#include "framework/controls/WinControl.h"
#include "framework/menus/PopupMenu.h"
#include "platform/win/WinApi.h"

#include <algorithm>
#include <cctype>

namespace
{
TControl* GCaptureControl = nullptr;
TControl* GMouseControl = nullptr;
} // namespace

TShiftState KeyboardShiftState()
{
    TShiftState S;
    if (GetKeyState(VK_SHIFT) < 0) S.Include(ssShift);
    if (GetKeyState(VK_CONTROL) < 0) S.Include(ssCtrl);
    if (GetKeyState(VK_MENU) < 0) S.Include(ssAlt);
    return S;
}

TShiftState MouseShiftState(unsigned long long KeyFlags)
{
    TShiftState S;
    if (KeyFlags & MK_SHIFT) S.Include(ssShift);
    if (KeyFlags & MK_CONTROL) S.Include(ssCtrl);
    if (KeyFlags & MK_LBUTTON) S.Include(ssLeft);
    if (KeyFlags & MK_RBUTTON) S.Include(ssRight);
    if (KeyFlags & MK_MBUTTON) S.Include(ssMiddle);
    if (GetKeyState(VK_MENU) < 0) S.Include(ssAlt);
    return S;
}

bool IsAccel(unsigned Key, const std::string& Caption)
{
    for (size_t I = 0; I + 1 < Caption.size(); ++I)
    {
        if (Caption[I] != '&') continue;
        if (Caption[I + 1] == '&')
        {
            ++I;
            continue;
        }
        return std::toupper(static_cast<unsigned char>(Caption[I + 1])) ==
               std::toupper(static_cast<int>(Key & 0xFF));
    }
    return false;
}

const TClassInfo& TControl::StaticClass()
{
    static const TClassInfo Info =
        TClassBuilder<TControl>("TControl", &TComponent::StaticClass())
            .Integer("Left", &TControl::Left, &TControl::SetLeft)
            .NoDefault()
            .Integer("Top", &TControl::Top, &TControl::SetTop)
            .NoDefault()
            .Integer("Width", &TControl::Width, &TControl::SetWidth)
            .NoDefault()
            .Integer("Height", &TControl::Height, &TControl::SetHeight)
            .NoDefault()
            .Enum("Align", &TControl::Align, &TControl::SetAlign, ControlAlignNames())
            .Default(alNone)
            .Set("Anchors", &TControl::Anchors, &TControl::SetAnchors,
                 {"akLeft", "akTop", "akRight", "akBottom"})
            .Default(TAnchors{akLeft, akTop})
            .Enum("BiDiMode", &TControl::BiDiMode, &TControl::SetBiDiMode, BiDiModeNames())
            .Default(bdLeftToRight)
            .Stored(&TControl::IsBiDiModeStored)
            .String("Caption", &TControl::Caption, &TControl::SetCaption)
            .Stored(&TControl::IsCaptionStored)
            .Color("Color", &TControl::Color, &TControl::SetColor)
            .NoDefault()
            .Stored(&TControl::IsColorStored)
            .Class("Constraints", &TControl::Constraints, &TControl::SetConstraints)
            .Integer("Cursor", &TControl::Cursor, &TControl::SetCursor)
            .Default(crDefault)
            .Boolean("Enabled", &TControl::Enabled, &TControl::SetEnabled)
            .Default(true)
            .Class("Font", &TControl::Font, &TControl::SetFont)
            .Stored(&TControl::IsFontStored)
            .String("Hint", &TControl::Hint, &TControl::SetHint)
            .Boolean("ParentBiDiMode", &TControl::ParentBiDiMode, &TControl::SetParentBiDiMode)
            .Default(true)
            .Boolean("ParentColor", &TControl::ParentColor, &TControl::SetParentColor)
            .Default(false)
            .Boolean("ParentFont", &TControl::ParentFont, &TControl::SetParentFont)
            .Default(true)
            .Boolean("ParentShowHint", &TControl::ParentShowHint, &TControl::SetParentShowHint)
            .Default(true)
            .Component("PopupMenu", &TControl::PopupMenu, &TControl::SetPopupMenu)
            .Boolean("ShowHint", &TControl::ShowHint, &TControl::SetShowHint)
            .Default(false)
            .Stored(&TControl::IsShowHintStored)
            .Boolean("Visible", &TControl::Visible, &TControl::SetVisible)
            .Default(true)
            .Event("OnCanResize", &TControl::OnCanResize)
            .Event("OnClick", &TControl::OnClick)
            .Event("OnConstrainedResize", &TControl::OnConstrainedResize)
            .Event("OnContextPopup", &TControl::OnContextPopup)
            .Event("OnDblClick", &TControl::OnDblClick)
            .Event("OnMouseDown", &TControl::OnMouseDown)
            .Event("OnMouseEnter", &TControl::OnMouseEnter)
            .Event("OnMouseLeave", &TControl::OnMouseLeave)
            .Event("OnMouseMove", &TControl::OnMouseMove)
            .Event("OnMouseUp", &TControl::OnMouseUp)
            .Event("OnResize", &TControl::OnResize)
            .Build();
    return Info;
}

const TMessageMap& TControl::StaticMessages()
{
    static const TMessageMap Map =
        TMessageMap(nullptr)
            .On(WM_MOUSEMOVE, &TControl::WMMouseMove)
            .On(WM_LBUTTONDOWN, &TControl::WMLButtonDown)
            .On(WM_LBUTTONUP, &TControl::WMLButtonUp)
            .On(WM_LBUTTONDBLCLK, &TControl::WMLButtonDblClk)
            .On(WM_RBUTTONDOWN, &TControl::WMRButtonDown)
            .On(WM_RBUTTONUP, &TControl::WMRButtonUp)
            .On(WM_MBUTTONDOWN, &TControl::WMMButtonDown)
            .On(WM_MBUTTONUP, &TControl::WMMButtonUp)
            .On(CM_MOUSEENTER, &TControl::CMMouseEnter)
            .On(CM_MOUSELEAVE, &TControl::CMMouseLeave)
            .On(CM_PARENTCOLORCHANGED, &TControl::CMParentColorChanged)
            .On(CM_PARENTFONTCHANGED, &TControl::CMParentFontChanged)
            .On(CM_ENABLEDCHANGED, &TControl::CMEnabledChanged)
            .On(CM_VISIBLECHANGED, &TControl::CMVisibleChanged)
            .On(CM_FONTCHANGED, &TControl::CMFontChanged)
            .On(CM_COLORCHANGED, &TControl::CMColorChanged)
            .On(CM_TEXTCHANGED, &TControl::CMTextChanged)
            .On(CM_PARENTSHOWHINTCHANGED, &TControl::CMParentShowHintChanged)
            .On(CM_PARENTBIDIMODECHANGED, &TControl::CMParentBiDiModeChanged)
            .On(WM_CONTEXTMENU, &TControl::WMContextMenu);
    return Map;
}

TControl::TControl(TComponent* AOwner)
    : TComponent(AOwner), FFont(std::make_unique<TFont>()),
      FConstraints(std::make_unique<TSizeConstraints>())
{
    WindowProc = [this](TMessage& M) { WndProc(M); };
    FFont->OnChange.Bind(this, &TControl::FontObjectChanged);
    FConstraints->OnChange.Bind(this, &TControl::ConstraintsChanged);
    FControlStyle = {csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
}

TControl::~TControl()
{
    if (GCaptureControl == this) GCaptureControl = nullptr;
    if (GMouseControl == this) GMouseControl = nullptr;
    if (FPopupMenu) FPopupMenu->RemoveFreeNotification(this);
    if (FParent) FParent->RemoveControl(this);
}

LRESULT TControl::Perform(UINT Msg, WPARAM WParam, LPARAM LParam)
{
    TMessage M{Msg, WParam, LParam, 0};
    WindowProc(M);
    return M.Result;
}

void TControl::WndProc(TMessage& Message)
{
    if (Application && Message.Msg >= WM_MOUSEFIRST && Message.Msg <= WM_MOUSELAST)
        Application->HintMouseMessage(this, Message);
    Dispatch(Message);
}

void TControl::Dispatch(TMessage& Message)
{
    if (const TMessageMap::THandler* Handler = Messages().Find(Message.Msg))
        (*Handler)(*this, Message);
    else
        DefaultHandler(Message);
}

void TControl::DefaultHandler(TMessage&) {}

void TControl::SetParent(TWinControl* AParent)
{
    if (FParent == AParent) return;
    if (AParent == this) throw EComponentError("A control cannot be its own parent");
    if (FParent) FParent->RemoveControl(this);
    if (AParent) AParent->InsertControl(this);
}

TComponent* TControl::GetParentComponent() const
{
    return FParent;
}

void TControl::SetParentComponent(TComponent* Value)
{
    if (auto* W = dynamic_cast<TWinControl*>(Value)) SetParent(W);
}

void TControl::CheckNewSize(int& NewWidth, int& NewHeight)
{
    int W = NewWidth;
    int H = NewHeight;
    // Only a change of size is asked about; the limits hold always (a
    // narrowed constraint re-applies them to the current size).
    if ((W != FWidth || H != FHeight) && !CanResize(W, H))
    {
        NewWidth = FWidth;
        NewHeight = FHeight;
        return;
    }
    int MinW = FConstraints->MinWidth();
    int MinH = FConstraints->MinHeight();
    int MaxW = FConstraints->MaxWidth();
    int MaxH = FConstraints->MaxHeight();
    ConstrainedResize(MinW, MinH, MaxW, MaxH);
    if (MaxW > 0) W = std::min(W, MaxW);
    if (MaxH > 0) H = std::min(H, MaxH);
    NewWidth = std::max(W, MinW);
    NewHeight = std::max(H, MinH);
}

bool TControl::CanResize(int& NewWidth, int& NewHeight)
{
    bool Resize = true;
    OnCanResize(this, NewWidth, NewHeight, Resize);
    return Resize;
}

void TControl::ConstrainedResize(int& MinWidth, int& MinHeight, int& MaxWidth, int& MaxHeight)
{
    OnConstrainedResize(this, MinWidth, MinHeight, MaxWidth, MaxHeight);
}

void TControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    CheckNewSize(AWidth, AHeight);
    if (AWidth < 0) AWidth = 0;
    if (AHeight < 0) AHeight = 0;
    if (ALeft == FLeft && ATop == FTop && AWidth == FWidth && AHeight == FHeight) return;
    bool Resized = AWidth != FWidth || AHeight != FHeight;
    Invalidate();
    FLeft = ALeft;
    FTop = ATop;
    FWidth = AWidth;
    FHeight = AHeight;
    Invalidate();
    BoundsChanged();
    RequestAlign();
    if (Resized) Resize();
}

void TControl::SetClientWidth(int Value)
{
    SetWidth(Value + (FWidth - ClientWidth()));
}

void TControl::SetClientHeight(int Value)
{
    SetHeight(Value + (FHeight - ClientHeight()));
}

TPoint TControl::ClientOrigin() const
{
    if (!FParent) return {FLeft, FTop};
    TPoint P = FParent->ClientOrigin();
    return {P.X + FLeft, P.Y + FTop};
}

TPoint TControl::ClientToScreen(TPoint P) const
{
    TPoint O = ClientOrigin();
    return {P.X + O.X, P.Y + O.Y};
}

TPoint TControl::ScreenToClient(TPoint P) const
{
    TPoint O = ClientOrigin();
    return {P.X - O.X, P.Y - O.Y};
}

void TControl::SetAlign(TAlign Value)
{
    if (FAlign == Value) return;
    FAlign = Value;
    RequestAlign();
}

void TControl::RequestAlign()
{
    if (FParent) FParent->Realign();
}

void TControl::SetAnchors(TAnchors Value)
{
    FAnchors = Value;
}

void TControl::SetPopupMenu(TPopupMenu* Value)
{
    if (FPopupMenu == Value) return;
    if (FPopupMenu) FPopupMenu->RemoveFreeNotification(this);
    FPopupMenu = Value;
    if (Value) Value->FreeNotification(this);
}

void TControl::SetShowHint(bool Value)
{
    FParentShowHint = false;
    if (FShowHint == Value) return;
    FShowHint = Value;
    Perform(CM_SHOWHINTCHANGED);
}

void TControl::SetParentShowHint(bool Value)
{
    if (FParentShowHint == Value) return;
    FParentShowHint = Value;
    if (Value && FParent) Perform(CM_PARENTSHOWHINTCHANGED);
}

void TControl::SetBiDiMode(TBiDiMode Value)
{
    FParentBiDiMode = false;
    if (FBiDiMode == Value) return;
    FBiDiMode = Value;
    Perform(CM_BIDIMODECHANGED);
}

void TControl::SetParentBiDiMode(bool Value)
{
    if (FParentBiDiMode == Value) return;
    FParentBiDiMode = Value;
    if (Value && FParent) Perform(CM_PARENTBIDIMODECHANGED);
}

bool TControl::UseRightToLeftReading() const
{
    return SysLocale().MiddleEast && FBiDiMode != bdLeftToRight;
}

bool TControl::UseRightToLeftAlignment() const
{
    return SysLocale().MiddleEast && FBiDiMode == bdRightToLeft;
}

void TControl::SetVisible(bool Value)
{
    if (FVisible == Value) return;
    if (!Value) Invalidate();
    FVisible = Value;
    Perform(CM_VISIBLECHANGED, Value);
    RequestAlign();
}

bool TControl::Showing() const
{
    return FVisible && FParent && FParent->Showing();
}

void TControl::SetEnabled(bool Value)
{
    if (FEnabled == Value) return;
    FEnabled = Value;
    Perform(CM_ENABLEDCHANGED);
}

void TControl::SetColor(TColor Value)
{
    if (FColor == Value && !FParentColor) return;
    FColor = Value;
    FParentColor = false;
    Perform(CM_COLORCHANGED);
}

void TControl::SetParentColor(bool Value)
{
    if (FParentColor == Value) return;
    FParentColor = Value;
    if (Value && FParent) Perform(CM_PARENTCOLORCHANGED);
}

void TControl::SetParentFont(bool Value)
{
    if (FParentFont == Value) return;
    FParentFont = Value;
    if (Value && FParent) Perform(CM_PARENTFONTCHANGED);
}

void TControl::SetText(const std::string& Value)
{
    if (GetText() == Value) return;
    FText = Value;
    TextChanged();
}

void TControl::TextChanged()
{
    Perform(CM_TEXTCHANGED);
}

void TControl::SetCursor(TCursor Value)
{
    if (FCursor == Value) return;
    FCursor = Value;
    Perform(CM_CURSORCHANGED);
}

void TControl::Invalidate()
{
    if (!FVisible || !FParent || !FParent->HandleAllocated()) return;
    RECT R{FLeft, FTop, FLeft + FWidth, FTop + FHeight};
    InvalidateRect(FParent->Handle(), &R, !FControlStyle.Contains(csOpaque));
}

void TControl::Update()
{
    if (FParent) FParent->Update();
}

void TControl::Repaint()
{
    Invalidate();
    Update();
}

void TControl::BringToFront()
{
    if (FParent) FParent->SetChildOrder(this, FParent->ControlCount() - 1);
}

void TControl::SendToBack()
{
    if (FParent) FParent->SetChildOrder(this, 0);
}

void TControl::Click()
{
    OnClick(this);
}

void TControl::Loaded()
{
    TComponent::Loaded();
    if (FParent)
    {
        if (FParentColor) Perform(CM_PARENTCOLORCHANGED);
        if (FParentFont) Perform(CM_PARENTFONTCHANGED);
        if (FParentShowHint) Perform(CM_PARENTSHOWHINTCHANGED);
        if (FParentBiDiMode) Perform(CM_PARENTBIDIMODECHANGED);
    }
}

void TControl::Notification(TComponent* AComponent, TOperation Operation)
{
    TComponent::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FPopupMenu) FPopupMenu = nullptr;
}

void TControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    OnMouseDown(this, Button, Shift, X, Y);
}

void TControl::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    OnMouseUp(this, Button, Shift, X, Y);
}

void TControl::MouseMove(TShiftState Shift, int X, int Y)
{
    OnMouseMove(this, Shift, X, Y);
}

void TControl::FontChanged()
{
    Invalidate();
}

void TControl::ColorChanged()
{
    Invalidate();
}

void TControl::FontObjectChanged(TObject*)
{
    if (!FUpdatingParentFont) FParentFont = false;
    Perform(CM_FONTCHANGED);
}

void TControl::ConstraintsChanged(TObject*)
{
    SetBounds(FLeft, FTop, FWidth, FHeight);
}

TControl* TControl::CaptureControl()
{
    return GCaptureControl;
}

void TControl::ForgetCaptureControl()
{
    GCaptureControl = nullptr;
}

void TControl::SetMouseCapture(bool Value)
{
    if (Value)
    {
        GCaptureControl = this;
        if (FParent && FParent->HandleAllocated()) ::SetCapture(FParent->Handle());
    }
    else if (GCaptureControl == this)
    {
        GCaptureControl = nullptr;
        ::ReleaseCapture();
    }
}

TControl* TControl::MouseControl()
{
    return GMouseControl;
}

void TControl::SetMouseControl(TControl* Control)
{
    if (GMouseControl == Control) return;
    TControl* Old = GMouseControl;
    GMouseControl = Control;
    if (Old && Application) Application->HintMouseLeft(Old);
    if (Old) Old->Perform(CM_MOUSELEAVE);
    // The leave handler may have destroyed the new control's window; only
    // a control that is still the mouse control hears of its entry.
    if (Control && GMouseControl == Control) Control->Perform(CM_MOUSEENTER);
}

void TControl::MouseButtonDown(TMessage& M, TMouseButton Button)
{
    TShiftState Shift = MouseShiftState(M.WParam);
    if (FControlStyle.Contains(csCaptureMouse)) SetMouseCapture(true);
    if (Button == mbLeft && FControlStyle.Contains(csClickEvents)) FControlState.Include(csClicked);
    if (!FControlStyle.Contains(csNoStdEvents))
        MouseDown(Button, Shift, GET_X_LPARAM(M.LParam), GET_Y_LPARAM(M.LParam));
}

void TControl::MouseButtonUp(TMessage& M, TMouseButton Button)
{
    int X = GET_X_LPARAM(M.LParam);
    int Y = GET_Y_LPARAM(M.LParam);
    if (GCaptureControl == this) SetMouseCapture(false);
    if (Button == mbLeft && FControlState.Contains(csClicked))
    {
        FControlState.Exclude(csClicked);
        TLifeGuard Guard(this);
        if (ClientRect().Contains(X, Y)) Click();
        if (!Guard.Alive()) return; // the click freed the control
    }
    if (!FControlStyle.Contains(csNoStdEvents)) MouseUp(Button, MouseShiftState(M.WParam), X, Y);
}

void TControl::WMMouseMove(TMessage& M)
{
    if (!FControlStyle.Contains(csNoStdEvents))
        MouseMove(MouseShiftState(M.WParam), GET_X_LPARAM(M.LParam), GET_Y_LPARAM(M.LParam));
}

void TControl::WMLButtonDown(TMessage& M)
{
    MouseButtonDown(M, mbLeft);
}

void TControl::WMLButtonUp(TMessage& M)
{
    MouseButtonUp(M, mbLeft);
}

void TControl::WMLButtonDblClk(TMessage& M)
{
    if (FControlStyle.Contains(csCaptureMouse)) SetMouseCapture(true);
    if (FControlStyle.Contains(csClickEvents)) DblClick();
    if (!FControlStyle.Contains(csNoStdEvents))
        MouseDown(mbLeft, MouseShiftState(M.WParam) + TShiftState{ssDouble}, GET_X_LPARAM(M.LParam),
                  GET_Y_LPARAM(M.LParam));
}

void TControl::WMRButtonDown(TMessage& M)
{
    MouseButtonDown(M, mbRight);
}

void TControl::WMRButtonUp(TMessage& M)
{
    TLifeGuard Guard(this);
    MouseButtonUp(M, mbRight);
    // As the window system's default would: the release asks for the
    // context menu, unless a handler freed the control.
    if (!Guard.Alive()) return;
    TPoint P = ClientToScreen({GET_X_LPARAM(M.LParam), GET_Y_LPARAM(M.LParam)});
    Perform(WM_CONTEXTMENU, 0, MAKELPARAM(static_cast<WORD>(P.X), static_cast<WORD>(P.Y)));
}

bool TControl::DoContextPopup(TPoint MousePos)
{
    bool Handled = false;
    OnContextPopup(this, MousePos, Handled);
    return Handled;
}

void TControl::WMContextMenu(TMessage& M)
{
    const int X = GET_X_LPARAM(M.LParam);
    const int Y = GET_Y_LPARAM(M.LParam);
    const bool FromKeyboard = X == -1 && Y == -1;
    TPoint Client = FromKeyboard ? TPoint{-1, -1} : ScreenToClient({X, Y});
    TLifeGuard Guard(this);
    M.Result = 1;
    if (DoContextPopup(Client) || !Guard.Alive()) return;
    if (FPopupMenu && FPopupMenu->AutoPopup())
    {
        TPoint At = FromKeyboard ? ClientToScreen({0, 0}) : TPoint{X, Y};
        FPopupMenu->SetPopupComponent(this);
        FPopupMenu->Popup(At.X, At.Y);
        return;
    }
    // A control without a menu of its own shows its parent's.
    if (FParent)
        M.Result = FParent->Perform(WM_CONTEXTMENU, M.WParam, M.LParam);
    else
        M.Result = 0;
}

void TControl::WMMButtonDown(TMessage& M)
{
    MouseButtonDown(M, mbMiddle);
}

void TControl::WMMButtonUp(TMessage& M)
{
    MouseButtonUp(M, mbMiddle);
}

void TControl::CMMouseEnter(TMessage&)
{
    OnMouseEnter(this);
}

void TControl::CMMouseLeave(TMessage&)
{
    OnMouseLeave(this);
}

void TControl::CMParentColorChanged(TMessage&)
{
    if (!FParentColor || !FParent) return;
    FColor = FParent->Color();
    Perform(CM_COLORCHANGED);
    FParentColor = true;
}

void TControl::CMParentFontChanged(TMessage&)
{
    if (!FParentFont || !FParent) return;
    FUpdatingParentFont = true;
    FFont->Assign(FParent->Font());
    FUpdatingParentFont = false;
}

void TControl::CMEnabledChanged(TMessage&)
{
    Invalidate();
}

void TControl::CMVisibleChanged(TMessage&)
{
    Invalidate();
}

void TControl::CMFontChanged(TMessage&)
{
    FontChanged();
}

void TControl::CMColorChanged(TMessage&)
{
    ColorChanged();
}

void TControl::CMTextChanged(TMessage&)
{
    Invalidate();
}

void TControl::CMParentShowHintChanged(TMessage&)
{
    if (!FParentShowHint || !FParent) return;
    if (FShowHint == FParent->ShowHint()) return;
    FShowHint = FParent->ShowHint();
    Perform(CM_SHOWHINTCHANGED);
}

void TControl::CMParentBiDiModeChanged(TMessage&)
{
    if (!FParentBiDiMode || !FParent) return;
    if (FBiDiMode == FParent->BiDiMode()) return;
    FBiDiMode = FParent->BiDiMode();
    Perform(CM_BIDIMODECHANGED);
}

const char* CursorName(TCursor Cursor)
{
    switch (Cursor)
    {
    case crArrow:
        return IDC_ARROW;
    case crCross:
        return IDC_CROSS;
    case crIBeam:
        return IDC_IBEAM;
    case crSizeNESW:
        return IDC_SIZENESW;
    case crSizeNS:
        return IDC_SIZENS;
    case crSizeNWSE:
        return IDC_SIZENWSE;
    case crSizeWE:
        return IDC_SIZEWE;
    case crHourGlass:
        return IDC_WAIT;
    case crNo:
        return IDC_NO;
    case crSizeAll:
        return IDC_SIZEALL;
    case crHandPoint:
        return IDC_HAND;
    default:
        return nullptr;
    }
}
