#include "serial/CXSerial.h"

#include <algorithm>
#include <system_error>

namespace
{
// Validates the window's baud and parity values.
CommError CheckLine(int Baud, int Parity, LineSettings& Settings)
{
    if (!SpeedForBaud(Baud))
        return MakeError(CommStatus::Unsupported,
                         "baud rate " + std::to_string(Baud) + " is not supported");
    const auto LineParity = ParityFromIndex(Parity);
    if (!LineParity)
        return MakeError(CommStatus::InvalidArgument, "parity " + std::to_string(Parity) +
                                                          " is not 0 (none), 1 (odd) or 2 (even)");
    Settings = {Baud, *LineParity};
    return {};
}
} // namespace

CXSerial::CXSerial() : CXSerial(std::make_unique<SerialDevice>()) {}

CXSerial::CXSerial(std::unique_ptr<SerialDeviceInterface> Device) : FDevice(std::move(Device)) {}

CXSerial::~CXSerial()
{
    Close();
}

int CXSerial::IsOpen() const
{
    return FDevice->IsOpen() && !FLost.load() ? 1 : 0;
}

int CXSerial::Fail(CommError Error)
{
    FLastError = std::move(Error);
    return 0;
}

int CXSerial::FailDevice(CommError Error)
{
    if (Error.Status == CommStatus::HungUp) Close();
    return Fail(std::move(Error));
}

int CXSerial::Open(int Port, int Baud, int Parity)
{
    Close();
    FPort = Port;
    FBaud = Baud;
    FParity = Parity;
    FLastError = {};

    LineSettings Settings;
    if (CommError Error = CheckLine(Baud, Parity, Settings); !Error.Ok())
        return Fail(std::move(Error));
    const auto Location = FPortMap.Find(Port);
    if (!Location) return Fail(MakeError(CommStatus::NotFound, PortName(Port) + ": no such port"));
    if (CommError Error = FDevice->Open(Location->DevicePath); !Error.Ok())
        return Fail(std::move(Error));

    CommError Error = FDevice->Configure(Settings);
    if (Error.Ok()) Error = FDevice->Purge(PurgeDirection::Both);
    if (!Error.Ok())
    {
        FDevice->Close();
        return Fail(std::move(Error));
    }
    if (!StartReader())
    {
        FDevice->Close();
        if (FLastError.Ok())
            FLastError = MakeError(CommStatus::IoError,
                                   PortName(Port) + ": the receive thread did not start");
        return 0;
    }
    return 1;
}

int CXSerial::SetState(int Baud, int Parity)
{
    if (!IsOpen()) return Fail(MakeError(CommStatus::NotOpen, "set state: the port is not open"));
    LineSettings Settings;
    if (CommError Error = CheckLine(Baud, Parity, Settings); !Error.Ok())
        return Fail(std::move(Error));
    if (CommError Error = FDevice->Configure(Settings); !Error.Ok()) return Fail(std::move(Error));
    FBaud = Baud;
    FParity = Parity;
    return 1;
}

int CXSerial::Configure(int Port, int Baud, int Parity)
{
    if (IsOpen() && Port == FPort) return SetState(Baud, Parity);
    return Open(Port, Baud, Parity);
}

int CXSerial::Close()
{
    StopReader();
    FDevice->Close();
    FLost.store(false);
    return 1;
}

int CXSerial::Write(const uint8_t* Bytes, size_t Length)
{
    std::lock_guard Lock(FWriteLock);
    if (!IsOpen()) return Fail(MakeError(CommStatus::NotOpen, "write: the port is not open"));
    if (!Bytes && Length > 0)
        return Fail(MakeError(CommStatus::InvalidArgument, "write: no bytes given"));

    size_t Sent = 0;
    int Stalls = 0;
    while (Sent < Length)
    {
        const size_t Chunk = std::min(Length - Sent, WriteChunkSize);
        const WriteOutcome Outcome = FDevice->Write({Bytes + Sent, Chunk}, FChunkTimeout);
        Sent += Outcome.Accepted;
        if (Outcome.Error.Ok()) continue;
        // A failed wait says nothing about the device: the port stays open.
        if (Outcome.Error.Status == CommStatus::WaitFailed) return Fail(Outcome.Error);
        if (Outcome.Error.Status != CommStatus::TimedOut)
        {
            Close();
            return Fail(Outcome.Error);
        }
        // A slow line that took some bytes is still moving; only a chunk
        // the device took nothing of within the time-out counts as stalled.
        if (Outcome.Accepted > 0) continue;
        // A pseudo-terminal's queue is its peer's unread input: a purge
        // there would silently drop bytes, so its stalls are only waited out.
        const bool Purgeable = !FDevice->IsPseudoTerminal();
        if (++Stalls > MaxChunkTimeouts)
        {
            // The rest of this request must not trickle out after the failure.
            CommError Error = Outcome.Error;
            const CommError Purged =
                Purgeable ? FDevice->Purge(PurgeDirection::Output) : CommError{};
            if (!Purged.Ok())
                Error.Message += "; discarding the rest failed too: " + Purged.Message;
            return Fail(std::move(Error));
        }
        if (!Purgeable) continue;
        // The purge drops what the device accepted but has not sent; those
        // are the last bytes accepted, so they are written again, and
        // nothing the device did send goes out twice. Without the count
        // that cannot be done safely, so the write stops there.
        size_t Queued = 0;
        if (CommError Error = FDevice->OutputQueued(Queued); !Error.Ok())
        {
            Error.Message = "write: cannot tell what the device has not sent yet: " + Error.Message;
            return FailDevice(std::move(Error));
        }
        if (CommError Error = FDevice->Purge(PurgeDirection::Output); !Error.Ok())
            return FailDevice(std::move(Error));
        Sent -= std::min(Queued, Sent);
    }
    return 1;
}

int CXSerial::StartReader()
{
    if (!FDevice->IsOpen())
        return Fail(MakeError(CommStatus::NotOpen, "start reader: the port is not open"));
    StopReader();
    if (CommError Error = FStop.Create(); !Error.Ok()) return Fail(std::move(Error));
    FLost.store(false);
    try
    {
        FReader = std::thread(&CXSerial::ReceiveLoop, this);
    }
    catch (const std::system_error& Failure)
    {
        FStop.Destroy();
        return Fail(MakeError(CommStatus::IoError, std::string("start reader: ") + Failure.what()));
    }
    return 1;
}

void CXSerial::StopReader()
{
    if (FReader.joinable())
    {
        FStop.Raise();
        FReader.join();
    }
    FStop.Destroy();
}

void CXSerial::ReceiveLoop()
{
    uint8_t Buffer[ReadChunkSize];
    for (;;)
    {
        const WaitResult Woken = FDevice->WaitReadable(&FStop, std::chrono::milliseconds(-1));
        if (Woken == WaitResult::Stopped) return;
        CommError Error;
        size_t Count = 0;
        if (Woken == WaitResult::Readable)
        {
            const ReadOutcome Read = FDevice->Read(Buffer);
            Error = Read.Error;
            Count = Read.Count;
        }
        else if (Woken == WaitResult::Failed)
        {
            Error = MakeError(CommStatus::WaitFailed,
                              FDevice->Path() + ": waiting for received bytes failed");
        }
        else
        {
            Error = MakeError(CommStatus::HungUp, FDevice->Path() + ": the device went away");
        }
        if (!Error.Ok())
        {
            FLost.store(true);
            OnPortLost(Error);
            return;
        }
        if (Count == 0) continue;
        FReads.fetch_add(1);
        FBytesRead.fetch_add(Count);
        if (Count > FLargestRead.load()) FLargestRead.store(Count);
        for (size_t i = 0; i < Count; ++i)
            OnReceiveByte(Buffer[i]);
    }
}

void CXSerial::OnPortLost(const CommError&) {}

ReceiveStatistics CXSerial::Statistics() const
{
    return {FReads.load(), FBytesRead.load(), FLargestRead.load()};
}

int CXSerial::ProbePort(int Port)
{
    return ProbePort(Port, PortMap());
}

int CXSerial::ProbePort(int Port, const PortMap& Map)
{
    return ProbePortDevice(Port, Map).Error.Ok() ? 1 : 0;
}

CXSerial::Probe CXSerial::ProbePortDevice(int Port)
{
    return ProbePortDevice(Port, PortMap());
}

CXSerial::Probe CXSerial::ProbePortDevice(int Port, const PortMap& Map)
{
    const auto Location = Map.Find(Port);
    if (!Location) return {{}, MakeError(CommStatus::NotFound, PortName(Port) + ": no such port")};
    SerialDevice Device;
    return {Location->DevicePath, Device.Open(Location->DevicePath)};
}
