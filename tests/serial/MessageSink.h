#pragma once

#include "platform/win/Messaging.h"
#include "platform/win/Timers.h"
#include "platform/win/WinMessages.h"
#include "platform/win/WindowApi.h"
#include "platform/win/WindowClass.h"

#include <chrono>
#include <cstddef>
#include <functional>
#include <vector>

// A message-only window on the calling thread that records what reaches it,
// with a bounded message loop to wait for notifications.
class MessageSink
{
  public:
    MessageSink()
    {
        static const ATOM Registered = []
        {
            WNDCLASSEX Class{};
            Class.cbSize = sizeof Class;
            Class.lpfnWndProc = &MessageSink::Procedure;
            Class.lpszClassName = "NovlaTestMessageSink";
            return RegisterClassEx(&Class);
        }();
        (void)Registered;
        FWindow = CreateWindowEx(0, "NovlaTestMessageSink", "", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                 nullptr, nullptr, nullptr);
        SetWindowLongPtr(FWindow, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }
    ~MessageSink() { DestroyWindow(FWindow); }
    MessageSink(const MessageSink&) = delete;
    MessageSink& operator=(const MessageSink&) = delete;

    HWND Handle() const { return FWindow; }

    // Runs the message loop until Count messages with id Message arrived in
    // total, or Limit passed. True when they did.
    bool WaitFor(UINT Message, size_t Count,
                 std::chrono::milliseconds Limit = std::chrono::milliseconds(3000))
    {
        FExpired = false;
        SetTimer(FWindow, LimitTimer, static_cast<UINT>(Limit.count()), nullptr);
        while (Flags(Message).size() < Count && !FExpired)
        {
            MSG Msg{};
            if (GetMessage(&Msg, nullptr, 0, 0) <= 0) break;
            DispatchMessage(&Msg);
        }
        KillTimer(FWindow, LimitTimer);
        return Flags(Message).size() >= Count;
    }

    // First parameters of the messages with id Message, in arrival order.
    std::vector<WPARAM> Flags(UINT Message) const
    {
        std::vector<WPARAM> Result;
        for (const MSG& Msg : FReceived)
            if (Msg.message == Message) Result.push_back(Msg.wParam);
        return Result;
    }

    // Called for each recorded message, on this thread, after it is recorded.
    std::function<void(const MSG&)> OnMessage;

  private:
    static constexpr UINT_PTR LimitTimer = 0x5EED;

    static LRESULT Procedure(HWND Window, UINT Message, WPARAM WParam, LPARAM LParam)
    {
        auto* Self = reinterpret_cast<MessageSink*>(GetWindowLongPtr(Window, GWLP_USERDATA));
        if (!Self) return DefWindowProc(Window, Message, WParam, LParam);
        if (Message == WM_TIMER && WParam == LimitTimer)
        {
            Self->FExpired = true;
            return 0;
        }
        if (Message >= 0xC000)
        {
            MSG Msg{Window, Message, WParam, LParam, 0, {}};
            Self->FReceived.push_back(Msg);
            if (Self->OnMessage) Self->OnMessage(Msg);
            return 0;
        }
        return DefWindowProc(Window, Message, WParam, LParam);
    }

    HWND FWindow = nullptr;
    bool FExpired = false;
    std::vector<MSG> FReceived;
};
