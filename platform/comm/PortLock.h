#pragma once

#include "platform/comm/CommError.h"

#include <string>

// Ownership of a runtime port number: a lock file "com<N>.lock" next to the
// link "com<N>", locked (flock) by the process that registered the link for
// as long as it lives. The kernel drops the lock when that process ends in
// any way, so a link whose lock nobody holds is stale: its device may by now
// belong to somebody else. The file holds the owner's process id, for people.
class PortLock
{
  public:
    PortLock() = default;
    ~PortLock();
    PortLock(const PortLock&) = delete;
    PortLock& operator=(const PortLock&) = delete;

    // Takes number Number in Folder. Busy when a live process holds it.
    CommError Acquire(const std::string& Folder, int Number);
    // Removes the lock file and lets go; no-op when nothing is held.
    void Release();
    bool IsHeld() const { return FFd >= 0; }

  private:
    int FFd = -1;
    std::string FPath;
};

// The lock file of Number in Folder.
std::string PortLockPath(const std::string& Folder, int Number);

// True when a live process holds the lock of Number in Folder.
bool IsPortLockHeld(const std::string& Folder, int Number);
