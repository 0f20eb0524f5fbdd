#pragma once

#include "framework/stdctrls/ComboBox.h"
#include "framework/stdctrls/DriveComboBox.h"
#include "framework/stdctrls/FilterComboBox.h"
#include "skin/SUISkinBinding.h"
#include "skin/SUIWindowScrollBars.h"

#include <memory>

class TsuiFileTheme;

// The colours of a skinned combo box.
struct TsuiComboColors
{
    TColor Border = clBlack;
    TColor Button = clBlack;
    TColor Arrow = clBlack;
};

// Paints the skin over the framework's painting of Combo: a ring in
// Border along the client edge and one in the combo box's Color inside it,
// the button area (the style's picture in MacOS and WinXP, else a Button
// fill with a Border separator on its left edge, or its right edge for
// right-to-left alignment), the arrow (none in
// WinXP, whose picture has its own) and, while Dropped, a Border frame
// around the list window. Nothing when the layout cannot be asked, or in
// the simple style when SimpleUnpainted.
void DrawComboBoxSkin(TCustomComboBox& Combo, TsuiUIStyle UIStyle, const TsuiComboColors& Colors,
                      bool Dropped, bool SimpleUnpainted);
// The arrow: a filled triangle (X, Y), (X + 6, Y), (X + 3, Y + 3) in Color;
// disabled, a grey one over a white one a pixel lower and to the right.
void DrawComboBoxArrow(TCanvas* Canvas, int X, int Y, TColor Color, bool Enabled);
// The colours UIStyle (or FileTheme, when the style says so) gives a combo
// box; the arrow is always black.
TsuiComboColors ComboBoxStyleColors(const TsuiFileTheme* FileTheme, TsuiUIStyle UIStyle);

// A framework combo box (TBase) painted over by the skin after every paint
// and erase. The style sets the border and button colours and resets the
// arrow to black; colours set later stay until the next style change.
template <class TBase> class TsuiComboBoxSkin : public TBase, public TsuiSkinBinding
{
  public:
    explicit TsuiComboBoxSkin(TComponent* AOwner);

    TColor BorderColor() const { return FColors.Border; }
    void SetBorderColor(TColor Value);
    TColor ButtonColor() const { return FColors.Button; }
    void SetButtonColor(TColor Value);
    TColor ArrowColor() const { return FColors.Arrow; }
    void SetArrowColor(TColor Value);

  protected:
    void ApplySkin() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    // The list opens: its scroll bar takes the style's pictures while open.
    void DropDown() override;
    // The list closed: the parent repaints what the frame around it drew.
    void CloseUp() override;
    // Whether the list is shown, as the skin asks it.
    virtual bool ListDropped() { return TBase::DroppedDown(); }
    virtual bool SimpleUnpainted() const { return true; }
    void PaintSkin();
    // The paint, erase and enabling handlers over Parent's map.
    static TMessageMap SkinMessages(const TMessageMap* Parent);

    void WMPaint(TMessage& M);
    void WMEraseBkgnd(TMessage& M);
    void CMEnabledChanged(TMessage& M);

  private:
    TsuiComboColors FColors;
    std::unique_ptr<TsuiWindowScrollBars> FListBars;
};

class TsuiCustomComboBox : public TsuiComboBoxSkin<TCustomComboBox>
{
  public:
    using TsuiComboBoxSkin::TsuiComboBoxSkin;
    static const TClassInfo& StaticClass();
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
    static const TMessageMap& StaticMessages();
    const TMessageMap& Messages() const override { return StaticMessages(); }
};

// The skinned combo box as form definitions create it.
class TsuiComboBox : public TsuiCustomComboBox
{
  public:
    using TsuiCustomComboBox::TsuiCustomComboBox;
    static const TClassInfo& StaticClass();
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
};

// A skinned combo box (TBase: the drive or the filter combo box) that
// publishes DroppedDown: reading asks the window (CB_GETDROPPEDSTATE),
// writing shows or hides the list (CB_SHOWDROPDOWN) and repaints.
template <class TBase> class TsuiDroppedComboBoxSkin : public TsuiComboBoxSkin<TBase>
{
  public:
    using TsuiComboBoxSkin<TBase>::TsuiComboBoxSkin;

    bool DroppedDown() const;
    void SetDroppedDown(bool Value);

  protected:
    bool ListDropped() override { return DroppedDown(); }
    bool SimpleUnpainted() const override { return false; }
};

class TsuiDriveComboBox : public TsuiDroppedComboBoxSkin<TDriveComboBox>
{
  public:
    using TsuiDroppedComboBoxSkin::TsuiDroppedComboBoxSkin;
    static const TClassInfo& StaticClass();
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
    static const TMessageMap& StaticMessages();
    const TMessageMap& Messages() const override { return StaticMessages(); }
};

class TsuiFilterComboBox : public TsuiDroppedComboBoxSkin<TFilterComboBox>
{
  public:
    using TsuiDroppedComboBoxSkin::TsuiDroppedComboBoxSkin;
    static const TClassInfo& StaticClass();
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
    static const TMessageMap& StaticMessages();
    const TMessageMap& Messages() const override { return StaticMessages(); }
};
