#include "framework/comctrls/StatusPanel.h"

#include "framework/PropertyRegistry.h"
#include "framework/comctrls/StatusBar.h"

const TClassInfo& TStatusPanel::StaticClass()
{
    static const TClassInfo Info =
        TClassBuilder<TStatusPanel>("TStatusPanel", &TCollectionItem::StaticClass())
            .Enum("Alignment", &TStatusPanel::Alignment, &TStatusPanel::SetAlignment,
                  AlignmentNames())
            .Default(taLeftJustify)
            .Enum("Bevel", &TStatusPanel::Bevel, &TStatusPanel::SetBevel,
                  {"pbNone", "pbLowered", "pbRaised"})
            .Default(pbLowered)
            .Enum("Style", &TStatusPanel::Style, &TStatusPanel::SetStyle, {"psText", "psOwnerDraw"})
            .Default(psText)
            .String("Text", &TStatusPanel::Text, &TStatusPanel::SetText)
            .Integer("Width", &TStatusPanel::Width, &TStatusPanel::SetWidth)
            .NoDefault()
            .Build();
    return Info;
}

TStatusPanel::TStatusPanel(TCollection* Collection) : TCollectionItem(Collection) {}

void TStatusPanel::SetText(const std::string& Value)
{
    if (FText == Value) return;
    FText = Value;
    Changed(false);
}

void TStatusPanel::SetWidth(int Value)
{
    if (Value < 0) Value = 0;
    if (FWidth == Value) return;
    FWidth = Value;
    // Moves the edges of every later panel.
    Changed(true);
}

void TStatusPanel::SetAlignment(TAlignment Value)
{
    if (FAlignment == Value) return;
    FAlignment = Value;
    Changed(false);
}

void TStatusPanel::SetBevel(TStatusPanelBevel Value)
{
    if (FBevel == Value) return;
    FBevel = Value;
    Changed(false);
}

void TStatusPanel::SetStyle(TStatusPanelStyle Value)
{
    if (FStyle == Value) return;
    FStyle = Value;
    Changed(false);
}

void TStatusPanel::Assign(const TPersistent* Source)
{
    if (auto* P = dynamic_cast<const TStatusPanel*>(Source))
    {
        FText = P->FText;
        FWidth = P->FWidth;
        FAlignment = P->FAlignment;
        FBevel = P->FBevel;
        FStyle = P->FStyle;
        Changed(false);
        return;
    }
    TCollectionItem::Assign(Source);
}

const TClassInfo& TStatusPanels::StaticClass()
{
    static const TClassInfo Info =
        TClassBuilder<TStatusPanels>("TStatusPanels", &TCollection::StaticClass()).Build();
    return Info;
}

TStatusPanels::TStatusPanels(TCustomStatusBar* StatusBar)
    : TCollection(TStatusPanel::StaticClass(), StatusBar), FStatusBar(StatusBar)
{
}

void TStatusPanels::Update(TCollectionItem*)
{
    if (FStatusBar) FStatusBar->Invalidate();
}
