#include "skin/SUIListBox.h"

#include "framework/PropertyRegistry.h"
#include "platform/win/WinApi.h"
#include "skin/ControlBorder.h"
#include "skin/SUIFileTheme.h"
#include "skin/SUIStyleApply.h"

const TClassInfo& TsuiListBox::StaticClass()
{
    static const TClassInfo Info =
        TClassBuilder<TsuiListBox>("TsuiListBox", &TListBox::StaticClass())
            .Component("FileTheme", &TsuiListBox::FileTheme, &TsuiListBox::SetFileTheme)
            .Enum("UIStyle", &TsuiListBox::UIStyle, &TsuiListBox::SetUIStyle, UIStyleNames())
            .Stored(&TsuiListBox::IsUIStyleStored)
            .Build();
    return Info;
}

const TMessageMap& TsuiListBox::StaticMessages()
{
    static const TMessageMap Map =
        TMessageMap(&TListBox::StaticMessages()).On(WM_NCPAINT, &TsuiListBox::WMNCPaintSkinned);
    return Map;
}

TsuiListBox::TsuiListBox(TComponent* AOwner) : TListBox(AOwner), TsuiSkinBinding(this)
{
    SetUIStyle(GetSUIFormStyle(AOwner));
}

void TsuiListBox::ApplySkin()
{
    TsuiUIStyle Style;
    FBorderColor = UsesFileTheme(Style)
                       ? FileThemeColor(FileTheme(), SKIN2_CONTROLBORDERCOLOR).value_or(clBlack)
                       : GetInsideThemeColor(Style, SUI_ITEM_CONTROL_BORDER_COLOR);
    FBars.Load(UIStyle(), FileTheme());
    Invalidate();
}

void TsuiListBox::Notification(TComponent* AComponent, TOperation Operation)
{
    TListBox::Notification(AComponent, Operation);
    SkinNotification(AComponent, Operation);
}

void TsuiListBox::WMNCPaintSkinned(TMessage& M)
{
    WMNCPaint(M);
    if (BorderStyle() == bsSingle) DrawControlBorder(this, FBorderColor, Color(), true);
}
