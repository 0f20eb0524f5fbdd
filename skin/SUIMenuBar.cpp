#include "skin/SUIMenuBar.h"

#include "framework/PropertyRegistry.h"
#include "framework/comctrls/ToolButton.h"
#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Font.h"
#include "framework/menus/AutoHotkeys.h"
#include "framework/menus/MainMenu.h"
#include "platform/gfx/DrawText.h"
#include "platform/win/WinApi.h"
#include "skin/Gradients.h"
#include "skin/SUIFileTheme.h"
#include "skin/SUIForm.h"
#include "skin/SUIMainMenu.h"
#include "skin/SUIStyleApply.h"
#include "skin/Suimenu.h"

const TClassInfo& TsuiMenuBar::StaticClass()
{
    static const TClassInfo Info =
        TClassBuilder<TsuiMenuBar>("TsuiMenuBar", &TToolBar::StaticClass()).Build();
    return Info;
}

const TMessageMap& TsuiMenuBar::StaticMessages()
{
    static const TMessageMap Map =
        TMessageMap(&TToolBar::StaticMessages()).On(CM_DIALOGCHAR, &TsuiMenuBar::CMDialogChar);
    return Map;
}

TsuiMenuBar::TsuiMenuBar(TComponent* AOwner) : TToolBar(AOwner)
{
    OnCustomDrawButton.Bind(this, &TsuiMenuBar::DrawButton);
    OnCustomDraw.Bind(this, &TsuiMenuBar::DrawBackground);
}

void TsuiMenuBar::SetForm(TsuiForm* Value)
{
    if (FForm == Value) return;
    if (FForm) FForm->RemoveFreeNotification(this);
    FForm = Value;
    if (FForm) FForm->FreeNotification(this);
}

void TsuiMenuBar::Notification(TComponent* AComponent, TOperation Operation)
{
    TToolBar::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FForm) FForm = nullptr;
}

void TsuiMenuBar::CMDialogChar(TMessage& M)
{
    bool Hot = false;
    for (int I = 0; I < ButtonCount(); ++I)
        Hot = Hot || Buttons(I)->Tag() == SUI_MENUBAR_HOT_TAG;
    if (!Hot && GetKeyState(VK_MENU) >= 0) return;
    TToolBar::CMDialogChar(M);
}

// Drawing ------------------------------------------------------------------

void TsuiMenuBar::DrawBackground(TToolBar*, const TRect& Rect, bool&)
{
    if (!FForm) return;
    auto* Skinned = dynamic_cast<TsuiMainMenu*>(FForm->Menu());
    const TsuiUIStyle Style = Skinned ? Skinned->UIStyle() : FForm->UIStyle();
    const TColor From = FForm->MenuBarColor(), To = FForm->MenuBarToColor();
    TCanvas* C = Canvas();
    if (Style == MacOS)
    {
        TBitmap Bar;
        Bar.LoadFromResourceName("MACOS_MENU_BAR");
        C->StretchDraw(Rect, &Bar);
    }
    else if (From != To)
        DrawHorizontalGradient(C, Rect, From, To);
}

void TsuiMenuBar::DrawButton(TToolBar* ToolBar, TToolButton* Button, TCustomDrawState State,
                             bool& DefaultDraw)
{
    if (!FForm) return;
    DefaultDraw = false;
    Button->SetTag(0);
    auto* Skinned = dynamic_cast<TsuiMainMenu*>(FForm->Menu());
    const TsuiUIStyle MenuStyle = Skinned ? Skinned->UIStyle() : FForm->UIStyle();
    const TsuiFileTheme* Theme = Skinned ? Skinned->FileTheme() : FForm->FileTheme();
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
