#include "skin/SUITitleBar.h"

#include "framework/PropertyRegistry.h"
#include "framework/ResourceTable.h"
#include "framework/controls/Application.h"
#include "framework/controls/CustomForm.h"
#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Icon.h"
#include "framework/graphics/Picture.h"
#include "platform/gfx/Blit.h"
#include "platform/gfx/DeviceContext.h"
#include "platform/win/WinApi.h"
#include "skin/SUIFileTheme.h"
#include "skin/SUIStyleApply.h"
#include "skin/SUITitleBarPopupMenu.h"
#include "skin/SkinText.h"
#include "skin/SkinWindows.h"

#include <algorithm>

const TClassInfo& TsuiTitleBar::StaticClass()
{
    using T = TsuiTitleBar;
    static const TClassInfo Info =
        TClassBuilder<T>("TsuiTitleBar", &TCustomPanel::StaticClass())
            .Boolean("Custom", &T::Custom, &T::SetCustom)
            .NoDefault()
            .Component("FileTheme", &T::FileTheme, &T::SetFileTheme)
            .Enum("UIStyle", &T::UIStyle, &T::SetUIStyle, UIStyleNames())
            .NoDefault()
            .Boolean("AutoSize", &T::AutoSize, &T::SetAutoSize2)
            .Default(false)
            .Collection("Sections", &T::Sections, &T::SetSections)
            .Collection("Buttons", &T::Buttons, &T::SetButtons)
            .Integer("ButtonInterval", &T::ButtonInterval, &T::SetButtonInterval)
            .NoDefault()
            .String("Caption", &T::Caption, &T::SetCaption)
            .Boolean("FormActive", &T::FormActive, &T::SetActive)
            .NoDefault()
            .Integer("LeftBtnXOffset", &T::LeftBtnXOffset, &T::SetLeftBtnXOffset)
            .NoDefault()
            .Integer("RightBtnXOffset", &T::RightBtnXOffset, &T::SetRightBtnXOffset)
            .NoDefault()
            .Boolean("DrawAppIcon", &T::DrawAppIcon, &T::SetDrawAppIcon)
            .NoDefault()
            .Integer("RoundCorner", &T::RoundCorner, &T::SetRoundCorner)
            .NoDefault()
            .Integer("RoundCornerBottom", &T::RoundCornerBottom, &T::SetRoundCornerBottom)
            .NoDefault()
            .Color("InactiveCaptionColor", &T::InactiveCaptionColor, &T::SetInactiveCaptionColor)
            .NoDefault()
            .Event("OnCustomBtnsClick", &T::OnCustomBtnsClick)
            .Event("OnHelpBtnClick", &T::OnHelpBtnClick)
            .Event("OnMinClick", &T::OnMinClick)
            .Event("OnMaxClick", &T::OnMaxClick)
            .Build();
    return Info;
}

const TMessageMap& TsuiTitleBar::StaticMessages()
{
    static const TMessageMap Map = []
    {
        TMessageMap M(&TCustomPanel::StaticMessages());
        M.On(WM_ERASEBKGND, &TsuiTitleBar::WMEraseBkgnd)
            .On(CM_FONTCHANGED, &TsuiTitleBar::CMFontChanged)
            .On(CM_MOUSELEAVE, &TsuiTitleBar::CMMouseLeave);
        return M;
    }();
    return Map;
}

TsuiTitleBar::TsuiTitleBar(TComponent* AOwner)
    : TCustomPanel(AOwner), TsuiSkinBinding(this), FTitleImage(std::make_unique<TBitmap>()),
      FTitleImageFilled(std::make_unique<TBitmap>()), FInactiveCaptionColor(clInactiveCaption)
{
    FControlStyle.Exclude(csAcceptsControls);
    SetBevelOuter(bvNone);
    FTitleImage->SetPixelFormat(pf24bit);
    FTitleImageFilled->SetPixelFormat(pf24bit);
    FTitleMenu = new TsuiTitleBarPopupMenu(this);
    FTitleMenu->SetTitleBar(this);
    FSections = std::make_unique<TsuiTitleBarSections>(this);
    FButtons = std::make_unique<TsuiTitleBarButtons>(this);
    for (TsuiTitleBarBtnType Type : {suiControlBox, suiClose, suiMax, suiMin})
        FButtons->Add()->SetButtonType(Type);
    SetAlign(alTop);
    FParentFont = false;
    Font()->SetColor(clWhite);
    Font()->SetName("Tahoma");
    Font()->SetStyle({fsBold});
    SetUIStyle(GetSUIFormStyle(AOwner));
}

TsuiTitleBar::~TsuiTitleBar()
{
    // The collections reach the bar while they empty; let them go first.
    ++FLayoutHeld;
    FButtons.reset();
    FSections.reset();
}

TCustomForm* TsuiTitleBar::ContainingForm() const
{
    return GetParentForm(this);
}

bool TsuiTitleBar::InForm() const
{
    return dynamic_cast<TsuiTitleBarHost*>(Parent()) != nullptr;
}

bool TsuiTitleBar::CanPaint() const
{
    return FSections->Count() == 3 || FSections->Count() == 5;
}

int TsuiTitleBar::AskFrameWidth() const
{
    TCustomForm* Form = ContainingForm();
    if (!Form || !Form->HandleAllocated()) return 0;
    return static_cast<int>(SendMessage(Form->Handle(), SUIM_GETFRAMEWIDTH, 0, 0));
}

// Styles -------------------------------------------------------------------

void TsuiTitleBar::ApplySkin()
{
    if (FCustom) return;
    ++FLayoutHeld;
    FSections->Clear();
    TsuiUIStyle Style;
    if (UsesFileTheme(Style))
        UpdateFileTheme();
    else
        UpdateInsideTheme(Style);
    for (int I = 0; I < FButtons->Count(); ++I)
        FButtons->Items(I)->SetUIStyle(Style);
    FTitleMenu->SetUIStyle(Style);
    FTitleMenu->SetFileTheme(FileTheme());
    if (!FKeepFontColor)
    {
        if (UIStyle() == MacOS)
            Font()->SetColor(clBlack);
        else if (Style == FromThemeFile)
        {
            Font()->SetColor(FileThemeColor(FileTheme(), SKIN2_TITLEFONTCOLOR).value_or(clWhite));
        }
        else
            Font()->SetColor(clWhite);
    }
    SetAutoSize2(true);
    --FLayoutHeld;
    UpdateLayout();
    Invalidate();
}

void TsuiTitleBar::SetFileTheme(TsuiFileTheme* Value)
{
    FKeepFontColor = true;
    TsuiSkinBinding::SetFileTheme(Value);
    FKeepFontColor = false;
}

void TsuiTitleBar::UpdateInsideTheme(TsuiUIStyle Style)
{
    auto AddSection = [&](int Item)
    {
        TsuiTitleBarSection* Section = FSections->Add();
        GetInsideThemeBitmap(Style, Item, Section->Picture()->Bitmap());
        return Section;
    };
    AddSection(SUI_ITEM_TITLEBAR_LEFT_IMAGE)->SetAutoSize(true);
    TsuiTitleBarSection* Right = AddSection(SUI_ITEM_TITLEBAR_RIGHT_IMAGE);
    Right->SetAutoSize(true);
    Right->SetAlign(suiRight);
    AddSection(SUI_ITEM_TITLEBAR_CLIENT_IMAGE)->SetAlign(suiClient);
    FLeftBtnXOffset = GetInsideThemeInt(Style, SUI_ITEM_TITLEBAR_LEFTBTN_XOFFSET);
    FRightBtnXOffset = GetInsideThemeInt(Style, SUI_ITEM_TITLEBAR_RIGHTBTN_XOFFSET);
    FButtonTop = GetInsideThemeInt(Style, SUI_ITEM_TITLEBUTTON_TOP) - (InForm() ? 3 : 0);
    FIconTop = FButtonTop;
    FMinimumFormWidth = GetInsideThemeInt(Style, SUI_ITEM_FORM_MIN_WIDTH);
    FRoundCorner = GetInsideThemeInt(Style, SUI_ITEM_FORM_ROUNDCORNER);
    FRoundCornerBottom = 0;
}

void TsuiTitleBar::UpdateFileTheme()
{
    const TsuiFileTheme& Theme = *FileTheme();
    FFiveSections = Theme.GetBool(SKIN2_TITLEFIVESECT);
    FTransColor = FileThemeColor(&Theme, SKIN2_TRANSCOLOR).value_or(TColor(0xFF00FF));
    auto AddSection = [&](Tsk2SkinBitmapElement Element)
    {
        TsuiTitleBarSection* Section = FSections->Add();
        Theme.GetBitmap2(Element, Section->Picture()->Bitmap());
        return Section;
    };
    AddSection(SKIN2_TITLEBAR1)->SetAutoSize(true);
    TsuiTitleBarSection* Second = AddSection(SKIN2_TITLEBAR2);
    if (FFiveSections)
        Second->SetCapSec(true);
    else
        Second->SetAlign(suiClient);
    TsuiTitleBarSection* Third = AddSection(SKIN2_TITLEBAR3);
    Third->SetAutoSize(true);
    if (!FFiveSections) Third->SetAlign(suiRight);
    if (FFiveSections)
    {
        AddSection(SKIN2_TITLEBAR4)->SetAlign(suiClient);
        TsuiTitleBarSection* Fifth = AddSection(SKIN2_TITLEBAR5);
        Fifth->SetAutoSize(true);
        Fifth->SetAlign(suiRight);
    }
    FLeftBtnXOffset = Theme.GetInt(SKIN2_TITLEBARICONPOSX);
    FRightBtnXOffset = Theme.GetInt(SKIN2_TITLEBARBUTTONPOSX);
    if (TBitmap* Strip = Theme.GetBitmap(SKIN2_TITLEBUTTONS)) Strip->SetPixelFormat(pf24bit);
    const int Shift = InForm() ? 3 : 0;
    FButtonTop = Theme.GetInt(SKIN2_TITLEBARBUTTONPOSY) - Shift;
    FIconTop = Theme.GetInt(SKIN2_TITLEBARICONPOSY) - Shift;
    FCaptionTop = Theme.GetInt(SKIN2_TITLEBARCAPTIONTOP);
    FFillColor = FileThemeColor(&Theme, SKIN2_FORMCOLOR).value_or(clBtnFace);
    auto WidthOf = [&](Tsk2SkinBitmapElement E)
    {
        TBitmap* B = Theme.GetBitmap(E);
        return B ? B->Width() : 0;
    };
    const int Buttons = WidthOf(SKIN2_TITLEBUTTONS) / 18 * FButtons->Count() +
                        Theme.GetInt(SKIN2_TITLEBARBUTTONPOSX);
    FMinimumFormWidth =
        FFiveSections ? WidthOf(SKIN2_TITLEBAR1) + WidthOf(SKIN2_TITLEBAR3) + 16 +
                            std::max(WidthOf(SKIN2_TITLEBAR5), Buttons)
                      : WidthOf(SKIN2_TITLEBAR1) + std::max(WidthOf(SKIN2_TITLEBAR3), Buttons);
}

void TsuiTitleBar::SetAutoSize2(bool Value)
{
    FAutoSize = Value;
    if (FSections->Count() == 0)
    {
        FAutoSize = false;
        return;
    }
    SetHeight(FSections->Items(0)->Picture()->Height() - (InForm() ? 3 : 0));
}

// Properties ---------------------------------------------------------------

void TsuiTitleBar::SetSections(const TsuiTitleBarSections* Value)
{
    FSections->Assign(Value);
}

void TsuiTitleBar::SetButtons(const TsuiTitleBarButtons* Value)
{
    FButtons->Assign(Value);
}

void TsuiTitleBar::SetButtonInterval(int Value)
{
    FButtonInterval = Value;
    UpdateLayout();
    Invalidate();
}

void TsuiTitleBar::SetCaption(const std::string& Value)
{
    FCaption = Value;
    UpdateLayout();
    Invalidate();
}

void TsuiTitleBar::SetActive(bool Value)
{
    FFormActive = Value;
    Invalidate();
}

void TsuiTitleBar::SetLeftBtnXOffset(int Value)
{
    FLeftBtnXOffset = Value;
    UpdateLayout();
    Invalidate();
}

void TsuiTitleBar::SetRightBtnXOffset(int Value)
{
    FRightBtnXOffset = Value;
    UpdateLayout();
    Invalidate();
}

void TsuiTitleBar::SetDrawAppIcon(bool Value)
{
    FDrawAppIcon = Value;
    UpdateLayout();
    Invalidate();
}

void TsuiTitleBar::SetInactiveCaptionColor(TColor Value)
{
    FInactiveCaptionColor = Value;
    Invalidate();
}

void TsuiTitleBar::ProcessMaxBtn()
{
    for (int I = 0; I < FButtons->Count(); ++I)
        FButtons->Items(I)->ProcessMaxBtn();
    UpdateLayout();
}

TBitmap* TsuiTitleBar::SectionPicture(int Index) const
{
    if (FSections->Count() <= 2 || Index < 0 || Index >= FSections->Count()) return nullptr;
    return FSections->Items(Index)->Picture()->Bitmap();
}

void TsuiTitleBar::ItemsChanged()
{
    UpdateLayout();
    Invalidate();
}

void TsuiTitleBar::AddHelpBtn()
{
    FButtons->Add()->SetButtonType(suiHelp);
}

void TsuiTitleBar::Notification(TComponent* AComponent, TOperation Operation)
{
    TCustomPanel::Notification(AComponent, Operation);
    SkinNotification(AComponent, Operation);
}

// Layout -------------------------------------------------------------------

void TsuiTitleBar::Resize()
{
    TCustomPanel::Resize();
    UpdateLayout();
}

TsuiTitleBarMetrics TsuiTitleBar::MeasureForLayout()
{
    TsuiTitleBarMetrics M;
    M.Width = Width();
    M.Height = Height();
    M.FrameWidth = AskFrameWidth();
    M.InForm = InForm();
    M.LeftOffset = FLeftBtnXOffset;
    M.RightOffset = FRightBtnXOffset;
    M.ButtonInterval = FButtonInterval;
    M.ButtonTop = FButtonTop;
    M.IconTop = FIconTop;
    TsuiUIStyle Style;
    if (UsesFileTheme(Style))
        M.CaptionTop = FCaptionTop - 3;
    else
        M.CaptionTop = Style == Protein ? FButtonTop + 3 : FButtonTop;
    M.DrawAppIcon = FDrawAppIcon;
    int ButtonsWidth = 0;
    for (int I = 0; I < FButtons->Count(); ++I)
    {
        const TsuiTitleBarButton* B = FButtons->Items(I);
        M.Buttons.push_back(
            {B->ButtonType(), B->Drawable(), B->PicNormal()->Width(), B->PicNormal()->Height()});
        ButtonsWidth += B->PicNormal()->Width() + FButtonInterval;
    }
    FSectionCaption.clear();
    TCanvas Measure;
    Measure.SetFont(Font());
    for (int I = 0; I < FSections->Count(); ++I)
    {
        const TsuiTitleBarSection* S = FSections->Items(I);
        M.Sections.push_back(
            {S->Align(), S->CapSec(), S->Picture()->Width(), S->Picture()->Height()});
        if (!S->CapSec()) continue;
        // The caption section holds as much of the caption as the buttons
        // and the section after it leave room for.
        const int Next = I + 1 < FSections->Count() ? FSections->Items(I + 1)->Width() : 0;
        FSectionCaption = FormatStringWithWidth(
            &Measure, FCaption, M.Width - FLeftBtnXOffset - 21 - ButtonsWidth - Next);
        M.SectionCaptionWidth = Measure.TextWidth(FSectionCaption);
    }
    return M;
}

void TsuiTitleBar::UpdateLayout()
{
    if (FLayoutHeld > 0) return;
    if (!ContainingForm())
    {
        FLayout = {};
        return;
    }
    FLayout = LayOutTitleBar(MeasureForLayout());
    const TSize Size = FLayout.Title;
    FTitleImage->SetSize(Size.Width, Size.Height);
    FTitleImageFilled->SetSize(Size.Width, Size.Height);
    FTitleImageFilled->Canvas()->Brush()->SetColor(FFillColor);
    FTitleImageFilled->Canvas()->FillRect({0, 0, Size.Width, Size.Height});
    DrawSections(*FTitleImage->Canvas(), {0, 0}, false);
    FTitleImageFilled->Canvas()->Draw(0, 0, FTitleImage.get());
    if (auto* Host = dynamic_cast<TsuiTitleBarHost*>(Parent())) Host->TitleBarLaidOut();
}

// Painting -----------------------------------------------------------------

void TsuiTitleBar::Paint()
{
    TBitmap B;
    B.SetPixelFormat(pf24bit);
    B.SetSize(Width(), Height());
    B.Canvas()->Brush()->SetStyle(bsClear);
    B.Canvas()->SetFont(Font());
    if (ContainingForm())
    {
        DrawSections(*B.Canvas(), FLayout.Shift, true);
        DrawButtons(*B.Canvas());
        DrawCaption(*B.Canvas());
    }
    if (Canvas() && Canvas()->HandleAllocated()) Canvas()->Draw(0, 0, &B);
}

void TsuiTitleBar::DrawSections(TCanvas& Canvas, TPoint Shift, bool InBar) const
{
    const int Count = std::min(FSections->Count(), static_cast<int>(FLayout.Sections.size()));
    auto Draw = [&](int I)
    {
        const TsuiTitleBarSection* Section = FSections->Items(I);
        const TGraphic* G = Section->Picture()->Graphic();
        if (!G) return;
        const TRect R = FLayout.Sections[I].Offset(Shift.X, Shift.Y);
        if (Section->CapSec() || I == FLayout.ClientSection)
            Canvas.StretchDraw(R, G);
        else if (Section->Align() == suiRight && InBar)
        {
            TBitmap C;
            C.Assign(G);
            C.SetPixelFormat(pf24bit);
            C.SetTransparentMode(tmFixed);
            C.SetTransparentColor(FTransColor);
            C.SetTransparent(true);
            TBitmap Laid;
            Laid.SetSize(C.Width(), C.Height());
            Laid.Canvas()->Brush()->SetColor(FFillColor);
            Laid.Canvas()->FillRect({0, 0, C.Width(), C.Height()});
            Laid.Canvas()->Draw(0, 0, &C);
            Canvas.Draw(R.Left, R.Top, &Laid);
        }
        else if (Section->Align() == suiLeft || Section->Align() == suiRight)
            Canvas.Draw(R.Left, R.Top, G);
    };
    for (int I = 0; I < Count; ++I)
        if (I != FLayout.ClientSection) Draw(I);
    // The client picture goes last, over what the others leave; a span
    // running backwards is drawn mirrored.
    if (FLayout.ClientSection >= 0 && FLayout.ClientSection < Count) Draw(FLayout.ClientSection);
}

void TsuiTitleBar::DrawButtons(TCanvas& Canvas) const
{
    TsuiUIStyle Style;
    const bool FromFile = UsesFileTheme(Style);
    // The button's picture for its state, as a bitmap drawn at At.
    auto DrawState = [&](int I, TPoint At)
    {
        const TsuiTitleBarButton* Button = FButtons->Items(I);
        const TPicture* State = I != FHotButton ? Button->PicNormal()
                                : FMouseDown    ? Button->PicMouseDown()
                                                : Button->PicMouseOn();
        TBitmap S;
        if (State->Graphic()) S.Assign(State->Graphic());
        S.SetTransparent(false);
        if (Button->Transparent())
        {
            if (FromFile)
            {
                S.SetPixelFormat(pf24bit);
                S.SetTransparentMode(tmFixed);
                S.SetTransparentColor(FTransColor);
            }
            S.SetTransparent(true);
        }
        Canvas.Draw(At.X, At.Y, &S);
    };
    const int Count = std::min(FButtons->Count(), static_cast<int>(FLayout.Buttons.size()));
    for (int I = 0; I < Count; ++I)
        if (I != FLayout.ControlBox && !FLayout.Buttons[I].IsEmpty())
            DrawState(I, {FLayout.Buttons[I].Left, FLayout.Buttons[I].Top});
    if (FLayout.ControlBox < 0 || FLayout.ControlBox >= Count) return;
    if (!FDrawAppIcon)
    {
        DrawState(FLayout.ControlBox, FLayout.ControlBoxAt);
        return;
    }
    TSurface Icon;
    if (Application) Icon = Application->Icon()->Image(16);
    // Without an application icon, the program's own.
    if (Icon.IsEmpty() && FindResource("MAINICON"))
    {
        TIcon Main;
        Main.LoadFromResourceName("MAINICON");
        Icon = Main.Image(16);
    }
    if (Canvas.Handle() && !Icon.IsEmpty())
        AlphaBlit(*Canvas.Handle(), FLayout.ControlBoxAt.X, FLayout.ControlBoxAt.Y, Icon);
}

void TsuiTitleBar::DrawCaption(TCanvas& Canvas) const
{
    Canvas.Font()->SetColor(FFormActive ? Font()->Color() : FInactiveCaptionColor);
    const bool RightToLeft = UseRightToLeftAlignment();
    TRect R = TitleCaptionRect(FLayout, Height(), RightToLeft);
    Canvas.Brush()->SetStyle(bsClear);
    const unsigned Align = RightToLeft ? DT_RIGHT : DT_LEFT;
    Canvas.DrawText(FLayout.CaptionInSection ? FSectionCaption : FCaption, R,
                    DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP | DT_END_ELLIPSIS | Align);
}

// Mouse --------------------------------------------------------------------

void TsuiTitleBar::SetHotButton(int Value)
{
    if (Value == FHotButton) return;
    FHotButton = Value;
    Repaint();
}

void TsuiTitleBar::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomPanel::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft) return;
    FMouseDown = true;
    FHotButton = TitleButtonAt(FLayout, {X, Y});
    Repaint();
    TCustomForm* Form = ContainingForm();
    if (Form && Form->HandleAllocated() && FHotButton == -1 && Form->WindowState() != wsMaximized)
    {
        // The window system's move loop takes the pointer from here on and
        // returns once the button is released.
        ReleaseCapture();
        SendMessage(Form->Handle(), WM_NCLBUTTONDOWN, HTCAPTION, 0);
        FMouseDown = false;
        Invalidate();
    }
}

void TsuiTitleBar::MouseMove(TShiftState Shift, int X, int Y)
{
    TCustomPanel::MouseMove(Shift, X, Y);
    SetHotButton(TitleButtonAt(FLayout, {X, Y}));
}

void TsuiTitleBar::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomPanel::MouseUp(Button, Shift, X, Y);
    if (Button != mbLeft) return;
    const int Hot = TitleButtonAt(FLayout, {X, Y});
    FMouseDown = false;
    FHotButton = Hot;
    // A button's action may close the window and free the bar with it.
    const TLifeGuard Guard(this);
    if (Hot != -1 && Hot < FButtons->Count())
    {
        TsuiTitleBarButton* Pressed = FButtons->Items(Hot);
        if (Pressed->ButtonType() != suiControlBox || Pressed->ControlBoxMenu())
        {
            Pressed->DoClick();
            if (Pressed->ButtonType() == suiCustom && OnCustomBtnsClick)
                OnCustomBtnsClick(this, Hot);
            else if (Pressed->ButtonType() == suiHelp && OnHelpBtnClick)
                OnHelpBtnClick(this, Hot);
        }
        else
            PopupTitleMenu();
    }
    if (Guard.Alive()) Repaint();
}

void TsuiTitleBar::DblClick()
{
    TCustomPanel::DblClick();
    if (FHotButton == -1)
    {
        for (int I = 0; I < FButtons->Count(); ++I)
        {
            TsuiTitleBarButton* Button = FButtons->Items(I);
            if (Button->Visible() && Button->ButtonType() == suiMax)
            {
                Button->DoClick();
                break;
            }
        }
    }
    else if (FHotButton < FButtons->Count() &&
             FButtons->Items(FHotButton)->ButtonType() == suiControlBox)
    {
        if (TCustomForm* Form = ContainingForm()) Form->Close();
    }
}

void TsuiTitleBar::PopupTitleMenu()
{
    TPoint P = ClientToScreen({0, Height()});
    FTitleMenu->Popup(P.X, P.Y);
}

void TsuiTitleBar::WMEraseBkgnd(TMessage& M)
{
    M.Result = 1;
}

void TsuiTitleBar::CMFontChanged(TMessage& M)
{
    TCustomPanel::CMFontChanged(M);
    UpdateLayout();
    Invalidate();
}

void TsuiTitleBar::CMMouseLeave(TMessage& M)
{
    TCustomPanel::CMMouseLeave(M);
    SetHotButton(-1);
}
