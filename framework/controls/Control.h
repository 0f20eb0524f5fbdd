#pragma once

#include "framework/Component.h"
#include "framework/controls/ControlTypes.h"
#include "framework/controls/MessageMap.h"
#include "framework/controls/SizeConstraints.h"
#include "framework/graphics/Font.h"
#include "platform/gfx/Color.h"
#include "platform/gfx/Geometry.h"

#include <functional>
#include <memory>
#include <string>

class TPopupMenu;
class TWinControl;

enum TControlStyleFlag
{
    csAcceptsControls, // may hold child controls
    csCaptureMouse,    // keeps the mouse while a button is down
    csClickEvents,     // a press and release inside makes a click
    csSetCaption,      // the name becomes the caption while they are equal
    csOpaque,          // paints every pixel (no background erase needed)
    csDoubleClicks,
    csNoStdEvents // mouse events are not turned into OnMouseXxx
};
using TControlStyle = TSet<TControlStyleFlag>;

enum TControlStateFlag
{
    csLButtonDown,
    csClicked,
    csFocusing,
    csAlignmentNeeded,
    csCreating
};
using TControlState = TSet<TControlStateFlag>;

// A visual component: a rectangle in its parent's client area with a colour,
// a font, a caption and mouse handling. Messages reach it through
// WindowProc (replaceable: another object may put its own procedure in front
// and call the old one), whose default WndProc dispatches by message id
// to the handler methods of the class's message map and sends anything
// unhandled to DefaultHandler.
class TControl : public TComponent
{
  public:
    explicit TControl(TComponent* AOwner);
    ~TControl() override;

    static const TClassInfo& StaticClass();
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
    static const TMessageMap& StaticMessages();
    virtual const TMessageMap& Messages() const { return StaticMessages(); }

    // Messages.
    std::function<void(TMessage&)> WindowProc;
    LRESULT Perform(UINT Msg, WPARAM WParam = 0, LPARAM LParam = 0);
    virtual void WndProc(TMessage& Message);
    // Calls the handler the message map names for Message.Msg, or
    // DefaultHandler.
    void Dispatch(TMessage& Message);
    virtual void DefaultHandler(TMessage& Message);

    // Parent and nesting in form definitions.
    TWinControl* Parent() const { return FParent; }
    virtual void SetParent(TWinControl* AParent);
    TComponent* GetParentComponent() const override;
    void SetParentComponent(TComponent* Value) override;
    bool HasParent() const { return FParent != nullptr; }

    // Geometry, in the parent's client coordinates.
    int Left() const { return FLeft; }
    void SetLeft(int Value) { SetBounds(Value, FTop, FWidth, FHeight); }
    int Top() const { return FTop; }
    void SetTop(int Value) { SetBounds(FLeft, Value, FWidth, FHeight); }
    int Width() const { return FWidth; }
    void SetWidth(int Value) { SetBounds(FLeft, FTop, Value, FHeight); }
    int Height() const { return FHeight; }
    void SetHeight(int Value) { SetBounds(FLeft, FTop, FWidth, Value); }
    TRect BoundsRect() const { return {FLeft, FTop, FLeft + FWidth, FTop + FHeight}; }
    void SetBoundsRect(const TRect& R) { SetBounds(R.Left, R.Top, R.Width(), R.Height()); }
    virtual void SetBounds(int ALeft, int ATop, int AWidth, int AHeight);
    // The client area in client coordinates ((0, 0) at its corner).
    virtual TRect ClientRect() const { return {0, 0, FWidth, FHeight}; }
    int ClientWidth() const { return ClientRect().Width(); }
    void SetClientWidth(int Value);
    int ClientHeight() const { return ClientRect().Height(); }
    void SetClientHeight(int Value);
    TPoint ClientToScreen(TPoint P) const;
    TPoint ScreenToClient(TPoint P) const;
    // Where the client area's origin lies in the parent's client area.
    virtual TPoint ClientOrigin() const;

    TAlign Align() const { return FAlign; }
    void SetAlign(TAlign Value);
    TSizeConstraints* Constraints() const { return FConstraints.get(); }
    void SetConstraints(const TSizeConstraints* Value) { FConstraints->Assign(Value); }

    bool Visible() const { return FVisible; }
    void SetVisible(bool Value);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Visible, and every parent up to a top-level window visible too.
    virtual bool Showing() const;
    bool Enabled() const { return FEnabled; }
    virtual void SetEnabled(bool Value);

    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    bool ParentColor() const { return FParentColor; }
    void SetParentColor(bool Value);
    TFont* Font() const { return FFont.get(); }
    void SetFont(const TFont* Value) { FFont->Assign(Value); }
    bool ParentFont() const { return FParentFont; }
    void SetParentFont(bool Value);

    // Caption and Text are the same string.
    std::string Caption() const { return GetText(); }
    void SetCaption(const std::string& Value) { SetText(Value); }
    std::string Text() const { return GetText(); }
    void SetText(const std::string& Value);

    // Kept distances to the parent's edges (alNone controls only).
    TAnchors Anchors() const { return FAnchors; }
    void SetAnchors(TAnchors Value);

    // Shown by a right click (or the context-menu key) unless
    // OnContextPopup handles it; not owned, cleared when it goes away.
    TPopupMenu* PopupMenu() const { return FPopupMenu; }
    void SetPopupMenu(TPopupMenu* Value);

    // Whether the control shows its hint; ParentShowHint takes the
    // parent's value.
    bool ShowHint() const { return FShowHint; }
    void SetShowHint(bool Value);
    bool ParentShowHint() const { return FParentShowHint; }
    void SetParentShowHint(bool Value);

    // Reading order; ParentBiDiMode takes the parent's.
    TBiDiMode BiDiMode() const { return FBiDiMode; }
    void SetBiDiMode(TBiDiMode Value);
    bool ParentBiDiMode() const { return FParentBiDiMode; }
    void SetParentBiDiMode(bool Value);
    // Right-to-left text (any right-to-left mode) and mirrored layout
    // (bdRightToLeft), both only under a right-to-left locale.
    bool UseRightToLeftReading() const;
    bool UseRightToLeftAlignment() const;

    TCursor Cursor() const { return FCursor; }
    void SetCursor(TCursor Value);
    const std::string& Hint() const { return FHint; }
    void SetHint(const std::string& Value) { FHint = Value; }

    TControlStyle ControlStyle() const { return FControlStyle; }
    void SetControlStyle(TControlStyle Value) { FControlStyle = Value; }
    TControlState ControlState() const { return FControlState; }

    // Painting: marks the control for repainting / repaints it now.
    virtual void Invalidate();
    virtual void Repaint();
    void Update();
    void Refresh() { Repaint(); }
    void BringToFront();
    void SendToBack();

    // Runs OnClick (buttons override Click to do more first).
    virtual void Click();

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TMouseMoveEvent OnMouseMove;
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;
    TNotifyEvent OnResize;
    TContextPopupEvent OnContextPopup;
    TCanResizeEvent OnCanResize;
    TConstrainedResizeEvent OnConstrainedResize;

  protected:
    virtual std::string GetText() const { return FText; }
    // The caption changed: repaint and tell the control (CM_TEXTCHANGED).
    void TextChanged();
    void Loaded() override;

    // After the position or size changed.
    virtual void BoundsChanged() {}
    void RequestAlign();
    virtual void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual void MouseMove(TShiftState Shift, int X, int Y);
    virtual void DblClick() { OnDblClick(this); }
    virtual void Resize() { OnResize(this); }
    // Asked before the size changes: false keeps the old size.
    virtual bool CanResize(int& NewWidth, int& NewHeight);
    // May narrow the limits of Constraints for one resize.
    virtual void ConstrainedResize(int& MinWidth, int& MinHeight, int& MaxWidth, int& MaxHeight);
    // The size SetBounds would give: the old one when CanResize refuses a
    // change, otherwise the new one within the limits.
    void CheckNewSize(int& NewWidth, int& NewHeight);
    // Runs OnContextPopup; true when it handled the request.
    virtual bool DoContextPopup(TPoint MousePos);
    // Font and colour changes of the control itself.
    virtual void FontChanged();
    virtual void ColorChanged();

    void Notification(TComponent* AComponent, TOperation Operation) override;

    // Message handlers.
    void WMMouseMove(TMessage& M);
    void WMLButtonDown(TMessage& M);
    void WMLButtonUp(TMessage& M);
    void WMLButtonDblClk(TMessage& M);
    void WMRButtonDown(TMessage& M);
    void WMRButtonUp(TMessage& M);
    void WMMButtonDown(TMessage& M);
    void WMMButtonUp(TMessage& M);
    void CMMouseEnter(TMessage& M);
    void CMMouseLeave(TMessage& M);
    void CMParentColorChanged(TMessage& M);
    void CMParentFontChanged(TMessage& M);
    void CMEnabledChanged(TMessage& M);
    void CMVisibleChanged(TMessage& M);
    void CMFontChanged(TMessage& M);
    void CMColorChanged(TMessage& M);
    void CMTextChanged(TMessage& M);
    void CMParentShowHintChanged(TMessage& M);
    void CMParentBiDiModeChanged(TMessage& M);
    void WMContextMenu(TMessage& M);

    bool IsShowHintStored() const { return !FParentShowHint; }
    bool IsBiDiModeStored() const { return !FParentBiDiMode; }
    bool IsColorStored() const { return !FParentColor; }
    bool IsFontStored() const { return !FParentFont; }
    bool IsCaptionStored() const { return !FText.empty(); }

    TWinControl* FParent = nullptr;
    int FLeft = 0;
    int FTop = 0;
    int FWidth = 0;
    int FHeight = 0;
    TAlign FAlign = alNone;
    bool FVisible = true;
    bool FEnabled = true;
    TColor FColor = clWindow;
    bool FParentColor = false;
    std::unique_ptr<TFont> FFont;
    bool FParentFont = true;
    std::string FText;
    TCursor FCursor = crDefault;
    std::string FHint;
    TControlStyle FControlStyle;
    TControlState FControlState;
    std::unique_ptr<TSizeConstraints> FConstraints;
    TAnchors FAnchors{akLeft, akTop};
    TPopupMenu* FPopupMenu = nullptr;
    bool FShowHint = false;
    bool FParentShowHint = true;
    TBiDiMode FBiDiMode = bdLeftToRight;
    bool FParentBiDiMode = true;

  public:
    // The control holding the mouse while a button is down, and the one the
    // pointer is over (for CM_MOUSEENTER / CM_MOUSELEAVE); null when none.
    static TControl* CaptureControl();
    virtual void SetMouseCapture(bool Value);
    static void SetMouseControl(TControl* Control);
    static TControl* MouseControl();

  private:
    friend class TWinControl;

    // Forgets the capturing control without touching the window system's
    // capture (which has already moved on).
    static void ForgetCaptureControl();

    void MouseButtonDown(TMessage& M, TMouseButton Button);
    void MouseButtonUp(TMessage& M, TMouseButton Button);
    void FontObjectChanged(TObject*);
    void ConstraintsChanged(TObject*);

    bool FUpdatingParentFont = false;
};
