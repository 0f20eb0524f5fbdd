#pragma once

#include "framework/comctrls/StatusBar.h"
#include "skin/SUISkinBinding.h"

class TCustomForm;

// The status bar in the colour of the style (the skinned form's client
// colour). On a resizable form it draws its own size grip of four diagonal
// lines; while the form is maximized it shows none and takes no clicks.
class TsuiStatusBar : public TCustomStatusBar, public TsuiSkinBinding
{
  public:
    explicit TsuiStatusBar(TComponent* AOwner);

    static const TClassInfo& StaticClass();
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
    static const TMessageMap& StaticMessages();
    const TMessageMap& Messages() const override { return StaticMessages(); }

    // The bar's Color under another name.
    TColor PanelColor() const { return Color(); }
    void SetPanelColor(TColor Value) { SetColor(Value); }

  protected:
    void ApplySkin() override;
    void Paint() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void WMNCHitTestSkinned(TMessage& M);

  private:
    TCustomForm* ParentForm() const;
};
