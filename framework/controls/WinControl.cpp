#include "framework/controls/WinControl.h"

#include "framework/PropertyRegistry.h"
#include "framework/controls/Application.h"
#include "framework/controls/CustomForm.h"
#include "framework/controls/Screen.h"
#include "platform/gfx/DcSaver.h"
#include "platform/gfx/Shapes.h"
#include "platform/win/WinApi.h"
#include "platform/win/WindowDcScope.h"

#include <algorithm>

namespace
{
constexpr const char* ControlProp = "NovlaControl";
}

LRESULT ControlWindowProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam)
{
    auto* Control = static_cast<TWinControl*>(GetProp(Window, ControlProp));
    if (!Control && Msg == WM_NCCREATE)
    {
        auto* Create = reinterpret_cast<CREATESTRUCT*>(LParam);
        Control = static_cast<TWinControl*>(Create->lpCreateParams);
        if (Control)
        {
            SetProp(Window, ControlProp, Control);
            Control->FHandle = Window;
        }
    }
    if (!Control) return DefWindowProc(Window, Msg, WParam, LParam);
    TMessage M{Msg, WParam, LParam, 0};
    try
    {
        Control->WindowProc(M);
    }
    catch (const std::exception& E)
    {
        // A handler's failure must not unwind through the window system's
        // loop: the application shows it and the loop goes on.
        if (!Application) throw;
        Application->HandleException(E);
    }
    if (Msg == WM_NCDESTROY)
    {
        RemoveProp(Window, ControlProp);
        if (Control->FHandle == Window) Control->FHandle = nullptr;
    }
    return M.Result;
}

const TClassInfo& TWinControl::StaticClass()
{
    static const TClassInfo Info =
        TClassBuilder<TWinControl>("TWinControl", &TControl::StaticClass())
            .Integer("BorderWidth", &TWinControl::BorderWidth, &TWinControl::SetBorderWidth)
            .Default(0)
            .Integer("TabOrder", &TWinControl::TabOrder, &TWinControl::SetTabOrder)
            .Default(-1)
            .Boolean("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop)
            .Default(false)
            .Event("OnEnter", &TWinControl::OnEnter)
            .Event("OnExit", &TWinControl::OnExit)
            .Event("OnKeyDown", &TWinControl::OnKeyDown)
            .Event("OnKeyPress", &TWinControl::OnKeyPress)
            .Event("OnKeyUp", &TWinControl::OnKeyUp)
            .Build();
    return Info;
}

const TMessageMap& TWinControl::StaticMessages()
{
    static const TMessageMap Map = TMessageMap(&TControl::StaticMessages())
                                       .On(WM_PAINT, &TWinControl::WMPaint)
                                       .On(WM_PRINTCLIENT, &TWinControl::WMPrintClient)
                                       .On(WM_ERASEBKGND, &TWinControl::WMEraseBkgnd)
                                       .On(WM_NCCALCSIZE, &TWinControl::WMNCCalcSize)
                                       .On(WM_NCPAINT, &TWinControl::WMNCPaint)
                                       .On(WM_WINDOWPOSCHANGED, &TWinControl::WMWindowPosChanged)
                                       .On(WM_SETFOCUS, &TWinControl::WMSetFocus)
                                       .On(WM_KILLFOCUS, &TWinControl::WMKillFocus)
                                       .On(WM_KEYDOWN, &TWinControl::WMKeyDown)
                                       .On(WM_SYSKEYDOWN, &TWinControl::WMKeyDown)
                                       .On(WM_KEYUP, &TWinControl::WMKeyUp)
                                       .On(WM_SYSKEYUP, &TWinControl::WMKeyUp)
                                       .On(WM_CHAR, &TWinControl::WMChar)
                                       .On(WM_SYSCHAR, &TWinControl::WMSysChar)
                                       .On(WM_SETCURSOR, &TWinControl::WMSetCursor)
                                       .On(WM_MOUSELEAVE, &TWinControl::WMMouseLeave)
                                       .On(WM_CAPTURECHANGED, &TWinControl::WMCaptureChanged)
                                       .On(CM_COLORCHANGED, &TWinControl::CMColorChanged)
                                       .On(CM_FONTCHANGED, &TWinControl::CMFontChanged)
                                       .On(CM_ENABLEDCHANGED, &TWinControl::CMEnabledChanged)
                                       .On(CM_VISIBLECHANGED, &TWinControl::CMVisibleChanged)
                                       .On(CM_TEXTCHANGED, &TWinControl::CMTextChanged)
                                       .On(CM_DIALOGKEY, &TWinControl::CMDialogKey)
                                       .On(CM_DIALOGCHAR, &TWinControl::CMDialogChar)
                                       .On(CM_FOCUSCHANGED, &TWinControl::CMFocusChanged)
                                       .On(CM_SHOWHINTCHANGED, &TWinControl::CMShowHintChanged)
                                       .On(CM_BIDIMODECHANGED, &TWinControl::CMBiDiModeChanged)
                                       .On(WM_CANCELMODE, &TWinControl::WMCancelMode)
                                       .On(WM_HSCROLL, &TWinControl::WMScrollFromChild)
                                       .On(WM_VSCROLL, &TWinControl::WMScrollFromChild);
    return Map;
}

TWinControl::TWinControl(TComponent* AOwner) : TControl(AOwner) {}

TWinControl::~TWinControl()
{
    if (Screen && Screen->ActiveControl() == this) Screen->SetActiveControl(nullptr);
    // Leave the parent while this is still a windowed control, so it drops
    // it from its tab order too.
    if (FParent) FParent->RemoveControl(this);
    // Children still here belong to other owners; they go with their parent.
    while (!FControls.empty())
        delete FControls.back();
    DestroyHandle();
}

TWinControl* TWinControl::FindControl(HWND Window)
{
    return Window ? static_cast<TWinControl*>(GetProp(Window, ControlProp)) : nullptr;
}

HWND TWinControl::Handle()
{
    HandleNeeded();
    return FHandle;
}

void TWinControl::HandleNeeded()
{
    if (FHandle) return;
    if (FParent) FParent->HandleNeeded();
    if (!FHandle) CreateHandle();
}

void TWinControl::CreateParams(TCreateParams& Params)
{
    Params.Caption = FText;
    Params.Style = WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
    if (FVisible) Params.Style |= WS_VISIBLE;
    if (!FEnabled) Params.Style |= WS_DISABLED;
    if (FTabStop) Params.Style |= WS_TABSTOP;
    Params.X = FLeft;
    Params.Y = FTop;
    Params.Width = FWidth;
    Params.Height = FHeight;
    Params.WndParent = FParent ? FParent->FHandle : nullptr;
    // A control that takes no double clicks gets a quick second press as a
    // plain press.
    Params.WindowClass.style = FControlStyle.Contains(csDoubleClicks) ? CS_DBLCLKS : 0;
    Params.WindowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    Params.WinClassName = ClassName();
}

void TWinControl::CreateWnd()
{
    TCreateParams Params;
    CreateParams(Params);
    if ((Params.Style & WS_CHILD) && !Params.WndParent)
        throw EComponentError("Control '" + Name() + "' has no parent window");
    WNDCLASSEX Existing{};
    Existing.cbSize = sizeof(Existing);
    if (!GetClassInfoEx(nullptr, Params.WinClassName.c_str(), &Existing))
    {
        WNDCLASS Class = Params.WindowClass;
        Class.lpfnWndProc = ControlWindowProc;
        Class.lpszClassName = Params.WinClassName.c_str();
        if (!RegisterClass(&Class))
            throw EComponentError("Cannot register window class " + Params.WinClassName);
    }
    HWND Window = CreateWindowEx(
        Params.ExStyle, Params.WinClassName.c_str(), Params.Caption.c_str(), Params.Style, Params.X,
        Params.Y, Params.Width, Params.Height, Params.WndParent, nullptr, nullptr, this);
    if (!Window) throw EComponentError("Cannot create a window for '" + Name() + "'");
    FHandle = Window;
}

void TWinControl::CreateHandle()
{
    if (FHandle) return;
    CreateWnd();
    UpdateBounds();
    for (TControl* C : FControls)
        if (auto* W = dynamic_cast<TWinControl*>(C)) W->CreateHandle();
    Realign();
}

void TWinControl::DestroyHandle()
{
    if (!FHandle) return;
    HWND Window = FHandle;
    DestroyWindow(Window);
    FHandle = nullptr;
}

void TWinControl::WndProc(TMessage& Message)
{
    if (Application && (Message.Msg == WM_KEYDOWN || Message.Msg == WM_SYSKEYDOWN))
        Application->CancelHint();
    if (Message.Msg >= WM_MOUSEFIRST && Message.Msg <= WM_MOUSELAST && Message.Msg != WM_MOUSEWHEEL)
    {
        if (IsControlMouseMsg(Message)) return;
        if (Message.Msg == WM_MOUSEMOVE && FHandle)
        {
            SetMouseControl(this);
            TRACKMOUSEEVENT Track{sizeof(TRACKMOUSEEVENT), TME_LEAVE, FHandle, 0};
            TrackMouseEvent(&Track);
        }
    }
    TControl::WndProc(Message);
}

bool TWinControl::IsControlMouseMsg(TMessage& M)
{
    TControl* Target = nullptr;
    TControl* Capture = CaptureControl();
    if (Capture)
    {
        if (Capture->Parent() == this && !dynamic_cast<TWinControl*>(Capture)) Target = Capture;
    }
    else
        Target = ControlAtPos({GET_X_LPARAM(M.LParam), GET_Y_LPARAM(M.LParam)});
    if (!Target) return false;
    if (M.Msg == WM_MOUSEMOVE && FHandle)
    {
        SetMouseControl(Target);
        TRACKMOUSEEVENT Track{sizeof(TRACKMOUSEEVENT), TME_LEAVE, FHandle, 0};
        TrackMouseEvent(&Track);
    }
    int X = GET_X_LPARAM(M.LParam) - Target->Left();
    int Y = GET_Y_LPARAM(M.LParam) - Target->Top();
    UINT Msg = M.Msg;
    // A control that takes no double clicks gets the second press of one
    // as a plain press.
    const bool DoubleClick =
        Msg == WM_LBUTTONDBLCLK || Msg == WM_RBUTTONDBLCLK || Msg == WM_MBUTTONDBLCLK;
    if (DoubleClick && !Target->ControlStyle().Contains(csDoubleClicks))
        Msg -= WM_LBUTTONDBLCLK - WM_LBUTTONDOWN;
    M.Result =
        Target->Perform(Msg, M.WParam, MAKELPARAM(static_cast<WORD>(X), static_cast<WORD>(Y)));
    return true;
}

void TWinControl::DefaultHandler(TMessage& Message)
{
    if (FHandle)
        Message.Result = DefWindowProc(FHandle, Message.Msg, Message.WParam, Message.LParam);
}

void TWinControl::WMScrollFromChild(TMessage& M)
{
    // A scroll-bar control's report goes to the control itself.
    TWinControl* Child = FindControl(reinterpret_cast<HWND>(M.LParam));
    if (Child && Child != this)
        M.Result = Child->Perform(CN_BASE + M.Msg, M.WParam, M.LParam);
    else
        DefaultHandler(M);
}

void TWinControl::WMCaptureChanged(TMessage& M)
{
    TControl* Capture = CaptureControl();
    const bool HeldHere = Capture == this || (Capture && Capture->Parent() == this &&
                                              !dynamic_cast<TWinControl*>(Capture));
    if (HeldHere && reinterpret_cast<HWND>(M.LParam) != FHandle) ForgetCaptureControl();
    DefaultHandler(M);
}

void TWinControl::SetMouseCapture(bool Value)
{
    TControl::SetMouseCapture(false);
    if (Value && HandleAllocated())
    {
        TControl::SetMouseCapture(true);
        ::SetCapture(FHandle);
    }
}

void TWinControl::InsertControl(TControl* AControl)
{
    AControl->FParent = this;
    FControls.push_back(AControl);
    auto* W = dynamic_cast<TWinControl*>(AControl);
    if (W)
    {
        FTabList.push_back(W);
        if (FHandle && !ComponentState().Contains(csLoading)) W->CreateHandle();
    }
    if (AControl->FParentColor) AControl->Perform(CM_PARENTCOLORCHANGED);
    if (AControl->FParentFont) AControl->Perform(CM_PARENTFONTCHANGED);
    if (AControl->FParentShowHint) AControl->Perform(CM_PARENTSHOWHINTCHANGED);
    if (AControl->FParentBiDiMode) AControl->Perform(CM_PARENTBIDIMODECHANGED);
    AControl->Invalidate();
    if (AControl->Align() != alNone) Realign();
}

void TWinControl::RemoveControl(TControl* AControl)
{
    auto It = std::find(FControls.begin(), FControls.end(), AControl);
    if (It == FControls.end()) return;
    AControl->Invalidate();
    if (auto* W = dynamic_cast<TWinControl*>(AControl))
    {
        W->DestroyHandle();
        FTabList.erase(std::remove(FTabList.begin(), FTabList.end(), W), FTabList.end());
    }
    FControls.erase(std::find(FControls.begin(), FControls.end(), AControl));
    AControl->FParent = nullptr;
    if (AControl->Align() != alNone) Realign();
}

bool TWinControl::ContainsControl(const TControl* Control) const
{
    for (const TControl* C = Control; C; C = C->Parent())
        if (C == this) return true;
    return false;
}

void TWinControl::SetChildOrder(TControl* Child, int Order)
{
    auto It = std::find(FControls.begin(), FControls.end(), Child);
    if (It == FControls.end()) return;
    FControls.erase(It);
    Order = std::clamp(Order, 0, static_cast<int>(FControls.size()));
    FControls.insert(FControls.begin() + Order, Child);
    if (auto* W = dynamic_cast<TWinControl*>(Child); W && W->FHandle)
    {
        bool Top = Order == static_cast<int>(FControls.size()) - 1;
        SetWindowPos(W->FHandle, Top ? HWND_TOP : HWND_BOTTOM, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    Child->Invalidate();
}

TControl* TWinControl::ControlAtPos(TPoint P, bool AllowDisabled) const
{
    for (auto It = FControls.rbegin(); It != FControls.rend(); ++It)
    {
        TControl* C = *It;
        if (dynamic_cast<TWinControl*>(C) || !C->Visible()) continue;
        if (!AllowDisabled && !C->Enabled()) continue;
        if (C->BoundsRect().Contains(P.X, P.Y)) return C;
    }
    return nullptr;
}

void TWinControl::Broadcast(TMessage& Message)
{
    // A handler may remove controls; walk a copy and skip the removed.
    std::vector<TControl*> Children = FControls;
    for (TControl* C : Children)
    {
        if (std::find(FControls.begin(), FControls.end(), C) == FControls.end()) continue;
        C->WindowProc(Message);
        if (Message.Result != 0) return;
    }
}

void TWinControl::NotifyControls(UINT Msg)
{
    TMessage M{Msg, 0, 0, 0};
    std::vector<TControl*> Children = FControls;
    for (TControl* C : Children)
        C->WindowProc(M);
}

void TWinControl::Realign()
{
    if (FAlignLevel > 0 || ComponentState().Contains(csLoading)) return;
    ++FAlignLevel;
    TRect R = ClientRect();
    ApplyAnchors(R);
    AlignControls(R);
    --FAlignLevel;
}

void TWinControl::ApplyAnchors(const TRect& Client)
{
    const TSize Size{Client.Width(), Client.Height()};
    const TSize Base = FAnchorBase;
    FAnchorBase = Size;
    if (Base.Width < 0 || (Base.Width == Size.Width && Base.Height == Size.Height)) return;
    const int DW = Size.Width - Base.Width;
    const int DH = Size.Height - Base.Height;
    // One axis: anchored to both edges stretches, to the far edge only
    // moves, to neither keeps the control's centre at the same share.
    auto Shift = [](bool Near, bool Far, int Delta, int& Pos, int& Extent)
    {
        if (Near && Far)
            Extent += Delta;
        else if (Far)
            Pos += Delta;
        else if (!Near)
            Pos += Delta / 2;
    };
    std::vector<TControl*> Children = FControls;
    for (TControl* C : Children)
    {
        TAnchors A = C->Anchors();
        if (C->Align() != alNone || A == TAnchors{akLeft, akTop}) continue;
        int L = C->Left();
        int T = C->Top();
        int W = C->Width();
        int H = C->Height();
        Shift(A.Contains(akLeft), A.Contains(akRight), DW, L, W);
        Shift(A.Contains(akTop), A.Contains(akBottom), DH, T, H);
        C->SetBounds(L, T, W, H);
    }
}

void TWinControl::AlignControls(TRect& R)
{
    auto Place = [&](TAlign Which)
    {
        for (TControl* C : FControls)
        {
            if (C->Align() != Which || !C->Visible()) continue;
            switch (Which)
            {
            case alTop:
                C->SetBounds(R.Left, R.Top, R.Width(), C->Height());
                R.Top += C->Height();
                break;
            case alBottom:
                C->SetBounds(R.Left, R.Bottom - C->Height(), R.Width(), C->Height());
                R.Bottom -= C->Height();
                break;
            case alLeft:
                C->SetBounds(R.Left, R.Top, C->Width(), R.Height());
                R.Left += C->Width();
                break;
            case alRight:
                C->SetBounds(R.Right - C->Width(), R.Top, C->Width(), R.Height());
                R.Right -= C->Width();
                break;
            case alClient:
                C->SetBounds(R.Left, R.Top, R.Width(), R.Height());
                break;
            default:
                break;
            }
        }
    };
    for (TAlign A : {alTop, alBottom, alLeft, alRight, alClient})
        Place(A);
}

int TWinControl::TabOrder() const
{
    if (!FParent) return -1;
    auto& L = FParent->FTabList;
    auto It = std::find(L.begin(), L.end(), this);
    return It == L.end() ? -1 : static_cast<int>(It - L.begin());
}

void TWinControl::SetTabOrder(int Value)
{
    if (ComponentState().Contains(csLoading))
    {
        FPendingTabOrder = Value;
        return;
    }
    if (!FParent || Value < 0) return;
    auto& L = FParent->FTabList;
    auto It = std::find(L.begin(), L.end(), this);
    if (It == L.end()) return;
    L.erase(It);
    Value = std::min(Value, static_cast<int>(L.size()));
    L.insert(L.begin() + Value, this);
}

void TWinControl::Loaded()
{
    TControl::Loaded();
    if (FPendingTabOrder >= 0)
    {
        int Order = FPendingTabOrder;
        FPendingTabOrder = -1;
        SetTabOrder(Order);
    }
    if (FParent && FParent->FHandle && !FHandle) CreateHandle();
    Realign();
}

void TWinControl::SetTabStop(bool Value)
{
    if (FTabStop == Value) return;
    FTabStop = Value;
    if (FHandle)
    {
        LONG Style = GetWindowLong(FHandle, GWL_STYLE);
        SetWindowLong(FHandle, GWL_STYLE,
                      static_cast<LONG>(Value ? (Style | WS_TABSTOP) : (Style & ~WS_TABSTOP)));
    }
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& List) const
{
    for (TWinControl* W : FTabList)
    {
        List.push_back(W);
        W->GetTabOrderList(List);
    }
}

TWinControl* TWinControl::FindNextControl(TWinControl* Current, bool GoForward, bool CheckTabStop,
                                          bool CheckParent) const
{
    std::vector<TWinControl*> List;
    GetTabOrderList(List);
    if (List.empty()) return nullptr;
    int Count = static_cast<int>(List.size());
    auto Found = std::find(List.begin(), List.end(), Current);
    int Start =
        Found == List.end() ? (GoForward ? Count - 1 : 0) : static_cast<int>(Found - List.begin());
    for (int Step = 1; Step <= Count; ++Step)
    {
        int I = ((Start + (GoForward ? Step : -Step)) % Count + Count) % Count;
        TWinControl* C = List[static_cast<size_t>(I)];
        if (C == Current) break;
        if (!C->CanFocus()) continue;
        if (CheckTabStop && !C->TabStop()) continue;
        if (CheckParent && C->Parent() != this) continue;
        return C;
    }
    return nullptr;
}

void TWinControl::SelectNext(TWinControl* Current, bool GoForward, bool CheckTabStop)
{
    if (TWinControl* Next = FindNextControl(Current, GoForward, CheckTabStop, !CheckTabStop))
        Next->SetFocus();
}

bool TWinControl::CanFocus() const
{
    for (const TControl* C = this; C; C = C->Parent())
        if (!C->Visible() || !C->Enabled()) return false;
    return true;
}

bool TWinControl::Focused() const
{
    return FHandle && GetFocus() == FHandle;
}

void TWinControl::SetFocus()
{
    if (!CanFocus()) throw EComponentError("Cannot focus a disabled or invisible window");
    ::SetFocus(Handle());
}

void TWinControl::SetBorderWidth(int Value)
{
    Value = std::max(Value, 0);
    if (FBorderWidth == Value) return;
    FBorderWidth = Value;
    if (FHandle)
        SetWindowPos(FHandle, nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    Realign();
    Invalidate();
}

TWinControl* TWinControl::TopParent()
{
    TWinControl* W = this;
    while (W->FParent)
        W = W->FParent;
    return W;
}

void TWinControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    CheckNewSize(AWidth, AHeight);
    AWidth = std::max(AWidth, 0);
    AHeight = std::max(AHeight, 0);
    if (ALeft == FLeft && ATop == FTop && AWidth == FWidth && AHeight == FHeight) return;
    if (FHandle)
    {
        // The window system reports the change back (UpdateBounds).
        SetWindowPos(FHandle, nullptr, ALeft, ATop, AWidth, AHeight, SWP_NOZORDER | SWP_NOACTIVATE);
        return;
    }
    bool Resized = AWidth != FWidth || AHeight != FHeight;
    FLeft = ALeft;
    FTop = ATop;
    FWidth = AWidth;
    FHeight = AHeight;
    BoundsChanged();
    RequestAlign();
    if (Resized)
    {
        Realign();
        Resize();
    }
}

void TWinControl::UpdateBounds()
{
    if (!FHandle) return;
    RECT R;
    GetWindowRect(FHandle, &R);
    if (FParent && FParent->FHandle)
        MapWindowPoints(nullptr, FParent->FHandle, reinterpret_cast<POINT*>(&R), 2);
    int W = R.right - R.left;
    int H = R.bottom - R.top;
    if (R.left == FLeft && R.top == FTop && W == FWidth && H == FHeight) return;
    bool Resized = W != FWidth || H != FHeight;
    FLeft = R.left;
    FTop = R.top;
    FWidth = W;
    FHeight = H;
    BoundsChanged();
    RequestAlign();
    if (Resized)
    {
        Realign();
        Resize();
    }
}

TSize TWinControl::NonClientSize()
{
    TCreateParams Params;
    CreateParams(Params);
    RECT R{0, 0, 0, 0};
    AdjustWindowRectEx(&R, Params.Style, FALSE, Params.ExStyle);
    return {R.right - R.left + 2 * FBorderWidth, R.bottom - R.top + 2 * FBorderWidth};
}

TRect TWinControl::ClientRect() const
{
    if (FHandle)
    {
        RECT R;
        GetClientRect(FHandle, &R);
        return {R.left, R.top, R.right, R.bottom};
    }
    TSize Frame = const_cast<TWinControl*>(this)->NonClientSize();
    return {0, 0, std::max(FWidth - Frame.Width, 0), std::max(FHeight - Frame.Height, 0)};
}

TPoint TWinControl::ClientOrigin() const
{
    if (FHandle)
    {
        POINT P{0, 0};
        ::ClientToScreen(FHandle, &P);
        return {P.x, P.y};
    }
    return TControl::ClientOrigin();
}

bool TWinControl::Showing() const
{
    return FHandle && IsWindowVisible(FHandle);
}

void TWinControl::Invalidate()
{
    if (FHandle) InvalidateRect(FHandle, nullptr, !FControlStyle.Contains(csOpaque));
}

void TWinControl::Update()
{
    if (FHandle) UpdateWindow(FHandle);
}

void TWinControl::Repaint()
{
    Invalidate();
    Update();
}

void TWinControl::PaintWindow(HDC) {}

void TWinControl::PaintControls(HDC Dc)
{
    for (TControl* C : FControls)
    {
        if (dynamic_cast<TWinControl*>(C) || !C->Visible()) continue;
        TRect Bounds = C->BoundsRect();
        TRect Clip = Dc->GetClipBox();
        if (Bounds.Intersect(Clip).IsEmpty()) continue;
        TDcSaver Saved(*Dc);
        Dc->OffsetViewportOrg(Bounds.Left, Bounds.Top);
        Dc->IntersectClipRect({0, 0, Bounds.Width(), Bounds.Height()});
        C->Perform(WM_PAINT, reinterpret_cast<WPARAM>(Dc), 0);
    }
}

void TWinControl::PaintHandler(HDC Dc)
{
    {
        TDcSaver Saved(*Dc);
        PaintWindow(Dc);
    }
    PaintControls(Dc);
}

void TWinControl::WMPaint(TMessage& M)
{
    if (M.WParam)
    {
        PaintHandler(reinterpret_cast<HDC>(M.WParam));
        return;
    }
    if (!FHandle) return;
    PAINTSTRUCT Paint;
    HDC Dc = BeginPaint(FHandle, &Paint);
    if (Dc) PaintHandler(Dc);
    EndPaint(FHandle, &Paint);
}

void TWinControl::WMPrintClient(TMessage& M)
{
    if (M.WParam) PaintHandler(reinterpret_cast<HDC>(M.WParam));
}

void TWinControl::WMEraseBkgnd(TMessage& M)
{
    M.Result = 1;
    if (FControlStyle.Contains(csOpaque) || !M.WParam) return;
    HDC Dc = reinterpret_cast<HDC>(M.WParam);
    TRect R = ClientRect();
    FillRect(*Dc, R, gfx::TBrush::Solid(FColor));
}

void TWinControl::WMNCCalcSize(TMessage& M)
{
    DefaultHandler(M);
    if (FBorderWidth <= 0) return;
    RECT* R = M.WParam ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(M.LParam)->rgrc[0]
                       : reinterpret_cast<RECT*>(M.LParam);
    R->left += FBorderWidth;
    R->top += FBorderWidth;
    R->right = std::max(R->left, R->right - FBorderWidth);
    R->bottom = std::max(R->top, R->bottom - FBorderWidth);
}

void TWinControl::WMNCPaint(TMessage& M)
{
    DefaultHandler(M);
    if (FBorderWidth <= 0 || !FHandle) return;
    RECT Window;
    GetWindowRect(FHandle, &Window);
    POINT Origin{0, 0};
    ::ClientToScreen(FHandle, &Origin);
    RECT Client;
    GetClientRect(FHandle, &Client);
    int X = Origin.x - Window.left;
    int Y = Origin.y - Window.top;
    TRect Inner{X, Y, X + Client.right, Y + Client.bottom};
    TRect Outer = Inner.Inflate(FBorderWidth, FBorderWidth);
    TWindowDcScope Whole(FHandle, TWindowDcScope::WholeWindow);
    if (!Whole) return;
    Whole.Dc()->ExcludeClipRect(Inner);
    PaintBorderMargin(Whole.Dc(), Outer);
}

void TWinControl::PaintBorderMargin(HDC Dc, const TRect& Margin)
{
    FillRect(*Dc, Margin, gfx::TBrush::Solid(FColor));
}

void TWinControl::WMWindowPosChanged(TMessage& M)
{
    DefaultHandler(M);
    UpdateBounds();
}

void TWinControl::WMSetFocus(TMessage& M)
{
    DefaultHandler(M);
    TopParent()->Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(this));
    DoEnter();
}

void TWinControl::WMKillFocus(TMessage& M)
{
    DefaultHandler(M);
    DoExit();
}

bool TWinControl::DoKeyDown(TMessage& M)
{
    TWinControl* Top = TopParent();
    if (Top != this && Top->KeyPreviewActive() && Top->DoKeyDown(M)) return true;
    auto Key = static_cast<unsigned short>(M.WParam);
    OnKeyDown(this, Key, KeyboardShiftState());
    M.WParam = Key;
    return Key == 0;
}

bool TWinControl::DoKeyPress(TMessage& M)
{
    TWinControl* Top = TopParent();
    if (Top != this && Top->KeyPreviewActive() && Top->DoKeyPress(M)) return true;
    char Key = static_cast<char>(M.WParam);
    OnKeyPress(this, Key);
    M.WParam = static_cast<unsigned char>(Key);
    return Key == 0;
}

bool TWinControl::DoKeyUp(TMessage& M)
{
    TWinControl* Top = TopParent();
    if (Top != this && Top->KeyPreviewActive() && Top->DoKeyUp(M)) return true;
    auto Key = static_cast<unsigned short>(M.WParam);
    OnKeyUp(this, Key, KeyboardShiftState());
    M.WParam = Key;
    return Key == 0;
}

void TWinControl::WMKeyDown(TMessage& M)
{
    // The form's menu sees the key first: its shortcuts work from any
    // control. The item's click may free this control.
    if (TCustomForm* Form = GetParentForm(this); Form && Form->IsShortCut(M)) return;
    if (DoKeyDown(M)) return;
    UINT Key = static_cast<UINT>(M.WParam);
    LRESULT Wanted = 0;
    switch (Key)
    {
    case VK_TAB:
        Wanted = DLGC_WANTTAB | DLGC_WANTALLKEYS;
        break;
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
        Wanted = DLGC_WANTARROWS | DLGC_WANTALLKEYS;
        break;
    case VK_RETURN:
    case VK_ESCAPE:
        Wanted = DLGC_WANTALLKEYS;
        break;
    default:
        break;
    }
    if (Wanted && !(Perform(WM_GETDLGCODE) & Wanted))
    {
        // The control does not keep the key: the form may navigate with it.
        if (TopParent()->Perform(CM_DIALOGKEY, Key, M.LParam) != 0) return;
    }
    DefaultHandler(M);
}

void TWinControl::WMKeyUp(TMessage& M)
{
    if (DoKeyUp(M)) return;
    DefaultHandler(M);
}

void TWinControl::WMChar(TMessage& M)
{
    if (DoKeyPress(M)) return;
    if (!(Perform(WM_GETDLGCODE) & (DLGC_WANTCHARS | DLGC_WANTALLKEYS)) &&
        TopParent()->Perform(CM_DIALOGCHAR, M.WParam, M.LParam) != 0)
        return;
    DefaultHandler(M);
}

void TWinControl::WMSysChar(TMessage& M)
{
    if (TopParent()->Perform(CM_DIALOGCHAR, M.WParam, M.LParam) != 0) return;
    DefaultHandler(M);
}

void TWinControl::WMSetCursor(TMessage& M)
{
    if (FHandle && reinterpret_cast<HWND>(M.WParam) == FHandle &&
        static_cast<short>(LOWORD(static_cast<ULONG_PTR>(M.LParam))) == HTCLIENT)
    {
        TCursor Shape = Screen ? Screen->Cursor() : crDefault;
        if (Shape == crDefault)
        {
            TControl* Hot = MouseControl();
            Shape = Hot && (Hot == this || Hot->Parent() == this) ? Hot->Cursor() : FCursor;
        }
        if (const char* Name = CursorName(Shape))
        {
            ::SetCursor(LoadCursor(nullptr, Name));
            M.Result = 1;
            return;
        }
    }
    DefaultHandler(M);
}

void TWinControl::WMMouseLeave(TMessage& M)
{
    TControl* Hot = MouseControl();
    if (Hot == this || (Hot && Hot->Parent() == this && !dynamic_cast<TWinControl*>(Hot)))
        SetMouseControl(nullptr);
    DefaultHandler(M);
}

void TWinControl::CMColorChanged(TMessage& M)
{
    TControl::CMColorChanged(M);
    NotifyControls(CM_PARENTCOLORCHANGED);
}

void TWinControl::CMFontChanged(TMessage& M)
{
    TControl::CMFontChanged(M);
    NotifyControls(CM_PARENTFONTCHANGED);
}

void TWinControl::CMEnabledChanged(TMessage&)
{
    if (FHandle) EnableWindow(FHandle, FEnabled);
    Invalidate();
}

void TWinControl::CMVisibleChanged(TMessage&)
{
    if (FHandle) ShowWindow(FHandle, FVisible ? SW_SHOWNA : SW_HIDE);
}

void TWinControl::CMTextChanged(TMessage&)
{
    if (FHandle) SetWindowText(FHandle, FText.c_str());
    Invalidate();
}

void TWinControl::CMDialogKey(TMessage& M)
{
    Broadcast(M);
}

void TWinControl::CMDialogChar(TMessage& M)
{
    Broadcast(M);
}

void TWinControl::CMFocusChanged(TMessage& M)
{
    Broadcast(M);
}

void TWinControl::CMShowHintChanged(TMessage&)
{
    NotifyControls(CM_PARENTSHOWHINTCHANGED);
}

void TWinControl::CMBiDiModeChanged(TMessage&)
{
    NotifyControls(CM_PARENTBIDIMODECHANGED);
    Invalidate();
}

void TWinControl::WMCancelMode(TMessage& M)
{
    // The control holding the mouse may be this one, a graphic child or a
    // windowed descendant: it loses the mouse and its press, so the
    // release that follows is no click.
    TControl* Capture = CaptureControl();
    if (Capture && !ContainsControl(Capture)) Capture = nullptr;
    DefaultHandler(M);
    if (Capture)
    {
        Capture->FControlState.Exclude(csClicked);
        Capture->SetMouseCapture(false);
    }
    Perform(CM_CANCELMODE, 0, reinterpret_cast<LPARAM>(this));
    if (Capture && Capture != this)
        Capture->Perform(CM_CANCELMODE, 0, reinterpret_cast<LPARAM>(Capture));
}
