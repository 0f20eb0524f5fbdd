#include "skin/SUITabControl.h"

#include "framework/PropertyRegistry.h"
#include "platform/gfx/DrawText.h"
#include "skin/DoTrans.h"
#include "skin/SUIFileTheme.h"
#include "skin/SUIStyleApply.h"
#include "skin/SpitDraw.h"

#include <algorithm>

template <class TBase>
TsuiTabSkin<TBase>::TsuiTabSkin(TComponent* AOwner) : TBase(AOwner), TsuiSkinBinding(this)
{
    SetUIStyle(GetSUIFormStyle(AOwner));
}

template <class TBase> void TsuiTabSkin<TBase>::SetBorderColor(TColor Value)
{
    FBorderColor = Value;
    this->Invalidate();
}

template <class TBase> void TsuiTabSkin<TBase>::SetActiveFontColor(TColor Value)
{
    FActiveFontColor = Value;
    this->Invalidate();
}

template <class TBase> void TsuiTabSkin<TBase>::SetInactiveFontColor(TColor Value)
{
    FInactiveFontColor = Value;
    this->Invalidate();
}

template <class TBase> void TsuiTabSkin<TBase>::ApplySkin()
{
    TsuiUIStyle Style;
    FSelectedTab.SetSize(0, 0);
    FOtherTab.SetSize(0, 0);
    FLine.SetSize(0, 0);
    if (UsesFileTheme(Style))
    {
        TsuiFileTheme* Theme = FileTheme();
        Theme->GetBitmap2(SKIN2_TABCONTROL, &FSelectedTab);
        FOtherTab.Assign(&FSelectedTab);
        Theme->GetBitmap2(SKIN2_TABCONTROLLINE, &FLine);
        const TColor Line =
            FLine.Empty() ? clBtnFace : FLine.Surface().Pixel(0, FLine.Height() - 1);
        this->SetColor(FileThemeColor(Theme, SKIN2_TABCONTROLCOLOR).value_or(Line));
        FBorderColor = FileThemeColor(Theme, SKIN2_TABCONTROLBORDERCOLOR).value_or(clBlack);
        FActiveFontColor = FileThemeColor(Theme, SKIN2_TABCONTROLACTIVEFONTCOLOR).value_or(clBlack);
        FInactiveFontColor =
            FileThemeColor(Theme, SKIN2_TABCONTROLINACTIVEFONTCOLOR).value_or(FActiveFontColor);
        FBackColor = Theme->GetBool(SKIN2_TABCONTROLTRANS)
                         ? clNone
                         : FileThemeColor(Theme, SKIN2_FORMCOLOR).value_or(clNone);
    }
    else
    {
        GetInsideThemeBitmap(Style, SUI_ITEM_TAB_IMAGE, &FSelectedTab, 2, 1);
        GetInsideThemeBitmap(Style, SUI_ITEM_TAB_IMAGE, &FOtherTab, 2, 2);
        GetInsideThemeBitmap(Style, SUI_ITEM_TAB_LINE_IMAGE, &FLine);
        // The selected tab opens into the body, so the body takes its face;
        // the line's rim frames it.
        this->SetColor(
            FSelectedTab.Surface().Pixel(FSelectedTab.Width() / 2, FSelectedTab.Height() / 2));
        FBorderColor = FLine.Surface().Pixel(0, 0);
        FActiveFontColor = GetInsideThemeColor(Style, SUI_ITEM_CONTROL_FONT_COLOR);
        FInactiveFontColor = GetInsideThemeColor(Style, SUI_ITEM_MENU_FONT_COLOR);
        FBackColor = clNone;
    }
    this->Invalidate();
}

template <class TBase>
void TsuiTabSkin<TBase>::Notification(TComponent* AComponent, TOperation Operation)
{
    TBase::Notification(AComponent, Operation);
    SkinNotification(AComponent, Operation);
}

template <class TBase> void TsuiTabSkin<TBase>::Paint()
{
    FBuffer.SetSize(this->ClientWidth(), this->ClientHeight());
    if (FBuffer.Empty()) return;
    this->PaintTo(FBuffer.Canvas());
    this->Canvas()->Draw(0, 0, &FBuffer);
}

template <class TBase> void TsuiTabSkin<TBase>::DrawBackground(TCanvas* C, const TRect& Client)
{
    C->Brush()->SetStyle(bsSolid);
    C->Brush()->SetColor(FBackColor == clNone ? this->Color() : FBackColor);
    C->FillRect(Client);
    if (FBackColor == clNone) DoTrans(C, this);
}

template <class TBase> void TsuiTabSkin<TBase>::DrawBody(TCanvas* C, const TRect& Body)
{
    if (Body.Height() <= 0) return;
    C->Brush()->SetStyle(bsSolid);
    C->Brush()->SetColor(this->Color());
    C->FillRect(Body);
    if (!FLine.Empty())
        C->StretchDraw(
            {Body.Left, Body.Top, Body.Right, Body.Top + std::min(FLine.Height(), Body.Height())},
            &FLine);
    // The frame over the line's ends, so the sides run up to its rim.
    C->Brush()->SetColor(FBorderColor);
    C->FillRect({Body.Left, Body.Top, Body.Left + 1, Body.Bottom});
    C->FillRect({Body.Right - 1, Body.Top, Body.Right, Body.Bottom});
    C->FillRect({Body.Left, Body.Bottom - 1, Body.Right, Body.Bottom});
}

template <class TBase>
void TsuiTabSkin<TBase>::DrawTab(TCanvas* C, int Index, const TRect& R, bool Selected)
{
    SpitDraw(Selected ? &FSelectedTab : &FOtherTab, C, R, true);
    C->Brush()->SetStyle(bsClear);
    C->Font()->SetColor(!this->Enabled() ? clGrayText
                        : Selected       ? FActiveFontColor
                                         : FInactiveFontColor);
    TRect Text{R.Left, R.Top + (Selected ? 0 : 1), R.Right, R.Bottom - (Selected ? 1 : 0)};
    C->DrawText(this->TabList()->Strings(Index), Text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

template class TsuiTabSkin<TTabControl>;
template class TsuiTabSkin<TPageControl>;

namespace
{
template <class T> TClassBuilder<T>& AddTabSkinProperties(TClassBuilder<T>& B)
{
    return B.Component("FileTheme", &T::FileTheme, &T::SetFileTheme)
        .Enum("UIStyle", &T::UIStyle, &T::SetUIStyle, UIStyleNames())
        .Stored(&T::IsUIStyleStored)
        .Color("BorderColor", &T::BorderColor, &T::SetBorderColor)
        .NoDefault()
        .Color("ActiveFontColor", &T::ActiveFontColor, &T::SetActiveFontColor)
        .NoDefault()
        .Color("InactiveFontColor", &T::InactiveFontColor, &T::SetInactiveFontColor)
        .NoDefault();
}
} // namespace

const TClassInfo& TsuiTabControl::StaticClass()
{
    static const TClassInfo Info = []
    {
        TClassBuilder<TsuiTabControl> B("TsuiTabControl", &TTabControl::StaticClass());
        return AddTabSkinProperties(B).Build();
    }();
    return Info;
}

const TClassInfo& TsuiPageControl::StaticClass()
{
    static const TClassInfo Info = []
    {
        TClassBuilder<TsuiPageControl> B("TsuiPageControl", &TPageControl::StaticClass());
        return AddTabSkinProperties(B).Build();
    }();
    return Info;
}
