#include "framework/comctrls/TabSheet.h"

#include "framework/PropertyRegistry.h"
#include "framework/comctrls/PageControl.h"

#include <algorithm>

const TClassInfo& TTabSheet::StaticClass()
{
    static const TClassInfo Info =
        TClassBuilder<TTabSheet>("TTabSheet", &TCustomControl::StaticClass())
            .Enum("Align", &TTabSheet::Align, &TTabSheet::SetAlign, ControlAlignNames())
            .Default(alClient)
            .Boolean("TabVisible", &TTabSheet::TabVisible, &TTabSheet::SetTabVisible)
            .Default(true)
            .Boolean("Visible", &TTabSheet::Visible, &TTabSheet::SetVisible)
            .Stored(false)
            .Build();
    return Info;
}

const TMessageMap& TTabSheet::StaticMessages()
{
    static const TMessageMap Map = TMessageMap(&TCustomControl::StaticMessages())
                                       .On(CM_TEXTCHANGED, &TTabSheet::CMTextChanged);
    return Map;
}

TTabSheet::TTabSheet(TComponent* AOwner) : TCustomControl(AOwner)
{
    FControlStyle = {csAcceptsControls, csCaptureMouse, csClickEvents,
                     csDoubleClicks,    csOpaque,       csSetCaption};
    FVisible = false;
    FParentColor = true;
    FAlign = alClient;
}

TTabSheet::~TTabSheet()
{
    SetPageControl(nullptr);
}

void TTabSheet::SetParent(TWinControl* AParent)
{
    if (FPageControl && AParent != FPageControl) FPageControl->RemovePage(this);
    TCustomControl::SetParent(AParent);
    if (auto* Pages = dynamic_cast<TPageControl*>(AParent); Pages && FPageControl != Pages)
        Pages->InsertPage(this);
}

void TTabSheet::SetPageControl(TPageControl* Value)
{
    SetParent(Value);
}

int TTabSheet::PageIndex() const
{
    if (!FPageControl) return -1;
    const auto& P = FPageControl->FPages;
    return static_cast<int>(std::find(P.begin(), P.end(), this) - P.begin());
}

void TTabSheet::SetPageIndex(int Value)
{
    if (FPageControl) FPageControl->MovePage(this, Value);
}

void TTabSheet::SetTabVisible(bool Value)
{
    if (FTabVisible == Value) return;
    FTabVisible = Value;
    if (FPageControl) FPageControl->UpdateTabs();
}

int TTabSheet::TabIndex() const
{
    if (!FPageControl || !FTabVisible) return -1;
    int Index = 0;
    for (const TTabSheet* P : FPageControl->FPages)
    {
        if (P == this) return Index;
        if (P->FTabVisible) ++Index;
    }
    return -1;
}

void TTabSheet::CMTextChanged(TMessage& M)
{
    TCustomControl::CMTextChanged(M);
    if (FPageControl) FPageControl->UpdateTabs();
}

void TTabSheet::Paint()
{
    Canvas()->Brush()->SetStyle(bsSolid);
    Canvas()->Brush()->SetColor(FColor);
    Canvas()->FillRect(ClientRect());
}
