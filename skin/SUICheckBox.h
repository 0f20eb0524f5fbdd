#pragma once

#include "framework/stdctrls/CheckBox.h"
#include "skin/SUISkinBinding.h"
#include "skin/SUIToggleArt.h"

// The skinned check box: the frame of the style's check box strip for its
// state beside the word-wrapped caption in the style's control font colour,
// on Color or, when Transparent, on what the parent shows beneath it.
class TsuiCheckBox : public TCheckBox, public TsuiSkinBinding
{
  public:
    explicit TsuiCheckBox(TComponent* AOwner);

    static const TClassInfo& StaticClass();
    const TClassInfo& ClassInfo() const override { return StaticClass(); }

    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool Value);

  protected:
    void ApplySkin() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void PaintBackground(TCanvas* C) override;
    TSize MarkSize() const override;
    void PaintMark(TCanvas* C, const TRect& Box) override;

  private:
    TsuiToggleArt FArt;
    bool FTransparent = false;
};
