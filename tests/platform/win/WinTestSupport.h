#pragma once

#include "platform/gfx/Color.h"
#include "platform/win/FakeClock.h"
#include "platform/win/WinApi.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <ostream>
#include <vector>

// Colours the paint tests fill with.
inline constexpr TColor White = RGB(255, 255, 255), Black = RGB(0, 0, 0), Red = RGB(255, 0, 0),
                        Green = RGB(0, 255, 0), Blue = RGB(0, 0, 255);

// A message as a window procedure saw it; Posted when it came out of the
// queue through a test pump (DispatchLogged) rather than by a direct call.
// For WM_WINDOWPOSCHANGING and WM_WINDOWPOSCHANGED (whose wParam is 0) the
// log holds the WINDOWPOS flags in WParam, without the internal
// SWP_NOCLIENTSIZE and SWP_NOCLIENTMOVE.
struct TLogged
{
    HWND Window;
    UINT Message;
    WPARAM WParam;
    LPARAM LParam;
    bool Posted = false;
};

// Marks of a row in an expected message sequence.
enum : unsigned
{
    sent = 0x1,     // called directly: SendMessage, or the window system itself
    posted = 0x2,   // taken from the queue and dispatched
    optional = 0x4, // may be missing
};

// One row of an expected message sequence: the message, its marks, then its
// parameters and window, each compared only when given. A table of rows
// ends with an empty row, {}.
struct TMsgRow
{
    UINT Message = 0;
    unsigned Flags = 0;
    std::optional<WPARAM> WParam = std::nullopt;
    std::optional<LPARAM> LParam = std::nullopt;
    HWND Window = nullptr; // null: any window
};

// Window handles as message parameters.
inline WPARAM W(HWND Window)
{
    return reinterpret_cast<WPARAM>(Window);
}
inline LPARAM L(HWND Window)
{
    return reinterpret_cast<LPARAM>(Window);
}
// SetWindowPos flags of a change that keeps size and place.
constexpr UINT Keep = SWP_NOSIZE | SWP_NOMOVE;

// Groups of rows (each a step that recurs across cases) one after another.
std::vector<TMsgRow> Joined(std::initializer_list<std::vector<TMsgRow>> Groups);
// The same as one table, ended by the empty row.
std::vector<TMsgRow> Rows(std::initializer_list<std::vector<TMsgRow>> Groups);

// Messages seen by the logging window procedures on the calling thread.
std::vector<TLogged>& MessageLog();
// What a logging window procedure calls first.
void LogMessage(HWND Window, UINT Message, WPARAM WParam, LPARAM LParam);
// DispatchMessage, marking the message as posted when its window logs it.
LRESULT DispatchLogged(const MSG& Msg);

// Compares the whole message log with the table Rows, then clears the log:
// each logged message must match the next row (optional rows may be passed
// over), so a message that no row accounts for fails the case, as does a
// row left unmatched. Fails with both sequences printed.
void ExpectSequence(const TMsgRow* Rows, const char* Context);
// The same over a given log (a selection of the input messages, where hit
// testing and cursor messages around them are not the point).
void ExpectSequenceIn(const std::vector<TLogged>& Log, const TMsgRow* Rows, const char* Context);
// The log with only the given messages kept, for counting.
std::vector<TLogged> Only(const std::vector<TLogged>& Log, std::initializer_list<UINT> Messages);

// Installs a fake clock and registers the recorder class; windows made with
// MakeWindow are destroyed at the end if still alive.
class TWinTest : public ::testing::Test
{
  protected:
    void SetUp() override;
    void TearDown() override;

    HWND MakeWindow(DWORD Style = 0, HWND Parent = HWND_MESSAGE, LPCSTR Text = "");
    HWND MakeWindowAt(DWORD Style, HWND Parent, RECT Rect, LPCSTR Text = "", DWORD ExStyle = 0,
                      int Id = 0);
    // Retrieves and dispatches (DispatchLogged) every message that is ready
    // now.
    int PumpReady();
    // The same with TranslateMessage, as an application's loop does.
    int PumpTranslated();

    // Raw input in screen coordinates, queued for the message loop.
    void Move(int X, int Y);
    void Button(int X, int Y, bool Down, TRawInput::TButton Which = TRawInput::TButton::Left);
    void Click(int X, int Y)
    {
        Button(X, Y, true);
        Button(X, Y, false);
    }
    void Key(UINT VirtualKey, bool Down);
    void Press(UINT VirtualKey)
    {
        Key(VirtualKey, true);
        Key(VirtualKey, false);
    }
    void Input(const TRawInput& Raw);

    std::shared_ptr<TFakeClock> FClock;
    std::vector<HWND> FWindows;
};

const char* MessageName(UINT Message);
// The same pump for fixtures that are not TWinTest.
int PumpLoggedMessages(bool Translate);
