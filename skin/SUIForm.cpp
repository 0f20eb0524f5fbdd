#include "skin/SUIForm.h"

#include "framework/PropertyRegistry.h"
#include "framework/controls/ApplicationEvents.h"
#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Picture.h"
#include "framework/menus/MainMenu.h"
#include "platform/win/WinApi.h"
#include "skin/SUIFileTheme.h"
#include "skin/SUIMainMenu.h"
#include "skin/SUIMenuBar.h"
#include "skin/SUIStyleApply.h"

#include <algorithm>

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

    MeasureOwner();
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
    TakeOverOwner();
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

void TsuiForm::Notification(TComponent* AComponent, TOperation Operation)
{
    TCustomPanel::Notification(AComponent, Operation);
    if (Operation != opRemove) return;
    if (AComponent == this) Detach();
    if (AComponent == FMenuBar) FMenuBar = nullptr;
    if (AComponent == FMenu) DestroyMenuBar();
    SkinNotification(AComponent, Operation);
}

// Geometry -----------------------------------------------------------------

int TsuiForm::GetTitleBarHeight() const
{
    return TitleBarVisible() ? FTitleBar->Height() + 3 : 0;
}

TsuiFrameInput TsuiForm::FrameInput() const
{
    TsuiFrameInput In;
    if (FOwnerForm && FOwnerForm->HandleAllocated())
        In.Window = WindowFrameOf(FOwnerForm->Handle());
    In.TakenLeft = FTakenLeft;
    In.TakenBottom = FTakenBottom;
    In.SkinLeft = FSkinLeft;
    In.SkinRight = FSkinRight;
    In.SkinBottom = FSkinBottom;
    In.Skinned = UsingSkin();
    In.BorderWidth = FBorderWidth;
    In.BarHeight = FTitleBar ? FTitleBar->Height() : 0;
    In.BarVisible = TitleBarVisible();
    In.MenuHeight = GetMenuBarHeight();
    return In;
}

const TsuiFrameGeometry& TsuiForm::Geometry() const
{
    const TsuiFrameInput In = FrameInput();
    if (!FGeometryKnown || !(In == FGeometry.In))
    {
        FGeometry = FrameGeometry(In);
        FGeometryKnown = true;
    }
    return FGeometry;
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
    FOwnerForm->Constraints()->SetMinHeight(Geometry().MinHeight);
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
