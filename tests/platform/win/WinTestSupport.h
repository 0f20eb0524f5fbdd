#pragma once

#include "platform/win/FakeClock.h"
#include "platform/win/WinApi.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <ostream>
#include <vector>

// A message as a window procedure saw it.
struct TLogged
{
    HWND Window;
    UINT Message;
    WPARAM WParam;
    LPARAM LParam;
};

// One row of an expected message sequence; parameters are compared only when
// given.
struct TExpected
{
    UINT Message;
    std::optional<WPARAM> WParam = std::nullopt;
    std::optional<LPARAM> LParam = std::nullopt;
    HWND Window = nullptr; // null: any window
};

// Messages seen by windows of the "Recorder" class on the calling thread.
std::vector<TLogged>& MessageLog();

// Fails with the whole sequence printed when Log differs from Expected.
void ExpectMessages(const std::vector<TLogged>& Log, const std::vector<TExpected>& Expected);
// The log with only the given messages kept.
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
    // Retrieves and dispatches every message that is ready now.
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
