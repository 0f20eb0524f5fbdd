#include "skin/SUIForm.h"

#include "framework/PropertyRegistry.h"
#include "framework/comctrls/ToolButton.h"
#include "framework/controls/Application.h"
#include "framework/controls/ApplicationEvents.h"
#include "framework/controls/ControlCanvas.h"
#include "framework/controls/Screen.h"
#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Font.h"
#include "framework/graphics/Picture.h"
#include "framework/menus/MainMenu.h"
#include "platform/gfx/DrawText.h"
#include "platform/gfx/Region.h"
#include "platform/win/WinApi.h"
#include "skin/Gradients.h"
#include "skin/SUIFileTheme.h"
#include "skin/SUIMainMenu.h"
#include "skin/SUIMenuBar.h"
#include "skin/SUIStyleApply.h"
#include "skin/SUITitleBarPopupMenu.h"
#include "skin/SkinWindows.h"
#include "skin/SpitDraw.h"
#include "skin/Suimenu.h"

#include <algorithm>

namespace
{
constexpr UINT FrameChangedFlags =
    SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED;
constexpr UINT CM_RECREATEWND_ = 0xB033;
constexpr UINT CM_FLOAT_ = 0xB03A;
constexpr UINT CM_PARENTNOTIFY_ = 0xBE10;
constexpr LRESULT WVR_VALIDRECTS_ = 0x400;

// A frame thickness that cannot be right counts as 4.
int SaneFrame(int Value)
{
    return Value < 0 || Value > 12 ? 4 : Value;
}

// R clipped to the window (W x H); empty when nothing of it is left.
TRect ClampTo(TRect R, int W, int H)
{
    R.Left = std::max(R.Left, 0);
    R.Top = std::max(R.Top, 0);
    R.Right = std::min(R.Right, W);
    R.Bottom = std::min(R.Bottom, H);
    if (R.Right < R.Left) R.Right = R.Left;
    if (R.Bottom < R.Top) R.Bottom = R.Top;
    return R;
}

// Fills the part of R inside the window (W x H) with Color.
void FillInWindow(TCanvas& C, TRect R, int W, int H, TColor Color)
{
    R = ClampTo(R, W, H);
    if (R.Width() <= 0 || R.Height() <= 0) return;
    C.Brush()->SetColor(Color);
    C.FillRect(R);
}
} // namespace

const TClassInfo& TsuiForm::StaticClass()
{
    using F = TsuiForm;
    static const TClassInfo Info =
        TClassBuilder<F>("TsuiForm", &TCustomPanel::StaticClass())
            .Boolean("TitleBarCustom", &F::TitleBarCustom, &F::SetTitleBarCustom)
            .NoDefault()
            .Component("FileTheme", &F::FileTheme, &F::SetFileTheme)
            .Enum("UIStyle", &F::UIStyle, &F::SetUIStyle, UIStyleNames())
            .NoDefault()
            .Boolean("UIStyleAutoUpdateSub", &F::UIStyleAutoUpdateSub, &F::SetUIStyleAutoUpdateSub)
            .NoDefault()
            .Color("BorderColor", &F::BorderColor, &F::SetBorderColor)
            .NoDefault()
            .Integer("BorderWidth", &F::BorderWidth, &F::SetBorderWidth)
            .NoDefault()
            .Boolean("TitleBarVisible", &F::TitleBarVisible, &F::SetTitleBarVisible)
            .Default(true)
            .Color("Color", &F::Color, &F::SetColor)
            .Default(clBtnFace)
            .String("Caption", &F::Caption, &F::SetCaption)
            .Collection("TitleBarButtons", &F::TitleBarButtons, &F::SetTitleBarButtons)
            .Collection("TitleBarSections", &F::TitleBarSections, &F::SetTitleBarSections)
            .Boolean("TitleBarDrawAppIcon", &F::TitleBarDrawAppIcon, &F::SetTitleBarDrawAppIcon)
            .NoDefault()
            .Class("Font", &F::Font, &F::SetFont)
            .Component("Menu", &F::Menu, &F::SetMenu)
            .Color("MenuBarColor", &F::MenuBarColor, &F::SetMenuBarColor)
            .NoDefault()
            .Color("MenuBarToColor", &F::MenuBarToColor, &F::SetMenuBarToColor)
            .NoDefault()
            .Integer("MenuBarHeight", &F::MenuBarHeight, &F::SetMenuBarHeight)
            .NoDefault()
            .Integer("RoundCorner", &F::RoundCorner, &F::SetRoundCorner)
            .NoDefault()
            .Integer("RoundCornerBottom", &F::RoundCornerBottom, &F::SetRoundCornerBottom)
            .NoDefault()
            .Color("InactiveCaptionColor", &F::InactiveCaptionColor, &F::SetInactiveCaptionColor)
            .NoDefault()
            .Build();
    return Info;
}

const TMessageMap& TsuiForm::StaticMessages()
{
    static const TMessageMap Map = []
    {
        TMessageMap M(&TCustomPanel::StaticMessages());
        M.On(WM_ERASEBKGND, &TsuiForm::WMEraseBkgnd);
        return M;
    }();
    return Map;
}

TsuiForm::TsuiForm(TComponent* AOwner)
    : TCustomPanel(AOwner), TsuiSkinBinding(this, DeepBlue, TsuiSkinReach::Children)
{
    FOwnerForm = dynamic_cast<TCustomForm*>(AOwner);
    if (!FOwnerForm) return;
    for (int I = 0; I < FOwnerForm->ControlCount(); ++I)
        if (dynamic_cast<TsuiForm*>(FOwnerForm->Controls(I)))
            throw Exception("Sorry, You can create only one TsuiForm component in one form!");

    // The owner's frame as it is now, caption included.
    HWND Owner = FOwnerForm->Handle();
    const TWindowFrame Measured = WindowFrameOf(Owner);
    FFrameBottom = SaneFrame(Measured.Bottom);
    FFrameLeft = SaneFrame(Measured.Left);

    FBottomImage = std::make_unique<TBitmap>();
    FBottomImage->SetPixelFormat(pf24bit);
    FOwnerForm->TWinControl::SetBorderWidth(0);
    FNormalBounds = FOwnerForm->BoundsRect();
    FStartMaximized = FOwnerForm->WindowState() == wsMaximized;

    SetParent(FOwnerForm);
    FTitleBar = new TsuiTitleBar(this);
    FTitleBar->SetParent(this);
    FMenuBarColor = Color();
    FMenuBarToColor = Color();
    SetUIStyle(DeepBlue);
    FUIStyleAutoUpdateSub = false;
    SetBevelInner(bvNone);
    SetBevelOuter(bvNone);
    TCustomPanel::SetBorderStyle(bsNone);
    SetAlign(alClient);
    SetCaption(FOwnerForm->Caption());
    SetTitleBarVisible(true);
    FTitleWanted = true;
    TControl::SetText(" ");
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

TsuiForm::~TsuiForm()
{
    Detach();
    FAppEvents.reset();
}

void TsuiForm::Destroying()
{
    // The owner is still whole here: give it back its procedure and caption
    // before anything of this form goes.
    Detach();
    if (auto* Skinned = dynamic_cast<TsuiMainMenu*>(FMenu)) Skinned->SetForm(nullptr);
    TCustomPanel::Destroying();
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

void TsuiForm::Notification(TComponent* AComponent, TOperation Operation)
{
    TCustomPanel::Notification(AComponent, Operation);
    if (Operation != opRemove) return;
    if (AComponent == this) Detach();
    if (AComponent == FMenuBar) FMenuBar = nullptr;
    if (AComponent == FMenu) DestroyMenuBar();
    SkinNotification(AComponent, Operation);
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
            const WINDOWPOS& Pos = *Params->lppos;
            const int L = std::max(4, FFrameLeft), B = std::max(4, FFrameBottom);
            const int BW = FBorderWidth;
            RECT& R = Params->rgrc[0];
            // The skin's borders widen the frame; it stays at least 4 wide.
            if (FSkinLeft == 0)
            {
                R.left = Pos.x + 4 - L;
                R.right = Pos.x + Pos.cx + L - 4;
            }
            else
            {
                R.left = Pos.x + std::max(FSkinLeft, 4) - L + 1;
                R.right = Pos.x + Pos.cx - std::max(FSkinRight, 4) + L - 1;
            }
            R.top = Pos.y + 4 - B;
            if (FSkinBottom != 0)
                R.bottom = Pos.y + Pos.cy - std::max(FSkinBottom, 4) + B - 1;
            else
                R.bottom = BW == 3 ? Pos.y + Pos.cy + B - 4 : Pos.y + Pos.cy + B - BW - 2;
            Params->rgrc[1] = R;
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

// Geometry -----------------------------------------------------------------

int TsuiForm::FrameWidth() const
{
    return FSkinLeft != 0 ? std::max(FSkinLeft, 4) : FFrameBottom - 1;
}

int TsuiForm::GetTitleBarHeight() const
{
    return TitleBarVisible() ? FTitleBar->Height() + 3 : 0;
}

TsuiForm::TWindowFrame TsuiForm::WindowFrameOf(HWND Window)
{
    RECT W{}, C{};
    GetWindowRect(Window, &W);
    GetClientRect(Window, &C);
    POINT O{0, 0};
    ::ClientToScreen(Window, &O);
    return {W.right - W.left, W.bottom - W.top,          O.x - W.left,
            O.y - W.top,      W.right - (O.x + C.right), W.bottom - (O.y + C.bottom)};
}

void TsuiForm::PaintFormBorder()
{
    if (FDestroying || !FOwnerForm || !FOwnerForm->HandleAllocated()) return;
    HWND Owner = FOwnerForm->Handle();
    if (IsIconic(Owner)) return;
    TControlCanvas C(FOwnerForm, true);
    if (!C.Handle()) return;
    // A sizeable owner keeps a frame one pixel thicker than a dialog's; the
    // pieces below are laid out on the frame the window really has, so no
    // column or row of it is left unpainted.
    const TWindowFrame Frame = WindowFrameOf(Owner);
    if (UsingSkin())
        PaintSkinBorder(C, Frame);
    else
        PaintBuiltInBorder(C, Frame);
}

void TsuiForm::PaintMenuBarPiece(TCanvas& C, TRect R, int W, int H) const
{
    // Beside a menu bar the frame continues the bar's background.
    if (FMenuBarColor == FMenuBarToColor)
    {
        FillInWindow(C, R, W, H, FMenuBarColor);
        return;
    }
    R = ClampTo(R, W, H);
    if (R.Width() > 0 && R.Height() > 0)
        DrawHorizontalGradient(&C, R, FMenuBarColor, FMenuBarToColor);
}

void TsuiForm::PaintBuiltInBorder(TCanvas& C, const TWindowFrame& Frame)
{
    const int W = Frame.Width, H = Frame.Height;
    const int BW = FBorderWidth, MH = GetMenuBarHeight();
    const int FL = Frame.Left, FT = Frame.Top, FR = Frame.Right, FB = Frame.Bottom;
    const int TH = TitleBarVisible() ? FTitleBar->Height() + FT : 0;
    auto Fill = [&](TRect R, TColor Color) { FillInWindow(C, R, W, H, Color); };

    if (TitleBarVisible() && FTitleBar->CanPaint())
    {
        const TBitmap* P0 = FTitleBar->SectionPicture(0);
        const TBitmap* P1 = FTitleBar->SectionPicture(1);
        const TBitmap* P2 = FTitleBar->SectionPicture(2);
        // Below the pictures, beside a bar taller than they are.
        if (P0) Fill({BW, P0->Height(), FL, TH}, Color());
        if (P1) Fill({W - FR, P1->Height(), W - BW, TH}, Color());
        // Pieces of a window smaller than the frame are left out rather
        // than drawn with negative sizes.
        if (P0 && P1 && P2 && W >= FL + FR - 1 && FL - BW > 0 && FR - BW > 0)
        {
            TBitmap T;
            T.SetSize(FL - BW, P0->Height());
            T.Canvas()->Draw(0, 0, P0);
            C.Draw(BW, 0, &T);
            T.SetSize(FR - BW, P0->Height());
            if (P1->Width() < 3)
                T.Canvas()->StretchDraw({0, 0, T.Width(), T.Height()}, P1);
            else
                T.Canvas()->Draw(FR - 1 - P1->Width(), 0, P1);
            C.Draw(W - FR, 0, &T);
        }
        if (P0 && P1 && P2 && W > 5 && FT > 0)
        {
            TBitmap T;
            T.SetSize(W - 5, FT);
            T.Canvas()->Draw(-2, 0, P0);
            const int A = P0->Width() - 2;
            const int B = T.Width() - P1->Width() + 3;
            T.Canvas()->Draw(B, 0, P1);
            T.Canvas()->StretchDraw({A, 0, B, P2->Height()}, P2);
            C.Draw(2, 0, &T);
        }
        const int Corner = RoundCorner();
        if (BW == 1 && Corner == 11)
        {
            C.Pen()->SetColor(FBorderColor);
            C.Arc(W - 2 * Corner + 1, -1, W + 1, 2 * Corner - 1, W + 1, Corner - 1, W - Corner + 1,
                  -1);
            C.Arc(-1, -1, 2 * Corner - 1, 2 * Corner - 1, Corner - 1, -1, -1, Corner - 1);
        }
    }
    else if (!TitleBarVisible())
    {
        Fill({0, 0, W, 1}, FBorderColor);
        Fill({BW, 1, W - BW, FT}, Color());
    }
    Fill({0, 0, BW, H}, FBorderColor);
    Fill({0, H - BW, W, H}, FBorderColor);
    Fill({W - BW, 0, W, H}, FBorderColor);
    Fill({BW, H - FB, W - BW, H - BW}, Color());
    Fill({BW, TH + MH, FL, H - BW}, Color());
    Fill({W - FR, TH + MH, W - BW, H - BW}, Color());
    if (MH > 0)
    {
        for (TRect R : {TRect{BW, TH, FL, TH + MH}, TRect{W - FR, TH, W - BW, TH + MH}})
            PaintMenuBarPiece(C, R, W, H);
    }
}

void TsuiForm::RegionWindow()
{
    if (!FOwnerForm || !FOwnerForm->HandleAllocated()) return;
    HWND Owner = FOwnerForm->Handle();
    RECT WR{};
    GetWindowRect(Owner, &WR);
    const int W = WR.right - WR.left, H = WR.bottom - WR.top;
    if (UsingSkin())
    {
        RegionFromSkin(W, H);
        return;
    }
    const int M = H / 2;
    // Corners larger than the halves they round are clamped to them.
    const int C = std::clamp(RoundCorner(), 0, std::min(W, M) / 2);
    const int D = std::clamp(std::max(RoundCornerBottom(), 0), 0, std::min(W, H - M) / 2);
    TRegion Upper = TRegion::RoundRect(0, 0, W + 1, M + 1, C, C);
    TRegion Squares = TRegion::FromRects({{0, M - 2 * C, 2 * C, M}, {W - 2 * C, M - 2 * C, W, M}});
    CombineRgn(Upper, Upper, Squares, RGN_OR);
    TRegion Lower = TRegion::RoundRect(0, M, W + 1, H + 1, D, D);
    TRegion Top = TRegion::FromRects({{0, M, 2 * D, M + 2 * D}, {W - 2 * D, M, W, M + 2 * D}});
    CombineRgn(Lower, Lower, Top, RGN_OR);
    CombineRgn(Upper, Upper, Lower, RGN_OR);
    SetWindowRgn(Owner, &Upper, TRUE);
}

void TsuiForm::Paint()
{
    if (FDestroying) return;
    TBitmap Back;
    Back.SetSize(Width(), Height());
    const char* Tile = UIStyle() == MacOS     ? "MACOS_FORM_BACKGROUND"
                       : UIStyle() == Protein ? "PROTEIN_FORM_BACKGROUND"
                                              : nullptr;
    TBitmap Pattern;
    if (Tile) Pattern.LoadFromResourceName(Tile);
    // The tile as a pattern brush: one fill instead of a copy per tile.
    if (!Pattern.Empty())
        Back.Canvas()->Brush()->SetBitmap(&Pattern);
    else
        Back.Canvas()->Brush()->SetColor(Color());
    Back.Canvas()->FillRect(ClientRect());
    Canvas()->Draw(0, 0, &Back);
    PaintFormBorder();
}

void TsuiForm::Resize()
{
    TCustomPanel::Resize();
    if (FTitleBar) FTitleBar->SetAlign(alTop);
}

void TsuiForm::WMEraseBkgnd(TMessage& M)
{
    M.Result = 1;
}

// Properties ---------------------------------------------------------------

void TsuiForm::ApplySkin()
{
    TsuiUIStyle Style;
    if (!UsesFileTheme(Style))
    {
        SetRoundCornerBottom(0);
        FSkinBottom = FSkinLeft = FSkinRight = 0;
        FRegionTransColor = TColor(0xFF00FF);
        FBorderColor = GetInsideThemeColor(Style, SUI_ITEM_FORM_BORDER_COLOR);
        FBorderWidth = GetInsideThemeInt(Style, SUI_ITEM_FORM_BORDER_WIDTH);
        SetColor(GetInsideThemeColor(Style, SUI_ITEM_FORM_COLOR));
        SetMenuBarColor(Color());
        SetMenuBarToColor(Color());
        SetRoundCorner(GetInsideThemeInt(Style, SUI_ITEM_FORM_ROUNDCORNER));
        FTitleRegion = FBottomRegion = false;
    }
    else
        ReadFileTheme();
    if (FTitleBar)
    {
        FTitleBar->SetFileTheme(FileTheme());
        FTitleBar->SetUIStyle(UIStyle());
        // The frame around the bar may have changed with the style.
        FTitleBar->UpdateLayout();
    }
    if (auto* Skinned = dynamic_cast<TsuiMainMenu*>(FMenu))
    {
        Skinned->SetFileTheme(FileTheme());
        Skinned->SetUIStyle(UIStyle());
    }
    RepaintMenuBar();
    if (FUIStyleAutoUpdateSub) ContainerApplyUIStyle(this, UIStyle(), FileTheme());
    FrameChanged();
    Invalidate();
    PaintFormBorder();
    RegionWindow();
    UpdateSizeLimits();
}

void TsuiForm::UpdateSizeLimits()
{
    if (!FOwnerForm || !FTitleBar || FDestroying) return;
    FOwnerForm->Constraints()->SetMinWidth(FTitleBar->MinimumFormWidth());
    FOwnerForm->Constraints()->SetMinHeight(GetMenuBarHeight() + FTitleBar->Height() + FSkinBottom +
                                            3);
}

void TsuiForm::TitleBarLaidOut()
{
    PaintFormBorder();
}

void TsuiForm::SetFileTheme(TsuiFileTheme* Value)
{
    if (Value != FileTheme()) TsuiSkinBinding::SetFileTheme(Value);
}

void TsuiForm::SetTitleBarCustom(bool Value)
{
    if (FTitleBar) FTitleBar->SetCustom(Value);
}

void TsuiForm::SetBorderColor(TColor Value)
{
    FBorderColor = Value;
    PaintFormBorder();
}

void TsuiForm::SetBorderWidth(int Value)
{
    FBorderWidth = Value;
    PaintFormBorder();
}

void TsuiForm::SetTitleBarVisible(bool Value)
{
    if (!FTitleBar || FTitleBar->Visible() == Value) return;
    FTitleWanted = Value;
    FTitleBar->SetVisible(Value);
    FTitleBar->SetTop(0);
    PaintFormBorder();
}

void TsuiForm::SetCaption(const std::string& Value)
{
    if (FTitleBar) FTitleBar->SetCaption(Value);
    if (FOwnerForm) FOwnerForm->SetCaption(Value);
}

void TsuiForm::SetTitleBarButtons(const TsuiTitleBarButtons* Value)
{
    if (FTitleBar) FTitleBar->SetButtons(Value);
}

void TsuiForm::SetTitleBarSections(const TsuiTitleBarSections* Value)
{
    if (FTitleBar) FTitleBar->SetSections(Value);
}

void TsuiForm::SetTitleBarDrawAppIcon(bool Value)
{
    if (FTitleBar) FTitleBar->SetDrawAppIcon(Value);
}

int TsuiForm::RoundCorner() const
{
    return TitleBarVisible() ? FTitleBar->RoundCorner() : 0;
}

void TsuiForm::SetRoundCorner(int Value)
{
    if (FTitleBar) FTitleBar->SetRoundCorner(Value);
    RegionWindow();
}

int TsuiForm::RoundCornerBottom() const
{
    return TitleBarVisible() ? FTitleBar->RoundCornerBottom() : 0;
}

void TsuiForm::SetRoundCornerBottom(int Value)
{
    if (FTitleBar) FTitleBar->SetRoundCornerBottom(Value);
    RegionWindow();
}

TColor TsuiForm::InactiveCaptionColor() const
{
    return FTitleBar ? FTitleBar->InactiveCaptionColor() : clInactiveCaption;
}

void TsuiForm::SetInactiveCaptionColor(TColor Value)
{
    if (FTitleBar) FTitleBar->SetInactiveCaptionColor(Value);
}

void TsuiForm::AddHelpButton()
{
    if (FTitleBar) FTitleBar->AddHelpBtn();
}

// File themes ----------------------------------------------------------------

bool TsuiForm::UsingSkin() const
{
    TsuiUIStyle Style;
    return UsesFileTheme(Style);
}

void TsuiForm::ReadFileTheme()
{
    const TsuiFileTheme& Theme = *FileTheme();
    SetColor(FileThemeColor(FileTheme(), SKIN2_FORMCOLOR).value_or(Color()));
    SetMenuBarColor(FileThemeColor(FileTheme(), SKIN2_MENUBARSTARTCOLOR).value_or(Color()));
    SetMenuBarToColor(FileThemeColor(FileTheme(), SKIN2_MENUBARENDCOLOR).value_or(Color()));
    const TBitmap* Left = Theme.GetBitmap(SKIN2_FORMLEFTBORDER);
    const TBitmap* Right = Theme.GetBitmap(SKIN2_FORMRIGHTBORDER);
    const TBitmap* Bottom = Theme.GetBitmap(SKIN2_FORMBOTTOMBORDER1);
    FSkinLeft = Left ? Left->Width() : 0;
    FSkinRight = Right ? Right->Width() : 0;
    FSkinBottom = Bottom ? Bottom->Height() : 0;
    FRegionTransColor = FileThemeColor(FileTheme(), SKIN2_TRANSCOLOR).value_or(TColor(0xFF00FF));
    FTitleRegion = Theme.GetBool(SKIN2_TITLEBARNEEDREGION);
    FBottomRegion = Theme.GetBool(SKIN2_BOTTOMBORDERNEEDREGION);
    FTitleRegionMinY = Theme.GetInt(SKIN2_TITLEBARREGIONMINY);
    FTitleRegionMaxY = Theme.GetInt(SKIN2_TITLEBARREGIONMAXY);
    FBottomRegionMinY = Theme.GetInt(SKIN2_BOTTOMREGIONMINY);
    FBottomRegionMaxY = Theme.GetInt(SKIN2_BOTTOMREGIONMAXY);
}

void TsuiForm::ComposeBottomImage(int W)
{
    const TsuiFileTheme& Theme = *FileTheme();
    const TBitmap* B1 = Theme.GetBitmap(SKIN2_FORMBOTTOMBORDER1);
    if (!B1 || W <= 0)
    {
        FBottomImage->SetSize(0, 0);
        return;
    }
    FBottomImage->SetSize(W, B1->Height());
    TCanvas& C = *FBottomImage->Canvas();
    C.Brush()->SetColor(FileThemeColor(FileTheme(), SKIN2_FORMCOLOR).value_or(Color()));
    C.FillRect({0, 0, W, B1->Height()});
    if (Theme.GetBool(SKIN2_BOTTOMBORDERTHREESECT))
    {
        const TBitmap* B2 = Theme.GetBitmap(SKIN2_FORMBOTTOMBORDER2);
        const TBitmap* B3 = Theme.GetBitmap(SKIN2_FORMBOTTOMBORDER3);
        const int Right = B3 ? W - B3->Width() : W;
        if (B2 && Right > B1->Width()) C.StretchDraw({B1->Width(), 0, Right, B1->Height()}, B2);
        C.Draw(0, 0, B1);
        if (B3) C.Draw(Right, 0, B3);
    }
    else
        SpitDrawHorizontal2(B1, &C, {0, 0, W, B1->Height()}, false, FRegionTransColor);
}

void TsuiForm::PaintSkinBorder(TCanvas& C, const TWindowFrame& Frame)
{
    const int W = Frame.Width, H = Frame.Height;
    const TsuiFileTheme& Theme = *FileTheme();
    const TColor FormColor = FileThemeColor(FileTheme(), SKIN2_FORMCOLOR).value_or(Color());
    const int FrameL = std::max(FSkinLeft, 4), FrameR = std::max(FSkinRight, 4);
    // The frame the window has: a sizeable owner's is a pixel wider than
    // the border pictures on every side.
    const int FL = std::max(FrameL, Frame.Left), FR = std::max(FrameR, Frame.Right);
    const int FB = std::max({FSkinBottom, 4, Frame.Bottom});
    const int T = GetTitleBarHeight();
    auto Fill = [&](TRect R, TColor Color) { FillInWindow(C, R, W, H, Color); };

    if (TitleBarVisible() && FTitleBar->CanPaint())
    {
        TBitmap* I = FTitleBar->TitleImageOverFill();
        if (!I->Empty())
        {
            const TCanvas& Src = *I->Canvas();
            const int Ih = I->Height(), Iw = I->Width();
            C.CopyRect({0, 0, FrameL, Ih}, Src, {0, 0, FrameL, Ih});
            const int Top = std::clamp(Frame.Top, 3, Ih);
            C.CopyRect({0, 0, Iw, Top}, Src, {0, 0, Iw, Top});
            C.CopyRect({W - FrameR, 0, W, Ih}, Src, {Iw - FrameR, 0, Iw, Ih});
        }
    }

    const int Bottom = H - FSkinBottom;
    const int MenuTop = TitleBarVisible() ? FTitleBar->Height() + Frame.Top : 0;
    const int MH = GetMenuBarHeight();
    if (const TBitmap* Left = Theme.GetBitmap(SKIN2_FORMLEFTBORDER))
        C.StretchDraw({0, T, FSkinLeft, Bottom}, Left);
    if (FSkinLeft < FL)
    {
        Fill({FSkinLeft, T, FL, Bottom}, FormColor);
        if (MH > 0) PaintMenuBarPiece(C, {FSkinLeft, MenuTop, FL, MenuTop + MH}, W, H);
    }
    if (const TBitmap* Right = Theme.GetBitmap(SKIN2_FORMRIGHTBORDER))
        C.StretchDraw({W - FSkinRight, T, W, Bottom}, Right);
    if (FSkinRight < FR)
    {
        Fill({W - FR, T, W - FSkinRight, Bottom}, FormColor);
        if (MH > 0) PaintMenuBarPiece(C, {W - FR, MenuTop, W - FSkinRight, MenuTop + MH}, W, H);
    }

    ComposeBottomImage(W);
    if (!FBottomImage->Empty())
    {
        if (FBottomRegion)
        {
            // What the region leaves out is never seen; the rest of the
            // transparent pixels show the form's colour.
            TBitmap Laid;
            Laid.SetSize(W, FBottomImage->Height());
            Laid.Canvas()->Brush()->SetColor(FormColor);
            Laid.Canvas()->FillRect({0, 0, W, FBottomImage->Height()});
            TBitmap Keyed;
            Keyed.Assign(FBottomImage.get());
            Keyed.SetTransparentColor(FRegionTransColor);
            Keyed.SetTransparent(true);
            Laid.Canvas()->Draw(0, 0, &Keyed);
            C.Draw(0, Bottom, &Laid);
        }
        else
            C.Draw(0, Bottom, FBottomImage.get());
    }
    if (FSkinBottom < FB) Fill({FSkinLeft, H - FB, W - FSkinRight, Bottom}, FormColor);
}

namespace
{
// Adds to Region every run of pixels of Image's rows First..Last - 1 whose
// colour is not Key, moved down by Dy and cut at Width.
void AddOpaqueRuns(TRegion& Region, const TBitmap& Image, TColor Key, int First, int Last, int Dy,
                   int Width)
{
    const uint32_t KeyPixel = PixelFromColor(Key) | 0xFF000000u;
    const int W = std::min(Image.Width(), Width);
    std::vector<TRect> Runs;
    for (int Y = First; Y < Last; ++Y)
    {
        const uint32_t* Row = Image.ScanLine(Y);
        int X = 0;
        while (X < W)
        {
            while (X < W && (Row[X] | 0xFF000000u) == KeyPixel)
                ++X;
            const int Start = X;
            while (X < W && (Row[X] | 0xFF000000u) != KeyPixel)
                ++X;
            if (X > Start) Runs.push_back({Start, Y + Dy, X, Y + Dy + 1});
        }
    }
    Region.Union(TRegion::FromRects(Runs));
}

// The part of a window W wide that a picture's rows give, the picture lying
// at Dy: whole rows above MinY, the opaque pixels of rows MinY..MaxY, whole
// rows below. The rows come from a skin: they are held to the picture.
void AddPictureRegion(TRegion& Region, const TBitmap& Image, TColor Key, int MinY, int MaxY, int Dy,
                      int W)
{
    const int H = Image.Height();
    const int First = std::clamp(MinY, 0, H);
    const int End = MinY >= MaxY ? H : std::clamp(MaxY + 1, First, H);
    if (First >= 1) Region.Union(TRegion(TRect{0, Dy, W, Dy + First}));
    AddOpaqueRuns(Region, Image, Key, First, End, Dy, W);
    if (End < H) Region.Union(TRegion(TRect{0, Dy + End, W, Dy + H}));
}
} // namespace

void TsuiForm::RegionFromSkin(int W, int H)
{
    HWND Owner = FOwnerForm->Handle();
    TRegion Region(TRect{0, 0, W, H});
    const TBitmap* Title = FTitleRegion && TitleBarVisible() ? FTitleBar->TitleImage() : nullptr;
    if (FBottomRegion) ComposeBottomImage(W);
    const bool ShapeTitle = Title && !Title->Empty();
    const bool ShapeBottom = FBottomRegion && !FBottomImage->Empty();
    if (ShapeTitle || ShapeBottom)
    {
        const int Top = ShapeTitle ? Title->Height() : 0;
        const int Low = ShapeBottom ? FBottomImage->Height() : 0;
        Region = TRegion(TRect{0, Top, W, std::max(H - Low, Top)});
        if (ShapeTitle)
            AddPictureRegion(Region, *Title, FRegionTransColor, FTitleRegionMinY, FTitleRegionMaxY,
                             0, W);
        if (ShapeBottom)
            AddPictureRegion(Region, *FBottomImage, FRegionTransColor, FBottomRegionMinY,
                             FBottomRegionMaxY, H - Low, W);
    }
    SetWindowRgn(Owner, &Region, TRUE);
}

// Menu bar ------------------------------------------------------------------

int TsuiForm::GetMenuBarHeight() const
{
    return FMenuBar && FMenuBar->Visible() ? FMenuBar->Height() : 0;
}

void TsuiForm::SetMenu(TMainMenu* Value)
{
    if (auto* Old = dynamic_cast<TsuiMainMenu*>(FMenu)) Old->SetForm(nullptr);
    if (FMenu && FMenu != Value) FMenu->RemoveFreeNotification(this);
    FMenu = Value;
    if (!FMenu)
    {
        DestroyMenuBar();
        return;
    }
    FMenu->FreeNotification(this);
    if (auto* Skinned = dynamic_cast<TsuiMainMenu*>(FMenu)) Skinned->SetForm(this);
    CreateMenuBar();
    UpdateMenu();
    if (FTitleBar) FTitleBar->SetTop(0);
    UpdateSizeLimits();
    PaintFormBorder();
}

void TsuiForm::CreateMenuBar()
{
    if (FMenuBar) return;
    // A stored height of 0 means no bar was shown; a new bar gets the usual
    // height rather than none.
    const int Height = FMenuBarHeightWanted > 0 ? FMenuBarHeightWanted : 22;
    FMenuBar = new TsuiMenuBar(this);
    FMenuBar->SetForm(this);
    FMenuBar->SetFlat(true);
    FMenuBar->SetEdgeBorders({});
    FMenuBar->SetShowCaptions(true);
    FMenuBar->SetButtonHeight(Height);
    FMenuBar->SetHeight(Height);
    FMenuBar->SetColor(FMenuBarColor);
    FMenuBar->OnCustomDrawButton.Bind(this, &TsuiForm::DrawButton);
    FMenuBar->OnCustomDraw.Bind(this, &TsuiForm::DrawMenuBar);
    FMenuBar->SetWrapable(true);
    FMenuBar->SetTop(FTitleBar ? FTitleBar->Top() + FTitleBar->Height() : 0);
    FMenuBar->SetParent(this);
    FMenuBar->SetAutoSize(true);
    // Both lie at the top: the title bar first, the menu bar below it.
    if (FTitleBar) FTitleBar->SetTop(0);
}

void TsuiForm::DestroyMenuBar()
{
    if (TsuiMenuBar* Bar = FMenuBar)
    {
        FMenuBar = nullptr;
        // The buttons belong to this form; they go with the bar.
        while (Bar->ButtonCount() > 0)
            Bar->Buttons(Bar->ButtonCount() - 1)->Free();
        Bar->Free();
    }
    if (auto* Skinned = dynamic_cast<TsuiMainMenu*>(FMenu)) Skinned->SetForm(nullptr);
    if (FMenu) FMenu->RemoveFreeNotification(this);
    FMenu = nullptr;
    UpdateSizeLimits();
    PaintFormBorder();
}

void TsuiForm::ApplyMenuFont()
{
    auto* Skinned = dynamic_cast<TsuiMainMenu*>(FMenu);
    if (!FMenuBar || !Skinned) return;
    TFont* Font = FMenuBar->Font();
    if (Skinned->UseSystemFont())
        Menu_GetSystemFont(Font);
    else
    {
        Font->SetName(Skinned->FontName());
        Font->SetSize(Skinned->FontSize());
        Font->SetCharset(Skinned->FontCharset());
    }
    FMenuBar->ArrangeButtons();
}

void TsuiForm::UpdateMenu()
{
    if (!FMenuBar) return;
    if (!FMenu)
    {
        DestroyMenuBar();
        return;
    }
    FMenuBar->SetAutoSize(false);
    ApplyMenuFont();
    while (FMenuBar->ButtonCount() > 0)
        FMenuBar->Buttons(FMenuBar->ButtonCount() - 1)->Free();
    // A new button at the left goes first: last item first keeps the order.
    TMenuItem* Items = FMenu->Items();
    for (int I = Items->Count() - 1; I >= 0; --I)
    {
        auto* Button = new TToolButton(this);
        Button->SetGrouped(true);
        Button->SetAutoSize(true);
        Button->SetMenuItem(Items->Items(I));
        Button->SetParent(FMenuBar);
    }
    FMenuBar->SetAutoSize(true);
}

void TsuiForm::UpdateTopMenu()
{
    if (!FMenuBar) return;
    for (int I = 0; I < FMenuBar->ButtonCount(); ++I)
    {
        TToolButton* Button = FMenuBar->Buttons(I);
        if (TMenuItem* Item = Button->MenuItem())
        {
            Button->SetCaption(Item->Caption());
            Button->SetEnabled(Item->Enabled());
        }
    }
}

void TsuiForm::MenuChanged()
{
    if (!FMenuBar || !FMenu) return;
    TMenuItem* Items = FMenu->Items();
    bool Same = Items->Count() == FMenuBar->ButtonCount();
    for (int I = 0; Same && I < Items->Count(); ++I)
        Same = FMenuBar->Buttons(I)->MenuItem() == Items->Items(I);
    if (Same)
        UpdateTopMenu();
    else
        UpdateMenu();
}

void TsuiForm::RepaintMenuBar()
{
    if (!FMenuBar || !FMenu) return;
    ApplyMenuFont();
    FMenuBar->Invalidate();
}

void TsuiForm::SetMenuBarHeight(int Value)
{
    FMenuBarHeightWanted = Value;
    if (!FMenuBar) return;
    FMenuBar->SetButtonHeight(Value);
    FMenuBar->SetHeight(Value);
}

void TsuiForm::SetMenuBarColor(TColor Value)
{
    FMenuBarColor = Value;
    if (FMenuBar) FMenuBar->SetColor(Value);
}

void TsuiForm::SetMenuBarToColor(TColor Value)
{
    FMenuBarToColor = Value;
    if (FMenuBar) FMenuBar->Invalidate();
}

void TsuiForm::DrawMenuBar(TToolBar* ToolBar, const TRect& Rect, bool&)
{
    auto* Skinned = dynamic_cast<TsuiMainMenu*>(FMenu);
    const TsuiUIStyle Style = Skinned ? Skinned->UIStyle() : UIStyle();
    TCanvas* C = ToolBar->Canvas();
    if (Style == MacOS)
    {
        TBitmap Bar;
        Bar.LoadFromResourceName("MACOS_MENU_BAR");
        C->StretchDraw(Rect, &Bar);
    }
    else if (FMenuBarColor != FMenuBarToColor)
        DrawHorizontalGradient(C, Rect, FMenuBarColor, FMenuBarToColor);
}

void TsuiForm::DrawButton(TToolBar* ToolBar, TToolButton* Button, TCustomDrawState State,
                          bool& DefaultDraw)
{
    DefaultDraw = false;
    Button->SetTag(0);
    auto* Skinned = dynamic_cast<TsuiMainMenu*>(FMenu);
    const TsuiUIStyle MenuStyle = Skinned ? Skinned->UIStyle() : UIStyle();
    const TsuiFileTheme* Theme = Skinned ? Skinned->FileTheme() : FileTheme();
    TsuiUIStyle Style;
    const bool FromFile = UsingFileTheme(Theme, MenuStyle, Style);
    // A colour the skin lacks comes from the fallback style.
    auto Pick = [&](Tsk2SkinColorElement Element, int Item)
    {
        const TColor Fallback = GetInsideThemeColor(FromFile ? DeepBlue : Style, Item);
        return FromFile ? FileThemeColor(Theme, Element).value_or(Fallback) : Fallback;
    };

    TCanvas* C = ToolBar->Canvas();
    // A skinned main menu's own colour is for the entries at rest.
    auto SetFont = [&](TCanvas* Target, TColor Ink, bool AtRest)
    {
        Target->Font()->Assign(ToolBar->Font());
        if (Skinned && Skinned->UseSystemFont())
            Menu_GetSystemFont(Target->Font());
        else if (Skinned)
        {
            Target->Font()->SetName(Skinned->FontName());
            Target->Font()->SetSize(Skinned->FontSize());
            Target->Font()->SetCharset(Skinned->FontCharset());
            if (AtRest) Ink = Skinned->FontColor();
        }
        Target->Font()->SetColor(Ink);
    };
    const std::string Caption =
        Button->MenuItem() ? MenuShownCaption(Button->MenuItem()) : Button->Caption();
    const TRect R = Button->BoundsRect();
    auto DrawCaption = [&](TCanvas* Target, TRect Area)
    {
        Area.Top += 2;
        Target->Brush()->SetStyle(bsClear);
        Target->DrawText(Caption, Area, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
    };

    if (State.Contains(cdsHot) || State.Contains(cdsSelected))
    {
        Button->SetTag(SUI_MENUBAR_HOT_TAG);
        if (MenuStyle == MacOS)
        {
            TBitmap Face;
            Face.SetSize(R.Width(), R.Height());
            TBitmap Select;
            Select.LoadFromResourceName("MACOS_MENU_SELECT");
            Face.Canvas()->StretchDraw({0, 0, R.Width(), R.Height()}, &Select);
            SetFont(Face.Canvas(), GetInsideThemeColor(MacOS, SUI_ITEM_MENU_SELECTED_FONT_COLOR),
                    false);
            DrawCaption(Face.Canvas(), {0, 0, R.Width(), R.Height()});
            C->Draw(R.Left, R.Top, &Face);
            return;
        }
        C->Brush()->SetStyle(bsSolid);
        C->Brush()->SetColor(Pick(SKIN2_TOPSELECTEDMENUCOLOR, SUI_ITEM_MENU_SELECTED_COLOR));
        C->FillRect(R);
        C->Brush()->SetColor(
            Pick(SKIN2_TOPSELECTEDMENUBORDERCOLOR, SUI_ITEM_MENU_SELECTED_BORDER_COLOR));
        C->FrameRect(R);
        SetFont(C, Pick(SKIN2_TOPSELECTEDMENUFONTCOLOR, SUI_ITEM_MENU_SELECTED_FONT_COLOR), false);
        DrawCaption(C, R);
        return;
    }
    SetFont(C, Pick(SKIN2_TOPMENUFONTCOLOR, SUI_ITEM_MENU_FONT_COLOR), true);
    if (State.Contains(cdsDisabled)) C->Font()->SetColor(TColor(0x808080));
    DrawCaption(C, R);
}
