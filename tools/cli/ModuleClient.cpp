#include "tools/cli/ModuleClient.h"

#include "platform/win/Messaging.h"
#include "platform/win/Timers.h"
#include "platform/win/WinMessages.h"
#include "platform/win/WindowApi.h"
#include "platform/win/WindowClass.h"

namespace
{
constexpr const char* WindowClassName = "NovlaModuleClient";
constexpr UINT_PTR LimitTimer = 1;
} // namespace

ModuleClient::ModuleClient()
{
    static const ATOM Registered = []
    {
        WNDCLASSEX Class{};
        Class.cbSize = sizeof Class;
        Class.lpfnWndProc = &ModuleClient::Procedure;
        Class.lpszClassName = WindowClassName;
        return RegisterClassEx(&Class);
    }();
    (void)Registered;
    FMessage = RegisterWindowMessage(ReplyMessageName);
    FWindow = CreateWindowEx(0, WindowClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr,
                             nullptr);
    if (FWindow) SetWindowLongPtr(FWindow, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    FLink.SetNotifyTarget(FWindow, FMessage);
}

ModuleClient::~ModuleClient()
{
    // The receive thread ends before the window it posts to goes.
    FLink.Close();
    if (FWindow) DestroyWindow(FWindow);
}

bool ModuleClient::Open(int Port, int Baud, int Parity, std::string& Error)
{
    if (!FWindow)
    {
        Error = "the client's message window could not be created";
        return false;
    }
    if (FLink.Configure(Port, Baud, Parity)) return true;
    Error = FLink.LastError().Message;
    return false;
}

void ModuleClient::Forget()
{
    // A late notification of an earlier exchange (a module that answered
    // twice) must not pass for the answer to the next request.
    MSG Msg{};
    while (PeekMessage(&Msg, FWindow, 0, 0, PM_REMOVE))
        DispatchMessage(&Msg);
    FLink.ForgetReplies();
    FReply.reset();
    FLost = false;
}

ExchangeResult ModuleClient::ReadAll(std::chrono::milliseconds Limit)
{
    Forget();
    if (!FLink.SendReadAll())
        return {ExchangeOutcome::SendFailed,
                {},
                "sending the read-all request: " + FLink.LastError().Message};
    return Await(Limit);
}

ExchangeResult ModuleClient::WriteAll(const ModuleParameters& Block,
                                      std::chrono::milliseconds Limit)
{
    Forget();
    if (!FLink.SendWriteAll(&Block))
        return {ExchangeOutcome::SendFailed,
                {},
                "sending the write-all request: " + FLink.LastError().Message};
    return Await(Limit);
}

ExchangeResult ModuleClient::Await(std::chrono::milliseconds Limit)
{
    FExpired = false;
    SetTimer(FWindow, LimitTimer, static_cast<UINT>(Limit.count()), nullptr);
    while (!FReply && !FLost && !FExpired)
    {
        MSG Msg{};
        if (GetMessage(&Msg, nullptr, 0, 0) <= 0) break;
        DispatchMessage(&Msg);
    }
    KillTimer(FWindow, LimitTimer);

    ExchangeResult Result;
    if (FReply)
    {
        Result.Outcome =
            FReply->Flag == ReplyOk ? ExchangeOutcome::Reply : ExchangeOutcome::ChecksumMismatch;
        Result.Block = FReply->Block;
    }
    else if (FLost)
    {
        Result.Outcome = ExchangeOutcome::PortLost;
        Result.Error = FLink.DevicePath() + ": the device went away";
        FLink.Close();
    }
    return Result;
}

LRESULT ModuleClient::Procedure(HWND Window, UINT Message, WPARAM WParam, LPARAM LParam)
{
    auto* Self = reinterpret_cast<ModuleClient*>(GetWindowLongPtr(Window, GWLP_USERDATA));
    if (Self && Message == Self->FMessage && Message != 0)
    {
        // Each reply notification has its frame in the link's queue; the
        // first answers the request, later ones (a module that answers
        // twice) are taken and change nothing.
        if (WParam == ReplyPortLost)
        {
            Self->FLost = true;
            return 0;
        }
        ModuleReply Reply;
        if (Self->FLink.TakeReply(Reply) && !Self->FReply) Self->FReply = Reply;
        return 0;
    }
    if (Self && Message == WM_TIMER && WParam == LimitTimer)
    {
        Self->FExpired = true;
        return 0;
    }
    return DefWindowProc(Window, Message, WParam, LParam);
}
