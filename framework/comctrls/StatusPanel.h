#pragma once

#include "framework/Collection.h"
#include "framework/controls/ControlTypes.h"

#include <string>

class TCustomStatusBar;

enum TStatusPanelBevel
{
    pbNone,
    pbLowered,
    pbRaised
};

enum TStatusPanelStyle
{
    psText,
    psOwnerDraw
};

// One panel of a status bar: text, nominal width, alignment, bevel; an
// owner-drawn panel is painted by the bar's OnDrawPanel.
class TStatusPanel : public TCollectionItem
{
  public:
    explicit TStatusPanel(TCollection* Collection);

    static const TClassInfo& StaticClass();
    const TClassInfo& ClassInfo() const override { return StaticClass(); }

    const std::string& Text() const { return FText; }
    void SetText(const std::string& Value);
    // In pixels; the last panel always reaches the bar's right end.
    int Width() const { return FWidth; }
    void SetWidth(int Value);
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value);
    TStatusPanelBevel Bevel() const { return FBevel; }
    void SetBevel(TStatusPanelBevel Value);
    TStatusPanelStyle Style() const { return FStyle; }
    void SetStyle(TStatusPanelStyle Value);

    void Assign(const TPersistent* Source) override;
    std::string DisplayName() const override { return FText.empty() ? ClassName() : FText; }

  private:
    std::string FText;
    int FWidth = 50;
    TAlignment FAlignment = taLeftJustify;
    TStatusPanelBevel FBevel = pbLowered;
    TStatusPanelStyle FStyle = psText;
};

// A status bar's panels; every change repaints the bar.
class TStatusPanels : public TCollection
{
  public:
    explicit TStatusPanels(TCustomStatusBar* StatusBar);

    static const TClassInfo& StaticClass();
    const TClassInfo& ClassInfo() const override { return StaticClass(); }

    TStatusPanel* Add() { return static_cast<TStatusPanel*>(TCollection::Add()); }
    TStatusPanel* Items(int Index) const
    {
        return static_cast<TStatusPanel*>(TCollection::Items(Index));
    }

  protected:
    void Update(TCollectionItem* Item) override;

  private:
    TCustomStatusBar* FStatusBar;
};
