#pragma once

#include "framework/Component.h"
#include "framework/Event.h"
#include "framework/controls/CustomForm.h"
#include "framework/controls/Messages.h"
#include "framework/graphics/Icon.h"

#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <vector>

struct MSG;
class TApplicationEvents;
class TControl;
class THintTracker;

using TMessageEvent = TEvent<MSG&, bool&>;
using TExceptionEvent = TEvent<TObject*, const std::exception&>;
// Sees a message of the main form's window before the form does; true: the
// message is handled (Result set) and the form never sees it.
using TWindowHook = std::function<bool(TMessage&)>;

// The program's application object, one per process (construct it on the UI
// thread after installing the window system's backend). It owns the forms
// made with CreateForm, runs the message loop until the main form closes,
// and shows exceptions that escape event handlers in a message box, after
// which the loop goes on.
class TApplication : public TComponent
{
  public:
    // Throws EInvalidOperation when an application already exists.
    explicit TApplication(TComponent* AOwner = nullptr);
    ~TApplication() override;

    static const TClassInfo& StaticClass();
    const TClassInfo& ClassInfo() const override { return StaticClass(); }

    // Registers the framework's classes for form definitions.
    void Initialize();
    // Creates a form of class T owned by the application; the first one
    // becomes the main form.
    template <class T> void CreateForm(T*& Reference)
    {
        T* Form = TCustomForm::Create<T>(this);
        Reference = Form;
        if (!FMainForm) FMainForm = Form;
    }
    // Shows the main form and handles messages until the application is
    // terminated (closing the main form does that). A quit request the
    // application did not make itself (the session ends: a signal, a lost
    // display) closes the main form, as the user would, and ends the loop
    // whatever the form answers.
    void Run();
    void Terminate();
    bool Terminated() const { return FTerminated; }
    // Handles every message waiting, then returns.
    void ProcessMessages();
    // Waits for one message and handles it.
    void HandleMessage();

    TCustomForm* MainForm() const { return FMainForm; }
    const std::string& Title() const { return FTitle; }
    void SetTitle(const std::string& Value) { FTitle = Value; }
    TIcon* Icon() const { return FIcon.get(); }
    // True while one of the program's windows is the active window.
    bool Active() const { return FActive; }

    // Tool tips: whether hints show at all, the hint being shown (set to
    // the control's hint before OnHint runs, which may change it), and the
    // machinery with its timing. CM_HINTSHOW lets the control adjust it
    // after OnHint.
    bool ShowHint() const;
    void SetShowHint(bool Value);
    const std::string& Hint() const;
    void SetHint(const std::string& Value);
    THintTracker& Hints();
    void CancelHint();
    TNotifyEvent OnHint;
    // Called by the controls: a mouse message reached Control, the pointer
    // left Control.
    void HintMouseMessage(TControl* Control, const TMessage& Message);
    void HintMouseLeft(TControl* Control);

    // Hooks on the main form's window; Unhook takes what Hook returned.
    int HookMainWindow(TWindowHook Hook);
    void UnhookMainWindow(int Id);
    bool CallMainWindowHooks(TMessage& Message);

    // Runs OnException, or shows the exception's message in an error box.
    void HandleException(const std::exception& E);
    void ShowException(const std::exception& E);

    TMessageEvent OnMessage;
    TExceptionEvent OnException;
    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;

    // Called by the framework.
    void FormDestroyed(TCustomForm* Form);
    void SetActive(bool Value);
    void AddEvents(TApplicationEvents* Events);
    void RemoveEvents(TApplicationEvents* Events);

  private:
    // Takes the next message if there is one (Wait: waits for it).
    bool ProcessMessage(bool Wait);
    void QuitReceived();
    void Dispatch(MSG& Msg);

    TCustomForm* FMainForm = nullptr;
    std::string FTitle;
    std::unique_ptr<TIcon> FIcon;
    bool FTerminated = false;
    // Terminate posted the quit request, or one from outside is handled.
    bool FTerminating = false;
    bool FActive = false;
    int FNextHookId = 1;
    std::vector<std::pair<int, TWindowHook>> FHooks;
    std::vector<TApplicationEvents*> FEvents;
    int FShowingException = 0;
    std::unique_ptr<THintTracker> FHints;
};

// The one application object, or null.
extern TApplication* Application;

// Registers every class the framework offers to form definitions.
void RegisterFrameworkClasses();
