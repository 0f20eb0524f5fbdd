#pragma once

#include "framework/controls/Control.h"
#include "platform/win/WinPaint.h"
#include "platform/win/WindowClass.h"

#include <string>
#include <vector>

// How a control's window is made: CreateParams fills this, CreateWnd
// registers WinClassName (with WindowClass) on first use and creates the
// window.
struct TCreateParams
{
    std::string Caption;
    DWORD Style = 0;
    DWORD ExStyle = 0;
    int X = 0;
    int Y = 0;
    int Width = 0;
    int Height = 0;
    HWND WndParent = nullptr;
    WNDCLASS WindowClass{};
    std::string WinClassName;
};

// A control with its own window: it holds child controls (graphic ones are
// painted into its client area and get its mouse messages), takes the
// keyboard focus, and sits in its parent's tab order. The window is created
// on demand (Handle, HandleNeeded) and its messages reach WindowProc.
class TWinControl : public TControl
{
  public:
    explicit TWinControl(TComponent* AOwner);
    ~TWinControl() override;

    static const TClassInfo& StaticClass();
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
    static const TMessageMap& StaticMessages();
    const TMessageMap& Messages() const override { return StaticMessages(); }

    // The window, created first if needed (with the parents' windows).
    HWND Handle();
    HWND Handle() const { return FHandle; }
    bool HandleAllocated() const { return FHandle != nullptr; }
    void HandleNeeded();
    // The control whose window Window is, or null.
    static TWinControl* FindControl(HWND Window);

    void WndProc(TMessage& Message) override;
    // Unhandled messages go to the window's default procedure.
    void DefaultHandler(TMessage& Message) override;

    // Children, in painting order (last on top).
    int ControlCount() const { return static_cast<int>(FControls.size()); }
    TControl* Controls(int Index) const { return FControls.at(static_cast<size_t>(Index)); }
    void InsertControl(TControl* AControl);
    void RemoveControl(TControl* AControl);
    void SetChildOrder(TControl* Child, int Order);
    bool ContainsControl(const TControl* Control) const;
    // The visible graphic child under a client point (enabled ones only
    // unless AllowDisabled), or null.
    TControl* ControlAtPos(TPoint P, bool AllowDisabled = false) const;
    // Sends Message to each child until one answers with a non-zero Result.
    void Broadcast(TMessage& Message);
    void NotifyControls(UINT Msg);

    // Aligned children: re-places them in the client area.
    void Realign();

    int TabOrder() const;
    void SetTabOrder(int Value);
    bool TabStop() const { return FTabStop; }
    void SetTabStop(bool Value);
    // This control's window children and their descendants, in tab order.
    void GetTabOrderList(std::vector<TWinControl*>& List) const;
    TWinControl* FindNextControl(TWinControl* Current, bool GoForward, bool CheckTabStop,
                                 bool CheckParent) const;
    void SelectNext(TWinControl* Current, bool GoForward, bool CheckTabStop);

    virtual bool CanFocus() const;
    bool Focused() const;
    virtual void SetFocus();

    // A margin of this many pixels inside the window's frame, outside the
    // client area, painted in Color.
    int BorderWidth() const { return FBorderWidth; }
    void SetBorderWidth(int Value);

    // The outermost parent (the form), or this control.
    TWinControl* TopParent();

    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    TRect ClientRect() const override;
    TPoint ClientOrigin() const override;
    bool Showing() const override;
    void Invalidate() override;
    void Repaint() override;
    void Update();

    // Paints the client area and the graphic children into Dc.
    void PaintHandler(HDC Dc);

    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;
    TKeyEvent OnKeyDown;
    TKeyPressEvent OnKeyPress;
    TKeyEvent OnKeyUp;

  protected:
    virtual void CreateParams(TCreateParams& Params);
    virtual void CreateWnd();
    // Creates the window and the windows of the child controls.
    virtual void CreateHandle();
    virtual void DestroyHandle();
    virtual void PaintWindow(HDC Dc);
    // Paints the BorderWidth margin after a non-client paint. Dc is the
    // window's device context clipped to the margin, Margin the margin's
    // outer edge in window coordinates. Fills it in Color; a descendant that
    // draws its own frame there replaces this, so a later non-client paint
    // keeps that frame.
    virtual void PaintBorderMargin(HDC Dc, const TRect& Margin);
    void PaintControls(HDC Dc);
    virtual void AlignControls(TRect& Rect);

    // Key events; true when a handler consumed the key (set it to 0).
    virtual bool DoKeyDown(TMessage& M);
    virtual bool DoKeyPress(TMessage& M);
    virtual bool DoKeyUp(TMessage& M);
    // Forms answer true to see their controls' keys first.
    virtual bool KeyPreviewActive() const { return false; }
    virtual void DoEnter() { OnEnter(this); }
    virtual void DoExit() { OnExit(this); }
    void Loaded() override;
    void SetMouseCapture(bool Value) override;

    void WMPaint(TMessage& M);
    void WMPrintClient(TMessage& M);
    void WMEraseBkgnd(TMessage& M);
    void WMNCCalcSize(TMessage& M);
    void WMNCPaint(TMessage& M);
    void WMWindowPosChanged(TMessage& M);
    void WMSetFocus(TMessage& M);
    void WMKillFocus(TMessage& M);
    void WMKeyDown(TMessage& M);
    void WMKeyUp(TMessage& M);
    void WMChar(TMessage& M);
    void WMSysChar(TMessage& M);
    void WMSetCursor(TMessage& M);
    void WMMouseLeave(TMessage& M);
    // The window lost the capture: the control that held it through this
    // window no longer does.
    void WMCaptureChanged(TMessage& M);
    void WMScrollFromChild(TMessage& M);
    void CMColorChanged(TMessage& M);
    void CMFontChanged(TMessage& M);
    void CMEnabledChanged(TMessage& M);
    void CMVisibleChanged(TMessage& M);
    void CMTextChanged(TMessage& M);
    void CMDialogKey(TMessage& M);
    void CMDialogChar(TMessage& M);
    void CMFocusChanged(TMessage& M);
    void CMShowHintChanged(TMessage& M);
    void CMBiDiModeChanged(TMessage& M);
    void WMCancelMode(TMessage& M);

    bool IsControlMouseMsg(TMessage& M);
    // Keeps the fields in step with where the window system put the window.
    void UpdateBounds();
    // Frame sizes of the window described by CreateParams, plus the border.
    TSize NonClientSize();

    HWND FHandle = nullptr;
    std::vector<TControl*> FControls;
    std::vector<TWinControl*> FTabList;
    bool FTabStop = false;
    int FBorderWidth = 0;
    int FAlignLevel = 0;
    int FPendingTabOrder = -1;
    // The client size the anchored children were last placed for; -1
    // before the first alignment.
    TSize FAnchorBase{-1, -1};

  private:
    friend LRESULT ControlWindowProc(HWND, UINT, WPARAM, LPARAM);
    // Moves or stretches the alNone children anchored right or bottom by
    // the change of the client size since the last call.
    void ApplyAnchors(const TRect& Client);
};
