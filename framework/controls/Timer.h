#pragma once

#include "framework/Component.h"
#include "framework/Event.h"
#include "platform/win/WinTypes.h"

// Runs OnTimer every Interval milliseconds on the window system's clock
// while Enabled, Interval > 0 and OnTimer is set. Uses a message-only window
// of the creating (UI) thread.
class TTimer : public TComponent
{
  public:
    explicit TTimer(TComponent* AOwner);
    ~TTimer() override;

    static const TClassInfo& StaticClass();
    const TClassInfo& ClassInfo() const override { return StaticClass(); }

    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool Value);
    unsigned Interval() const { return FInterval; }
    void SetInterval(unsigned Value);

    // Set OnTimer through SetOnTimer (or call UpdateTimer after assigning)
    // so the timer starts.
    TNotifyEvent OnTimer;
    void SetOnTimer(TNotifyEvent Handler);
    void UpdateTimer();

  protected:
    void Loaded() override;
    virtual void Timer() { OnTimer(this); }

  private:
    static LRESULT TimerWindowProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam);

    bool FEnabled = true;
    unsigned FInterval = 1000;
    HWND FWindow = nullptr;
    bool FRunning = false;
};
