#pragma once

#include "platform/comm/CommError.h"

#include <string>

// A pseudo-terminal pair for a program that plays a serial device: it keeps
// the master end and hands the device path (/dev/pts/N) to whoever opens the
// port. A second descriptor on the device end is held open so that the
// master does not see a hang-up between two openers; it takes no lock, so
// the device stays free for one exclusive opener. The line starts raw.
//
// Because this object keeps the terminal open, an opener's exclusive flag
// would outlast it (a real device drops the flag at its last close): an
// opener killed before it could clear the flag would leave the device
// refused to everyone. So the object watches the device being closed, and
// clears a flag that is still set once nobody holds the advisory lock every
// exclusive opener of this tool (SerialDevice) takes with it and no other
// process holds the device open (a program that sets the flag without the
// lock). The kernel merges repeated open events, so openers are looked up
// in /proc instead of counted.
class PseudoTerminal
{
  public:
    PseudoTerminal() = default;
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    CommError Create();
    // Closes both ends: an opener of the device sees a hang-up, as when an
    // adapter is pulled out.
    void Close();
    bool IsCreated() const { return FMaster >= 0; }

    // Non-blocking master descriptor; owned by this object.
    int MasterFd() const { return FMaster; }

    // Readable (POLLIN) when openers of the device came or went; then call
    // OnOpenerEvents. -1 when the platform cannot watch the device (a stale
    // flag then stays until the object is closed).
    int OpenerWatchFd() const { return FWatch; }
    // Takes the pending events; true when an opener had gone and the flag
    // it left was cleared. Called by the thread that polls the watch.
    bool OnOpenerEvents();
    const std::string& DevicePath() const { return FDevicePath; }

  private:
    int FMaster = -1;
    int FKeeper = -1;
    int FWatch = -1;
    std::string FDevicePath;
};
