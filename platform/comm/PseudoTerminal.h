#pragma once

#include "platform/comm/CommError.h"

#include <string>

// A pseudo-terminal pair for a program that plays a serial device: it keeps
// the master end and hands the device path (/dev/pts/N) to whoever opens the
// port. A second descriptor on the device end is held open so that the
// master does not see a hang-up between two openers; it takes no lock, so
// the device stays free for one exclusive opener. The line starts raw.
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
    const std::string& DevicePath() const { return FDevicePath; }

  private:
    int FMaster = -1;
    int FKeeper = -1;
    std::string FDevicePath;
};
