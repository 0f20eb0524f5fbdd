#include "skin/SUIComboBox.h"

#include "framework/stdctrls/ListBox.h"

#include "framework/PropertyRegistry.h"
#include "framework/controls/ControlCanvas.h"
#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Canvas.h"
#include "platform/gfx/DcSaver.h"
#include "platform/gfx/Shapes.h"
#include "platform/win/WinApi.h"
#include "platform/win/WindowDcScope.h"
#include "skin/SUIFileTheme.h"
#include "skin/SUIStyleApply.h"
#include "skin/SkinWindows.h"

// Painting ---------------------------------------------------------------

void DrawComboBoxArrow(TCanvas* Canvas, int X, int Y, TColor Color, bool Enabled)
{
    auto Triangle = [Canvas](int Dx, TColor C)
    {
        Canvas->Brush()->SetStyle(bsSolid);
        Canvas->Brush()->SetColor(C);
        Canvas->Pen()->SetColor(C);
        Canvas->Polygon({{Dx, Dx}, {6 + Dx, Dx}, {3 + Dx, 3 + Dx}});
    };
    // The triangle's corners are relative to (X, Y).
    TDcSaver Saved(*Canvas->Handle());
    Canvas->Handle()->OffsetViewportOrg(X, Y);
    if (Enabled)
        Triangle(0, Color);
    else
    {
        Triangle(1, clWhite);
        Triangle(0, TColor(0x808080));
    }
}

void DrawComboBoxSkin(TCustomComboBox& Combo, TsuiUIStyle UIStyle, const TsuiComboColors& Colors,
                      bool Dropped, bool SimpleUnpainted)
{
    if (!Combo.HandleAllocated()) return;
    COMBOBOXINFO Info{};
    Info.cbSize = sizeof(Info);
    if (!SUIGetComboBoxInfo(Combo.Handle(), Info)) return;
    if (SimpleUnpainted && Combo.Style() == csSimple) return;

    TControlCanvas Canvas(&Combo);
    if (!Canvas.Handle()) return;
    TRect Client = Combo.ClientRect();
    Canvas.Brush()->SetStyle(bsSolid);
    Canvas.Brush()->SetColor(Colors.Border);
    Canvas.FrameRect(Client);
    Canvas.Brush()->SetColor(Combo.Color());
    Canvas.FrameRect(Client.Inflate(-1, -1));

    if (Dropped && Info.hwndList)
    {
        // The list paints itself first, so the frame stays on top.
        UpdateWindow(Info.hwndList);
        RECT L;
        GetWindowRect(Info.hwndList, &L);
        if (TWindowDcScope Screen(nullptr); Screen)
            FrameRect(*Screen.Dc(), {L.left, L.top, L.right, L.bottom},
                      gfx::TBrush::Solid(ColorToRGB(Colors.Border)));
    }

    TRect B{Info.rcButton.left, Info.rcButton.top, Info.rcButton.right, Info.rcButton.bottom};
    if (UIStyle == MacOS || UIStyle == WinXP)
    {
        TBitmap Button;
        Button.LoadFromResourceName(UIStyle == MacOS ? "MACOS_COMBOBOX_BUTTON"
                                                     : "WINXP_COMBOBOX_BUTTON");
        Canvas.StretchDraw(B, &Button);
    }
    else
    {
        Canvas.Brush()->SetColor(Colors.Button);
        Canvas.FillRect(B);
        // Right-to-left reading puts the separator on the button's far side.
        const int X = Combo.UseRightToLeftAlignment() ? B.Right : B.Left;
        Canvas.Pen()->SetColor(Colors.Border);
        Canvas.MoveTo(X, B.Top - 1);
        Canvas.LineTo(X, B.Bottom + 1);
    }
    // The arrow's row is measured from the client top, not from the button's.
    int X = B.Left + (B.Right - B.Left) / 2 - 3;
    int Y = (B.Bottom - B.Top) / 2;
    if (UIStyle != WinXP) DrawComboBoxArrow(&Canvas, X, Y, Colors.Arrow, Combo.Enabled());
}

TsuiComboColors ComboBoxStyleColors(const TsuiFileTheme* FileTheme, TsuiUIStyle UIStyle)
{
    TsuiComboColors C;
    TsuiUIStyle Style;
    if (UsingFileTheme(FileTheme, UIStyle, Style))
    {
        C.Border = FileTheme->GetColor(SKIN2_CONTROLBORDERCOLOR);
        C.Button = FileTheme->GetColor(SKIN2_CONTROLCOLOR);
    }
    else
    {
        C.Border = GetInsideThemeColor(Style, SUI_ITEM_CONTROL_BORDER_COLOR);
        C.Button = GetInsideThemeColor(Style, SUI_ITEM_FORM_COLOR);
    }
    C.Arrow = clBlack;
    return C;
}

// The skin over any framework combo box ----------------------------------

template <class TBase>
TsuiComboBoxSkin<TBase>::TsuiComboBoxSkin(TComponent* AOwner) : TBase(AOwner), TsuiSkinBinding(this)
{
    TControlStyle Style = this->ControlStyle();
    Style.Include(csOpaque);
    this->SetControlStyle(Style);
    this->SetBorderWidth(0);
    SetUIStyle(GetSUIFormStyle(AOwner));
}

template <class TBase> void TsuiComboBoxSkin<TBase>::ApplySkin()
{
    FColors = ComboBoxStyleColors(FileTheme(), UIStyle());
    this->Invalidate();
}

template <class TBase> void TsuiComboBoxSkin<TBase>::SetBorderColor(TColor Value)
{
    FColors.Border = Value;
    this->Invalidate();
}

template <class TBase> void TsuiComboBoxSkin<TBase>::SetButtonColor(TColor Value)
{
    FColors.Button = Value;
    this->Invalidate();
}

template <class TBase> void TsuiComboBoxSkin<TBase>::SetArrowColor(TColor Value)
{
    FColors.Arrow = Value;
    this->Invalidate();
}

template <class TBase>
void TsuiComboBoxSkin<TBase>::Notification(TComponent* AComponent, TOperation Operation)
{
    TBase::Notification(AComponent, Operation);
    SkinNotification(AComponent, Operation);
}

template <class TBase> void TsuiComboBoxSkin<TBase>::DropDown()
{
    typename TBase::TLifeGuard Guard(this);
    TBase::DropDown();
    if (!Guard.Alive()) return;
    if (TCustomListBox* List = this->ListControl())
    {
        FListBars = std::make_unique<TsuiWindowScrollBars>(List);
        FListBars->Load(UIStyle(), FileTheme());
    }
}

template <class TBase> void TsuiComboBoxSkin<TBase>::CloseUp()
{
    FListBars.reset();
    TBase::CloseUp();
    if (TWinControl* P = this->Parent()) P->Invalidate();
}

template <class TBase> void TsuiComboBoxSkin<TBase>::PaintSkin()
{
    DrawComboBoxSkin(*this, UIStyle(), FColors, ListDropped(), SimpleUnpainted());
}

template <class TBase> void TsuiComboBoxSkin<TBase>::WMPaint(TMessage& M)
{
    TBase::WMPaint(M);
    PaintSkin();
}

template <class TBase> void TsuiComboBoxSkin<TBase>::WMEraseBkgnd(TMessage& M)
{
    TBase::WMEraseBkgnd(M);
    PaintSkin();
}

template <class TBase> TMessageMap TsuiComboBoxSkin<TBase>::SkinMessages(const TMessageMap* Parent)
{
    TMessageMap Map(Parent);
    Map.On(WM_PAINT, &TsuiComboBoxSkin::WMPaint)
        .On(WM_ERASEBKGND, &TsuiComboBoxSkin::WMEraseBkgnd)
        .On(CM_ENABLEDCHANGED, &TsuiComboBoxSkin::CMEnabledChanged);
    return Map;
}

template <class TBase> void TsuiComboBoxSkin<TBase>::CMEnabledChanged(TMessage& M)
{
    TBase::CMEnabledChanged(M);
    this->Invalidate();
}

template <class TBase> bool TsuiDroppedComboBoxSkin<TBase>::DroppedDown() const
{
    return this->HandleAllocated() && SendMessage(this->Handle(), CB_GETDROPPEDSTATE, 0, 0) != 0;
}

template <class TBase> void TsuiDroppedComboBoxSkin<TBase>::SetDroppedDown(bool Value)
{
    this->Perform(CB_SHOWDROPDOWN, Value ? 1 : 0);
    if (this->HandleAllocated()) InvalidateRect(this->Handle(), nullptr, TRUE);
}

template class TsuiComboBoxSkin<TCustomComboBox>;
template class TsuiComboBoxSkin<TDriveComboBox>;
template class TsuiComboBoxSkin<TFilterComboBox>;
template class TsuiDroppedComboBoxSkin<TDriveComboBox>;
template class TsuiDroppedComboBoxSkin<TFilterComboBox>;

// Classes ----------------------------------------------------------------

namespace
{
// The skin's properties, first in every skinned combo box.
template <class T> TClassBuilder<T>& SkinProperties(TClassBuilder<T>& B)
{
    return B.Component("FileTheme", &T::FileTheme, &T::SetFileTheme)
        .Enum("UIStyle", &T::UIStyle, &T::SetUIStyle, UIStyleNames())
        .NoDefault()
        .Stored(&T::IsUIStyleStored)
        .Color("BorderColor", &T::BorderColor, &T::SetBorderColor)
        .NoDefault()
        .Color("ArrowColor", &T::ArrowColor, &T::SetArrowColor)
        .NoDefault()
        .Color("ButtonColor", &T::ButtonColor, &T::SetButtonColor)
        .NoDefault();
}

// The class of a skinned combo box that publishes DroppedDown.
template <class T> TClassInfo DroppedComboClass(const char* Name, const TClassInfo* Parent)
{
    TClassBuilder<T> B(Name, Parent);
    SkinProperties(B).Boolean("DroppedDown", &T::DroppedDown, &T::SetDroppedDown).Stored(false);
    return B.Build();
}
} // namespace

const TClassInfo& TsuiCustomComboBox::StaticClass()
{
    static const TClassInfo Info =
        TClassBuilder<TsuiCustomComboBox>("TsuiCustomComboBox", &TCustomComboBox::StaticClass())
            .Build();
    return Info;
}

const TMessageMap& TsuiCustomComboBox::StaticMessages()
{
    static const TMessageMap Map = SkinMessages(&TCustomComboBox::StaticMessages());
    return Map;
}

const TClassInfo& TsuiComboBox::StaticClass()
{
    static const TClassInfo Info = []
    {
        TClassBuilder<TsuiComboBox> B("TsuiComboBox", &TsuiCustomComboBox::StaticClass());
        SkinProperties(B)
            .Enum("Style", &TsuiComboBox::Style, &TsuiComboBox::SetStyle, ComboBoxStyleNames())
            .Default(csDropDown)
            .Integer("DropDownCount", &TsuiComboBox::DropDownCount, &TsuiComboBox::SetDropDownCount)
            .Default(8)
            .Integer("ItemHeight", &TsuiComboBox::ItemHeight, &TsuiComboBox::SetItemHeight)
            .Stored(&TsuiComboBox::IsItemHeightStored)
            .Integer("MaxLength", &TsuiComboBox::MaxLength, &TsuiComboBox::SetMaxLength)
            .Default(0)
            .Boolean("Sorted", &TsuiComboBox::Sorted, &TsuiComboBox::SetSorted)
            .Default(false)
            .Boolean("TabStop", &TsuiComboBox::TabStop, &TsuiComboBox::SetTabStop)
            .Default(true)
            .String("Text", &TsuiComboBox::Text, &TsuiComboBox::SetText)
            .Strings("Items", &TsuiComboBox::Items, &TsuiComboBox::SetItems)
            .Integer("ItemIndex", &TsuiComboBox::ItemIndex, &TsuiComboBox::SetItemIndex)
            .Default(-1)
            .Event("OnChange", &TsuiComboBox::OnChange)
            .Event("OnCloseUp", &TsuiComboBox::OnCloseUp)
            .Event("OnDropDown", &TsuiComboBox::OnDropDown)
            .Event("OnSelect", &TsuiComboBox::OnSelect);
        return B.Build();
    }();
    return Info;
}

const TClassInfo& TsuiDriveComboBox::StaticClass()
{
    static const TClassInfo Info =
        DroppedComboClass<TsuiDriveComboBox>("TsuiDriveComboBox", &TDriveComboBox::StaticClass());
    return Info;
}

const TMessageMap& TsuiDriveComboBox::StaticMessages()
{
    static const TMessageMap Map = SkinMessages(&TDriveComboBox::StaticMessages());
    return Map;
}

const TClassInfo& TsuiFilterComboBox::StaticClass()
{
    static const TClassInfo Info = DroppedComboClass<TsuiFilterComboBox>(
        "TsuiFilterComboBox", &TFilterComboBox::StaticClass());
    return Info;
}

const TMessageMap& TsuiFilterComboBox::StaticMessages()
{
    static const TMessageMap Map = SkinMessages(&TFilterComboBox::StaticMessages());
    return Map;
}
