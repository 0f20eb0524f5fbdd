#include "skin/SUIMainMenu.h"

#include "framework/ClassRegistry.h"
#include "framework/PropertyRegistry.h"
#include "skin/SUIFileTheme.h"
#include "skin/SUIForm.h"
#include "skin/SUIMenuBar.h"
#include "skin/SUIPopupMenu.h"
#include "skin/SUIStyleApply.h"
#include "skin/Suimenu.h"

const TClassInfo& TsuiMainMenu::StaticClass()
{
    using T = TsuiMainMenu;
    static const TClassInfo Info =
        TClassBuilder<T>("TsuiMainMenu", &TMainMenu::StaticClass())
            .Component("FileTheme", &T::FileTheme, &T::SetFileTheme)
            .Enum("UIStyle", &T::UIStyle, &T::SetUIStyle, UIStyleNames())
            .NoDefault()
            .Stored(&T::IsUIStyleStored)
            .Boolean("UseSystemFont", &T::UseSystemFont, &T::SetUseSystemFont)
            .Default(true)
            .String("FontName", &T::FontName, &T::SetFontName)
            .Integer("FontSize", &T::FontSize, &T::SetFontSize)
            .Default(8)
            .Integer("FontCharset", &T::FontCharset, &T::SetFontCharset)
            .Default(DEFAULT_CHARSET)
            .Color("FontColor", &T::FontColor, &T::SetFontColor)
            .Default(clBlack)
            .Build();
    return Info;
}

TsuiMainMenu::TsuiMainMenu(TComponent* AOwner)
    : TMainMenu(AOwner), TsuiSkinBinding(this), FPainter(std::make_unique<TsuiPopupMenu>(nullptr))
{
    SetUIStyle(GetSUIFormStyle(AOwner));
}

void TsuiMainMenu::ApplySkin()
{
    FPainter->SetFileTheme(FileTheme());
    FPainter->SetUIStyle(UIStyle());
    FPainter->SetUseSystemFont(FUseSystemFont);
    FPainter->SetFontName(FFontName);
    FPainter->SetFontSize(FFontSize);
    FPainter->SetFontCharset(FFontCharset);
    FPainter->SetImages(Images());
    if (FForm) FForm->RepaintMenuBar();
}

void TsuiMainMenu::SetUseSystemFont(bool Value)
{
    FUseSystemFont = Value;
    ApplySkin();
}

void TsuiMainMenu::SetFontName(const std::string& Value)
{
    FFontName = Value;
    ApplySkin();
}

void TsuiMainMenu::SetFontSize(int Value)
{
    FFontSize = Value;
    ApplySkin();
}

void TsuiMainMenu::SetFontCharset(int Value)
{
    FFontCharset = Value;
    ApplySkin();
}

void TsuiMainMenu::SetFontColor(TColor Value)
{
    FFontColor = Value;
    ApplySkin();
}

void TsuiMainMenu::HandItemsOn()
{
    // An item that outlives the menu draws in the default look.
    TLifeGuard Guard(this);
    Menu_SetItemEvent(
        Items(),
        [this, Guard](TObject* Sender, TCanvas* Canvas, int& Width, int& Height)
        {
            if (Guard.Alive()) FPainter->MeasureItem(Sender, Canvas, Width, Height);
        },
        [this, Guard](TObject* Sender, TCanvas* Canvas, const TRect& Rect, bool Selected)
        {
            if (Guard.Alive()) FPainter->DrawItem(Sender, Canvas, Rect, Selected);
        });
}

void TsuiMainMenu::MenuChanged(TMenuItem* Source)
{
    TMainMenu::MenuChanged(Source);
    if (ComponentState().Contains(csDestroying)) return;
    HandItemsOn();
    FPainter->SetImages(Images());
    if (FForm) FForm->MenuChanged();
}

void TsuiMainMenu::Loaded()
{
    TMainMenu::Loaded();
    HandItemsOn();
    ApplySkin();
}

void TsuiMainMenu::Notification(TComponent* AComponent, TOperation Operation)
{
    TMainMenu::Notification(AComponent, Operation);
    if (Operation == opInsert)
    {
        auto* Item = dynamic_cast<TMenuItem*>(AComponent);
        if (Item && Item->GetParentMenu() == this) HandItemsOn();
    }
    SkinNotification(AComponent, Operation);
}

void RegisterSkinMenuClasses()
{
    RegisterClasses({&TsuiMainMenu::StaticClass(), &TsuiMenuBar::StaticClass()});
}
