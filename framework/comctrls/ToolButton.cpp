#include "framework/comctrls/ToolButton.h"

#include "framework/PropertyRegistry.h"
#include "framework/comctrls/ToolBar.h"
#include "framework/menus/MenuLoop.h"
#include "framework/menus/PopupMenu.h"
#include "platform/win/WinApi.h"

const TClassInfo& TToolButton::StaticClass()
{
    static const TClassInfo Info =
        TClassBuilder<TToolButton>("TToolButton", &TGraphicControl::StaticClass())
            .Boolean("AutoSize", &TToolButton::AutoSize, &TToolButton::SetAutoSize)
            .Default(false)
            .Boolean("Down", &TToolButton::Down, &TToolButton::SetDown)
            .Default(false)
            .Component("DropdownMenu", &TToolButton::DropdownMenu, &TToolButton::SetDropdownMenu)
            .Boolean("Grouped", &TToolButton::Grouped, &TToolButton::SetGrouped)
            .Default(false)
            .Integer("ImageIndex", &TToolButton::ImageIndex, &TToolButton::SetImageIndex)
            .Default(-1)
            .Component("MenuItem", &TToolButton::MenuItem, &TToolButton::SetMenuItem)
            .Enum("Style", &TToolButton::Style, &TToolButton::SetStyle,
                  {"tbsButton", "tbsCheck", "tbsDropDown", "tbsSeparator", "tbsDivider"})
            .Default(tbsButton)
            .Build();
    return Info;
}

const TMessageMap& TToolButton::StaticMessages()
{
    static const TMessageMap Map = TMessageMap(&TGraphicControl::StaticMessages())
                                       .On(CM_MOUSEENTER, &TToolButton::CMMouseEnter)
                                       .On(CM_MOUSELEAVE, &TToolButton::CMMouseLeave)
                                       .On(CM_TEXTCHANGED, &TToolButton::CMTextChanged)
                                       .On(CM_ENABLEDCHANGED, &TToolButton::CMEnabledChanged);
    return Map;
}

TToolButton::TToolButton(TComponent* AOwner) : TGraphicControl(AOwner)
{
    FControlStyle = {csCaptureMouse, csClickEvents, csSetCaption};
    FWidth = 23;
    FHeight = 22;
}

TToolButton::~TToolButton()
{
    if (TToolBar* Bar = ToolBar()) Bar->RemoveButton(this);
}

TToolBar* TToolButton::ToolBar() const
{
    return dynamic_cast<TToolBar*>(FParent);
}

void TToolButton::SetParent(TWinControl* AParent)
{
    if (AParent == FParent) return;
    if (TToolBar* Old = ToolBar()) Old->RemoveButton(this);
    TGraphicControl::SetParent(AParent);
    if (TToolBar* New = ToolBar()) New->InsertButton(this);
}

void TToolButton::LayoutChanged()
{
    if (TToolBar* Bar = ToolBar()) Bar->ArrangeButtons();
    Invalidate();
}

void TToolButton::SetStyle(TToolButtonStyle Value)
{
    if (FStyle == Value) return;
    FStyle = Value;
    LayoutChanged();
}

void TToolButton::SetImageIndex(int Value)
{
    if (FImageIndex == Value) return;
    FImageIndex = Value;
    Invalidate();
}

void TToolButton::SetDown(bool Value)
{
    if (FDown == Value) return;
    FDown = Value;
    // Grouped check buttons: the one going down takes the others up.
    if (Value && FGrouped && FStyle == tbsCheck)
        if (TToolBar* Bar = ToolBar())
            for (TToolButton* B : Bar->FButtons)
                if (B != this && B->FGrouped && B->FStyle == tbsCheck) B->SetDown(false);
    Invalidate();
}

void TToolButton::SetAutoSize(bool Value)
{
    if (FAutoSize == Value) return;
    FAutoSize = Value;
    LayoutChanged();
}

void TToolButton::SetMenuItem(TMenuItem* Value)
{
    if (FMenuItem == Value) return;
    if (FMenuItem) FMenuItem->RemoveFreeNotification(this);
    FMenuItem = Value;
    if (!FMenuItem) return;
    FMenuItem->FreeNotification(this);
    SetCaption(FMenuItem->Caption());
    SetEnabled(FMenuItem->Enabled());
    SetImageIndex(FMenuItem->ImageIndex());
    SetHint(FMenuItem->Hint());
}

void TToolButton::SetDropdownMenu(TPopupMenu* Value)
{
    if (FDropdownMenu == Value) return;
    if (FDropdownMenu) FDropdownMenu->RemoveFreeNotification(this);
    FDropdownMenu = Value;
    if (FDropdownMenu) FDropdownMenu->FreeNotification(this);
    LayoutChanged();
}

void TToolButton::Notification(TComponent* AComponent, TOperation Operation)
{
    TGraphicControl::Notification(AComponent, Operation);
    if (Operation != opRemove) return;
    if (AComponent == FMenuItem) FMenuItem = nullptr;
    if (AComponent == FDropdownMenu) FDropdownMenu = nullptr;
}

bool TToolButton::DropsDownAt(int X) const
{
    if (FMenuItem && FMenuItem->Count() > 0) return true;
    return FStyle == tbsDropDown && FDropdownMenu && X >= FWidth - ArrowPart;
}

void TToolButton::SetHot(bool Value)
{
    if (FHot == Value) return;
    FHot = Value;
    Invalidate();
}

void TToolButton::SetPressed(bool Value)
{
    if (FPressed == Value) return;
    FPressed = Value;
    Invalidate();
}

void TToolButton::CMMouseEnter(TMessage& M)
{
    SetHot(true);
    TGraphicControl::CMMouseEnter(M);
}

void TToolButton::CMMouseLeave(TMessage& M)
{
    SetHot(false);
    TGraphicControl::CMMouseLeave(M);
}

void TToolButton::CMTextChanged(TMessage& M)
{
    TGraphicControl::CMTextChanged(M);
    LayoutChanged();
}

void TToolButton::CMEnabledChanged(TMessage& M)
{
    if (!FEnabled)
    {
        FHot = false;
        FPressed = false;
    }
    TGraphicControl::CMEnabledChanged(M);
    Invalidate();
}

void TToolButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (Button == mbLeft && FStyle != tbsSeparator && FStyle != tbsDivider)
    {
        if (DropsDownAt(X))
        {
            // The menu loop takes the rest of this press (and the release).
            SetMouseCapture(false);
            FControlState.Exclude(csClicked);
            TGraphicControl::MouseDown(Button, Shift, X, Y);
            DropDown();
            return;
        }
        SetPressed(true);
    }
    TGraphicControl::MouseDown(Button, Shift, X, Y);
}

void TToolButton::MouseMove(TShiftState Shift, int X, int Y)
{
    if (CaptureControl() == this) SetPressed(ClientRect().Contains(X, Y));
    TGraphicControl::MouseMove(Shift, X, Y);
}

void TToolButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (Button == mbLeft) SetPressed(false);
    TGraphicControl::MouseUp(Button, Shift, X, Y);
}

void TToolButton::Click()
{
    if (FStyle == tbsCheck) SetDown(FGrouped ? true : !FDown);
    // OnClick runs before the item's click: either may free the button.
    TMenuItem* Item = FMenuItem && FMenuItem->Count() == 0 ? FMenuItem : nullptr;
    TGraphicControl::Click();
    if (Item) Item->Click();
}

void TToolButton::DropDown(bool SelectFirst)
{
    TMenu* Menu = FMenuItem ? FMenuItem->GetParentMenu() : FDropdownMenu;
    TMenuItem* Root = FMenuItem && FMenuItem->Count() > 0 ? FMenuItem
                      : FDropdownMenu                     ? FDropdownMenu->Items()
                                                          : nullptr;
    if (!Root || !Menu) return;
    TPoint Below = ClientToScreen({0, FHeight});
    SetDown(true);
    SetHot(false);
    if (FParent) FParent->Update();
    if (FDropdownMenu && Root == FDropdownMenu->Items()) FDropdownMenu->OnPopup(FDropdownMenu);
    TMenuLoop Loop(Menu, GetActiveWindow());
    TToolBar* Bar = ToolBar();
    if (Bar)
        Loop.OverOtherEntry = [this, Bar](TPoint Screen)
        {
            TToolButton* Other = Bar->DropDownButtonAt(Screen);
            return Other && Other != this;
        };
    TMenuItem* Chosen = Loop.Run(Root, Below, paLeft, SelectFirst);
    SetDown(false);
    if (Bar && Loop.SwitchRequest() != 0)
    {
        // Pointer or Left / Right moved on to a neighbouring drop-down.
        TToolButton* Next = Loop.SwitchRequest() == 2
                                ? Bar->DropDownButtonAt(Loop.SwitchPoint())
                                : Bar->NextDropDownButton(this, Loop.SwitchRequest());
        if (Next && Next != this) Next->DropDown(Loop.SwitchRequest() != 2);
        return;
    }
    // Last: the click may free this button (a menu bar rebuilding itself).
    if (Chosen) Chosen->Click();
}
