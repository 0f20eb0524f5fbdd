#include "framework/controls/Application.h"

#include "framework/ClassRegistry.h"
#include "framework/PropertyRegistry.h"
#include "framework/controls/ApplicationEvents.h"
#include "framework/controls/Button.h"
#include "framework/controls/Dialogs.h"
#include "framework/controls/Form.h"
#include "framework/controls/GroupBox.h"
#include "framework/controls/HintTracker.h"
#include "framework/controls/Label.h"
#include "framework/controls/Panel.h"
#include "framework/controls/Screen.h"
#include "framework/controls/Timer.h"
#include "framework/graphics/ImageList.h"
#include "platform/win/WinApi.h"

#include <algorithm>

TApplication* Application = nullptr;

void RegisterFrameworkClasses()
{
    RegisterClasses({&TForm::StaticClass(), &TPanel::StaticClass(), &TLabel::StaticClass(),
                     &TButton::StaticClass(), &TGroupBox::StaticClass(), &TTimer::StaticClass(),
                     &TImageList::StaticClass(), &TApplicationEvents::StaticClass()});
}

const TClassInfo& TApplication::StaticClass()
{
    static const TClassInfo Info =
        TClassBuilder<TApplication>("TApplication", &TComponent::StaticClass()).Build();
    return Info;
}

TApplication::TApplication(TComponent* AOwner)
    : TComponent(AOwner), FIcon(std::make_unique<TIcon>())
{
    if (Application) throw EInvalidOperation("There is already an application object");
    Application = this;
    if (!Screen) Screen = new TScreen(this);
}

TApplication::~TApplication()
{
    FHints.reset();
    Destroying();
    DestroyComponents();
    FEvents.clear();
    Application = nullptr;
}

void TApplication::Initialize()
{
    RegisterFrameworkClasses();
}

void TApplication::Run()
{
    if (FMainForm && !FMainForm->Visible()) FMainForm->Show();
    while (!FTerminated)
        HandleMessage();
}

void TApplication::Terminate()
{
    if (FTerminated || FTerminating) return;
    FTerminating = true;
    PostQuitMessage(0);
}

void TApplication::QuitReceived()
{
    if (!FTerminating && FMainForm)
    {
        FTerminating = true;
        try
        {
            FMainForm->Close();
        }
        catch (const std::exception& E)
        {
            HandleException(E);
        }
    }
    FTerminating = true;
    FTerminated = true;
}

void TApplication::ProcessMessages()
{
    while (ProcessMessage(false))
    {
    }
}

void TApplication::HandleMessage()
{
    ProcessMessage(true);
}

bool TApplication::ProcessMessage(bool Wait)
{
    MSG Msg{};
    if (Wait)
    {
        if (GetMessage(&Msg, nullptr, 0, 0) <= 0)
        {
            QuitReceived();
            return false;
        }
    }
    else
    {
        if (!PeekMessage(&Msg, nullptr, 0, 0, PM_REMOVE)) return false;
        if (Msg.message == WM_QUIT)
        {
            QuitReceived();
            return false;
        }
    }
    try
    {
        Dispatch(Msg);
    }
    catch (const std::exception& E)
    {
        HandleException(E);
    }
    return true;
}

void TApplication::Dispatch(MSG& Msg)
{
    bool Handled = false;
    OnMessage(Msg, Handled);
    std::vector<TApplicationEvents*> Events = FEvents;
    for (TApplicationEvents* E : Events)
    {
        if (Handled) break;
        if (std::find(FEvents.begin(), FEvents.end(), E) != FEvents.end())
            E->OnMessage(Msg, Handled);
    }
    if (Handled) return;
    TranslateMessage(&Msg);
    DispatchMessage(&Msg);
}

bool TApplication::ShowHint() const
{
    return !FHints || FHints->ShowHint();
}

void TApplication::SetShowHint(bool Value)
{
    Hints().SetShowHint(Value);
}

const std::string& TApplication::Hint() const
{
    static const std::string None;
    return FHints ? FHints->Hint() : None;
}

void TApplication::SetHint(const std::string& Value)
{
    Hints().SetHint(Value);
}

THintTracker& TApplication::Hints()
{
    if (!FHints)
    {
        FHints = std::make_unique<THintTracker>(nullptr);
        FHints->OnHint = [this] { OnHint(this); };
    }
    return *FHints;
}

void TApplication::CancelHint()
{
    if (FHints) FHints->Cancel();
}

void TApplication::HintMouseMessage(TControl* Control, const TMessage& Message)
{
    if (Message.Msg == WM_MOUSEMOVE)
    {
        const TPoint Screen =
            Control->ClientToScreen({GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam)});
        Hints().MouseMoved(Control, Screen);
    }
    else
        CancelHint();
}

void TApplication::HintMouseLeft(TControl* Control)
{
    if (FHints) FHints->MouseLeft(Control);
}

int TApplication::HookMainWindow(TWindowHook Hook)
{
    int Id = FNextHookId++;
    FHooks.emplace_back(Id, std::move(Hook));
    return Id;
}

void TApplication::UnhookMainWindow(int Id)
{
    FHooks.erase(
        std::remove_if(FHooks.begin(), FHooks.end(), [Id](const auto& H) { return H.first == Id; }),
        FHooks.end());
}

bool TApplication::CallMainWindowHooks(TMessage& Message)
{
    if (FHooks.empty()) return false;
    // A hook may unhook itself (or others) while it runs.
    auto Hooks = FHooks;
    for (auto& [Id, Hook] : Hooks)
        if (Hook(Message)) return true;
    return false;
}

void TApplication::HandleException(const std::exception& E)
{
    if (OnException)
    {
        OnException(this, E);
        return;
    }
    for (TApplicationEvents* Events : FEvents)
        if (Events->OnException)
        {
            Events->OnException(this, E);
            return;
        }
    ShowException(E);
}

void TApplication::ShowException(const std::exception& E)
{
    // An exception while one is on screen is only counted as a beep: a
    // failing paint handler would otherwise stack up message boxes.
    if (FShowingException > 0)
    {
        MessageBeep(MB_ICONERROR);
        return;
    }
    ++FShowingException;
    try
    {
        std::string Text = E.what();
        if (!Text.empty() && Text.back() != '.') Text += '.';
        MessageDlg(Text, mtError, {mbOK});
    }
    catch (...)
    {
        --FShowingException;
        throw;
    }
    --FShowingException;
}

void TApplication::FormDestroyed(TCustomForm* Form)
{
    if (FMainForm == Form)
    {
        FMainForm = nullptr;
        if (!ComponentState().Contains(csDestroying)) Terminate();
    }
}

void TApplication::SetActive(bool Value)
{
    if (FActive == Value) return;
    FActive = Value;
    if (!Value) CancelHint();
    if (Value)
        OnActivate(this);
    else
        OnDeactivate(this);
}

void TApplication::AddEvents(TApplicationEvents* Events)
{
    FEvents.push_back(Events);
}

void TApplication::RemoveEvents(TApplicationEvents* Events)
{
    FEvents.erase(std::remove(FEvents.begin(), FEvents.end(), Events), FEvents.end());
}

const TClassInfo& TApplicationEvents::StaticClass()
{
    static const TClassInfo Info =
        TClassBuilder<TApplicationEvents>("TApplicationEvents", &TComponent::StaticClass())
            .Event("OnException", &TApplicationEvents::OnException)
            .Event("OnMessage", &TApplicationEvents::OnMessage)
            .Build();
    return Info;
}

TApplicationEvents::TApplicationEvents(TComponent* AOwner) : TComponent(AOwner)
{
    if (Application) Application->AddEvents(this);
}

TApplicationEvents::~TApplicationEvents()
{
    if (Application) Application->RemoveEvents(this);
}
