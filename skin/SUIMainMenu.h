#pragma once

#include "framework/menus/MainMenu.h"
#include "skin/SUISkinBinding.h"

#include <memory>
#include <string>

class TsuiForm;
class TsuiPopupMenu;

// A main menu for a skinned form's menu bar. The form takes the menu's
// style, file theme and font for the bar's entries; the drop-down menus
// draw their items as a skinned popup menu of the same style does.
// OwnerDraw is always true.
//
// The form the menu is shown on sets and clears Form; a change of the
// menu's items, style or font reaches that form's menu bar.
class TsuiMainMenu : public TMainMenu, public TsuiSkinBinding
{
  public:
    explicit TsuiMainMenu(TComponent* AOwner);

    static const TClassInfo& StaticClass();
    const TClassInfo& ClassInfo() const override { return StaticClass(); }

    bool OwnerDraw() const override { return true; }
    void SetOwnerDraw(bool) override {}

    // The bar's and the items' font: the system's menu font, or the one
    // named here.
    bool UseSystemFont() const { return FUseSystemFont; }
    void SetUseSystemFont(bool Value);
    const std::string& FontName() const { return FFontName; }
    void SetFontName(const std::string& Value);
    int FontSize() const { return FFontSize; }
    void SetFontSize(int Value);
    int FontCharset() const { return FFontCharset; }
    void SetFontCharset(int Value);
    // The colour of the bar's entries when UseSystemFont is off.
    TColor FontColor() const { return FFontColor; }
    void SetFontColor(TColor Value);

    // The skinned form showing the menu, or null.
    TsuiForm* Form() const { return FForm; }
    void SetForm(TsuiForm* Value) { FForm = Value; }

    void MenuChanged(TMenuItem* Source) override;

  protected:
    void Loaded() override;
    // The painter takes the style, theme and font; the form's bar repaints.
    void ApplySkin() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

  private:
    // Gives every item of the tree the drawing of the item painter.
    void HandItemsOn();

    bool FUseSystemFont = true;
    std::string FFontName = "MS Sans Serif";
    int FFontSize = 8;
    int FFontCharset = 1;
    TColor FFontColor = clBlack;
    TsuiForm* FForm = nullptr;
    // Draws the drop-down items; never shown itself.
    std::unique_ptr<TsuiPopupMenu> FPainter;
};

// Makes the skinned main menu and the menu bar known to form definitions by
// their class names.
void RegisterSkinMenuClasses();
