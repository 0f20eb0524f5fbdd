#include "framework/controls/CustomForm.h"

#include "framework/FormReader.h"
#include "framework/PropertyRegistry.h"
#include "framework/ResourceTable.h"
#include "framework/controls/Application.h"
#include "framework/controls/Form.h"
#include "framework/controls/Screen.h"
#include "framework/graphics/CanvasHandleScope.h"
#include "framework/menus/MainMenu.h"
#include "platform/win/Monitor.h"
#include "platform/win/WinApi.h"

#include <algorithm>

const TClassInfo& TCustomForm::StaticClass()
{
    static const TClassInfo Info =
        TClassBuilder<TCustomForm>("TCustomForm", &TWinControl::StaticClass()).Build();
    return Info;
}

const TClassInfo& TForm::StaticClass()
{
    static const TClassInfo Info =
        TClassBuilder<TForm>("TForm", &TCustomForm::StaticClass())
            .Integer("Width", &TForm::Width, &TForm::SetWidth)
            .Stored(false)
            .Integer("Height", &TForm::Height, &TForm::SetHeight)
            .Stored(false)
            .Color("Color", &TForm::Color, &TForm::SetColor)
            .Default(clBtnFace)
            .Stored(&TForm::IsColorStored)
            .Boolean("ParentFont", &TForm::ParentFont, &TForm::SetParentFont)
            .Default(false)
            .Boolean("Visible", &TForm::Visible, &TForm::SetVisible)
            .Default(false)
            .Component("ActiveControl", &TForm::ActiveControl, &TForm::SetActiveControl)
            .Boolean("AutoScroll", &TForm::AutoScroll, &TForm::SetAutoScroll)
            .Default(false)
            .Set("BorderIcons", &TForm::BorderIcons, &TForm::SetBorderIcons,
                 {"biSystemMenu", "biMinimize", "biMaximize", "biHelp"})
            .Default(TBorderIcons{biSystemMenu, biMinimize, biMaximize})
            .Enum("BorderStyle", &TForm::BorderStyle, &TForm::SetBorderStyle, BorderStyleNames())
            .Default(bsSizeable)
            .Integer("ClientHeight", &TForm::ClientHeight, &TForm::SetClientHeight)
            .NoDefault()
            .Integer("ClientWidth", &TForm::ClientWidth, &TForm::SetClientWidth)
            .NoDefault()
            .Enum("FormStyle", &TForm::FormStyle, &TForm::SetFormStyle,
                  {"fsNormal", "fsMDIChild", "fsMDIForm", "fsStayOnTop"})
            .Default(fsNormal)
            .Binary("Icon", &TForm::Icon, &TForm::SetIcon)
            .Boolean("KeyPreview", &TForm::KeyPreview, &TForm::SetKeyPreview)
            .Default(false)
            .Component("Menu", &TForm::Menu, &TForm::SetMenu)
            .Enum("Position", &TForm::Position, &TForm::SetPosition,
                  {"poDesigned", "poDefault", "poDefaultPosOnly", "poDefaultSizeOnly",
                   "poScreenCenter", "poDesktopCenter", "poMainFormCenter", "poOwnerFormCenter"})
            .Default(poDesigned)
            .Boolean("Scaled", &TForm::Scaled, &TForm::SetScaled)
            .Default(true)
            .Enum("WindowState", &TForm::WindowState, &TForm::SetWindowState,
                  {"wsNormal", "wsMinimized", "wsMaximized"})
            .Default(wsNormal)
            .Event("OnActivate", &TForm::OnActivate)
            .Event("OnClose", &TForm::OnClose)
            .Event("OnCloseQuery", &TForm::OnCloseQuery)
            .Event("OnCreate", &TForm::OnCreate)
            .Event("OnDeactivate", &TForm::OnDeactivate)
            .Event("OnDestroy", &TForm::OnDestroy)
            .Event("OnHide", &TForm::OnHide)
            .Event("OnPaint", &TForm::OnPaint)
            .Event("OnShow", &TForm::OnShow)
            .Build();
    return Info;
}

const TMessageMap& TCustomForm::StaticMessages()
{
    static const TMessageMap Map = TMessageMap(&TWinControl::StaticMessages())
                                       .On(WM_CLOSE, &TCustomForm::WMClose)
                                       .On(WM_ACTIVATE, &TCustomForm::WMActivate)
                                       .On(WM_SIZE, &TCustomForm::WMSize)
                                       .On(WM_ACTIVATEAPP, &TCustomForm::WMActivateApp)
                                       .On(WM_GETMINMAXINFO, &TCustomForm::WMGetMinMaxInfo)
                                       .On(CM_VISIBLECHANGED, &TCustomForm::CMVisibleChanged)
                                       .On(CM_FOCUSCHANGED, &TCustomForm::CMFocusChanged)
                                       .On(CM_DIALOGKEY, &TCustomForm::CMDialogKey)
                                       .On(CM_RELEASE, &TCustomForm::CMRelease);
    return Map;
}

TCustomForm::TCustomForm(TComponent* AOwner)
    : TWinControl(AOwner), FIcon(std::make_unique<TIcon>()), FCanvas(std::make_unique<TCanvas>())
{
    FVisible = false;
    FParentFont = false;
    FColor = clBtnFace;
    FControlStyle = {csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption,
                     csDoubleClicks};
    FLeft = 0;
    FTop = 0;
    FWidth = 320;
    FHeight = 240;
    if (Screen) Screen->AddForm(this);
}

TCustomForm::~TCustomForm()
{
    Destroying();
    DestroyComponents();
    if (Screen) Screen->RemoveForm(this);
    if (Application) Application->FormDestroyed(this);
}

void TCustomForm::InitializeForm()
{
    FFormState.Include(fsCreating);
    if (auto Text = FindResource(ClassName()))
        TFormReader::Read(
            *this, std::string_view(reinterpret_cast<const char*>(Text->data()), Text->size()));
    FFormState.Exclude(fsCreating);
    DoCreate();
    // A definition that stores Visible = True shows the form once created.
    if (FVisible && !Showing()) Perform(CM_VISIBLECHANGED, 1);
}

void TCustomForm::Destroying()
{
    if (!FDestroyRun)
    {
        FDestroyRun = true;
        DoDestroy();
    }
    TWinControl::Destroying();
}

void TCustomForm::WndProc(TMessage& Message)
{
    if (Application && Application->MainForm() == this && Application->CallMainWindowHooks(Message))
        return;
    TWinControl::WndProc(Message);
}

void TCustomForm::CreateParams(TCreateParams& Params)
{
    TWinControl::CreateParams(Params);
    Params.Style &= ~(WS_CHILD | WS_VISIBLE | WS_TABSTOP);
    Params.Style |= WS_POPUP;
    Params.WndParent = nullptr;
    // Other forms stay above the main form.
    if (Application && Application->MainForm() && Application->MainForm() != this &&
        Application->MainForm()->HandleAllocated())
        Params.WndParent = Application->MainForm()->Handle();
    DWORD Icons = 0;
    if (FBorderIcons.Contains(biSystemMenu))
    {
        Icons |= WS_SYSMENU;
        if (FBorderIcons.Contains(biMinimize)) Icons |= WS_MINIMIZEBOX;
        if (FBorderIcons.Contains(biMaximize)) Icons |= WS_MAXIMIZEBOX;
    }
    switch (FBorderStyle)
    {
    case bsNone:
        break;
    case bsSingle:
        Params.Style |= WS_CAPTION | Icons;
        break;
    case bsSizeable:
        Params.Style |= WS_CAPTION | WS_THICKFRAME | Icons;
        break;
    case bsDialog:
        Params.Style |= WS_CAPTION | (Icons & WS_SYSMENU);
        Params.ExStyle |= WS_EX_DLGMODALFRAME;
        break;
    case bsToolWindow:
        Params.Style |= WS_CAPTION | (Icons & WS_SYSMENU);
        Params.ExStyle |= WS_EX_TOOLWINDOW;
        break;
    case bsSizeToolWin:
        Params.Style |= WS_CAPTION | WS_THICKFRAME | (Icons & WS_SYSMENU);
        Params.ExStyle |= WS_EX_TOOLWINDOW;
        break;
    }
    Params.ExStyle |= WS_EX_CONTROLPARENT;
    if (FFormStyle == fsStayOnTop) Params.ExStyle |= WS_EX_TOPMOST;
}

void TCustomForm::SetFormStyle(TFormStyle Value)
{
    if (FFormStyle == Value) return;
    FFormStyle = Value;
    if (FHandle)
        SetWindowPos(FHandle, Value == fsStayOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TCustomForm::CreateWnd()
{
    TWinControl::CreateWnd();
    // The window system may have adjusted the frame: keep the client size
    // the definition asked for.
    UpdateBounds();
}

void TCustomForm::PaintWindow(HDC Dc)
{
    TCanvasHandleScope Borrowed(*FCanvas, Dc);
    FCanvas->Font()->Assign(Font());
    FCanvas->Brush()->SetColor(FColor);
    OnPaint(this);
}

void TCustomForm::Loaded()
{
    TWinControl::Loaded();
    if (FVisible && !Showing()) Perform(CM_VISIBLECHANGED, 1);
}

void TCustomForm::Notification(TComponent* AComponent, TOperation Operation)
{
    TWinControl::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FActiveControl) FActiveControl = nullptr;
    if (Operation == opRemove && AComponent == FMenu) FMenu = nullptr;
}

void TCustomForm::SetMenu(TMainMenu* Value)
{
    if (FMenu == Value) return;
    if (FMenu) FMenu->RemoveFreeNotification(this);
    FMenu = Value;
    if (FMenu) FMenu->FreeNotification(this);
}

bool TCustomForm::IsShortCut(const TMessage& Message)
{
    return FMenu && Enabled() && FMenu->IsShortCut(Message);
}

void TCustomForm::Show()
{
    SetVisible(true);
    if (FHandle) BringWindowToTop(FHandle);
}

void TCustomForm::ApplyPosition()
{
    if (FFormState.Contains(fsPositioned)) return;
    FFormState.Include(fsPositioned);
    TCustomForm* Center = nullptr;
    if (FPosition == poMainFormCenter && Application) Center = Application->MainForm();
    if (FPosition == poOwnerFormCenter) Center = dynamic_cast<TCustomForm*>(Owner());
    if (Center == this) Center = nullptr;
    if (Center && Center->HandleAllocated())
    {
        PlaceCentred(Center->Left() + (Center->Width() - FWidth) / 2,
                     Center->Top() + (Center->Height() - FHeight) / 2);
        return;
    }
    if (FPosition == poScreenCenter || FPosition == poDesktopCenter ||
        FPosition == poMainFormCenter || FPosition == poOwnerFormCenter)
    {
        RECT Work{};
        SystemParametersInfo(SPI_GETWORKAREA, 0, &Work, 0);
        PlaceCentred(Work.left + (Work.right - Work.left - FWidth) / 2,
                     Work.top + (Work.bottom - Work.top - FHeight) / 2);
    }
}

void TCustomForm::PlaceCentred(int X, int Y)
{
    // Held inside the work area of the monitor it lands on, top-left first,
    // so a form larger than a small screen keeps its title bar reachable.
    const RECT Wanted{X, Y, X + FWidth, Y + FHeight};
    MONITORINFO Info;
    if (GetMonitorInfo(MonitorFromRect(&Wanted, MONITOR_DEFAULTTONEAREST), &Info))
    {
        const RECT& Work = Info.rcWork;
        X = std::max(std::min(X, static_cast<int>(Work.right) - FWidth),
                     static_cast<int>(Work.left));
        Y = std::max(std::min(Y, static_cast<int>(Work.bottom) - FHeight),
                     static_cast<int>(Work.top));
    }
    SetBounds(X, Y, FWidth, FHeight);
}

void TCustomForm::CMVisibleChanged(TMessage&)
{
    if (ComponentState().Contains(csLoading) || FFormState.Contains(fsCreating)) return;
    if (FVisible)
    {
        HandleNeeded();
        ApplyPosition();
        OnShow(this);
        if (!FVisible) return;
        int Command = FWindowState == wsMaximized   ? SW_SHOWMAXIMIZED
                      : FWindowState == wsMinimized ? SW_SHOWMINIMIZED
                                                    : SW_SHOW;
        ShowWindow(FHandle, Command);
        if (GetActiveWindow() == FHandle) FocusFirstControl();
    }
    else if (FHandle)
    {
        OnHide(this);
        ShowWindow(FHandle, SW_HIDE);
    }
}

void TCustomForm::FocusFirstControl()
{
    if (FActiveControl && FActiveControl->CanFocus())
    {
        ::SetFocus(FActiveControl->Handle());
        return;
    }
    if (TWinControl* First = FindNextControl(nullptr, true, true, false)) First->SetFocus();
}

void TCustomForm::SetActiveControl(TWinControl* Value)
{
    if (Value == this) Value = nullptr;
    if (Value && !ContainsControl(Value))
        throw EInvalidOperation("The active control must be a control of the form");
    if (FActiveControl && FActiveControl != Value) FActiveControl->RemoveFreeNotification(this);
    FActiveControl = Value;
    if (!Value) return;
    Value->FreeNotification(this);
    if (!ComponentState().Contains(csLoading) && FActive && Value->CanFocus() && !Value->Focused())
        ::SetFocus(Value->Handle());
}

void TCustomForm::SetBorderStyle(TBorderStyle Value)
{
    if (FBorderStyle == Value) return;
    FBorderStyle = Value;
    if (!FHandle) return;
    TCreateParams Params;
    CreateParams(Params);
    SetWindowLong(
        FHandle, GWL_STYLE,
        static_cast<LONG>(Params.Style | (GetWindowLong(FHandle, GWL_STYLE) & WS_VISIBLE)));
    SetWindowLong(FHandle, GWL_EXSTYLE, static_cast<LONG>(Params.ExStyle));
    SetWindowPos(FHandle, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void TCustomForm::SetBorderIcons(TBorderIcons Value)
{
    if (FBorderIcons == Value) return;
    FBorderIcons = Value;
    if (!FHandle) return;
    TCreateParams Params;
    CreateParams(Params);
    SetWindowLong(
        FHandle, GWL_STYLE,
        static_cast<LONG>(Params.Style | (GetWindowLong(FHandle, GWL_STYLE) & WS_VISIBLE)));
    SetWindowPos(FHandle, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void TCustomForm::SetWindowState(TWindowState Value)
{
    if (FWindowState == Value) return;
    FWindowState = Value;
    if (FHandle && IsWindowVisible(FHandle))
        ShowWindow(FHandle, Value == wsMaximized   ? SW_MAXIMIZE
                            : Value == wsMinimized ? SW_MINIMIZE
                                                   : SW_RESTORE);
}

bool TCustomForm::CloseQuery()
{
    bool CanClose = true;
    OnCloseQuery(this, CanClose);
    return CanClose;
}

void TCustomForm::Close()
{
    if (FFormState.Contains(fsModal))
    {
        FModalResult = mrCancel;
        return;
    }
    if (!CloseQuery()) return;
    TCloseAction Action = caHide;
    DoClose(Action);
    if (Action == caNone) return;
    if (Application && Application->MainForm() == this)
        Application->Terminate();
    else if (Action == caHide)
        Hide();
    else if (Action == caMinimize)
        SetWindowState(wsMinimized);
    else
        Release();
}

void TCustomForm::Release()
{
    if (FHandle)
        PostMessage(FHandle, CM_RELEASE, 0, 0);
    else
        Free();
}

void TCustomForm::CMRelease(TMessage&)
{
    Free();
}

void TCustomForm::CloseModal()
{
    TCloseAction Action = caHide;
    if (!CloseQuery())
        Action = caNone;
    else
        DoClose(Action);
    if (Action == caNone) FModalResult = mrNone;
}

TModalResult TCustomForm::ShowModal()
{
    if (FVisible || !FEnabled || FFormState.Contains(fsModal))
        throw EInvalidOperation("Cannot make a visible window modal");
    if (!Application) throw EInvalidOperation("A modal form needs the application's message loop");
    HWND PreviouslyActive = GetActiveWindow();
    std::vector<HWND> Disabled;
    if (Screen)
        for (int I = 0; I < Screen->FormCount(); ++I)
        {
            TCustomForm* F = Screen->Forms(I);
            if (F != this && F->HandleAllocated() && IsWindowEnabled(F->Handle()))
            {
                EnableWindow(F->Handle(), FALSE);
                Disabled.push_back(F->Handle());
            }
        }
    FFormState.Include(fsModal);
    FModalResult = mrNone;
    auto Restore = [&]
    {
        for (HWND W : Disabled)
            if (IsWindow(W)) EnableWindow(W, TRUE);
        FFormState.Exclude(fsModal);
        if (FVisible) Hide();
        if (PreviouslyActive && IsWindow(PreviouslyActive)) SetActiveWindow(PreviouslyActive);
    };
    try
    {
        Show();
        while (true)
        {
            Application->HandleMessage();
            if (Application->Terminated()) FModalResult = mrCancel;
            if (FModalResult == mrNone) continue;
            CloseModal();
            if (FModalResult != mrNone || Application->Terminated()) break;
        }
    }
    catch (...)
    {
        Restore();
        throw;
    }
    Restore();
    return FModalResult == mrNone ? mrCancel : FModalResult;
}

void TCustomForm::WMClose(TMessage&)
{
    Close();
}

void TCustomForm::WMActivate(TMessage& M)
{
    DefaultHandler(M);
    bool Now = LOWORD(static_cast<ULONG_PTR>(M.WParam)) != WA_INACTIVE;
    if (Now == FActive) return;
    FActive = Now;
    if (Now)
    {
        if (Screen) Screen->SetActiveForm(this);
        FocusFirstControl();
        OnActivate(this);
    }
    else
        OnDeactivate(this);
}

void TCustomForm::WMActivateApp(TMessage& M)
{
    DefaultHandler(M);
    if (Application) Application->SetActive(M.WParam != 0);
}

void TCustomForm::WMSize(TMessage& M)
{
    switch (M.WParam)
    {
    case SIZE_MINIMIZED:
        FWindowState = wsMinimized;
        break;
    case SIZE_MAXIMIZED:
        FWindowState = wsMaximized;
        break;
    default:
        FWindowState = wsNormal;
        break;
    }
    DefaultHandler(M);
}

void TCustomForm::WMGetMinMaxInfo(TMessage& M)
{
    DefaultHandler(M);
    auto* Info = reinterpret_cast<MINMAXINFO*>(M.LParam);
    if (!Info) return;
    const TSizeConstraints& C = *FConstraints;
    if (C.MinWidth() > 0) Info->ptMinTrackSize.x = C.MinWidth();
    if (C.MinHeight() > 0) Info->ptMinTrackSize.y = C.MinHeight();
    if (C.MaxWidth() > 0) Info->ptMaxTrackSize.x = C.MaxWidth();
    if (C.MaxHeight() > 0) Info->ptMaxTrackSize.y = C.MaxHeight();
}

void TCustomForm::CMFocusChanged(TMessage& M)
{
    auto* Control = reinterpret_cast<TWinControl*>(M.LParam);
    if (Control && Control != this && ContainsControl(Control))
    {
        if (FActiveControl && FActiveControl != Control)
            FActiveControl->RemoveFreeNotification(this);
        FActiveControl = Control;
        Control->FreeNotification(this);
    }
    if (Screen) Screen->SetActiveControl(Control);
    TWinControl::CMFocusChanged(M);
}

void TCustomForm::CMDialogKey(TMessage& M)
{
    if (GetKeyState(VK_MENU) >= 0 && GetKeyState(VK_CONTROL) >= 0)
    {
        switch (M.WParam)
        {
        case VK_TAB:
            SelectNext(FActiveControl, GetKeyState(VK_SHIFT) >= 0, true);
            M.Result = 1;
            return;
        case VK_LEFT:
        case VK_RIGHT:
        case VK_UP:
        case VK_DOWN:
            if (FActiveControl && FActiveControl->Parent())
            {
                FActiveControl->Parent()->SelectNext(
                    FActiveControl, M.WParam == VK_RIGHT || M.WParam == VK_DOWN, false);
                M.Result = 1;
            }
            return;
        default:
            break;
        }
    }
    TWinControl::CMDialogKey(M);
}

TCustomForm* GetParentForm(const TControl* Control)
{
    if (!Control) return nullptr;
    const TControl* Top = Control;
    while (Top->Parent())
        Top = Top->Parent();
    return dynamic_cast<TCustomForm*>(const_cast<TControl*>(Top));
}
