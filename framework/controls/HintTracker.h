#pragma once

#include "framework/Component.h"
#include "platform/gfx/Geometry.h"
#include "platform/win/WinTypes.h"

#include <functional>
#include <memory>
#include <string>

class TControl;
class THintWindow;
class TTimer;

// What CM_HINTSHOW hands a control (LParam) before its hint shows; the
// control may change any of it, or answer 1 to show nothing (until the
// pointer leaves CursorRect).
struct THintInfo
{
    TControl* HintControl = nullptr;
    // The pointer, in the control's client coordinates.
    TPoint CursorPos{};
    // The hint stays while the pointer stays inside (client coordinates).
    TRect CursorRect{};
    int HintMaxWidth = 0;
    std::string HintStr;
    // Milliseconds the hint stays; 0: from the text's length.
    unsigned HideTimeout = 0;
};

// The application's tool-tip machinery: waits for the pointer to rest on a
// control that shows a hint, shows the hint window below the pointer inside
// the monitor's work area, and hides it after a time that grows with the
// text, on a click or key, or when the pointer leaves. Timing runs on the
// window system's timers.
class THintTracker : public TComponent
{
  public:
    // Milliseconds of rest before a hint shows.
    static constexpr unsigned DefaultPause = 500;
    // Wait before the next control's hint while one was just shown.
    static constexpr unsigned DefaultShortPause = 50;
    // How long a hint stays at least, and what each character adds.
    static constexpr unsigned DefaultHidePause = 2500;
    static constexpr unsigned HidePausePerChar = 50;
    static constexpr unsigned LongestHidePause = 30000;
    // How long after a hint went away the next one comes without the wait.
    static constexpr unsigned ShortPauseWindow = 500;
    // Width at which hint text wraps.
    static constexpr int DefaultMaxWidth = 300;
    // How far the arrow pointer reaches below its hot spot; the hint goes
    // below that.
    static constexpr int PointerHeight = 20;

    explicit THintTracker(TComponent* AOwner);
    ~THintTracker() override;

    bool ShowHint() const { return FShowHint; }
    void SetShowHint(bool Value);
    unsigned HintPause = DefaultPause;
    unsigned HintShortPause = DefaultShortPause;
    unsigned HintHidePause = DefaultHidePause;

    // The hint being shown or about to show.
    const std::string& Hint() const { return FHint; }
    void SetHint(const std::string& Value) { FHint = Value; }
    // Runs before a hint shows, after Hint is set to the control's hint;
    // the hint shown is Hint as the call leaves it.
    std::function<void()> OnHint;

    // The pointer moved over Control (WM_MOUSEMOVE at a screen point).
    void MouseMoved(TControl* Control, TPoint Screen);
    // The pointer left Control.
    void MouseLeft(TControl* Control);
    // A click or a key: hides the hint and shows none until the pointer
    // moves to another control.
    void Cancel();

    // The control whose hint is shown or awaited, or null.
    TControl* HintControl() const { return FControl; }
    bool Showing() const;
    THintWindow* Window() const { return FWindow.get(); }
    // The control that shows Control's hint: it or the nearest parent with
    // a hint, if that one shows hints; null otherwise.
    static TControl* HintSource(TControl* Control);
    // Milliseconds a hint of Text stays when nothing asks otherwise.
    unsigned HideTimeFor(const std::string& Text) const;
    // Where a hint of Size goes for the pointer at Cursor: below it, kept
    // inside the work area of the monitor under the pointer (above the
    // pointer when there is no room below).
    static TRect PlaceHint(TPoint Cursor, TSize Size, const TRect& WorkArea);

  protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

  private:
    void SetControl(TControl* Control);
    void StartTimer(unsigned Milliseconds);
    void StopTimer();
    void TimerFired(TObject*);
    void Activate();
    // Hides the hint window; Quick: the next hint comes without the wait.
    void HideWindow(bool Quick);
    void Forget();

    bool FShowHint = true;
    std::string FHint;
    TControl* FControl = nullptr;
    TPoint FCursor{};
    // Screen rectangle the shown (or refused, or ended) hint belongs to.
    TRect FCursorRect{};
    // The hint of FControl was shown or refused; it waits for the pointer
    // to leave FCursorRect.
    bool FDone = false;
    // When a hint last went away in a way that lets the next come quickly.
    DWORD FHiddenAt = 0;
    bool FQuick = false;
    TTimer* FTimer = nullptr;
    std::unique_ptr<THintWindow> FWindow;
};
