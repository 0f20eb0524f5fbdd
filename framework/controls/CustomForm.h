#pragma once

#include "framework/Exception.h"
#include "framework/controls/WinControl.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/Icon.h"

#include <memory>

enum TPosition
{
    poDesigned,
    poDefault,
    poDefaultPosOnly,
    poDefaultSizeOnly,
    poScreenCenter,
    poDesktopCenter,
    poMainFormCenter,
    poOwnerFormCenter
};

enum TWindowState
{
    wsNormal,
    wsMinimized,
    wsMaximized
};

enum TBorderIcon
{
    biSystemMenu,
    biMinimize,
    biMaximize,
    biHelp
};
using TBorderIcons = TSet<TBorderIcon>;

enum TFormStyle
{
    fsNormal,
    fsMDIChild,
    fsMDIForm,
    fsStayOnTop
};

enum TCloseAction
{
    caNone,
    caHide,
    caFree,
    caMinimize
};

enum TFormStateFlag
{
    fsCreating,
    fsModal,
    fsShowing,
    fsPositioned
};
using TFormState = TSet<TFormStateFlag>;

class TMainMenu;

using TCloseEvent = TEvent<TObject*, TCloseAction&>;
using TCloseQueryEvent = TEvent<TObject*, bool&>;

// A top-level window holding controls. A form class with a definition
// embedded under its class name is built from it by Create<T> (the
// definition is read once the object is fully constructed, then OnCreate
// runs). The form keeps track of its active control, moves the focus with
// Tab / Shift+Tab and the arrow keys, gives Enter and Escape to its default
// and cancel buttons, and runs modally with ShowModal.
class TCustomForm : public TWinControl
{
  public:
    // An empty form (no definition is read).
    explicit TCustomForm(TComponent* AOwner);
    ~TCustomForm() override;

    static const TClassInfo& StaticClass();
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
    static const TMessageMap& StaticMessages();
    const TMessageMap& Messages() const override { return StaticMessages(); }

    // Creates a T owned by AOwner and builds it from its definition.
    template <class T> static T* Create(TComponent* AOwner)
    {
        T* Form = new T(AOwner);
        try
        {
            Form->InitializeForm();
        }
        catch (...)
        {
            Form->Free();
            throw;
        }
        return Form;
    }
    // Reads the definition embedded under ClassName() (if there is one),
    // then runs DoCreate.
    void InitializeForm();
    // Runs DoDestroy once, while the form is whole, then marks it.
    void Destroying() override;

    void WndProc(TMessage& Message) override;

    void Show();
    void Hide() { SetVisible(false); }
    // Shows the form with the program's other windows disabled and runs the
    // message loop until ModalResult is set (Close sets mrCancel) and the
    // close is allowed. Throws EInvalidOperation for a visible form.
    TModalResult ShowModal();
    // Asks OnCloseQuery, then runs OnClose: hides the form (or frees or
    // minimizes it, as OnClose decides); closing the main form ends the
    // application.
    void Close();
    virtual bool CloseQuery();
    // Frees the form once the messages already queued are handled.
    void Release();

    TWinControl* ActiveControl() const { return FActiveControl; }
    void SetActiveControl(TWinControl* Value);
    // True while the form is the active window.
    bool Active() const { return FActive; }
    TModalResult ModalResult() const { return FModalResult; }
    void SetModalResult(TModalResult Value) { FModalResult = Value; }
    TFormState FormState() const { return FFormState; }

    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle Value);
    TBorderIcons BorderIcons() const { return FBorderIcons; }
    void SetBorderIcons(TBorderIcons Value);
    TPosition Position() const { return FPosition; }
    void SetPosition(TPosition Value) { FPosition = Value; }
    // Whether the form would be scaled for a screen of another pixel
    // density; the screen here always has the 96 pixels per inch forms are
    // laid out for, so this is only kept and stored.
    bool Scaled() const { return FScaled; }
    void SetScaled(bool Value) { FScaled = Value; }
    // fsStayOnTop keeps the window above the others; the multiple-document
    // styles are stored but make no difference here.
    TFormStyle FormStyle() const { return FFormStyle; }
    void SetFormStyle(TFormStyle Value);
    // Kept and stored only: forms here do not scroll.
    bool AutoScroll() const { return FAutoScroll; }
    void SetAutoScroll(bool Value) { FAutoScroll = Value; }
    TWindowState WindowState() const { return FWindowState; }
    void SetWindowState(TWindowState Value);
    bool KeyPreview() const { return FKeyPreview; }
    void SetKeyPreview(bool Value) { FKeyPreview = Value; }
    TIcon* Icon() const { return FIcon.get(); }
    void SetIcon(const TIcon* Value) { FIcon->Assign(Value); }
    TCanvas* Canvas() const { return FCanvas.get(); }
    // The form's main menu. Keys pressed anywhere in the form reach it
    // first (IsShortCut), so its items' shortcuts work wherever the focus
    // is. The form draws no menu bar of its own: a menu-bar control shows
    // the menu. Not owned; forgotten when the menu is freed.
    TMainMenu* Menu() const { return FMenu; }
    void SetMenu(TMainMenu* Value);
    // Clicks the item of Menu whose shortcut a key-down message is; true
    // when there was one (the message is then handled).
    virtual bool IsShortCut(const TMessage& Message);

    TNotifyEvent OnCreate;
    TNotifyEvent OnDestroy;
    TNotifyEvent OnShow;
    TNotifyEvent OnHide;
    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;
    TNotifyEvent OnPaint;
    TCloseEvent OnClose;
    TCloseQueryEvent OnCloseQuery;

  protected:
    void CreateParams(TCreateParams& Params) override;
    void CreateWnd() override;
    void PaintWindow(HDC Dc) override;
    bool KeyPreviewActive() const override { return FKeyPreview; }
    void Loaded() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    virtual void DoClose(TCloseAction& Action) { OnClose(this, Action); }
    // Once the definition is read; runs OnCreate.
    virtual void DoCreate() { OnCreate(this); }
    // When destruction begins (Free, or the owner going); runs OnDestroy. A
    // form deleted directly runs OnDestroy only from its base destructor.
    virtual void DoDestroy() { OnDestroy(this); }

    void WMClose(TMessage& M);
    void WMActivate(TMessage& M);
    void WMSize(TMessage& M);
    void WMActivateApp(TMessage& M);
    void WMGetMinMaxInfo(TMessage& M);
    void CMVisibleChanged(TMessage& M);
    void CMFocusChanged(TMessage& M);
    void CMDialogKey(TMessage& M);
    void CMRelease(TMessage& M);

  private:
    void ApplyPosition();
    // Moves the form to (X, Y) as far as its monitor's work area allows.
    void PlaceCentred(int X, int Y);
    void FocusFirstControl();
    void CloseModal();

    TWinControl* FActiveControl = nullptr;
    bool FActive = false;
    bool FDestroyRun = false; // DoDestroy has run
    TModalResult FModalResult = mrNone;
    TFormState FFormState;
    TBorderStyle FBorderStyle = bsSizeable;
    TBorderIcons FBorderIcons{biSystemMenu, biMinimize, biMaximize};
    TPosition FPosition = poDesigned;
    bool FScaled = true;
    TFormStyle FFormStyle = fsNormal;
    bool FAutoScroll = false;
    TWindowState FWindowState = wsNormal;
    bool FKeyPreview = false;
    TMainMenu* FMenu = nullptr;
    std::unique_ptr<TIcon> FIcon;
    std::unique_ptr<TCanvas> FCanvas;
};

// The form Control sits on: its topmost parent when that is a form (Control
// itself when it is a form without parent); null otherwise, and for null.
TCustomForm* GetParentForm(const TControl* Control);

// An operation that is not possible in the object's present state.
class EInvalidOperation : public Exception
{
  public:
    using Exception::Exception;
};
