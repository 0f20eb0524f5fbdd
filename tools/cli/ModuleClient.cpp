#include "tools/cli/ModuleClient.h"

#include "platform/win/Messaging.h"
#include "platform/win/Timers.h"
#include "platform/win/WinMessages.h"
#include "platform/win/WindowApi.h"
#include "platform/win/WindowClass.h"
#include "protocol/Frames.h"

#include <algorithm>

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
    FTaken.clear();
    FLost = false;
}

ExchangeResult ModuleClient::ReadAll(std::chrono::milliseconds Limit)
{
    Forget();
    const Frame Request = BuildReadAll();
    const auto SentAt = std::chrono::steady_clock::now();
    const bool Sent = FLink.SendReadAll() == 1;
    return Exchange({Request.begin(), Request.end()}, Sent, SentAt, "read-all", Limit);
}

ExchangeResult ModuleClient::WriteAll(const ModuleParameters& Block,
                                      std::chrono::milliseconds Limit)
{
    Forget();
    const Frame Request = BuildWriteAll(Block);
    const auto SentAt = std::chrono::steady_clock::now();
    const bool Sent = FLink.SendWriteAll(&Block) == 1;
    return Exchange({Request.begin(), Request.end()}, Sent, SentAt, "write-all", Limit);
}

ExchangeResult ModuleClient::Exchange(const std::vector<uint8_t>& Request, bool Sent,
                                      std::chrono::steady_clock::time_point SentAt,
                                      const char* What, std::chrono::milliseconds Limit)
{
    ExchangeResult Result;
    if (Sent)
    {
        Result = Await(Limit);
    }
    else
    {
        Result.Outcome = ExchangeOutcome::SendFailed;
        Result.Error =
            std::string("sending the ") + What + " request: " + FLink.LastError().Message;
    }
    Result.Sent = Request;
    Result.SentAt = SentAt;
    return Result;
}

ExchangeResult ModuleClient::Await(std::chrono::milliseconds Limit)
{
    FExpired = false;
    SetTimer(FWindow, LimitTimer, static_cast<UINT>(Limit.count()), nullptr);
    while (!Answered() && !FLost && !FExpired)
    {
        MSG Msg{};
        if (GetMessage(&Msg, nullptr, 0, 0) <= 0) break;
        DispatchMessage(&Msg);
    }
    KillTimer(FWindow, LimitTimer);

    ExchangeResult Result;
    // Replies already waiting behind the answer belong to this exchange too.
    for (ModuleReply More; FLink.TakeReply(More);)
        FTaken.push_back(std::move(More));
    Result.Replies = FTaken;
    const auto Answer = std::find_if(FTaken.begin(), FTaken.end(),
                                     [](const ModuleReply& Reply) { return Reply.Answers != 0; });
    if (Answer != FTaken.end())
    {
        Result.Outcome =
            Answer->Flag == ReplyOk ? ExchangeOutcome::Reply : ExchangeOutcome::ChecksumMismatch;
        Result.Block = Answer->Block;
    }
    else if (FLost)
    {
        Result.Outcome = ExchangeOutcome::PortLost;
        Result.Error = FLink.DevicePath() + ": the device went away";
        FLink.Close();
    }
    return Result;
}

bool ModuleClient::Answered() const
{
    return std::any_of(FTaken.begin(), FTaken.end(),
                       [](const ModuleReply& Reply) { return Reply.Answers != 0; });
}

LRESULT ModuleClient::Procedure(HWND Window, UINT Message, WPARAM WParam, LPARAM LParam)
{
    auto* Self = reinterpret_cast<ModuleClient*>(GetWindowLongPtr(Window, GWLP_USERDATA));
    if (Self && Message == Self->FMessage && Message != 0)
    {
        // Each reply notification has its frame in the link's queue; the
        // link marks the one that answers the request, others (a module
        // that answers twice, a frame of another command) are taken for the
        // trace and change nothing.
        if (WParam == ReplyPortLost)
        {
            Self->FLost = true;
            return 0;
        }
        ModuleReply Reply;
        if (Self->FLink.TakeReply(Reply)) Self->FTaken.push_back(std::move(Reply));
        return 0;
    }
    if (Self && Message == WM_TIMER && WParam == LimitTimer)
    {
        Self->FExpired = true;
        return 0;
    }
    return DefWindowProc(Window, Message, WParam, LParam);
}
