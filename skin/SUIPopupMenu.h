#pragma once

#include "framework/controls/ControlTypes.h"
#include "framework/menus/PopupMenu.h"
#include "skin/SUISkinBinding.h"

#include <string>

// A popup menu whose items the menu draws itself: a colour bar down the
// leading side, a flat background, a framed highlight on the selected
// (enabled) item, thin separators, check marks and images, in the colours
// of UIStyle or of the file theme. OwnerDraw is always true. A style change
// sets the bar width, the heights and every colour; in MacOS the heights
// are fixed (20 and 12) and writing them is ignored.
//
// Every item of the menu's tree gets the menu's measure and draw handlers:
// those there when the menu is read or MenuAdded is called, and those added
// to the tree later.
class TsuiPopupMenu : public TPopupMenu, public TsuiSkinBinding
{
  public:
    explicit TsuiPopupMenu(TComponent* AOwner);

    static const TClassInfo& StaticClass();
    const TClassInfo& ClassInfo() const override { return StaticClass(); }

    bool OwnerDraw() const override { return true; }
    void SetOwnerDraw(bool) override {}

    int MenuItemHeight() const { return FMenuItemHeight; }
    void SetMenuItemHeight(int Value);
    int SeparatorHeight() const { return FSeparatorHeight; }
    void SetSeparatorHeight(int Value);
    int BarWidth() const { return FBarWidth; }
    void SetBarWidth(int Value) { FBarWidth = Value; }
    TColor BarColor() const { return FBarColor; }
    void SetBarColor(TColor Value) { FBarColor = Value; }
    TColor BarToColor() const { return FBarToColor; }
    void SetBarToColor(TColor Value) { FBarToColor = Value; }
    TColor Color() const { return FColor; }
    void SetColor(TColor Value) { FColor = Value; }
    TColor SeparatorColor() const { return FSeparatorColor; }
    void SetSeparatorColor(TColor Value) { FSeparatorColor = Value; }
    TColor SelectedBorderColor() const { return FSelectedBorderColor; }
    void SetSelectedBorderColor(TColor Value) { FSelectedBorderColor = Value; }
    TColor SelectedColor() const { return FSelectedColor; }
    void SetSelectedColor(TColor Value) { FSelectedColor = Value; }
    TColor SelectedFontColor() const { return FSelectedFontColor; }
    void SetSelectedFontColor(TColor Value) { FSelectedFontColor = Value; }
    TColor FontColor() const { return FFontColor; }
    void SetFontColor(TColor Value) { FFontColor = Value; }
    // Kept and stored; the menu draws no border in it.
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor Value) { FBorderColor = Value; }
    // Redraws the menu window's border flat.
    bool FlatMenu() const { return FFlatMenu; }
    void SetFlatMenu(bool Value) { FFlatMenu = Value; }
    // The item font when UseSystemFont is off.
    const std::string& FontName() const { return FFontName; }
    void SetFontName(const std::string& Value) { FFontName = Value; }
    int FontSize() const { return FFontSize; }
    void SetFontSize(int Value) { FFontSize = Value; }
    int FontCharset() const { return FFontCharset; }
    void SetFontCharset(int Value) { FFontCharset = Value; }
    bool UseSystemFont() const { return FUseSystemFont; }
    // Reading order: anything but left to right lays the items out mirrored
    // (bar at the right) under a right-to-left locale.
    TBiDiMode BiDiMode() const { return FBiDiMode; }
    void SetBiDiMode(TBiDiMode Value) { FBiDiMode = Value; }
    void SetUseSystemFont(bool Value) { FUseSystemFont = Value; }

    // Gives every item of the tree the menu's handlers.
    void MenuAdded();
    void MenuChanged(TMenuItem* Source) override;

    // The handlers: an item's size (Width and Height come preset) and its
    // drawing into Rect of the menu window.
    void MeasureItem(TObject* Sender, TCanvas* Canvas, int& Width, int& Height);
    void DrawItem(TObject* Sender, TCanvas* Canvas, const TRect& Rect, bool Selected);

  protected:
    void Loaded() override;
    void ApplySkin() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

  private:
    void SetItemFont(TCanvas* Canvas, const TMenuItem* Item) const;
    void DrawBar(TCanvas* Canvas, const TRect& Rect, bool LeftToRight) const;

    int FMenuItemHeight = 21;
    int FSeparatorHeight = 21;
    int FBarWidth = 0;
    TColor FBarColor = clBtnFace;
    TColor FBarToColor = clBtnFace;
    TColor FColor = clWhite;
    TColor FSeparatorColor = TColor(0x808080);
    TColor FSelectedBorderColor = clHighlight;
    TColor FSelectedColor = clHighlight;
    TColor FSelectedFontColor = clWhite;
    TColor FFontColor = clWhite;
    TColor FBorderColor = clBlack;
    bool FFlatMenu = false;
    std::string FFontName = "MS Sans Serif";
    int FFontSize = 8;
    int FFontCharset = 1;
    bool FUseSystemFont = true;
    TBiDiMode FBiDiMode = bdLeftToRight;
};
