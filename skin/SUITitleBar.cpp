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
#include "skin/SUIForm.h"
#include "skin/SUIStyleApply.h"
#include "skin/SUITitleBarPopupMenu.h"
#include "skin/SkinText.h"
#include "skin/SkinWindows.h"

#include <algorithm>

namespace
{
// Drops the last UTF-8 character of Text.
void DropLastCharacter(std::string& Text)
{
    if (Text.empty()) return;
    size_t End = Text.size() - 1;
    while (End > 0 && (static_cast<unsigned char>(Text[End]) & 0xC0) == 0x80)
        --End;
    Text.erase(End);
}
} // namespace

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
    FButtons.reset();
    FSections.reset();
}

TCustomForm* TsuiTitleBar::ContainingForm() const
{
    return GetParentForm(this);
}

bool TsuiTitleBar::InForm() const
{
    return dynamic_cast<TsuiForm*>(Parent()) != nullptr;
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
    if (TCustomForm* Form = ContainingForm())
    {
        Form->Constraints()->SetMinWidth(GetInsideThemeInt(Style, SUI_ITEM_FORM_MIN_WIDTH));
        Form->Constraints()->SetMinHeight(50);
    }
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
    if (TCustomForm* Form = ContainingForm())
    {
        auto WidthOf = [&](Tsk2SkinBitmapElement E)
        {
            TBitmap* B = Theme.GetBitmap(E);
            return B ? B->Width() : 0;
        };
        const int Buttons = WidthOf(SKIN2_TITLEBUTTONS) / 18 * FButtons->Count() +
                            Theme.GetInt(SKIN2_TITLEBARBUTTONPOSX);
        Form->Constraints()->SetMinWidth(
            FFiveSections ? WidthOf(SKIN2_TITLEBAR1) + WidthOf(SKIN2_TITLEBAR3) + 16 +
                                std::max(WidthOf(SKIN2_TITLEBAR5), Buttons)
                          : WidthOf(SKIN2_TITLEBAR1) + std::max(WidthOf(SKIN2_TITLEBAR3), Buttons));
    }
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
    Invalidate();
}

void TsuiTitleBar::SetCaption(const std::string& Value)
{
    FCaption = Value;
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
    Invalidate();
}

void TsuiTitleBar::SetRightBtnXOffset(int Value)
{
    FRightBtnXOffset = Value;
    Invalidate();
}

void TsuiTitleBar::SetDrawAppIcon(bool Value)
{
    FDrawAppIcon = Value;
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
}

void TsuiTitleBar::GetTitleImage(int Index, TBitmap*& Bitmap)
{
    if (Index == -1)
        Bitmap = FTitleImage.get();
    else if (Index == -2)
        Bitmap = FTitleImageFilled.get();
    else if (FSections->Count() > 2 && Index >= 0 && Index < FSections->Count())
        Bitmap = FSections->Items(Index)->Picture()->Bitmap();
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

// Painting -----------------------------------------------------------------

void TsuiTitleBar::Paint()
{
    TBitmap B;
    B.SetPixelFormat(pf24bit);
    B.SetSize(Width(), Height());
    B.Canvas()->Brush()->SetStyle(bsClear);
    B.Canvas()->SetFont(Font());
    DrawSectionsTo(&B);
    DrawButtons(&B);
    if (Canvas() && Canvas()->HandleAllocated()) Canvas()->Draw(0, 0, &B);
}

void TsuiTitleBar::DrawSectionsTo(TBitmap* Bitmap)
{
    if (!ContainingForm()) return;
    int Dx = 0, Dy = 0;
    if (InForm())
    {
        int Frame = AskFrameWidth();
        if (Frame == 0) Frame = 3;
        Dx = -Frame;
        Dy = -3;
    }
    TCanvas& B = *Bitmap->Canvas();
    int ButtonsWidth = 0;
    for (int I = 0; I < FButtons->Count(); ++I)
        ButtonsWidth += FButtons->Items(I)->PicNormal()->Width() + FButtonInterval;

    FTitleImage->SetSize(Bitmap->Width() - 2 * Dx, Bitmap->Height() - Dy);
    FTitleImageFilled->SetSize(FTitleImage->Width(), FTitleImage->Height());
    FTitleImageFilled->Canvas()->Brush()->SetColor(FFillColor);
    FTitleImageFilled->Canvas()->FillRect({0, 0, FTitleImage->Width(), FTitleImage->Height()});
    TCanvas& Title = *FTitleImage->Canvas();

    int X = Dx, R = Bitmap->Width() - Dx, LastLeft = 0;
    TsuiTitleBarSection* Client = nullptr;
    bool CaptionDrawn = false;
    for (int I = 0; I < FSections->Count(); ++I)
    {
        TsuiTitleBarSection* Section = FSections->Items(I);
        const TPicture* P = Section->Picture();
        const TGraphic* G = P->Graphic();
        const int Pw = P->Width(), Ph = P->Height();
        if (Section->CapSec())
        {
            const int Next = I + 1 < FSections->Count() ? FSections->Items(I + 1)->Width() : 0;
            FSectionCaption = FormatStringWithWidth(
                &B, FCaption, Bitmap->Width() - FLeftBtnXOffset - 21 - ButtonsWidth - Next);
            const int W = B.TextWidth(FSectionCaption) + FLeftBtnXOffset + 17 - LastLeft;
            if (G)
            {
                B.StretchDraw({X, Dy, X + W, Dy + Ph}, G);
                Title.StretchDraw({X - Dx, 0, X + W - Dx, Ph}, G);
            }
            X += W;
            CaptionDrawn = true;
        }
        else if (Section->Align() == suiLeft)
        {
            if (G)
            {
                B.Draw(X, Dy, G);
                Title.Draw(X - Dx, 0, G);
            }
            X += Pw;
            LastLeft = Pw;
        }
        else if (Section->Align() == suiRight)
        {
            if (G)
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
                B.Draw(R - Pw, Dy, &Laid);
                Title.Draw(R - Dx - Pw, 0, G);
            }
            R -= Pw;
        }
        else
            Client = Section;
    }
    // The client picture fills what the left and right ones leave; when
    // they overlap, the span runs backwards and the stretch is mirrored.
    if (Client && Client->Picture()->Graphic())
    {
        const TGraphic* G = Client->Picture()->Graphic();
        const int Ph = Client->Picture()->Height();
        B.StretchDraw({X, Dy, R, Dy + Ph}, G);
        Title.StretchDraw({X - Dx, 0, R - Dx, Ph}, G);
    }
    FTitleImageFilled->Canvas()->Draw(0, 0, FTitleImage.get());
    if (!CaptionDrawn)
        FSectionCaption.clear();
    else if (auto* Form = dynamic_cast<TsuiForm*>(Parent()))
        Form->PaintFormBorder();
}

void TsuiTitleBar::DrawButtons(TBitmap* Bitmap)
{
    if (!ContainingForm()) return;
    TCanvas& B = *Bitmap->Canvas();
    const int K = AskFrameWidth() - 1;
    int R = Bitmap->Width() - FRightBtnXOffset + K;
    TsuiUIStyle Style;
    const bool FromFile = UsesFileTheme(Style);

    TPoint P{-1000000, -1000000};
    POINT Cursor;
    if (HandleAllocated() && GetCursorPos(&Cursor)) P = ScreenToClient({Cursor.x, Cursor.y});
    FHotButton = -1;
    int Box = -1;

    // The button's picture for its state, as a bitmap drawn at (X, Y).
    auto DrawState = [&](TsuiTitleBarButton* Button, const TPicture* State, int X, int Y)
    {
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
        B.Draw(X, Y, &S);
    };
    auto StateOf = [&](TsuiTitleBarButton* Button, int Index, const TRect& Area)
    {
        if (!InRect(P, Area)) return Button->PicNormal();
        FHotButton = Index;
        return FMouseDown ? Button->PicMouseDown() : Button->PicMouseOn();
    };

    for (int I = 0; I < FButtons->Count(); ++I)
    {
        TsuiTitleBarButton* Button = FButtons->Items(I);
        if (!Button->Drawable()) continue;
        const int Pw = Button->PicNormal()->Width(), Ph = Button->PicNormal()->Height();
        if (Button->ButtonType() == suiControlBox)
        {
            Box = I;
            continue;
        }
        R -= Button->ButtonType() == suiClose ? Pw : Pw + 1 + FButtonInterval;
        if (Bitmap->Width() < R + Pw + 1) R = Bitmap->Width() - Pw - 1;
        DrawState(Button, StateOf(Button, I, {R, FButtonTop, R + Pw, FButtonTop + Ph}), R,
                  FButtonTop);
    }

    int L = std::max(FLeftBtnXOffset - 4 - K, 0);
    if (Box != -1)
    {
        TsuiTitleBarButton* Button = FButtons->Items(Box);
        const int Pw = Button->PicNormal()->Width(), Ph = Button->PicNormal()->Height();
        const TRect Area{L, FIconTop, L + Pw, FIconTop + Ph};
        if (FDrawAppIcon)
        {
            if (InRect(P, Area)) FHotButton = Box;
            TSurface Icon;
            if (Application) Icon = Application->Icon()->Image(16);
            // Without an application icon, the program's own.
            if (Icon.IsEmpty() && FindResource("MAINICON"))
            {
                TIcon Main;
                Main.LoadFromResourceName("MAINICON");
                Icon = Main.Image(16);
            }
            if (B.Handle() && !Icon.IsEmpty()) AlphaBlit(*B.Handle(), L + 3, FIconTop, Icon);
            L += 21;
        }
        else
        {
            DrawState(Button, StateOf(Button, Box, Area), L, FIconTop - 1);
            L += Pw + 5;
        }
    }
    if (L == 0) L = 6;

    B.Font()->SetColor(FFormActive ? Font()->Color() : FInactiveCaptionColor);
    std::string Text = FSectionCaption;
    if (Text.empty())
    {
        Text = FCaption;
        if (B.TextWidth(Text) > R - L)
        {
            while (!Text.empty() && B.TextWidth(Text + "...") > R - L)
                DropLastCharacter(Text);
            Text += "...";
        }
    }
    int Y;
    if (FromFile)
        Y = FCaptionTop - 3;
    else
        Y = Style == Protein ? FButtonTop + 3 : FButtonTop;
    // A right-to-left bar ends its caption 10 pixels before the buttons.
    const int X = UseRightToLeftAlignment() ? R - B.TextWidth(Text) - 10 : L;
    B.Brush()->SetStyle(bsClear);
    B.TextOut(X, Y, Text);
}

// Mouse --------------------------------------------------------------------

void TsuiTitleBar::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomPanel::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft) return;
    FMouseDown = true;
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
    Repaint();
}

void TsuiTitleBar::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomPanel::MouseUp(Button, Shift, X, Y);
    if (Button != mbLeft) return;
    const int Hot = FHotButton;
    FMouseDown = false;
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
    Repaint();
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
    Invalidate();
}

void TsuiTitleBar::CMMouseLeave(TMessage& M)
{
    TCustomPanel::CMMouseLeave(M);
    Repaint();
}
