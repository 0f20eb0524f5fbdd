#pragma once

#include "framework/Set.h"
#include "framework/controls/CustomControl.h"

#include <vector>

class TToolButton;

class TImageList;

enum TCustomDrawStateFlag
{
    cdsSelected, // pressed
    cdsGrayed,
    cdsDisabled,
    cdsChecked, // down
    cdsFocused,
    cdsDefault,
    cdsHot,
    cdsMarked,
    cdsIndeterminate
};
using TCustomDrawState = TSet<TCustomDrawStateFlag>;

// The edges of a tool bar that carry an etched line (2 pixels each, outside
// its client area).
enum TEdgeBorder
{
    ebLeft,
    ebTop,
    ebRight,
    ebBottom
};
using TEdgeBorders = TSet<TEdgeBorder>;

class TToolBar;
// Drawing of the bar's background (Rect: the client area) and of each
// button (at its BoundsRect) on the bar's Canvas; clearing DefaultDraw
// leaves out the bar's own drawing of it (for the background: of the
// buttons too).
using TToolBarCustomDrawEvent = TEvent<TToolBar*, const TRect&, bool&>;
using TToolBarCustomDrawButtonEvent = TEvent<TToolBar*, TToolButton*, TCustomDrawState, bool&>;

// A bar of tool buttons laid out left to right (wrapping into further rows
// when Wrapable), flat or raised, with or without captions; with AutoSize
// its height follows the rows. Buttons are placed in the order of their
// Left when they join, so a new button at Left 0 goes first.
class TToolBar : public TCustomControl
{
  public:
    explicit TToolBar(TComponent* AOwner);
    ~TToolBar() override;

    static const TClassInfo& StaticClass();
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
    static const TMessageMap& StaticMessages();
    const TMessageMap& Messages() const override { return StaticMessages(); }

    int ButtonCount() const { return static_cast<int>(FButtons.size()); }
    TToolButton* Buttons(int Index) const { return FButtons.at(static_cast<size_t>(Index)); }

    bool Flat() const { return FFlat; }
    void SetFlat(bool Value);
    bool ShowCaptions() const { return FShowCaptions; }
    void SetShowCaptions(bool Value);
    int ButtonWidth() const { return FButtonWidth; }
    void SetButtonWidth(int Value);
    int ButtonHeight() const { return FButtonHeight; }
    void SetButtonHeight(int Value);
    bool Wrapable() const { return FWrapable; }
    void SetWrapable(bool Value);
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool Value);
    TImageList* Images() const { return FImages; }
    void SetImages(TImageList* Value);
    TEdgeBorders EdgeBorders() const { return FEdgeBorders; }
    void SetEdgeBorders(TEdgeBorders Value);

    // Re-places the buttons (and sizes the bar with AutoSize).
    void ArrangeButtons();
    // The enabled button that drops down a menu item's sub-menu under a
    // screen point, or null.
    TToolButton* DropDownButtonAt(TPoint Screen) const;
    // The enabled menu-item drop-down button Step (+1 / -1) places after
    // From, wrapping around; From itself when there is no other.
    TToolButton* NextDropDownButton(TToolButton* From, int Step) const;
    // The width a button gets in the layout.
    int ButtonExtent(const TToolButton* Button) const;

    TToolBarCustomDrawEvent OnCustomDraw;
    TToolBarCustomDrawButtonEvent OnCustomDrawButton;

  protected:
    void Paint() override;
    // The bar's background over its client area R.
    virtual void DrawBackground(const TRect& R);
    virtual void DrawButton(TToolButton* Button, TCustomDrawState State);
    // The frame of a (non-separator) button; Face shrinks or moves to where
    // its image and caption go.
    virtual void DrawButtonFrame(TToolButton* Button, TCustomDrawState State, TRect& Face);
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void BoundsChanged() override;

    void CMDialogChar(TMessage& M);
    void WMNCCalcSize(TMessage& M);
    void WMNCPaint(TMessage& M);

  private:
    friend class TToolButton;
    void InsertButton(TToolButton* Button);
    void RemoveButton(TToolButton* Button);

    std::vector<TToolButton*> FButtons;
    bool FFlat = false;
    bool FShowCaptions = false;
    int FButtonWidth = 23;
    int FButtonHeight = 22;
    bool FWrapable = true;
    bool FAutoSize = false;
    TImageList* FImages = nullptr;
    TEdgeBorders FEdgeBorders;
    bool FArranging = false;
};
