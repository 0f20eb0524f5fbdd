#include "skin/SUIForm.h"

#include "framework/controls/Application.h"
#include "framework/controls/ApplicationEvents.h"
#include "framework/controls/Screen.h"
#include "framework/menus/MainMenu.h"
#include "platform/win/WinApi.h"
#include "skin/SUITitleBarPopupMenu.h"
#include "skin/SkinWindows.h"

// Taking over the owner form: its caption, its window procedure, its frame's
// size, its messages and the application's keys.

namespace
{
constexpr UINT FrameChangedFlags =
    SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED;
constexpr UINT CM_RECREATEWND_ = 0xB033;
constexpr UINT CM_FLOAT_ = 0xB03A;
constexpr UINT CM_PARENTNOTIFY_ = 0xBE10;
} // namespace

void TsuiForm::MeasureOwner()
{
    // The owner's frame as it is now, caption included.
    const TsuiWindowFrame Measured = WindowFrameOf(FOwnerForm->Handle());
    FTakenBottom = SaneFrameThickness(Measured.Bottom);
    FTakenLeft = SaneFrameThickness(Measured.Left);
}

void TsuiForm::TakeOverOwner()
{
    HWND Owner = FOwnerForm->Handle();
    FOwnerForm->SetScaled(false);
    FOrigBorderStyle = FOwnerForm->BorderStyle();
    if (FOrigBorderStyle == bsNone || FOrigBorderStyle == bsSingle ||
        FOrigBorderStyle == bsToolWindow)
        FOwnerForm->SetBorderStyle(bsDialog);
    SetWindowLong(Owner, GWL_STYLE, GetWindowLong(Owner, GWL_STYLE) & ~WS_CAPTION);
    FOwnerForm->SetAutoScroll(false);
    FOldWndProc = FOwnerForm->WindowProc;
    FOwnerForm->WindowProc = [this](TMessage& M) { NewParentWndProc(M); };
    FAttached = true;
    FAppEvents = std::make_unique<TApplicationEvents>(nullptr);
    FAppEvents->OnMessage.Bind(this, &TsuiForm::OnApplicationMessage);
    FrameChanged();
}

void TsuiForm::Detach()
{
    FDestroying = true;
    if (!FAttached) return;
    FAttached = false;
    FOwnerForm->WindowProc = FOldWndProc;
    if (FOwnerForm->HandleAllocated())
    {
        HWND Owner = FOwnerForm->Handle();
        SetWindowLong(Owner, GWL_STYLE, GetWindowLong(Owner, GWL_STYLE) | WS_CAPTION);
        FrameChanged();
    }
}

void TsuiForm::FrameChanged()
{
    if (!FOwnerForm || !FOwnerForm->HandleAllocated()) return;
    SetWindowPos(FOwnerForm->Handle(), nullptr, 0, 0, 0, 0, FrameChangedFlags);
    // The client area changed size without the window doing so.
    FOwnerForm->Realign();
}

void TsuiForm::ReAssign()
{
    if (!FOwnerForm || !FOwnerForm->HandleAllocated()) return;
    HWND Owner = FOwnerForm->Handle();
    const LONG Style = GetWindowLong(Owner, GWL_STYLE);
    if (!(Style & WS_CAPTION)) return;
    SetWindowLong(Owner, GWL_STYLE, Style & ~WS_CAPTION);
    FrameChanged();
}

// The owner's window procedure ---------------------------------------------

void TsuiForm::NewParentWndProc(TMessage& Message)
{
    // A message that still arrives here during teardown goes on to the
    // owner's own procedure rather than being lost.
    if (FDestroying)
    {
        FOldWndProc(Message);
        return;
    }
    const bool Minimized = FOwnerForm->HandleAllocated() && IsIconic(FOwnerForm->Handle());
    switch (Message.Msg)
    {
    case WM_NCCALCSIZE:
        if (Message.WParam & 0xFF)
        {
            auto* Params = reinterpret_cast<NCCALCSIZE_PARAMS*>(Message.LParam);
            Params->rgrc[0] = SkinnedClientRect(FrameInput(), *Params->lppos);
            Params->rgrc[1] = Params->rgrc[0];
        }
        FOldWndProc(Message);
        return;
    case SUIM_GETFRAMEWIDTH:
        Message.Result = FrameWidth();
        return;
    case WM_NCPAINT:
        if (Minimized)
            FOldWndProc(Message);
        else
        {
            if (FTitleBar) FTitleBar->Invalidate();
            PaintFormBorder();
        }
        return;
    case WM_NCACTIVATE:
        if (Minimized)
            FOldWndProc(Message);
        else
        {
            if (FTitleBar) FTitleBar->Invalidate();
            PaintFormBorder();
            Message.Result = 1;
        }
        return;
    default:
        break;
    }
    // The owner may free itself, and this form with it, in its own handling
    // (a released form does).
    const TLifeGuard Guard(this);
    FOldWndProc(Message);
    if (!Guard.Alive() || FDestroying) return;
    switch (Message.Msg)
    {
    case WM_ACTIVATE:
        if (FTitleBar) FTitleBar->SetActive(LOWORD(Message.WParam) != WA_INACTIVE);
        PaintFormBorder();
        break;
    case WM_STYLECHANGED:
        if (static_cast<int>(Message.WParam) == GWL_STYLE) ReAssign();
        break;
    case CM_RECREATEWND_:
    case CM_FLOAT_:
    case CM_PARENTNOTIFY_:
        ReAssign();
        break;
    case WM_SIZE:
        SizeChanged();
        break;
    case WM_KEYDOWN:
        ProcessKeyPress(Message);
        break;
    case WM_SHOWWINDOW:
        // Menus are shown by the menu bar only; the form's own menu would
        // take the shortcuts a second time.
        FOwnerForm->SetMenu(nullptr);
        break;
    default:
        break;
    }
}

void TsuiForm::SizeChanged()
{
    if (FStartMaximized)
    {
        if (FOwnerForm->WindowState() != wsMaximized)
        {
            FStartMaximized = false;
            PlaceControl(FOwnerForm, FNormalBounds);
        }
    }
    // Placing the window sends size messages of its own; they find it placed.
    if (FOwnerForm->WindowState() == wsMaximized && !FPlacing)
    {
        FPlacing = true;
        TRect Work = GetWorkAreaRect();
        PlaceControl(FOwnerForm,
                     TRect{Work.Left - 2, Work.Top - 2, Work.Right + 2, Work.Bottom - 1});
        FPlacing = false;
    }
    if (FTitleBar)
    {
        FTitleBar->ProcessMaxBtn();
        FTitleBar->Invalidate();
    }
    PaintFormBorder();
    RegionWindow();
}

void TsuiForm::OnApplicationMessage(MSG& Msg, bool& Handled)
{
    if (FDestroying || !FTitleBar) return;
    if (Msg.message == WM_SYSCHAR && Msg.wParam == ' ')
    {
        TCustomForm* Main = Application ? Application->MainForm() : FOwnerForm;
        if (!Main) Main = FOwnerForm;
        Handled = true;
        FTitleBar->TitleMenu()->Popup(Main->Left(), Main->Top() + FTitleBar->Height());
    }
    else if (Msg.message == WM_KEYDOWN || Msg.message == WM_SYSKEYDOWN)
    {
        TMessage M{Msg.message, Msg.wParam, Msg.lParam, 0};
        Handled = ProcessKeyPress(M) != 0;
    }
}

int TsuiForm::ProcessKeyPress(const TMessage& Message)
{
    if (FDestroying || !FOwnerForm || !FMenu) return 0;
    if (!FormHasFocus(FOwnerForm) || !Screen || Screen->ActiveForm() != FOwnerForm) return 0;
    return FMenu->IsShortCut(Message) ? 1 : 0;
}

TsuiWindowFrame TsuiForm::WindowFrameOf(HWND Window)
{
    RECT W{}, C{};
    GetWindowRect(Window, &W);
    GetClientRect(Window, &C);
    POINT O{0, 0};
    ::ClientToScreen(Window, &O);
    return {W.right - W.left, W.bottom - W.top,          O.x - W.left,
            O.y - W.top,      W.right - (O.x + C.right), W.bottom - (O.y + C.bottom)};
}
