#pragma once

#include "framework/stdctrls/ListBox.h"
#include "skin/SUISkinBinding.h"
#include "skin/SUIWindowScrollBars.h"

// A list box in the style's colours: its edge drawn as a ring in the
// style's control border colour with one in Color inside it, and its
// scroll bar painted with the style's scroll-bar pictures.
class TsuiListBox : public TListBox, public TsuiSkinBinding
{
  public:
    explicit TsuiListBox(TComponent* AOwner);

    static const TClassInfo& StaticClass();
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
    static const TMessageMap& StaticMessages();
    const TMessageMap& Messages() const override { return StaticMessages(); }

    TColor BorderColor() const { return FBorderColor; }

  protected:
    void ApplySkin() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void WMNCPaintSkinned(TMessage& M);

  private:
    TColor FBorderColor = clBlack;
    TsuiWindowScrollBars FBars{this};
};
