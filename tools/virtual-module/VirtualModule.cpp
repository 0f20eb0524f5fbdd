#include "tools/virtual-module/VirtualModule.h"

#include "platform/comm/LineSettings.h"
#include "platform/comm/PortMap.h"
#include "protocol/CodeTables.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <poll.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

namespace
{
using Clock = std::chrono::steady_clock;
constexpr int FirstFreePort = 200;
constexpr int LastPort = 9999;

// Noise before an answer: single sync bytes, CR LF pairs and ordinary bytes,
// none of which can form a frame.
constexpr uint8_t Noise[] = {0x00, 0xAF, 0x13, 0x0D, 0x0A, 0x55,
                             0xAF, 0x42, 0xFF, 0x0D, 0x0A, 0x7E};

std::string LinkTarget(const std::string& Link)
{
    char Target[4096];
    const ssize_t Length = readlink(Link.c_str(), Target, sizeof Target - 1);
    return Length > 0 ? std::string(Target, static_cast<size_t>(Length)) : std::string();
}

const char* ParityName(int Parity)
{
    return Parity == 1 ? "ODD" : Parity == 2 ? "EVEN" : "NO";
}

std::string LineText(const ModuleParameters& Block)
{
    return std::to_string(BaudRateForCode(Block.UartBaudCode)) + " " + ParityName(Block.UartParity);
}

std::string Describe(const ModuleParameters& Block)
{
    char Text[160];
    std::snprintf(Text, sizeof Text, "%.2f MHz, node %d, net %d, power code %d", Block.FrequencyMHz,
                  NodeId(Block), Block.NetId, Block.PowerLevel);
    return Text;
}
} // namespace

namespace
{
// Every fault with its name, in the order the usage text lists them.
struct NamedFault
{
    ModuleFault Fault;
    const char* Name;
};
constexpr NamedFault Faults[] = {
    {ModuleFault::None, "none"},
    {ModuleFault::Silent, "silent"},
    {ModuleFault::BadChecksum, "bad-checksum"},
    {ModuleFault::Split, "split"},
    {ModuleFault::Garbage, "garbage"},
    {ModuleFault::Duplicate, "duplicate"},
    {ModuleFault::IgnoreWrite, "ignore-write"},
    {ModuleFault::TrailingFrame, "trailing-frame"},
    {ModuleFault::StaleFirst, "stale-first"},
    {ModuleFault::DropFirst, "drop-first"},
    {ModuleFault::WrongCommand, "wrong-command"},
};
} // namespace

std::optional<ModuleFault> ParseModuleFault(std::string_view Text)
{
    for (const NamedFault& Named : Faults)
        if (Text == Named.Name) return Named.Fault;
    return std::nullopt;
}

const char* ModuleFaultName(ModuleFault Fault)
{
    for (const NamedFault& Named : Faults)
        if (Named.Fault == Fault) return Named.Name;
    return "none";
}

std::string ModuleFaultNames()
{
    std::string Names;
    for (const NamedFault& Named : Faults)
        if (Named.Fault != ModuleFault::None)
            Names += (Names.empty() ? "" : "|") + std::string(Named.Name);
    return Names;
}

VirtualModule::~VirtualModule()
{
    Stop();
}

CommError VirtualModule::Start(VirtualModuleOptions Options)
{
    Stop();
    FOptions = std::move(Options);
    const Frame Initial = BuildFrame(CommandReadAll, FOptions.Initial);
    {
        std::lock_guard Lock(FLock);
        if (FOptions.InitialData)
            FData = *FOptions.InitialData;
        else
            std::copy_n(Initial.begin() + FrameDataStart, FrameDataLength, FData.begin());
        FRequests = 0;
        FFlagsCleared = 0;
    }
    SetFault(FOptions.Fault);
    SetDelay(FOptions.Delay);
    if (CommError Error = FPty.Create(); !Error.Ok()) return Error;
    if (CommError Error = FStop.Create(); !Error.Ok())
    {
        FPty.Close();
        return Error;
    }
    if (CommError Error = FWake.Create(); !Error.Ok())
    {
        Stop();
        return Error;
    }
    FHeld = false;
    if (FOptions.Register)
    {
        if (CommError Error = Register(); !Error.Ok())
        {
            Stop();
            return Error;
        }
    }
    try
    {
        FThread = std::thread(&VirtualModule::Run, this);
    }
    catch (const std::system_error& Failure)
    {
        Stop();
        return MakeError(CommStatus::IoError, std::string("virtual module: ") + Failure.what());
    }
    return {};
}

CommError VirtualModule::Register()
{
    const std::string Folder = FOptions.RuntimeFolder.empty() ? PortFoldersFromEnvironment().Runtime
                                                              : FOptions.RuntimeFolder;
    if (CommError Error = EnsurePrivateFolder(Folder); !Error.Ok()) return Error;
    const int First = FOptions.Port > 0 ? FOptions.Port : FirstFreePort;
    const int Last = FOptions.Port > 0 ? FOptions.Port : LastPort;
    for (int Number = First; Number <= Last; ++Number)
    {
        const std::string Link = Folder + "/" + LinkFileName(Number);
        CommError Error = FPortLock.Acquire(Folder, Number);
        if (Error.Status == CommStatus::Busy) continue;
        if (!Error.Ok()) return Error;
        // Whatever link is there now belongs to a module that is gone, and
        // may point at a terminal that another module uses by now.
        unlink(Link.c_str());
        if (symlink(FPty.DevicePath().c_str(), Link.c_str()) == 0)
        {
            FPort = Number;
            FLinkPath = Link;
            return {};
        }
        const int Errno = errno;
        FPortLock.Release();
        return ErrorFromErrno(Errno, Link, "register");
    }
    if (FOptions.Port > 0)
        return MakeError(CommStatus::Busy,
                         PortName(FOptions.Port) + " is registered by a running module (" + Folder +
                             "/" + LinkFileName(FOptions.Port) + " -> " +
                             LinkTarget(Folder + "/" + LinkFileName(FOptions.Port)) + ")");
    return MakeError(CommStatus::Busy, "no free port number from " + std::to_string(FirstFreePort));
}

void VirtualModule::Unregister()
{
    RemoveLink();
    FPortLock.Release();
    FPort = 0;
}

void VirtualModule::RemoveLink()
{
    if (!FLinkPath.empty() && LinkTarget(FLinkPath) == FPty.DevicePath()) unlink(FLinkPath.c_str());
    FLinkPath.clear();
}

void VirtualModule::SetFault(ModuleFault Fault)
{
    FDropNext = Fault == ModuleFault::DropFirst;
    FFault = Fault;
}

void VirtualModule::Hold()
{
    FHeld = true;
    FWake.Raise();
}

void VirtualModule::Release()
{
    FHeld = false;
    FWake.Raise();
}

void VirtualModule::SetDelay(std::chrono::milliseconds Delay)
{
    FDelayMs = Delay.count();
}

void VirtualModule::Stop()
{
    if (FThread.joinable())
    {
        FStop.Raise();
        FThread.join();
    }
    FStop.Destroy();
    FWake.Destroy();
    Unregister();
    FPty.Close();
    FPending.clear();
}

ModuleParameters VirtualModule::Block() const
{
    Frame Bytes{};
    {
        std::lock_guard Lock(FLock);
        std::copy(FData.begin(), FData.end(), Bytes.begin() + FrameDataStart);
    }
    ModuleParameters Block = DecodeFrameData(Bytes);
    Block.Command = 0;
    return Block;
}

std::array<uint8_t, FrameDataLength> VirtualModule::StoredData() const
{
    std::lock_guard Lock(FLock);
    return FData;
}

uint64_t VirtualModule::Requests() const
{
    std::lock_guard Lock(FLock);
    return FRequests;
}

uint64_t VirtualModule::StaleFlagsCleared() const
{
    std::lock_guard Lock(FLock);
    return FFlagsCleared;
}

bool VirtualModule::HearsLine(const ModuleParameters& Held)
{
    if (!FOptions.OwnLineSettings) return true;
    termios Line{};
    if (tcgetattr(FPty.MasterFd(), &Line) != 0) return true;
    const int Baud = BaudForSpeed(cfgetospeed(&Line));
    const bool Odd = (Line.c_cflag & PARODD) != 0;
    if (Baud == BaudRateForCode(Held.UartBaudCode) && Odd == (Held.UartParity == 1)) return true;
    if (FOptions.Log)
        FOptions.Log("no answer: a request at " + std::to_string(Baud) +
                     (Odd ? " ODD" : " NO/EVEN") + " reads as garbage to a module at " +
                     LineText(Held));
    return false;
}

void VirtualModule::Answer(const uint8_t* Request)
{
    const uint8_t Command = Request[6];
    if (Command != CommandReadAll && Command != CommandWriteAll)
    {
        if (FOptions.Log)
            FOptions.Log("ignored request with unknown command " + std::to_string(Command));
        return;
    }
    Frame Reply = BuildReadAll();
    Reply[6] = Command;
    std::string Line = Command == CommandReadAll ? "read-all" : "write-all";
    Frame Before = Reply; // a frame of the block held before this request
    {
        std::lock_guard Lock(FLock);
        std::copy(FData.begin(), FData.end(), Before.begin() + FrameDataStart);
    }
    const ModuleParameters Held = DecodeFrameData(Before);
    if (!HearsLine(Held)) return;
    const ModuleFault Fault = FFault.load();
    const std::chrono::milliseconds Delay(FDelayMs.load());
    {
        std::lock_guard Lock(FLock);
        ++FRequests;
        if (Command == CommandWriteAll && Fault != ModuleFault::IgnoreWrite)
            std::copy_n(Request + FrameDataStart, FrameDataLength, FData.begin());
        std::copy(FData.begin(), FData.end(), Reply.begin() + FrameDataStart);
    }
    if (Fault == ModuleFault::WrongCommand)
        Reply[FrameCommandPosition] = Command == CommandReadAll ? CommandWriteAll : CommandReadAll;
    Reply[FrameChecksumPosition] = FrameChecksum(std::span(Reply.data(), FrameChecksumPosition));
    Before[FrameChecksumPosition] = FrameChecksum(std::span(Before.data(), FrameChecksumPosition));
    const std::vector<uint8_t> Earlier(Before.begin(), Before.end());
    ModuleParameters Shown = DecodeFrameData(Reply);
    Line += Command == CommandWriteAll && Fault != ModuleFault::IgnoreWrite ? ": stored " : ": ";
    Line += Describe(Shown);
    if (LineText(Shown) != LineText(Held))
        Line += "; line setting " + LineText(Held) + " -> " + LineText(Shown) +
                " from the next request on";

    const auto Due = Clock::now() + Delay;
    std::vector<uint8_t> Bytes(Reply.begin(), Reply.end());
    switch (Fault)
    {
    case ModuleFault::Silent:
        Line += "; no answer (silent)";
        break;
    case ModuleFault::BadChecksum:
        Bytes[FrameChecksumPosition] = static_cast<uint8_t>(Bytes[FrameChecksumPosition] + 1);
        FPending.push_back({Due, Bytes});
        Line += "; answered with a bad checksum";
        break;
    case ModuleFault::Split:
    {
        const auto Half = Bytes.begin() + 12;
        FPending.push_back({Due, std::vector<uint8_t>(Bytes.begin(), Half)});
        FPending.push_back({Due + std::max(Delay, std::chrono::milliseconds(20)),
                            std::vector<uint8_t>(Half, Bytes.end())});
        Line += "; answered in two parts";
        break;
    }
    case ModuleFault::Garbage:
        Bytes.insert(Bytes.begin(), std::begin(Noise), std::end(Noise));
        FPending.push_back({Due, Bytes});
        Line += "; answered after line noise";
        break;
    case ModuleFault::Duplicate:
    {
        // Both copies in one write, as a module repeating itself at once
        // would: a second write could be delayed past the client's next
        // request on a busy machine and then answer for it.
        std::vector<uint8_t> Twice = Bytes;
        Twice.insert(Twice.end(), Bytes.begin(), Bytes.end());
        FPending.push_back({Due, std::move(Twice)});
        Line += "; answered twice (the second frame answers no request)";
        break;
    }
    case ModuleFault::IgnoreWrite:
        FPending.push_back({Due, Bytes});
        Line += Command == CommandWriteAll ? "; write ignored, answered" : "; answered";
        break;
    case ModuleFault::TrailingFrame:
        Bytes.insert(Bytes.end(), Earlier.begin(), Earlier.end());
        FPending.push_back({Due, Bytes});
        Line += "; answered, then sent the earlier block (a frame that answers no request)";
        break;
    case ModuleFault::StaleFirst:
        Bytes.insert(Bytes.begin(), Earlier.begin(), Earlier.end());
        FPending.push_back({Due, Bytes});
        Line += "; sent the earlier block, then answered (a client takes the first frame "
                "for the answer; the second answers no request)";
        break;
    case ModuleFault::DropFirst:
        if (FDropNext.exchange(false))
        {
            Line += "; no answer to the first request (drop-first)";
            break;
        }
        FPending.push_back({Due, Bytes});
        Line += "; answered";
        break;
    case ModuleFault::WrongCommand:
    {
        char Byte[4];
        std::snprintf(Byte, sizeof Byte, "%02X", Reply[FrameCommandPosition]);
        FPending.push_back({Due, Bytes});
        Line += std::string("; answered with command byte ") + Byte +
                " (a frame that answers no request)";
        break;
    }
    case ModuleFault::None:
        FPending.push_back({Due, Bytes});
        Line += "; answered";
        break;
    }
    if (FOptions.Log) FOptions.Log(Line);
}

void VirtualModule::TakeRequestByte(std::vector<uint8_t>& Request, uint8_t Byte)
{
    // A module reads its requests by their fixed size: 0xAF pairs or CR LF
    // among the data do not cut a request short (only replies suffer from
    // them, since the client's reply framer has no such knowledge).
    Request.push_back(Byte);
    for (;;)
    {
        const bool Synced = Request.empty() || (Request[0] == FrameSync &&
                                                (Request.size() < 2 || Request[1] == FrameSync));
        if (!Synced)
        {
            Request.erase(Request.begin());
            continue;
        }
        if (Request.size() < FrameSize) return;
        const bool Valid = Request[7] == FrameDataLength &&
                           Request[FrameChecksumPosition] ==
                               FrameChecksum(std::span(Request.data(), FrameChecksumPosition)) &&
                           Request[FrameSize - 2] == 0x0D && Request[FrameSize - 1] == 0x0A;
        if (Valid)
        {
            Answer(Request.data());
            Request.clear();
            return;
        }
        if (FOptions.Log) FOptions.Log("ignored malformed request");
        // Look for the next request after this one's sync byte.
        Request.erase(Request.begin());
    }
}

void VirtualModule::Run()
{
    std::vector<uint8_t> Request; // bytes of the request under assembly
    const int Master = FPty.MasterFd();
    size_t Unsent = 0; // bytes of FPending.front() already written
    for (;;)
    {
        // Write what is due at once; wait for room only when the device end
        // does not take it.
        bool Blocked = false;
        const bool Held = FHeld;
        while (!Held && !Blocked && !FPending.empty() && FPending.front().Due <= Clock::now())
        {
            const std::vector<uint8_t>& Bytes = FPending.front().Bytes;
            const ssize_t Written = write(Master, Bytes.data() + Unsent, Bytes.size() - Unsent);
            if (Written < 0 && errno != EAGAIN && errno != EINTR) return;
            if (Written > 0) Unsent += static_cast<size_t>(Written);
            Blocked = Written <= 0;
            if (Unsent == Bytes.size())
            {
                FPending.erase(FPending.begin());
                Unsent = 0;
            }
        }
        int Timeout = -1;
        if (!Held && !Blocked && !FPending.empty())
            Timeout = static_cast<int>(
                std::chrono::ceil<std::chrono::milliseconds>(FPending.front().Due - Clock::now())
                    .count());
        pollfd Watch[4] = {{Master, static_cast<short>(POLLIN | (Blocked ? POLLOUT : 0)), 0},
                           {FStop.Fd(), POLLIN, 0},
                           {FPty.OpenerWatchFd(), POLLIN, 0},
                           {FWake.Fd(), POLLIN, 0}};
        if (poll(Watch, 4, std::max(Timeout, -1)) < 0)
        {
            if (errno == EINTR) continue;
            return;
        }
        if (Watch[1].revents & POLLIN) return;
        // The hold is read again at the top of the loop, after the reset.
        if (Watch[3].revents & POLLIN) FWake.Reset();
        if ((Watch[2].revents & POLLIN) && FPty.OnOpenerEvents())
        {
            {
                std::lock_guard Lock(FLock);
                ++FFlagsCleared;
            }
            if (FOptions.Log) FOptions.Log("cleared the exclusive flag its last opener left set");
        }
        if (Watch[0].revents & POLLNVAL) return;
        if (Watch[0].revents & POLLIN)
        {
            uint8_t Buffer[4096];
            const ssize_t Got = read(Master, Buffer, sizeof Buffer);
            if (Got < 0 && errno != EAGAIN && errno != EINTR) return;
            for (ssize_t i = 0; i < Got; ++i)
                TakeRequestByte(Request, Buffer[i]);
        }
        else if (Watch[0].revents & (POLLHUP | POLLERR))
        {
            // The device end is held open, so this means the terminal is gone.
            return;
        }
    }
}
