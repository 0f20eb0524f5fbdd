#include "skin/SUITitleBarItems.h"

#include "framework/PropertyRegistry.h"
#include "framework/controls/Application.h"
#include "framework/controls/CustomForm.h"
#include "framework/controls/Dialogs.h"
#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Picture.h"
#include "framework/menus/PopupMenu.h"
#include "platform/win/WinApi.h"
#include "skin/SUIFileTheme.h"
#include "skin/SUIStyleApply.h"
#include "skin/SUITitleBar.h"
#include "skin/SkinWindows.h"

namespace
{
const std::vector<std::string> BtnTypeNames = {"suiMax",  "suiMin",        "suiClose",
                                               "suiHelp", "suiControlBox", "suiCustom"};
const std::vector<std::string> AlignNames = {"suiLeft", "suiRight", "suiClient"};

// The first of the three frames (normal, mouse over, pressed) a button type
// takes from the 18-frame button strip; 0 for custom buttons.
int FirstFrameOf(TsuiTitleBarBtnType Type)
{
    switch (Type)
    {
    case suiControlBox:
        return 1;
    case suiHelp:
        return 4;
    case suiMax:
        return 7;
    case suiMin:
        return 13;
    case suiClose:
        return 16;
    default:
        return 0;
    }
}

void ShowError(const std::string& Text)
{
    MessageDlg(Text, mtError, {mbOK});
}
} // namespace

// Buttons ------------------------------------------------------------------

const TClassInfo& TsuiTitleBarButton::StaticClass()
{
    using B = TsuiTitleBarButton;
    static const TClassInfo Info =
        TClassBuilder<B>("TsuiTitleBarButton", &TCollectionItem::StaticClass())
            .Enum("UIStyle", &B::UIStyle, &B::SetUIStyle, UIStyleNames())
            .NoDefault()
            .Enum("ButtonType", &B::ButtonType, &B::SetButtonType, BtnTypeNames)
            .NoDefault()
            .Boolean("Transparent", &B::Transparent, &B::SetTransparent)
            .NoDefault()
            .Integer("Top", &B::Top, &B::SetTop)
            .NoDefault()
            .Component("ControlBoxMenu", &B::ControlBoxMenu, &B::SetControlBoxMenu)
            .Boolean("Visible", &B::Visible, &B::SetVisible)
            .NoDefault()
            .Binary("PicNormal", &B::PicNormal, &B::SetPicNormal)
            .Binary("PicMouseOn", &B::PicMouseOn, &B::SetPicMouseOn)
            .Binary("PicMouseDown", &B::PicMouseDown, &B::SetPicMouseDown)
            .Build();
    return Info;
}

TsuiTitleBarButton::TsuiTitleBarButton(TCollection* Collection)
    : TCollectionItem(Collection), FPicNormal(std::make_unique<TPicture>()),
      FPicMouseOn(std::make_unique<TPicture>()), FPicMouseDown(std::make_unique<TPicture>())
{
    SetUIStyle(DeepBlue);
}

TsuiTitleBarButton::~TsuiTitleBarButton() = default;

TsuiTitleBar* TsuiTitleBarButton::Bar() const
{
    auto* Buttons = dynamic_cast<TsuiTitleBarButtons*>(Collection());
    return Buttons ? Buttons->TitleBar() : nullptr;
}

void TsuiTitleBarButton::SetVisible(bool Value)
{
    FVisible = Value;
    Changed(false);
}

void TsuiTitleBarButton::SetButtonType(TsuiTitleBarBtnType Value)
{
    if (Value == suiControlBox && Collection())
        for (int I = 0; I < Collection()->Count(); ++I)
            if (static_cast<TsuiTitleBarButton*>(Collection()->Items(I))->ButtonType() ==
                suiControlBox)
            {
                ShowError("Sorry, only one button's ButtonType property can be \"suiControlBox\"");
                return;
            }
    FButtonType = Value;
    UpdateUIStyle();
    Changed(false);
}

void TsuiTitleBarButton::SetTransparent(bool Value)
{
    FTransparent = Value;
    Changed(false);
}

void TsuiTitleBarButton::SetTop(int Value)
{
    FTop = Value;
    Changed(false);
}

void TsuiTitleBarButton::SetUIStyle(TsuiUIStyle Value)
{
    FUIStyle = Value;
    UpdateUIStyle();
}

void TsuiTitleBarButton::SetPicNormal(const TPicture* Value)
{
    FPicNormal->Assign(Value);
    Changed(false);
}

void TsuiTitleBarButton::SetPicMouseOn(const TPicture* Value)
{
    FPicMouseOn->Assign(Value);
    Changed(false);
}

void TsuiTitleBarButton::SetPicMouseDown(const TPicture* Value)
{
    FPicMouseDown->Assign(Value);
    Changed(false);
}

bool TsuiTitleBarButton::Drawable() const
{
    auto Holds = [](const TPicture* P) { return P->Graphic() && !P->Graphic()->Empty(); };
    return FVisible && Holds(FPicNormal.get()) && Holds(FPicMouseOn.get()) &&
           Holds(FPicMouseDown.get());
}

void TsuiTitleBarButton::LoadFrames(int First)
{
    TsuiTitleBar* TitleBar = Bar();
    TsuiFileTheme* Theme = TitleBar ? TitleBar->FileTheme() : nullptr;
    TsuiUIStyle Style;
    const bool FromFile = UsingFileTheme(Theme, FUIStyle, Style);
    TPicture* Pictures[3] = {FPicNormal.get(), FPicMouseOn.get(), FPicMouseDown.get()};
    for (int I = 0; I < 3; ++I)
    {
        if (FromFile)
            Theme->GetBitmap2(SKIN2_TITLEBUTTONS, Pictures[I]->Bitmap(), 18, First + I);
        else
            GetInsideThemeBitmap(Style, SUI_ITEM_TITLEBUTTON_IMAGE, Pictures[I]->Bitmap(), 18,
                                 First + I);
    }
}

void TsuiTitleBarButton::UpdateUIStyle()
{
    TsuiTitleBar* TitleBar = Bar();
    TsuiFileTheme* Theme = TitleBar ? TitleBar->FileTheme() : nullptr;
    TsuiUIStyle Style;
    if (UsingFileTheme(Theme, FUIStyle, Style))
    {
        FTransparent = Theme->GetBool(SKIN2_TITLEBTNTRANS);
        if (FButtonType == suiCustom) return;
        LoadFrames(FirstFrameOf(FButtonType));
        FTop = Theme->GetInt(SKIN2_TITLEBARBUTTONPOSY);
    }
    else
    {
        FTransparent = GetInsideThemeBool(Style, SUI_ITEM_TITLEBUTTON_TRANSPARENT);
        if (FButtonType == suiCustom) return;
        LoadFrames(FirstFrameOf(FButtonType));
        FTop = GetInsideThemeInt(Style, SUI_ITEM_TITLEBUTTON_TOP);
    }
    if (FButtonType == suiMax) ProcessMaxBtn();
}

void TsuiTitleBarButton::ProcessMaxBtn()
{
    TsuiTitleBar* TitleBar = Bar();
    if (FButtonType != suiMax || !TitleBar || TitleBar->Custom()) return;
    TCustomForm* Form = TitleBar->ContainingForm();
    LoadFrames(Form && Form->WindowState() == wsMaximized ? 10 : 7);
}

void TsuiTitleBarButton::DoClick()
{
    TsuiTitleBar* TitleBar = Bar();
    TCustomForm* Form = TitleBar ? TitleBar->ContainingForm() : nullptr;
    if (!Form) return;
    switch (FButtonType)
    {
    case suiMax:
    {
        bool Allow = true;
        TitleBar->OnMaxClick(TitleBar, Allow);
        if (!Allow) break;
        if (Form->WindowState() == wsMaximized)
            Form->SetWindowState(wsNormal);
        else
        {
            Form->SetWindowState(wsMaximized);
            if (!TitleBar->InForm())
            {
                TRect Work = GetWorkAreaRect();
                PlaceControl(Form,
                             TRect{Work.Left - 2, Work.Top - 2, Work.Right + 2, Work.Bottom - 1});
            }
        }
        TitleBar->ProcessMaxBtn();
        break;
    }
    case suiMin:
    {
        bool Allow = true;
        TitleBar->OnMinClick(TitleBar, Allow);
        if (!Allow) break;
        if (Application && Application->MainForm() == Form && Form->HandleAllocated())
            SendMessage(Form->Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
        else
            Form->SetWindowState(wsMinimized);
        break;
    }
    case suiClose:
        Form->Close();
        break;
    case suiControlBox:
        if (FControlBoxMenu)
        {
            // A right-to-left bar opens its menu further in, under its caption.
            const int X = TitleBar->UseRightToLeftAlignment() ? RightToLeftMenuOffset : 0;
            TPoint P = TitleBar->ClientToScreen({X, TitleBar->Height()});
            FControlBoxMenu->Popup(std::max(P.X, 0), P.Y);
        }
        break;
    default:
        break;
    }
}

void TsuiTitleBarButton::Assign(const TPersistent* Source)
{
    if (auto* B = dynamic_cast<const TsuiTitleBarButton*>(Source))
    {
        SetVisible(B->Visible());
        SetButtonType(B->ButtonType());
        SetTransparent(B->Transparent());
        SetTop(B->Top());
        SetUIStyle(B->UIStyle());
        FPicNormal->Assign(B->PicNormal());
        FPicMouseOn->Assign(B->PicMouseOn());
        FPicMouseDown->Assign(B->PicMouseDown());
        FControlBoxMenu = B->ControlBoxMenu();
        Changed(false);
        return;
    }
    TCollectionItem::Assign(Source);
}

const TClassInfo& TsuiTitleBarButtons::StaticClass()
{
    static const TClassInfo Info =
        TClassBuilder<TsuiTitleBarButtons>("TsuiTitleBarButtons", &TCollection::StaticClass())
            .Build();
    return Info;
}

TsuiTitleBarButtons::TsuiTitleBarButtons(TsuiTitleBar* TitleBar)
    : TCollection(TsuiTitleBarButton::StaticClass(), TitleBar), FTitleBar(TitleBar)
{
}

void TsuiTitleBarButtons::Update(TCollectionItem*)
{
    if (FTitleBar) FTitleBar->ItemsChanged();
}

// Sections -----------------------------------------------------------------

const TClassInfo& TsuiTitleBarSection::StaticClass()
{
    using S = TsuiTitleBarSection;
    static const TClassInfo Info =
        TClassBuilder<S>("TsuiTitleBarSection", &TCollectionItem::StaticClass())
            .Boolean("AutoSize", &S::AutoSize, &S::SetAutoSize)
            .NoDefault()
            .Integer("Width", &S::Width, &S::SetWidth)
            .NoDefault()
            .Enum("Align", &S::Align, &S::SetAlign, AlignNames)
            .NoDefault()
            .Binary("Picture", &S::Picture, &S::SetPicture)
            .Boolean("Stretch", &S::Stretch, &S::SetStretch)
            .NoDefault()
            .Boolean("CapSec", &S::CapSec, &S::SetCapSec)
            .NoDefault()
            .Build();
    return Info;
}

TsuiTitleBarSection::TsuiTitleBarSection(TCollection* Collection)
    : TCollectionItem(Collection), FPicture(std::make_unique<TPicture>())
{
}

TsuiTitleBarSection::~TsuiTitleBarSection() = default;

void TsuiTitleBarSection::Repaint()
{
    Changed(false);
}

void TsuiTitleBarSection::SetAutoSize(bool Value)
{
    FAutoSize = Value;
    if (FPicture->Graphic() && !FPicture->Graphic()->Empty()) FWidth = FPicture->Width();
    Repaint();
}

void TsuiTitleBarSection::SetWidth(int Value)
{
    FWidth = Value;
    Repaint();
}

void TsuiTitleBarSection::SetAlign(TsuiTitleBarAlign Value)
{
    if (Value == suiClient && Collection())
        for (int I = 0; I < Collection()->Count(); ++I)
            if (static_cast<TsuiTitleBarSection*>(Collection()->Items(I))->Align() == suiClient)
            {
                ShowError("Sorry, only one section's Align property can be \"suiClient\"");
                return;
            }
    if (Value == suiClient) FStretch = true;
    FAlign = Value;
    Repaint();
}

void TsuiTitleBarSection::SetPicture(const TPicture* Value)
{
    FPicture->Assign(Value);
    if (Value && FAutoSize) FWidth = FPicture->Width();
    Repaint();
}

void TsuiTitleBarSection::SetStretch(bool Value)
{
    FStretch = Value || FAlign == suiClient;
    Repaint();
}

void TsuiTitleBarSection::SetCapSec(bool Value)
{
    FCapSec = Value;
    Repaint();
}

void TsuiTitleBarSection::Assign(const TPersistent* Source)
{
    if (auto* S = dynamic_cast<const TsuiTitleBarSection*>(Source))
    {
        SetWidth(S->Width());
        SetAlign(S->Align());
        SetPicture(S->Picture());
        SetStretch(S->Stretch());
        SetAutoSize(S->AutoSize());
        return;
    }
    TCollectionItem::Assign(Source);
}

const TClassInfo& TsuiTitleBarSections::StaticClass()
{
    static const TClassInfo Info =
        TClassBuilder<TsuiTitleBarSections>("TsuiTitleBarSections", &TCollection::StaticClass())
            .Build();
    return Info;
}

TsuiTitleBarSections::TsuiTitleBarSections(TsuiTitleBar* TitleBar)
    : TCollection(TsuiTitleBarSection::StaticClass(), TitleBar), FTitleBar(TitleBar)
{
}

void TsuiTitleBarSections::Update(TCollectionItem*)
{
    if (FTitleBar) FTitleBar->ItemsChanged();
}
