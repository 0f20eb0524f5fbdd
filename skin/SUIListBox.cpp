#include "skin/SUIListBox.h"

#include "framework/PropertyRegistry.h"
#include "platform/win/WinApi.h"
#include "skin/ControlBorder.h"
#include "skin/SUIFileTheme.h"
#include "skin/SUIStyleApply.h"

template <class TBase>
TsuiListSkin<TBase>::TsuiListSkin(TComponent* AOwner) : TBase(AOwner), TsuiSkinBinding(this)
{
    SetUIStyle(GetSUIFormStyle(AOwner));
}

template <class TBase> void TsuiListSkin<TBase>::ApplySkin()
{
    TsuiUIStyle Style;
    FBorderColor = UsesFileTheme(Style)
                       ? FileThemeColor(FileTheme(), SKIN2_CONTROLBORDERCOLOR).value_or(clBlack)
                       : GetInsideThemeColor(Style, SUI_ITEM_CONTROL_BORDER_COLOR);
    FBars.Load(UIStyle(), FileTheme());
    this->Invalidate();
}

template <class TBase>
void TsuiListSkin<TBase>::Notification(TComponent* AComponent, TOperation Operation)
{
    TBase::Notification(AComponent, Operation);
    SkinNotification(AComponent, Operation);
}

template <class TBase> TMessageMap TsuiListSkin<TBase>::SkinMessages(const TMessageMap* Parent)
{
    TMessageMap Map(Parent);
    Map.On(WM_NCPAINT, &TsuiListSkin::WMNCPaintSkinned);
    return Map;
}

template <class TBase> void TsuiListSkin<TBase>::WMNCPaintSkinned(TMessage& M)
{
    this->WMNCPaint(M);
    if (this->BorderStyle() == bsSingle) DrawControlBorder(this, FBorderColor, this->Color(), true);
}

template class TsuiListSkin<TListBox>;
template class TsuiListSkin<TCheckListBox>;

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
    static const TMessageMap Map = SkinMessages(&TListBox::StaticMessages());
    return Map;
}

TsuiCheckListBox::TsuiCheckListBox(TComponent* AOwner)
    : TsuiListSkin(AOwner), FChecks(std::make_unique<TBitmap>())
{
    ApplySkin();
}

const TClassInfo& TsuiCheckListBox::StaticClass()
{
    static const TClassInfo Info =
        TClassBuilder<TsuiCheckListBox>("TsuiCheckListBox", &TCheckListBox::StaticClass())
            .Component("FileTheme", &TsuiCheckListBox::FileTheme, &TsuiCheckListBox::SetFileTheme)
            .Enum("UIStyle", &TsuiCheckListBox::UIStyle, &TsuiCheckListBox::SetUIStyle,
                  UIStyleNames())
            .Stored(&TsuiCheckListBox::IsUIStyleStored)
            .Build();
    return Info;
}

const TMessageMap& TsuiCheckListBox::StaticMessages()
{
    static const TMessageMap Map = SkinMessages(&TCheckListBox::StaticMessages());
    return Map;
}

void TsuiCheckListBox::ApplySkin()
{
    TsuiUIStyle Style;
    if (UsesFileTheme(Style))
        FileTheme()->GetBitmap2(SKIN2_CHECKBOXLIST, FChecks.get());
    else
        GetInsideThemeBitmap(Style, SUI_ITEM_CHECKLIST_IMAGE, FChecks.get());
    TsuiListSkin::ApplySkin();
}

void TsuiCheckListBox::DrawItem(int Index, const TRect& R, bool Selected, bool Focus)
{
    TCheckListBox::DrawItem(Index, R, Selected, Focus);
    if (FChecks->Empty()) return;
    const bool Usable = Enabled() && ItemEnabled(Index);
    const TCheckBoxState Check = State(Index);
    const int Frame = Check == cbGrayed ? 3 : (Usable ? 1 : 3) + (Check == cbChecked ? 0 : 1);
    TBitmap Picture;
    SpitBitmap(FChecks.get(), &Picture, 4, Frame);
    if (Picture.Empty()) return;
    TCanvas* C = Canvas();
    const TRect Box = CheckBoxRect(R);
    C->Brush()->SetStyle(bsSolid);
    C->Brush()->SetColor(Color());
    C->FillRect(Box);
    C->Draw(Box.Left + (Box.Width() - Picture.Width()) / 2,
            Box.Top + (Box.Height() - Picture.Height()) / 2, &Picture);
}
