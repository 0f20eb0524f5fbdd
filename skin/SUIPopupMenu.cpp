#include "skin/SUIPopupMenu.h"

#include "framework/PropertyRegistry.h"
#include "framework/SysLocale.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/Font.h"
#include "framework/graphics/ImageList.h"
#include "platform/gfx/DrawText.h"
#include "platform/win/WinApi.h"
#include "skin/Gradients.h"
#include "skin/SUIFileTheme.h"
#include "skin/SUIStyleApply.h"
#include "skin/Suimenu.h"

#include <algorithm>

const TClassInfo& TsuiPopupMenu::StaticClass()
{
    using T = TsuiPopupMenu;
    static const TClassInfo Info =
        TClassBuilder<T>("TsuiPopupMenu", &TPopupMenu::StaticClass())
            .Component("FileTheme", &T::FileTheme, &T::SetFileTheme)
            .Enum("UIStyle", &T::UIStyle, &T::SetUIStyle, UIStyleNames())
            .NoDefault()
            .Stored(&T::IsUIStyleStored)
            .Integer("MenuItemHeight", &T::MenuItemHeight, &T::SetMenuItemHeight)
            .NoDefault()
            .Integer("SeparatorHeight", &T::SeparatorHeight, &T::SetSeparatorHeight)
            .NoDefault()
            .Integer("BarWidth", &T::BarWidth, &T::SetBarWidth)
            .Default(0)
            .Color("BarColor", &T::BarColor, &T::SetBarColor)
            .NoDefault()
            .Color("BarToColor", &T::BarToColor, &T::SetBarToColor)
            .NoDefault()
            .Color("Color", &T::Color, &T::SetColor)
            .NoDefault()
            .Color("SeparatorColor", &T::SeparatorColor, &T::SetSeparatorColor)
            .NoDefault()
            .Color("SelectedBorderColor", &T::SelectedBorderColor, &T::SetSelectedBorderColor)
            .NoDefault()
            .Color("SelectedColor", &T::SelectedColor, &T::SetSelectedColor)
            .NoDefault()
            .Color("SelectedFontColor", &T::SelectedFontColor, &T::SetSelectedFontColor)
            .NoDefault()
            .Color("FontColor", &T::FontColor, &T::SetFontColor)
            .NoDefault()
            .Color("BorderColor", &T::BorderColor, &T::SetBorderColor)
            .NoDefault()
            .Boolean("FlatMenu", &T::FlatMenu, &T::SetFlatMenu)
            .Default(false)
            .String("FontName", &T::FontName, &T::SetFontName)
            .Integer("FontSize", &T::FontSize, &T::SetFontSize)
            .Default(8)
            .Integer("FontCharset", &T::FontCharset, &T::SetFontCharset)
            .Default(DEFAULT_CHARSET)
            .Boolean("UseSystemFont", &T::UseSystemFont, &T::SetUseSystemFont)
            .Default(true)
            .Enum("BiDiMode", &T::BiDiMode, &T::SetBiDiMode, BiDiModeNames())
            .Default(bdLeftToRight)
            .Build();
    return Info;
}

TsuiPopupMenu::TsuiPopupMenu(TComponent* AOwner) : TPopupMenu(AOwner), TsuiSkinBinding(this)
{
    SetUIStyle(GetSUIFormStyle(AOwner));
}

void TsuiPopupMenu::ApplySkin()
{
    FBarWidth = 26;
    if (UIStyle() == MacOS)
    {
        FMenuItemHeight = 20;
        FSeparatorHeight = 12;
        FSeparatorColor = clBlack;
    }
    else
    {
        FMenuItemHeight = 21;
        FSeparatorHeight = 5;
        FSeparatorColor = TColor(0x848284);
    }
    TsuiUIStyle Style;
    if (UsesFileTheme(Style))
    {
        FBarColor = FileTheme()->GetColor(SKIN2_LEFTBARSTARTCOLOR);
        FBarToColor = FileTheme()->GetColor(SKIN2_LEFTBARENDCOLOR);
        FColor = FileTheme()->GetColor(SKIN2_MENUITEMCOLOR);
        FFontColor = FileTheme()->GetColor(SKIN2_MENUITEMFONTCOLOR);
        FSelectedBorderColor = FileTheme()->GetColor(SKIN2_SELECTEDMENUBORDERCOLOR);
        FSelectedColor = FileTheme()->GetColor(SKIN2_SELECTEDMENUCOLOR);
        FSelectedFontColor = FileTheme()->GetColor(SKIN2_SELECTEDMENUFONTCOLOR);
    }
    else
    {
        FBarColor = FBarToColor = GetInsideThemeColor(Style, SUI_ITEM_MENU_BAR_COLOR);
        FColor = GetInsideThemeColor(Style, SUI_ITEM_MENU_COLOR);
        FFontColor = GetInsideThemeColor(Style, SUI_ITEM_MENU_FONT_COLOR);
        FSelectedBorderColor = GetInsideThemeColor(Style, SUI_ITEM_MENU_SELECTED_BORDER_COLOR);
        FSelectedColor = GetInsideThemeColor(Style, SUI_ITEM_MENU_SELECTED_COLOR);
        FSelectedFontColor = GetInsideThemeColor(Style, SUI_ITEM_MENU_SELECTED_FONT_COLOR);
    }
}

void TsuiPopupMenu::SetMenuItemHeight(int Value)
{
    if (UIStyle() != MacOS) FMenuItemHeight = Value;
}

void TsuiPopupMenu::SetSeparatorHeight(int Value)
{
    if (UIStyle() != MacOS) FSeparatorHeight = Value;
}

void TsuiPopupMenu::MenuAdded()
{
    // An item that outlives the menu draws in the default look.
    TLifeGuard Guard(this);
    Menu_SetItemEvent(
        Items(),
        [this, Guard](TObject* Sender, TCanvas* Canvas, int& Width, int& Height)
        {
            if (Guard.Alive()) MeasureItem(Sender, Canvas, Width, Height);
        },
        [this, Guard](TObject* Sender, TCanvas* Canvas, const TRect& Rect, bool Selected)
        {
            if (Guard.Alive()) DrawItem(Sender, Canvas, Rect, Selected);
        });
}

void TsuiPopupMenu::MenuChanged(TMenuItem* Source)
{
    TPopupMenu::MenuChanged(Source);
    // An item added to the tree takes the handlers like the others.
    if (!ComponentState().Contains(csDestroying)) MenuAdded();
}

void TsuiPopupMenu::Loaded()
{
    TPopupMenu::Loaded();
    MenuAdded();
}

void TsuiPopupMenu::Notification(TComponent* AComponent, TOperation Operation)
{
    TPopupMenu::Notification(AComponent, Operation);
    if (Operation == opInsert)
    {
        auto* Item = dynamic_cast<TMenuItem*>(AComponent);
        if (Item && Item->GetParentMenu() == this) MenuAdded();
    }
    SkinNotification(AComponent, Operation);
}

void TsuiPopupMenu::SetItemFont(TCanvas* Canvas, const TMenuItem* Item) const
{
    if (FUseSystemFont)
        Menu_GetSystemFont(Canvas->Font());
    else
    {
        Canvas->Font()->SetName(FFontName);
        Canvas->Font()->SetSize(FFontSize);
        Canvas->Font()->SetCharset(FFontCharset);
    }
    Canvas->Font()->SetStyle(Item->Default() ? TFontStyles{fsBold} : TFontStyles{});
}

void TsuiPopupMenu::MeasureItem(TObject* Sender, TCanvas* Canvas, int& Width, int& Height)
{
    auto* Item = dynamic_cast<TMenuItem*>(Sender);
    if (!Item) return;
    if (Item->IsLine())
    {
        Height = FSeparatorHeight;
        return;
    }
    SetItemFont(Canvas, Item);
    Height = std::max(Canvas->TextHeight(Item->Caption()), FMenuItemHeight);
    Width = Canvas->TextWidth(Item->Caption()) +
            Canvas->TextWidth(ShortCutToText(Item->ShortCut())) + FBarWidth + 40;
}

void TsuiPopupMenu::DrawBar(TCanvas* Canvas, const TRect& Rect, bool LeftToRight) const
{
    if (FBarWidth <= 0) return;
    TRect Bar = LeftToRight ? TRect{Rect.Left, Rect.Top, Rect.Left + FBarWidth, Rect.Bottom}
                            : TRect{Rect.Right - FBarWidth, Rect.Top, Rect.Right, Rect.Bottom};
    if (FBarColor == FBarToColor)
        Menu_DrawBackGround(Canvas, Bar, FBarColor);
    else
        DrawVerticalGradient(Canvas, Bar, FBarColor, FBarToColor);
}

void TsuiPopupMenu::DrawItem(TObject* Sender, TCanvas* Canvas, const TRect& Rect, bool Selected)
{
    auto* Item = dynamic_cast<TMenuItem*>(Sender);
    if (!Item) return;
    const bool LeftToRight = !(SysLocale().MiddleEast && FBiDiMode != bdLeftToRight);
    if (FFlatMenu)
    {
        TsuiUIStyle Style;
        TColor Edge = UsesFileTheme(Style) ? FileTheme()->GetColor(SKIN2_FORMCOLOR)
                                           : GetInsideThemeColor(Style, SUI_ITEM_FORM_COLOR);
        Menu_DrawWindowBorder(WindowFromDC(Canvas->Handle()), clBlack, Edge);
    }
    TRect Rest = LeftToRight ? TRect{Rect.Left + FBarWidth, Rect.Top, Rect.Right, Rect.Bottom}
                             : TRect{Rect.Left, Rect.Top, Rect.Right - FBarWidth, Rect.Bottom};
    if (Item->IsLine())
    {
        if (UIStyle() == MacOS)
            Menu_DrawMacOSLineItem(Canvas, Rect);
        else
        {
            DrawBar(Canvas, Rect, LeftToRight);
            Menu_DrawBackGround(Canvas, Rest, FColor);
            Menu_DrawLineItem(Canvas, Rect, FSeparatorColor, LeftToRight, FBarWidth);
        }
        return;
    }

    const bool Enabled = Item->Enabled();
    if (Selected && Enabled)
    {
        if (UIStyle() == MacOS)
            Menu_DrawMacOSSelectedItem(Canvas, Rect);
        else
        {
            Menu_DrawBackGround(Canvas, Rect, FSelectedColor);
            Menu_DrawBorder(Canvas, Rect, FSelectedBorderColor);
        }
    }
    else if (UIStyle() == MacOS)
        Menu_DrawMacOSNonSelectedItem(Canvas, Rect);
    else
    {
        DrawBar(Canvas, Rect, LeftToRight);
        Menu_DrawBackGround(Canvas, Rest, FColor);
    }

    SetItemFont(Canvas, Item);
    Canvas->Brush()->SetStyle(bsClear);
    Canvas->Font()->SetColor(!Enabled   ? TColor(0x808080)
                             : Selected ? FSelectedFontColor
                                        : FFontColor);
    TRect Caption = LeftToRight
                        ? TRect{Rect.Left + FBarWidth + 4, Rect.Top, Rect.Right, Rect.Bottom}
                        : TRect{Rect.Left + FBarWidth, Rect.Top, Rect.Right - 4, Rect.Bottom};
    Canvas->DrawText(Item->Caption(), Caption,
                     DT_SINGLELINE | DT_VCENTER | (LeftToRight ? DT_LEFT : DT_RIGHT));
    const std::string Keys = ShortCutToText(Item->ShortCut());
    if (!Keys.empty())
    {
        int Width = Canvas->TextWidth(Keys);
        TRect Key = LeftToRight
                        ? TRect{Rect.Right - Width - 16, Rect.Top, Rect.Right, Rect.Bottom}
                        : TRect{Rect.Left + FBarWidth + 4, Rect.Top, Rect.Right, Rect.Bottom};
        Canvas->DrawText(Keys, Key, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    }

    const int G = LeftToRight ? Rect.Left + 4 : Rect.Right - 20;
    const TImageList* Images = this->Images();
    const bool HasImage = Item->ImageIndex() != -1 && Images && Item->ImageIndex() >= 0 &&
                          Item->ImageIndex() < Images->Count();
    if (Item->Checked())
    {
        if (HasImage)
        {
            Menu_DrawBackGround(Canvas, {G - 2, Rect.Top + 1, G + 17, Rect.Top + 20}, clBlack);
            Menu_DrawBackGround(Canvas, {G - 1, Rect.Top + 2, G + 16, Rect.Top + 19},
                                FSelectedColor);
        }
        else
            Menu_CheckMarkImages().Draw(Canvas, G, Rect.Top + 3, 0, Enabled);
    }
    if (HasImage) Images->Draw(Canvas, G, Rect.Top + 3, Item->ImageIndex(), Enabled);
}
