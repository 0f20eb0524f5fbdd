#pragma once

#include "framework/comctrls/PageControl.h"
#include "framework/comctrls/TabControl.h"
#include "framework/graphics/Bitmap.h"
#include "skin/SUISkinBinding.h"

// The skinned look of a tab or page control, over either framework class:
// each tab is the nine-piece stretch of the tab picture (in a built-in
// style frame 1 for the selected tab and frame 2 for the others; a skin
// file's picture is one frame for all tabs), the line picture runs along
// the top of the body, the rest of the body is Color (in a built-in style
// the selected tab's face) inside a one-pixel frame in BorderColor (the
// line's rim), and captions are in ActiveFontColor or
// InactiveFontColor. Behind the tabs the parent shows through (a skin file
// may ask for its form colour instead). Each paint is composed off-screen.
template <class TBase> class TsuiTabSkin : public TBase, public TsuiSkinBinding
{
  public:
    explicit TsuiTabSkin(TComponent* AOwner);

    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor Value);
    TColor ActiveFontColor() const { return FActiveFontColor; }
    void SetActiveFontColor(TColor Value);
    TColor InactiveFontColor() const { return FInactiveFontColor; }
    void SetInactiveFontColor(TColor Value);

  protected:
    void ApplySkin() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void Paint() override;
    void DrawBackground(TCanvas* C, const TRect& Client) override;
    void DrawBody(TCanvas* C, const TRect& Body) override;
    void DrawTab(TCanvas* C, int Index, const TRect& R, bool Selected) override;

  private:
    // Kept between paints: a new one would be filled first.
    TBitmap FBuffer;
    TBitmap FSelectedTab;
    TBitmap FOtherTab;
    TBitmap FLine;
    TColor FBorderColor = clBlack;
    TColor FActiveFontColor = clBlack;
    TColor FInactiveFontColor = clBlack;
    // Filled behind the tabs instead of the parent, when set.
    TColor FBackColor = clNone;
};

class TsuiTabControl : public TsuiTabSkin<TTabControl>
{
  public:
    using TsuiTabSkin<TTabControl>::TsuiTabSkin;

    static const TClassInfo& StaticClass();
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
};

// Its pages take its Color through ParentColor.
class TsuiPageControl : public TsuiTabSkin<TPageControl>
{
  public:
    using TsuiTabSkin<TPageControl>::TsuiTabSkin;

    static const TClassInfo& StaticClass();
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
};
