#pragma once

#include "framework/PropertyRegistry.h"
#include "framework/stdctrls/Edit.h"
#include "skin/SUISkinBinding.h"

// Paints the skinned edit frame: a one-pixel ring in Border along the edge
// of Margin and one in Inner just inside it. Dc: a window context in the
// coordinates of Margin.
void DrawEditFrame(HDC Dc, const TRect& Margin, TColor Border, TColor Inner);

// A framework edit (TBase: TCustomEdit or a class derived from it) without a
// native border: a two-pixel margin holds a flat frame, an outer ring in
// BorderColor and an inner one in Color, the same in every state, drawn
// after every paint and erase. The style (or file theme) gives BorderColor;
// any later style change replaces a BorderColor set by hand.
template <class TBase> class TsuiEditSkin : public TBase, public TsuiSkinBinding
{
  public:
    explicit TsuiEditSkin(TComponent* AOwner);

    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor Value);

  protected:
    void ApplySkin() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void PaintBorderMargin(HDC Dc, const TRect& Margin) override;
    // Runs after every style change, before the repaint.
    virtual void UIStyleChanged() {}
    // The paint and erase handlers over Parent's map.
    static TMessageMap SkinMessages(const TMessageMap* Parent);

    void WMPaint(TMessage& M);
    void WMEraseBkgnd(TMessage& M);

  private:
    TColor FBorderColor = clBlack;
};

// The skin's properties, first in every skinned edit's class.
template <class T> TClassBuilder<T>& EditSkinProperties(TClassBuilder<T>& B)
{
    return B.Component("FileTheme", &T::FileTheme, &T::SetFileTheme)
        .Enum("UIStyle", &T::UIStyle, &T::SetUIStyle, UIStyleNames())
        .NoDefault()
        .Stored(&T::IsUIStyleStored)
        .Color("BorderColor", &T::BorderColor, &T::SetBorderColor)
        .NoDefault();
}
