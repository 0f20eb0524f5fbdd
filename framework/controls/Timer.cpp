#include "framework/controls/Timer.h"

#include "framework/PropertyRegistry.h"
#include "framework/controls/Application.h"
#include "platform/win/WinApi.h"

namespace
{
constexpr const char* TimerClassName = "NovlaTimerWindow";
constexpr UINT_PTR TimerId = 1;
} // namespace

const TClassInfo& TTimer::StaticClass()
{
    static const TClassInfo Info = TClassBuilder<TTimer>("TTimer", &TComponent::StaticClass())
                                       .Boolean("Enabled", &TTimer::Enabled, &TTimer::SetEnabled)
                                       .Default(true)
                                       .Integer("Interval", &TTimer::Interval, &TTimer::SetInterval)
                                       .Default(1000)
                                       .Event("OnTimer", &TTimer::OnTimer)
                                       .Build();
    return Info;
}

TTimer::TTimer(TComponent* AOwner) : TComponent(AOwner)
{
    WNDCLASSEX Existing{};
    Existing.cbSize = sizeof(Existing);
    if (!GetClassInfoEx(nullptr, TimerClassName, &Existing))
    {
        WNDCLASS Class{};
        Class.lpfnWndProc = TimerWindowProc;
        Class.lpszClassName = TimerClassName;
        RegisterClass(&Class);
    }
    FWindow = CreateWindowEx(0, TimerClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr,
                             nullptr);
    if (!FWindow) throw EComponentError("Cannot create the timer's window");
    SetWindowLongPtr(FWindow, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

TTimer::~TTimer()
{
    if (FWindow) DestroyWindow(FWindow);
}

LRESULT TTimer::TimerWindowProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam)
{
    if (Msg != WM_TIMER) return DefWindowProc(Window, Msg, WParam, LParam);
    auto* Self = reinterpret_cast<TTimer*>(GetWindowLongPtr(Window, GWLP_USERDATA));
    if (!Self || !Self->FRunning) return 0;
    try
    {
        Self->Timer();
    }
    catch (const std::exception& E)
    {
        if (!Application) throw;
        Application->HandleException(E);
    }
    return 0;
}

void TTimer::SetEnabled(bool Value)
{
    if (FEnabled == Value) return;
    FEnabled = Value;
    UpdateTimer();
}

void TTimer::SetInterval(unsigned Value)
{
    if (FInterval == Value) return;
    FInterval = Value;
    UpdateTimer();
}

void TTimer::SetOnTimer(TNotifyEvent Handler)
{
    OnTimer = std::move(Handler);
    UpdateTimer();
}

void TTimer::UpdateTimer()
{
    if (ComponentState().Contains(csLoading)) return;
    if (FRunning) KillTimer(FWindow, TimerId);
    FRunning = FEnabled && FInterval > 0 && static_cast<bool>(OnTimer);
    if (FRunning && !SetTimer(FWindow, TimerId, FInterval, nullptr))
    {
        FRunning = false;
        throw EComponentError("Not enough timers available");
    }
}

void TTimer::Loaded()
{
    TComponent::Loaded();
    UpdateTimer();
}
